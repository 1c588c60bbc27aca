// The employee page: creating a page from its form (the declaration window makes up to 64), setting the
// period of a page (six dates, three work-day counts), and one edit running down a line's chain.
#include "app/EmployerFrameF.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace
{

void BM_CreatePage(benchmark::State &state)
{
    for (auto _ : state) {
        TEmployFrame page(nullptr);
        benchmark::DoNotOptimize(page.ClientFrame);
    }
}
BENCHMARK(BM_CreatePage)->Unit(benchmark::kMillisecond);

void BM_SetPeriod(benchmark::State &state)
{
    TEmployFrame page(nullptr);
    int month = 0;
    for (auto _ : state)
        page.SetPeriod(EncodeDate(2003, 1 + (month++ % 12), 1));
}
BENCHMARK(BM_SetPeriod)->Unit(benchmark::kMicrosecond);

void BM_WageToEarnings(benchmark::State &state)
{
    TEmployFrame page(nullptr);
    page.SetPeriod(EncodeDate(2003, 1, 1));
    int64_t cents = 1000;
    for (auto _ : state)
        page.Payment1->SetValue(Currency::FromCents(++cents));
    benchmark::DoNotOptimize(page.Apodoxes1->Value());
}
BENCHMARK(BM_WageToEarnings)->Unit(benchmark::kMicrosecond);

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
