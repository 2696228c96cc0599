<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright %1 %2 %3. All rights reserved.</source>
        <translation>Copyright %1 %2 %3. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>%1 is updated by your system&apos;s package manager, together with the rest of your software.</source>
        <translation>%1 wird von der Paketverwaltung Ihres Systems aktualisiert, zusammen mit Ihrer übrigen Software.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>Häufige Fragen</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Feedback und Support</translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation>Protokollordner anzeigen</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen …</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Extract Images...</source>
        <translation>Bilder extrahieren …</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Side Panel</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>Single Page</source>
        <translation>Einzelseite</translation>
    </message>
    <message>
        <source>Two Columns</source>
        <translation>Zwei Spalten</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>An Breite anpassen</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Rotate Current Page Left</source>
        <translation>Aktuelle Seite nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Current Page Right</source>
        <translation>Aktuelle Seite nach rechts drehen</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Lesezeichen</translation>
    </message>
    <message>
        <source>Add Bookmarks</source>
        <translation>Lesezeichen hinzufügen</translation>
    </message>
    <message>
        <source>Manage Bookmarks</source>
        <translation>Lesezeichen verwalten</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Nächster Tab</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Vorheriger Tab</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Tab schließen</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Alle Tabs schließen</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Convert every drawing given, and the drawings in the folders given, into DIR, keeping the folders&apos; structure below it.</source>
        <translation>Jede angegebene Zeichnung und die Zeichnungen in den angegebenen Ordnern nach DIR umwandeln und die Ordnerstruktur darunter beibehalten.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>With --out-dir: pdf (the default), png, svg or txt (the text, page by page).</source>
        <translation>Mit --out-dir: pdf (Standard), png, svg oder txt (der Text, Seite für Seite).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>With --out-dir: search the folders given and all folders below them.</source>
        <translation>Mit --out-dir: die angegebenen Ordner und alle Ordner darunter durchsuchen.</translation>
    </message>
    <message>
        <source>With --out-dir: replace existing outputs, which are otherwise kept.</source>
        <translation>Mit --out-dir: vorhandene Ausgaben ersetzen, die sonst erhalten bleiben.</translation>
    </message>
    <message>
        <source>With --out-dir: convert only drawings changed since their output was written, replacing the older outputs.</source>
        <translation>Mit --out-dir: nur Zeichnungen umwandeln, die seit dem Schreiben ihrer Ausgabe geändert wurden, und die älteren Ausgaben ersetzen.</translation>
    </message>
    <message>
        <source>With --out-dir: convert N drawings at a time, each in a process of its own (default: the number of processors).</source>
        <translation>Mit --out-dir: N Zeichnungen gleichzeitig umwandeln, jede in einem eigenen Prozess (Standard: die Anzahl der Prozessoren).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --out-dir: give up on a drawing after this many seconds (default 120).</source>
        <translation>Mit --out-dir: eine Zeichnung nach so vielen Sekunden aufgeben (Standard 120).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>With --out-dir: the most memory, in MB, one drawing&apos;s process may use (default: an equal share of the machine&apos;s memory for each process).</source>
        <translation>Mit --out-dir: der höchste Speicher in MB, den der Prozess einer Zeichnung belegen darf (Standard: ein gleicher Anteil am Arbeitsspeicher des Rechners für jeden Prozess).</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>With --out-dir: write a JSON record of every drawing (input, output, status, reason, pages, seconds, peak memory) to FILE.</source>
        <translation>Mit --out-dir: einen JSON-Eintrag je Zeichnung (Eingabe, Ausgabe, Status, Grund, Seiten, Sekunden, Spitzenspeicher) in FILE schreiben.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory and --report need --out-dir.</source>
        <translation>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory und --report erfordern --out-dir.</translation>
    </message>
    <message>
        <source>--out-dir needs a folder.</source>
        <translation>--out-dir erwartet einen Ordner.</translation>
    </message>
    <message>
        <source>Invalid --format &quot;%1&quot;: expected pdf, png, svg or txt.</source>
        <translation>Ungültiger Wert für --format „%1“: erwartet wird pdf, png, svg oder txt.</translation>
    </message>
    <message>
        <source>Invalid -j &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>Ungültiger Wert für -j „%1“: erwartet wird eine ganze Zahl von 1 bis %2.</translation>
    </message>
    <message>
        <source>Invalid --timeout &quot;%1&quot;: expected seconds, more than 0 and at most 86400.</source>
        <translation>Ungültiger Wert für --timeout „%1“: erwartet werden Sekunden, mehr als 0 und höchstens 86400.</translation>
    </message>
    <message>
        <source>Invalid --max-memory &quot;%1&quot;: expected a whole number of MB, at least %2.</source>
        <translation>Ungültiger Wert für --max-memory „%1“: erwartet wird eine ganze Zahl von MB, mindestens %2.</translation>
    </message>
