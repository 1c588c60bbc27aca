// Datasets and fields: a cursor over a table's shared rows with its own position, state, filter, sort
// order, bookmarks, field objects (data, calculated and lookup), counted control disabling and data links.
#pragma once

#include "db/DBTypes.h"
#include "db/FilterExpr.h"
#include "vcl/Classes.h"

#include <QList>
#include <QSet>
#include <functional>
#include <memory>

class TDataSet;
class TDataSource;
class TDataLink;
class TTableStore;
struct TStoredRow;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert, dsCalcFields };
enum TDataEvent {
    deFieldChange,
    deRecordChange,
    deDataSetChange,
    deDataSetScroll,
    deLayoutChange,
    deUpdateRecord,
    deUpdateState,
    deCheckBrowseMode
};
enum TLocateOption { loCaseInsensitive = 1, loPartialKey = 2 };
using TLocateOptions = int;

// Opaque position of a record; valid while the record exists.
using TBookmark = std::shared_ptr<const void>;

using TDataSetNotifyEvent = TEvent<void(TDataSet *DataSet)>;

class TField;
using TFieldNotifyEvent = TEvent<void(TField *Sender)>;
using TDataChangeEvent = TEvent<void(TObject *Sender, TField *Field)>;

// Makes the dataset classes known to the component streams.
void RegisterDBClasses();

// ---------------------------------------------------------------------------------------------- fields

class TField : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(QString FieldName READ FieldName WRITE SetFieldName)
    Q_PROPERTY(DB::TFieldKind FieldKind READ FieldKind WRITE SetFieldKind)
    Q_PROPERTY(QString DisplayLabel READ DisplayLabel WRITE SetDisplayLabel)
    Q_PROPERTY(int DisplayWidth READ DisplayWidth WRITE SetDisplayWidth)
    Q_PROPERTY(QString EditMask READ EditMask WRITE SetEditMask)
    Q_PROPERTY(QString ValidChars READ ValidChars WRITE SetValidChars)
    Q_PROPERTY(bool Required READ Required WRITE SetRequired)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_CLASSINFO("Default:FieldKind", "fkData")
    Q_CLASSINFO("Stored:DisplayLabel", "IsDisplayLabelStored")
    Q_CLASSINFO("Stored:DisplayWidth", "IsDisplayWidthStored")
    Q_CLASSINFO("Default:Required", "False")
    Q_CLASSINFO("Default:Visible", "True")
    Q_CLASSINFO("Default:ReadOnly", "False")
    Q_PROPERTY(QString DefaultExpression READ DefaultExpression WRITE SetDefaultExpression)
    Q_PROPERTY(QString KeyFields READ KeyFields WRITE SetKeyFields)
    Q_PROPERTY(QString LookupKeyFields READ LookupKeyFields WRITE SetLookupKeyFields)
    Q_PROPERTY(QString LookupResultField READ LookupResultField WRITE SetLookupResultField)
    Q_PROPERTY(TDataSet *LookupDataSet READ LookupDataSet WRITE SetLookupDataSet)
    Q_PROPERTY(TFieldNotifyEvent OnChange MEMBER OnChange)
    Q_PROPERTY(TFieldNotifyEvent OnValidate MEMBER OnValidate)

