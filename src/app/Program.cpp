#include "Program.h"

#include "ApdDataF.h"
#include "EmployerFrameF.h"
#include "HtmlHelpApi.h"
#include "HtmlHelpViewer.h"
#include "MainF.h"
#include "NameRoller.h"
#include "XForms/DataSetPopupF.h"
#include "declaration/APDDataModuleF.h"
#include "declaration/DiskLabelF.h"
#include "declaration/PopupKodikosEidikotitasF.h"
#include "declaration/PopupTyposApodoxonF.h"
#include "declaration/TyposAPDPopupF.h"
#include "declaration/eApdOptionsF.h"
#include "declaration/eApdReportF.h"
#include "printing/PreviewFormF.h"
#include "printing/PrintingUnits.h"
#include "vcl/Canvas.h"
#include "vcl/CommandIcons.h"
#include "db/DBTables.h"
#include "platform/Platform.h"
#include "vcl/ComponentStream.h"

#include <QGuiApplication>
#include <QLocale>

namespace Program
{
namespace
{
// Creates an object owned by the application and stores it in its global, as the application object's
// form creation does.
template <class T> void CreateForm(T *&Global)
{
    Global = new T(Application());
}
} // namespace

void InitializeUnits()
{
    static const bool done = [] {
        InitializePrintingUnits();
        RegisterClasses<TEmployFrame, TNameRoller>();
        LoadHtmlHelp();
        HtmlHelpViewerInitialization();
        // The classes the first window's streams name beyond those registered by now: its own, the data
        // module's and the document's.
        PrepareClassPlans({&TAPDDataModule::staticMetaObject, &TDatabase::staticMetaObject, &TTable::staticMetaObject,
                           &TDataSource::staticMetaObject, &TStringField::staticMetaObject,
                           &TSmallintField::staticMetaObject, &TIntegerField::staticMetaObject,
                           &TFloatField::staticMetaObject, &TCurrencyField::staticMetaObject,
                           &TDateField::staticMetaObject, &TBooleanField::staticMetaObject,
                           &TStringList::staticMetaObject, &TMain::staticMetaObject,
                           &TActionMainMenuBar::staticMetaObject, &TActionToolBar::staticMetaObject,
                           &TFileControl::staticMetaObject, &TOpenDialog::staticMetaObject,
                           &TPageSetupDialog::staticMetaObject, &TAction::staticMetaObject,
                           &TApdData::staticMetaObject});
        return true;
    }();
    (void)done;
}

void FinalizeUnits()
{
    FinishClassPlans();
    HtmlHelpViewerFinalization();
    UnloadHtmlHelp();
    FinalizePrintingUnits();
}

bool SetGreekLocale()
{
    const QLocale current;
    if (current.language() == QLocale::Greek && current.territory() == QLocale::Greece)
        return false;
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    return true;
}

void InitializeApplication()
{
    // The heading's pictures are the first document's; their fonts are found while the windows are made.
    PreloadFonts(TApdData::ArtworkFiles());
    PrepareCommandPictures();
    Platform::CheckQtDialogSettings();
    Application()->Initialize();
    Application()->SetTitle(Title);
    // The main window's caption already carries the title; the window system must not repeat it.
    QGuiApplication::setApplicationDisplayName(QString());
}

void CreateForms(const QString &UserFolder)
{
    APDDataModule = new TAPDDataModule(Application(), UserFolder);
    CreateForm(Main);
    Application()->SetMainForm(Main);
    // The preview window and the pickers are made at their first use, which nobody sees: the main window
    // is up sooner. The options dialog, the disk label and the report form of start-up are never used
    // (each export, label and printout makes its own), so they are not made at all.
}

namespace
{
template <class T> void FreeForm(T *&Global)
{
    T *object = Global;
    Global = nullptr;
    delete object;
}
} // namespace

void DestroyForms()
{
    Application()->SetMainForm(nullptr);
    FreeForm(eApdReport);
    FreeForm(DiskLabel);
    FreeForm(eApdOptions);
    FreeForm(TyposAPDPopup);
    FreeForm(DataSetPopup);
    FreeForm(PopupKodikosEidikotitas);
    FreeForm(PopupTyposApodoxon);
    FreeForm(PreviewForm);
    // The main window goes while the data module still stands: its document is bound to the module.
    FreeForm(Main);
    FreeForm(APDDataModule);
}
} // namespace Program
