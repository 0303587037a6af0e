// The tools reached from the main window's buttons, menus and pop-up menus
// work on the main file list and give the main window back when closed.
#include "AppFixture.h"

#include "app/SecondaryWindows.h"
#include "batch/ui/ErrorLogWindow.h"
#include "support/ScriptedDialogs.h"
#include "tools/crc/ui/TCRC32_Form.h"
#include "tools/dupes/ui/TDupes.h"
#include "tools/info/ui/TFileInfo.h"
#include "tools/rename/ui/TRename_Form.h"
#include "tools/trim/ui/Ttrimmer.h"
#include "widgets/FileListBox.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

using ToolWiring = AppFixture;

TEST_F(ToolWiring, CrcReportFromTheButtonAndTheMenu) {
    tmp.write("home/abc.txt", "abc");
    tmp.write("home/check.txt", "123456789");
    startProgram();
    FileListBox &files = fileList();
    files.selectAll();
    for (auto start : {std::function<void()>([&] { button("CRC32")->click(); }),
                       std::function<void()>([&] { action("CRC32")->trigger(); })}) {
        start();
        TCRC32_Form &report = *app->windows().crcReport;
        EXPECT_TRUE(report.isVisible());
        EXPECT_FALSE(form().isEnabled());
        ASSERT_EQ(report.StringGrid1->rowCount(), 2);
        EXPECT_EQ(report.StringGrid1->item(0, 0)->text(), "abc.txt");
        EXPECT_EQ(report.StringGrid1->item(0, 1)->text(), "352441C2");
        EXPECT_EQ(report.StringGrid1->item(1, 1)->text(), "CBF43926");
        EXPECT_EQ(report.StringGrid1->item(1, 2)->text(), "9");
        report.close();
        EXPECT_TRUE(form().isEnabled());
    }
}

TEST_F(ToolWiring, DupesFromTheButtonAndTheMenuDeleteACopy) {
    tmp.write("home/a.txt", "same");
    tmp.write("home/b.txt", "other");
    tmp.write("home/c.txt", "same");
    startProgram();
    FileListBox &files = fileList();
    for (auto start : {std::function<void()>([&] { button("Dupes")->click(); }),
                       std::function<void()>([&] { action("Dupes")->trigger(); })}) {
        files.selectAll();
        start();
        TDupes &dupes = *app->windows().dupes;
        EXPECT_TRUE(dupes.isVisible());
        EXPECT_FALSE(form().isEnabled());
        ASSERT_EQ(dupes.ListBox1->count(), 2);
        EXPECT_EQ(dupes.ListBox1->item(0)->text(), "a.txt");
        EXPECT_EQ(dupes.ListBox1->item(1)->text(), "c.txt");
        dupes.close();
        EXPECT_TRUE(form().isEnabled());
        EXPECT_EQ(form().status(), "Operation Completed.");
    }
    // A deleted copy leaves the main file list when the tool closes.
    files.selectAll();
    button("Dupes")->click();
    TDupes &dupes = *app->windows().dupes;
    dupes.ListBox1->item(1)->setSelected(true);
    dupes.BitBtn3->click();
    dupes.close();
    EXPECT_EQ(files.count(), 2);
    EXPECT_FALSE(QFile::exists(home("c.txt")));
}

TEST_F(ToolWiring, FileInformationFromThePopUpMenu) {
    tmp.write("home/report.txt", QByteArray(1457664, 'x'));
    startProgram();
    fileList().setSelected(0, true);
    QAction *item = popupItem("fileListMenu", "View file information");
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    TFileInfo &info = *app->windows().fileInfo;
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(info.Label4->text(), "REPORT.TXT");
    EXPECT_EQ(info.Label5->text(), "1457664 bytes");
    EXPECT_EQ(info.Label6->text(), "2 Disks (of 1.44mb)");
    info.close();
    EXPECT_TRUE(form().isEnabled());
}

