#include "declaration/APDDataModuleF.h"

#include "db/DBCtrls.h"
#include "db/GreekText.h"
#include "db/TableStore.h"
#include "declaration/PopupKodikosEidikotitasF.h"
#include "platform/Platform.h"
#include "platform/SafeWrite.h"
#include "vcl/ComponentStream.h"
#include "vcl/Dialogs.h"
#include "vcl/Forms.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>
#include <optional>
#include <sys/stat.h>

TAPDDataModule *APDDataModule = nullptr;

namespace
{

const QString KeyPayment = QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ;ΕΓΓΑΜΟΣ;ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ");

template <typename T> T *Component(TComponent *root, const char *name)
{
    auto *c = qobject_cast<T *>(root->FindComponent(QString::fromLatin1(name)));
    if (!c)
        throw EStreamError(
            QStringLiteral("Η σχεδίαση της μονάδας δεδομένων δεν έχει το \"%1\".").arg(QLatin1String(name)));
    return c;
}

} // namespace

// The form resource lives in this static library; the linker keeps it only when it is named.
static void InitDataModuleResource()
{
    Q_INIT_RESOURCE(APDDataModule);
}

TAPDDataModule::TAPDDataModule(TComponent *AOwner, TDesignOnly) : TComponent(AOwner)
{
    CreateComponents();
}

TAPDDataModule *TAPDDataModule::CreateDesign(TComponent *AOwner)
{
    return new TAPDDataModule(AOwner, TDesignOnly{});
}

TAPDDataModule::TAPDDataModule(TComponent *AOwner, const QString &UserFolder, const QString &ShippedFolder)
    : TComponent(AOwner), FUserFolder(UserFolder), FShippedFolder(ShippedFolder)
{
    CreateComponents();
    try {
        OnCreate(this);
    } catch (const EHalt &) {
        throw;
    } catch (const EAbort &) {
    } catch (const std::exception &e) {
        // The class library's default handler: show the error and go on with what is open.
        if (TApplication *app = Application())
            app->HandleException(e);
        else
            MessageDlg(QString::fromUtf8(e.what()), mtError, {mbOK}, 0);
    }
}

void TAPDDataModule::GetChildren(TGetChildProc Proc, TComponent *Root)
{
    if (Root == this)
        for (TComponent *c : ComponentList())
            if (!c->HasParent())
                Proc(c);
}

TAPDDataModule::~TAPDDataModule()
{
    RemoveGlobalRoot(this);
}

void TAPDDataModule::CreateComponents()
{
    RegisterDBClasses();
    RegisterClasses<TFieldEditor>();
    InitDataModuleResource();
    if (!InitInheritedComponent(this, &TComponent::staticMetaObject))
        throw EStreamError(QStringLiteral("Δεν βρέθηκε η σχεδίαση της μονάδας δεδομένων."));
    dbAPD = Component<TDatabase>(this, "dbAPD");
    tbEmployes = Component<TTable>(this, "tbEmployes");
    tbEmployers = Component<TTable>(this, "tbEmployers");
    tbIkaOffices = Component<TTable>(this, "tbIkaOffices");
    tbInsCases = Component<TTable>(this, "tbInsCases");
    tbPayment = Component<TTable>(this, "tbPayment");
    tbConPhase = Component<TTable>(this, "tbConPhase");
    tbInsCasesLookUp = Component<TTable>(this, "tbInsCasesLookUp");
    tbPaymentLookUp = Component<TTable>(this, "tbPaymentLookUp");
    tbTemp = Component<TTable>(this, "tbTemp");
    dsEmployes = Component<TDataSource>(this, "dsEmployes");
    dsIkaOffices = Component<TDataSource>(this, "dsIkaOffices");
    dsEmployers = Component<TDataSource>(this, "dsEmployers");
    dsConPhase = Component<TDataSource>(this, "dsConPhase");
    FieldEditor1 = Component<TFieldEditor>(this, "FieldEditor1");
    // Messages about their records name the tables as the commands that open them do.
    const std::pair<TTable *, const char16_t *> titles[] = {{tbEmployes, u"Εργοδότες"},
                                                            {tbEmployers, u"Εργαζόμενοι"},
                                                            {tbIkaOffices, u"Καταστήματα ΙΚΑ"},
                                                            {tbInsCases, u"Περιπτώσεις Ασφάλισης"},
                                                            {tbInsCasesLookUp, u"Περιπτώσεις Ασφάλισης"},
                                                            {tbPayment, u"Πίνακας Αποδοχών"},
                                                            {tbPaymentLookUp, u"Πίνακας Αποδοχών"},
                                                            {tbConPhase, u"Κατασκευαστικές Φάσεις"}};
    for (const auto &[table, title] : titles)
        table->SetDisplayName(QString::fromUtf16(title));
    // Windows refer to its data sources as "APDDataModule.dsEmployers".
    AddGlobalRoot(this);
}

