// The program as the user meets it, for the benchmarks: a program folder with the shipped reference tables
// and a few employees, the long-lived forms created as start-up creates them, the main window shown; and
// declarations made by the program's own code, every box of every line filled and computed.
#pragma once

#include "support/DocumentOfPages.h"
#include "app/ApdDataF.h"
#include "app/EmployerFrameF.h"
#include "app/MainF.h"
#include "app/Program.h"
#include "declaration/APDDataModuleF.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "vcl/ComponentStream.h"
#include "vcl/Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace Bench
{

inline QString ShippedTables()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/APDData");
}

class TProgram
{
public:
    TProgram()
    {
        QDir().mkpath(Dir.filePath(QStringLiteral("APDData")));
        const QDir source(ShippedTables());
        int copied = 0;
        for (const QString &f : source.entryList(QDir::Files))
            copied += QFile::copy(source.filePath(f), Dir.filePath(QStringLiteral("APDData/") + f)) ? 1 : 0;
        Ok = copied >= 6;
        if (!Ok)
            return;
        TRegistry::SetStorageFolder(Dir.filePath(QStringLiteral("registry")));
        Platform::SetRecentDocsFile(Dir.filePath(QStringLiteral("recently-used.xbel")));
        // Questions are answered as the user who goes on would: a page is deleted when asked, changes are
        // not saved when the document is replaced, the advised page count and a refused file are passed by.
        SetMessageDlgHandler([](const TMessageDlgRequest &r) -> TModalResult {
            if (r.Msg.startsWith(QStringLiteral("Θέλετε να διαγράψετε")))
                return mrYes;
            if (r.Buttons.Contains(mbNo))
                return mrNo;
            return mrIgnore;
        });
        static const QStringList args{QStringLiteral("DovraApd")};
        TMain::SetArguments(&args);
        Program::InitializeApplication();
        Program::CreateForms(Dir.path());
        AddEmployees();
        Main->Show();
        Paint();
    }
    ~TProgram()
    {
        if (Ok)
            Program::DestroyForms();
    }
    TProgram(const TProgram &) = delete;
    TProgram &operator=(const TProgram &) = delete;

    QString FilePath(const QString &Name) const { return Dir.filePath(Name); }

    // The events a command caused handled and what it changed in the main window painted, as the event loop
    // paints it (layouts settled first, then the changed parts once).
    static void Paint() { QCoreApplication::processEvents(); }

    // One for every line of a 64-page declaration.
    static constexpr int Employees = 192;
    static QString RegisterNumber(int i) { return QString::number(100000000 + 7919 * i); }

