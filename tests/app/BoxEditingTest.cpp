// Typing into the boxes of the declaration window, placed in the shown main window, with keys and clicks
// delivered to the widget under the point and documents saved and opened through the document controller.
#include "ApdDataTestSupport.h"
#include "BoxEditingFixture.h"
#include "XForms/DataSetPopupF.h"
#include "XForms/DbXForms.h"
#include "XForms/XDateFrame.h"
#include "app/ApdDataF.h"
#include "declaration/eApdOptionsF.h"
#include "support/FocusTakingDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

namespace
{

class BoxEditing : public BoxEditingFixture
{
protected:
    TEmployFrame *Page1() { return MainWindow->Document->Pages(0); }
    // The editor that has the focus, if any.
    static QLineEdit *FocusedEditor() { return qobject_cast<QLineEdit *>(QApplication::focusWidget()); }
    QString Doc(const char *name) { return QDir(Dir.path()).filePath(QString::fromUtf8(name)); }
};

} // namespace

TEST_F(BoxEditing, PassingThroughBoxesNeverChangesTheirText)
{
    if (!ShowMain())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = MainWindow->Document;
    // A register number longer than its box takes (read from an older document, say), and a text longer
    // than any line edit holds by default.
    const QString tenDigits = QStringLiteral("1234567890");
    const QString longText = QString(QStringLiteral("ΑΝΕΓΕΡΣΗ ")).repeated(3700);
    ASSERT_GT(longText.size(), 32767);
    Page1()->XFrame22a->SetCaption(tenDigits);
    w->xEidosErgou->SetCaption(longText);
    const QString first = Doc("Έργο.vapd");
    SaveAs(first);
    Open(first);
    w = MainWindow->Document;
    ASSERT_EQ(Page1()->XFrame22a->Caption(), tenDigits);

    // Into each box and out again, by click (a double click where a click opens a picker), Enter, Tab.
    for (TInplaceEditFrame *box : {static_cast<TInplaceEditFrame *>(Page1()->XFrame22a), w->xEidosErgou}) {
        Click(box, {-1, -1}, bool(box->OnClick));
        ASSERT_TRUE(box->Editor()) << qPrintable(box->Name());
        ASSERT_EQ(FocusedEditor(), box->Editor()->LineEdit());
        EXPECT_EQ(box->Editor()->GetText().size(), box->Caption().size());
        Key(Qt::Key_Return);
        Key(Qt::Key_Tab);
        EXPECT_FALSE(box->Editor()) << qPrintable(box->Name());
    }
    EXPECT_EQ(Page1()->XFrame22a->Caption(), tenDigits);
    EXPECT_EQ(w->xEidosErgou->Caption(), longText);
    EXPECT_FALSE(MainWindow->FileControl1->Modified());

    // Saved and opened again: still whole.
    const QString second = Doc("Έργο 2.vapd");
    SaveAs(second);
    Open(second);
    EXPECT_EQ(Page1()->XFrame22a->Caption(), tenDigits);
    EXPECT_EQ(MainWindow->Document->xEidosErgou->Caption(), longText);

    // The limit bounds what is typed: the text entered replaces the old one and stops at 9 digits.
    DoubleClick(Page1()->XFrame22a);
    Type(QStringLiteral("98765432101"));
    EXPECT_EQ(FocusedEditor()->text(), QStringLiteral("987654321"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Page1()->XFrame22a->Caption(), QStringLiteral("987654321"));
    EXPECT_TRUE(MainWindow->FileControl1->Modified());
}

TEST_F(BoxEditing, ARefusedTextShowsOneMessageAndStaysToBeCorrected)
{
    if (!ShowMain())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = MainWindow->Document;
    struct Case {
        TInplaceEditFrame *Box;
        const char *Bad, *Good, *Shown;
    } cases[] = {
        {w->DatePeriodFrame, "13/2025", "3/2025", "3/2025"},
        {Page1()->XIntegerFrame1, "12x", "4", "4"},
        {Page1()->Payment1, "12.5", "12,50", "12,50 €"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.Box->Name()));
        const QString before = c.Box->Caption();
        TFocusTakingDialogs dialogs;
        Click(c.Box, {-1, -1}, bool(c.Box->OnClick));
        ASSERT_TRUE(c.Box->Editor());
        Type(QString::fromUtf8(c.Bad));
        Key(Qt::Key_Return);
        EXPECT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Requests().at(0).DlgType, mtError);
        // The editor is still there, with the focus and the text, to be corrected.
        ASSERT_TRUE(c.Box->Editor());
        EXPECT_EQ(FocusedEditor(), c.Box->Editor()->LineEdit());
        EXPECT_EQ(c.Box->Editor()->GetText().toStdString(), c.Bad);
        EXPECT_EQ(c.Box->Caption(), before);

        // Leaving with the same text tries it once more: one message more, the editor kept.
        Key(Qt::Key_Tab);
        EXPECT_EQ(dialogs.Count(), 2);
        ASSERT_TRUE(c.Box->Editor());
        EXPECT_EQ(c.Box->Caption(), before);

        // Back into it, corrected: taken without a word, and leaving closes the editor.
        Click(c.Box);
        EXPECT_EQ(FocusedEditor(), c.Box->Editor()->LineEdit());
        Key(Qt::Key_A, Qt::ControlModifier);
        Type(QString::fromUtf8(c.Good));
        Key(Qt::Key_Return);
        EXPECT_EQ(c.Box->Caption().toStdString(), c.Shown);
        Key(Qt::Key_Tab);
        EXPECT_FALSE(c.Box->Editor());
        EXPECT_EQ(dialogs.Count(), 2);
    }
    EXPECT_EQ(w->DatePeriodFrame->Date(), EncodeDate(2025, 3, 1));
}

