// The data module with the shipped reference tables (bin/APDData of the build): the whole start-up
// (structure check of two tables, opening all eight cursors), and the lookups an employee line makes.
#include "declaration/APDDataModuleF.h"
#include "vcl/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace
{

// A program folder with a copy of the shipped tables.
struct ShippedData {
    QTemporaryDir Dir;
    bool Ok = false;
    ShippedData()
    {
        const QDir source(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/APDData"));
        QDir().mkpath(Dir.filePath(QStringLiteral("APDData")));
        int copied = 0;
        for (const QString &f : source.entryList(QDir::Files))
            copied += QFile::copy(source.filePath(f), Dir.filePath(QStringLiteral("APDData/") + f)) ? 1 : 0;
        Ok = copied >= 6;
    }
};

ShippedData &Data()
{
    static ShippedData data;
    return data;
}

void BM_OpenDataModule(benchmark::State &state)
{
    if (!Data().Ok) {
        state.SkipWithError("build the shipped tables first (bin/APDData)");
        return;
    }
    SetMessageDlgHandler([](const TMessageDlgRequest &) -> TModalResult { return mrOk; });
    for (auto _ : state) {
        TAPDDataModule module(nullptr, Data().Dir.path());
        if (!module.tbConPhase->Active())
            state.SkipWithError("start-up failed");
        benchmark::DoNotOptimize(module.tbPayment->RecordCount());
    }
}
BENCHMARK(BM_OpenDataModule)->Unit(benchmark::kMillisecond);

void BM_WageAndRates(benchmark::State &state)
{
    if (!Data().Ok) {
        state.SkipWithError("build the shipped tables first (bin/APDData)");
        return;
    }
    TAPDDataModule module(nullptr, Data().Dir.path());
    static const char *const codes[] = {"933110 ", "933120 ", "933130 "};
    int i = 0;
    for (auto _ : state) {
        const Currency wage = module.GetWage(QString::fromLatin1(codes[i % 3]), QString::number(i % 8),
                                             (i & 1) ? QStringLiteral("ΕΓΓΑΜΟΣ") : QStringLiteral("ΑΓΑΜΟΣ"));
        float employee = 0, employer = 0;
        const bool found = module.GetContributionRates(QStringLiteral("781"), employee, employer);
        benchmark::DoNotOptimize(wage);
        benchmark::DoNotOptimize(found);
        ++i;
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_WageAndRates)->Iterations(10000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
