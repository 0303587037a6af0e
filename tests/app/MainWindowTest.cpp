#include "AppFixture.h"

#include "app/AboutWindow.h"
#include "app/HelpWindow.h"
#include "app/SettingsFile.h"
#include "app/SplashWindow.h"
#include "platform/AppPaths.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "widgets/FileListBox.h"
#include "widgets/FilterComboBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QSplitter>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

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
    const QWidget *bar = button("Zip")->parentWidget();
    for (QToolButton *b : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
        shown << b->text();
    EXPECT_EQ(shown, captions);
    EXPECT_FALSE(button("Pause")->isEnabled());
    EXPECT_FALSE(button("Stop")->isEnabled());
    EXPECT_EQ(button("Stop")->toolTip(), "Interupts the operation in progress");
    EXPECT_FALSE(action("DeleteFolders")->isEnabled());
    EXPECT_FALSE(action("Suggestion")->isVisible());
    EXPECT_EQ(widget<QSlider>("TrackBar1").value(), 8);
}

TEST_F(MainWindow, SplashHidesAtItsFirstTick) {
    startProgram();
    TSplash *splash = app->windows().splash.get();
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
    OptionValues defaults;
    const int width = options().number(Option::folderPaneWidth);
    defaults.setNumber(Option::folderPaneWidth, width);
    EXPECT_EQ(readAll(settingsFile()), settingsfile::format(defaults));
    EXPECT_TRUE(readAll(settingsFile())
                    .endsWith("DIRWIDT = " + QByteArray::number(width) +
                              "\r\nTRASHDEL= T\r\nTESTDEL = T\r\n"));
}

TEST_F(MainWindow, SettingsFileDrivesTheControlsAndIsWrittenBack) {
    tmp.write("app/Tovrane5.Cfg",
              "POFEIZF = T\r\nSFFI    = F\r\nMZEU    = T\r\nFED     = *.*|*.*|*.txt|*.txt\r\n"
              "DOFASZ  = F\r\nBWZPIC  = F\r\nSFFPIZF = T\r\nRFIZCT  = F\r\nBWUPIC  = F\r\n"
              "DZASU   = F\r\nMDTSSAS = T\r\nUEFIIOF = T\r\nDFOLDER = T\r\nSPWT    = F\r\n"
              "SHOWSET = F\r\nSIIST   = F\r\nCOMPSTR = 3\r\nDIRWIDT = 999\r\n");
    startProgram();
    auto item = [this](const char *name) { return action(name)->isChecked(); };
    auto box = [this](const char *name) { return widget<QCheckBox>(name).isChecked(); };
    EXPECT_TRUE(box("keepExtension"));
    EXPECT_TRUE(item("keepExtension"));
    EXPECT_FALSE(item("showIcons"));
    EXPECT_FALSE(fileList().iconsVisible());
    EXPECT_FALSE(folderList().iconsVisible());
    EXPECT_TRUE(item("upperCaseExtension"));
    EXPECT_FALSE(item("upperCaseExtensionOff"));
    EXPECT_EQ(widget<FilterComboBox>("FilterComboBox1").filter(), "*.*|*.*|*.TXT|*.TXT");
    EXPECT_FALSE(box("deleteOriginal"));
    EXPECT_FALSE(item("deleteOriginal"));
    EXPECT_TRUE(item("fullPaths"));
    EXPECT_FALSE(box("recurse"));
    EXPECT_FALSE(item("deleteZip"));
    EXPECT_TRUE(item("dateStamp"));
    EXPECT_TRUE(item("subFolder"));
    EXPECT_TRUE(item("deleteFolder"));
    EXPECT_FALSE(item("showPasswords"));
    EXPECT_EQ(widget<QLineEdit>("zipPassword").echoMode(), QLineEdit::Password);
    EXPECT_EQ(widget<QLineEdit>("unzipPassword").echoMode(), QLineEdit::Password);
    EXPECT_FALSE(widget<QWidget>("Panel12").isVisible());
    EXPECT_FALSE(item("trayIcon"));
    EXPECT_EQ(widget<QSlider>("TrackBar1").value(), 3);
    EXPECT_EQ(options().number(Option::compressionLevel), 3);

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
    EXPECT_TRUE(action("upperCaseExtensionOff")->isChecked());
    EXPECT_TRUE(form().Timer1.isActive());
    QTRY_VERIFY_WITH_TIMEOUT(action("upperCaseExtension")->isChecked(), 5000);
    EXPECT_FALSE(form().Timer1.isActive());
}

