// The main window as a desktop user expects it: its keys, its colours under
// a dark scheme, its icon, and one notification at the end of a long batch.
#include "AppFixture.h"
#include "app/AboutWindow.h"
#include "app/DesktopIdentity.h"
#include "app/HelpWindow.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "widgets/FileListBox.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <cmath>

using testsupport::dialogs;
using testsupport::shell;

namespace {

class DesktopManners : public AppFixture {
  protected:
    void startActive() {
        startProgram();
        form().show();
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
};

double luminance(const QColor &c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// The contrast ratio of two colours: 1 (none) to 21 (black on white).
double contrast(const QColor &a, const QColor &b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkScheme() {
    QPalette p;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        p.setColor(role, QColor(0x20, 0x20, 0x24));
    p.setColor(QPalette::AlternateBase, QColor(0x30, 0x30, 0x36));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, QColor(0xee, 0xee, 0xee));
    return p;
}

}  // namespace

TEST_F(DesktopManners, KeysRunTheirCommandsAndShowInTheMenus) {
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        tmp.write("home/" + QString(name), "x");
    startActive();
    struct Row {
        const char *command;
        QKeyCombination keys;
        const char *shown;
        int selectedAfter;  // -1: not about the selection
    } rows[] = {
        {"All", Qt::CTRL | Qt::Key_A, "Ctrl+A", 3},
        {"Invert", Qt::CTRL | Qt::Key_I, "Ctrl+I", 0},
        {"Invert", Qt::CTRL | Qt::Key_I, "Ctrl+I", 3},
        {"None", Qt::CTRL | Qt::SHIFT | Qt::Key_A, "Ctrl+Shift+A", 0},
        {"Refresh", QKeyCombination(Qt::Key_F5), "F5", -1},
        {"Help", QKeyCombination(Qt::Key_F1), "F1", -1},
    };
    for (const Row &r : rows) {
        QSignalSpy triggered(action(r.command), &QAction::triggered);
        QTest::keyClick(&fileList(), r.keys.key(), r.keys.keyboardModifiers());
        EXPECT_EQ(triggered.count(), 1) << r.shown;
        EXPECT_EQ(action(r.command)->shortcut().toString(), r.shown);
        if (r.selectedAfter >= 0) {
            EXPECT_EQ(fileList().selectedCount(), r.selectedAfter) << r.shown;
            EXPECT_EQ(form().status(), QString("%1 files selected.").arg(r.selectedAfter));
        }
    }
    EXPECT_TRUE(app->windows().help->isVisible());
    // Quitting is checked by its binding alone: it ends the program.
    EXPECT_EQ(action("Exit")->shortcut().toString(), "Ctrl+Q");
}

TEST_F(DesktopManners, HelpHeadingsAndAboutTitleReadableInLightAndDarkSchemes) {
    const QPalette saved = QApplication::palette();
    tmp.mkdir("app/docs");
    QFile::copy(QCoreApplication::applicationDirPath() + "/docs/help.html",
                tmp.path("app/docs/help.html"));
    ASSERT_TRUE(QFileInfo::exists(tmp.path("app/docs/help.html"))) << "built beside tovrane";
    startProgram();
    for (const QPalette &scheme : {saved, darkScheme()}) {
        QApplication::setPalette(scheme);
        action("About")->trigger();
        QLabel *title = nullptr;
        for (QLabel *label : app->windows().about->findChildren<QLabel *>())
            if (label->text() == "Tovrane 6.04")
                title = label;
        ASSERT_NE(title, nullptr);
        title->ensurePolished();
        EXPECT_GE(contrast(title->palette().color(title->foregroundRole()),
                           app->windows().about->palette().color(QPalette::Window)),
                  4.5);
        app->windows().about->okButton->click();

        action("Help")->trigger();
        QTextDocument *manual = app->windows().help->browser->document();
        const QColor page = app->windows().help->browser->palette().color(QPalette::Base);
        const QColor text = app->windows().help->browser->palette().color(QPalette::Text);
        int headings = 0;
        for (QTextBlock b = manual->begin(); b.isValid(); b = b.next()) {
            if (b.blockFormat().headingLevel() == 0)
                continue;
            ++headings;
            for (auto f = b.begin(); !f.atEnd(); ++f) {
                const QTextCharFormat format = f.fragment().charFormat();
                const QColor ink =
                    format.foreground().style() == Qt::NoBrush ? text : format.foreground().color();
                const QColor under =
                    format.background().style() == Qt::NoBrush ? page : format.background().color();
                EXPECT_GE(contrast(ink, under), 4.5) << b.text().toStdString();
            }
        }
        EXPECT_GT(headings, 10);
        app->windows().help->hide();
    }
    QApplication::setPalette(saved);
}

TEST_F(DesktopManners, TheWindowCarriesTovranesIconAndDesktopEntry) {
    const QIcon saved = QApplication::windowIcon();
    const QString savedEntry = QGuiApplication::desktopFileName();
    applyDesktopIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.tovrane.Tovrane");
    startProgram();
    const QImage shown = form().windowIcon().pixmap(48, 48).toImage();
    EXPECT_FALSE(shown.isNull());
    EXPECT_EQ(shown, desktopIcon().pixmap(48, 48).toImage());
    QApplication::setWindowIcon(saved);
    QGuiApplication::setDesktopFileName(savedEntry);
}

TEST_F(DesktopManners, ALongBatchAnnouncesItsEndOnceWhenTheWindowIsNotActive) {
    struct Row {
        const char *what;
        qint64 announceAfterMs;
        bool userElsewhere;
        const char *file;
        QList<std::pair<QString, QString>> expected;
    } rows[] = {
        {"long, elsewhere", 0, true, "a.txt", {{"Completed.", ""}}},
        {"long, elsewhere, errors",
         0,
         true,
         "b.zip",
         {{"Completed - errors occured.", "The error log holds 1 line."}}},
        {"long, watched", 0, false, "a.txt", {}},
        {"short, elsewhere", 3600 * 1000, true, "a.txt", {}},
    };
    startActive();
    QWidget elsewhere;
    for (const Row &r : rows) {
        tmp.write("home/" + QString(r.file), "some bytes");
        form().options().setOn(Option::deleteOriginal, false);
        action("Refresh")->trigger();
        fileList().selectAll();
        form().setAnnounceAfter(r.announceAfterMs);
        if (r.userElsewhere) {
            elsewhere.show();
            elsewhere.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        } else {
            form().activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
        }
        if (QString(r.file).endsWith(".zip"))
            dialogs().answer(platform::No);  // the end-of-batch question
        shell().notifications.clear();

        action("Zip")->trigger();

        EXPECT_EQ(shell().notifications, r.expected)
            << r.what << ": " << form().ErrorLog.lines().join("|").toStdString();
        QFile::remove(tmp.path("home/" + QString(r.file)));
        QFile::remove(tmp.path("home/a.zip"));
    }
}
