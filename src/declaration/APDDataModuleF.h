// The data module: the reference database, its tables, the lookup cursors and data sources, the start-up
// structure check with its upgrade, and the lookups of wages, allowances and contribution rates.
#pragma once

#include "db/DBTables.h"
#include "XForms/FieldEditor.h"
#include "vcl/Classes.h"
#include "vcl/SysUtils.h"

// Raised when the user refuses the start-up conversion: the program is to end before any window shows.
class EHalt : public EAbort
{
    using EAbort::EAbort;
};

// A data module is a plain component here: it only owns the database components.
class TAPDDataModule : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(TNotifyEvent OnCreate MEMBER OnCreate)
    Q_CLASSINFO("FormResource", ":/forms/APDDataModule.dfm")
public:
    // Builds the module's components and runs the start-up sequence with the data folder under
    // UserFolder (the user's folder of the program when empty), brought up to date from the tables in
    // ShippedFolder (APDData beside the program when empty). Errors of the sequence are shown and start-up
    // goes on with the tables opened so far; a refused conversion raises EHalt.
    explicit TAPDDataModule(TComponent *AOwner, const QString &UserFolder = QString(),
                            const QString &ShippedFolder = QString());
    ~TAPDDataModule() override;
    // The components alone, without the start-up sequence (used to build the shipped tables).
    static TAPDDataModule *CreateDesign(TComponent *AOwner);

    TDatabase *dbAPD = nullptr;
    TTable *tbEmployes = nullptr;  // "Employes.Db": the employers
    TTable *tbEmployers = nullptr; // "Employers.db": the employees
    TTable *tbIkaOffices = nullptr;
    TTable *tbInsCases = nullptr;
    TTable *tbPayment = nullptr;
    TTable *tbConPhase = nullptr;
    TTable *tbInsCasesLookUp = nullptr;
    TTable *tbPaymentLookUp = nullptr;
    TTable *tbTemp = nullptr;
    TDataSource *dsEmployes = nullptr;
    TDataSource *dsIkaOffices = nullptr;
    TDataSource *dsEmployers = nullptr;
    TDataSource *dsConPhase = nullptr;
    // The table editor's control for the employees' specialty code.
    TFieldEditor *FieldEditor1 = nullptr;

    QString DataFolder() const { return FDataFolder; }

    TNotifyEvent OnCreate;
    // Its design holds its own components and, inside each table, that table's fields.
    void GetChildren(TGetChildProc Proc, TComponent *Root) override;
    TComponent *GetChildOwner() override { return this; }

    Q_INVOKABLE void DataModuleCreate(TObject *Sender);
    Q_INVOKABLE void tbEmployersCalcFields(TDataSet *DataSet);
    Q_INVOKABLE void tbEmployesBeforeInsert(TDataSet *DataSet);
    Q_INVOKABLE void FieldEditor1CreateControl(TFieldEditor *Sender, TComponent *AOwner, TWinControl *AParent,
                                               TControl *&Control);
    Q_INVOKABLE void SpecialtyEditClick(TObject *Sender);

    // The tables that ship with the program reach the data folder: a table it lacks is copied in; a
    // reference table (read-only in the design) whose shipped file changed since it was last brought in
    // replaces the copy in use, which is kept as "backup of <name>". The employers and employees tables are
    // the user's own and are never replaced. Raises when a missing table cannot be copied in.
    void InstallShippedTables();
    void UpgradeTable(TTable *Table);
    static bool SameFieldDefs(const TFieldDefs &Expected, const TFieldDefs &Stored);
    static bool SameFieldDef(const TFieldDef &A, int PosA, const TFieldDef &B, int PosB);
    // The same indexes in the same order: name, fields and options of each.
    static bool SameIndexDefs(const TIndexDefs &Expected, const TIndexDefs &Stored);
    // Copies every record of Source into Dest; answers the number of records copied.
    int CopyRecords(TDataSet *Source, TTable *Dest);
    bool CopyRecord(TDataSet *Source, TTable *Dest);

    Currency GetWage(const QString &Code, const QString &Triennia, const QString &Marital);
    Currency GetBaseWage(const QString &Code);
    Currency AllowanceAmount(const QString &Code, float Percent);
    Currency EmployeeAllowance(const QString &Code, const QString &RegisterNumber);
    bool GetContributionRates(const QString &Package, float &EmployeeRate, float &EmployerRate);
    QString GetSpecialInsuranceCase(const QString &Package);
    void BeginLookup(TDataSet *Table, bool &SavedFiltered);
    void EndLookup(TDataSet *Table, bool SavedFiltered);
    // Lookup's answer, asked with Table's filter off and its controls still; both are given back, also when
    // the lookup fails.
    QVariant LookupUnfiltered(TDataSet *Table, const std::function<QVariant()> &Lookup);

private:
    struct TDesignOnly {
    };
    TAPDDataModule(TComponent *AOwner, TDesignOnly);
    void CreateComponents();
    bool ConfirmUpgrade(const QString &Name);
    Currency WageLookup(const QString &Code, const QVariant &Married, const QVariant &Triennia);
    void RefreshReferenceTable(TTable *Table, const QByteArray &Shipped, const QString &LastHash);

    QString FUserFolder;
    QString FShippedFolder;
    QString FDataFolder;
};

// The module of the running program, created first at start-up.
extern TAPDDataModule *APDDataModule;
