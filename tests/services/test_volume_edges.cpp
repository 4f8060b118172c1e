#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "services/MountInfo.h"
#include "services/Volumes.h"

using namespace qm;

namespace {

TEST(VolumeEdges, OfTwoMountsOnOnePointTheLaterOneDescribesTheVolume) {
    FakeSystem system;
    const QString usb = system.addDisk("sdb", 8, 16, true, FakeSystem::Bus::Usb);
    const QString internal = system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci);
    system.addMount("media/hidden-stick", usb);
    system.addMount("media/hidden-stick", internal, "ext4", "/dev/sda1");
    system.addMount("media/shown-stick", internal, "ext4", "/dev/sda1");
    system.addMount("media/shown-stick", usb);
    const auto volumes = system.scanner().volumes();
    ASSERT_EQ(volumes.size(), 2u);
    EXPECT_TRUE(volumes[0].mountPoint.endsWith("/hidden-stick"));
    EXPECT_FALSE(volumes[0].removable);
    EXPECT_TRUE(volumes[1].mountPoint.endsWith("/shown-stick"));
    EXPECT_TRUE(volumes[1].removable);
}

TEST(VolumeEdges, ADiskOnTheMemstickBusIsRemovableWhateverItsFlagSays) {
    FakeSystem system;
    const QString device = system.addDisk("mspblk0", 179, 8, false, FakeSystem::Bus::Memstick);
    system.addMount("media/card", device);
    const auto volumes = system.scanner().volumes();
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_TRUE(volumes[0].removable);
}

TEST(VolumeEdges, AnEscapeThatEndsTheMountPointDecodesWhole) {
    EXPECT_EQ(unescapeMountField("/media/PSP\\040"), QByteArray("/media/PSP "));
    EXPECT_EQ(unescapeMountField("\\134"), QByteArray("\\"));

    FakeSystem system;
    system.addMount("media/PSP ", system.addDisk("sdb", 8, 16, true, FakeSystem::Bus::Usb));
    const auto volumes = system.scanner().volumes();
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_TRUE(volumes[0].mountPoint.endsWith("/media/PSP ")) << volumes[0].mountPoint.toStdString();
}

TEST(VolumeEdges, AVolumeIsKnownByItsFileSystemUuidElseByItsDevice) {
    FakeSystem system;
    system.addMount("media/stick", system.addDisk("sdb", 8, 16, true, FakeSystem::Bus::Usb), "vfat", "/dev/sdb1");
    system.addMount("media/card", system.addDisk("sdc", 8, 32, true, FakeSystem::Bus::Usb), "vfat", "/dev/sdc1");
    system.addMount("srv/share", "0:52", "nfs", "server:/share");
    QDir().mkpath(system.root() + "/srv/sub");
    system.addRawMountInfoLine("40 1 8:17 /sub " + QFile::encodeName(system.root()) +
                               "/srv/sub rw - vfat /dev/sdb1 rw");
    system.addLabel("sdc1", "CARD");  // makes /dev/sdc1
    QDir().mkpath(system.root() + "/dev/disk/by-uuid");
    QFile::link(system.root() + "/dev/sdc1", system.root() + "/dev/disk/by-uuid/0C2A-11F3");
    const auto volumes = system.scanner().volumes();
    ASSERT_EQ(volumes.size(), 4u);
    EXPECT_EQ(volumes[0].id, "0C2A-11F3");
    EXPECT_EQ(volumes[1].id, "8:17");
    EXPECT_EQ(volumes[2].id, "");
    EXPECT_EQ(volumes[3].id, "") << "a folder of the stick bound elsewhere";
}

TEST(LabelLinkNames, DecodeEveryEscapeButKeepWhatIsNone) {
    EXPECT_EQ(labelFromLinkName("My\\x20PSP\\x2fA\\xc3\\xa9\\x5c"), "My PSP/A\u00e9\\");
    EXPECT_EQ(labelFromLinkName("odd\\xZZ\\x4"), "odd\\xZZ\\x4");
    EXPECT_EQ(labelFromLinkName("end\\x21"), "end!");
}

TEST(VolumeNames, TheRootVolumeIsCalledByItsPath) {
    Volume root;
    root.mountPoint = "/";
    EXPECT_EQ(volumeDisplayName(root), "/");
}

}  // namespace
