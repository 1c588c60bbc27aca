#include "db/DBTables.h"

#include "db/TableStore.h"

#include <QDir>
#include <QFileInfo>

void RegisterDBClasses()
{
    RegisterClasses<TStringField, TSmallintField, TIntegerField, TFloatField, TCurrencyField, TDateField, TBooleanField,
                    TDataSource, TDatabase, TTable>();
}

// ------------------------------------------------------------------------------------------- TSession

TSession::TSession(TComponent *AOwner) : TComponent(AOwner)
{
}

TSession::~TSession() = default;

TDatabase *TSession::FindDatabase(const QString &DatabaseName) const
{
    for (TDatabase *db : FDatabases)
        if (db->DatabaseName().compare(DatabaseName, Qt::CaseInsensitive) == 0)
            return db;
    return nullptr;
}

TSession *Session()
{
    static TSession *session = new TSession(nullptr);
    return session;
}

// ------------------------------------------------------------------------------------------ TDatabase

TDatabase::TDatabase(TComponent *AOwner) : TComponent(AOwner), FParams(new TStringList)
{
    Session()->FDatabases.append(this);
}

TDatabase::~TDatabase()
{
    delete FParams;
    Session()->FDatabases.removeAll(this);
}

QString TDatabase::ParamValue(const QString &Name) const
{
    for (int i = 0; i < FParams->Count(); ++i)
        if (FParams->Names(i).trimmed().compare(Name, Qt::CaseInsensitive) == 0)
            return FParams->Get(i).mid(FParams->Get(i).indexOf(u'=') + 1);
    return {};
}

void TDatabase::SetParamValue(const QString &Name, const QString &Value)
{
    for (int i = 0; i < FParams->Count(); ++i)
        if (FParams->Names(i).trimmed().compare(Name, Qt::CaseInsensitive) == 0) {
            FParams->Put(i, Name + u'=' + Value);
            return;
        }
    FParams->Add(Name + u'=' + Value);
}

void TDatabase::SetConnected(bool Value)
{
    if (Value && !FConnected) {
        const QString dir = Directory();
        if (!dir.isEmpty() && !QFileInfo(dir).isDir())
            throw EDatabaseError(
                QStringLiteral("Ο φάκελος \"%1\" της βάσης \"%2\" δεν υπάρχει.").arg(dir, FDatabaseName));
        Session()->SetActive(true);
    }
    FConnected = Value;
}

// --------------------------------------------------------------------------------------------- TTable

TTable::TTable(TComponent *AOwner) : TDataSet(AOwner), FIndexDefs(new TIndexDefs(this))
{
}

TTable::~TTable()
{
    delete FIndexDefs;
}

void TTable::CheckInactive() const
{
    if (Active())
        throw EDatabaseError(QStringLiteral("Ο πίνακας \"%1\" είναι ανοιχτός.").arg(FTableName));
}

void TTable::SetDatabaseName(const QString &Value)
{
    CheckInactive();
    FDatabaseName = Value;
}

QString TTable::Title() const
{
    return FTableName.isEmpty() ? TDataSet::Title() : QFileInfo(FTableName).fileName();
}

void TTable::SetTableName(const QString &Value)
{
    CheckInactive();
    FTableName = Value;
}

void TTable::SetReadOnly(bool Value)
{
    CheckInactive();
    FReadOnly = Value;
}

QString TTable::Directory() const
{
    // A database component of the table's own owner comes first, then any of the session.
    TDatabase *db = nullptr;
    if (TComponent *owner = Owner())
        for (int i = 0; i < owner->ComponentCount() && !db; ++i)
            if (auto *d = qobject_cast<TDatabase *>(owner->Components(i));
                d && d->DatabaseName().compare(FDatabaseName, Qt::CaseInsensitive) == 0)
                db = d;
    if (!db)
        db = Session()->FindDatabase(FDatabaseName);
    if (db) {
        if (!db->Connected())
            db->Open();
        return db->Directory();
    }
    // A database name that no component defines is taken as a folder.
    return FDatabaseName;
}

QString TTable::FileName() const
{
    return TTableStore::ResolveFileName(Directory(), FTableName);
}

bool TTable::Exists() const
{
    return !FTableName.isEmpty() && TTableStore::Exists(FileName());
}

std::shared_ptr<TTableStore> TTable::OpenStore()
{
    if (FTableName.isEmpty())
        throw EDatabaseError(QStringLiteral("Δεν έχει οριστεί όνομα πίνακα στο \"%1\".").arg(Name()));
    auto store = TTableStore::Acquire(FileName());
    if (FIndexDefs->Count() == 0)
        for (const TStoredIndexDef &d : store->IndexDefs())
            FIndexDefs->Add(d.Name, d.Fields, TIndexOptions::fromInt(d.Options));
    return store;
}

QStringList TTable::DefaultIndexFields() const
{
    if (!FIndexFieldNames.isEmpty())
        return SplitFieldNames(FIndexFieldNames);
    // The primary key gives the order when none is chosen.
    for (int i = 0; i < FIndexDefs->Count(); ++i)
        if ((*FIndexDefs)[i].Options & ixPrimary)
            return SplitFieldNames((*FIndexDefs)[i].Fields);
    if (Store())
        for (const TStoredIndexDef &d : Store()->IndexDefs())
            if (d.Options & ixPrimary)
                return SplitFieldNames(d.Fields);
    return {};
}

bool TTable::IndexCaseInsensitive(const QStringList &Fields) const
{
    for (int i = 0; i < FIndexDefs->Count(); ++i)
        if (SplitFieldNames((*FIndexDefs)[i].Fields) == Fields)
            return (*FIndexDefs)[i].Options.testFlag(ixCaseInsensitive);
    return false;
}

void TTable::SetIndexFieldNames(const QString &Value)
{
    FIndexFieldNames = Value;
    if (Active()) {
        CheckBrowseMode();
        RebuildView();
        DataEvent(deDataSetChange);
    }
}

void TTable::CreateTable()
{
    CheckInactive();
    std::vector<TStoredFieldDef> fields;
    if (FieldDefs()->Count() > 0) {
        for (int i = 0; i < FieldDefs()->Count(); ++i)
            if (const TFieldDef &d = (*FieldDefs())[i]; true)
                fields.push_back({d.Name, d.DataType, d.DataType == ftString ? (d.Size > 0 ? d.Size : 20) : 0,
                                  d.Required, static_cast<int>(fields.size()) + 1});
    } else {
        for (TField *f : Fields())
            if (f->FieldKind() == fkData)
                fields.push_back({f->FieldName(), f->DataType(), f->DataType() == ftString ? f->Size() : 0,
                                  f->Required(), static_cast<int>(fields.size()) + 1});
    }
    std::vector<TStoredIndexDef> indexes;
    for (int i = 0; i < FIndexDefs->Count(); ++i)
        indexes.push_back(
            {(*FIndexDefs)[i].Name, (*FIndexDefs)[i].Fields, static_cast<int>((*FIndexDefs)[i].Options.toInt())});
    TTableStore::CreateFile(FileName(), fields, indexes);
}

void TTable::DeleteTable()
{
    CheckInactive();
    TTableStore::DeleteFile(FileName());
}

void TTable::RenameTable(const QString &NewTableName)
{
    CheckInactive();
    TTableStore::RenameFile(FileName(), TTableStore::ResolveFileName(Directory(), NewTableName));
    FTableName = NewTableName;
}
