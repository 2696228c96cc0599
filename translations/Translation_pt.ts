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
    <message>
        <source>Open Recent</source>
        <translation>Abrir recentes</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Fechar todas as abas</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Convert every drawing given, and the drawings in the folders given, into DIR, keeping the folders&apos; structure below it.</source>
        <translation>Converte cada desenho indicado, e os desenhos das pastas indicadas, em DIR, mantendo abaixo dela a estrutura das pastas.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>With --out-dir: pdf (the default), png, svg or txt (the text, page by page).</source>
        <translation>Com --out-dir: pdf (o padrão), png, svg ou txt (o texto, página por página).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>With --out-dir: search the folders given and all folders below them.</source>
        <translation>Com --out-dir: percorre as pastas indicadas e todas as pastas abaixo delas.</translation>
    </message>
    <message>
        <source>With --out-dir: replace existing outputs, which are otherwise kept.</source>
        <translation>Com --out-dir: substitui as saídas existentes, que de outro modo são mantidas.</translation>
    </message>
    <message>
        <source>With --out-dir: convert only drawings changed since their output was written, replacing the older outputs.</source>
        <translation>Com --out-dir: converte apenas os desenhos alterados desde que sua saída foi gravada, substituindo as saídas mais antigas.</translation>
    </message>
    <message>
        <source>With --out-dir: convert N drawings at a time, each in a process of its own (default: the number of processors).</source>
        <translation>Com --out-dir: converte N desenhos por vez, cada um em um processo próprio (padrão: o número de processadores).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --out-dir: give up on a drawing after this many seconds (default 120).</source>
        <translation>Com --out-dir: desiste de um desenho após este número de segundos (padrão 120).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>With --out-dir: the most memory, in MB, one drawing&apos;s process may use (default: an equal share of the machine&apos;s memory for each process).</source>
        <translation>Com --out-dir: a memória máxima, em MB, que o processo de um desenho pode usar (padrão: uma parte igual da memória da máquina para cada processo).</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>With --out-dir: write a JSON record of every drawing (input, output, status, reason, pages, seconds, peak memory) to FILE.</source>
        <translation>Com --out-dir: grava em FILE um registro JSON de cada desenho (entrada, saída, estado, motivo, páginas, segundos, pico de memória).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory and --report need --out-dir.</source>
        <translation>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory e --report exigem --out-dir.</translation>
    </message>
    <message>
        <source>--out-dir needs a folder.</source>
        <translation>--out-dir requer uma pasta.</translation>
    </message>
    <message>
        <source>Invalid --format &quot;%1&quot;: expected pdf, png, svg or txt.</source>
        <translation>Valor de --format &quot;%1&quot; inválido: esperado pdf, png, svg ou txt.</translation>
    </message>
    <message>
        <source>Invalid -j &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>Valor de -j &quot;%1&quot; inválido: esperado um número inteiro de 1 a %2.</translation>
    </message>
    <message>
        <source>Invalid --timeout &quot;%1&quot;: expected seconds, more than 0 and at most 86400.</source>
        <translation>Valor de --timeout &quot;%1&quot; inválido: esperados segundos, mais de 0 e no máximo 86400.</translation>
    </message>
    <message>
        <source>Invalid --max-memory &quot;%1&quot;: expected a whole number of MB, at least %2.</source>
        <translation>Valor de --max-memory &quot;%1&quot; inválido: esperado um número inteiro de MB, no mínimo %2.</translation>
    </message>
</context>
<context>
    <name>BatchInputCollector</name>
    <message>
        <source>Cannot read it: %1</source>
        <translation>Não é possível lê-lo: %1</translation>
    </message>
    <message>
        <source>This folder is searched already as %1 (a symbolic link leads to it again).</source>
        <translation>Esta pasta já é percorrida como %1 (um link simbólico leva a ela novamente).</translation>
    </message>
    <message>
        <source>Cannot read the folder: %1</source>
        <translation>Não é possível ler a pasta: %1</translation>
    </message>
    <message>
        <source>Not a drawing.</source>
        <translation>Não é um desenho.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
