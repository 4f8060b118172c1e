// Takes the README's pictures: the main window with a small page composed with
// its own buttons, then the preview of that page.
//   quillmere_screenshots <output folder>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>
#include <cstdio>

#include "preview/PreviewForm.h"
#include "shell/MainWindow.h"
#include "windows/Messages.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

constexpr int kLoadTimeout = 30000;

bool write(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A memory stick in a USB reader, mounted at `stick`, as /proc and /sys show it.
bool fakeStick(const QString& root, const QString& stick) {
    const QString disk = root + "/sys/devices/usb1/block/sdb";
    return QDir().mkpath(root + "/proc/self") && QDir().mkpath(disk + "/sdb1") &&
           QDir().mkpath(root + "/sys/dev/block") &&
           write(root + "/proc/self/mountinfo",
                 "30 1 8:17 / " + QFile::encodeName(stick) + " rw - vfat /dev/sdb1 rw\n") &&
           write(disk + "/removable", "1\n") && write(disk + "/sdb1/partition", "1\n") &&
           QFile::link(disk + "/sdb1", root + "/sys/dev/block/8:17") &&
           write(stick + "/MEMSTICK.IND", "");
}

PreviewForm* openPreview() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<PreviewForm*>(w); form && form->isVisible()) return form;
    return nullptr;
}

// The engine paints after it reports the load; wait until the area is not blank.
bool painted(QWidget* area) {
    const QImage image = area->grab().toImage();
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            if (image.pixel(x, y) != first) return true;
    return false;
}

bool save(QWidget* window, const QString& path) {
    if (window->grab().save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    qm::setMessageSink([](const qm::Message& m) { std::fprintf(stderr, "message: %s\n", qPrintable(m.text)); });

    QTemporaryDir system(QDir::tempPath() + "/PSP-XXXXXX");
    const QString stick = system.path() + "/PSP";
    if (!system.isValid() || !QDir().mkpath(stick) || !fakeStick(system.path(), stick)) {
        std::fprintf(stderr, "cannot make the fake memory stick\n");
        return 1;
    }

    auto* window = new MainWindow(VolumeScanner(system.path() + "/proc", system.path() + "/sys"));
    window->showForm();
    QTest::qWait(200);

    const qm::MainWindowUi& ui = window->ui();
    const auto click = [](qm::ccXPButton* button) { emit button->clicked(); };
    click(ui.center.opening);
    click(ui.bold.opening);
    ui.page->insertPlainText(QStringLiteral("Welcome to my PSP home page!"));
    click(ui.bold.closing);
    click(ui.newLineButton);
    click(ui.italic.opening);
    ui.page->insertPlainText(QStringLiteral("Made with Quillmere"));
    click(ui.italic.closing);
    click(ui.center.closing);
    click(ui.newLineButton);
    click(ui.searchBarButton);
    ui.page->moveCursor(QTextCursor::Start);  // show the page from its top
    QTest::qWait(200);
    if (!save(window, out.filePath(QStringLiteral("main-window.png")))) return 1;

    click(ui.previewButton);
    PreviewForm* preview = openPreview();
    if (!preview || !preview->browser() ||
        !QTest::qWaitFor([preview] { return painted(preview->browser()); }, kLoadTimeout)) {
        std::fprintf(stderr, "the preview did not show the page\n");
        return 1;
    }
    QTest::qWait(500);  // the search bar's picture may arrive a moment later
    if (!save(preview, out.filePath(QStringLiteral("preview.png")))) return 1;

    preview->close();
    window->close();  // deletes the preview file
    return 0;
}
