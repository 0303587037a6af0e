// The tools reached from the main window's buttons, menus and pop-up menus
// work on the main file list and give the main window back when closed.
#include "AppFixture.h"

#include "app/BrowserCommands.h"
#include "app/BrowserPane.h"
#include "app/ButtonBar.h"
#include "app/MainMenu.h"
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
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using ToolWiring = AppFixture;

TEST_F(ToolWiring, CrcReportFromTheButtonAndTheMenu) {
    tmp.write("home/abc.txt", "abc");
    tmp.write("home/check.txt", "123456789");
    startProgram();
    FileListBox &files = *form().browser->FileListBox1;
    files.selectAll();
    for (auto start : {std::function<void()>([&] { form().buttons->crcButton->click(); }),
                       std::function<void()>([&] { form().menu->crcTool->trigger(); })}) {
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
    FileListBox &files = *form().browser->FileListBox1;
    for (auto start : {std::function<void()>([&] { form().buttons->dupesButton->click(); }),
                       std::function<void()>([&] { form().menu->dupesTool->trigger(); })}) {
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
    form().buttons->dupesButton->click();
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
    form().browser->FileListBox1->setSelected(0, true);
    form().browse->updateFileListMenu();
    ASSERT_TRUE(form().browse->fileInformation->isEnabled());
    form().browse->fileInformation->trigger();
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
    form().menu->viewErrorLog->trigger();
    TErrorLog &log = *app->windows().errorLog;
    EXPECT_TRUE(log.isVisible());
    ASSERT_EQ(log.ListBox1()->count(), 1);
    EXPECT_EQ(log.ListBox1()->item(0)->text(), "Undefined Error Code : 999 File : data.txt");
}

TEST_F(ToolWiring, TestWithoutSelectionOnlyExplains) {
    startProgram();
    testsupport::dialogs().answer(platform::Cancel);
    form().buttons->testButton->click();
    EXPECT_EQ(testsupport::dialogs().texts(),
              QStringList({"You must select a Zip file before testing can take place."}));
    EXPECT_TRUE(form().isEnabled());
}

TEST_F(ToolWiring, TrimFromItsThreeCommandsAndThroughToTheFileList) {
    tmp.write("home/rom.bin", QByteArray(1000, 'r') + QByteArray(1000, 's'));
    startProgram();
    FileListBox &files = *form().browser->FileListBox1;
    Ttrimmer &trimmer = *app->windows().trimmer;
    for (auto start : {std::function<void()>([&] { form().buttons->trimButton->click(); }),
                       std::function<void()>([&] { form().menu->trimTool->trigger(); }),
                       std::function<void()>([&] { form().browse->trimFile->trigger(); })}) {
        files.setSelected(0, true);
        form().browse->updateFileListMenu();
        start();
        EXPECT_TRUE(trimmer.isVisible());
        EXPECT_FALSE(form().isEnabled());
        EXPECT_EQ(trimmer.Edit3->text(), "2000");
        trimmer.BitBtn2->click();  // Done
        EXPECT_TRUE(form().isEnabled());
    }
    form().buttons->trimButton->click();
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
    FileListBox &files = *form().browser->FileListBox1;
    TRename_Form &rename = *app->windows().rename;
    files.setSelected(0, true);
    form().buttons->renameButton->click();
    EXPECT_TRUE(rename.isVisible());
    EXPECT_FALSE(form().isEnabled());
    rename.RadioButton3->click();
    rename.BitBtn2->click();
    EXPECT_EQ(files.name(0), "a_b.txt");
    EXPECT_EQ(form().status(), "Awaiting User.");
    EXPECT_TRUE(form().isEnabled());

    form().menu->renameTool->trigger();
    EXPECT_TRUE(rename.isVisible() && !form().isEnabled());
    rename.BitBtn1->click();  // Cancel
    EXPECT_TRUE(form().isEnabled());

    files.setSelected(0, true);
    form().browse->updateFileListMenu();
    form().browse->renameFiles->trigger();
    EXPECT_TRUE(rename.isVisible() && !form().isEnabled());
    rename.RadioButton4->click();
    rename.BitBtn2->click();
    EXPECT_EQ(files.name(0), "a b.txt");
    EXPECT_TRUE(form().isEnabled() && !rename.isVisible());
}
