<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Plus d&apos;infos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright %1 %2 %3. All rights reserved.</source>
        <translation>Copyright %1 %2 %3. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>%1 is updated by your system&apos;s package manager, together with the rest of your software.</source>
        <translation>%1 est mis à jour par le gestionnaire de paquets de votre système, avec le reste de vos logiciels.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>Questions fréquentes</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Commentaires et assistance</translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation>Afficher le dossier des journaux</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Extract Images...</source>
        <translation>Extraire les images…</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Side Panel</source>
        <translation>Panneau latéral</translation>
    </message>
    <message>
        <source>Single Page</source>
        <translation>Page par page</translation>
    </message>
    <message>
        <source>Two Columns</source>
        <translation>Deux colonnes</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Faire pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Faire pivoter à droite</translation>
    </message>
    <message>
        <source>Rotate Current Page Left</source>
        <translation>Faire pivoter la page actuelle à gauche</translation>
    </message>
    <message>
        <source>Rotate Current Page Right</source>
        <translation>Faire pivoter la page actuelle à droite</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Signets</translation>
    </message>
    <message>
        <source>Add Bookmarks</source>
        <translation>Ajouter un signet</translation>
    </message>
    <message>
        <source>Manage Bookmarks</source>
        <translation>Gérer les signets</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Onglet suivant</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Onglet précédent</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Fermer l&apos;onglet</translation>
    </message>
</context>
<context>
    <name>BookmarkDialog</name>
    <message>
        <source>Type a name for the bookmark:</source>
        <translation>Saisissez un nom pour le signet :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>BookmarkListDialog</name>
    <message>
        <source>Bookmarks</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>BookmarkStoreAlerts</name>
    <message>
        <source>Bookmarks Unavailable</source>
        <translation>Signets indisponibles</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be read: %2

It has been left unchanged, and no bookmark was changed.</source>
        <translation>Impossible de lire le fichier des signets « %1 » : %2

Il n’a pas été modifié, et aucun signet n’a été changé.</translation>
    </message>
    <message>
        <source>Bookmarks Not Saved</source>
        <translation>Signets non enregistrés</translation>
    </message>
    <message>
        <source>The bookmarks file &quot;%1&quot; could not be written: %2

Your earlier bookmarks are unchanged.</source>
        <translation>Impossible d’écrire le fichier des signets « %1 » : %2

Vos signets précédents sont inchangés.</translation>
    </message>
    <message>
        <source>Another window is changing the bookmarks right now. Please try again.</source>
        <translation>Une autre fenêtre est en train de modifier les signets. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Bookmarks File Damaged</source>
        <translation>Fichier des signets endommagé</translation>
    </message>
    <message>
        <source>The bookmarks file was damaged and could not be read. It has been kept as &quot;%1&quot;, and new bookmarks start from an empty list.</source>
        <translation>Le fichier des signets était endommagé et n’a pas pu être lu. Il a été conservé sous le nom « %1 », et les nouveaux signets repartent d’une liste vide.</translation>
    </message>
</context>
<context>
    <name>BrowserTabBar</name>
    <message>
        <source>Open files</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
</context>
<context>
    <name>DocumentLoadController</name>
    <message>
        <source>Still Opening</source>
        <translation>Ouverture en cours</translation>
    </message>
    <message>
        <source>The drawing is still being read. Try again when it is open.</source>
        <translation>Le dessin est encore en cours de lecture. Réessayez une fois qu’il sera ouvert.</translation>
    </message>
</context>
<context>
    <name>DocumentLoadingWidget</name>
    <message>
        <source>Opening %1</source>
        <translation>Ouverture de %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>Printing...</source>
        <translation>Impression…</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Échec de l’impression</translation>
    </message>
    <message>
        <source>The document could not be sent to the printer %1.</source>
        <translation>Impossible d’envoyer le document à l’imprimante %1.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving PDF...</source>
        <translation>Enregistrement du PDF…</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l’exportation</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Calques</translation>
    </message>
    <message>
        <source>Print what I see</source>
        <translation>Imprimer ce que je vois</translation>
    </message>
    <message>
        <source>Print the layers as the layer panel shows them, instead of the layers the drawing is set to print.</source>
        <translation>Imprime les calques tels que le panneau des calques les affiche, au lieu des calques que le dessin prévoit d’imprimer.</translation>
    </message>
