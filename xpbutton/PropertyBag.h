#pragma once

#include <QFont>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <optional>

namespace qm {

// Stored properties of one control: keys are read without regard to letter
// case and written in lower case.
class PropertyBag {
public:
    PropertyBag() = default;
    explicit PropertyBag(QJsonObject values) : values_(std::move(values)) {}

    // The stored value, or an undefined QJsonValue when the key is absent.
    QJsonValue read(const QString& key) const;
    // Stores value unless it equals defaultValue.
    void write(const QString& key, const QJsonValue& value, const QJsonValue& defaultValue);

    // Typed reads: a missing key or a value of the wrong type gives the default.
    QString readString(const QString& key, const QString& defaultValue) const;
    bool readBool(const QString& key, bool defaultValue) const;
    // A 32-bit colour; also takes the signed form a stored colour may have.
    quint32 readColour(const QString& key, quint32 defaultValue) const;

    const QJsonObject& values() const { return values_; }

private:
    QJsonObject values_;
};

// A font as stored: {"name","size","weight","italic","underline","strikeout",
// "charset"}. QFont has no character set, so it travels beside the font.
struct StoredFont {
    QFont font;
    int charset = 0;
};

QJsonObject fontToJson(const StoredFont& stored);
// Empty when the value is not an object with a non-empty name and a positive
// size; the other fields fall back to regular, upright, character set 0.
std::optional<StoredFont> fontFromJson(const QJsonValue& value);

}  // namespace qm