TEST_F(ToolWiring, ErrorLogFromTheViewMenu) {
    startProgram();
    form().ErrorLog.add(999, "data.txt");
    action("ViewErrorLog")->trigger();
    TErrorLog &log = *app->windows().errorLog;
    EXPECT_TRUE(log.isVisible());
    ASSERT_EQ(log.ListBox1()->count(), 1);
    EXPECT_EQ(log.ListBox1()->item(0)->text(), "Undefined Error Code : 999 File : data.txt");
}

TEST_F(ToolWiring, TestWithoutSelectionOnlyExplains) {
    startProgram();
    testsupport::dialogs().answer(platform::Cancel);
    button("Test")->click();
    EXPECT_EQ(testsupport::dialogs().texts(),
              QStringList({"You must select a Zip file before testing can take place."}));
    EXPECT_TRUE(form().isEnabled());
}

TEST_F(ToolWiring, TrimFromItsThreeCommandsAndThroughToTheFileList) {
    tmp.write("home/rom.bin", QByteArray(1000, 'r') + QByteArray(1000, 's'));
    startProgram();
    FileListBox &files = fileList();
    Ttrimmer &trimmer = *app->windows().trimmer;
    for (auto start :
         {std::function<void()>([&] { button("Trim")->click(); }),
          std::function<void()>([&] { action("Trim")->trigger(); }),
          std::function<void()>([&] { popupItem("fileListMenu", "Trim File")->trigger(); })}) {
        files.setSelected(0, true);
        start();
        EXPECT_TRUE(trimmer.isVisible());
        EXPECT_FALSE(form().isEnabled());
        EXPECT_EQ(trimmer.Edit3->text(), "2000");
        trimmer.BitBtn2->click();  // Done
        EXPECT_TRUE(form().isEnabled());
    }
    button("Trim")->click();
    trimmer.BitBtn1->click();  // Keep 2nd Half
    testsupport::dialogs().answer(platform::Yes);
    testsupport::dialogs().answer(platform::Ok);
    trimmer.BitBtn5->click();
    EXPECT_EQ(testsupport::readAll(home("rom.bin")), QByteArray(1000, 's'));
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(files.selectedCount(), 0) << "the list was read again";
}

TEST_F(ToolWiring, RenameFromItsThreeCommandsAndThroughToTheFileList) {
    tmp.write("home/a b.txt", "x");
    startProgram();
    FileListBox &files = fileList();
    TRename_Form &rename = *app->windows().rename;
    EXPECT_FALSE(action("UndoRename")->isEnabled()) << "nothing renamed yet";
    files.setSelected(0, true);
    button("Rename")->click();
    EXPECT_TRUE(rename.isVisible());
    EXPECT_FALSE(form().isEnabled());
    rename.RadioButton3->click();
    rename.BitBtn2->click();
    EXPECT_EQ(files.name(0), "a_b.txt");
    EXPECT_EQ(form().status(), "Awaiting User.");
    EXPECT_TRUE(form().isEnabled());

    action("Rename")->trigger();
    EXPECT_TRUE(rename.isVisible() && !form().isEnabled());
    rename.BitBtn1->click();  // Cancel
    EXPECT_TRUE(form().isEnabled());

    files.setSelected(0, true);
    popupItem("fileListMenu", "Rename Selected File(s)")->trigger();
    EXPECT_TRUE(rename.isVisible() && !form().isEnabled());
    rename.RadioButton4->click();
    rename.BitBtn2->click();
    EXPECT_EQ(files.name(0), "a b.txt");
    EXPECT_TRUE(form().isEnabled() && !rename.isVisible());

    // The Edit menu's "Undo Last Rename" takes that run back, once.
    ASSERT_TRUE(action("UndoRename")->isEnabled());
    testsupport::dialogs().answer(platform::Ok);
    action("UndoRename")->trigger();
    EXPECT_EQ(files.name(0), "a_b.txt");
    EXPECT_FALSE(action("UndoRename")->isEnabled());
}
