<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright %1 %2 %3. All rights reserved.</source>
        <translation>Copyright %1 %2 %3. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>%1 is updated by your system&apos;s package manager, together with the rest of your software.</source>
        <translation>%1 se actualiza con el gestor de paquetes de su sistema, junto con el resto de su software.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Comentarios y soporte</translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation>Mostrar carpeta de registros</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Extract Images...</source>
        <translation>Extraer imágenes…</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Side Panel</source>
        <translation>Panel lateral</translation>
    </message>
    <message>
        <source>Single Page</source>
        <translation>Página única</translation>
    </message>
    <message>
        <source>Two Columns</source>
        <translation>Dos columnas</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Rotate Current Page Left</source>
        <translation>Girar la página actual a la izquierda</translation>
    </message>
    <message>
        <source>Rotate Current Page Right</source>
        <translation>Girar la página actual a la derecha</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Marcadores</translation>
    </message>
    <message>
        <source>Add Bookmarks</source>
        <translation>Añadir marcador</translation>
    </message>
    <message>
        <source>Manage Bookmarks</source>
        <translation>Administrar marcadores</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Pestaña siguiente</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Pestaña anterior</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Cerrar pestaña</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir recientes</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Cerrar todas las pestañas</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Convert every drawing given, and the drawings in the folders given, into DIR, keeping the folders&apos; structure below it.</source>
        <translation>Convierte cada dibujo indicado, y los dibujos de las carpetas indicadas, en DIR, manteniendo debajo de ella la estructura de las carpetas.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>With --out-dir: pdf (the default), png, svg or txt (the text, page by page).</source>
        <translation>Con --out-dir: pdf (predeterminado), png, svg o txt (el texto, página a página).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>With --out-dir: search the folders given and all folders below them.</source>
        <translation>Con --out-dir: recorre las carpetas indicadas y todas las carpetas que contienen.</translation>
    </message>
    <message>
        <source>With --out-dir: replace existing outputs, which are otherwise kept.</source>
        <translation>Con --out-dir: reemplaza las salidas existentes, que de lo contrario se conservan.</translation>
    </message>
    <message>
        <source>With --out-dir: convert only drawings changed since their output was written, replacing the older outputs.</source>
        <translation>Con --out-dir: convierte solo los dibujos modificados desde que se escribió su salida, reemplazando las salidas más antiguas.</translation>
    </message>
    <message>
        <source>With --out-dir: convert N drawings at a time, each in a process of its own (default: the number of processors).</source>
        <translation>Con --out-dir: convierte N dibujos a la vez, cada uno en su propio proceso (predeterminado: el número de procesadores).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --out-dir: give up on a drawing after this many seconds (default 120).</source>
        <translation>Con --out-dir: abandona un dibujo tras este número de segundos (predeterminado 120).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>With --out-dir: the most memory, in MB, one drawing&apos;s process may use (default: an equal share of the machine&apos;s memory for each process).</source>
        <translation>Con --out-dir: la memoria máxima, en MB, que puede usar el proceso de un dibujo (predeterminado: una parte igual de la memoria del equipo para cada proceso).</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>With --out-dir: write a JSON record of every drawing (input, output, status, reason, pages, seconds, peak memory) to FILE.</source>
        <translation>Con --out-dir: escribe en FILE un registro JSON de cada dibujo (entrada, salida, estado, motivo, páginas, segundos, pico de memoria).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory and --report need --out-dir.</source>
        <translation>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory y --report requieren --out-dir.</translation>
    </message>
    <message>
        <source>--out-dir needs a folder.</source>
        <translation>--out-dir requiere una carpeta.</translation>
    </message>
    <message>
        <source>Invalid --format &quot;%1&quot;: expected pdf, png, svg or txt.</source>
        <translation>Valor de --format «%1» no válido: se esperaba pdf, png, svg o txt.</translation>
    </message>
    <message>
        <source>Invalid -j &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>Valor de -j «%1» no válido: se esperaba un número entero de 1 a %2.</translation>
    </message>
    <message>
        <source>Invalid --timeout &quot;%1&quot;: expected seconds, more than 0 and at most 86400.</source>
        <translation>Valor de --timeout «%1» no válido: se esperaban segundos, más de 0 y como máximo 86400.</translation>
    </message>
    <message>
        <source>Invalid --max-memory &quot;%1&quot;: expected a whole number of MB, at least %2.</source>
        <translation>Valor de --max-memory «%1» no válido: se esperaba un número entero de MB, al menos %2.</translation>
    </message>
