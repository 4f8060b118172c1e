#include <gtest/gtest.h>

#include <QTimer>

#include "FakeSystem.h"
#include "services/Detection.h"
#include "services/DriveList.h"
#include "services/Messages.h"

using namespace qm;

namespace {

class Detection : public ::testing::Test {
protected:
    void SetUp() override {
        qm::setMessageSink([this](const qm::Message& m) {
            messages.push_back(m);
            log << "message";
        });
    }
    void TearDown() override { qm::setMessageSink(nullptr); }

    QString removable(const QString& name, int minor, bool marker) {
        const QString device = system.addDisk(name, 8, minor, true, FakeSystem::Bus::Usb);
        const QString root = system.addMount("media/" + name, device);
        if (marker) FakeSystem::write(root + "/MEMSTICK.IND", "");
        return root;
    }

    FakeSystem system;
    std::vector<qm::Message> messages;
    QStringList log;
};

TEST_F(Detection, TheFirstRemovableVolumeWithTheMarkerWinsSilently) {
    removable("sdb", 16, false);
    const QString first = removable("sdc", 32, true);
    removable("sdd", 48, true);
    EXPECT_EQ(qm::findStickDrive(system.scanner()), first);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Detection, VolumesThatAreNotRemovableOrAreFloppiesAreNeverExamined) {
    const QString internal = system.addMount("home", system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci));
    FakeSystem::write(internal + "/MEMSTICK.IND", "");
    const QString floppy = system.addMount("floppy", "2:0", "vfat", "/dev/fd0");
    FakeSystem::write(floppy + "/MEMSTICK.IND", "");
    EXPECT_EQ(qm::findStickDrive(system.scanner()), QString());
    ASSERT_EQ(messages.size(), 1u);
}

TEST_F(Detection, WithoutAMarkerItSaysSoThenLetsEventsRunAndReturnsTheLastRemovable) {
    removable("sdb", 16, false);
    const QString last = removable("sdc", 32, false);
    QTimer::singleShot(0, [this] { log << "event"; });
    EXPECT_EQ(qm::findStickDrive(system.scanner()), last);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("PSP not Detected."));
    EXPECT_EQ(messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(messages[0].icon, qm::MessageIcon::Exclamation);
    EXPECT_EQ(log, (QStringList{"message", "event"}));
}

TEST_F(Detection, DetectDriveKeepsTheResultAndTheDriveListRefusesEmptyOrUnknownDrives) {
    const QString stick = removable("sdb", 16, true);
    const QString other = system.addMount("data", system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci));
    qm::detectDrive(system.scanner().volumes());
    EXPECT_EQ(qm::detectedDrive(), stick);

    DriveList drives;
    drives.setScanner(system.scanner());
    ASSERT_EQ(drives.count(), 2);
    ASSERT_TRUE(drives.setDrive(other));
    EXPECT_FALSE(drives.setDrive(QString()));
    EXPECT_FALSE(drives.setDrive(stick + "/elsewhere"));
    EXPECT_EQ(drives.drive(), other);
    EXPECT_EQ(drives.toolTip(), other) << "the whole mount point, which the box cuts off";
}

TEST_F(Detection, RefreshListsAStickAttachedLaterAndKeepsTheChoice) {
    const QString first = system.addMount("data", system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci));
    DriveList drives;
    drives.setScanner(system.scanner());
    ASSERT_TRUE(drives.setDrive(first));
    const QString stick = removable("sdb", 16, true);
    EXPECT_FALSE(drives.setDrive(stick)) << "not listed before refresh";
    drives.refresh();
    EXPECT_EQ(drives.drive(), first);
    EXPECT_TRUE(drives.setDrive(stick));
}

}  // namespace
