// Typing into the boxes of the declaration window, placed in the shown main window, with keys and clicks
// delivered to the widget under the point and documents saved and opened through the document controller.
#include "ApdDataTestSupport.h"
#include "BoxEditingFixture.h"
#include "XForms/DataSetPopupF.h"
#include "XForms/DbXForms.h"
#include "XForms/XDateFrame.h"
#include "app/AboutF.h"
#include "app/ApdDataF.h"
#include "app/TableEditorF.h"
#include "declaration/PopupKodikosEidikotitasF.h"
#include "declaration/PopupTyposApodoxonF.h"
#include "declaration/TyposAPDPopupF.h"
#include "declaration/eApdOptionsF.h"
#include "printing/PreviewFormF.h"
#include "support/FocusTakingDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace
{

class BoxEditing : public BoxEditingFixture
{
protected:
    TEmployFrame *Page1() { return Doc()->Pages(0); }
    // The editor that has the focus, if any.
    static QLineEdit *FocusedEditor() { return qobject_cast<QLineEdit *>(QApplication::focusWidget()); }
    QString File(const char *name) { return QDir(Dir.path()).filePath(QString::fromUtf8(name)); }
};

} // namespace

TEST_F(BoxEditing, PassingThroughBoxesNeverChangesTheirText)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = Doc();
    // A register number longer than its box takes (read from an older document, say), and a text longer
    // than any line edit holds by default.
    const QString tenDigits = QStringLiteral("1234567890");
    const QString longText = QString(QStringLiteral("ΑΝΕΓΕΡΣΗ ")).repeated(3700);
    ASSERT_GT(longText.size(), 32767);
    Page1()->XFrame22a->SetCaption(tenDigits);
    w->xEidosErgou->SetCaption(longText);
    const QString first = File("Έργο.vapd");
    SaveAs(first);
    Open(first);
    w = Doc();
    ASSERT_EQ(Page1()->XFrame22a->Caption(), tenDigits);

    // Into each box and out again, by click (a double click where a click opens a picker), Enter, Tab.
    for (TInplaceEditFrame *box : {static_cast<TInplaceEditFrame *>(Page1()->XFrame22a), w->xEidosErgou}) {
        ClickOn(box, bool(box->OnClick));
        ASSERT_TRUE(box->Editor()) << qPrintable(box->Name());
        ASSERT_EQ(FocusedEditor(), box->Editor()->LineEdit());
        EXPECT_EQ(box->Editor()->GetText().size(), box->Caption().size());
        Key(Qt::Key_Return);
        Key(Qt::Key_Tab);
        EXPECT_FALSE(box->Editor()) << qPrintable(box->Name());
    }
    EXPECT_EQ(Page1()->XFrame22a->Caption(), tenDigits);
    EXPECT_EQ(w->xEidosErgou->Caption(), longText);
    EXPECT_FALSE(Main->FileControl1->Modified());

    // Saved and opened again: still whole.
    const QString second = File("Έργο 2.vapd");
    SaveAs(second);
    Open(second);
    EXPECT_EQ(Page1()->XFrame22a->Caption(), tenDigits);
    EXPECT_EQ(Doc()->xEidosErgou->Caption(), longText);

    // The limit bounds what is typed: the text entered replaces the old one and stops at 9 digits.
    ClickOn(Page1()->XFrame22a, true);
    Keys(QStringLiteral("98765432101"));
    EXPECT_EQ(FocusedEditor()->text(), QStringLiteral("987654321"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Page1()->XFrame22a->Caption(), QStringLiteral("987654321"));
    EXPECT_TRUE(Main->FileControl1->Modified());
}

TEST_F(BoxEditing, ARefusedTextIsToldOnceAndTheBoxShowsOnlyWhatItHolds)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = Doc();
    TEmployFrame *p = Page1();
    PickEmployee(p, 0, QStringLiteral("123456789"));
    struct Case {
        TInplaceEditFrame *Box;
        const char *Bad, *Good, *Shown;
    } cases[] = {
        {w->DatePeriodFrame, "13/2025", "3/2025", "3/2025"},
        {p->XIntegerFrame1, "12x", "4", "4"},
        {p->DayCount39_1, "-5", "7", "7"},
        {p->Payment1, "12.5", "12,50", "12,50 €"},
    };
    // What the box shows is what it holds, and what goes into the totals.
    auto showsItsValue = [&](TInplaceEditFrame *box, const QString &shown) {
        EXPECT_FALSE(box->Editor());
        EXPECT_EQ(box->Caption(), shown);
        if (box == p->DayCount39_1) {
            EXPECT_EQ(w->DaysTotal->Value(), p->DaysSum());
        }
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.Box->Name()));
        const QString before = c.Box->Caption();
        const QString bad = QString::fromUtf8(c.Bad);
        TFocusTakingDialogs dialogs;

        // Enter: one message; the editor stays with the text and the focus, to be corrected.
        ClickOn(c.Box, bool(c.Box->OnClick));
        ASSERT_TRUE(c.Box->Editor());
        Keys(bad);
        Key(Qt::Key_Return);
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Requests().at(0).DlgType, mtError);
        ASSERT_TRUE(c.Box->Editor());
        EXPECT_EQ(FocusedEditor(), c.Box->Editor()->LineEdit());
        EXPECT_EQ(c.Box->Editor()->GetText(), bad);
        EXPECT_EQ(c.Box->Caption(), before);
        // Enter again says nothing more. Leaving gives the text up: the box shows what it holds.
        Key(Qt::Key_Return);
        Key(Qt::Key_Tab);
        EXPECT_EQ(dialogs.Count(), 1);
        showsItsValue(c.Box, before);

        // Refused on the way out: told once, and the focus comes back to the editor for the correction.
        ClickOn(c.Box, bool(c.Box->OnClick));
        Keys(bad);
        Key(Qt::Key_Tab);
        EXPECT_EQ(dialogs.Count(), 2);
        ASSERT_TRUE(c.Box->Editor());
        EXPECT_EQ(FocusedEditor(), c.Box->Editor()->LineEdit());
        EXPECT_EQ(c.Box->Editor()->GetText(), bad);
        // Escape gives the stored value back and closes the editor; the box keeps the focus.
        Key(Qt::Key_Escape);
        EXPECT_EQ(dialogs.Count(), 2);
        showsItsValue(c.Box, before);
        EXPECT_EQ(QApplication::focusWidget(), c.Box->Peer());

        // Typing into the box opens the editor again; corrected, the text is taken without a word.
        Keys(bad);
        ASSERT_TRUE(c.Box->Editor());
        EXPECT_EQ(c.Box->Editor()->GetText(), bad);
        Key(Qt::Key_Return);
        EXPECT_EQ(dialogs.Count(), 3);
        Key(Qt::Key_A, Qt::ControlModifier);
        Keys(QString::fromUtf8(c.Good));
        Key(Qt::Key_Return);
        EXPECT_EQ(c.Box->Caption().toStdString(), c.Shown);
        Key(Qt::Key_Tab);
        EXPECT_EQ(dialogs.Count(), 3);
        showsItsValue(c.Box, QString::fromUtf8(c.Shown));
    }
    EXPECT_EQ(w->DatePeriodFrame->Date(), EncodeDate(2025, 3, 1));
    EXPECT_EQ(p->DayCount39_1->Value(), 7);

    // Saved and opened again, every box shows what it showed.
    const auto shown = Snapshot();
    const QString path = File("Διορθωμένο.vapd");
    SaveAs(path);
    Open(path);
    EXPECT_EQ(Differences(shown, Snapshot()), QString());
}

