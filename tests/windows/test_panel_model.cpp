// The panel commands against the state table of the main window, typed in by
// hand: which panel is open, the background panel's mode, folded or not.
#include <gtest/gtest.h>

#include <QHash>
#include <QLineEdit>
#include <QStringList>

#include "windows/Form.h"
#include "windows/MainWindowUi.h"
#include "windows/Panels.h"

using namespace qm;

namespace {

enum class P { None, Hyperlink, Background, Text };
enum class M { Image, Colour };

struct State {
    P panel = P::None;
    M mode = M::Image;
    bool folded = false;
    friend bool operator==(const State&, const State&) = default;
};

struct Command {
    const char* name;
    void (*run)(MainWindowUi&);
};

const Command kAllCommands[] = {
    {"cmdTEXT", openTextPanel},           {"AddBackground", openBackgroundPanel},
    {"AddHyperlink", openHyperlinkPanel}, {"Hide", hideBackgroundPanel},
    {"Hide2", hideHyperlinkPanel},        {"ccXPButton1", hideTextPanel},
    {"BGSwitch", showBackgroundColourMode}, {"BGSwitch2", showBackgroundImageMode},
    {"Collapse", foldWindow},             {"Expand", unfoldWindow},
    {"AddColour", closeBackgroundPanelAfterColour}, {"AddBGImage", closeBackgroundPanelAfterImage},
};

State closing(State s, P panel) {
    if (s.panel == panel) s.panel = P::None;
    return s;
}

State after(State s, const QString& command) {
    if (command == "cmdTEXT") s.panel = P::Text;
    if (command == "AddBackground") s.panel = P::Background;
    if (command == "AddHyperlink") s.panel = P::Hyperlink;
    if (command == "Hide2") return closing(s, P::Hyperlink);
    if (command == "Hide" || command == "AddBGImage") return closing(s, P::Background);
    if (command == "ccXPButton1") return closing(s, P::Text);
    if (command == "BGSwitch") s.mode = M::Colour;
    if (command == "BGSwitch2") s.mode = M::Image;
    if (command == "Collapse") s = {P::None, s.mode, true};
    if (command == "Expand") s.folded = false;
    if (command == "AddColour") return closing({s.panel, M::Image, s.folded}, P::Background);
    return s;
}

const QStringList kImageSet = {"Label7", "TxtBackground", "AddBGImage", "Text1", "BGSwitch"};
const QStringList kColourSet = {"Label8", "Text4", "AddColour", "Colours", "Text5", "BGSwitch2"};

QHash<QString, bool> visibilityOf(const State& s) {
    QHash<QString, bool> shown = {
        {"Frame1", s.panel == P::Hyperlink}, {"Frame2", s.panel == P::Background},
        {"Frame3", s.panel == P::Text},      {"Collapse", !s.folded},
        {"Expand", s.folded},
    };
    for (const QString& c : kImageSet) shown[c] = s.mode == M::Image;
    for (const QString& c : kColourSet) shown[c] = s.mode == M::Colour;
    return shown;
}

// The main window as built, with its controls bound; nothing shown.
struct PanelWindow {
    PanelWindow() : ui(MainWindowUi::bind(&window)) {}

    QHash<QString, bool> shown() const {
        QHash<QString, bool> result;
        for (const QString& name : visibilityOf({}).keys()) result[name] = !window.controls().widget(name)->isHidden();
        return result;
    }
    int widthTwips() const { return window.width() * 15 + 90; }

    void reach(const State& s) {
        if (s.folded) foldWindow(ui);
        if (s.mode == M::Colour) showBackgroundColourMode(ui);
        if (s.panel == P::Text) openTextPanel(ui);
        if (s.panel == P::Hyperlink) openHyperlinkPanel(ui);
        if (s.panel == P::Background) openBackgroundPanel(ui);
    }

    Form window{QStringLiteral(":/layouts/Form1.json")};
    MainWindowUi ui;
};

std::vector<State> allStates() {
    std::vector<State> states;
    for (P p : {P::None, P::Hyperlink, P::Background, P::Text})
        for (M m : {M::Image, M::Colour})
            for (bool folded : {false, true}) states.push_back({p, m, folded});
    return states;
}

TEST(PanelStates, TheWindowOpensWithEveryPanelClosedInImageMode) {
    PanelWindow w;
    EXPECT_EQ(w.shown(), visibilityOf({}));
}

TEST(PanelStates, EveryCommandFromEveryStateLeavesTheControlsAsTheTableSays) {
    for (const State& before : allStates()) {
        for (const Command& command : kAllCommands) {
            PanelWindow w;
            w.reach(before);
            ASSERT_EQ(w.shown(), visibilityOf(before));
            command.run(w.ui);
            const State expected = after(before, command.name);
            EXPECT_EQ(w.shown(), visibilityOf(expected)) << command.name;
            EXPECT_EQ(w.widthTwips(), expected.folded ? 5055 : 8250) << command.name;
        }
    }
}

TEST(PanelStates, NoSequenceOfCommandsShowsTwoPanels) {
    for (const Command& a : kAllCommands)
        for (const Command& b : kAllCommands) {
            PanelWindow w;
            for (const Command* command : {&a, &b, &a}) {
                command->run(w.ui);
                const QHash<QString, bool> shown = w.shown();
                ASSERT_LE(shown["Frame1"] + shown["Frame2"] + shown["Frame3"], 1) << a.name << " " << b.name;
            }
        }
}

TEST(PanelStates, HideButtonsPutTheirPanelFieldsBackAndNothingElseTouchesThem) {
    PanelWindow w;
    const QStringList fields = {"Text2", "Text3", "Text4", "TxtBackground"};
    for (const QString& field : fields) w.window.controls().get<QLineEdit>(field)->setText("typed");
    for (const Command& command : kAllCommands) {
        const QString name = command.name;
        if (name == "Hide" || name == "Hide2") continue;
        command.run(w.ui);
    }
    for (const QString& field : fields)
        EXPECT_EQ(w.window.controls().get<QLineEdit>(field)->text(), "typed") << field.toStdString();
    hideHyperlinkPanel(w.ui);
    hideBackgroundPanel(w.ui);
    EXPECT_EQ(w.ui.linkText->text(), "Google!");
    EXPECT_EQ(w.ui.linkAddress->text(), "http://www.google.com/");
    EXPECT_EQ(w.ui.colourCode->text(), "#FF0000");
    EXPECT_EQ(w.ui.imageName->text(), "Background.jpg");
}

}  // namespace