</context>
<context>
    <name>BatchInputCollector</name>
    <message>
        <source>Cannot read it: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
    <message>
        <source>This folder is searched already as %1 (a symbolic link leads to it again).</source>
        <translation>Dieser Ordner wird bereits als %1 durchsucht (ein symbolischer Link führt erneut zu ihm).</translation>
    </message>
    <message>
        <source>Cannot read the folder: %1</source>
        <translation>Der Ordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Not a drawing.</source>
        <translation>Keine Zeichnung.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Keine reguläre Datei.</translation>
    </message>
</context>
<context>
    <name>BatchOutputNames</name>
    <message>
        <source>Another drawing has the output name %1 too; this one is written as %2.</source>
        <translation>Eine andere Zeichnung hat ebenfalls den Ausgabenamen %1; diese wird als %2 geschrieben.</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>umgewandelt %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed    %1: %2</source>
        <translation>fehlgeschlagen %1: %2</translation>
    </message>
    <message>
        <source>skipped   %1: %2</source>
        <translation>übersprungen %1: %2</translation>
    </message>
    <message>
        <source>%1/%2 done, %3 failed, %4 drawings/s</source>
        <translation>%1/%2 erledigt, %3 fehlgeschlagen, %4 Zeichnungen/s</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1 converted, %2 failed, %3 skipped</source>
        <translation>%1 umgewandelt, %2 fehlgeschlagen, %3 übersprungen</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>Der Bericht %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>Cannot write into the output folder %1: %2</source>
        <translation>In den Ausgabeordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the report %1.</source>
        <translation>Der Bericht %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Its output is newer than the drawing.</source>
        <translation>Ihre Ausgabe ist neuer als die Zeichnung.</translation>
    </message>
    <message>
        <source>Its output exists; --overwrite replaces it.</source>
        <translation>Ihre Ausgabe ist vorhanden; --overwrite ersetzt sie.</translation>
    </message>
    <message>
        <source>Cannot write into the output folder: %1</source>
        <translation>In den Ausgabeordner kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Cannot read it: its name is not valid in this locale.</source>
        <translation>Nicht lesbar: Der Name ist im aktuellen Gebietsschema ungültig.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>Der Konverter hat nichts geschrieben.</translation>
    </message>
    <message>
        <source>The converter wrote an unexpected file: %1</source>
        <translation>Der Konverter hat eine unerwartete Datei geschrieben: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>%1 kann nicht geschrieben werden: Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The output would lie outside the output folder.</source>
        <translation>Die Ausgabe läge außerhalb des Ausgabeordners.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link: outputs are written only inside the output folder.</source>
        <translation>%1 ist ein symbolischer Link: Ausgaben werden nur innerhalb des Ausgabeordners geschrieben.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>Interrupted: drawings not finished are not in the report, and nothing of them was written.</source>
        <translation>Unterbrochen: Nicht fertige Zeichnungen fehlen im Bericht, und von ihnen wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>BatchWorker</name>
    <message>
        <source>The converter could not be started: %1</source>
        <translation>Der Konverter konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Given up after %1 s: the drawing takes too long.</source>
        <translation>Nach %1 s aufgegeben: Die Zeichnung dauert zu lange.</translation>
    </message>
    <message>
        <source>Ran out of memory (at most %1 MB for one drawing).</source>
        <translation>Speicher erschöpft (höchstens %1 MB für eine Zeichnung).</translation>
    </message>
    <message>
        <source>The converter stopped on signal %1 (%2).</source>
        <translation>Der Konverter wurde durch Signal %1 (%2) beendet.</translation>
    </message>
    <message>
        <source>The converter gave no result.</source>
        <translation>Der Konverter lieferte kein Ergebnis.</translation>
    </message>
    <message>
        <source>The converter failed with exit code %1.</source>
        <translation>Der Konverter ist mit Exitcode %1 fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>BookmarkDialog</name>
    <message>
        <source>Type a name for the bookmark:</source>
        <translation>Geben Sie einen Namen für das Lesezeichen ein:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>BookmarkListDialog</name>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>BookmarkStoreAlerts</name>
    <message>
        <source>Bookmarks Unavailable</source>
        <translation>Lesezeichen nicht verfügbar</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be read: %2

