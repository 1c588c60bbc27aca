#include "db/DBGrids.h"
#include "support/EmployeesTable.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

TEST(DBGrid, ColumnsFollowTheVisibleFieldsAndRowsTheCurrentRecord)
{
    TEmployeesFolder folder(5);
    TTable *table = folder.Table();
    table->Open();
    TDataSource source(nullptr);
    TDBGrid grid(nullptr);
    grid.SetBounds(0, 0, 600, 200);
    grid.SetDataSource(&source);
    QTableView *view = grid.TableView();
    EXPECT_EQ(grid.ColumnCount(), 0);
    source.SetDataSet(table);
    EXPECT_EQ(grid.ColumnCount(), 7);
    EXPECT_EQ(grid.RowCount(), 5);

    auto *money = static_cast<TNumericField *>(table->FieldByName(QStringLiteral("ΕΠΙΔΟΜΑ")));
    money->SetDisplayFormat(QStringLiteral("#,##0.00"));
    table->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetDisplayLabel(QStringLiteral("Επώνυμο"));
    table->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetDisplayWidth(30);
    table->FieldByName(QStringLiteral("ΟΝΟΜΑ"))->SetVisible(false);
    // Field settings reach the grid with the next layout change.
    source.SetDataSet(nullptr);
    source.SetDataSet(table);
    EXPECT_EQ(grid.ColumnCount(), 6);
    QAbstractItemModel *model = view->model();
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Επώνυμο"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("ΠΕΡΙΓΡΑΦΗ"));
    EXPECT_EQ(view->columnWidth(1), grid.DefaultColumnWidth(table->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))));
    EXPECT_GT(view->columnWidth(1), view->columnWidth(4));
    EXPECT_EQ(model->index(0, 5).data().toString(), QStringLiteral("50,00"));
    EXPECT_EQ(model->index(1, 5).data().toString(), QStringLiteral("51,23"));
    EXPECT_TRUE(model->index(0, 5).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);

    // The current row follows the dataset, and moving the row moves the dataset.
    table->Last();
    EXPECT_EQ(view->currentIndex().row(), 4);
    view->setCurrentIndex(model->index(2, 1));
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_EQ(grid.SelectedField(), table->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ")));

    // A click reports its column after moving there.
    TColumn *clicked = nullptr;
    int recNo = 0;
    grid.OnCellClick = [&](TColumn *c) {
        clicked = c;
        recNo = table->RecNo();
    };
    grid.Show();
    view->show();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(model->index(1, 2)).center());
    ASSERT_TRUE(clicked);
    EXPECT_EQ(clicked->Field(), table->FieldByName(QStringLiteral("ΠΕΡΙΓΡΑΦΗ")));
    EXPECT_EQ(recNo, 2);

    // A filter changes the rows; an edit of the current record shows at once.
    table->SetFilter(QStringLiteral("[ΕΓΓΑΜΟΣ] = '1'"));
    table->SetFiltered(true);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(view->currentIndex().row(), 0);
    table->Edit();
    table->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetAsString(QStringLiteral("Νέο"));
    EXPECT_EQ(model->index(0, 1).data().toString(), QStringLiteral("Νέο"));
    table->Cancel();

    // Closing empties it; a freed data source is forgotten.
    table->Close();
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.ColumnCount(), 0);
    {
        TDataSource gone(nullptr);
        grid.SetDataSource(&gone);
    }
    EXPECT_EQ(grid.DataSource(), nullptr);
}
