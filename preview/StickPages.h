#pragma once

#include "preview/PreviewSource.h"
#include "services/Volumes.h"

namespace qm {

// What the preview shows: its page is the preview copy, and every other path
// names a file beneath the chosen stick's root, read as the console would
// find it there. Nothing is written, and nothing outside the root is read:
// not through "..", a link, or another file system mounted inside it. With
// no stick chosen, or the stick gone, only the page is there.
class StickPages : public PreviewSource {
public:
    explicit StickPages(VolumeScanner scanner, QObject* parent = nullptr);

    void setPageFile(const QString& path) { pageFile_ = path; }
    void setDrive(const QString& drive) { drive_ = drive; }  // in pathFromBytes form; empty for none

    PreviewReply open(const QUrl& address) const override;

private:
    PreviewReply openOnStick(const QByteArray& path) const;

    VolumeScanner scanner_;
    QString pageFile_;
    QString drive_;
};

}  // namespace qm
