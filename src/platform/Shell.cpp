#include "Shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <cstdlib>

namespace platform {

namespace {

class DesktopShell final : public Shell {
  public:
    void beep() override { QApplication::beep(); }
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
    void restartSelf() override {
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
        // No destructors, no close handlers: the settings must not be written.
        std::_Exit(0);
    }
};

Shell *installed = nullptr;

}  // namespace

Shell &shell() {
    static DesktopShell desktop;
    return installed ? *installed : desktop;
}

void installShell(Shell *replacement) {
    installed = replacement;
}

}  // namespace platform