TEST_F(MainWindow, NoCommandStartsBeforeTheSettingsAreApplied) {
    // A batch started on the built-in defaults would delete originals the
    // user's settings keep.
    tmp.write("app/Tovrane5.Cfg", "DOFASZ  = F\r\n");
    startProgram(false);
    QWidget *commands[] = {button("Zip"), button("CRC32"), &fileList(), form().menuBar()};
    for (QWidget *w : commands)
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
    form().Timer1Timer();
    EXPECT_FALSE(widget<QCheckBox>("deleteOriginal").isChecked());
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
    for (const char *name :
         {"keepExtension", "deleteOriginal", "beepZip", "recurse", "beepUnzip", "deleteZip"}) {
        SCOPED_TRACE(name);
        auto &box = widget<QCheckBox>(name);
        QAction *item = action(name);
        const bool before = box.isChecked();
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
        EXPECT_NE(box.isChecked(), before);
        EXPECT_EQ(item->isChecked(), box.isChecked());
        item->trigger();
        EXPECT_EQ(box.isChecked(), before);
        EXPECT_EQ(item->isChecked(), before);
    }
}

// Each option's controls take their captions from its row and show a
// change of the model; a change in a control shows in the model.
TEST_F(MainWindow, EveryOptionIsBoundToItsControlsBothWays) {
    startProgram();
    OptionsModel &o = options();
    for (const OptionDescriptor &d : kOptionTable) {
        SCOPED_TRACE(d.name);
        switch (d.kind) {
            case OptionKind::Switch: {
                EXPECT_EQ(o.isOn(d.id), d.on);
                QAction *item = action(d.name);
                EXPECT_EQ(item->text(), d.menuItem);
                QCheckBox *box = d.caption ? &widget<QCheckBox>(d.name) : nullptr;
                QAction *off = d.menuItemOff ? action(QString(d.name) + "Off") : nullptr;
                auto shows = [&](bool on) {
                    EXPECT_EQ(item->isChecked(), on);
                    if (box) {
                        EXPECT_EQ(box->isChecked(), on);
                    }
                    if (off) {
                        EXPECT_EQ(off->isChecked(), !on);
                    }
                };
                shows(d.on);
                o.setOn(d.id, !d.on);
                shows(!d.on);
                (off && !d.on ? off : item)->trigger();
                EXPECT_EQ(o.isOn(d.id), d.on);
                shows(d.on);
                if (box) {
                    EXPECT_EQ(box->text(), d.caption);
                    box->click();
                    EXPECT_EQ(o.isOn(d.id), !d.on);
                    shows(!d.on);
                }
                break;
            }
            case OptionKind::Number:
                if (d.caption) {
                    auto &bar = widget<QSlider>("TrackBar1");
                    EXPECT_EQ(bar.toolTip(), d.hint);
                    o.setNumber(d.id, 2);
                    EXPECT_EQ(bar.value(), 2);
                    bar.setValue(6);
                    EXPECT_EQ(o.number(d.id), 6);
                }
                break;
            case OptionKind::Text:
                if (d.caption) {
                    auto &edit = widget<QLineEdit>(d.name);
                    o.setText(d.id, "secret");
                    EXPECT_EQ(edit.text(), "secret");
                    edit.setText("other");
                    EXPECT_EQ(o.text(d.id), "other");
                } else {
                    o.setText(d.id, "*.*|*.*|*.GIF|*.GIF");
                    EXPECT_EQ(widget<FilterComboBox>("FilterComboBox1").filter(),
                              "*.*|*.*|*.GIF|*.GIF");
                }
                break;
            case OptionKind::Folder:
            case OptionKind::File: {
                QAction *pin = action(d.name);
                EXPECT_EQ(pin->toolTip(), d.hint);
                o.setText(d.id, "/Chosen/Place/");
                EXPECT_EQ(widget<QLineEdit>(d.name).text(), "/Chosen/Place/");
                o.setPinned(d.id, true);
                EXPECT_TRUE(pin->isChecked());
                pin->setChecked(false);
                EXPECT_FALSE(o.isPinned(d.id));
                break;
            }
        }
    }
}

