// Boxes typed into where they stand: a borderless editor opens over the value area when the box gets the
// focus and hands the text back on Enter or when it loses the focus. On this sit the formatted boxes:
// a date box with a calendar drop-down, an amount box (two decimals and the euro sign) and an integer box
// with an optional range. Documents store their values, never their texts.
#pragma once

#include "XForms.h"
#include "vcl/StdCtrls.h"

#include <functional>
#include <optional>

class TInplaceEditFrame;

// The one-line editor of a box; the box owns it and is its parent. Enter or leaving hands the text to the
// box, Escape gives it up; a menu opened over the window meanwhile is no leaving. A text the box refuses is
// told once and stays, with the focus, to be corrected; left again as it is, it is given up. Whenever the
// editor goes, the box shows the value it holds.
class TInplaceEdit : public TEdit
{
    Q_OBJECT
public:
    explicit TInplaceEdit(TInplaceEditFrame *AFrame);
    ~TInplaceEdit() override;
    TInplaceEditFrame *Frame() const { return FFrame; }

protected:
    QLineEdit *NewLineEdit() override;
    void KeyDown(quint16 &Key, TShiftState Shift) override;
    void FocusGained() override;
    void FocusLost() override;

private:
    friend class TInplaceEditFrame;
    // Hands a changed text to the box; false when the box refused it. A refusal is told once: the same
    // text is not handed over again.
    bool Commit();
    // Enter's hand-back: Commit, then the editor shows the value as the box now shows it. False when the
    // text is refused; a text refused before is not told again (a beep).
    bool HandBack();
    // The focus went to another control: what is typed is handed back and the editor goes; a refused text
    // keeps it, with the focus, for the correction.
    void LeftFor();
    // Gives up what is typed: the box keeps its value, and the editor goes.
    void Cancel();
    void Release();
    void StopStandingIn();
    TInplaceEditFrame *FFrame;
    // The text the editor was given (or last showed after a hand-back): what counts as unchanged.
    QString FEditText;
    // The text last refused, the user told.
    std::optional<QString> FRefused;
    bool FReleasing = false;
    bool FCommitting = false;
};

class TInplaceEditFrame : public TXFrame
{
    Q_OBJECT
    Q_PROPERTY(bool InplaceEdit READ InplaceEdit WRITE SetInplaceEdit)
    Q_PROPERTY(int MaxTextSize READ MaxTextSize WRITE SetMaxTextSize)
    Q_CLASSINFO("Default:InplaceEdit", "True")
    Q_CLASSINFO("Default:MaxTextSize", "0")

public:
    Q_INVOKABLE explicit TInplaceEditFrame(TComponent *AOwner);
    ~TInplaceEditFrame() override;

    bool InplaceEdit() const { return FInplaceEdit; }
    void SetInplaceEdit(bool v) { FInplaceEdit = v; }
    int MaxTextSize() const { return FMaxTextSize; }
    void SetMaxTextSize(int v) { FMaxTextSize = v; }
    // The open editor, or none.
    TInplaceEdit *Editor() const { return FEditor; }
    // Hands what is typed in the open editor to the box as Enter does, so that whatever reads the box
    // next reads what the screen shows; true when there is nothing to hand back. False when the box
    // refuses the text: the user is told (once for the same text), and the editor keeps the text for the
    // correction.
    bool CommitEditor();

    // The characters that may be typed into the box (empty: any), and the field a refusal names: a typed
    // character outside them is refused as it is typed, and a text holding one (blanks around it aside)
    // is refused when it is handed back.
    QString ValidChars() const { return FValidChars; }
    QString ValidCharsField() const { return FValidCharsField; }
    void SetValidChars(const QString &Chars, const QString &Field);

    // What a typed text becomes before the box takes it (a date written in full, a word in its one
    // spelling); it raises EConvertError for a text that is none of the box's values. None: taken as typed.
    using TTypedReader = std::function<QString(const QString &Typed)>;
    void SetTypedReader(TTypedReader Reader) { FTypedReader = std::move(Reader); }

    // Hands a typed text to the box: text the Greek code page cannot hold, or with characters outside
    // ValidChars, is refused here, the rest goes through the typed reader to SetEditText. Raises (and
    // changes nothing) when the text cannot be taken.
    void CommitEditText(const QString &S);

    // A click on the box, or typing into it, while it has the focus without an editor (after Escape)
    // opens the editor again; after a pick, only a double click does (or a click where it does not pick).
    void Click() override;
    void DblClick() override;
    // Hands what is typed back before the list opens; a refused text opens nothing.
    void KeyDropDown() override;

protected:
    void FocusGained() override;
    void FocusLost() override;
    void KeyDown(quint16 &Key, TShiftState Shift) override;
    void KeyPress(QChar &Key) override;
    void TextChanged() override;
    // The editor covers the value area but for the room of the drop-down button; the old value must not
    // show there beside the text being typed.
    bool PaintsText() override { return !FEditor; }

private:
    friend class TInplaceEdit;
    // The box has the focus but no editor: a new editor for the same focus.
    bool ReopenEditor();
    bool FInplaceEdit = true;
    int FMaxTextSize = 0;
    QString FValidChars, FValidCharsField;
    TTypedReader FTypedReader;
    TInplaceEdit *FEditor = nullptr;
    // The current focus opened an editor, so the box's own focus rectangle is not drawn for it.
    bool FEditFocus = false;
    // The focus comes back from an editor given up with Escape: the box keeps it without an editor.
    bool FCancelling = false;
    // The box's value was picked (or set from elsewhere) while it had the focus: typing does not reopen the
    // editor until the focus goes to another control.
    bool FPicked = false;
    // The box, without an editor, lent its focus to another window or a menu; it takes it back as it was.
    bool FFocusLent = false;
};

