// The yardstick for start-up time: the least a Qt Widgets program does to put
// a window of the main window's size on the screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quillmere"));
    window.setFixedSize(544, 336);
    window.show();
    return app.exec();
}
