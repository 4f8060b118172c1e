#pragma once

#include "Form.h"
#include "Volumes.h"

class PanelController;

// Form1, the main window: page source, drive list and every command.
class MainWindow : public Form {
    Q_OBJECT
public:
    explicit MainWindow(const VolumeScanner& scanner = VolumeScanner());

    PanelController* panels() const { return panels_; }

protected:
    void load() override;
    void unload() override;

private:
    void connectCommands();
    void make();
    void refresh();
    void livePreview();

    VolumeScanner scanner_;
    PanelController* panels_ = nullptr;
};