</context>
<context>
    <name>EmbeddedImageExporter</name>
    <message>
        <source>There is nothing to export, or no folder to export to.</source>
        <translation>Il n’y a rien à exporter, ou aucun dossier de destination.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: a file of that name is in the way.</source>
        <translation>Impossible de créer le dossier %1 : un fichier portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be saved. %3</source>
        <translation>%1 images sur %2 n’ont pas pu être enregistrées. %3</translation>
    </message>
</context>
<context>
    <name>ExportCommandLine</name>
    <message>
        <source>Print a JSON summary of the drawing (title, creator, creation date and, per page, name, size in inches, layers and item counts) instead of converting it.</source>
        <translation>Affiche un résumé JSON du dessin (titre, auteur, date de création et, pour chaque page, nom, taille en pouces, calques et nombre d’éléments) au lieu de le convertir.</translation>
    </message>
    <message>
        <source>Export only pages A to B (counting from 1).</source>
        <translation>Exporte uniquement les pages A à B (numérotées à partir de 1).</translation>
    </message>
    <message>
        <source>A-B</source>
        <translation>A-B</translation>
    </message>
    <message>
        <source>Resolution of PNG output (default 96).</source>
        <translation>Résolution de la sortie PNG (96 par défaut).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>PDF paper: a4 or letter, each page scaled to fit and centred. Without it every sheet has its drawing page&apos;s own size.</source>
        <translation>Papier du PDF : a4 ou letter, chaque page mise à l’échelle et centrée. Sans cette option, chaque feuille a la taille de sa page de dessin.</translation>
    </message>
    <message>
        <source>size</source>
        <translation>format</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>Affiche les messages de diagnostic.</translation>
    </message>
    <message>
        <source>The Visio drawing to read.</source>
        <translation>Le dessin Visio à lire.</translation>
    </message>
    <message>
        <source>OUT.pdf, OUT.png or OUT.svg.</source>
        <translation>OUT.pdf, OUT.png ou OUT.svg.</translation>
    </message>
    <message>
        <source>[output]</source>
        <translation>[sortie]</translation>
    </message>
    <message>
        <source>--info takes exactly one drawing.</source>
        <translation>--info attend exactement un dessin.</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>Un dessin et un fichier de sortie sont attendus (voir --help).</translation>
    </message>
    <message>
        <source>The output file must end in .pdf, .png or .svg: %1</source>
        <translation>Le fichier de sortie doit se terminer par .pdf, .png ou .svg : %1</translation>
    </message>
    <message>
        <source>Invalid page range &quot;%1&quot;: expected A-B with 1 &lt;= A &lt;= B.</source>
        <translation>Plage de pages « %1 » non valide : A-B attendu, avec 1 &lt;= A &lt;= B.</translation>
    </message>
    <message>
        <source>Invalid --dpi &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>Valeur de --dpi « %1 » non valide : un nombre entier de 1 à %2 est attendu.</translation>
    </message>
    <message>
        <source>--dpi applies to PNG output only.</source>
        <translation>--dpi ne s’applique qu’à la sortie PNG.</translation>
    </message>
    <message>
        <source>Invalid --paper &quot;%1&quot;: expected a4 or letter.</source>
        <translation>Valeur de --paper « %1 » non valide : a4 ou letter attendu.</translation>
    </message>
    <message>
        <source>--paper applies to PDF output only.</source>
        <translation>--paper ne s’applique qu’à la sortie PDF.</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>dessin</translation>
    </message>
    <message>
        <source>Save the drawing&apos;s pictures as PNG files in DIR/NAME/, named NAME_P001_I01.png (page, then picture), and print each file written. Exits with 3 when the drawing has no pictures.</source>
        <translation>Enregistre les images du dessin en fichiers PNG dans DIR/NAME/, nommés NAME_P001_I01.png (page, puis image), et affiche chaque fichier écrit. Se termine avec le code 3 si le dessin ne contient aucune image.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>--images takes exactly one drawing.</source>
        <translation>--images attend exactement un dessin.</translation>
    </message>
    <message>
        <source>--images writes every picture as it is: --pages, --dpi and --paper do not apply.</source>
        <translation>--images écrit chaque image telle quelle : --pages, --dpi et --paper ne s’appliquent pas.</translation>
    </message>
    <message>
        <source>Converts the pages of a Visio drawing (.vsd, .vsdx, .vdx and the stencil, template and macro-enabled kinds) to PDF, PNG or SVG.
PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...
The output has the layers the drawing prints. A stencil gives sheets of its masters, each with its name.</source>
        <translation>Convertit les pages d’un dessin Visio (.vsd, .vsdx, .vdx ainsi que les gabarits, modèles et fichiers prenant en charge les macros) en PDF, PNG ou SVG.
PNG et SVG écrivent un fichier par page : OUT-1.png, OUT-2.png, ...
La sortie contient les calques que le dessin imprime. Un gabarit donne des feuilles de ses formes de base, chacune avec son nom.</translation>
    </message>
    <message>
        <source>List each page&apos;s layers with their flags (visible or hidden, print or no-print) instead of converting the drawing.</source>
        <translation>Liste les calques de chaque page avec leurs attributs (visible ou masqué, imprimé ou non) au lieu de convertir le dessin.</translation>
    </message>
    <message>
        <source>Leave the layer NAME out of the output; may be given more than once.</source>
        <translation>Exclut le calque NOM de la sortie ; peut être indiqué plusieurs fois.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>--hide-layer applies to PDF, PNG and SVG output only.</source>
        <translation>--hide-layer ne s’applique qu’aux sorties PDF, PNG et SVG.</translation>
    </message>
    <message>
        <source>--layers takes exactly one drawing.</source>
        <translation>--layers prend exactement un dessin.</translation>
    </message>
</context>
<context>
    <name>ImageExtractionController</name>
    <message>
        <source>Select Export Directory</source>
        <translation>Choisir le dossier d’exportation</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Directory does not exist or is not writable!</source>
        <translation>Le dossier n’existe pas ou n’est pas accessible en écriture !</translation>
    </message>
    <message>
        <source>Extracting images...</source>
        <translation>Extraction des images…</translation>
    </message>
    <message>
        <source>Export Images</source>
        <translation>Exporter les images</translation>
    </message>
    <message>
        <source>This document does not contain any images.</source>
        <translation>Ce document ne contient aucune image.</translation>
    </message>
    <message numerus="yes">
        <source>Extraction cancelled. %n picture(s) saved in %1.</source>
        <translation>
            <numerusform>Extraction annulée. %n image enregistrée dans %1.</numerusform>
            <numerusform>Extraction annulée. %n images enregistrées dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l’exportation</translation>
    </message>
