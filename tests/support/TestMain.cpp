// Entry point of every test program: a real QApplication on Qt's offscreen
// platform, with the scripted dialogs and the recording shell installed so
// that no real box or beep can appear.
#include "RecordingShell.h"
#include "ScriptedDialogs.h"

#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovrane"));
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::installDefaults();
    return RUN_ALL_TESTS();
}
