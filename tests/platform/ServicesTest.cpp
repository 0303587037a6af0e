// What a program without windows gets for message boxes and the shell.
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

// Takes the test's fakes away for one test, and puts them back after.
struct WithoutFakes {
    WithoutFakes() {
        platform::installDialogs(nullptr);
        platform::installShell(nullptr);
    }
    ~WithoutFakes() { testsupport::installDefaults(); }
};

}  // namespace

TEST(PlainServices, BoxesAnswerWithTheirMostCautiousButton) {
    WithoutFakes plain;
    const struct {
        platform::Buttons offered;
        platform::Button answer;
    } rows[] = {{platform::Yes | platform::No, platform::No},
                {platform::Ok | platform::Cancel, platform::Cancel},
                {platform::Yes | platform::No | platform::Cancel, platform::No},
                {platform::Ok, platform::Ok},
                {platform::Cancel, platform::Cancel},
                {platform::Yes, platform::Yes},
                {platform::NoButton, platform::NoButton}};
    for (const auto &r : rows)
        EXPECT_EQ(platform::dialogs().message(platform::MessageKind::Confirmation,
                                              QStringLiteral("Delete everything ?"), r.offered),
                  r.answer)
            << r.offered;
    EXPECT_FALSE(platform::confirm(QStringLiteral("Overwrite ?")));
    EXPECT_FALSE(platform::dialogs().saveFileName({}).has_value());
}

TEST(PlainServices, NoDesktopNoAddressOpened) {
    WithoutFakes plain;
    platform::shell().beep();
    EXPECT_FALSE(platform::shell().openUrl(QUrl(QStringLiteral("https://tovrane.org/"))));
}
