// Start-up as the user waits for it: a whole new process, from its start to the first paint of its main
// window: the program empty, the program with a 64-page declaration named on its command line, and the
// yardstick (a Qt main window with a menu bar, a tool bar and a Greek line, maximised); and File > Exit with
// that declaration open, from the command to the end of the process. They run on the platform
// QT_QPA_PLATFORM names (offscreen when unset; run under Xvfb with QT_QPA_PLATFORM=xcb for a real window);
// outside/measure.sh times the same from outside the program. Compare the medians: the program at most 1.5
// times the yardstick, the program with the declaration at most 1.5 times the empty program.
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
    QString Declaration;
    TProgramFolder()
    {
        const QDir source(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/APDData"));
        QDir().mkpath(Dir.filePath(QStringLiteral("APDData")));
        int copied = 0;
        for (const QString &f : source.entryList(QDir::Files))
            copied += QFile::copy(source.filePath(f), Dir.filePath(QStringLiteral("APDData/") + f)) ? 1 : 0;
        Declaration = Dir.filePath(QStringLiteral("64.vapd"));
        Ok = copied >= 6 &&
             QProcess::execute(QCoreApplication::applicationDirPath() + QStringLiteral("/make_declaration"),
                               {QStringLiteral("64"), Declaration}) == 0;
    }
};

TProgramFolder &Folder()
{
    static TProgramFolder folder;
    return folder;
}

// Runs the program until it reports its first paint; the seconds that took, or a negative number. With
// UntilEnd, the seconds from the first paint to the end of the process instead.
double Time(const QString &Program, const QStringList &Arguments, bool UntilEnd = false)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(QCoreApplication::applicationDirPath() + u'/' + Program, Arguments);
    QByteArray out;
    while (!out.contains("painted") && process.waitForReadyRead(30000))
        out += process.readAllStandardOutput();
    if (!out.contains("painted")) {
        process.kill();
        process.waitForFinished(30000);
        return -1;
    }
    double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (UntilEnd) {
        clock.restart();
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return -1;
        seconds = double(clock.nsecsElapsed()) / 1e9;
    }
    process.waitForFinished(30000);
    return seconds;
}

void Run(benchmark::State &state, const QString &Program, const QStringList &Arguments, bool UntilEnd = false)
{
    if (Program != QLatin1String("startup_yardstick") && !Folder().Ok) {
        state.SkipWithError("build the shipped tables and make_declaration first");
        return;
    }
    for (auto _ : state) {
        const double seconds = Time(Program, Arguments, UntilEnd);
        if (seconds < 0) {
            state.SkipWithError("the program did not paint its window or end");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_ProgramToFirstPaint(benchmark::State &state)
{
    Run(state, QStringLiteral("startup_program"), {Folder().Dir.path()});
}
BENCHMARK(BM_ProgramToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void BM_ProgramWith64PageDeclarationToFirstPaint(benchmark::State &state)
{
    Run(state, QStringLiteral("startup_program"), {Folder().Dir.path(), Folder().Declaration});
}
BENCHMARK(BM_ProgramWith64PageDeclarationToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void BM_YardstickToFirstPaint(benchmark::State &state)
{
    Run(state, QStringLiteral("startup_yardstick"), {});
}
BENCHMARK(BM_YardstickToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void BM_FileExitWith64PageDeclarationToProcessEnd(benchmark::State &state)
{
    Run(state, QStringLiteral("startup_program"), {Folder().Dir.path(), Folder().Declaration, QStringLiteral("--exit")},
        true);
}
BENCHMARK(BM_FileExitWith64PageDeclarationToProcessEnd)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

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
