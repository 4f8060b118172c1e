#include "shell/WindowIcon.h"

#include <QImageReader>
#include <QPixmap>

// The pictures are linked in from a static library: nothing registers them
// unless asked. Outside the namespace, as the macro requires.
static void registerIconResource() { Q_INIT_RESOURCE(window_icon); }

namespace qm {

namespace {

// Left to find the format itself, the reader first loads every image plugin
// installed (nine with Debian's extra formats, some 8 ms and 2 MB at start).
QPixmap readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QIcon windowIcon() {
    registerIconResource();
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(readPng(QStringLiteral(":/icons/quillmere-%1.png").arg(size)));
    return icon;
}

}  // namespace qm