public:
    Q_INVOKABLE explicit TField(TComponent *AOwner);
    ~TField() override;

    TDataSet *DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet *Value);
    TFieldType DataType() const { return FDataType; }
    TFieldKind FieldKind() const { return FFieldKind; }
    void SetFieldKind(TFieldKind Value) { FFieldKind = Value; }
    QString FieldName() const { return FFieldName; }
    void SetFieldName(const QString &Value) { FFieldName = Value; }
    int FieldNo() const { return FFieldNo; } // 1-based column of the table; 0 for calculated and lookup
    int Index() const;
    int Size() const { return FSize; }
    void SetSize(int Value) { FSize = Value; }
    QString DisplayLabel() const { return FDisplayLabel.isEmpty() ? FFieldName : FDisplayLabel; }
    void SetDisplayLabel(const QString &Value) { FDisplayLabel = Value; }
    QString DisplayName() const { return DisplayLabel(); }
    int DisplayWidth() const { return FDisplayWidth > 0 ? FDisplayWidth : DefaultDisplayWidth(); }
    void SetDisplayWidth(int Value) { FDisplayWidth = Value; }
    QString EditMask() const { return FEditMask; }
    void SetEditMask(const QString &Value) { FEditMask = Value; }
    // The characters a user may type into the field's controls (empty: any). Values put in otherwise (read
    // from a file, copied by the structure upgrade) are not checked against it.
    QString ValidChars() const { return FValidChars; }
    void SetValidChars(const QString &Value) { FValidChars = Value; }
    bool Required() const { return FRequired; }
    void SetRequired(bool Value) { FRequired = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    QString DefaultExpression() const { return FDefaultExpression; }
    void SetDefaultExpression(const QString &Value) { FDefaultExpression = Value; }
    bool Calculated() const { return FFieldKind == fkCalculated; }
    bool Lookup() const { return FFieldKind == fkLookup; }

    // The lookup definition: also carried by stored fields whose values are picked from another table.
    QString KeyFields() const { return FKeyFields; }
    void SetKeyFields(const QString &Value) { FKeyFields = Value; }
    QString LookupKeyFields() const { return FLookupKeyFields; }
    void SetLookupKeyFields(const QString &Value) { FLookupKeyFields = Value; }
    QString LookupResultField() const { return FLookupResultField; }
    void SetLookupResultField(const QString &Value) { FLookupResultField = Value; }
    TDataSet *LookupDataSet() const { return FLookupDataSet; }
    void SetLookupDataSet(TDataSet *Value);

    QVariant Value() const;
    void SetValue(const QVariant &Value);
    bool IsNull() const { return !Value().isValid(); }
    void Clear() { SetValue(QVariant()); }
    QString AsString() const;
    void SetAsString(const QString &Value);
    int AsInteger() const;
    void SetAsInteger(int Value) { SetValue(Value); }
    double AsFloat() const;
    void SetAsFloat(double Value) { SetValue(Value); }
    Currency AsCurrency() const;
    void SetAsCurrency(Currency Value) { SetValue(QVariant::fromValue(Value)); }
    bool AsBoolean() const;
    void SetAsBoolean(bool Value) { SetValue(Value); }
    TDateTime AsDateTime() const;
    void SetAsDateTime(TDateTime Value) { SetValue(static_cast<double>(Value)); }
    // The text shown in controls (DisplayFormat, DisplayValues) and the text offered for editing.
    QString DisplayText() const { return GetText(true); }
    QString Text() const { return GetText(false); }
    void SetText(const QString &Value) { SetAsString(Value); }
    bool IsIndexField() const;

    TFieldNotifyEvent OnChange;
    TFieldNotifyEvent OnValidate;

    Q_INVOKABLE bool IsDisplayLabelStored() const { return !FDisplayLabel.isEmpty(); }
    Q_INVOKABLE bool IsDisplayWidthStored() const { return FDisplayWidth > 0; }
    // A field is streamed inside its dataset.
    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override;
    void SetParentComponent(TComponent *Value) override;

protected:
    explicit TField(TComponent *AOwner, TFieldType DataType);
    virtual QString GetText(bool DisplayText) const;
    virtual int DefaultDisplayWidth() const { return 10; }
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    friend class TDataSet;
    TDataSet *FDataSet = nullptr;
    TFieldType FDataType = ftUnknown;
    TFieldKind FFieldKind = fkData;
    QString FFieldName, FDisplayLabel, FEditMask, FValidChars, FDefaultExpression;
    QString FKeyFields, FLookupKeyFields, FLookupResultField;
    TDataSet *FLookupDataSet = nullptr;
    int FFieldNo = 0;
    int FStoreIndex = -1; // column in the table rows (data fields)
    int FCalcIndex = -1;  // slot in the calculated values (calculated and lookup fields)
    int FSize = 0;
    int FDisplayWidth = 0;
    bool FRequired = false, FVisible = true, FReadOnly = false;
};

