<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FolderDialog</name>
    <message>
        <source>Not a valid drive letter</source>
        <translation>Lettre de lecteur non valide</translation>
    </message>
    <message>
        <source>Drive not ready</source>
        <translation>Lecteur non prêt</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Choose a destination folder where Tovrane will store your newly
created zip files.</source>
        <translation>Choisissez un dossier de destination où Tovrane enregistrera vos
nouveaux fichiers zip.</translation>
    </message>
    <message>
        <source>File Destination</source>
        <translation>Destination des fichiers</translation>
    </message>
    <message>
        <source>Choose a destination folder where Tovrane will store
your files after unzipping them.</source>
        <translation>Choisissez un dossier de destination où Tovrane enregistrera
vos fichiers après leur décompression.</translation>
    </message>
    <message>
        <source>Set temporary path</source>
        <translation>Définir le chemin temporaire</translation>
    </message>
    <message>
        <source>Choose a temporary folder where Tovrane can use for
compressing and uncompressing your Zip files.</source>
        <translation>Choisissez un dossier temporaire que Tovrane pourra utiliser pour
compresser et décompresser vos fichiers zip.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Créer le dossier</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Arborescence des dossiers</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>About Tovrane</source>
        <translation>À propos de Tovrane</translation>
    </message>
    <message>
        <source>Tovrane was developed by the Tovrane team</source>
        <translation>Tovrane a été développé par l&apos;équipe Tovrane</translation>
    </message>
    <message>
        <source>Archive engine built on libzip and libdeflate, by their authors.</source>
        <translation>Moteur d&apos;archives fondé sur libzip et libdeflate, par leurs auteurs.</translation>
    </message>
    <message>
        <source>Visit the Tovrane homepage</source>
        <translation>Visiter le site de Tovrane</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tovrane homepage</source>
        <translation>Site web de Tovrane</translation>
    </message>
    <message>
        <source>Opens the homepage in the web browser</source>
        <translation>Ouvre le site web dans le navigateur</translation>
    </message>
</context>
<context>
    <name>TCRC32_Form</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>File Crc 32</source>
        <translation>CRC32 du fichier</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>Taille du fichier (octets)</translation>
    </message>
    <message>
        <source>Tovrane CRC32 Reporting Tool</source>
        <translation>Rapport CRC32 de Tovrane</translation>
    </message>
    <message>
        <source>This option will report CRC32 values of ANY files selected on the main screen.</source>
        <translation>Cette option donne les valeurs CRC32 de TOUS les fichiers choisis dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>CRC32 report</source>
        <translation>Rapport CRC32</translation>
    </message>
    <message>
        <source>Report progress</source>
        <translation>Avancement du rapport</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Save Report to a File</source>
        <translation>Enregistrer le rapport dans un fichier</translation>
    </message>
    <message>
        <source>Save Tovrane CRC32 Report</source>
        <translation>Enregistrer le rapport CRC32 de Tovrane</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Cancel CRC32 reporting Operation ?</source>
        <translation>Annuler le rapport CRC32 ?</translation>
    </message>
</context>
<context>
    <name>TCreate_Folder</name>
    <message>
        <source>Create a new folder</source>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>Current Folder Path :</source>
        <translation>Chemin du dossier actuel :</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Aucun)</translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Nom du nouveau dossier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Créer le dossier</translation>
    </message>
    <message>
        <source>Folder created successfully.</source>
        <translation>Dossier créé.</translation>
    </message>
    <message>
        <source>Cannot create folder</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>New folder name</source>
        <translation>Nom du nouveau dossier</translation>
    </message>
    <message>
        <source>The folder to make in the current folder path</source>
        <translation>Le dossier à créer dans le chemin du dossier actuel</translation>
    </message>
</context>
<context>
    <name>TDefinable_Ext</name>
    <message>
        <source>Definable File Extensions</source>
        <translation>Extensions de fichier personnalisées</translation>
    </message>
    <message>
        <source>Existing File Extensions</source>
        <translation>Extensions de fichier existantes</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensions de fichier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Add a New Extension</source>
        <translation>Ajouter une nouvelle extension</translation>
    </message>
    <message>
        <source>New extension</source>
        <translation>Nouvelle extension</translation>
    </message>
    <message>
        <source>A file extension to add to the list</source>
        <translation>Une extension de fichier à ajouter à la liste</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You type a file extension type in order to add it.</source>
        <translation>Tapez une extension de fichier pour l&apos;ajouter.</translation>
    </message>
    <message>
        <source>You must select a file extension type in order to remove it.</source>
        <translation>Vous devez choisir une extension de fichier pour la supprimer.</translation>
    </message>
</context>
<context>
    <name>TDeleteScreen</name>
    <message>
        <source>Initializing</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete in progress...Please Wait</source>
        <translation>Suppression en cours... Veuillez patienter</translation>
    </message>
    <message>
        <source>Deleting :</source>
        <translation>Suppression :</translation>
    </message>
