#include "DBCtrls.h"

#include "vcl/Dialogs.h"
#include "vcl/Forms.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace
{
// The text a bound control shows: the field's display text, or its editing text while it is edited.
QString FieldShownText(const TFieldDataLink &Link, const TComponent *Control, bool Editing)
{
    if (TField *f = Link.Field())
        return Editing ? f->Text() : f->DisplayText();
    return Control->IsDesigning() ? Control->Name() : QString();
}
} // namespace

void TDBControlLink::UpdateRecord()
{
    UpdateData();
}

// ------------------------------------------------------------------------------------------ TDBEdit

TDBEdit::TDBEdit(TComponent *AOwner) : TEdit(AOwner)
{
    FDataLink.SetControl(this);
    FDataLink.OnDataChange = [this](TFieldDataLink *) { DataChange(); };
    FDataLink.OnUpdateData = [this](TFieldDataLink *) { Field()->SetText(GetText()); };
}

TDBEdit::~TDBEdit()
{
    FDataLink.OnDataChange = nullptr;
    FDataLink.OnUpdateData = nullptr;
    FDataLink.SetDataSource(nullptr);
}

void TDBEdit::SetDataSource(TDataSource *Value)
{
    FDataLink.SetDataSource(Value);
    if (Value)
        Value->FreeNotification(this);
    DataChange();
}

void TDBEdit::Notification(TComponent *AComponent, TOperation Operation)
{
    TEdit::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataLink.DataSource())
        SetDataSource(nullptr);
}

void TDBEdit::Loaded()
{
    TEdit::Loaded();
    DataChange();
}

void TDBEdit::DataChange()
{
    // The field decides what may be typed; a refusal names it as the user knows it.
    if (TField *f = Field())
        SetValidChars(f->ValidChars(), f->DisplayName());
    else
        SetValidChars(QString(), QString());
    FShowing = true;
    SetText(FieldShownText(FDataLink, this, Focused() && FDataLink.CanModify()));
    FShowing = false;
}

void TDBEdit::TextChanged()
{
    if (!FShowing && Field()) {
        // The user typed: the record goes into edit state (which shows the field again) and the typed text
        // stays to be written back.
        const QString typed = GetText();
        if (!FDataLink.Editing()) {
            if (!FDataLink.CanModify()) {
                DataChange();
                return;
            }
            FDataLink.Edit();
            if (GetText() != typed) {
                FShowing = true;
                SetText(typed);
                FShowing = false;
            }
        }
        FDataLink.Modified();
    }
    TEdit::TextChanged();
}

void TDBEdit::KeyDown(quint16 &Key, TShiftState Shift)
{
    TEdit::KeyDown(Key, Shift);
    if (Key == VK_ESCAPE && FDataLink.IsModified()) {
        FDataLink.Reset();
        Key = 0;
    } else if (Key == VK_RETURN) {
        FDataLink.UpdateRecord();
    }
}

void TDBEdit::FocusGained()
{
    TEdit::FocusGained();
    if (!FDataLink.IsModified())
        DataChange();
}

void TDBEdit::FocusLost()
{
    TEdit::FocusLost();
    FDataLink.UpdateRecord();
    if (!FDataLink.IsModified())
        DataChange();
}

// -------------------------------------------------------------------------------------- TDBCheckBox

TDBCheckBox::TDBCheckBox(TComponent *AOwner) : TCheckBox(AOwner)
{
    FDataLink.SetControl(this);
    FDataLink.OnDataChange = [this](TFieldDataLink *) { DataChange(); };
    FDataLink.OnUpdateData = [this](TFieldDataLink *) { Field()->SetAsBoolean(Checked()); };
}

TDBCheckBox::~TDBCheckBox()
{
    FDataLink.OnDataChange = nullptr;
    FDataLink.OnUpdateData = nullptr;
    FDataLink.SetDataSource(nullptr);
}

void TDBCheckBox::SetDataSource(TDataSource *Value)
{
    FDataLink.SetDataSource(Value);
    if (Value)
        Value->FreeNotification(this);
    DataChange();
}

