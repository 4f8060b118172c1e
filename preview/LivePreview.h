#pragma once

#include <QString>

// "Live Preview": writes the preview file and shows the preview window.
namespace preview {

// Writes the page source to the preview file and shows the preview window
// (created and navigated once; an open one is only shown again).
void livePreview(const QString& pageSource);

// Deletes the preview file (the main window's unload step).
void deletePreviewFile();

}  // namespace preview