class TStringField : public TField
{
    Q_OBJECT
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_CLASSINFO("Default:Size", "20")
public:
    Q_INVOKABLE explicit TStringField(TComponent *AOwner) : TField(AOwner, ftString) { SetSize(20); }

protected:
    int DefaultDisplayWidth() const override { return Size(); }
};

// Integer, float, currency and date fields share the display format.
class TNumericField : public TField
{
    Q_OBJECT
    Q_PROPERTY(QString DisplayFormat READ DisplayFormat WRITE SetDisplayFormat)
public:
    QString DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const QString &Value) { FDisplayFormat = Value; }

protected:
    using TField::TField;
    QString GetText(bool DisplayText) const override;

private:
    QString FDisplayFormat;
};

class TSmallintField : public TNumericField
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TSmallintField(TComponent *AOwner) : TNumericField(AOwner, ftSmallint) {}

protected:
    int DefaultDisplayWidth() const override { return 6; }
};

class TIntegerField : public TNumericField
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TIntegerField(TComponent *AOwner) : TNumericField(AOwner, ftInteger) {}

protected:
    int DefaultDisplayWidth() const override { return 11; }
};

class TFloatField : public TNumericField
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TFloatField(TComponent *AOwner) : TNumericField(AOwner, ftFloat) {}
};

class TCurrencyField : public TNumericField
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TCurrencyField(TComponent *AOwner) : TNumericField(AOwner, ftCurrency) {}
};

class TDateField : public TNumericField
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TDateField(TComponent *AOwner) : TNumericField(AOwner, ftDate) {}
};

class TBooleanField : public TField
{
    Q_OBJECT
    Q_PROPERTY(QString DisplayValues READ DisplayValues WRITE SetDisplayValues)
public:
    Q_INVOKABLE explicit TBooleanField(TComponent *AOwner) : TField(AOwner, ftBoolean) {}
    QString DisplayValues() const { return FDisplayValues; }
    void SetDisplayValues(const QString &Value) { FDisplayValues = Value; }

protected:
    QString GetText(bool DisplayText) const override;
    int DefaultDisplayWidth() const override { return 5; }

private:
    QString FDisplayValues;
};

// A new field object of the class that holds the type (dynamic fields of a table without persistent ones).
TField *CreateFieldOfType(TFieldType Type, TComponent *AOwner);

// Formats a number with a display format of the kind "#.000%", "0.00", "#,##0.00" (Greek separators).
QString FormatFloatText(const QString &Format, long double Value);

// --------------------------------------------------------------------------------------- definitions

// One stored field as the table expects it (the definitions kept with a table whose StoreDefs is set).
class TFieldDef : public TCollectionItem
{
    Q_OBJECT
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(DB::TFieldType DataType MEMBER DataType)
    Q_PROPERTY(int Size MEMBER Size)
    Q_PROPERTY(bool Required MEMBER Required)
    Q_CLASSINFO("Default:Size", "0")
    Q_CLASSINFO("Default:Required", "False")
public:
    Q_INVOKABLE explicit TFieldDef(TCollection *Collection) : TCollectionItem(Collection) {}
    void Assign(TPersistent *Source) override;
    QString Name;
    TFieldType DataType = ftUnknown;
    int Size = 0;
    bool Required = false;
    int FieldNo = 0; // 0: its position
};

class TFieldDefs : public TCollection
{
    Q_OBJECT
public:
    explicit TFieldDefs(TDataSet *DataSet = nullptr);
    TFieldDef &operator[](int i) const { return *static_cast<TFieldDef *>(Items(i)); }
    TFieldDef *Add(const QString &Name, TFieldType DataType, int Size = 0, bool Required = false);
    int IndexOf(const QString &Name) const; // exact name; -1 when absent
    // Definition with this name compared without regard to case, or null.
    const TFieldDef *Find(const QString &Name) const;
    // Reads the definitions stored with the dataset's table.
    void Update();

protected:
    using TCollection::Update;

private:
    TDataSet *FDataSet;
};

