#include "CommandActions.h"

#include <QAction>
#include <QActionGroup>
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
    {"Pause", "Pause", "Pause", "Pauses the operation in progress", QStyle::SP_MediaPause,
     CommandRule::WhileRunning},
    {"Stop", "Stop", "Stop", "Interupts the operation in progress", QStyle::SP_MediaStop,
     CommandRule::WhileRunning},
    {"Invert", "Invert Selection", "Invert", "Inverts selected files or folders",
     QStyle::SP_BrowserReload},
    {"None", "Select &None", "&None", "Deselects all files or folders in view",
     QStyle::SP_DialogDiscardButton},
    {"All", "Select &All", "&All", "Selectes all files or folders in view",
     QStyle::SP_DialogYesButton},
    {"Unzip", "&Unzip", "&Unzip", "Unzips all selected zip files", QStyle::SP_ArrowUp,
     CommandRule::IdleFilesView},
    {"Zip", "&Zip", "&Zip", "Zips selected files or folders", QStyle::SP_ArrowDown},
    {"Test", "Zip Testing Tool", "Test", "Tests the integrity of selected zip files",
     QStyle::SP_DialogApplyButton, CommandRule::IdleFilesView},
    {"Rezip", "Rezip", "Rezip", "Updates the file and folder listing", QStyle::SP_BrowserReload,
     CommandRule::IdleFilesView},
    {"Delete", "Delete", "Delete", "Deletes selected files or folders", QStyle::SP_TrashIcon},
    {"Rename", "Rename Using Templates Tool", "Rename",
     "Renames selected files using one of many templates", QStyle::SP_FileDialogDetailedView,
     CommandRule::IdleFilesView},
    {"CRC32", "CRC32 Reporting Tool", "CRC32",
     "Reports the cyclic redundancy code (crc32) of selected files", QStyle::SP_FileDialogInfoView,
     CommandRule::IdleFilesView},
    {"Trim", "File Trimming Tool", "Trim", "Trims a selected file to a desired length",
     QStyle::SP_FileDialogListView, CommandRule::IdleFilesView},
    {"Dupes", "Duplicate File Removal Tool", "Dupes", "File Duplication removal utility",
     QStyle::SP_FileDialogContentsView, CommandRule::IdleFilesView},

    {"DeleteFiles", "Delete Selected Files", nullptr, nullptr, kNoGlyph,
     CommandRule::IdleFilesView},
    {"DeleteFolders", "Delete Selected Folders", nullptr, nullptr, kNoGlyph,
     CommandRule::IdleFoldersView},
    {"Exit", "E&xit", nullptr, nullptr, kNoGlyph, CommandRule::Always},
    {"Refresh", "Refresh File or Folder View"},
    {"ViewFiles", "Files"},
    {"ViewFolders", "Folders"},
    {"ViewErrorLog", "View Error Log"},
    {"DefineFilters", "Define File Filters", "+", "Click Here to Add More File Filters"},
    {"RestoreDefaults", "Restore Default Settings"},
    {"FormatTool", "Disk Format Tool"},
    {"Help", "Help with Tovrane", nullptr, nullptr, kNoGlyph, CommandRule::Always},
    {"Homepage", "Visit the Tovrane homepage", nullptr, nullptr, kNoGlyph, CommandRule::Always},
    {"Suggestion", "Email a Suggestion", nullptr, nullptr, kNoGlyph, CommandRule::Always},
    {"About", "About Tovrane", nullptr, nullptr, kNoGlyph, CommandRule::Always},
    {"FileInfo", "View file information"},
    {"CreateFolder", "Create a new folder"},
    // Enabled only while the rename tool holds a run to take back.
    {"UndoRename", "Undo Last Rename"},
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
        auto *a = new QAction(QString::fromUtf8(c.text), this);
        a->setObjectName(QString::fromLatin1(c.name));
        if (c.button) {
            // A button shows the icon text, which keeps its "&" accelerator.
            a->setIconText(QString::fromUtf8(c.button));
            a->setToolTip(QString::fromUtf8(c.hint));
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
    QAction *item = menu->addAction(QString::fromUtf8(caption));
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
