// A 64-page declaration, every line filled with its own employee and computed by the program's own code, open
// in the shown main window: one keystroke's recompute chain on its last page, and the preview, printing to
// PDF and the export of the declaration file as the user meets them just after opening it (the pages not
// shown yet are made on the way); the peak memory of the process once it was previewed. Opening the
// declaration again for the next round is not timed.
#include "BenchProgram.h"

#include "printing/PreviewFormF.h"
#include "printing/XPrinters.h"
#include "vcl/Printers.h"

#include <QApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace
{

Bench::TProgram *TheProgram = nullptr;

TApdData *OpenSixtyFourPages(bool Again = false)
{
    static QString path;
    if (path.isEmpty()) {
        path = TheProgram->FilePath(QStringLiteral("64.vapd"));
        Bench::MakeDocument(64, path);
    }
    if (Again || !Main->Document || Main->FileControl1->FileName() != path) {
        Main->OpenDocument(path);
        Bench::TProgram::Paint();
    }
    return Main->Document;
}

// Accounting days typed on the last line of the last page: the line's earnings and contributions, then the
// window's totals over all pages.
void BM_KeystrokeRecomputeOnPage64(benchmark::State &state)
{
    TApdData *w = OpenSixtyFourPages();
    TEmployFrame *p = w->Pages(63);
    int days = 0;
    for (auto _ : state)
        p->DayCount43_3->SetValue(1 + days++ % 5);
    state.counters["earnings"] = double(w->ApodoxesTotal->Value().ToDouble());
}
BENCHMARK(BM_KeystrokeRecomputeOnPage64)->Unit(benchmark::kMicrosecond);

void BM_Preview64PagesAfterOpen_OpenUntimed(benchmark::State &state)
{
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TApdData *w = OpenSixtyFourPages(true);
        state.ResumeTiming();
        QTimer::singleShot(0, [] { PreviewForm->aClose->Execute(); });
        w->Preview();
        pages = PreviewForm->DocPreview1->DocPrinter()->PageCount();
    }
    state.counters["pages"] = pages;
    state.counters["peak_MiB"] = Bench::PeakMemoryMiB();
}
BENCHMARK(BM_Preview64PagesAfterOpen_OpenUntimed)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Print64PagesToPdfAfterOpen_OpenUntimed(benchmark::State &state)
{
    QPrinter *p = Printer()->QtPrinter();
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(TheProgram->FilePath(QStringLiteral("64.pdf")));
    p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                 QPageLayout::Millimeter));
    QString printed;
    for (auto _ : state) {
        state.PauseTiming();
        TApdData *w = OpenSixtyFourPages(true);
        // Every job to a file writes a new file; the last one is measured.
        QFile::remove(printed);
        state.ResumeTiming();
        printed = w->Print(QStringLiteral("64"));
    }
    state.counters["bytes"] = double(QFile(printed).size());
}
BENCHMARK(BM_Print64PagesToPdfAfterOpen_OpenUntimed)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Export64PagesAfterOpen_OpenUntimed(benchmark::State &state)
{
    TApdExportOptions o;
    o.NameParts[0] = QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε.");
    o.Path = TheProgram->FilePath(QStringLiteral("csc01"));
    o.SubmissionDate = EncodeDate(2003, 2, 10);
    for (auto _ : state) {
        state.PauseTiming();
        TApdData *w = OpenSixtyFourPages(true);
        state.ResumeTiming();
        w->ExportWith(o);
    }
    state.counters["bytes"] = double(QFile(o.Path).size());
}
BENCHMARK(BM_Export64PagesAfterOpen_OpenUntimed)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return Bench::RunBenchmarks(argc, argv, TheProgram);
}
