#include "windows/FileDropTarget.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "services/PathBytes.h"

namespace qm {

QStringList droppedFiles(const QMimeData* source) {
    if (!source) return {};
    QList<QUrl> urls = source->urls();
    const QString copiedFiles = QStringLiteral("x-special/gnome-copied-files");
    if (urls.isEmpty() && source->hasFormat(copiedFiles)) {
        // "copy" or "cut", then one URL a line.
        const QList<QByteArray> lines = source->data(copiedFiles).split('\n');
        for (qsizetype i = 1; i < lines.size(); ++i)
            if (const QByteArray line = lines[i].trimmed(); !line.isEmpty()) urls += QUrl::fromEncoded(line);
    }
    QStringList files;
    for (const QUrl& url : std::as_const(urls))
        if (url.isLocalFile())
            files += pathFromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    return files;
}

FileDropTarget::FileDropTarget(QLineEdit* field) : QObject(field), field_(field) {
    field->setAcceptDrops(true);
    field->installEventFilter(this);
}

bool FileDropTarget::take(const QMimeData* source) {
    if (field_->isReadOnly()) return false;
    const QStringList files = droppedFiles(source);
    if (files.isEmpty()) return false;
    emit filesDropped(files);
    return true;
}

namespace {

// Named in newer Qt; known by its shortcut in the menu before.
QAction* pasteAction(const QMenu* menu) {
    const QString shortcut = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions)
        if (action->objectName() == QLatin1String("edit-paste") || action->text().endsWith(shortcut)) return action;
    return nullptr;
}

}  // namespace

void FileDropTarget::showContextMenu(const QPoint& globalPos) {
    QMenu* menu = field_->createStandardContextMenu();
    if (!menu) return;
    // The field offers Paste only for text; a copied file is pasted here.
    if (QAction* paste = pasteAction(menu);
        paste && !droppedFiles(QGuiApplication::clipboard()->mimeData()).isEmpty()) {
        paste->disconnect(field_);
        paste->setEnabled(true);
        connect(paste, &QAction::triggered, this, [this] { take(QGuiApplication::clipboard()->mimeData()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_) return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (field_->isReadOnly() || droppedFiles(drag->mimeData()).isEmpty()) return false;
        // Taken as a copy, whatever the source offers: a move would let
        // the file manager delete the user's file.
        drag->setDropAction(Qt::CopyAction);
        drag->setAccepted(drag->possibleActions().testFlag(Qt::CopyAction));
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->possibleActions().testFlag(Qt::CopyAction) || !take(drop->mimeData())) return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        return true;
    }
    case QEvent::KeyPress:
        return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
               take(QGuiApplication::clipboard()->mimeData());
    case QEvent::ContextMenu:
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

}  // namespace qm
