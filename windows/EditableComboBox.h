#pragma once

#include <QComboBox>

namespace qm {

// A drop-down list whose text can also be typed. The line edit that typing
// needs, with its completer, is made when the box is first shown: a box on a
// panel that stays closed then costs the window nothing when it opens.
class EditableComboBox : public QComboBox {
    Q_OBJECT
public:
    EditableComboBox(const QStringList& items, const QString& text, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString text_;
};

}  // namespace qm
