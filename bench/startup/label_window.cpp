// A fairer yardstick than the empty window: the same window showing one line
// of text, so it pays for the font set-up and glyphs that any real window does.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Quillmere"));
    window.setWindowTitle(QStringLiteral("Quillmere"));
    window.setFixedSize(544, 336);
    window.show();
    return app.exec();
}
