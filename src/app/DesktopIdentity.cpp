#include "DesktopIdentity.h"

#include <QApplication>
#include <QIcon>

QIcon desktopIcon() {
    QIcon icon;
    for (const char *size : {"48", "128"})
        icon.addFile(QStringLiteral(":/icons/org.tovrane.Tovrane-%1.png").arg(QLatin1String(size)));
    return icon;
}

void applyDesktopIdentity() {
    QApplication::setApplicationName(QStringLiteral("Tovrane"));
    QGuiApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(desktopIcon());
}
