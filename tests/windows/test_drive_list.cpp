#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractItemModel>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "FakeSystem.h"
#include "services/Detection.h"
#include "services/MountWatcher.h"
#include "windows/DriveList.h"
#include "windows/LiveDrives.h"
#include "windows/Messages.h"

using namespace qm;

namespace {

class DriveListTest : public ::testing::Test {
protected:
    void SetUp() override {
        qm::setMessageSink([this](const qm::Message& m) { messages << m.text; });
    }
    void TearDown() override { qm::setMessageSink(nullptr); }

    QString fixed(const QString& path, const QString& disk, int minor) {
        return system.addMount(path, system.addDisk(disk, 8, minor, false, FakeSystem::Bus::Pci), "ext4",
                               "/dev/" + disk + "1");
    }
    QString stick(const QString& path, const QString& disk, int minor) {
        const QString root = system.addMount(path, system.addDisk(disk, 8, minor, true, FakeSystem::Bus::Usb),
                                             "vfat", "/dev/" + disk + "1");
        FakeSystem::write(root + "/MEMSTICK.IND", "");
        return root;
    }
    // As a person picks an entry: only then does the list emit activated.
    void pick(const QString& drive) {
        const int index = drives.findData(drive);
        ASSERT_GE(index, 0);
        drives.setCurrentIndex(index);
        emit drives.activated(index);
    }
    void list() { drives.setScanner(system.scanner(), system.scanner().volumes()); }
    void reread() { drives.showVolumes(system.scanner().volumes()); }
    QString tip(const QString& drive) { return drives.itemData(drives.findData(drive), Qt::ToolTipRole).toString(); }
    QString text(const QString& drive) { return drives.itemText(drives.findData(drive)); }

    FakeSystem system;
    DriveList drives;
    QStringList messages;
};

TEST_F(DriveListTest, RefreshKeepsAHandChosenDriveThatIsNotFirst) {
    fixed("b-data", "sda", 0);
    const QString chosen = fixed("c-photos", "sdb", 16);
    fixed("d-music", "sdc", 32);
    list();
    pick(chosen);
    fixed("a-new", "sdd", 48);  // sorts first: every index moves
    reread();
    EXPECT_EQ(drives.count(), 4);
    EXPECT_EQ(drives.drive(), chosen);
    EXPECT_FALSE(drives.setDrive(QString()));
    EXPECT_FALSE(drives.setDrive(chosen + "/elsewhere"));
    EXPECT_EQ(drives.drive(), chosen) << "a refused drive leaves the choice as it was";
}

TEST_F(DriveListTest, EntriesNameTheVolumeAndTipTheWholeMountPoint) {
    const QString labelled = stick("media/alice/0C2A-11F3", "sdb", 16);
    system.addLabel("sdb1", "PSP\\x20Stick");
    const QString plain = fixed("media/alice/photos", "sda", 0);
    list();
    EXPECT_EQ(text(labelled), "PSP Stick");
    EXPECT_EQ(text(plain), "photos");
    EXPECT_EQ(tip(labelled), labelled);
    ASSERT_TRUE(drives.setDrive(plain));
    EXPECT_EQ(drives.toolTip(), plain);

    EXPECT_TRUE(drives.itemIcon(drives.findData(labelled)).isNull()) << "no icon lookup before the list opens";
    drives.showPopup();
    const QImage removableIcon = drives.itemIcon(drives.findData(labelled)).pixmap(16).toImage();
    const QImage fixedIcon = drives.itemIcon(drives.findData(plain)).pixmap(16).toImage();
    EXPECT_FALSE(removableIcon.isNull());
    EXPECT_NE(removableIcon, fixedIcon) << "removable volumes are marked";
}

TEST_F(DriveListTest, TheBoxCutsALongNameInTheMiddleKeepingBothEnds) {
    const QString long_ = stick("media/alice/Holiday-pictures-from-the-summer-of-2026-part-7", "sdb", 16);
    list();
    ASSERT_TRUE(drives.setDrive(long_));
    const QString shown = drives.shownText(drives.fontMetrics().horizontalAdvance("Holiday-pic…-part-7"));
    EXPECT_TRUE(shown.startsWith("Holiday")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("part-7")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026)));

    system.removeMount(long_);
    reread();
    ASSERT_TRUE(drives.chosenDriveIsGone());
    const QString gone = drives.shownText(drives.fontMetrics().horizontalAdvance("Hol… (gone)"));
    EXPECT_TRUE(gone.startsWith("H")) << gone.toStdString();
    EXPECT_TRUE(gone.endsWith(" (gone)")) << "the name gives way, never the state: " << gone.toStdString();
    EXPECT_TRUE(drives.shownText(0).endsWith(" (gone)"));
}

TEST_F(DriveListTest, MountPointsAndLabelsWithAnyBytesGiveOneReadableLineEach) {
    FakeSystem::write(system.root() + "/proc/self/mountinfo", "");
    const QByteArray odd = QFile::encodeName(system.root()) + "/media/A\xff\x01" "B";
    QDir().mkpath(system.root() + "/media");
    ASSERT_EQ(::mkdir(odd.constData(), 0755), 0);
    const QString device = system.addDisk("sdb", 8, 16, true, FakeSystem::Bus::Usb);
    system.addRawMountInfoLine("40 1 " + device.toUtf8() + " / " + QFile::encodeName(system.root()) +
                               "/media/A\\377\\001B rw - vfat /dev/sdb1 rw");
    system.addLabel("sdb1", "Line\\x0abreak\\xe9");
    list();
    ASSERT_EQ(drives.count(), 1);
    EXPECT_EQ(drives.itemText(0), "Line\uFFFDbreak\uFFFD");
    EXPECT_FALSE(drives.itemData(0, Qt::ToolTipRole).toString().contains(QChar(1)));
    ::rmdir(odd.constData());  // a name QTemporaryDir cannot remove
}

