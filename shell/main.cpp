#include <QApplication>
#include <QIcon>

#include "preview/BrowserFactory.h"
#include "shell/MainWindow.h"
#include "shell/StartupReads.h"

int main(int argc, char** argv) {
    Q_INIT_RESOURCE(window_icon);
    qm::StartupReads reads;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillmere.Quillmere"));
    // Desktops take larger pictures from the installed icon theme.
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/icons/quillmere-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    auto* mainWindow = new qm::MainWindow(reads.take());
    qm::prepareBrowserAfterFirstInput(mainWindow);
    mainWindow->showForm();
    return app.exec();
}
