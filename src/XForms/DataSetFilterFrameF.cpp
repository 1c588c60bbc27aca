#include "DataSetFilterFrameF.h"

#include "db/DBTables.h"
#include "vcl/ComponentStream.h"

const char16_t *const FilterOperators[6] = {u"=", u"<>", u"<", u">", u"<=", u">="};

static void InitDataSetFormResources()
{
    Q_INIT_RESOURCE(DataSetForms);
}

namespace
{
template <class T> T *Part(TComponent *Owner, const char *Name)
{
    auto *c = qobject_cast<T *>(Owner->FindComponent(QString::fromLatin1(Name)));
    if (!c)
        throw EComponentError(QStringLiteral("Λείπει το στοιχείο %1 από τη σχεδίαση.").arg(QString::fromLatin1(Name)));
    return c;
}

QString Quoted(const QString &S)
{
    QString r = S;
    r.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + r + QLatin1Char('\'');
}
} // namespace

TDataSetFilterFrame::TDataSetFilterFrame(TComponent *AOwner) : TFrame(AOwner)
{
    InitDataSetFormResources();
    RegisterDBClasses();
    InitInheritedComponent(this, &TFrame::staticMetaObject);
    Panel2 = Part<TPanel>(this, "Panel2");
    Label1 = Part<TLabel>(this, "Label1");
    Label2 = Part<TLabel>(this, "Label2");
    IndexCombo = Part<TComboBox>(this, "IndexCombo");
    FieldsCombo = Part<TComboBox>(this, "FieldsCombo");
    FilterKindCombo = Part<TComboBox>(this, "FilterKindCombo");
    FilterValueEdit = Part<TComboBox>(this, "FilterValueEdit");
    DBGrid1 = Part<TDBGrid>(this, "DBGrid1");
    DataSource = Part<TDataSource>(this, "DataSource");
    FIndexWidth = IndexCombo->Width();
    FFieldsWidth = FieldsCombo->Width();
}

TDataSetFilterFrame::~TDataSetFilterFrame()
{
    if (FDataSet)
        FDataSet->RemoveFreeNotification(this);
}

void TDataSetFilterFrame::Notification(TComponent *AComponent, TOperation Operation)
{
    TFrame::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent && AComponent == FDataSet.data()) {
        FDataSet.clear();
        FFilterField.clear();
    }
}

void TDataSetFilterFrame::SetDataSet(TDataSet *D)
{
    if (FDataSet && FDataSet != D)
        FDataSet->RemoveFreeNotification(this);
    FDataSet = D;
    if (D)
        D->FreeNotification(this);
    FFilterField.clear();
    DataSource->SetDataSet(D);
    FillIndexList();
    FillFieldList();
    ShowFilter();
    ArrangeBar();
}

void TDataSetFilterFrame::Resize()
{
    TFrame::Resize();
    ArrangeBar();
}

void TDataSetFilterFrame::ArrangeBar()
{
    if (!FilterValueEdit) // still being read from the design
        return;
    // The designed spacing: 6 pixels before each box but the value box's 5, 4 after the value box, and each
    // label 3 pixels right of its box.
    const int valueLeast = 100;
    const int fixed = 6 + 6 + 6 + FilterKindCombo->Width() + 5 + 4;
    const int room = Panel2->ClientWidth() - fixed - valueLeast;
    int index = std::max(FIndexWidth, IndexCombo->ItemsWidth());
    int fields = std::max(FFieldsWidth, FieldsCombo->ItemsWidth());
    // Short of room the field box gives way first, the sort box next, neither below its designed width.
    fields = std::max(FFieldsWidth, std::min(fields, room - index));
    index = std::max(FIndexWidth, std::min(index, room - fields));
    int x = 6;
    IndexCombo->SetBounds(x, IndexCombo->Top(), index, IndexCombo->Height());
    x += index + 6;
    Label2->SetLeft(x + 3);
    FieldsCombo->SetBounds(x, FieldsCombo->Top(), fields, FieldsCombo->Height());
    x += fields + 6;
    FilterKindCombo->SetLeft(x);
    x += FilterKindCombo->Width() + 5;
    FilterValueEdit->SetBounds(x, FilterValueEdit->Top(), std::max(0, Panel2->ClientWidth() - 4 - x),
                               FilterValueEdit->Height());
}

