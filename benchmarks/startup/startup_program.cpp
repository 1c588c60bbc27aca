// The program's own start-up (as main.cpp runs it) over the program folder given as the first argument, with the
// document named by the second when there is one, up to the first paint of its main window.
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
    QStringList args{QStringLiteral("DovraApd")};
    if (argc > 2)
        args << QString::fromLocal8Bit(argv[2]);
    TMain::SetArguments(&args);
    Program::InitializeApplication();
    Program::CreateForms(folder);
    TFirstPaint watch(Main->Peer());
    Application()->Run();
    return 0;
}
