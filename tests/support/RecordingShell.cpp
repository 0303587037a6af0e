#include "RecordingShell.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace testsupport {

RecordingShell &shell() {
    static RecordingShell instance;
    return instance;
}

namespace {

// Every test starts with no queued answers and no recorded boxes, and a test
// that leaves scripted answers unused fails: the box it expected never came.
class FreshSeams final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override {
        dialogs().reset();
        shell() = RecordingShell();
    }
    void OnTestEnd(const ::testing::TestInfo &) override {
        EXPECT_TRUE(dialogs().allAnswersUsed()) << "a scripted answer was never asked for";
    }
};

}  // namespace

void installDefaults() {
    platform::installDialogs(&dialogs());
    platform::installShell(&shell());
    static bool listening = false;
    if (!listening) {
        ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSeams);
        listening = true;
    }
}

}  // namespace testsupport