</context>
<context>
    <name>BatchOutputNames</name>
    <message>
        <source>Another drawing has the output name %1 too; this one is written as %2.</source>
        <translation>Outro desenho também tem o nome de saída %1; este é gravado como %2.</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>convertido %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed    %1: %2</source>
        <translation>falhou    %1: %2</translation>
    </message>
    <message>
        <source>skipped   %1: %2</source>
        <translation>ignorado  %1: %2</translation>
    </message>
    <message>
        <source>%1/%2 done, %3 failed, %4 drawings/s</source>
        <translation>%1/%2 concluídos, %3 com falha, %4 desenhos/s</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1 converted, %2 failed, %3 skipped</source>
        <translation>%1 convertidos, %2 com falha, %3 ignorados</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>Não é possível gravar o relatório %1: %2</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>Cannot write into the output folder %1: %2</source>
        <translation>Não é possível gravar na pasta de saída %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the report %1.</source>
        <translation>Não é possível gravar o relatório %1.</translation>
    </message>
    <message>
        <source>Its output is newer than the drawing.</source>
        <translation>Sua saída é mais recente que o desenho.</translation>
    </message>
    <message>
        <source>Its output exists; --overwrite replaces it.</source>
        <translation>Sua saída já existe; --overwrite a substitui.</translation>
    </message>
    <message>
        <source>Cannot write into the output folder: %1</source>
        <translation>Não é possível gravar na pasta de saída: %1</translation>
    </message>
    <message>
        <source>Cannot read it: its name is not valid in this locale.</source>
        <translation>Não é possível lê-lo: o nome não é válido nesta localidade.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>O conversor não gravou nada.</translation>
    </message>
    <message>
        <source>The converter wrote an unexpected file: %1</source>
        <translation>O conversor gravou um arquivo inesperado: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>Não é possível gravar %1: é uma pasta.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>The output would lie outside the output folder.</source>
        <translation>A saída ficaria fora da pasta de saída.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link: outputs are written only inside the output folder.</source>
        <translation>%1 é um link simbólico: as saídas são gravadas somente dentro da pasta de saída.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 não é uma pasta.</translation>
    </message>
    <message>
        <source>Interrupted: drawings not finished are not in the report, and nothing of them was written.</source>
        <translation>Interrompido: os desenhos não concluídos não estão no relatório e nada deles foi gravado.</translation>
    </message>
</context>
<context>
    <name>BatchWorker</name>
    <message>
        <source>The converter could not be started: %1</source>
        <translation>Não foi possível iniciar o conversor: %1</translation>
    </message>
    <message>
        <source>Given up after %1 s: the drawing takes too long.</source>
        <translation>Abandonado após %1 s: o desenho demora demais.</translation>
    </message>
    <message>
        <source>Ran out of memory (at most %1 MB for one drawing).</source>
        <translation>Memória esgotada (no máximo %1 MB por desenho).</translation>
    </message>
    <message>
        <source>The converter stopped on signal %1 (%2).</source>
        <translation>O conversor parou com o sinal %1 (%2).</translation>
    </message>
    <message>
        <source>The converter gave no result.</source>
        <translation>O conversor não deu resultado.</translation>
    </message>
    <message>
        <source>The converter failed with exit code %1.</source>
        <translation>O conversor falhou com o código de saída %1.</translation>
    </message>
</context>
<context>
    <name>BookmarkDialog</name>
    <message>
        <source>Type a name for the bookmark:</source>
        <translation>Digite um nome para o marcador:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
</context>
<context>
    <name>BookmarkListDialog</name>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>BookmarkStoreAlerts</name>
    <message>
        <source>Bookmarks Unavailable</source>
        <translation>Marcadores indisponíveis</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be read: %2

It has been left unchanged, and no bookmark was changed.</source>
        <translation>Não foi possível ler o arquivo de marcadores &quot;%1&quot;: %2

