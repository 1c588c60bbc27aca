// What the user waits for with a declaration in the main window, through the commands the user has: File >
// Open of a declaration while another is open (the one open is closed too, as the user waits for it), File >
// New with a declaration open, one change then File > Save, Ctrl+Ins at page 63; for 1 to 64 pages, so
// that the growth with the pages shows. The file dialog is answered at once. A step a benchmark does not
// time is named in its name. A file of far more pages than a declaration holds is refused.
#include "BenchProgram.h"

#include "vcl/StdDialogs.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace
{

Bench::TProgram *TheProgram = nullptr;

// Declarations of Pages pages, two files of each, so that opening one always replaces the other.
QString Document(int Pages, int Copy = 0)
{
    static QHash<int, QString> made;
    const int key = Pages * 2 + Copy;
    auto it = made.constFind(key);
    if (it != made.constEnd())
        return *it;
    const QString path = TheProgram->FilePath(QStringLiteral("%1-%2.vapd").arg(Pages).arg(Copy));
    Bench::MakeDocument(Pages, path);
    made.insert(key, path);
    return path;
}

// The file dialog, answered with Path as the user would pick it.
class TDialogAnswer
{
public:
    explicit TDialogAnswer(const QString &Path)
    {
        FPrevious = SetCommonDialogHandler([Path](TComponent *Dialog) {
            auto *d = qobject_cast<TOpenDialog *>(Dialog);
            if (!d)
                return false;
            d->SetFileName(Path);
            return true;
        });
    }
    ~TDialogAnswer() { SetCommonDialogHandler(FPrevious); }
    TDialogAnswer(const TDialogAnswer &) = delete;
    TDialogAnswer &operator=(const TDialogAnswer &) = delete;

private:
    TCommonDialogHandler FPrevious;
};

// A command as the menu runs it, and the window painted afterwards. Not inlined, so that a profiler can be
// pointed at what is timed.
[[gnu::noinline]] void Run(TAction *Command)
{
    Command->Execute();
    Bench::TProgram::Paint();
}

[[gnu::noinline]] void FileOpen(const QString &Path)
{
    TDialogAnswer answer(Path);
    Run(Main->aOpen);
}

void BM_FileOpenReplacingAnotherDeclaration(benchmark::State &state)
{
    const int pages = int(state.range(0));
    const QString paths[2] = {Document(pages, 0), Document(pages, 1)};
    FileOpen(paths[1]);
    int n = 0;
    for (auto _ : state)
        FileOpen(paths[n++ % 2]);
    state.counters["pages"] = Main->Document ? Main->Document->PageCount() : 0;
    state.counters["earnings"] = Main->Document ? double(Main->Document->ApodoxesTotal->Value().ToDouble()) : 0.0;
}
BENCHMARK(BM_FileOpenReplacingAnotherDeclaration)
    ->Arg(1)
    ->Arg(16)
    ->Arg(32)
    ->Arg(64)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One box typed into, then File > Save: the document is written over its file, with its backups.
void BM_OneChangeThenFileSave(benchmark::State &state)
{
    const QString path = TheProgram->FilePath(QStringLiteral("saved-%1.vapd").arg(state.range(0)));
    QFile::remove(path);
    QFile::copy(Document(int(state.range(0))), path);
    FileOpen(path);
    int n = 0;
    for (auto _ : state) {
        Main->Document->xEidosErgou->SetCaption(QStringLiteral("ΑΝΕΓΕΡΣΗ ΠΟΛΥΚΑΤΟΙΚΙΑΣ %1").arg(++n));
        Run(Main->aSave);
    }
    if (Main->FileControl1->Modified())
        state.SkipWithError("the document was not saved");
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(BM_OneChangeThenFileSave)->Arg(1)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();

// File > New with a declaration open: the declaration closed, the new one made and painted. Opening the
// declaration again for the next round is not timed.
void BM_FileNewWithDeclarationOpen_OpenUntimed(benchmark::State &state)
{
    const QString path = Document(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        FileOpen(path);
        state.ResumeTiming();
        Run(Main->aNew);
    }
    state.counters["pages"] = Main->Document ? Main->Document->PageCount() : 0;
}
BENCHMARK(BM_FileNewWithDeclarationOpen_OpenUntimed)
    ->Arg(1)
    ->Arg(16)
    ->Arg(64)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Ctrl+Ins with 63 pages open: the 64th page appears, is shown and painted. Deleting it again for the next
// round is not timed.
void BM_AddPage63To64_DeleteUntimed(benchmark::State &state)
{
    FileOpen(Document(63));
    for (auto _ : state) {
        Run(Main->aInsertPage);
        state.PauseTiming();
        if (Main->Document->PageCount() != 64)
            state.SkipWithError("no page added");
        Main->Document->PageControl1->SetActivePageIndex(63);
        Main->Document->DeletePage();
        Bench::TProgram::Paint();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddPage63To64_DeleteUntimed)->Unit(benchmark::kMillisecond)->UseRealTime();

// A file of far more pages than a declaration holds, opened through File > Open: refused with a message
// (answered at once), the open document left as it was.
void BM_FileOpenRefusesOversizedDocument(benchmark::State &state)
{
    const QString path = TheProgram->FilePath(QStringLiteral("oversized.vapd"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(DocumentOfPages(int(state.range(0))));
        state.counters["bytes"] = double(f.size());
    }
    FileOpen(Document(1));
    for (auto _ : state)
        FileOpen(path);
    state.counters["pages"] = Main->Document->PageCount();
}
BENCHMARK(BM_FileOpenRefusesOversizedDocument)->Arg(5000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return Bench::RunBenchmarks(argc, argv, TheProgram);
}
