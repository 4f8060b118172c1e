#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

namespace qm {

// Window messages a button listens for, numbered as the listener tables
// store them.
enum class WindowMessage : unsigned {
    None = 0,
    Activate = 0x06,      // wParam non-zero: the window became active
    NcActivate = 0x86,    // the same, for a child window of a multi-document frame
    MouseLeave = 0x2A3,   // the pointer left the window
};

enum class HookPhase { Before, After };

// One delivery of a message to one listener. In the before phase, setting
// handled skips default processing and the after phase, and the message
// values may be changed for what runs next.
struct HookCall {
    HookPhase phase;  // Before or After
    bool handled = false;
    long result = 0;
    QObject* window = nullptr;
    WindowMessage message = WindowMessage::None;
    quintptr wParam = 0;
    qintptr lParam = 0;
};

using HookProcedure = std::function<void(HookCall& call)>;

// The procedure of a button: the parent window's activation, as active or
// not, and the pointer leaving the button's own window.
HookProcedure buttonProcedure(std::function<void(bool active)> activationChanged,
                              std::function<void()> pointerLeft);

class WindowHook;

struct HookEntry {
    QObject* window = nullptr;  // null marks a free entry
    quint64 listener = 0;       // this entry's link in the window's delivery chain, unique in that chain
    QPointer<WindowHook> hook;  // null once the window is gone
    std::vector<WindowMessage> afterList;
    std::vector<WindowMessage> beforeList;
};

// One button's hooked windows and the messages it takes from each. Every
// table is one link in a hooked window's delivery chain; links can be added
// and removed in any order, also while a message is being delivered.
class HookTable {
public:
    HookTable() = default;
    ~HookTable();
    HookTable(const HookTable&) = delete;
    HookTable& operator=(const HookTable&) = delete;

    void setProcedure(HookProcedure procedure) { procedure_ = std::move(procedure); }

    // Returns the entry's index, or -1 for a null window.
    int hookWindow(QObject* window);
    void hookMessage(QObject* window, WindowMessage message, HookPhase phase);
    // Does nothing for a window this table never hooked.
    void unhookWindow(QObject* window);
    // Scans from the last entry down: with adding, the first free entry;
    // without, the first entry of that window; -1 when none matches.
    int findSlot(QObject* window, bool adding) const;

    const std::vector<HookEntry>& entries() const { return entries_; }

private:
    friend class WindowHook;
    const HookEntry* entryOf(const QObject* window, quint64 listener) const;
    bool wants(const QObject* window, quint64 listener, WindowMessage message, HookPhase phase) const;
    void call(QObject* window, quint64 listener, HookCall& call);

    std::vector<HookEntry> entries_;
    HookProcedure procedure_;
};

// Arms delivery of the window's next mouse-leave message; renewed after each
// one. Ignored for a window without hooks.
void requestMouseLeave(QObject* window);

}  // namespace qm
