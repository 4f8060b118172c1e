#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QTimer>
#include <chrono>
#include <malloc.h>

#include "preview/BrowserFactory.h"
#include "shell/MainWindow.h"
#include "shell/StartupReads.h"

namespace {

// Desktops take larger pictures from the installed icon theme. The small ones
// are stored as plain RGBA bytes: decoding PNG would bring the PNG library's
// code into memory for four small pictures.
void setWindowIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        const QByteArray pixels = QResource(QStringLiteral(":/icons/quillmere-%1.rgba").arg(size)).uncompressedData();
        if (pixels.size() != size * size * 4) continue;
        const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size, QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    QApplication::setWindowIcon(icon);
}

// Building the window and reading the font configuration leave freed memory
// behind that the program would keep for good otherwise. Returned a moment
// later: the window's activation follows its first paint and repaints the
// control that takes the focus, and the trim would hold that repaint back.
void returnStartUpMemoryLater() {
    QTimer::singleShot(std::chrono::milliseconds(250), [] { malloc_trim(0); });
}

// Runs a job once the window has painted for the first time, so that the
// window appears complete first and takes the job's result a moment later.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, void (*job)()) : QObject(window), job_(job) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            parent()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                job_();
                deleteLater();
            });
        }
        return false;
    }

private:
    void (*job_)();
};

}  // namespace

int main(int argc, char** argv) {
    qm::StartupReads reads;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillmere.Quillmere"));

    auto* mainWindow = new qm::MainWindow(reads.takeMainWindowSources());
    new AfterFirstPaint(mainWindow, [] {
        setWindowIcon();
        returnStartUpMemoryLater();
    });
    qm::prepareBrowserAfterFirstInput(mainWindow);
    mainWindow->showForm();
    return app.exec();
}
