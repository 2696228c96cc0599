<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Altre info</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Copyright %1 %2 %3. All rights reserved.</source>
        <translation>Copyright %1 %2 %3. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>Controlla aggiornamenti</translation>
    </message>
    <message>
        <source>%1 is updated by your system&apos;s package manager, together with the rest of your software.</source>
        <translation>%1 viene aggiornato dal gestore dei pacchetti del sistema, insieme al resto del software.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>Domande frequenti</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Feedback e assistenza</translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation>Mostra cartella dei log</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Extract Images...</source>
        <translation>Estrai immagini...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Side Panel</source>
        <translation>Pannello laterale</translation>
    </message>
    <message>
        <source>Single Page</source>
        <translation>Pagina singola</translation>
    </message>
    <message>
        <source>Two Columns</source>
        <translation>Due colonne</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dimensioni reali</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Adatta alla larghezza</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Adatta alla pagina</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Rotate Current Page Left</source>
        <translation>Ruota la pagina corrente a sinistra</translation>
    </message>
    <message>
        <source>Rotate Current Page Right</source>
        <translation>Ruota la pagina corrente a destra</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Segnalibri</translation>
    </message>
    <message>
        <source>Add Bookmarks</source>
        <translation>Aggiungi segnalibro</translation>
    </message>
    <message>
        <source>Manage Bookmarks</source>
        <translation>Gestisci segnalibri</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fi&amp;nestra</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Scheda successiva</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Scheda precedente</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Chiudi scheda</translation>
    </message>
</context>
<context>
    <name>BookmarkDialog</name>
    <message>
        <source>Type a name for the bookmark:</source>
        <translation>Digita un nome per il segnalibro:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
</context>
<context>
    <name>BookmarkListDialog</name>
    <message>
        <source>Bookmarks</source>
        <translation>Segnalibri</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>BookmarkStoreAlerts</name>
    <message>
        <source>Bookmarks Unavailable</source>
        <translation>Segnalibri non disponibili</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be read: %2

It has been left unchanged, and no bookmark was changed.</source>
        <translation>Impossibile leggere il file dei segnalibri &quot;%1&quot;: %2

Il file non è stato modificato e nessun segnalibro è stato cambiato.</translation>
    </message>
    <message>
        <source>Bookmarks Not Saved</source>
        <translation>Segnalibri non salvati</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be written: %2

Your earlier bookmarks are unchanged.</source>
        <translation>Impossibile scrivere il file dei segnalibri &quot;%1&quot;: %2

I segnalibri precedenti non sono stati modificati.</translation>
    </message>
    <message>
        <source>Another window is changing the bookmarks right now. Please try again.</source>
        <translation>Un’altra finestra sta modificando i segnalibri in questo momento. Riprova.</translation>
    </message>
    <message>
        <source>Bookmarks File Damaged</source>
        <translation>File dei segnalibri danneggiato</translation>
    </message>
    <message>
        <source>The bookmarks file was damaged and could not be read. It has been kept as &quot;%1&quot;, and new bookmarks start from an empty list.</source>
        <translation>Il file dei segnalibri era danneggiato e non è stato possibile leggerlo. È stato conservato come &quot;%1&quot; e i nuovi segnalibri partono da un elenco vuoto.</translation>
    </message>
</context>
<context>
    <name>BrowserTabBar</name>
    <message>
        <source>Open files</source>
        <translation>Apri file</translation>
    </message>
</context>
<context>
    <name>DocumentLoadController</name>
    <message>
        <source>Still Opening</source>
        <translation>Apertura in corso</translation>
    </message>
    <message>
        <source>The drawing is still being read. Try again when it is open.</source>
        <translation>Il disegno è ancora in fase di lettura. Riprova quando sarà aperto.</translation>
    </message>
</context>
<context>
    <name>DocumentLoadingWidget</name>
    <message>
        <source>Opening %1</source>
        <translation>Apertura di %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>Printing...</source>
        <translation>Stampa in corso...</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Stampa non riuscita</translation>
    </message>
    <message>
        <source>The document could not be sent to the printer %1.</source>
        <translation>Impossibile inviare il documento alla stampante %1.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving PDF...</source>
        <translation>Salvataggio del PDF...</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>Print what I see</source>
        <translation>Stampa ciò che vedo</translation>
    </message>
    <message>
        <source>Print the layers as the layer panel shows them, instead of the layers the drawing is set to print.</source>
        <translation>Stampa i livelli come li mostra il pannello dei livelli, invece dei livelli che il disegno è impostato per stampare.</translation>
    </message>
