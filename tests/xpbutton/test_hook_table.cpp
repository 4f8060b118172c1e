#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "xpbutton/MessageHook.h"

using namespace qm;

namespace {

// A table that writes every call it gets into a shared log as
// "<name> before|after <message> <wParam>".
struct LoggingTable {
    LoggingTable(std::string n, std::vector<std::string>& l) : name(std::move(n)), log(l) {
        table.setProcedure([this](HookCall& call) {
            const bool before = call.phase == HookPhase::Before;
            log.push_back(name + (before ? " before " : " after ") + std::to_string(unsigned(call.message)) + " " +
                          std::to_string(call.wParam));
            if (onCall) onCall(call);
        });
    }
    std::string name;
    std::vector<std::string>& log;
    std::function<void(HookCall& call)> onCall;
    HookTable table;
};

// A window that logs its own handling of activation events as "default".
struct Window : QObject {
    explicit Window(std::vector<std::string>& l) : log(l) {}
    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
            log.push_back("default");
        return QObject::event(event);
    }
    std::vector<std::string>& log;
};

// Events reach event filters only through an application object.
void send(QObject* window, QEvent::Type type) {
    static int argc = 1;
    static char name[] = "test_hook_table";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QEvent event(type);
    QCoreApplication::sendEvent(window, &event);
}

void activate(QObject* window, bool active = true) {
    send(window, active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
}

void hookBoth(HookTable& table, QObject* window, WindowMessage message) {
    table.hookMessage(window, message, HookPhase::Before);
    table.hookMessage(window, message, HookPhase::After);
}

TEST(HookTable, FindsSlotsFromTheLastEntryDown) {
    QObject a, b, c, d;
    HookTable table;
    EXPECT_EQ(table.findSlot(&a, false), -1);
    EXPECT_EQ(table.findSlot(&a, true), -1);

    EXPECT_EQ(table.hookWindow(&a), 0);
    EXPECT_EQ(table.hookWindow(&b), 1);
    EXPECT_EQ(table.hookWindow(&c), 2);
    EXPECT_EQ(table.findSlot(&b, false), 1);
    EXPECT_EQ(table.findSlot(&d, false), -1);
    EXPECT_EQ(table.findSlot(&d, true), -1);

    table.unhookWindow(&a);
    table.unhookWindow(&c);
    EXPECT_EQ(table.findSlot(&a, false), -1);
    EXPECT_EQ(table.findSlot(&d, true), 2);
    EXPECT_EQ(table.hookWindow(&d), 2);
    EXPECT_EQ(table.hookWindow(&a), 0);
    EXPECT_EQ(table.hookWindow(&c), 3);
    EXPECT_EQ(table.entries().size(), 4u);
}

TEST(HookTable, AddingAWindowAgainTakesAFreeEntryAndFindsTheLastOne) {
    QObject a;
    HookTable table;
    EXPECT_EQ(table.hookWindow(&a), 0);
    EXPECT_EQ(table.hookWindow(&a), 1);
    EXPECT_EQ(table.findSlot(&a, false), 1);
    EXPECT_EQ(table.hookWindow(nullptr), -1);
}

TEST(HookTable, KeepsAMessageRegisteredTwiceOnce) {
    QObject w;
    HookTable table;
    table.hookWindow(&w);
    table.hookMessage(&w, WindowMessage::MouseLeave, HookPhase::After);
    table.hookMessage(&w, WindowMessage::MouseLeave, HookPhase::After);
    hookBoth(table, &w, WindowMessage::Activate);
    table.hookMessage(&w, WindowMessage::NcActivate, HookPhase::Before);
    const HookEntry& entry = table.entries()[0];
    EXPECT_EQ(entry.afterList, (std::vector<WindowMessage>{WindowMessage::MouseLeave, WindowMessage::Activate}));
    EXPECT_EQ(entry.beforeList, (std::vector<WindowMessage>{WindowMessage::Activate, WindowMessage::NcActivate}));
}

TEST(HookTable, WindowsNeverHookedAreLeftAlone) {
    std::vector<std::string> log;
    Window hooked(log), stranger(log);
    LoggingTable t("t", log);
    t.table.hookWindow(&hooked);
    t.table.hookMessage(&hooked, WindowMessage::Activate, HookPhase::After);

    t.table.unhookWindow(&stranger);
    t.table.hookMessage(&stranger, WindowMessage::Activate, HookPhase::After);
    EXPECT_EQ(t.table.entries().size(), 1u);
    activate(&stranger);
    activate(&hooked);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "default", "t after 6 1"}));
}

// Each window numbers its own links: a table hooking two windows must still
// hear each window only for the messages it registered there.
TEST(HookTable, EachWindowDeliversOnlyWhatWasRegisteredForIt) {
    std::vector<std::string> log;
    Window parent(log), own(log);
    LoggingTable t("t", log);
    t.table.hookWindow(&own);
    t.table.hookMessage(&own, WindowMessage::MouseLeave, HookPhase::After);
    t.table.hookWindow(&parent);
    t.table.hookMessage(&parent, WindowMessage::Activate, HookPhase::After);
    activate(&own);
    activate(&parent, false);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "default", "t after 6 0"}));

    log.clear();
    send(&own, QEvent::Leave);  // not armed: no message
    requestMouseLeave(&own);
    send(&own, QEvent::Leave);
    send(&own, QEvent::Leave);  // one message per request
    EXPECT_EQ(log, std::vector<std::string>{"t after 675 0"});
}

