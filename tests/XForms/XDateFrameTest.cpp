#include "XForms/XDateFrame.h"
#include "XForms/DateTimePopupF.h"
#include "vcl/ComponentStream.h"
#include "vcl/Dialogs.h"
#include "vcl/Forms.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// A shown, active window holding the boxes under test beside a box that takes the focus away.
class BoxWindow
{
public:
    BoxWindow()
    {
        Form.SetBounds(100, 100, 420, 140);
        Other = new TXFrame(&Form);
        Other->SetParent(&Form);
        Other->SetBounds(300, 0, 100, 40);
        Other->SetTabStop(true);
    }
    template <class T> T *Add(int top, const QString &hint = QString())
    {
        auto *box = new T(&Form);
        box->SetParent(&Form);
        box->SetBounds(0, top, 260, 30);
        box->SetExtraHint(hint);
        box->SetColor(clWhite);
        return box;
    }
    bool Activate()
    {
        Form.Show();
        QApplication::setActiveWindow(Form.Peer());
        Other->SetFocus();
        QCoreApplication::processEvents();
        return Other->Focused();
    }
    // Moves the focus away and lets the deferred release of the editor run.
    void Leave()
    {
        Other->SetFocus();
        QCoreApplication::processEvents();
    }
    static void Type(TInplaceEditFrame *box, const QString &text)
    {
        ASSERT_TRUE(box->Editor());
        QLineEdit *edit = box->Editor()->LineEdit();
        edit->selectAll();
        // Greek letters are typed as key events carrying their text.
        for (QChar c : text)
            if (c.unicode() < 128)
                QTest::keyClick(edit, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static void Enter(TInplaceEditFrame *box) { QTest::keyClick(box->Editor()->LineEdit(), Qt::Key_Return); }
    TForm Form{nullptr};
    TXFrame *Other = nullptr;
};

} // namespace

TEST(InplaceEdit, FocusOpensAnEditorOverTheValueAreaAndLeavingCommitsAndReleasesIt)
{
    BoxWindow w;
    auto *box = w.Add<TInplaceEditFrame>(0, "  ΟΔΟΣ");
    box->SetCaption("ΠΑΤΗΣΙΩΝ");
    box->SetMaxTextSize(20);
    int changes = 0;
    box->OnChangeText = [&](TObject *) { ++changes; };
    if (!w.Activate())
        GTEST_SKIP() << "no keyboard focus on this platform";
    const QImage before = w.Form.Peer()->grab().toImage();

    box->SetFocus();
    QCoreApplication::processEvents();
    TInplaceEdit *editor = box->Editor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->Frame(), box);
    EXPECT_TRUE(editor->Focused());
    EXPECT_EQ(editor->GetText(), "ΠΑΤΗΣΙΩΝ");
    EXPECT_EQ(editor->MaxLength(), 20);
    const TRect client = box->GetClientRect();
    EXPECT_EQ(editor->BoundsRect(), (TRect{client.Left + 1, client.Top + 1, client.Right - 1, client.Bottom - 1}));
    // The box is marked as focused all round, over its title and over the editor, 2 pixels inside its edge;
    // leaving takes the mark away.
    const auto markedRow = [&](const QImage &shot) {
        int marked = 0;
        for (int x = 2; x < box->Width() - 2; ++x)
            marked += shot.pixel(x, 2) != before.pixel(x, 2);
        return marked;
    };
    const QImage editing = w.Form.Peer()->grab().toImage();
    const int overTitle = [&] {
        int n = 0;
        for (int x = 2; x < client.Left - 1; ++x)
            n += editing.pixel(x, 2) != before.pixel(x, 2);
        return n;
    }();
    EXPECT_GT(overTitle, (client.Left - 3) / 4);
    EXPECT_GT(markedRow(editing), (box->Width() - 4) / 4);

    BoxWindow::Type(box, "ΑΚΑΔΗΜΙΑΣ");
    EXPECT_EQ(changes, 0); // nothing reaches the box while typing
    w.Leave();
    EXPECT_EQ(markedRow(w.Form.Peer()->grab().toImage()), 0);
    EXPECT_EQ(box->Caption(), "ΑΚΑΔΗΜΙΑΣ");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box->Editor(), nullptr);
    EXPECT_EQ(box->ControlCount(), 0);

    // Each focus makes a new editor; leaving without a change changes nothing.
    box->SetFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(box->Editor());
    w.Leave();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box->ControlCount(), 0);
}

