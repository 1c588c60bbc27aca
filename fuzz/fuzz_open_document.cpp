// libFuzzer target: the whole road of a document file through the running program. The bytes are opened
// with File > Open of the main window (the data module over reference tables made from the shipped
// sources, every question answered as no one is there to answer it); a document that opens is saved with
// Save As, opened again, saved again (the two saves must give the same bytes) and exported.
//
// Before the first input, names that are no documents (a FIFO without a writer, a device, a symbolic-link
// loop, a sparse file of gigabytes) go the same road: each must be refused at once, without a read or a wait.
//
// Seeds: APD_FUZZ_WRITE_SEEDS=<folder> makes the program save its own documents there and stop.
#include "support/PrivateHome.h"

#include "XForms/XDateFrame.h"
#include "app/ApdDataF.h"
#include "app/EmployerFrameF.h"
#include "app/MainF.h"
#include "app/Program.h"
#include "declaration/APDDataModuleF.h"
#include "declaration/ReferenceData.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "vcl/CodePage.h"
#include "vcl/Dialogs.h"
#include "vcl/StdDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace
{

QTemporaryDir *Folder = nullptr;
QString NextFileChoice;

QString InFolder(const char *name)
{
    return QDir(Folder->path()).filePath(QString::fromUtf8(name));
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
}

// The reference tables from the shipped sources, an empty employers table and one employee.
void MakeTables(const QString &data)
{
    QDir().mkpath(data);
    const QDir csv(QStringLiteral(APD_SOURCE_DIR "/data/APDData"));
    std::unique_ptr<TAPDDataModule> design(TAPDDataModule::CreateDesign(nullptr));
    design->dbAPD->SetParamValue(QStringLiteral("PATH"), data);
    design->tbEmployes->CreateTable();
    design->tbEmployers->CreateTable();
    FillTableFromCsv(design->tbIkaOffices, csv.filePath(QStringLiteral("IkaOffices.csv")));
    FillTableFromCsv(design->tbInsCases, csv.filePath(QStringLiteral("InsCases.csv")));
    FillTableFromCsv(design->tbPayment, csv.filePath(QStringLiteral("Payment.csv")));
    FillTableFromCsv(design->tbConPhase, csv.filePath(QStringLiteral("ConPhase.csv")));
    TTable *t = design->tbEmployers;
    t->Open();
    t->Append();
    t->FieldByName(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."))->SetAsString(QStringLiteral("123456789"));
    t->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetAsString(QStringLiteral("ΑΛΕΞΙΟΥ"));
    t->FieldByName(QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ"))->SetAsString(QStringLiteral("933110"));
    t->FieldByName(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"))->SetAsString(QStringLiteral("781"));
    t->Post();
    t->Close();
}

// File > Open or File > Save As with the file dialog answered by Path.
void Choose(TAction *Command, const QString &Path)
{
    NextFileChoice = Path;
    Application()->Guard([&] { Command->Execute(); });
    NextFileChoice.clear();
}

// A new page shows the day it was added: the seeds' pages show one fixed day, so that the seeds written on
// any day are the same bytes.
void SetPageDays(TDateTime Day)
{
    for (int i = 0; i < Main->Document->PageControl1->PageCount(); ++i)
        if (auto *day = qobject_cast<TXDateFrame *>(Main->Document->Pages(i)->XFrame503))
            day->SetDate(Day);
}

void WriteSeeds(const QString &folder)
{
    QDir().mkpath(folder);
    // Written anew: an earlier seed would be kept as a backup beside it.
    for (const char *name : {"untitled.vapd", "six-pages.vapd", "declaration.vapd", "undefined-bytes.vapd"})
        QFile::remove(QDir(folder).filePath(QString::fromLatin1(name)));
    const TDateTime day = EncodeDate(2003, 1, 15);
    // The untitled document as the program starts with it.
    SetPageDays(day);
    Choose(Main->aSaveAs, QDir(folder).filePath(QStringLiteral("untitled.vapd")));
    // Pages added and a page deleted; the second page active.
    Main->Document->AddPage();
    Main->Document->AddPage();
    Main->Document->PageControl1->SetActivePageIndex(1);
    SetPageDays(day);
    Choose(Main->aSaveAs, QDir(folder).filePath(QStringLiteral("six-pages.vapd")));
    // A declaration the tests keep, saved again by the program.
    Choose(Main->aOpen, QStringLiteral(APD_SOURCE_DIR "/tests/app/golden/declaration-2003-01.vapd"));
    Choose(Main->aSaveAs, QDir(folder).filePath(QStringLiteral("declaration.vapd")));
    // The same with what a document from elsewhere may hold: bytes code page 1253 leaves undefined in a
    // text box, letters in a number.
    Main->Document->xEidosErgou->SetCaption(FromCp1253(QByteArray("\xAA\xD2\xFF \x81\x88\x8A")));
    Main->Document->frameAFM->SetCaption(QStringLiteral("12345678X"));
    Main->Document->Pages(0)->XFrame23a->SetCaption(QStringLiteral("12345678Δ"));
    Choose(Main->aSaveAs, QDir(folder).filePath(QStringLiteral("undefined-bytes.vapd")));
}

// File > Open refuses each name that is no document, and the current document stays.
void CheckOddFiles()
{
    const QString before = Main->FileControl1->FileName();
    const QString fifo = InFolder("fifo.vapd"), sparse = InFolder("sparse.vapd");
    QFile::link(QStringLiteral("/dev/zero"), InFolder("zero.vapd"));
    QFile::link(InFolder("loop-b.vapd"), InFolder("loop-a.vapd"));
    QFile::link(InFolder("loop-a.vapd"), InFolder("loop-b.vapd"));
    QFile big(sparse);
    if (::mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0 || !big.open(QIODevice::WriteOnly) ||
        !big.resize(qint64(3) << 30))
        std::abort();
    big.close();
    for (const char *name : {"fifo.vapd", "zero.vapd", "loop-a.vapd", "sparse.vapd"}) {
        Choose(Main->aOpen, InFolder(name));
        if (Main->FileControl1->FileName() != before)
            __builtin_trap(); // opened as a document
    }
    QFile::remove(sparse);
}

void StartProgram()
{
    // The program's user folder, registry and recent files go to a home of the run's own.
    static const TPrivateHome home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "DovraApd";
    static char *argv[] = {name, nullptr};
    Program::InitializeUnits();
    // Never freed: the program's objects live until the process ends, as in the program.
    new QApplication(argc, argv);
    Program::SetGreekLocale();
    Program::InitializeApplication();
    Folder = new QTemporaryDir;
    // The run's folder holds a FIFO, a link to a device and a link loop: gone when the run ends.
    std::atexit([] { Folder->remove(); });
    TRegistry::SetStorageFolder(InFolder("registry"));
    Platform::SetRecentDocsFile(InFolder("recently-used.xbel"));
    static const QStringList args{QStringLiteral("DovraApd")};
    TMain::SetArguments(&args);
    SetMessageDlgHandler([](const TMessageDlgRequest &r) { return SafeModalResult(r.Buttons); });
    SetCommonDialogHandler([](TComponent *Dialog) {
        auto *d = qobject_cast<TOpenDialog *>(Dialog);
        if (!d || NextFileChoice.isEmpty())
            return false;
        d->SetFileName(NextFileChoice);
        return true;
    });
    MakeTables(InFolder("APDData"));
    Program::CreateForms(Folder->path());
    if (!Main || !Main->Document)
        std::abort();
    CheckOddFiles();
    if (const QByteArray seeds = qgetenv("APD_FUZZ_WRITE_SEEDS"); !seeds.isEmpty()) {
        WriteSeeds(QString::fromLocal8Bit(seeds));
        // Ends without the program's objects going, as a run does; the run's folders go first.
        Folder->remove();
        QDir(home.Path()).removeRecursively();
        std::_Exit(0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool started = (StartProgram(), true);
    (void)started;
    const QString input = InFolder("input.vapd"), first = InFolder("first.vapd"), second = InFolder("second.vapd");
    WriteAll(input, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    Main->FileControl1->SetModified(false);
    Choose(Main->aOpen, input);
    if (Main->FileControl1->FileName() != input)
        return 0; // refused, with its message
    Choose(Main->aSaveAs, first);
    if (Main->FileControl1->FileName() != first)
        return 0; // a value the program itself refuses to write, with its message
    Main->FileControl1->SetModified(false);
    Choose(Main->aOpen, first);
    if (Main->FileControl1->FileName() != first)
        __builtin_trap(); // the program cannot read what it wrote
    Choose(Main->aSaveAs, second);
    if (ReadAll(first) != ReadAll(second))
        __builtin_trap(); // a reopened document is not what was saved
    TApdExportOptions options;
    options.Path = InFolder("csc01");
    options.SubmissionDate = EncodeDate(2003, 2, 10);
    Application()->Guard([&] { Main->Document->ExportWith(options); });
    Main->FileControl1->SetModified(false);
    return 0;
}
