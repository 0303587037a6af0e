#include "ConsoleOutput.h"

#include <unistd.h>

namespace cli {

ConsoleOutput::ConsoleOutput(std::FILE *out, std::FILE *err, bool terminal)
    : out_(out), err_(err), terminal_(terminal) {}

ConsoleOutput ConsoleOutput::standard() {
    return ConsoleOutput(stdout, stderr, ::isatty(STDOUT_FILENO) == 1);
}

void ConsoleOutput::status(const QString &text) {
    if (!terminal_) {
        std::fputs(qPrintable(text + QLatin1Char('\n')), out_);
        std::fflush(out_);
        return;
    }
    shown_ = text;
    drawStatus();
}

void ConsoleOutput::line(const QString &text) {
    clearStatus();
    std::fputs(qPrintable(text + QLatin1Char('\n')), out_);
    std::fflush(out_);
    if (open_)
        drawStatus();
}

void ConsoleOutput::failedLine(const QString &text) {
    failures_ << text;
    line(text);
}

void ConsoleOutput::error(const QString &text) {
    failures_ << text;
    clearStatus();
    std::fputs(qPrintable(text + QLatin1Char('\n')), err_);
    std::fflush(err_);
    if (open_)
        drawStatus();
}

void ConsoleOutput::finish() {
    if (terminal_ && open_) {
        std::fputs("\n", out_);
        std::fflush(out_);
    }
    open_ = false;
}

void ConsoleOutput::clearStatus() {
    if (terminal_ && open_) {
        std::fputs("\r\033[K", out_);
        std::fflush(out_);
    }
}

void ConsoleOutput::drawStatus() {
    if (!terminal_)
        return;
    // Carriage return, the text, then erase what a longer text left behind.
    std::fputs(qPrintable(QStringLiteral("\r") + shown_ + QStringLiteral("\033[K")), out_);
    std::fflush(out_);
    open_ = true;
}

}  // namespace cli
