#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file's bytes, or "<missing>" so that an absent file compares unequal to any page.
inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
}
