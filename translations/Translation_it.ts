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
    <message>
        <source>Open Recent</source>
        <translation>Apri recenti</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Chiudi tutte le schede</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Convert every drawing given, and the drawings in the folders given, into DIR, keeping the folders&apos; structure below it.</source>
        <translation>Converte ogni disegno indicato, e i disegni delle cartelle indicate, in DIR, mantenendo al suo interno la struttura delle cartelle.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>With --out-dir: pdf (the default), png, svg or txt (the text, page by page).</source>
        <translation>Con --out-dir: pdf (predefinito), png, svg o txt (il testo, pagina per pagina).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>With --out-dir: search the folders given and all folders below them.</source>
        <translation>Con --out-dir: cerca nelle cartelle indicate e in tutte le loro sottocartelle.</translation>
    </message>
    <message>
        <source>With --out-dir: replace existing outputs, which are otherwise kept.</source>
        <translation>Con --out-dir: sostituisce gli output esistenti, che altrimenti vengono mantenuti.</translation>
    </message>
    <message>
        <source>With --out-dir: convert only drawings changed since their output was written, replacing the older outputs.</source>
        <translation>Con --out-dir: converte solo i disegni modificati dopo la scrittura del loro output, sostituendo gli output più vecchi.</translation>
    </message>
    <message>
        <source>With --out-dir: convert N drawings at a time, each in a process of its own (default: the number of processors).</source>
        <translation>Con --out-dir: converte N disegni alla volta, ciascuno in un proprio processo (predefinito: il numero di processori).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --out-dir: give up on a drawing after this many seconds (default 120).</source>
        <translation>Con --out-dir: rinuncia a un disegno dopo questo numero di secondi (predefinito 120).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>With --out-dir: the most memory, in MB, one drawing&apos;s process may use (default: an equal share of the machine&apos;s memory for each process).</source>
        <translation>Con --out-dir: la memoria massima, in MB, che il processo di un disegno può usare (predefinito: una parte uguale della memoria della macchina per ogni processo).</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>With --out-dir: write a JSON record of every drawing (input, output, status, reason, pages, seconds, peak memory) to FILE.</source>
        <translation>Con --out-dir: scrive in FILE un record JSON per ogni disegno (input, output, stato, motivo, pagine, secondi, picco di memoria).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory and --report need --out-dir.</source>
        <translation>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory e --report richiedono --out-dir.</translation>
    </message>
    <message>
        <source>--out-dir needs a folder.</source>
        <translation>--out-dir richiede una cartella.</translation>
    </message>
    <message>
        <source>Invalid --format &quot;%1&quot;: expected pdf, png, svg or txt.</source>
        <translation>Valore di --format &quot;%1&quot; non valido: atteso pdf, png, svg o txt.</translation>
    </message>
    <message>
        <source>Invalid -j &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>Valore di -j &quot;%1&quot; non valido: atteso un numero intero da 1 a %2.</translation>
    </message>
    <message>
        <source>Invalid --timeout &quot;%1&quot;: expected seconds, more than 0 and at most 86400.</source>
        <translation>Valore di --timeout &quot;%1&quot; non valido: attesi secondi, più di 0 e al massimo 86400.</translation>
    </message>
    <message>
        <source>Invalid --max-memory &quot;%1&quot;: expected a whole number of MB, at least %2.</source>
        <translation>Valore di --max-memory &quot;%1&quot; non valido: atteso un numero intero di MB, almeno %2.</translation>
    </message>
</context>
<context>
    <name>BatchInputCollector</name>
    <message>
        <source>Cannot read it: %1</source>
        <translation>Impossibile leggerlo: %1</translation>
    </message>
    <message>
        <source>This folder is searched already as %1 (a symbolic link leads to it again).</source>
        <translation>Questa cartella è già esaminata come %1 (un collegamento simbolico vi riconduce).</translation>
    </message>
    <message>
        <source>Cannot read the folder: %1</source>
        <translation>Impossibile leggere la cartella: %1</translation>
    </message>
    <message>
        <source>Not a drawing.</source>
        <translation>Non è un disegno.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
