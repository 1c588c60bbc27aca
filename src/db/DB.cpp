#include "db/DB.h"

#include "db/GreekText.h"
#include "db/TableStore.h"
#include "vcl/CodePage.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace
{

[[noreturn]] void DatabaseError(const QString &message)
{
    throw EDatabaseError(message);
}

QString NumberText(double value)
{
    QString s = QString::number(value, 'g', 15);
    s.replace(u'.', GreekFormatSettings().DecimalSeparator);
    return s;
}

QString CurrencyText(Currency value)
{
    QString s = FormatFixed(value.ToDouble(), 4);
    const QChar sep = GreekFormatSettings().DecimalSeparator;
    if (s.contains(sep)) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(sep))
            s.chop(1);
    }
    return s;
}

QVariant DefaultValue(const TField *field)
{
    QString e = field->DefaultExpression().trimmed();
    if (e.isEmpty())
        return {};
    if (e.size() >= 2 && e.startsWith(u'\'') && e.endsWith(u'\''))
        e = e.mid(1, e.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    QVariant v;
    TryConvertValue(e, field->DataType(), v);
    return v;
}

} // namespace

// ------------------------------------------------------------------------------------------------ TField

TField::TField(TComponent *AOwner) : TComponent(AOwner)
{
}

TField::TField(TComponent *AOwner, TFieldType DataType) : TComponent(AOwner), FDataType(DataType)
{
}

TField::~TField()
{
    if (FDataSet)
        FDataSet->RemoveField(this);
}

void TField::SetDataSet(TDataSet *Value)
{
    if (Value == FDataSet)
        return;
    if ((FDataSet && FDataSet->Active()) || (Value && Value->Active()))
        DatabaseError(QStringLiteral("Δεν αλλάζουν τα πεδία ανοιχτού πίνακα."));
    if (FDataSet)
        FDataSet->RemoveField(this);
    FDataSet = Value;
    if (Value)
        Value->AddField(this);
}

TComponent *TField::GetParentComponent() const
{
    return FDataSet;
}

void TField::SetParentComponent(TComponent *Value)
{
    SetDataSet(qobject_cast<TDataSet *>(Value));
}

void TField::SetLookupDataSet(TDataSet *Value)
{
    FLookupDataSet = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TField::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FLookupDataSet)
        FLookupDataSet = nullptr;
}

int TField::Index() const
{
    return FDataSet ? FDataSet->Fields().indexOf(const_cast<TField *>(this)) : -1;
}

QVariant TField::Value() const
{
    return FDataSet ? FDataSet->GetFieldValue(this) : QVariant();
}

void TField::SetValue(const QVariant &Value)
{
    if (!FDataSet)
        DatabaseError(QStringLiteral("Το πεδίο \"%1\" δεν ανήκει σε πίνακα.").arg(FFieldName));
    FDataSet->SetFieldValue(this, Value);
}

QString TField::AsString() const
{
    const QVariant v = Value();
    if (!v.isValid())
        return {};
    switch (FDataType) {
    case ftFloat:
        return NumberText(v.toDouble());
    case ftCurrency:
        return CurrencyText(v.value<Currency>());
    case ftBoolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case ftDate:
        return FormatDateTime(GreekFormatSettings().ShortDateFormat, v.toDouble());
    default:
        return v.toString();
    }
}

void TField::SetAsString(const QString &Value)
{
    if (FDataType == ftBoolean) {
        const QStringList texts = static_cast<const TBooleanField *>(this)->DisplayValues().split(u';');
        if (texts.size() == 2) {
            if (SameKeyText(Value, texts[0], true) && !texts[0].isEmpty()) {
                SetValue(true);
                return;
            }
            if (SameKeyText(Value, texts[1], true) && !texts[1].isEmpty()) {
                SetValue(false);
                return;
            }
        }
    }
    if (FDataType != ftString && Value.trimmed().isEmpty()) {
        SetValue(QVariant());
        return;
    }
    SetValue(Value);
}

int TField::AsInteger() const
{
    const QVariant v = Value();
    if (!v.isValid())
        return 0;
    return static_cast<int>(ConvertValue(v, ftInteger, FFieldName).toInt());
}

double TField::AsFloat() const
{
    const QVariant v = Value();
    return v.isValid() ? ConvertValue(v, ftFloat, FFieldName).toDouble() : 0.0;
}

Currency TField::AsCurrency() const
{
    const QVariant v = Value();
    return v.isValid() ? ConvertValue(v, ftCurrency, FFieldName).value<Currency>() : Currency();
}

bool TField::AsBoolean() const
{
    const QVariant v = Value();
    return v.isValid() && ConvertValue(v, ftBoolean, FFieldName).toBool();
}

TDateTime TField::AsDateTime() const
{
    const QVariant v = Value();
    return v.isValid() ? ConvertValue(v, ftDate, FFieldName).toDouble() : 0.0;
}

QString TField::GetText(bool) const
{
    return AsString();
}

