#include "StdCtrls.h"

#include "Forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QValidator>

#include <QAbstractButton>
#include <QShortcut>
#include <algorithm>
#include <limits>

namespace
{
// A button's caption, with its accelerator. A Greek keyboard gives Alt and the plain letter, so a caption
// whose marked letter carries an accent ("&Άκυρο") answers Alt with the letter without it too.
void SetButtonCaption(QAbstractButton *button, const QString &caption)
{
    button->setText(caption);
    const QString plainName = QStringLiteral("PlainLetterAccelerator");
    delete button->findChild<QShortcut *>(plainName, Qt::FindDirectChildrenOnly);
    const QKeySequence marked = QKeySequence::mnemonic(caption);
    if (marked.isEmpty())
        return;
    const char32_t letter = static_cast<char32_t>(marked[0].key());
    const QString plain = QString::fromUcs4(&letter, 1).normalized(QString::NormalizationForm_D).left(1).toUpper();
    if (plain.isEmpty() || plain[0].unicode() == letter)
        return;
    auto *shortcut = new QShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(plain[0].unicode()))), button);
    shortcut->setObjectName(plainName);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (!button->isVisible() || !button->isEnabled())
            return;
        button->setFocus(Qt::ShortcutFocusReason);
        button->animateClick();
    });
}
} // namespace

// ---- TLabel ----