Ele foi mantido como estava, e nenhum marcador foi alterado.</translation>
    </message>
    <message>
        <source>Bookmarks Not Saved</source>
        <translation>Marcadores não salvos</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be written: %2

Your earlier bookmarks are unchanged.</source>
        <translation>Não foi possível gravar o arquivo de marcadores &quot;%1&quot;: %2

Seus marcadores anteriores não foram alterados.</translation>
    </message>
    <message>
        <source>Another window is changing the bookmarks right now. Please try again.</source>
        <translation>Outra janela está alterando os marcadores neste momento. Tente novamente.</translation>
    </message>
    <message>
        <source>Bookmarks File Damaged</source>
        <translation>Arquivo de marcadores danificado</translation>
    </message>
    <message>
        <source>The bookmarks file was damaged and could not be read. It has been kept as &quot;%1&quot;, and new bookmarks start from an empty list.</source>
        <translation>O arquivo de marcadores estava danificado e não pôde ser lido. Ele foi guardado como &quot;%1&quot;, e os novos marcadores começam com uma lista vazia.</translation>
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
    <name>DocumentLoadController</name>
    <message>
        <source>Still Opening</source>
        <translation>Ainda abrindo</translation>
    </message>
    <message>
        <source>The drawing is still being read. Try again when it is open.</source>
        <translation>O desenho ainda está sendo lido. Tente novamente quando ele estiver aberto.</translation>
    </message>
</context>
<context>
    <name>DocumentLoadingWidget</name>
    <message>
        <source>Opening %1</source>
        <translation>Abrindo %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>Printing...</source>
        <translation>Imprimindo...</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Falha na impressão</translation>
    </message>
    <message>
        <source>The document could not be sent to the printer %1.</source>
        <translation>Não foi possível enviar o documento para a impressora %1.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Não é possível gravar %1.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exportar para PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving PDF...</source>
        <translation>Salvando PDF...</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Falha na exportação</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Camadas</translation>
    </message>
    <message>
        <source>Print what I see</source>
        <translation>Imprimir o que vejo</translation>
    </message>
    <message>
        <source>Print the layers as the layer panel shows them, instead of the layers the drawing is set to print.</source>
        <translation>Imprime as camadas como o painel de camadas as mostra, em vez das camadas que o desenho está configurado para imprimir.</translation>
    </message>
</context>
<context>
    <name>DocumentReloadController</name>
    <message>
        <source>%1 could not be read again. %2 The tab shows the version read before.</source>
        <translation>Não foi possível ler %1 novamente. %2 A aba mostra a versão lida antes.</translation>
    </message>
</context>
<context>
    <name>DrawingThumbnailer</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 não é um arquivo.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vazio.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB: no thumbnail is made of it.</source>
        <translation>%1 tem mais de %2 MB: nenhuma miniatura é feita dele.</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>Não foi possível ler %1: o desenho está danificado.</translation>
    </message>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 não é um desenho que possa ser lido.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 não tem páginas.</translation>
    </message>
    <message>
        <source>Page 1 of %1 is empty.</source>
        <translation>A página 1 de %1 está vazia.</translation>
    </message>
    <message>
        <source>Page 1 of %1 could not be laid out.</source>
        <translation>Não foi possível dispor a página 1 de %1.</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Memória insuficiente para uma imagem de %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>Cannot encode the picture: %1</source>
        <translation>Não foi possível codificar a imagem: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>EmbeddedImageExporter</name>
    <message>
        <source>There is nothing to export, or no folder to export to.</source>
        <translation>Não há nada para exportar, ou não há pasta de destino.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: a file of that name is in the way.</source>
        <translation>Não é possível criar a pasta %1: já existe um arquivo com esse nome.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be saved. %3</source>
        <translation>%1 de %2 imagens não puderam ser salvas. %3</translation>
    </message>
