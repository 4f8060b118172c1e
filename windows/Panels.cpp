#include "windows/Panels.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <algorithm>

#include "windows/Form.h"
#include "windows/MainWindowUi.h"
#include "windows/Twips.h"
#include "xpbutton/ccXPButton.h"

namespace qm {

namespace {

// Outer widths of the main window, frame included.
constexpr int kUnfoldedWidthTwips = 8250;
constexpr int kFoldedWidthTwips = 5055;
// The design frame: 45 twips on each side of the client area.
constexpr int kDesignFrameTwips = 90;

// Replaces the text as one edit, so that Ctrl+Z brings back what the user
// had typed; setText and setPlainText would drop the undo history.
void resetText(QLineEdit* field, const QString& text) {
    if (field->text() == text) return;
    field->selectAll();
    field->insert(text);
}

void resetText(QPlainTextEdit* field, const QString& text) {
    if (field->toPlainText() == text) return;
    QTextCursor all(field->document());
    all.select(QTextCursor::Document);
    all.insertText(text);
}

// The window manager draws its own frame: keep the client area the design
// frame leaves, so the left half is never cut.
void setOuterWidth(MainWindowUi& ui, int twips) {
    ui.window->setFixedSize(twipsToPixels(twips - kDesignFrameTwips), ui.window->height());
}

// An open panel covers the commands column, and a folded window cuts it off:
// what the user cannot see must not take the focus by Tab.
void keepCoveredControlsOutOfTabOrder(MainWindowUi& ui) {
    const QRect client = ui.window->rect();
    QList<QRect> panels;
    for (QGroupBox* panel : {ui.hyperlinkPanel, ui.backgroundPanel, ui.textPanel})
        if (!panel->isHidden()) panels << panel->geometry();
    static const char* const savedPolicy = "quillmereFocusPolicy";
    for (QWidget* child : ui.window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place = child->geometry();
        const bool covered =
            !client.contains(place) ||
            std::any_of(panels.begin(), panels.end(), [&](const QRect& p) { return p.contains(place); });
        const QVariant saved = child->property(savedPolicy);
        if (covered && child->focusPolicy() != Qt::NoFocus) {
            child->setProperty(savedPolicy, int(child->focusPolicy()));
            child->setFocusPolicy(Qt::NoFocus);
        } else if (!covered && saved.isValid()) {
            child->setFocusPolicy(Qt::FocusPolicy(saved.toInt()));
            child->setProperty(savedPolicy, QVariant());
        }
    }
}

QGroupBox* openPanel(const MainWindowUi& ui) {
    for (QGroupBox* panel : {ui.hyperlinkPanel, ui.backgroundPanel, ui.textPanel})
        if (!panel->isHidden()) return panel;
    return nullptr;
}

bool takesFocus(const QWidget* w) {
    return w && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

bool isField(QWidget* w) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) return !line->isReadOnly();
    if (auto* box = qobject_cast<QPlainTextEdit*>(w)) return !box->isReadOnly();
    return false;
}

// The first field of the panel in Tab order that can be typed in.
QWidget* firstField(const MainWindowUi& ui, QGroupBox* panel) {
    if (!panel) return nullptr;
    for (QWidget* w = ui.window->nextInFocusChain(); w != ui.window; w = w->nextInFocusChain())
        if (panel->isAncestorOf(w) && isField(w) && takesFocus(w)) return w;
    return nullptr;
}

ccXPButton* openerOf(const MainWindowUi& ui, const QGroupBox* panel) {
    if (panel == ui.textPanel) return ui.textPanelButton;
    if (panel == ui.hyperlinkPanel) return ui.hyperlinkPanelButton;
    if (panel == ui.backgroundPanel) return ui.backgroundPanelButton;
    return nullptr;
}

// Where the keyboard was before a command.
struct Before {
    QPointer<QWidget> focused;
    QGroupBox* panel = nullptr;
};

Before before(const MainWindowUi& ui) {
    return {ui.window->focusWidget(), openPanel(ui)};
}

// A command that covers or hides the focused control would leave the keyboard
// on something no one can see (a covered button still presses with Space), or
// let the toolkit send it to the first control of the window. It goes into the
// panel that opened, back to the button that opened the panel that closed, or
// to the other half of the fold pair.
void settle(MainWindowUi& ui, const Before& was) {
    keepCoveredControlsOutOfTabOrder(ui);
    QWidget* focused = was.focused;
    if (!focused || takesFocus(focused)) return;
    QWidget* partner = focused == ui.foldButton     ? ui.unfoldButton
                       : focused == ui.unfoldButton ? ui.foldButton
                                                    : nullptr;
    for (QWidget* next :
         {firstField(ui, openPanel(ui)), static_cast<QWidget*>(openerOf(ui, was.panel)), partner}) {
        if (takesFocus(next)) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void setImageMode(MainWindowUi& ui, bool imageMode) {
    for (QWidget* w : std::initializer_list<QWidget*>{ui.imageNameLabel, ui.imageName, ui.addImageButton,
                                                      ui.imageHelp, ui.colourModeButton})
        w->setVisible(imageMode);
    for (QWidget* w : std::initializer_list<QWidget*>{ui.imageModeButton, ui.addColourButton,
                                                      ui.backgroundColoursButton, ui.colourCode,
                                                      ui.colourCodeLabel, ui.colourHelp})
        w->setVisible(!imageMode);
}

}  // namespace

void openTextPanel(MainWindowUi& ui) {
    const Before was = before(ui);
    ui.backgroundPanel->hide();
    ui.hyperlinkPanel->hide();
    ui.textPanel->show();
    settle(ui, was);
}

void openHyperlinkPanel(MainWindowUi& ui) {
    const Before was = before(ui);
    ui.hyperlinkPanel->show();
    ui.backgroundPanel->hide();
    ui.textPanel->hide();
    settle(ui, was);
}

void openBackgroundPanel(MainWindowUi& ui) {
    const Before was = before(ui);
    ui.backgroundPanel->show();
    ui.hyperlinkPanel->hide();
    ui.textPanel->hide();
    settle(ui, was);
}

void hideTextPanel(MainWindowUi& ui) {
    const Before was = before(ui);
    ui.textPanel->hide();
    resetText(ui.panelText, QString());
    settle(ui, was);
}

void hideHyperlinkPanel(MainWindowUi& ui) {
    const Before was = before(ui);
    ui.hyperlinkPanel->hide();
    resetText(ui.linkText, ui.defaultLinkText);
    resetText(ui.linkAddress, ui.defaultLinkAddress);
    settle(ui, was);
}

void hideBackgroundPanel(MainWindowUi& ui) {
    const Before was = before(ui);
    ui.backgroundPanel->hide();
    resetText(ui.colourCode, ui.defaultColourCode);
    resetText(ui.imageName, ui.defaultImageName);
    settle(ui, was);
}

void showBackgroundColourMode(MainWindowUi& ui) {
    const Before was = before(ui);
    setImageMode(ui, false);
    settle(ui, was);
}

void showBackgroundImageMode(MainWindowUi& ui) {
    const Before was = before(ui);
    setImageMode(ui, true);
    settle(ui, was);
}

void closeBackgroundPanelAfterImage(MainWindowUi& ui) {
    const Before was = before(ui);
    ui.backgroundPanel->hide();
    settle(ui, was);
}

void closeBackgroundPanelAfterColour(MainWindowUi& ui) {
    const Before was = before(ui);
    setImageMode(ui, true);
    ui.backgroundPanel->hide();
    settle(ui, was);
}

void foldWindow(MainWindowUi& ui) {
    const Before was = before(ui);
    setOuterWidth(ui, kFoldedWidthTwips);
    ui.unfoldButton->show();
    ui.foldButton->hide();
    ui.hyperlinkPanel->hide();
    ui.backgroundPanel->hide();
    ui.textPanel->hide();
    settle(ui, was);
}

void unfoldWindow(MainWindowUi& ui) {
    const Before was = before(ui);
    setOuterWidth(ui, kUnfoldedWidthTwips);
    ui.unfoldButton->hide();
    ui.foldButton->show();
    settle(ui, was);
}

void connectPanelCommands(MainWindowUi& ui) {
    onClicked(ui, ui.textPanelButton, openTextPanel);
    onClicked(ui, ui.hyperlinkPanelButton, openHyperlinkPanel);
    onClicked(ui, ui.backgroundPanelButton, openBackgroundPanel);
    onClicked(ui, ui.hideTextPanelButton, hideTextPanel);
    onClicked(ui, ui.hideHyperlinkPanelButton, hideHyperlinkPanel);
    onClicked(ui, ui.hideBackgroundPanelButton, hideBackgroundPanel);
    onClicked(ui, ui.colourModeButton, showBackgroundColourMode);
    onClicked(ui, ui.imageModeButton, showBackgroundImageMode);
    onClicked(ui, ui.foldButton, foldWindow);
    onClicked(ui, ui.unfoldButton, unfoldWindow);
    keepCoveredControlsOutOfTabOrder(ui);
}

}  // namespace qm
