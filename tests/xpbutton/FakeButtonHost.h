#pragma once

#include <functional>
#include <vector>

#include "xpbutton/ButtonInput.h"

// Records what the input rules ask of their control.
struct FakeButtonHost : qm::ButtonHost {
    explicit FakeButtonHost(qm::ButtonFlags& f) : flags(f) {}

    void drawButton(int look) override {
        if (flags.drawLocked) return;
        flags.look = look;
        draws.push_back(look);
    }
    bool raiseClick() override {
        ++clicks;
        return true;
    }
    bool raiseDoubleClick() override {
        ++doubleClicks;
        return true;
    }
    bool raiseMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF) override {
        ++mouseMoves;
        return true;
    }
    void requestMouseLeave() override { ++leaveRequests; }
    void moveFocus(qm::FocusMove direction) override { focusMoves.push_back(direction); }
    bool processPendingEvents() override {
        ++pendingRuns;
        if (onPendingEvents) onPendingEvents();
        return true;
    }
    QSizeF clientSize() const override { return {width, height}; }

    qm::ButtonFlags& flags;
    std::vector<int> draws;
    int clicks = 0;
    int doubleClicks = 0;
    int mouseMoves = 0;
    int leaveRequests = 0;
    int pendingRuns = 0;
    std::vector<qm::FocusMove> focusMoves;
    std::function<void()> onPendingEvents;
    double width = 75;
    double height = 23;
};
