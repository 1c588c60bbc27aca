#include "XDateFrame.h"

#include "DateTimePopupF.h"
#include "vcl/CodePage.h"
#include "vcl/ComponentStream.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace
{
// The calendar shared by every date box; made on the first drop-down and kept for the whole run.
TDateTimePopup *SharedCalendar = nullptr;
} // namespace

// ---- TInplaceEdit ----

namespace
{
// The editor's line edit draws, over its text, the part it covers of its box's focus rectangle: the box
// with the focus is marked as every box is, also where the editor lies over it.
class TInplaceLineEdit : public TPeer<QLineEdit>
{
public:
    TInplaceLineEdit(TInplaceEdit *edit) : TPeer<QLineEdit>(edit), FEdit(edit) {}

protected:
    void paintEvent(QPaintEvent *e) override
    {
        TPeer<QLineEdit>::paintEvent(e);
        TInplaceEditFrame *box = FEdit ? FEdit->Frame() : nullptr;
        if (!hasFocus() || !box || !box->HandleAllocated())
            return;
        QPainter p(this);
        const QPoint at = mapFrom(box->Peer(), QPoint(2, 2));
        DrawFocusRectOn(p, TRect{at.x(), at.y(), at.x() + box->Width() - 4, at.y() + box->Height() - 4});
    }

private:
    QPointer<TInplaceEdit> FEdit;
};
} // namespace

TInplaceEdit::TInplaceEdit(TInplaceEditFrame *AFrame) : TEdit(AFrame), FFrame(AFrame)
{
    SetBorderStyle(bsNone);
    // The text in the size the box draws it.
    TFont font;
    AssignBoxFont(&font, AFrame->GetFont(), AFrame->GetFont()->Height(), AFrame->DeviceUnit());
    SetFont(&font);
    FEditText = AFrame->GetEditText();
    SetText(FEditText);
    SetMaxLength(AFrame->MaxTextSize());
    SetValidChars(AFrame->ValidChars(), AFrame->ValidCharsField());
    // The box lays a child that is not a box over its value area, 1 pixel inside.
    SetParent(AFrame);
    HandleNeeded();
    // Tab and Shift+Tab go on from where the box stands: the editor follows its box in the tab order and
    // stands in for it, so that Shift+Tab does not land on the box and open it again.
    QWidget::setTabOrder(AFrame->Peer(), Peer());
    AFrame->Peer()->setFocusProxy(Peer());
    SetFocus();
    // Typing replaces the value, as in any edit entered by Tab or click.
    SelectAll();
}

TInplaceEdit::~TInplaceEdit()
{
    StopStandingIn();
    if (FFrame && FFrame->FEditor == this) {
        FFrame->FEditor = nullptr;
        // The box draws its text again, also where the editor did not cover it.
        FFrame->Invalidate();
    }
}

void TInplaceEdit::StopStandingIn()
{
    if (FFrame && FFrame->HandleAllocated() && HandleAllocated() && FFrame->Peer()->focusProxy() == Peer())
        FFrame->Peer()->setFocusProxy(nullptr);
}

bool TInplaceEdit::Commit()
{
    const QString text = GetText();
    // Only a text the user changed goes back: the box's own text is never rewritten by merely passing.
    if (text == FEditText)
        return true;
    if (FRefused == text)
        return false;
    // A refusal is shown here, once: the message box takes the focus, and that focus loss must not try
    // the same text again. The editor keeps the text to be corrected.
    FCommitting = true;
    const bool done = GuardEvent([&] { FFrame->CommitEditText(text); });
    FCommitting = false;
    if (done) {
        FEditText = text;
        FRefused.reset();
    } else {
        FRefused = text;
    }
    return done;
}

void TInplaceEdit::KeyDown(quint16 &Key, TShiftState Shift)
{
    TEdit::KeyDown(Key, Shift);
    if (!FFrame || FCommitting)
        return;
    // The box's list opens from its editor as a combo box's does, with what is typed handed back first.
    if (TXFrame::IsDropDownKey(Key, Shift) && FFrame->OpensPicker()) {
        Key = 0;
        FFrame->KeyDropDown();
        return;
    }
    if (Key != VK_RETURN && Key != VK_ESCAPE)
        return;
    // Enter and Escape belong to the editor: passed on to the box, Enter would open a date box's calendar.
    const bool escape = Key == VK_ESCAPE;
    Key = 0;
    if (escape)
        Cancel();
    else
        HandBack();
}

