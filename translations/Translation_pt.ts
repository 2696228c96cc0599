<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Mais informações</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Copyright %1 %2 %3. All rights reserved.</source>
        <translation>Copyright %1 %2 %3. Todos os direitos reservados.</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>%1 is updated by your system&apos;s package manager, together with the rest of your software.</source>
        <translation>O %1 é atualizado pelo gerenciador de pacotes do seu sistema, junto com o restante dos seus programas.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Comentários e suporte</translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation>Mostrar pasta de registros</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Extract Images...</source>
        <translation>Extrair imagens...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Side Panel</source>
        <translation>Painel lateral</translation>
    </message>
    <message>
        <source>Single Page</source>
        <translation>Página única</translation>
    </message>
    <message>
        <source>Two Columns</source>
        <translation>Duas colunas</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar à largura</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar à página</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Rotate Current Page Left</source>
        <translation>Girar a página atual para a esquerda</translation>
    </message>
    <message>
        <source>Rotate Current Page Right</source>
        <translation>Girar a página atual para a direita</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Marcadores</translation>
    </message>
    <message>
        <source>Add Bookmarks</source>
        <translation>Adicionar marcador</translation>
    </message>
    <message>
        <source>Manage Bookmarks</source>
        <translation>Gerenciar marcadores</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Próxima aba</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Aba anterior</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Fechar aba</translation>
    </message>
</context>
<context>
    <name>BrowserTabBar</name>
    <message>
        <source>Open files</source>
        <translation>Abrir arquivos</translation>
    </message>
</context>
<context>
    <name>ExportCommandLine</name>
    <message>
        <source>Converts the pages of a Visio drawing (.vsd, .vsdx, .vdx) to PDF, PNG or SVG.
PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...</source>
        <translation>Converte as páginas de um desenho do Visio (.vsd, .vsdx, .vdx) em PDF, PNG ou SVG.
PNG e SVG gravam um arquivo por página: OUT-1.png, OUT-2.png, ...</translation>
    </message>
    <message>
        <source>Print a JSON summary of the drawing (title, creator, creation date and, per page, name, size in inches, layers and item counts) instead of converting it.</source>
        <translation>Mostra um resumo em JSON do desenho (título, autor, data de criação e, por página, nome, tamanho em polegadas, camadas e contagem de itens) em vez de convertê-lo.</translation>
    </message>
    <message>
        <source>Export only pages A to B (counting from 1).</source>
        <translation>Exporta apenas as páginas de A a B (contando a partir de 1).</translation>
    </message>
    <message>
        <source>A-B</source>
        <translation>A-B</translation>
    </message>
    <message>
        <source>Resolution of PNG output (default 96).</source>
        <translation>Resolução da saída PNG (padrão 96).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>PDF paper: a4 or letter, each page scaled to fit and centred. Without it every sheet has its drawing page&apos;s own size.</source>
        <translation>Papel do PDF: a4 ou letter, cada página ajustada e centralizada. Sem esta opção, cada folha tem o tamanho da sua página do desenho.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamanho</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>Mostra mensagens de diagnóstico.</translation>
    </message>
    <message>
        <source>The Visio drawing to read.</source>
        <translation>O desenho do Visio a ler.</translation>
    </message>
    <message>
        <source>OUT.pdf, OUT.png or OUT.svg.</source>
        <translation>OUT.pdf, OUT.png ou OUT.svg.</translation>
    </message>
    <message>
        <source>[output]</source>
        <translation>[saída]</translation>
    </message>
    <message>
        <source>--info takes exactly one drawing.</source>
        <translation>--info recebe exatamente um desenho.</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>Esperava-se um desenho e um arquivo de saída (veja --help).</translation>
    </message>
    <message>
        <source>The output file must end in .pdf, .png or .svg: %1</source>
        <translation>O arquivo de saída deve terminar em .pdf, .png ou .svg: %1</translation>
    </message>
    <message>
        <source>Invalid page range &quot;%1&quot;: expected A-B with 1 &lt;= A &lt;= B.</source>
        <translation>Intervalo de páginas &quot;%1&quot; inválido: esperado A-B com 1 &lt;= A &lt;= B.</translation>
    </message>
    <message>
        <source>Invalid --dpi &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>Valor de --dpi &quot;%1&quot; inválido: esperado um número inteiro de 1 a %2.</translation>
    </message>
    <message>
        <source>--dpi applies to PNG output only.</source>
        <translation>--dpi se aplica somente à saída PNG.</translation>
    </message>
    <message>
        <source>Invalid --paper &quot;%1&quot;: expected a4 or letter.</source>
        <translation>Valor de --paper &quot;%1&quot; inválido: esperado a4 ou letter.</translation>
    </message>
    <message>
        <source>--paper applies to PDF output only.</source>
        <translation>--paper se aplica somente à saída PDF.</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>desenho</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>View thumbnails or content only</source>
        <translation>Ver miniaturas ou apenas o conteúdo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>View two pages</source>
        <translation>Ver duas páginas</translation>
    </message>
    <message>
        <source>View page by page</source>
        <translation>Ver página por página</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Display actual size</source>
        <translation>Exibir em tamanho real</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom to fit window</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Zoom to Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primeira página</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>TurnPage</source>
        <translation>Navegar</translation>
    </message>
    <message>
        <source>90° counterclockwise all pages</source>
        <translation>Girar todas as páginas 90° no sentido anti-horário</translation>
    </message>
    <message>
        <source>90° clockwise all pages</source>
        <translation>Girar todas as páginas 90° no sentido horário</translation>
    </message>
    <message>
        <source>90° counterclockwise current page</source>
        <translation>Girar a página atual 90° no sentido anti-horário</translation>
    </message>
    <message>
        <source>90° clockwise current page</source>
        <translation>Girar a página atual 90° no sentido horário</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>Extract images</source>
        <translation>Extrair imagens</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>Adicione ou arraste arquivos para cá</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ Adicionar arquivos</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>Unsupported file format or corrupted document.</source>
        <translation>Formato de arquivo não suportado ou documento corrompido.</translation>
    </message>
    <message>
        <source>Open Visio File</source>
        <translation>Abrir arquivo do Visio</translation>
    </message>
    <message>
        <source>Visio Files (*.vsd *.vsdx *.vdx)</source>
        <translation>Arquivos do Visio (*.vsd *.vsdx *.vdx)</translation>
    </message>
