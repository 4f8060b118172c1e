#include <gtest/gtest.h>

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "MessageHook.h"

using namespace xp;

namespace {

// A table that writes every call it gets into a shared log as
// "<name> before|after <message>".
struct LoggingTable {
    LoggingTable(std::string n, std::vector<std::string>& l) : name(std::move(n)), log(l) {
        table.setProcedure([this](bool before, bool& handled, long& result, quintptr&, unsigned& message,
                                  quintptr& wParam, qintptr&) {
            log.push_back(name + (before ? " before " : " after ") + std::to_string(message));
            if (onCall) onCall(before, handled, result, wParam);
        });
    }
    std::string name;
    std::vector<std::string>& log;
    std::function<void(bool before, bool& handled, long& result, quintptr& wParam)> onCall;
    HookTable table;
};

long deliver(QObject* window, unsigned message, std::vector<std::string>& log, quintptr wParam = 0,
             quintptr* wParamSeen = nullptr) {
    return deliverMessage(window, message, wParam, 0, [&](unsigned, quintptr w, qintptr) -> long {
        log.push_back("default");
        if (wParamSeen) *wParamSeen = w;
        return 7;
    });
}

TEST(HookTable, FindsSlotsFromTheLastEntryDown) {
    QObject a, b, c, d;
    HookTable table;
    EXPECT_EQ(table.FindHookSlot(&a, false), -1);
    EXPECT_EQ(table.FindHookSlot(&a, true), -1);

    EXPECT_EQ(table.HookWindow(&a), 0);
    EXPECT_EQ(table.HookWindow(&b), 1);
    EXPECT_EQ(table.HookWindow(&c), 2);
    EXPECT_EQ(table.FindHookSlot(&b, false), 1);
    EXPECT_EQ(table.FindHookSlot(&d, false), -1);
    EXPECT_EQ(table.FindHookSlot(&d, true), -1);

    table.UnhookWindow(&a);
    table.UnhookWindow(&c);
    EXPECT_EQ(table.FindHookSlot(&a, false), -1);
    EXPECT_EQ(table.FindHookSlot(&d, true), 2);
    EXPECT_EQ(table.HookWindow(&d), 2);
    EXPECT_EQ(table.HookWindow(&a), 0);
    EXPECT_EQ(table.HookWindow(&c), 3);
    EXPECT_EQ(table.entries().size(), 4u);
}

TEST(HookTable, AddingAWindowAgainTakesAFreeEntryAndFindsTheLastOne) {
    QObject a;
    HookTable table;
    EXPECT_EQ(table.HookWindow(&a), 0);
    EXPECT_EQ(table.HookWindow(&a), 1);
    EXPECT_EQ(table.FindHookSlot(&a, false), 1);
    EXPECT_EQ(table.HookWindow(nullptr), -1);
}

TEST(HookTable, KeepsAMessageRegisteredTwiceOnce) {
    QObject w;
    HookTable table;
    table.HookWindow(&w);
    table.HookMessage(&w, MsgMouseLeave, HookAfter);
    table.HookMessage(&w, MsgMouseLeave, HookAfter);
    table.HookMessage(&w, MsgActivate, HookBoth);
    table.HookMessage(&w, MsgNcActivate, HookBefore);
    const HookEntry& entry = table.entries()[0];
    EXPECT_EQ(entry.afterList, (std::vector<unsigned>{MsgMouseLeave, MsgActivate}));
    EXPECT_EQ(entry.beforeList, (std::vector<unsigned>{MsgActivate, MsgNcActivate}));
}

TEST(HookTable, WindowsNeverHookedAreLeftAlone) {
    QObject hooked, stranger;
    std::vector<std::string> log;
    LoggingTable t("t", log);
    t.table.HookWindow(&hooked);
    t.table.HookMessage(&hooked, MsgActivate, HookAfter);

    t.table.UnhookWindow(&stranger);
    t.table.HookMessage(&stranger, MsgActivate, HookAfter);
    EXPECT_EQ(t.table.entries().size(), 1u);
    EXPECT_EQ(deliver(&stranger, MsgActivate, log), 7);
    EXPECT_EQ(deliver(&hooked, MsgActivate, log), 7);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "default", "t after 6"}));
}

