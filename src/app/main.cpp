// Tovrane: batch archiving on the desktop.
#include "DesktopIdentity.h"
#include "MainForm.h"
#include "TovraneApp.h"
#include "Translations.h"
#include "platform/DesktopServices.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    applyDesktopIdentity();
    // Before the first window is made: windows take their texts when built.
    translations::install(app);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::useDesktopServices();
    TovraneApp tovrane;
    // An optional folder or files to open on, as a file manager's "Open
    // with" or the desktop entry's %F hands them over.
    QStringList paths;
    for (const QString &argument : QApplication::arguments().mid(1))
        paths << QFileInfo(argument).absoluteFilePath();
    tovrane.main().openAtStart(paths);
    tovrane.start();
    return QApplication::exec();
}
