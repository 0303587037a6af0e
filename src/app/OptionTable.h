#pragma once

#include "batch/BatchSettings.h"

#include <array>
#include <cstddef>

// Every option and setting of the main window, named once. Each row says
// where the option is stored in the settings file and with which default,
// how the window shows it (menu item, options panel caption and hint), how
// tovrane-batch sets it, and where the batches read it in their snapshot.
// The settings file, the window's widgets and menu items, the batches'
// settings snapshot and tovrane-batch all work from this table.
//
// Adding a setting takes one row here and its uses elsewhere:
//  1. its name in `Option` and its row in kOptionTable, both right after
//     `folderPaneWidth`. Stored settings are written in table order, so a
//     new key lands after the eighteen lines earlier versions wrote, and a
//     file without it leaves the setting at the row's default;
//  2. its control: m.option(menu, Option::name) in buildMainMenu() for a
//     check-marked menu item, optionbinding::checkBox() in OptionsPanel for
//     a check box; both bind themselves to the model;
//  3. where a batch reads it: a field of BatchSettings named in `.batch`,
//     and the loop that uses it; a tovrane-batch option named in `.cli`
//     goes into the list of cli/CliOptions.cpp, where it is shown.
// For example (the key, captions and option being the new setting's own):
//
//   {.id = Option::testArchives,
//    .name = "testArchives",
//    .kind = OptionKind::Switch,
//    .key = "TESTARC",
//    .on = false,
//    .menuItem = "Test Archives Before Deleting Originals",
//    .batch = &BatchSettings::testArchives},

// The options, in table order. The names are the ones the window's widgets
// and menu items carry as object names and the batches' snapshot uses.
enum class Option {
    // Stored in the settings file, in the order of its lines.
    keepExtension,
    showIcons,
    upperCaseExtension,
    filters,
    deleteOriginal,
    beepZip,
    fullPaths,
    recurse,
    beepUnzip,
    deleteZip,
    dateStamp,
    subFolder,
    deleteFolder,
    showPasswords,
    showSettings,
    trayIcon,
    compressionLevel,
    folderPaneWidth,
    trashDeletions,
    testBeforeDelete,
    // Never stored: each run starts with them as the browser and the
    // dialogs set them.
    zipFolder,
    unzipFolder,
    workFolder,
    includeFile,
    zipPassword,
    unzipPassword,
};

enum class OptionKind {
    Switch,  // on or off
    Number,  // a whole number from `minimum` to `maximum`
    Text,    // free text
    Folder,  // a folder ending with a separator; follows the browsed folder unless pinned
    File,    // a file path or empty; pinned while chosen
};

// An option of tovrane-batch: "--name" or "--name VALUE", for some commands.
struct CliOption {
    const char *name = nullptr;
    const char *value = nullptr;     // what the value stands for; nullptr for a switch
    const char *commands = nullptr;  // blank-separated
    const char *help = nullptr;
};

// Where a batch finds the option in its settings snapshot.
struct BatchField {
    bool BatchSettings::*flag = nullptr;
    int BatchSettings::*number = nullptr;
    QString BatchSettings::*text = nullptr;
    constexpr BatchField() = default;
    constexpr BatchField(bool BatchSettings::*f) : flag(f) {}
    constexpr BatchField(int BatchSettings::*n) : number(n) {}
    constexpr BatchField(QString BatchSettings::*t) : text(t) {}
};

struct OptionDescriptor {
    Option id;
    const char *name;
    OptionKind kind;

    // The settings file: the key (nullptr when never stored), and whether
    // reading skips it. A switch is read from "T" or "F" in column 11, a
    // number from the one digit there, a text from the rest of the line.
    const char *key = nullptr;
    bool writtenOnly = false;
    bool upperCaseOnRead = false;

    // The default: the window's built-in state, and any key missing from
    // the settings file.
    bool on = false;
    int number = 0;
    const char *text = "";
    int minimum = 0;
    int maximum = 0;