</context>
<context>
    <name>BatchInputCollector</name>
    <message>
        <source>Cannot read it: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <source>This folder is searched already as %1 (a symbolic link leads to it again).</source>
        <translation>Esta carpeta ya se recorre como %1 (un enlace simbólico vuelve a llevar a ella).</translation>
    </message>
    <message>
        <source>Cannot read the folder: %1</source>
        <translation>No se puede leer la carpeta: %1</translation>
    </message>
    <message>
        <source>Not a drawing.</source>
        <translation>No es un dibujo.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>BatchOutputNames</name>
    <message>
        <source>Another drawing has the output name %1 too; this one is written as %2.</source>
        <translation>Otro dibujo también tiene el nombre de salida %1; este se escribe como %2.</translation>
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
        <translation>fallido   %1: %2</translation>
    </message>
    <message>
        <source>skipped   %1: %2</source>
        <translation>omitido   %1: %2</translation>
    </message>
    <message>
        <source>%1/%2 done, %3 failed, %4 drawings/s</source>
        <translation>%1/%2 terminados, %3 fallidos, %4 dibujos/s</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1 converted, %2 failed, %3 skipped</source>
        <translation>%1 convertidos, %2 fallidos, %3 omitidos</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>No se puede escribir el informe %1: %2</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>Cannot write into the output folder %1: %2</source>
        <translation>No se puede escribir en la carpeta de salida %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the report %1.</source>
        <translation>No se puede escribir el informe %1.</translation>
    </message>
    <message>
        <source>Its output is newer than the drawing.</source>
        <translation>Su salida es más reciente que el dibujo.</translation>
    </message>
    <message>
        <source>Its output exists; --overwrite replaces it.</source>
        <translation>Su salida ya existe; --overwrite la reemplaza.</translation>
    </message>
    <message>
        <source>Cannot write into the output folder: %1</source>
        <translation>No se puede escribir en la carpeta de salida: %1</translation>
    </message>
    <message>
        <source>Cannot read it: its name is not valid in this locale.</source>
        <translation>No se puede leer: su nombre no es válido en esta configuración regional.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>El conversor no escribió nada.</translation>
    </message>
    <message>
        <source>The converter wrote an unexpected file: %1</source>
        <translation>El conversor escribió un archivo inesperado: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>No se puede escribir %1: es una carpeta.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The output would lie outside the output folder.</source>
        <translation>La salida quedaría fuera de la carpeta de salida.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link: outputs are written only inside the output folder.</source>
        <translation>%1 es un enlace simbólico: las salidas solo se escriben dentro de la carpeta de salida.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>Interrupted: drawings not finished are not in the report, and nothing of them was written.</source>
        <translation>Interrumpido: los dibujos sin terminar no figuran en el informe y no se escribió nada de ellos.</translation>
    </message>
</context>
<context>
    <name>BatchWorker</name>
    <message>
        <source>The converter could not be started: %1</source>
        <translation>No se pudo iniciar el conversor: %1</translation>
    </message>
    <message>
        <source>Given up after %1 s: the drawing takes too long.</source>
        <translation>Abandonado tras %1 s: el dibujo tarda demasiado.</translation>
    </message>
    <message>
        <source>Ran out of memory (at most %1 MB for one drawing).</source>
        <translation>Memoria agotada (como máximo %1 MB por dibujo).</translation>
    </message>
    <message>
        <source>The converter stopped on signal %1 (%2).</source>
        <translation>El conversor se detuvo por la señal %1 (%2).</translation>
    </message>
    <message>
        <source>The converter gave no result.</source>
        <translation>El conversor no dio ningún resultado.</translation>
    </message>
    <message>
        <source>The converter failed with exit code %1.</source>
        <translation>El conversor falló con el código de salida %1.</translation>
    </message>
</context>
<context>
    <name>BookmarkDialog</name>
    <message>
        <source>Type a name for the bookmark:</source>
        <translation>Escriba un nombre para el marcador:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
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
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
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
        <translation>Marcadores no disponibles</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be read: %2