TEST_F(BoxEditing, ARefusedTextKeepsTheFocusFromTheBoxClickedAndGivesWayToASecondClick)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TInplaceEditFrame *box = Page1()->Payment1;
    TInplaceEditFrame *other = Page1()->XIntegerFrame1;
    ASSERT_FALSE(other->OnClick);
    TFocusTakingDialogs dialogs;
    ClickOn(box, bool(box->OnClick));
    ASSERT_TRUE(box->Editor());
    Keys(QStringLiteral("12.5"));

    // Pressing the mouse on the page (on another box or between boxes) ends nothing: on the screen the
    // button comes up over the message, so a message shown on the press swallows the click.
    const auto under = [](TControl *c) {
        const QPoint global = c->Peer()->mapToGlobal(QPoint(c->Width() / 2, c->Height() / 2));
        QWidget *w = QApplication::widgetAt(global);
        return std::make_pair(w, w ? w->mapFromGlobal(global) : QPoint());
    };
    const auto [target, at] = under(other);
    ASSERT_TRUE(target);
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    Settle();
    EXPECT_EQ(dialogs.Count(), 0);
    ASSERT_TRUE(box->Editor());
    EXPECT_EQ(FocusedEditor(), box->Editor()->LineEdit());

    // The click ends in the other box: the text is refused once and stays, with the focus, to be corrected;
    // what is typed next goes into it.
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    Settle();
    EXPECT_EQ(dialogs.Count(), 1);
    ASSERT_TRUE(box->Editor());
    EXPECT_EQ(box->Editor()->GetText(), QStringLiteral("12.5"));
    EXPECT_EQ(FocusedEditor(), box->Editor()->LineEdit());
    EXPECT_FALSE(other->Editor());

    // A second click there, the text unchanged, gives it up without a word, and the other box is typed into.
    ClickOn(other);
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_FALSE(box->Editor());
    EXPECT_EQ(box->Caption(), QString());
    ASSERT_TRUE(other->Editor());
    ASSERT_EQ(FocusedEditor(), other->Editor()->LineEdit());
    Keys(QStringLiteral("7"));
    Key(Qt::Key_Return);
    EXPECT_EQ(other->Caption(), QStringLiteral("7"));
    EXPECT_EQ(dialogs.Count(), 1);

    // A click on another page's tab commits what is typed on this page and opens no box on the other.
    TXIntegerFrame *sundays = Page1()->XIntegerFrame2;
    ClickOn(sundays);
    ASSERT_TRUE(sundays->Editor());
    Keys(QStringLiteral("3"));
    QTabBar *tabs = Doc()->PageControl1->TabWidget()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    Settle();
    EXPECT_EQ(Doc()->PageControl1->ActivePageIndex(), 1);
    EXPECT_EQ(sundays->Caption(), QStringLiteral("3"));
    EXPECT_FALSE(FocusedEditor());
    EXPECT_EQ(dialogs.Count(), 1);

    // A text refused there is told once; with its page out of sight it is given up, so that the page shows
    // what its box holds when it comes back.
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    Settle();
    ClickOn(sundays);
    Keys(QStringLiteral("-"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    Settle();
    EXPECT_EQ(dialogs.Count(), 2);
    EXPECT_EQ(Doc()->PageControl1->ActivePageIndex(), 1);
    EXPECT_FALSE(sundays->Editor());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    Settle();
    EXPECT_FALSE(sundays->Editor());
    EXPECT_EQ(sundays->Caption(), QStringLiteral("3"));
    EXPECT_EQ(dialogs.Count(), 2);
}

TEST_F(BoxEditing, WhileTypingABoxShowsOnlyTheEditorsText)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    // A date box keeps room for its calendar button beside the editor; with the mouse gone the button is
    // not drawn, and the box's old value must not show there next to the typed one ("3/2025  02").
    TXDateFrame *box = Doc()->DatePeriodFrame;
    ClickOn(box);
    ASSERT_TRUE(box->Editor());
    Keys(QStringLiteral("3/2025"));
    QWidget *window = Main->Peer();
    QTest::mouseMove(window->windowHandle(), QPoint(window->width() - 5, window->height() - 5));
    Settle();
    ASSERT_TRUE(box->Editor());
    const QRect editor = box->Editor()->Peer()->geometry();
    ASSERT_LT(editor.right() + 4, box->Width() - 3) << "no room beside the editor";
    const QImage image = box->Peer()->grab().toImage();
    const QRgb fill = image.pixel(editor.right() + 3, box->Height() / 2);
    int marks = 0;
    for (int x = editor.right() + 3; x < box->Width() - 3; ++x)
        for (int y = 3; y < box->Height() - 3; ++y)
            marks += image.pixel(x, y) != fill;
    EXPECT_EQ(marks, 0);
}