void TDataSetFilterFrame::FillIndexList()
{
    TStrings *items = IndexCombo->Items();
    items->BeginUpdate();
    items->Clear();
    if (auto *table = qobject_cast<TTable *>(DataSet())) {
        TIndexDefs *defs = table->IndexDefs();
        for (int i = 0; i < defs->Count(); ++i) {
            const TIndexDef &d = (*defs)[i];
            items->Add(d.Options.testFlag(ixPrimary) ? QStringLiteral("(Κύρια:%1)").arg(d.Fields)
                                                     : QStringLiteral("(%1:%2)").arg(d.Name, d.Fields));
        }
    }
    items->EndUpdate();
    if (items->Count() > 0)
        IndexCombo->SetItemIndex(0);
}

void TDataSetFilterFrame::FillFieldList()
{
    TStrings *items = FieldsCombo->Items();
    items->BeginUpdate();
    items->Clear();
    if (FDataSet)
        for (TField *f : DataSet()->Fields())
            if (f->FieldKind() == fkData)
                items->AddObject(f->FieldName(), f);
    items->EndUpdate();
}

void TDataSetFilterFrame::ShowFilter()
{
    TStrings *ops = FilterKindCombo->Items();
    ops->BeginUpdate();
    ops->Clear();
    for (const char16_t *op : FilterOperators)
        ops->Add(QString::fromUtf16(op));
    ops->EndUpdate();
    FilterKindCombo->SetItemIndex(0);

    QString name, value;
    int op = 0;
    if (FDataSet && DataSet()->Filtered() && ParseFilter(DataSet()->Filter(), name, value, op)) {
        FieldsCombo->SetItemIndex(FieldsCombo->Items()->IndexOf(name));
        FilterKindCombo->SetItemIndex(op);
        // The shown field is the filter's field, so that changing the value or the operator filters on it
        // rather than switching the filter off.
        const int at = FieldsCombo->ItemIndex();
        FFilterField = at >= 0 ? qobject_cast<TField *>(FieldsCombo->Items()->Objects(at)) : nullptr;
        if (FFilterField && FFilterField->DataType() == ftBoolean) {
            FilterValueEdit->Items()->Clear();
            QString t, f;
            FillBooleanItems(static_cast<TBooleanField *>(FFilterField.data())->DisplayValues(),
                             FilterValueEdit->Items(), t, f);
            FilterValueEdit->SetStyle(csDropDownList);
            FilterValueEdit->SetItemIndex(value == QLatin1String("1") ? 0 : value == QLatin1String("0") ? 1 : -1);
        } else {
            FilterValueEdit->SetStyle(csDropDown);
            FilterValueEdit->SetText(value);
        }
    } else {
        FieldsCombo->SetItemIndex(-1);
        FilterValueEdit->SetStyle(csDropDown);
        FilterValueEdit->SetText(QString());
    }
}

void TDataSetFilterFrame::IndexComboChange(TObject *)
{
    auto *table = qobject_cast<TTable *>(DataSet());
    const int at = IndexCombo->ItemIndex();
    if (table && at >= 0 && at < table->IndexDefs()->Count())
        table->SetIndexFieldNames((*table->IndexDefs())[at].Fields);
}

void TDataSetFilterFrame::FieldsComboChange(TObject *Sender)
{
    if (!FDataSet)
        return;
    FFilterField = DataSet()->FindField(FieldsCombo->GetText());
    if (FFilterField && FFilterField->DataType() == ftBoolean) {
        FilterValueEdit->Items()->Clear();
        QString t, f;
        FillBooleanItems(static_cast<TBooleanField *>(FFilterField.data())->DisplayValues(), FilterValueEdit->Items(),
                         t, f);
        FilterValueEdit->SetStyle(csDropDownList);
    } else {
        // The texts of a Boolean field chosen before do not belong to this one.
        FilterValueEdit->Items()->Clear();
        FilterValueEdit->SetStyle(csDropDown);
        FilterValueEdit->SetText(QString());
    }
    FilterValueEditChange(Sender);
}

