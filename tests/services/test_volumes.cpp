#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FakeSystem.h"
#include "services/MakePage.h"
#include "services/MountInfo.h"
#include "services/PathBytes.h"
#include "services/Volumes.h"

using namespace qm;

namespace {

TEST(MountInfo, ParsesFieldsAndUndoesOctalEscapes) {
    const auto entries = parseMountInfo(
        "36 35 8:17 / /media/alice/MY\\040PSP\\011x rw,nosuid shared:7 master:1 - vfat "
        "/dev/sdb1 rw,fmask=0022\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].mountPoint, QByteArray("/media/alice/MY PSP\tx"));
    EXPECT_EQ(entries[0].fsType, QByteArray("vfat"));
    EXPECT_EQ(entries[0].source, QByteArray("/dev/sdb1"));
    EXPECT_EQ(entries[0].major, 8u);
    EXPECT_EQ(entries[0].minor, 17u);
}

TEST(MountInfo, SkipsLinesItCannotParse) {
    const auto entries = parseMountInfo(
        "garbage\n"
        "36 35 x:y / /a rw - ext4 /dev/sda1 rw\n"
        "37 35 8:1 / /no-separator rw ext4 /dev/sda1 rw\n"
        "38 35 8:1 / relative rw - ext4 /dev/sda1 rw\n"
        "\n"
        "39 35 8:2 / /good rw - ext4 /dev/sda2 rw");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].mountPoint, QByteArray("/good"));
}

TEST(MountInfo, KeepsABackslashThatStartsNoEscape) {
    EXPECT_EQ(unescapeMountField("/a\\b\\0"), QByteArray("/a\\b\\0"));
    EXPECT_EQ(unescapeMountField("/a\\134b"), QByteArray("/a\\b"));
}

TEST(Volumes, AreListedInByteOrderOfTheirMountPointsWithoutPseudoFileSystems) {
    FakeSystem system;
    const QString usb = system.addDisk("sdb", 8, 16, true, FakeSystem::Bus::Usb);
    system.addMount("media/b", usb);
    system.addMount("media/B", usb);
    system.addMount("media/a b", usb);
    system.addMount("run/user", "0:45", "tmpfs", "tmpfs");
    system.addMount("proc-view", "0:21", "proc", "proc");
    const auto volumes = system.scanner().volumes();
    ASSERT_EQ(volumes.size(), 3u);
    EXPECT_TRUE(volumes[0].mountPoint.endsWith("/media/B"));
    EXPECT_TRUE(volumes[1].mountPoint.endsWith("/media/a b"));
    EXPECT_TRUE(volumes[2].mountPoint.endsWith("/media/b"));
}

TEST(Volumes, RemovableWhenTheDiskSaysSoOrSitsOnAUsbOrMmcBus) {
    FakeSystem system;
    const QString flagged = system.addDisk("sdb", 8, 16, true, FakeSystem::Bus::Pci);
    const QString usbDisk = system.addDisk("sdc", 8, 32, false, FakeSystem::Bus::Usb);
    const QString card = system.addDisk("mmcblk0", 179, 0, false, FakeSystem::Bus::Mmc);
    const QString internal = system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci);
    const VolumeScanner scanner = system.scanner();
    auto removable = [&](const QString& device) {
        const QStringList parts = device.split(':');
        return scanner.isRemovable(parts[0].toUInt(), parts[1].toUInt());
    };
    EXPECT_TRUE(removable(flagged));
    EXPECT_TRUE(removable(usbDisk));
    EXPECT_TRUE(removable(card));
    EXPECT_FALSE(removable(internal));
    EXPECT_TRUE(scanner.isRemovable(8, 16)) << "a whole disk is judged by its own flag";
    EXPECT_FALSE(scanner.isRemovable(0, 45)) << "no block device behind it";
    EXPECT_FALSE(scanner.isRemovable(8, 99)) << "unknown device";
}

TEST(Volumes, FloppiesAreMarkedAndFileMountsLeftOut) {
    FakeSystem system;
    system.addMount("floppy", "2:0", "vfat", "/dev/fd0");
    const QString file = system.root() + "/resolv.conf";
    FakeSystem::write(file, "x");
    system.addRawMountInfoLine("90 1 8:1 / " + QFile::encodeName(file) + " rw - ext4 /dev/sda1 rw");
    const auto volumes = system.scanner().volumes();
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_TRUE(volumes[0].floppy);
    EXPECT_FALSE(volumes[0].removable);
}

TEST(Volumes, NoMountTableGivesNoVolumes) {
    EXPECT_TRUE(VolumeScanner("/nonexistent/proc", "/nonexistent/sys").volumes().empty());
}

