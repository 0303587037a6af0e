<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FolderDialog</name>
    <message>
        <source>Not a valid drive letter</source>
        <translation>Kein gültiger Laufwerksbuchstabe</translation>
    </message>
    <message>
        <source>Drive not ready</source>
        <translation>Laufwerk nicht bereit</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Choose a destination folder where Tovrane will store your newly
created zip files.</source>
        <translation>Wählen Sie einen Zielordner, in dem Tovrane Ihre neu
erstellten ZIP-Dateien speichert.</translation>
    </message>
    <message>
        <source>File Destination</source>
        <translation>Dateiziel</translation>
    </message>
    <message>
        <source>Choose a destination folder where Tovrane will store
your files after unzipping them.</source>
        <translation>Wählen Sie einen Zielordner, in dem Tovrane Ihre Dateien
nach dem Entpacken speichert.</translation>
    </message>
    <message>
        <source>Set temporary path</source>
        <translation>Temporären Pfad festlegen</translation>
    </message>
    <message>
        <source>Choose a temporary folder where Tovrane can use for
compressing and uncompressing your Zip files.</source>
        <translation>Wählen Sie einen temporären Ordner, den Tovrane zum
Packen und Entpacken Ihrer ZIP-Dateien verwenden kann.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Ordner erstellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Ordnerbaum</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>About Tovrane</source>
        <translation>Über Tovrane</translation>
    </message>
    <message>
        <source>Tovrane was developed by the Tovrane team</source>
        <translation>Tovrane wurde vom Tovrane-Team entwickelt</translation>
    </message>
    <message>
        <source>Archive engine built on libzip and libdeflate, by their authors.</source>
        <translation>Archivmodul auf Grundlage von libzip und libdeflate, von deren Autoren.</translation>
    </message>
    <message>
        <source>Visit the Tovrane homepage</source>
        <translation>Tovrane-Homepage besuchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tovrane homepage</source>
        <translation>Tovrane-Homepage</translation>
    </message>
    <message>
        <source>Opens the homepage in the web browser</source>
        <translation>Öffnet die Homepage im Webbrowser</translation>
    </message>
</context>
<context>
    <name>TCRC32_Form</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Crc 32</source>
        <translation>CRC32 der Datei</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>Dateigröße (Bytes)</translation>
    </message>
    <message>
        <source>Tovrane CRC32 Reporting Tool</source>
        <translation>Tovrane CRC32-Bericht</translation>
    </message>
    <message>
        <source>This option will report CRC32 values of ANY files selected on the main screen.</source>
        <translation>Diese Funktion meldet die CRC32-Werte ALLER im Hauptfenster ausgewählten Dateien.</translation>
    </message>
    <message>
        <source>CRC32 report</source>
        <translation>CRC32-Bericht</translation>
    </message>
    <message>
        <source>Report progress</source>
        <translation>Fortschritt des Berichts</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Save Report to a File</source>
        <translation>Bericht in Datei speichern</translation>
    </message>
    <message>
        <source>Save Tovrane CRC32 Report</source>
        <translation>Tovrane CRC32-Bericht speichern</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Cancel CRC32 reporting Operation ?</source>
        <translation>CRC32-Bericht abbrechen?</translation>
    </message>
</context>
<context>
    <name>TCreate_Folder</name>
    <message>
        <source>Create a new folder</source>
        <translation>Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Current Folder Path :</source>
        <translation>Aktueller Ordnerpfad:</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Keiner)</translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Name des neuen Ordners</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Ordner erstellen</translation>
    </message>
    <message>
        <source>Folder created successfully.</source>
        <translation>Ordner erfolgreich erstellt.</translation>
    </message>
    <message>
        <source>Cannot create folder</source>
        <translation>Ordner kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>New folder name</source>
        <translation>Name des neuen Ordners</translation>
    </message>
    <message>
        <source>The folder to make in the current folder path</source>
        <translation>Der Ordner, der im aktuellen Ordnerpfad angelegt wird</translation>
    </message>
</context>
<context>
    <name>TDefinable_Ext</name>
    <message>
        <source>Definable File Extensions</source>
        <translation>Eigene Dateierweiterungen</translation>
    </message>
    <message>
        <source>Existing File Extensions</source>
        <translation>Vorhandene Dateierweiterungen</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Dateierweiterungen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Add a New Extension</source>
        <translation>Neue Erweiterung hinzufügen</translation>
    </message>
    <message>
        <source>New extension</source>
        <translation>Neue Erweiterung</translation>
    </message>
    <message>
        <source>A file extension to add to the list</source>
        <translation>Eine Dateierweiterung, die der Liste hinzugefügt wird</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You type a file extension type in order to add it.</source>
        <translation>Geben Sie eine Dateierweiterung ein, um sie hinzuzufügen.</translation>
    </message>
    <message>
        <source>You must select a file extension type in order to remove it.</source>
        <translation>Wählen Sie eine Dateierweiterung aus, um sie zu entfernen.</translation>
    </message>
</context>
<context>
    <name>TDeleteScreen</name>
    <message>
        <source>Initializing</source>
        <translation>Wird vorbereitet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete in progress...Please Wait</source>
        <translation>Löschen läuft... Bitte warten</translation>
    </message>
    <message>
        <source>Deleting :</source>
        <translation>Wird gelöscht:</translation>
    </message>
