// Follows the real mounts with the live drive list and prints what it shows
// after each change: "chosen PATH", "gone PATH" or "none". Ends with status 0
// once EXPECTED has been chosen and then shown as gone, printing how many
// changes were reported ("changes N"); 1 after 20 seconds.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "services/MountWatcher.h"
#include "services/PathBytes.h"
#include "windows/DriveList.h"
#include "windows/LiveDrives.h"
#include "windows/Messages.h"

using namespace qm;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    const QString expected = qm::pathFromBytes(argv[1]);
    qm::setMessageSink([](const qm::Message& m) { std::printf("message: %s\n", qPrintable(m.text)); });
    DriveList drives;
    const VolumeScanner scanner;
    MountSnapshot mounts = takeMountSnapshot(scanner);
    const bool watching = mounts.table.isOpen();
    drives.setScanner(scanner, mounts.volumes);
    LiveDrives live(&drives, std::move(mounts.table));
    // A watcher of its own: the list has taken the change once its event is done.
    MountWatcher changes(WatchedMountTable(scanner.mountTablePath()));
    bool chosen = false;
    int count = 0;
    QObject::connect(&changes, &MountWatcher::changed, &app, [&] {
        QTimer::singleShot(0, &app, [&] {
            ++count;
            const QByteArray drive = qm::pathToBytes(drives.drive());
            const char* state = drive.isEmpty() ? "none" : drives.chosenDriveIsGone() ? "gone" : "chosen";
            std::printf("%s %s\n", state, drive.constData());
            std::fflush(stdout);
            if (drives.drive() != expected) return;
            if (!drives.chosenDriveIsGone()) chosen = true;
            else if (chosen) {
                std::printf("changes %d\n", count);
                app.exit(0);
            }
        });
    });
    QTimer::singleShot(20000, &app, [&] { app.exit(1); });  // only guards against a hang
    std::printf("watching %s\n", watching ? "yes" : "no");
    std::fflush(stdout);
    return app.exec();
}
