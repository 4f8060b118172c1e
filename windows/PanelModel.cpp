#include "PanelModel.h"

namespace {

using Kind = PanelStep::Kind;

PanelStep show(const char* control) { return {Kind::Show, QString::fromLatin1(control), {}, 0}; }
PanelStep hide(const char* control) { return {Kind::Hide, QString::fromLatin1(control), {}, 0}; }
PanelStep setText(const char* control, const QString& text) {
    return {Kind::SetText, QString::fromLatin1(control), text, 0};
}
PanelStep setWidth(int twips) { return {Kind::SetWidth, {}, {}, twips}; }

std::vector<PanelStep> toImageMode() {
    return {show("Label7"), show("TxtBackground"), show("AddBGImage"), show("Text1"), show("BGSwitch"),
            hide("BGSwitch2"), hide("AddColour"), hide("Colours"), hide("Text4"), hide("Label8"), hide("Text5")};
}

PanelState closing(PanelState state, OpenPanel panel) {
    if (state.openPanel == panel) state.openPanel = OpenPanel::None;
    return state;
}

}  // namespace

PanelState applyCommand(PanelState state, PanelCommand command) {
    switch (command) {
    case PanelCommand::cmdTEXT: state.openPanel = OpenPanel::Text; break;
    case PanelCommand::AddBackground: state.openPanel = OpenPanel::Background; break;
    case PanelCommand::AddHyperlink: state.openPanel = OpenPanel::Hyperlink; break;
    case PanelCommand::Hide2: return closing(state, OpenPanel::Hyperlink);
    case PanelCommand::Hide: return closing(state, OpenPanel::Background);
    case PanelCommand::ccXPButton1: return closing(state, OpenPanel::Text);
    case PanelCommand::BGSwitch: state.backgroundMode = BackgroundMode::Colour; break;
    case PanelCommand::BGSwitch2: state.backgroundMode = BackgroundMode::Image; break;
    case PanelCommand::Collapse:
        state.openPanel = OpenPanel::None;
        state.collapsed = true;
        break;
    case PanelCommand::Expand: state.collapsed = false; break;
    case PanelCommand::AddColour:
        state.backgroundMode = BackgroundMode::Image;
        return closing(state, OpenPanel::Background);
    case PanelCommand::AddBGImage: return closing(state, OpenPanel::Background);
    }
    return state;
}

std::vector<PanelStep> commandSteps(PanelCommand command) {
    switch (command) {
    case PanelCommand::cmdTEXT: return {hide("Frame2"), hide("Frame1"), show("Frame3")};
    case PanelCommand::AddBackground: return {show("Frame2"), hide("Frame1"), hide("Frame3")};
    case PanelCommand::AddHyperlink: return {show("Frame1"), hide("Frame2"), hide("Frame3")};
    case PanelCommand::Hide2:
        return {hide("Frame1"), setText("Text2", kDefaultHyperlinkText), setText("Text3", kDefaultHyperlinkAddress)};
    case PanelCommand::Hide:
        return {hide("Frame2"), setText("Text4", kDefaultBackgroundColour),
                setText("TxtBackground", kDefaultBackgroundImage)};
    case PanelCommand::ccXPButton1: return {hide("Frame3"), setText("Text7", QString())};
    case PanelCommand::BGSwitch:
        return {hide("Label7"), hide("TxtBackground"), hide("AddBGImage"), hide("Text1"), hide("BGSwitch"),
                show("BGSwitch2"), show("AddColour"), show("Colours"), show("Text4"), show("Label8"), show("Text5")};
    case PanelCommand::BGSwitch2: return toImageMode();
    case PanelCommand::Collapse:
        return {setWidth(kCollapsedWidthTwips), show("Expand"), hide("Collapse"),
                hide("Frame1"), hide("Frame2"), hide("Frame3")};
    case PanelCommand::Expand: return {setWidth(kExpandedWidthTwips), hide("Expand"), show("Collapse")};
    case PanelCommand::AddColour: {
        std::vector<PanelStep> steps = toImageMode();
        steps.push_back(hide("Frame2"));
        return steps;
    }
    case PanelCommand::AddBGImage: return {hide("Frame2")};
    }
    return {};
}

QString commandButton(PanelCommand command) {
    switch (command) {
    case PanelCommand::cmdTEXT: return QStringLiteral("cmdTEXT");
    case PanelCommand::AddBackground: return QStringLiteral("AddBackground");
    case PanelCommand::AddHyperlink: return QStringLiteral("AddHyperlink");
    case PanelCommand::Hide: return QStringLiteral("Hide");
    case PanelCommand::Hide2: return QStringLiteral("Hide2");
    case PanelCommand::ccXPButton1: return QStringLiteral("ccXPButton1");
    case PanelCommand::BGSwitch: return QStringLiteral("BGSwitch");
    case PanelCommand::BGSwitch2: return QStringLiteral("BGSwitch2");
    case PanelCommand::Collapse: return QStringLiteral("Collapse");
    case PanelCommand::Expand: return QStringLiteral("Expand");
    case PanelCommand::AddColour:
    case PanelCommand::AddBGImage: return {};
    }
    return {};
}
