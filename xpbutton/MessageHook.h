#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

namespace xp {

// Window messages a button listens for.
enum WindowMessage : unsigned {
    MsgActivate = 0x06,      // wParam non-zero: the window became active
    MsgNcActivate = 0x86,    // the same, for a child window of a multi-document frame
    MsgMouseLeave = 0x2A3,   // the pointer left the window
};

// Phase mask of HookMessage.
enum HookPhase : int { HookAfter = 1, HookBefore = 2, HookBoth = 3 };

// A hooked message's handler. bBefore tells the phase; in the before phase
// setting bHandled skips default processing and the after phase, and the
// message values may be changed for what runs next.
using HookProcedure = std::function<void(bool bBefore, bool& bHandled, long& lReturn, quintptr& lng_hWnd,
                                         unsigned& uMsg, quintptr& wParam, qintptr& lParam)>;

class WindowHook;

struct HookEntry {
    QObject* window = nullptr;  // null marks a free entry
    quint64 listener = 0;       // this entry's link in the window's delivery chain
    QPointer<WindowHook> hook;  // null once the window is gone
    std::vector<unsigned> afterList;
    std::vector<unsigned> beforeList;
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
    int HookWindow(QObject* window);
    void HookMessage(QObject* window, unsigned message, int phaseMask);
    // Does nothing for a window this table never hooked.
    void UnhookWindow(QObject* window);
    // Scans from the last entry down: with adding, the first free entry;
    // without, the first entry of that window; -1 when none matches.
    int FindHookSlot(QObject* window, bool adding) const;

    const std::vector<HookEntry>& entries() const { return entries_; }

private:
    friend class WindowHook;
    const HookEntry* entryOf(quint64 listener) const;
    bool wants(quint64 listener, unsigned message, bool before) const;
    void call(quint64 listener, bool before, bool& handled, long& result, unsigned& message, quintptr& wParam,
              qintptr& lParam);

    std::vector<HookEntry> entries_;
    HookProcedure procedure_;
};

// Arms delivery of the window's next mouse-leave message; renewed after each
// one. Ignored for a window without hooks.
void RequestMouseLeave(QObject* window);

// Runs one message through the window's hooks: the before phases, then
// defaultProcessing (skipped when a before handler sets bHandled), then the
// after phases. The result of default processing is the message's result
// unless an after handler replaces it.
using DefaultProcessing = std::function<long(unsigned message, quintptr wParam, qintptr lParam)>;
long deliverMessage(QObject* window, unsigned message, quintptr wParam, qintptr lParam,
                    const DefaultProcessing& defaultProcessing);

}  // namespace xp
