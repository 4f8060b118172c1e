#include <QApplication>

#include "preview/BrowserFactory.h"
#include "shell/MainWindow.h"
#include "shell/StartupReads.h"
#include "shell/WindowIcon.h"

int main(int argc, char** argv) {
    qm::StartupReads reads;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillmere.Quillmere"));
    QApplication::setWindowIcon(qm::windowIcon());

    auto* mainWindow = new qm::MainWindow(reads.take());
    qm::prepareBrowserAfterFirstInput(mainWindow);
    mainWindow->showForm();
    return app.exec();
}
