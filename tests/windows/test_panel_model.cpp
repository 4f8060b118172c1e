#include <gtest/gtest.h>

#include <QHash>
#include <QStringList>

#include "PanelModel.h"

namespace {

using Cmd = PanelCommand;
using P = OpenPanel;
using M = BackgroundMode;

const Cmd kAllCommands[] = {Cmd::cmdTEXT, Cmd::AddBackground, Cmd::AddHyperlink, Cmd::Hide,
                            Cmd::Hide2,   Cmd::ccXPButton1,   Cmd::BGSwitch,     Cmd::BGSwitch2,
                            Cmd::Collapse, Cmd::Expand,       Cmd::AddColour,    Cmd::AddBGImage};

const QStringList kImageSet = {"Label7", "TxtBackground", "AddBGImage", "Text1", "BGSwitch"};
const QStringList kColourSet = {"Label8", "Text4", "AddColour", "Colours", "Text5", "BGSwitch2"};

// The visibility table, typed in by hand.
QHash<QString, bool> visibilityOf(const PanelState& s) {
    QHash<QString, bool> shown = {
        {"Frame1", s.openPanel == P::Hyperlink},
        {"Frame2", s.openPanel == P::Background},
        {"Frame3", s.openPanel == P::Text},
        {"Collapse", !s.collapsed},
        {"Expand", s.collapsed},
    };
    for (const QString& c : kImageSet) shown[c] = s.backgroundMode == M::Image;
    for (const QString& c : kColourSet) shown[c] = s.backgroundMode == M::Colour;
    return shown;
}

// What a window without a display keeps: visibility flags, texts, width.
struct WindowRecord {
    QHash<QString, bool> shown;
    QHash<QString, QString> texts;
    int widthTwips = 8250;