TLabel::TLabel(TComponent *AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAlignment(TAlignment v)
{
    FAlignment = v;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout v)
{
    FLayout = v;
    Invalidate();
}

void TLabel::SetWordWrap(bool v)
{
    FWordWrap = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAutoSize(bool v)
{
    FAutoSize = v;
    AdjustBounds();
}

void TLabel::SetTransparent(bool v)
{
    FTransparent = v;
    Invalidate();
}

unsigned TLabel::TextFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    flags |= FAlignment == taRightJustify ? DT_RIGHT : FAlignment == taCenter ? DT_CENTER : DT_LEFT;
    if (FLayout == tlCenter)
        flags |= DT_VCENTER | DT_SINGLELINE;
    else if (FLayout == tlBottom)
        flags |= DT_BOTTOM | DT_SINGLELINE;
    return flags;
}

void TLabel::Paint()
{
    TRect r{0, 0, Width(), Height()};
    if (!FTransparent) {
        Canvas()->Brush().Color = GetColor();
        Canvas()->FillRect(r);
    }
    Canvas()->Brush().Style = bsClear;
    Canvas()->DrawText(Caption(), r, TextFlags());
}

void TLabel::TextChanged()
{
    AdjustBounds();
    TGraphicControl::TextChanged();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || IsLoading())
        return;
    TCanvas measure;
    measure.Font()->Assign(GetFont());
    TRect r{0, 0, FWordWrap ? Width() : 0, 0};
    QString text = Caption();
    if (text.isEmpty())
        text = QStringLiteral(" ");
    measure.DrawText(text, r, (TextFlags() & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    int left = Left();
    if (FAlignment == taRightJustify)
        left += Width() - r.Width();
    SetBounds(left, Top(), r.Width(), r.Height());
}

// ---- TComboBox ----

TComboBox::TComboBox(TComponent *AOwner) : TWinControl(AOwner), FItems(std::make_unique<TStringList>())
{
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    // OnClick belongs to a pick in the list, not to a press on the box.
    SetControlStyle(ControlStyle() & ~csClickEvents);
    FItems->OnChange = [this](TObject *) { SyncItems(); };
}

TComboBox::~TComboBox()
{
    FItems->OnChange = nullptr;
    if (HandleAllocated())
        QObject::disconnect(ComboBox(), nullptr, this, nullptr);
}

QComboBox *TComboBox::ComboBox()
{
    return static_cast<QComboBox *>(Peer());
}

void TComboBox::ApplyStyle(QComboBox *box)
{
    const bool editable = FStyle != csDropDownList;
    if (box->isEditable() != editable) {
        const QString keep = FText;
        box->setEditable(editable);
        if (editable) {
            box->setInsertPolicy(QComboBox::NoInsert);
            box->lineEdit()->setText(keep);
            QObject::connect(box->lineEdit(), &QLineEdit::textEdited, this, [this](const QString &t) {
                FText = t;
                FItemIndex = FItems->IndexOf(t);
                Change();
            });
        }
    }
}

QWidget *TComboBox::CreatePeer()
{
    auto *box = new TPeer<QComboBox>(this);
    box->setFont(DesignFontOf(GetFont()));
    FSyncing = true;
    for (int i = 0; i < FItems->Count(); ++i)
        box->addItem(FItems->Strings(i));
    box->setCurrentIndex(FItemIndex);
    FSyncing = false;
    ApplyStyle(box);
    if (box->isEditable())
        box->lineEdit()->setText(FText);
    if (FMaxWidth > 0)
        box->setMaximumWidth(FMaxWidth);
    QObject::connect(box, &QComboBox::activated, this, [this](int index) {
        if (FSyncing)
            return;
        FItemIndex = index;
        FText = index >= 0 && index < FItems->Count() ? FItems->Strings(index) : QString();
        if (ComboBox()->isEditable())
            ComboBox()->lineEdit()->setText(FText);
        Application()->Guard([this] { Click(); });
        Change();
    });
    return box;
}

void TComboBox::SyncItems()
{
    // The selection stays on its text while the list grows (items added after a value was shown); emptying
    // the list drops it. The text of an editable box stays.
    FItemIndex = FText.isEmpty() ? -1 : FItems->IndexOf(FText);
    if (FStyle == csDropDownList && FItemIndex < 0)
        FText.clear();
    if (!HandleAllocated())
        return;
    FSyncing = true;
    QComboBox *box = ComboBox();
    box->clear();
    for (int i = 0; i < FItems->Count(); ++i)
        box->addItem(FItems->Strings(i));
    box->setCurrentIndex(FItemIndex);
    if (box->isEditable())
        box->lineEdit()->setText(FText);
    FSyncing = false;
}

void TComboBox::SetStyle(TComboBoxStyle v)
{
    if (v == FStyle)
        return;
    FStyle = v;
    if (v == csDropDownList)
        FText = FItemIndex >= 0 ? FItems->Strings(FItemIndex) : QString();
    if (HandleAllocated()) {
        FSyncing = true;
        ApplyStyle(ComboBox());
        ComboBox()->setCurrentIndex(FItemIndex);
        if (ComboBox()->isEditable())
            ComboBox()->lineEdit()->setText(FText);
        FSyncing = false;
    }
}

int TComboBox::ItemIndex() const
{
    return FItemIndex;
}

void TComboBox::SetItemIndex(int v)
{
    if (v < -1 || v >= FItems->Count())
        v = -1;
    FItemIndex = v;
    FText = v >= 0 ? FItems->Strings(v) : (FStyle == csDropDownList ? QString() : FText);
    if (v < 0 && FStyle != csDropDownList)
        FText.clear();
    if (HandleAllocated()) {
        FSyncing = true;
        ComboBox()->setCurrentIndex(v);
        if (ComboBox()->isEditable())
            ComboBox()->lineEdit()->setText(FText);
        FSyncing = false;
    }
}

QString TComboBox::GetText() const
{
    return FText;
}

void TComboBox::SetText(const QString &v)
{
    if (FStyle == csDropDownList) {
        // A list box takes only a text of its list.
        SetItemIndex(FItems->IndexOf(v));
        return;
    }
    FText = v;
    FItemIndex = FItems->IndexOf(v);
    if (HandleAllocated()) {
        FSyncing = true;
        ComboBox()->setCurrentIndex(FItemIndex);
        ComboBox()->lineEdit()->setText(v);
        FSyncing = false;
    }
}

int TComboBox::ItemsWidth()
{
    // Qt's own measure of a box fitted to its entries.
    QComboBox *box = ComboBox();
    const QComboBox::SizeAdjustPolicy policy = box->sizeAdjustPolicy();
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int width = box->sizeHint().width();
    box->setSizeAdjustPolicy(policy);
    return width;
}

void TComboBox::SetMaxWidth(int v)
{
    FMaxWidth = std::max(0, v);
    if (FMaxWidth > 0 && Width() > FMaxWidth)
        SetWidth(FMaxWidth);
}

void TComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (FMaxWidth > 0 && AWidth > FMaxWidth)
        AWidth = FMaxWidth;
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TComboBox::Change()
{
    if (OnChange)
        Application()->Guard([this] { OnChange(this); });
}

// ---- TCheckBox ----

TCheckBox::TCheckBox(TComponent *AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
    // The box raises OnClick itself when its state changes.
    SetControlStyle(ControlStyle() & ~csClickEvents);
}

QCheckBox *TCheckBox::CheckBox()
{
    return static_cast<QCheckBox *>(Peer());
}

QWidget *TCheckBox::CreatePeer()
{
    auto *box = new TPeer<QCheckBox>(this);
    box->setFont(DesignFontOf(GetFont()));
    SetButtonCaption(box, Caption());
    box->setChecked(FChecked);
    QObject::connect(box, &QCheckBox::toggled, this, [this](bool on) {
        if (FSyncing || on == FChecked)
            return;
        FChecked = on;
        Toggled();
    });
    return box;
}

void TCheckBox::TextChanged()
{
    TWinControl::TextChanged();
    if (HandleAllocated())
        SetButtonCaption(CheckBox(), Caption());
}

void TCheckBox::SetChecked(bool v)
{
    if (v == FChecked)
        return;
    FChecked = v;
    if (HandleAllocated()) {
        FSyncing = true;
        CheckBox()->setChecked(v);
        FSyncing = false;
    }
    if (!IsLoading())
        Toggled();
}

void TCheckBox::Toggled()
{
    Application()->Guard([this] { Click(); });
}

// ---- TEdit ----

const QString DigitChars = QStringLiteral("0123456789");

QString RefusedCharsText(const QString &FieldName, const QString &ValidChars)
{
    QString others;
    for (QChar c : ValidChars)
        if (!DigitChars.contains(c))
            others += c;
    const QString allowed =
        others.isEmpty() ? QStringLiteral("μόνο ψηφία") : QStringLiteral("μόνο ψηφία και «%1»").arg(others);
    return QStringLiteral("Στο πεδίο «%1» γράφονται %2.").arg(FieldName, allowed);
}

TTypedInputFilter::TTypedInputFilter(QLineEdit *Line) : QValidator(Line), FBefore(Line->text())
{
    QObject::connect(Line, &QLineEdit::textChanged, this, [this](const QString &text) { FBefore = text; });
}

QValidator::State TTypedInputFilter::validate(QString &input, int &pos) const
{
    if (Programmatic)
        return Acceptable;
    // What is new: the input between what it shares with the text before at its beginning and at its end.
    qsizetype head = 0;
    while (head < FBefore.size() && head < input.size() && FBefore[head] == input[head])
        ++head;
    qsizetype tail = 0;
    while (tail < FBefore.size() - head && tail < input.size() - head &&
           FBefore[FBefore.size() - 1 - tail] == input[input.size() - 1 - tail])
        ++tail;
    const QStringView inserted = QStringView(input).mid(head, input.size() - head - tail);
    if (!ValidChars.isEmpty() &&
        std::any_of(inserted.begin(), inserted.end(), [this](QChar c) { return !ValidChars.contains(c); })) {
        // The line edit takes its edit back, selection and all, and tells no one of a change.
        QApplication::beep();
        if (Application())
            Application()->SetHint(RefusedCharsText(FieldName, ValidChars));
        return Invalid;
    }
    if (MaxLength <= 0)
        return Acceptable;
    const qsizetype allowed = std::max<qsizetype>(MaxLength, FBefore.size());
    if (input.size() > allowed) {
        // What did not fit is the end of what was just inserted, before the cursor.
        const qsizetype excess = input.size() - allowed;
        const qsizetype from = std::max<qsizetype>(0, pos - excess);
        input.remove(from, excess);
        pos = int(from);
    }
    return Acceptable;
}

TEdit::TEdit(TComponent *AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TEdit::~TEdit() = default;

QLineEdit *TEdit::NewLineEdit()
{
    return new TPeer<QLineEdit>(this);
}

QWidget *TEdit::CreatePeer()
{
    QLineEdit *edit = NewLineEdit();
    edit->setFrame(FBorderStyle != bsNone);
    edit->setReadOnly(FReadOnly);
    // MaxLength is kept by the validator below; the line edit's own limit would cut what the program puts in.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(TWinControl::GetText());
    edit->setCursorPosition(0);
    edit->setFont(DesignFontOf(GetFont()));
    FFilter = new TTypedInputFilter(edit);
    UpdateFilter();
    edit->setValidator(FFilter);
    QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString &) {
        if (!FSettingText)
            TextChanged();
    });
    return edit;
}

QLineEdit *TEdit::LineEdit()
{
    return static_cast<QLineEdit *>(Peer());
}

QString TEdit::GetText() const
{
    if (HandleAllocated())
        return static_cast<QLineEdit *>(const_cast<TEdit *>(this)->Peer())->text();
    return TWinControl::GetText();
}

void TEdit::SetText(const QString &v)
{
    if (v == GetText())
        return;
    FSettingText = true;
    if (FFilter)
        FFilter->Programmatic = true;
    if (HandleAllocated()) {
        LineEdit()->setText(v);
        // A text longer than the edit shows its beginning, as it is read, until the user is in it.
        if (!LineEdit()->hasFocus())
            LineEdit()->setCursorPosition(0);
    }
    FSettingText = false;
    if (FFilter)
        FFilter->Programmatic = false;
    FText = v;
    TextChanged();
}

void TEdit::TextChanged()
{
    TWinControl::TextChanged();
    if (OnChange)
        Application()->Guard([this] { OnChange(this); });
}

void TEdit::SetMaxLength(int v)
{
    FMaxLength = std::max(0, v);
    UpdateFilter();
}

void TEdit::SetValidChars(const QString &Chars, const QString &Field)
{
    FValidChars = Chars;
    FValidCharsField = Field;
    UpdateFilter();
}

void TEdit::UpdateFilter()
{
    if (!FFilter)
        return;
    FFilter->MaxLength = FMaxLength;
    FFilter->ValidChars = FValidChars;
    FFilter->FieldName = FValidCharsField;
}

void TEdit::SetBorderStyle(TBorderStyle v)
{
    FBorderStyle = v;
    if (HandleAllocated())
        LineEdit()->setFrame(v != bsNone);
}

void TEdit::SetReadOnly(bool v)
{
    FReadOnly = v;
    if (HandleAllocated())
        LineEdit()->setReadOnly(v);
}

void TEdit::SelectAll()
{
    LineEdit()->selectAll();
}

// ---- TListBox ----

namespace
{
// Every line as high as the list box's ItemHeight.
class TItemHeightDelegate : public QStyledItemDelegate
{
public:
    TItemHeightDelegate(const int *height, QObject *parent) : QStyledItemDelegate(parent), FHeight(height) {}
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(*FHeight);
        return s;
    }

private:
    const int *FHeight;
};
} // namespace

