#include "declaration/APDDataModuleF.h"

#include "db/GreekText.h"
#include "platform/Platform.h"
#include "vcl/DialogService.h"

#include <QDir>

TAPDDataModule *APDDataModule = nullptr;

namespace {

const QString KeyPayment = QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ;ΕΓΓΑΜΟΣ;ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ");

struct TFieldSpec {
    const char *Name; // UTF-8
    TFieldType Type;
    int Size;
    bool Required;
    int Tag;
};

// Adds persistent fields in order and records them as the table's expected field definitions.
void AddFields(TTable *table, std::initializer_list<TFieldSpec> specs)
{
    for (const TFieldSpec &s : specs) {
        TField *f = CreateFieldOfType(s.Type, table->Owner());
        f->SetFieldName(QString::fromUtf8(s.Name));
        f->SetSize(s.Type == ftString ? s.Size : 0);
        f->SetRequired(s.Required);
        f->SetTag(s.Tag);
        f->SetName(table->Name() + QStringLiteral("Field") + QString::number(table->FieldCount() + 1));
        f->SetDataSet(table);
        table->FieldDefs()->Add(f->FieldName(), s.Type, f->Size(), s.Required);
    }
}

TField *Field(TTable *table, const char *name)
{
    return table->FindField(QString::fromUtf8(name));
}

void SetDisplayValues(TField *f, const char *values)
{
    static_cast<TBooleanField *>(f)->SetDisplayValues(QString::fromUtf8(values));
}

void SetDisplayFormat(TField *f, const char *format)
{
    static_cast<TNumericField *>(f)->SetDisplayFormat(QString::fromUtf8(format));
}

} // namespace

TAPDDataModule::TAPDDataModule(TComponent *AOwner, TDesignOnly) : TComponent(AOwner)
{
    CreateComponents();
}

TAPDDataModule *TAPDDataModule::CreateDesign(TComponent *AOwner)
{
    return new TAPDDataModule(AOwner, TDesignOnly{});
}

TAPDDataModule::TAPDDataModule(TComponent *AOwner, const QString &ProgramFolder)
    : TComponent(AOwner), FProgramFolder(ProgramFolder)
{
    CreateComponents();
    try {
        DataModuleCreate(this);
    } catch (const EHalt &) {
        throw;
    } catch (const EAbort &) {
    } catch (const Exception &e) {
        // The class library's default handler: show the error and go on with what is open.
        DialogService::ShowError(e.Message());
    }
}

TAPDDataModule::~TAPDDataModule()
{
    RemoveGlobalRoot(this);
}