bool TField::IsIndexField() const
{
    if (!FDataSet)
        return false;
    for (const QString &n : FDataSet->IndexFields())
        if (n.compare(FFieldName, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString TNumericField::GetText(bool DisplayText) const
{
    const QVariant v = Value();
    if (!v.isValid())
        return {};
    if (DataType() == ftDate)
        return FormatDateTime(DisplayText && !FDisplayFormat.isEmpty() ? FDisplayFormat
                                                                       : GreekFormatSettings().ShortDateFormat,
                              v.toDouble());
    if (DisplayText && !FDisplayFormat.isEmpty()) {
        const long double n = DataType() == ftCurrency ? v.value<Currency>().ToDouble() : v.toDouble();
        return FormatFloatText(FDisplayFormat, n);
    }
    if (DisplayText && DataType() == ftCurrency)
        return FormatAmount(v.value<Currency>(), 2, true) + u' ' + GreekFormatSettings().CurrencyString;
    return AsString();
}

QString TBooleanField::GetText(bool) const
{
    const QVariant v = Value();
    if (!v.isValid())
        return {};
    const qsizetype sep = FDisplayValues.indexOf(u';');
    if (sep >= 0)
        return v.toBool() ? FDisplayValues.left(sep) : FDisplayValues.mid(sep + 1);
    return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
}

TField *CreateFieldOfType(TFieldType Type, TComponent *AOwner)
{
    switch (Type) {
    case ftString:
        return new TStringField(AOwner);
    case ftSmallint:
        return new TSmallintField(AOwner);
    case ftInteger:
        return new TIntegerField(AOwner);
    case ftFloat:
        return new TFloatField(AOwner);
    case ftCurrency:
        return new TCurrencyField(AOwner);
    case ftBoolean:
        return new TBooleanField(AOwner);
    case ftDate:
        return new TDateField(AOwner);
    case ftUnknown:
        break;
    }
    DatabaseError(QStringLiteral("Άγνωστος τύπος πεδίου."));
}

QString FormatFloatText(const QString &Format, long double Value)
{
    // The pattern is the run of # 0 , . characters; text around it is copied.
    qsizetype start = -1, end = -1;
    for (qsizetype i = 0; i < Format.size(); ++i) {
        const QChar c = Format.at(i);
        if (c == u'#' || c == u'0' || c == u',' || c == u'.') {
            if (start < 0)
                start = i;
            end = i + 1;
        } else if (start >= 0) {
            break;
        }
    }
    if (start < 0)
        return Format;
    const QString pattern = Format.mid(start, end - start);
    const qsizetype point = pattern.indexOf(u'.');
    const QString intPart = point >= 0 ? pattern.left(point) : pattern;
    const QString fracPart = point >= 0 ? pattern.mid(point + 1) : QString();
    const int maxDecimals = static_cast<int>(fracPart.count(u'0') + fracPart.count(u'#'));
    const int minDecimals = static_cast<int>(fracPart.count(u'0'));
    const int minIntDigits = static_cast<int>(intPart.count(u'0'));
    const bool grouping = intPart.contains(u',');

    const bool negative = Value < 0;
    const long double scaled = RoundTo(std::fabs(static_cast<double>(Value)), maxDecimals);
    QString digits = QString::number(static_cast<double>(scaled), 'f', maxDecimals);
    QString whole = digits, frac;
    if (const qsizetype p = digits.indexOf(u'.'); p >= 0) {
        whole = digits.left(p);
        frac = digits.mid(p + 1);
    }
    while (frac.size() > minDecimals && frac.endsWith(u'0'))
        frac.chop(1);
    if (whole == u"0" && minIntDigits == 0)
        whole.clear();
    while (whole.size() < minIntDigits)
        whole.prepend(u'0');
    if (grouping)
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, GreekFormatSettings().ThousandSeparator);
    QString number = whole;
    if (!frac.isEmpty())
        number += GreekFormatSettings().DecimalSeparator + frac;
    if (negative && scaled != 0)
        number.prepend(u'-');
    return Format.left(start) + number + Format.mid(end);
}

// ------------------------------------------------------------------------------------------- TFieldDefs

void TFieldDef::Assign(TPersistent *Source)
{
    if (auto *d = qobject_cast<TFieldDef *>(Source)) {
        Name = d->Name;
        DataType = d->DataType;
        Size = d->Size;
        Required = d->Required;
        FieldNo = d->FieldNo;
        return;
    }
    TCollectionItem::Assign(Source);
}

TFieldDefs::TFieldDefs(TDataSet *DataSet)
    : TCollection(
          &TFieldDef::staticMetaObject, [](TCollection *c) { return new TFieldDef(c); }, DataSet),
      FDataSet(DataSet)
{
}

TFieldDef *TFieldDefs::Add(const QString &Name, TFieldType DataType, int Size, bool Required)
{
    auto *d = static_cast<TFieldDef *>(TCollection::Add());
    d->Name = Name;
    d->DataType = DataType;
    d->Size = Size;
    d->Required = Required;
    d->FieldNo = Count();
    return d;
}

int TFieldDefs::IndexOf(const QString &Name) const
{
    for (int i = 0; i < Count(); ++i)
        if ((*this)[i].Name == Name)
            return i;
    return -1;
}

const TFieldDef *TFieldDefs::Find(const QString &Name) const
{
    for (int i = 0; i < Count(); ++i)
        if ((*this)[i].Name.compare(Name, Qt::CaseInsensitive) == 0)
            return &(*this)[i];
    return nullptr;
}

void TFieldDefs::Update()
{
    if (!FDataSet)
        return;
    std::shared_ptr<TTableStore> store = FDataSet->FStore ? FDataSet->FStore : FDataSet->OpenStore();
    Clear();
    for (const TStoredFieldDef &d : store->FieldDefs())
        Add(d.Name, d.DataType, d.Size, d.Required)->FieldNo = d.FieldNo;
}

void TIndexDef::Assign(TPersistent *Source)
{
    if (auto *d = qobject_cast<TIndexDef *>(Source)) {
        Name = d->Name;
        Fields = d->Fields;
        Options = d->Options;
        return;
    }
    TCollectionItem::Assign(Source);
}

TIndexDefs::TIndexDefs(TPersistent *Owner)
    : TCollection(
          &TIndexDef::staticMetaObject, [](TCollection *c) { return new TIndexDef(c); }, Owner)
{
}

void TIndexDefs::Update()
{
    auto *dataSet = qobject_cast<TDataSet *>(GetOwner());
    if (!dataSet)
        return;
    std::shared_ptr<TTableStore> store = dataSet->FStore ? dataSet->FStore : dataSet->OpenStore();
    Clear();
    for (const TStoredIndexDef &d : store->IndexDefs())
        Add(d.Name, d.Fields, TIndexOptions::fromInt(d.Options));
}

TIndexDef *TIndexDefs::Add(const QString &Name, const QString &Fields, TIndexOptions Options)
{
    auto *d = static_cast<TIndexDef *>(TCollection::Add());
    d->Name = Name;
    d->Fields = Fields;
    d->Options = Options;
    return d;
}

// -------------------------------------------------------------------------------------------- TDataSet

TDataSet::TDataSet(TComponent *AOwner) : TComponent(AOwner), FFieldDefs(new TFieldDefs(this))
{
}

TDataSet::~TDataSet()
{
    for (TDataSource *ds : FDataSources) {
        ds->FDataSet = nullptr;
        ds->DataEvent(deUpdateState, nullptr);
    }
    FDataSources.clear();
    const QList<TField *> dynamic = FDynamicFields;
    FDynamicFields.clear();
    for (TField *f : FFields)
        f->FDataSet = nullptr;
    FFields.clear();
    qDeleteAll(dynamic);
    delete FFieldDefs;
}

void TDataSet::GetChildren(TGetChildProc Proc, TComponent *Root)
{
    for (TField *f : FFields)
        if (f->Owner() == Root && !FDynamicFields.contains(f))
            Proc(f);
}

void TDataSet::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
}

void TDataSet::AddField(TField *Field)
{
    if (!FFields.contains(Field))
        FFields.append(Field);
}

void TDataSet::RemoveField(TField *Field)
{
    FFields.removeAll(Field);
    FDynamicFields.removeAll(Field);
}

void TDataSet::SetActive(bool Value)
{
    if (Value == Active())
        return;
    if (Value)
        DoOpen();
    else
        DoClose();
}

void TDataSet::DoOpen()
{
    if (BeforeOpen)
        BeforeOpen(this);
    FStore = OpenStore();
    TScopeExit closeStore([this] { FStore.reset(); });
    BindFields();
    closeStore.Dismiss();
    if (FFieldDefs->Count() == 0)
        FFieldDefs->Update();
    FState = dsBrowse;
    FModified = false;
    FCompiledFilter = {};
    SetFilter(FFilter); // compiles against the opened fields
    FViewVersion = ~quint64(0);
    FCurrent = -1;
    SyncView();
    FCurrent = FView.empty() ? -1 : 0;
    FBof = true;
    FEof = FView.empty();
    CalculateFields();
    DataEvent(deUpdateState);
    DataEvent(deDataSetChange);
    if (AfterOpen)
        AfterOpen(this);
}

void TDataSet::DoClose()
{
    if (BeforeClose)
        BeforeClose(this);
    if (FState == dsEdit || FState == dsInsert)
        Cancel();
    FState = dsInactive;
    FStore.reset();
    FView.clear();
    FCurrent = -1;
    FBof = FEof = true;
    FCalcValues.clear();
    FEditBuffer.clear();
    DataEvent(deUpdateState);
    const QList<TField *> dynamic = FDynamicFields;
    FDynamicFields.clear();
    for (TField *f : dynamic) {
        FFields.removeAll(f);
        f->FDataSet = nullptr;
    }
    qDeleteAll(dynamic);
    if (AfterClose)
        AfterClose(this);
}

void TDataSet::BindFields()
{
    const TTableStore &store = *FStore;
    if (FFields.isEmpty()) {
        for (const TStoredFieldDef &d : store.FieldDefs()) {
            TField *f = CreateFieldOfType(d.DataType, this);
            f->SetFieldName(d.Name);
            f->SetSize(d.DataType == ftString ? d.Size : 0);
            f->SetRequired(d.Required);
            f->FDataSet = this;
            FFields.append(f);
            FDynamicFields.append(f);
        }
    }
    int calc = 0;
    for (TField *f : FFields) {
        if (f->FFieldKind != fkData) {
            f->FStoreIndex = -1;
            f->FFieldNo = 0;
            f->FCalcIndex = calc++;
            continue;
        }
        const int idx = store.FieldIndex(f->FFieldName);
        if (idx < 0)
            DatabaseError(QStringLiteral("Το πεδίο \"%1\" δεν υπάρχει στον πίνακα \"%2\".")
                              .arg(f->FFieldName, QFileInfo(store.FileName()).fileName()));
        const TStoredFieldDef &d = store.FieldDefs()[static_cast<size_t>(idx)];
        if (d.DataType != f->FDataType)
            DatabaseError(QStringLiteral("Το πεδίο \"%1\" του πίνακα \"%2\" έχει άλλον τύπο.")
                              .arg(f->FFieldName, QFileInfo(store.FileName()).fileName()));
        f->FStoreIndex = idx;
        f->FFieldNo = idx + 1;
        f->FCalcIndex = -1;
        if (d.DataType == ftString)
            f->FSize = d.Size;
    }
    FCalcValues.assign(static_cast<size_t>(calc), QVariant());
}

QStringList TDataSet::IndexFields() const
{
    return DefaultIndexFields();
}

void TDataSet::SyncView() const
{
    if (!FStore || FViewVersion == FStore->Version())
        return;
    const std::shared_ptr<TStoredRow> current =
        FCurrent >= 0 && FCurrent < static_cast<int>(FView.size()) ? FView[static_cast<size_t>(FCurrent)] : nullptr;
    const int oldIndex = FCurrent;
    FView.clear();
    FView.reserve(FStore->Rows().size());
    const bool filtering = FFiltered && FCompiledFilter.Active();
    for (const TStoredRowPtr &row : FStore->Rows())
        if (!filtering || FCompiledFilter.Match(row->Values))
            FView.push_back(row);
    const TRowOrder order = RowOrder();
    if (!order.Columns.empty())
        std::stable_sort(FView.begin(), FView.end(),
                         [&](const TStoredRowPtr &a, const TStoredRowPtr &b) { return order.Before(*a, *b); });
    FViewVersion = FStore->Version();
    FCurrent = -1;
    if (current) {
        auto it = std::find(FView.begin(), FView.end(), current);
        if (it != FView.end())
            FCurrent = static_cast<int>(it - FView.begin());
    }
    if (FCurrent < 0 && !FView.empty())
        FCurrent = std::clamp(oldIndex, 0, static_cast<int>(FView.size()) - 1);
}

bool TDataSet::TRowOrder::Before(const TStoredRow &a, const TStoredRow &b) const
{
    for (size_t i = 0; i < Columns.size(); ++i) {
        const size_t c = static_cast<size_t>(Columns[i]);
        const QVariant &x = a.Values[c], &y = b.Values[c];
        if (x.isValid() != y.isValid())
            return !x.isValid();
        if (!x.isValid())
            continue;
        const int r = CompareValues(x, y, Types[i], CaseInsensitive);
        if (r != 0)
            return r < 0;
    }
    return false;
}

TDataSet::TRowOrder TDataSet::RowOrder() const
{
    TRowOrder order;
    const QStringList names = DefaultIndexFields();
    for (const QString &n : names)
        if (int c = FStore->FieldIndex(n); c >= 0) {
            order.Columns.push_back(c);
            order.Types.push_back(FStore->FieldDefs()[static_cast<size_t>(c)].DataType);
        }
    order.CaseInsensitive = IndexCaseInsensitive(names);
    return order;
}

void TDataSet::PlaceRow(const std::shared_ptr<TStoredRow> &Row)
{
    // Our own write is the only change since the view was built: move just that row, so that copying
    // thousands of records does not sort the whole table after each one.
    const bool inSync = FViewVersion + 1 == FStore->Version();
    std::erase(FView, Row);
    if (!inSync) {
        FView.assign(1, Row);
        FCurrent = 0;
        FViewVersion = ~quint64(0);
        SyncView();
        return;
    }
    FViewVersion = FStore->Version();
    FCurrent = -1;
    if (FFiltered && FCompiledFilter.Active() && !FCompiledFilter.Match(Row->Values)) {
        if (!FView.empty())
            FCurrent = 0;
        return;
    }
    const TRowOrder order = RowOrder();
    auto at =
        order.Columns.empty()
            ? FView.end()
            : std::upper_bound(FView.begin(), FView.end(), Row,
                               [&](const TStoredRowPtr &a, const TStoredRowPtr &b) { return order.Before(*a, *b); });
    FCurrent = static_cast<int>(at - FView.begin());
    FView.insert(at, Row);
}

void TDataSet::RebuildView()
{
    if (!Active())
        return;
    FViewVersion = ~quint64(0);
    SyncView();
    CalculateFields();
}

void TDataSet::RecordMoved()
{
    CalculateFields();
    DataEvent(deDataSetScroll);
    if (AfterScroll)
        AfterScroll(this);
}

void TDataSet::CheckBrowseMode()
{
    if (!Active())
        DatabaseError(QStringLiteral("Ο πίνακας \"%1\" δεν είναι ανοιχτός.").arg(Title()));
    DataEvent(deCheckBrowseMode);
    if (FState == dsEdit || FState == dsInsert) {
        DataEvent(deUpdateRecord);
        if (FModified)
            Post();
        else
            Cancel();
    }
}

void TDataSet::First()
{
    CheckBrowseMode();
    if (BeforeScroll)
        BeforeScroll(this);
    SyncView();
    FCurrent = FView.empty() ? -1 : 0;
    FBof = true;
    FEof = FView.empty();
    RecordMoved();
}

void TDataSet::Last()
{
    CheckBrowseMode();
    if (BeforeScroll)
        BeforeScroll(this);
    SyncView();
    FCurrent = static_cast<int>(FView.size()) - 1;
    FEof = true;
    FBof = FView.empty();
    RecordMoved();
}

void TDataSet::Next()
{
    CheckBrowseMode();
    SyncView();
    if (FCurrent + 1 < static_cast<int>(FView.size())) {
        if (BeforeScroll)
            BeforeScroll(this);
        ++FCurrent;
        FBof = FEof = false;
        RecordMoved();
    } else {
        FEof = true;
        FBof = FView.empty();
    }
}

void TDataSet::Prior()
{
    CheckBrowseMode();
    SyncView();
    if (FCurrent > 0) {
        if (BeforeScroll)
            BeforeScroll(this);
        --FCurrent;
        FBof = FEof = false;
        RecordMoved();
    } else {
        FBof = true;
        FEof = FView.empty();
    }
}

int TDataSet::MoveBy(int Distance)
{
    int moved = 0;
    while (Distance > 0 && !FEof) {
        const int before = FCurrent;
        Next();
        if (FCurrent == before)
            break;
        ++moved;
        --Distance;
    }
    while (Distance < 0 && !FBof) {
        const int before = FCurrent;
        Prior();
        if (FCurrent == before)
            break;
        --moved;
        ++Distance;
    }
    return moved;
}

bool TDataSet::IsEmpty() const
{
    SyncView();
    return FView.empty() && FState != dsInsert;
}

int TDataSet::RecordCount() const
{
    SyncView();
    return static_cast<int>(FView.size());
}

int TDataSet::RecNo() const
{
    SyncView();
    return FState == dsInsert ? 0 : FCurrent + 1;
}

bool TDataSet::CanModify() const
{
    return Active() && !ReadOnlyDataSet() && !FileReadOnly();
}

bool TDataSet::FileReadOnly() const
{
    return FStore && FStore->ReadOnly();
}

void TDataSet::CheckCanModify() const
{
    if (CanModify())
        return;
    // The user knows the table by its file, not by the component's name.
    const QString table = FStore ? QFileInfo(FStore->FileName()).fileName() : Name();
    DatabaseError(FileReadOnly()
                      ? QStringLiteral("Ο πίνακας \"%1\" είναι μόνο για ανάγνωση: δεν επιτρέπεται η εγγραφή στο αρχείο "
                                       "του.")
                            .arg(table)
                      : QStringLiteral("Ο πίνακας \"%1\" είναι μόνο για ανάγνωση.").arg(table));
}

void TDataSet::BeginInsert(bool)
{
    CheckBrowseMode();
    CheckCanModify();
    if (BeforeInsert)
        BeforeInsert(this);
    CheckBrowseMode();
    FEditBuffer.assign(FStore->FieldDefs().size(), QVariant());
    for (TField *f : FFields)
        if (f->FStoreIndex >= 0)
            FEditBuffer[static_cast<size_t>(f->FStoreIndex)] = DefaultValue(f);
    FState = dsInsert;
    FModified = false;
    CalculateFields();
    if (OnNewRecord)
        OnNewRecord(this);
    DataEvent(deUpdateState);
    DataEvent(deDataSetChange);
    if (AfterInsert)
        AfterInsert(this);
}

void TDataSet::Append()
{
    BeginInsert(true);
}

void TDataSet::Insert()
{
    BeginInsert(false);
}

void TDataSet::Edit()
{
    if (FState == dsEdit || FState == dsInsert)
        return;
    CheckBrowseMode();
    SyncView();
    if (FView.empty() || FCurrent < 0) {
        Insert();
        return;
    }
    CheckCanModify();
    if (BeforeEdit)
        BeforeEdit(this);
    FEditBuffer = FView[static_cast<size_t>(FCurrent)]->Values;
    FState = dsEdit;
    FModified = false;
    DataEvent(deUpdateState);
    if (AfterEdit)
        AfterEdit(this);
}

void TDataSet::Post()
{
    if (FState != dsEdit && FState != dsInsert)
        return;
    DataEvent(deUpdateRecord);
    if (BeforePost)
        BeforePost(this);
    for (TField *f : FFields)
        if (f->FStoreIndex >= 0 && f->Required() && !FEditBuffer[static_cast<size_t>(f->FStoreIndex)].isValid())
            DatabaseError(QStringLiteral("Το πεδίο \"%1\" πρέπει να έχει τιμή.").arg(f->DisplayLabel()));
    SyncView();
    TStoredRowPtr row;
    try {
        if (FState == dsInsert) {
            row = FStore->Insert(FEditBuffer);
        } else {
            row = FView[static_cast<size_t>(FCurrent)];
            FStore->Update(row, FEditBuffer);
        }
    } catch (const EKeyViolation &) {
        // Named as the user knows the table, not by its file.
        throw EKeyViolation(DisplayName());
    }
    FState = dsBrowse;
    FEditBuffer.clear();
    FModified = false;
    PlaceRow(row);
    FBof = FEof = false;
    CalculateFields();
    DataEvent(deUpdateState);
    DataEvent(deDataSetChange);
    if (AfterPost)
        AfterPost(this);
}

void TDataSet::Cancel()
{
    if (FState != dsEdit && FState != dsInsert)
        return;
    if (BeforeCancel)
        BeforeCancel(this);
    FState = dsBrowse;
    FEditBuffer.clear();
    FModified = false;
    SyncView();
    CalculateFields();
    DataEvent(deUpdateState);
    DataEvent(deDataSetChange);
    if (AfterCancel)
        AfterCancel(this);
}

void TDataSet::Delete()
{
    if (FState == dsInsert) {
        Cancel();
        return;
    }
    CheckBrowseMode();
    SyncView();
    if (FCurrent < 0)
        DatabaseError(QStringLiteral("Ο πίνακας \"%1\" δεν έχει εγγραφές.").arg(Title()));
    CheckCanModify();
    if (BeforeDelete)
        BeforeDelete(this);
    FStore->Delete(FView[static_cast<size_t>(FCurrent)]);
    SyncView();
    FBof = FCurrent <= 0;
    FEof = FView.empty();
    CalculateFields();
    DataEvent(deDataSetChange);
    if (AfterDelete)
        AfterDelete(this);
}

TBookmark TDataSet::GetBookmark() const
{
    SyncView();
    if (FCurrent < 0)
        return {};
    return FView[static_cast<size_t>(FCurrent)];
}

bool TDataSet::BookmarkValid(const TBookmark &Bookmark) const
{
    SyncView();
    return Bookmark && std::any_of(FView.begin(), FView.end(), [&](const auto &r) { return r == Bookmark; });
}

void TDataSet::GotoBookmark(const TBookmark &Bookmark)
{
    CheckBrowseMode();
    SyncView();
    auto it = std::find_if(FView.begin(), FView.end(), [&](const auto &r) { return r == Bookmark; });
    if (!Bookmark || it == FView.end())
        DatabaseError(QStringLiteral("Η εγγραφή δεν βρέθηκε."));
    if (BeforeScroll)
        BeforeScroll(this);
    FCurrent = static_cast<int>(it - FView.begin());
    FBof = FEof = false;
    RecordMoved();
}

int TDataSet::FindRow(const QStringList &Names, const QVariantList &Values, TLocateOptions Options,
                      std::vector<int> *Columns) const
{
    if (Names.size() != Values.size() || Names.isEmpty())
        DatabaseError(QStringLiteral("Λάθος πλήθος τιμών κλειδιού."));
    std::vector<int> cols;
    std::vector<QVariant> keys;
    std::vector<TFieldType> types;
    for (qsizetype i = 0; i < Names.size(); ++i) {
        const TField *f = FieldByName(Names[i]);
        if (f->FStoreIndex < 0)
            DatabaseError(QStringLiteral("Το πεδίο \"%1\" δεν είναι πεδίο του πίνακα.").arg(Names[i]));
        cols.push_back(f->FStoreIndex);
        types.push_back(f->FDataType);
        keys.push_back(f->FDataType == ftString && Values[i].isValid()
                           ? QVariant(Values[i].toString())
                           : ConvertValue(Values[i], f->FDataType, Names[i]));
    }
    if (Columns)
        *Columns = cols;
    const bool ci = Options & loCaseInsensitive, partial = Options & loPartialKey;
    SyncView();
    for (size_t r = 0; r < FView.size(); ++r) {
        const TRowValues &row = FView[r]->Values;
        bool match = true;
        for (size_t k = 0; k < cols.size() && match; ++k) {
            const QVariant &v = row[static_cast<size_t>(cols[k])];
            const QVariant &key = keys[k];
            if (types[k] == ftString) {
                const QString s = v.toString(), t = key.toString();
                match = partial ? StartsWithKeyText(s, t, ci) : SameKeyText(s, t, ci);
            } else if (!key.isValid() || !v.isValid()) {
                match = key.isValid() == v.isValid();
            } else {
                match = CompareValues(v, key, types[k], false) == 0;
            }
        }
        if (match)
            return static_cast<int>(r);
    }
    return -1;
}

bool TDataSet::Locate(const QString &KeyFields, const QVariant &KeyValues, TLocateOptions Options)
{
    CheckBrowseMode();
    const QStringList names = SplitFieldNames(KeyFields);
    const QVariantList values = names.size() > 1 && KeyValues.typeId() == QMetaType::QVariantList
                                    ? KeyValues.toList()
                                    : QVariantList{KeyValues};
    const int row = FindRow(names, values, Options);
    if (row < 0)
        return false;
    if (BeforeScroll)
        BeforeScroll(this);
    FCurrent = row;
    FBof = FEof = false;
    RecordMoved();
    return true;
}

QVariant TDataSet::Lookup(const QString &KeyFields, const QVariant &KeyValues, const QString &ResultFields)
{
    CheckBrowseMode();
    const QStringList names = SplitFieldNames(KeyFields);
    const QVariantList values = names.size() > 1 && KeyValues.typeId() == QMetaType::QVariantList
                                    ? KeyValues.toList()
                                    : QVariantList{KeyValues};
    const int row = FindRow(names, values, 0);
    if (row < 0)
        return {};
    const TRowValues &data = FView[static_cast<size_t>(row)]->Values;
    const QStringList results = SplitFieldNames(ResultFields);
    QVariantList out;
    for (const QString &r : results) {
        const TField *f = FieldByName(r);
        out << (f->FStoreIndex >= 0 ? data[static_cast<size_t>(f->FStoreIndex)] : QVariant());
    }
    if (out.size() == 1)
        return out.first();
    return out;
}

void TDataSet::DisableControls()
{
    ++FDisableCount;
}

void TDataSet::EnableControls()
{
    if (FDisableCount == 0)
        return;
    if (--FDisableCount == 0) {
        DataEvent(deUpdateState);
        if (Active())
            DataEvent(deDataSetChange);
    }
}

void TDataSet::SetFilter(const QString &Value)
{
    FFilter = Value;
    if (!Active())
        return;
    const TTableStore *store = FStore.get();
    FCompiledFilter = TCompiledFilter(Value, FFilterOptions & foCaseInsensitive, !(FFilterOptions & foNoPartialCompare),
                                      [store](const QString &name, int &index, TFieldType &type) {
                                          index = store->FieldIndex(name);
                                          if (index < 0)
                                              return false;
                                          type = store->FieldDefs()[static_cast<size_t>(index)].DataType;
                                          return true;
                                      });
    if (FFiltered) {
        CheckBrowseMode();
        RebuildView();
        First();
    }
}

void TDataSet::SetFiltered(bool Value)
{
    if (Active()) {
        CheckBrowseMode();
        // The view changes only when an effective filter is switched; the move to the first record happens
        // either way.
        const bool changes = FCompiledFilter.Active() && FFiltered != Value;
        FFiltered = Value;
        if (changes)
            RebuildView();
        First();
        if (changes)
            DataEvent(deDataSetChange);
    } else {
        FFiltered = Value;
    }
}

void TDataSet::SetFilterOptions(TFilterOptions Value)
{
    FFilterOptions = Value;
    if (Active())
        SetFilter(FFilter);
}

TField *TDataSet::FindField(const QString &FieldName) const
{
    for (TField *f : FFields)
        if (f->FFieldName == FieldName)
            return f;
    for (TField *f : FFields)
        if (f->FFieldName.compare(FieldName, Qt::CaseInsensitive) == 0)
            return f;
    return nullptr;
}

TField *TDataSet::FieldByName(const QString &FieldName) const
{
    TField *f = FindField(FieldName);
    if (!f)
        DatabaseError(QStringLiteral("Το πεδίο \"%1\" δεν βρέθηκε.").arg(FieldName));
    return f;
}

void TDataSet::SetRecNo(int Value)
{
    CheckBrowseMode();
    SyncView();
    const int index = Value - 1;
    if (index < 0 || index >= static_cast<int>(FView.size()) || index == FCurrent)
        return;
    if (BeforeScroll)
        BeforeScroll(this);
    FCurrent = index;
    FBof = FEof = false;
    RecordMoved();
}

QVariant TDataSet::RecordValue(int RecIndex, TField *Field)
{
    SyncView();
    if (!Active() || RecIndex < 0 || RecIndex >= static_cast<int>(FView.size()))
        return {};
    // The current record with any pending change; while a new record is inserted, the record at the
    // current position is the stored one (grids show the new record as a row of its own).
    if (RecIndex == FCurrent && FRowOverride < 0 && FState != dsInsert)
        return Field->Value();
    if (Field->FCalcIndex < 0)
        return Field->FStoreIndex >= 0
                   ? FView[static_cast<size_t>(RecIndex)]->Values[static_cast<size_t>(Field->FStoreIndex)]
                   : QVariant();
    // Calculate that record's fields aside, leaving the current record's as they are.
    const int savedCurrent = FCurrent;
    const TDataSetState savedState = FState;
    TRowValues savedBuffer;
    std::swap(savedBuffer, FEditBuffer);
    std::vector<QVariant> savedCalc = FCalcValues;
    FCurrent = RecIndex;
    FState = dsBrowse;
    QVariant v;
    try {
        CalculateFields();
        v = FCalcValues[static_cast<size_t>(Field->FCalcIndex)];
    } catch (const Exception &) {
    }
    FCurrent = savedCurrent;
    FState = savedState;
    std::swap(savedBuffer, FEditBuffer);
    FCalcValues = std::move(savedCalc);
    return v;
}

QString TDataSet::RecordText(int RecIndex, TField *Field, bool DisplayText)
{
    SyncView();
    if (!Active() || RecIndex < 0 || RecIndex >= static_cast<int>(FView.size()))
        return {};
    if (RecIndex == FCurrent && FState != dsInsert)
        return Field->GetText(DisplayText);
    FOverrideCalc.assign(FCalcValues.size(), QVariant());
    if (Field->FCalcIndex >= 0)
        FOverrideCalc[static_cast<size_t>(Field->FCalcIndex)] = RecordValue(RecIndex, Field);
    FRowOverride = RecIndex;
    TScopeExit restore([this] { FRowOverride = -1; });
    return Field->GetText(DisplayText);
}

QVariant TDataSet::GetFieldValue(const TField *Field) const
{
    if (FState == dsInactive)
        return {};
    if (FRowOverride >= 0) {
        if (Field->FCalcIndex >= 0)
            return FOverrideCalc[static_cast<size_t>(Field->FCalcIndex)];
        return Field->FStoreIndex >= 0
                   ? FView[static_cast<size_t>(FRowOverride)]->Values[static_cast<size_t>(Field->FStoreIndex)]
                   : QVariant();
    }
    if (Field->FCalcIndex >= 0)
        return static_cast<size_t>(Field->FCalcIndex) < FCalcValues.size()
                   ? FCalcValues[static_cast<size_t>(Field->FCalcIndex)]
                   : QVariant();
    if (Field->FStoreIndex < 0)
        return {};
    if (!FEditBuffer.empty())
        return FEditBuffer[static_cast<size_t>(Field->FStoreIndex)];
    SyncView();
    if (FCurrent < 0 || FCurrent >= static_cast<int>(FView.size()))
        return {};
    return FView[static_cast<size_t>(FCurrent)]->Values[static_cast<size_t>(Field->FStoreIndex)];
}

void TDataSet::SetFieldValue(TField *Field, const QVariant &Value)
{
    if (FState == dsCalcFields) {
        if (Field->FCalcIndex < 0)
            DatabaseError(QStringLiteral("Το πεδίο \"%1\" δεν είναι υπολογιζόμενο.").arg(Field->FFieldName));
        FCalcValues[static_cast<size_t>(Field->FCalcIndex)] = ConvertValue(Value, Field->FDataType, Field->FFieldName);
        return;
    }
    if (FState != dsEdit && FState != dsInsert)
        DatabaseError(QStringLiteral("Ο πίνακας \"%1\" δεν είναι σε κατάσταση επεξεργασίας.").arg(Title()));
    if (Field->FStoreIndex < 0 || Field->ReadOnly())
        DatabaseError(QStringLiteral("Το πεδίο \"%1\" δεν μπορεί να τροποποιηθεί.").arg(Field->FFieldName));
    QVariant v = ConvertValue(Value, Field->FDataType, Field->FFieldName);
    if (Field->FDataType == ftString && v.isValid()) {
        QString s = v.toString();
        if (Field->FSize > 0 && s.size() > Field->FSize)
            s.truncate(Field->FSize);
        // Every table and file keeps Greek text in code page 1253: text it cannot hold is refused here,
        // where it is typed, rather than written later as something else.
        if (!IsCp1253(s))
            ToCp1253(s, Field->FFieldName);
        v = s;
    }
    QVariant &slot = FEditBuffer[static_cast<size_t>(Field->FStoreIndex)];
    const QVariant old = slot;
    slot = v;
    if (Field->OnValidate) {
        TScopeExit undo([&slot, &old] { slot = old; });
        Field->OnValidate(Field);
        undo.Dismiss();
    }
    FModified = true;
    CalculateFields();
    DataEvent(deFieldChange, Field);
    if (Field->OnChange)
        Field->OnChange(Field);
}

void TDataSet::CalculateFields()
{
    if (FCalcValues.empty() || FInCalc)
        return;
    std::fill(FCalcValues.begin(), FCalcValues.end(), QVariant());
    SyncView();
    if (FCurrent < 0 && FState != dsInsert)
        return;
    FInCalc = true;
    const TDataSetState saved = FState;
    TScopeExit restore([this, saved] {
        FState = saved;
        FInCalc = false;
    });
    for (TField *f : FFields) {
        if (f->FFieldKind != fkLookup || !f->FLookupDataSet || !f->FLookupDataSet->Active())
            continue;
        const QStringList keys = SplitFieldNames(f->FKeyFields);
        QVariantList values;
        for (const QString &k : keys)
            values << FieldByName(k)->Value();
        QVariant v;
        try {
            v = f->FLookupDataSet->Lookup(f->FLookupKeyFields, keys.size() == 1 ? values.first() : QVariant(values),
                                          f->FLookupResultField);
        } catch (const Exception &) {
            v = QVariant(); // a key that does not convert finds nothing
        }
        QVariant converted;
        if (TryConvertValue(v, f->FDataType, converted))
            FCalcValues[static_cast<size_t>(f->FCalcIndex)] = converted;
    }
    if (OnCalcFields) {
        FState = dsCalcFields;
        OnCalcFields(this);
    }
}

void TDataSet::DataEvent(TDataEvent Event, TField *Field)
{
    if (FDisableCount > 0 && Event != deUpdateRecord && Event != deCheckBrowseMode)
        return;
    const QList<TDataSource *> sources = FDataSources;
    for (TDataSource *ds : sources)
        ds->DataEvent(Event, Field);
}

// ----------------------------------------------------------------------------------------- TDataSource

TDataSource::TDataSource(TComponent *AOwner) : TComponent(AOwner)
{
}

TDataSource::~TDataSource()
{
    SetDataSet(nullptr);
    const QList<TDataLink *> links = FLinks;
    for (TDataLink *l : links)
        l->SetDataSource(nullptr);
    const QSet<TDataLink *> passive = FPassiveLinks;
    for (TDataLink *l : passive)
        l->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet *Value)
{
    if (Value == FDataSet)
        return;
    if (FDataSet)
        FDataSet->FDataSources.removeAll(this);
    FDataSet = Value;
    if (Value) {
        Value->FDataSources.append(this);
        Value->FreeNotification(this);
    }
    DataEvent(deUpdateState, nullptr);
    DataEvent(deLayoutChange, nullptr);
}

void TDataSource::SetEnabled(bool Value)
{
    FEnabled = Value;
    DataEvent(deUpdateState, nullptr);
}

void TDataSource::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataSet)
        SetDataSet(nullptr);
}

