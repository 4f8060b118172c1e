#pragma once

#include <QString>
#include <vector>

namespace qm {

// A mounted volume that holds a real file system.
struct Volume {
    QString mountPoint;  // the drive value, in pathFromBytes form
    QString label;       // empty when unknown
    bool removable = false;
    bool floppy = false;
    // Stays the same wherever the volume is mounted: its file system's UUID,
    // else its device number; empty for a volume with neither, and for a
    // mount of a folder inside a file system.
    QString id;
};

// Reads the mounted volumes from the kernel's views of the system. Tests hand
// it other roots in place of /proc, /sys and /dev.
class VolumeScanner {
public:
    VolumeScanner(QString procRoot = QStringLiteral("/proc"),
                  QString sysRoot = QStringLiteral("/sys"),
                  QString devRoot = QStringLiteral("/dev"));

    // Volumes in mount-point order (byte-wise), each mount point once.
    std::vector<Volume> volumes() const;

    // The mount table volumes() reads; the kernel signals its changes.
    QString mountTablePath() const;

    // Whether folder is, right now, where a listed volume is mounted.
    bool isMountPoint(const QString& folder) const;

    // Whether the block device major:minor sits on a removable disk.
    bool isRemovable(unsigned major, unsigned minor) const;

private:
    QByteArray linkNameTo(const QString& folder, const QString& source) const;

    QString procRoot_;
    QString sysRoot_;
    QString devRoot_;
};

// The label a /dev/disk/by-label link name stands for: udev writes every byte
// it finds unsafe as \xNN.
QString labelFromLinkName(const QByteArray& name);

// What tells a volume apart in a list: its label, else the last part of its
// mount point, readable even where the bytes are not.
QString volumeDisplayName(const Volume& volume);

// The whole mount point, readable, for a tip.
QString mountPointDisplay(const QString& mountPoint);

// Whether the volume root holds the memory-stick marker file, by its exact
// name or, failing that, by any letter case. A link counts only when it
// leads to a file.
bool hasMarkerFile(const QString& root);

}  // namespace qm
