#pragma once

#include <QPointer>
#include <QUrl>

#include "preview/BrowserFactory.h"
#include "windows/Form.h"

// Form2, "Live Preview": the browser area WB1 showing the preview file. It
// loads its address once, when it is created, and never reloads on its own.
class PreviewForm : public qm::Form {
    Q_OBJECT
public:
    PreviewForm(preview::CreateBrowser createBrowser, const QUrl& address);

    // The engine's view inside WB1; null before the load step.
    QWidget* browser() const { return browser_; }

protected:
    void load() override;

private:
    QWidget* browserArea_;  // WB1, a fixed-size placeholder
    preview::CreateBrowser createBrowser_;
    QUrl address_;
    QPointer<QWidget> browser_;
};
