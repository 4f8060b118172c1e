#pragma once

#include "services/Volumes.h"
#include "windows/Form.h"
#include "windows/MainWindowUi.h"

namespace qm {

// Form1, the main window: page source, drive list and every command.
class MainWindow : public Form {
    Q_OBJECT
public:
    explicit MainWindow(const VolumeScanner& scanner = VolumeScanner());

    const MainWindowUi& ui() const { return ui_; }

protected:
    void load() override;
    void unload() override;

private:
    void make();
    void refresh();
    void livePreview();

    VolumeScanner scanner_;
    MainWindowUi ui_;
};

}  // namespace qm
