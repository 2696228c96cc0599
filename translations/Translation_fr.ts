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
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>Close All Tabs</source>
        <translation>Fermer tous les onglets</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Convert every drawing given, and the drawings in the folders given, into DIR, keeping the folders&apos; structure below it.</source>
        <translation>Convertit chaque dessin indiqué, et les dessins des dossiers indiqués, dans DIR, en conservant sous celui-ci la structure des dossiers.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>With --out-dir: pdf (the default), png, svg or txt (the text, page by page).</source>
        <translation>Avec --out-dir : pdf (par défaut), png, svg ou txt (le texte, page par page).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>With --out-dir: search the folders given and all folders below them.</source>
        <translation>Avec --out-dir : parcourt les dossiers indiqués et tous leurs sous-dossiers.</translation>
    </message>
    <message>
        <source>With --out-dir: replace existing outputs, which are otherwise kept.</source>
        <translation>Avec --out-dir : remplace les sorties existantes, qui sont sinon conservées.</translation>
    </message>
    <message>
        <source>With --out-dir: convert only drawings changed since their output was written, replacing the older outputs.</source>
        <translation>Avec --out-dir : ne convertit que les dessins modifiés depuis l’écriture de leur sortie, en remplaçant les sorties plus anciennes.</translation>
    </message>
    <message>
        <source>With --out-dir: convert N drawings at a time, each in a process of its own (default: the number of processors).</source>
        <translation>Avec --out-dir : convertit N dessins à la fois, chacun dans son propre processus (par défaut : le nombre de processeurs).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --out-dir: give up on a drawing after this many seconds (default 120).</source>
        <translation>Avec --out-dir : abandonne un dessin après ce nombre de secondes (120 par défaut).</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>With --out-dir: the most memory, in MB, one drawing&apos;s process may use (default: an equal share of the machine&apos;s memory for each process).</source>
        <translation>Avec --out-dir : la mémoire maximale, en Mo, que peut utiliser le processus d’un dessin (par défaut : une part égale de la mémoire de la machine pour chaque processus).</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>With --out-dir: write a JSON record of every drawing (input, output, status, reason, pages, seconds, peak memory) to FILE.</source>
        <translation>Avec --out-dir : écrit dans FILE un enregistrement JSON de chaque dessin (entrée, sortie, état, motif, pages, secondes, pic de mémoire).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory and --report need --out-dir.</source>
        <translation>--format, --recursive, --overwrite, --skip-newer, -j, --timeout, --max-memory et --report nécessitent --out-dir.</translation>
    </message>
    <message>
        <source>--out-dir needs a folder.</source>
        <translation>--out-dir attend un dossier.</translation>
    </message>
    <message>
        <source>Invalid --format &quot;%1&quot;: expected pdf, png, svg or txt.</source>
        <translation>Valeur de --format « %1 » non valide : pdf, png, svg ou txt attendu.</translation>
    </message>
    <message>
        <source>Invalid -j &quot;%1&quot;: expected a whole number from 1 to %2.</source>
        <translation>Valeur de -j « %1 » non valide : un nombre entier de 1 à %2 est attendu.</translation>
    </message>
    <message>
        <source>Invalid --timeout &quot;%1&quot;: expected seconds, more than 0 and at most 86400.</source>
        <translation>Valeur de --timeout « %1 » non valide : un nombre de secondes supérieur à 0 et d’au plus 86400 est attendu.</translation>
    </message>
    <message>
        <source>Invalid --max-memory &quot;%1&quot;: expected a whole number of MB, at least %2.</source>
        <translation>Valeur de --max-memory « %1 » non valide : un nombre entier de Mo, au moins %2, est attendu.</translation>
    </message>
