#include "FormSurface.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "FormControls.h"
#include "PageSource.h"

FormSurface::FormSurface(const FormControls& controls, PanelRunner panels)
    : controls_(controls), panels_(std::move(panels)) {}

std::optional<QString> FormSurface::text(const QString& control) const {
    QWidget* widget = controls_.widget(control);
    if (auto* field = qobject_cast<QPlainTextEdit*>(widget)) return pageSource(field);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
    return std::nullopt;
}

bool FormSurface::replaceSelection(const QString& field, const QString& fragment) {
    auto* edit = controls_.get<QPlainTextEdit>(field);
    if (!edit) return false;
    ::replaceSelection(edit, fragment);
    return true;
}

bool FormSurface::clearText(const QString& field) {
    auto* edit = controls_.get<QPlainTextEdit>(field);
    if (!edit) return false;
    ::clearText(edit);
    return true;
}

bool FormSurface::giveFocus(const QString& field) {
    QWidget* widget = controls_.widget(field);
    // A field that is hidden (or on a hidden window or panel) or disabled
    // cannot take the focus; Qt would quietly park it there instead.
    if (!widget || !widget->isVisible() || !widget->isEnabled() || widget->focusPolicy() == Qt::NoFocus)
        return false;
    // OtherFocusReason: a text field keeps its caret and selection.
    widget->setFocus(Qt::OtherFocusReason);
    return true;
}

bool FormSurface::setVisible(const QString& control, bool visible) {
    QWidget* widget = controls_.widget(control);
    if (!widget) return false;
    widget->setVisible(visible);
    return true;
}

bool FormSurface::runPanel(PanelCommand command) {
    return panels_ && panels_(command);
}
