#pragma once

#include "batch/DelTree.h"
#include "batch/ErrorLogModel.h"
#include "engine/ZipEngine.h"

#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <memory>

class BrowserCommands;
class BrowserPane;
class ButtonBar;
class MainMenu;
class OptionsPanel;
struct OptionField;
struct SecondaryWindows;
struct Settings;
struct SettingsChanges;

// The one working window: browser, options panel, button bar, menus, status
// bar, and the run-state values that the batches poll. Created first and
// living for the whole run; closing it ends the program.
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
    // Folder options end with a separator; IncludeFile is a path or empty.
    QString ZipFolder, UnzipFolder, WorkFolder, IncludeFile;
    // "Store Full File Paths in Zip Files" kept while the folders view shows.
    bool FullPathSaved = false;

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

    // The windows created after this one; commands that show them wait
    // for this to be set.
    void setSecondaryWindows(SecondaryWindows *windows) { windows_ = windows; }
    SecondaryWindows *secondaryWindows() const { return windows_; }

    void setStatus(const QString &text);
    QString status() const;
    // Sets a folder option (or the include file) and its lower-case field.
    void setOption(QString &option, const QString &value);

    // Where the settings file and the re-zip work folder live.
    QString settingsPath() const;
    QString workFolderPath() const;

    // Deferred start-up: applies the settings file.
    void Timer1Timer();
    // "&Zip": the batch driver.
    void BitBtn1Click();
    // The zip test from its three entry points; the "Test" button also
    // resets the item bar afterwards.
    void testZipFiles(bool fromTestButton);
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
    OptionField &fieldOf(const QString &option);

    SecondaryWindows *windows_ = nullptr;
    bool restarting_ = false;
};
