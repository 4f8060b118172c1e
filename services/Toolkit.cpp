#include "services/Toolkit.h"

#include <QCoreApplication>

namespace qm {

void processPendingEvents() { QCoreApplication::processEvents(); }

QString applicationFolder() { return QCoreApplication::applicationDirPath(); }

}  // namespace qm
