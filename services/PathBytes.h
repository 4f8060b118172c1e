#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

// File names are bytes, not text: a mount point may hold bytes that are not
// UTF-8 (a Latin-1 label). Each such byte travels in the string as the lone
// surrogate U+DC80 + byte, so bytes -> string -> bytes gives back the same
// bytes, and valid UTF-8 reads as the usual text.
QString pathFromBytes(const QByteArray& bytes);
QByteArray pathToBytes(const QString& path);

// folder + "/" + name without doubling the separator ("/" + "a" is "/a").
QString childPath(const QString& folder, const QString& name);

}  // namespace qm
