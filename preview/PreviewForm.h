#pragma once

#include <QPointer>
#include <QUrl>

#include "preview/BrowserFactory.h"
#include "preview/PreviewSource.h"
#include "windows/Form.h"

namespace qm {

// Form2, "Live Preview": the browser area WB1 showing the page. It loads its
// address once, when it is created, and never reloads on its own.
class PreviewForm : public qm::Form {
    Q_OBJECT
public:
    PreviewForm(qm::CreateBrowser createBrowser, qm::PreviewSource* source, const QUrl& address);

    // The engine's view inside WB1; null before the load step.
    QWidget* browser() const { return browser_; }

protected:
    void load() override;

private:
    QWidget* browserArea_;  // WB1, a fixed-size placeholder
    qm::CreateBrowser createBrowser_;
    QPointer<qm::PreviewSource> source_;
    QUrl address_;
    QPointer<QWidget> browser_;
};

}  // namespace qm
