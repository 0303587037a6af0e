// Takes the picture of the main window that the help shows: the real
// program on a few sample files, drawn without a screen.
//   QT_QPA_PLATFORM=offscreen build/bin/main_window_shot docs/main-window.png
#include "app/MainForm.h"
#include "app/TovraneApp.h"
#include "platform/AppPaths.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderTree.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovrane"));
    if (argc != 2) {
        QTextStream(stderr) << "usage: main_window_shot OUTPUT.png\n";
        return 2;
    }
    QTemporaryDir tmp;
    const QString home = tmp.filePath(QStringLiteral("Documents"));
    QDir().mkpath(home + QStringLiteral("/Invoices 2026"));
    QDir().mkpath(home + QStringLiteral("/Photos"));
    const char *samples[] = {"annual-report.pdf", "budget.xlsx",   "letter.doc",   "notes.txt",
                             "presentation.odp",  "scan-0001.tif", "scan-0002.tif"};
    for (const char *name : samples) {
        QFile file(home + QLatin1Char('/') + QLatin1String(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(4096, 'x'));
    }
    platform::overrideAppFolder(tmp.filePath(QStringLiteral("app")));
    platform::overrideDataFolder(tmp.filePath(QStringLiteral("app")));
    platform::overrideHomeFolder(home);
    QDir().mkpath(tmp.filePath(QStringLiteral("app")));

    TovraneApp tovrane;
    tovrane.start();
    TMainform &form = tovrane.main();
    form.Timer1Timer();
    form.findChild<FolderTree *>(QStringLiteral("DirectoryListBox1"))->setDirectory(home);
    FileListBox &list = *form.findChild<FileListBox *>(QStringLiteral("FileListBox1"));
    list.reread();
    for (int i = 0; i < list.count(); ++i)
        list.setSelected(i, list.name(i) != QLatin1String("notes.txt"));
    form.resize(900, 560);
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
