#include <gtest/gtest.h>

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "xpbutton/MessageHook.h"

using namespace qm;

namespace {

// A table that writes every call it gets into a shared log as
// "<name> before|after <message>".
struct LoggingTable {
    LoggingTable(std::string n, std::vector<std::string>& l) : name(std::move(n)), log(l) {
        table.setProcedure([this](HookCall& call) {
            const bool before = call.phase == HookPhase::Before;
            log.push_back(name + (before ? " before " : " after ") + std::to_string(unsigned(call.message)));
            if (onCall) onCall(call);
        });
    }
    std::string name;
    std::vector<std::string>& log;
    std::function<void(HookCall& call)> onCall;
    HookTable table;
};

long deliver(QObject* window, WindowMessage message, std::vector<std::string>& log, quintptr wParam = 0,
             quintptr* wParamSeen = nullptr) {
    return deliverMessage(window, message, wParam, 0, [&](WindowMessage, quintptr w, qintptr) -> long {
        log.push_back("default");
        if (wParamSeen) *wParamSeen = w;
        return 7;
    });
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
    table.hookMessage(&w, WindowMessage::Activate, HookPhase::Both);
    table.hookMessage(&w, WindowMessage::NcActivate, HookPhase::Before);
    const HookEntry& entry = table.entries()[0];
    EXPECT_EQ(entry.afterList, (std::vector<WindowMessage>{WindowMessage::MouseLeave, WindowMessage::Activate}));
    EXPECT_EQ(entry.beforeList, (std::vector<WindowMessage>{WindowMessage::Activate, WindowMessage::NcActivate}));
}

TEST(HookTable, WindowsNeverHookedAreLeftAlone) {
    QObject hooked, stranger;
    std::vector<std::string> log;
    LoggingTable t("t", log);
    t.table.hookWindow(&hooked);
    t.table.hookMessage(&hooked, WindowMessage::Activate, HookPhase::After);

    t.table.unhookWindow(&stranger);
    t.table.hookMessage(&stranger, WindowMessage::Activate, HookPhase::After);
    EXPECT_EQ(t.table.entries().size(), 1u);
    EXPECT_EQ(deliver(&stranger, WindowMessage::Activate, log), 7);
    EXPECT_EQ(deliver(&hooked, WindowMessage::Activate, log), 7);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "default", "t after 6"}));
}

TEST(HookDelivery, RunsBeforeThenDefaultThenAfter) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable t("t", log);
    t.table.hookWindow(&w);
    t.table.hookMessage(&w, WindowMessage::Activate, HookPhase::Both);

    EXPECT_EQ(deliver(&w, WindowMessage::Activate, log), 7);
    EXPECT_EQ(deliver(&w, WindowMessage::MouseLeave, log), 7);
    EXPECT_EQ(log, (std::vector<std::string>{"t before 6", "default", "t after 6", "default"}));
}

TEST(HookDelivery, HandledInTheBeforePhaseSkipsDefaultAndAfter) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable t("t", log);
    t.table.hookWindow(&w);
    t.table.hookMessage(&w, WindowMessage::Activate, HookPhase::Both);
    t.onCall = [](HookCall& call) {
        if (call.phase == HookPhase::Before) {
            call.handled = true;
            call.result = 42;
        }
    };
    EXPECT_EQ(deliver(&w, WindowMessage::Activate, log), 42);
    EXPECT_EQ(log, std::vector<std::string>{"t before 6"});
}

TEST(HookDelivery, BeforeMayChangeParametersAndAfterMayReplaceTheResult) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable t("t", log);
    t.table.hookWindow(&w);
    t.table.hookMessage(&w, WindowMessage::Activate, HookPhase::Both);
    t.onCall = [](HookCall& call) {
        if (call.phase == HookPhase::Before)
            call.wParam = 5;
        else
            call.result += 100;
    };
    quintptr seen = 0;
    EXPECT_EQ(deliver(&w, WindowMessage::Activate, log, 1, &seen), 107);
    EXPECT_EQ(seen, 5u);
}

// Each table behaves as one more window procedure wrapped around the window:
// the newest sees a message first before default processing and last after it.
TEST(HookDelivery, SeveralTablesOnOneWindowNestLikeChainedProcedures) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable first("first", log), second("second", log);
    for (LoggingTable* t : {&first, &second}) {
        t->table.hookWindow(&w);
        t->table.hookMessage(&w, WindowMessage::Activate, HookPhase::Both);
    }
    deliver(&w, WindowMessage::Activate, log);
    EXPECT_EQ(log, (std::vector<std::string>{"second before 6", "first before 6", "default", "first after 6",
                                             "second after 6"}));
}

TEST(HookDelivery, RemovingOneTablesHooksInAnyOrderKeepsTheOthers) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable a("a", log), b("b", log), c("c", log);
    for (LoggingTable* t : {&a, &b, &c}) {
        t->table.hookWindow(&w);
        t->table.hookMessage(&w, WindowMessage::Activate, HookPhase::After);
    }
    b.table.unhookWindow(&w);
    deliver(&w, WindowMessage::Activate, log);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "a after 6", "c after 6"}));

    log.clear();
    a.table.unhookWindow(&w);
    deliver(&w, WindowMessage::Activate, log);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "c after 6"}));

    log.clear();
    b.table.hookWindow(&w);
    b.table.hookMessage(&w, WindowMessage::Activate, HookPhase::After);
    deliver(&w, WindowMessage::Activate, log);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "c after 6", "b after 6"}));
}

TEST(HookDelivery, AHookRemovedDuringDeliveryIsNotCalledAgain) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable older("older", log);
    auto newer = std::make_unique<LoggingTable>("newer", log);
    LoggingTable* raw = newer.get();
    for (LoggingTable* t : {&older, raw}) {
        t->table.hookWindow(&w);
        t->table.hookMessage(&w, WindowMessage::Activate, HookPhase::Both);
    }
    // The newer table's own handler destroys it; the older one removes its hook.
    raw->onCall = [&](HookCall& call) {
        if (call.phase == HookPhase::Before) newer.reset();
    };
    older.onCall = [&](HookCall& call) {
        if (call.phase == HookPhase::Before) older.table.unhookWindow(&w);
    };
    EXPECT_EQ(deliver(&w, WindowMessage::Activate, log), 7);
    EXPECT_EQ(log, (std::vector<std::string>{"newer before 6", "older before 6", "default"}));

    log.clear();
    deliver(&w, WindowMessage::Activate, log);
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