</context>
<context>
    <name>TDupes</name>
    <message>
        <source>%1 file limit reached.  Only the first %1 files will be listed.</source>
        <translation>Limite de %1 fichiers atteinte.  Seuls les %1 premiers fichiers seront listés.</translation>
    </message>
    <message>
        <source>Number of Duplicates found : </source>
        <translation>Nombre de doublons trouvés : </translation>
    </message>
    <message>
        <source>Number of Duplicates found : &lt;LOOKING&gt;</source>
        <translation>Nombre de doublons trouvés : &lt;RECHERCHE&gt;</translation>
    </message>
    <message>
        <source>Duplicate File Remover Tool</source>
        <translation>Suppression des fichiers en double</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Groupes de doublons</translation>
    </message>
    <message>
        <source>Duplicate files</source>
        <translation>Fichiers en double</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Avancement de la recherche</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Delete Selected Files</source>
        <translation>Supprimer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Status : Reading file CRC32 - please wait</source>
        <translation>État : lecture des CRC32 des fichiers - veuillez patienter</translation>
    </message>
    <message>
        <source>Status : Analysing Results : Please Wait</source>
        <translation>État : analyse des résultats : veuillez patienter</translation>
    </message>
    <message>
        <source>Status : Complete.</source>
        <translation>État : terminé.</translation>
    </message>
    <message>
        <source>No Duplicate files found.</source>
        <translation>Aucun fichier en double trouvé.</translation>
    </message>
    <message>
        <source>You must select a file before you can delete it.</source>
        <translation>Vous devez choisir un fichier avant de pouvoir le supprimer.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all files you have selected ?</source>
        <translation>Voulez-vous vraiment supprimer tous les fichiers sélectionnés ?</translation>
    </message>
    <message>
        <source>Not deleted, as no file you keep holds the same bytes any more:
</source>
        <translation>Non supprimés, car aucun fichier conservé ne contient plus les mêmes octets :
</translation>
    </message>
    <message>
        <source>Cancel duplicate reporting Operation ?</source>
        <translation>Annuler la recherche de doublons ?</translation>
    </message>
    <message>
        <source>Operation Completed.</source>
        <translation>Opération terminée.</translation>
    </message>
</context>
<context>
    <name>TErrorLog</name>
    <message>
        <source>%1: %2 already holds %3 from another file of this batch.</source>
        <translation>%1 : %2 contient déjà %3 d&apos;un autre fichier de ce lot.</translation>
    </message>
    <message>
        <source>%1: its archive %2 is taken by folder %3 of this batch.</source>
        <translation>%1 : son archive %2 est déjà prise par le dossier %3 de ce lot.</translation>
    </message>
    <message>
        <source> skipped. (Maybe password protected or out of disk space)</source>
        <translation> ignoré. (Peut-être protégé par mot de passe ou disque plein)</translation>
    </message>
    <message>
        <source> skipped. (Cannot find zip file)</source>
        <translation> ignoré. (Fichier zip introuvable)</translation>
    </message>
    <message>
        <source> skipped. (Not a valid zip file)</source>
        <translation> ignoré. (Fichier zip non valide)</translation>
    </message>
    <message>
        <source>** Not enough memory to complete the operation.</source>
        <translation>** Mémoire insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source> skipped. (File/Folder maybe use or empty?)</source>
        <translation> ignoré. (Fichier/dossier peut-être utilisé ou vide ?)</translation>
    </message>
    <message>
        <source> skipped. (Disk full)</source>
        <translation> ignoré. (Disque plein)</translation>
    </message>
    <message>
        <source> skipped. (Unexpected End of file occured)</source>
        <translation> ignoré. (Fin de fichier inattendue)</translation>
    </message>
    <message>
        <source>** ZeZip32.dll or ZeUnZ32.dll not found - try re-installing Tovrane.</source>
        <translation>** ZeZip32.dll ou ZeUnZ32.dll introuvable - essayez de réinstaller Tovrane.</translation>
    </message>
    <message>
        <source>** Unknown internal error Occured.</source>
        <translation>** Une erreur interne inconnue s&apos;est produite.</translation>
    </message>
    <message>
        <source>** Error creating temp file. Check Path is valid and disk is not full.</source>
        <translation>** Erreur à la création du fichier temporaire. Vérifiez que le chemin est valide et que le disque n&apos;est pas plein.</translation>
    </message>
    <message>
        <source> skipped. (Cannot read file)</source>
        <translation> ignoré. (Lecture du fichier impossible)</translation>
    </message>
    <message>
        <source> skipped. (Cannot write zip file) - 300</source>
        <translation> ignoré. (Écriture du fichier zip impossible) - 300</translation>
    </message>
    <message>
        <source> skipped. (Cannot write zip file) - 310</source>
        <translation> ignoré. (Écriture du fichier zip impossible) - 310</translation>
    </message>
    <message>
        <source> skipped. (Archive appears to be incomplete) - 410</source>
        <translation> ignoré. (L&apos;archive semble incomplète) - 410</translation>
    </message>
    <message>
        <source> ignored. (Use rezip to recompress the zip file)</source>
        <translation> laissé de côté. (Utilisez Recompresser pour recompresser le fichier zip)</translation>
    </message>
    <message>
        <source> could not be deleted. (In use?)</source>
        <translation> n&apos;a pas pu être supprimé. (Utilisé ?)</translation>
    </message>
    <message>
        <source> cound not fully be deleted (In use?)</source>
        <translation> n&apos;a pas pu être entièrement supprimé (Utilisé ?)</translation>
    </message>
    <message>
        <source> replaced by a later entry of the same name. (Zip file kept)</source>
        <translation> remplacé par une entrée suivante du même nom. (Fichier zip conservé)</translation>
    </message>
    <message>
        <source> was changed by another program while in use. (Zip file kept)</source>
        <translation> a été modifié par un autre programme pendant son traitement. (Fichier zip conservé)</translation>
    </message>
    <message>
        <source> not deleted: its zip file lacks some of its files. (Folder kept)</source>
        <translation> non supprimé : il manque certains de ses fichiers dans son fichier zip. (Dossier conservé)</translation>
    </message>
    <message>
        <source> not deleted: its zip file failed the test. (File kept)</source>
        <translation> non supprimé : son fichier zip a échoué au test. (Fichier conservé)</translation>
    </message>
    <message>
        <source> not deleted: its zip file failed the test. (Folder kept)</source>
        <translation> non supprimé : son fichier zip a échoué au test. (Dossier conservé)</translation>
    </message>
    <message>
        <source> (Zip file kept)</source>
        <translation> (Fichier zip conservé)</translation>
    </message>
    <message>
        <source> (File kept)</source>
        <translation> (Fichier conservé)</translation>
    </message>
    <message>
        <source> (Folder kept)</source>
        <translation> (Dossier conservé)</translation>
    </message>
    <message>
        <source>Undefined Error Code : %1 File : %2</source>
        <translation>Code d&apos;erreur non défini : %1 Fichier : %2</translation>
    </message>
    <message>
        <source>Error log</source>
        <translation>Journal des erreurs</translation>
    </message>
    <message>
        <source>Save to a File</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <translation>Rien à enregistrer.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Error Log.txt</source>
        <translation>Journal des erreurs.txt</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>%1: %2 would replace a file of %3.</source>
        <translation>%1 : %2 remplacerait un fichier de %3.</translation>
    </message>
    <message>
        <source> not deleted: a file extracted from it does not match it. (Zip file kept)</source>
        <translation> non supprimé : un fichier extrait ne lui correspond pas. (Fichier zip conservé)</translation>
    </message>
    <message>
        <source>Error log lines</source>
        <translation>Lignes du journal des erreurs</translation>
    </message>
