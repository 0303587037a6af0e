#include "AppFixture.h"

#include "app/AboutWindow.h"
#include "app/BrowserCommands.h"
#include "app/BrowserPane.h"
#include "app/ButtonBar.h"
#include "app/HelpWindow.h"
#include "app/MainMenu.h"
#include "app/OptionsPanel.h"
#include "app/SettingsFile.h"
#include "app/SplashWindow.h"
#include "platform/AppPaths.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "widgets/FileListBox.h"
#include "widgets/FilterComboBox.h"
#include "widgets/FolderListBox.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTest>

using testsupport::dialogs;
using testsupport::readAll;
using testsupport::shell;

using MainWindow = AppFixture;

TEST_F(MainWindow, StartsWithItsCaptionSizeAndButtons) {
    startProgram();
    EXPECT_EQ(form().windowTitle(), "Tovrane 6.04");
    EXPECT_EQ(form().size(), QSize(661, 463));
    EXPECT_EQ(form().minimumSize(), QSize(660, 461));
    EXPECT_EQ(form().OperationFlag, "GO");
    EXPECT_EQ(form().AppFolder, tmp.path("app"));
    const QStringList captions = {"Pause", "Stop",  "Invert", "&None",  "&All",  "&Unzip", "&Zip",
                                  "Test",  "Rezip", "Delete", "Rename", "CRC32", "Trim",   "Dupes"};
    QStringList shown;
    for (QToolButton *b : form().buttons->buttons())
        shown << b->text();
    EXPECT_EQ(shown, captions);
    EXPECT_FALSE(form().buttons->pauseButton->isEnabled());
    EXPECT_FALSE(form().buttons->stopButton->isEnabled());
    EXPECT_EQ(form().buttons->stopButton->toolTip(), "Interupts the operation in progress");
    EXPECT_FALSE(form().menu->deleteSelectedFolders->isEnabled());
    EXPECT_FALSE(form().menu->suggestion->isVisible());
    EXPECT_EQ(form().options->compressionBar->value(), 8);
}

TEST_F(MainWindow, SplashHidesAtItsFirstTick) {
    startProgram();
    TSplash *splash = app->windows().splash;
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->timerRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!splash->isVisible(), 5000);
    EXPECT_FALSE(splash->timerRunning());
}

TEST_F(MainWindow, ResolutionWarningBelowSixHundredPixels) {
    EXPECT_TRUE(TMainform::screenTooSmall(599));
    EXPECT_FALSE(TMainform::screenTooSmall(600));
}

TEST_F(MainWindow, PauseTogglesAndStopWins) {
    startProgram();
    struct Step {
        void (TMainform::*command)();
        const char *flag;
    } steps[] = {{&TMainform::BitBtn8Click, "PAUSE"}, {&TMainform::BitBtn8Click, "GO"},
                 {&TMainform::BitBtn7Click, "STOP"},  {&TMainform::BitBtn8Click, "GO"},
                 {&TMainform::BitBtn8Click, "PAUSE"}, {&TMainform::BitBtn7Click, "STOP"}};
    for (const Step &s : steps) {
        (form().*s.command)();
        EXPECT_EQ(form().OperationFlag, s.flag);
    }
    EXPECT_EQ(form().status(), "Closing down operation - please wait.");
}

TEST_F(MainWindow, UnchangedRunWritesTheDefaultsAtClose) {
    startProgram();
    form().close();
    Settings defaults;
    defaults.folderPaneWidth = form().browser->folderPaneWidth();
    EXPECT_EQ(readAll(settingsFile()), settingsfile::format(defaults));
    EXPECT_TRUE(
        readAll(settingsFile())
            .endsWith("DIRWIDT = " + QByteArray::number(defaults.folderPaneWidth) + "\r\n"));
}

