// The data grid: the records of a data source's dataset as rows over a Qt table view, one column per
// visible field, titled with the field's display label, sized by its display width and showing its display
// text. The current row follows the dataset's current record and moving the row moves the record.
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
    void SetReadOnly(bool Value) { FReadOnly = Value; }

    int ColumnCount() const { return int(FColumns.size()); }
    TColumn *Columns(int Index) const { return FColumns[size_t(Index)].get(); }
    // The field of the current column, or none.
    TField *SelectedField() const;
    int SelectedIndex() const { return FSelectedIndex; }
    // Rows shown (the dataset's records through its filter).
    int RowCount() const { return FRowCount; }
    // Width in pixels a column takes for its field.
    int DefaultColumnWidth(TField *Field);
    QTableView *TableView();

    TDBGridClickEvent OnCellClick;

    // Link callbacks.
    void LinkActive();
    void DataChanged();
    void Scrolled();
    void RecordChanged(TField *Field);

protected:
    QWidget *CreatePeer() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void FontChanged() override;
    virtual void CellClick(TColumn *Column);

private:
    friend class TDBGridModel;
    void BuildColumns();
    void ResetRows();
    void SyncCurrent();
    void ApplyColumnWidths();
    void CurrentMoved(int Row, int Column);
    void Clicked(int Row, int Column);

    std::unique_ptr<TGridDataLink> FDataLink;
    std::unique_ptr<TFont> FTitleFont;
    std::vector<std::unique_ptr<TColumn>> FColumns;
    TDBGridModel *FModel = nullptr;
    int FRowCount = 0;
    int FSelectedIndex = 0;
    bool FReadOnly = false;
    bool FSyncing = false;
};