TEST_F(BoxEditing, TypingReplacesTheTextOfABoxEnteredByClickOrTab)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = Doc();
    FillHeader(*w);
    ASSERT_EQ(w->DatePeriodFrame->Caption(), QStringLiteral("11/2002"));
    ClickOn(w->DatePeriodFrame);
    Keys(QStringLiteral("3/2025"));
    Key(Qt::Key_Return);
    EXPECT_EQ(w->DatePeriodFrame->Date(), EncodeDate(2025, 3, 1));
    EXPECT_EQ(w->DatePeriodFrame->Caption(), QStringLiteral("3/2025"));

    // Along the row with Tab and back with Shift+Tab: each box opens its editor with the whole text selected,
    // so that what is typed replaces it.
    TEmployFrame *p = Page1();
    PickEmployee(p, 0, QStringLiteral("123456789"));
    p->DayCount39_1->SetValue(12);
    ClickOn(p->DayCount39_1);
    const struct {
        int Key;
        TXIntegerFrame *Lands;
    } steps[] = {{Qt::Key_Tab, p->DayCount39_2},
                 {Qt::Key_Tab, p->DayCount39_3},
                 {Qt::Key_Backtab, p->DayCount39_2},
                 {Qt::Key_Backtab, p->DayCount39_1}};
    for (const auto &step : steps) {
        Key(step.Key, step.Key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        ASSERT_TRUE(step.Lands->Editor()) << qPrintable(step.Lands->Name());
        QLineEdit *edit = FocusedEditor();
        ASSERT_EQ(edit, step.Lands->Editor()->LineEdit()) << qPrintable(step.Lands->Name());
        EXPECT_FALSE(edit->text().isEmpty());
        EXPECT_EQ(edit->selectedText(), edit->text());
    }
    Keys(QStringLiteral("9"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(p->DayCount39_1->Value(), 9);
}

TEST_F(BoxEditing, DialogKeysOfTheExportOptions)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    FillHeader(*Doc());
    const QString csc = File("csc01");
    auto prepare = [&](TeApdOptions *d) {
        d->Edit5->SetText(csc);
        for (TCheckBox *print : {d->CheckBox1, d->CheckBox2, d->CheckBox4})
            print->SetChecked(false);
    };
    // A key that leaves the dialog open fails here rather than hanging the run.
    auto closedBy = [](TeApdOptions *d, const char *key) {
        if (d->Visible()) {
            ADD_FAILURE() << key << " left the dialog open";
            d->SetModalResult(mrCancel);
        }
    };

    // Esc, wherever the focus is in the dialog, closes it and nothing is exported.
    TeApdOptions *shown = nullptr;
    WhenShown<TeApdOptions>(shown, [&](TeApdOptions *d) {
        prepare(d);
        Key(Qt::Key_Escape);
        closedBy(d, "Esc");
    });
    Trigger(Main->aExportIkaApd);
    ASSERT_TRUE(shown);
    EXPECT_FALSE(QFile::exists(csc));

    // Enter on a button reached with Tab presses that button, not the OK one: Άκυρο cancels.
    shown = nullptr;
    WhenShown<TeApdOptions>(shown, [&](TeApdOptions *d) {
        prepare(d);
        ClickOn(d->Edit1);
        for (int i = 0; i < 20 && QApplication::focusWidget() != d->Button2->Peer(); ++i)
            Key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), d->Button2->Peer()) << "Tab never reached Άκυρο";
        Key(Qt::Key_Return);
        closedBy(d, "Enter on Άκυρο");
    });
    Trigger(Main->aExportIkaApd);
    ASSERT_TRUE(shown);
    EXPECT_FALSE(QFile::exists(csc)) << "Enter on Άκυρο exported";

    // Enter in the company name confirms, as the OK button.
    shown = nullptr;
    WhenShown<TeApdOptions>(shown, [&](TeApdOptions *d) {
        prepare(d);
        ClickOn(d->Edit1);
        Key(Qt::Key_Return);
        closedBy(d, "Enter");
    });
    Trigger(Main->aExportIkaApd);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(QFile::exists(csc));
}

TEST_F(BoxEditing, TheEmployeePickerOpensWithTheArrowKeysInItsGrid)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TEmployFrame *p = Page1();
    ClickOn(p->XFrame22a);
    ASSERT_TRUE(DataSetPopup->Visible());
    QApplication::setActiveWindow(DataSetPopup->Peer());
    Settle();
    TDataSetFilterFrame *bar = DataSetPopup->DataSetFilterFrame1;
    EXPECT_TRUE(bar->DBGrid1->Peer()->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == bar->DBGrid1->Peer());
    const int order = bar->IndexCombo->ItemIndex();
    // Down goes to the second employee; Enter picks it.
    Key(Qt::Key_Down);
    EXPECT_EQ(bar->IndexCombo->ItemIndex(), order);
    Key(Qt::Key_Return);
    EXPECT_FALSE(DataSetPopup->Visible());
    EXPECT_EQ(p->XFrame22a->Caption(), QStringLiteral("222333444"));
    EXPECT_EQ(p->DbLookupXFrame21->Caption(), QStringLiteral("ΒΑΣΙΛΕΙΟΥ"));
}

TEST_F(BoxEditing, TypedValuesTheDeclarationFileCannotHoldAreRefused)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TEmployFrame *p = Page1();
    PickEmployee(p, 0, QStringLiteral("123456789"));
    p->Apodoxes1->SetValue(Currency::FromInt(500));
    struct Case {
        TInplaceEditFrame *Box;
        const char *Typed;
        const char *Said; // in the one message; empty when the text is taken
        const char *Shown;
    } cases[] = {
        {p->DayCount39_1, "-5", "αρνητική", nullptr},
        {p->DayCount39_1, "150", "το πολύ 99", nullptr},
        {p->DayCount43_1, "-1", "αρνητική", nullptr},
        {p->XIntegerFrame1, "12", "το πολύ 9", nullptr},
        {p->XIntegerFrame1, "4", "", "4"},
        {p->Apodoxes1, "123456789012,34", "το πολύ 99999999,99 €", nullptr},
        {p->Apodoxes1, "-50", "αρνητική", nullptr},
        {p->Apodoxes1, "99999999,99", "", "99999999,99 €"},
        {p->EisforesTotal1, "999999999,99", "", "999999999,99 €"},
        {p->EisforesTotal1, "1000000000,00", "το πολύ 999999999,99 €", nullptr},
        {p->XDateFrame1, "1/1/0050", "από 01/01/0100 έως 31/12/9999", nullptr},
        {p->XDateFrame1, "31/12/9999", "", "31/12/9999"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.Box->Name() + u' ' + QString::fromUtf8(c.Typed)));
        const QString before = c.Box->Caption();
        TFocusTakingDialogs dialogs;
        ClickOn(c.Box, bool(c.Box->OnClick));
        ASSERT_TRUE(c.Box->Editor());
        Keys(QString::fromUtf8(c.Typed));
        Key(Qt::Key_Return);
        const QString said = QString::fromUtf8(c.Said);
        if (said.isEmpty()) {
            EXPECT_EQ(dialogs.Count(), 0);
            EXPECT_EQ(c.Box->Caption().toStdString(), c.Shown);
            Key(Qt::Key_Tab);
            continue;
        }
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_TRUE(dialogs.Requests()[0].Msg.contains(said)) << qPrintable(dialogs.Requests()[0].Msg);
        EXPECT_TRUE(dialogs.Requests()[0].Msg.contains(QString::fromUtf8(c.Typed)));
        EXPECT_EQ(c.Box->Caption(), before);
        // Put right before leaving, so that the next box starts afresh.
        Key(Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_Backspace);
        Keys(before);
        Key(Qt::Key_Tab);
        EXPECT_FALSE(c.Box->Editor());
        EXPECT_EQ(dialogs.Count(), 1);
    }
    EXPECT_EQ(p->XDateFrame1->Date(), EncodeDate(9999, 12, 31));
}