</context>
<context>
    <name>TFileInclusion</name>
    <message>
        <source>File Inclusion</source>
        <translation>Inclusion de fichier</translation>
    </message>
    <message>
        <source>Please choose a file you want Tovrane to include in every zip.</source>
        <translation>Veuillez choisir un fichier que Tovrane doit inclure dans chaque fichier zip.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Arborescence des dossiers</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>The file to include in every zip</source>
        <translation>Le fichier à inclure dans chaque fichier zip</translation>
    </message>
</context>
<context>
    <name>TFileInfo</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>1 Disk (of 1.44mb)</source>
        <translation>1 disquette (de 1,44 Mo)</translation>
    </message>
    <message>
        <source>%1 Disks (of 1.44mb)</source>
        <translation>%1 disquettes (de 1,44 Mo)</translation>
    </message>
    <message>
        <source>Unable to retrive</source>
        <translation>Impossible à obtenir</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informations sur le fichier</translation>
    </message>
    <message>
        <source>File name :</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>File size :</source>
        <translation>Taille du fichier :</translation>
    </message>
    <message>
        <source>No of Floppys : </source>
        <translation>Nombre de disquettes : </translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Tovrane Help</source>
        <translation>Aide de Tovrane</translation>
    </message>
    <message>
        <source>The help file %1 is missing. Reinstall Tovrane.</source>
        <translation>Le fichier d&apos;aide %1 est absent. Réinstallez Tovrane.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l&apos;aide</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>%1 files selected.</source>
        <translation>%1 fichiers sélectionnés.</translation>
    </message>
    <message>
        <source>%1 folders selected.</source>
        <translation>%1 dossiers sélectionnés.</translation>
    </message>
    <message>
        <source>Delete Selected File(s)</source>
        <translation>Supprimer le(s) fichier(s) sélectionné(s)</translation>
    </message>
    <message>
        <source>Rename Selected File(s)</source>
        <translation>Renommer le(s) fichier(s) sélectionné(s)</translation>
    </message>
    <message>
        <source>View file information</source>
        <translation>Afficher les informations du fichier</translation>
    </message>
    <message>
        <source>Test zip file(s) integrity</source>
        <translation>Tester l&apos;intégrité du/des fichier(s) zip</translation>
    </message>
    <message>
        <source>Trim File</source>
        <translation>Tronquer le fichier</translation>
    </message>
    <message>
        <source>Delete selected folders</source>
        <translation>Supprimer les dossiers sélectionnés</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>Not a valid drive letter</source>
        <translation>Lettre de lecteur non valide</translation>
    </message>
    <message>
        <source>Drive not ready, please check you have inserted a disk and try again</source>
        <translation>Lecteur non prêt, vérifiez qu&apos;un disque est inséré et réessayez</translation>
    </message>
    <message>
        <source>0 Files Selected</source>
        <translation>0 fichier sélectionné</translation>
    </message>
    <message>
        <source>0 Folders Selected</source>
        <translation>0 dossier sélectionné</translation>
    </message>
    <message>
        <source>Files Selected.</source>
        <translation>Fichiers sélectionnés.</translation>
    </message>
    <message>
        <source>Click here to refresh the file or folder view</source>
        <translation>Cliquez ici pour actualiser la vue des fichiers ou des dossiers</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Arborescence des dossiers</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Filtre de fichiers</translation>
    </message>
    <message>
        <source>Define File Filters</source>
        <translation>Définir les filtres de fichiers</translation>
    </message>
    <message>
        <source>Click here to adjust the size of the view</source>
        <translation>Cliquez ici pour ajuster la taille de la vue</translation>
    </message>
    <message>
        <source>Set view to folders</source>
        <translation>Afficher les dossiers</translation>
    </message>
    <message>
        <source>Changes the View to folders</source>
        <translation>Passe à la vue des dossiers</translation>
    </message>
    <message>
        <source>Set view to files</source>
        <translation>Afficher les fichiers</translation>
    </message>
    <message>
        <source>Changes the View to files</source>
        <translation>Passe à la vue des fichiers</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pauses the operation in progress</source>
        <translation>Met en pause l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Interupts the operation in progress</source>
        <translation>Interrompt l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverser la sélection</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Inverts selected files or folders</source>
        <translation>Inverse la sélection des fichiers ou des dossiers</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>Ne rien sélectio&amp;nner</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>Aucu&amp;n</translation>
    </message>
    <message>
        <source>Deselects all files or folders in view</source>
        <translation>Désélectionne tous les fichiers ou dossiers affichés</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>Selectes all files or folders in view</source>
        <translation>Sélectionne tous les fichiers ou dossiers affichés</translation>
    </message>
    <message>
        <source>&amp;Unzip</source>
        <translation>&amp;Extraire</translation>
    </message>
    <message>
        <source>Unzips all selected zip files</source>
        <translation>Décompresse tous les fichiers zip sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Zip</source>
        <translation>&amp;Compr.</translation>
    </message>
    <message>
        <source>Zips selected files or folders</source>
        <translation>Compresse les fichiers ou dossiers sélectionnés</translation>
    </message>
    <message>
        <source>Zip Testing Tool</source>
        <translation>Test des fichiers zip</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Tests the integrity of selected zip files</source>
        <translation>Teste l&apos;intégrité des fichiers zip sélectionnés</translation>
    </message>
    <message>
        <source>Rezip</source>
        <translation>Recomp.</translation>
    </message>
    <message>
        <source>Updates the file and folder listing</source>
        <translation>Met à jour la liste des fichiers et des dossiers</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Deletes selected files or folders</source>
        <translation>Supprime les fichiers ou dossiers sélectionnés</translation>
    </message>
    <message>
        <source>Rename Using Templates Tool</source>
        <translation>Renommer avec des modèles</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renom.</translation>
    </message>
    <message>
        <source>Renames selected files using one of many templates</source>
        <translation>Renomme les fichiers sélectionnés selon l&apos;un des nombreux modèles</translation>
    </message>
    <message>
        <source>CRC32 Reporting Tool</source>
        <translation>Rapport CRC32</translation>
    </message>
    <message>
        <source>CRC32</source>
        <translation>CRC32</translation>
    </message>
    <message>
        <source>Reports the cyclic redundancy code (crc32) of selected files</source>
        <translation>Donne le contrôle de redondance cyclique (CRC32) des fichiers sélectionnés</translation>
    </message>
    <message>
        <source>File Trimming Tool</source>
        <translation>Troncature de fichier</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Tronquer</translation>
    </message>
    <message>
        <source>Trims a selected file to a desired length</source>
        <translation>Tronque un fichier sélectionné à la longueur voulue</translation>
    </message>
    <message>
        <source>Duplicate File Removal Tool</source>
        <translation>Suppression des fichiers en double</translation>
    </message>
    <message>
        <source>Dupes</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>File Duplication removal utility</source>
        <translation>Outil de suppression des fichiers en double</translation>
    </message>
    <message>
        <source>Delete Selected Files</source>
        <translation>Supprimer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Delete Selected Folders</source>
        <translation>Supprimer les dossiers sélectionnés</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refresh File or Folder View</source>
        <translation>Actualiser la vue des fichiers ou des dossiers</translation>
    </message>
    <message>
        <source>View Error Log</source>
        <translation>Afficher le journal des erreurs</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Click Here to Add More File Filters</source>
        <translation>Cliquez ici pour ajouter d&apos;autres filtres de fichiers</translation>
    </message>
    <message>
        <source>Restore Default Settings</source>
        <translation>Rétablir les paramètres par défaut</translation>
    </message>
    <message>
        <source>Disk Format Tool</source>
        <translation>Formatage de disque</translation>
    </message>
    <message>
        <source>Help with Tovrane</source>
        <translation>Aide sur Tovrane</translation>
    </message>
    <message>
        <source>Visit the Tovrane homepage</source>
        <translation>Visiter le site de Tovrane</translation>
    </message>
    <message>
        <source>Email a Suggestion</source>
        <translation>Envoyer une suggestion par courriel</translation>
    </message>
    <message>
        <source>About Tovrane</source>
        <translation>À propos de Tovrane</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Annuler le dernier renommage</translation>
    </message>
    <message>
        <source>Tovrane 6.04 - batch archiving made simple</source>
        <translation>Tovrane 6.04 - l&apos;archivage par lots en toute simplicité</translation>
    </message>
    <message>
        <source>Tovrane has been designed for screen resolutions of 800x600 and/or greater.  Tovrane may appear incorrect using your current screen settings.</source>
        <translation>Tovrane est conçu pour des résolutions d&apos;écran de 800x600 ou plus.  Avec vos réglages d&apos;écran actuels, Tovrane risque de s&apos;afficher incorrectement.</translation>
    </message>
    <message>
        <source>Closing down operation - please wait.</source>
        <translation>Arrêt de l&apos;opération - veuillez patienter.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset to factory defaults ?</source>
        <translation>Voulez-vous vraiment rétablir les réglages d&apos;usine ?</translation>
    </message>
    <message>
        <source>Could not complete operation.</source>
        <translation>L&apos;opération n&apos;a pas pu être terminée.</translation>
    </message>
    <message>
        <source>Tovrane will now restart for the changes to take effect.</source>
        <translation>Tovrane va redémarrer pour appliquer les modifications.</translation>
    </message>
    <message>
        <source>This option is not available on this system</source>
        <translation>Cette option n&apos;est pas disponible sur ce système</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Set Viewing Focus to</source>
        <translation>Changer la vue pour</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>Zip Settings</source>
        <translation>Paramètres de compression</translation>
    </message>
    <message>
        <source>Zip File Settings</source>
        <translation>Paramètres des fichiers zip</translation>
    </message>
    <message>
        <source>Make Zip Extension</source>
        <translation>Extension des fichiers zip</translation>
    </message>
    <message>
        <source>Zip Folder Settings</source>
        <translation>Paramètres des dossiers</translation>
    </message>
    <message>
        <source>Unzip Settings</source>
        <translation>Paramètres de décompression</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>The error log holds 1 line.</source>
        <translation>Le journal des erreurs contient 1 ligne.</translation>
    </message>
    <message>
        <source>The error log holds %1 lines.</source>
        <translation>Le journal des erreurs contient %1 lignes.</translation>
    </message>
    <message>
        <source>%1 not shown under the file filter.</source>
        <translation>%1 masqué(s) par le filtre de fichiers.</translation>
    </message>
    <message>
        <source>Only the first folder is shown: %1 more left out.</source>
        <translation>Seul le premier dossier est affiché : %1 autre(s) laissé(s) de côté.</translation>
    </message>
    <message>
        <source>Only the files of %1 are selected: %2 more left out.</source>
        <translation>Seuls les fichiers de %1 sont sélectionnés : %2 autre(s) laissé(s) de côté.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 introuvable(s).</translation>
    </message>
    <message>
        <source>Save zips in</source>
        <translation>Enregistrer les fichiers zip dans</translation>
    </message>
    <message>
        <source>Choose the folder to save zips in</source>
        <translation>Choisir le dossier où enregistrer les fichiers zip</translation>
    </message>
    <message>
        <source>File to include in each zip</source>
        <translation>Fichier à inclure dans chaque fichier zip</translation>
    </message>
    <message>
        <source>Choose a file to include in each zip</source>
        <translation>Choisir un fichier à inclure dans chaque fichier zip</translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>Dossier temporaire</translation>
    </message>
    <message>
        <source>Choose the temp folder</source>
        <translation>Choisir le dossier temporaire</translation>
    </message>
    <message>
        <source>Unzip files to</source>
        <translation>Décompresser les fichiers dans</translation>
    </message>
    <message>
        <source>Choose the folder to unzip files to</source>
        <translation>Choisir le dossier où décompresser les fichiers</translation>
    </message>
    <message>
        <source>Zip password</source>
        <translation>Mot de passe de compression</translation>
    </message>
    <message>
        <source>Unzip password</source>
        <translation>Mot de passe de décompression</translation>
    </message>
    <message>
        <source>Quick Zipping Options</source>
        <translation>Options rapides de compression</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Le plus rapide</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Niveau de compression</translation>
    </message>
    <message>
        <source>Compression level, %1 fastest to %2 smallest</source>
        <translation>Niveau de compression, de %1 le plus rapide à %2 le plus compact</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Le plus compact</translation>
    </message>
    <message>
        <source>Quick Unzipping Options</source>
        <translation>Options rapides de décompression</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Avancement global</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Avancement du fichier en cours</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Keep Original File Extension in Zip File Names</source>
        <translation>Garder l&apos;extension d&apos;origine dans le nom des fichiers zip</translation>
    </message>
    <message>
        <source>Keep Original Zip File Extension in Zip Filename ?</source>
        <translation>Garder l&apos;extension d&apos;origine dans le nom ?</translation>
    </message>
    <message>
        <source>Show File and Folder Icons</source>
        <translation>Afficher les icônes des fichiers et des dossiers</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Majuscules</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Minuscules</translation>
    </message>
    <message>
        <source>Delete Original File After Successfully Zipping</source>
        <translation>Supprimer le fichier d&apos;origine après une compression réussie</translation>
    </message>
    <message>
        <source>Delete Original File After Successfully Zipping ?</source>
        <translation>Supprimer l&apos;original après compression ?</translation>
    </message>
    <message>
        <source>Beep When Zipping Process is Complete</source>
        <translation>Bip à la fin de la compression</translation>
    </message>
    <message>
        <source>Beep when Zipping Process has Completed ?</source>
        <translation>Bip à la fin de la compression ?</translation>
    </message>
    <message>
        <source>Store Full File Paths in Zip Files</source>
        <translation>Enregistrer les chemins complets dans les fichiers zip</translation>
    </message>
    <message>
        <source>Recurse Folders if Zip Contains them</source>
        <translation>Recréer les dossiers si le fichier zip en contient</translation>
    </message>
    <message>
        <source>Recurse Folders if Zips Contain them ?</source>
        <translation>Recréer les dossiers contenus dans les zip ?</translation>
    </message>
    <message>
        <source>Beep When Unzipping Process has Completed</source>
        <translation>Bip à la fin de la décompression</translation>
    </message>
    <message>
        <source>Beep When Unzipping Process has Completed ?</source>
        <translation>Bip à la fin de la décompression ?</translation>
    </message>
    <message>
        <source>Delete Zip File After Successfully Unzipping</source>
        <translation>Supprimer le fichier zip après une décompression réussie</translation>
    </message>
    <message>
        <source>Delete Zip File after Successfully Unzipping ?</source>
        <translation>Supprimer le zip après décompression ?</translation>
    </message>
    <message>
        <source>Make Zip Date Stamp Equal to Latest File in the Archive</source>
        <translation>Dater le fichier zip du fichier le plus récent de l&apos;archive</translation>
    </message>
    <message>
        <source>Extract Each Zip File into a Filename Based Sub Folder</source>
        <translation>Extraire chaque fichier zip dans un sous-dossier portant son nom</translation>
    </message>
    <message>
        <source>Delete Folder After Successfully Zipping</source>
        <translation>Supprimer le dossier après une compression réussie</translation>
    </message>
    <message>
        <source>Show Password Text</source>
        <translation>Afficher le texte des mots de passe</translation>
    </message>
    <message>
        <source>Show Settings</source>
        <translation>Afficher les paramètres</translation>
    </message>
    <message>
        <source>Show Icon in System Tray</source>
        <translation>Afficher l&apos;icône dans la zone de notification</translation>
    </message>
    <message>
        <source>Compression Level :</source>
        <translation>Compression :</translation>
    </message>
    <message>
        <source>Use this bar to set the compression level.</source>
        <translation>Réglez le niveau de compression avec cette barre.</translation>
    </message>
    <message>
        <source>Move Deleted Files to the Trash</source>
        <translation>Mettre les fichiers supprimés à la corbeille</translation>
    </message>
    <message>
        <source>Test Archives Before Deleting Originals</source>
        <translation>Tester les archives avant de supprimer les originaux</translation>
    </message>
    <message>
        <source>Save Zips in :</source>
        <translation>Enregistrer dans :</translation>
    </message>
    <message>
        <source>Changes the destination folder where zip files are stored</source>
        <translation>Change le dossier de destination des fichiers zip</translation>
    </message>
    <message>
        <source>Unzip file to :</source>
        <translation>Décompresser dans :</translation>
    </message>
    <message>
        <source>Sets the destination folder where files are unzipped</source>
        <translation>Définit le dossier de destination des fichiers décompressés</translation>
    </message>
    <message>
        <source>Temp Folder :</source>
        <translation>Dossier temporaire :</translation>
    </message>
    <message>
        <source>Change the folder that Tovrane uses as a work folder</source>
        <translation>Change le dossier que Tovrane utilise comme dossier de travail</translation>
    </message>
    <message>
        <source>Include a File ?</source>
        <translation>Inclure un fichier ?</translation>
    </message>
    <message>
        <source>Select a file to include into each zip created</source>
        <translation>Choisissez un fichier à inclure dans chaque fichier zip créé</translation>
    </message>
    <message>
        <source>Set Zip Password :</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Set Unzip Password :</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>This option is independent of the Zip and Unzip settings, with the exception of the password setting and compression strength.  Do you still wish to continue?</source>
        <translation>Cette option est indépendante des paramètres de compression et de décompression, à l&apos;exception du mot de passe et du niveau de compression.  Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Zipping in progress...Please Wait.</source>
        <translation>Compression en cours... Veuillez patienter.</translation>
    </message>
    <message>
        <source>Zipping operation complete.</source>
        <translation>Compression terminée.</translation>
    </message>
    <message>
        <source>Completed.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Zipping process halted by User.</source>
        <translation>Compression arrêtée par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Completed - errors occured.</source>
        <translation>Terminé - des erreurs se sont produites.</translation>
    </message>
    <message>
        <source>Unzipping in progress...Please Wait.</source>
        <translation>Décompression en cours... Veuillez patienter.</translation>
    </message>
    <message>
        <source>Unzipping process halted by User.</source>
        <translation>Décompression arrêtée par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>unzipping</source>
        <translation>décompression</translation>
    </message>
    <message>
        <source>Rezip operation Completed.</source>
        <translation>Recompression terminée.</translation>
    </message>
    <message>
        <source>Rezip operation Completed - Errors occured.</source>
        <translation>Recompression terminée - des erreurs se sont produites.</translation>
    </message>
    <message>
        <source>zipping</source>
        <translation>compression</translation>
    </message>
    <message>
        <source>Paused - Click Pause again to continue.</source>
        <translation>En pause - cliquez de nouveau sur Pause pour continuer.</translation>
    </message>
    <message>
        <source>Cannot delete file %s</source>
        <translation>Impossible de supprimer le fichier %s</translation>
    </message>
    <message>
        <source>The directory %s doesn&apos;t exist</source>
        <translation>Le dossier %s n&apos;existe pas</translation>
    </message>
    <message>
        <source>DelTree aborted by user !</source>
        <translation>Suppression interrompue par l&apos;utilisateur !</translation>
    </message>
    <message>
        <source>Cannot delete directory %s</source>
        <translation>Impossible de supprimer le dossier %s</translation>
    </message>
    <message>
        <source>Some errors occured during the %1 operation. Would you like to view the error log now ?</source>
        <translation>Des erreurs se sont produites pendant la %1. Voulez-vous consulter le journal des erreurs maintenant ?</translation>
    </message>
    <message>
        <source>Zipping: %1/%2 - %3% - (%4)</source>
        <translation>Compression : %1/%2 - %3% - (%4)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the files you have selected ?</source>
        <translation>Voulez-vous vraiment supprimer les fichiers sélectionnés ?</translation>
    </message>
    <message>
        <source>Zipping folders...  (%1/%2)  (%3)</source>
        <translation>Compression des dossiers...  (%1/%2)  (%3)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the FOLDERS you have selected ?</source>
        <translation>Voulez-vous vraiment supprimer les DOSSIERS sélectionnés ?</translation>
    </message>
    <message>
        <source>Re-zipping: %1/%2 - %3%  (%4)</source>
        <translation>Recompression : %1/%2 - %3%  (%4)</translation>
    </message>
    <message>
        <source>Unzipping: %1/%2 - %3% - (%4)</source>
        <translation>Décompression : %1/%2 - %3% - (%4)</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 fichier</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation>%1 dossier</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation>%1 dossiers</translation>
    </message>
    <message>
        <source>%1 moved to the Trash</source>
        <translation>%1 mis à la corbeille</translation>
    </message>
    <message>
        <source>%1 deleted for good (no Trash on their volume)</source>
        <translation>%1 supprimé(s) définitivement (pas de corbeille sur leur volume)</translation>
    </message>
    <message>
        <source>%1 deleted</source>
        <translation>%1 supprimé(s)</translation>
    </message>
    <message>
        <source>%1 could not be deleted</source>
        <translation>impossible de supprimer %1</translation>
    </message>
    <message>
        <source>No Trash on the volume of %1: %2 deleted for good.</source>
        <translation>Pas de corbeille sur le volume de %1 : %2 supprimé(s) définitivement.</translation>
    </message>
