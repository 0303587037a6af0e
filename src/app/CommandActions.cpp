#include "CommandActions.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QStyle>
#include <QWidget>
#include <utility>

namespace {

constexpr auto kNoGlyph = QStyle::SP_CustomBase;

struct CommandDescriptor {
    const char *name;
    // The menu caption, or the only one.
    const char *text;
    // The button's caption and hint, where the command has a button.
    const char *button = nullptr;
    const char *hint = nullptr;
    QStyle::StandardPixmap glyph = kNoGlyph;
    CommandRule rule = CommandRule::Idle;
};

// Every command. The fourteen of the button bar come first, in its order.
const CommandDescriptor kCommands[] = {
    {"Pause", QT_TRANSLATE_NOOP("TMainform", "Pause"), QT_TRANSLATE_NOOP("TMainform", "Pause"),
     QT_TRANSLATE_NOOP("TMainform", "Pauses the operation in progress"), QStyle::SP_MediaPause,
     CommandRule::WhileRunning},
    {"Stop", QT_TRANSLATE_NOOP("TMainform", "Stop"), QT_TRANSLATE_NOOP("TMainform", "Stop"),
     QT_TRANSLATE_NOOP("TMainform", "Interupts the operation in progress"), QStyle::SP_MediaStop,
     CommandRule::WhileRunning},
    {"Invert", QT_TRANSLATE_NOOP("TMainform", "Invert Selection"),
     QT_TRANSLATE_NOOP("TMainform", "Invert"),
     QT_TRANSLATE_NOOP("TMainform", "Inverts selected files or folders"), QStyle::SP_BrowserReload},
    {"None", QT_TRANSLATE_NOOP("TMainform", "Select &None"),
     QT_TRANSLATE_NOOP("TMainform", "&None"),
     QT_TRANSLATE_NOOP("TMainform", "Deselects all files or folders in view"),
     QStyle::SP_DialogDiscardButton},
    {"All", QT_TRANSLATE_NOOP("TMainform", "Select &All"), QT_TRANSLATE_NOOP("TMainform", "&All"),
     QT_TRANSLATE_NOOP("TMainform", "Selectes all files or folders in view"),
     QStyle::SP_DialogYesButton},
    {"Unzip", QT_TRANSLATE_NOOP("TMainform", "&Unzip"), QT_TRANSLATE_NOOP("TMainform", "&Unzip"),
     QT_TRANSLATE_NOOP("TMainform", "Unzips all selected zip files"), QStyle::SP_ArrowUp,
     CommandRule::IdleFilesView},
    {"Zip", QT_TRANSLATE_NOOP("TMainform", "&Zip"), QT_TRANSLATE_NOOP("TMainform", "&Zip"),
     QT_TRANSLATE_NOOP("TMainform", "Zips selected files or folders"), QStyle::SP_ArrowDown},
    {"Test", QT_TRANSLATE_NOOP("TMainform", "Zip Testing Tool"),
     QT_TRANSLATE_NOOP("TMainform", "Test"),
     QT_TRANSLATE_NOOP("TMainform", "Tests the integrity of selected zip files"),
     QStyle::SP_DialogApplyButton, CommandRule::IdleFilesView},
    {"Rezip", QT_TRANSLATE_NOOP("TMainform", "Rezip"), QT_TRANSLATE_NOOP("TMainform", "Rezip"),
     QT_TRANSLATE_NOOP("TMainform", "Updates the file and folder listing"),
     QStyle::SP_BrowserReload, CommandRule::IdleFilesView},
    {"Delete", QT_TRANSLATE_NOOP("TMainform", "Delete"), QT_TRANSLATE_NOOP("TMainform", "Delete"),
     QT_TRANSLATE_NOOP("TMainform", "Deletes selected files or folders"), QStyle::SP_TrashIcon},
    {"Rename", QT_TRANSLATE_NOOP("TMainform", "Rename Using Templates Tool"),
     QT_TRANSLATE_NOOP("TMainform", "Rename"),
     QT_TRANSLATE_NOOP("TMainform", "Renames selected files using one of many templates"),
     QStyle::SP_FileDialogDetailedView, CommandRule::IdleFilesView},
    {"CRC32", QT_TRANSLATE_NOOP("TMainform", "CRC32 Reporting Tool"),
     QT_TRANSLATE_NOOP("TMainform", "CRC32"),
     QT_TRANSLATE_NOOP("TMainform", "Reports the cyclic redundancy code (crc32) of selected files"),
     QStyle::SP_FileDialogInfoView, CommandRule::IdleFilesView},
    {"Trim", QT_TRANSLATE_NOOP("TMainform", "File Trimming Tool"),
     QT_TRANSLATE_NOOP("TMainform", "Trim"),
     QT_TRANSLATE_NOOP("TMainform", "Trims a selected file to a desired length"),
     QStyle::SP_FileDialogListView, CommandRule::IdleFilesView},
    {"Dupes", QT_TRANSLATE_NOOP("TMainform", "Duplicate File Removal Tool"),
     QT_TRANSLATE_NOOP("TMainform", "Dupes"),
     QT_TRANSLATE_NOOP("TMainform", "File Duplication removal utility"),
     QStyle::SP_FileDialogContentsView, CommandRule::IdleFilesView},

    {"DeleteFiles", QT_TRANSLATE_NOOP("TMainform", "Delete Selected Files"), nullptr, nullptr,
     kNoGlyph, CommandRule::IdleFilesView},
    {"DeleteFolders", QT_TRANSLATE_NOOP("TMainform", "Delete Selected Folders"), nullptr, nullptr,
     kNoGlyph, CommandRule::IdleFoldersView},
    {"Exit", QT_TRANSLATE_NOOP("TMainform", "E&xit"), nullptr, nullptr, kNoGlyph,
     CommandRule::Always},
    {"Refresh", QT_TRANSLATE_NOOP("TMainform", "Refresh File or Folder View")},
    {"ViewFiles", QT_TRANSLATE_NOOP("TMainform", "Files")},
    {"ViewFolders", QT_TRANSLATE_NOOP("TMainform", "Folders")},
    {"ViewErrorLog", QT_TRANSLATE_NOOP("TMainform", "View Error Log")},
    {"DefineFilters", QT_TRANSLATE_NOOP("TMainform", "Define File Filters"),
     QT_TRANSLATE_NOOP("TMainform", "+"),
     QT_TRANSLATE_NOOP("TMainform", "Click Here to Add More File Filters")},
    {"RestoreDefaults", QT_TRANSLATE_NOOP("TMainform", "Restore Default Settings")},
    {"FormatTool", QT_TRANSLATE_NOOP("TMainform", "Disk Format Tool")},
    {"Help", QT_TRANSLATE_NOOP("TMainform", "Help with Tovrane"), nullptr, nullptr, kNoGlyph,
     CommandRule::Always},
    {"Homepage", QT_TRANSLATE_NOOP("TMainform", "Visit the Tovrane homepage"), nullptr, nullptr,
     kNoGlyph, CommandRule::Always},
    {"Suggestion", QT_TRANSLATE_NOOP("TMainform", "Email a Suggestion"), nullptr, nullptr, kNoGlyph,
     CommandRule::Always},
    {"About", QT_TRANSLATE_NOOP("TMainform", "About Tovrane"), nullptr, nullptr, kNoGlyph,
     CommandRule::Always},
    {"FileInfo", QT_TRANSLATE_NOOP("TMainform", "View file information")},
    {"CreateFolder", QT_TRANSLATE_NOOP("TMainform", "Create a new folder")},
    // Enabled only while the rename tool holds a run to take back.
    {"UndoRename", QT_TRANSLATE_NOOP("TMainform", "Undo Last Rename")},
};

// The keys a desktop user expects, shown beside the menu captions. F1 is
// the window's help key of old.
const std::pair<const char *, const char *> kShortcuts[] = {
    {"Exit", "Ctrl+Q"}, {"Refresh", "F5"},        {"Help", "F1"},
    {"All", "Ctrl+A"},  {"None", "Ctrl+Shift+A"}, {"Invert", "Ctrl+I"},
};

}  // namespace

