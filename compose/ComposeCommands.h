#pragma once

class Form;
class PanelController;

// Connects every composition button of the main window (the tag pairs, both
// New Line buttons, Clear, the text and hyperlink panels' Add, the search bar
// and the two background buttons) to its command. Buttons the window lacks are
// left out; `panels` runs the closing steps of the background commands.
void connectComposeCommands(Form* mainWindow, PanelController* panels);
