#include "compose/ComposeCommands.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "compose/Fragments.h"
#include "compose/PageSource.h"
#include "windows/Form.h"
#include "windows/MainWindowUi.h"
#include "windows/Panels.h"
#include "xpbutton/ccXPButton.h"

namespace qm {

namespace {

// What a tag pair does when the page cannot take the focus after its tag went
// in (its window is not shown): most stop there and leave the buttons as
// they were; Center swaps them all the same.
enum class OnFocusFailure { Stop, GoOn };

// In both directions the opening button's visibility is set before the
// closing button's.
void insertTag(QPlainTextEdit* page, const TagPairButtons& pair, bool opening, const QString& tag,
               OnFocusFailure onFailure) {
    if (!insertSnippet(page, tag) && onFailure == OnFocusFailure::Stop) return;
    pair.opening->setVisible(!opening);
    pair.closing->setVisible(opening);
}

void connectTagPair(MainWindowUi& ui, const TagPairButtons& pair, const char* openingTag, const char* closingTag,
                    OnFocusFailure onFailure = OnFocusFailure::Stop) {
    QPlainTextEdit* page = ui.page;
    const QString open = QLatin1String(openingTag), close = QLatin1String(closingTag);
    QObject::connect(pair.opening, &ccXPButton::clicked, ui.window,
                     [page, pair, open, onFailure] { insertTag(page, pair, true, open, onFailure); });
    QObject::connect(pair.closing, &ccXPButton::clicked, ui.window,
                     [page, pair, close, onFailure] { insertTag(page, pair, false, close, onFailure); });
}

void newLine(QPlainTextEdit* field) { insertSnippet(field, fragment::newLine()); }

void clear(MainWindowUi& ui) {
    clearText(ui.page);
    giveFocus(ui.page);
}

void addColouredText(MainWindowUi& ui) {
    insertSnippet(ui.page, fragment::colouredText(ui.quote->text(), ui.textColour->text(),
                                                  ui.textSize->currentText(), pageSource(ui.panelText)));
    clearText(ui.panelText);
    giveFocus(ui.panelText);
}

void addHyperlink(MainWindowUi& ui) {
    insertSnippet(ui.page, fragment::hyperlink(ui.quote->text(), ui.linkAddress->text(), ui.linkText->text()));
}

void addSearchBar(MainWindowUi& ui) { insertSnippet(ui.page, fragment::searchBar(pageSource(ui.searchBlock))); }

void addBackgroundImage(MainWindowUi& ui) {
    insertSnippet(ui.page, fragment::backgroundImage(ui.quote->text(), ui.imageName->text()));
    closeBackgroundPanelAfterImage(ui);
}

void addBackgroundColour(MainWindowUi& ui) {
    insertSnippet(ui.page, fragment::backgroundColour(ui.quote->text(), ui.colourCode->text()));
    closeBackgroundPanelAfterColour(ui);
}

}  // namespace

void connectComposeCommands(MainWindowUi& ui) {
    connectTagPair(ui, ui.bold, "<B>", "</B>");
    connectTagPair(ui, ui.italic, "<I>", "</I>");
    connectTagPair(ui, ui.strike, "<S>", "</S>");
    connectTagPair(ui, ui.center, "<Center>", "</Center>", OnFocusFailure::GoOn);
    connectTagPair(ui, ui.marquee, "<Marquee>", "</Marquee>");

    QObject::connect(ui.newLineButton, &ccXPButton::clicked, ui.window, [page = ui.page] { newLine(page); });
    QObject::connect(ui.panelNewLineButton, &ccXPButton::clicked, ui.window,
                     [field = ui.panelText] { newLine(field); });
    onClicked(ui, ui.clearButton, clear);
    onClicked(ui, ui.addTextButton, addColouredText);
    onClicked(ui, ui.addLinkButton, addHyperlink);
    onClicked(ui, ui.searchBarButton, addSearchBar);
    onClicked(ui, ui.addImageButton, addBackgroundImage);
    onClicked(ui, ui.addColourButton, addBackgroundColour);
}

}  // namespace qm