</context>
<context>
    <name>BatchOutputNames</name>
    <message>
        <source>Another drawing has the output name %1 too; this one is written as %2.</source>
        <translation>Anche un altro disegno ha il nome di output %1; questo viene scritto come %2.</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>convertito %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed    %1: %2</source>
        <translation>non riuscito %1: %2</translation>
    </message>
    <message>
        <source>skipped   %1: %2</source>
        <translation>saltato   %1: %2</translation>
    </message>
    <message>
        <source>%1/%2 done, %3 failed, %4 drawings/s</source>
        <translation>%1/%2 completati, %3 non riusciti, %4 disegni/s</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1 converted, %2 failed, %3 skipped</source>
        <translation>%1 convertiti, %2 non riusciti, %3 saltati</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>Impossibile scrivere il rapporto %1: %2</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>Cannot write into the output folder %1: %2</source>
        <translation>Impossibile scrivere nella cartella di output %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the report %1.</source>
        <translation>Impossibile scrivere il rapporto %1.</translation>
    </message>
    <message>
        <source>Its output is newer than the drawing.</source>
        <translation>Il suo output è più recente del disegno.</translation>
    </message>
    <message>
        <source>Its output exists; --overwrite replaces it.</source>
        <translation>Il suo output esiste già; --overwrite lo sostituisce.</translation>
    </message>
    <message>
        <source>Cannot write into the output folder: %1</source>
        <translation>Impossibile scrivere nella cartella di output: %1</translation>
    </message>
    <message>
        <source>Cannot read it: its name is not valid in this locale.</source>
        <translation>Impossibile leggerlo: il nome non è valido nelle impostazioni locali correnti.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>Il convertitore non ha scritto nulla.</translation>
    </message>
    <message>
        <source>The converter wrote an unexpected file: %1</source>
        <translation>Il convertitore ha scritto un file inatteso: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>Impossibile scrivere %1: è una cartella.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The output would lie outside the output folder.</source>
        <translation>L’output si troverebbe fuori dalla cartella di output.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link: outputs are written only inside the output folder.</source>
        <translation>%1 è un collegamento simbolico: gli output vengono scritti solo all’interno della cartella di output.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 non è una cartella.</translation>
    </message>
    <message>
        <source>Interrupted: drawings not finished are not in the report, and nothing of them was written.</source>
        <translation>Interrotto: i disegni non completati non sono nel rapporto e di essi non è stato scritto nulla.</translation>
    </message>
</context>
<context>
    <name>BatchWorker</name>
    <message>
        <source>The converter could not be started: %1</source>
        <translation>Impossibile avviare il convertitore: %1</translation>
    </message>
    <message>
        <source>Given up after %1 s: the drawing takes too long.</source>
        <translation>Abbandonato dopo %1 s: il disegno richiede troppo tempo.</translation>
    </message>
    <message>
        <source>Ran out of memory (at most %1 MB for one drawing).</source>
        <translation>Memoria esaurita (al massimo %1 MB per un disegno).</translation>
    </message>
    <message>
        <source>The converter stopped on signal %1 (%2).</source>
        <translation>Il convertitore si è fermato con il segnale %1 (%2).</translation>
    </message>
    <message>
        <source>The converter gave no result.</source>
        <translation>Il convertitore non ha dato alcun risultato.</translation>
    </message>
    <message>
        <source>The converter failed with exit code %1.</source>
        <translation>Il convertitore non è riuscito, con codice di uscita %1.</translation>
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
    <name>DocumentReloadController</name>
    <message>
        <source>%1 could not be read again. %2 The tab shows the version read before.</source>
        <translation>Impossibile rileggere %1. %2 La scheda mostra la versione letta in precedenza.</translation>
    </message>
