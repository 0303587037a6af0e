#include "MainMenu.h"

#include "CommandActions.h"
#include "OptionBinding.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

class MenuBuilder {
  public:
    MenuBuilder(CommandActions &commands, OptionsModel &options)
        : commands_(commands), options_(options) {}

    QMenu *title(QMenuBar *bar, const char *caption, const char *name) {
        QMenu *menu = bar->addMenu(QCoreApplication::translate("TMainform", caption));
        menu->setObjectName(QString::fromLatin1(name));
        // Locked as a widget: a menu disabled so stays disabled when the
        // main window is disabled and enabled again meanwhile.
        commands_.addInputWidget(menu);
        return menu;
    }
    QAction *command(QMenu *menu, const char *name) {
        QAction *a = commands_.action(QString::fromLatin1(name));
        menu->addAction(a);
        return a;
    }
    QAction *option(QMenu *menu, Option which) {
        return optionbinding::menuItem(options_, which, menu);
    }

  private:
    CommandActions &commands_;
    OptionsModel &options_;
};

}  // namespace

void buildMainMenu(QMenuBar *bar, CommandActions &commands, OptionsModel &options) {
    MenuBuilder m(commands, options);

    QMenu *file = m.title(bar, QT_TRANSLATE_NOOP("TMainform", "&File"), "fileMenu");
    m.command(file, "DeleteFiles");
    m.command(file, "DeleteFolders");
    m.option(file, Option::trashDeletions);
    file->addSeparator();
    m.command(file, "Exit");

    QMenu *edit = m.title(bar, QT_TRANSLATE_NOOP("TMainform", "&Edit"), "editMenu");
    m.command(edit, "All");
    m.command(edit, "None");
    m.command(edit, "Invert");
    edit->addSeparator();
    m.command(edit, "Refresh");
    edit->addSeparator();
    m.command(edit, "UndoRename");

    QMenu *view = m.title(bar, QT_TRANSLATE_NOOP("TMainform", "Vie&w"), "viewMenu");
    QMenu *focus = view->addMenu(QCoreApplication::translate("TMainform", "Set Viewing Focus to"));
    m.command(focus, "ViewFiles");
    m.command(focus, "ViewFolders");
    view->addSeparator();
    m.option(view, Option::showIcons);
    m.option(view, Option::showPasswords);
    m.option(view, Option::trayIcon)->setVisible(false);
    m.option(view, Option::showSettings)->setVisible(false);
    view->addSeparator();
    m.command(view, "ViewErrorLog");
    view->addSeparator();
    m.command(view, "Refresh");

    QMenu *settings = m.title(bar, QT_TRANSLATE_NOOP("TMainform", "&Settings"), "settingsMenu");
    QMenu *zipSettings =
        settings->addMenu(QCoreApplication::translate("TMainform", "Zip Settings"));
    QMenu *fileSettings =
        zipSettings->addMenu(QCoreApplication::translate("TMainform", "Zip File Settings"));
    m.option(fileSettings, Option::keepExtension);
    m.option(fileSettings, Option::deleteOriginal);
    m.option(fileSettings, Option::testBeforeDelete);
    m.option(fileSettings, Option::beepZip);
    // The folders view stores paths whatever this says, and shows so.
    commands.follow(m.option(fileSettings, Option::fullPaths), CommandRule::IdleFilesView);
    m.option(fileSettings->addMenu(QCoreApplication::translate("TMainform", "Make Zip Extension")),
             Option::upperCaseExtension);
    fileSettings->addSeparator();
    m.option(fileSettings, Option::dateStamp);
    QMenu *folderSettings =
        zipSettings->addMenu(QCoreApplication::translate("TMainform", "Zip Folder Settings"));
    m.option(folderSettings, Option::deleteFolder);
    QMenu *unzipSettings =
        settings->addMenu(QCoreApplication::translate("TMainform", "Unzip Settings"));
    m.option(unzipSettings, Option::recurse);
    m.option(unzipSettings, Option::beepUnzip);
    m.option(unzipSettings, Option::deleteZip);
    unzipSettings->addSeparator();
    m.option(unzipSettings, Option::subFolder);
    settings->addSeparator();
    m.command(settings, "DefineFilters");
    settings->addSeparator();
    m.command(settings, "RestoreDefaults");

    QMenu *tools = m.title(bar, QT_TRANSLATE_NOOP("TMainform", "Tools"), "toolsMenu");
    m.command(tools, "CRC32");
    m.command(tools, "Dupes");
    m.command(tools, "Trim");
    m.command(tools, "Rename");
    m.command(tools, "Test");
    tools->addSeparator();
    m.command(tools, "FormatTool");

    QMenu *help = m.title(bar, QT_TRANSLATE_NOOP("TMainform", "&Help"), "helpMenu");
    m.command(help, "Help");
    help->addSeparator();
    m.command(help, "Homepage");
    m.command(help, "Suggestion")->setVisible(false);
    help->addSeparator();
    m.command(help, "About");
}