It has been left unchanged, and no bookmark was changed.</source>
        <translation>Die Lesezeichendatei „%1“ konnte nicht gelesen werden: %2

Sie wurde nicht verändert, und kein Lesezeichen wurde geändert.</translation>
    </message>
    <message>
        <source>Bookmarks Not Saved</source>
        <translation>Lesezeichen nicht gespeichert</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be written: %2

Your earlier bookmarks are unchanged.</source>
        <translation>Die Lesezeichendatei „%1“ konnte nicht geschrieben werden: %2

Ihre bisherigen Lesezeichen sind unverändert.</translation>
    </message>
    <message>
        <source>Another window is changing the bookmarks right now. Please try again.</source>
        <translation>Ein anderes Fenster ändert gerade die Lesezeichen. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Bookmarks File Damaged</source>
        <translation>Lesezeichendatei beschädigt</translation>
    </message>
    <message>
        <source>The bookmarks file was damaged and could not be read. It has been kept as &quot;%1&quot;, and new bookmarks start from an empty list.</source>
        <translation>Die Lesezeichendatei war beschädigt und konnte nicht gelesen werden. Sie wurde als „%1“ aufbewahrt, und neue Lesezeichen beginnen mit einer leeren Liste.</translation>
    </message>
</context>
<context>
    <name>BrowserTabBar</name>
    <message>
        <source>Open files</source>
        <translation>Dateien öffnen</translation>
    </message>
</context>
<context>
    <name>DocumentLoadController</name>
    <message>
        <source>Still Opening</source>
        <translation>Wird noch geöffnet</translation>
    </message>
    <message>
        <source>The drawing is still being read. Try again when it is open.</source>
        <translation>Die Zeichnung wird noch gelesen. Versuchen Sie es erneut, sobald sie geöffnet ist.</translation>
    </message>
</context>
<context>
    <name>DocumentLoadingWidget</name>
    <message>
        <source>Opening %1</source>
        <translation>%1 wird geöffnet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>Printing...</source>
        <translation>Wird gedruckt …</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
    <message>
        <source>The document could not be sent to the printer %1.</source>
        <translation>Das Dokument konnte nicht an den Drucker %1 gesendet werden.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Saving PDF...</source>
        <translation>PDF wird gespeichert …</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <source>Print what I see</source>
        <translation>Drucken, was ich sehe</translation>
    </message>
    <message>
        <source>Print the layers as the layer panel shows them, instead of the layers the drawing is set to print.</source>
        <translation>Druckt die Ebenen so, wie der Ebenenbereich sie zeigt, statt der Ebenen, die die Zeichnung zum Drucken vorsieht.</translation>
    </message>
