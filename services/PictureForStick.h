#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include "services/StickPictures.h"

namespace qm {

// The PSP's screen.
inline constexpr QSize kPspScreen(480, 272);

// The size a picture of `size` gets on the stick: no larger than needed for
// its use, proportions kept, never scaled up.
QSize sizeOnStick(const QSize& size, PictureUse use);

// A picture made ready for the stick.
struct StickPicture {
    QByteArray bytes;   // what goes onto the stick; empty when error is set
    QByteArray format;  // "jpeg", "png" or "gif"
    QSize scaledTo;     // the new size when scaled, else invalid
    QString error;      // why there is nothing to copy, for the user
};

// JPEG, PNG and GIF that need no scaling keep their bytes; a JPEG turned by
// its EXIF orientation is turned upright. A scaled picture keeps its format,
// except GIF, which becomes PNG (Qt writes no GIF); every other format Qt
// reads becomes JPEG, transparency laid on white.
StickPicture pictureForStick(const QByteArray& original, PictureUse use);

// The file name for a picture of `format`, from the user's file name: the
// user's suffix when it fits the format, and no character a FAT stick
// refuses or that would end a reference in the page early.
QString stickFileName(const QString& userFileName, const QByteArray& format);

}  // namespace qm
