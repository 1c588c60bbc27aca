#include "TableEditorF.h"

#include "XForms/DataSetPopupF.h"
#include "XForms/FieldEditor.h"
#include "db/DBTables.h"
#include "vcl/ActnList.h"
#include "vcl/ComponentStream.h"

#include <QEvent>

static void InitTableEditorResource()
{
    Q_INIT_RESOURCE(TableEditor);
}

namespace
{
void RegisterTableEditorClasses()
{
    static const bool registered = [] {
        RegisterClasses<TTableEditor, TPanel, TStatusBar, TPageControl, TTabSheet, TScrollBox, TDataSource,
                        TDBNavigator, TDataSetFilterFrame, TLabel>();
        return true;
    }();
    (void)registered;
}

int RoundUpTo8(int v)
{
    return v % 8 == 0 ? v : (v / 8 + 1) * 8;
}
} // namespace

TTableEditor::TTableEditor(TComponent *AOwner) : TForm(AOwner)
{
    RegisterTableEditorClasses();
    InitTableEditorResource();
    if (!InitInheritedComponent(this, &TForm::staticMetaObject))
        throw EStreamError(QStringLiteral("Δεν βρέθηκε η σχεδίαση του παραθύρου πινάκων."));
    auto find = [this](const char *name) { return FindComponent(QString::fromLatin1(name)); };
    Panel1 = qobject_cast<TPanel *>(find("Panel1"));
    DBNavigator = qobject_cast<TDBNavigator *>(find("DBNavigator"));
    PageControl1 = qobject_cast<TPageControl *>(find("PageControl1"));
    TabSheet1 = qobject_cast<TTabSheet *>(find("TabSheet1"));
    TabSheet2 = qobject_cast<TTabSheet *>(find("TabSheet2"));
    DataSetFilterFrame1 = qobject_cast<TDataSetFilterFrame *>(find("DataSetFilterFrame1"));
    ScrollBox1 = qobject_cast<TScrollBox *>(find("ScrollBox1"));
    StatusBar1 = qobject_cast<TStatusBar *>(find("StatusBar1"));
    DataSource = qobject_cast<TDataSource *>(find("DataSource"));
    if (!Panel1 || !DBNavigator || !PageControl1 || !TabSheet1 || !TabSheet2 || !DataSetFilterFrame1 || !ScrollBox1 ||
        !StatusBar1 || !DataSource)
        throw EStreamError(QStringLiteral("Η σχεδίαση του παραθύρου πινάκων είναι ελλιπής."));
    PageControl1->SetActivePage(TabSheet2);
    StatusBar1->AddPanel(QString(), 160);
    StatusBar1->AddPanel(QString(), 0);
    Peer()->installEventFilter(this);
    OnClose = [this](TObject *Sender, TCloseAction &Action) { FormClose(Sender, Action); };
    MakeRecordKeys();
    FormCreate(this);
}

void TTableEditor::MakeRecordKeys()
{
    const std::pair<TNavigateBtn, int> keys[] = {
        {nbInsert, VK_INSERT}, {nbDelete, 0x4000 | VK_DELETE}, {nbPost, 0x4000 | VK_RETURN}};
    for (const auto &[button, shortCut] : keys) {
        auto *action = new TAction(this);
        action->SetShortCut(shortCut);
        action->OnExecute = [this, button = button](TObject *) { PressNavigator(button); };
        Peer()->addAction(action->Handle());
    }
}

void TTableEditor::PressNavigator(TNavigateBtn Button)
{
    DBNavigator->UpdateButtons();
    if (DBNavigator->ButtonEnabled(Button))
        DBNavigator->BtnClick(Button);
}

void TTableEditor::KeyDown(quint16 &Key, TShiftState Shift)
{
    TForm::KeyDown(Key, Shift);
    TDataSet *dataSet = GetDataSet();
    const bool editing = dataSet && (dataSet->State() == dsEdit || dataSet->State() == dsInsert);
    if (Key == VK_ESCAPE && Shift == TShiftState()) {
        Key = 0;
        if (editing)
            PressNavigator(nbCancel);
        else
            Close();
    } else if (Key == VK_RETURN && Shift == TShiftState(ssCtrl)) {
        Key = 0;
        PressNavigator(nbPost);
    }
}

TTableEditor::~TTableEditor()
{
    KeepPlace();
    if (HandleAllocated())
        Peer()->removeEventFilter(this);
    if (FHintInstalled)
        FormDeactivate(this);
}

bool TTableEditor::eventFilter(QObject *Watched, QEvent *Event)
{
    // The window opens with the grid focused, so that the keys act on the records at once.
    if (Event->type() == QEvent::Show && Watched == Peer() && !FShown) {
        FShown = true;
        DataSetFilterFrame1->DBGrid1->Peer()->setFocus(Qt::OtherFocusReason);
    }
    if (Event->type() == QEvent::WindowActivate)
        FormActivated(
            this, [this] { GuardEvent([this] { FormActivate(this); }); },
            [this] { GuardEvent([this] { FormDeactivate(this); }); });
    else if (Event->type() == QEvent::WindowDeactivate)
        FormDeactivated(this);
    return TForm::eventFilter(Watched, Event);
}

