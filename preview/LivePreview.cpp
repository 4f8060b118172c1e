#include "preview/LivePreview.h"

#include "preview/BrowserFactory.h"
#include "preview/PreviewForm.h"
#include "services/PageWriter.h"
#include "windows/Messages.h"

namespace qm {
namespace {

void reportError(const QString& text) {
    qm::showMessage({text, QStringLiteral("Error"), qm::MessageIcon::Exclamation});
}

}  // namespace

LivePreview::LivePreview(VolumeScanner scanner, PreviewFolder folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), pages_(std::move(scanner)) {
    pages_.setPageFile(previewFilePath(folder_.path));
}

void LivePreview::show(const QString& pageSource, const QString& drive) {
    if (const QString error = preparePreviewFolder(folder_); !error.isEmpty()) return reportError(error);
    // The writer replaces the file whole, so no separate deletion first.
    const qm::WriteResult written = qm::writePageFile(previewFilePath(folder_.path), pageSource);
    if (!written.ok) return reportError(written.error);
    reportReplaced(written.replaced);
    pages_.setDrive(drive);
    QString error;
    const CreateBrowser createBrowser = browserFactory(&error);
    if (!createBrowser) return reportError(error);
    showSingle(window_, createBrowser, &pages_, previewPageAddress());
}

void LivePreview::deletePreviewFile() { removePreviewFolder(folder_); }

PreviewForm* LivePreview::window() const { return window_; }

// Says when characters became "?", but not again for every preview of the
// same page: only when the number changes.
void LivePreview::reportReplaced(qsizetype replaced) {
    if (replaced == lastReported_) return;
    lastReported_ = replaced;
    if (replaced > 0)
        qm::showMessage({QStringLiteral("The preview shows the page as Make writes it.") +
                             qm::replacedCharactersNote(replaced),
                         QStringLiteral("Live Preview"), qm::MessageIcon::Exclamation});
}

}  // namespace qm
