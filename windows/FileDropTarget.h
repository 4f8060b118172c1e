#pragma once

#include <QObject>
#include <QStringList>

class QLineEdit;
class QMimeData;

namespace qm {

// The local files a drop or paste source names: its URL list, else a file
// manager's list of copied files. Paths are in pathFromBytes form; URLs that
// are not local files are left out.
QStringList droppedFiles(const QMimeData* source);

// Lets a single-line field take files dragged, dropped or pasted onto it
// (Ctrl+V and the context menu's Paste): it announces them instead of
// taking their paths as text. Anything else goes in as text, as before.
class FileDropTarget : public QObject {
    Q_OBJECT
public:
    explicit FileDropTarget(QLineEdit* field);

signals:
    void filesDropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool take(const QMimeData* source);
    void showContextMenu(const QPoint& globalPos);

    QLineEdit* field_;
};

}  // namespace qm
