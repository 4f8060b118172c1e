#include <gtest/gtest.h>

#include "DriveList.h"
#include "FakeSystem.h"

namespace {

class DriveListTest : public ::testing::Test {
protected:
    QString volume(const QString& path, const QString& disk, int minor, bool removable) {
        return system.addMount(path, system.addDisk(disk, 8, minor, removable, FakeSystem::Bus::Pci));
    }

    FakeSystem system;
    DriveList drives;
};

TEST_F(DriveListTest, RefreshKeepsAHandChosenDriveThatIsNotFirst) {
    volume("b-data", "sda", 0, false);
    const QString chosen = volume("c-photos", "sdb", 16, false);
    volume("d-music", "sdc", 32, false);
    drives.setScanner(system.scanner());
    ASSERT_TRUE(drives.setDrive(chosen));
    volume("a-new", "sdd", 48, false);  // sorts first: every index moves
    drives.refresh();
    EXPECT_EQ(drives.count(), 4);
    EXPECT_EQ(drives.drive(), chosen);
}

}  // namespace
