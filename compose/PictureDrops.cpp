#include "compose/PictureDrops.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "compose/Fragments.h"
#include "compose/PageSource.h"
#include "windows/FileDropTarget.h"
#include "windows/MainWindowUi.h"
#include "windows/Messages.h"
#include "windows/PasteSafePlainTextEdit.h"

namespace qm {
namespace {

// One picture at a time: the first of the files.
PictureCopy copyFirst(const CopyPicture& copy, const QStringList& files, PictureUse use) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PictureCopy result = copy(files.first(), use);
    QGuiApplication::restoreOverrideCursor();
    if (result.ok)
        qm::showMessage({result.message, QStringLiteral("Picture copied"), qm::MessageIcon::None});
    else
        qm::showMessage({result.message, QStringLiteral("Error"), qm::MessageIcon::Exclamation});
    return result;
}

}  // namespace

void connectPictureDrops(MainWindowUi& ui, CopyPicture copy) {
    // Queued: a drop ends before its copy starts and its message shows, so
    // the file manager is not kept waiting for the drop's answer.
    QLineEdit* name = ui.imageName;
    QObject::connect(new FileDropTarget(name), &FileDropTarget::filesDropped, name,
                     [name, copy](const QStringList& files) {
                         if (const PictureCopy result = copyFirst(copy, files, PictureUse::Background); result.ok)
                             name->setText(result.fileName);
                     },
                     Qt::QueuedConnection);

    auto* page = qobject_cast<PasteSafePlainTextEdit*>(ui.page);
    if (!page) return;
    page->setAcceptsFiles(true);
    QLabel* quote = ui.quote;
    QObject::connect(page, &PasteSafePlainTextEdit::filesDropped, page,
                     [page, quote, copy](const QStringList& files) {
                         if (const PictureCopy result = copyFirst(copy, files, PictureUse::InPage); result.ok)
                             insertSnippet(page, fragment::picture(quote->text(), result.fileName));
                     },
                     Qt::QueuedConnection);
}

}  // namespace qm