TEST(HookDelivery, ButtonsHearActivationAsActiveOrNotAndThePointerLeaving) {
    std::vector<bool> states;
    int left = 0;
    HookProcedure procedure = buttonProcedure([&](bool active) { states.push_back(active); }, [&] { ++left; });
    for (auto [message, wParam] : {std::pair{WindowMessage::Activate, 1}, {WindowMessage::NcActivate, 0},
                                   {WindowMessage::Activate, 0x10000}, {WindowMessage::MouseLeave, 1}}) {
        HookCall call{HookPhase::After};
        call.message = message;
        call.wParam = wParam;
        procedure(call);
    }
    EXPECT_EQ(states, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(left, 1);
}

TEST(HookDelivery, RunsBeforeThenDefaultThenAfter) {
    std::vector<std::string> log;
    Window w(log);
    LoggingTable t("t", log);
    t.table.hookWindow(&w);
    hookBoth(t.table, &w, WindowMessage::Activate);
    activate(&w);
    EXPECT_EQ(log, (std::vector<std::string>{"t before 6 1", "default", "t after 6 1"}));
}

TEST(HookDelivery, HandledInTheBeforePhaseSkipsDefaultAndAfter) {
    std::vector<std::string> log;
    Window w(log);
    LoggingTable t("t", log);
    t.table.hookWindow(&w);
    hookBoth(t.table, &w, WindowMessage::Activate);
    t.onCall = [](HookCall& call) { call.handled = call.phase == HookPhase::Before; };
    activate(&w);
    EXPECT_EQ(log, std::vector<std::string>{"t before 6 1"});
}

// Each table behaves as one more window procedure wrapped around the window:
// the newest sees a message first before default processing and last after
// it, and what it changes before is what the older ones see.
TEST(HookDelivery, SeveralTablesOnOneWindowNestLikeChainedProcedures) {
    std::vector<std::string> log;
    Window w(log);
    LoggingTable first("first", log), second("second", log);
    for (LoggingTable* t : {&first, &second}) {
        t->table.hookWindow(&w);
        hookBoth(t->table, &w, WindowMessage::Activate);
    }
    second.onCall = [](HookCall& call) {
        if (call.phase == HookPhase::Before) call.wParam = 5;
    };
    activate(&w);
    EXPECT_EQ(log, (std::vector<std::string>{"second before 6 1", "first before 6 5", "default", "first after 6 5",
                                             "second after 6 5"}));
}

TEST(HookDelivery, RemovingOneTablesHooksInAnyOrderKeepsTheOthers) {
    std::vector<std::string> log;
    Window w(log);
    LoggingTable a("a", log), b("b", log), c("c", log);
    for (LoggingTable* t : {&a, &b, &c}) {
        t->table.hookWindow(&w);
        t->table.hookMessage(&w, WindowMessage::Activate, HookPhase::After);
    }
    b.table.unhookWindow(&w);
    activate(&w);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "a after 6 1", "c after 6 1"}));

    log.clear();
    a.table.unhookWindow(&w);
    activate(&w);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "c after 6 1"}));

    log.clear();
    b.table.hookWindow(&w);
    b.table.hookMessage(&w, WindowMessage::Activate, HookPhase::After);
    activate(&w);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "c after 6 1", "b after 6 1"}));
}

TEST(HookDelivery, AHookRemovedDuringDeliveryIsNotCalledAgain) {
    std::vector<std::string> log;
    Window w(log);
    LoggingTable older("older", log);
    auto newer = std::make_unique<LoggingTable>("newer", log);
    LoggingTable* raw = newer.get();
    for (LoggingTable* t : {&older, raw}) {
        t->table.hookWindow(&w);
        hookBoth(t->table, &w, WindowMessage::Activate);
    }
    // The newer table's own handler destroys it; the older one removes its hook.
    raw->onCall = [&](HookCall& call) {
        if (call.phase == HookPhase::Before) newer.reset();
    };
    older.onCall = [&](HookCall& call) {
        if (call.phase == HookPhase::Before) older.table.unhookWindow(&w);
    };
    activate(&w);
    EXPECT_EQ(log, (std::vector<std::string>{"newer before 6 1", "older before 6 1", "default"}));

    log.clear();
    activate(&w);
    EXPECT_EQ(log, std::vector<std::string>{"default"});
}

TEST(HookDelivery, AWindowDestroyedBeforeItsTableIsUnhookedSafely) {
    std::vector<std::string> log;
    LoggingTable t("t", log);
    auto w = std::make_unique<QObject>();
    QObject* address = w.get();
    t.table.hookWindow(address);
    t.table.hookMessage(address, WindowMessage::Activate, HookPhase::After);
    w.reset();
    t.table.unhookWindow(address);
    EXPECT_EQ(t.table.findSlot(address, false), -1);
}

}  // namespace
