// A 64-page declaration: opened from its file, saved, previewed and exported as the declaration file.
#include "app/ApdDataF.h"
#include "app/EmployerFrameF.h"
#include "printing/PreviewFormF.h"
#include "printing/XPrinters.h"
#include "vcl/Dialogs.h"
#include "vcl/Printers.h"

#include <QApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace
{

// A header and 64 pages of three filled lines each.
void Fill(TApdData &w)
{
    w.typeApdCode->SetCaption(QStringLiteral("01 "));
    w.DbLookupXFrame10->SetCaption(QStringLiteral("061"));
    w.DbLookupXFrame1->SetCaption(QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε."));
    w.frameAMOE->SetCaption(QStringLiteral("0123456789"));
    w.frameAFM->SetCaption(QStringLiteral("094000000"));
    while (w.PageControl1->PageCount() < 64)
        w.AddPage();
    for (int i = 0; i < 64; ++i) {
        TEmployFrame *p = w.Pages(i);
        TEmployDbBox *reg[] = {p->XFrame22a, p->XFrame22b, p->XFrame22c};
        TEmployDbBox *surname[] = {p->DbLookupXFrame21, p->DbLookupXFrame12, p->DbLookupXFrame3};
        TXCurrencyFrame *earn[] = {p->Apodoxes1, p->Apodoxes2, p->Apodoxes3};
        TXCurrencyFrame *tot[] = {p->EisforesTotal1, p->EisforesTotal2, p->EisforesTotal3};
        for (int k = 0; k < 3; ++k) {
            reg[k]->SetCaption(QString::number(100000000 + i * 3 + k));
            surname[k]->SetCaption(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
            earn[k]->SetValue(Currency::FromInt(860));
            tot[k]->SetValue(Currency::FromInt(258));
        }
    }
}

struct TSetup {
    QTemporaryDir Dir;
    QString Path;
    TSetup()
    {
        QPrinter *p = Printer()->QtPrinter();
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(Dir.filePath(QStringLiteral("bench.pdf")));
        p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
        Path = Dir.filePath(QStringLiteral("64.vapd"));
        TApdData w(nullptr);
        Fill(w);
        w.SaveToFile(Path);
    }
};

void BM_Open64PageDeclaration(benchmark::State &state)
{
    TSetup setup;
    for (auto _ : state) {
        TApdData w(nullptr);
        w.LoadFromFile(setup.Path);
        benchmark::DoNotOptimize(w.PageControl1->PageCount());
    }
    state.counters["bytes"] = double(QFile(setup.Path).size());
}
BENCHMARK(BM_Open64PageDeclaration)->Unit(benchmark::kMillisecond);

void BM_Save64PageDeclaration(benchmark::State &state)
{
    TSetup setup;
    TApdData w(nullptr);
    w.LoadFromFile(setup.Path);
    const QString out = setup.Dir.filePath(QStringLiteral("out.vapd"));
    for (auto _ : state)
        w.SaveToFile(out);
}
BENCHMARK(BM_Save64PageDeclaration)->Unit(benchmark::kMillisecond);

void BM_Preview64PageDeclaration(benchmark::State &state)
{
    TSetup setup;
    TApdData w(nullptr);
    w.LoadFromFile(setup.Path);
    int pages = 0;
    for (auto _ : state) {
        QTimer::singleShot(0, [] { PreviewForm->aClose->Execute(); });
        w.Preview();
        pages = PreviewForm->DocPreview1->DocPrinter()->PageCount();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_Preview64PageDeclaration)->Unit(benchmark::kMillisecond);

void BM_Export64PageDeclaration(benchmark::State &state)
{
    TSetup setup;
    TApdData w(nullptr);
    w.LoadFromFile(setup.Path);
    TApdExportOptions o;
    o.NameParts[0] = QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε.");
    o.Path = setup.Dir.filePath(QStringLiteral("csc01"));
    o.SubmissionDate = EncodeDate(2003, 2, 10);
    for (auto _ : state)
        w.ExportWith(o);
    state.counters["bytes"] = double(QFile(o.Path).size());
}
BENCHMARK(BM_Export64PageDeclaration)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