void TDBCheckBox::Notification(TComponent *AComponent, TOperation Operation)
{
    TCheckBox::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataLink.DataSource())
        SetDataSource(nullptr);
}

void TDBCheckBox::DataChange()
{
    FShowing = true;
    SetChecked(Field() && !Field()->IsNull() && Field()->AsBoolean());
    FShowing = false;
}

void TDBCheckBox::Toggled()
{
    if (!FShowing && Field()) {
        const bool wanted = Checked();
        if (!FDataLink.CanModify()) {
            DataChange();
            return;
        }
        FDataLink.Edit();
        Field()->SetAsBoolean(wanted);
    }
    TCheckBox::Toggled();
}

// -------------------------------------------------------------------------------------- TDBComboBox

TDBComboBox::TDBComboBox(TComponent *AOwner) : TComboBox(AOwner)
{
    FDataLink.SetControl(this);
    FDataLink.OnDataChange = [this](TFieldDataLink *) { DataChange(); };
    FDataLink.OnUpdateData = [this](TFieldDataLink *) { Field()->SetText(GetText()); };
}

TDBComboBox::~TDBComboBox()
{
    FDataLink.OnDataChange = nullptr;
    FDataLink.OnUpdateData = nullptr;
    FDataLink.SetDataSource(nullptr);
}

void TDBComboBox::SetDataSource(TDataSource *Value)
{
    FDataLink.SetDataSource(Value);
    if (Value)
        Value->FreeNotification(this);
    DataChange();
}

void TDBComboBox::Notification(TComponent *AComponent, TOperation Operation)
{
    TComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataLink.DataSource())
        SetDataSource(nullptr);
}

void TDBComboBox::DataChange()
{
    FShowing = true;
    const QString text = FieldShownText(FDataLink, this, false);
    if (Style() == csDropDownList)
        SetItemIndex(Items()->IndexOf(text));
    else
        SetText(text);
    FShowing = false;
}

void TDBComboBox::Change()
{
    if (!FShowing && Field()) {
        if (!FDataLink.CanModify()) {
            DataChange();
            return;
        }
        const QString chosen = GetText();
        const int index = ItemIndex();
        FDataLink.Edit();
        FShowing = true;
        if (Style() == csDropDownList)
            SetItemIndex(index);
        else
            SetText(chosen);
        FShowing = false;
        FDataLink.Modified();
        // A pick from the list is written at once; typed text when the box is left.
        if (index >= 0)
            FDataLink.UpdateRecord();
    }
    TComboBox::Change();
}

void TDBComboBox::FocusLost()
{
    TComboBox::FocusLost();
    FDataLink.UpdateRecord();
}

// ------------------------------------------------------------------------------------- TDBNavigator

class TNavDataLink : public TDataLink
{
public:
    explicit TNavDataLink(TDBNavigator *Navigator) : FNavigator(Navigator) {}

protected:
    void ActiveChanged() override { FNavigator->UpdateButtons(); }
    void DataSetChanged() override { FNavigator->UpdateButtons(); }
    void EditingChanged() override { FNavigator->UpdateButtons(); }

private:
    TDBNavigator *FNavigator;
};

namespace
{
const char16_t *const NavigatorGlyphs[10] = {u"|◀", u"◀", u"▶", u"▶|", u"+", u"−", u"▲", u"✓", u"✗", u"↻"};
}

TDBNavigator::TDBNavigator(TComponent *AOwner)
    : TWinControl(AOwner), FDataLink(std::make_unique<TNavDataLink>(this)), FHints(std::make_unique<TStringList>())
{
    SetBounds(0, 0, 240, 25);
    FHints->OnChange = [this](TObject *) { ApplyButtons(); };
}

TDBNavigator::~TDBNavigator()
{
    FHints->OnChange = nullptr;
    FDataLink->SetDataSource(nullptr);
}

TDataSource *TDBNavigator::DataSource() const
{
    return FDataLink->DataSource();
}