</context>
<context>
    <name>TDupes</name>
    <message>
        <source>%1 file limit reached.  Only the first %1 files will be listed.</source>
        <translation>Grenze von %1 Dateien erreicht.  Nur die ersten %1 Dateien werden aufgelistet.</translation>
    </message>
    <message>
        <source>Number of Duplicates found : </source>
        <translation>Anzahl gefundener Duplikate: </translation>
    </message>
    <message>
        <source>Number of Duplicates found : &lt;LOOKING&gt;</source>
        <translation>Anzahl gefundener Duplikate: &lt;SUCHE&gt;</translation>
    </message>
    <message>
        <source>Duplicate File Remover Tool</source>
        <translation>Duplikate entfernen</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Gruppen von Duplikaten</translation>
    </message>
    <message>
        <source>Duplicate files</source>
        <translation>Doppelte Dateien</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Fortschritt der Suche</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Delete Selected Files</source>
        <translation>Ausgewählte Dateien löschen</translation>
    </message>
    <message>
        <source>Status : Reading file CRC32 - please wait</source>
        <translation>Status: CRC32 der Dateien wird gelesen - bitte warten</translation>
    </message>
    <message>
        <source>Status : Analysing Results : Please Wait</source>
        <translation>Status: Ergebnisse werden ausgewertet: Bitte warten</translation>
    </message>
    <message>
        <source>Status : Complete.</source>
        <translation>Status: Fertig.</translation>
    </message>
    <message>
        <source>No Duplicate files found.</source>
        <translation>Keine doppelten Dateien gefunden.</translation>
    </message>
    <message>
        <source>You must select a file before you can delete it.</source>
        <translation>Wählen Sie zuerst eine Datei aus, die gelöscht werden soll.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all files you have selected ?</source>
        <translation>Möchten Sie wirklich alle ausgewählten Dateien löschen?</translation>
    </message>
    <message>
        <source>Not deleted, as no file you keep holds the same bytes any more:
</source>
        <translation>Nicht gelöscht, da keine der behaltenen Dateien mehr dieselben Bytes enthält:
</translation>
    </message>
    <message>
        <source>Cancel duplicate reporting Operation ?</source>
        <translation>Suche nach Duplikaten abbrechen?</translation>
    </message>
    <message>
        <source>Operation Completed.</source>
        <translation>Vorgang abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>TErrorLog</name>
    <message>
        <source>%1: %2 already holds %3 from another file of this batch.</source>
        <translation>%1: %2 enthält bereits %3 aus einer anderen Datei dieses Stapels.</translation>
    </message>
    <message>
        <source>%1: its archive %2 is taken by folder %3 of this batch.</source>
        <translation>%1: sein Archiv %2 gehört bereits zum Ordner %3 dieses Stapels.</translation>
    </message>
    <message>
        <source> skipped. (Maybe password protected or out of disk space)</source>
        <translation> übersprungen. (Vielleicht kennwortgeschützt oder kein Speicherplatz mehr)</translation>
    </message>
    <message>
        <source> skipped. (Cannot find zip file)</source>
        <translation> übersprungen. (ZIP-Datei nicht gefunden)</translation>
    </message>
    <message>
        <source> skipped. (Not a valid zip file)</source>
        <translation> übersprungen. (Keine gültige ZIP-Datei)</translation>
    </message>
    <message>
        <source>** Not enough memory to complete the operation.</source>
        <translation>** Nicht genug Arbeitsspeicher, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source> skipped. (File/Folder maybe use or empty?)</source>
        <translation> übersprungen. (Datei/Ordner vielleicht in Gebrauch oder leer?)</translation>
    </message>
    <message>
        <source> skipped. (Disk full)</source>
        <translation> übersprungen. (Datenträger voll)</translation>
    </message>
    <message>
        <source> skipped. (Unexpected End of file occured)</source>
        <translation> übersprungen. (Unerwartetes Dateiende)</translation>
    </message>
    <message>
        <source>** ZeZip32.dll or ZeUnZ32.dll not found - try re-installing Tovrane.</source>
        <translation>** ZeZip32.dll oder ZeUnZ32.dll nicht gefunden - installieren Sie Tovrane neu.</translation>
    </message>
    <message>
        <source>** Unknown internal error Occured.</source>
        <translation>** Unbekannter interner Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>** Error creating temp file. Check Path is valid and disk is not full.</source>
        <translation>** Fehler beim Erstellen der temporären Datei. Prüfen Sie, ob der Pfad gültig und der Datenträger nicht voll ist.</translation>
    </message>
    <message>
        <source> skipped. (Cannot read file)</source>
        <translation> übersprungen. (Datei kann nicht gelesen werden)</translation>
    </message>
    <message>
        <source> skipped. (Cannot write zip file) - 300</source>
        <translation> übersprungen. (ZIP-Datei kann nicht geschrieben werden) - 300</translation>
    </message>
    <message>
        <source> skipped. (Cannot write zip file) - 310</source>
        <translation> übersprungen. (ZIP-Datei kann nicht geschrieben werden) - 310</translation>
    </message>
    <message>
        <source> skipped. (Archive appears to be incomplete) - 410</source>
        <translation> übersprungen. (Archiv scheint unvollständig zu sein) - 410</translation>
    </message>
    <message>
        <source> ignored. (Use rezip to recompress the zip file)</source>
        <translation> nicht bearbeitet. (Zum erneuten Komprimieren der ZIP-Datei „Umpacken“ verwenden)</translation>
    </message>
    <message>
        <source> could not be deleted. (In use?)</source>
        <translation> konnte nicht gelöscht werden. (In Gebrauch?)</translation>
    </message>
    <message>
        <source> cound not fully be deleted (In use?)</source>
        <translation> konnte nicht vollständig gelöscht werden (In Gebrauch?)</translation>
    </message>
    <message>
        <source> replaced by a later entry of the same name. (Zip file kept)</source>
        <translation> durch einen späteren Eintrag gleichen Namens ersetzt. (ZIP-Datei behalten)</translation>
    </message>
    <message>
        <source> was changed by another program while in use. (Zip file kept)</source>
        <translation> wurde während der Bearbeitung von einem anderen Programm geändert. (ZIP-Datei behalten)</translation>
    </message>
    <message>
        <source> not deleted: its zip file lacks some of its files. (Folder kept)</source>
        <translation> nicht gelöscht: seiner ZIP-Datei fehlen einige seiner Dateien. (Ordner behalten)</translation>
    </message>
    <message>
        <source> not deleted: its zip file failed the test. (File kept)</source>
        <translation> nicht gelöscht: seine ZIP-Datei hat den Test nicht bestanden. (Datei behalten)</translation>
    </message>
    <message>
        <source> not deleted: its zip file failed the test. (Folder kept)</source>
        <translation> nicht gelöscht: seine ZIP-Datei hat den Test nicht bestanden. (Ordner behalten)</translation>
    </message>
    <message>
        <source> (Zip file kept)</source>
        <translation> (ZIP-Datei behalten)</translation>
    </message>
    <message>
        <source> (File kept)</source>
        <translation> (Datei behalten)</translation>
    </message>
    <message>
        <source> (Folder kept)</source>
        <translation> (Ordner behalten)</translation>
    </message>
    <message>
        <source>Undefined Error Code : %1 File : %2</source>
        <translation>Undefinierter Fehlercode: %1 Datei: %2</translation>
    </message>
    <message>
        <source>Error log</source>
        <translation>Fehlerprotokoll</translation>
    </message>
    <message>
        <source>Save to a File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <translation>Nichts zu speichern.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Error Log.txt</source>
        <translation>Fehlerprotokoll.txt</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>%1: %2 would replace a file of %3.</source>
        <translation>%1: %2 würde eine Datei aus %3 ersetzen.</translation>
    </message>
    <message>
        <source> not deleted: a file extracted from it does not match it. (Zip file kept)</source>
        <translation> nicht gelöscht: eine daraus entpackte Datei stimmt nicht mit ihr überein. (ZIP-Datei behalten)</translation>
    </message>
    <message>
        <source>Error log lines</source>
        <translation>Zeilen des Fehlerprotokolls</translation>
    </message>