</context>
<context>
    <name>DocumentReloadController</name>
    <message>
        <source>%1 could not be read again. %2 The tab shows the version read before.</source>
        <translation>%1 konnte nicht erneut gelesen werden. %2 Der Tab zeigt die zuvor gelesene Fassung.</translation>
    </message>
</context>
<context>
    <name>DrawingThumbnailer</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB: no thumbnail is made of it.</source>
        <translation>%1 ist größer als %2 MB: Davon wird kein Vorschaubild erstellt.</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>%1 konnte nicht gelesen werden: Die Zeichnung ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 ist keine lesbare Zeichnung.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 hat keine Seiten.</translation>
    </message>
    <message>
        <source>Page 1 of %1 is empty.</source>
        <translation>Seite 1 von %1 ist leer.</translation>
    </message>
    <message>
        <source>Page 1 of %1 could not be laid out.</source>
        <translation>Seite 1 von %1 konnte nicht angeordnet werden.</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Nicht genug Speicher für ein Bild von %1 x %2 Pixeln.</translation>
    </message>
    <message>
        <source>Cannot encode the picture: %1</source>
        <translation>Das Bild kann nicht kodiert werden: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>EmbeddedImageExporter</name>
    <message>
        <source>There is nothing to export, or no folder to export to.</source>
        <translation>Es gibt nichts zu exportieren, oder es fehlt ein Zielordner.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: a file of that name is in the way.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: Eine gleichnamige Datei ist im Weg.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be saved. %3</source>
        <translation>%1 von %2 Bildern konnten nicht gespeichert werden. %3</translation>
    </message>
