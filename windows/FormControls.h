#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

namespace qm {

// The controls of one window, addressed by their names.
class FormControls {
public:
    void add(const QString& name, QWidget* control) { controls_.insert(name, control); }

    QWidget* widget(const QString& name) const { return controls_.value(name); }

    // The named control as T; nullptr when absent or of another kind.
    template <class T>
    T* get(const QString& name) const {
        return qobject_cast<T*>(controls_.value(name));
    }

    const QHash<QString, QWidget*>& all() const { return controls_; }

private:
    QHash<QString, QWidget*> controls_;
};

}  // namespace qm