</context>
<context>
    <name>TFileInclusion</name>
    <message>
        <source>File Inclusion</source>
        <translation>Datei einfügen</translation>
    </message>
    <message>
        <source>Please choose a file you want Tovrane to include in every zip.</source>
        <translation>Bitte wählen Sie eine Datei, die Tovrane in jede ZIP-Datei aufnehmen soll.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Ordnerbaum</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>The file to include in every zip</source>
        <translation>Die Datei, die jeder ZIP-Datei beigefügt wird</translation>
    </message>
</context>
<context>
    <name>TFileInfo</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>1 Disk (of 1.44mb)</source>
        <translation>1 Diskette (zu 1,44 MB)</translation>
    </message>
    <message>
        <source>%1 Disks (of 1.44mb)</source>
        <translation>%1 Disketten (zu 1,44 MB)</translation>
    </message>
    <message>
        <source>Unable to retrive</source>
        <translation>Nicht ermittelbar</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>File name :</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>File size :</source>
        <translation>Dateigröße:</translation>
    </message>
    <message>
        <source>No of Floppys : </source>
        <translation>Anzahl Disketten: </translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Tovrane Help</source>
        <translation>Tovrane-Hilfe</translation>
    </message>
    <message>
        <source>The help file %1 is missing. Reinstall Tovrane.</source>
        <translation>Die Hilfedatei %1 fehlt. Installieren Sie Tovrane neu.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>%1 files selected.</source>
        <translation>%1 Dateien ausgewählt.</translation>
    </message>
    <message>
        <source>%1 folders selected.</source>
        <translation>%1 Ordner ausgewählt.</translation>
    </message>
    <message>
        <source>Delete Selected File(s)</source>
        <translation>Ausgewählte Datei(en) löschen</translation>
    </message>
    <message>
        <source>Rename Selected File(s)</source>
        <translation>Ausgewählte Datei(en) umbenennen</translation>
    </message>
    <message>
        <source>View file information</source>
        <translation>Dateiinformationen anzeigen</translation>
    </message>
    <message>
        <source>Test zip file(s) integrity</source>
        <translation>ZIP-Datei(en) auf Unversehrtheit testen</translation>
    </message>
    <message>
        <source>Trim File</source>
        <translation>Datei kürzen</translation>
    </message>
    <message>
        <source>Delete selected folders</source>
        <translation>Ausgewählte Ordner löschen</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Not a valid drive letter</source>
        <translation>Kein gültiger Laufwerksbuchstabe</translation>
    </message>
    <message>
        <source>Drive not ready, please check you have inserted a disk and try again</source>
        <translation>Laufwerk nicht bereit, bitte prüfen Sie, ob ein Datenträger eingelegt ist, und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>0 Files Selected</source>
        <translation>0 Dateien ausgewählt</translation>
    </message>
    <message>
        <source>0 Folders Selected</source>
        <translation>0 Ordner ausgewählt</translation>
    </message>
    <message>
        <source>Files Selected.</source>
        <translation>Dateien ausgewählt.</translation>
    </message>
    <message>
        <source>Click here to refresh the file or folder view</source>
        <translation>Hier klicken, um die Datei- oder Ordneransicht zu aktualisieren</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Ordnerbaum</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File filter</source>
        <translation>Dateifilter</translation>
    </message>
    <message>
        <source>Define File Filters</source>
        <translation>Dateifilter festlegen</translation>
    </message>
    <message>
        <source>Click here to adjust the size of the view</source>
        <translation>Hier klicken, um die Größe der Ansicht anzupassen</translation>
    </message>
    <message>
        <source>Set view to folders</source>
        <translation>Ordner anzeigen</translation>
    </message>
    <message>
        <source>Changes the View to folders</source>
        <translation>Wechselt zur Ordneransicht</translation>
    </message>
    <message>
        <source>Set view to files</source>
        <translation>Dateien anzeigen</translation>
    </message>
    <message>
        <source>Changes the View to files</source>
        <translation>Wechselt zur Dateiansicht</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pauses the operation in progress</source>
        <translation>Hält den laufenden Vorgang an</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Interupts the operation in progress</source>
        <translation>Bricht den laufenden Vorgang ab</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>Inverts selected files or folders</source>
        <translation>Kehrt die Auswahl der Dateien oder Ordner um</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>&amp;Keine auswählen</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>Deselects all files or folders in view</source>
        <translation>Hebt die Auswahl aller angezeigten Dateien oder Ordner auf</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Selectes all files or folders in view</source>
        <translation>Wählt alle angezeigten Dateien oder Ordner aus</translation>
    </message>
    <message>
        <source>&amp;Unzip</source>
        <translation>&amp;Entpack.</translation>
    </message>
    <message>
        <source>Unzips all selected zip files</source>
        <translation>Entpackt alle ausgewählten ZIP-Dateien</translation>
    </message>
    <message>
        <source>&amp;Zip</source>
        <translation>&amp;Packen</translation>
    </message>
    <message>
        <source>Zips selected files or folders</source>
        <translation>Packt die ausgewählten Dateien oder Ordner</translation>
    </message>
    <message>
        <source>Zip Testing Tool</source>
        <translation>ZIP-Dateien testen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Tests the integrity of selected zip files</source>
        <translation>Testet die Unversehrtheit der ausgewählten ZIP-Dateien</translation>
    </message>
    <message>
        <source>Rezip</source>
        <translation>Umpack.</translation>
    </message>
    <message>
        <source>Updates the file and folder listing</source>
        <translation>Aktualisiert die Datei- und Ordnerliste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Deletes selected files or folders</source>
        <translation>Löscht die ausgewählten Dateien oder Ordner</translation>
    </message>
    <message>
        <source>Rename Using Templates Tool</source>
        <translation>Mit Vorlagen umbenennen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umben.</translation>
    </message>
    <message>
        <source>Renames selected files using one of many templates</source>
        <translation>Benennt die ausgewählten Dateien nach einer von vielen Vorlagen um</translation>
    </message>
    <message>
        <source>CRC32 Reporting Tool</source>
        <translation>CRC32-Bericht</translation>
    </message>
    <message>
        <source>CRC32</source>
        <translation>CRC32</translation>
    </message>
    <message>
        <source>Reports the cyclic redundancy code (crc32) of selected files</source>
        <translation>Meldet die zyklische Redundanzprüfung (CRC32) der ausgewählten Dateien</translation>
    </message>
    <message>
        <source>File Trimming Tool</source>
        <translation>Dateien kürzen</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Kürzen</translation>
    </message>
    <message>
        <source>Trims a selected file to a desired length</source>
        <translation>Kürzt eine ausgewählte Datei auf die gewünschte Länge</translation>
    </message>
    <message>
        <source>Duplicate File Removal Tool</source>
        <translation>Doppelte Dateien entfernen</translation>
    </message>
    <message>
        <source>Dupes</source>
        <translation>Duplik.</translation>
    </message>
    <message>
        <source>File Duplication removal utility</source>
        <translation>Werkzeug zum Entfernen doppelter Dateien</translation>
    </message>
    <message>
        <source>Delete Selected Files</source>
        <translation>Ausgewählte Dateien löschen</translation>
    </message>
    <message>
        <source>Delete Selected Folders</source>
        <translation>Ausgewählte Ordner löschen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refresh File or Folder View</source>
        <translation>Datei- oder Ordneransicht aktualisieren</translation>
    </message>
    <message>
        <source>View Error Log</source>
        <translation>Fehlerprotokoll anzeigen</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Click Here to Add More File Filters</source>
        <translation>Hier klicken, um weitere Dateifilter hinzuzufügen</translation>
    </message>
    <message>
        <source>Restore Default Settings</source>
        <translation>Standardeinstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>Disk Format Tool</source>
        <translation>Datenträger formatieren</translation>
    </message>
    <message>
        <source>Help with Tovrane</source>
        <translation>Hilfe zu Tovrane</translation>
    </message>
    <message>
        <source>Visit the Tovrane homepage</source>
        <translation>Tovrane-Homepage besuchen</translation>
    </message>
    <message>
        <source>Email a Suggestion</source>
        <translation>Vorschlag per E-Mail senden</translation>
    </message>
    <message>
        <source>About Tovrane</source>
        <translation>Über Tovrane</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Letzte Umbenennung rückgängig machen</translation>
    </message>
    <message>
        <source>Tovrane 6.04 - batch archiving made simple</source>
        <translation>Tovrane 6.04 - stapelweise archivieren, ganz einfach</translation>
    </message>
    <message>
        <source>Tovrane has been designed for screen resolutions of 800x600 and/or greater.  Tovrane may appear incorrect using your current screen settings.</source>
        <translation>Tovrane ist für Bildschirmauflösungen ab 800x600 ausgelegt.  Mit Ihren aktuellen Bildschirmeinstellungen wird Tovrane möglicherweise nicht richtig dargestellt.</translation>
    </message>
    <message>
        <source>Closing down operation - please wait.</source>
        <translation>Vorgang wird beendet - bitte warten.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset to factory defaults ?</source>
        <translation>Möchten Sie wirklich auf die Werkseinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>Could not complete operation.</source>
        <translation>Der Vorgang konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Tovrane will now restart for the changes to take effect.</source>
        <translation>Tovrane startet jetzt neu, damit die Änderungen wirksam werden.</translation>
    </message>
    <message>
        <source>This option is not available on this system</source>
        <translation>Diese Funktion ist auf diesem System nicht verfügbar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>An&amp;sicht</translation>
    </message>
    <message>
        <source>Set Viewing Focus to</source>
        <translation>Ansicht wechseln zu</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>E&amp;instellungen</translation>
    </message>
    <message>
        <source>Zip Settings</source>
        <translation>Einstellungen zum Packen</translation>
    </message>
    <message>
        <source>Zip File Settings</source>
        <translation>Einstellungen für ZIP-Dateien</translation>
    </message>
    <message>
        <source>Make Zip Extension</source>
        <translation>Endung der ZIP-Datei</translation>
    </message>
    <message>
        <source>Zip Folder Settings</source>
        <translation>Einstellungen für Ordner</translation>
    </message>
    <message>
        <source>Unzip Settings</source>
        <translation>Einstellungen zum Entpacken</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>The error log holds 1 line.</source>
        <translation>Das Fehlerprotokoll enthält 1 Zeile.</translation>
    </message>
    <message>
        <source>The error log holds %1 lines.</source>
        <translation>Das Fehlerprotokoll enthält %1 Zeilen.</translation>
    </message>
    <message>
        <source>%1 not shown under the file filter.</source>
        <translation>%1 wegen des Dateifilters nicht angezeigt.</translation>
    </message>
    <message>
        <source>Only the first folder is shown: %1 more left out.</source>
        <translation>Nur der erste Ordner wird angezeigt: %1 weitere ausgelassen.</translation>
    </message>
    <message>
        <source>Only the files of %1 are selected: %2 more left out.</source>
        <translation>Nur die Dateien aus %1 sind ausgewählt: %2 weitere ausgelassen.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 nicht gefunden.</translation>
    </message>
    <message>
        <source>Save zips in</source>
        <translation>ZIP-Dateien speichern in</translation>
    </message>
    <message>
        <source>Choose the folder to save zips in</source>
        <translation>Ordner zum Speichern der ZIP-Dateien wählen</translation>
    </message>
    <message>
        <source>File to include in each zip</source>
        <translation>Datei, die in jede ZIP-Datei aufgenommen wird</translation>
    </message>
    <message>
        <source>Choose a file to include in each zip</source>
        <translation>Datei wählen, die in jede ZIP-Datei aufgenommen wird</translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>Temporärer Ordner</translation>
    </message>
    <message>
        <source>Choose the temp folder</source>
        <translation>Temporären Ordner wählen</translation>
    </message>
    <message>
        <source>Unzip files to</source>
        <translation>Dateien entpacken nach</translation>
    </message>
    <message>
        <source>Choose the folder to unzip files to</source>
        <translation>Ordner wählen, in den entpackt wird</translation>
    </message>
    <message>
        <source>Zip password</source>
        <translation>Kennwort zum Packen</translation>
    </message>
    <message>
        <source>Unzip password</source>
        <translation>Kennwort zum Entpacken</translation>
    </message>
    <message>
        <source>Quick Zipping Options</source>
        <translation>Schnelloptionen zum Packen</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Am schnellsten</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Komprimierungsstufe</translation>
    </message>
    <message>
        <source>Compression level, %1 fastest to %2 smallest</source>
        <translation>Komprimierungsstufe, %1 am schnellsten bis %2 am kleinsten</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Am kleinsten</translation>
    </message>
    <message>
        <source>Quick Unzipping Options</source>
        <translation>Schnelloptionen zum Entpacken</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Fortschritt der aktuellen Datei</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Keep Original File Extension in Zip File Names</source>
        <translation>Ursprüngliche Dateiendung im Namen der ZIP-Datei behalten</translation>
    </message>
    <message>
        <source>Keep Original Zip File Extension in Zip Filename ?</source>
        <translation>Dateiendung im Namen der ZIP-Datei behalten?</translation>
    </message>
    <message>
        <source>Show File and Folder Icons</source>
        <translation>Datei- und Ordnersymbole anzeigen</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Delete Original File After Successfully Zipping</source>
        <translation>Originaldatei nach erfolgreichem Packen löschen</translation>
    </message>
    <message>
        <source>Delete Original File After Successfully Zipping ?</source>
        <translation>Originaldatei nach erfolgreichem Packen löschen?</translation>
    </message>
    <message>
        <source>Beep When Zipping Process is Complete</source>
        <translation>Signalton nach dem Packen</translation>
    </message>
    <message>
        <source>Beep when Zipping Process has Completed ?</source>
        <translation>Signalton nach dem Packen?</translation>
    </message>
    <message>
        <source>Store Full File Paths in Zip Files</source>
        <translation>Vollständige Dateipfade in ZIP-Dateien speichern</translation>
    </message>
    <message>
        <source>Recurse Folders if Zip Contains them</source>
        <translation>Ordner wiederherstellen, wenn die ZIP-Datei welche enthält</translation>
    </message>
    <message>
        <source>Recurse Folders if Zips Contain them ?</source>
        <translation>Ordner aus ZIP-Dateien wiederherstellen?</translation>
    </message>
    <message>
        <source>Beep When Unzipping Process has Completed</source>
        <translation>Signalton nach dem Entpacken</translation>
    </message>
    <message>
        <source>Beep When Unzipping Process has Completed ?</source>
        <translation>Signalton nach dem Entpacken?</translation>
    </message>
    <message>
        <source>Delete Zip File After Successfully Unzipping</source>
        <translation>ZIP-Datei nach erfolgreichem Entpacken löschen</translation>
    </message>
    <message>
        <source>Delete Zip File after Successfully Unzipping ?</source>
        <translation>ZIP-Datei nach erfolgreichem Entpacken löschen?</translation>
    </message>
    <message>
        <source>Make Zip Date Stamp Equal to Latest File in the Archive</source>
        <translation>Datum der ZIP-Datei auf die neueste Datei im Archiv setzen</translation>
    </message>
    <message>
        <source>Extract Each Zip File into a Filename Based Sub Folder</source>
        <translation>Jede ZIP-Datei in einen nach ihr benannten Unterordner entpacken</translation>
    </message>
    <message>
        <source>Delete Folder After Successfully Zipping</source>
        <translation>Ordner nach erfolgreichem Packen löschen</translation>
    </message>
    <message>
        <source>Show Password Text</source>
        <translation>Kennwörter im Klartext anzeigen</translation>
    </message>
    <message>
        <source>Show Settings</source>
        <translation>Einstellungen anzeigen</translation>
    </message>
    <message>
        <source>Show Icon in System Tray</source>
        <translation>Symbol im Infobereich anzeigen</translation>
    </message>
    <message>
        <source>Compression Level :</source>
        <translation>Komprimierung:</translation>
    </message>
    <message>
        <source>Use this bar to set the compression level.</source>
        <translation>Mit diesem Regler stellen Sie die Komprimierungsstufe ein.</translation>
    </message>
    <message>
        <source>Move Deleted Files to the Trash</source>
        <translation>Gelöschte Dateien in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Test Archives Before Deleting Originals</source>
        <translation>Archive vor dem Löschen der Originale testen</translation>
    </message>
    <message>
        <source>Save Zips in :</source>
        <translation>Speichern in:</translation>
    </message>
    <message>
        <source>Changes the destination folder where zip files are stored</source>
        <translation>Ändert den Zielordner, in dem ZIP-Dateien gespeichert werden</translation>
    </message>
    <message>
        <source>Unzip file to :</source>
        <translation>Entpacken nach:</translation>
    </message>
    <message>
        <source>Sets the destination folder where files are unzipped</source>
        <translation>Legt den Zielordner fest, in den Dateien entpackt werden</translation>
    </message>
    <message>
        <source>Temp Folder :</source>
        <translation>Temporärer Ordner:</translation>
    </message>
    <message>
        <source>Change the folder that Tovrane uses as a work folder</source>
        <translation>Ändert den Ordner, den Tovrane als Arbeitsordner verwendet</translation>
    </message>
    <message>
        <source>Include a File ?</source>
        <translation>Datei einfügen?</translation>
    </message>
    <message>
        <source>Select a file to include into each zip created</source>
        <translation>Wählen Sie eine Datei, die in jede erstellte ZIP-Datei aufgenommen wird</translation>
    </message>
    <message>
        <source>Set Zip Password :</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <source>Set Unzip Password :</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <source>This option is independent of the Zip and Unzip settings, with the exception of the password setting and compression strength.  Do you still wish to continue?</source>
        <translation>Diese Funktion ist von den Einstellungen zum Packen und Entpacken unabhängig, mit Ausnahme des Kennworts und der Komprimierungsstufe.  Möchten Sie trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Zipping in progress...Please Wait.</source>
        <translation>Packen läuft... Bitte warten.</translation>
    </message>
    <message>
        <source>Zipping operation complete.</source>
        <translation>Packen abgeschlossen.</translation>
    </message>
    <message>
        <source>Completed.</source>
        <translation>Abgeschlossen.</translation>
    </message>
    <message>
        <source>Zipping process halted by User.</source>
        <translation>Packen vom Benutzer angehalten.</translation>
    </message>
    <message>
        <source>Completed - errors occured.</source>
        <translation>Abgeschlossen - es sind Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Unzipping in progress...Please Wait.</source>
        <translation>Entpacken läuft... Bitte warten.</translation>
    </message>
    <message>
        <source>Unzipping process halted by User.</source>
        <translation>Entpacken vom Benutzer angehalten.</translation>
    </message>
    <message>
        <source>unzipping</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>Rezip operation Completed.</source>
        <translation>Umpacken abgeschlossen.</translation>
    </message>
    <message>
        <source>Rezip operation Completed - Errors occured.</source>
        <translation>Umpacken abgeschlossen - es sind Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>zipping</source>
        <translation>Packen</translation>
    </message>
    <message>
        <source>Paused - Click Pause again to continue.</source>
        <translation>Angehalten - zum Fortfahren erneut auf Pause klicken.</translation>
    </message>
    <message>
        <source>Cannot delete file %s</source>
        <translation>Datei %s kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The directory %s doesn&apos;t exist</source>
        <translation>Der Ordner %s existiert nicht</translation>
    </message>
    <message>
        <source>DelTree aborted by user !</source>
        <translation>Löschen vom Benutzer abgebrochen!</translation>
    </message>
    <message>
        <source>Cannot delete directory %s</source>
        <translation>Ordner %s kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Some errors occured during the %1 operation. Would you like to view the error log now ?</source>
        <translation>Beim %1 sind Fehler aufgetreten. Möchten Sie das Fehlerprotokoll jetzt ansehen?</translation>
    </message>
    <message>
        <source>Zipping: %1/%2 - %3% - (%4)</source>
        <translation>Packen: %1/%2 - %3% - (%4)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the files you have selected ?</source>
        <translation>Möchten Sie die ausgewählten Dateien wirklich löschen?</translation>
    </message>
    <message>
        <source>Zipping folders...  (%1/%2)  (%3)</source>
        <translation>Ordner werden gepackt...  (%1/%2)  (%3)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the FOLDERS you have selected ?</source>
        <translation>Möchten Sie die ausgewählten ORDNER wirklich löschen?</translation>
    </message>
    <message>
        <source>Re-zipping: %1/%2 - %3%  (%4)</source>
        <translation>Umpacken: %1/%2 - %3%  (%4)</translation>
    </message>
    <message>
        <source>Unzipping: %1/%2 - %3% - (%4)</source>
        <translation>Entpacken: %1/%2 - %3% - (%4)</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 Datei</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation>%1 Ordner</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation>%1 Ordner</translation>
    </message>
    <message>
        <source>%1 moved to the Trash</source>
        <translation>%1 in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>%1 deleted for good (no Trash on their volume)</source>
        <translation>%1 endgültig gelöscht (kein Papierkorb auf ihrem Datenträger)</translation>
    </message>
    <message>
        <source>%1 deleted</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>%1 could not be deleted</source>
        <translation>%1 nicht löschbar</translation>
    </message>
    <message>
        <source>No Trash on the volume of %1: %2 deleted for good.</source>
        <translation>Kein Papierkorb auf dem Datenträger von %1: %2 endgültig gelöscht.</translation>
    </message>