TEST(HookDelivery, RunsBeforeThenDefaultThenAfter) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable t("t", log);
    t.table.HookWindow(&w);
    t.table.HookMessage(&w, MsgActivate, HookBoth);

    EXPECT_EQ(deliver(&w, MsgActivate, log), 7);
    EXPECT_EQ(deliver(&w, MsgMouseLeave, log), 7);
    EXPECT_EQ(log, (std::vector<std::string>{"t before 6", "default", "t after 6", "default"}));
}

TEST(HookDelivery, HandledInTheBeforePhaseSkipsDefaultAndAfter) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable t("t", log);
    t.table.HookWindow(&w);
    t.table.HookMessage(&w, MsgActivate, HookBoth);
    t.onCall = [](bool before, bool& handled, long& result, quintptr&) {
        if (before) {
            handled = true;
            result = 42;
        }
    };
    EXPECT_EQ(deliver(&w, MsgActivate, log), 42);
    EXPECT_EQ(log, std::vector<std::string>{"t before 6"});
}

TEST(HookDelivery, BeforeMayChangeParametersAndAfterMayReplaceTheResult) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable t("t", log);
    t.table.HookWindow(&w);
    t.table.HookMessage(&w, MsgActivate, HookBoth);
    t.onCall = [](bool before, bool&, long& result, quintptr& wParam) {
        if (before)
            wParam = 5;
        else
            result += 100;
    };
    quintptr seen = 0;
    EXPECT_EQ(deliver(&w, MsgActivate, log, 1, &seen), 107);
    EXPECT_EQ(seen, 5u);
}

// Each table behaves as one more window procedure wrapped around the window:
// the newest sees a message first before default processing and last after it.
TEST(HookDelivery, SeveralTablesOnOneWindowNestLikeChainedProcedures) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable first("first", log), second("second", log);
    for (LoggingTable* t : {&first, &second}) {
        t->table.HookWindow(&w);
        t->table.HookMessage(&w, MsgActivate, HookBoth);
    }
    deliver(&w, MsgActivate, log);
    EXPECT_EQ(log, (std::vector<std::string>{"second before 6", "first before 6", "default", "first after 6",
                                             "second after 6"}));
}

TEST(HookDelivery, RemovingOneTablesHooksInAnyOrderKeepsTheOthers) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable a("a", log), b("b", log), c("c", log);
    for (LoggingTable* t : {&a, &b, &c}) {
        t->table.HookWindow(&w);
        t->table.HookMessage(&w, MsgActivate, HookAfter);
    }
    b.table.UnhookWindow(&w);
    deliver(&w, MsgActivate, log);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "a after 6", "c after 6"}));

    log.clear();
    a.table.UnhookWindow(&w);
    deliver(&w, MsgActivate, log);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "c after 6"}));

    log.clear();
    b.table.HookWindow(&w);
    b.table.HookMessage(&w, MsgActivate, HookAfter);
    deliver(&w, MsgActivate, log);
    EXPECT_EQ(log, (std::vector<std::string>{"default", "c after 6", "b after 6"}));
}

TEST(HookDelivery, AHookRemovedDuringDeliveryIsNotCalledAgain) {
    QObject w;
    std::vector<std::string> log;
    LoggingTable older("older", log);
    auto newer = std::make_unique<LoggingTable>("newer", log);
    LoggingTable* raw = newer.get();
    for (LoggingTable* t : {&older, raw}) {
        t->table.HookWindow(&w);
        t->table.HookMessage(&w, MsgActivate, HookBoth);
    }
    // The newer table's own handler destroys it; the older one removes its hook.
    raw->onCall = [&](bool before, bool&, long&, quintptr&) {
        if (before) newer.reset();
    };
    older.onCall = [&](bool before, bool&, long&, quintptr&) {
        if (before) older.table.UnhookWindow(&w);
    };
    EXPECT_EQ(deliver(&w, MsgActivate, log), 7);
    EXPECT_EQ(log, (std::vector<std::string>{"newer before 6", "older before 6", "default"}));

    log.clear();
    deliver(&w, MsgActivate, log);
    EXPECT_EQ(log, std::vector<std::string>{"default"});
}

TEST(HookDelivery, AWindowDestroyedBeforeItsTableIsUnhookedSafely) {
    std::vector<std::string> log;
    LoggingTable t("t", log);
    auto w = std::make_unique<QObject>();
    QObject* address = w.get();
    t.table.HookWindow(address);
    t.table.HookMessage(address, MsgActivate, HookAfter);
    w.reset();
    t.table.UnhookWindow(address);
    EXPECT_EQ(t.table.FindHookSlot(address, false), -1);
}

}  // namespace