TEST_F(BoxEditing, BoxesOfTheFilesDigitsFieldsTakeOnlyDigitsAsTheyAreTyped)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = Doc();
    TEmployFrame *p = Page1();
    TFocusTakingDialogs dialogs;
    const QString digitsOnly = QStringLiteral("Στο πεδίο «%1» γράφονται μόνο ψηφία.");
    // A key that is not a digit goes nowhere: the status bar says why, naming the field; no message box.
    const struct {
        TInplaceEditFrame *Box;
        const char *Typed, *Kept, *Field;
    } cases[] = {
        {w->frameAFM, "12a34", "1234", "Α.Φ.Μ."},
        {w->DbLookupXFrame5, "176 71", "17671", "Τ.Κ. ΕΔΡΑΣ ΕΡΓΟΔΟΤΗ"},
        {p->XFrame23a, "1234Δ5", "12345", "Α.Μ.Κ.Α."},
        {p->Frame21C, "0-61", "061", "ΥΠΟΚΑΤΑΣΤΗΜΑ ΙΚΑ ΕΚΤΕΛΕΣΗΣ ΕΡΓΟΥ"},
        {p->DbLookupXFrame7, "05/11/19.70", "05/11/1970", "ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.Box->Name()));
        Main->StatusBar1->SetSimpleText(QString());
        ClickOn(c.Box, bool(c.Box->OnClick));
        ASSERT_TRUE(c.Box->Editor());
        Keys(QString::fromUtf8(c.Typed));
        EXPECT_EQ(FocusedEditor()->text().toStdString(), c.Kept);
        const QString field = QString::fromUtf8(c.Field);
        EXPECT_EQ(Main->StatusBar1->SimpleText(),
                  c.Box == p->DbLookupXFrame7
                      ? QStringLiteral("Στο πεδίο «%1» γράφονται μόνο ψηφία και «/».").arg(field)
                      : digitsOnly.arg(field));
        Key(Qt::Key_Return);
        EXPECT_EQ(c.Box->Caption().toStdString(), c.Kept);
        Key(Qt::Key_Tab);
    }
    EXPECT_EQ(dialogs.Count(), 0);

    // Pasted, a text with anything but digits is refused whole; digits go in.
    ClickOn(w->xTKErgou);
    QApplication::clipboard()->setText(QStringLiteral("171Χ21"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(FocusedEditor()->text(), QString());
    EXPECT_EQ(Main->StatusBar1->SimpleText(), digitsOnly.arg(QStringLiteral("Τ.Κ. ΕΡΓΟΥ")));
    QApplication::clipboard()->setText(QStringLiteral("17121"));
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_Return);
    EXPECT_EQ(w->xTKErgou->Caption(), QStringLiteral("17121"));
    Key(Qt::Key_Tab);

    // A number written with a letter elsewhere is handed back only once the letter is gone.
    w->frameAMOE->SetCaption(QStringLiteral("98Α765"));
    ClickOn(w->frameAMOE, bool(w->frameAMOE->OnClick));
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg.toStdString(), "Στο πεδίο «Α.Μ.Ο.Ε.» γράφονται μόνο ψηφία: «98Α76».");
    EXPECT_EQ(w->frameAMOE->Caption(), QStringLiteral("98Α765"));
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_EQ(w->frameAMOE->Caption(), QStringLiteral("9876"));
    EXPECT_EQ(dialogs.Count(), 1);
}