TListBox::TListBox(TComponent *AOwner) : TWinControl(AOwner), FItems(std::make_unique<TStringList>())
{
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    // The click is the selection change, not the generic press-and-release.
    SetControlStyle(ControlStyle() & ~csClickEvents);
    FItems->OnChange = [this](TObject *) { SyncItems(); };
}

TListBox::~TListBox()
{
    FItems->OnChange = nullptr;
}

QWidget *TListBox::CreatePeer()
{
    auto *list = new TPeer<QListWidget>(this);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new TItemHeightDelegate(&FItemHeight, list));
    list->setFont(DesignFontOf(GetFont()));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
        if (FSyncing)
            return;
        const QList<QListWidgetItem *> sel = list->selectedItems();
        FItemIndex = sel.isEmpty() ? -1 : list->row(sel.first());
        GuardEvent([this] { Click(); });
    });
    return list;
}

QListWidget *TListBox::ListWidget()
{
    auto *list = static_cast<QListWidget *>(Peer());
    if (list->count() != FItems->Count())
        SyncItems();
    UpdateFrame();
    return list;
}

void TListBox::SyncItems()
{
    if (!HandleAllocated())
        return;
    auto *list = static_cast<QListWidget *>(Peer());
    FSyncing = true;
    list->clear();
    list->addItems(FItems->ToStringList());
    FItemIndex = -1;
    FSyncing = false;
}

