// Start-up as the user waits for it: a whole new process, from its start to the first paint of its main
// window; the program (over a copy of the shipped tables) beside the smallest Qt Widgets program that shows
// one main window. Both run on the platform QT_QPA_PLATFORM names (offscreen when unset; run under Xvfb with
// QT_QPA_PLATFORM=xcb for a real window). Compare the medians: the program should take at most 1.5 times as
// long as the yardstick; a window with one line of Greek text shows what fonts alone cost.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

struct TProgramFolder {
    QTemporaryDir Dir;
    bool Ok = false;
    TProgramFolder()
    {
        const QDir source(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/APDData"));
        QDir().mkpath(Dir.filePath(QStringLiteral("APDData")));
        int copied = 0;
        for (const QString &f : source.entryList(QDir::Files))
            copied += QFile::copy(source.filePath(f), Dir.filePath(QStringLiteral("APDData/") + f)) ? 1 : 0;
        Ok = copied >= 6;
    }
};

// Runs the program until it reports its first paint; the seconds that took, or a negative number.
double TimeToFirstPaint(const QString &Program, const QStringList &Arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(QCoreApplication::applicationDirPath() + u'/' + Program, Arguments);
    QByteArray out;
    while (!out.contains("painted") && process.waitForReadyRead(30000))
        out += process.readAllStandardOutput();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    process.waitForFinished(30000);
    return out.contains("painted") ? seconds : -1;
}

void Run(benchmark::State &state, const QString &Program, const QStringList &Arguments)
{
    for (auto _ : state) {
        const double seconds = TimeToFirstPaint(Program, Arguments);
        if (seconds < 0) {
            state.SkipWithError("the program did not paint its window");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_ProgramToFirstPaint(benchmark::State &state)
{
    static TProgramFolder folder;
    if (!folder.Ok) {
        state.SkipWithError("build the shipped tables first (bin/APDData)");
        return;
    }
    Run(state, QStringLiteral("startup_program"), {folder.Dir.path()});
}
BENCHMARK(BM_ProgramToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void BM_MinimalWindowToFirstPaint(benchmark::State &state)
{
    Run(state, QStringLiteral("startup_minimal"), {});
}
BENCHMARK(BM_MinimalWindowToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The smallest window that shows text: what fonts alone add.
void BM_GreekLabelWindowToFirstPaint(benchmark::State &state)
{
    Run(state, QStringLiteral("startup_label"), {});
}
BENCHMARK(BM_GreekLabelWindowToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