TEST_F(BoxEditing, TabAndShiftTabWalkEveryBoxOfTheHeaderAndOfTheShownPageInTheDesignsOrder)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = Doc();
    // At start-up the focus is on the first box a click types into, marked, and what is typed goes there.
    ASSERT_EQ(FocusedBox(), w->xEidosErgou);
    EXPECT_TRUE(Marked(w->xEidosErgou));
    Keys(QStringLiteral("ΟΙΚΟΔΟΜΗ"));
    Key(Qt::Key_Return);
    EXPECT_EQ(w->xEidosErgou->Caption(), QStringLiteral("ΟΙΚΟΔΟΜΗ"));

    // From a box clicked (double-clicked where a click picks), Tab reaches the next box in the designs' order,
    // which takes what is typed; Shift+Tab comes back.
    const struct {
        TInplaceEditFrame *Clicked;
        TInplaceEditFrame *Next;
    } steps[] = {{w->xOdosErgou, w->frameAMOE},
                 {w->xTKErgou, w->frameAFM},
                 {w->xEidosErgou, w->frameAME},
                 {w->DbLookupXFrame1, w->DbLookupXFrame2}};
    for (const auto &step : steps) {
        SCOPED_TRACE(qPrintable(step.Clicked->Name()));
        ClickOn(step.Clicked, bool(step.Clicked->OnClick));
        ASSERT_EQ(FocusedBox(), step.Clicked);
        Key(Qt::Key_Tab);
        ASSERT_EQ(FocusedBox(), step.Next);
        EXPECT_TRUE(Marked(step.Next));
        EXPECT_FALSE(Marked(step.Clicked));
        Keys(QStringLiteral("7"));
        Key(Qt::Key_Return);
        EXPECT_EQ(step.Next->Caption(), QStringLiteral("7"));
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(FocusedBox(), step.Clicked);
        EXPECT_FALSE(step.Next->Editor()) << "the editor left behind is released";
    }

    // The whole walk, on the second page: the header, the page's tabs, the page's boxes row by row, and round
    // to the header again; Shift+Tab walks the same way back.
    ShowPage(1);
    TEmployFrame *p = w->Pages(1);
    const std::vector<TWinControl *> header = {
        w->typeApdCode,     w->DbLookupXFrame10, w->DbLookupXFrame9, w->DbLookupXFrame1, w->DbLookupXFrame2,
        w->DbLookupXFrame3, w->DbLookupXFrame5,  w->DbLookupXFrame4, w->xEidosErgou,     w->frameAME,
        w->xArOdouErgou,    w->xOdosErgou,       w->frameAMOE,       w->xPoliErgou,      w->xTKErgou,
        w->frameAFM,        w->DatePeriodFrame,  w->PageControl1};
    std::vector<TWinControl *> expected = header;
    for (TWinControl *box : std::initializer_list<TWinControl *>{p->Frame21C, p->Frame21D, p->Frame21E, p->XFrame22a,
                                                                 p->XFrame22b, p->XFrame22c, p->XFrame23a})
        expected.push_back(box);
    // The declaration type comes before the branch; its click picks, so it is reached with the keys only.
    ClickOn(w->DbLookupXFrame10, true);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    std::vector<TWinControl *> walked;
    std::vector<TWinControl *> all;
    for (int i = 0; i < 200 && (all.empty() || FocusedBox() != all.front()); ++i) {
        all.push_back(FocusedBox());
        Key(Qt::Key_Tab);
    }
    ASSERT_GE(all.size(), expected.size());
    walked.assign(all.begin(), all.begin() + long(expected.size()));
    EXPECT_EQ(walked, expected);
    // Rows 22 to 46 on the page shown: 3 lines each, the lines' boxes only; no box of another page.
    const auto onPage = std::count_if(all.begin(), all.end(), [&](TWinControl *c) { return p->ContainsControl(c); });
    EXPECT_EQ(onPage, 26 * 3);
    EXPECT_EQ(all.back(), p->EisforesTotal3);
    for (TWinControl *c : all)
        EXPECT_TRUE(c == w->PageControl1 || qobject_cast<TXFrame *>(c)) << qPrintable(c->Name());
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(FocusedBox(), *it) << "back from " << qPrintable((*it)->Name());
    }
    EXPECT_EQ(w->xEidosErgou->Caption(), QStringLiteral("ΟΙΚΟΔΟΜΗ")) << "passing through changes nothing";

    // On the declaration type, marked, Enter opens its list as a click does; the keys pick a line, and the
    // walk goes on from the box.
    ASSERT_EQ(FocusedBox(), w->typeApdCode);
    EXPECT_TRUE(Marked(w->typeApdCode));
    EXPECT_FALSE(TyposAPDPopup && TyposAPDPopup->Visible());
    Key(Qt::Key_Return);
    ASSERT_TRUE(TyposAPDPopup && TyposAPDPopup->Visible());
    QApplication::setActiveWindow(TyposAPDPopup->Peer());
    Settle();
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_TRUE(TyposAPDPopup->Visible()) << "moving along the list is no pick";
    EXPECT_EQ(w->typeApdCode->Caption(), QString());
    Key(Qt::Key_Return);
    EXPECT_FALSE(TyposAPDPopup->Visible());
    EXPECT_EQ(w->typeApdCode->Caption(), QStringLiteral("02 "));
    EXPECT_EQ(w->typeApdHint->Caption(), QStringLiteral(" (Έκτακτη)"));
    EXPECT_TRUE(Main->FileControl1->Modified());
    QApplication::setActiveWindow(Main->Peer());
    Settle();
    EXPECT_EQ(FocusedBox(), w->typeApdCode);
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusedBox(), w->DbLookupXFrame10);
    // So does Enter on a box of the page whose click picks and that takes no typing (the phase).
    p->DbLookupXFrame9->SetFocus();
    Key(Qt::Key_Return);
    EXPECT_TRUE(DataSetPopup->Visible());
    QApplication::setActiveWindow(DataSetPopup->Peer());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(DataSetPopup->Visible());
    QApplication::setActiveWindow(Main->Peer());
    Settle();
    // The click still picks, without taking the focus.
    ClickOn(w->typeApdHint);
    EXPECT_TRUE(TyposAPDPopup->Visible());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(TyposAPDPopup->Visible());
    EXPECT_EQ(w->typeApdCode->Caption(), QStringLiteral("02 "));
}

