#include "xpbutton/MessageHook.h"

#include <QEvent>
#include <algorithm>

namespace qm {

// The hook of one window: a child object of the window and its event filter,
// shared by every hook table that hooked the window. The chain holds one link
// per hook table, in the order they were added; the newest link sees a message first
// in the before phase and last in the after phase, as if each had replaced
// the window's procedure with its own.
class WindowHook : public QObject {
public:
    explicit WindowHook(QObject* window) : QObject(window) { window->installEventFilter(this); }

    static WindowHook* of(QObject* window) {
        if (!window) return nullptr;
        for (QObject* child : window->children())
            if (auto* hook = dynamic_cast<WindowHook*>(child)) return hook;
        return nullptr;
    }

    quint64 addListener(HookTable* table) {
        chain_.push_back({nextListener_, table});
        return nextListener_++;
    }
    void removeListener(quint64 id) {
        std::erase_if(chain_, [id](const Link& link) { return link.id == id; });
    }

    void armLeave() { leaveArmed_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != parent()) return false;
        WindowMessage message = WindowMessage::None;
        quintptr wParam = 0;
        switch (event->type()) {
        case QEvent::Leave:
            if (!leaveArmed_) return false;
            leaveArmed_ = false;
            message = WindowMessage::MouseLeave;
            break;
        case QEvent::WindowActivate:
            message = WindowMessage::Activate;
            wParam = 1;
            break;
        case QEvent::WindowDeactivate:
            message = WindowMessage::Activate;
            break;
        default:
            return false;
        }
        if (!anyWants(message)) return false;

        // Default processing is the window's own handling of the event; the
        // filter runs it itself so that the after phase follows it. Links
        // added while the message runs do not see it; links removed while it
        // runs are skipped.
        QPointer<QObject> target(watched);
        const std::vector<Link> snapshot = chain_;
        callLink(snapshot, snapshot.size(), message, wParam, 0, [&](WindowMessage, quintptr, qintptr) -> long {
            if (target) target->event(event);
            return 0;
        });
        return true;
    }

private:
    using DefaultProcessing = std::function<long(WindowMessage message, quintptr wParam, qintptr lParam)>;
    struct Link {
        quint64 id;
        HookTable* table;
    };

    bool linked(quint64 id) const {
        return std::any_of(chain_.begin(), chain_.end(), [id](const Link& link) { return link.id == id; });
    }
    bool anyWants(WindowMessage message) const {
        return std::any_of(chain_.begin(), chain_.end(), [&](const Link& link) {
            return link.table->wants(parent(), link.id, message, HookPhase::Before) ||
                   link.table->wants(parent(), link.id, message, HookPhase::After);
        });
    }

    long callLink(const std::vector<Link>& links, size_t count, WindowMessage message, quintptr wParam,
                  qintptr lParam, const DefaultProcessing& defaultProcessing) {
        if (count == 0) return defaultProcessing(message, wParam, lParam);
        const Link link = links[count - 1];
        if (!linked(link.id)) return callLink(links, count - 1, message, wParam, lParam, defaultProcessing);

        QPointer<WindowHook> alive(this);
        HookCall call{HookPhase::Before, false, 0, parent(), message, wParam, lParam};
        if (link.table->wants(parent(), link.id, message, HookPhase::Before)) {
            link.table->call(parent(), link.id, call);
            if (!alive || call.handled) return call.result;
        }
        call.result = callLink(links, count - 1, call.message, call.wParam, call.lParam, defaultProcessing);
        call.phase = HookPhase::After;
        if (alive && linked(link.id) && link.table->wants(parent(), link.id, call.message, HookPhase::After))
            link.table->call(parent(), link.id, call);
        return call.result;
    }

    std::vector<Link> chain_;
    quint64 nextListener_ = 1;
    bool leaveArmed_ = false;
};

HookTable::~HookTable() {
    for (const HookEntry& entry : entries_)
        if (entry.window && entry.hook) entry.hook->removeListener(entry.listener);
}

int HookTable::hookWindow(QObject* window) {
    if (!window) return -1;
    int index = findSlot(window, true);
    if (index < 0) {
        entries_.emplace_back();
        index = static_cast<int>(entries_.size()) - 1;
    }
    WindowHook* hook = WindowHook::of(window);
    if (!hook) hook = new WindowHook(window);
    HookEntry& entry = entries_[index];
    entry.window = window;
    entry.hook = hook;
    entry.listener = hook->addListener(this);
    return index;
}

namespace {
// A message already listed stays listed once; an empty entry is taken over.
void addMessage(std::vector<WindowMessage>& list, WindowMessage message) {
    for (WindowMessage& listed : list) {
        if (listed == WindowMessage::None) {
            listed = message;
            return;
        }
        if (listed == message) return;
    }
    list.push_back(message);
}
}  // namespace

void HookTable::hookMessage(QObject* window, WindowMessage message, HookPhase phase) {
    if (!window) return;
    const int index = findSlot(window, false);
    if (index < 0) return;
    HookEntry& entry = entries_[index];
    addMessage(phase == HookPhase::Before ? entry.beforeList : entry.afterList, message);
}

void HookTable::unhookWindow(QObject* window) {
    if (!window) return;
    const int index = findSlot(window, false);
    if (index < 0) return;
    HookEntry& entry = entries_[index];
    if (entry.hook) entry.hook->removeListener(entry.listener);
    entry = HookEntry{};
}

int HookTable::findSlot(QObject* window, bool adding) const {
    QObject* wanted = adding ? nullptr : window;
    for (int i = static_cast<int>(entries_.size()) - 1; i >= 0; --i)
        if (entries_[i].window == wanted) return i;
    return -1;
}

const HookEntry* HookTable::entryOf(const QObject* window, quint64 listener) const {
    for (const HookEntry& entry : entries_)
        if (entry.window == window && entry.listener == listener) return &entry;
    return nullptr;
}

bool HookTable::wants(const QObject* window, quint64 listener, WindowMessage message, HookPhase phase) const {
    const HookEntry* entry = entryOf(window, listener);
    if (!entry) return false;
    const std::vector<WindowMessage>& list = phase == HookPhase::Before ? entry->beforeList : entry->afterList;
    return std::find(list.begin(), list.end(), message) != list.end();
}

void HookTable::call(QObject* window, quint64 listener, HookCall& call) {
    if (!entryOf(window, listener) || !procedure_) return;
    call.window = window;
    // The handler may delete the button and this table with it.
    const HookProcedure procedure = procedure_;
    procedure(call);
}

HookProcedure buttonProcedure(std::function<void(bool active)> activationChanged,
                              std::function<void()> pointerLeft) {
    return [activationChanged = std::move(activationChanged), pointerLeft = std::move(pointerLeft)](HookCall& call) {
        switch (call.message) {
        case WindowMessage::Activate:
        case WindowMessage::NcActivate: activationChanged(call.wParam != 0); break;
        case WindowMessage::MouseLeave: pointerLeft(); break;
        default: break;
        }
    };
}

void requestMouseLeave(QObject* window) {
    if (WindowHook* hook = WindowHook::of(window)) hook->armLeave();
}

}  // namespace qm
