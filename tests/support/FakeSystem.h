#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "services/Volumes.h"

// A throw-away /proc, /sys and /dev with mounted volumes, for the scanner.
class FakeSystem {
public:
    enum class Bus { Pci, Usb, Mmc, Memstick };

    FakeSystem() { QDir(root()).mkpath("proc/self"); }

    QString root() const { return dir_.path(); }
    qm::VolumeScanner scanner() const {
        return qm::VolumeScanner(root() + "/proc", root() + "/sys", root() + "/dev");
    }

    // A disk with one partition (minor + 1); returns the partition's "major:minor".
    QString addDisk(const QString& name, int major, int minor, bool removableFlag, Bus bus) {
        QString parent = root() + "/sys/devices/pci0000:00/0000:00:14.0";
        if (bus == Bus::Usb) parent += "/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0";
        if (bus == Bus::Mmc) parent += "/mmc_host/mmc0/mmc0:0001";
        if (bus == Bus::Memstick) parent += "/memstick_host/memstick0/memstick0:0001";
        const QString disk = parent + "/block/" + name;
        QDir().mkpath(disk + "/" + name + "1");
        write(disk + "/removable", removableFlag ? "1\n" : "0\n");
        write(disk + "/" + name + "1/partition", "1\n");
        if (bus == Bus::Usb) linkSubsystem(root() + "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-1", "usb");
        if (bus == Bus::Mmc) linkSubsystem(root() + "/sys/devices/pci0000:00/0000:00:14.0/mmc_host/mmc0/mmc0:0001", "mmc");
        if (bus == Bus::Memstick)
            linkSubsystem(root() + "/sys/devices/pci0000:00/0000:00:14.0/memstick_host/memstick0/memstick0:0001",
                          "memstick");
        linkSubsystem(root() + "/sys/devices/pci0000:00/0000:00:14.0", "pci");
        QDir().mkpath(root() + "/sys/dev/block");
        const QString partition = QStringLiteral("%1:%2").arg(major).arg(minor + 1);
        QFile::link(disk + "/" + name + "1", root() + "/sys/dev/block/" + partition);
        QFile::link(disk, QStringLiteral("%1/sys/dev/block/%2:%3").arg(root()).arg(major).arg(minor));
        return partition;
    }

    // Mounts a folder under root() at the device; returns the mount point.
    QString addMount(const QString& relativePath, const QString& device,
                     const QString& fsType = "vfat", const QString& source = "/dev/sdb1") {
        const QString mountPoint = root() + "/" + relativePath;
        QDir().mkpath(mountPoint);
        mountinfo_ += QStringLiteral("%1 1 %2 / ").arg(++lastId_).arg(device).toUtf8() + escape(mountPoint) +
                      " rw,relatime shared:1 - " + fsType.toUtf8() + " " + source.toUtf8() +
                      " rw\n";
        write(root() + "/proc/self/mountinfo", mountinfo_);
        return mountPoint;
    }

    void addRawMountInfoLine(const QByteArray& line) {
        mountinfo_ += line + "\n";
        write(root() + "/proc/self/mountinfo", mountinfo_);
    }

    // Unmounts whatever is mounted at the mount point; its folder stays.
    void removeMount(const QString& mountPoint) {
        QByteArray kept;
        const QByteArray field = " " + escape(mountPoint) + " ";
        for (const QByteArray& line : mountinfo_.split('\n'))
            if (!line.isEmpty() && !line.contains(field)) kept += line + "\n";
        mountinfo_ = kept;
        write(root() + "/proc/self/mountinfo", mountinfo_);
    }

    // A /dev/disk/by-label link named `linkName` to /dev/`device`.
    void addLabel(const QString& device, const QString& linkName) {
        QDir().mkpath(root() + "/dev/disk/by-label");
        write(root() + "/dev/" + device, "");
        QFile::link(root() + "/dev/" + device, root() + "/dev/disk/by-label/" + linkName);
    }

    static void write(const QString& path, const QByteArray& content) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }

private:
    static QByteArray escape(const QString& mountPoint) {
        QByteArray escaped = QFile::encodeName(mountPoint);
        return escaped.replace("\\", "\\134").replace(" ", "\\040").replace("\t", "\\011");
    }

    void linkSubsystem(const QString& device, const QString& bus) {
        QDir().mkpath(root() + "/sys/bus/" + bus);
        QFile::remove(device + "/subsystem");
        QFile::link(root() + "/sys/bus/" + bus, device + "/subsystem");
    }

    QTemporaryDir dir_;
    QByteArray mountinfo_;
    int lastId_ = 20;
};
