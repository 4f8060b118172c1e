#include "DriveList.h"

#include <QAbstractItemView>

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    // Mount points are longer than the box is wide: the full one shows as a tip.
    connect(this, &QComboBox::currentTextChanged, this, &QWidget::setToolTip);
    // Until a stick is found or picked, no drive is chosen: Make must not
    // guess one.
    setPlaceholderText(QStringLiteral("Choose the PSP drive"));
}

void DriveList::setScanner(const VolumeScanner& scanner) {
    scanner_ = scanner;
    refresh();
}

QString DriveList::drive() const { return currentData().toString(); }

bool DriveList::setDrive(const QString& drive) {
    if (drive.isEmpty()) return false;
    const int index = findData(drive);
    if (index < 0) return false;
    setCurrentIndex(index);
    return true;
}

void DriveList::refresh() {
    const QString previous = drive();
    QSignalBlocker quiet(this);
    clear();
    for (const Volume& volume : scanner_.volumes()) {
        const QString text = volume.label.isEmpty()
                                 ? volume.mountPoint
                                 : QStringLiteral("%1 [%2]").arg(volume.mountPoint, volume.label);
        addItem(text, volume.mountPoint);
    }
    if (!setDrive(previous)) setCurrentIndex(-1);
    setToolTip(currentText());
    // The open list is as wide as its longest mount point.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth() + 8);
}
