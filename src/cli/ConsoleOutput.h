#pragma once

#include "ScriptOptions.h"

#include <QString>
#include <QStringList>

#include <cstdio>

namespace cli {

// Where the tool's texts go. Results (reports, verdicts, listings) go to
// standard output and errors to standard error, always. Status texts (the
// window's status bar) are for a person: on a terminal they are redrawn in
// place on one line, ending with the progress within the item under work;
// elsewhere standard output gets nothing but results, unless -v asks for
// every status text as a line of its own. -q leaves out status texts and
// notices, so that only results and errors remain.
class ConsoleOutput {
  public:
    ConsoleOutput(std::FILE *out, std::FILE *err, bool terminal,
                  Verbosity verbosity = Verbosity::Normal);
    // Decides from the file descriptors of stdout.
    static ConsoleOutput standard(Verbosity verbosity);

    Verbosity verbosity() const { return verbosity_; }
    void status(const QString &text);
    // The progress within the item under work, 0 to 100.
    void itemProgress(int percent);
    // A result on standard output, never redrawn, ended by `end`.
    void line(const QString &text, char end = '\n');
    void error(const QString &text);
    // A result line that tells of a failed item (a test verdict other than
    // Ok): on standard output like line(), and kept among the failures.
    void failedLine(const QString &text, char end = '\n');
    // Every error and failed result line so far, in order: the error log
    // that a notification points to.
    const QStringList &failures() const { return failures_; }
    // A message that reports no failure: an error line, unless quiet.
    void notice(const QString &text);
    // Ends a status line left open on a terminal, keeping it in view.
    void finish();
    // Erases a status line left open on a terminal.
    void dropStatus();

  private:
    bool redraws() const { return terminal_ && verbosity_ == Verbosity::Normal; }
    void clearStatus();
    void toStandardError(const QString &text);
    void drawStatus();

    std::FILE *out_;
    std::FILE *err_;
    bool terminal_;
    Verbosity verbosity_;
    QString shown_;
    int percent_ = -1;
    bool open_ = false;
    QStringList failures_;
};

}  // namespace cli