</context>
<context>
    <name>TRename_Form</name>
    <message>
        <source>%1: no longer there</source>
        <translation>%1 : n&apos;existe plus</translation>
    </message>
    <message>
        <source>%1: the name %2 is taken</source>
        <translation>%1 : le nom %2 est déjà pris</translation>
    </message>
    <message>
        <source>%1: could not be renamed back to %2</source>
        <translation>%1 : n&apos;a pas pu reprendre le nom %2</translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(inchangé)</translation>
    </message>
    <message>
        <source>%1  (name taken: keeps its name)</source>
        <translation>%1  (nom déjà pris : garde son nom)</translation>
    </message>
    <message>
        <source>(no usable name: keeps its name)</source>
        <translation>(aucun nom utilisable : garde son nom)</translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation>(introuvable)</translation>
    </message>
    <message>
        <source>Batch Renaming Tool</source>
        <translation>Renommage par lots</translation>
    </message>
    <message>
        <source>This option will allow you to rename the files you have selected on the main screen using
one of the following pre-defined templates :</source>
        <translation>Cette option permet de renommer les fichiers choisis dans la fenêtre principale selon
l&apos;un des modèles suivants :</translation>
    </message>
    <message>
        <source>Spacing Options</source>
        <translation>Espaces</translation>
    </message>
    <message>
        <source>None of the Above</source>
        <translation>Aucune de ces options</translation>
    </message>
    <message>
        <source>Change all Spaces to &quot;_&quot;</source>
        <translation>Remplacer les espaces par &quot;_&quot;</translation>
    </message>
    <message>
        <source>Change all &quot;_&quot; to Spaces</source>
        <translation>Remplacer les &quot;_&quot; par des espaces</translation>
    </message>
    <message>
        <source>Remove all Spaces</source>
        <translation>Supprimer tous les espaces</translation>
    </message>
    <message>
        <source>Change all &quot;[&quot; and &quot;]&quot; to Spaces</source>
        <translation>Remplacer les &quot;[&quot; et &quot;]&quot; par des espaces</translation>
    </message>
    <message>
        <source>Letter Case Options</source>
        <translation>Casse des lettres</translation>
    </message>
    <message>
        <source>Rename All Selected Files to Uppercase</source>
        <translation>Renommer tous les fichiers sélectionnés en majuscules</translation>
    </message>
    <message>
        <source>Rename All Selected Files to Lowercase</source>
        <translation>Renommer tous les fichiers sélectionnés en minuscules</translation>
    </message>
    <message>
        <source>Capitalise Each First Letter</source>
        <translation>Mettre une majuscule à chaque initiale</translation>
    </message>
    <message>
        <source>Preview of the new names</source>
        <translation>Aperçu des nouveaux noms</translation>
    </message>
    <message>
        <source>Selected Name</source>
        <translation>Nom sélectionné</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>This operation is independent of Zip and Unzipping functions of Tovrane.</source>
        <translation>Cette opération est indépendante des fonctions de compression et de décompression de Tovrane.</translation>
    </message>
    <message>
        <source>Rename progress</source>
        <translation>Avancement du renommage</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Annuler le dernier renommage</translation>
    </message>
    <message>
        <source>Awaiting User.</source>
        <translation>En attente de l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>One or more of the files you selected could not be renamed.  The file(s) may have been in use.</source>
        <translation>Un ou plusieurs des fichiers sélectionnés n&apos;ont pas pu être renommés.  Le(s) fichier(s) étai(en)t peut-être utilisé(s).</translation>
    </message>
    <message>
        <source>%1 file(s) renamed back.</source>
        <translation>%1 fichier(s) ont repris leur nom.</translation>
    </message>
    <message>
        <source>

