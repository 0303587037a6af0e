#include "ConsoleOutput.h"

#include <QFile>

#include <unistd.h>

namespace cli {

namespace {

// Names go out in the bytes they have on disk.
void put(std::FILE *to, const QString &text) {
    const QByteArray bytes = QFile::encodeName(text);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fflush(to);
}

void write(std::FILE *to, const QString &text, char end) {
    put(to, text + QLatin1Char(end));
}

}  // namespace

ConsoleOutput::ConsoleOutput(std::FILE *out, std::FILE *err, bool terminal, Verbosity verbosity)
    : out_(out), err_(err), terminal_(terminal), verbosity_(verbosity) {}

ConsoleOutput ConsoleOutput::standard(Verbosity verbosity) {
    return ConsoleOutput(stdout, stderr, ::isatty(STDOUT_FILENO) == 1, verbosity);
}

void ConsoleOutput::status(const QString &text) {
    if (verbosity_ == Verbosity::Verbose) {
        write(out_, text, '\n');
        return;
    }
    if (!redraws())
        return;
    shown_ = text;
    percent_ = -1;
    drawStatus();
}

void ConsoleOutput::itemProgress(int percent) {
    if (!redraws() || !open_ || percent == percent_)
        return;
    percent_ = percent;
    drawStatus();
}

void ConsoleOutput::line(const QString &text, char end) {
    clearStatus();
    write(out_, text, end);
    if (open_)
        drawStatus();
}

void ConsoleOutput::failedLine(const QString &text, char end) {
    failures_ << text;
    line(text, end);
}

void ConsoleOutput::error(const QString &text) {
    failures_ << text;
    toStandardError(text);
}

void ConsoleOutput::notice(const QString &text) {
    if (verbosity_ != Verbosity::Quiet)
        toStandardError(text);
}

void ConsoleOutput::toStandardError(const QString &text) {
    clearStatus();
    write(err_, text, '\n');
    if (open_)
        drawStatus();
}

void ConsoleOutput::finish() {
    if (open_) {
        std::fputs("\n", out_);
        std::fflush(out_);
    }
    open_ = false;
}

void ConsoleOutput::dropStatus() {
    clearStatus();
    open_ = false;
}

void ConsoleOutput::clearStatus() {
    if (open_) {
        std::fputs("\r\033[K", out_);
        std::fflush(out_);
    }
}

void ConsoleOutput::drawStatus() {
    // Carriage return, the text, then erase what a longer text left behind.
    QString text = QStringLiteral("\r") + shown_;
    if (percent_ > 0 && percent_ < 100)
        text += QStringLiteral(" [%1%]").arg(percent_);
    put(out_, text + QStringLiteral("\033[K"));
    open_ = true;
}

}  // namespace cli
