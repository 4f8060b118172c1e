#include "DriveList.h"

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {}

QString DriveList::drive() const { return currentData().toString(); }

bool DriveList::setDrive(const QString& drive) {
    if (drive.isEmpty()) return false;
    const int index = findData(drive);
    if (index < 0) return false;
    setCurrentIndex(index);
    return true;
}

void DriveList::refresh() {}
