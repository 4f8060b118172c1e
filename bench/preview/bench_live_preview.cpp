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

PreviewForm* openForm() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<PreviewForm*>(w); form && form->isVisible()) return form;
    return nullptr;
}

void closeForm(PreviewForm* form) {
    QPointer<PreviewForm> gone = form;
    form->close();
    while (gone) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void pressToLoaded(benchmark::State& state) {
    QTemporaryDir dir;
    const qm::PreviewFolder folder{dir.path(), false};
    for (auto _ : state) {
        qm::livePreviewIn(folder, QString::fromLatin1(kBenchPage));
        PreviewForm* form = openForm();
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
