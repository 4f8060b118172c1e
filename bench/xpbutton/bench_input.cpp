// Cost of the button's input path: pointer moves that change nothing, a
// hover in and out, and an activation change passing forty buttons' hooks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QJsonObject>
#include <QMouseEvent>
#include <vector>

#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

ccXPButton* loadedButton(QWidget* window, int x) {
    auto* b = new ccXPButton(window);
    b->setGeometry(x, 0, 81, 25);
    b->readProperties(qm::PropertyBag(QJsonObject{{"caption", "Bold"}}));
    return b;
}

void moveTo(ccXPButton* b, QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, b->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(b, &move);
}

void activate(QWidget* window, bool active) {
    QEvent change(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
    QApplication::sendEvent(window, &change);
}

// Moves over a button that already looks hot draw nothing.
void BM_MoveOverHotButton(benchmark::State& state) {
    QWidget window;
    ccXPButton* b = loadedButton(&window, 0);
    activate(&window, true);
    moveTo(b, {10, 10});
    float x = 10;
    for (auto _ : state) {
        moveTo(b, {x, 10});
        x = x > 70 ? 10 : x + 1;
    }
}
BENCHMARK(BM_MoveOverHotButton);

void BM_HoverInAndOut(benchmark::State& state) {
    QWidget window;
    ccXPButton* b = loadedButton(&window, 0);
    activate(&window, true);
    for (auto _ : state) {
        moveTo(b, {10, 10});
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(b, &leave);
    }
}
BENCHMARK(BM_HoverInAndOut);

// One deactivation and one activation of a window holding forty buttons.
void BM_ActivationThroughFortyHooks(benchmark::State& state) {
    QWidget window;
    std::vector<ccXPButton*> buttons;
    for (int i = 0; i < 40; ++i) buttons.push_back(loadedButton(&window, i * 85));
    for (auto _ : state) {
        activate(&window, false);
        activate(&window, true);
    }
}
BENCHMARK(BM_ActivationThroughFortyHooks)->Unit(benchmark::kMicrosecond);

}  // namespace
