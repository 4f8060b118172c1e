#include "xpbutton/PropertyBag.h"

#include <algorithm>
#include <cmath>

namespace qm {

QJsonValue PropertyBag::read(const QString& key) const {
    for (auto it = values_.begin(); it != values_.end(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0) return it.value();
    }
    return QJsonValue(QJsonValue::Undefined);
}

void PropertyBag::write(const QString& key, const QJsonValue& value,
                        const QJsonValue& defaultValue) {
    if (value == defaultValue) return;
    values_.insert(key.toLower(), value);
}

QString PropertyBag::readString(const QString& key, const QString& defaultValue) const {
    const QJsonValue v = read(key);
    return v.isString() ? v.toString() : defaultValue;
}

bool PropertyBag::readBool(const QString& key, bool defaultValue) const {
    const QJsonValue v = read(key);
    return v.isBool() ? v.toBool() : defaultValue;
}

quint32 PropertyBag::readColour(const QString& key, quint32 defaultValue) const {
    const QJsonValue v = read(key);
    if (!v.isDouble()) return defaultValue;
    const double d = v.toDouble();
    if (d != std::floor(d) || d < -2147483648.0 || d > 4294967295.0) return defaultValue;
    return static_cast<quint32>(static_cast<qint64>(d));
}

QJsonObject fontToJson(const StoredFont& stored) {
    const QFont& f = stored.font;
    return QJsonObject{
        {QStringLiteral("name"), f.family()},
        {QStringLiteral("size"), f.pointSizeF()},
        {QStringLiteral("weight"), f.weight()},
        {QStringLiteral("italic"), f.italic()},
        {QStringLiteral("underline"), f.underline()},
        {QStringLiteral("strikeout"), f.strikeOut()},
        {QStringLiteral("charset"), stored.charset},
    };
}

std::optional<StoredFont> fontFromJson(const QJsonValue& value) {
    if (!value.isObject()) return std::nullopt;
    const PropertyBag fields(value.toObject());
    const QString name = fields.readString(QStringLiteral("name"), QString());
    const QJsonValue size = fields.read(QStringLiteral("size"));
    if (name.isEmpty() || !size.isDouble() || !(size.toDouble() > 0)) return std::nullopt;

    StoredFont stored;
    stored.font = QFont(name);
    stored.font.setPointSizeF(size.toDouble());
    const QJsonValue weight = fields.read(QStringLiteral("weight"));
    const double w = weight.isDouble() ? weight.toDouble() : 400.0;
    stored.font.setWeight(QFont::Weight(std::lround(std::clamp(w, 1.0, 1000.0))));
    stored.font.setItalic(fields.readBool(QStringLiteral("italic"), false));
    stored.font.setUnderline(fields.readBool(QStringLiteral("underline"), false));
    stored.font.setStrikeOut(fields.readBool(QStringLiteral("strikeout"), false));
    // No width is stored: captions keep the normal one, as the design font does.
    stored.font.setStretch(QFont::Unstretched);
    const QJsonValue charset = fields.read(QStringLiteral("charset"));
    if (charset.isDouble() && charset.toDouble() >= 0 && charset.toDouble() <= 255)
        stored.charset = charset.toInt();
    return stored;
}

}  // namespace qm
