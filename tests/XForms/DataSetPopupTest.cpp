#include "XForms/DataSetPopupF.h"
#include "XForms/DbXForms.h"
#include "db/DBCtrls.h"
#include "support/EmployeesTable.h"
#include "vcl/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace
{
class DataSetPopupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        table = folder.Table();
        table->Open();
        source = new TDataSource(&folder.Owner);
        source->SetDataSet(table);
        form.SetBounds(40, 40, 400, 200);
        form.Show();
        QApplication::setActiveWindow(form.Peer());
    }
    TDbLookupXFrame *Box(const QString &field, int group, TDataSource *ds)
    {
        auto *b = new TDbLookupXFrame(&form);
        b->SetName(QStringLiteral("Box%1").arg(++count));
        b->SetParent(&form);
        b->SetBounds(10, 10 + 30 * count, 150, 24);
        b->SetDataSource(ds);
        b->SetDataField(field);
        b->SetGroup(group);
        return b;
    }
    // A click on a cell of the grid (row and column 0-based).
    void ClickCell(int row, int column)
    {
        QTableView *view = popup.DataSetFilterFrame1->DBGrid1->TableView();
        // The pop-up activates itself when shown; the offscreen platform does it when asked.
        QApplication::setActiveWindow(popup.Peer());
        const QRect r = view->visualRect(view->model()->index(row, column));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    TEmployeesFolder folder{12};
    TTable *table = nullptr;
    TDataSource *source = nullptr;
    TForm form{nullptr};
    TDataSetPopup popup{nullptr};
    int count = 0;
};
} // namespace

TEST_F(DataSetPopupTest, DesignAndHeightByRecordCount)
{
    EXPECT_EQ(popup.ClientWidth(), 506);
    EXPECT_EQ(popup.ClientHeight(), 306);
    EXPECT_EQ(popup.Width(), 508);
    EXPECT_EQ(popup.Panel1->Align(), alClient);
    popup.SetDataSet(table);
    popup.AdjustHeight();
    EXPECT_EQ(popup.Height(), 247);
    table->SetFilter(QStringLiteral("[ΤΡΙΕΤΙΕΣ] < '3'"));
    table->SetFiltered(true);
    EXPECT_EQ(table->RecordCount(), 9);
    popup.AdjustHeight();
    EXPECT_EQ(popup.Height(), 240);
    table->SetFilter(QStringLiteral("[ΤΡΙΕΤΙΕΣ] >= '0'"));
    EXPECT_EQ(table->RecordCount(), 12);
    popup.SetBounds(0, 0, 20, 30);
    EXPECT_EQ(popup.Width(), 112);
    EXPECT_EQ(popup.Height(), 112);
}

TEST_F(DataSetPopupTest, SizingBorderHitTest)
{
    EXPECT_EQ(TDataSetPopup::HitTestOf(0, 0, 506, 306), HTTOPLEFT);
    EXPECT_EQ(TDataSetPopup::HitTestOf(16, 100, 506, 306), HTLEFT);
    EXPECT_EQ(TDataSetPopup::HitTestOf(17, 17, 506, 306), HTCLIENT);
    EXPECT_EQ(TDataSetPopup::HitTestOf(489, 289, 506, 306), HTCLIENT);
    EXPECT_EQ(TDataSetPopup::HitTestOf(490, 5, 506, 306), HTTOPRIGHT);
    EXPECT_EQ(TDataSetPopup::HitTestOf(200, 290, 506, 306), HTBOTTOM);
    EXPECT_EQ(TDataSetPopup::HitTestOf(505, 305, 506, 306), HTBOTTOMRIGHT);
    EXPECT_EQ(TDataSetPopup::HitTestOf(3, 305, 506, 306), HTBOTTOMLEFT);
    EXPECT_EQ(TDataSetPopup::HitTestOf(200, 1, 506, 306), HTTOP);
    EXPECT_EQ(TDataSetPopup::HitTestOf(505, 150, 506, 306), HTRIGHT);
}

TEST_F(DataSetPopupTest, BoxWithoutDataSourceIsReportedAndNothingShows)
{
    TDbLookupXFrame *box = Box(QStringLiteral("ΕΠΩΝΥΜΟ"), 0, nullptr);
    TScriptedDialogs dialogs;
    popup.PopupExt(box, -1, nullptr);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg, QStringLiteral("Error!!!Box1"));
    EXPECT_FALSE(popup.Visible());
}