</context>
<context>
    <name>TRename_Form</name>
    <message>
        <source>%1: no longer there</source>
        <translation>%1: nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>%1: the name %2 is taken</source>
        <translation>%1: der Name %2 ist vergeben</translation>
    </message>
    <message>
        <source>%1: could not be renamed back to %2</source>
        <translation>%1: konnte nicht wieder in %2 umbenannt werden</translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(unverändert)</translation>
    </message>
    <message>
        <source>%1  (name taken: keeps its name)</source>
        <translation>%1  (Name vergeben: behält ihren Namen)</translation>
    </message>
    <message>
        <source>(no usable name: keeps its name)</source>
        <translation>(kein brauchbarer Name: behält ihren Namen)</translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation>(nicht gefunden)</translation>
    </message>
    <message>
        <source>Batch Renaming Tool</source>
        <translation>Stapelweise umbenennen</translation>
    </message>
    <message>
        <source>This option will allow you to rename the files you have selected on the main screen using
one of the following pre-defined templates :</source>
        <translation>Mit dieser Funktion können Sie die im Hauptfenster ausgewählten Dateien nach
einer der folgenden Vorlagen umbenennen:</translation>
    </message>
    <message>
        <source>Spacing Options</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>None of the Above</source>
        <translation>Nichts davon</translation>
    </message>
    <message>
        <source>Change all Spaces to &quot;_&quot;</source>
        <translation>Alle Leerzeichen in &quot;_&quot; ändern</translation>
    </message>
    <message>
        <source>Change all &quot;_&quot; to Spaces</source>
        <translation>Alle &quot;_&quot; in Leerzeichen ändern</translation>
    </message>
    <message>
        <source>Remove all Spaces</source>
        <translation>Alle Leerzeichen entfernen</translation>
    </message>
    <message>
        <source>Change all &quot;[&quot; and &quot;]&quot; to Spaces</source>
        <translation>Alle &quot;[&quot; und &quot;]&quot; in Leerzeichen ändern</translation>
    </message>
    <message>
        <source>Letter Case Options</source>
        <translation>Groß- und Kleinschreibung</translation>
    </message>
    <message>
        <source>Rename All Selected Files to Uppercase</source>
        <translation>Alle ausgewählten Dateien in Großbuchstaben umbenennen</translation>
    </message>
    <message>
        <source>Rename All Selected Files to Lowercase</source>
        <translation>Alle ausgewählten Dateien in Kleinbuchstaben umbenennen</translation>
    </message>
    <message>
        <source>Capitalise Each First Letter</source>
        <translation>Jeden Anfangsbuchstaben großschreiben</translation>
    </message>
    <message>
        <source>Preview of the new names</source>
        <translation>Vorschau der neuen Namen</translation>
    </message>
    <message>
        <source>Selected Name</source>
        <translation>Ausgewählter Name</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>This operation is independent of Zip and Unzipping functions of Tovrane.</source>
        <translation>Dieser Vorgang ist von den Funktionen zum Packen und Entpacken von Tovrane unabhängig.</translation>
    </message>
    <message>
        <source>Rename progress</source>
        <translation>Fortschritt der Umbenennung</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Letzte Umbenennung rückgängig machen</translation>
    </message>
    <message>
        <source>Awaiting User.</source>
        <translation>Wartet auf Benutzer.</translation>
    </message>
    <message>
        <source>One or more of the files you selected could not be renamed.  The file(s) may have been in use.</source>
        <translation>Eine oder mehrere der ausgewählten Dateien konnten nicht umbenannt werden.  Die Datei(en) waren möglicherweise in Gebrauch.</translation>
    </message>
    <message>
        <source>%1 file(s) renamed back.</source>
        <translation>%1 Datei(en) zurückbenannt.</translation>
    </message>
    <message>
        <source>

