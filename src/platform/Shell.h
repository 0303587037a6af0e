#pragma once

#include <QUrl>

namespace platform {

// Services of the desktop shell: the system beep, opening a web or mail
// address with the user's default program, a desktop notification, and
// starting the program anew.
// Tests install a recording fake, so they can count beeps and catch a
// restart without the test process ending.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual void beep() = 0;
    // Failures of the shell are not reported to the user; the result is
    // only for callers that care.
    virtual bool openUrl(const QUrl &url) = 0;
    // A notification of the desktop (the end of a long batch); without a
    // notification service nothing is shown and nothing fails.
    virtual void notify(const QString &summary, const QString &body) = 0;
    // Starts a new copy of the program's own executable and ends this process
    // at once, without any shutdown work.
    virtual void restartSelf() = 0;
};

// The shell in use: the one a test installed, else the program's own (the
// desktop's, see DesktopServices.h), else one without a desktop: no beep,
// no address opened, the restart alone.
Shell &shell();
// Installs `replacement` (not owned); nullptr restores the real shell.
void installShell(Shell *replacement);
// Sets the program's own shell (not owned).
void setProductShell(Shell *product);

// Starts a new copy of the program's own executable and ends this process at
// once: no destructors, no close handlers, so no settings are written.
[[noreturn]] void restartProcess();

}  // namespace platform