</context>
<context>
    <name>EmbeddedImageExporter</name>
    <message>
        <source>There is nothing to export, or no folder to export to.</source>
        <translation>Non c’è nulla da esportare, oppure manca una cartella di destinazione.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: a file of that name is in the way.</source>
        <translation>Impossibile creare la cartella %1: esiste già un file con quel nome.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be saved. %3</source>
        <translation>Impossibile salvare %1 immagini su %2. %3</translation>
    </message>
</context>
<context>
    <name>ExportCommandLine</name>
    <message>
        <source>Print a JSON summary of the drawing (title, creator, creation date and, per page, name, size in inches, layers and item counts) instead of converting it.</source>
        <translation>Stampa un riepilogo JSON del disegno (titolo, autore, data di creazione e, per ogni pagina, nome, dimensioni in pollici, livelli e numero di elementi) invece di convertirlo.</translation>
    </message>
    <message>
        <source>Export only pages A to B (counting from 1).</source>
        <translation>Esporta solo le pagine da A a B (contando da 1).</translation>
    </message>
    <message>
        <source>A-B</source>
        <translation>A-B</translation>
    </message>
    <message>
        <source>Resolution of PNG output (default 96).</source>
        <translation>Risoluzione dell’output PNG (predefinita 96).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>PDF paper: a4 or letter, each page scaled to fit and centred. Without it every sheet has its drawing page&apos;s own size.</source>
        <translation>Carta del PDF: a4 o letter, ogni pagina adattata e centrata. Senza questa opzione ogni foglio ha le dimensioni della propria pagina del disegno.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>Mostra i messaggi diagnostici.</translation>
    </message>
    <message>
        <source>The Visio drawing to read.</source>
        <translation>Il disegno Visio da leggere.</translation>
    </message>
    <message>
        <source>OUT.pdf, OUT.png or OUT.svg.</source>
        <translation>OUT.pdf, OUT.png o OUT.svg.</translation>
    </message>
    <message>
        <source>[output]</source>
        <translation>[output]</translation>
    </message>
    <message>
        <source>--info takes exactly one drawing.</source>
        <translation>--info richiede esattamente un disegno.</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>Sono richiesti un disegno e un file di output (vedi --help).</translation>
    </message>
    <message>
        <source>The output file must end in .pdf, .png or .svg: %1</source>
        <translation>Il file di output deve terminare con .pdf, .png o .svg: %1</translation>
    </message>
    <message>
        <source>Invalid page range &quot;%1&quot;: expected A-B with 1 &lt;= A &lt;= B.</source>
        <translation>Intervallo di pagine &quot;%1&quot; non valido: atteso A-B con 1 &lt;= A &lt;= B.</translation>
    </message>
    <message>
        <source>Invalid --dpi &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>Valore di --dpi &quot;%1&quot; non valido: atteso un numero intero da 1 a %2.</translation>
    </message>
    <message>
        <source>--dpi applies to PNG output only.</source>
        <translation>--dpi si applica solo all’output PNG.</translation>
    </message>
    <message>
        <source>Invalid --paper &quot;%1&quot;: expected a4 or letter.</source>
        <translation>Valore di --paper &quot;%1&quot; non valido: atteso a4 o letter.</translation>
    </message>
    <message>
        <source>--paper applies to PDF output only.</source>
        <translation>--paper si applica solo all’output PDF.</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>disegno</translation>
    </message>
    <message>
        <source>Save the drawing&apos;s pictures as PNG files in DIR/NAME/, named NAME_P001_I01.png (page, then picture), and print each file written. Exits with 3 when the drawing has no pictures.</source>
        <translation>Salva le immagini del disegno come file PNG in DIR/NAME/, con nomi NAME_P001_I01.png (pagina, poi immagine), e stampa ogni file scritto. Esce con codice 3 se il disegno non contiene immagini.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>--images takes exactly one drawing.</source>
        <translation>--images richiede esattamente un disegno.</translation>
    </message>
    <message>
        <source>--images writes every picture as it is: --pages, --dpi and --paper do not apply.</source>
        <translation>--images scrive ogni immagine così com’è: --pages, --dpi e --paper non si applicano.</translation>
    </message>
    <message>
        <source>Converts the pages of a Visio drawing (.vsd, .vsdx, .vdx and the stencil, template and macro-enabled kinds) to PDF, PNG or SVG.
PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...
The output has the layers the drawing prints. A stencil gives sheets of its masters, each with its name.</source>
        <translation>Converte le pagine di un disegno Visio (.vsd, .vsdx, .vdx e i tipi stencil, modello e con macro) in PDF, PNG o SVG.
PNG e SVG scrivono un file per pagina: OUT-1.png, OUT-2.png, ...
L’output contiene i livelli che il disegno stampa. Uno stencil produce fogli con i suoi master, ognuno con il suo nome.</translation>
    </message>
    <message>
        <source>List each page&apos;s layers with their flags (visible or hidden, print or no-print) instead of converting the drawing.</source>
        <translation>Elenca i livelli di ogni pagina con i loro attributi (visibile o nascosto, stampa o non stampa) invece di convertire il disegno.</translation>
    </message>
    <message>
        <source>Leave the layer NAME out of the output; may be given more than once.</source>
        <translation>Esclude il livello NOME dall’output; può essere indicato più volte.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>--hide-layer applies to PDF, PNG and SVG output only.</source>
        <translation>--hide-layer si applica solo all’output PDF, PNG e SVG.</translation>
    </message>
    <message>
        <source>--layers takes exactly one drawing.</source>
        <translation>--layers richiede esattamente un disegno.</translation>
    </message>
</context>
<context>
    <name>ImageExtractionController</name>
    <message>
        <source>Select Export Directory</source>
        <translation>Seleziona la cartella di esportazione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Directory does not exist or is not writable!</source>
        <translation>La cartella non esiste o non è scrivibile!</translation>
    </message>
    <message>
        <source>Extracting images...</source>
        <translation>Estrazione delle immagini...</translation>
    </message>
    <message>
        <source>Export Images</source>
        <translation>Esporta immagini</translation>
    </message>
    <message>
        <source>This document does not contain any images.</source>
        <translation>Questo documento non contiene immagini.</translation>
    </message>
    <message numerus="yes">
        <source>Extraction cancelled. %n picture(s) saved in %1.</source>
        <translation>
            <numerusform>Estrazione annullata. %n immagine salvata in %1.</numerusform>
            <numerusform>Estrazione annullata. %n immagini salvate in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Esportazione non riuscita</translation>
    </message>
