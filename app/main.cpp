#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "FontWarmUp.h"
#include "MainWindow.h"

namespace {

// Desktops take larger pictures from the installed icon theme; decoding the
// 256-pixel one here would only cost time.
void setWindowIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/icons/quillmere-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
}

}  // namespace

int main(int argc, char** argv) {
    FontWarmUp fonts;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillmere.Quillmere"));
    // Reading the pictures loads every image plugin; the windows take their
    // icon a moment after they appear instead of appearing later.
    QTimer::singleShot(0, &app, setWindowIcon);

    auto* mainWindow = new qm::MainWindow;
    mainWindow->showForm();
    const int status = app.exec();
    fonts.finish();
    return status;
}
