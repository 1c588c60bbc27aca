// The engine's session, databases and tables: a database names a folder (its PATH parameter), a table
// one file in it.
#pragma once

#include "db/DB.h"

#include <QStringList>

class TDatabase;

class TSession : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(QString NetFileDir READ NetFileDir WRITE SetNetFileDir)
    Q_PROPERTY(QString PrivateDir READ PrivateDir WRITE SetPrivateDir)
    Q_PROPERTY(QString SessionName READ SessionName WRITE SetSessionName)
public:
    Q_INVOKABLE explicit TSession(TComponent *AOwner);
    ~TSession() override;
    bool Active() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }
    QString NetFileDir() const { return FNetFileDir; }
    void SetNetFileDir(const QString &Value) { FNetFileDir = Value; }
    QString PrivateDir() const { return FPrivateDir; }
    void SetPrivateDir(const QString &Value) { FPrivateDir = Value; }
    QString SessionName() const { return FSessionName; }
    void SetSessionName(const QString &Value) { FSessionName = Value; }
    // The database component of this session with the name (without regard to case), or null.
    TDatabase *FindDatabase(const QString &DatabaseName) const;

private:
    friend class TDatabase;
    bool FActive = false;
    QString FNetFileDir, FPrivateDir, FSessionName = QStringLiteral("Default");
    QList<TDatabase *> FDatabases;
};

// The process's default session.
TSession *Session();

class TDatabase : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(QString DatabaseName READ DatabaseName WRITE SetDatabaseName)
    Q_PROPERTY(QString DriverName READ DriverName WRITE SetDriverName)
    Q_PROPERTY(TStrings *Params READ Params WRITE SetParams)
    Q_PROPERTY(bool LoginPrompt READ LoginPrompt WRITE SetLoginPrompt)
    Q_PROPERTY(bool KeepConnection READ KeepConnection WRITE SetKeepConnection)
    Q_PROPERTY(QString SessionName READ SessionName WRITE SetSessionName)
    Q_PROPERTY(bool Connected READ Connected WRITE SetConnected STORED false)
    Q_CLASSINFO("Default:LoginPrompt", "True")
    Q_CLASSINFO("Default:KeepConnection", "True")
public:
    Q_INVOKABLE explicit TDatabase(TComponent *AOwner);
    ~TDatabase() override;
    QString DatabaseName() const { return FDatabaseName; }
    void SetDatabaseName(const QString &Value) { FDatabaseName = Value; }
    QString DriverName() const { return FDriverName; }
    void SetDriverName(const QString &Value) { FDriverName = Value; }
    TStrings *Params() const { return FParams; }
    void SetParams(TStrings *Value) { FParams->Assign(Value); }
    // "NAME=value" entries of Params.
    QString ParamValue(const QString &Name) const;
    void SetParamValue(const QString &Name, const QString &Value);
    bool LoginPrompt() const { return FLoginPrompt; }
    void SetLoginPrompt(bool Value) { FLoginPrompt = Value; }
    bool KeepConnection() const { return FKeepConnection; }
    void SetKeepConnection(bool Value) { FKeepConnection = Value; }
    QString SessionName() const { return FSessionName; }
    void SetSessionName(const QString &Value) { FSessionName = Value; }
    bool Connected() const { return FConnected; }
    void SetConnected(bool Value);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }
    // The folder of the tables (the PATH parameter).
    QString Directory() const { return ParamValue(QStringLiteral("PATH")); }

private:
    QString FDatabaseName, FDriverName, FSessionName = QStringLiteral("Default");
    TStrings *FParams;
    bool FLoginPrompt = true, FKeepConnection = true, FConnected = false;
};

class TTable : public TDataSet
{
    Q_OBJECT
    Q_PROPERTY(QString DatabaseName READ DatabaseName WRITE SetDatabaseName)
    Q_PROPERTY(QString TableName READ TableName WRITE SetTableName)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(DB::TTableType TableType READ TableType WRITE SetTableType)
    Q_PROPERTY(QString IndexFieldNames READ IndexFieldNames WRITE SetIndexFieldNames)
    Q_PROPERTY(bool StoreDefs READ StoreDefs WRITE SetStoreDefs)
    Q_PROPERTY(TCollection *FieldDefs READ FieldDefsCollection WRITE SetFieldDefs)
    Q_PROPERTY(TCollection *IndexDefs READ IndexDefsCollection WRITE SetIndexDefs)
    Q_CLASSINFO("Default:ReadOnly", "False")
    Q_CLASSINFO("Default:TableType", "ttDefault")
    Q_CLASSINFO("Default:StoreDefs", "False")
    Q_CLASSINFO("Stored:FieldDefs", "StoreDefs")
    Q_CLASSINFO("Stored:IndexDefs", "StoreDefs")
public:
    Q_INVOKABLE explicit TTable(TComponent *AOwner);
    ~TTable() override;

    QString DatabaseName() const { return FDatabaseName; }
    void SetDatabaseName(const QString &Value);
    QString TableName() const { return FTableName; }
    void SetTableName(const QString &Value);
    QString Title() const override;
    TTableType TableType() const { return FTableType; }
    void SetTableType(TTableType Value) { FTableType = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    QString IndexFieldNames() const { return FIndexFieldNames; }
    void SetIndexFieldNames(const QString &Value);
    Q_INVOKABLE bool StoreDefs() const { return FStoreDefs; }
    void SetStoreDefs(bool Value) { FStoreDefs = Value; }
    TIndexDefs *IndexDefs() const { return FIndexDefs; }
    TCollection *FieldDefsCollection() { return FieldDefs(); }
    void SetFieldDefs(TCollection *Value) { FieldDefs()->Assign(Value); }
    TCollection *IndexDefsCollection() const { return FIndexDefs; }
    void SetIndexDefs(TCollection *Value) { FIndexDefs->Assign(Value); }

    // The table's file: the database's folder and the table name (".db" when it has no extension),
    // matched without regard to case.
    QString FileName() const;
    QString Directory() const;
    bool Exists() const;
    // An empty table in the structure of FieldDefs and IndexDefs, replacing any table of that name.
    void CreateTable();
    void DeleteTable();
    void RenameTable(const QString &NewTableName);

protected:
    std::shared_ptr<TTableStore> OpenStore() override;
    QStringList DefaultIndexFields() const override;
    bool IndexCaseInsensitive(const QStringList &Fields) const override;
    bool ReadOnlyDataSet() const override { return FReadOnly; }

private:
    void CheckInactive() const;
    QString FDatabaseName, FTableName, FIndexFieldNames;
    TTableType FTableType = ttDefault;
    bool FReadOnly = false, FStoreDefs = false;
    TIndexDefs *FIndexDefs;
};
