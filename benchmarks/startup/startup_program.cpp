// The program's own start-up (as main.cpp runs it) over the user folder given as the first argument, with
// the document named by the second when there is one, up to the first paint of its main window; it ends at
// once then. With "--exit" after them, File > Exit follows the first paint and the program ends as main.cpp
// ends it. It keeps no home of its own: it runs in the one bench_startup gives it.
#include "FirstPaint.h"

#include "app/MainF.h"
#include "app/Program.h"
#include "platform/Registry.h"
#include "vcl/Canvas.h"
#include "vcl/Forms.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Read while the libraries and the application object start: the first text measured needs it.
    StartFontConfigRead();
    Program::InitializeUnits();
    Program::SetGreekLocale();
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("DovraApd"));
    QStringList rest = QApplication::arguments().mid(1);
    const bool exit = rest.removeAll(QStringLiteral("--exit")) > 0;
    const QString folder = rest.value(0);
    // The registry of a benchmark run stays in its folder.
    TRegistry::SetStorageFolder(folder + QStringLiteral("/registry"));
    QStringList args{QStringLiteral("DovraApd")};
    if (rest.size() > 1)
        args << rest.at(1);
    TMain::SetArguments(&args);
    Program::InitializeApplication();
    Program::CreateForms(folder);
    std::function<void()> then;
    if (exit)
        then = [] { Main->aExit->Execute(); };
    TFirstPaint watch(Main->Peer(), then);
    Application()->Run();
    Program::DestroyForms();
    Application()->DestroyComponents();
    Program::FinalizeUnits();
    return 0;
}