TEST_F(MainWindow, MenuOnlySettingsActAtOnce) {
    startProgram();
    action("showPasswords")->trigger();
    EXPECT_EQ(widget<QLineEdit>("zipPassword").echoMode(), QLineEdit::Password);
    action("showPasswords")->trigger();
    EXPECT_EQ(widget<QLineEdit>("zipPassword").echoMode(), QLineEdit::Normal);
    action("showIcons")->trigger();
    EXPECT_FALSE(fileList().iconsVisible());
    action("showSettings")->trigger();
    EXPECT_FALSE(widget<QWidget>("Panel12").isVisible());
    action("upperCaseExtension")->trigger();
    EXPECT_FALSE(action("upperCaseExtensionOff")->isChecked());
    action("dateStamp")->trigger();
    EXPECT_TRUE(action("dateStamp")->isChecked());
}

TEST_F(MainWindow, RestoreDefaultsRestartsWithoutWriting) {
    tmp.write("app/tovrane5.cfg", "MZEU    = T\r\n");
    startProgram();
    dialogs().answer(platform::Yes);
    dialogs().answer(platform::Ok);
    action("RestoreDefaults")->trigger();
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
    action("ViewFolders")->trigger();
    EXPECT_TRUE(action("fullPaths")->isChecked());
    form().close();
    EXPECT_TRUE(readAll(settingsFile()).contains("SFFPIZF = F\r\n"));
    EXPECT_TRUE(widget<QRadioButton>("filesRadio").isChecked());
}

TEST_F(MainWindow, AboutDisablesTheMainWindowUntilOk) {
    startProgram();
    action("About")->trigger();
    TAbout *about = app->windows().about.get();
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(form().isEnabled());
    EXPECT_EQ(about->focusWidget(), about->okButton);
    QTest::mouseClick(about->link, Qt::LeftButton);
    ASSERT_EQ(shell().urls.size(), 1);
    EXPECT_EQ(shell().urls[0].scheme(), "https");
    // From the keyboard (the tab order is checked with the other windows'):
    // Enter on the link opens it.
    about->link->setFocus();
    QTest::keyClick(about->link, Qt::Key_Return);
    EXPECT_EQ(shell().urls.size(), 2);
    about->okButton->click();
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(form().isEnabled());
}

// The homepage link turns red under the mouse and blue again beside it.
TEST_F(MainWindow, AboutLinkIsRedUnderTheMouse) {
    startProgram();
    action("About")->trigger();
    TAbout &about = *app->windows().about;
    const struct Row {
        QWidget *over;
        const char *colour;
    } rows[] = {{about.link, "red"}, {&about, "blue"}, {about.link, "red"}};
    for (const Row &r : rows) {
        // Sent as the window system sends it: a move the label lets pass
        // goes on to the window.
        const QPointF at = r.over == about.link ? about.link->rect().center() : QPoint(2, 2);
        QMouseEvent move(QEvent::MouseMove, at, r.over->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(r.over, &move);
        EXPECT_TRUE(about.link->styleSheet().contains(QString("color: ") + r.colour))
            << r.colour << " " << about.link->styleSheet().toStdString();
    }
    about.okButton->click();
}

// The splitter's hint answers over its handle only, not over the panes.
TEST_F(MainWindow, SplitterHintShowsOnTheHandleOnly) {
    startProgram();
    QSplitter &splitter = *form().findChild<QSplitter *>();
    const QString hint = "Click here to adjust the size of the view";
    const struct Row {
        const char *what;
        QWidget *at;
        bool shown;
    } rows[] = {{"tree", folderTree().viewport(), false},
                {"file list", fileList().viewport(), false},
                {"handle", splitter.handle(1), true}};
    for (const Row &r : rows) {
        QToolTip::hideText();
        const QPoint at = r.at->rect().center();
        QHelpEvent help(QEvent::ToolTip, at, r.at->mapToGlobal(at));
        QApplication::sendEvent(r.at, &help);
        EXPECT_EQ(QToolTip::isVisible() && QToolTip::text() == hint, r.shown) << r.what;
    }
    QToolTip::hideText();
}

TEST_F(MainWindow, DiskFormatToolIsNotOffered) {
    startProgram();
    dialogs().answer(platform::Ok);
    action("FormatTool")->trigger();
    EXPECT_EQ(dialogs().texts(), QStringList({"This option is not available on this system"}));
}

TEST_F(MainWindow, HelpOpensTheManualAtItsContents) {
    startProgram();
    THelpWindow *help = app->windows().help.get();
    action("Help")->trigger();
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser->toPlainText().contains("missing"));
    tmp.write("app/docs/help.html",
              "<html><body><h1 id=\"contents\">Manual here</h1></body></html>");
    help->showContents();
    EXPECT_TRUE(help->browser->toPlainText().contains("Manual here"));
}