TEST_F(BoxEditing, TypingReplacesTheTextOfABoxEnteredByClickOrTab)
{
    if (!ShowMain())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *w = MainWindow->Document;
    FillHeader(*w);
    ASSERT_EQ(w->DatePeriodFrame->Caption(), QStringLiteral("11/2002"));
    Click(w->DatePeriodFrame);
    Type(QStringLiteral("3/2025"));
    Key(Qt::Key_Return);
    EXPECT_EQ(w->DatePeriodFrame->Date(), EncodeDate(2025, 3, 1));
    EXPECT_EQ(w->DatePeriodFrame->Caption(), QStringLiteral("3/2025"));

    // Along the row with Tab and back with Shift+Tab: each box opens its editor with the whole text selected,
    // so that what is typed replaces it.
    TEmployFrame *p = Page1();
    PickEmployee(p, 0, QStringLiteral("123456789"));
    p->DayCount39_1->SetValue(12);
    Click(p->DayCount39_1);
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
    Type(QStringLiteral("9"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(p->DayCount39_1->Value(), 9);
}

TEST_F(BoxEditing, DialogKeysOfTheExportOptions)
{
    if (!ShowMain())
        GTEST_SKIP() << "no keyboard focus on this platform";
    FillHeader(*MainWindow->Document);
    const QString csc = Doc("csc01");
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
    MainWindow->aExportIkaApd->Execute();
    ASSERT_TRUE(shown);
    EXPECT_FALSE(QFile::exists(csc));

    // Enter in the company name confirms, as the OK button.
    shown = nullptr;
    WhenShown<TeApdOptions>(shown, [&](TeApdOptions *d) {
        prepare(d);
        Click(d->Edit1);
        Key(Qt::Key_Return);
        closedBy(d, "Enter");
    });
    MainWindow->aExportIkaApd->Execute();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(QFile::exists(csc));
}

TEST_F(BoxEditing, TheEmployeePickerOpensWithTheArrowKeysInItsGrid)
{
    if (!ShowMain())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TEmployFrame *p = Page1();
    Click(p->XFrame22a);
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
