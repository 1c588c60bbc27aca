// Creating, laying out and painting one employee page's worth of form boxes (250).
#include "XForms/XForms.h"
#include "vcl/Forms.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace
{

// 50 rows of 5 boxes: titles, borders, value texts, a combo button on every fifth box.
TXFrame *BuildPage(TForm *form)
{
    auto *root = new TXFrame(form);
    root->SetParent(form);
    root->DisableAlign();
    root->SetHorzSize(1750);
    root->SetVertSize(2750);
    root->SetBorders(TXFrameBorderStyle(rsLeft | rsTop | rsRight | rsBottom));
    int boxes = 1;
    for (int row = 0; boxes < 250; ++row) {
        auto *line = new TXFrame(form);
        line->SetParent(root);
        line->SetAlign(alTop);
        line->SetVertSize(55);
        line->SetTabOrder(row);
        ++boxes;
        for (int col = 0; col < 4 && boxes < 250; ++col, ++boxes) {
            auto *b = new TXFrame(form);
            b->SetParent(line);
            b->SetAlign(col == 3 ? alClient : alLeft);
            b->SetHorzSize(400);
            b->SetBorders(TXFrameBorderStyle(rsLeft | rsTop));
            b->SetExtraHint(QStringLiteral("  ΑΡ.ΜΗΤΡ.|  (%1)").arg(col + 1));
            b->SetCaption(QStringLiteral("%1").arg(row * 4 + col));
            b->SetDropDownButton(col == 1);
            b->SetTabOrder(col);
        }
    }
    root->EnableAlign();
    return root;
}

void BM_CreateLayoutPaint250Boxes(benchmark::State &state)
{
    QImage image(700, 1100, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        TForm form(nullptr);
        form.SetBounds(0, 0, 700, 1100);
        TXFrame *root = BuildPage(&form);
        QPainter p(&image);
        root->Peer()->render(&p);
        p.end();
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_CreateLayoutPaint250Boxes)->Unit(benchmark::kMillisecond);

void BM_Paint250Boxes(benchmark::State &state)
{
    QImage image(700, 1100, QImage::Format_ARGB32_Premultiplied);
    TForm form(nullptr);
    form.SetBounds(0, 0, 700, 1100);
    TXFrame *root = BuildPage(&form);
    for (auto _ : state) {
        QPainter p(&image);
        root->Peer()->render(&p);
        p.end();
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_Paint250Boxes)->Unit(benchmark::kMillisecond);

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