</context>
<context>
    <name>LayerPanel</name>
    <message>
        <source>Layers</source>
        <translation>Calques</translation>
    </message>
    <message>
        <source>Unnamed layer %1</source>
        <translation>Calque sans nom %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Hidden layers</source>
        <translation>Calques masqués</translation>
    </message>
    <message>
        <source>What the drawing keeps on hidden layers, where the file does not say which.</source>
        <translation>Ce que le dessin place sur des calques masqués, lorsque le fichier n’indique pas lesquels.</translation>
    </message>
    <message>
        <source>Layers not printed</source>
        <translation>Calques non imprimés</translation>
    </message>
    <message>
        <source>What the drawing shows but does not print, where the file does not say on which layers.</source>
        <translation>Ce que le dessin affiche sans l’imprimer, lorsque le fichier n’indique pas sur quels calques.</translation>
    </message>
    <message>
        <source>Layers printed only</source>
        <translation>Calques imprimés seulement</translation>
    </message>
    <message>
        <source>What the drawing prints but does not show, where the file does not say on which layers.</source>
        <translation>Ce que le dessin imprime sans l’afficher, lorsque le fichier n’indique pas sur quels calques.</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>Non imprimé</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>View thumbnails or content only</source>
        <translation>Afficher les miniatures ou le contenu seul</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>View two pages</source>
        <translation>Afficher deux pages</translation>
    </message>
    <message>
        <source>View page by page</source>
        <translation>Afficher page par page</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Display actual size</source>
        <translation>Afficher en taille réelle</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom to fit window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Zoom to Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>TurnPage</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>90° counterclockwise all pages</source>
        <translation>Faire pivoter toutes les pages de 90° vers la gauche</translation>
    </message>
    <message>
        <source>90° clockwise all pages</source>
        <translation>Faire pivoter toutes les pages de 90° vers la droite</translation>
    </message>
    <message>
        <source>90° counterclockwise current page</source>
        <translation>Faire pivoter la page actuelle de 90° vers la gauche</translation>
    </message>
    <message>
        <source>90° clockwise current page</source>
        <translation>Faire pivoter la page actuelle de 90° vers la droite</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Extract images</source>
        <translation>Extraire les images</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Add or drag files here</source>
        <translation>Ajoutez des fichiers ou faites-les glisser ici</translation>
    </message>
    <message>
        <source>＋ Add File(s)</source>
        <translation>＋ Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Échec de l’ouverture</translation>
    </message>
    <message>
        <source>Unsupported file format or corrupted document.</source>
        <translation>Format de fichier non pris en charge ou document endommagé.</translation>
    </message>
    <message>
        <source>Open Visio File</source>
        <translation>Ouvrir un fichier Visio</translation>
    </message>
    <message>
        <source>Visio Files (%1)</source>
        <translation>Fichiers Visio (%1)</translation>
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
        <translation>Impossible d’écrire %1 : c’est un dossier ou il est protégé en écriture.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>No pages to write.</source>
        <translation>Aucune page à écrire.</translation>
    </message>
    <message>
        <source>Page %1 is too large for %2 dpi: at most %3 pixels a side and %4 megapixels. Choose a lower --dpi.</source>
        <translation>La page %1 est trop grande pour %2 dpi : %3 pixels de côté et %4 mégapixels au plus. Choisissez une valeur de --dpi plus faible.</translation>
    </message>
    <message>
        <source>Not enough memory for page %1.</source>
        <translation>Mémoire insuffisante pour la page %1.</translation>
    </message>
    <message>
        <source>Cannot encode page %1: %2</source>
        <translation>Impossible d’encoder la page %1 : %2</translation>
    </message>
    <message>
        <source>Cannot start the SVG output for page %1.</source>
        <translation>Impossible de commencer la sortie SVG de la page %1.</translation>
    </message>
</context>
<context>
    <name>PdfDocumentWriter</name>
    <message>
        <source>No pages to write.</source>
        <translation>Aucune page à écrire.</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>Impossible d’écrire %1 : c’est un dossier.</translation>
    </message>
    <message>
        <source>Cannot write %1: the file is write-protected.</source>
        <translation>Impossible d’écrire %1 : le fichier est protégé en écriture.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be started.</source>
        <translation>Impossible d’écrire %1 : la sortie PDF n’a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>Cannot write %1: page %2 could not be started.</source>
        <translation>Impossible d’écrire %1 : la page %2 n’a pas pu être commencée.</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF output could not be finished.</source>
        <translation>Impossible d’écrire %1 : la sortie PDF n’a pas pu être terminée.</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ThumbnailPanel</name>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>VisioStencilGrid</name>
    <message>
        <source>This stencil has no masters.</source>
        <translation>Ce gabarit ne contient aucune forme de base.</translation>
    </message>
    <message>
        <source>Masters %1–%2</source>
        <translation>Formes de base %1–%2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 n’est pas un dessin lisible.</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>Impossible de lire %1 : le dessin est endommagé.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 ne contient aucune page.</translation>
    </message>
    <message numerus="yes">
        <source>The page range selects no page: the drawing has %n page(s).</source>
        <translation>
            <numerusform>La plage ne sélectionne aucune page : le dessin compte %n page.</numerusform>
            <numerusform>La plage ne sélectionne aucune page : le dessin compte %n pages.</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawing could not be laid out.</source>
        <translation>La mise en page du dessin a échoué.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder that can be written.</source>
        <translation>« %1 » n’est pas un dossier accessible en écriture.</translation>
    </message>
    <message>
        <source>The drawing has no pictures.</source>
        <translation>Le dessin ne contient aucune image.</translation>
    </message>
    <message>
        <source>The drawing has no layer named &quot;%1&quot;.</source>
        <translation>Le dessin n’a aucun calque nommé « %1 ».</translation>
    </message>
</context>
</TS>