// Every box with a list opens it from the keyboard as a combo box does, with Alt+Down or F4, from its editor
// or from the box itself; Enter picks in the list and Esc closes it, and either gives the box the focus back.
// A value picked stays as picked: the box has the focus, marked, without an editor, a stray key types nothing
// over it, and Enter opens the list again. The lists come up as the window system shows them, in front.
TEST_F(BoxEditing, EveryListOpensFromTheKeyboardAndAValuePickedIsNotTypedOver)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = Doc();
    TEmployFrame *p = Page1();
    // In the list shown: Down Down (the first arrow selects the first line) and Enter, or Esc.
    const auto inList = [](TPopupWin *List, std::initializer_list<int> Keys) {
        ASSERT_TRUE(List && List->Visible());
        QApplication::setActiveWindow(List->Peer());
        Settle();
        for (int k : Keys)
            Key(k);
        EXPECT_FALSE(List->Visible());
        QApplication::setActiveWindow(Main->Peer());
        Settle();
    };
    const auto tabTo = [](TWinControl *Box) {
        for (int i = 0; i < 120 && FocusedBox() != Box; ++i)
            Key(Qt::Key_Tab);
        ASSERT_EQ(FocusedBox(), Box);
    };
    const auto pickedStays = [&](TInplaceEditFrame *Box, TPopupWin *List) {
        const QString picked = Box->Caption();
        EXPECT_FALSE(Box->Editor());
        EXPECT_TRUE(Marked(Box));
        Keys(QStringLiteral("5"));
        EXPECT_EQ(Box->Caption(), picked);
        EXPECT_FALSE(Box->Editor());
        Key(Qt::Key_Return);
        inList(List, {Qt::Key_Escape});
        EXPECT_EQ(FocusedBox(), Box);
        EXPECT_FALSE(Box->Editor());
        EXPECT_EQ(Box->Caption(), picked);
    };

    // The header's branch code, double-clicked to type: Alt+Down from its editor; the pick fills the name too.
    ClickOn(w->DbLookupXFrame10, true);
    ASSERT_TRUE(w->DbLookupXFrame10->Editor());
    Key(Qt::Key_Down, Qt::AltModifier);
    TDataSet *branches = DataSetPopup->DataSet();
    inList(DataSetPopup, {Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(w->DbLookupXFrame10->Caption(), branches->FieldByName(QStringLiteral("ΚΩΔΙΚΟΣ"))->AsString());
    EXPECT_EQ(w->DbLookupXFrame9->Caption(), branches->FieldByName(QStringLiteral("ΟΝΟΜΑΣΙΑ"))->AsString());
    EXPECT_FALSE(w->DbLookupXFrame10->Caption().isEmpty());
    EXPECT_EQ(FocusedBox(), w->DbLookupXFrame10);
    pickedStays(w->DbLookupXFrame10, DataSetPopup);

    // Row 22 reached with Tab: F4 from its editor, Enter on the second employee.
    ClickOn(p->Frame21E);
    Key(Qt::Key_Tab);
    ASSERT_EQ(FocusedBox(), p->XFrame22a);
    ASSERT_TRUE(p->XFrame22a->Editor());
    Key(Qt::Key_F4);
    inList(DataSetPopup, {Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(p->XFrame22a->Caption(), QStringLiteral("222333444"));
    EXPECT_EQ(p->DbLookupXFrame21->Caption(), QStringLiteral("ΒΑΣΙΛΕΙΟΥ"));
    pickedStays(p->XFrame22a, DataSetPopup);
    // A double click types into it.
    ClickOn(p->XFrame22a, true);
    ASSERT_TRUE(p->XFrame22a->Editor());
    Key(Qt::Key_Escape);

    // Row 21's branch: F4 from the editor, then Esc gives the editor back with what was typed.
    ClickOn(p->Frame21D);
    Keys(QStringLiteral("06"));
    Key(Qt::Key_F4);
    inList(DataSetPopup, {Qt::Key_Escape});
    ASSERT_TRUE(p->Frame21D->Editor());
    EXPECT_EQ(FocusedEditor(), p->Frame21D->Editor()->LineEdit());
    EXPECT_EQ(FocusedEditor()->text(), QStringLiteral("06"));
    EXPECT_FALSE(FocusedEditor()->hasSelectedText());

    // The specialty (no typing), the package and the earnings type, each reached with Tab.
    tabTo(p->Specialty1);
    Key(Qt::Key_Down, Qt::AltModifier);
    inList(PopupKodikosEidikotitas, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(p->Specialty1->Caption(), QStringLiteral("933120 "));
    tabTo(p->xFrame35a);
    Key(Qt::Key_F4);
    inList(DataSetPopup, {Qt::Key_Return});
    EXPECT_FALSE(p->xFrame35a->Caption().isEmpty());
    tabTo(p->XFrame131);
    Key(Qt::Key_F4);
    inList(PopupTyposApodoxon, {Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(p->XFrame131->Caption(), QStringLiteral("01 "));
    EXPECT_EQ(FocusedBox(), p->XFrame131);
}

// Whether the whole of a widget shows: inside every widget around it up to the main window's view.
bool InView(QWidget *peer)
{
    QWidget *view = Main->ScrollBox1->ScrollArea()->viewport();
    for (QWidget *around = peer->parentWidget(); around; around = around->parentWidget()) {
        if (!around->rect().contains(QRect(peer->mapTo(around, QPoint(0, 0)), peer->size())))
            return false;
        if (around == view)
            return true;
    }
    return false;
}
bool InView(TControl *Control)
{
    return InView(Control->Peer());
}

// The view always shows the box that has the focus: keys the box leaves do not scroll the form, the focus
// moved with Tab brings its box into sight (also inside a page the wheel has scrolled), typing brings back a
// box the wheel has scrolled away, and a page chosen with Ctrl+Tab takes the focus to its tab.
TEST_F(BoxEditing, TheViewAlwaysShowsTheBoxWithTheFocus)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = Doc();
    TEmployFrame *p = Page1();
    QScrollBar *bar = Main->ScrollBox1->ScrollArea()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the form fits the window";

    // Up, Down, the page keys, Alt+Down on a box with no list, and a blank a digits box refuses.
    for (TInplaceEditFrame *box : std::initializer_list<TInplaceEditFrame *>{p->DayCount39_1, p->XFrame22a}) {
        SCOPED_TRACE(qPrintable(box->Name()));
        ClickOn(box, bool(box->OnClick));
        const int at = bar->value();
        for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Space})
            Key(k);
        if (!box->OpensPicker())
            Key(Qt::Key_Down, Qt::AltModifier);
        EXPECT_EQ(bar->value(), at);
        EXPECT_EQ(FocusedBox(), box);
        EXPECT_TRUE(InView(box));
        Key(Qt::Key_Escape);
    }

    // The wheel scrolls the box away; what is typed brings it back.
    ClickOn(p->DayCount39_1);
    for (int value : {0, bar->maximum()}) {
        bar->setValue(value);
        Settle();
        if (!InView(p->DayCount39_1))
            break;
    }
    ASSERT_FALSE(InView(p->DayCount39_1));
    Keys(QStringLiteral("4"));
    Settle();
    EXPECT_TRUE(InView(p->DayCount39_1));

    // The page scrolled within itself by the wheel, then Tab through the header onto the page and down it.
    bool handled = false;
    for (int i = 0; i < 10; ++i)
        p->FrameMouseWheel(p, {}, -120, {}, handled);
    ASSERT_FALSE(InView(p->Frame21C));
    QTabBar *tabs = w->PageControl1->TabWidget()->tabBar();
    ClickOn(w->xEidosErgou);
    for (int i = 0; i < 40; ++i) {
        Key(Qt::Key_Tab);
        TWinControl *focused = FocusedBox();
        ASSERT_TRUE(focused == w->PageControl1 ? InView(tabs) : InView(focused)) << qPrintable(focused->Name());
    }

    // Ctrl+Tab from a box of the page: the next page shows, its tab has the focus, marked as after Tab, and
    // typing changes nothing.
    ClickOn(p->DayCount43_1);
    Keys(QStringLiteral("3"));
    Main->Peer()->setAttribute(Qt::WA_KeyboardFocusChange, false);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w->PageControl1->ActivePageIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), tabs);
    EXPECT_TRUE(Main->Peer()->testAttribute(Qt::WA_KeyboardFocusChange));
    EXPECT_EQ(p->DayCount43_1->Value(), 3);
    const auto before = Snapshot();
    Keys(QStringLiteral("77"));
    EXPECT_EQ(Differences(before, Snapshot()), QString());
    Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w->PageControl1->ActivePageIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), tabs);
    EXPECT_TRUE(InView(tabs));
}

