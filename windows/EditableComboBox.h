#pragma once

#include <QComboBox>

namespace qm {

// A drop-down list whose text can also be typed. The line edit that typing
// needs, with its completer, is made when the box is first shown, and so is the
// open list: a box on a panel that stays closed then costs the window nothing
// when it opens.
// No Q_OBJECT: to the toolkit, and to assistive tools, it is a QComboBox.
class EditableComboBox : public QComboBox {
public:
    EditableComboBox(const QStringList& items, const QString& text, QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QString text_;
};

}  // namespace qm
