// Cost of painting buttons: one wide button, and a whole main window's worth.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QJsonObject>
#include <memory>
#include <vector>

#include "xpbutton/ButtonRenderer.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

ccXPButton* loadedButton(QWidget* window, int w, int h, const QString& caption) {
    auto* b = new ccXPButton(window);
    b->setGeometry(0, 0, w, h);
    b->readProperties(qm::PropertyBag(QJsonObject{{"caption", caption}}));
    return b;
}

void BM_BodyOnly177x25(benchmark::State& state) {
    QImage image(177, 25, QImage::Format_RGB32);
    const qm::ButtonPalette palette = qm::defaultButtonPalette();
    for (auto _ : state) {
        qm::paintButtonBody(image, qm::Hot, palette, 0xFFECE9D8);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BodyOnly177x25);

void BM_DrawButton177x25(benchmark::State& state) {
    QWidget window;
    ccXPButton* b = loadedButton(&window, 177, 25, "Add Google Search Bar");
    int look = qm::Normal;
    for (auto _ : state) {
        b->drawButton(look);
        benchmark::DoNotOptimize(b->surface().constBits());  // the pixels are painted when looked at
        look = look == qm::Hot ? qm::Normal : look + 1;
    }
}
BENCHMARK(BM_DrawButton177x25);

// Sizes and captions of the main window's buttons, in pixels.
void BM_RedrawFortyButtons(benchmark::State& state) {
    const struct { int w, h; const char* caption; } kinds[] = {
        {81, 21, "Refresh"}, {57, 21, "Make"},        {89, 25, "Live Preview"},
        {177, 25, "Add Hyperlink"}, {81, 25, "Bold"}, {57, 25, "Hide"},
        {129, 25, "Background Colour"}, {161, 25, "Add BackGround Image"},
        {73, 25, "Colours"}, {65, 25, "Add"},
    };
    QWidget window;
    std::vector<ccXPButton*> buttons;
    for (int i = 0; i < 40; ++i) {
        const auto& k = kinds[i % std::size(kinds)];
        buttons.push_back(loadedButton(&window, k.w, k.h, k.caption));
    }
    for (auto _ : state)
        for (ccXPButton* b : buttons) {
            b->drawButton(qm::Normal);
            benchmark::DoNotOptimize(b->surface().constBits());
        }
}
BENCHMARK(BM_RedrawFortyButtons)->Unit(benchmark::kMicrosecond);

}  // namespace