</context>
<context>
    <name>DrawingThumbnailer</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 non è un file.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 è vuoto.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB: no thumbnail is made of it.</source>
        <translation>%1 supera i %2 MB: non se ne crea la miniatura.</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>Impossibile leggere %1: il disegno è danneggiato.</translation>
    </message>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 non è un disegno leggibile.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 non ha pagine.</translation>
    </message>
    <message>
        <source>Page 1 of %1 is empty.</source>
        <translation>La pagina 1 di %1 è vuota.</translation>
    </message>
    <message>
        <source>Page 1 of %1 could not be laid out.</source>
        <translation>Impossibile impaginare la pagina 1 di %1.</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Memoria insufficiente per un&apos;immagine di %1 x %2 pixel.</translation>
    </message>
    <message>
        <source>Cannot encode the picture: %1</source>
        <translation>Impossibile codificare l&apos;immagine: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
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
        <source>Print the drawing&apos;s text on standard output in reading order, each page headed by its name and ended by a form feed, for search indexers.</source>
        <translation>Stampa il testo del disegno sull’output standard in ordine di lettura, ogni pagina preceduta dal suo nome e chiusa da un salto pagina, per gli indicizzatori di ricerca.</translation>
    </message>
    <message>
        <source>The Visio drawing to read; with --out-dir, drawings and folders.</source>
        <translation>Il disegno Visio da leggere; con --out-dir, disegni e cartelle.</translation>
    </message>
    <message>
        <source>OUT.pdf, OUT.png, OUT.svg or OUT.txt.</source>
        <translation>OUT.pdf, OUT.png, OUT.svg o OUT.txt.</translation>
    </message>
    <message>
        <source>--text takes exactly one drawing.</source>
        <translation>--text richiede esattamente un disegno.</translation>
    </message>
    <message>
        <source>--out-dir needs at least one drawing or folder.</source>
        <translation>--out-dir richiede almeno un disegno o una cartella.</translation>
    </message>
    <message>
        <source>The output file must end in .pdf, .png, .svg or .txt: %1</source>
        <translation>Il file di output deve terminare con .pdf, .png, .svg o .txt: %1</translation>
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
        <source>--layers takes exactly one drawing.</source>
        <translation>--layers richiede esattamente un disegno.</translation>
    </message>
    <message>
        <source>Converts the pages of a Visio drawing (.vsd, .vsdx, .vdx and the stencil, template and macro-enabled kinds) to PDF, PNG, SVG or text.
PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...
The output has the layers the drawing prints. A stencil gives sheets of its masters, each with its name.
With --out-dir, converts many drawings at once, several at a time.</source>
        <translation>Converte le pagine di un disegno Visio (.vsd, .vsdx, .vdx e i tipi stencil, modello e con macro) in PDF, PNG, SVG o testo.
PNG e SVG scrivono un file per pagina: OUT-1.png, OUT-2.png, ...
L’output contiene i livelli che il disegno stampa. Uno stencil produce fogli con i suoi master, ognuno con il suo nome.
Con --out-dir, converte molti disegni in una volta, diversi contemporaneamente.</translation>
    </message>
    <message>
        <source>--info, --layers, --images, --text and --out-dir do not go together.</source>
        <translation>--info, --layers, --images, --text e --out-dir non possono essere combinati.</translation>
    </message>
    <message>
        <source>--hide-layer applies to PDF, PNG, SVG and text output only.</source>
        <translation>--hide-layer si applica solo all’output PDF, PNG, SVG e testo.</translation>
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
        <source>%1: %2</source>
        <translation>%1: %2</translation>
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
    <name>OpenFailure</name>
    <message>
        <source>The file was not found.</source>
        <translation>Il file non è stato trovato.</translation>
    </message>
    <message>
        <source>It is a folder, not a drawing.</source>
        <translation>È una cartella, non un disegno.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>Non è un file ma un dispositivo o una pipe.</translation>
    </message>
    <message>
        <source>You do not have permission to read it.</source>
        <translation>Non hai il permesso di leggerlo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>Il file è troppo grande per essere aperto.</translation>
    </message>
    <message>
        <source>It is not a Visio drawing.</source>
        <translation>Non è un disegno Visio.</translation>
    </message>
    <message>
        <source>The drawing is damaged and could not be read.</source>
        <translation>Il disegno è danneggiato e non è stato possibile leggerlo.</translation>
    </message>
    <message>
        <source>The drawing has no pages.</source>
        <translation>Il disegno non ha pagine.</translation>
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
    <message>
        <source>Cannot write the text to standard output: %1</source>
        <translation>Impossibile scrivere il testo sull’output standard: %1</translation>
    </message>
