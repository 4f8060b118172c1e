// The floor for any window that shows a text field when it appears: unlike a
// label, a field lays out its text as it is made, so the font set-up and the
// style come before the window is mapped.
#include <QApplication>
#include <QPlainTextEdit>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quillmere"));
    window.setFixedSize(544, 336);
    auto* field = new QPlainTextEdit(&window);
    field->setGeometry(8, 40, 310, 240);
    window.show();
    return app.exec();
}
