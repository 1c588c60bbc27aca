// The program's entry point: locale, application object, the long-lived objects, the message loop.
#include "Program.h"

#include "declaration/APDDataModuleF.h"
#include "platform/Platform.h"
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
    Program::InitializeApplication();
    try {
        Program::CreateForms(Platform::UserFolder());
    } catch (const EHalt &) {
        // The user refused the conversion of the reference tables: no window is shown.
        Program::DestroyForms();
        Program::FinalizeUnits();
        return 0;
    }
    Application()->Run();
    Program::DestroyForms();
    // Whatever else the application object owns goes with it.
    Application()->DestroyComponents();
    Program::FinalizeUnits();
    return 0;
}