</context>
<context>
    <name>LayerPanel</name>
    <message>
        <source>Layers</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>Unnamed layer %1</source>
        <translation>Livello senza nome %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Hidden layers</source>
        <translation>Livelli nascosti</translation>
    </message>
    <message>
        <source>What the drawing keeps on hidden layers, where the file does not say which.</source>
        <translation>Ciò che il disegno tiene su livelli nascosti, quando il file non dice quali.</translation>
    </message>
    <message>
        <source>Layers not printed</source>
        <translation>Livelli non stampati</translation>
    </message>
    <message>
        <source>What the drawing shows but does not print, where the file does not say on which layers.</source>
        <translation>Ciò che il disegno mostra ma non stampa, quando il file non dice su quali livelli.</translation>
    </message>
    <message>
        <source>Layers printed only</source>
        <translation>Livelli solo stampati</translation>
    </message>
    <message>
        <source>What the drawing prints but does not show, where the file does not say on which layers.</source>
        <translation>Ciò che il disegno stampa ma non mostra, quando il file non dice su quali livelli.</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>Non stampato</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>View thumbnails or content only</source>
        <translation>Mostra le miniature o solo il contenuto</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>View two pages</source>
        <translation>Mostra due pagine</translation>
    </message>
    <message>
        <source>View page by page</source>
        <translation>Mostra una pagina alla volta</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Display actual size</source>
        <translation>Mostra a dimensioni reali</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom to fit window</source>
        <translation>Adatta alla finestra</translation>
    </message>
    <message>
        <source>Zoom to Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prima pagina</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Ultima pagina</translation>
    </message>
    <message>
        <source>TurnPage</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>90° counterclockwise all pages</source>
        <translation>Ruota tutte le pagine di 90° in senso antiorario</translation>
    </message>
    <message>
        <source>90° clockwise all pages</source>
        <translation>Ruota tutte le pagine di 90° in senso orario</translation>
    </message>
    <message>
        <source>90° counterclockwise current page</source>
        <translation>Ruota la pagina corrente di 90° in senso antiorario</translation>
    </message>
    <message>
        <source>90° clockwise current page</source>
        <translation>Ruota la pagina corrente di 90° in senso orario</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Segnalibri</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>Extract images</source>
        <translation>Estrai immagini</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>Aggiungi o trascina qui i file</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ Aggiungi file</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Apertura non riuscita</translation>
    </message>
    <message>
        <source>Unsupported file format or corrupted document.</source>
        <translation>Formato di file non supportato o documento danneggiato.</translation>
    </message>
    <message>
        <source>Open Visio File</source>
        <translation>Apri file Visio</translation>
    </message>
    <message>
        <source>Visio Files (%1)</source>
        <translation>File Visio (%1)</translation>
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
        <translation>Impossibile scrivere %1: è una cartella o è protetto da scrittura.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>No pages to write.</source>
        <translation>Nessuna pagina da scrivere.</translation>
    </message>
    <message>
        <source>Page %1 is too large for %2 dpi: at most %3 pixels a side and %4 megapixels. Choose a lower --dpi.</source>
        <translation>La pagina %1 è troppo grande per %2 dpi: al massimo %3 pixel per lato e %4 megapixel. Scegli un valore di --dpi più basso.</translation>
    </message>
    <message>
        <source>Not enough memory for page %1.</source>
        <translation>Memoria insufficiente per la pagina %1.</translation>
    </message>
    <message>
        <source>Cannot encode page %1: %2</source>
        <translation>Impossibile codificare la pagina %1: %2</translation>
    </message>
    <message>
        <source>Cannot start the SVG output for page %1.</source>
        <translation>Impossibile avviare l’output SVG per la pagina %1.</translation>
    </message>
</context>
<context>
    <name>PdfDocumentWriter</name>
    <message>
        <source>No pages to write.</source>
        <translation>Nessuna pagina da scrivere.</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>Impossibile scrivere %1: è una cartella.</translation>
    </message>
    <message>
        <source>Cannot write %1: the file is write-protected.</source>
        <translation>Impossibile scrivere %1: il file è protetto da scrittura.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be started.</source>
        <translation>Impossibile scrivere %1: non è stato possibile avviare l’output PDF.</translation>
    </message>
    <message>
        <source>Cannot write %1: page %2 could not be started.</source>
        <translation>Impossibile scrivere %1: non è stato possibile avviare la pagina %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be finished.</source>
        <translation>Impossibile scrivere %1: non è stato possibile completare l’output PDF.</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ThumbnailPanel</name>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
</context>
<context>
    <name>VisioStencilGrid</name>
    <message>
        <source>This stencil has no masters.</source>
        <translation>Questo stencil non contiene master.</translation>
    </message>
    <message>
        <source>Masters %1–%2</source>
        <translation>Master %1–%2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 non è un disegno leggibile.</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>Impossibile leggere %1: il disegno è danneggiato.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 non contiene pagine.</translation>
    </message>
    <message numerus="yes">
        <source>The page range selects no page: the drawing has %n page(s).</source>
        <translation>
            <numerusform>L’intervallo non seleziona alcuna pagina: il disegno ha %n pagina.</numerusform>
            <numerusform>L’intervallo non seleziona alcuna pagina: il disegno ha %n pagine.</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawing could not be laid out.</source>
        <translation>Impossibile impaginare il disegno.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder that can be written.</source>
        <translation>&quot;%1&quot; non è una cartella scrivibile.</translation>
    </message>
    <message>
        <source>The drawing has no pictures.</source>
        <translation>Il disegno non contiene immagini.</translation>
    </message>
    <message>
        <source>The drawing has no layer named &quot;%1&quot;.</source>
        <translation>Il disegno non ha alcun livello chiamato &quot;%1&quot;.</translation>
    </message>
</context>
</TS>
