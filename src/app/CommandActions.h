#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QWidget;

// How a command's enabled state follows the run state of a batch and the
// view of the browser.
enum class CommandRule {
    Always,           // never disabled
    Idle,             // disabled while a batch runs
    IdleFilesView,    // and in the folders view
    IdleFoldersView,  // and in the files view
    WhileRunning,     // enabled only while a batch runs (Pause, Stop)
};

// Every command of the main window as one QAction, found by its object name
// ("Zip", "Trim", "Refresh", ...): the button shows it (button caption,
// hint and glyph), the menus show it (menu caption), pop-up items forward
// to it. And the one place where enabling follows the run state and the
// view: the window lock is a loop over the actions and the few input
// widgets that could start another operation.
class CommandActions : public QObject {
    Q_OBJECT
  public:
    explicit CommandActions(QWidget *window);

    // The command of that name; nullptr when there is none.
    QAction *action(const QString &name) const;

    // An item of a pop-up menu that runs `command` under a caption of its
    // own. Its menu enables it from the selection when it pops up.
    QAction *popupItem(QMenu *menu, const char *caption, const QString &command);

    // Another action (a menu item) whose enabled state follows `rule` too.
    void follow(QAction *action, CommandRule rule);
    // A control or menu that could start another operation: disabled while
    // a batch runs.
    void addInputWidget(QWidget *widget);

    // A batch locks the window while it runs.
    void setLocked(bool locked);
    void setFilesView(bool filesView);
    // Whether the command has anything to act on now; one that has not stays
    // disabled whatever its rule allows.
    void setReady(const QString &name, bool ready);

  private:
    struct Follower {
        QAction *action;
        CommandRule rule;
        bool ready;
    };
    void update();
    bool allows(CommandRule rule) const;

    QList<Follower> followers_;
    QList<QWidget *> inputs_;
    bool locked_ = false;
    bool filesView_ = true;
};
