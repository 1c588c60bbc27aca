#include "EmployFrameFixture.h"
#include "declaration/ReferenceData.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace
{

struct TEmployee {
    const char *Register, *Amka, *Surname, *Name, *Father, *Mother;
    TDateTime Birth;
    const char *Afm;
    bool Married;
    int Triennia;
    const char *Specialty, *Package;
    QVariant Allowance;
};

} // namespace

TDateTime Day(int y, int m, int d)
{
    return EncodeDate(y, m, d);
}

// The tables are built once per run (writing them row by row is slow) and copied for every test.
static QString SharedTables()
{
    static QTemporaryDir dir;
    static bool built = false;
    if (built)
        return dir.path();
    built = true;
    const QString data = dir.path();
    const QDir csv(QStringLiteral(APD_SOURCE_DIR "/data/APDData"));
    {
        std::unique_ptr<TAPDDataModule> design(TAPDDataModule::CreateDesign(nullptr));
        design->dbAPD->SetParamValue(QStringLiteral("PATH"), data);
        design->tbEmployes->CreateTable();
        FillTableFromCsv(design->tbIkaOffices, csv.filePath(QStringLiteral("IkaOffices.csv")));
        FillTableFromCsv(design->tbInsCases, csv.filePath(QStringLiteral("InsCases.csv")));
        // One package of our own: round rates and a special insurance case.
        design->tbInsCases->Open();
        design->tbInsCases->Append();
        design->tbInsCases->FieldByName(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"))->SetAsString(QStringLiteral("999"));
        design->tbInsCases->FieldByName(QStringLiteral("ΕΙΔ. ΠΕΡΙΠΤ. ΑΣΦΑΛ."))->SetValue(2);
        design->tbInsCases->FieldByName(QStringLiteral("ΕΙΣΦΟΡΑ ΕΡΓΑΖΟΜΕΝΟΥ"))->SetValue(10.0);
        design->tbInsCases->FieldByName(QStringLiteral("ΕΙΣΦΟΡΑ ΕΡΓΟΔΟΤΗ"))->SetValue(20.0);
        design->tbInsCases->Post();
        design->tbInsCases->Close();
        FillTableFromCsv(design->tbPayment, csv.filePath(QStringLiteral("Payment.csv")));
        FillTableFromCsv(design->tbConPhase, csv.filePath(QStringLiteral("ConPhase.csv")));
        TTable *t = design->tbEmployers;
        t->CreateTable();
        t->SetReadOnly(false);
        t->Open();
        const TEmployee people[] = {
            {"123456789", "01017012345", "ΑΛΕΞΙΟΥ", "ΝΙΚΟΛΑΟΣ", "ΓΕΩΡΓΙΟΣ", "ΜΑΡΙΑ", Day(1970, 1, 1), "012345678", true,
             2, "933110", "781", QVariant()},
            {"222333444", "15057554321", "ΒΑΣΙΛΕΙΟΥ", "ΠΕΤΡΟΣ", "ΙΩΑΝΝΗΣ", "ΕΛΕΝΗ", Day(1975, 5, 15), "123456789",
             false, 0, "933120", "781", 10.0},
            {"555666777", "20128011111", "ΓΕΩΡΓΙΟΥ", "ΚΩΣΤΑΣ", "ΔΗΜΗΤΡΙΟΣ", "ΑΝΝΑ", Day(1980, 12, 20), "987654321",
             false, 1, "933130", "218", QVariant()},
        };
        for (const TEmployee &p : people) {
            t->Append();
            t->FieldByName(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."))->SetAsString(QString::fromUtf8(p.Register));
            t->FieldByName(QStringLiteral("Α.Μ.Κ.Α."))->SetAsString(QString::fromUtf8(p.Amka));
            t->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetAsString(QString::fromUtf8(p.Surname));
            t->FieldByName(QStringLiteral("ΟΝΟΜΑ"))->SetAsString(QString::fromUtf8(p.Name));
            t->FieldByName(QStringLiteral("ΟΝΟΜΑ ΠΑΤΡΟΣ"))->SetAsString(QString::fromUtf8(p.Father));
            t->FieldByName(QStringLiteral("ΟΝΟΜΑ ΜΗΤΡΟΣ"))->SetAsString(QString::fromUtf8(p.Mother));
            t->FieldByName(QStringLiteral("ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ"))->SetValue(p.Birth);
            t->FieldByName(QStringLiteral("Α.Φ.Μ."))->SetAsString(QString::fromUtf8(p.Afm));
            t->FieldByName(QStringLiteral("ΕΓΓΑΜΟΣ"))->SetValue(p.Married);
            t->FieldByName(QStringLiteral("ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ"))->SetValue(p.Triennia);
            t->FieldByName(QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ"))->SetAsString(QString::fromUtf8(p.Specialty));
            t->FieldByName(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"))->SetAsString(QString::fromUtf8(p.Package));
            t->FieldByName(QStringLiteral("ΕΠΙΔΟΜΑ(%)"))->SetValue(p.Allowance);
            t->Post();
        }
        t->Close();
    }
    return data;
}

void EmployFrameFixture::SetUp()
{
    const QString data = Dir.filePath(QStringLiteral("APDData"));
    QDir().mkpath(data);
    const QDir shared(SharedTables());
    for (const QString &f : shared.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(shared.filePath(f), QDir(data).filePath(f)));
    Previous = SetMessageDlgHandler([this](const TMessageDlgRequest &request) {
        Errors.push_back(request.Msg);
        return mrOk;
    });
    Module = std::make_unique<TAPDDataModule>(nullptr, Dir.path());
    APDDataModule = Module.get();
    ASSERT_TRUE(Errors.empty()) << qPrintable(Errors.front());
}

void EmployFrameFixture::TearDown()
{
    APDDataModule = nullptr;
    Module.reset();
    SetMessageDlgHandler(Previous);
}

void EmployFrameFixture::PickEmployee(TEmployFrame *page, int line, const QString &registerNumber)
{
    TTable *t = APDDataModule->tbEmployers;
    ASSERT_TRUE(t->Locate(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), registerNumber, 0));
    // What the dataset pop-up does on a pick from any box of the line's group.
    TDbLookupXFrame *boxes[3] = {page->DbLookupXFrame24, page->DbLookupXFrame15, page->DbLookupXFrame6};
    boxes[line]->UpdateFromDataSet(true);
}
