#include "ComposeTable.h"

#include "Fragments.h"

namespace {

using Kind = ComposeStep::Kind;

const QString kPage = QStringLiteral("TxtInput");
const QString kTextPanelText = QStringLiteral("Text7");

ComposeStep insert(const QString& field, FragmentSource fragment) {
    return {Kind::Insert, field, std::move(fragment), {}};
}
ComposeStep fixedInsert(const QString& field, const QString& text) {
    return insert(field, [text](const ComposeSurface&) { return std::optional<QString>(text); });
}
ComposeStep focus(const QString& field) { return {Kind::Focus, field, {}, {}}; }
ComposeStep clear(const QString& field) { return {Kind::Clear, field, {}, {}}; }
ComposeStep show(const QString& control) { return {Kind::Show, control, {}, {}}; }
ComposeStep hide(const QString& control) { return {Kind::Hide, control, {}, {}}; }
ComposeStep panel(PanelCommand command) { return {Kind::Panel, {}, {}, command}; }

// Reads every named control, in order; nothing when one cannot be read.
template <std::size_t N>
std::optional<std::array<QString, N>> readAll(const ComposeSurface& surface,
                                              const std::array<const char*, N>& names) {
    std::array<QString, N> values;
    for (std::size_t i = 0; i < N; ++i) {
        std::optional<QString> value = surface.text(QLatin1String(names[i]));
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    return values;
}

std::optional<QString> colouredTextFragment(const ComposeSurface& s) {
    const auto v = readAll<4>(s, {"Label4", "Text8", "Combo1", "Text7"});
    if (!v) return std::nullopt;
    return fragment::colouredText((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
}

std::optional<QString> hyperlinkFragment(const ComposeSurface& s) {
    const auto v = readAll<3>(s, {"Label4", "Text3", "Text2"});
    if (!v) return std::nullopt;
    return fragment::hyperlink((*v)[0], (*v)[1], (*v)[2]);
}

std::optional<QString> searchBarFragment(const ComposeSurface& s) {
    const std::optional<QString> block = s.text(QStringLiteral("Text9"));
    if (!block) return std::nullopt;
    return fragment::searchBar(*block);
}

std::optional<QString> backgroundImageFragment(const ComposeSurface& s) {
    const auto v = readAll<2>(s, {"Label4", "TxtBackground"});
    if (!v) return std::nullopt;
    return fragment::backgroundImage((*v)[0], (*v)[1]);
}

std::optional<QString> backgroundColourFragment(const ComposeSurface& s) {
    const auto v = readAll<2>(s, {"Label4", "Text4"});
    if (!v) return std::nullopt;
    return fragment::backgroundColour((*v)[0], (*v)[1]);
}

// In both directions the opening button's visibility is set before the
// closing button's.
ComposeCommand pairCommand(const TagPair& pair, bool opening) {
    const QString open = QLatin1String(pair.opening);
    const QString close = QLatin1String(pair.closing);
    const QString tag = QLatin1String(opening ? pair.openingTag : pair.closingTag);
    ComposeCommand command{opening ? open : close, pair.onFailure, {}};
    command.steps = {fixedInsert(kPage, tag), focus(kPage)};
    if (opening)
        command.steps.insert(command.steps.end(), {hide(open), show(close)});
    else
        command.steps.insert(command.steps.end(), {show(open), hide(close)});
    return command;
}

}  // namespace

const std::array<TagPair, 5>& tagPairs() {
    static const std::array<TagPair, 5> pairs{{
        {"Bold", "EndBold", "<B>", "</B>", OnFailure::Stop},
        {"Italic", "EndItalic", "<I>", "</I>", OnFailure::Stop},
        {"Strike", "EndStrike", "<S>", "</S>", OnFailure::Stop},
        {"Center", "EndCenter", "<Center>", "</Center>", OnFailure::GoOn},
        {"Marquee", "EndMarquee", "<Marquee>", "</Marquee>", OnFailure::Stop},
    }};
    return pairs;
}

std::optional<ComposeCommand> composeCommand(const QString& button) {
    for (const TagPair& pair : tagPairs()) {
        if (button == QLatin1String(pair.opening)) return pairCommand(pair, true);
        if (button == QLatin1String(pair.closing)) return pairCommand(pair, false);
    }
    if (button == QLatin1String("NewLine"))
        return ComposeCommand{button, OnFailure::GoOn,
                              {fixedInsert(kPage, fragment::newLine()), focus(kPage)}};
    if (button == QLatin1String("NewLine2"))
        return ComposeCommand{button, OnFailure::GoOn,
                              {fixedInsert(kTextPanelText, fragment::newLine()), focus(kTextPanelText)}};
    if (button == QLatin1String("Clear"))
        return ComposeCommand{button, OnFailure::Stop, {clear(kPage), focus(kPage)}};
    if (button == QLatin1String("cmdAdd"))
        return ComposeCommand{button, OnFailure::GoOn,
                              {insert(kPage, colouredTextFragment), focus(kPage), clear(kTextPanelText),
                               focus(kTextPanelText)}};
    if (button == QLatin1String("Add"))
        return ComposeCommand{button, OnFailure::GoOn, {insert(kPage, hyperlinkFragment), focus(kPage)}};
    if (button == QLatin1String("google"))
        return ComposeCommand{button, OnFailure::Stop, {insert(kPage, searchBarFragment), focus(kPage)}};
    if (button == QLatin1String("AddBGImage"))
        return ComposeCommand{button, OnFailure::GoOn,
                              {insert(kPage, backgroundImageFragment), focus(kPage),
                               panel(PanelCommand::AddBGImage)}};
    if (button == QLatin1String("AddColour"))
        return ComposeCommand{button, OnFailure::GoOn,
                              {insert(kPage, backgroundColourFragment), focus(kPage),
                               panel(PanelCommand::AddColour)}};
    return std::nullopt;
}

QStringList composeCommandNames() {
    QStringList names;
    for (const TagPair& pair : tagPairs())
        names << QLatin1String(pair.opening) << QLatin1String(pair.closing);
    names << QStringLiteral("NewLine") << QStringLiteral("NewLine2") << QStringLiteral("Clear")
          << QStringLiteral("cmdAdd") << QStringLiteral("Add") << QStringLiteral("google")
          << QStringLiteral("AddBGImage") << QStringLiteral("AddColour");
    return names;
}
