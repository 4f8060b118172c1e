#include "LivePreview.h"

namespace preview {

void livePreview(const QString&) {}

void deletePreviewFile() {}

}  // namespace preview
