#pragma once

#include "MainWindowParts.h"
#include "OptionsModel.h"
#include "batch/DelTree.h"
#include "batch/ErrorLogModel.h"
#include "engine/ZipEngine.h"
#include "widgets/WindowGate.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <functional>

class BrowserCommands;
class BrowserPane;
class BusyIndicator;
class ButtonBar;
class CommandActions;
class FileListSource;
class OptionsPanel;
class QAction;
class QLabel;
struct SettingsChanges;

// The one working window: browser, options panel, button bar, menus, status
// bar, and the run-state values that the batches poll. Created first and
// living for the whole run; closing it ends the program. It runs its own
// commands (the batches, the settings, the shell's small commands); the
// application object connects the commands that open other windows.
//
// Its widgets are its own. From outside, a command is its action
// (findAction("Zip")), an option or setting is in options(); the tool
// windows get the file list and the gate.
class TMainform : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainform(QWidget *parent = nullptr);
    ~TMainform() override;

    // Run state, compared exactly: "GO", "PAUSE" or "STOP".
    QString OperationFlag;
    // Handshake with the re-zip options window: "WAIT", "REZIP", "CANCEL".
    QString RezipChoice = QStringLiteral("WAIT");
    // The program's folder, without a trailing separator.
    QString AppFolder;
    QTimer Timer1;
    TZipEngine ZipEngine1;
    TDelTree Deltree1;
    // The lines of the error log window, filled by the batches.
    ErrorLogModel ErrorLog;

    // Every option and setting the window shows.
    OptionsModel &options() { return options_; }
    // A command ("Zip", "Trim", ...), an option's menu item or toggle (by the
    // option's name), by object name; nullptr when there is none.
    QAction *findAction(const QString &name) const;
    // Whether a command has anything to act on (see CommandActions).
    void setCommandReady(const QString &name, bool ready);
    // The file list the tools work on.
    const FileListSource &fileList() const;
    // The busy animation, which the zip testing tool runs while it tests.
    BusyIndicator &busyIndicator();
    // The folder the browser shows.
    QString browsedFolder() const;
    // "Create a new folder" of the folder list handed back: after "Create
    // Folder" the views are refreshed, after "Cancel" the tree is re-read.
    void newFolderMade(bool attempted);

    void setStatus(const QString &text);
    QString status() const;
    // What tool windows and dialogs may do to this window.
    WindowGate gate();
    // What the batch host works on.
    MainWindowParts parts();

    // Runs a batch or a tool that keeps the window responsive while it works.
    // A close asked for meanwhile stops the batch and waits: the shutdown
    // runs once the command has returned.
    void runCommand(const std::function<void()> &command);

    // Where the settings file and the re-zip work folder live.
    QString settingsPath() const;
    QString workFolderPath() const;

    // Deferred start-up: applies the settings file.
    void Timer1Timer();
    // "&Zip": the batch driver.
    void BitBtn1Click();
    // Asks for the error log window (the end-of-batch question's Yes).
    void showErrorLog();
    // Pause and Stop.
    void BitBtn8Click();
    void BitBtn7Click();
    void readSettings();
    void writeSettings();
    void applySettings(const SettingsChanges &changes);
    void RestoreDefaultSettings();
    void DiskFormatTool();
    void openHomepage();

    // A batch that runs at least this long announces its end on the
    // desktop when the window is not the active one.
    void setAnnounceAfter(qint64 ms) { announceAfterMs_ = ms; }

    // Opens the browser on dropped or named paths: a folder is browsed,
    // files are selected in their folder (see OpenTarget.h); the status bar
    // says what was left out.
    void openPaths(const QStringList &paths);
    // The command line's paths, opened once the settings file is applied
    // (it sets the file filter, which would clear the selection). Without
    // any the window starts on the home folder as always.
    void openAtStart(const QStringList &paths) { startPaths_ = paths; }

    // Whether a screen of this height is too small for the window.
    static bool screenTooSmall(int height) { return height < 600; }

  signals:
    // The window has been shown (the splash timer listens).
    void shown();
    void statusChanged(const QString &text);
    void errorLogWanted();

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

  private:
    void buildWindow();
    // Connects a command's action to what runs it.
    void on(const char *command, const std::function<void()> &run);
    void wireBrowserCommands();
    void wireBatchCommands();
    void wireShellCommands();
    void wireFolderOptions();
    void FormCreate();
    // Until the settings file is applied no command can start: a batch
    // would run on the built-in defaults, not on the user's settings.
    void holdCommands(bool held);
    void shutdown();
    // Drops are taken while no command runs and the settings are applied.
    bool takesDrops() const;

    OptionsModel options_;
    CommandActions *commands_;
    BrowserPane *browser_;
    OptionsPanel *panel_;
    ButtonBar *buttons_;
    QLabel *StatusBar1;
    BrowserCommands *browse_;
    qint64 announceAfterMs_ = 5000;
    QStringList startPaths_;
    bool restarting_ = false;
    int running_ = 0;
    bool closePending_ = false;
};
