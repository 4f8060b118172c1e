#include "preview/PreviewForm.h"

#include <QVBoxLayout>

#include "windows/ControlBinder.h"

namespace qm {

PreviewForm::PreviewForm(qm::CreateBrowser createBrowser, qm::PreviewSource* source, const QUrl& address)
    : qm::Form(QStringLiteral(":/layouts/Form2.json")),
      browserArea_(qm::ControlBinder(controls(), objectName()).bind<QWidget>("WB1")),
      createBrowser_(createBrowser),
      source_(source),
      address_(address) {}

void PreviewForm::load() {
    // WB1 is a fixed-size placeholder; the view fills it exactly.
    auto* fill = new QVBoxLayout(browserArea_);
    fill->setContentsMargins(0, 0, 0, 0);
    browser_ = createBrowser_(browserArea_, source_);
    fill->addWidget(browser_);
    // Starts loading and returns at once.
    browser_->setProperty("url", address_);
}

}  // namespace qm