Could not be renamed back:
</source>
        <translation>

Konnten nicht zurückbenannt werden:
</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Batch archiving, one zip per file</source>
        <translation>Stapelweise archivieren, eine ZIP-Datei pro Datei</translation>
    </message>
</context>
<context>
    <name>TTrash_Removal</name>
    <message>
        <source>File Filter Removal</source>
        <translation>Dateitypen entfernen</translation>
    </message>
    <message>
        <source>Select File Types to Delete on Rezip</source>
        <translation>Beim Umpacken zu löschende Dateitypen wählen</translation>
    </message>
    <message>
        <source>This option will remove any &quot;Trash&quot; files you may have
contained within your original zip file.  Warning: Once
they have been removed they cannot be retrieved.
You can ignore this feature and click &quot;Rezip&quot; to 
continue rezipping your files.</source>
        <translation>Diese Funktion entfernt alle „überflüssigen“ Dateien aus
Ihrer ursprünglichen ZIP-Datei.  Warnung: Einmal
entfernt, lassen sie sich nicht wiederherstellen.
Sie können diese Funktion übergehen und auf „Umpacken“ 
klicken, um Ihre Dateien neu zu packen.</translation>
    </message>
    <message>
        <source>Rezip</source>
        <translation>Umpacken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Other extension</source>
        <translation>Andere Endung</translation>
    </message>
    <message>
        <source>Up to three letters after &quot;*.&quot;, a file type of your own to delete</source>
        <translation>Bis zu drei Buchstaben nach „*.“, ein eigener Dateityp zum Löschen</translation>
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
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>File Save Successfully !</source>
        <translation>Datei erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Fehler beim Speichern der Datei.</translation>
    </message>
