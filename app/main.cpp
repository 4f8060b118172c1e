#include <QApplication>
#include <QIcon>

#include "MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Desktops take larger pictures from the installed icon theme; decoding
    // the 256-pixel one here would only delay the first window.
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/icons/quillmere-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillmere.Quillmere"));

    auto* mainWindow = new MainWindow;
    mainWindow->showForm();
    return app.exec();
}
