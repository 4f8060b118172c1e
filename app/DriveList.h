#pragma once

#include <QComboBox>

#include "Volumes.h"

// The drive list: the mounted volumes that hold real file systems, each
// shown with its mount point. Its drive value is the chosen mount point.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // Where the volumes are read from; re-reads them.
    void setScanner(const VolumeScanner& scanner);
    const VolumeScanner& scanner() const { return scanner_; }

    QString drive() const;
    // Selects the volume mounted at `drive`; false (selection unchanged) when
    // the value is empty or names no listed volume.
    bool setDrive(const QString& drive);
    // Re-reads the mounted volumes, keeping the selection where it still
    // exists; otherwise no drive is chosen.
    void refresh();

private:
    VolumeScanner scanner_;
};