</context>
<context>
    <name>NativeMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PageExporter</name>
    <message>
        <source>Cannot write %1: it is a folder or write-protected.</source>
        <translation>Não é possível gravar %1: é uma pasta ou está protegido contra gravação.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>No pages to write.</source>
        <translation>Nenhuma página para gravar.</translation>
    </message>
    <message>
        <source>Cannot start the PDF output.</source>
        <translation>Não é possível iniciar a saída PDF.</translation>
    </message>
    <message>
        <source>Cannot start page %1 of the PDF output.</source>
        <translation>Não é possível iniciar a página %1 da saída PDF.</translation>
    </message>
    <message>
        <source>Cannot finish the PDF output.</source>
        <translation>Não é possível concluir a saída PDF.</translation>
    </message>
    <message>
        <source>Page %1 is too large for %2 dpi: at most %3 pixels a side and %4 megapixels. Choose a lower --dpi.</source>
        <translation>A página %1 é grande demais para %2 dpi: no máximo %3 pixels por lado e %4 megapixels. Escolha um --dpi menor.</translation>
    </message>
    <message>
        <source>Not enough memory for page %1.</source>
        <translation>Memória insuficiente para a página %1.</translation>
    </message>
    <message>
        <source>Cannot encode page %1: %2</source>
        <translation>Não é possível codificar a página %1: %2</translation>
    </message>
    <message>
        <source>Cannot start the SVG output for page %1.</source>
        <translation>Não é possível iniciar a saída SVG da página %1.</translation>
    </message>
</context>
<context>
    <name>ThumbnailPanel</name>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 não é um desenho que possa ser lido.</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>Não foi possível ler %1: o desenho está danificado.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 não tem páginas.</translation>
    </message>
    <message numerus="yes">
        <source>The page range selects no page: the drawing has %n page(s).</source>
        <translation>
            <numerusform>O intervalo não seleciona nenhuma página: o desenho tem %n página.</numerusform>
            <numerusform>O intervalo não seleciona nenhuma página: o desenho tem %n páginas.</numerusform>
        </translation>
    </message>
</context>
</TS>
