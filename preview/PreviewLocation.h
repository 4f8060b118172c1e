#pragma once

#include <QSet>
#include <QString>

namespace qm {

// Where the preview file lives: a folder of this running copy's own, so two
// copies never overwrite or delete each other's page, inside a folder only
// this user can enter. That one is in the build tree when the program runs
// from the folder it was built in; otherwise $XDG_RUNTIME_DIR/quillmere, else
// the user's cache folder + /quillmere. Never a system folder, never a
// predictable name in a shared /tmp.
struct PreviewFolder {
    QString path;            // the folder that holds index.html; empty when none can be used
    bool isPrivate = false;  // this copy's own, made by it inside an owner-only folder
};

// This copy's own folder name, the same for the whole run.
QString copyFolderName();

// Whether applicationFolder is where this program was built.
bool runsFromBuildTree(const QString& applicationFolder);

PreviewFolder choosePreviewFolder(bool fromBuildTree, const QString& applicationFolder,
                                  const QString& runtimeFolder, const QString& cacheFolder);

// The choice for this program and user.
PreviewFolder defaultPreviewFolder();

// The copy folders one run made: only those are used and deleted.
class PreviewFolders {
public:
    // The program's own, for the whole run.
    static PreviewFolders& ofThisRun();

    // For a private folder: makes the owner-only folder around it (closing one
    // left open to others), then this copy's folder, which must be made by
    // this object: one that was there before is not trusted. Nothing is
    // entered through a link. Returns an error text naming the folder and the
    // reason, or empty.
    QString prepare(const PreviewFolder& folder);

    // Deletes the preview file and this copy's folder, but only one this
    // object made; false when there was nothing of ours to delete.
    bool remove(const PreviewFolder& folder);

private:
    QSet<QString> made_;
};

// The same for the folders of this run.
QString preparePreviewFolder(const PreviewFolder& folder);
bool removePreviewFolder(const PreviewFolder& folder);

// The file is "index.html" in the writer's letter case: Linux file names are
// case-sensitive.
QString previewFilePath(const QString& folder);

}  // namespace qm