    void run(Cmd command) {
        for (const PanelStep& step : commandSteps(command)) {
            switch (step.kind) {
            case PanelStep::Kind::Show: shown[step.control] = true; break;
            case PanelStep::Kind::Hide: shown[step.control] = false; break;
            case PanelStep::Kind::SetText: texts[step.control] = step.text; break;
            case PanelStep::Kind::SetWidth: widthTwips = step.twips; break;
            }
        }
    }
};

std::vector<PanelState> allStates() {
    std::vector<PanelState> states;
    for (P p : {P::None, P::Hyperlink, P::Background, P::Text})
        for (M m : {M::Image, M::Colour})
            for (bool collapsed : {false, true}) states.push_back({p, m, collapsed});
    return states;
}

TEST(PanelModel, EveryCommandFromEveryStateLeavesTheControlsAsTheStateSays) {
    for (const PanelState& before : allStates()) {
        for (Cmd command : kAllCommands) {
            WindowRecord window{visibilityOf(before), {}, before.collapsed ? 5055 : 8250};
            window.run(command);
            const PanelState after = applyCommand(before, command);
            EXPECT_EQ(window.shown, visibilityOf(after)) << "command " << int(command);
            EXPECT_EQ(window.widthTwips, after.collapsed ? 5055 : 8250) << "command " << int(command);
        }
    }
}

struct Transition {
    PanelState before;
    Cmd command;
    PanelState after;
};

TEST(PanelModel, TransitionsFollowTheStateTable) {
    const PanelState closed{P::None, M::Image, false};
    const PanelState text{P::Text, M::Colour, false};
    const PanelState background{P::Background, M::Colour, false};
    const PanelState hyperlink{P::Hyperlink, M::Image, false};
    const Transition table[] = {
        {closed, Cmd::cmdTEXT, {P::Text, M::Image, false}},
        {text, Cmd::AddBackground, {P::Background, M::Colour, false}},
        {text, Cmd::AddHyperlink, {P::Hyperlink, M::Colour, false}},
        {hyperlink, Cmd::Hide2, closed},
        {text, Cmd::Hide2, text},
        {background, Cmd::Hide, {P::None, M::Colour, false}},
        {hyperlink, Cmd::Hide, hyperlink},
        {text, Cmd::ccXPButton1, {P::None, M::Colour, false}},
        {background, Cmd::ccXPButton1, background},
        {{P::Background, M::Image, false}, Cmd::BGSwitch, {P::Background, M::Colour, false}},
        {background, Cmd::BGSwitch2, {P::Background, M::Image, false}},
        {hyperlink, Cmd::Collapse, {P::None, M::Image, true}},
        {{P::None, M::Colour, true}, Cmd::Expand, {P::None, M::Colour, false}},
        {background, Cmd::AddColour, {P::None, M::Image, false}},
        {text, Cmd::AddColour, {P::Text, M::Image, false}},
        {background, Cmd::AddBGImage, {P::None, M::Colour, false}},
    };
    for (const Transition& t : table)
        EXPECT_EQ(applyCommand(t.before, t.command), t.after) << "command " << int(t.command);
}

TEST(PanelModel, NoCommandShowsTwoFramesWhateverTheOrder) {
    // Every sequence of three commands from the start.
    for (Cmd a : kAllCommands)
        for (Cmd b : kAllCommands)
            for (Cmd c : kAllCommands) {
                WindowRecord window{visibilityOf(PanelState{}), {}, 8250};
                for (Cmd command : {a, b, c}) {
                    window.run(command);
                    const int frames = window.shown["Frame1"] + window.shown["Frame2"] + window.shown["Frame3"];
                    ASSERT_LE(frames, 1);
                }
            }
}

TEST(PanelModel, HideButtonsPutTheirPanelFieldsBack) {
    WindowRecord window;
    window.run(Cmd::Hide2);
    window.run(Cmd::Hide);
    window.run(Cmd::ccXPButton1);
    EXPECT_EQ(window.texts, (QHash<QString, QString>{{"Text2", "Google!"},
                                                     {"Text3", "http://www.google.com/"},
                                                     {"Text4", "#FF0000"},
                                                     {"TxtBackground", "Background.jpg"},
                                                     {"Text7", ""}}));
}

TEST(PanelModel, OpeningOrSwitchingNeverTouchesATextField) {
    for (Cmd command : {Cmd::cmdTEXT, Cmd::AddBackground, Cmd::AddHyperlink, Cmd::BGSwitch, Cmd::BGSwitch2,
                        Cmd::Collapse, Cmd::Expand, Cmd::AddColour, Cmd::AddBGImage}) {
        WindowRecord window;
        window.run(command);
        EXPECT_TRUE(window.texts.isEmpty()) << "command " << int(command);
    }
}

TEST(PanelModel, StepsRunInTheirTabledOrder) {
    using K = PanelStep::Kind;
    EXPECT_EQ(commandSteps(Cmd::Collapse),
              (std::vector<PanelStep>{{K::SetWidth, "", "", 5055}, {K::Show, "Expand", "", 0},
                                      {K::Hide, "Collapse", "", 0}, {K::Hide, "Frame1", "", 0},
                                      {K::Hide, "Frame2", "", 0}, {K::Hide, "Frame3", "", 0}}));
    EXPECT_EQ(commandSteps(Cmd::Expand),
              (std::vector<PanelStep>{{K::SetWidth, "", "", 8250}, {K::Hide, "Expand", "", 0},
                                      {K::Show, "Collapse", "", 0}}));
    EXPECT_EQ(commandSteps(Cmd::cmdTEXT),
              (std::vector<PanelStep>{{K::Hide, "Frame2", "", 0}, {K::Hide, "Frame1", "", 0},
                                      {K::Show, "Frame3", "", 0}}));
    EXPECT_EQ(commandSteps(Cmd::Hide2),
              (std::vector<PanelStep>{{K::Hide, "Frame1", "", 0}, {K::SetText, "Text2", "Google!", 0},
                                      {K::SetText, "Text3", "http://www.google.com/", 0}}));

    std::vector<PanelStep> addColour = commandSteps(Cmd::BGSwitch2);
    addColour.push_back({K::Hide, "Frame2", "", 0});
    EXPECT_EQ(commandSteps(Cmd::AddColour), addColour);
    EXPECT_EQ(commandSteps(Cmd::AddBGImage), (std::vector<PanelStep>{{K::Hide, "Frame2", "", 0}}));
}

}  // namespace