TEST_F(MainWindow, SettingsFileDrivesTheControlsAndIsWrittenBack) {
    tmp.write("app/Tovrane5.Cfg",
              "POFEIZF = T\r\nSFFI    = F\r\nMZEU    = T\r\nFED     = *.*|*.*|*.txt|*.txt\r\n"
              "DOFASZ  = F\r\nBWZPIC  = F\r\nSFFPIZF = T\r\nRFIZCT  = F\r\nBWUPIC  = F\r\n"
              "DZASU   = F\r\nMDTSSAS = T\r\nUEFIIOF = T\r\nDFOLDER = T\r\nSPWT    = F\r\n"
              "SHOWSET = F\r\nSIIST   = F\r\nCOMPSTR = 3\r\nDIRWIDT = 999\r\n");
    startProgram();
    MainMenu &m = *form().menu;
    OptionsPanel &o = *form().options;
    EXPECT_TRUE(o.keepExtensionBox->isChecked());
    EXPECT_TRUE(m.keepExtension->isChecked());
    EXPECT_FALSE(m.showIcons->isChecked());
    EXPECT_FALSE(form().browser->FileListBox1->iconsVisible());
    EXPECT_FALSE(form().browser->ListBox2->iconsVisible());
    EXPECT_TRUE(m.upperCase->isChecked());
    EXPECT_FALSE(m.lowerCase->isChecked());
    EXPECT_EQ(form().browser->FilterComboBox1->filter(), "*.*|*.*|*.TXT|*.TXT");
    EXPECT_FALSE(o.deleteOriginalBox->isChecked());
    EXPECT_FALSE(m.deleteOriginal->isChecked());
    EXPECT_TRUE(m.fullPaths->isChecked());
    EXPECT_FALSE(o.recurseBox->isChecked());
    EXPECT_FALSE(m.deleteZip->isChecked());
    EXPECT_TRUE(m.dateStamp->isChecked());
    EXPECT_TRUE(m.subFolder->isChecked());
    EXPECT_TRUE(m.deleteFolder->isChecked());
    EXPECT_FALSE(m.showPasswordText->isChecked());
    EXPECT_EQ(o.zipPasswordEdit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(o.unzipPasswordEdit->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(o.isVisible());
    EXPECT_FALSE(m.showTrayIcon->isChecked());
    EXPECT_EQ(form().CompressionLevel(), 3);

    form().close();
    const QByteArray written = readAll(settingsFile());
    EXPECT_TRUE(written.startsWith(
        "POFEIZF = T\r\nSFFI    = F\r\nMZEU    = T\r\nFED     = *.*|*.*|*.TXT|*.TXT\r\n"));
    EXPECT_TRUE(written.contains("SHOWSET = F\r\nSIIST   = F\r\nCOMPSTR = 3\r\nDIRWIDT = "));
    EXPECT_FALSE(written.contains("DIRWIDT = 999"));
}

TEST_F(MainWindow, SettingsWaitForTheStartUpTimer) {
    tmp.write("app/Tovrane5.Cfg", "MZEU    = T\r\n");
    startProgram(false);
    EXPECT_TRUE(form().menu->lowerCase->isChecked());
    EXPECT_TRUE(form().Timer1.isActive());
    QTRY_VERIFY_WITH_TIMEOUT(form().menu->upperCase->isChecked(), 5000);
    EXPECT_FALSE(form().Timer1.isActive());
}

TEST_F(MainWindow, NoCommandStartsBeforeTheSettingsAreApplied) {
    // A batch started on the built-in defaults would delete originals the
    // user's settings keep.
    tmp.write("app/Tovrane5.Cfg", "DOFASZ  = F\r\n");
    startProgram(false);
    QWidget *commands[] = {form().buttons->zipButton, form().buttons->crcButton,
                           form().browser->FileListBox1, form().menuBar()};
    for (QWidget *w : commands)
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
    form().Timer1Timer();
    EXPECT_FALSE(form().options->deleteOriginalBox->isChecked());
    for (QWidget *w : commands)
        EXPECT_TRUE(w->isEnabled()) << w->metaObject()->className();
}

TEST_F(MainWindow, ClosingBeforeTheStartUpTimerKeepsTheStoredSettings) {
    tmp.write("app/Tovrane5.Cfg", "MZEU    = T\r\nCOMPSTR = 3\r\n");
    startProgram(false);
    form().close();
    const QByteArray written = readAll(settingsFile());
    EXPECT_TRUE(written.contains("MZEU    = T\r\n"));
    EXPECT_TRUE(written.contains("COMPSTR = 3\r\n"));
}

TEST_F(MainWindow, CheckBoxesAndMenuItemsStayInStep) {
    startProgram();
    OptionsPanel &o = *form().options;
    MainMenu &m = *form().menu;
    const std::pair<QCheckBox *, QAction *> pairs[] = {{o.keepExtensionBox, m.keepExtension},
                                                       {o.deleteOriginalBox, m.deleteOriginal},
                                                       {o.beepZipBox, m.beepZip},
                                                       {o.recurseBox, m.recurse},
                                                       {o.beepUnzipBox, m.beepUnzip},
                                                       {o.deleteZipBox, m.deleteZip}};
    for (const auto &[box, item] : pairs) {
        const bool before = box->isChecked();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        EXPECT_NE(box->isChecked(), before) << box->text().toStdString();
        EXPECT_EQ(item->isChecked(), box->isChecked()) << box->text().toStdString();
        item->trigger();
        EXPECT_EQ(box->isChecked(), before) << box->text().toStdString();
        EXPECT_EQ(item->isChecked(), before) << box->text().toStdString();
    }
}

TEST_F(MainWindow, MenuOnlySettingsActAtOnce) {
    startProgram();
    MainMenu &m = *form().menu;
    m.showPasswordText->trigger();
    EXPECT_EQ(form().options->zipPasswordEdit->echoMode(), QLineEdit::Password);
    m.showPasswordText->trigger();
    EXPECT_EQ(form().options->zipPasswordEdit->echoMode(), QLineEdit::Normal);
    m.showIcons->trigger();
    EXPECT_FALSE(form().browser->FileListBox1->iconsVisible());
    m.showSettings->trigger();
    EXPECT_FALSE(form().options->isVisible());
    m.upperCase->trigger();
    EXPECT_FALSE(m.lowerCase->isChecked());
    m.dateStamp->trigger();
    EXPECT_TRUE(m.dateStamp->isChecked());
}

TEST_F(MainWindow, RestoreDefaultsRestartsWithoutWriting) {
    tmp.write("app/tovrane5.cfg", "MZEU    = T\r\n");
    startProgram();
    dialogs().answer(platform::Yes);
    dialogs().answer(platform::Ok);
    form().menu->restoreDefaults->trigger();
    EXPECT_EQ(dialogs().texts(),
              QStringList({"Are you sure you want to reset to factory defaults ?",
                           "Tovrane will now restart for the changes to take effect."}));
    EXPECT_EQ(shell().restarts, 1);
    form().close();
    EXPECT_TRUE(QDir(tmp.path("app")).entryList(QDir::Files).isEmpty());
}

TEST_F(MainWindow, RestoreDefaultsWithoutAFileFails) {
    startProgram();
    dialogs().answer(platform::Yes);
    dialogs().answer(platform::Cancel);
    form().RestoreDefaultSettings();
    ASSERT_EQ(dialogs().boxes().size(), 2);
    EXPECT_EQ(dialogs().boxes()[1].text, "Could not complete operation.");
    EXPECT_EQ(dialogs().boxes()[1].kind, platform::MessageKind::Error);
    EXPECT_EQ(dialogs().boxes()[1].buttons, platform::Cancel);
    EXPECT_EQ(shell().restarts, 0);

    dialogs().answer(platform::No);
    form().RestoreDefaultSettings();
    EXPECT_EQ(shell().restarts, 0);
}

TEST_F(MainWindow, ShutdownRemovesTheWorkFolderOnlyWhenPresent) {
    struct Case {
        const char *name;
        std::function<void(testsupport::TempFolder &)> prepare;
    } cases[] = {
        {"absent", [](testsupport::TempFolder &) {}},
        {"empty", [](testsupport::TempFolder &t) { t.mkdir("app/temp.$$$"); }},
        {"full",
         [](testsupport::TempFolder &t) {
             const QString f = t.write("app/temp.$$$/a/b/c.txt", "x");
             testsupport::setReadOnly(f, true);
             testsupport::setReadOnly(t.path("app/temp.$$$/a/b"), true);
             t.write("app/temp.$$$/.hidden", "y");
         }},
        {"a file of that name",
         [](testsupport::TempFolder &t) { t.write("app/temp.$$$", "keep"); }},
    };
    for (const Case &c : cases) {
        testsupport::TempFolder local;
        platform::overrideDataFolder(local.mkdir("app"));
        c.prepare(local);
        auto program = std::make_unique<TovraneApp>();
        program->start();
        program->main().close();
        const QFileInfo work(local.path("app/temp.$$$"));
        if (QString(c.name) == "a file of that name")
            EXPECT_EQ(readAll(work.filePath()), "keep");
        else
            EXPECT_FALSE(work.exists()) << c.name;
        EXPECT_TRUE(QFile::exists(local.path("app/Tovrane5.Cfg"))) << c.name;
    }
}

TEST_F(MainWindow, ClosingInTheFoldersViewStoresTheFilesViewPathSetting) {
    startProgram();
    form().browse->showFoldersView();
    EXPECT_TRUE(form().menu->fullPaths->isChecked());
    form().close();
    EXPECT_TRUE(readAll(settingsFile()).contains("SFFPIZF = F\r\n"));
    EXPECT_TRUE(form().browser->filesRadio->isChecked());
}

TEST_F(MainWindow, AboutDisablesTheMainWindowUntilOk) {
    startProgram();
    form().menu->about->trigger();
    TAbout *about = app->windows().about;
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(form().isEnabled());
    QTest::mouseClick(about->link, Qt::LeftButton);
    ASSERT_EQ(shell().urls.size(), 1);
    EXPECT_EQ(shell().urls[0].scheme(), "https");
    about->okButton->click();
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(form().isEnabled());
}

TEST_F(MainWindow, DiskFormatToolIsNotOffered) {
    startProgram();
    dialogs().answer(platform::Ok);
    form().menu->formatTool->trigger();
    EXPECT_EQ(dialogs().texts(), QStringList({"This option is not available on this system"}));
}

TEST_F(MainWindow, HelpOpensTheManualAtItsContents) {
    startProgram();
    THelpWindow *help = app->windows().help;
    form().menu->helpContents->trigger();
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser->toPlainText().contains("missing"));
    tmp.write("app/docs/help.html",
              "<html><body><h1 id=\"contents\">Manual here</h1></body></html>");
    help->showContents();
    EXPECT_TRUE(help->browser->toPlainText().contains("Manual here"));
}
