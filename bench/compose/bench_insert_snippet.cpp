#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <map>

#include "compose/PageSource.h"

using namespace qm;

namespace {

// A page source of about `bytes` characters in lines of HTML-like text.
QString pageOfSize(qsizetype bytes) {
    const QString line = QStringLiteral("<font color=\"#000000\" size=\"3\">Some text on the page</font><BR>\n");
    QString text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes) text += line;
    return text;
}

// Shown page fields built once per size and use: filling 10 MB is not what we
// time, and the insertions must not grow the page that pageSource() reads.
enum class Use { Insert, InsertAndPaint, Read };

QPlainTextEdit* shownField(qsizetype bytes, Use use) {
    static std::map<std::pair<qsizetype, Use>, QPlainTextEdit*> fields;
    QPlainTextEdit*& field = fields[{bytes, use}];
    if (!field) {
        field = new QPlainTextEdit;
        field->resize(313, 251);
        field->setPlainText(pageOfSize(bytes));
        field->show();
        QApplication::processEvents();
    }
    return field;
}

void caretToMiddle(QPlainTextEdit* field) {
    QTextCursor cursor = field->textCursor();
    cursor.setPosition(field->document()->characterCount() / 2);
    field->setTextCursor(cursor);
}

void BM_InsertSnippet(benchmark::State& state) {
    QPlainTextEdit* field = shownField(state.range(0), Use::Insert);
    caretToMiddle(field);
    for (auto _ : state) {
        replaceSelection(field, QStringLiteral("<BR>\r\n"));
        field->setFocus(Qt::OtherFocusReason);
    }
}
BENCHMARK(BM_InsertSnippet)->Arg(10'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);

// The same with the repaint the user waits for.
void BM_InsertSnippetAndPaint(benchmark::State& state) {
    QPlainTextEdit* field = shownField(state.range(0), Use::InsertAndPaint);
    caretToMiddle(field);
    for (auto _ : state) {
        replaceSelection(field, QStringLiteral("<BR>\r\n"));
        field->setFocus(Qt::OtherFocusReason);
        field->viewport()->repaint();
    }
}
BENCHMARK(BM_InsertSnippetAndPaint)->Arg(10'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);

void BM_PageSource(benchmark::State& state) {
    QPlainTextEdit* field = shownField(state.range(0), Use::Read);
    for (auto _ : state) benchmark::DoNotOptimize(pageSource(field));
}
BENCHMARK(BM_PageSource)->Arg(10'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

void BM_CrLfText(benchmark::State& state) {
    const QString raw = shownField(state.range(0), Use::Read)->document()->toRawText();
    for (auto _ : state) benchmark::DoNotOptimize(crlfText(raw));
}
BENCHMARK(BM_CrLfText)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
