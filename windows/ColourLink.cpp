#include "windows/ColourLink.h"

#include <QProcess>

#include "windows/Messages.h"

namespace qm {

namespace {

void showAddressToOpenByHand(const QString& reason) {
    qm::showMessage({QStringLiteral("No web browser could be started to show the colour codes. "
                                    "Open this address in your browser by hand:\n\n%1\n\n%2")
                         .arg(kColourCodePage.toString(), reason),
                     QStringLiteral("Colours"), qm::MessageIcon::Exclamation});
}

// xdg-open's own exit statuses.
QString openerFailure(int exitCode) {
    switch (exitCode) {
    case 3: return QStringLiteral("xdg-open found no program that opens web addresses.");
    case 4: return QStringLiteral("The program xdg-open chose could not open the address.");
    default: return QStringLiteral("xdg-open ended with status %1.").arg(exitCode);
    }
}

}  // namespace

// Not QDesktopServices::openUrl: it reports success as soon as xdg-open has
// started, even when xdg-open then finds no browser.
void openColourCodePage() {
    // No parent: a browser that xdg-open runs in the foreground would be
    // killed with the process object when the program ends.
    auto* opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({kColourCodePage.toString()});
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(
        opener, &QProcess::finished, opener, [opener](int exitCode, QProcess::ExitStatus status) {
            opener->deleteLater();
            if (status == QProcess::CrashExit)
                showAddressToOpenByHand(QStringLiteral("xdg-open stopped unexpectedly."));
            else if (exitCode != 0)
                showAddressToOpenByHand(openerFailure(exitCode));
        });
    QObject::connect(
        opener, &QProcess::errorOccurred, opener, [opener](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart) return;
            opener->deleteLater();
            showAddressToOpenByHand(
                QStringLiteral("xdg-open could not be started: %1.").arg(opener->errorString()));
        });
    opener->start();
}

}  // namespace qm
