#pragma once

#include <QComboBox>

#include "services/Volumes.h"

namespace qm {

// The drive list: the mounted volumes that hold real file systems, each
// shown by what tells it apart (label, else the last part of its mount
// point), removable ones marked. Its drive value is the chosen mount point.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // Where the volumes are read from, with the volumes the caller has just
    // read from it.
    void setScanner(const VolumeScanner& scanner, const std::vector<Volume>& volumes);
    const VolumeScanner& scanner() const { return scanner_; }

    QString drive() const;
    // Selects the volume mounted at `drive`; false (selection unchanged) when
    // the value is empty or names no listed volume. The drive then counts as
    // chosen by the program, not by hand.
    bool setDrive(const QString& drive);
    // Shows volumes the caller has just read, keeping the selection where it
    // still is or where its volume is mounted now. A chosen volume that has
    // gone stays listed, marked as gone, so Make can say so, until it is
    // back; otherwise no drive is chosen.
    void showVolumes(const std::vector<Volume>& volumes);

    // Whether the user picked the current drive in the list.
    bool chosenByHand() const { return chosenByHand_; }
    // Whether the current drive is listed but no longer mounted.
    bool chosenDriveIsGone() const;

    // The current volume's name as the box shows it in `width` pixels: cut
    // in the middle, so both ends stay readable; a gone drive's state is
    // never cut.
    QString shownText(int width) const;

    // Icons are looked up when the list first opens: reading the icon theme
    // would cost start-up time for pictures the closed box does not show.
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Entry {
        QString text;
        QString mountPoint;
        QString volumeId;
        bool removable = false;
        bool gone = false;
        bool operator==(const Entry&) const = default;
    };
    const Entry* currentEntry() const;
    // Where the choice goes among freshly read entries: it stays while its
    // mount point is listed, else follows its volume to where it is mounted
    // now, else stays on an entry added for it, marked as gone.
    QString keepChoice(std::vector<Entry>& entries) const;
    void showEntries(const std::vector<Entry>& entries, const QString& chosen);
    void setIcons();

    VolumeScanner scanner_;
    std::vector<Entry> entries_;
    bool chosenByHand_ = false;
    bool iconsShown_ = false;
};

}  // namespace qm
