// The yardstick for the first preview: a running Qt program whose button opens
// a bare 480 x 265 browser view on a page file, the ordinary way (the engine
// linked in). Closing the view and pressing again times a later preview.
//   bench_bare_view_button PAGE_FILE
#include <QApplication>
#include <QPushButton>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: bench_bare_view_button PAGE_FILE\n", stderr);
        return 2;
    }
    const QUrl page = QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1]));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare view"));
    window.setFixedSize(200, 60);
    window.move(0, 0);
    auto* button = new QPushButton(QStringLiteral("Live Preview"), &window);
    button->setGeometry(10, 10, 180, 40);
    QObject::connect(button, &QPushButton::clicked, [&page] {
        auto* view = new QWebEngineView;
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->setWindowTitle(QStringLiteral("Live Preview"));
        view->setFixedSize(480, 265);
        view->load(page);
        view->show();
    });
    window.show();
    return app.exec();
}
