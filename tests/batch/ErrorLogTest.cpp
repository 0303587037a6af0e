// The error log: its lines, its window, saving it, and the question at the
// end of a batch.
#include "batch/EndOfBatch.h"
#include "batch/ErrorLogModel.h"
#include "batch/ui/ErrorLogWindow.h"
#include "platform/AppPaths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

using platform::MessageKind;
using testsupport::dialogs;
using testsupport::TempFolder;

QStringList shown(const TErrorLog &window) {
    QStringList result;
    for (int i = 0; i < window.ListBox1()->count(); ++i)
        result << window.ListBox1()->item(i)->text();
    return result;
}

void clickSave(TErrorLog &window) {
    QTest::mouseClick(window.findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
}

struct ErrorLogFixture : ::testing::Test {
    TempFolder folder;
    ErrorLogModel log;
    TErrorLog window{log};

    void SetUp() override { platform::overrideHomeFolder(folder.path()); }
    void TearDown() override { platform::overrideHomeFolder({}); }
    void fill() {
        log.add(150, "data.txt");
        log.add(120, "x");
        log.add(-7, QString::fromUtf8("café.doc"));
    }
};

TEST_F(ErrorLogFixture, LinesAppendAndClearInModelAndWindow) {
    fill();
    const QStringList expected{"data.txt skipped. (Unexpected End of file occured)",
                               "** Not enough memory to complete the operation.",
                               QString::fromUtf8("Undefined Error Code : -7 File : café.doc")};
    EXPECT_EQ(log.lines(), expected);
    EXPECT_EQ(log.count(), 3);
    EXPECT_EQ(shown(window), expected);
    log.append("free text");
    EXPECT_EQ(shown(window).last(), "free text");
    log.clear();
    EXPECT_EQ(log.count(), 0);
    EXPECT_TRUE(shown(window).isEmpty());

    // A window made after lines were logged shows them too.
    fill();
    TErrorLog late(log);
    EXPECT_EQ(shown(late), log.lines());
}

TEST_F(ErrorLogFixture, ScrollToEndBringsTheLastLineIntoView) {
    for (int i = 0; i < 200; ++i)
        log.add(290, QString("file%1.txt").arg(i));
    window.showLog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    log.scrollToEnd();
    QListWidget *list = window.ListBox1();
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(199))));
    EXPECT_FALSE(list->viewport()->rect().intersects(list->visualItemRect(list->item(0))));
}