    // The window: the check-marked menu item (for a switch shown as two
    // radio items, `menuItemOff` is the one checked while it is off), the
    // options panel's caption (check box or field label) and the hint of
    // its control.
    const char *menuItem = nullptr;
    const char *menuItemOff = nullptr;
    const char *caption = nullptr;
    const char *hint = nullptr;

    // tovrane-batch: the option that sets it (a switch: on; `cliOff`: off),
    // and switches that it starts with off whatever the window's default,
    // since a script deletes and beeps only when asked to.
    CliOption cli{};
    CliOption cliOff{};
    bool offInBatchTool = false;

    BatchField batch{};
};

inline constexpr OptionDescriptor kOptionTable[] = {
    {.id = Option::keepExtension,
     .name = "keepExtension",
     .kind = OptionKind::Switch,
     .key = "POFEIZF",
     .on = false,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Keep Original File Extension in Zip File Names"),
     .caption =
         QT_TRANSLATE_NOOP("TMainform", "Keep Original Zip File Extension in Zip Filename ?"),
     .cli = {"--keep-extension", nullptr, "zip",
             "name archives after the whole file name (a.txt.zip)"},
     .batch = &BatchSettings::keepExtension},
    {.id = Option::showIcons,
     .name = "showIcons",
     .kind = OptionKind::Switch,
     .key = "SFFI",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Show File and Folder Icons")},
    {.id = Option::upperCaseExtension,
     .name = "upperCaseExtension",
     .kind = OptionKind::Switch,
     .key = "MZEU",
     .on = false,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Uppercase"),
     .menuItemOff = QT_TRANSLATE_NOOP("TMainform", "Lowercase"),
     .cli = {"--upper-case", nullptr, "zip zip-folders", "end archive names in .ZIP"},
     .batch = &BatchSettings::upperCaseExtension},
    {.id = Option::filters,
     .name = "filters",
     .kind = OptionKind::Text,
     .key = "FED",
     .upperCaseOnRead = true,
     .text = "*.*|*.*|*.BMP|*.BMP|*.DOC|*.DOC|*.JPG|*.JPG|*.TXT|*.TXT|*.WMF|*.WMF"},
    {.id = Option::deleteOriginal,
     .name = "deleteOriginal",
     .kind = OptionKind::Switch,
     .key = "DOFASZ",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Delete Original File After Successfully Zipping"),
     .caption = QT_TRANSLATE_NOOP("TMainform", "Delete Original File After Successfully Zipping ?"),
     .cli = {"--delete-originals", nullptr, "zip", "delete each file once its archive is complete"},
     .offInBatchTool = true,
     .batch = &BatchSettings::deleteOriginal},
    {.id = Option::beepZip,
     .name = "beepZip",
     .kind = OptionKind::Switch,
     .key = "BWZPIC",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Beep When Zipping Process is Complete"),
     .caption = QT_TRANSLATE_NOOP("TMainform", "Beep when Zipping Process has Completed ?"),
     .offInBatchTool = true,
     .batch = &BatchSettings::beepZip},
    {.id = Option::fullPaths,
     .name = "fullPaths",
     .kind = OptionKind::Switch,
     .key = "SFFPIZF",
     .on = false,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Store Full File Paths in Zip Files"),
     .cli = {"--full-paths", nullptr, "zip zip-folders", "store folder paths in the archives"},
     .batch = &BatchSettings::fullPaths},
    {.id = Option::recurse,
     .name = "recurse",
     .kind = OptionKind::Switch,
     .key = "RFIZCT",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Recurse Folders if Zip Contains them"),
     .caption = QT_TRANSLATE_NOOP("TMainform", "Recurse Folders if Zips Contain them ?"),
     .cli = {"--recurse", nullptr, "unzip",
             "recreate the folders stored in the archives (the default)"},
     .cliOff = {"--no-recurse", nullptr, "unzip",
                "extract every entry straight into the destination"},
     .batch = &BatchSettings::recurse},
    {.id = Option::beepUnzip,
     .name = "beepUnzip",
     .kind = OptionKind::Switch,
     .key = "BWUPIC",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Beep When Unzipping Process has Completed"),
     .caption = QT_TRANSLATE_NOOP("TMainform", "Beep When Unzipping Process has Completed ?"),
     .offInBatchTool = true,
     .batch = &BatchSettings::beepUnzip},
    {.id = Option::deleteZip,
     .name = "deleteZip",
     .kind = OptionKind::Switch,
     .key = "DZASU",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Delete Zip File After Successfully Unzipping"),
     .caption = QT_TRANSLATE_NOOP("TMainform", "Delete Zip File after Successfully Unzipping ?"),
     .cli = {"--delete-zips", nullptr, "unzip", "delete each archive once all of it is extracted"},
     .offInBatchTool = true,
     .batch = &BatchSettings::deleteZip},
    {.id = Option::dateStamp,
     .name = "dateStamp",
     .kind = OptionKind::Switch,
     .key = "MDTSSAS",
     .on = false,
     .menuItem =
         QT_TRANSLATE_NOOP("TMainform", "Make Zip Date Stamp Equal to Latest File in the Archive"),
     .cli = {"--date-stamp", nullptr, "zip zip-folders",
             "give each archive the date of its newest entry"},
     .batch = &BatchSettings::dateStamp},
    {.id = Option::subFolder,
     .name = "subFolder",
     .kind = OptionKind::Switch,
     .key = "UEFIIOF",
     .on = false,
     .menuItem =
         QT_TRANSLATE_NOOP("TMainform", "Extract Each Zip File into a Filename Based Sub Folder"),
     .cli = {"--sub-folder", nullptr, "unzip", "extract each archive into a folder named after it"},
     .batch = &BatchSettings::subFolder},
    {.id = Option::deleteFolder,
     .name = "deleteFolder",
     .kind = OptionKind::Switch,
     .key = "DFOLDER",
     .on = false,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Delete Folder After Successfully Zipping"),
     .cli = {"--delete-folders", nullptr, "zip-folders",
             "delete each folder once its archive holds all of it"},
     .offInBatchTool = true,
     .batch = &BatchSettings::deleteFolder},
    {.id = Option::showPasswords,
     .name = "showPasswords",
     .kind = OptionKind::Switch,
     .key = "SPWT",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Show Password Text")},
    {.id = Option::showSettings,
     .name = "showSettings",
     .kind = OptionKind::Switch,
     .key = "SHOWSET",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Show Settings")},
    {.id = Option::trayIcon,
     .name = "trayIcon",
     .kind = OptionKind::Switch,
     .key = "SIIST",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Show Icon in System Tray")},
    {.id = Option::compressionLevel,
     .name = "compressionLevel",
     .kind = OptionKind::Number,
     .key = "COMPSTR",
     .number = 8,
     .minimum = 1,
     .maximum = 9,
     .caption = QT_TRANSLATE_NOOP("TMainform", "Compression Level :"),
     .hint = QT_TRANSLATE_NOOP("TMainform", "Use this bar to set the compression level."),
     .cli = {"--level", "N", "zip zip-folders rezip",
             "compression level, 1 (fastest) to 9 (smallest); 8 if not given"},
     .batch = &BatchSettings::compressionLevel},
    // The width of the folder tree's pane when the file is written; the pane
    // always starts at half the browser's width.
    {.id = Option::folderPaneWidth,
     .name = "folderPaneWidth",
     .kind = OptionKind::Number,
     .key = "DIRWIDT",
     .writtenOnly = true},
    // "Delete Selected Files", "Delete Selected Folders" and the duplicate
    // remover's deletions go to the desktop Trash; the batches' deletions
    // of originals now held by an archive do not.
    {.id = Option::trashDeletions,
     .name = "trashDeletions",
     .kind = OptionKind::Switch,
     .key = "TRASHDEL",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Move Deleted Files to the Trash"),
     .batch = &BatchSettings::trashDeletions},
    // Zipping checks what it wrote before it deletes the original file or
    // folder: the new archive is tested as read back from the disk, so an
    // archive that reads back wrong keeps its original. Unzipping checks the
    // files it wrote against the archive's CRCs before it deletes the
    // archive.
    {.id = Option::testBeforeDelete,
     .name = "testBeforeDelete",
     .kind = OptionKind::Switch,
     .key = "TESTDEL",
     .on = true,
     .menuItem = QT_TRANSLATE_NOOP("TMainform", "Test Archives Before Deleting Originals"),
     .cli = {"--test-before-delete", nullptr, "zip zip-folders unzip",
             "test each new archive, or the files unzipped, before the original goes (the "
             "default)"},
     .cliOff = {"--no-test-before-delete", nullptr, "zip zip-folders unzip",
                "delete originals and unzipped archives without testing first"},
     .batch = &BatchSettings::testBeforeDelete},
    {.id = Option::zipFolder,
     .name = "zipFolder",
     .kind = OptionKind::Folder,
     .caption = QT_TRANSLATE_NOOP("TMainform", "Save Zips in :"),
     .hint = QT_TRANSLATE_NOOP("TMainform",
                               "Changes the destination folder where zip files are stored"),
     .cli = {"--to", "DIR", "zip zip-folders",
             "where the archives go; beside each item if not given"},
     .batch = &BatchSettings::zipFolder},
    {.id = Option::unzipFolder,
     .name = "unzipFolder",
     .kind = OptionKind::Folder,
     .caption = QT_TRANSLATE_NOOP("TMainform", "Unzip file to :"),
     .hint = QT_TRANSLATE_NOOP("TMainform", "Sets the destination folder where files are unzipped"),
     .cli = {"--to", "DIR", "unzip",
             "where the archives are extracted; beside each archive if not given"},
     .batch = &BatchSettings::unzipFolder},
    {.id = Option::workFolder,
     .name = "workFolder",
     .kind = OptionKind::Folder,
     .caption = QT_TRANSLATE_NOOP("TMainform", "Temp Folder :"),
     .hint = QT_TRANSLATE_NOOP("TMainform", "Change the folder that Tovrane uses as a work folder"),
     .cli = {"--work", "DIR", "zip zip-folders rezip",
             "the engine's temporary folder; beside each item if not given (rezip: a private "
             "one)"},
     .batch = &BatchSettings::workFolder},
    {.id = Option::includeFile,
     .name = "includeFile",
     .kind = OptionKind::File,
     .caption = QT_TRANSLATE_NOOP("TMainform", "Include a File ?"),
     .hint = QT_TRANSLATE_NOOP("TMainform", "Select a file to include into each zip created"),
     .cli = {"--include", "FILE", "zip zip-folders rezip", "a file added to every archive"},
     .batch = &BatchSettings::includeFile},
    {.id = Option::zipPassword,
     .name = "zipPassword",
     .kind = OptionKind::Text,
     .caption = QT_TRANSLATE_NOOP("TMainform", "Set Zip Password :"),
     .batch = &BatchSettings::zipPassword},
    {.id = Option::unzipPassword,
     .name = "unzipPassword",
     .kind = OptionKind::Text,
     .caption = QT_TRANSLATE_NOOP("TMainform", "Set Unzip Password :"),
     .batch = &BatchSettings::unzipPassword},
};

inline constexpr std::size_t kOptionCount = std::size(kOptionTable);

// The row of an option.
constexpr const OptionDescriptor &descriptorOf(Option option) {
    return kOptionTable[static_cast<std::size_t>(option)];
}

// Each row sits at the place of its name in `Option`.
constexpr bool tableInEnumOrder() {
    for (std::size_t i = 0; i < kOptionCount; ++i)
        if (static_cast<std::size_t>(kOptionTable[i].id) != i)
            return false;
    return true;
}
static_assert(tableInEnumOrder(), "kOptionTable's rows follow the order of Option");
static_assert(kOptionCount == static_cast<std::size_t>(Option::unzipPassword) + 1,
              "every Option has its row");
