// A screen reader names every control of the main window, the tool windows
// and the dialogs for what it is, and the Tab key walks them in the order
// they are seen: in the main window the browser from left to right, the options panel
// from top to bottom, then the button bar.
#include "AppFixture.h"

#include "app/AboutWindow.h"
#include "app/CreateFolderDialog.h"
#include "app/FileInclusionDialog.h"
#include "app/FolderDialog.h"
#include "app/HelpWindow.h"
#include "app/SecondaryWindows.h"
#include "batch/ui/DeleteScreen.h"
#include "batch/ui/ErrorLogWindow.h"
#include "batch/ui/TrashRemovalWindow.h"
#include "engine/ui/ZipTestWindow.h"
#include "tools/crc/ui/TCRC32_Form.h"
#include "tools/dupes/ui/TDupes.h"
#include "tools/filters/ui/DefinableExtDialog.h"
#include "tools/info/ui/TFileInfo.h"
#include "tools/rename/ui/TRename_Form.h"
#include "tools/trim/ui/Ttrimmer.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QStringList>
#include <QTabBar>

namespace {

QString spokenName(QWidget *w) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

bool takesTab(const QWidget *w, const QWidget *window) {
    return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(window);
}

// The widgets the Tab key reaches, in its order. Disabled ones (Pause and
// Stop while nothing runs) keep their place for when they are enabled.
QList<QWidget *> tabChain(QWidget *window) {
    QList<QWidget *> chain;
    QWidget *w = window;
    do {
        if (w != window && w->window() == window && takesTab(w, window))
            chain << w;
        w = w->nextInFocusChain();
    } while (w != window);
    return chain;
}

// Qt on Linux reads a combo box and a tab bar by their current item (a tab
// bar without tabs by nothing) and leaves their label to the relations; the
// table knows them by the name they were given.
QString tableName(QWidget *w) {
    return qobject_cast<QComboBox *>(w) || qobject_cast<QTabBar *>(w) ? w->accessibleName()
                                                                      : spokenName(w);
}

QString names(const QList<QWidget *> &widgets) {
    QStringList out;
    for (QWidget *w : widgets)
        out << tableName(w);
    return out.join(QStringLiteral(" | "));
}

// Each focusable control: a non-empty name of its own, never the title of the
// group box around it (what a reader falls back to without one).
void expectNamed(QWidget *window, const QStringList &expectedOrder) {
    QStringList titles;
    for (const QGroupBox *g : window->findChildren<QGroupBox *>())
        titles << g->title();
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || !takesTab(w, window))
            continue;
        const QString name = tableName(w);
        const QString what = QString::fromLatin1(w->metaObject()->className()) + " " +
                             w->objectName() + " \"" + name + "\"";
        EXPECT_FALSE(name.trimmed().isEmpty()) << what.toStdString();
        EXPECT_FALSE(titles.contains(name)) << what.toStdString();
    }
    EXPECT_EQ(names(tabChain(window)).toStdString(),
              expectedOrder.join(QStringLiteral(" | ")).toStdString());
}

}  // namespace

using Accessibility = AppFixture;

TEST_F(Accessibility, MainWindowControlsAreNamedAndTabbedInVisualOrder) {
    startProgram();
    expectNamed(&form(), {"Drive",
                          "Folder tree",
                          "Files",
                          "File filter",
                          "Define File Filters",
                          "Set view to folders",
                          "Set view to files",
                          "Delete Original File After Successfully Zipping ?",
                          "Beep when Zipping Process has Completed ?",
                          "Keep Original Zip File Extension in Zip Filename ?",
                          "Choose the folder to save zips in",
                          "Choose a file to include in each zip",
                          "Choose the temp folder",
                          "Zip password",
                          "Compression level",
                          "Recurse Folders if Zips Contain them ?",
                          "Beep When Unzipping Process has Completed ?",
                          "Delete Zip File after Successfully Unzipping ?",
                          "Choose the folder to unzip files to",
                          "Unzip password",
                          "Pause",
                          "Stop",
                          "Invert",
                          "None",
                          "All",
                          "Unzip",
                          "Zip",
                          "Test",
                          "Rezip",
                          "Delete",
                          "Rename",
                          "CRC32",
                          "Trim",
                          "Dupes"});
}