bool TTableEditor::Edit(TDataSet *DataSet, TObject *Sender, bool Modal)
{
    auto *editor = new TTableEditor(Application());
    if (auto *action = qobject_cast<TAction *>(Sender))
        editor->SetCaption(!action->Hint().isEmpty() ? action->Hint() : action->Caption());
    // Placed first: the detail page is laid out for the width the window opens at.
    editor->TakeLastPlace();
    {
        TScopeExit freeOnFailure([editor] { delete editor; });
        editor->SetDataSet(DataSet);
        freeOnFailure.Dismiss();
    }
    if (!Modal) {
        editor->Show();
        return true;
    }
    const bool result = editor->ShowModal() == mrOk;
    delete editor;
    return result;
}

std::optional<TTableEditor::TPlace> &TTableEditor::LastPlace()
{
    static std::optional<TPlace> place;
    return place;
}

void TTableEditor::KeepPlace()
{
    // Only a window that was shown has a place of the user's; its size before maximising is its own.
    if (!FShown || !HandleAllocated())
        return;
    QWidget *window = Peer();
    const bool maximized = window->isMaximized();
    const QRect bounds = maximized ? window->normalGeometry() : window->geometry();
    if (bounds.isValid())
        LastPlace() = TPlace{bounds, maximized};
}

void TTableEditor::TakeLastPlace()
{
    const std::optional<TPlace> &place = LastPlace();
    if (!place)
        return;
    SetPosition(poDesigned);
    SetBounds(place->Bounds.x(), place->Bounds.y(), place->Bounds.width(), place->Bounds.height());
    SetWindowState(place->Maximized ? wsMaximized : wsNormal);
}

TDataSet *TTableEditor::GetDataSet() const
{
    return DataSource->DataSet();
}

void TTableEditor::SetDataSet(TDataSet *DataSet)
{
    DataSource->SetDataSet(DataSet);
    BuildDetailPage();
    // F1 anywhere in the window opens the table's topic.
    SetHelpKeyword(DataSet ? DataSet->Name() : QString());
    // A table whose file this user cannot write stays read-only whatever the box says: it shows ticked and
    // cannot be switched, and nothing is asked.
    const bool fileReadOnly = DataSet && DataSet->FileReadOnly();
    ReadOnlyCheck->SetEnabled(qobject_cast<TTable *>(DataSet) != nullptr && !fileReadOnly);
    ReadOnlyCheck->SetChecked(DataSet && !DataSet->CanModify());
    // A box that cannot be switched says why.
    ReadOnlyCheck->SetHint(fileReadOnly ? QStringLiteral("Ο πίνακας είναι μόνο για ανάγνωση: το αρχείο του δεν "
                                                         "επιτρέπει εγγραφή σε αυτόν τον χρήστη")
                                        : QString());
    DataSetFilterFrame1->SetDataSet(DataSet);
}

void TTableEditor::BuildDetailPage()
{
    TDataSet *dataSet = GetDataSet();
    if (!dataSet)
        return;
    int x = 0, y = 0, placed = 0;
    qint64 lastTag = 0;
    // The detail page is not shown yet; its width is the page control's page area.
    int clientWidth = ScrollBox1->ClientWidth();
    if (clientWidth <= 0)
        clientWidth = PageControl1->ClientWidth() - 8;
    for (TField *field : dataSet->Fields()) {
        TPanel *panel = MakeFieldPanel(field, ScrollBox1);
        if (!panel)
            continue;
        if (x + panel->Width() > clientWidth || (placed > 0 && field->Tag() >= 1 && field->Tag() != lastTag)) {
            x = 0;
            y = y + panel->Height() + 2;
        }
        panel->SetLeft(x);
        panel->SetTop(y);
        x = x + panel->Width() + 4;
        lastTag = field->Tag();
        ++placed;
    }
}

