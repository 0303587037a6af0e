#include "platform/Volumes.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Volumes, DisplayTextsFollowTheDriveKind) {
    using K = Volume::Kind;
    EXPECT_EQ(volumeDisplay("/", K::Fixed, "system", {}), "/ [SYSTEM]");
    EXPECT_EQ(volumeDisplay("/data", K::Fixed, {}, {}), "/data []");
    EXPECT_EQ(volumeDisplay("/mnt/cd", K::Optical, "Disc 1", {}), "/mnt/cd [DISC 1]");
    EXPECT_EQ(volumeDisplay("/tmp", K::Ram, "", {}), "/tmp []");
    EXPECT_EQ(volumeDisplay("/media/usb", K::Removable, "stick", {}), "/media/usb");
    EXPECT_EQ(volumeDisplay("/net", K::Network, "lbl", "//server/share"), "/net //SERVER/SHARE");
    EXPECT_EQ(volumeDisplay("/net", K::Network, "lbl", ""), "/net LBL");
}

TEST(Volumes, RootComesFirstAndIsReady) {
    const QList<Volume> all = volumes();
    ASSERT_FALSE(all.isEmpty());
    EXPECT_EQ(all.first().root, "/");
    EXPECT_EQ(driveReadiness("/"), Readiness::Ready);
}

TEST(Volumes, ReadinessOfOddDriveIds) {
    EXPECT_EQ(driveReadiness(""), Readiness::InvalidDrive);
    EXPECT_EQ(driveReadiness("C:"), Readiness::InvalidDrive);
    EXPECT_EQ(driveReadiness("/no/such/volume/here"), Readiness::NotReady);
}