void TDataSource::Edit()
{
    if (FDataSet && FEnabled && FDataSet->State() == dsBrowse)
        FDataSet->Edit();
}

void TDataSource::DataEvent(TDataEvent Event, TField *Field)
{
    const QList<TDataLink *> links = FLinks;
    for (TDataLink *l : links)
        l->DataEvent(Event, Field);
    if (Event == deUpdateState && OnStateChange)
        OnStateChange(this);
    if ((Event == deFieldChange || Event == deRecordChange || Event == deDataSetChange || Event == deDataSetScroll ||
         Event == deLayoutChange) &&
        OnDataChange)
        OnDataChange(this, Event == deFieldChange ? Field : nullptr);
}

// ------------------------------------------------------------------------------------------- TDataLink

TDataLink::~TDataLink()
{
    if (FDataSource && FPassive)
        FDataSource->FPassiveLinks.remove(this);
    else if (FDataSource)
        FDataSource->FLinks.removeAll(this);
}

void TDataLink::SetDataSource(TDataSource *Value)
{
    if (Value == FDataSource)
        return;
    if (FDataSource && FPassive)
        FDataSource->FPassiveLinks.remove(this);
    else if (FDataSource)
        FDataSource->FLinks.removeAll(this);
    FDataSource = Value;
    if (Value && FPassive)
        Value->FPassiveLinks.insert(this);
    else if (Value)
        Value->FLinks.append(this);
    UpdateState();
}

