#include "windows/DriveList.h"

#include <QAbstractItemView>
#include <QStyle>
#include <QStylePainter>

#include <algorithm>

#include "services/PathBytes.h"

namespace qm {

namespace {

QString noDriveTip() { return QStringLiteral("Choose the PSP drive"); }

QString goneState() { return QStringLiteral(" (gone)"); }

QIcon entryIcon(const QStyle* style, bool removable, bool gone) {
    // Themes name these icons; without a theme (or offscreen) the style's own serve.
    if (gone) return QIcon::fromTheme(QStringLiteral("dialog-warning"), style->standardIcon(QStyle::SP_MessageBoxWarning));
    if (removable)
        return QIcon::fromTheme(QStringLiteral("drive-removable-media"), style->standardIcon(QStyle::SP_DriveFDIcon));
    return QIcon::fromTheme(QStringLiteral("drive-harddisk"), style->standardIcon(QStyle::SP_DriveHDIcon));
}

}  // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    // Until a stick is found or picked, no drive is chosen: Make must not
    // guess one.
    // The box is narrow: a short placeholder, the whole request as its tip.
    setPlaceholderText(QStringLiteral("Choose…"));
    setToolTip(noDriveTip());
    connect(this, &QComboBox::activated, this, [this] { chosenByHand_ = true; });
    // The entry names the volume; its whole mount point shows as a tip.
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int index) { setToolTip(index >= 0 ? itemData(index, Qt::ToolTipRole).toString() : noDriveTip()); });
    view()->setTextElideMode(Qt::ElideMiddle);
}

void DriveList::setScanner(const VolumeScanner& scanner, const std::vector<Volume>& volumes) {
    scanner_ = scanner;
    showVolumes(volumes);
}

QString DriveList::drive() const { return currentData().toString(); }

const DriveList::Entry* DriveList::currentEntry() const {
    const int index = currentIndex();
    return index >= 0 && index < int(entries_.size()) ? &entries_[index] : nullptr;
}

bool DriveList::chosenDriveIsGone() const {
    const Entry* entry = currentEntry();
    return entry && entry->gone;
}

bool DriveList::setDrive(const QString& drive) {
    if (drive.isEmpty()) return false;
    const int index = findData(drive);
    if (index < 0) return false;
    setCurrentIndex(index);
    chosenByHand_ = false;
    return true;
}

void DriveList::showVolumes(const std::vector<Volume>& volumes) {
    std::vector<Entry> entries;
    for (const Volume& volume : volumes)
        entries.push_back({volumeDisplayName(volume), volume.mountPoint, volume.id, volume.removable, false});
    const QString chosen = keepChoice(entries);
    showEntries(entries, chosen);
}

QString DriveList::keepChoice(std::vector<Entry>& entries) const {
    const Entry* current = currentEntry();
    if (!current) return {};
    const auto byMountPoint = [](const Entry& e, const QByteArray& path) {
        return qm::pathToBytes(e.mountPoint) < path;
    };
    const auto at = std::lower_bound(entries.begin(), entries.end(), qm::pathToBytes(current->mountPoint),
                                     byMountPoint);
    if (at != entries.end() && at->mountPoint == current->mountPoint) return current->mountPoint;
    const auto sameVolume = [current](const Entry& e) {
        return !e.volumeId.isEmpty() && e.volumeId == current->volumeId;
    };
    const auto back = std::find_if(entries.begin(), entries.end(), sameVolume);
    if (back != entries.end()) return back->mountPoint;
    Entry gone = *current;
    gone.gone = true;
    entries.insert(at, gone);
    return current->mountPoint;
}

void DriveList::showEntries(const std::vector<Entry>& entries, const QString& chosen) {
    if (entries == entries_ && chosen == drive()) return;  // a mount elsewhere: nothing to redraw
    {
        QSignalBlocker quiet(this);
        clear();
        for (const Entry& entry : entries) {
            const QString whole = mountPointDisplay(entry.mountPoint);
            addItem(entry.gone ? entry.text + goneState() : entry.text, entry.mountPoint);
            setItemData(count() - 1, entry.gone ? QStringLiteral("%1 is no longer mounted").arg(whole) : whole,
                        Qt::ToolTipRole);
        }
        entries_ = entries;
        iconsShown_ = false;
        setCurrentIndex(chosen.isEmpty() ? -1 : findData(chosen));
    }
    setToolTip(currentIndex() >= 0 ? itemData(currentIndex(), Qt::ToolTipRole).toString() : noDriveTip());
    update();
}

void DriveList::setIcons() {
    if (iconsShown_) return;
    for (int i = 0; i < int(entries_.size()); ++i)
        setItemIcon(i, entryIcon(style(), entries_[i].removable, entries_[i].gone));
    iconsShown_ = true;
}

void DriveList::showPopup() {
    setIcons();
    // The open list is as wide as its longest entry.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth() + 8);
    QComboBox::showPopup();
}

QString DriveList::shownText(int width) const {
    const Entry* entry = currentEntry();
    const QFontMetrics metrics = fontMetrics();
    if (!entry) return metrics.elidedText(placeholderText(), Qt::ElideRight, width);
    if (!entry->gone) return metrics.elidedText(entry->text, Qt::ElideMiddle, width);
    // That the drive is gone matters more than its name: only the name gives way.
    const QString state = goneState();
    const int room = std::max(0, width - metrics.horizontalAdvance(state));
    return metrics.elidedText(entry->text, Qt::ElideMiddle, room) + state;
}

void DriveList::paintEvent(QPaintEvent*) {
    // QComboBox's own painting, but the name is cut in the middle: its end is
    // what tells volumes apart. The box is narrow, so its room goes to words,
    // a gone drive's state first; the open list shows the icons.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
    option.currentIcon = QIcon();
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = shownText(field.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace qm
