#pragma once

#include "windows/ChildListAccessible.h"

class QComboBox;

namespace qm {

// What assistive technology sees of a combo box: named by its label, as every
// other field is, with its current text as the value. Qt's own interface names
// it by that value on Linux, so "3" or "/" is all a screen reader says. A list
// that cannot be typed in has no edit field to read the value from: the box
// itself reads as that text.
class ComboAccessible : public ChildListAccessible, public QAccessibleTextInterface {
public:
    explicit ComboAccessible(QComboBox* combo);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // The current text, read-only, with no caret and no selection.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override;

protected:
    QWidgetList listed() const override;

private:
    QComboBox* combo() const;
};

// Registers the interface with Qt's accessibility; safe to call repeatedly.
void installComboAccessibility();

}  // namespace qm