void TListBox::UpdateFrame()
{
    if (!HandleAllocated())
        return;
    auto *list = static_cast<QListWidget *>(Peer());
    if (FBevelKind != bkNone) {
        list->setFrameStyle(QFrame::Box | QFrame::Plain);
        list->setLineWidth(1);
    } else if (FBorderStyle != bsNone) {
        list->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    } else {
        list->setFrameStyle(QFrame::NoFrame);
    }
}

int TListBox::ItemIndex() const
{
    return FItemIndex;
}

void TListBox::SetItemIndex(int v)
{
    if (v < -1 || v >= FItems->Count())
        v = -1;
    FItemIndex = v;
    if (!HandleAllocated())
        return;
    auto *list = ListWidget();
    FSyncing = true;
    if (v < 0) {
        list->clearSelection();
        // Through the view, so that gaining the focus does not make the first line current: the first
        // arrow key then selects the first line, as in the class library's list box.
        list->QAbstractItemView::setCurrentIndex(QModelIndex());
    } else {
        list->setCurrentRow(v, QItemSelectionModel::ClearAndSelect);
    }
    FSyncing = false;
}

void TListBox::SetItemHeight(int v)
{
    FItemHeight = std::max(1, v);
    if (HandleAllocated())
        ListWidget()->doItemsLayout();
}

