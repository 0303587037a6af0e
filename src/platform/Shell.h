#pragma once

#include <QUrl>

namespace platform {

// Services of the desktop shell: the system beep, opening a web or mail
// address with the user's default program, and starting the program anew.
// Tests install a recording fake, so they can count beeps and catch a
// restart without the test process ending.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual void beep() = 0;
    // Failures of the shell are not reported to the user; the result is
    // only for callers that care.
    virtual bool openUrl(const QUrl &url) = 0;
    // Starts a new copy of the program's own executable and ends this process
    // at once, without any shutdown work.
    virtual void restartSelf() = 0;
};

Shell &shell();
// Installs `replacement` (not owned); nullptr restores the real shell.
void installShell(Shell *replacement);

}  // namespace platform
