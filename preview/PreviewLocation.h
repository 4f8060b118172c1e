#pragma once

#include <QString>
#include <QUrl>

namespace preview {

// Where the preview file lives. The application folder when the user can
// write to it (a build tree, a folder unpacked by hand); an installed
// program's folder is not writable, so then a folder of this user's alone:
// $XDG_RUNTIME_DIR/quillmere, else the user's cache folder + /quillmere, made
// with mode 0700. Never a predictable name in a shared /tmp.
struct PreviewFolder {
    QString path;            // empty when no folder can be used
    bool isPrivate = false;  // made on demand, owner-only
};

PreviewFolder choosePreviewFolder(const QString& applicationFolder, const QString& runtimeFolder,
                                  const QString& cacheFolder);

// The choice for this program and user.
PreviewFolder defaultPreviewFolder();

// Makes a private folder when it is missing and keeps it owner-only; returns
// an error text naming the folder and the reason, or an empty string.
QString preparePreviewFolder(const PreviewFolder& folder);

// The file is "index.html" in the writer's letter case: Linux file names are
// case-sensitive.
QString previewFilePath(const QString& folder);

// A file URL, so spaces and other characters in the path are escaped.
QUrl previewAddress(const QString& folder);

}  // namespace preview
