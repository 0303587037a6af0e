#pragma once

#include <QString>
#include <functional>

class BrowserCommands;
class BrowserPane;
class ButtonBar;
class ErrorLogModel;
class FolderOptions;
class MainMenu;
class OptionsPanel;
class TDelTree;
class TZipEngine;

// The pieces of the main window that its batch host and its window lock work
// on, handed over one by one so that neither needs the window's class.
struct MainWindowParts {
    MainMenu &menu;
    BrowserPane &browser;
    OptionsPanel &options;
    ButtonBar &buttons;
    BrowserCommands &browse;
    FolderOptions &folders;
    // `OperationFlag`: "GO", "PAUSE" or "STOP".
    QString &operationFlag;
    ErrorLogModel &errorLog;
    TZipEngine &engine;
    TDelTree &deleter;
    // The re-zip extraction folder, "temp.$$$" where the settings live.
    QString rezipFolder;
    std::function<void(const QString &)> setStatus;
    std::function<void()> showErrorLog;
    // Whether the window is waiting to close once the running command ends.
    std::function<bool()> closing;
};