TEST(MarkerFile, IsFoundByExactNameOrAnyLetterCaseButNotAsAFolder) {
    QTemporaryDir exact, lower, folder, none;
    FakeSystem::write(exact.path() + "/MEMSTICK.IND", "");
    FakeSystem::write(lower.path() + "/memstick.ind", "");
    QDir(folder.path()).mkdir("MEMSTICK.IND");
    EXPECT_TRUE(hasMarkerFile(exact.path()));
    EXPECT_TRUE(hasMarkerFile(lower.path()));
    EXPECT_FALSE(hasMarkerFile(folder.path()));
    EXPECT_FALSE(hasMarkerFile(none.path()));
    EXPECT_FALSE(hasMarkerFile(none.path() + "/gone"));
}

TEST(MarkerFile, ALinkCountsOnlyWhenItLeadsToAFileWhateverTheLetterCase) {
    QTemporaryDir target;
    FakeSystem::write(target.path() + "/real", "");
    QDir(target.path()).mkdir("folder");
    for (const char* name : {"MEMSTICK.IND", "Memstick.ind"}) {
        QTemporaryDir toFile, dangling, toFolder;
        QFile::link(target.path() + "/real", toFile.path() + "/" + name);
        QFile::link(target.path() + "/gone", dangling.path() + "/" + name);
        QFile::link(target.path() + "/folder", toFolder.path() + "/" + name);
        EXPECT_TRUE(hasMarkerFile(toFile.path())) << name;
        EXPECT_FALSE(hasMarkerFile(dangling.path())) << name;
        EXPECT_FALSE(hasMarkerFile(toFolder.path())) << name;
    }
}

TEST(MarkerFile, IsFoundUnderAMountPointThatIsNotUtf8) {
    QTemporaryDir base;
    const QByteArray root = QFile::encodeName(base.path()) + "/PSP\xE9";
    ASSERT_EQ(::mkdir(root.constData(), 0700), 0);
    const int fd = ::open((root + "/MEMSTICK.IND").constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_TRUE(hasMarkerFile(qm::pathFromBytes(root)));
    // QTemporaryDir cannot remove a name that is not UTF-8.
    ::unlink((root + "/MEMSTICK.IND").constData());
    ::rmdir(root.constData());
}

TEST(Volumes, AMountPointThatIsNotUtf8IsListedAndLeadsBackToItsBytes) {
    FakeSystem system;
    const QByteArray bytes = QFile::encodeName(system.root()) + "/media/Caf\xE9";
    QDir().mkpath(system.root() + "/media");
    ASSERT_EQ(::mkdir(bytes.constData(), 0700), 0);
    system.addRawMountInfoLine("30 1 8:17 / " + bytes + " rw - vfat /dev/sdb1 rw");
    const std::vector<Volume> volumes = system.scanner().volumes();
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_EQ(qm::pathToBytes(volumes[0].mountPoint), bytes);
    EXPECT_TRUE(system.scanner().isMountPoint(volumes[0].mountPoint));
    EXPECT_FALSE(system.scanner().isMountPoint(QFile::decodeName(bytes)));
    ::rmdir(bytes.constData());
}

TEST(PathBytes, AnyBytesComeBackUnchangedAndUtf8ReadsAsText) {
    const QByteArray samples[] = {
        "/media/plain", "/media/Caf\xC3\xA9", "/media/Caf\xE9", "\xC0\x80 overlong",
        "\xED\xA0\x80 surrogate", "\xF4\x90\x80\x80 too high", "cut \xE2\x82", "\xFF\xFE\x80",
        "\xF0\x9F\x98\x80 emoji",
    };
    for (const QByteArray& bytes : samples)
        EXPECT_EQ(qm::pathToBytes(qm::pathFromBytes(bytes)), bytes) << bytes.toHex().constData();
    EXPECT_EQ(qm::pathFromBytes("/media/Caf\xC3\xA9"), QStringLiteral("/media/Caf\u00E9"));
    EXPECT_NE(qm::pathFromBytes("/media/Caf\xE9"), qm::pathFromBytes("/media/Caf\xC3\xA9"));
}

TEST(PathBytes, AChildOfTheRootHasOneSeparator) {
    EXPECT_EQ(qm::childPath("/", "index.html"), QStringLiteral("/index.html"));
    EXPECT_EQ(qm::childPath("/media/PSP", "index.html"), QStringLiteral("/media/PSP/index.html"));
    EXPECT_EQ(qm::childPath("/media/PSP/", "index.html"), QStringLiteral("/media/PSP/index.html"));
}

}  // namespace

namespace {

TEST(MakePage, ARootThatIsNotMountedGetsOneMessageWithOneSeparatorAndNoWrite) {
    FakeSystem system;  // lists no volume at "/"
    const qm::WriteResult result = qm::makePage(system.scanner(), "/", "page");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith("Could not write /index.html:")) << result.error.toStdString();
    EXPECT_FALSE(result.error.contains("//"));
}

}  // namespace
