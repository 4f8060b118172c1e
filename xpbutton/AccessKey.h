#pragma once

#include <QString>

namespace qm {

// The access key of a caption: the lower-cased character after the first
// single "&" (a "&&" stands for a literal "&" and is passed over), or empty.
// Only an "&" that is found while at least two characters remain after the
// search position counts, so "&a" on its own has no access key.
QString accessKeyOf(const QString& caption);

// The caption as shown: each single "&" removed, "&&" shown as "&".
QString displayCaption(const QString& caption);

}  // namespace qm
