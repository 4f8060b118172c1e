#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "preview/PreviewLocation.h"
#include "preview/StickPages.h"

namespace qm {

class PreviewForm;

// "Live Preview": writes the preview file and shows the preview window, which
// outlives this object. Its page's references are read from the drive chosen
// at the last press.
class LivePreview : public QObject {
public:
    explicit LivePreview(VolumeScanner scanner, PreviewFolder folder = defaultPreviewFolder(),
                         QObject* parent = nullptr);

    // Writes the page source to the preview file and shows the preview window
    // (created and navigated once; an open one is only shown again). A
    // failure is reported in a message box instead of showing an older page.
    void show(const QString& pageSource, const QString& drive);

    // Deletes the preview file and this copy's folder (the main window's unload step).
    void deletePreviewFile();

    // The open preview window, or null.
    PreviewForm* window() const;

private:
    void reportReplaced(qsizetype replaced);

    PreviewFolder folder_;
    StickPages pages_;
    QPointer<PreviewForm> window_;
    qsizetype lastReported_ = 0;
};

}  // namespace qm
