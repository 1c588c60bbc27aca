// Recomputing a declaration's amounts: 300 amount boxes take new values (rounded to cents, text rebuilt,
// change notified), and typed amounts and dates are read back.
#include "XForms/XDateFrame.h"
#include "vcl/Forms.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace
{

void BM_Set300Amounts(benchmark::State &state)
{
    TForm form(nullptr);
    auto *notifier = new TXFrameNotifier(&form);
    int changes = 0;
    notifier->OnChange = [&](TObject *, TXFrame *) { ++changes; };
    std::vector<TXCurrencyFrame *> boxes;
    for (int i = 0; i < 300; ++i) {
        auto *b = new TXCurrencyFrame(&form);
        b->SetParent(&form);
        b->SetNotifier(notifier);
        boxes.push_back(b);
    }
    int64_t round = 0;
    for (auto _ : state) {
        ++round;
        for (size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->SetValue(Currency::FromDouble((round * 1000 + int64_t(i)) * 1.2345L));
    }
    benchmark::DoNotOptimize(changes);
    state.SetItemsProcessed(state.iterations() * 300);
}
BENCHMARK(BM_Set300Amounts)->Unit(benchmark::kMicrosecond);

void BM_ReadTypedTexts(benchmark::State &state)
{
    TFormatSettings fs = GreekFormatSettings();
    for (auto _ : state) {
        benchmark::DoNotOptimize(StrToAmount(QStringLiteral("1.234.567,89 €"), fs));
        benchmark::DoNotOptimize(StrToDateFormat(QStringLiteral("07/03/2005"), QStringLiteral("dd/mm/yyyy"), fs));
        benchmark::DoNotOptimize(StrToInteger(QStringLiteral("-1234")));
    }
}
BENCHMARK(BM_ReadTypedTexts)->Unit(benchmark::kMicrosecond);

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
