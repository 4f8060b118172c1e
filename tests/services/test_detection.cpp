#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "services/Detection.h"

using namespace qm;

namespace {

class Detection : public ::testing::Test {
protected:
    QString removable(const QString& name, int minor, bool marker) {
        const QString device = system.addDisk(name, 8, minor, true, FakeSystem::Bus::Usb);
        const QString root = system.addMount("media/" + name, device);
        if (marker) FakeSystem::write(root + "/MEMSTICK.IND", "");
        return root;
    }
    DetectedDrive detect() const { return qm::detectDrive(system.scanner().volumes()); }

    FakeSystem system;
};

TEST_F(Detection, TheFirstRemovableVolumeWithTheMarkerWins) {
    removable("sdb", 16, false);
    const QString first = removable("sdc", 32, true);
    removable("sdd", 48, true);
    const DetectedDrive detected = detect();
    EXPECT_EQ(detected.drive, first);
    EXPECT_TRUE(detected.isStick);
}

TEST_F(Detection, VolumesThatAreNotRemovableOrAreFloppiesAreNeverExamined) {
    const QString internal = system.addMount("home", system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci));
    FakeSystem::write(internal + "/MEMSTICK.IND", "");
    const QString floppy = system.addMount("floppy", "2:0", "vfat", "/dev/fd0");
    FakeSystem::write(floppy + "/MEMSTICK.IND", "");
    const DetectedDrive detected = detect();
    EXPECT_EQ(detected.drive, QString());
    EXPECT_FALSE(detected.isStick);
}

TEST_F(Detection, WithoutAMarkerTheLastRemovableVolumeExaminedIsFound) {
    removable("sdb", 16, false);
    const QString last = removable("sdc", 32, false);
    system.addMount("zz-home", system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci));
    const DetectedDrive detected = detect();
    EXPECT_EQ(detected.drive, last);
    EXPECT_FALSE(detected.isStick);
}

}  // namespace
