#include "shell/MainWindow.h"

#include <QPlainTextEdit>
#include <utility>

#include "compose/ComposeCommands.h"
#include "compose/PageSource.h"
#include "compose/PictureDrops.h"
#include "preview/LivePreview.h"
#include "preview/PreviewLocation.h"
#include "services/Detection.h"
#include "services/MakePage.h"
#include "services/PageWriter.h"
#include "services/StickPictures.h"
#include "services/Toolkit.h"
#include "windows/AboutForm.h"
#include "windows/ColourLink.h"
#include "windows/DriveList.h"
#include "windows/FormBuilder.h"
#include "windows/LiveDrives.h"
#include "windows/Messages.h"
#include "windows/Panels.h"
#include "xpbutton/ccXPButton.h"

namespace qm {

MainWindowReads readMainWindow(const VolumeScanner& scanner) {
    return {scanner, loadLayout(QStringLiteral(":/layouts/Form1.json")), takeMountSnapshot(scanner)};
}

MainWindow::MainWindow(const VolumeScanner& scanner) : MainWindow(readMainWindow(scanner)) {}

MainWindow::MainWindow(MainWindowReads reads)
    : Form(reads.layout),
      scanner_(std::move(reads.scanner)),
      mountsAtStart_(std::move(reads.mounts)),
      ui_(MainWindowUi::bind(this)),
      preview_(new LivePreview(scanner_, defaultPreviewFolder(), this)) {
    connect(ui_.makeButton, &ccXPButton::clicked, this, &MainWindow::make);
    connect(ui_.refreshButton, &ccXPButton::clicked, this, &MainWindow::refresh);
    connect(ui_.previewButton, &ccXPButton::clicked, this, &MainWindow::livePreview);
    connect(ui_.aboutButton, &ccXPButton::clicked, this, [] { showAbout(); });
    connect(ui_.textColoursButton, &ccXPButton::clicked, this, &openColourCodePage);
    connect(ui_.backgroundColoursButton, &ccXPButton::clicked, this, &openColourCodePage);
    connectPanelCommands(ui_);
    connectComposeCommands(ui_);
    connectPictureDrops(ui_, [this](const QString& picturePath, PictureUse use) {
        return copyPictureToStick(scanner_, ui_.drives->drive(), picturePath, use);
    });
}

// Reading the volumes walks the system's device folders: once serves both.
void MainWindow::load() {
    MountSnapshot mounts = std::move(mountsAtStart_);
    ui_.drives->setScanner(scanner_, mounts.volumes);
    chooseDetectedDrive(mounts.volumes);
    new LiveDrives(ui_.drives, std::move(mounts.table), this);
}

void MainWindow::unload() { preview_->deletePreviewFile(); }

void MainWindow::make() {
    const QString drive = ui_.drives->drive();
    if (drive.isEmpty()) {
        qm::showMessage({QStringLiteral("No drive is chosen. Pick the PSP's memory stick in the "
                                        "drive list, then press Make again."),
                         QStringLiteral("Error"), qm::MessageIcon::Exclamation});
        return;
    }
    const qm::WriteResult result = qm::makePage(scanner_, drive, pageSource(ui_.page));
    if (result.ok)
        qm::showMessage({QStringLiteral("Index.html created successfully") + qm::replacedCharactersNote(result.replaced),
                         QStringLiteral("Completed"), qm::MessageIcon::None});
    else
        qm::showMessage({result.error, QStringLiteral("Error"), qm::MessageIcon::Exclamation});
}

void MainWindow::refresh() {
    const std::vector<Volume> volumes = scanner_.volumes();
    ui_.drives->showVolumes(volumes);
    chooseDetectedDrive(volumes);
}

void MainWindow::chooseDetectedDrive(const std::vector<Volume>& volumes) {
    const DetectedDrive detected = qm::detectDrive(volumes);
    if (!detected.isStick) {
        qm::showMessage({QStringLiteral("PSP not Detected."), QStringLiteral("Error"),
                         qm::MessageIcon::Exclamation});
        qm::processPendingEvents();
    }
    ui_.drives->setDrive(detected.drive);  // refused when empty: keeps its drive
}

void MainWindow::livePreview() { preview_->show(pageSource(ui_.page), ui_.drives->drive()); }

}  // namespace qm
