// Labels and one-line edits.
#pragma once

#include "Controls.h"

#include <QPointer>
#include <QValidator>

class QLineEdit;

class TLabel : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Controls::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(Controls::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TLabel(TComponent *AOwner);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    // The flags of the text routine for the label's alignment, layout and wrapping.
    unsigned TextFlags() const;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void AdjustBounds();

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FAutoSize = true;
    bool FTransparent = false;
};

namespace StdCtrlsCombo
{
Q_NAMESPACE
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };
Q_ENUM_NS(TComboBoxStyle)
} // namespace StdCtrlsCombo
using namespace StdCtrlsCombo;

class QComboBox;

// A combo box. Only the user's actions raise its events: picking an item raises OnClick, then OnChange;
// typing into an editable one raises OnChange. Setting Text or ItemIndex in code raises nothing.
class TComboBox : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(StdCtrlsCombo::TComboBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(TStrings *Items READ Items WRITE SetItems)
    Q_PROPERTY(QString Text READ GetText WRITE SetText)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex STORED false)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE SetMaxWidth)
    Q_PROPERTY(TNotifyEvent OnChange MEMBER OnChange)
    Q_CLASSINFO("Default:Style", "csDropDown")
    Q_CLASSINFO("Default:MaxWidth", "0")

public:
    Q_INVOKABLE explicit TComboBox(TComponent *AOwner);
    ~TComboBox() override;
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle v);
    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *v) { FItems->Assign(v); }
    // The selected item, -1 when none.
    int ItemIndex() const;
    void SetItemIndex(int v);
    QString GetText() const override;
    void SetText(const QString &v) override;
    // Largest width the box may take (0: no limit).
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int v);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    QComboBox *ComboBox();
    // The width at which the box shows the longest of its items whole, its button included.
    int ItemsWidth();

    TNotifyEvent OnChange;

protected:
    QWidget *CreatePeer() override;
    virtual void Change();

private:
    void SyncItems();
    void ApplyStyle(QComboBox *box);
    std::unique_ptr<TStringList> FItems;
    TComboBoxStyle FStyle = csDropDown;
    int FItemIndex = -1;
    int FMaxWidth = 0;
    bool FSyncing = false;
};

class QCheckBox;

// A check box; a click (by mouse or space) toggles it and raises OnClick. Setting Checked in code also
// raises OnClick when the state changes, as the class library's check box does.
class TCheckBox : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_CLASSINFO("Default:Checked", "False")

public:
    Q_INVOKABLE explicit TCheckBox(TComponent *AOwner);
    bool Checked() const { return FChecked; }
    void SetChecked(bool v);
    QCheckBox *CheckBox();

protected:
    QWidget *CreatePeer() override;
    void TextChanged() override;
    // The state changed (by the user or in code).
    virtual void Toggled();

private:
    bool FChecked = false;
    bool FSyncing = false;
};

class QLineEdit;

// What the user may type or paste into a line edit: at most MaxLength characters (0: any number; a text
// already longer stays whole but grows no more) and only characters of ValidChars (empty: any). An
// insertion that holds any other character is refused whole: the text stays as it was (Invalid, which the
// line edit undoes), with a beep and a note in the status bar (the application's hint) that names FieldName. A text the
// program puts in is never touched: the program sets Programmatic meanwhile.
class TTypedInputFilter : public QValidator
{
public:
    explicit TTypedInputFilter(QLineEdit *Line);
    State validate(QString &input, int &pos) const override;

    int MaxLength = 0;
    QString ValidChars;
    QString FieldName;
    bool Programmatic = false;

private:
    QString FBefore;
};

// "0123456789": the characters of a field written as digits.
extern const QString DigitChars;
// What the note says when a character outside ValidChars (digits and perhaps a few signs) is typed into
// the field FieldName.
QString RefusedCharsText(const QString &FieldName, const QString &ValidChars);