Could not be renamed back:
</source>
        <translation>

N&apos;ont pas pu reprendre leur nom :
</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Batch archiving, one zip per file</source>
        <translation>Archivage par lots, un fichier zip par fichier</translation>
    </message>
</context>
<context>
    <name>TTrash_Removal</name>
    <message>
        <source>File Filter Removal</source>
        <translation>Suppression par filtre de fichiers</translation>
    </message>
    <message>
        <source>Select File Types to Delete on Rezip</source>
        <translation>Types de fichiers à supprimer à la recompression</translation>
    </message>
    <message>
        <source>This option will remove any &quot;Trash&quot; files you may have
contained within your original zip file.  Warning: Once
they have been removed they cannot be retrieved.
You can ignore this feature and click &quot;Rezip&quot; to 
continue rezipping your files.</source>
        <translation>Cette option retire de votre fichier zip d&apos;origine tous les
fichiers « superflus » qu&apos;il contient.  Attention : une fois
retirés, ils ne peuvent plus être récupérés.
Vous pouvez ignorer cette fonction et cliquer sur « Recompresser » 
pour poursuivre la recompression de vos fichiers.</translation>
    </message>
    <message>
        <source>Rezip</source>
        <translation>Recompresser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Other extension</source>
        <translation>Autre extension</translation>
    </message>
    <message>
        <source>Up to three letters after &quot;*.&quot;, a file type of your own to delete</source>
        <translation>Jusqu&apos;à trois lettres après « *. », un type de fichier de votre choix à supprimer</translation>
    </message>