It has been left unchanged, and no bookmark was changed.</source>
        <translation>No se pudo leer el archivo de marcadores «%1»: %2

No se ha modificado y no se ha cambiado ningún marcador.</translation>
    </message>
    <message>
        <source>Bookmarks Not Saved</source>
        <translation>Marcadores no guardados</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be written: %2

Your earlier bookmarks are unchanged.</source>
        <translation>No se pudo escribir el archivo de marcadores «%1»: %2

Sus marcadores anteriores no han cambiado.</translation>
    </message>
    <message>
        <source>Another window is changing the bookmarks right now. Please try again.</source>
        <translation>Otra ventana está modificando los marcadores en este momento. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Bookmarks File Damaged</source>
        <translation>Archivo de marcadores dañado</translation>
    </message>
    <message>
        <source>The bookmarks file was damaged and could not be read. It has been kept as &quot;%1&quot;, and new bookmarks start from an empty list.</source>
        <translation>El archivo de marcadores estaba dañado y no se pudo leer. Se ha conservado como «%1», y los nuevos marcadores empiezan con una lista vacía.</translation>
    </message>
</context>
<context>
    <name>BrowserTabBar</name>
    <message>
        <source>Open files</source>
        <translation>Abrir archivos</translation>
    </message>
</context>
<context>
    <name>DocumentLoadController</name>
    <message>
        <source>Still Opening</source>
        <translation>Todavía se está abriendo</translation>
    </message>
    <message>
        <source>The drawing is still being read. Try again when it is open.</source>
        <translation>El dibujo todavía se está leyendo. Vuelva a intentarlo cuando esté abierto.</translation>
    </message>
</context>
<context>
    <name>DocumentLoadingWidget</name>
    <message>
        <source>Opening %1</source>
        <translation>Abriendo %1</translation>
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
        <translation>Imprimiendo…</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Error al imprimir</translation>
    </message>
    <message>
        <source>The document could not be sent to the printer %1.</source>
        <translation>No se pudo enviar el documento a la impresora %1.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving PDF...</source>
        <translation>Guardando PDF…</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Capas</translation>
    </message>
    <message>
        <source>Print what I see</source>
        <translation>Imprimir lo que veo</translation>
    </message>
    <message>
        <source>Print the layers as the layer panel shows them, instead of the layers the drawing is set to print.</source>
        <translation>Imprime las capas tal como las muestra el panel de capas, en lugar de las capas que el dibujo tiene configuradas para imprimir.</translation>
    </message>
</context>
<context>
    <name>DocumentReloadController</name>
    <message>
        <source>%1 could not be read again. %2 The tab shows the version read before.</source>
        <translation>No se pudo volver a leer %1. %2 La pestaña muestra la versión leída antes.</translation>
    </message>
</context>
<context>
    <name>DrawingThumbnailer</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacío.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB: no thumbnail is made of it.</source>
        <translation>%1 supera los %2 MB: no se crea su miniatura.</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>No se pudo leer %1: el dibujo está dañado.</translation>
    </message>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 no es un dibujo que se pueda leer.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 no tiene páginas.</translation>
    </message>
    <message>
        <source>Page 1 of %1 is empty.</source>
        <translation>La página 1 de %1 está vacía.</translation>
    </message>
    <message>
        <source>Page 1 of %1 could not be laid out.</source>
        <translation>No se pudo maquetar la página 1 de %1.</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>No hay memoria suficiente para una imagen de %1 x %2 píxeles.</translation>
    </message>
    <message>
        <source>Cannot encode the picture: %1</source>
        <translation>No se puede codificar la imagen: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>EmbeddedImageExporter</name>
    <message>
        <source>There is nothing to export, or no folder to export to.</source>
        <translation>No hay nada que exportar o no hay ninguna carpeta de destino.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: a file of that name is in the way.</source>
        <translation>No se puede crear la carpeta %1: ya existe un archivo con ese nombre.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be saved. %3</source>
        <translation>No se pudieron guardar %1 de %2 imágenes. %3</translation>
    </message>