void TAPDDataModule::FieldEditor1CreateControl(TFieldEditor *, TComponent *, TWinControl *, TControl *&Control)
{
    // Owned by the module; its parent frees it with the editing window.
    auto *edit = new TDBEdit(this);
    edit->OnClick.Bind(this, "SpecialtyEditClick");
    Control = edit;
}

void TAPDDataModule::SpecialtyEditClick(TObject *Sender)
{
    tbEmployers->Edit();
    SharedPopupKodikosEidikotitas()->PopupExt(Sender, 0, nullptr);
}

void TAPDDataModule::DataModuleCreate(TObject *)
{
    if (dbAPD->Connected())
        dbAPD->Close();
    QString userFolder = FUserFolder.isEmpty() ? Platform::UserFolder() : FUserFolder;
    if (!userFolder.endsWith(u'/'))
        userFolder += u'/';
    FDataFolder = userFolder + QStringLiteral("APDData");
    Session()->SetActive(false);
    Session()->SetNetFileDir(userFolder);
    Session()->SetPrivateDir(userFolder);
    dbAPD->SetParamValue(QStringLiteral("PATH"), FDataFolder);
    if (!QDir().mkpath(FDataFolder))
        throw EDatabaseError(QStringLiteral("Αδυναμία δημιουργίας του φακέλου \"%1\".").arg(FDataFolder));
    InstallShippedTables();
    dbAPD->Open();
    UpgradeTable(tbEmployes);
    UpgradeTable(tbEmployers);
    for (TTable *t :
         {tbEmployes, tbEmployers, tbIkaOffices, tbInsCases, tbInsCasesLookUp, tbPayment, tbPaymentLookUp, tbConPhase})
        t->Open();
}

// ------------------------------------------------------------------------------------ shipped tables

namespace
{
// Where the data folder records the version of each shipped table it was last given.
const QString ShippedRecordName = QStringLiteral("shipped-tables.ini");
// Reference tables hold hundreds of rows; the user's tables a few thousand.
constexpr qint64 MaxTableFileSize = qint64(256) * 1024 * 1024;

QString Fingerprint(const QByteArray &Bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(Bytes, QCryptographicHash::Sha256).toHex());
}

// Size, file number and the times of the last write and of the last change of a shipped file: any copy,
// rewrite or replacement gives another. Empty when the file cannot be looked at.
QString FileStamp(const QString &File)
{
    struct stat st;
    if (::stat(QFile::encodeName(File).constData(), &st) != 0)
        return QString();
    return QStringLiteral("%1 %2 %3.%4 %5.%6")
        .arg(qint64(st.st_size))
        .arg(quint64(st.st_ino))
        .arg(qint64(st.st_mtim.tv_sec))
        .arg(qint64(st.st_mtim.tv_nsec))
        .arg(qint64(st.st_ctim.tv_sec))
        .arg(qint64(st.st_ctim.tv_nsec));
}

// Where the record keeps the stamp of the shipped file whose version it last recorded.
QString StampKey(const QString &Table)
{
    return QStringLiteral("stamps/") + Table;
}
} // namespace

void TAPDDataModule::InstallShippedTables()
{
    const QString shipped =
        FShippedFolder.isEmpty() ? QDir(Platform::InstallFolder()).filePath(QStringLiteral("APDData")) : FShippedFolder;
    if (!QFileInfo(shipped).isDir() ||
        QFileInfo(shipped).canonicalFilePath() == QFileInfo(FDataFolder).canonicalFilePath())
        return;
    // Without its record the program cannot tell a table the user changed from an older version it shipped:
    // a record it may not read (a FIFO, a device, a file too large) is left as it is, the missing tables are
    // still brought in, and the tables in use stay as they are.
    const QString recordFile = QDir(FDataFolder).filePath(ShippedRecordName);
    std::optional<QSettings> record;
    if (Platform::SettingsFileUsable(recordFile))
        record.emplace(recordFile, QSettings::IniFormat);
    for (TTable *table : {tbEmployes, tbEmployers, tbIkaOffices, tbInsCases, tbPayment, tbConPhase}) {
        const QString from = TTableStore::ResolveFileName(shipped, table->TableName());
        if (!QFileInfo(from).isFile())
            continue;
        const bool exists = table->Exists();
        // The user's own tables, once there, are theirs whatever ships: nothing to read.
        if (exists && (!table->ReadOnly() || !record))
            continue;
        const QString key = table->TableName();
        const QString stamp = FileStamp(from);
        // The shipped file has not been touched since its version was recorded: it is that version.
        if (exists && !stamp.isEmpty() && record->contains(key) && record->value(StampKey(key)).toString() == stamp)
            continue;
        const QByteArray bytes = Platform::ReadRegularFile(from, MaxTableFileSize);
        const QString version = Fingerprint(bytes);
        const QString last = record ? record->value(key).toString() : QString();
        if (!exists) {
            Platform::ReplaceFile(table->FileName(), bytes);
        } else if (last == version) {
            record->setValue(StampKey(key), stamp);
            continue;
        } else {
            try {
                RefreshReferenceTable(table, bytes, last);
            } catch (const Exception &) {
                // The copy in use stays, and the next start tries again.
                continue;
            }
        }
        if (record) {
            record->setValue(key, version);
            record->setValue(StampKey(key), stamp);
        }
    }
}

