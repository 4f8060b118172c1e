// The baseline: a plain browser view, linked in, loading the same kind of file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEngineView>
#include <memory>

#include "BenchPage.h"

namespace {

void viewToLoaded(benchmark::State& state) {
    QTemporaryDir dir;
    QFile file(dir.filePath("index.html"));
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(kBenchPage) + "\r\n") < 0) {
        state.SkipWithError("cannot write the page");
        return;
    }
    file.close();
    for (auto _ : state) {
        auto view = std::make_unique<QWebEngineView>();
        view->setFixedSize(480, 265);
        view->show();
        view->load(QUrl::fromLocalFile(file.fileName()));
        if (!waitForLoad(view.get())) state.SkipWithError("the view did not load");
        state.PauseTiming();
        view.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(viewToLoaded)->Name("BareView/first")->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(viewToLoaded)->Name("BareView/again")->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
