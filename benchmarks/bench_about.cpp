// The About box's creation (the two credit-word enumerations, 720 and 5040 candidates) and one frame of
// its turning drum.
#include "app/AboutF.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace
{
void BM_AboutCreate(benchmark::State &state)
{
    for (auto _ : state) {
        TAbout about(nullptr);
        benchmark::DoNotOptimize(about.NameRoller1->Items()->Count());
    }
}
BENCHMARK(BM_AboutCreate)->Unit(benchmark::kMillisecond);

void BM_DrumFrame(benchmark::State &state)
{
    TAbout about(nullptr);
    about.NameRoller1->SetScroll(false);
    float p = 0;
    for (auto _ : state) {
        p += 0.12f;
        about.NameRoller1->DrawDrum(p);
    }
}
BENCHMARK(BM_DrumFrame)->Unit(benchmark::kMicrosecond);
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