TEST(InplaceEdit, TextTheGreekCodePageCannotHoldIsRefusedWhereItIsTyped)
{
    BoxWindow w;
    auto *box = w.Add<TInplaceEditFrame>(0);
    box->SetCaption("Α");
    if (!w.Activate())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TScriptedDialogs dialogs;
    box->SetFocus();
    BoxWindow::Type(box, "ΟΔΟΣ ŝ");
    BoxWindow::Enter(box);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_TRUE(dialogs.Requests()[0].Msg.contains("1253")) << qPrintable(dialogs.Requests()[0].Msg);
    EXPECT_TRUE(dialogs.Requests()[0].Msg.contains("ŝ"));
    EXPECT_EQ(box->Caption(), "Α");
    // "€" is in the code page.
    BoxWindow::Type(box, "5 €");
    BoxWindow::Enter(box);
    EXPECT_EQ(box->Caption(), "5 €");
    EXPECT_EQ(dialogs.Count(), 1);
}

TEST(InplaceEdit, ClickRules)
{
    BoxWindow w;
    auto *plain = w.Add<TInplaceEditFrame>(0);
    auto *picker = w.Add<TInplaceEditFrame>(40);
    auto *off = w.Add<TInplaceEditFrame>(80);
    off->SetInplaceEdit(false);
    off->SetTabStop(true);
    int pickerClicks = 0, offClicks = 0;
    picker->OnClick = [&](TObject *) { ++pickerClicks; };
    off->OnClick = [&](TObject *) { ++offClicks; };
    if (!w.Activate())
        GTEST_SKIP() << "no keyboard focus on this platform";

    // Without OnClick a click types into the box.
    QTest::mouseClick(plain->Peer(), Qt::LeftButton, {}, QPoint(20, 10));
    QCoreApplication::processEvents();
    EXPECT_TRUE(plain->Editor());
    w.Leave();

    // With OnClick a click is a click; a double click types into it.
    QTest::mouseClick(picker->Peer(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(pickerClicks, 1);
    EXPECT_FALSE(picker->Editor());
    QTest::mouseDClick(picker->Peer(), Qt::LeftButton, {}, QPoint(20, 10));
    QCoreApplication::processEvents();
    EXPECT_TRUE(picker->Editor());
    w.Leave();

    // A box not typed into: focus opens nothing, a click raises OnClick, a double click OnDblClick.
    int offDoubles = 0;
    off->OnDblClick = [&](TObject *) { ++offDoubles; };
    QTest::mouseDClick(off->Peer(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(offDoubles, 1);
    offClicks = 0;
    off->SetFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(off->Editor());
    QTest::mouseClick(off->Peer(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(offClicks, 1);
    EXPECT_FALSE(off->Editor());
}

TEST(InplaceEdit, RefusedTextOnLeavingKeepsTheEditorToBeCorrected)
{
    BoxWindow w;
    auto *box = w.Add<TXIntegerFrame>(0);
    box->SetValue(7);
    if (!w.Activate())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TScriptedDialogs dialogs;
    box->SetFocus();
    BoxWindow::Type(box, "12α");
    w.Leave();
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].DlgType, mtError);
    EXPECT_TRUE(dialogs.Requests()[0].Msg.contains("12α"));
    EXPECT_EQ(box->Value(), 7);
    EXPECT_EQ(box->Caption(), "7");
    TInplaceEdit *kept = box->Editor();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->GetText(), "12α");

    // Back into the box: the same editor, corrected and committed.
    box->SetFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(box->Editor(), kept);
    EXPECT_EQ(box->ControlCount(), 1);
    BoxWindow::Type(box, "12");
    w.Leave();
    EXPECT_EQ(box->Value(), 12);
    EXPECT_EQ(box->Editor(), nullptr);
    EXPECT_EQ(dialogs.Count(), 1);
}

TEST(CurrencyFrame, TypedAmountsAreKeptInCentsHalvesToEven)
{
    BoxWindow w;
    auto *box = w.Add<TXCurrencyFrame>(0);
    int changes = 0;
    box->OnChangeText = [&](TObject *) { ++changes; };
    if (!w.Activate())
        GTEST_SKIP() << "no keyboard focus on this platform";
    EXPECT_EQ(box->Caption(), "");
    box->SetFocus();
    EXPECT_EQ(box->Editor()->GetText(), "");

    BoxWindow::Type(box, "12,345");
    BoxWindow::Enter(box);
    EXPECT_EQ(box->Value(), Currency::FromCents(1234));
    EXPECT_EQ(box->Caption(), "12,34 €");
    EXPECT_EQ(box->Editor()->GetText(), "12,34 €"); // the editor stays open with the shown text
    EXPECT_EQ(changes, 1);
    BoxWindow::Enter(box); // same text again: no conversion
    EXPECT_EQ(changes, 1);

    BoxWindow::Type(box, "12,355");
    BoxWindow::Enter(box);
    EXPECT_EQ(box->Value(), Currency::FromCents(1236));
    BoxWindow::Type(box, "1.234,5");
    BoxWindow::Enter(box);
    EXPECT_EQ(box->Caption(), "1234,50 €");
    w.Leave();
    box->SetFocus();
    EXPECT_EQ(box->Editor()->GetText(), "1234,50");

    // Empty and 0 both give 0, shown as the empty ZeroText.
    BoxWindow::Type(box, "0");
    BoxWindow::Enter(box);
    EXPECT_TRUE(box->Value().IsZero());
    EXPECT_EQ(box->Caption(), "");
    box->SetValue(Currency::FromInt(3));
    box->SetEditText("");
    EXPECT_TRUE(box->Value().IsZero());
    w.Leave();
}

TEST(CurrencyFrame, ValuesZeroTextAndRefusedTexts)
{
    TXCurrencyFrame box(nullptr);
    box.SetValue(Currency::FromRaw(1250)); // 0.125
    EXPECT_EQ(box.Value(), Currency::FromCents(12));
    box.SetValue(Currency::FromRaw(1350)); // 0.135
    EXPECT_EQ(box.Value(), Currency::FromCents(14));
    box.SetValue(Currency::FromDouble(-1234.5));
    EXPECT_EQ(box.Caption(), "-1234,50 €");
    EXPECT_EQ(box.GetEditText(), "-1234,50");

    box.SetValue(Currency());
    box.SetZeroText("-");
    EXPECT_EQ(box.Caption(), "-");
    EXPECT_EQ(box.GetEditText(), "-");
    box.SetEditText("-");
    EXPECT_TRUE(box.Value().IsZero());
    // With a ZeroText, an empty text is no amount; neither is a misplaced separator or a letter.
    for (const char *bad : {"", "12.5", "1.23,4", "12,3α", "--1"}) {
        box.SetValue(Currency::FromInt(9));
        EXPECT_THROW(box.SetEditText(QString::fromUtf8(bad)), EConvertError) << bad;
        EXPECT_EQ(box.Value(), Currency::FromInt(9)) << bad;
        EXPECT_EQ(box.Caption(), "9,00 €");
    }
    box.SetEditText("12.500");
    EXPECT_EQ(box.Value(), Currency::FromInt(12500));
}

TEST(IntegerFrame, RangeAndZeroText)
{
    TXIntegerFrame box(nullptr);
    box.SetValue(-5);
    EXPECT_EQ(box.Caption(), "-5");
    box.SetValue(40); // no range: taken as it is
    EXPECT_EQ(box.Value(), 40);
    box.SetMinValue(1);
    box.SetMaxValue(31); // lowers the value at once
    EXPECT_EQ(box.Value(), 31);
    box.SetValue(0);
    EXPECT_EQ(box.Value(), 1);
    box.SetEditText("40");
    EXPECT_EQ(box.Value(), 31);
    box.SetMinValue(0);
    box.SetMaxValue(0);
    box.SetValue(0);
    EXPECT_EQ(box.Caption(), "");
    box.SetZeroText("ΟΧΙ");
    EXPECT_EQ(box.Caption(), "ΟΧΙ");
    box.SetValue(3);
    box.SetEditText("ΟΧΙ");
    EXPECT_EQ(box.Value(), 0);
    EXPECT_THROW(box.SetEditText(""), EConvertError);
    EXPECT_THROW(box.SetEditText("3000000000"), EConvertError);
    EXPECT_THROW(box.SetEditText("1,5"), EConvertError);
    box.SetEditText(" +12 ");
    EXPECT_EQ(box.Value(), 12);
}

TEST(DateFrame, TextFollowsDateAndFormat)
{
    TXDateFrame box(nullptr);
    EXPECT_TRUE(box.DropDownButton());
    EXPECT_EQ(box.Date(), Date());
    int changes = 0;
    box.OnDateChange = [&](TObject *sender) {
        EXPECT_EQ(sender, &box);
        ++changes;
    };
    box.SetDateFormat("dd/mm/yyyy");
    const TDateTime d = EncodeDate(2005, 3, 7) + 0.5;
    box.SetDate(d);
    box.SetDate(d);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(box.Date(), d); // the time of day is kept
    EXPECT_EQ(box.Caption(), "07/03/2005");
    EXPECT_EQ(box.GetEditText(), "07/03/2005");

    box.SetEditText("1/4/06");
    EXPECT_EQ(box.Date(), EncodeDate(2006, 4, 1));
    EXPECT_EQ(changes, 3);
    box.SetEditText("15/8");
    EXPECT_EQ(box.Date(), EncodeDate(DecodeDate(Date()).Year, 8, 15));
    for (const char *bad : {"31/02/2005", "12-03-2005", "", "1/2/3/4", "α/1/2005"})
        EXPECT_THROW(box.SetEditText(QString::fromUtf8(bad)), EConvertError) << bad;
    EXPECT_EQ(changes, 4);

    // A month box.
    box.SetDateFormat("M/yyyy");
    EXPECT_EQ(box.Caption(), "8/" + QString::number(DecodeDate(Date()).Year));
    box.SetEditText("3/2005");
    EXPECT_EQ(box.Date(), EncodeDate(2005, 3, 1));
    EXPECT_EQ(box.Caption(), "3/2005");
}

namespace
{
// The screen rectangle of a day's cell in the calendar's table.
QPoint DayCell(QCalendarWidget *cal, int day, QTableView **viewOut)
{
    auto *view = cal->findChild<QTableView *>();
    *viewOut = view;
    QAbstractItemModel *model = view->model();
    bool inMonth = false;
    for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c) {
            const int v = model->data(model->index(r, c)).toInt();
            if (v == 1)
                inMonth = true;
            if (inMonth && v == day)
                return view->visualRect(model->index(r, c)).center();
        }
    return {};
}
} // namespace

TEST(DateFrame, CalendarOpensOnTheCurrentMonthAndPicks)
{
    BoxWindow w;
    auto *box = w.Add<TXDateFrame>(0, "ΑΠΟ");
    box->SetDateFormat("dd/mm/yyyy");
    box->SetDate(EncodeDate(2001, 1, 10));
    if (!w.Activate())
        GTEST_SKIP() << "no keyboard focus on this platform";
    box->DropDown();
    QCoreApplication::processEvents();
    QWidget *top = nullptr;
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->isVisible() && t != w.Form.Peer())
            top = t;
    ASSERT_TRUE(top);
    auto *cal = top->findChild<QCalendarWidget *>();
    ASSERT_TRUE(cal);
    const QDate today = QDate::currentDate();
    EXPECT_EQ(cal->yearShown(), today.year());
    EXPECT_EQ(cal->monthShown(), today.month());
    // Under the box, keeping its own width.
    const QPoint boxOrigin = box->Peer()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(top->geometry().top(), boxOrigin.y() + box->Height());
    EXPECT_EQ(top->geometry().left(), boxOrigin.x());
    EXPECT_GE(top->width(), 211);
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::FramelessWindowHint));

    if (qEnvironmentVariableIsSet("APD_RENDER_DIR")) {
        top->grab().save(QDir(qEnvironmentVariable("APD_RENDER_DIR")).filePath("calendar-popup.png"));
    }

    QTableView *view = nullptr;
    const QPoint cell = DayCell(cal, 15, &view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->Date(), EncodeDate(today.year(), today.month(), 15));
    EXPECT_TRUE(top->isVisible()); // a click picks and leaves the calendar open

    const QPoint cell2 = DayCell(cal, 16, &view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell2);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell2);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->Date(), EncodeDate(today.year(), today.month(), 16));
    EXPECT_FALSE(top->isVisible());
    EXPECT_EQ(box->Caption(), FormatDateTime("dd/mm/yyyy", EncodeDate(today.year(), today.month(), 16)));
}