class TEdit : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ GetText WRITE SetText)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(Controls::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TEdit(TComponent *AOwner);
    ~TEdit() override;
    QLineEdit *LineEdit();
    QString GetText() const override;
    void SetText(const QString &v) override;
    // The most characters the user may type; a text put in by the program is never cut to it. 0: no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int v);
    // The characters the user may type or paste (empty: any), and the field a refusal names.
    QString ValidChars() const { return FValidChars; }
    QString ValidCharsField() const { return FValidCharsField; }
    void SetValidChars(const QString &Chars, const QString &Field);
    // The program is putting a text in (not the user typing).
    bool SettingText() const { return FSettingText; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    void SelectAll();

    TNotifyEvent OnChange;

protected:
    QWidget *CreatePeer() override;
    // The line edit the control shows; an edit that draws over it makes its own.
    virtual QLineEdit *NewLineEdit();
    void TextChanged() override;

private:
    void UpdateFilter();
    int FMaxLength = 0;
    QString FValidChars, FValidCharsField;
    QPointer<TTypedInputFilter> FFilter;
    TBorderStyle FBorderStyle = bsSingle;
    bool FReadOnly = false;
    bool FSettingText = false;
};

class QListWidget;

namespace StdCtrls
{
Q_NAMESPACE
// How the edge of a windowed control is drawn around it.
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
Q_ENUM_NS(TBevelKind)
} // namespace StdCtrls
using namespace StdCtrls;

// A list of lines, one selectable. OnClick fires whenever the user changes the selection, by mouse or
// by the arrow keys, as the list box of the class library does.
class TListBox : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(TStrings *Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(Controls::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(StdCtrls::TBevelKind BevelKind READ BevelKind WRITE SetBevelKind)
    Q_PROPERTY(Controls::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(Controls::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_CLASSINFO("Default:ItemHeight", "16")
    Q_CLASSINFO("Default:BorderStyle", "bsSingle")
    Q_CLASSINFO("Default:BevelKind", "bkNone")
    Q_CLASSINFO("Default:BevelInner", "bvRaised")
    Q_CLASSINFO("Default:BevelOuter", "bvLowered")

public:
    explicit TListBox(TComponent *AOwner);
    ~TListBox() override;
    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *v) { FItems->Assign(v); }
    // The selected line, -1 when none.
    int ItemIndex() const;
    void SetItemIndex(int v);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int v);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    TBevelKind BevelKind() const { return FBevelKind; }
    void SetBevelKind(TBevelKind v);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut v) { FBevelInner = v; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut v) { FBevelOuter = v; }
    QListWidget *ListWidget();
    // Where line Index is drawn, in the list's own coordinates.
    TRect ItemRect(int Index);

protected:
    QWidget *CreatePeer() override;

private:
    void SyncItems();
    void UpdateFrame();
    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    int FItemHeight = 16;
    TBorderStyle FBorderStyle = bsSingle;
    TBevelKind FBevelKind = bkNone;
    TBevelCut FBevelInner = bvRaised;
    TBevelCut FBevelOuter = bvLowered;
    bool FSyncing = false;
};

// ---- Buttons, radio buttons and group boxes ----

#include "Dialogs.h"

class QPushButton;
class QRadioButton;

// A push button. A button with a ModalResult closes its modal window with that result when clicked; the
// Default button answers Enter and the Cancel button Esc.
class TButton : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_CLASSINFO("Default:ModalResult", "0")
    Q_CLASSINFO("Default:Default", "False")
    Q_CLASSINFO("Default:Cancel", "False")

public:
    explicit TButton(TComponent *AOwner);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult v) { FModalResult = v; }
    bool Default() const { return FDefault; }
    void SetDefault(bool v);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    void Click() override;

protected:
    QWidget *CreatePeer() override;
    void TextChanged() override;
    // Enter on the focused button presses it (not the form's Default button).
    void KeyDown(quint16 &Key, TShiftState Shift) override;

private:
    TModalResult FModalResult = 0;
    bool FDefault = false;
    bool FCancel = false;
};

// A radio button; checking one unchecks the other radio buttons of the same parent. Becoming checked, by
// the user or in code, fires OnClick.
class TRadioButton : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_CLASSINFO("Default:Checked", "False")

public:
    explicit TRadioButton(TComponent *AOwner);
    bool Checked() const { return FChecked; }
    void SetChecked(bool v);

protected:
    QWidget *CreatePeer() override;
    void TextChanged() override;
    void Loaded() override;

private:
    void SyncPeer();
    bool FChecked = false;
};

// A framed group with a caption; its children are placed in its own coordinates.
class TGroupBox : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TGroupBox(TComponent *AOwner);

protected:
    QWidget *CreatePeer() override;
    void TextChanged() override;
};