</context>
<context>
    <name>ExportCommandLine</name>
    <message>
        <source>Print a JSON summary of the drawing (title, creator, creation date and, per page, name, size in inches, layers and item counts) instead of converting it.</source>
        <translation>Statt die Zeichnung umzuwandeln, eine JSON-Übersicht ausgeben (Titel, Ersteller, Erstellungsdatum und je Seite Name, Größe in Zoll, Ebenen und Anzahl der Elemente).</translation>
    </message>
    <message>
        <source>Export only pages A to B (counting from 1).</source>
        <translation>Nur die Seiten A bis B exportieren (ab 1 gezählt).</translation>
    </message>
    <message>
        <source>A-B</source>
        <translation>A-B</translation>
    </message>
    <message>
        <source>Resolution of PNG output (default 96).</source>
        <translation>Auflösung der PNG-Ausgabe (Standard 96).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>PDF paper: a4 or letter, each page scaled to fit and centred. Without it every sheet has its drawing page&apos;s own size.</source>
        <translation>PDF-Papierformat: a4 oder letter, jede Seite eingepasst und zentriert. Ohne diese Option hat jedes Blatt die Größe seiner Zeichenseite.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>Diagnosemeldungen anzeigen.</translation>
    </message>
    <message>
        <source>[output]</source>
        <translation>[Ausgabe]</translation>
    </message>
    <message>
        <source>--info takes exactly one drawing.</source>
        <translation>--info erwartet genau eine Zeichnung.</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>Erwartet werden eine Zeichnung und eine Ausgabedatei (siehe --help).</translation>
    </message>
    <message>
        <source>Invalid page range &quot;%1&quot;: expected A-B with 1 &lt;= A &lt;= B.</source>
        <translation>Ungültiger Seitenbereich „%1“: erwartet wird A-B mit 1 &lt;= A &lt;= B.</translation>
    </message>
    <message>
        <source>Invalid --dpi &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>Ungültiger Wert für --dpi „%1“: erwartet wird eine ganze Zahl von 1 bis %2.</translation>
    </message>
    <message>
        <source>--dpi applies to PNG output only.</source>
        <translation>--dpi gilt nur für PNG-Ausgabe.</translation>
    </message>
    <message>
        <source>Invalid --paper &quot;%1&quot;: expected a4 or letter.</source>
        <translation>Ungültiger Wert für --paper „%1“: erwartet wird a4 oder letter.</translation>
    </message>
    <message>
        <source>--paper applies to PDF output only.</source>
        <translation>--paper gilt nur für PDF-Ausgabe.</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>Zeichnung</translation>
    </message>
    <message>
        <source>Save the drawing&apos;s pictures as PNG files in DIR/NAME/, named NAME_P001_I01.png (page, then picture), and print each file written. Exits with 3 when the drawing has no pictures.</source>
        <translation>Die Bilder der Zeichnung als PNG-Dateien in DIR/NAME/ speichern, benannt als NAME_P001_I01.png (Seite, dann Bild), und jede geschriebene Datei ausgeben. Endet mit dem Status 3, wenn die Zeichnung keine Bilder enthält.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>--images takes exactly one drawing.</source>
        <translation>--images erwartet genau eine Zeichnung.</translation>
    </message>
    <message>
        <source>--images writes every picture as it is: --pages, --dpi and --paper do not apply.</source>
        <translation>--images schreibt jedes Bild unverändert: --pages, --dpi und --paper gelten hier nicht.</translation>
    </message>
    <message>
        <source>Print the drawing&apos;s text on standard output in reading order, each page headed by its name and ended by a form feed, for search indexers.</source>
        <translation>Den Text der Zeichnung in Lesereihenfolge auf der Standardausgabe ausgeben, jede Seite mit ihrem Namen als Überschrift und einem Seitenvorschub am Ende, für Suchindexer.</translation>
    </message>
    <message>
        <source>The Visio drawing to read; with --out-dir, drawings and folders.</source>
        <translation>Die zu lesende Visio-Zeichnung; mit --out-dir Zeichnungen und Ordner.</translation>
    </message>
    <message>
        <source>OUT.pdf, OUT.png, OUT.svg or OUT.txt.</source>
        <translation>OUT.pdf, OUT.png, OUT.svg oder OUT.txt.</translation>
    </message>
    <message>
        <source>--text takes exactly one drawing.</source>
        <translation>--text erwartet genau eine Zeichnung.</translation>
    </message>
    <message>
        <source>--out-dir needs at least one drawing or folder.</source>
        <translation>--out-dir erwartet mindestens eine Zeichnung oder einen Ordner.</translation>
    </message>
    <message>
        <source>The output file must end in .pdf, .png, .svg or .txt: %1</source>
        <translation>Die Ausgabedatei muss auf .pdf, .png, .svg oder .txt enden: %1</translation>
    </message>
    <message>
        <source>List each page&apos;s layers with their flags (visible or hidden, print or no-print) instead of converting the drawing.</source>
        <translation>Statt die Zeichnung umzuwandeln, die Ebenen jeder Seite mit ihren Eigenschaften auflisten (sichtbar oder ausgeblendet, drucken oder nicht drucken).</translation>
    </message>
    <message>
        <source>Leave the layer NAME out of the output; may be given more than once.</source>
        <translation>Die Ebene NAME aus der Ausgabe weglassen; kann mehrfach angegeben werden.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>--layers takes exactly one drawing.</source>
        <translation>--layers erwartet genau eine Zeichnung.</translation>
    </message>
    <message>
        <source>Converts the pages of a Visio drawing (.vsd, .vsdx, .vdx and the stencil, template and macro-enabled kinds) to PDF, PNG, SVG or text.
PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...
The output has the layers the drawing prints. A stencil gives sheets of its masters, each with its name.
With --out-dir, converts many drawings at once, several at a time.</source>
        <translation>Wandelt die Seiten einer Visio-Zeichnung (.vsd, .vsdx, .vdx sowie Schablonen, Vorlagen und Dateien mit Makros) in PDF, PNG, SVG oder Text um.