class TIndexDef : public TCollectionItem
{
    Q_OBJECT
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(QString Fields MEMBER Fields)
    Q_PROPERTY(DB::TIndexOptions Options MEMBER Options)
    Q_CLASSINFO("Default:Options", "[]")
public:
    Q_INVOKABLE explicit TIndexDef(TCollection *Collection) : TCollectionItem(Collection) {}
    void Assign(TPersistent *Source) override;
    QString Name;
    QString Fields;
    TIndexOptions Options;
};

class TIndexDefs : public TCollection
{
    Q_OBJECT
public:
    explicit TIndexDefs(TPersistent *Owner = nullptr);
    TIndexDef &operator[](int i) const { return *static_cast<TIndexDef *>(Items(i)); }
    TIndexDef *Add(const QString &Name, const QString &Fields, TIndexOptions Options);
    // Reads the definitions stored with the owning dataset's table.
    void Update();

protected:
    using TCollection::Update;
};

// ------------------------------------------------------------------------------------------ dataset

class TDataSet : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive STORED false)
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    Q_PROPERTY(bool Filtered READ Filtered WRITE SetFiltered)
    Q_PROPERTY(DB::TFilterOptions FilterOptions READ FilterOptions WRITE SetFilterOptions)
    Q_CLASSINFO("Default:Filtered", "False")
    Q_CLASSINFO("Default:FilterOptions", "[]")
    Q_PROPERTY(TDataSetNotifyEvent BeforeOpen MEMBER BeforeOpen)
    Q_PROPERTY(TDataSetNotifyEvent AfterOpen MEMBER AfterOpen)
    Q_PROPERTY(TDataSetNotifyEvent BeforeClose MEMBER BeforeClose)
    Q_PROPERTY(TDataSetNotifyEvent AfterClose MEMBER AfterClose)
    Q_PROPERTY(TDataSetNotifyEvent BeforeInsert MEMBER BeforeInsert)
    Q_PROPERTY(TDataSetNotifyEvent AfterInsert MEMBER AfterInsert)
    Q_PROPERTY(TDataSetNotifyEvent BeforeEdit MEMBER BeforeEdit)
    Q_PROPERTY(TDataSetNotifyEvent AfterEdit MEMBER AfterEdit)
    Q_PROPERTY(TDataSetNotifyEvent BeforePost MEMBER BeforePost)
    Q_PROPERTY(TDataSetNotifyEvent AfterPost MEMBER AfterPost)
    Q_PROPERTY(TDataSetNotifyEvent BeforeCancel MEMBER BeforeCancel)
    Q_PROPERTY(TDataSetNotifyEvent AfterCancel MEMBER AfterCancel)
    Q_PROPERTY(TDataSetNotifyEvent BeforeDelete MEMBER BeforeDelete)
    Q_PROPERTY(TDataSetNotifyEvent AfterDelete MEMBER AfterDelete)
    Q_PROPERTY(TDataSetNotifyEvent BeforeScroll MEMBER BeforeScroll)
    Q_PROPERTY(TDataSetNotifyEvent AfterScroll MEMBER AfterScroll)
    Q_PROPERTY(TDataSetNotifyEvent OnNewRecord MEMBER OnNewRecord)
    Q_PROPERTY(TDataSetNotifyEvent OnCalcFields MEMBER OnCalcFields)