TPanel *TTableEditor::MakeFieldPanel(TField *Field, TWinControl *Parent)
{
    if (!Field->Visible())
        return nullptr;
    TControl *editor = nullptr;
    TFieldEditor *fieldEditor = nullptr;
    if (FindFieldEditor(Field, fieldEditor))
        editor = fieldEditor->CreateControl(this, Parent);
    TDBComboBox *combo = nullptr;
    QString trueText, falseText;
    // A registered editor that makes no control leaves the field to the editor of its kind.
    if (!editor) {
        if (auto *b = qobject_cast<TBooleanField *>(Field)) {
            if (SplitDisplayValues(b->DisplayValues(), trueText, falseText)) {
                combo = new TDBComboBox(this);
                editor = combo;
            } else {
                editor = new TDBCheckBox(this);
            }
        } else {
            auto *edit = new TDBEdit(this);
            if (Field->LookupDataSet() && !Field->LookupResultField().isEmpty())
                edit->OnClick = [this](TObject *Sender) { LookupEditClick(Sender); };
            editor = edit;
        }
    }

    auto *panel = new TPanel(this);
    panel->SetCaption(QString());
    panel->SetBevelInner(bvNone);
    panel->SetBevelOuter(bvNone);
    panel->SetBorderWidth(0);
    panel->SetParent(Parent);
    auto *label = new TLabel(this);
    label->SetParent(panel);
    label->SetCaption(Field->DisplayName());
    label->SetLeft(0);
    label->SetTop(0);
    editor->SetParent(panel);
    editor->SetLeft(0);
    editor->SetTop(label->Height() + 2);

    const int fontHeight = std::abs(GetFont()->Height());
    editor->SetWidth(RoundUpTo8(std::min(180, std::max(Field->DisplayWidth(), 5) * fontHeight)));
    if (combo) {
        combo->Items()->Add(falseText);
        combo->Items()->Add(trueText);
        // A value shown cut would read as another one ("ΑΜΟΣ" for both): the box shows its longest whole.
        combo->SetWidth(std::max(combo->Width(), RoundUpTo8(combo->ItemsWidth())));
    }
    editor->setProperty("DataSource", QVariant::fromValue(DataSource));
    editor->setProperty("DataField", Field->FieldName());

    panel->SetHeight(label->Height() + 2 + editor->Height());
    panel->SetWidth(RoundUpTo8(std::max(label->Width(), editor->Width())));
    return panel;
}

void TTableEditor::LookupEditClick(TObject *Sender)
{
    auto *edit = qobject_cast<TDBEdit *>(Sender);
    if (!edit || !edit->Field())
        return;
    TField *field = edit->Field();
    if (!field->LookupDataSet() || field->LookupResultField().isEmpty())
        return;
    SharedDataSetPopup()->PopupExt(Sender, 0, nullptr);
}

void TTableEditor::FormCreate(TObject *)
{
    ReadOnlyCheck = new TCheckBox(this);
    ReadOnlyCheck->SetCaption(QStringLiteral("Μόνο για Ανάγνωση"));
    ReadOnlyCheck->SetParent(StatusBar1);
    // The designed height leaves the bar's margins free; the box is never lower than its own tick mark,
    // which would be drawn cut.
    const int height = std::max(StatusBar1->ClientHeight() - 8,
                                std::min(StatusBar1->ClientHeight(), ReadOnlyCheck->Peer()->sizeHint().height()));
    ReadOnlyCheck->SetBounds(3, (StatusBar1->ClientHeight() - height) / 2, 140, height);
    ReadOnlyCheck->OnClick = [this](TObject *Sender) { ReadOnlyCheckClick(Sender); };
}

void TTableEditor::ReadOnlyCheckClick(TObject *)
{
    auto *table = qobject_cast<TTable *>(GetDataSet());
    if (!table || table->FileReadOnly() || ReadOnlyCheck->Checked() == table->ReadOnly())
        return;
    const QString verb =
        ReadOnlyCheck->Checked() ? QStringLiteral("Απενεργοποιήσετε") : QStringLiteral("Ενεργοποιήσετε");
    const QString msg =
        QStringLiteral("Είστε σίγουροι ότι θέλετε να %1 \r\nτις αλλαγές στον πίνακα \"%2\"?").arg(verb, Caption());
    if (MessageDlg(msg, mtConfirmation, mbYesNoCancel, 0) == mrYes) {
        table->Close();
        table->SetReadOnly(ReadOnlyCheck->Checked());
        table->Open();
    } else {
        ReadOnlyCheck->SetChecked(!ReadOnlyCheck->Checked());
    }
}

void TTableEditor::FormClose(TObject *, TCloseAction &Action)
{
    TDataSet *dataSet = GetDataSet();
    // A record being inserted is asked about as one being changed: left pending, it would stay in the
    // table that the rest of the program shares and turn up later.
    if (!dataSet || (dataSet->State() != dsEdit && dataSet->State() != dsInsert))
        return;
    switch (MessageDlg(QStringLiteral("Να διασωθούν οι αλλαγές στην τρέχουσα εγγραφή?"), mtConfirmation, mbYesNoCancel,
                       0)) {
    case mrYes:
        // A post that fails keeps the window open in edit state.
        Action = caNone;
        dataSet->Post();
        Action = caFree;
        break;
    case mrNo:
        dataSet->Cancel();
        Action = caFree;
        break;
    default:
        Action = caNone;
        break;
    }
}

void TTableEditor::FormActivate(TObject *)
{
    if (!Application())
        return;
    if (FHintInstalled)
        return;
    FOldHint = Application()->OnHint;
    Application()->OnHint = BoundEvent<TNotifyEvent>(this, "ShowHint");
    FHintInstalled = true;
}

void TTableEditor::FormDeactivate(TObject *)
{
    if (!Application() || !FHintInstalled)
        return;
    Application()->OnHint = FOldHint;
    FOldHint = nullptr;
    FHintInstalled = false;
}

void TTableEditor::ShowHint(TObject *)
{
    StatusBar1->SetPanelText(1, Application()->Hint());
}