PNG und SVG schreiben eine Datei je Seite: OUT-1.png, OUT-2.png, ...
Die Ausgabe enthält die Ebenen, die die Zeichnung druckt. Eine Schablone ergibt Blätter mit ihren Mastershapes, jedes mit seinem Namen.
Mit --out-dir werden viele Zeichnungen in einem Lauf umgewandelt, mehrere gleichzeitig.</translation>
    </message>
    <message>
        <source>--info, --layers, --images, --text and --out-dir do not go together.</source>
        <translation>--info, --layers, --images, --text und --out-dir lassen sich nicht kombinieren.</translation>
    </message>
    <message>
        <source>--hide-layer applies to PDF, PNG, SVG and text output only.</source>
        <translation>--hide-layer gilt nur für die Ausgabe als PDF, PNG, SVG und Text.</translation>
    </message>
</context>
<context>
    <name>ImageExtractionController</name>
    <message>
        <source>Select Export Directory</source>
        <translation>Exportordner auswählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Directory does not exist or is not writable!</source>
        <translation>Der Ordner existiert nicht oder ist nicht beschreibbar!</translation>
    </message>
    <message>
        <source>Extracting images...</source>
        <translation>Bilder werden extrahiert …</translation>
    </message>
    <message>
        <source>Export Images</source>
        <translation>Bilder exportieren</translation>
    </message>
    <message>
        <source>This document does not contain any images.</source>
        <translation>Dieses Dokument enthält keine Bilder.</translation>
    </message>
    <message numerus="yes">
        <source>Extraction cancelled. %n picture(s) saved in %1.</source>
        <translation>
            <numerusform>Extraktion abgebrochen. %n Bild wurde in %1 gespeichert.</numerusform>
            <numerusform>Extraktion abgebrochen. %n Bilder wurden in %1 gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>LayerPanel</name>
    <message>
        <source>Layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <source>Unnamed layer %1</source>
        <translation>Unbenannte Ebene %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Hidden layers</source>
        <translation>Ausgeblendete Ebenen</translation>
    </message>
    <message>
        <source>What the drawing keeps on hidden layers, where the file does not say which.</source>
        <translation>Was die Zeichnung auf ausgeblendeten Ebenen hat, wenn die Datei nicht sagt, auf welchen.</translation>
    </message>
    <message>
        <source>Layers not printed</source>
        <translation>Nicht gedruckte Ebenen</translation>
    </message>
    <message>
        <source>What the drawing shows but does not print, where the file does not say on which layers.</source>
        <translation>Was die Zeichnung zeigt, aber nicht druckt, wenn die Datei nicht sagt, auf welchen Ebenen.</translation>
    </message>
    <message>
        <source>Layers printed only</source>
        <translation>Nur gedruckte Ebenen</translation>
    </message>
    <message>
        <source>What the drawing prints but does not show, where the file does not say on which layers.</source>
        <translation>Was die Zeichnung druckt, aber nicht zeigt, wenn die Datei nicht sagt, auf welchen Ebenen.</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>Wird nicht gedruckt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>View thumbnails or content only</source>
        <translation>Miniaturansichten oder nur den Inhalt zeigen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>View two pages</source>
        <translation>Zwei Seiten nebeneinander</translation>
    </message>
    <message>
        <source>View page by page</source>
        <translation>Seite für Seite anzeigen</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Display actual size</source>
        <translation>Originalgröße anzeigen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom to fit window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>Zoom to Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>TurnPage</source>
        <translation>Blättern</translation>
    </message>
    <message>
        <source>90° counterclockwise all pages</source>
        <translation>Alle Seiten um 90° gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>90° clockwise all pages</source>
        <translation>Alle Seiten um 90° im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>90° counterclockwise current page</source>
        <translation>Aktuelle Seite um 90° gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>90° clockwise current page</source>
        <translation>Aktuelle Seite um 90° im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Extract images</source>
        <translation>Bilder extrahieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>Dateien hinzufügen oder hierher ziehen</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Unsupported file format or corrupted document.</source>
        <translation>Nicht unterstütztes Dateiformat oder beschädigtes Dokument.</translation>
    </message>
    <message>
        <source>Open Visio File</source>
        <translation>Visio-Datei öffnen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Visio Files (%1)</source>
        <translation>Visio-Dateien (%1)</translation>
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
        <translation>Die Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>It is a folder, not a drawing.</source>
        <translation>Es ist ein Ordner, keine Zeichnung.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>Es ist keine Datei, sondern ein Gerät oder eine Pipe.</translation>
    </message>
    <message>
        <source>You do not have permission to read it.</source>
        <translation>Sie haben keine Berechtigung, die Datei zu lesen.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>Die Datei ist zu groß zum Öffnen.</translation>
    </message>
    <message>
        <source>It is not a Visio drawing.</source>
        <translation>Es ist keine Visio-Zeichnung.</translation>
    </message>
    <message>
        <source>The drawing is damaged and could not be read.</source>
        <translation>Die Zeichnung ist beschädigt und konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The drawing has no pages.</source>
        <translation>Die Zeichnung hat keine Seiten.</translation>
    </message>
