#pragma once

#include "windows/ChildListAccessible.h"

class QGroupBox;

namespace qm {

// What assistive technology sees of a window built from a layout: its
// controls in reading order, less those it should not see: the rectangles
// and lines drawn for the eye, a lone character drawn as a label that tells
// nothing to someone who cannot see where it sits, and a text box that only
// stores a fragment and is never shown.
class FormAccessible : public ChildListAccessible {
public:
    explicit FormAccessible(QWidget* window, QAccessible::Role role = QAccessible::Client);

protected:
    QWidgetList listed() const override;
};

// A panel of such a window: a group named by its title, its controls in
// reading order too.
class PanelAccessible : public FormAccessible {
public:
    explicit PanelAccessible(QGroupBox* panel);

    QString text(QAccessible::Text t) const override;
};

void hideFromAssistiveTechnology(QWidget* control);

// Registers the interfaces with Qt's accessibility; safe to call repeatedly.
void installFormAccessibility();

}  // namespace qm