TEST_F(ErrorLogFixture, WindowStaysOnTopIsNotModalAndOkOnlyHides) {
    fill();
    EXPECT_EQ(window.windowTitle(), "Error log");
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    window.showLog();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    QTest::mouseClick(window.findChild<QPushButton *>("BitBtn2"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(log.count(), 3);
    EXPECT_EQ(shown(window).size(), 3);
}

TEST_F(ErrorLogFixture, SavesExactBytesWithCrLf) {
    fill();
    const QString path = folder.write("chosen.txt", "an older, longer log that must go entirely");
    dialogs().answerSave(path);
    dialogs().answer(platform::Ok);
    clickSave(window);
    ASSERT_EQ(dialogs().saveRequests().size(), 1);
    const platform::SaveRequest request = dialogs().saveRequests().first();
    EXPECT_EQ(request.defaultName, "Error Log.txt");
    EXPECT_EQ(request.filter, "All Files (*.*)|*.*");
    EXPECT_EQ(request.initialFolder, folder.path());
    ASSERT_EQ(dialogs().boxes().size(), 1);
    EXPECT_EQ(dialogs().boxes().first().kind, MessageKind::Information);
    EXPECT_EQ(dialogs().boxes().first().text, "File Save Successfully !");
    EXPECT_EQ(testsupport::readAll(path),
              QByteArray("data.txt skipped. (Unexpected End of file occured)\r\n"
                         "** Not enough memory to complete the operation.\r\n"
                         "Undefined Error Code : -7 File : caf\xc3\xa9.doc\r\n"));
    EXPECT_EQ(log.count(), 3);
}

TEST_F(ErrorLogFixture, EmptyLogOpensNoDialog) {
    dialogs().answer(platform::Ok);
    clickSave(window);
    EXPECT_TRUE(dialogs().saveRequests().isEmpty());
    ASSERT_EQ(dialogs().boxes().size(), 1);
    EXPECT_EQ(dialogs().boxes().first().kind, MessageKind::Information);
    EXPECT_EQ(dialogs().boxes().first().text, "Nothing to save.");
    EXPECT_EQ(dialogs().boxes().first().buttons, platform::Buttons(platform::Ok));
}

TEST_F(ErrorLogFixture, CancelledDialogSavesNothingSilently) {
    fill();
    dialogs().cancelSave();
    clickSave(window);
    EXPECT_TRUE(dialogs().boxes().isEmpty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(ErrorLogFixture, FailedSaveIsReportedOnce) {
    fill();
    // Root ignores permissions, so the failure comes from a path that runs
    // through a regular file, and from a folder standing where the file goes.
    const QString file = folder.write("plain.txt", "keep me");
    const QString occupied = folder.mkdir("occupied.txt");
    for (const QString &path : {file + "/sub/log.txt", occupied}) {
        dialogs().reset();
        dialogs().answerSave(path);
        dialogs().answer(platform::Ok);
        clickSave(window);
        ASSERT_EQ(dialogs().boxes().size(), 1) << path.toStdString();
        EXPECT_EQ(dialogs().boxes().first().kind, MessageKind::Error);
        EXPECT_EQ(dialogs().boxes().first().text, "Error Saving File.");
        EXPECT_EQ(dialogs().boxes().first().buttons, platform::Buttons(platform::Ok));
    }
    EXPECT_EQ(testsupport::readAll(file), "keep me");
    EXPECT_TRUE(QFileInfo(occupied).isDir());
    EXPECT_EQ(log.count(), 3);
}

TEST_F(ErrorLogFixture, EndOfBatchOffersTheLog) {
    int shows = 0;
    auto show = [&] {
        ++shows;
        window.showLog();
    };
    // Nothing logged: no question.
    EXPECT_FALSE(offerErrorLog(log, show));
    EXPECT_TRUE(dialogs().boxes().isEmpty());

    fill();
    dialogs().answer(platform::No);
    EXPECT_FALSE(offerErrorLog(log, show));
    EXPECT_FALSE(window.isVisible());
    dialogs().answer(platform::Yes);
    EXPECT_TRUE(offerErrorLog(log, show));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(shows, 1);
    ASSERT_EQ(dialogs().boxes().size(), 2);
    for (const testsupport::ShownBox &box : dialogs().boxes()) {
        EXPECT_EQ(box.kind, MessageKind::Confirmation);
        EXPECT_EQ(box.buttons, platform::Yes | platform::No);
        EXPECT_EQ(box.text,
                  "Some errors occured during the zipping operation. Would you like to view the "
                  "error log now ?");
    }
}

}  // namespace

TEST(ErrorLogWindowFeed, LinesGoInByTheBatchNotOneByOne) {
    // A batch adds a line and asks for the end of the log per entry, and
    // lets messages run between entries or not at all; either way the list
    // is laid out a few times, not once per line, and shows every line.
    const struct {
        const char *what;
        int lines;
        bool pumpPerLine;
    } rows[] = {{"messages run per line", 4000, true}, {"no messages meanwhile", 4000, false}};
    for (const auto &row : rows) {
        ErrorLogModel log;
        TErrorLog window(log);
        window.showLog();
        const QListWidget *list = window.findChild<QListWidget *>("ListBox1");
        int insertions = 0;
        QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list,
                         [&] { ++insertions; });
        QStringList expected;
        for (int i = 0; i < row.lines; ++i) {
            log.add(999, QStringLiteral("f%1.zip").arg(i));
            log.scrollToEnd();
            if (row.pumpPerLine)
                QCoreApplication::processEvents();
        }
        EXPECT_EQ(shown(window), log.lines()) << row.what;
        EXPECT_LE(insertions, row.lines / 50) << row.what;
        EXPECT_EQ(window.ListBox1()->count(), row.lines) << row.what;
    }
}