void TDataLink::SetPassive(bool Value)
{
    if (Value == FPassive)
        return;
    TDataSource *source = FDataSource;
    SetDataSource(nullptr);
    FPassive = Value;
    SetDataSource(source);
}

TDataSet *TDataLink::DataSet() const
{
    return FDataSource ? FDataSource->DataSet() : nullptr;
}

bool TDataLink::Edit()
{
    if (FDataSource && !FEditing)
        FDataSource->Edit();
    return FEditing;
}

void TDataLink::UpdateState()
{
    const bool active =
        FDataSource && FDataSource->Enabled() && FDataSource->DataSet() && FDataSource->DataSet()->Active();
    if (active != FActive) {
        FActive = active;
        ActiveChanged();
    }
    const bool editing = active && (FDataSource->State() == dsEdit || FDataSource->State() == dsInsert);
    if (editing != FEditing) {
        FEditing = editing;
        EditingChanged();
    }
}

void TDataLink::DataEvent(TDataEvent Event, TField *Field)
{
    switch (Event) {
    case deUpdateState:
        UpdateState();
        break;
    case deFieldChange:
    case deRecordChange:
        if (FActive)
            RecordChanged(Field);
        break;
    case deDataSetChange:
        if (FActive)
            DataSetChanged();
        break;
    case deDataSetScroll:
        if (FActive)
            DataSetScrolled(0);
        break;
    case deLayoutChange:
        if (FActive)
            LayoutChanged();
        break;
    case deUpdateRecord:
        if (FActive)
            UpdateData();
        break;
    case deCheckBrowseMode:
        if (FActive)
            CheckBrowseMode();
        break;
    }
}

