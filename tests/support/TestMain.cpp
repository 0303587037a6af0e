// Entry point of every test program: a real QApplication on Qt's offscreen
// platform, with the scripted dialogs and the recording shell installed so
// that no real box or beep can appear, and a home folder of its own so
// that nothing lands in the user's Trash. Built a second time with
// TOVRANE_CORE_TESTS for the core library's tests: a QCoreApplication, so
// that they run without QtWidgets.
#include "PrivateTrash.h"
#include "RecordingShell.h"
#include "ScriptedDialogs.h"

#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <gtest/gtest.h>
#ifdef TOVRANE_CORE_TESTS
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::isolateUserFolders();
    TestApplication app(argc, argv);
    TestApplication::setApplicationName(QStringLiteral("Tovrane"));
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::installDefaults();
    return RUN_ALL_TESTS();
}