</context>
<context>
    <name>BatchInputCollector</name>
    <message>
        <source>Cannot read it: %1</source>
        <translation>Lecture impossible : %1</translation>
    </message>
    <message>
        <source>This folder is searched already as %1 (a symbolic link leads to it again).</source>
        <translation>Ce dossier est déjà parcouru en tant que %1 (un lien symbolique y ramène).</translation>
    </message>
    <message>
        <source>Cannot read the folder: %1</source>
        <translation>Impossible de lire le dossier : %1</translation>
    </message>
    <message>
        <source>Not a drawing.</source>
        <translation>Ce n’est pas un dessin.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>BatchOutputNames</name>
    <message>
        <source>Another drawing has the output name %1 too; this one is written as %2.</source>
        <translation>Un autre dessin a aussi le nom de sortie %1 ; celui-ci est écrit sous le nom %2.</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>converti  %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed    %1: %2</source>
        <translation>échec     %1 : %2</translation>
    </message>
    <message>
        <source>skipped   %1: %2</source>
        <translation>ignoré    %1 : %2</translation>
    </message>
    <message>
        <source>%1/%2 done, %3 failed, %4 drawings/s</source>
        <translation>%1/%2 terminés, %3 en échec, %4 dessins/s</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1 converted, %2 failed, %3 skipped</source>
        <translation>%1 convertis, %2 en échec, %3 ignorés</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>Impossible d’écrire le rapport %1 : %2</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>Cannot write into the output folder %1: %2</source>
        <translation>Impossible d’écrire dans le dossier de sortie %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the report %1.</source>
        <translation>Impossible d’écrire le rapport %1.</translation>
    </message>
    <message>
        <source>Its output is newer than the drawing.</source>
        <translation>Sa sortie est plus récente que le dessin.</translation>
    </message>
    <message>
        <source>Its output exists; --overwrite replaces it.</source>
        <translation>Sa sortie existe ; --overwrite la remplace.</translation>
    </message>
    <message>
        <source>Cannot write into the output folder: %1</source>
        <translation>Impossible d’écrire dans le dossier de sortie : %1</translation>
    </message>
    <message>
        <source>Cannot read it: its name is not valid in this locale.</source>
        <translation>Lecture impossible : son nom n’est pas valide pour les paramètres régionaux actuels.</translation>
    </message>
    <message>
        <source>The converter wrote nothing.</source>
        <translation>Le convertisseur n’a rien écrit.</translation>
    </message>
    <message>
        <source>The converter wrote an unexpected file: %1</source>
        <translation>Le convertisseur a écrit un fichier inattendu : %1</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a folder.</source>
        <translation>Impossible d’écrire %1 : c’est un dossier.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>The output would lie outside the output folder.</source>
        <translation>La sortie se trouverait hors du dossier de sortie.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link: outputs are written only inside the output folder.</source>
        <translation>%1 est un lien symbolique : les sorties ne sont écrites que dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>Interrupted: drawings not finished are not in the report, and nothing of them was written.</source>
        <translation>Interrompu : les dessins non terminés ne figurent pas dans le rapport et rien n’en a été écrit.</translation>
    </message>
</context>
<context>
    <name>BatchWorker</name>
    <message>
        <source>The converter could not be started: %1</source>
        <translation>Impossible de démarrer le convertisseur : %1</translation>
    </message>
    <message>
        <source>Given up after %1 s: the drawing takes too long.</source>
        <translation>Abandonné après %1 s : le dessin prend trop de temps.</translation>
    </message>
    <message>
        <source>Ran out of memory (at most %1 MB for one drawing).</source>
        <translation>Mémoire épuisée (au plus %1 Mo pour un dessin).</translation>
    </message>
    <message>
        <source>The converter stopped on signal %1 (%2).</source>
        <translation>Le convertisseur s’est arrêté sur le signal %1 (%2).</translation>
    </message>
    <message>
        <source>The converter gave no result.</source>
        <translation>Le convertisseur n’a donné aucun résultat.</translation>
    </message>
    <message>
        <source>The converter failed with exit code %1.</source>
        <translation>Le convertisseur a échoué avec le code de sortie %1.</translation>
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
    <name>DocumentReloadController</name>
    <message>
        <source>%1 could not be read again. %2 The tab shows the version read before.</source>
        <translation>Impossible de relire %1. %2 L&apos;onglet affiche la version lue auparavant.</translation>
    </message>