// -------------------------------------------------------------------------------------- TFieldDataLink

void TFieldDataLink::SetFieldName(const QString &Value)
{
    FFieldName = Value;
    UpdateField();
}

TField *TFieldDataLink::Field() const
{
    if (!Passive())
        return FField;
    TDataSet *ds = DataSet();
    if (!ds || !ds->Active() || !DataSource()->Enabled() || FFieldName.isEmpty())
        return nullptr;
    return ds->FindField(FFieldName);
}

void TFieldDataLink::UpdateField()
{
    TField *f = nullptr;
    if (Active() && !FFieldName.isEmpty())
        f = DataSet()->FindField(FFieldName);
    if (f != FField) {
        FField = f;
        RecordChanged(nullptr);
    }
}

bool TFieldDataLink::CanModify() const
{
    return FField && !FField->ReadOnly() && DataSet() && DataSet()->CanModify();
}

void TFieldDataLink::Reset()
{
    RecordChanged(nullptr);
}

void TFieldDataLink::ActiveChanged()
{
    UpdateField();
    if (OnActiveChange)
        OnActiveChange(this);
}

void TFieldDataLink::LayoutChanged()
{
    UpdateField();
}

void TFieldDataLink::RecordChanged(TField *Field)
{
    if (Field == nullptr || Field == FField) {
        if (OnDataChange)
            OnDataChange(this);
        FModified = false;
    }
}

void TFieldDataLink::EditingChanged()
{
    if (OnEditingChange)
        OnEditingChange(this);
}

void TFieldDataLink::UpdateData()
{
    if (FModified) {
        if (FField && OnUpdateData)
            OnUpdateData(this);
        FModified = false;
    }
}