</context>
<context>
    <name>Tovrane</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>File Save Successfully !</source>
        <translation>Fichier enregistré !</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Erreur à l&apos;enregistrement du fichier.</translation>
    </message>
</context>
<context>
    <name>Ttrimmer</name>
    <message>
        <source>The offsets do not name a range of bytes.</source>
        <translation>Les positions ne désignent pas une plage d&apos;octets.</translation>
    </message>
    <message>
        <source>It could not be opened: %1.</source>
        <translation>Il n&apos;a pas pu être ouvert : %1.</translation>
    </message>
    <message>
        <source>It holds fewer bytes than the end offset.</source>
        <translation>Il contient moins d&apos;octets que la position de fin.</translation>
    </message>
    <message>
        <source>It could not be read: %1.</source>
        <translation>Il n&apos;a pas pu être lu : %1.</translation>
    </message>
    <message>
        <source>No temporary file could be made in its folder: %1.</source>
        <translation>Aucun fichier temporaire n&apos;a pu être créé dans son dossier : %1.</translation>
    </message>
    <message>
        <source>It became shorter while it was copied.</source>
        <translation>Il a raccourci pendant sa copie.</translation>
    </message>
    <message>
        <source>The temporary file could not be written: %1.</source>
        <translation>Le fichier temporaire n&apos;a pas pu être écrit : %1.</translation>
    </message>
    <message>
        <source>The temporary file could not be written to disk: %1.</source>
        <translation>Le fichier temporaire n&apos;a pas pu être écrit sur le disque : %1.</translation>
    </message>
    <message>
        <source>The temporary file could not take its place: %1.</source>
        <translation>Le fichier temporaire n&apos;a pas pu prendre sa place : %1.</translation>
    </message>
    <message>
        <source>File Trim Tool</source>
        <translation>Troncature de fichier</translation>
    </message>
    <message>
        <source>Pre-Trim information</source>
        <translation>Informations avant troncature</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avancement</translation>
    </message>
    <message>
        <source>Current Size (Hex)</source>
        <translation>Taille actuelle (hex)</translation>
    </message>
    <message>
        <source>Current Size (Dec)</source>
        <translation>Taille actuelle (déc)</translation>
    </message>
    <message>
        <source>Current CRC32</source>
        <translation>CRC32 actuel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Enter the Start and End offsets (in decimal)</source>
        <translation>Saisissez les positions de début et de fin (en décimal)</translation>
    </message>
    <message>
        <source>Keep 1st Half</source>
        <translation>Garder la 1re moitié</translation>
    </message>
    <message>
        <source>Keep 2nd Half</source>
        <translation>Garder la 2e moitié</translation>
    </message>
    <message>
        <source>Enter start offset</source>
        <translation>Position de début</translation>
    </message>
    <message>
        <source>Enter end offset</source>
        <translation>Position de fin</translation>
    </message>
    <message>
        <source>Trim File</source>
        <translation>Tronquer le fichier</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Are you sure to want to trim a ZIP file, it may render the file corrupt when you try to unzip it?</source>
        <translation>Voulez-vous vraiment tronquer un fichier zip, au risque qu&apos;il soit endommagé à la décompression ?</translation>
    </message>
    <message>
        <source>Please select 1 file for trimming.</source>
        <translation>Veuillez choisir 1 fichier à tronquer.</translation>
    </message>
    <message>
        <source>You must select a file before you can trim one !</source>
        <translation>Vous devez choisir un fichier avant de pouvoir le tronquer !</translation>
    </message>
    <message>
        <source>Cant half an odd sized rom...</source>
        <translation>Impossible de couper en deux un fichier de taille impaire...</translation>
    </message>
    <message>
        <source>You must enter a valid decimal byte size in order to trim your file correctly.  Check your trim size is not greater than the original size..etc.</source>
        <translation>Vous devez saisir une taille en octets décimale valide pour tronquer correctement votre fichier.  Vérifiez que la taille ne dépasse pas la taille d&apos;origine, etc.</translation>
    </message>
    <message>
        <source>Are you sure you want to trim %1 ?</source>
        <translation>Voulez-vous vraiment tronquer %1 ?</translation>
    </message>
    <message>
        <source>File Trimmed successfully.  New CRC32 Value = $%1</source>
        <translation>Fichier tronqué.  Nouvelle valeur CRC32 = $%1</translation>
    </message>
    <message>
        <source>%1 could not be trimmed and has been left as it was.  %2</source>
        <translation>%1 n&apos;a pas pu être tronqué et reste tel quel.  %2</translation>
    </message>
</context>
<context>
    <name>Tziptest</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Zip Testing Tool</source>
        <translation>Test des fichiers zip</translation>
    </message>
    <message>
        <source>This option will check the integrity of any files you have selected on the main screen.</source>
        <translation>Cette option vérifie l&apos;intégrité de tous les fichiers choisis dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>You must select a Zip file before testing can take place.</source>
        <translation>Vous devez choisir un fichier zip avant de pouvoir le tester.</translation>
    </message>
    <message>
        <source>Cancel Zip testing operation ?</source>
        <translation>Annuler le test des fichiers zip ?</translation>
    </message>
    <message>
        <source>%1  (Not a valid zip archive)</source>
        <translation>%1  (Archive zip non valide)</translation>
    </message>
    <message>
        <source>%1  (Ok)</source>
        <translation>%1  (OK)</translation>
    </message>
    <message>
        <source>%1  (Corrupt) - Code (%2)</source>
        <translation>%1  (Endommagée) - Code (%2)</translation>
    </message>
    <message>
        <source>Test results</source>
        <translation>Résultats du test</translation>
    </message>
    <message>
        <source>Test progress</source>
        <translation>Progression du test</translation>
    </message>
</context>
</TS>