// A menu opened over the window and closed again without a command only lends the focus: the box typed into
// keeps it, marked, while the menu is open and after, with what is typed, and typing goes on there. Opened
// with the mouse, Esc closes the menu and gives the keys straight back; opened with the keys, Esc goes back
// to the menu bar first and a second Esc leaves it.
TEST_F(BoxEditing, AMenuOpenedAndClosedAgainLeavesTheFocusAndWhatIsTypedInTheBox)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = Doc();
    TEmployFrame *p = Page1();
    QMenuBar *bar = Main->ActionMainMenuBar1->MenuBar();
    QWidget *window = Main->Peer();
    const auto titleAt = [&](const char *Caption) {
        for (QAction *a : bar->actions())
            if (a->text() == QString::fromUtf8(Caption))
                return bar->mapTo(window, bar->actionGeometry(a).center());
        ADD_FAILURE() << "no menu " << Caption;
        return QPoint();
    };
    // Clicks and keys as the window system delivers them: to the open menu while there is one.
    const auto click = [&](QPoint At, Qt::MouseButton Button = Qt::LeftButton) {
        QTest::mouseClick(window->windowHandle(), Button, {}, At);
        Settle();
    };
    const auto press = [&](int QtKey) {
        QWidget *menu = QApplication::activePopupWidget();
        QTest::keyClick(menu ? menu->windowHandle() : window->windowHandle(), Qt::Key(QtKey));
        Settle();
    };
    const auto editorCentre = [&](TInplaceEditFrame *Box) {
        QWidget *edit = Box->Editor()->LineEdit();
        return edit->mapTo(window, edit->rect().center());
    };
    const struct {
        const char *Way;
        bool ByMouse;
        std::function<void(TInplaceEditFrame *)> Open, Close;
    } ways[] = {
        {"a click on Αρχείο, Esc", true, [&](TInplaceEditFrame *) { click(titleAt("Αρχείο")); },
         [&](TInplaceEditFrame *) { press(Qt::Key_Escape); }},
        {"a click on Συλογές/Πίνακες, a click on it again", true,
         [&](TInplaceEditFrame *) { click(titleAt("Συλογές/Πίνακες")); },
         [&](TInplaceEditFrame *) { click(titleAt("Συλογές/Πίνακες")); }},
        {"a right click on the editor, Esc", true,
         [&](TInplaceEditFrame *Box) { click(editorCentre(Box), Qt::RightButton); },
         [&](TInplaceEditFrame *) { press(Qt::Key_Escape); }},
        {"F10, Enter, Esc, Esc", false,
         [&](TInplaceEditFrame *) {
             press(Qt::Key_F10);
             press(Qt::Key_Return);
         },
         [&](TInplaceEditFrame *) {
             press(Qt::Key_Escape);
             EXPECT_EQ(QApplication::focusWidget(), bar) << "Esc goes back to the menu bar first";
             press(Qt::Key_Escape);
         }},
    };
    const struct {
        TInplaceEditFrame *Box;
        const char *First, *Then;
    } boxes[] = {{w->xEidosErgou, "ΟΙΚΟ", "ΔΟΜΗ"}, {p->DayCount39_1, "1", "2"}};
    for (const auto &b : boxes) {
        SCOPED_TRACE(qPrintable(b.Box->Name()));
        TWinControl *next = w->FindNextControl(b.Box, true);
        ASSERT_TRUE(next);
        const QString held = b.Box->Caption(), nextHeld = next->Caption();
        ClickOn(b.Box);
        ASSERT_TRUE(b.Box->Editor());
        Keys(QString::fromUtf8(b.First));
        QString typed = QString::fromUtf8(b.First);
        for (const auto &way : ways) {
            SCOPED_TRACE(way.Way);
            way.Open(b.Box);
            ASSERT_TRUE(QApplication::activePopupWidget()) << "no menu opened";
            if (way.ByMouse) {
                EXPECT_EQ(FocusedBox(), b.Box);
                EXPECT_TRUE(Marked(b.Box));
                EXPECT_FALSE(Marked(next));
            }
            way.Close(b.Box);
            ASSERT_FALSE(QApplication::activePopupWidget()) << "the menu is still open";
            ASSERT_EQ(FocusedBox(), b.Box);
            EXPECT_TRUE(Marked(b.Box));
            EXPECT_FALSE(Marked(next));
            ASSERT_TRUE(b.Box->Editor());
            EXPECT_EQ(b.Box->Editor()->GetText(), typed);
            // Nothing was handed back on the way.
            EXPECT_EQ(b.Box->Caption(), held);
            EXPECT_FALSE(Main->FileControl1->Modified());
        }
        // Typing goes on after what was typed before, and Enter hands the whole text back once.
        Keys(QString::fromUtf8(b.Then));
        typed += QString::fromUtf8(b.Then);
        Key(Qt::Key_Return);
        EXPECT_EQ(b.Box->Caption(), typed);
        EXPECT_EQ(next->Caption(), nextHeld);
        EXPECT_TRUE(Main->FileControl1->Modified());
        Main->FileControl1->SetModified(false);
    }
    EXPECT_EQ(p->DayCount39_1->Value(), 12);
}

