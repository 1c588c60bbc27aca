// The program's start-up up to its first shown window: the data module over a copy of the shipped tables,
// the main window with its first document, the preview window, the pickers, the disk label and the report
// form; then the main window shown and painted. Run with QT_QPA_PLATFORM=offscreen on a headless machine.
#include "app/MainF.h"
#include "app/Program.h"
#include "platform/Registry.h"
#include "vcl/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

struct ProgramFolder {
    QTemporaryDir Dir;
    bool Ok = false;
    ProgramFolder()
    {
        const QDir source(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/APDData"));
        QDir().mkpath(Dir.filePath(QStringLiteral("APDData")));
        int copied = 0;
        for (const QString &f : source.entryList(QDir::Files))
            copied += QFile::copy(source.filePath(f), Dir.filePath(QStringLiteral("APDData/") + f)) ? 1 : 0;
        Ok = copied >= 6;
        TRegistry::SetStorageFolder(Dir.filePath(QStringLiteral("registry")));
    }
};

void BM_StartUpToFirstWindow(benchmark::State &state)
{
    static ProgramFolder folder;
    if (!folder.Ok) {
        state.SkipWithError("build the shipped tables first (bin/APDData)");
        return;
    }
    SetMessageDlgHandler([](const TMessageDlgRequest &) -> TModalResult { return mrOk; });
    const QStringList args{QStringLiteral("DovraApd")};
    TMain::SetArguments(&args);
    Program::InitializeApplication();
    for (auto _ : state) {
        Program::CreateForms(folder.Dir.path());
        Main->Show();
        Main->Peer()->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        Main->Peer()->hide();
        Program::DestroyForms();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

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
