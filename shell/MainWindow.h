#pragma once

#include "services/Volumes.h"
#include "windows/Form.h"
#include "windows/Layout.h"
#include "windows/LiveDrives.h"
#include "windows/MainWindowUi.h"

namespace qm {

class LivePreview;

// What the main window is made from that lies in files.
struct MainWindowReads {
    VolumeScanner scanner;
    WindowLayout layout;
    MountSnapshot mounts;
};

// Reading them takes a moment: the program does it on a helper thread while
// the toolkit starts.
MainWindowReads readMainWindow(const VolumeScanner& scanner = VolumeScanner());

// Form1, the main window: page source, drive list and every command.
class MainWindow : public Form {
    Q_OBJECT
public:
    explicit MainWindow(const VolumeScanner& scanner = VolumeScanner());
    explicit MainWindow(MainWindowReads reads);

    const MainWindowUi& ui() const { return ui_; }

protected:
    void load() override;
    void unload() override;

private:
    void make();
    void refresh();
    // Detection, with its message when no stick is found; the drive list
    // then shows what it found.
    void chooseDetectedDrive(const std::vector<Volume>& volumes);
    void livePreview();

    VolumeScanner scanner_;
    MountSnapshot mountsAtStart_;  // taken by the load step
    MainWindowUi ui_;
    LivePreview* preview_;
};

}  // namespace qm