</context>
<context>
    <name>DrawingThumbnailer</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n’est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB: no thumbnail is made of it.</source>
        <translation>%1 dépasse %2 Mo : aucune miniature n’en est créée.</translation>
    </message>
    <message>
        <source>%1 could not be read: the drawing is damaged.</source>
        <translation>Impossible de lire %1 : le dessin est endommagé.</translation>
    </message>
    <message>
        <source>%1 is not a drawing that can be read.</source>
        <translation>%1 n’est pas un dessin lisible.</translation>
    </message>
    <message>
        <source>%1 has no pages.</source>
        <translation>%1 ne contient aucune page.</translation>
    </message>
    <message>
        <source>Page 1 of %1 is empty.</source>
        <translation>La page 1 de %1 est vide.</translation>
    </message>
    <message>
        <source>Page 1 of %1 could not be laid out.</source>
        <translation>La page 1 de %1 n’a pas pu être mise en page.</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Mémoire insuffisante pour une image de %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>Cannot encode the picture: %1</source>
        <translation>Impossible d’encoder l’image : %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
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
        <source>Print the drawing&apos;s text on standard output in reading order, each page headed by its name and ended by a form feed, for search indexers.</source>
        <translation>Affiche le texte du dessin sur la sortie standard dans l’ordre de lecture, chaque page précédée de son nom et terminée par un saut de page, pour les moteurs d’indexation.</translation>
    </message>
    <message>
        <source>The Visio drawing to read; with --out-dir, drawings and folders.</source>
        <translation>Le dessin Visio à lire ; avec --out-dir, des dessins et des dossiers.</translation>
    </message>
    <message>
        <source>OUT.pdf, OUT.png, OUT.svg or OUT.txt.</source>
        <translation>OUT.pdf, OUT.png, OUT.svg ou OUT.txt.</translation>
    </message>
    <message>
        <source>--text takes exactly one drawing.</source>
        <translation>--text attend exactement un dessin.</translation>
    </message>
    <message>
        <source>--out-dir needs at least one drawing or folder.</source>
        <translation>--out-dir attend au moins un dessin ou un dossier.</translation>
    </message>
    <message>
        <source>The output file must end in .pdf, .png, .svg or .txt: %1</source>
        <translation>Le fichier de sortie doit se terminer par .pdf, .png, .svg ou .txt : %1</translation>
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
        <source>--layers takes exactly one drawing.</source>
        <translation>--layers prend exactement un dessin.</translation>
    </message>
    <message>
        <source>Converts the pages of a Visio drawing (.vsd, .vsdx, .vdx and the stencil, template and macro-enabled kinds) to PDF, PNG, SVG or text.
PNG and SVG write one file per page: OUT-1.png, OUT-2.png, ...
The output has the layers the drawing prints. A stencil gives sheets of its masters, each with its name.
With --out-dir, converts many drawings at once, several at a time.</source>
        <translation>Convertit les pages d’un dessin Visio (.vsd, .vsdx, .vdx ainsi que les gabarits, modèles et fichiers prenant en charge les macros) en PDF, PNG, SVG ou texte.
PNG et SVG écrivent un fichier par page : OUT-1.png, OUT-2.png, ...
La sortie contient les calques que le dessin imprime. Un gabarit donne des feuilles de ses formes de base, chacune avec son nom.
Avec --out-dir, convertit de nombreux dessins en une fois, plusieurs à la fois.</translation>
    </message>
    <message>
        <source>--info, --layers, --images, --text and --out-dir do not go together.</source>
        <translation>--info, --layers, --images, --text et --out-dir ne peuvent pas être combinés.</translation>
    </message>
    <message>
        <source>--hide-layer applies to PDF, PNG, SVG and text output only.</source>
        <translation>--hide-layer ne s’applique qu’aux sorties PDF, PNG, SVG et texte.</translation>
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
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
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
    <name>OpenFailure</name>
    <message>
        <source>The file was not found.</source>
        <translation>Le fichier est introuvable.</translation>
    </message>
    <message>
        <source>It is a folder, not a drawing.</source>
        <translation>C&apos;est un dossier, pas un dessin.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>Ce n&apos;est pas un fichier, mais un périphérique ou un tube.</translation>
    </message>
    <message>
        <source>You do not have permission to read it.</source>
        <translation>Vous n&apos;avez pas l&apos;autorisation de le lire.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>Le fichier est trop volumineux pour être ouvert.</translation>
    </message>
    <message>
        <source>It is not a Visio drawing.</source>
        <translation>Ce n&apos;est pas un dessin Visio.</translation>
    </message>
    <message>
        <source>The drawing is damaged and could not be read.</source>
        <translation>Le dessin est endommagé et n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The drawing has no pages.</source>
        <translation>Le dessin ne contient aucune page.</translation>
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
    <message>
        <source>Cannot write the text to standard output: %1</source>
        <translation>Impossible d’écrire le texte sur la sortie standard : %1</translation>
    </message>
