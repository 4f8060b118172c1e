#include "preview/LivePreview.h"

#include <QPointer>

#include "preview/BrowserFactory.h"
#include "preview/PreviewForm.h"
#include "services/PageWriter.h"
#include "windows/Messages.h"

namespace qm {
namespace {

QPointer<PreviewForm>& openPreview() {
    static QPointer<PreviewForm> form;
    return form;
}

void reportError(const QString& text) {
    qm::showMessage({text, QStringLiteral("Error"), qm::MessageIcon::Exclamation});
}

// Says when characters became "?", but not again for every preview of the
// same page: only when the number changes.
void reportReplaced(qsizetype replaced) {
    static qsizetype lastReported = 0;
    if (replaced == lastReported) return;
    lastReported = replaced;
    if (replaced > 0)
        qm::showMessage({QStringLiteral("The preview shows the page as Make writes it.") +
                             qm::replacedCharactersNote(replaced),
                         QStringLiteral("Live Preview"), qm::MessageIcon::Exclamation});
}

}  // namespace

void livePreviewIn(const PreviewFolder& folder, const QString& pageSource) {
    if (const QString error = preparePreviewFolder(folder); !error.isEmpty()) return reportError(error);
    // The writer replaces the file whole, so no separate deletion first.
    const qm::WriteResult written = qm::writePageFile(previewFilePath(folder.path), pageSource);
    if (!written.ok) return reportError(written.error);
    reportReplaced(written.replaced);
    QString error;
    const CreateBrowser createBrowser = browserFactory(&error);
    if (!createBrowser) return reportError(error);
    showSingle(openPreview(), createBrowser, previewAddress(folder.path));
}

void livePreview(const QString& pageSource) { livePreviewIn(defaultPreviewFolder(), pageSource); }

void deletePreviewFile() { removePreviewFolder(defaultPreviewFolder()); }

}  // namespace qm