bool TInplaceEdit::HandBack()
{
    // Asked again while the box is still deciding (a command run while its message is shown): not yet.
    if (FCommitting)
        return false;
    if (GetText() == FEditText)
        return true;
    if (FRefused == GetText()) {
        // Told already; the text waits to be corrected, or given up with Escape.
        QApplication::beep();
        return false;
    }
    if (!Commit())
        return false;
    // The value as the box shows it now (formatted, with the euro sign).
    if (FFrame) {
        FEditText = FFrame->Caption();
        SetText(FEditText);
    }
    return true;
}

QLineEdit *TInplaceEdit::NewLineEdit()
{
    return new TInplaceLineEdit(this);
}

void TInplaceEdit::FocusGained()
{
    TEdit::FocusGained();
    // The box draws its part of the focus rectangle while this editor has the focus.
    if (FFrame)
        FFrame->Invalidate();
}

void TInplaceEdit::FocusLost()
{
    TEdit::FocusLost();
    if (FFrame)
        FFrame->Invalidate();
    // Lost to a message shown while the text is handed back; the focus comes back here after it.
    if (!FFrame || FReleasing || FCommitting)
        return;
    if (!FocusOnlyLent()) {
        LeftFor();
        return;
    }
    // Only lent: to a menu open over the window (the menu bar's, or the editor's own) or to the menu bar for
    // its keys (Alt, F10). The focus comes back here when the menu closes, so the editor stays with what is
    // typed; a command chosen meanwhile reads it as it reads any typing not yet handed back.
    if (QApplication::activePopupWidget() || qobject_cast<QMenuBar *>(QApplication::focusWidget()))
        return;
    // Lent to another window (a picker, a dialog, help): that one may read the box, so what is typed is
    // handed to it, and the editor stays. It gets the focus back with its window, the caret where it was and
    // nothing selected, so that typing goes on after what was typed.
    if (FRefused != GetText())
        Commit();
}

void TInplaceEdit::LeftFor()
{
    // Left again with the text already refused, it is given up and the box shows its value.
    if (FRefused != GetText() && !Commit()) {
        // Refused on the way out: the user was told, and the editor keeps the focus for the correction. Gone
        // from sight (another page shown), it is given up: nothing may stay on screen that the box does not hold.
        QPointer<TInplaceEdit> self(this);
        QMetaObject::invokeMethod(
            this,
            [self] {
                if (!self || self->FReleasing)
                    return;
                if (self->Peer()->isVisible())
                    self->SetFocus();
                else
                    self->Release();
            },
            Qt::QueuedConnection);
        return;
    }
    Release();
}

void TInplaceEdit::Cancel()
{
    TInplaceEditFrame *frame = FFrame;
    // The box takes the focus for itself, without an editor, where the editor had it (also in a window
    // that is not active: the focus comes back to the box with the window).
    FReleasing = true;
    const bool focused = Peer()->window()->focusWidget() == Peer();
    StopStandingIn();
    if (focused) {
        // A window that is not active gives the box the focus when it is active again, as a focus it lent.
        frame->FFocusLent = !Peer()->isActiveWindow();
        frame->FCancelling = true;
        TScopeExit reset([frame] { frame->FCancelling = false; });
        frame->Peer()->setFocus(Qt::OtherFocusReason);
    }
    Release();
}

void TInplaceEdit::Release()
{
    FReleasing = true;
    StopStandingIn();
    // The box shows its value at once; the editor is freed once the focus change that called us is over.
    Hide();
    if (FFrame && FFrame->FEditor == this) {
        FFrame->FEditor = nullptr;
        FFrame->Invalidate();
    }
    QMetaObject::invokeMethod(
        this, [this] { delete this; }, Qt::QueuedConnection);
}

// ---- TInplaceEditFrame ----

TInplaceEditFrame::TInplaceEditFrame(TComponent *AOwner) : TXFrame(AOwner)
{
}

TInplaceEditFrame::~TInplaceEditFrame()
{
    // Editors still here (one waiting for its release) go with the box's children; they must not call back.
    for (TComponent *c : ComponentList())
        if (auto *edit = qobject_cast<TInplaceEdit *>(c))
            edit->FFrame = nullptr;
    FEditor = nullptr;
}

void TInplaceEditFrame::SetValidChars(const QString &Chars, const QString &Field)
{
    FValidChars = Chars;
    FValidCharsField = Field;
}

