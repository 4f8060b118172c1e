#pragma once

namespace qm {

struct MainWindowUi;

// The main window's option panels, the background panel's two modes and the
// folded window. Every command leaves the controls that an open panel covers
// or the folded window cuts off out of the Tab order, and takes the keyboard
// off a control it covers or hides: into the panel that opens, back to the
// button that opened the panel that closes.
void openTextPanel(MainWindowUi& ui);
void openHyperlinkPanel(MainWindowUi& ui);
void openBackgroundPanel(MainWindowUi& ui);

// Closing empties the text panel's text; the other two put back their fields'
// first texts. Each reset is one edit that Ctrl+Z takes back.
void hideTextPanel(MainWindowUi& ui);
void hideHyperlinkPanel(MainWindowUi& ui);
void hideBackgroundPanel(MainWindowUi& ui);

void showBackgroundColourMode(MainWindowUi& ui);
void showBackgroundImageMode(MainWindowUi& ui);

// After a background was added: the panel closes, keeping its fields; after a
// colour, it is back in image mode for the next time.
void closeBackgroundPanelAfterImage(MainWindowUi& ui);
void closeBackgroundPanelAfterColour(MainWindowUi& ui);

// Folding leaves only the page source's half of the window.
void foldWindow(MainWindowUi& ui);
void unfoldWindow(MainWindowUi& ui);

// Connects the panel, mode and fold buttons to their commands.
void connectPanelCommands(MainWindowUi& ui);

}  // namespace qm
