#pragma once

#include <QString>

#include "windows/FormBuilder.h"
#include "windows/FormControls.h"

namespace qm {

// Binds a built window's controls to typed members, once, right after the
// window is built. A control the layout lacks, or one of another kind, ends
// the program as a malformed layout does.
class ControlBinder {
public:
    ControlBinder(const FormControls& controls, QString window)
        : controls_(controls), window_(std::move(window)) {}

    template <class T>
    T* bind(const char* name) const {
        QWidget* widget = controls_.widget(QLatin1String(name));
        if (!widget) failLayout(QStringLiteral("%1: no control \"%2\"").arg(window_, QLatin1String(name)));
        T* control = qobject_cast<T*>(widget);
        if (!control)
            failLayout(QStringLiteral("%1: %2 is a %3, not a %4")
                           .arg(window_, QLatin1String(name), QLatin1String(widget->metaObject()->className()),
                                QLatin1String(T::staticMetaObject.className())));
        return control;
    }

private:
    const FormControls& controls_;
    QString window_;
};

}  // namespace qm