</context>
<context>
    <name>ExportCommandLine</name>
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
    <message>
        <source>Save the drawing&apos;s pictures as PNG files in DIR/NAME/, named NAME_P001_I01.png (page, then picture), and print each file written. Exits with 3 when the drawing has no pictures.</source>
        <translation>Salva as imagens do desenho como arquivos PNG em DIR/NAME/, com nomes NAME_P001_I01.png (página, depois imagem), e mostra cada arquivo gravado. Sai com o código 3 quando o desenho não tem imagens.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>--images takes exactly one drawing.</source>
        <translation>--images recebe exatamente um desenho.</translation>
    </message>
    <message>
        <source>--images writes every picture as it is: --pages, --dpi and --paper do not apply.</source>
        <translation>--images grava cada imagem como ela é: --pages, --dpi e --paper não se aplicam.</translation>
    </message>
    <message>
        <source>Print the drawing&apos;s text on standard output in reading order, each page headed by its name and ended by a form feed, for search indexers.</source>
        <translation>Mostra o texto do desenho na saída padrão em ordem de leitura, cada página encabeçada pelo seu nome e terminada por uma quebra de página, para indexadores de busca.</translation>
    </message>
    <message>
        <source>The Visio drawing to read; with --out-dir, drawings and folders.</source>
        <translation>O desenho do Visio a ler; com --out-dir, desenhos e pastas.</translation>
    </message>
    <message>
        <source>OUT.pdf, OUT.png, OUT.svg or OUT.txt.</source>
        <translation>OUT.pdf, OUT.png, OUT.svg ou OUT.txt.</translation>
    </message>
    <message>
        <source>--text takes exactly one drawing.</source>
        <translation>--text recebe exatamente um desenho.</translation>
    </message>
    <message>
        <source>--out-dir needs at least one drawing or folder.</source>
        <translation>--out-dir requer pelo menos um desenho ou uma pasta.</translation>
    </message>
    <message>
        <source>The output file must end in .pdf, .png, .svg or .txt: %1</source>
        <translation>O arquivo de saída deve terminar em .pdf, .png, .svg ou .txt: %1</translation>
    </message>
    <message>
        <source>List each page&apos;s layers with their flags (visible or hidden, print or no-print) instead of converting the drawing.</source>
        <translation>Lista as camadas de cada página com seus atributos (visível ou oculta, imprime ou não imprime) em vez de converter o desenho.</translation>
    </message>
    <message>
        <source>Leave the layer NAME out of the output; may be given more than once.</source>
        <translation>Deixa a camada NOME fora da saída; pode ser informado mais de uma vez.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>--layers takes exactly one drawing.</source>
        <translation>--layers recebe exatamente um desenho.</translation>
    </message>
    <message>
        <source>Converts the pages of a Visio drawing (.vsd, .vsdx, .vdx and the stencil, template and macro-enabled kinds) to PDF, PNG, SVG or text.
PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...
The output has the layers the drawing prints. A stencil gives sheets of its masters, each with its name.
With --out-dir, converts many drawings at once, several at a time.</source>
        <translation>Converte as páginas de um desenho do Visio (.vsd, .vsdx, .vdx e os tipos estêncil, modelo e habilitado para macros) em PDF, PNG, SVG ou texto.
PNG e SVG gravam um arquivo por página: OUT-1.png, OUT-2.png, ...
A saída tem as camadas que o desenho imprime. Um estêncil gera folhas com suas formas mestras, cada uma com seu nome.
Com --out-dir, converte muitos desenhos de uma vez, vários ao mesmo tempo.</translation>
    </message>
    <message>
        <source>--info, --layers, --images, --text and --out-dir do not go together.</source>
        <translation>--info, --layers, --images, --text e --out-dir não podem ser combinados.</translation>
    </message>
    <message>
        <source>--hide-layer applies to PDF, PNG, SVG and text output only.</source>
        <translation>--hide-layer se aplica apenas à saída em PDF, PNG, SVG e texto.</translation>
    </message>
