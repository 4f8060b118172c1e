#pragma once

#include <QString>

namespace qm {

// The HTML fragments the composition commands insert. User text goes in as
// typed: nothing is trimmed, checked or escaped.
namespace fragment {

// "<BR>" and a real line break, so the source goes on on a new line.
QString newLine();

QString colouredText(const QString& quote, const QString& colour, const QString& size,
                     const QString& text);

QString hyperlink(const QString& quote, const QString& target, const QString& text);

// The search block as the hidden field holds it, then a break.
QString searchBar(const QString& block);

QString backgroundImage(const QString& quote, const QString& imageName);

QString backgroundColour(const QString& quote, const QString& code);

// A picture in the page, from the stick's PSP/Photo folder.
QString picture(const QString& quote, const QString& fileName);

}  // namespace fragment

}  // namespace qm