    QTemporaryDir Dir;
    bool Ok = false;

private:
    static void AddEmployees()
    {
        TTable *t = APDDataModule->tbEmployers;
        if (t->ReadOnly()) {
            t->Close();
            t->SetReadOnly(false);
        }
        t->Open();
        const char *specialties[] = {"933110", "933120", "933130"};
        const char *packages[] = {"781", "781", "218"};
        for (int i = 0; i < Employees; ++i) {
            t->Append();
            auto set = [t](const char *field, const QVariant &v) {
                t->FieldByName(QString::fromUtf8(field))->SetValue(v);
            };
            set("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.", RegisterNumber(i));
            set("Α.Μ.Κ.Α.", QString::number(10107012345LL + i));
            set("ΕΠΩΝΥΜΟ", QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ %1").arg(i));
            set("ΟΝΟΜΑ", QStringLiteral("ΝΙΚΟΛΑΟΣ"));
            set("ΟΝΟΜΑ ΠΑΤΡΟΣ", QStringLiteral("ΓΕΩΡΓΙΟΣ"));
            set("ΟΝΟΜΑ ΜΗΤΡΟΣ", QStringLiteral("ΜΑΡΙΑ"));
            set("ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ", EncodeDate(1940 + i % 60, 1 + i % 12, 1 + i % 28));
            set("Α.Φ.Μ.", QString::number(12345678 + i * 1111));
            set("ΕΓΓΑΜΟΣ", i % 2 == 0);
            set("ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ", i % 4);
            set("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ", QString::fromUtf8(specialties[i % 3]));
            set("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ", QString::fromUtf8(packages[i % 3]));
            t->Post();
        }
    }
};

// The header filled as the user types it.
inline void FillHeader(TApdData &w)
{
    w.SetTypeApd(QStringLiteral("01 (Κανονική)"));
    w.DbLookupXFrame10->SetCaption(QStringLiteral("061"));
    w.DbLookupXFrame9->SetCaption(QStringLiteral("ΚΑΛΛΙΘΕΑΣ"));
    w.DbLookupXFrame1->SetCaption(QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε."));
    w.DbLookupXFrame3->SetCaption(QStringLiteral("ΘΗΣΕΩΣ"));
    w.DbLookupXFrame2->SetCaption(QStringLiteral("12"));
    w.DbLookupXFrame5->SetCaption(QStringLiteral("17671"));
    w.DbLookupXFrame4->SetCaption(QStringLiteral("ΚΑΛΛΙΘΕΑ"));
    w.xEidosErgou->SetCaption(QStringLiteral("ΑΝΕΓΕΡΣΗ ΠΟΛΥΚΑΤΟΙΚΙΑΣ"));
    w.frameAME->SetCaption(QStringLiteral("1234567"));
    w.frameAMOE->SetCaption(QStringLiteral("0123456789"));
    w.frameAFM->SetCaption(QStringLiteral("094000000"));
    w.xOdosErgou->SetCaption(QStringLiteral("ΣΥΓΓΡΟΥ"));
    w.xArOdouErgou->SetCaption(QStringLiteral("150"));
    w.xTKErgou->SetCaption(QStringLiteral("17121"));
    w.xPoliErgou->SetCaption(QStringLiteral("ΝΕΑ ΣΜΥΡΝΗ"));
}

// Every line of the page: an employee picked from the table (boxes 22 to 31, 33 and 35, which compute
// 34, 39, 40, 41 and 44 to 46), then the boxes typed by hand: 21, 32, 38, 42 and 43.
inline void FillPage(TEmployFrame *p, int first)
{
    TTable *t = APDDataModule->tbEmployers;
    TDbLookupXFrame *mother[] = {p->DbLookupXFrame24, p->DbLookupXFrame15, p->DbLookupXFrame6};
    TDbLookupXFrame *branch[] = {p->Frame21C, p->Frame21D, p->Frame21E};
    TXIntegerFrame *sundays[] = {p->XIntegerFrame1, p->XIntegerFrame2, p->XIntegerFrame3};
    TXFrame *type[] = {p->XFrame131, p->XFrame132, p->XFrame475};
    TDbLookupXFrame *phase[] = {p->DbLookupXFrame9, p->DbLookupXFrame18, p->DbLookupXFrame27};
    TXIntegerFrame *accounting[] = {p->DayCount43_1, p->DayCount43_2, p->DayCount43_3};
    for (int k = 0; k < 3; ++k) {
        const int employee = (first + k) % TProgram::Employees;
        t->Locate(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), TProgram::RegisterNumber(employee), 0);
        mother[k]->UpdateFromDataSet(true);
        branch[k]->SetCaption(QStringLiteral("061"));
        sundays[k]->SetValue(4);
        type[k]->SetCaption(QStringLiteral("01 "));
        phase[k]->SetCaption(QStringLiteral("02"));
        accounting[k]->SetValue(1 + k);
    }
}

// A page appended as Add page appends one, also beyond the page limit (for documents no user can make,
// such as those read from a damaged or foreign file).
inline TEmployFrame *AppendPage(TApdData &w)
{
    auto *sheet = new TTabSheet(&w);
    sheet->SetPageControl(w.PageControl1);
    sheet->SetCaption(QStringLiteral("Σελίδα ") + QString::number(w.PageControl1->PageCount()));
    sheet->SetName(w.UniqueName(QStringLiteral("TabSheet")));
    auto *page = new TEmployFrame(&w);
    page->SetParent(sheet);
    page->SetName(w.UniqueName(QStringLiteral("EmployFrame")));
    page->CopySchemes();
    return page;
}

// A declaration of Pages pages made with the program's own code and saved to Path; the pages beyond the
// page limit are appended directly.
inline void MakeDocument(int Pages, const QString &Path)
{
    TApdData w(nullptr);
    FillHeader(w);
    while (w.PageCount() < Pages && w.PageCount() < 64)
        w.AddPage();
    while (w.PageCount() < Pages)
        AppendPage(w);
    for (int i = 0; i < w.PageCount(); ++i)
        FillPage(w.Pages(i), i * 3);
    w.PageControl1->SetActivePageIndex(0);
    w.SaveToFile(Path);
}

// The most memory the process has held so far.
inline double PeakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// The main() of a benchmark program that works in the set-up program: `current` points at it while the
// benchmarks run.
inline int RunBenchmarks(int argc, char **argv, TProgram *&current)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        TProgram program;
        if (!program.Ok) {
            std::fprintf(stderr, "build the shipped tables first (bin/APDData)\n");
            return 1;
        }
        current = &program;
        benchmark::RunSpecifiedBenchmarks();
        current = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace Bench