</context>
<context>
    <name>ExportCommandLine</name>
    <message>
        <source>Print a JSON summary of the drawing (title, creator, creation date and, per page, name, size in inches, layers and item counts) instead of converting it.</source>
        <translation>Muestra un resumen JSON del dibujo (título, autor, fecha de creación y, por página, nombre, tamaño en pulgadas, capas y número de elementos) en lugar de convertirlo.</translation>
    </message>
    <message>
        <source>Export only pages A to B (counting from 1).</source>
        <translation>Exporta solo las páginas de A a B (contando desde 1).</translation>
    </message>
    <message>
        <source>A-B</source>
        <translation>A-B</translation>
    </message>
    <message>
        <source>Resolution of PNG output (default 96).</source>
        <translation>Resolución de la salida PNG (96 por omisión).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>PDF paper: a4 or letter, each page scaled to fit and centred. Without it every sheet has its drawing page&apos;s own size.</source>
        <translation>Papel del PDF: a4 o letter, cada página ajustada y centrada. Sin esta opción, cada hoja tiene el tamaño de su página del dibujo.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>Muestra los mensajes de diagnóstico.</translation>
    </message>
    <message>
        <source>[output]</source>
        <translation>[salida]</translation>
    </message>
    <message>
        <source>--info takes exactly one drawing.</source>
        <translation>--info admite exactamente un dibujo.</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>Se esperaba un dibujo y un archivo de salida (consulte --help).</translation>
    </message>
    <message>
        <source>Invalid page range &quot;%1&quot;: expected A-B with 1 &lt;= A &lt;= B.</source>
        <translation>Intervalo de páginas «%1» no válido: se esperaba A-B con 1 &lt;= A &lt;= B.</translation>
    </message>
    <message>
        <source>Invalid --dpi &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>Valor de --dpi «%1» no válido: se esperaba un número entero de 1 a %2.</translation>
    </message>
    <message>
        <source>--dpi applies to PNG output only.</source>
        <translation>--dpi solo se aplica a la salida PNG.</translation>
    </message>
    <message>
        <source>Invalid --paper &quot;%1&quot;: expected a4 or letter.</source>
        <translation>Valor de --paper «%1» no válido: se esperaba a4 o letter.</translation>
    </message>
    <message>
        <source>--paper applies to PDF output only.</source>
        <translation>--paper solo se aplica a la salida PDF.</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>dibujo</translation>
    </message>
    <message>
        <source>Save the drawing&apos;s pictures as PNG files in DIR/NAME/, named NAME_P001_I01.png (page, then picture), and print each file written. Exits with 3 when the drawing has no pictures.</source>
        <translation>Guarda las imágenes del dibujo como archivos PNG en DIR/NAME/, con nombres NAME_P001_I01.png (página y luego imagen), y muestra cada archivo escrito. Termina con el código 3 si el dibujo no tiene imágenes.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>--images takes exactly one drawing.</source>
        <translation>--images admite exactamente un dibujo.</translation>
    </message>
    <message>
        <source>--images writes every picture as it is: --pages, --dpi and --paper do not apply.</source>
        <translation>--images escribe cada imagen tal cual: --pages, --dpi y --paper no se aplican.</translation>
    </message>
    <message>
        <source>Print the drawing&apos;s text on standard output in reading order, each page headed by its name and ended by a form feed, for search indexers.</source>
        <translation>Muestra el texto del dibujo en la salida estándar en orden de lectura, cada página encabezada por su nombre y terminada con un salto de página, para indexadores de búsqueda.</translation>
    </message>
    <message>
        <source>The Visio drawing to read; with --out-dir, drawings and folders.</source>
        <translation>El dibujo de Visio que se va a leer; con --out-dir, dibujos y carpetas.</translation>
    </message>
    <message>
        <source>OUT.pdf, OUT.png, OUT.svg or OUT.txt.</source>
        <translation>OUT.pdf, OUT.png, OUT.svg u OUT.txt.</translation>
    </message>
    <message>
        <source>--text takes exactly one drawing.</source>
        <translation>--text admite exactamente un dibujo.</translation>
    </message>
    <message>
        <source>--out-dir needs at least one drawing or folder.</source>
        <translation>--out-dir requiere al menos un dibujo o una carpeta.</translation>
    </message>
    <message>
        <source>The output file must end in .pdf, .png, .svg or .txt: %1</source>
        <translation>El archivo de salida debe terminar en .pdf, .png, .svg o .txt: %1</translation>
    </message>
    <message>
        <source>List each page&apos;s layers with their flags (visible or hidden, print or no-print) instead of converting the drawing.</source>
        <translation>Enumera las capas de cada página con sus atributos (visible u oculta, se imprime o no) en lugar de convertir el dibujo.</translation>
    </message>
    <message>
        <source>Leave the layer NAME out of the output; may be given more than once.</source>
        <translation>Excluye la capa NOMBRE de la salida; se puede indicar varias veces.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>--layers takes exactly one drawing.</source>
        <translation>--layers admite exactamente un dibujo.</translation>
    </message>
    <message>
        <source>Converts the pages of a Visio drawing (.vsd, .vsdx, .vdx and the stencil, template and macro-enabled kinds) to PDF, PNG, SVG or text.
PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...
The output has the layers the drawing prints. A stencil gives sheets of its masters, each with its name.
With --out-dir, converts many drawings at once, several at a time.</source>
        <translation>Convierte las páginas de un dibujo de Visio (.vsd, .vsdx, .vdx y los tipos de galería de símbolos, plantilla y con macros) a PDF, PNG, SVG o texto.
PNG y SVG escriben un archivo por página: OUT-1.png, OUT-2.png, ...
La salida incluye las capas que el dibujo imprime. Una galería de símbolos da hojas con sus formas maestras, cada una con su nombre.
Con --out-dir, convierte muchos dibujos de una vez, varios a la vez.</translation>
    </message>
    <message>
        <source>--info, --layers, --images, --text and --out-dir do not go together.</source>
        <translation>--info, --layers, --images, --text y --out-dir no se pueden combinar.</translation>
    </message>
    <message>
        <source>--hide-layer applies to PDF, PNG, SVG and text output only.</source>
        <translation>--hide-layer solo se aplica a la salida PDF, PNG, SVG y de texto.</translation>
    </message>
</context>
<context>
    <name>ImageExtractionController</name>
    <message>
        <source>Select Export Directory</source>
        <translation>Seleccionar carpeta de exportación</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Directory does not exist or is not writable!</source>
        <translation>¡La carpeta no existe o no se puede escribir en ella!</translation>
    </message>
    <message>
        <source>Extracting images...</source>
        <translation>Extrayendo imágenes…</translation>
    </message>
    <message>
        <source>Export Images</source>
        <translation>Exportar imágenes</translation>
    </message>
    <message>
        <source>This document does not contain any images.</source>
        <translation>Este documento no contiene imágenes.</translation>
    </message>
    <message numerus="yes">
        <source>Extraction cancelled. %n picture(s) saved in %1.</source>
        <translation>
            <numerusform>Extracción cancelada. %n imagen guardada en %1.</numerusform>
            <numerusform>Extracción cancelada. %n imágenes guardadas en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
</context>
<context>
    <name>LayerPanel</name>
    <message>
        <source>Layers</source>
        <translation>Capas</translation>
    </message>
    <message>
        <source>Unnamed layer %1</source>
        <translation>Capa sin nombre %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Hidden layers</source>
        <translation>Capas ocultas</translation>
    </message>
    <message>
        <source>What the drawing keeps on hidden layers, where the file does not say which.</source>
        <translation>Lo que el dibujo guarda en capas ocultas, cuando el archivo no indica cuáles.</translation>
    </message>
    <message>
        <source>Layers not printed</source>
        <translation>Capas que no se imprimen</translation>
    </message>
    <message>
        <source>What the drawing shows but does not print, where the file does not say on which layers.</source>
        <translation>Lo que el dibujo muestra pero no imprime, cuando el archivo no indica en qué capas.</translation>
    </message>
    <message>
        <source>Layers printed only</source>
        <translation>Capas que solo se imprimen</translation>
    </message>
    <message>
        <source>What the drawing prints but does not show, where the file does not say on which layers.</source>
        <translation>Lo que el dibujo imprime pero no muestra, cuando el archivo no indica en qué capas.</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>No se imprime</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>View thumbnails or content only</source>
        <translation>Ver miniaturas o solo el contenido</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>View two pages</source>
        <translation>Ver dos páginas</translation>
    </message>
    <message>
        <source>View page by page</source>
        <translation>Ver página a página</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Display actual size</source>
        <translation>Mostrar a tamaño real</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom to fit window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Zoom to Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
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
        <translation>Girar todas las páginas 90° en sentido antihorario</translation>
    </message>
    <message>
        <source>90° clockwise all pages</source>
        <translation>Girar todas las páginas 90° en sentido horario</translation>
    </message>
    <message>
        <source>90° counterclockwise current page</source>
        <translation>Girar la página actual 90° en sentido antihorario</translation>
    </message>
    <message>
        <source>90° clockwise current page</source>
        <translation>Girar la página actual 90° en sentido horario</translation>
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
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Extract images</source>
        <translation>Extraer imágenes</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>Añada archivos o arrástrelos aquí</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ Añadir archivos</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>No se pudo abrir</translation>
    </message>
    <message>
        <source>Unsupported file format or corrupted document.</source>
        <translation>Formato de archivo no compatible o documento dañado.</translation>
    </message>
    <message>
        <source>Open Visio File</source>
        <translation>Abrir archivo de Visio</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Visio Files (%1)</source>
        <translation>Archivos de Visio (%1)</translation>
    </message>
