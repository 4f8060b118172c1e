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
    friend bool operator==(const PanelStep&, const PanelStep&) = default;
};

// Outer widths of the main window, frame included.
inline constexpr int kExpandedWidthTwips = 8250;
inline constexpr int kCollapsedWidthTwips = 5055;
// The design frame: 45 twips on each side of the client area.
inline constexpr int kDesignFrameTwips = 90;

inline const QString kDefaultHyperlinkText = QStringLiteral("Google!");
inline const QString kDefaultHyperlinkAddress = QStringLiteral("http://www.google.com/");
inline const QString kDefaultBackgroundColour = QStringLiteral("#FF0000");
inline const QString kDefaultBackgroundImage = QStringLiteral("Background.jpg");

// The state after a command.
PanelState applyCommand(PanelState state, PanelCommand command);

// A command's steps, in order.
std::vector<PanelStep> commandSteps(PanelCommand command);

// The button whose click runs the command; empty for AddColour and AddBGImage,
// whose buttons belong to the composition commands.
QString commandButton(PanelCommand command);