void TInplaceEditFrame::CommitEditText(const QString &S)
{
    if (!IsCp1253(S))
        ToCp1253(S); // raises, naming the character
    // Blanks are no characters of a code or a number: one picked from a list ends in one, and an older
    // text may group digits ("176 71").
    if (!FValidChars.isEmpty() &&
        std::any_of(S.begin(), S.end(), [this](QChar c) { return c != u' ' && !FValidChars.contains(c); }))
        throw EConvertError(RefusedCharsText(FValidCharsField, FValidChars).chopped(1) +
                            QStringLiteral(": «%1»").arg(S.trimmed()));
    SetEditText(FTypedReader ? FTypedReader(S) : S);
}

void TInplaceEditFrame::FocusGained()
{
    // Given the focus by its picker, or given back the focus it lent to another window or a menu, the box
    // is as it was left: with no editor, none is opened (what was just picked must not be typed over).
    const Qt::FocusReason reason = FocusReason();
    const bool lent = std::exchange(FFocusLent, false);
    const bool back = reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason ||
                      (lent && reason == Qt::ActiveWindowFocusReason);
    if (!FInplaceEdit || FCancelling || (back && !FEditor)) {
        TXFrame::FocusGained();
        return;
    }
    // The editor shows where the focus is; the box draws no rectangle of its own for it.
    TCustomControl::FocusGained();
    FEditFocus = true;
    if (FEditor) {
        // The editor kept after a refused text: the user goes back to it.
        FEditor->SetFocus();
        return;
    }
    FEditor = new TInplaceEdit(this);
}

bool TInplaceEditFrame::CommitEditor()
{
    return !FEditor || FEditor->HandBack();
}

bool TInplaceEditFrame::ReopenEditor()
{
    if (!FInplaceEdit || FEditor || !Focused())
        return false;
    // The box's own focus rectangle goes when the editor takes the focus from it.
    FEditFocus = false;
    FPicked = false;
    FEditor = new TInplaceEdit(this);
    return true;
}

void TInplaceEditFrame::KeyDropDown()
{
    if (CommitEditor())
        TXFrame::KeyDropDown();
}

void TInplaceEditFrame::KeyDown(quint16 &Key, TShiftState Shift)
{
    // Enter on a value just picked opens the list again, as a click does, rather than an editor over it.
    if (Key == VK_RETURN && !DropDownButton() && !FPicked && ReopenEditor()) {
        Key = 0;
        return;
    }
    TXFrame::KeyDown(Key, Shift);
}

void TInplaceEditFrame::KeyPress(QChar &Key)
{
    TXFrame::KeyPress(Key);
    if (!Key.isPrint() || FEditor || !Focused())
        return;
    // A stray key does not type over a value just picked; a double click opens the editor for that.
    if (FPicked) {
        Key = QChar();
        return;
    }
    if (ReopenEditor()) {
        // What is typed replaces the value, as in an editor opened by Tab.
        FEditor->LineEdit()->insert(QString(Key));
        Key = QChar();
    }
}

void TInplaceEditFrame::TextChanged()
{
    // A value that comes from elsewhere (a pick) while the box has the focus replaces whatever is typed:
    // the editor goes, the box keeps the focus, and what was picked is not typed over by a stray key.
    const bool typed = FEditor && FEditor->FCommitting;
    QWidget *focus = HandleAllocated() ? Peer()->window()->focusWidget() : nullptr;
    const bool focused = focus && (focus == Peer() || (FEditor && focus == FEditor->Peer()));
    if (!typed) {
        if (focused)
            FPicked = true;
        if (FEditor)
            FEditor->Cancel();
    }
    TXFrame::TextChanged();
}

void TInplaceEditFrame::FocusLost()
{
    // Only a focus given to another control ends what the pick began; a window or menu merely lends it.
    FFocusLent = FocusOnlyLent();
    if (!FFocusLent)
        FPicked = false;
    if (FEditFocus) {
        FEditFocus = false;
        TCustomControl::FocusLost();
        return;
    }
    TXFrame::FocusLost();
}

void TInplaceEditFrame::Click()
{
    if (FInplaceEdit && !OnClick) {
        if (!ReopenEditor())
            SetFocus();
    } else {
        TXFrame::Click();
    }
}

void TInplaceEditFrame::DblClick()
{
    // A box whose click opens a picker is typed into after a double click.
    if (FInplaceEdit && OnClick && !OnDblClick) {
        if (!ReopenEditor())
            SetFocus();
    } else {
        TXFrame::DblClick();
    }
}

// ---- TCustomFormatedFrame ----

TCustomFormatedFrame::TCustomFormatedFrame(TComponent *AOwner)
    : TInplaceEditFrame(AOwner), FFormatSettings(GreekFormatSettings())
{
    FFormatSettings.CurrencyString = QStringLiteral("€");
}