</context>
<context>
    <name>NativeMessageBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>The file was not found.</source>
        <translation>No se encontró el archivo.</translation>
    </message>
    <message>
        <source>It is a folder, not a drawing.</source>
        <translation>Es una carpeta, no un dibujo.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>No es un archivo, sino un dispositivo o una tubería.</translation>
    </message>
    <message>
        <source>You do not have permission to read it.</source>
        <translation>No tiene permiso para leerlo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>El archivo es demasiado grande para abrirlo.</translation>
    </message>
    <message>
        <source>It is not a Visio drawing.</source>
        <translation>No es un dibujo de Visio.</translation>
    </message>
    <message>
        <source>The drawing is damaged and could not be read.</source>
        <translation>El dibujo está dañado y no se pudo leer.</translation>
    </message>
    <message>
        <source>The drawing has no pages.</source>
        <translation>El dibujo no tiene páginas.</translation>
    </message>
</context>
<context>
    <name>PageExporter</name>
    <message>
        <source>Cannot write %1: it is a folder or write-protected.</source>
        <translation>No se puede escribir %1: es una carpeta o está protegido contra escritura.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>No pages to write.</source>
        <translation>No hay páginas que escribir.</translation>
    </message>
    <message>
        <source>Page %1 is too large for %2 dpi: at most %3 pixels a side and %4 megapixels. Choose a lower --dpi.</source>
        <translation>La página %1 es demasiado grande para %2 dpi: como máximo %3 píxeles por lado y %4 megapíxeles. Elija un --dpi menor.</translation>
    </message>
    <message>
        <source>Not enough memory for page %1.</source>
        <translation>No hay memoria suficiente para la página %1.</translation>
    </message>
    <message>
        <source>Cannot encode page %1: %2</source>
        <translation>No se puede codificar la página %1: %2</translation>
    </message>
    <message>
        <source>Cannot start the SVG output for page %1.</source>
        <translation>No se puede iniciar la salida SVG de la página %1.</translation>
    </message>
    <message>
        <source>Cannot write the text to standard output: %1</source>
        <translation>No se puede escribir el texto en la salida estándar: %1</translation>
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
        <translation>No hay páginas que escribir.</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>No se puede escribir %1: es una carpeta.</translation>
    </message>
    <message>
        <source>Cannot write %1: the file is write-protected.</source>
        <translation>No se puede escribir %1: el archivo está protegido contra escritura.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be started.</source>
        <translation>No se puede escribir %1: no se pudo iniciar la salida PDF.</translation>
    </message>
    <message>
        <source>Cannot write %1: page %2 could not be started.</source>
        <translation>No se puede escribir %1: no se pudo iniciar la página %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be finished.</source>
        <translation>No se puede escribir %1: no se pudo finalizar la salida PDF.</translation>
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
        <translation>Quitar los dibujos que faltan</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Borrar la lista</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (no encontrado)</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Quitar de la lista</translation>
    </message>