// A window opened from the menu or the tool bar (a table editor, the About box, the preview) takes the focus
// while it is open, and what was typed is handed to its box; once it is closed and the main window is active
// again, the focus is back in that box's editor, marked, the caret after what was typed and nothing selected,
// so that typing goes on after it rather than over it.
TEST_F(BoxEditing, AWindowOpenedOverTheMainWindowGivesTheFocusBackToTheBoxItTookItFrom)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = Doc();
    TEmployFrame *p = Page1();
    const struct {
        const char *Way;
        std::function<void()> OpenAndClose;
    } ways[] = {
        {"Συλογές/Πίνακες > Εργαζόμενοι, closed",
         [&] {
             TTableEditor *editor = nullptr;
             WhenShown<TTableEditor>(editor, [](TTableEditor *e) { e->Peer()->close(); });
             ChooseFromMenu({QStringLiteral("Συλογές/Πίνακες"), QStringLiteral("Εργαζόμενοι")}, true);
             EXPECT_TRUE(editor);
         }},
        {"Βοήθεια > Για το πρόγραμμα..., Esc",
         [&] {
             TAbout *about = nullptr;
             WhenShown<TAbout>(about, [](TAbout *a) { QTest::keyClick(a->Peer()->windowHandle(), Qt::Key_Escape); });
             ChooseFromMenu({QStringLiteral("Βοήθεια"), QStringLiteral("Για το πρόγραμμα...")}, true);
             EXPECT_TRUE(about);
         }},
        {"the preview's tool button, Έξοδος",
         [&] {
             TPreviewForm *preview = nullptr;
             WhenShown<TPreviewForm>(preview, [](TPreviewForm *f) { f->aClose->Execute(); });
             QTest::mouseClick(Main->ActionToolBar1->ToolBar()->widgetForAction(Main->aPreview->Handle()),
                               Qt::LeftButton);
             Settle();
             EXPECT_TRUE(preview);
         }},
    };
    const struct {
        TInplaceEditFrame *Box;
        std::vector<const char *> Typed, Held;
    } boxes[] = {{w->xEidosErgou, {"ΟΙΚΟ", "ΔΟ", "ΜΗ"}, {"ΟΙΚΟ", "ΟΙΚΟΔΟ", "ΟΙΚΟΔΟΜΗ"}},
                 {p->Apodoxes1, {"1", "2", "3"}, {"1,00 €", "12,00 €", "123,00 €"}}};
    for (const auto &b : boxes) {
        SCOPED_TRACE(qPrintable(b.Box->Name()));
        TWinControl *next = w->FindNextControl(b.Box, true);
        ASSERT_TRUE(next);
        ClickOn(b.Box);
        QString typed;
        for (size_t i = 0; i < std::size(ways); ++i) {
            SCOPED_TRACE(ways[i].Way);
            ASSERT_TRUE(b.Box->Editor());
            Keys(QString::fromUtf8(b.Typed[i]));
            typed += QString::fromUtf8(b.Typed[i]);
            ways[i].OpenAndClose();
            EXPECT_EQ(b.Box->Caption(), QString::fromUtf8(b.Held[i]));
            // The window system activates the main window again.
            QApplication::setActiveWindow(Main->Peer());
            Settle();
            ASSERT_EQ(FocusedBox(), b.Box);
            ASSERT_TRUE(b.Box->Editor());
            QLineEdit *edit = FocusedEditor();
            ASSERT_EQ(edit, b.Box->Editor()->LineEdit());
            // The preview reads the document as every command does: as after Enter, the box's text.
            const QString shown = i + 1 == std::size(ways) ? QString::fromUtf8(b.Held[i]) : typed;
            EXPECT_EQ(edit->text(), shown);
            EXPECT_FALSE(edit->hasSelectedText());
            EXPECT_EQ(edit->cursorPosition(), shown.size());
            EXPECT_TRUE(Marked(b.Box));
            EXPECT_FALSE(Marked(next));
        }
        Key(Qt::Key_Return);
        EXPECT_EQ(b.Box->Caption(), QString::fromUtf8(b.Held.back()));
    }
    EXPECT_EQ(p->Apodoxes1->Value(), Currency::FromInt(123));
}

// Ctrl+Ins and Ctrl+Del are the page commands' also while a box's editor has the focus, as at start-up: the
// edit's own copy and word deletion give way. What is typed is handed back first, and a text the box refuses
// stops the command; nothing typed is lost, and Del alone is still the editor's.
TEST_F(BoxEditing, CtrlInsAndCtrlDelAddAndDeleteAPageAlsoFromABoxBeingTypedInto)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = Doc();
    const int pages = w->PageCount();
    QApplication::clipboard()->setText(QStringLiteral("πρόχειρο"));
    TInplaceEditFrame *header = w->xEidosErgou;
    ClickOn(header);
    Keys(QStringLiteral("ΟΙΚΟΔΟΜΗ"));
    Key(Qt::Key_Home);
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(w->PageCount(), pages + 1);
    EXPECT_EQ(w->PageControl1->ActivePageIndex(), pages);
    EXPECT_EQ(header->Caption(), QStringLiteral("ΟΙΚΟΔΟΜΗ"));
    EXPECT_TRUE(Main->FileControl1->Modified());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("πρόχειρο"));
    // The header box stays in sight, and keeps the focus and its editor.
    ASSERT_EQ(FocusedBox(), header);
    EXPECT_TRUE(Marked(header));
    ASSERT_TRUE(header->Editor());
    // Before the word Ctrl+Del would take: the page goes, once asked, and the text stays whole.
    Keys(QStringLiteral("ΝΕΑ "));
    Answers = {mrYes};
    Key(Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], QStringLiteral("Θέλετε να διαγράψετε τη Σελίδα %1").arg(pages + 1));
    EXPECT_EQ(w->PageCount(), pages);
    EXPECT_EQ(header->Caption(), QStringLiteral("ΝΕΑ ΟΙΚΟΔΟΜΗ"));
    ASSERT_TRUE(header->Editor());
    EXPECT_EQ(header->Editor()->GetText(), QStringLiteral("ΝΕΑ ΟΙΚΟΔΟΜΗ"));
    Key(Qt::Key_Delete);
    EXPECT_EQ(header->Editor()->GetText(), QStringLiteral("ΝΕΑ ΙΚΟΔΟΜΗ"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(header->Caption(), QStringLiteral("ΝΕΑ ΟΙΚΟΔΟΜΗ"));

    // From a box of the page: a refused text is told once and no page comes; corrected, it is handed back
    // and the page is added, shown, with the tabs holding the focus as after a click on a tab.
    TEmployFrame *p = Page1();
    ShowPage(0);
    ClickOn(p->DayCount39_1);
    Keys(QStringLiteral("-5"));
    TFocusTakingDialogs dialogs;
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(w->PageCount(), pages);
    ASSERT_TRUE(p->DayCount39_1->Editor());
    EXPECT_EQ(p->DayCount39_1->Editor()->GetText(), QStringLiteral("-5"));
    EXPECT_EQ(FocusedBox(), p->DayCount39_1);
    Key(Qt::Key_A, Qt::ControlModifier);
    Keys(QStringLiteral("5"));
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(w->PageCount(), pages + 1);
    EXPECT_EQ(w->PageControl1->ActivePageIndex(), pages);
    EXPECT_EQ(p->DayCount39_1->Value(), 5);
    EXPECT_EQ(QApplication::focusWidget(), w->PageControl1->TabWidget()->tabBar());
    // Marked, as after Tab: the keys go on from the tab.
    EXPECT_TRUE(Main->Peer()->testAttribute(Qt::WA_KeyboardFocusChange));
}