TEST(DateFrame, RenderEditingDateBox)
{
    BoxWindow w;
    auto *box = w.Add<TXDateFrame>(0, "  ΗΜΕΡΟΜΗΝΙΑ|  ΠΡΟΣΛΗΨΗΣ");
    box->SetBorders(TXFrameBorderStyle(rsLeft | rsTop | rsRight | rsBottom));
    box->SetDateFormat("dd/mm/yyyy");
    box->SetDate(EncodeDate(2005, 3, 7));
    auto *amount = w.Add<TXCurrencyFrame>(40, "  ΑΠΟΔΟΧΕΣ");
    amount->SetBorders(TXFrameBorderStyle(rsLeft | rsTop | rsRight | rsBottom));
    amount->SetAlignment(taRightJustify);
    amount->SetValue(Currency::FromDouble(1234.5));
    if (!w.Activate())
        GTEST_SKIP() << "no keyboard focus on this platform";
    box->SetFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(box->Editor());
    const QImage img = w.Form.Peer()->grab().toImage();
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR"))
        img.save(QDir(qEnvironmentVariable("APD_RENDER_DIR")).filePath("date-box-editing.png"));
    // The editor shows the text over the value area.
    EXPECT_EQ(box->Editor()->LineEdit()->text(), "07/03/2005");
    EXPECT_TRUE(box->Editor()->Peer()->isVisible());
    w.Leave();
}

