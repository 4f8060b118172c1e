#pragma once

#include "Form.h"
#include "MainWindowUi.h"
#include "Volumes.h"

// Form1, the main window: page source, drive list and every command.
class MainWindow : public Form {
    Q_OBJECT
public:
    explicit MainWindow(const VolumeScanner& scanner = VolumeScanner());

    const qm::MainWindowUi& ui() const { return ui_; }

protected:
    void load() override;
    void unload() override;

private:
    void make();
    void refresh();
    void livePreview();

    VolumeScanner scanner_;
    qm::MainWindowUi ui_;
};