</context>
<context>
    <name>Ttrimmer</name>
    <message>
        <source>The offsets do not name a range of bytes.</source>
        <translation>Die Offsets bezeichnen keinen Bytebereich.</translation>
    </message>
    <message>
        <source>It could not be opened: %1.</source>
        <translation>Sie konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>It holds fewer bytes than the end offset.</source>
        <translation>Sie enthält weniger Bytes, als der End-Offset angibt.</translation>
    </message>
    <message>
        <source>It could not be read: %1.</source>
        <translation>Sie konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No temporary file could be made in its folder: %1.</source>
        <translation>In ihrem Ordner konnte keine temporäre Datei angelegt werden: %1.</translation>
    </message>
    <message>
        <source>It became shorter while it was copied.</source>
        <translation>Sie wurde während des Kopierens kürzer.</translation>
    </message>
    <message>
        <source>The temporary file could not be written: %1.</source>
        <translation>Die temporäre Datei konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>The temporary file could not be written to disk: %1.</source>
        <translation>Die temporäre Datei konnte nicht auf den Datenträger geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>The temporary file could not take its place: %1.</source>
        <translation>Die temporäre Datei konnte nicht an ihre Stelle treten: %1.</translation>
    </message>
    <message>
        <source>File Trim Tool</source>
        <translation>Datei kürzen</translation>
    </message>
    <message>
        <source>Pre-Trim information</source>
        <translation>Informationen vor dem Kürzen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Current Size (Hex)</source>
        <translation>Aktuelle Größe (hex)</translation>
    </message>
    <message>
        <source>Current Size (Dec)</source>
        <translation>Aktuelle Größe (dez)</translation>
    </message>
    <message>
        <source>Current CRC32</source>
        <translation>Aktuelle CRC32</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Enter the Start and End offsets (in decimal)</source>
        <translation>Start- und End-Offset eingeben (dezimal)</translation>
    </message>
    <message>
        <source>Keep 1st Half</source>
        <translation>1. Hälfte behalten</translation>
    </message>
    <message>
        <source>Keep 2nd Half</source>
        <translation>2. Hälfte behalten</translation>
    </message>
    <message>
        <source>Enter start offset</source>
        <translation>Start-Offset eingeben</translation>
    </message>
    <message>
        <source>Enter end offset</source>
        <translation>End-Offset eingeben</translation>
    </message>
    <message>
        <source>Trim File</source>
        <translation>Datei kürzen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Are you sure to want to trim a ZIP file, it may render the file corrupt when you try to unzip it?</source>
        <translation>Möchten Sie wirklich eine ZIP-Datei kürzen, obwohl sie dadurch beim Entpacken beschädigt sein kann?</translation>
    </message>
    <message>
        <source>Please select 1 file for trimming.</source>
        <translation>Bitte wählen Sie 1 Datei zum Kürzen aus.</translation>
    </message>
    <message>
        <source>You must select a file before you can trim one !</source>
        <translation>Wählen Sie zuerst eine Datei aus, die gekürzt werden soll!</translation>
    </message>
    <message>
        <source>Cant half an odd sized rom...</source>
        <translation>Eine Datei ungerader Größe lässt sich nicht halbieren...</translation>
    </message>
    <message>
        <source>You must enter a valid decimal byte size in order to trim your file correctly.  Check your trim size is not greater than the original size..etc.</source>
        <translation>Geben Sie eine gültige dezimale Bytegröße ein, um Ihre Datei richtig zu kürzen.  Prüfen Sie, ob die Größe nicht über der ursprünglichen Größe liegt usw.</translation>
    </message>
    <message>
        <source>Are you sure you want to trim %1 ?</source>
        <translation>Möchten Sie %1 wirklich kürzen?</translation>
    </message>
    <message>
        <source>File Trimmed successfully.  New CRC32 Value = $%1</source>
        <translation>Datei erfolgreich gekürzt.  Neuer CRC32-Wert = $%1</translation>
    </message>
    <message>
        <source>%1 could not be trimmed and has been left as it was.  %2</source>
        <translation>%1 konnte nicht gekürzt werden und ist unverändert geblieben.  %2</translation>
    </message>