void TAPDDataModule::RefreshReferenceTable(TTable *Table, const QByteArray &Shipped, const QString &LastHash)
{
    const QString file = Table->FileName();
    // A table whose last write never ended has its journal beside it; the engine mends it when it opens the
    // table, and the shipped version waits for the next start.
    if (TTableStore::IsInUse(file) || QFileInfo::exists(file + QStringLiteral("-journal")) ||
        QFileInfo::exists(file + QStringLiteral("-wal")))
        throw EAbort(QString());
    const QString mine = Fingerprint(Platform::ReadRegularFile(file, MaxTableFileSize));
    if (mine == Fingerprint(Shipped))
        return;
    // An earlier backup is a copy the user was told of: each refresh keeps its own, numbered after the first.
    const QString first = TTableStore::ResolveFileName(FDataFolder, QStringLiteral("backup of ") + Table->TableName());
    QString backup;
    Platform::ReplaceFile(file, Shipped, [&] {
        for (int n = 1; n <= 9999; ++n) {
            const QString name = Platform::NumberedFileName(first, n);
            if (QFileInfo::exists(name) || QFileInfo(name).isSymLink())
                continue;
            if (Platform::LinkOrCopy(file, name)) {
                backup = name;
                return;
            }
            const int error = errno;
            if (!QFileInfo::exists(name))
                throw EFCreateError(Platform::CreateFileErrorText(name, error));
        }
        throw EFCreateError(Platform::CreateFileErrorText(first, EEXIST));
    });
    // A copy the user changed (or one of unknown origin) is no longer in use: say where it went.
    if (mine != LastHash)
        MessageDlg(QStringLiteral("Ο πίνακας \"%1\" αντικαταστάθηκε από τη νεότερη έκδοσή του που συνοδεύει το "
                                  "πρόγραμμα.\r\nΤο αντίγραφο που χρησιμοποιούσατε, με όσες αλλαγές του κάνατε, "
                                  "φυλάχτηκε ως \"%2\".")
                       .arg(Table->TableName(), QFileInfo(backup).fileName()),
                   mtInformation, {mbOK}, 0);
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

bool TAPDDataModule::SameIndexDefs(const TIndexDefs &Expected, const TIndexDefs &Stored)
{
    if (Expected.Count() != Stored.Count())
        return false;
    for (int i = 0; i < Expected.Count(); ++i)
        if (Expected[i].Name != Stored[i].Name || Expected[i].Fields != Stored[i].Fields ||
            Expected[i].Options != Stored[i].Options)
            return false;
    return true;
}

bool TAPDDataModule::ConfirmUpgrade(const QString &Name)
{
    const QString text = QStringLiteral("Η δομή του πίνακα \"%1\" άλλαξε.\r\nΠατήστε Ok για να δημιουργηθεί αντίγραφο "
                                        "ασφαλείας του πίνακα\r\nκαι να γίνει μετατροπή των εγγραφών στη νέα δομή.")
                             .arg(Name);
    return MessageDlg(text, mtInformation, {mbOK, mbCancel}, 0) == mrOk;
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
    tbTemp->IndexDefs()->Update();
    // Indexes count too: a table without its keys would take duplicates and give its lookups any of them.
    if (SameFieldDefs(*Table->FieldDefs(), *tbTemp->FieldDefs()) &&
        SameIndexDefs(*Table->IndexDefs(), *tbTemp->IndexDefs()))
        return;
    if (!ConfirmUpgrade(name))
        throw EHalt(QString());

    // The new table is built and filled under a name of its own; the current table becomes the backup
    // only once the new one is complete, so no failure leaves the data folder without the only copy.
    Table->Close();
    Table->SetReadOnly(false);
    Table->SetTableName(newName);
    {
        // A conversion that fails leaves the table as it was, with no half-built table beside it; the
        // failure is the one the user hears of.
        TScopeExit undo([&] {
            Table->Close();
            Table->SetTableName(name);
            Table->SetReadOnly(savedReadOnly);
            tbTemp->Close();
            tbTemp->SetTableName(newName);
            try {
                if (tbTemp->Exists())
                    tbTemp->DeleteTable();
            } catch (...) {
            }
            tbTemp->SetTableName(name);
        });
        Table->CreateTable();
        CopyRecords(tbTemp, Table);
        undo.Dismiss();
    }
    Table->SetTableName(name);
    Table->SetReadOnly(savedReadOnly);

    tbTemp->SetTableName(backupName);
    if (tbTemp->Exists())
        tbTemp->DeleteTable();
    tbTemp->SetTableName(name);
    tbTemp->RenameTable(backupName);
    tbTemp->SetTableName(newName);
    {
        // The table in use takes its name back when the new one cannot take it.
        TScopeExit putBack([&] {
            try {
                tbTemp->SetTableName(backupName);
                tbTemp->RenameTable(name);
            } catch (...) {
            }
        });
        tbTemp->RenameTable(name);
        putBack.Dismiss();
    }
    tbTemp->SetTableName(backupName);
}

int TAPDDataModule::CopyRecords(TDataSet *Source, TTable *Dest)
{
    Source->Open();
    Dest->Open();
    Dest->DisableControls();
    TScopeExit close([&] {
        Dest->EnableControls();
        Dest->Close();
        Source->Close();
    });
    int copied = 0;
    Source->First();
    const int total = Source->RecordCount();
    while (!Source->Eof()) {
        if (CopyRecord(Source, Dest))
            ++copied;
        Source->Next();
    }
    MessageDlg(QStringLiteral("%1 από τις %2 εγγραφές του πίνακα μετατράπηκαν επιτυχώς.").arg(copied).arg(total),
               mtInformation, {mbOK}, 0);
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
                if (MessageDlg(QStringLiteral("Could not convert %1 ").arg(def->Name), mtWarning, {mbAbort, mbIgnore},
                               0) == mrAbort)
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
    TScopeExit enable([Table] { Table->EnableControls(); });
    SavedFiltered = Table->Filtered();
    Table->SetFiltered(false);
    enable.Dismiss();
}

void TAPDDataModule::EndLookup(TDataSet *Table, bool SavedFiltered)
{
    TScopeExit enable([Table] { Table->EnableControls(); });
    Table->SetFiltered(SavedFiltered);
}

QVariant TAPDDataModule::LookupUnfiltered(TDataSet *Table, const std::function<QVariant()> &Lookup)
{
    bool saved = false;
    BeginLookup(Table, saved);
    // A lookup that fails gives the table back too; its own error is the one the caller hears of.
    TScopeExit restore([&] {
        try {
            EndLookup(Table, saved);
        } catch (...) {
        }
    });
    const QVariant v = Lookup();
    restore.Dismiss();
    EndLookup(Table, saved);
    return v;
}

Currency TAPDDataModule::WageLookup(const QString &Code, const QVariant &Married, const QVariant &Triennia)
{
    const QVariant v = LookupUnfiltered(tbPaymentLookUp, [&] {
        return tbPaymentLookUp->Lookup(KeyPayment, QVariantList{Code, Married, Triennia}, QStringLiteral("ΑΠΟΔΟΧΕΣ"));
    });
    QVariant amount;
    if (!v.isValid() || !TryConvertValue(v, ftCurrency, amount) || !amount.isValid())
        throw EConvertError(
            QStringLiteral("Δεν βρέθηκε ημερομίσθιο για την ειδικότητα \"%1\".").arg(TrimRightBlanks(Code)));
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
    const QVariant v = LookupUnfiltered(tbEmployers, [&] {
        return tbEmployers->Lookup(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), RegisterNumber, QStringLiteral("ΕΠΙΔΟΜΑ(%)"));
    });
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
    const QVariant v = LookupUnfiltered(tbInsCasesLookUp, [&] {
        return tbInsCasesLookUp->Lookup(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"), Package,
                                        QStringLiteral("ΕΙΣΦΟΡΑ ΕΡΓΑΖΟΜΕΝΟΥ;ΕΙΣΦΟΡΑ ΕΡΓΟΔΟΤΗ"));
    });
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
    QVariant v = LookupUnfiltered(tbInsCasesLookUp, [&] {
        return tbInsCasesLookUp->Lookup(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"), Package,
                                        QStringLiteral("ΕΙΔ. ΠΕΡΙΠΤ. ΑΣΦΑΛ."));
    });
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
        wage->SetAsCurrency(
            base + AllowanceAmount(DataSet->FieldByName(QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ"))->AsString(), pct));
    } catch (const Exception &) {
        // A specialty the wage table does not hold: the daily wage shows empty rather than raising on every
        // record fetched.
        wage->Clear();
    }
}