void TAPDDataModule::CreateComponents()
{
    RegisterDBClasses();
    SetName(QStringLiteral("APDDataModule"));
    // Windows refer to its data sources as "APDDataModule.dsEmployers".
    AddGlobalRoot(this);
    dbAPD = new TDatabase(this);
    dbAPD->SetName(QStringLiteral("dbAPD"));
    dbAPD->SetDatabaseName(QStringLiteral("DovraAPD"));
    dbAPD->SetDriverName(QStringLiteral("STANDARD"));
    dbAPD->SetParams({QStringLiteral("DEFAULT DRIVER=PARADOX"), QStringLiteral("ENABLE BCD=FALSE")});
    dbAPD->SetLoginPrompt(false);
    dbAPD->SetKeepConnection(false);
    dbAPD->SetSessionName(QStringLiteral("Default"));

    const auto table = [this](const char *name, const char *file, bool readOnly, bool data) {
        auto *t = new TTable(this);
        t->SetName(QString::fromUtf8(name));
        t->SetDatabaseName(QStringLiteral("DovraAPD"));
        t->SetTableName(QString::fromUtf8(file));
        t->SetReadOnly(readOnly);
        if (data) {
            t->SetFilterOptions(foCaseInsensitive);
            t->SetStoreDefs(true);
            t->BeforeInsert = [this](TDataSet *ds) { tbEmployesBeforeInsert(ds); };
        }
        return t;
    };
    tbEmployes = table("tbEmployes", "Employes.Db", false, true);
    AddFields(tbEmployes, {{"ΑΦΜ", ftString, 9, true, 1},
                           {"ΑΜΕ", ftString, 10, false, 1},
                           {"ΕΠΩΝΥΜΙΑ", ftString, 80, false, 2},
                           {"ΟΔΟΣ", ftString, 20, false, 3},
                           {"ΑΡΙΘΜΟΣ", ftString, 5, false, 3},
                           {"ΠΟΛΗ", ftString, 20, false, 4},
                           {"ΤΚ", ftString, 5, false, 4}});
    Field(tbEmployes, "ΕΠΩΝΥΜΙΑ")->SetDisplayWidth(50);
    tbEmployes->IndexDefs()->Add(QStringLiteral("tbEmployesIndex1"), QStringLiteral("ΑΦΜ"), ixPrimary | ixUnique);
    tbEmployes->IndexDefs()->Add(QStringLiteral("ΕΠΩΝΥΜΙΑ"), QStringLiteral("ΕΠΩΝΥΜΙΑ"), 0);

    tbEmployers = table("tbEmployers", "Employers.db", false, true);
    AddFields(tbEmployers, {{"ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.", ftString, 9, true, 1},
                            {"Α.Μ.Κ.Α.", ftString, 11, false, 1},
                            {"ΕΠΩΝΥΜΟ", ftString, 20, false, 2},
                            {"ΟΝΟΜΑ", ftString, 20, false, 2},
                            {"ΟΝΟΜΑ ΠΑΤΡΟΣ", ftString, 20, false, 2},
                            {"ΟΝΟΜΑ ΜΗΤΡΟΣ", ftString, 20, false, 2},
                            {"ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ", ftDate, 0, false, 2},
                            {"Α.Φ.Μ.", ftString, 9, false, 2},
                            {"ΕΓΓΑΜΟΣ", ftBoolean, 0, false, 3},
                            {"ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ", ftSmallint, 0, false, 3},
                            {"ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ", ftString, 6, false, 3},
                            {"ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ", ftString, 3, false, 3},
                            {"ΥΠΟΚ/ΜΑ ΙΚΑ", ftString, 3, false, 4},
                            {"ΕΠΙΔΟΜΑ(%)", ftFloat, 0, false, 4},
                            {"ΠΕΡΙΓΡΑΦΗ", ftString, 25, false, 0}});
    SetDisplayFormat(Field(tbEmployers, "ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ"), "dd/mm/yyyy");
    TField *married = Field(tbEmployers, "ΕΓΓΑΜΟΣ");
    SetDisplayValues(married, "ΕΓΓΑΜΟΣ;ΑΓΑΜΟΣ");
    married->SetDisplayLabel(QStringLiteral("ΑΓΑΜΟΣ;ΕΓΓΑΜΟΣ"));
    married->SetDefaultExpression(QStringLiteral("False"));
    Field(tbEmployers, "ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ")->SetDisplayWidth(2);
    Field(tbEmployers, "ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ")->SetEditMask(QStringLiteral("000;0;_"));

    tbIkaOffices = table("tbIkaOffices", "IkaOffices.Db", true, true);
    AddFields(tbIkaOffices, {{"ΚΩΔΙΚΟΣ", ftString, 3, true, 0},
                             {"ΟΝΟΜΑΣΙΑ", ftString, 40, true, 0},
                             {"ΤΗΛΕΦΩΝΟ", ftString, 25, false, 0}});
    tbIkaOffices->IndexDefs()->Add(QStringLiteral("primary"), QStringLiteral("ΚΩΔΙΚΟΣ"), ixPrimary | ixUnique);
    tbIkaOffices->IndexDefs()->Add(QStringLiteral("ΟΝΟΜΑΣΙΑ"), QStringLiteral("ΟΝΟΜΑΣΙΑ"), 0);

    tbInsCases = table("tbInsCases", "InsCases", true, true);
    tbInsCases->SetTableType(ttParadox);
    AddFields(tbInsCases, {{"ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ", ftString, 3, false, 1},
                           {"ΕΙΔ. ΠΕΡΙΠΤ. ΑΣΦΑΛ.", ftInteger, 0, false, 0},
                           {"ΠΕΡΙΓΡΑΦΗ", ftString, 255, false, 2},
                           {"ΕΙΣΦΟΡΑ ΕΡΓΑΖΟΜΕΝΟΥ", ftFloat, 0, false, 3},
                           {"ΕΙΣΦΟΡΑ ΕΡΓΟΔΟΤΗ", ftFloat, 0, false, 3}});
    SetDisplayFormat(Field(tbInsCases, "ΕΙΣΦΟΡΑ ΕΡΓΑΖΟΜΕΝΟΥ"), "#.000%");
    SetDisplayFormat(Field(tbInsCases, "ΕΙΣΦΟΡΑ ΕΡΓΟΔΟΤΗ"), "#.000%");
    tbInsCases->IndexDefs()->Add(QStringLiteral("<primary>"), QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"), ixPrimary | ixUnique);

    tbPayment = table("tbPayment", "Payment.db", true, true);
    AddFields(tbPayment, {{"ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ", ftString, 6, false, 0},
                          {"ΕΓΓΑΜΟΣ", ftBoolean, 0, false, 0},
                          {"ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ", ftSmallint, 0, false, 0},
                          {"ΑΠΟΔΟΧΕΣ", ftCurrency, 0, false, 0}});
    SetDisplayValues(Field(tbPayment, "ΕΓΓΑΜΟΣ"), "ΝΑΙ;ΟΧΙ");
    tbPayment->IndexDefs()->Add(QStringLiteral("primary"), KeyPayment, ixPrimary | ixUnique);
    for (const char *n : {"ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ", "ΕΓΓΑΜΟΣ", "ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ", "ΑΠΟΔΟΧΕΣ"})
        tbPayment->IndexDefs()->Add(QString::fromUtf8(n), QString::fromUtf8(n), 0);

    tbConPhase = table("tbConPhase", "ConPhase.db", true, true);
    AddFields(tbConPhase, {{"ΙΔΙΩΤΙΚΑ/ΔΗΜΟΣΙΑ ΕΡΓΑ", ftBoolean, 0, false, 0},
                           {"ΚΩΔΙΚΟΣ", ftString, 2, false, 0},
                           {"ΠΕΡΙΓΡΑΦΗ", ftString, 30, false, 0}});
    SetDisplayValues(Field(tbConPhase, "ΙΔΙΩΤΙΚΑ/ΔΗΜΟΣΙΑ ΕΡΓΑ"), "ΙΔΙΩΤΙΚΑ ΕΡΓΑ;ΔΗΜΟΣΙΑ ΕΡΓΑ");
    tbConPhase->IndexDefs()->Add(QStringLiteral("primary"), QStringLiteral("ΙΔΙΩΤΙΚΑ/ΔΗΜΟΣΙΑ ΕΡΓΑ;ΚΩΔΙΚΟΣ"),
                                 ixPrimary | ixUnique);

    tbInsCasesLookUp = table("tbInsCasesLookUp", "InsCases.Db", false, false);
    tbPaymentLookUp = table("tbPaymentLookUp", "Payment.db", false, false);
    tbTemp = table("tbTemp", "", false, false);

    // The employees' lookup and calculated fields follow the stored ones.
    TField *pk = Field(tbEmployers, "ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ");
    pk->SetLookupDataSet(tbInsCasesLookUp);
    pk->SetLookupResultField(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"));
    TField *office = Field(tbEmployers, "ΥΠΟΚ/ΜΑ ΙΚΑ");
    office->SetLookupDataSet(tbIkaOffices);
    office->SetLookupResultField(QStringLiteral("ΚΩΔΙΚΟΣ"));
    auto *p = new TCurrencyField(this);
    p->SetName(QStringLiteral("tbEmployersp"));
    p->SetFieldName(QStringLiteral("p"));
    p->SetFieldKind(fkLookup);
    p->SetVisible(false);
    p->SetTag(4);
    p->SetLookupDataSet(tbPaymentLookUp);
    p->SetKeyFields(KeyPayment);
    p->SetLookupKeyFields(KeyPayment);
    p->SetLookupResultField(QStringLiteral("ΑΠΟΔΟΧΕΣ"));
    p->SetDataSet(tbEmployers);
    auto *wage = new TCurrencyField(this);
    wage->SetName(QStringLiteral("tbEmployersDailyWage"));
    wage->SetFieldName(QStringLiteral("ΗΜΕΡΟΜΗΣΘΙΟ"));
    wage->SetFieldKind(fkCalculated);
    wage->SetTag(4);
    wage->SetDataSet(tbEmployers);
    tbEmployers->OnCalcFields = [this](TDataSet *ds) { tbEmployersCalcFields(ds); };

    const auto source = [this](const char *name, TDataSet *ds) {
        auto *s = new TDataSource(this);
        s->SetName(QString::fromUtf8(name));
        s->SetDataSet(ds);
        return s;
    };
    dsEmployes = source("dsEmployes", tbEmployes);
    dsIkaOffices = source("dsIkaOffices", tbIkaOffices);
    dsEmployers = source("dsEmployers", tbEmployers);
    dsConPhase = source("dsConPhase", tbConPhase);
}

void TAPDDataModule::DataModuleCreate(TComponent *)
{
    if (dbAPD->Connected())
        dbAPD->Close();
    QString programFolder = FProgramFolder.isEmpty() ? Platform::ProgramFolder() : FProgramFolder;
    if (!programFolder.endsWith(u'/'))
        programFolder += u'/';
    FDataFolder = programFolder + QStringLiteral("APDData");
    Session()->SetActive(false);
    Session()->SetNetFileDir(programFolder);
    Session()->SetPrivateDir(programFolder);
    dbAPD->SetParamValue(QStringLiteral("PATH"), FDataFolder);
    if (!QDir().mkpath(FDataFolder))
        throw EDatabaseError(QStringLiteral("Αδυναμία δημιουργίας του φακέλου \"%1\".").arg(FDataFolder));
    dbAPD->Open();
    UpgradeTable(tbEmployes);
    UpgradeTable(tbEmployers);
    for (TTable *t : {tbEmployes, tbEmployers, tbIkaOffices, tbInsCases, tbInsCasesLookUp, tbPayment, tbPaymentLookUp,
                      tbConPhase})
        t->Open();
}

// ------------------------------------------------------------------------------------ structure upgrade

bool TAPDDataModule::SameFieldDef(const TFieldDef &A, int PosA, const TFieldDef &B, int PosB)
{
    const int noA = A.FieldNo > 0 ? A.FieldNo : PosA;
    const int noB = B.FieldNo > 0 ? B.FieldNo : PosB;
    return A.Name == B.Name && A.DataType == B.DataType && noA == noB && A.Size == B.Size;
}

bool TAPDDataModule::SameFieldDefs(const TFieldDefs &Expected, const TFieldDefs &Stored)
{
    if (Expected.Count() != Stored.Count())
        return false;
    for (int i = 0; i < Expected.Count(); ++i)
        if (!SameFieldDef(Expected[i], i + 1, Stored[i], i + 1))
            return false;
    return true;
}

bool TAPDDataModule::ConfirmUpgrade(const QString &Name)
{
    const QString text = QStringLiteral("Η δομή του πίνακα \"%1\" άλλαξε.\r\nΠατήστε Ok για να δημιουργηθεί αντίγραφο "
                                        "ασφαλείας του πίνακα\r\nκαι να γίνει μετατροπή των εγγραφών στη νέα δομή.")
                             .arg(Name);
    return DialogService::Ask(text, DialogService::Kind::Information, DialogService::Ok | DialogService::Cancel) ==
           DialogService::mrOk;
}

void TAPDDataModule::UpgradeTable(TTable *Table)
{
    const QString name = Table->TableName();
    const QString backupName = QStringLiteral("backup of ") + name;
    const QString newName = QStringLiteral("upgrade of ") + name;
    const bool savedReadOnly = Table->ReadOnly();

    tbTemp->Close();
    tbTemp->SetTableName(name);
    tbTemp->FieldDefs()->Update();
    if (SameFieldDefs(*Table->FieldDefs(), *tbTemp->FieldDefs()))
        return;
    if (!ConfirmUpgrade(name))
        throw EHalt(QString());

    // The new table is built and filled under a name of its own; the current table becomes the backup
    // only once the new one is complete, so no failure leaves the data folder without the only copy.
    Table->Close();
    Table->SetReadOnly(false);
    Table->SetTableName(newName);
    try {
        Table->CreateTable();
        CopyRecords(tbTemp, Table);
    } catch (...) {
        Table->Close();
        Table->SetTableName(name);
        Table->SetReadOnly(savedReadOnly);
        tbTemp->Close();
        tbTemp->SetTableName(newName);
        if (tbTemp->Exists())
            tbTemp->DeleteTable();
        tbTemp->SetTableName(name);
        throw;
    }
    Table->SetTableName(name);
    Table->SetReadOnly(savedReadOnly);

    tbTemp->SetTableName(backupName);
    if (tbTemp->Exists())
        tbTemp->DeleteTable();
    tbTemp->SetTableName(name);
    tbTemp->RenameTable(backupName);
    tbTemp->SetTableName(newName);
    try {
        tbTemp->RenameTable(name);
    } catch (...) {
        tbTemp->SetTableName(backupName);
        tbTemp->RenameTable(name);
        throw;
    }
    tbTemp->SetTableName(backupName);
}

int TAPDDataModule::CopyRecords(TDataSet *Source, TTable *Dest)
{
    Source->Open();
    Dest->Open();
    Dest->DisableControls();
    int copied = 0;
    try {
        Source->First();
        const int total = Source->RecordCount();
        while (!Source->Eof()) {
            if (CopyRecord(Source, Dest))
                ++copied;
            Source->Next();
        }
        DialogService::Ask(QStringLiteral("%1 από τις %2 εγγραφές του πίνακα μετατράπηκαν επιτυχώς.").arg(copied).arg(total),
                           DialogService::Kind::Information, DialogService::Ok);
    } catch (...) {
        Dest->EnableControls();
        Dest->Close();
        Source->Close();
        throw;
    }
    Dest->EnableControls();
    Dest->Close();
    Source->Close();
    return copied;
}

bool TAPDDataModule::CopyRecord(TDataSet *Source, TTable *Dest)
{
    try {
        Dest->Append();
        Dest->Fields().at(0)->SetValue(Source->Fields().at(0)->Value());
        for (int i = 1; i < Source->FieldCount(); ++i) {
            TField *from = Source->Fields().at(i);
            const TFieldDef *def = Dest->FieldDefs()->Find(from->FieldName());
            if (!def)
                continue;
            TField *to = Dest->FieldByName(def->Name);
            try {
                to->SetValue(from->Value());
            } catch (const EAbort &) {
                throw;
            } catch (const Exception &) {
                if (DialogService::Ask(QStringLiteral("Could not convert %1 ").arg(def->Name), DialogService::Kind::Warning,
                                       DialogService::Abort | DialogService::Ignore) == DialogService::mrAbort)
                    throw EAbort(QString());
            }
        }
        Dest->Post();
    } catch (const Exception &) {
        Dest->Cancel();
        return false;
    }
    return true;
}

void TAPDDataModule::tbEmployesBeforeInsert(TDataSet *DataSet)
{
    DataSet->SetFiltered(false);
}

// -------------------------------------------------------------------------------------------- lookups

void TAPDDataModule::BeginLookup(TDataSet *Table, bool &SavedFiltered)
{
    Table->DisableControls();
    try {
        SavedFiltered = Table->Filtered();
        Table->SetFiltered(false);
    } catch (...) {
        Table->EnableControls();
        throw;
    }
}

void TAPDDataModule::EndLookup(TDataSet *Table, bool SavedFiltered)
{
    try {
        Table->SetFiltered(SavedFiltered);
    } catch (...) {
        Table->EnableControls();
        throw;
    }
    Table->EnableControls();
}

Currency TAPDDataModule::WageLookup(const QString &Code, const QVariant &Married, const QVariant &Triennia)
{
    bool saved = false;
    BeginLookup(tbPaymentLookUp, saved);
    QVariant v;
    try {
        v = tbPaymentLookUp->Lookup(KeyPayment, QVariantList{Code, Married, Triennia}, QStringLiteral("ΑΠΟΔΟΧΕΣ"));
    } catch (...) {
        EndLookup(tbPaymentLookUp, saved);
        throw;
    }
    EndLookup(tbPaymentLookUp, saved);
    QVariant amount;
    if (!v.isValid() || !TryConvertValue(v, ftCurrency, amount) || !amount.isValid())
        throw EConvertError(QStringLiteral("Δεν βρέθηκε ημερομίσθιο για την ειδικότητα \"%1\".").arg(TrimRightBlanks(Code)));
    return amount.value<Currency>();
}

Currency TAPDDataModule::GetWage(const QString &Code, const QString &Triennia, const QString &Marital)
{
    if (Code.isEmpty())
        return {};
    const bool married = Marital.compare(QStringLiteral("ΕΓΓΑΜΟΣ"), Qt::CaseInsensitive) == 0;
    return WageLookup(Code, married, Triennia);
}

Currency TAPDDataModule::GetBaseWage(const QString &Code)
{
    if (Code.isEmpty())
        return {};
    return WageLookup(Code, false, 0);
}

Currency TAPDDataModule::AllowanceAmount(const QString &Code, float Percent)
{
    const Currency base = GetBaseWage(Code);
    const int64_t cents = RoundHalfEven(base.ToDouble() * static_cast<long double>(Percent));
    return Currency::FromCents(cents);
}

Currency TAPDDataModule::EmployeeAllowance(const QString &Code, const QString &RegisterNumber)
{
    if (RegisterNumber.isEmpty())
        return {};
    bool saved = false;
    BeginLookup(tbEmployers, saved);
    QVariant v;
    try {
        v = tbEmployers->Lookup(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), RegisterNumber, QStringLiteral("ΕΠΙΔΟΜΑ(%)"));
    } catch (...) {
        EndLookup(tbEmployers, saved);
        throw;
    }
    EndLookup(tbEmployers, saved);
    if (!v.isValid())
        return {};
    return AllowanceAmount(Code, static_cast<float>(v.toDouble()));
}

bool TAPDDataModule::GetContributionRates(const QString &Package, float &EmployeeRate, float &EmployerRate)
{
    EmployeeRate = 0;
    EmployerRate = 0;
    if (Package.isEmpty())
        return false;
    bool saved = false;
    BeginLookup(tbInsCasesLookUp, saved);
    QVariant v;
    try {
        v = tbInsCasesLookUp->Lookup(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"), Package,
                                     QStringLiteral("ΕΙΣΦΟΡΑ ΕΡΓΑΖΟΜΕΝΟΥ;ΕΙΣΦΟΡΑ ΕΡΓΟΔΟΤΗ"));
    } catch (...) {
        EndLookup(tbInsCasesLookUp, saved);
        throw;
    }
    EndLookup(tbInsCasesLookUp, saved);
    if (v.typeId() != QMetaType::QVariantList)
        return false;
    const QVariantList values = v.toList();
    EmployeeRate = static_cast<float>(values.value(0).toDouble());
    EmployerRate = static_cast<float>(values.value(1).toDouble());
    return true;
}

QString TAPDDataModule::GetSpecialInsuranceCase(const QString &Package)
{
    if (Package.isEmpty())
        return {};
    bool saved = false;
    BeginLookup(tbInsCasesLookUp, saved);
    QVariant v;
    try {
        v = tbInsCasesLookUp->Lookup(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"), Package, QStringLiteral("ΕΙΔ. ΠΕΡΙΠΤ. ΑΣΦΑΛ."));
    } catch (...) {
        EndLookup(tbInsCasesLookUp, saved);
        throw;
    }
    EndLookup(tbInsCasesLookUp, saved);
    if (v.typeId() == QMetaType::QVariantList)
        v = v.toList().value(0);
    const QString result = v.isValid() ? v.toString() : QString();
    return result == u"0" ? QString() : result;
}

void TAPDDataModule::tbEmployersCalcFields(TDataSet *DataSet)
{
    TField *wage = DataSet->FieldByName(QStringLiteral("ΗΜΕΡΟΜΗΣΘΙΟ"));
    try {
        const TField *p = DataSet->FieldByName(QStringLiteral("p"));
        const TField *percent = DataSet->FieldByName(QStringLiteral("ΕΠΙΔΟΜΑ(%)"));
        const Currency base = p->IsNull() ? Currency() : p->AsCurrency();
        const float pct = percent->IsNull() ? 0.0f : static_cast<float>(percent->AsFloat());
        wage->SetAsCurrency(base + AllowanceAmount(DataSet->FieldByName(QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ"))->AsString(), pct));
    } catch (const Exception &) {
        // A specialty the wage table does not hold: the daily wage shows empty rather than raising on every
        // record fetched.
        wage->Clear();
    }
}
