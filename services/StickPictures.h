#pragma once

#include <QString>

#include "services/Descriptor.h"

namespace qm {

class VolumeScanner;

// What the picture is for on the PSP's 480 × 272 screen.
enum class PictureUse {
    Background,  // covers the screen's width: a wider one is scaled to 480 pixels across
    InPage,      // an <img> in the page: a larger one is scaled to fit the screen
};

struct PictureCopy {
    bool ok = false;
    QString fileName;  // the name inside PSP/Photo when ok, e.g. "bg-2.jpg"
    QString message;   // for the user: what was done, or why nothing was (with the system's reason)
};

// Copies the picture at picturePath into PSP/Photo on drive (in pathFromBytes
// form, as makePage takes it), but only while drive is still a mounted
// volume. JPEG, PNG and GIF go as they are unless scaled; other pictures
// become JPEG. A different file with the name is never replaced: the copy
// takes a free name, and the same bytes already there are used as they are.
// The copy is whole and flushed before ok, or not there at all; the user's
// own file is only read.
PictureCopy copyPictureToStick(const VolumeScanner& scanner, const QString& drive,
                               const QString& picturePath, PictureUse use,
                               const SyncCalls& sync = {});

}  // namespace qm
