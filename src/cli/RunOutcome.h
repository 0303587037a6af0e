#pragma once

#include <QString>

namespace cli {

struct CliOptions;
class ConsoleOutput;

// How a run ended, in the counts a notification gives.
struct RunOutcome {
    QString command;
    int items = 0;   // the paths given, each counted once
    int failed = 0;  // no more than the items
    bool stopped = false;
};

// The outcome in one line: "12 archives made, 1 failed — see the error log",
// "3 archives extracted", "Stopped, 1 failed — see the error log".
QString outcomeText(const RunOutcome &outcome);

// The end of a --notify run: each error or failed result line counts as one
// failed item; when there are any, they are saved as a new error log in the
// per-user cache folder, which the notification and standard error name.
// The cache, because the folders worked in may be read-only or on another
// machine, and a log saved among the user's files would become an item of
// the next right-click.
void notifyEnd(const CliOptions &options, ConsoleOutput &output, bool stopped);

// A --notify run that did nothing: the reason, as a notification.
void notifyNothingDone(const QString &reason);

}  // namespace cli
