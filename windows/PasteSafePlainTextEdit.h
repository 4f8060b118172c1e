#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

class QMimeData;

namespace qm {

// Whether a paste source holds anything to paste. A clipboard that no program
// owns hands the fields no source or one without data, and the stock
// multi-line field crashes on that.
bool hasPastableData(const QMimeData* source);

// The multi-line text field, pasting only from a source that holds data.
// Copy and paste keep the characters the text widget would otherwise take
// for line breaks (see WidgetReservedCharacters.h).
class PasteSafePlainTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PasteSafePlainTextEdit(QWidget* parent = nullptr);

    // When set, local files dropped or pasted onto the field are announced
    // by filesDropped(), with the caret where they were dropped, instead of
    // going in as their paths. Off by default.
    bool acceptsFiles() const { return acceptsFiles_; }
    void setAcceptsFiles(bool accepts) { acceptsFiles_ = accepts; }

    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

signals:
    void filesDropped(const QStringList& paths);

protected:
    void dropEvent(QDropEvent* event) override;

private:
    bool acceptsFiles_ = false;
};

}  // namespace qm