namespace
{
class TBoxDoc : public TFrame
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TBoxDoc(TComponent *AOwner) : TFrame(AOwner)
    {
        SetName("Doc");
        Hired = Make<TXDateFrame>("Hired");
        Hired->SetDateFormat("dd/mm/yyyy");
        Amount = Make<TXCurrencyFrame>("Amount");
        Days = Make<TXIntegerFrame>("Days");
        Days->SetMinValue(0);
        Days->SetMaxValue(31);
    }
    template <class T> T *Make(const char *name)
    {
        auto *b = new T(this);
        b->SetName(name);
        b->SetParent(this);
        return b;
    }
    TXDateFrame *Hired;
    TXCurrencyFrame *Amount;
    TXIntegerFrame *Days;
};
} // namespace

TEST(FormatedFrameStream, DocumentsStoreValuesNotTexts)
{
    RegisterClass<TBoxDoc>();
    TBoxDoc doc(nullptr);
    doc.Hired->SetDate(Date()); // equal to the instance written against: still stored
    doc.Amount->SetValue(Currency::FromDouble(860.5));
    doc.Days->SetValue(25);
    doc.Days->SetZeroText("-");
    TBoxDoc fresh(nullptr);
    const QByteArray stream = WriteDescendent(&doc, &fresh);
    const QString text = QString::fromUtf8(ObjectBinaryToText(stream));
    EXPECT_FALSE(text.contains("Caption")) << qPrintable(text);
    EXPECT_FALSE(text.contains("MaxValue")) << qPrintable(text);
    EXPECT_FALSE(text.contains("MinValue")) << qPrintable(text);
    EXPECT_TRUE(text.contains("Date = ")) << qPrintable(text);
    EXPECT_TRUE(text.contains("Value = 860.5")) << qPrintable(text);
    EXPECT_TRUE(text.contains("Value = 25")) << qPrintable(text);

    TBoxDoc back(nullptr);
    back.Hired->SetDate(EncodeDate(1999, 1, 1));
    back.Days->SetMaxValue(20); // the reader's range stays
    ReadComponent(stream, &back);
    EXPECT_EQ(back.Hired->Date(), Date());
    EXPECT_EQ(back.Hired->Caption(), FormatDateTime("dd/mm/yyyy", Date()));
    EXPECT_EQ(back.Amount->Value(), Currency::FromDouble(860.5));
    EXPECT_EQ(back.Amount->Caption(), "860,50 €");
    EXPECT_EQ(back.Days->Value(), 20);
    EXPECT_EQ(back.Days->MaxValue(), 20);
    EXPECT_EQ(back.Days->ZeroText(), "-");

    // While designing, the range belongs to the design and is written.
    doc.SetDesigning(true);
    const QString design = QString::fromUtf8(ObjectBinaryToText(WriteComponent(&doc)));
    EXPECT_TRUE(design.contains("MaxValue = 31")) << qPrintable(design);
}

#include "XDateFrameTest.moc"