TEST_F(DataSetPopupTest, CopyOfOneFieldThenAGroupPickAfterAnEscapedShowing)
{
    TDbLookupXFrame *key = Box(TEmployeesFolder::Register, 0, source);
    TDbLookupXFrame *name = Box(QStringLiteral("ΕΠΩΝΥΜΟ"), 0, source);
    TDbLookupXFrame *given = Box(QStringLiteral("ΟΝΟΜΑ"), 0, source);

    // Copy one field's value into a box, then leave with Esc: nothing is written, nothing is left over.
    popup.PopupFor(name, table, 0, QStringLiteral("ΠΕΡΙΓΡΑΦΗ"));
    EXPECT_TRUE(popup.Visible());
    EXPECT_EQ(popup.ResultField(), QStringLiteral("ΠΕΡΙΓΡΑΦΗ"));
    QTest::keyClick(popup.DataSetFilterFrame1->DBGrid1->TableView(), Qt::Key_Escape);
    EXPECT_FALSE(popup.Visible());
    EXPECT_EQ(name->Caption(), QString());

    // Opened from a box of the group: located by the key box, and a click fills the whole group.
    key->SetCaption(QStringLiteral("0000001028"));
    popup.PopupExt(given, -1, nullptr);
    EXPECT_TRUE(popup.Visible());
    EXPECT_EQ(popup.ResultField(), QString());
    EXPECT_EQ(popup.DataSet(), table);
    EXPECT_EQ(table->RecNo(), 5);
    EXPECT_EQ(popup.DataSetFilterFrame1->DBGrid1->TableView()->currentIndex().row(), 4);
    ClickCell(1, 1);
    EXPECT_FALSE(popup.Visible());
    EXPECT_EQ(key->Caption(), QStringLiteral("0000001007"));
    EXPECT_EQ(name->Caption(), QStringLiteral("Αλεξίου"));
    EXPECT_EQ(given->Caption(), QStringLiteral("Μαρία"));

    // Copy with Enter: the text of the field's value in the current record. Letters typed on the way
    // edit nothing: the pick window never changes the reference table.
    popup.PopupFor(name, table, 0, QStringLiteral("ΠΕΡΙΓΡΑΦΗ"));
    QTest::keyClicks(popup.DataSetFilterFrame1->DBGrid1->TableView(), "xy");
    QTest::keyClick(popup.DataSetFilterFrame1->DBGrid1->TableView(), Qt::Key_F2);
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_FALSE(qobject_cast<QLineEdit *>(QApplication::focusWidget())) << "no cell editor opened";
    QTest::keyClick(popup.DataSetFilterFrame1->DBGrid1->TableView(), Qt::Key_Down);
    QTest::keyClick(popup.DataSetFilterFrame1->DBGrid1->TableView(), Qt::Key_Return);
    EXPECT_FALSE(popup.Visible());
    EXPECT_EQ(name->Caption(), QStringLiteral("Εργάτης 10"));
    EXPECT_EQ(key->Caption(), QStringLiteral("0000001007")); // only the one box

    // A list with no rows picks nothing: Enter leaves what the boxes hold, typed or picked.
    name->SetCaption(QStringLiteral("Typed by hand"));
    table->SetFilter(QStringLiteral("[ΕΠΩΝΥΜΟ] = 'Κανείς'"));
    table->SetFiltered(true);
    for (const QString &result : {QStringLiteral("ΠΕΡΙΓΡΑΦΗ"), QString()}) {
        if (result.isEmpty())
            popup.PopupExt(name, 0, nullptr);
        else
            popup.PopupFor(name, table, 0, result);
        ASSERT_EQ(popup.DataSetFilterFrame1->DBGrid1->RowCount(), 0);
        QTest::keyClick(popup.DataSetFilterFrame1->DBGrid1->TableView(), Qt::Key_Return);
        EXPECT_FALSE(popup.Visible());
        EXPECT_EQ(name->Caption(), QStringLiteral("Typed by hand"));
        EXPECT_EQ(key->Caption(), QStringLiteral("0000001007"));
    }
}

