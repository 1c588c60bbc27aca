// The declaration file printed as text: page texts built from the records, and a 300-line declaration
// (100 employee pages) printed to PDF with its accompanying form; and the disk label.
#include "declaration/ApdFile.h"
#include "declaration/DiskLabelF.h"
#include "declaration/eApdReportF.h"
#include "printing/XVCLPrinters.h"
#include "vcl/Printers.h"

#include <QApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

void FillFile(TApdFile &file, int lines)
{
    char *r = file.HeaderRecord.data();
    PutDigits(QStringLiteral("01"), r + 15, 2);
    PutText(QStringLiteral("ΔΟΜΙΚΗ ΑΤΕ"), r + 70, 80, QString());
    PutText(QStringLiteral("ΑΝΕΓΕΡΣΗ ΤΡΙΩΡΟΦΗΣ ΟΙΚΟΔΟΜΗΣ"), r + 305, 100, QString());
    PutDigits(QStringLiteral("98765"), r + 415, 10);
    PutAmount(Currency::FromCents(123456789), r + 535, 12);
    for (int i = 0; i < lines; ++i) {
        TEmployeeRecord e;
        TInsuranceRecord ins;
        e.fill(' ');
        ins.fill(' ');
        PutText(QStringLiteral("2"), e.data(), 1, QString());
        PutInt(1000 + (i * 7919) % 5000, e.data() + 1, 9);
        PutText(QStringLiteral("ΚΩΝΣΤΑΝΤΙΝΙΔΗΣ"), e.data() + 21, 50, QString());
        PutText(QStringLiteral("ΣΤΑΥΡΟΣ"), e.data() + 71, 30, QString());
        PutDateText(QStringLiteral("5/11/1970"), e.data() + 161, 8);
        PutText(QStringLiteral("3"), ins.data(), 1, QString());
        PutDigits(QStringLiteral("01"), ins.data() + 34, 2);
        PutAmount(Currency::FromCents(133763), ins.data() + 48, 10);
        PutAmount(Currency::FromCents(58462), ins.data() + 82, 11);
        file.AddRecord(e, ins);
    }
}

struct TPdfPrinter {
    QTemporaryDir Dir;
    TPdfPrinter()
    {
        InitXVCLPrinters();
        QPrinter *p = Printer()->QtPrinter();
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(Dir.filePath(QStringLiteral("bench.pdf")));
        p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
    }
};

void BM_BuildPageTexts300Lines(benchmark::State &state)
{
    TApdFile file;
    FillFile(file, 300);
    for (auto _ : state) {
        TApdStrings s;
        WriteAccompanyingForm(s, file.HeaderRecord);
        for (int i = 0; i < file.Count(); ++i) {
            if (i % 2 == 1)
                WritePageHeader(s, file.HeaderRecord, i / 2 + 1, 152);
            WriteEmployeeBlock(s, file.Records(i).EmployeeRecord, file.Records(i).InsuranceRecord);
        }
        WriteStopStatement(s);
        benchmark::DoNotOptimize(s.Text().size());
    }
}
BENCHMARK(BM_BuildPageTexts300Lines)->Unit(benchmark::kMillisecond);

void BM_Print300LinesToPdf(benchmark::State &state)
{
    TPdfPrinter pdf;
    TApdFile file;
    FillFile(file, 300);
    for (auto _ : state) {
        // Every job to a file writes a new file: each iteration's go.
        QStringList written;
        file.Print(true, true, {}, 9, QStringLiteral("Courier New"), &written);
        for (const QString &printed : written)
            QFile::remove(printed);
    }
    state.counters["sheets"] = 1 + 300 / 2 + 2;
}
BENCHMARK(BM_Print300LinesToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintDiskLabelToPdf(benchmark::State &state)
{
    TPdfPrinter pdf;
    TFont font;
    for (auto _ : state)
        QFile::remove(
            ShowDiskLabel(QStringLiteral("0000098765"), QStringLiteral("012345678"), QStringLiteral("02/2024"), &font));
}
BENCHMARK(BM_PrintDiskLabelToPdf)->Unit(benchmark::kMillisecond);

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
