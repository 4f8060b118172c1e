#include "PropertyBag.h"

namespace xp {

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

}  // namespace xp