// A box whose text is always rebuilt from its value with its own number and date formats.
class TCustomFormatedFrame : public TInplaceEditFrame
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption STORED false)

public:
    Q_INVOKABLE explicit TCustomFormatedFrame(TComponent *AOwner);
    TFormatSettings &FormatSettings() { return FFormatSettings; }
    const TFormatSettings &FormatSettings() const { return FFormatSettings; }
    int CurrencyDecimals() const { return FCurrencyDecimals; }
    void SetCurrencyDecimals(int v) { FCurrencyDecimals = v; }

protected:
    // Refuses the typed text S, whose value holds Digits in a field (cents for an amount), when the field
    // of Width digits has no room for it: negative, or more digits. Largest is the greatest value as shown.
    static void CheckFieldWidth(const QString &S, qint64 Digits, int Width,
                                const std::function<QString(qint64)> &Largest);

private:
    TFormatSettings FFormatSettings;
    int FCurrencyDecimals = 2;
};

class TXDateFrame : public TCustomFormatedFrame
{
    Q_OBJECT
    // Written through DefineProperties: always, also when it equals the date of the instance written against.
    Q_PROPERTY(double Date READ Date WRITE SetDate STORED false)
    Q_PROPERTY(QString DateFormat READ DateFormat WRITE SetDateFormat)
    Q_PROPERTY(TNotifyEvent OnDateChange MEMBER OnDateChange)

public:
    Q_INVOKABLE explicit TXDateFrame(TComponent *AOwner);

    TDateTime Date() const { return FDate; }
    // Stores the value as given, rebuilds the text and raises OnDateChange, on every assignment.
    void SetDate(TDateTime v);
    QString DateFormat() const { return FormatSettings().ShortDateFormat; }
    void SetDateFormat(const QString &v);

    void SetEditText(const QString &S) override;
    void DropDown() override;
    // The calendar's pick.
    void CalendarSelect(TObject *Sender);
    void DefineProperties(TFiler *Filer) override;

    TNotifyEvent OnDateChange;

private:
    TDateTime FDate = 0;
};

class TXCurrencyFrame : public TCustomFormatedFrame
{
    Q_OBJECT
    Q_PROPERTY(Currency Value READ Value WRITE SetValue)
    Q_PROPERTY(QString ZeroText READ ZeroText WRITE SetZeroText)
    Q_PROPERTY(int FieldWidth READ FieldWidth WRITE SetFieldWidth)
    Q_CLASSINFO("Default:FieldWidth", "0")

public:
    Q_INVOKABLE explicit TXCurrencyFrame(TComponent *AOwner);

    Currency Value() const { return FValue; }
    // Kept in whole cents, halves to even.
    void SetValue(Currency v);
    QString ZeroText() const { return FZeroText; }
    void SetZeroText(const QString &v);
    // The digits of the field the amount is written to, in cents and without a sign: a typed amount that is
    // negative or does not fit is refused. 0: any amount.
    int FieldWidth() const { return FFieldWidth; }
    void SetFieldWidth(int v) { FFieldWidth = v; }

    void SetEditText(const QString &S) override;
    QString GetEditText() override;

private:
    void UpdateText();
    Currency FValue;
    QString FZeroText;
    int FFieldWidth = 0;
};

class TXIntegerFrame : public TCustomFormatedFrame
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(QString ZeroText READ ZeroText WRITE SetZeroText)
    Q_PROPERTY(int FieldWidth READ FieldWidth WRITE SetFieldWidth)
    // The range belongs to the design: a document never carries it.
    Q_CLASSINFO("Stored:MaxValue", "IsRangeStored")
    Q_CLASSINFO("Stored:MinValue", "IsRangeStored")
    Q_CLASSINFO("Default:FieldWidth", "0")

public:
    Q_INVOKABLE explicit TXIntegerFrame(TComponent *AOwner);

    int Value() const { return FValue; }
    // Brought into MinValue..MaxValue when MaxValue > MinValue.
    void SetValue(int v);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int v);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int v);
    QString ZeroText() const { return FZeroText; }
    void SetZeroText(const QString &v);
    Q_INVOKABLE bool IsRangeStored() const { return IsDesigning(); }
    // The digits of the field the number is written to, without a sign: a typed number that is negative or
    // has more digits is refused (a number within them is still brought into the range). 0: any number.
    int FieldWidth() const { return FFieldWidth; }
    void SetFieldWidth(int v) { FFieldWidth = v; }

    void SetEditText(const QString &S) override;

private:
    void UpdateText();
    int FValue = 0;
    int FMaxValue = 0;
    int FMinValue = 0;
    QString FZeroText;
    int FFieldWidth = 0;
};

// Reads a date typed in the order of Format's day, month and year letters ("dd/mm/yyyy", "M/yyyy"); a
// missing year is this year, a missing day the first; two-digit years fall in 1950..2049. Raises
// EConvertError with a Greek message for anything else.
TDateTime StrToDateFormat(const QString &S, const QString &Format, const TFormatSettings &FS);
// Reads an amount with FS's separators; thousands separators only where they group three digits.
Currency StrToAmount(const QString &S, const TFormatSettings &FS);
// Reads a decimal integer (a sign allowed), raising EConvertError with a Greek message otherwise.
int StrToInteger(const QString &S);
