// The program's own start-up (as main.cpp runs it) over the user folder given as the first argument, up
// to the first paint of its main window. It ends at once then, so it keeps no home of its own: it runs in
// the one bench_startup runs in.
#include "FirstPaint.h"

#include "app/MainF.h"
#include "app/Program.h"
#include "platform/Registry.h"
#include "vcl/Forms.h"

#include <QApplication>

int main(int argc, char **argv)
{
    Program::InitializeUnits();
    Program::SetGreekLocale();
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("DovraApd"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    // The registry of a benchmark run stays in its folder.
    TRegistry::SetStorageFolder(folder + QStringLiteral("/registry"));
    const QStringList args{QStringLiteral("DovraApd")};
    TMain::SetArguments(&args);
    Program::InitializeApplication();
    Program::CreateForms(folder);
    TFirstPaint watch(Main->Peer());
    Application()->Run();
    return 0;
}
