#pragma once

#include <QObject>

#include "PanelModel.h"

class Form;

// Binds the panel model to the main window: runs a command's steps on the
// controls in the order the model gives them.
class PanelController : public QObject {
    Q_OBJECT
public:
    explicit PanelController(Form* mainWindow);

    const PanelState& state() const { return state_; }

    // Runs one command (also the closing steps of AddColour and AddBGImage,
    // which the composition commands call after inserting their fragment).
    void run(PanelCommand command);

    // Hides the panels and the colour-mode controls (the load step's part).
    void applyInitialState();

    // Connects the panel buttons of the main window to run().
    void connectButtons();

private:
    void keepCoveredControlsOutOfTabOrder();

    Form* window_;
    PanelState state_;
};
