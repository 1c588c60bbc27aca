// Printing a 64-page box tree: recorded as picture pages for the preview, and printed to PDF.
#include "printing/XPrinters.h"
#include "printing/XVCLPrinters.h"
#include "vcl/ComCtrls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Printers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

TXFrame *NewBox(TComponent *owner, TWinControl *parent, TAlign align, int w, int h, const QString &caption = {},
                const QString &hint = {})
{
    auto *b = new TXFrame(owner);
    b->SetParent(parent);
    b->SetAlign(align);
    b->SetHorzSize(w);
    b->SetVertSize(h);
    b->SetBorders(TXFrameBorderStyle(rsLeft | rsTop | rsRight | rsBottom));
    b->SetCaption(caption);
    b->SetExtraHint(hint);
    return b;
}

// A root with a header and a footer on every page and a tabbed body of 64 sheets, each a box of 40 rows
// of 4 titled value boxes (about 10,000 boxes in all).
TXFrame *BuildDocument(TComponent *owner)
{
    TXFrame *root = NewBox(owner, nullptr, alNone, 1750, 2700);
    root->SetForceNewPage(true);
    NewBox(owner, root, alTop, 1750, 150, QStringLiteral("ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ"))
        ->SetHeaderFooter(true);
    NewBox(owner, root, alBottom, 1750, 80, QStringLiteral("Υπογραφή εργοδότη"))->SetHeaderFooter(true);
    TXFrame *body = NewBox(owner, root, alClient, 1750, 100);
    body->SetForceNewPage(true);
    auto *pc = new TPageControl(owner);
    pc->SetParent(body);
    for (int s = 0; s < 64; ++s) {
        auto *sheet = new TTabSheet(owner);
        sheet->SetPageControl(pc);
        TXFrame *page = NewBox(owner, sheet, alClient, 1750, 2400);
        page->DisableAlign();
        for (int row = 0; row < 40; ++row) {
            TXFrame *line = NewBox(owner, page, alTop, 1750, 55);
            line->SetTabOrder(row);
            for (int col = 0; col < 4; ++col) {
                TXFrame *b = NewBox(owner, line, col == 3 ? alClient : alLeft, 430, 55,
                                    QStringLiteral("%1").arg((s * 40 + row) * 4 + col),
                                    QStringLiteral("  ΑΡ.ΜΗΤΡ.|  (%1)").arg(col + 1));
                b->SetTabOrder(col);
            }
        }
        page->EnableAlign();
    }
    return root;
}

int PrintTree(TDocPrinter &doc, TXFrame *root)
{
    doc.BeginDoc(QStringLiteral("bench"));
    root->PrintInit(MapingUnits[mpLoMetricMaping]);
    for (;;) {
        IPage *page = doc.GetCurrentPage();
        TRect r = page->GetPageRect();
        root->PrintArrange(r);
        root->Print(page);
        if (!root->IsPrinting())
            break;
        doc.NewPage();
    }
    doc.EndDoc();
    return doc.PageCount();
}

struct TSetup {
    QTemporaryDir Dir;
    TComponent Owner{nullptr};
    TXFrame *Root;
    TSetup() : Root((InitXVCLPrinters(), BuildDocument(&Owner)))
    {
        QPrinter *p = Printer()->QtPrinter();
        p->setOutputFormat(QPrinter::PdfFormat);
        // APD_KEEP_PRINTOUT names a folder that keeps the printout for a look.
        const QString folder = qEnvironmentVariable("APD_KEEP_PRINTOUT", Dir.path());
        p->setOutputFileName(QDir(folder).filePath(QStringLiteral("bench.pdf")));
        p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
    }
};

void BM_Record64PagesAsMetafiles(benchmark::State &state)
{
    TSetup setup;
    int pages = 0;
    for (auto _ : state) {
        TEMFPrinter doc;
        pages = PrintTree(doc, setup.Root);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_Record64PagesAsMetafiles)->Unit(benchmark::kMillisecond);

void BM_Print64PagesToPdf(benchmark::State &state)
{
    TSetup setup;
    int pages = 0;
    QString printed;
    for (auto _ : state) {
        // Every job to a file writes a new file; the last one stays for a look.
        QFile::remove(printed);
        TLPTPrinter doc;
        pages = PrintTree(doc, setup.Root);
        printed = doc.FileName();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_Print64PagesToPdf)->Unit(benchmark::kMillisecond);

// What the preview does on every page change or zoom: read a recorded page and draw it at screen size.
void BM_ShowRecordedPage(benchmark::State &state)
{
    TSetup setup;
    TEMFPrinter doc;
    PrintTree(doc, setup.Root);
    QImage image(794, 1123, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        TPicture picture;
        static_cast<TEMFPage *>(doc.Pages(10))->LoadInto(&picture);
        QPainter painter(&image);
        picture.Graphic()->Draw(painter, QRectF(0, 0, 794, 1123));
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_ShowRecordedPage)->Unit(benchmark::kMillisecond);

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