public:
    explicit TDataSet(TComponent *AOwner);
    ~TDataSet() override;

    bool Active() const { return FState != dsInactive; }
    void SetActive(bool Value);
    // What the user knows the dataset by in a message about it: a table's file, else the component's name.
    virtual QString Title() const { return Name(); }
    // What the program's windows call it (the command that opens it), for messages about its records;
    // its Title when it is given none.
    QString DisplayName() const { return FDisplayName.isEmpty() ? Title() : FDisplayName; }
    void SetDisplayName(const QString &Value) { FDisplayName = Value; }
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return FState; }

    // Navigation; a pending edit is posted first.
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int Distance);
    bool Eof() const { return FEof; }
    bool Bof() const { return FBof; }
    bool IsEmpty() const;
    int RecordCount() const;
    int RecNo() const; // 1-based; 0 with no current record
    void SetRecNo(int Value);
    // The value and the text of Field in the record at RecIndex (0-based, in the dataset's order) without
    // moving there, calculated fields included; grids draw their rows with these.
    QVariant RecordValue(int RecIndex, TField *Field);
    QString RecordText(int RecIndex, TField *Field, bool DisplayText = true);

    void Append();
    void Insert();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode();
    bool CanModify() const;
    // Raises the read-only error when the dataset cannot be modified.
    void CheckCanModify() const;
    // The open dataset's file cannot be written by this user (whatever the dataset's own settings).
    bool FileReadOnly() const;
    bool Modified() const { return FModified; }

    TBookmark GetBookmark() const;
    void GotoBookmark(const TBookmark &Bookmark);
    bool BookmarkValid(const TBookmark &Bookmark) const;
    void FreeBookmark(TBookmark &Bookmark) { Bookmark.reset(); }

    // KeyValues: one value, or a QVariantList in the order of KeyFields ("A;B").
    bool Locate(const QString &KeyFields, const QVariant &KeyValues, TLocateOptions Options);
    // The value of ResultFields (a QVariantList for several) in the row whose keys equal KeyValues, or null;
    // the current record does not move.
    QVariant Lookup(const QString &KeyFields, const QVariant &KeyValues, const QString &ResultFields);

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return FDisableCount > 0; }

    QString Filter() const { return FFilter; }
    void SetFilter(const QString &Value);
    bool Filtered() const { return FFiltered; }
    void SetFiltered(bool Value);
    TFilterOptions FilterOptions() const { return FFilterOptions; }
    void SetFilterOptions(TFilterOptions Value);

    const QList<TField *> &Fields() const { return FFields; }
    int FieldCount() const { return FFields.size(); }
    TField *FindField(const QString &FieldName) const;
    TField *FieldByName(const QString &FieldName) const; // raises when absent
    TFieldDefs *FieldDefs() { return FFieldDefs; }
    QVariant FieldValues(const QString &FieldName) const { return FieldByName(FieldName)->Value(); }
    // The fields of the current sort order.
    QStringList IndexFields() const;

    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit, BeforePost, AfterPost;
    TDataSetNotifyEvent BeforeCancel, AfterCancel, BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent OnNewRecord, OnCalcFields;

    // The fields of Root are streamed inside their dataset.
    void GetChildren(TGetChildProc Proc, TComponent *Root) override;

protected:
    // The table store the dataset reads; the table opens its file here.
    virtual std::shared_ptr<TTableStore> OpenStore() = 0;
    virtual QStringList DefaultIndexFields() const { return {}; }
    virtual bool IndexCaseInsensitive(const QStringList &) const { return false; }
    virtual bool ReadOnlyDataSet() const { return false; }
    TTableStore *Store() const { return FStore.get(); }
    void RebuildView(); // after a change of filter or sort order
    void DataEvent(TDataEvent Event, TField *Field = nullptr);
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    friend class TField;
    friend class TDataSource;
    friend class TFieldDefs;
    friend class TIndexDefs;
    void DoOpen();
    void DoClose();
    void BindFields();
    struct TRowOrder {
        std::vector<int> Columns;
        std::vector<TFieldType> Types;
        bool CaseInsensitive = false;
        bool Before(const TStoredRow &a, const TStoredRow &b) const;
    };
    TRowOrder RowOrder() const;
    void PlaceRow(const std::shared_ptr<TStoredRow> &Row);
    void SyncView() const;
    void SetCurrent(int Index);
    void RecordMoved();
    void CalculateFields();
    QVariant GetFieldValue(const TField *Field) const;
    void SetFieldValue(TField *Field, const QVariant &Value);
    void BeginInsert(bool AtEnd);
    int FindRow(const QStringList &Names, const QVariantList &Values, TLocateOptions Options,
                std::vector<int> *Columns = nullptr) const;
    void AddField(TField *Field);
    void RemoveField(TField *Field);

    TDataSetState FState = dsInactive;
    std::shared_ptr<TTableStore> FStore;
    QString FDisplayName;
    // The rows this cursor shows, in its order and through its filter; rebuilt when the shared rows change.
    mutable std::vector<std::shared_ptr<TStoredRow>> FView;
    mutable quint64 FViewVersion = 0;
    mutable int FCurrent = -1;
    bool FBof = true, FEof = true;
    TRowValues FEditBuffer;
    std::vector<QVariant> FCalcValues;
    bool FModified = false;
    int FDisableCount = 0;
    QString FFilter;
    bool FFiltered = false;
    TFilterOptions FFilterOptions;
    TCompiledFilter FCompiledFilter;
    QList<TField *> FFields;
    QList<TField *> FDynamicFields;
    QList<TDataSource *> FDataSources;
    TFieldDefs *FFieldDefs;
    bool FInCalc = false;
    int FRowOverride = -1; // while RecordValue/RecordText read another record
    std::vector<QVariant> FOverrideCalc;
};