TEST_F(DataSetPopupTest, DataAwareEditWithLookupDefinitionGetsTheLookupValue)
{
    // A second table whose field picks its value from the employees.
    TTable *orders = folder.Table();
    orders->Open();
    TField *target = orders->FieldByName(QStringLiteral("ΠΕΡΙΓΡΑΦΗ"));
    TTable *lookup = folder.Table();
    lookup->Open();
    target->SetLookupDataSet(lookup);
    target->SetLookupResultField(QStringLiteral("ΕΠΩΝΥΜΟ"));
    auto *ordersSource = new TDataSource(&folder.Owner);
    ordersSource->SetDataSet(orders);
    auto *edit = new TDBEdit(&form);
    edit->SetParent(&form);
    edit->SetDataSource(ordersSource);
    edit->SetDataField(QStringLiteral("ΠΕΡΙΓΡΑΦΗ"));

    popup.PopupExt(edit, 0, nullptr);
    EXPECT_EQ(popup.Field(), target);
    EXPECT_EQ(popup.DataSet(), lookup);
    ClickCell(2, 0);
    EXPECT_EQ(popup.Field(), nullptr);
    EXPECT_EQ(orders->State(), dsEdit);
    EXPECT_EQ(target->AsString(), QStringLiteral("Γεωργίου"));
    orders->Post();

    // A plain edit gets nothing written; a callback given to PopupExt is not called by the pick.
    TEdit plain(&form);
    plain.SetParent(&form);
    int called = 0;
    popup.PopupExt(&plain, 0, [&](TObject *) { ++called; });
    ClickCell(0, 0);
    EXPECT_EQ(called, 0);
    EXPECT_EQ(plain.GetText(), QString());
}

TEST_F(DataSetPopupTest, FilterAndSortStayOnTheDataSetAndShowAgain)
{
    TDbLookupXFrame *name = Box(QStringLiteral("ΕΠΩΝΥΜΟ"), -1, source);
    table->SetIndexFieldNames(QStringLiteral("ΕΠΩΝΥΜΟ;ΟΝΟΜΑ"));
    table->SetFilter(QStringLiteral("[ΕΠΩΝΥΜΟ] >= 'Δ'"));
    table->SetFiltered(true);
    popup.PopupExt(name, 0, nullptr);
    TDataSetFilterFrame *bar = popup.DataSetFilterFrame1;
    EXPECT_EQ(bar->FieldsCombo->GetText(), QStringLiteral("ΕΠΩΝΥΜΟ"));
    EXPECT_EQ(bar->FilterKindCombo->GetText(), QStringLiteral(">="));
    EXPECT_EQ(bar->FilterValueEdit->GetText(), QStringLiteral("Δ"));
    EXPECT_EQ(bar->DBGrid1->RowCount(), table->RecordCount());
    EXPECT_EQ(bar->DBGrid1->TableView()->model()->index(0, 1).data().toString(), QStringLiteral("Δημητρίου"));

    // Look at it: the pop-up with its bar and grid, rendered.
    const QImage shot = popup.Peer()->grab().toImage();
    EXPECT_EQ(shot.width(), popup.Width());
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR"))
        shot.save(QDir(qEnvironmentVariable("APD_RENDER_DIR")).filePath(QStringLiteral("DataSetPopup.png")));
    popup.ClosePopup();
}

// A box of a group typed into opens the grid with Alt+Down, located by what is typed; the pick fills the
// group, ends the editor and leaves the box the focus, and a key typed then is no typing over the pick.
TEST_F(DataSetPopupTest, AltDownFromABoxTypedIntoLocatesWhatIsTypedAndThePickEndsTheEditor)
{
    if (QApplication::activeWindow() != form.Peer())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TDbLookupXFrame *key = Box(TEmployeesFolder::Register, 0, source);
    TDbLookupXFrame *name = Box(QStringLiteral("ΕΠΩΝΥΜΟ"), 0, source);
    key->SetTabStop(true);
    key->OnClick = [&](TObject *) { popup.PopupExt(key, 0, nullptr); };
    key->SetFocus();
    ASSERT_TRUE(key->Editor());
    QTest::keyClicks(QApplication::focusWidget(), "0000001028");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(popup.Visible());
    EXPECT_EQ(key->Caption(), QStringLiteral("0000001028"));
    EXPECT_EQ(table->RecNo(), 5);
    QApplication::setActiveWindow(popup.Peer());
    QTableView *grid = popup.DataSetFilterFrame1->DBGrid1->TableView();
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_FALSE(popup.Visible());
    const QString picked = table->FieldByName(TEmployeesFolder::Register)->AsString();
    EXPECT_NE(picked, QStringLiteral("0000001028"));
    EXPECT_EQ(key->Caption(), picked);
    EXPECT_EQ(name->Caption(), table->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->AsString());
    // The window system activates the window the grid served (after the grid's own request is done).
    QCoreApplication::processEvents();
    QApplication::setActiveWindow(form.Peer());
    QCoreApplication::processEvents();
    EXPECT_FALSE(key->Editor());
    ASSERT_EQ(QApplication::focusWidget(), key->Peer());
    QTest::keyClicks(key->Peer(), "9");
    EXPECT_EQ(key->Caption(), picked);
    EXPECT_FALSE(key->Editor());
}
