#include "Toolkit.h"

#include <QCoreApplication>
#include <QFile>

namespace qm {

void processPendingEvents() { QCoreApplication::processEvents(); }

QString applicationFolder() { return QCoreApplication::applicationDirPath(); }

bool deleteFile(const QString& path) { return QFile::remove(path); }

}  // namespace qm
