#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

class BrowserCommands;
class CommandActions;
class ErrorLogModel;
class OptionsModel;
class OptionsPanel;
class TDelTree;
class TZipEngine;

// The pieces of the main window that its batch host works on, handed over
// one by one so that the host does not need the window's class.
struct MainWindowParts {
    OptionsModel &options;
    BrowserCommands &browse;
    CommandActions &commands;
    // The progress bars and the busy animation.
    OptionsPanel &panel;
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
    // Whether the window is the active one: the end of a long batch is
    // announced to a user who has turned to another window.
    std::function<bool()> windowActive;
    // How long a batch runs before its end is worth announcing.
    qint64 announceAfterMs;
};
