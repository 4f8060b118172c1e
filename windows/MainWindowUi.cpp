#include "windows/MainWindowUi.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "windows/ControlBinder.h"
#include "windows/DriveList.h"
#include "windows/Form.h"
#include "xpbutton/ccXPButton.h"

namespace qm {

// The one place that knows the main window's designer names.
MainWindowUi MainWindowUi::bind(Form* window) {
    const ControlBinder b(window->controls(), window->objectName());
    MainWindowUi ui;
    ui.window = window;

    ui.page = b.bind<QPlainTextEdit>("TxtInput");
    ui.quote = b.bind<QLabel>("Label4");
    ui.drives = b.bind<DriveList>("Drive1");
    ui.makeButton = b.bind<ccXPButton>("Make");
    ui.refreshButton = b.bind<ccXPButton>("Refresh");
    ui.previewButton = b.bind<ccXPButton>("LivePreview");
    ui.clearButton = b.bind<ccXPButton>("Clear");
    ui.aboutButton = b.bind<ccXPButton>("cmdAbout");
    ui.foldButton = b.bind<ccXPButton>("Collapse");
    ui.unfoldButton = b.bind<ccXPButton>("Expand");

    ui.bold = {b.bind<ccXPButton>("Bold"), b.bind<ccXPButton>("EndBold")};
    ui.italic = {b.bind<ccXPButton>("Italic"), b.bind<ccXPButton>("EndItalic")};
    ui.strike = {b.bind<ccXPButton>("Strike"), b.bind<ccXPButton>("EndStrike")};
    ui.center = {b.bind<ccXPButton>("Center"), b.bind<ccXPButton>("EndCenter")};
    ui.marquee = {b.bind<ccXPButton>("Marquee"), b.bind<ccXPButton>("EndMarquee")};
    ui.newLineButton = b.bind<ccXPButton>("NewLine");
    ui.searchBarButton = b.bind<ccXPButton>("google");
    ui.searchBlock = b.bind<QPlainTextEdit>("Text9");
    ui.textPanelButton = b.bind<ccXPButton>("cmdTEXT");
    ui.hyperlinkPanelButton = b.bind<ccXPButton>("AddHyperlink");
    ui.backgroundPanelButton = b.bind<ccXPButton>("AddBackground");

    ui.textPanel = b.bind<QGroupBox>("Frame3");
    ui.panelText = b.bind<QPlainTextEdit>("Text7");
    ui.textColour = b.bind<QLineEdit>("Text8");
    ui.textSize = b.bind<QComboBox>("Combo1");
    ui.addTextButton = b.bind<ccXPButton>("cmdAdd");
    ui.panelNewLineButton = b.bind<ccXPButton>("NewLine2");
    ui.hideTextPanelButton = b.bind<ccXPButton>("ccXPButton1");
    ui.textColoursButton = b.bind<ccXPButton>("ccXPButton2");

    ui.hyperlinkPanel = b.bind<QGroupBox>("Frame1");
    ui.linkText = b.bind<QLineEdit>("Text2");
    ui.linkAddress = b.bind<QLineEdit>("Text3");
    ui.addLinkButton = b.bind<ccXPButton>("Add");
    ui.hideHyperlinkPanelButton = b.bind<ccXPButton>("Hide2");

    ui.backgroundPanel = b.bind<QGroupBox>("Frame2");
    ui.hideBackgroundPanelButton = b.bind<ccXPButton>("Hide");
    ui.imageNameLabel = b.bind<QLabel>("Label7");
    ui.imageName = b.bind<QLineEdit>("TxtBackground");
    ui.addImageButton = b.bind<ccXPButton>("AddBGImage");
    ui.imageHelp = b.bind<QPlainTextEdit>("Text1");
    ui.colourModeButton = b.bind<ccXPButton>("BGSwitch");
    ui.colourCodeLabel = b.bind<QLabel>("Label8");
    ui.colourCode = b.bind<QLineEdit>("Text4");
    ui.addColourButton = b.bind<ccXPButton>("AddColour");
    ui.colourHelp = b.bind<QPlainTextEdit>("Text5");
    ui.backgroundColoursButton = b.bind<ccXPButton>("Colours");
    ui.imageModeButton = b.bind<ccXPButton>("BGSwitch2");

    ui.defaultLinkText = ui.linkText->text();
    ui.defaultLinkAddress = ui.linkAddress->text();
    ui.defaultColourCode = ui.colourCode->text();
    ui.defaultImageName = ui.imageName->text();
    return ui;
}

void onClicked(MainWindowUi& ui, ccXPButton* button, void (*command)(MainWindowUi&)) {
    QObject::connect(button, &ccXPButton::clicked, ui.window, [&ui, command] { command(ui); });
}

}  // namespace qm