// ---------------------------------------------------------------------------------- sources and links

class TDataSource : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(TDataSet *DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(TDataChangeEvent OnDataChange MEMBER OnDataChange)
    Q_PROPERTY(TNotifyEvent OnStateChange MEMBER OnStateChange)
    Q_CLASSINFO("Default:Enabled", "True")
public:
    Q_INVOKABLE explicit TDataSource(TComponent *AOwner);
    ~TDataSource() override;
    TDataSet *DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet *Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TDataSetState State() const { return FDataSet && FEnabled ? FDataSet->State() : dsInactive; }
    void Edit();

    TDataChangeEvent OnDataChange;
    TNotifyEvent OnStateChange;

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    friend class TDataSet;
    friend class TDataLink;
    void DataEvent(TDataEvent Event, TField *Field);
    TDataSet *FDataSet = nullptr;
    bool FEnabled = true;
    QList<TDataLink *> FLinks;
    // Links that hear no data event: only unlinked when the source goes.
    QSet<TDataLink *> FPassiveLinks;
};

class TDataLink
{
public:
    TDataLink() = default;
    virtual ~TDataLink();
    TDataLink(const TDataLink &) = delete;
    TDataLink &operator=(const TDataLink &) = delete;

    TDataSource *DataSource() const { return FDataSource; }
    void SetDataSource(TDataSource *Value);
    TDataSet *DataSet() const;
    bool Active() const { return FActive; }
    bool Editing() const { return FEditing; }
    bool Edit(); // puts the dataset into edit state; false when it cannot be modified
    // A link whose control handles no data event (a box that does not follow the dataset): its source sends
    // it none, so a source with thousands of such links costs nothing when its dataset moves.
    bool Passive() const { return FPassive; }
    void SetPassive(bool Value);

protected:
    virtual void ActiveChanged() {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int) { DataSetChanged(); }
    virtual void RecordChanged(TField *) {}
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void EditingChanged() {}
    virtual void UpdateData() {}
    virtual void CheckBrowseMode() {}

private:
    friend class TDataSource;
    void DataEvent(TDataEvent Event, TField *Field);
    void UpdateState();
    TDataSource *FDataSource = nullptr;
    bool FActive = false, FEditing = false;
    bool FPassive = false;
};

class TFieldDataLink : public TDataLink
{
public:
    TFieldDataLink() = default;
    QString FieldName() const { return FFieldName; }
    void SetFieldName(const QString &Value);
    // A passive link looks its field up when asked.
    TField *Field() const;
    TComponent *Control() const { return FControl; }
    void SetControl(TComponent *Value) { FControl = Value; }
    bool CanModify() const;
    // The control's value was changed by the user and is to be written back on UpdateRecord.
    void Modified() { FModified = true; }
    bool IsModified() const { return FModified; }
    void Reset();

    std::function<void(TFieldDataLink *Sender)> OnDataChange, OnEditingChange, OnUpdateData, OnActiveChange;

protected:
    void ActiveChanged() override;
    void LayoutChanged() override;
    void RecordChanged(TField *Field) override;
    void EditingChanged() override;
    void UpdateData() override;

private:
    void UpdateField();
    QString FFieldName;
    TField *FField = nullptr;
    TComponent *FControl = nullptr;
    bool FModified = false;
};
