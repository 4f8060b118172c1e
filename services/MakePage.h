#pragma once

#include <QString>

#include "services/PageWriter.h"

namespace qm {

class VolumeScanner;

// Writes the page as index.html at the root of drive, but only while drive is
// still where a volume is mounted: a folder left behind by an unmounted stick
// is no place for the page.
WriteResult makePage(const VolumeScanner& scanner, const QString& drive, const QString& pageSource);

}  // namespace qm