// The program reads the mounts while it starts and watches them only once its
// window is built; a mount in between must still be heard of. On the kernel's
// own table, in a private mount namespace.
TEST(WatchedMountTable, AMountMadeBeforeTheWatcherStartsIsStillReported) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to mount";
    if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        GTEST_SKIP() << "no private mount namespace here";
    QTemporaryDir folder;
    const QByteArray where = QFile::encodeName(folder.path());
    WatchedMountTable table(QStringLiteral("/proc/self/mountinfo"));
    ASSERT_TRUE(table.isOpen());
    ASSERT_EQ(mount("tmpfs", where.constData(), "tmpfs", 0, "size=16k"), 0);
    MountWatcher watcher(std::move(table));
    QSignalSpy changed(&watcher, &MountWatcher::changed);
    EXPECT_TRUE(changed.wait(2000));
    umount(where.constData());
}

class LiveDriveList : public DriveListTest {
protected:
    void start() {
        MountSnapshot mounts = takeMountSnapshot(system.scanner());
        drives.setScanner(system.scanner(), mounts.volumes);
        drives.setDrive(qm::detectDrive(mounts.volumes).drive);
        messages.clear();
        live = new LiveDrives(&drives, std::move(mounts.table), &drives);
    }
    void mountsChanged() { live->mountsChanged(); }

    LiveDrives* live = nullptr;
};

TEST_F(LiveDriveList, AStickMountedAfterStartIsChosenQuietly) {
    fixed("home", "sda", 0);
    start();
    ASSERT_TRUE(drives.drive().isEmpty());
    const QString later = stick("media/PSP", "sdb", 16);
    mountsChanged();
    EXPECT_EQ(drives.drive(), later);
    EXPECT_FALSE(drives.chosenByHand());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LiveDriveList, ADrivePickedByHandStaysWhenAStickAppears) {
    const QString home = fixed("home", "sda", 0);
    start();
    pick(home);
    stick("media/PSP", "sdb", 16);
    mountsChanged();
    EXPECT_EQ(drives.drive(), home);
    EXPECT_EQ(drives.count(), 2);
}

TEST_F(LiveDriveList, AChosenStickThatGoesAwayStaysListedAsGoneUntilItComesBack) {
    const QString psp = stick("media/PSP", "sdb", 16);
    fixed("home", "sda", 0);
    start();
    ASSERT_EQ(drives.drive(), psp);
    system.removeMount(psp);
    mountsChanged();
    EXPECT_EQ(drives.drive(), psp) << "Make then says the stick is no longer there";
    EXPECT_TRUE(drives.chosenDriveIsGone());
    EXPECT_EQ(text(psp), "PSP (gone)");
    EXPECT_TRUE(tip(psp).contains("no longer mounted"));

    stick("media/PSP", "sdb", 16);
    mountsChanged();
    EXPECT_EQ(drives.drive(), psp);
    EXPECT_FALSE(drives.chosenDriveIsGone());
    EXPECT_EQ(text(psp), "PSP");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LiveDriveList, AGoneStickMountedAgainElsewhereIsOneLiveEntryStillChosen) {
    const QString psp = stick("media/A-PSP", "sdb", 16);
    stick("media/B-PSP", "sdc", 32);
    start();
    system.removeMount(psp);
    mountsChanged();
    ASSERT_TRUE(drives.chosenDriveIsGone());
    const QString again = stick("media/C-PSP", "sdb", 16);
    mountsChanged();
    EXPECT_EQ(drives.count(), 2);
    EXPECT_EQ(drives.findData(psp), -1);
    EXPECT_EQ(drives.drive(), again) << "not the other stick, which comes first";
    EXPECT_FALSE(drives.chosenDriveIsGone());
}

TEST_F(LiveDriveList, AGoneEntryLeavesTheListOnceAnotherDriveIsChosen) {
    const QString psp = stick("media/PSP", "sdb", 16);
    const QString home = fixed("home", "sda", 0);
    start();
    system.removeMount(psp);
    mountsChanged();
    pick(home);
    reread();
    EXPECT_EQ(drives.count(), 1);
    EXPECT_EQ(drives.findData(psp), -1);
}

TEST_F(LiveDriveList, AChangeThatLeavesTheVolumesAsTheyWereRebuildsNothing) {
    fixed("home", "sda", 0);
    start();
    QSignalSpy rebuilt(drives.model(), &QAbstractItemModel::rowsRemoved);
    system.addMount("run/user/1000", "0:50", "tmpfs", "tmpfs");
    mountsChanged();
    EXPECT_EQ(rebuilt.count(), 0);
}

TEST_F(LiveDriveList, ATornOrGarbledMountTableListsWhatItCanAndNothingThatIsGone) {
    const QString psp = stick("media/PSP", "sdb", 16);
    start();
    const QString vanished = system.root() + "/media/vanished";
    system.addRawMountInfoLine("50 1 8:33 / " + QFile::encodeName(vanished) + " rw - vfat /dev/sdc1 rw");
    system.addRawMountInfoLine("51 1 8:17 / " + QFile::encodeName(psp) + " rw - vfat /dev/sdb1 rw");  // twice
    system.addRawMountInfoLine(QByteArray("52 1 8:49 / /media/cut-off rw sh", 33));                  // torn
    system.addRawMountInfoLine(QByteArray("\0\xff\n - - \\\\\\", 12));
    mountsChanged();
    EXPECT_EQ(drives.count(), 1);
    EXPECT_EQ(drives.drive(), psp);
}

}  // namespace
