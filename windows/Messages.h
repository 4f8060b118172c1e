#pragma once

#include <QString>
#include <functional>

namespace qm {

enum class MessageIcon { None, Exclamation };

struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

// Every message box of the program goes through here, so tests can capture
// messages instead of blocking on a modal dialog.
using MessageSink = std::function<void(const Message&)>;

// Shows a modal message box with one OK button; returns when it is dismissed.
void showMessage(const Message& message);

// Replaces the sink (nullptr restores the real message box); returns the old one.
MessageSink setMessageSink(MessageSink sink);

}  // namespace qm
