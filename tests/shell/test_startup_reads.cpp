#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "shell/StartupReads.h"

using namespace qm;

namespace {

struct ShownVolume {
    QString mountPoint;
    QString label;
    bool removable;
    bool operator==(const ShownVolume&) const = default;
};

std::vector<ShownVolume> shown(const std::vector<Volume>& volumes) {
    std::vector<ShownVolume> result;
    for (const Volume& v : volumes) result.push_back({v.mountPoint, v.label, v.removable});
    return result;
}

// The main window is built from what the helper thread read: it must be what
// the GUI thread would have read itself, and watch the same mount table.
TEST(StartupReads, FindTheLayoutAndVolumesThatAPlainReadFinds) {
    FakeSystem system;
    system.addMount("", system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci), "ext4", "/dev/sda1");
    const QString stick = system.addMount("media/PSP", system.addDisk("sdb", 8, 16, true, FakeSystem::Bus::Usb));
    system.addLabel("sdb1", "PSP");

    StartupReads reads(system.scanner());
    const MainWindowReads read = reads.take();
    const MainWindowReads plain = readMainWindow(system.scanner());

    EXPECT_EQ(read.layout, plain.layout);
    EXPECT_EQ(read.layout.name, "Form1");
    ASSERT_EQ(shown(read.mounts.volumes), shown(plain.mounts.volumes));
    ASSERT_EQ(read.mounts.volumes.size(), 2u);
    EXPECT_EQ(read.mounts.volumes.back().mountPoint, stick);
    EXPECT_TRUE(read.mounts.volumes.back().removable);
    EXPECT_EQ(read.scanner.mountTablePath(), system.root() + "/proc/self/mountinfo");
    EXPECT_TRUE(read.mounts.table.isOpen());
}

}  // namespace
