#include "DesktopServices.h"

#include "DesktopNotification.h"
#include "QtDialogs.h"
#include "Shell.h"

#include <QApplication>
#include <QDesktopServices>

namespace platform {

namespace {

class DesktopShell final : public Shell {
  public:
    void beep() override { QApplication::beep(); }
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
    void notify(const QString &summary, const QString &body) override {
        postNotification({summary, body});
    }
    void restartSelf() override { restartProcess(); }
};

}  // namespace

void useDesktopServices() {
    static QtDialogs dialogs;
    static DesktopShell desktop;
    setProductDialogs(&dialogs);
    setProductShell(&desktop);
}

}  // namespace platform