</context>
<context>
    <name>PageExporter</name>
    <message>
        <source>Cannot write %1: it is a folder or write-protected.</source>
        <translation>%1 kann nicht geschrieben werden: Es ist ein Ordner oder schreibgeschützt.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No pages to write.</source>
        <translation>Keine Seiten zu schreiben.</translation>
    </message>
    <message>
        <source>Page %1 is too large for %2 dpi: at most %3 pixels a side and %4 megapixels. Choose a lower --dpi.</source>
        <translation>Seite %1 ist für %2 dpi zu groß: höchstens %3 Pixel je Seite und %4 Megapixel. Wählen Sie einen kleineren Wert für --dpi.</translation>
    </message>
    <message>
        <source>Not enough memory for page %1.</source>
        <translation>Nicht genügend Speicher für Seite %1.</translation>
    </message>
    <message>
        <source>Cannot encode page %1: %2</source>
        <translation>Seite %1 kann nicht kodiert werden: %2</translation>
    </message>
    <message>
        <source>Cannot start the SVG output for page %1.</source>
        <translation>Die SVG-Ausgabe für Seite %1 kann nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Cannot write the text to standard output: %1</source>
        <translation>Der Text kann nicht auf die Standardausgabe geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>PageTextExtractor</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>PdfDocumentWriter</name>
    <message>
        <source>No pages to write.</source>
        <translation>Keine Seiten zu schreiben.</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>%1 kann nicht geschrieben werden: Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>Cannot write %1: the file is write-protected.</source>
        <translation>%1 kann nicht geschrieben werden: Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be started.</source>
        <translation>%1 kann nicht geschrieben werden: Die PDF-Ausgabe konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: page %2 could not be started.</source>
        <translation>%1 kann nicht geschrieben werden: Seite %2 konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be finished.</source>
        <translation>%1 kann nicht geschrieben werden: Die PDF-Ausgabe konnte nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Remove Missing Drawings</source>
        <translation>Fehlende Zeichnungen entfernen</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (nicht gefunden)</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
</context>
<context>
    <name>ReloadBar</name>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ThumbnailPanel</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Treffer</translation>
    </message>
</context>
<context>
    <name>ThumbnailerCommandLine</name>
    <message>
        <source>Writes a PNG picture of page 1 of a Visio drawing, for file managers to show as
the drawing&apos;s thumbnail; they run it as plandraw.thumbnailer says. It gives up,
leaving no file behind, on anything but a drawing with a page 1 to show, and on
drawings that take longer than the time limit.</source>
        <translation>Schreibt ein PNG-Bild der Seite 1 einer Visio-Zeichnung, das Dateimanager als
