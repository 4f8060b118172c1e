#pragma once

#include "windows/ChildListAccessible.h"

namespace qm {

// What assistive technology sees of a window built from a layout: its
// controls, less those it should not see: a lone character drawn as a label
// tells nothing to someone who cannot see where it sits, and a text box that
// only stores a fragment is never shown.
class FormAccessible : public ChildListAccessible {
public:
    explicit FormAccessible(QWidget* window);

protected:
    QWidgetList listed() const override;
};

void hideFromAssistiveTechnology(QWidget* control);

// Registers the interface with Qt's accessibility; safe to call repeatedly.
void installFormAccessibility();

}  // namespace qm
