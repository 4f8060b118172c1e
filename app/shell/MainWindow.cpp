#include "MainWindow.h"

#include <QPlainTextEdit>

#include "AboutForm.h"
#include "ColourLink.h"
#include "ComposeCommands.h"
#include "Detection.h"
#include "DriveList.h"
#include "LiveDrives.h"
#include "LivePreview.h"
#include "MakePage.h"
#include "Messages.h"
#include "PageSource.h"
#include "PageWriter.h"
#include "PanelCommands.h"
#include "ccXPButton.h"

MainWindow::MainWindow(const VolumeScanner& scanner)
    : Form(QStringLiteral(":/layouts/Form1.json")),
      scanner_(scanner),
      panels_(new PanelController(this)) {
    connectCommands();
}

void MainWindow::connectCommands() {
    const auto on = [this](const char* button, void (MainWindow::*handler)()) {
        if (auto* b = controls().get<ccXPButton>(QLatin1String(button)))
            connect(b, &ccXPButton::Click, this, handler);
    };
    on("Make", &MainWindow::make);
    on("Refresh", &MainWindow::refresh);
    on("LivePreview", &MainWindow::livePreview);
    panels_->connectButtons();
    connectComposeCommands(this, panels_);
    connectColourLinks(controls());
    connectAbout(controls());
}

void MainWindow::load() {
    panels_->applyInitialState();
    if (auto* drives = controls().get<DriveList>(QStringLiteral("Drive1"))) {
        drives->setScanner(scanner_);
        Module1::DetectDrive(scanner_);
        drives->setDrive(Module1::DetectedDrive());  // refused when empty: keeps its drive
        new LiveDrives(drives, this);
    }
}

void MainWindow::unload() { preview::deletePreviewFile(); }

void MainWindow::make() {
    auto* drives = controls().get<DriveList>(QStringLiteral("Drive1"));
    auto* source = controls().get<QPlainTextEdit>(QStringLiteral("TxtInput"));
    if (!drives || !source) return;
    const QString drive = drives->drive();
    if (drive.isEmpty()) {
        qm::showMessage({QStringLiteral("No drive is chosen. Pick the PSP's memory stick in the "
                                        "drive list, then press Make again."),
                         QStringLiteral("Error"), qm::MessageIcon::Exclamation});
        return;
    }
    const qm::WriteResult result = qm::makePage(scanner_, drive, pageSource(source));
    if (result.ok)
        qm::showMessage({QStringLiteral("Index.html created successfully") + qm::replacedCharactersNote(result.replaced),
                         QStringLiteral("Completed"), qm::MessageIcon::None});
    else
        qm::showMessage({result.error, QStringLiteral("Error"), qm::MessageIcon::Exclamation});
}

void MainWindow::refresh() {
    auto* drives = controls().get<DriveList>(QStringLiteral("Drive1"));
    if (!drives) return;
    drives->refresh();
    Module1::DetectDrive(scanner_);
    drives->setDrive(Module1::DetectedDrive());
}

void MainWindow::livePreview() {
    if (auto* source = controls().get<QPlainTextEdit>(QStringLiteral("TxtInput")))
        preview::livePreview(pageSource(source));
}