void TDataSetFilterFrame::FilterValueEditChange(TObject *)
{
    if (!FDataSet)
        return;
    const int op = FilterKindCombo->ItemIndex();
    const bool ok = FFilterField && op >= 0 && op < 6 && !FilterValueEdit->GetText().isEmpty();
    if (ok) {
        QString v = FilterValueEdit->GetText();
        if (FFilterField->DataType() == ftBoolean)
            v = QString::number(1 - FilterValueEdit->ItemIndex());
        else if (op == 0 && FFilterField->DataType() == ftString)
            v += QLatin1Char('*');
        DataSet()->SetFilter(QStringLiteral("[%1] %2 %3")
                                .arg(FieldsCombo->GetText(), QString::fromUtf16(FilterOperators[op]), Quoted(v)));
    }
    DataSet()->SetFiltered(ok);
}

bool ParseFilter(const QString &S, QString &FieldName, QString &Value, int &Operator)
{
    FieldName.clear();
    Value.clear();
    Operator = 0;
    const qsizetype open = S.indexOf(QLatin1Char('['));
    if (open < 0)
        return false;
    const qsizetype close = S.indexOf(QLatin1Char(']'), open + 1);
    if (close < 0)
        return false;
    FieldName = S.mid(open + 1, close - open - 1);
    qsizetype i = close + 1;
    while (i < S.size() && S[i] != QLatin1Char('<') && S[i] != QLatin1Char('=') && S[i] != QLatin1Char('>'))
        ++i;
    if (i >= S.size())
        return false;
    const QChar c = S[i];
    const QChar next = i + 1 < S.size() ? S[i + 1] : QChar();
    if (c == QLatin1Char('<')) {
        if (next == QLatin1Char('=')) {
            Operator = 4;
            ++i;
        } else if (next == QLatin1Char('>')) {
            Operator = 1;
            ++i;
        } else {
            Operator = 2;
        }
    } else if (c == QLatin1Char('=')) {
        Operator = 0;
    } else if (next == QLatin1Char('=')) {
        Operator = 5;
        ++i;
    } else {
        Operator = 3;
    }
    i = S.indexOf(QLatin1Char('\''), i + 1);
    if (i < 0 || i + 1 >= S.size())
        return false;
    for (++i; i < S.size(); ++i) {
        if (S[i] == QLatin1Char('\'')) {
            if (i + 1 < S.size() && S[i + 1] == QLatin1Char('\'')) {
                Value += QLatin1Char('\'');
                ++i;
                continue;
            }
            break;
        }
        Value += S[i];
    }
    if (Value.isEmpty())
        return false;
    if (Value.endsWith(QLatin1Char('*')))
        Value.chop(1);
    return true;
}

bool SplitDisplayValues(const QString &S, QString &TrueText, QString &FalseText)
{
    const qsizetype at = S.indexOf(QLatin1Char(';'));
    if (at < 0) {
        TrueText.clear();
        FalseText.clear();
    } else {
        TrueText = S.left(at);
        FalseText = S.mid(at + 1, 255);
    }
    return !TrueText.isEmpty() && !FalseText.isEmpty();
}

void FillBooleanItems(const QString &DisplayValues, TStrings *Items, QString &TrueText, QString &FalseText)
{
    QString t, f;
    if (SplitDisplayValues(DisplayValues, t, f)) {
        TrueText = t;
        FalseText = f;
    } else {
        if (TrueText.isEmpty())
            TrueText = QStringLiteral("ΝΑΙ");
        if (FalseText.isEmpty())
            FalseText = QStringLiteral("ΟΧΙ");
    }
    Items->Add(TrueText);
    Items->Add(FalseText);
}
