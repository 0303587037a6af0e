#include "HelpWindow.h"

#include "platform/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QPalette>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow() : QWidget(nullptr, Qt::Window) {
    setWindowTitle(tr("Tovrane Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    browser = new QTextBrowser(this);
    browser->setOpenExternalLinks(true);
    browser->setAccessibleName(tr("Help text"));
    column->addWidget(browser);
    resize(640, 520);
}

QString THelpWindow::helpFile() {
    // Beside the program in a build; under share/tovrane when installed.
    const QString beside = platform::appFolder() + QStringLiteral("/docs/help.html");
    const QString installed =
        QDir::cleanPath(platform::appFolder() + QStringLiteral("/../share/tovrane/help.html"));
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

void THelpWindow::showContents() {
    // Shading from the desktop's palette: fixed colours would leave text
    // unreadable under a dark colour scheme.
    const QPalette colours = browser->palette();
    browser->document()->setDefaultStyleSheet(
        QStringLiteral("th, code { background: %1; } h2 { border-bottom: 1px solid %2; }")
            .arg(colours.color(QPalette::AlternateBase).name(),
                 colours.color(QPalette::Mid).name()));
    const QString file = helpFile();
    if (QFileInfo::exists(file)) {
        browser->setSource(QUrl::fromLocalFile(file));
        browser->scrollToAnchor(QStringLiteral("contents"));
    } else {
        browser->setPlainText(tr("The help file %1 is missing. Reinstall Tovrane.").arg(file));
    }
    show();
    raise();
    activateWindow();
}
