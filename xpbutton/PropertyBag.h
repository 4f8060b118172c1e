#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace xp {

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

    const QJsonObject& values() const { return values_; }

private:
    QJsonObject values_;
};

}  // namespace xp
