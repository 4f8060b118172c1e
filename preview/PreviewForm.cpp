#include "PreviewForm.h"

#include <QVBoxLayout>

PreviewForm::PreviewForm(preview::CreateBrowser createBrowser, const QUrl& address)
    : Form(QStringLiteral(":/layouts/Form2.json")), createBrowser_(createBrowser), address_(address) {}

void PreviewForm::load() {
    // WB1 is a fixed-size placeholder; the view fills it exactly.
    QWidget* area = controls().widget(QStringLiteral("WB1"));
    auto* fill = new QVBoxLayout(area);
    fill->setContentsMargins(0, 0, 0, 0);
    browser_ = createBrowser_(area);
    fill->addWidget(browser_);
    // Starts loading and returns at once.
    browser_->setProperty("url", address_);
}
