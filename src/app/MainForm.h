#pragma once

#include "FolderOptions.h"
#include "MainWindowParts.h"
#include "batch/DelTree.h"
#include "batch/ErrorLogModel.h"
#include "engine/ZipEngine.h"
#include "widgets/WindowGate.h"

#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <functional>

class BrowserCommands;
class BrowserPane;
class ButtonBar;
class MainMenu;
class OptionsPanel;
struct OptionField;
struct Settings;
struct SettingsChanges;

// The one working window: browser, options panel, button bar, menus, status
// bar, and the run-state values that the batches poll. Created first and
// living for the whole run; closing it ends the program. It runs its own
// commands (the batches, the settings, the shell's small commands); the
// application object connects the commands that open other windows.
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
    // `ZipFolder`, `UnzipFolder`, `WorkFolder`, `IncludeFile` and their
    // pinned states, shown by the options panel.
    FolderOptions folders;

    QString ZipPassword() const;
    QString UnzipPassword() const;
    int CompressionLevel() const;

    MainMenu *menu;
    BrowserPane *browser;
    OptionsPanel *options;
    ButtonBar *buttons;
    QLabel *StatusBar1;
    QTimer Timer1;
    TZipEngine ZipEngine1;
    TDelTree Deltree1;
    // The lines of the error log window, filled by the batches.
    ErrorLogModel ErrorLog;
    BrowserCommands *browse;

    void setStatus(const QString &text);
    QString status() const;
    // What tool windows and dialogs may do to this window.
    WindowGate gate();
    // What the batch host and the window lock work on.
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
    Settings currentSettings() const;
    void RestoreDefaultSettings();
    void DiskFormatTool();
    void openHomepage();

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

  private:
    void buildWindow();
    void wireBrowserCommands();
    void wireBatchCommands();
    void wireSettings();
    void wireShellCommands();
    void wireFolderOptions();
    void FormCreate();
    // Until the settings file is applied no command can start: a batch
    // would run on the built-in defaults, not on the user's settings.
    void holdCommands(bool held);
    void shutdown();
    OptionField &fieldOf(FolderOption option);

    bool restarting_ = false;
    int running_ = 0;
    bool closePending_ = false;
};
