#include "EmployFrameFixture.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace
{

QStringList SplitCsvLine(const QString &line)
{
    QStringList out;
    QString cur;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line.at(i + 1) == u'"') {
                cur += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cur += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            out << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    out << cur;
    return out;
}

void FillFromCsv(TTable *table, const QString &csvFile)
{
    QFile f(csvFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << qPrintable(csvFile);
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    const QStringList header = SplitCsvLine(in.readLine());
    table->SetReadOnly(false);
    table->CreateTable();
    table->Open();
    while (!in.atEnd()) {
        const QString text = in.readLine();
        if (text.trimmed().isEmpty())
            continue;
        const QStringList values = SplitCsvLine(text);
        table->Append();
        for (qsizetype i = 0; i < header.size() && i < values.size(); ++i)
            table->FieldByName(header[i].trimmed())->SetAsString(values[i].trimmed());
        table->Post();
    }
    table->Close();
}

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

void EmployFrameFixture::SetUp()
{
    const QString data = Dir.filePath(QStringLiteral("APDData"));
    QDir().mkpath(data);
    Previous = DialogService::SetHook([this](const QString &text, DialogService::Kind, unsigned) {
        Errors.push_back(text);
        return static_cast<int>(DialogService::mrOk);
    });
    const QDir csv(QStringLiteral(APD_SOURCE_DIR "/data/APDData"));
    {
        std::unique_ptr<TAPDDataModule> design(TAPDDataModule::CreateDesign(nullptr));
        design->dbAPD->SetParamValue(QStringLiteral("PATH"), data);
        design->tbEmployes->CreateTable();
        FillFromCsv(design->tbIkaOffices, csv.filePath(QStringLiteral("IkaOffices.csv")));
        FillFromCsv(design->tbInsCases, csv.filePath(QStringLiteral("InsCases.csv")));
        FillFromCsv(design->tbPayment, csv.filePath(QStringLiteral("Payment.csv")));
        FillFromCsv(design->tbConPhase, csv.filePath(QStringLiteral("ConPhase.csv")));
        TTable *t = design->tbEmployers;
        t->CreateTable();
        t->SetReadOnly(false);
        t->Open();
        const TEmployee people[] = {
            {"123456789", "01017012345", "ΑΛΕΞΙΟΥ", "ΝΙΚΟΛΑΟΣ", "ΓΕΩΡΓΙΟΣ", "ΜΑΡΙΑ", Day(1970, 1, 1), "012345678", true, 2,
             "933110", "781", QVariant()},
            {"222333444", "15057554321", "ΒΑΣΙΛΕΙΟΥ", "ΠΕΤΡΟΣ", "ΙΩΑΝΝΗΣ", "ΕΛΕΝΗ", Day(1975, 5, 15), "123456789", false,
             0, "933120", "781", 10.0},
            {"555666777", "20128011111", "ΓΕΩΡΓΙΟΥ", "ΚΩΣΤΑΣ", "ΔΗΜΗΤΡΙΟΣ", "ΑΝΝΑ", Day(1980, 12, 20), "987654321", false,
             1, "933130", "218", QVariant()},
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
    Module = std::make_unique<TAPDDataModule>(nullptr, Dir.path());
    APDDataModule = Module.get();
    ASSERT_TRUE(Errors.empty()) << qPrintable(Errors.front());
}

void EmployFrameFixture::TearDown()
{
    APDDataModule = nullptr;
    Module.reset();
    DialogService::SetHook(Previous);
}

void EmployFrameFixture::PickEmployee(TEmployFrame *page, int line, const QString &registerNumber)
{
    TTable *t = Module->tbEmployers;
    ASSERT_TRUE(t->Locate(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), registerNumber, 0));
    const char suffix[3][2] = {{'1', 0}, {'2', 0}, {'3', 0}};
    auto box = [&](const char *a, const char *b, const char *c) {
        const char *n[3] = {a, b, c};
        return qobject_cast<TXFrame *>(page->FindComponent(QString::fromLatin1(n[line])));
    };
    auto text = [&](const char *field) { return t->FieldByName(QString::fromUtf8(field))->DisplayText(); };
    (void)suffix;
    box("DbLookupXFrame24", "DbLookupXFrame15", "DbLookupXFrame6")->SetCaption(text("ΟΝΟΜΑ ΜΗΤΡΟΣ"));
    box("XFrame22a", "XFrame22b", "XFrame22c")->SetCaption(text("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."));
    box("XFrame23a", "XFrame23b", "XFrame23c")->SetCaption(text("Α.Μ.Κ.Α."));
    box("DbLookupXFrame21", "DbLookupXFrame12", "DbLookupXFrame3")->SetCaption(text("ΕΠΩΝΥΜΟ"));
    box("DbLookupXFrame22", "DbLookupXFrame13", "DbLookupXFrame4")->SetCaption(text("ΟΝΟΜΑ"));
    box("DbLookupXFrame23", "DbLookupXFrame14", "DbLookupXFrame5")->SetCaption(text("ΟΝΟΜΑ ΠΑΤΡΟΣ"));
    box("DbLookupXFrame25", "DbLookupXFrame16", "DbLookupXFrame7")->SetCaption(text("ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ"));
    box("DbLookupXFrame26", "DbLookupXFrame17", "DbLookupXFrame8")->SetCaption(text("Α.Φ.Μ."));
    box("Married1", "Married2", "Married3")->SetCaption(text("ΕΓΓΑΜΟΣ"));
    box("Periods1", "Periods2", "Periods3")->SetCaption(text("ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ"));
    box("Specialty1", "Specialty2", "Specialty3")->SetCaption(text("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ"));
    box("xFrame35a", "xFrame35b", "xFrame35c")->SetCaption(text("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"));
}
