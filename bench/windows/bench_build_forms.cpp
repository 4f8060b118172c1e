#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>

#include "windows/Form.h"
#include "windows/FormBuilder.h"
#include "windows/Layout.h"

using namespace qm;

// Reading the main window's layout, the part of start-up that is ours alone.
static void BM_ParseMainWindowLayout(benchmark::State& state) {
    loadLayout(QStringLiteral(":/layouts/Form1.json"));  // registers the resources
    QFile file(QStringLiteral(":/layouts/Form1.json"));
    file.open(QIODevice::ReadOnly);
    const QByteArray json = file.readAll();
    for (auto _ : state) benchmark::DoNotOptimize(parseLayout(json, QStringLiteral("Form1.json")));
}
BENCHMARK(BM_ParseMainWindowLayout)->Unit(benchmark::kMicrosecond);

// The whole window: parse plus 65 widgets, before it is first shown.
static void BM_BuildMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        Form window(QStringLiteral(":/layouts/Form1.json"));
        benchmark::DoNotOptimize(window.controls().all().size());
    }
}
BENCHMARK(BM_BuildMainWindow)->Unit(benchmark::kMillisecond);

static void BM_BuildAboutWindow(benchmark::State& state) {
    for (auto _ : state) {
        Form window(QStringLiteral(":/layouts/Form3.json"));
        benchmark::DoNotOptimize(window.controls().all().size());
    }
}
BENCHMARK(BM_BuildAboutWindow)->Unit(benchmark::kMillisecond);