void TCustomFormatedFrame::CheckFieldWidth(const QString &S, qint64 Digits, int Width,
                                           const std::function<QString(qint64)> &Largest)
{
    if (Width <= 0 || Width > 18)
        return;
    if (Digits < 0)
        throw EConvertError(QStringLiteral("«%1»: η τιμή δεν μπορεί να είναι αρνητική").arg(S.trimmed()));
    qint64 limit = 1;
    for (int i = 0; i < Width; ++i)
        limit *= 10;
    if (Digits >= limit)
        throw EConvertError(
            QStringLiteral("«%1»: η τιμή δε χωράει στο πλαίσιο (το πολύ %2)").arg(S.trimmed(), Largest(limit - 1)));
}

// ---- conversions ----

TDateTime StrToDateFormat(const QString &S, const QString &Format, const TFormatSettings &FS)
{
    auto fail = [&]() -> TDateTime { throw EConvertError(QStringLiteral("«%1» δεν είναι έγκυρη ημερομηνία").arg(S)); };
    QString order;
    for (QChar c : Format.toLower())
        if ((c == u'd' || c == u'm' || c == u'y') && !order.contains(c))
            order += c;
    if (order.isEmpty())
        order = QStringLiteral("dmy");
    const QStringList parts = S.trimmed().split(FS.DateSeparator);
    QString fields = order;
    if (parts.size() == 2 && order.size() == 3)
        fields.remove(u'y'); // day and month of this year
    if (parts.size() != fields.size())
        return fail();
    const TDateParts today = DecodeDate(::Date());
    int day = 1, month = 1, year = today.Year;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString p = parts[i].trimmed();
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
        if (!digits.match(p).hasMatch())
            return fail();
        const int v = p.toInt();
        if (fields[i] == u'd')
            day = v;
        else if (fields[i] == u'm')
            month = v;
        else
            year = p.size() <= 2 ? v + (v < 50 ? 2000 : 1900) : v;
    }
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result))
        return fail();
    return result;
}

Currency StrToAmount(const QString &S, const TFormatSettings &FS)
{
    auto fail = [&]() -> Currency { throw EConvertError(QStringLiteral("«%1» δεν είναι έγκυρο ποσό").arg(S)); };
    QString s = S.trimmed();
    if (s.endsWith(FS.CurrencyString))
        s = s.chopped(FS.CurrencyString.size()).trimmed();
    QString whole = s.startsWith(u'-') ? s.mid(1) : s;
    const qsizetype dec = whole.indexOf(FS.DecimalSeparator);
    if (dec >= 0)
        whole.truncate(dec);
    // "12.5" is not twelve and a half, nor 125: a separator must group three digits.
    if (whole.contains(FS.ThousandSeparator)) {
        const QString sep = QRegularExpression::escape(QString(FS.ThousandSeparator));
        const QRegularExpression grouped(QStringLiteral("^[0-9]{1,3}(%1[0-9]{3})+$").arg(sep));
        if (!grouped.match(whole).hasMatch())
            return fail();
    }
    Currency result;
    if (!TryStrToCurrency(s, result, FS))
        return fail();
    return result;
}

int StrToInteger(const QString &S)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]{1,10}$"));
    const QString s = S.trimmed();
    bool ok = integer.match(s).hasMatch();
    const qint64 v = ok ? s.toLongLong(&ok) : 0;
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        throw EConvertError(QStringLiteral("«%1» δεν είναι έγκυρος ακέραιος αριθμός").arg(S));
    return int(v);
}

// ---- TXDateFrame ----

TXDateFrame::TXDateFrame(TComponent *AOwner) : TCustomFormatedFrame(AOwner)
{
    SetDropDownButton(true);
    SetDate(::Date());
}

void TXDateFrame::SetDate(TDateTime v)
{
    // What the calendar cannot show, nothing can count with: a document holding such a date is refused.
    if (ComponentState().testFlag(csReading) && !IsValidCalendarDate(v))
        throw EConvertError(
            QStringLiteral("ημερομηνία εκτός των ορίων που δέχεται το πρόγραμμα (01/01/0100 – 31/12/9999)"));
    FDate = v;
    SetCaption(FormatDateTime(FormatSettings().ShortDateFormat, v));
    if (OnDateChange)
        OnDateChange(this);
}

