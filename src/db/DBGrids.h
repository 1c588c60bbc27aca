// The data grid: the records of a data source's dataset as rows over a Qt table view, one column per
// visible field, titled with the field's display label, sized by its display width and showing its display
// text. The current row follows the dataset's current record and moving the row moves the record.
// Cells are edited in place (typing, F2, Enter or a click on the current cell): a confirmed cell puts the
// record into edit state and writes the field; leaving the row posts the record, and an error there (a
// required field, a key already present) is shown and keeps the row. Escape drops a cell's typing, and
// then the record's changes. A new record being inserted shows as a row of its own.
#pragma once

#include "db/DB.h"
#include "vcl/Controls.h"

#include <QPointer>

class QTableView;
class TDBGrid;
class TDBGridModel;
class TGridDataLink;

// One column of the grid: a visible field of the dataset.
class TColumn : public TPersistent
{
    Q_OBJECT
public:
    TColumn(TDBGrid *Grid, TField *Field, int Index) : FGrid(Grid), FField(Field), FIndex(Index) {}
    TDBGrid *Grid() const { return FGrid; }
    TField *Field() const { return FField; }
    QString FieldName() const;
    QString Title() const;
    int Index() const { return FIndex; }

private:
    TDBGrid *FGrid;
    QPointer<TField> FField;
    int FIndex;
};

using TDBGridClickEvent = TEvent<void(TColumn *Column)>;

class TDBGrid : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(TDataSource *DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(TFont *TitleFont READ TitleFont WRITE SetTitleFont)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(TDBGridClickEvent OnCellClick MEMBER OnCellClick)
    Q_CLASSINFO("Default:ReadOnly", "False")

public:
    Q_INVOKABLE explicit TDBGrid(TComponent *AOwner);
    ~TDBGrid() override;

    TDataSource *DataSource() const;
    void SetDataSource(TDataSource *Value);
    TDataSet *DataSet() const;
    TFont *TitleFont() const { return FTitleFont.get(); }
    void SetTitleFont(TFont *Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);

    int ColumnCount() const { return int(FColumns.size()); }
    TColumn *Columns(int Index) const { return FColumns[size_t(Index)].get(); }
    // The field of the current column, or none.
    TField *SelectedField() const;
    int SelectedIndex() const { return FSelectedIndex; }
    // Rows shown (the dataset's records through its filter, and a new record being inserted).
    int RowCount() const { return FRowCount + (FInsertRow >= 0 ? 1 : 0); }
    // The row of the new record while one is inserted, else -1.
    int InsertRow() const { return FInsertRow; }
    // Whether the user may edit the cells of a column now.
    bool CanEditColumn(int Column) const;
    // Width in pixels a column takes for its field.
    int DefaultColumnWidth(TField *Field);
    QTableView *TableView();

    TDBGridClickEvent OnCellClick;

    // Link callbacks.
    void LinkActive();
    void DataChanged();
    void Scrolled();
    void RecordChanged(TField *Field);
    // The text of a cell being edited goes into its field before the record is posted.
    void UpdateData();
    // The user typed into a cell: the record goes into edit state.
    void EditStarted();

protected:
    QWidget *CreatePeer() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void FontChanged() override;
    void KeyDown(quint16 &Key, TShiftState Shift) override;
    virtual void CellClick(TColumn *Column);

private:
    friend class TDBGridModel;
    void BuildColumns();
    void ResetRows();
    void SyncCurrent();
    void ApplyColumnWidths();
    void CurrentMoved(int Row, int Column);
    void Clicked(int Row, int Column);
    // The dataset's record shown in a row (-1 for the new record's row).
    int RecordOfRow(int Row) const;
    QString CellText(int Row, TField *Field, bool Display) const;
    // Writes a confirmed cell into its field; false (the error shown) when the field refuses it.
    bool SetCellText(int Row, int Column, const QString &Text);
    void ApplyEditTriggers();

    std::unique_ptr<TGridDataLink> FDataLink;
    std::unique_ptr<TFont> FTitleFont;
    std::vector<std::unique_ptr<TColumn>> FColumns;
    TDBGridModel *FModel = nullptr;
    int FRowCount = 0;
    int FInsertRow = -1;
    int FLastRow = 0; // the row of the current record when last shown
    int FSelectedIndex = 0;
    bool FReadOnly = false;
    bool FSyncing = false;
};
