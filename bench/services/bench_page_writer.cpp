// Make of a 10 MB page next to a plain write of the same bytes to the same folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <clocale>

#include <QFile>
#include <QTemporaryDir>

#include "services/PageWriter.h"

using namespace qm;

namespace {

const QString& bigPage() {
    static const QString page = [] {
        QString line = QStringLiteral("<B>Hello</B> <font color=\"#FF0000\">PSP</font><BR>\r\n");
        QString text;
        while (text.size() < 10 * 1024 * 1024) text += line;
        return text;
    }();
    return page;
}

void MakePage(benchmark::State& state) {
    QTemporaryDir folder(QStringLiteral("bench-XXXXXX"));
    for (auto _ : state) {
        if (!qm::writePageFile(folder.path() + "/index.html", bigPage()).ok)
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * bigPage().size());
}

void PlainWrite(benchmark::State& state, bool sync) {
    QTemporaryDir folder(QStringLiteral("bench-XXXXXX"));
    for (auto _ : state) {
        const QByteArray bytes = bigPage().toUtf8() + "\r\n";
        QFile file(folder.path() + "/index.html");
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) state.SkipWithError("open");
        file.write(bytes);
        file.flush();
        if (sync) ::fsync(file.handle());
    }
    state.SetBytesProcessed(state.iterations() * bigPage().size());
}

BENCHMARK(MakePage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlainWrite, with_fsync, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlainWrite, without_fsync, false)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setlocale(LC_ALL, "");  // as the program does at start
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