</context>
<context>
    <name>ReloadBar</name>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Escribe una imagen PNG de la página 1 de un dibujo de Visio, que los gestores de
archivos muestran como miniatura del dibujo; lo ejecutan como indica
plandraw.thumbnailer. Desiste, sin dejar ningún archivo, ante todo lo que no sea
un dibujo con una página 1 que mostrar y ante los dibujos que tardan más que el
límite de tiempo.</translation>
    </message>
    <message>
        <source>The picture&apos;s longer side in pixels; larger sizes than %1 are brought down to %1.</source>
        <translation>El lado mayor de la imagen en píxeles; los tamaños por encima de %1 se reducen a %1.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>Give up after SECONDS (default %1).</source>
        <translation>Desistir tras SECONDS segundos (predeterminado %1).</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDS</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>Muestra mensajes de diagnóstico.</translation>
    </message>
    <message>
        <source>input</source>
        <translation>entrada</translation>
    </message>
    <message>
        <source>The Visio drawing to read.</source>
        <translation>El dibujo de Visio que se va a leer.</translation>
    </message>
    <message>
        <source>output</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>The PNG file to write.</source>
        <translation>El archivo PNG que se va a escribir.</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>Se esperan un dibujo y un archivo de salida (consulte --help).</translation>
    </message>
    <message>
        <source>Give the picture&apos;s size with -s SIZE.</source>
        <translation>Indique el tamaño de la imagen con -s SIZE.</translation>
    </message>
    <message>
        <source>The size must be a whole number of pixels, at least 1.</source>
        <translation>El tamaño debe ser un número entero de píxeles, al menos 1.</translation>
    </message>
    <message>
        <source>The time limit must be a number of seconds above 0 and at most %1.</source>
        <translation>El límite de tiempo debe ser un número de segundos mayor que 0 y como máximo %1.</translation>
    </message>
</context>
<context>
    <name>ViewerCommandLine</name>
    <message>
        <source>Views Microsoft Visio drawings (.vsd, .vsdx, .vdx, and stencils and templates),
each in a tab of its own.</source>
        <translation>Muestra dibujos de Microsoft Visio (.vsd, .vsdx, .vdx, y galerías de símbolos y
plantillas), cada uno en su propia pestaña.</translation>
    </message>
    <message>
        <source>drawings</source>
        <translation>dibujos</translation>
    </message>
    <message>
        <source>The drawings to open.</source>
        <translation>Los dibujos que se van a abrir.</translation>
    </message>
    <message>
        <source>[drawing...]</source>
        <translation>[dibujo...]</translation>
    </message>
</context>
<context>
    <name>VisioStencilGrid</name>
    <message>
        <source>This stencil has no masters.</source>
        <translation>Esta galería de símbolos no tiene formas maestras.</translation>
    </message>
    <message>
        <source>Masters %1–%2</source>
        <translation>Formas maestras %1–%2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 no es un dibujo que se pueda leer.</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>No se pudo leer %1: el dibujo está dañado.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 no tiene páginas.</translation>
    </message>
    <message numerus="yes">
        <source>The page range selects no page: the drawing has %n page(s).</source>
        <translation>
            <numerusform>El intervalo no selecciona ninguna página: el dibujo tiene %n página.</numerusform>
            <numerusform>El intervalo no selecciona ninguna página: el dibujo tiene %n páginas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawing could not be laid out.</source>
        <translation>No se pudo calcular la disposición del dibujo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder that can be written.</source>
        <translation>«%1» no es una carpeta en la que se pueda escribir.</translation>
    </message>
    <message>
        <source>The drawing has no pictures.</source>
        <translation>El dibujo no tiene imágenes.</translation>
    </message>
    <message>
        <source>Gave up after %1 seconds: the drawing takes too long.</source>
        <translation>Se desistió tras %1 segundos: el dibujo tarda demasiado.</translation>
    </message>
    <message>
        <source>Gave up: the drawing needs too much memory.</source>
        <translation>Se desistió: el dibujo necesita demasiada memoria.</translation>
    </message>
    <message>
        <source>The drawing has no layer named &quot;%1&quot;.</source>
        <translation>El dibujo no tiene ninguna capa llamada &quot;%1&quot;.</translation>
    </message>
</context>
</TS>
