// Tovrane: batch archiving on the desktop.
#include "TovraneApp.h"
#include "platform/DesktopServices.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovrane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tovrane"));
    QApplication::setQuitOnLastWindowClosed(false);
    platform::useDesktopServices();
    TovraneApp tovrane;
    tovrane.start();
    return QApplication::exec();
}