</context>
<context>
    <name>PageTextExtractor</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
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
    <name>RecentFilesMenu</name>
    <message>
        <source>Remove Missing Drawings</source>
        <translation>Retirer les dessins introuvables</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (introuvable)</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Retirer de la liste</translation>
    </message>
</context>
<context>
    <name>ReloadBar</name>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
    <name>ThumbnailerCommandLine</name>
    <message>
        <source>Writes a PNG picture of page 1 of a Visio drawing, for file managers to show as
the drawing&apos;s thumbnail; they run it as plandraw.thumbnailer says. It gives up,
leaving no file behind, on anything but a drawing with a page 1 to show, and on
drawings that take longer than the time limit.</source>
        <translation>Écrit une image PNG de la page 1 d’un dessin Visio, que les gestionnaires de
fichiers affichent comme miniature du dessin ; ils le lancent comme l’indique
plandraw.thumbnailer. Il abandonne, sans laisser de fichier, pour tout ce qui
n’est pas un dessin avec une page 1 à montrer, et pour les dessins qui prennent
plus de temps que la limite.</translation>
    </message>
    <message>
        <source>The picture&apos;s longer side in pixels; larger sizes than %1 are brought down to %1.</source>
        <translation>Le plus grand côté de l’image en pixels ; les tailles au-delà de %1 sont ramenées à %1.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>Give up after SECONDS (default %1).</source>
        <translation>Abandonner après SECONDS secondes (par défaut %1).</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDS</translation>
    </message>
    <message>
        <source>Show diagnostic messages.</source>
        <translation>Affiche les messages de diagnostic.</translation>
    </message>
    <message>
        <source>input</source>
        <translation>entrée</translation>
    </message>
    <message>
        <source>The Visio drawing to read.</source>
        <translation>Le dessin Visio à lire.</translation>
    </message>
    <message>
        <source>output</source>
        <translation>sortie</translation>
    </message>
    <message>
        <source>The PNG file to write.</source>
        <translation>Le fichier PNG à écrire.</translation>
    </message>
    <message>
        <source>Expected a drawing and an output file (see --help).</source>
        <translation>Un dessin et un fichier de sortie sont attendus (voir --help).</translation>
    </message>
    <message>
        <source>Give the picture&apos;s size with -s SIZE.</source>
        <translation>Indiquez la taille de l’image avec -s SIZE.</translation>
    </message>
    <message>
        <source>The size must be a whole number of pixels, at least 1.</source>
        <translation>La taille doit être un nombre entier de pixels, au moins 1.</translation>
    </message>
    <message>
        <source>The time limit must be a number of seconds above 0 and at most %1.</source>
        <translation>La limite de temps doit être un nombre de secondes supérieur à 0 et d’au plus %1.</translation>
    </message>
</context>
<context>
    <name>ViewerCommandLine</name>
    <message>
        <source>Views Microsoft Visio drawings (.vsd, .vsdx, .vdx, and stencils and templates),
each in a tab of its own.</source>
        <translation>Affiche les dessins Microsoft Visio (.vsd, .vsdx, .vdx, ainsi que les gabarits et
les modèles), chacun dans son propre onglet.</translation>
    </message>
    <message>
        <source>drawings</source>
        <translation>dessins</translation>
    </message>
    <message>
        <source>The drawings to open.</source>
        <translation>Les dessins à ouvrir.</translation>
    </message>
    <message>
        <source>[drawing...]</source>
        <translation>[dessin...]</translation>
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
        <source>Gave up after %1 seconds: the drawing takes too long.</source>
        <translation>Abandon après %1 secondes : le dessin prend trop de temps.</translation>
    </message>
    <message>
        <source>Gave up: the drawing needs too much memory.</source>
        <translation>Abandon : le dessin demande trop de mémoire.</translation>
    </message>
    <message>
        <source>The drawing has no layer named &quot;%1&quot;.</source>
        <translation>Le dessin n’a aucun calque nommé « %1 ».</translation>
    </message>
</context>
</TS>
