#include "windows/Messages.h"

#include <QLabel>
#include <QMessageBox>

namespace qm {
namespace {

void showMessageBox(const Message& message) {
    QMessageBox box(message.icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                             : QMessageBox::NoIcon,
                    message.title, message.text, QMessageBox::Ok);
    // Addresses and paths in a message can be copied, and Tab reaches them.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        text->setFocusPolicy(Qt::StrongFocus);
    box.exec();
}

MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}

}  // namespace

void showMessage(const Message& message) {
    if (currentSink())
        currentSink()(message);
    else
        showMessageBox(message);
}

MessageSink setMessageSink(MessageSink sink) {
    MessageSink old = std::move(currentSink());
    currentSink() = std::move(sink);
    return old;
}

}  // namespace qm