Vorschaubild der Zeichnung zeigen; sie rufen es auf, wie plandraw.thumbnailer
angibt. Es gibt auf, ohne eine Datei zu hinterlassen, bei allem außer einer
Zeichnung mit einer darstellbaren Seite 1 und bei Zeichnungen, die länger als
das Zeitlimit brauchen.</translation>
    </message>
    <message>
        <source>The picture&apos;s longer side in pixels; larger sizes than %1 are brought down to %1.</source>
        <translation>Die längere Seite des Bildes in Pixeln; Größen über %1 werden auf %1 verringert.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>Give up after SECONDS (default %1).</source>
        <translation>Nach SECONDS Sekunden aufgeben (Standard %1).</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDS</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>Diagnosemeldungen anzeigen.</translation>
    </message>
    <message>
        <source>input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>The Visio drawing to read.</source>
        <translation>Die zu lesende Visio-Zeichnung.</translation>
    </message>
    <message>
        <source>output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>The PNG file to write.</source>
        <translation>Die zu schreibende PNG-Datei.</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>Erwartet werden eine Zeichnung und eine Ausgabedatei (siehe --help).</translation>
    </message>
    <message>
        <source>Give the picture&apos;s size with -s SIZE.</source>
        <translation>Geben Sie die Größe des Bildes mit -s SIZE an.</translation>
    </message>
    <message>
        <source>The size must be a whole number of pixels, at least 1.</source>
        <translation>Die Größe muss eine ganze Zahl von Pixeln sein, mindestens 1.</translation>
    </message>
    <message>
        <source>The time limit must be a number of seconds above 0 and at most %1.</source>
        <translation>Das Zeitlimit muss eine Anzahl Sekunden über 0 und höchstens %1 sein.</translation>
    </message>
</context>
<context>
    <name>ViewerCommandLine</name>
    <message>
        <source>Views Microsoft Visio drawings (.vsd, .vsdx, .vdx, and stencils and templates),
each in a tab of its own.</source>
        <translation>Zeigt Microsoft-Visio-Zeichnungen (.vsd, .vsdx, .vdx sowie Schablonen und
Vorlagen), jede in einem eigenen Tab.</translation>
    </message>
    <message>
        <source>drawings</source>
        <translation>Zeichnungen</translation>
    </message>
    <message>
        <source>The drawings to open.</source>
        <translation>Die zu öffnenden Zeichnungen.</translation>
    </message>
    <message>
        <source>[drawing...]</source>
        <translation>[Zeichnung...]</translation>
    </message>
</context>
<context>
    <name>VisioStencilGrid</name>
    <message>
        <source>This stencil has no masters.</source>
        <translation>Diese Schablone enthält keine Mastershapes.</translation>
    </message>
    <message>
        <source>Masters %1–%2</source>
        <translation>Mastershapes %1–%2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 ist keine lesbare Zeichnung.</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>%1 konnte nicht gelesen werden: Die Zeichnung ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 hat keine Seiten.</translation>
    </message>
    <message numerus="yes">
        <source>The page range selects no page: the drawing has %n page(s).</source>
        <translation>
            <numerusform>Der Seitenbereich wählt keine Seite aus: Die Zeichnung hat %n Seite.</numerusform>
            <numerusform>Der Seitenbereich wählt keine Seite aus: Die Zeichnung hat %n Seiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawing could not be laid out.</source>
        <translation>Das Layout der Zeichnung konnte nicht berechnet werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder that can be written.</source>
        <translation>„%1“ ist kein beschreibbarer Ordner.</translation>
    </message>
    <message>
        <source>The drawing has no pictures.</source>
        <translation>Die Zeichnung enthält keine Bilder.</translation>
    </message>
    <message>
        <source>Gave up after %1 seconds: the drawing takes too long.</source>
        <translation>Nach %1 Sekunden aufgegeben: Die Zeichnung braucht zu lange.</translation>
    </message>
    <message>
        <source>Gave up: the drawing needs too much memory.</source>
        <translation>Aufgegeben: Die Zeichnung braucht zu viel Speicher.</translation>
    </message>
    <message>
        <source>The drawing has no layer named &quot;%1&quot;.</source>
        <translation>Die Zeichnung hat keine Ebene namens „%1“.</translation>
    </message>
</context>
</TS>
