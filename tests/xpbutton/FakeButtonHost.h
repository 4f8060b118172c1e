#pragma once

#include <functional>
#include <vector>

#include "ButtonInput.h"

// Records what the input rules ask of their control.
struct FakeButtonHost : xp::ButtonHost {
    explicit FakeButtonHost(xp::ButtonFlags& f) : flags(f) {}

    void DrawButton(int state) override {
        if (flags.DrawLocked) return;
        flags.VisualState = state;
        draws.push_back(state);
    }
    bool raiseClick() override {
        ++clicks;
        return true;
    }
    bool raiseDblClick() override {
        ++dblClicks;
        return true;
    }
    bool raiseMouseMove(short, short, float, float) override {
        ++mouseMoves;
        return true;
    }
    void RequestMouseLeave() override { ++leaveRequests; }
    void moveFocus(xp::FocusMove direction) override { focusMoves.push_back(direction); }
    bool processPendingEvents() override {
        ++pendingRuns;
        if (onPendingEvents) onPendingEvents();
        return true;
    }
    double clientWidth() const override { return width; }
    double clientHeight() const override { return height; }

    xp::ButtonFlags& flags;
    std::vector<int> draws;
    int clicks = 0;
    int dblClicks = 0;
    int mouseMoves = 0;
    int leaveRequests = 0;
    int pendingRuns = 0;
    std::vector<xp::FocusMove> focusMoves;
    std::function<void()> onPendingEvents;
    double width = 75;
    double height = 23;
};