</context>
<context>
    <name>Tziptest</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Zip Testing Tool</source>
        <translation>ZIP-Dateien testen</translation>
    </message>
    <message>
        <source>This option will check the integrity of any files you have selected on the main screen.</source>
        <translation>Diese Funktion prüft die Unversehrtheit aller im Hauptfenster ausgewählten Dateien.</translation>
    </message>
    <message>
        <source>You must select a Zip file before testing can take place.</source>
        <translation>Wählen Sie zuerst eine ZIP-Datei aus, bevor getestet werden kann.</translation>
    </message>
    <message>
        <source>Cancel Zip testing operation ?</source>
        <translation>Test der ZIP-Dateien abbrechen?</translation>
    </message>
    <message>
        <source>%1  (Not a valid zip archive)</source>
        <translation>%1  (Kein gültiges ZIP-Archiv)</translation>
    </message>
    <message>
        <source>%1  (Ok)</source>
        <translation>%1  (OK)</translation>
    </message>
    <message>
        <source>%1  (Corrupt) - Code (%2)</source>
        <translation>%1  (Beschädigt) - Code (%2)</translation>
    </message>
    <message>
        <source>Test results</source>
        <translation>Testergebnisse</translation>
    </message>
    <message>
        <source>Test progress</source>
        <translation>Testfortschritt</translation>
    </message>
</context>
</TS>
