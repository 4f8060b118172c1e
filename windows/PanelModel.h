#pragma once

#include <QString>
#include <vector>

enum class OpenPanel { None, Hyperlink, Background, Text };
enum class BackgroundMode { Image, Colour };

struct PanelState {
    OpenPanel openPanel = OpenPanel::None;
    BackgroundMode backgroundMode = BackgroundMode::Image;
    bool collapsed = false;
    friend bool operator==(const PanelState&, const PanelState&) = default;
};

enum class PanelCommand {
    cmdTEXT, AddBackground, AddHyperlink, Hide, Hide2, ccXPButton1,
    BGSwitch, BGSwitch2, Collapse, Expand, AddColour, AddBGImage
};

// One step of a command on the window: show or hide a control, set a text
// box's text, or set the main window's outer width in twips.
struct PanelStep {
    enum class Kind { Show, Hide, SetText, SetWidth } kind;
    QString control;
    QString text;
    int twips = 0;
};

// The state after a command.
PanelState applyCommand(PanelState state, PanelCommand command);

// A command's steps, in order.
std::vector<PanelStep> commandSteps(PanelCommand command);
