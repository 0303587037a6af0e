// Tovrane: batch archiving on the desktop.
#include "DesktopIdentity.h"
#include "TovraneApp.h"
#include "platform/DesktopServices.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    applyDesktopIdentity();
    QApplication::setQuitOnLastWindowClosed(false);
    platform::useDesktopServices();
    TovraneApp tovrane;
    tovrane.start();
    return QApplication::exec();
}
