#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

namespace cli {

// Where the tool's texts go. Status texts (the window's status bar) go to
// standard output: redrawn in place on one line when that is a terminal,
// one plain line each otherwise, so that logs and pipes get every text.
// Error-log lines and messages go to standard error, each on a line of its
// own; on a terminal the status line is cleared first and drawn again after.
class ConsoleOutput {
  public:
    ConsoleOutput(std::FILE *out, std::FILE *err, bool terminal);
    // Decides from the file descriptors of stdout.
    static ConsoleOutput standard();

    void status(const QString &text);
    // A result line on standard output (reports, verdicts), never redrawn.
    void line(const QString &text);
    void error(const QString &text);
    // A result line that tells of a failed item (a test verdict other than
    // Ok): on standard output like line(), and kept among the failures.
    void failedLine(const QString &text);
    // Every error and failed result line so far, in order: the error log
    // that a notification points to.
    const QStringList &failures() const { return failures_; }
    // Ends a status line left open on a terminal.
    void finish();

  private:
    void clearStatus();
    void drawStatus();

    std::FILE *out_;
    std::FILE *err_;
    bool terminal_;
    QString shown_;
    bool open_ = false;
    QStringList failures_;
};

}  // namespace cli
