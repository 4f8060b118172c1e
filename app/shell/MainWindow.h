#pragma once

#include "Form.h"

// Form1, the main window: page source, drive list and every command.
class MainWindow : public Form {
    Q_OBJECT
public:
    MainWindow();

protected:
    void load() override;
    void unload() override;
};
