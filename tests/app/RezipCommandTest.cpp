// The "Rezip" command through the whole program: the question, the File
// Filter Removal window by mouse and by keyboard alone, the handshake that
// waits on it, and the end of the batch.
#include "AppFixture.h"

#include "app/SecondaryWindows.h"
#include "batch/ui/ErrorLogWindow.h"
#include "batch/ui/TrashRemovalWindow.h"
#include "support/ArchiveCheck.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "widgets/FileListBox.h"

#include <QApplication>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>
#include <functional>

using testsupport::dialogs;
using testsupport::entryNames;

namespace {

const QString kQuestion =
    "This option is independent of the Zip and Unzip settings, with the exception of the "
    "password setting and compression strength.  Do you still wish to continue?";

class Rezip : public AppFixture {
  protected:
    // An archive of `names` (each holding its own name) in the home folder,
    // selected in the started program.
    QString start(const QStringList &names) {
        for (const QString &name : names)
            tmp.write("stage/" + name, name.toUtf8().repeated(100));
        EXPECT_EQ(testsupport::run("zip", {"-q", "-r", "-1", home("a.zip"), "."}, nullptr,
                                   tmp.path("stage")),
                  0);
        startProgram();
        options().setOn(Option::beepZip, true);
        FileListBox &list = fileList();
        for (int i = 0; i < list.count(); ++i)
            list.setSelected(i, list.name(i) == "a.zip");
        return home("a.zip");
    }
    TTrash_Removal &window() { return *app->windows().trashRemoval; }
    // Presses "Rezip", answers the question with `answer`, and runs
    // `inWindow` once the File Filter Removal window waits.
    void rezip(platform::Button answer, std::function<void()> inWindow = {}) {
        dialogs().answer(answer);
        if (inWindow)
            QTimer::singleShot(0, [this, inWindow] {
                EXPECT_TRUE(window().isVisible());
                EXPECT_FALSE(form().isEnabled());
                EXPECT_EQ(form().RezipChoice, "WAIT");
                inWindow();
            });
        button("Rezip")->click();
        EXPECT_EQ(dialogs().boxes().first().text, kQuestion);
        EXPECT_TRUE(form().isEnabled());
        EXPECT_FALSE(window().isVisible());
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
};

TEST_F(Rezip, ChosenTypesGoAndTheBatchEndsAsTheZipBatchDoes) {
    const QString archive = start({"readme.txt", "prog.exe", "sub/notes.txt"});
    rezip(platform::Yes, [this] {
        window().boxes[1]->click();  // "*.txt"
        window().BitBtn2->click();
    });
    QStringList kept = entryNames(archive);
    kept.sort();
    EXPECT_EQ(kept, QStringList({"prog.exe", "sub/notes.txt"}));
    EXPECT_TRUE(testsupport::readersAccept(archive));
    EXPECT_EQ(form().RezipChoice, "REZIP");
    EXPECT_EQ(form().status(), "Rezip operation Completed.");
    EXPECT_EQ(testsupport::shell().beeps, 1);
    EXPECT_TRUE(button("Rezip")->isEnabled());
    EXPECT_FALSE(button("Stop")->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(form().workFolderPath()));
}

TEST_F(Rezip, NoCancelEscapeAndClosingChangeNothing) {
    struct Row {
        const char *why;
        platform::Button answer;
        std::function<void(TTrash_Removal &)> leave;
        const char *choice;
    } rows[] = {
        {"No", platform::No, {}, "WAIT"},
        {"Cancel", platform::Yes, [](TTrash_Removal &w) { w.BitBtn1->click(); }, "CANCEL"},
        {"Esc", platform::Yes, [](TTrash_Removal &w) { QTest::keyClick(&w, Qt::Key_Escape); },
         "CANCEL"},
        {"closed", platform::Yes, [](TTrash_Removal &w) { w.close(); }, "CANCEL"},
    };
    const QString archive = start({"readme.txt", "prog.exe"});
    const QByteArray before = testsupport::readAll(archive);
    for (const Row &r : rows) {
        SCOPED_TRACE(r.why);
        form().ErrorLog.add(999, "earlier");
        form().RezipChoice = "WAIT";
        window().boxes[1]->setChecked(true);
        rezip(r.answer, r.leave ? [&] { r.leave(window()); } : std::function<void()>());
        EXPECT_EQ(form().RezipChoice, r.choice);
        EXPECT_EQ(testsupport::readAll(archive), before);
        EXPECT_TRUE(form().ErrorLog.lines().contains("Undefined Error Code : 999 File : earlier"));
        dialogs().reset();
    }
}

TEST_F(Rezip, TheWindowWorksFromTheKeyboardAlone) {
    const QString archive = start({"x.ab", "readme.txt", "keep.exe"});
    rezip(platform::Yes, [this] {
        TTrash_Removal &w = window();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        // Tab follows the eye; the disabled extension box is passed by.
        QList<QWidget *> order(w.boxes.begin(), w.boxes.end());
        order << w.BitBtn2 << w.BitBtn1;
        for (QWidget *expected : order) {
            EXPECT_EQ(QApplication::focusWidget(), expected);
            key(Qt::Key_Tab);
        }
        for (int i = 0; i < 3; ++i)
            key(Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), w.CheckBox8);
        key(Qt::Key_Space);  // checked: the extension box takes the focus
        EXPECT_EQ(QApplication::focusWidget(), w.Edit1);
        QTest::keyClicks(w.Edit1, "txt");
        key(Qt::Key_Tab, Qt::ShiftModifier);
        key(Qt::Key_Space);  // unchecked: emptied and disabled
        EXPECT_TRUE(w.Edit1->text().isEmpty());
        EXPECT_FALSE(w.Edit1->isEnabled());
        key(Qt::Key_Space);
        QTest::keyClicks(w.Edit1, " ab");
        EXPECT_EQ(w.patterns(), QStringList({"*.ab"}));
        key(Qt::Key_Return);  // "Rezip" is the default button
    });
    EXPECT_EQ(form().RezipChoice, "REZIP");
    QStringList kept = entryNames(archive);
    kept.sort();
    EXPECT_EQ(kept, QStringList({"keep.exe", "readme.txt"}));
}

TEST_F(Rezip, ErrorsOfferTheLog) {
    start({"a.txt"});
    tmp.write("home/bad.zip", "not an archive");
    FileListBox &list = fileList();
    list.reread();
    for (int i = 0; i < list.count(); ++i)
        list.setSelected(i, list.name(i) == "bad.zip");
    rezip(platform::Yes, [this] {
        dialogs().answer(platform::Yes);  // view the log
        window().BitBtn2->click();
    });
    EXPECT_EQ(form().ErrorLog.lines(), QStringList({"bad.zip skipped. (Not a valid zip file)"}));
    EXPECT_EQ(form().status(), "Rezip operation Completed - Errors occured.");
    EXPECT_TRUE(app->windows().errorLog->isVisible());
}

}  // namespace