</context>
<context>
    <name>PageTextExtractor</name>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
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
    <name>RecentFilesMenu</name>
    <message>
        <source>Remove Missing Drawings</source>
        <translation>Rimuovi i disegni mancanti</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Cancella elenco</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (non trovato)</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Rimuovi dall&apos;elenco</translation>
    </message>
</context>
<context>
    <name>ReloadBar</name>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
    <name>ThumbnailerCommandLine</name>
    <message>
        <source>Writes a PNG picture of page 1 of a Visio drawing, for file managers to show as
the drawing&apos;s thumbnail; they run it as plandraw.thumbnailer says. It gives up,
leaving no file behind, on anything but a drawing with a page 1 to show, and on
drawings that take longer than the time limit.</source>
        <translation>Scrive un&apos;immagine PNG della pagina 1 di un disegno Visio, che i file manager
mostrano come miniatura del disegno; la eseguono come indica
plandraw.thumbnailer. Rinuncia, senza lasciare file, con tutto ciò che non è un
disegno con una pagina 1 da mostrare e con i disegni che richiedono più del
limite di tempo.</translation>
    </message>
    <message>
        <source>The picture&apos;s longer side in pixels; larger sizes than %1 are brought down to %1.</source>
        <translation>Il lato più lungo dell&apos;immagine in pixel; le dimensioni oltre %1 sono ridotte a %1.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>Give up after SECONDS (default %1).</source>
        <translation>Rinuncia dopo SECONDS secondi (predefinito %1).</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDS</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>Mostra i messaggi di diagnostica.</translation>
    </message>
    <message>
        <source>input</source>
        <translation>input</translation>
    </message>
    <message>
        <source>The Visio drawing to read.</source>
        <translation>Il disegno Visio da leggere.</translation>
    </message>
    <message>
        <source>output</source>
        <translation>output</translation>
    </message>
    <message>
        <source>The PNG file to write.</source>
        <translation>Il file PNG da scrivere.</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>Sono attesi un disegno e un file di output (vedere --help).</translation>
    </message>
    <message>
        <source>Give the picture&apos;s size with -s SIZE.</source>
        <translation>Indicare la dimensione dell&apos;immagine con -s SIZE.</translation>
    </message>
    <message>
        <source>The size must be a whole number of pixels, at least 1.</source>
        <translation>La dimensione deve essere un numero intero di pixel, almeno 1.</translation>
    </message>
    <message>
        <source>The time limit must be a number of seconds above 0 and at most %1.</source>
        <translation>Il limite di tempo deve essere un numero di secondi maggiore di 0 e al massimo %1.</translation>
    </message>
</context>
<context>
    <name>ViewerCommandLine</name>
    <message>
        <source>Views Microsoft Visio drawings (.vsd, .vsdx, .vdx, and stencils and templates),
each in a tab of its own.</source>
        <translation>Visualizza i disegni di Microsoft Visio (.vsd, .vsdx, .vdx, e stencil e modelli),
ognuno in una scheda propria.</translation>
    </message>
    <message>
        <source>drawings</source>
        <translation>disegni</translation>
    </message>
    <message>
        <source>The drawings to open.</source>
        <translation>I disegni da aprire.</translation>
    </message>
    <message>
        <source>[drawing...]</source>
        <translation>[disegno...]</translation>
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
        <source>Gave up after %1 seconds: the drawing takes too long.</source>
        <translation>Rinuncia dopo %1 secondi: il disegno richiede troppo tempo.</translation>
    </message>
    <message>
        <source>Gave up: the drawing needs too much memory.</source>
        <translation>Rinuncia: il disegno richiede troppa memoria.</translation>
    </message>
    <message>
        <source>The drawing has no layer named &quot;%1&quot;.</source>
        <translation>Il disegno non ha alcun livello chiamato &quot;%1&quot;.</translation>
    </message>
</context>
</TS>
