#include "windows/Panels.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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
    ui.backgroundPanel->hide();
    ui.hyperlinkPanel->hide();
    ui.textPanel->show();
    keepCoveredControlsOutOfTabOrder(ui);
}

void openHyperlinkPanel(MainWindowUi& ui) {
    ui.hyperlinkPanel->show();
    ui.backgroundPanel->hide();
    ui.textPanel->hide();
    keepCoveredControlsOutOfTabOrder(ui);
}

void openBackgroundPanel(MainWindowUi& ui) {
    ui.backgroundPanel->show();
    ui.hyperlinkPanel->hide();
    ui.textPanel->hide();
    keepCoveredControlsOutOfTabOrder(ui);
}

void hideTextPanel(MainWindowUi& ui) {
    ui.textPanel->hide();
    resetText(ui.panelText, QString());
    keepCoveredControlsOutOfTabOrder(ui);
}

void hideHyperlinkPanel(MainWindowUi& ui) {
    ui.hyperlinkPanel->hide();
    resetText(ui.linkText, ui.defaultLinkText);
    resetText(ui.linkAddress, ui.defaultLinkAddress);
    keepCoveredControlsOutOfTabOrder(ui);
}

void hideBackgroundPanel(MainWindowUi& ui) {
    ui.backgroundPanel->hide();
    resetText(ui.colourCode, ui.defaultColourCode);
    resetText(ui.imageName, ui.defaultImageName);
    keepCoveredControlsOutOfTabOrder(ui);
}

void showBackgroundColourMode(MainWindowUi& ui) {
    setImageMode(ui, false);
    keepCoveredControlsOutOfTabOrder(ui);
}

void showBackgroundImageMode(MainWindowUi& ui) {
    setImageMode(ui, true);
    keepCoveredControlsOutOfTabOrder(ui);
}

void closeBackgroundPanelAfterImage(MainWindowUi& ui) {
    ui.backgroundPanel->hide();
    keepCoveredControlsOutOfTabOrder(ui);
}

void closeBackgroundPanelAfterColour(MainWindowUi& ui) {
    setImageMode(ui, true);
    ui.backgroundPanel->hide();
    keepCoveredControlsOutOfTabOrder(ui);
}

void foldWindow(MainWindowUi& ui) {
    setOuterWidth(ui, kFoldedWidthTwips);
    ui.unfoldButton->show();
    ui.foldButton->hide();
    ui.hyperlinkPanel->hide();
    ui.backgroundPanel->hide();
    ui.textPanel->hide();
    keepCoveredControlsOutOfTabOrder(ui);
}

void unfoldWindow(MainWindowUi& ui) {
    setOuterWidth(ui, kUnfoldedWidthTwips);
    ui.unfoldButton->hide();
    ui.foldButton->show();
    keepCoveredControlsOutOfTabOrder(ui);
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
