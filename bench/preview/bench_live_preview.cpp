// From a "Live Preview" press to the page having loaded in the preview window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>

#include "BenchPage.h"
#include "preview/LivePreview.h"
#include "preview/PreviewForm.h"

using namespace qm;

namespace {

void closeForm(PreviewForm* form) {
    QPointer<PreviewForm> gone = form;
    form->close();
    while (gone) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void pressToLoaded(benchmark::State& state) {
    QTemporaryDir dir;
    qm::LivePreview preview(qm::VolumeScanner(), {dir.path(), false});
    for (auto _ : state) {
        preview.show(QString::fromLatin1(kBenchPage), QString());
        PreviewForm* form = preview.window();
        if (!form || !waitForLoad(form->browser())) state.SkipWithError("the preview did not load");
        state.PauseTiming();
        if (form) closeForm(form);
        state.ResumeTiming();
    }
}

// The first press also loads the module and starts the engine.
BENCHMARK(pressToLoaded)->Name("LivePreview/first")->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(pressToLoaded)->Name("LivePreview/again")->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
