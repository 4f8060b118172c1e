#pragma once

#include <QString>

#include "preview/PreviewLocation.h"

// "Live Preview": writes the preview file and shows the preview window.
namespace qm {

// Writes the page source to the preview file and shows the preview window
// (created and navigated once; an open one is only shown again). A failure
// is reported in a message box instead of showing an older page.
void livePreview(const QString& pageSource);

// The same with the preview file in the given folder.
void livePreviewIn(const PreviewFolder& folder, const QString& pageSource);

// Deletes the preview file and this copy's folder (the main window's unload step).
void deletePreviewFile();

}  // namespace qm