TEST_F(Accessibility, FieldsAreNamedDescribedAndLabelledByTheirCaptions) {
    startProgram();
    struct Row {
        const char *object;
        const char *caption;
        const char *name;
        const char *description;
    } rows[] = {
        {"zipFolder", "Save Zips in :", "Save zips in",
         "Changes the destination folder where zip files are stored"},
        {"unzipFolder", "Unzip file to :", "Unzip files to",
         "Sets the destination folder where files are unzipped"},
        {"workFolder", "Temp Folder :", "Temp folder",
         "Change the folder that Tovrane uses as a work folder"},
        {"includeFile", "Include a File ?", "File to include in each zip",
         "Select a file to include into each zip created"},
        {"zipPassword", "Set Zip Password :", "Zip password", ""},
        {"unzipPassword", "Set Unzip Password :", "Unzip password", ""},
        {"TrackBar1", "Compression Level :", "Compression level",
         "Compression level, 1 fastest to 9 smallest"},
    };
    for (const Row &r : rows) {
        QWidget &w = widget<QWidget>(r.object);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&w);
        ASSERT_NE(iface, nullptr) << r.object;
        EXPECT_EQ(iface->text(QAccessible::Name), r.name) << r.object;
        EXPECT_EQ(iface->text(QAccessible::Description), r.description) << r.object;
        // The caption on screen, its text unchanged, is the field's label.
        QStringList labels;
        for (const auto &relation : iface->relations(QAccessible::Label))
            labels << relation.first->text(QAccessible::Name);
        EXPECT_TRUE(labels.contains(r.caption))
            << r.object << ": " << labels.join('|').toStdString();
    }
}

// The tool windows and the dialogs, each with its controls in the order they
// show.
TEST_F(Accessibility, OtherWindowControlsAreNamedAndTabbedInVisualOrder) {
    startProgram();
    SecondaryWindows &w = app->windows();
    struct Row {
        QWidget *window;
        QStringList order;
    } rows[] = {
        {w.definableExt.get(), {"File extensions", "Remove", "New extension", "Add", "OK"}},
        {w.trimmer.get(),
         {"Current Size (Hex)", "Current Size (Dec)", "Current CRC32", "Enter start offset",
          "Enter end offset", "Keep 1st Half", "Keep 2nd Half", "Trim File", "Done"}},
        {w.crcReport.get(), {"CRC32 report", "Stop", "Save Report to a File"}},
        {w.rename.get(),
         {"None of the Above", "Change all Spaces to \"_\"", "Change all \"_\" to Spaces",
          "Remove all Spaces", "Change all \"[\" and \"]\" to Spaces", "None of the Above",
          "Rename All Selected Files to Uppercase", "Rename All Selected Files to Lowercase",
          "Capitalise Each First Letter", "Rename", "Cancel", "Undo Last Rename"}},
        {w.zipDest.get(), {"Drive", "Folder tree", "Cancel", "Create Folder", "OK"}},
        {w.unzipDest.get(), {"Drive", "Folder tree", "Cancel", "Create Folder", "OK"}},
        {w.tempDest.get(), {"Drive", "Folder tree", "Cancel", "Create Folder", "OK"}},
        {w.createFolder.get(), {"New folder name", "Cancel", "Create Folder"}},
        {w.fileInclusion.get(), {"Drive", "Folder tree", "Files", "Cancel", "None", "OK"}},
        {w.deleteScreen.get(), {"Cancel"}},
        {w.trashRemoval.get(),
         {"*.diz", "*.txt", "*.nfo", "*.readme", "*.doc", "*.jpg", "*.bak", "*.", "Other extension",
          "Rezip", "Cancel"}},
        {w.help.get(), {"Help text"}},
        {w.about.get(), {"Tovrane homepage", "OK"}},
        {w.errorLog.get(), {"Error log lines", "Save to a File", "Ok"}},
        {w.fileInfo.get(), {}},
        {w.zipTest.get(), {"Test results", "Stop"}},
        {w.dupes.get(),
         {"Groups of duplicates", "Duplicate files", "Stop", "Delete Selected Files"}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.window->windowTitle().toStdString());
        expectNamed(r.window, r.order);
    }
}