</context>
<context>
    <name>ImageExtractionController</name>
    <message>
        <source>Select Export Directory</source>
        <translation>Selecionar pasta de exportação</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Directory does not exist or is not writable!</source>
        <translation>A pasta não existe ou não permite gravação!</translation>
    </message>
    <message>
        <source>Extracting images...</source>
        <translation>Extraindo imagens...</translation>
    </message>
    <message>
        <source>Export Images</source>
        <translation>Exportar imagens</translation>
    </message>
    <message>
        <source>This document does not contain any images.</source>
        <translation>Este documento não contém imagens.</translation>
    </message>
    <message numerus="yes">
        <source>Extraction cancelled. %n picture(s) saved in %1.</source>
        <translation>
            <numerusform>Extração cancelada. %n imagem salva em %1.</numerusform>
            <numerusform>Extração cancelada. %n imagens salvas em %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Falha na exportação</translation>
    </message>
</context>
<context>
    <name>LayerPanel</name>
    <message>
        <source>Layers</source>
        <translation>Camadas</translation>
    </message>
    <message>
        <source>Unnamed layer %1</source>
        <translation>Camada sem nome %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Hidden layers</source>
        <translation>Camadas ocultas</translation>
    </message>
    <message>
        <source>What the drawing keeps on hidden layers, where the file does not say which.</source>
        <translation>O que o desenho mantém em camadas ocultas, quando o arquivo não diz quais.</translation>
    </message>
    <message>
        <source>Layers not printed</source>
        <translation>Camadas não impressas</translation>
    </message>
    <message>
        <source>What the drawing shows but does not print, where the file does not say on which layers.</source>
        <translation>O que o desenho mostra mas não imprime, quando o arquivo não diz em quais camadas.</translation>
    </message>
    <message>
        <source>Layers printed only</source>
        <translation>Camadas só impressas</translation>
    </message>
    <message>
        <source>What the drawing prints but does not show, where the file does not say on which layers.</source>
        <translation>O que o desenho imprime mas não mostra, quando o arquivo não diz em quais camadas.</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>Não impressa</translation>
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
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Visio Files (%1)</source>
        <translation>Arquivos do Visio (%1)</translation>
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
    <name>OpenFailure</name>
    <message>
        <source>The file was not found.</source>
        <translation>O arquivo não foi encontrado.</translation>
    </message>
    <message>
        <source>It is a folder, not a drawing.</source>
        <translation>É uma pasta, não um desenho.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>Não é um arquivo, mas um dispositivo ou um pipe.</translation>
    </message>
    <message>
        <source>You do not have permission to read it.</source>
        <translation>Você não tem permissão para lê-lo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>O arquivo é grande demais para ser aberto.</translation>
    </message>
    <message>
        <source>It is not a Visio drawing.</source>
        <translation>Não é um desenho do Visio.</translation>
    </message>
    <message>
        <source>The drawing is damaged and could not be read.</source>
        <translation>O desenho está danificado e não pôde ser lido.</translation>
    </message>
    <message>
        <source>The drawing has no pages.</source>
        <translation>O desenho não tem páginas.</translation>
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
    <message>
        <source>Cannot write the text to standard output: %1</source>
        <translation>Não é possível gravar o texto na saída padrão: %1</translation>
    </message>
</context>
<context>
    <name>PageTextExtractor</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>PdfDocumentWriter</name>
    <message>
        <source>No pages to write.</source>
        <translation>Nenhuma página para gravar.</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>Não é possível gravar %1: é uma pasta.</translation>
    </message>
    <message>
        <source>Cannot write %1: the file is write-protected.</source>
        <translation>Não é possível gravar %1: o arquivo está protegido contra gravação.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be started.</source>
        <translation>Não é possível gravar %1: não foi possível iniciar a saída PDF.</translation>
    </message>
    <message>
        <source>Cannot write %1: page %2 could not be started.</source>
        <translation>Não é possível gravar %1: não foi possível iniciar a página %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be finished.</source>
        <translation>Não é possível gravar %1: não foi possível concluir a saída PDF.</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Remove Missing Drawings</source>
        <translation>Remover desenhos ausentes</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (não encontrado)</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Remover da lista</translation>
    </message>
</context>
<context>
    <name>ReloadBar</name>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
    <name>ThumbnailerCommandLine</name>
    <message>
        <source>Writes a PNG picture of page 1 of a Visio drawing, for file managers to show as
