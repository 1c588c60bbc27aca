// What the user waits for with a declaration in the main window: opening it (read, placed in the shown
// window, painted), saving it, closing it, adding a page at the end; for 1, 16 and 64 pages. Documents
// beyond the page limit: how the building of pages grows to 256, and how fast such files are refused.
#include "BenchProgram.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace
{

Bench::TProgram *TheProgram = nullptr;

QString Document(int Pages)
{
    static QHash<int, QString> made;
    auto it = made.constFind(Pages);
    if (it != made.constEnd())
        return *it;
    const QString path = TheProgram->FilePath(QStringLiteral("%1.vapd").arg(Pages));
    Bench::MakeDocument(Pages, path);
    made.insert(Pages, path);
    return path;
}

// Not inlined, so that a profiler can be pointed at what is timed.
[[gnu::noinline]] void CloseDocument()
{
    Main->SetDocument(nullptr);
    Bench::TProgram::Paint();
}

[[gnu::noinline]] void Open(const QString &Path)
{
    Main->OpenDocument(Path);
    Bench::TProgram::Paint();
}

void BM_OpenInMainWindow(benchmark::State &state)
{
    const QString path = Document(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        CloseDocument();
        state.ResumeTiming();
        Open(path);
    }
    state.counters["pages"] = Main->Document ? Main->Document->PageCount() : 0;
    state.counters["earnings"] = Main->Document ? double(Main->Document->ApodoxesTotal->Value().ToDouble()) : 0.0;
}
BENCHMARK(BM_OpenInMainWindow)->Arg(1)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveFromMainWindow(benchmark::State &state)
{
    const QString path = Document(int(state.range(0)));
    Open(path);
    const QString out = TheProgram->FilePath(QStringLiteral("saved.vapd"));
    for (auto _ : state)
        Main->SaveDocument(out);
    state.counters["bytes"] = double(QFile(out).size());
}
BENCHMARK(BM_SaveFromMainWindow)->Arg(1)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CloseInMainWindow(benchmark::State &state)
{
    const QString path = Document(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Open(path);
        state.ResumeTiming();
        CloseDocument();
    }
}
BENCHMARK(BM_CloseInMainWindow)->Arg(1)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();

// Add page with 63 pages open: the 64th page appears, is shown and painted.
void BM_AddPageAt64(benchmark::State &state)
{
    Open(Document(63));
    for (auto _ : state) {
        Main->aInsertPage->Execute();
        Bench::TProgram::Paint();
        state.PauseTiming();
        if (Main->Document->PageCount() != 64)
            state.SkipWithError("no page added");
        Main->Document->PageControl1->SetActivePageIndex(63);
        Main->Document->DeletePage();
        Bench::TProgram::Paint();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddPageAt64)->Unit(benchmark::kMillisecond)->UseRealTime();

// A document read straight into a window placed in the main window, past the page limit that opening a
// document enforces.
[[gnu::noinline]] void ReadIntoMainWindow(const QByteArray &Data)
{
    auto *doc = new TApdData(nullptr);
    ReadComponent(Data, doc);
    Main->SetDocument(doc);
    Bench::TProgram::Paint();
}

QByteArray DocumentBytes(int Pages)
{
    QFile file(Document(Pages));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Opening and closing beyond the page limit: the cost must grow in proportion to the pages.
void BM_ReadPagesInMainWindow(benchmark::State &state)
{
    const QByteArray data = DocumentBytes(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        CloseDocument();
        state.ResumeTiming();
        ReadIntoMainWindow(data);
    }
    state.counters["pages"] = Main->Document->PageCount();
}
BENCHMARK(BM_ReadPagesInMainWindow)->Arg(64)->Arg(128)->Arg(256)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ClosePagesInMainWindow(benchmark::State &state)
{
    const QByteArray data = DocumentBytes(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        ReadIntoMainWindow(data);
        state.ResumeTiming();
        CloseDocument();
    }
}
BENCHMARK(BM_ClosePagesInMainWindow)->Arg(64)->Arg(128)->Arg(256)->Unit(benchmark::kMillisecond)->UseRealTime();

// A file of far more pages than a declaration holds, opened through the main window: refused with a message
// (answered at once), the open document left as it was.
void BM_RefuseOversizedDocument(benchmark::State &state)
{
    const QString path = TheProgram->FilePath(QStringLiteral("oversized.vapd"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(DocumentOfPages(int(state.range(0))));
        state.counters["bytes"] = double(f.size());
    }
    Open(Document(1));
    for (auto _ : state)
        Open(path);
    state.counters["pages"] = Main->Document->PageCount();
}
BENCHMARK(BM_RefuseOversizedDocument)->Arg(5000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return Bench::RunBenchmarks(argc, argv, TheProgram);
}
