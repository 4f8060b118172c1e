#pragma once

#include <QStringList>
#include <array>
#include <optional>

#include "ComposeCommand.h"

// One stacked pair of buttons: the opening button inserts the opening tag and
// gives way to the closing button, and back. Only visibility holds the state.
struct TagPair {
    const char* opening;
    const char* closing;
    const char* openingTag;
    const char* closingTag;
    OnFailure onFailure;
};

const std::array<TagPair, 5>& tagPairs();

// The composition command behind the button of that name; nothing for a
// button that is not one.
std::optional<ComposeCommand> composeCommand(const QString& button);

// Every button name composeCommand() knows.
QStringList composeCommandNames();