CommandActions::CommandActions(QWidget *window) : QObject(window) {
    setObjectName(QStringLiteral("commands"));
    for (const CommandDescriptor &c : kCommands) {
        auto *a = new QAction(QCoreApplication::translate("TMainform", c.text), this);
        a->setObjectName(QString::fromLatin1(c.name));
        if (c.button) {
            // A button shows the icon text, which keeps its "&" accelerator.
            a->setIconText(QCoreApplication::translate("TMainform", c.button));
            a->setToolTip(QCoreApplication::translate("TMainform", c.hint));
        }
        if (c.glyph != kNoGlyph) {
            a->setIcon(window->style()->standardIcon(c.glyph));
            // The menus show captions only.
            a->setIconVisibleInMenu(false);
        }
        follow(a, c.rule);
    }
    for (const auto &[name, keys] : kShortcuts)
        action(QString::fromLatin1(name))
            ->setShortcut(QKeySequence(QString::fromLatin1(keys), QKeySequence::PortableText));
    // The two views, shown as radio items.
    auto *views = new QActionGroup(this);
    for (const char *name : {"ViewFiles", "ViewFolders"}) {
        QAction *a = action(QString::fromLatin1(name));
        a->setCheckable(true);
        views->addAction(a);
    }
    action(QStringLiteral("ViewFiles"))->setChecked(true);
}

QAction *CommandActions::action(const QString &name) const {
    return findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

QAction *CommandActions::popupItem(QMenu *menu, const char *caption, const QString &command) {
    QAction *target = action(command);
    QAction *item = menu->addAction(QCoreApplication::translate("TMainform", caption));
    connect(item, &QAction::triggered, target, &QAction::trigger);
    return item;
}

void CommandActions::follow(QAction *action, CommandRule rule) {
    followers_.append({action, rule, true});
    action->setEnabled(allows(rule));
}

void CommandActions::setReady(const QString &name, bool ready) {
    for (Follower &f : followers_)
        if (f.action->objectName() == name)
            f.ready = ready;
    update();
}

void CommandActions::addInputWidget(QWidget *widget) {
    inputs_.append(widget);
    widget->setEnabled(!locked_);
}

void CommandActions::setLocked(bool locked) {
    locked_ = locked;
    update();
}

void CommandActions::setFilesView(bool filesView) {
    filesView_ = filesView;
    update();
}

bool CommandActions::allows(CommandRule rule) const {
    switch (rule) {
        case CommandRule::Always:
            return true;
        case CommandRule::Idle:
            return !locked_;
        case CommandRule::IdleFilesView:
            return !locked_ && filesView_;
        case CommandRule::IdleFoldersView:
            return !locked_ && !filesView_;
        case CommandRule::WhileRunning:
            return locked_;
    }
    return false;
}

void CommandActions::update() {
    for (const Follower &f : followers_)
        f.action->setEnabled(f.ready && allows(f.rule));
    for (QWidget *w : inputs_)
        w->setEnabled(!locked_);
}