void TListBox::SetBorderStyle(TBorderStyle v)
{
    FBorderStyle = v;
    UpdateFrame();
}

void TListBox::SetBevelKind(TBevelKind v)
{
    FBevelKind = v;
    UpdateFrame();
}

TRect TListBox::ItemRect(int Index)
{
    auto *list = ListWidget();
    const QRect r = list->visualItemRect(list->item(Index));
    const QPoint tl = list->viewport()->mapTo(list, r.topLeft());
    return {tl.x(), tl.y(), tl.x() + r.width(), tl.y() + r.height()};
}

// ---- Buttons, radio buttons and group boxes ----

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace
{
// Controls whose peer reports its own clicks take them from the peer's signal, so the keyboard
// (space) clicks them too, and not from the generic press-and-release.
void UsePeerClicks(TControl *control)
{
    control->SetControlStyle(control->ControlStyle() & ~csClickEvents);
}

TCustomForm *ParentFormOf(TControl *control)
{
    for (TControl *c = control; c; c = c->Parent())
        if (auto *form = qobject_cast<TCustomForm *>(c))
            return form;
    return nullptr;
}
} // namespace

TButton::TButton(TComponent *AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    UsePeerClicks(this);
}

QWidget *TButton::CreatePeer()
{
    auto *button = new TPeer<QPushButton>(this);
    SetButtonCaption(button, Caption());
    button->setFont(DesignFontOf(GetFont()));
    button->setDefault(FDefault);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, this, [this] { GuardEvent([this] { Click(); }); });
    return button;
}

void TButton::TextChanged()
{
    if (HandleAllocated())
        SetButtonCaption(static_cast<QPushButton *>(Peer()), Caption());
    TWinControl::TextChanged();
}

void TButton::SetDefault(bool v)
{
    FDefault = v;
    if (HandleAllocated())
        static_cast<QPushButton *>(Peer())->setDefault(v);
}

void TButton::KeyDown(quint16 &Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    if (Key != VK_RETURN || (Shift & (ssCtrl | ssAlt)))
        return;
    Key = 0;
    Click();
}

void TButton::Click()
{
    if (FModalResult != mrNone)
        if (TCustomForm *form = ParentFormOf(this))
            form->SetModalResult(FModalResult);
    TWinControl::Click();
}

TRadioButton::TRadioButton(TComponent *AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 113, 17);
    SetTabStop(true);
    UsePeerClicks(this);
}

QWidget *TRadioButton::CreatePeer()
{
    auto *button = new TPeer<QRadioButton>(this);
    // The siblings are unchecked here, by control, not by the widget's own grouping.
    button->setAutoExclusive(false);
    button->setText(Caption());
    button->setFont(DesignFontOf(GetFont()));
    button->setChecked(FChecked);
    QObject::connect(button, &QRadioButton::clicked, this, [this] { GuardEvent([this] { SetChecked(true); }); });
    return button;
}

void TRadioButton::TextChanged()
{
    if (HandleAllocated())
        static_cast<QRadioButton *>(Peer())->setText(Caption());
    TWinControl::TextChanged();
}

void TRadioButton::SyncPeer()
{
    if (!HandleAllocated())
        return;
    auto *button = static_cast<QRadioButton *>(Peer());
    const QSignalBlocker block(button);
    button->setChecked(FChecked);
}

void TRadioButton::SetChecked(bool v)
{
    if (v == FChecked) {
        SyncPeer();
        return;
    }
    FChecked = v;
    SyncPeer();
    if (!v)
        return;
    if (TWinControl *parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto *other = qobject_cast<TRadioButton *>(parent->Controls(i)); other && other != this)
                other->SetChecked(false);
    if (!IsLoading())
        Click();
}

void TRadioButton::Loaded()
{
    TWinControl::Loaded();
    SyncPeer();
}

TGroupBox::TGroupBox(TComponent *AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 185, 105);
}

QWidget *TGroupBox::CreatePeer()
{
    auto *box = new TPeer<QGroupBox>(this);
    box->setTitle(Caption());
    box->setFont(DesignFontOf(GetFont()));
    return box;
}

void TGroupBox::TextChanged()
{
    if (HandleAllocated())
        static_cast<QGroupBox *>(Peer())->setTitle(Caption());
    TWinControl::TextChanged();
}