the drawing&apos;s thumbnail; they run it as plandraw.thumbnailer says. It gives up,
leaving no file behind, on anything but a drawing with a page 1 to show, and on
drawings that take longer than the time limit.</source>
        <translation>Grava uma imagem PNG da página 1 de um desenho do Visio, que os gerenciadores de
arquivos mostram como miniatura do desenho; eles o executam como diz
plandraw.thumbnailer. Desiste, sem deixar arquivo, de tudo o que não for um
desenho com uma página 1 a mostrar e de desenhos que levam mais que o limite de
tempo.</translation>
    </message>
    <message>
        <source>The picture&apos;s longer side in pixels; larger sizes than %1 are brought down to %1.</source>
        <translation>O lado maior da imagem em pixels; tamanhos acima de %1 são reduzidos a %1.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>Give up after SECONDS (default %1).</source>
        <translation>Desistir após SECONDS segundos (padrão %1).</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDS</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>Mostra mensagens de diagnóstico.</translation>
    </message>
    <message>
        <source>input</source>
        <translation>entrada</translation>
    </message>
    <message>
        <source>The Visio drawing to read.</source>
        <translation>O desenho do Visio a ler.</translation>
    </message>
    <message>
        <source>output</source>
        <translation>saída</translation>
    </message>
    <message>
        <source>The PNG file to write.</source>
        <translation>O arquivo PNG a gravar.</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>São esperados um desenho e um arquivo de saída (veja --help).</translation>
    </message>
    <message>
        <source>Give the picture&apos;s size with -s SIZE.</source>
        <translation>Informe o tamanho da imagem com -s SIZE.</translation>
    </message>
    <message>
        <source>The size must be a whole number of pixels, at least 1.</source>
        <translation>O tamanho deve ser um número inteiro de pixels, no mínimo 1.</translation>
    </message>
    <message>
        <source>The time limit must be a number of seconds above 0 and at most %1.</source>
        <translation>O limite de tempo deve ser um número de segundos acima de 0 e no máximo %1.</translation>
    </message>
</context>
<context>
    <name>ViewerCommandLine</name>
    <message>
        <source>Views Microsoft Visio drawings (.vsd, .vsdx, .vdx, and stencils and templates),
each in a tab of its own.</source>
        <translation>Visualiza desenhos do Microsoft Visio (.vsd, .vsdx, .vdx, além de estênceis e
modelos), cada um em sua própria aba.</translation>
    </message>
    <message>
        <source>drawings</source>
        <translation>desenhos</translation>
    </message>
    <message>
        <source>The drawings to open.</source>
        <translation>Os desenhos a abrir.</translation>
    </message>
    <message>
        <source>[drawing...]</source>
        <translation>[desenho...]</translation>
    </message>
</context>
<context>
    <name>VisioStencilGrid</name>
    <message>
        <source>This stencil has no masters.</source>
        <translation>Este estêncil não tem formas mestras.</translation>
    </message>
    <message>
        <source>Masters %1–%2</source>
        <translation>Formas mestras %1–%2</translation>
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
    <message>
        <source>The drawing could not be laid out.</source>
        <translation>Não foi possível fazer o layout do desenho.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder that can be written.</source>
        <translation>&quot;%1&quot; não é uma pasta com permissão de gravação.</translation>
    </message>
    <message>
        <source>The drawing has no pictures.</source>
        <translation>O desenho não tem imagens.</translation>
    </message>
    <message>
        <source>Gave up after %1 seconds: the drawing takes too long.</source>
        <translation>Desistiu após %1 segundos: o desenho demora demais.</translation>
    </message>
    <message>
        <source>Gave up: the drawing needs too much memory.</source>
        <translation>Desistiu: o desenho precisa de memória demais.</translation>
    </message>
    <message>
        <source>The drawing has no layer named &quot;%1&quot;.</source>
        <translation>O desenho não tem camada chamada &quot;%1&quot;.</translation>
    </message>
</context>
</TS>