void TDBNavigator::SetDataSource(TDataSource *Value)
{
    FDataLink->SetDataSource(Value);
    if (Value)
        Value->FreeNotification(this);
    UpdateButtons();
}

void TDBNavigator::Notification(TComponent *AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && FDataLink && AComponent == FDataLink->DataSource())
        SetDataSource(nullptr);
}

void TDBNavigator::SetFlat(bool Value)
{
    FFlat = Value;
    ApplyButtons();
}

QToolButton *TDBNavigator::Button(TNavigateBtn Index)
{
    return Peer()->findChild<QToolButton *>(QStringLiteral("nb%1").arg(int(Index)));
}

QWidget *TDBNavigator::CreatePeer()
{
    auto *bar = new TPeer<QWidget>(this);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < 10; ++i) {
        auto *b = new QToolButton(bar);
        b->setObjectName(QStringLiteral("nb%1").arg(i));
        b->setText(QString::fromUtf16(NavigatorGlyphs[i]));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        // Reached by Tab; a click leaves the focus in the box being typed into.
        b->setFocusPolicy(Qt::TabFocus);
        QObject::connect(b, &QToolButton::clicked, this,
                         [this, i] { Application()->Guard([&] { BtnClick(TNavigateBtn(i)); }); });
        layout->addWidget(b);
    }
    QMetaObject::invokeMethod(
        this, [this] { ApplyButtons(); }, Qt::QueuedConnection);
    return bar;
}

void TDBNavigator::InitPeer(QWidget *peer)
{
    TWinControl::InitPeer(peer);
    WalkButtonsByTab(this);
}

void TDBNavigator::Resize()
{
    TWinControl::Resize();
}

void TDBNavigator::ApplyButtons()
{
    if (!HandleAllocated())
        return;
    for (int i = 0; i < 10; ++i)
        if (QToolButton *b = Button(TNavigateBtn(i))) {
            b->setAutoRaise(FFlat);
            const QString hint = i < FHints->Count() ? FHints->Strings(i) : QString();
            b->setToolTip(GetShortHint(hint));
            // The long part reaches the window's hint panel while the mouse is over the button.
            b->setStatusTip(GetLongHint(hint));
            b->setEnabled(FEnabled[i]);
        }
}

void TDBNavigator::UpdateButtons()
{
    TDataSet *ds = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
    const bool active = ds != nullptr;
    const bool editing = active && (ds->State() == dsEdit || ds->State() == dsInsert);
    const bool canModify = active && ds->CanModify();
    const bool empty = !active || ds->IsEmpty();
    FEnabled[nbFirst] = FEnabled[nbPrior] = active && !editing && !ds->Bof();
    FEnabled[nbNext] = FEnabled[nbLast] = active && !editing && !ds->Eof();
    FEnabled[nbInsert] = canModify;
    FEnabled[nbDelete] = canModify && !empty;
    FEnabled[nbEdit] = canModify && !editing && !empty;
    FEnabled[nbPost] = FEnabled[nbCancel] = editing;
    FEnabled[nbRefresh] = active;
    ApplyButtons();
}

void TDBNavigator::BtnClick(TNavigateBtn Index)
{
    TDataSet *ds = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
    if (!ds)
        return;
    switch (Index) {
    case nbFirst:
        ds->First();
        break;
    case nbPrior:
        ds->Prior();
        break;
    case nbNext:
        ds->Next();
        break;
    case nbLast:
        ds->Last();
        break;
    case nbInsert:
        ds->Insert();
        break;
    case nbDelete:
        if (!FConfirmDelete ||
            MessageDlg(QStringLiteral("Να διαγραφεί η εγγραφή;"), mtConfirmation, mbOKCancel, 0) == mrOk)
            ds->Delete();
        break;
    case nbEdit:
        ds->Edit();
        break;
    case nbPost:
        ds->Post();
        break;
    case nbCancel:
        ds->Cancel();
        break;
    case nbRefresh:
        // Moving onto the current record again reads the rows other cursors have changed.
        ds->CheckBrowseMode();
        ds->SetRecNo(ds->RecNo());
        break;
    }
    UpdateButtons();
}
