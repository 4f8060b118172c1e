#pragma once

#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace qm {

class DriveList;
class Form;
class ccXPButton;

// A stacked pair: the opening button gives way to the closing one, and back.
struct TagPairButtons {
    ccXPButton* opening = nullptr;
    ccXPButton* closing = nullptr;
};

// The main window's controls by role, bound once from its layout.
struct MainWindowUi {
    Form* window = nullptr;

    // The page source, the quote character its fragments use, the drive.
    QPlainTextEdit* page = nullptr;
    QLabel* quote = nullptr;
    DriveList* drives = nullptr;
    ccXPButton* makeButton = nullptr;
    ccXPButton* refreshButton = nullptr;
    ccXPButton* previewButton = nullptr;
    ccXPButton* clearButton = nullptr;
    ccXPButton* aboutButton = nullptr;
    ccXPButton* foldButton = nullptr;
    ccXPButton* unfoldButton = nullptr;

    // The command column.
    TagPairButtons bold, italic, strike, center, marquee;
    ccXPButton* newLineButton = nullptr;
    ccXPButton* searchBarButton = nullptr;
    QPlainTextEdit* searchBlock = nullptr;  // hidden; holds the search bar's HTML
    ccXPButton* textPanelButton = nullptr;
    ccXPButton* hyperlinkPanelButton = nullptr;
    ccXPButton* backgroundPanelButton = nullptr;

    // The text panel.
    QGroupBox* textPanel = nullptr;
    QPlainTextEdit* panelText = nullptr;
    QLineEdit* textColour = nullptr;
    QComboBox* textSize = nullptr;
    ccXPButton* addTextButton = nullptr;
    ccXPButton* panelNewLineButton = nullptr;
    ccXPButton* hideTextPanelButton = nullptr;
    ccXPButton* textColoursButton = nullptr;

    // The hyperlink panel.
    QGroupBox* hyperlinkPanel = nullptr;
    QLineEdit* linkText = nullptr;
    QLineEdit* linkAddress = nullptr;
    ccXPButton* addLinkButton = nullptr;
    ccXPButton* hideHyperlinkPanelButton = nullptr;

    // The background panel: its image mode, then its colour mode.
    QGroupBox* backgroundPanel = nullptr;
    ccXPButton* hideBackgroundPanelButton = nullptr;
    QLabel* imageNameLabel = nullptr;
    QLineEdit* imageName = nullptr;
    ccXPButton* addImageButton = nullptr;
    QPlainTextEdit* imageHelp = nullptr;
    ccXPButton* colourModeButton = nullptr;
    QLabel* colourCodeLabel = nullptr;
    QLineEdit* colourCode = nullptr;
    ccXPButton* addColourButton = nullptr;
    QPlainTextEdit* colourHelp = nullptr;
    ccXPButton* backgroundColoursButton = nullptr;
    ccXPButton* imageModeButton = nullptr;

    // What each panel's Hide puts back: the texts the layout gives the fields.
    QString defaultLinkText;
    QString defaultLinkAddress;
    QString defaultColourCode;
    QString defaultImageName;

    // Binds the controls of a window built from the main window's layout.
    static MainWindowUi bind(Form* window);
};

// Runs command on the bound controls at each click of button. The window owns
// the controls and outlives the connection; ui must live as long as it.
void onClicked(MainWindowUi& ui, ccXPButton* button, void (*command)(MainWindowUi&));

}  // namespace qm
