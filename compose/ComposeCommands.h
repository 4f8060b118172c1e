#pragma once

namespace qm {

struct MainWindowUi;

// Connects every composition button of the main window: the tag pairs, both
// New Line buttons, Clear, the text and hyperlink panels' Add, the search bar
// and the two background buttons.
void connectComposeCommands(MainWindowUi& ui);

}  // namespace qm