void TXDateFrame::SetDateFormat(const QString &v)
{
    if (v == FormatSettings().ShortDateFormat)
        return;
    FormatSettings().ShortDateFormat = v;
    SetCaption(FormatDateTime(v, FDate));
}

void TXDateFrame::SetEditText(const QString &S)
{
    const TDateTime typed = StrToDateFormat(S, FormatSettings().ShortDateFormat, FormatSettings());
    // The calendar the program counts with; a year typed as 0050 falls outside it.
    if (!IsValidCalendarDate(typed))
        throw EConvertError(
            QStringLiteral("«%1»: η ημερομηνία πρέπει να είναι από 01/01/0100 έως 31/12/9999").arg(S.trimmed()));
    SetDate(typed);
}

void TXDateFrame::DropDown()
{
    if (!SharedCalendar)
        SharedCalendar = new TDateTimePopup(nullptr);
    SharedCalendar->MonthCalendar1->SetDate(Now());
    // The calendar outlives any box: a pick for a box freed meanwhile goes nowhere.
    QPointer<TXDateFrame> self(this);
    SharedCalendar->PopupExt(this, 0, [self](TObject *Sender) {
        if (self)
            self->CalendarSelect(Sender);
    });
}

void TXDateFrame::CalendarSelect(TObject *Sender)
{
    auto *popup = qobject_cast<TDateTimePopup *>(Sender);
    if (!popup)
        popup = SharedCalendar;
    SetDate(popup->MonthCalendar1->Date());
}

void TXDateFrame::DefineProperties(TFiler *Filer)
{
    TCustomFormatedFrame::DefineProperties(Filer);
    // Always written: the instance a document is written against holds the day of the save, so a date
    // equal to it would otherwise be lost and read back as the day the document is opened.
    Filer->DefineProperty(
        QStringLiteral("Date"), [this](TReader *Reader) { SetDate(double(Reader->ReadFloat())); },
        [this](TWriter *Writer) { Writer->WriteFloat(FDate); }, true);
}

// ---- TXCurrencyFrame ----

TXCurrencyFrame::TXCurrencyFrame(TComponent *AOwner) : TCustomFormatedFrame(AOwner)
{
    SetCurrencyDecimals(2);
    UpdateText();
}

void TXCurrencyFrame::SetValue(Currency v)
{
    FValue = v.RoundedToCents();
    UpdateText();
}

void TXCurrencyFrame::SetZeroText(const QString &v)
{
    FZeroText = v;
    UpdateText();
}

QString TXCurrencyFrame::GetEditText()
{
    if (FValue.IsZero())
        return FZeroText;
    return FormatAmount(FValue, CurrencyDecimals(), false, FormatSettings());
}

void TXCurrencyFrame::UpdateText()
{
    if (FValue.IsZero())
        SetCaption(FZeroText);
    else
        SetCaption(FormatAmount(FValue, CurrencyDecimals(), false, FormatSettings()) + u' ' +
                   FormatSettings().CurrencyString);
}

void TXCurrencyFrame::SetEditText(const QString &S)
{
    const Currency typed = S == FZeroText ? Currency() : StrToAmount(S, FormatSettings());
    CheckFieldWidth(S, typed.Cents(), FFieldWidth, [this](qint64 cents) {
        return FormatAmount(Currency::FromCents(cents), CurrencyDecimals(), false, FormatSettings()) + u' ' +
               FormatSettings().CurrencyString;
    });
    SetValue(typed);
}

// ---- TXIntegerFrame ----

TXIntegerFrame::TXIntegerFrame(TComponent *AOwner) : TCustomFormatedFrame(AOwner)
{
    UpdateText();
}

void TXIntegerFrame::SetValue(int v)
{
    if (FMaxValue > FMinValue)
        v = std::clamp(v, FMinValue, FMaxValue);
    FValue = v;
    UpdateText();
}

void TXIntegerFrame::SetMaxValue(int v)
{
    FMaxValue = v;
    SetValue(FValue);
}

void TXIntegerFrame::SetMinValue(int v)
{
    FMinValue = v;
    SetValue(FValue);
}

void TXIntegerFrame::SetZeroText(const QString &v)
{
    FZeroText = v;
    UpdateText();
}

void TXIntegerFrame::UpdateText()
{
    SetCaption(FValue != 0 ? QString::number(FValue) : FZeroText);
}

void TXIntegerFrame::SetEditText(const QString &S)
{
    const int typed = S == FZeroText ? 0 : StrToInteger(S);
    CheckFieldWidth(S, typed, FFieldWidth, [](qint64 largest) { return QString::number(largest); });
    SetValue(typed);
}
