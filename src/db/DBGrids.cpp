#include "DBGrids.h"

#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>

#include <cmath>

// ------------------------------------------------------------------------------------------ TColumn

QString TColumn::FieldName() const
{
    return FField ? FField->FieldName() : QString();
}

QString TColumn::Title() const
{
    return FField ? FField->DisplayLabel() : QString();
}

// ------------------------------------------------------------------------------------ link and model

class TGridDataLink : public TDataLink
{
public:
    explicit TGridDataLink(TDBGrid *Grid) : FGrid(Grid) {}

protected:
    void ActiveChanged() override { FGrid->LinkActive(); }
    void DataSetChanged() override { FGrid->DataChanged(); }
    void DataSetScrolled(int) override { FGrid->Scrolled(); }
    void LayoutChanged() override { FGrid->LinkActive(); }
    void RecordChanged(TField *Field) override { FGrid->RecordChanged(Field); }
    void UpdateData() override { FGrid->UpdateData(); }

private:
    TDBGrid *FGrid;
};

class TDBGridModel : public QAbstractTableModel
{
public:
    TDBGridModel(TDBGrid *Grid, QObject *Parent) : QAbstractTableModel(Parent), FGrid(Grid) {}

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : FGrid->RowCount(); }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : FGrid->ColumnCount(); }
    QVariant data(const QModelIndex &index, int role) const override
    {
        TDataSet *ds = FGrid->DataSet();
        if (!ds || !ds->Active() || !index.isValid() || index.column() >= FGrid->ColumnCount())
            return {};
        TField *f = FGrid->Columns(index.column())->Field();
        if (!f)
            return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            // A drawing must not take the application down: a value that cannot be shown shows empty.
            try {
                return FGrid->CellText(index.row(), f, role == Qt::DisplayRole);
            } catch (const std::exception &) {
                return QString();
            }
        }
        if (role == Qt::TextAlignmentRole) {
            const TFieldType t = f->DataType();
            const bool right = t == ftSmallint || t == ftInteger || t == ftFloat || t == ftCurrency;
            return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
        }
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (index.isValid() && FGrid->CanEditColumn(index.column()))
            f |= Qt::ItemIsEditable;
        return f;
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        return role == Qt::EditRole && index.isValid() && FGrid->SetCellText(index.row(), index.column(), value.toString());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Horizontal && section < FGrid->ColumnCount())
            return FGrid->Columns(section)->Title();
        return QString();
    }
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }
    void RowChanged(int Row)
    {
        if (Row >= 0 && Row < FGrid->RowCount() && FGrid->ColumnCount() > 0)
            Q_EMIT dataChanged(index(Row, 0), index(Row, FGrid->ColumnCount() - 1));
    }

private:
    TDBGrid *FGrid;
};

// The cell editor: a string field takes no more characters than it holds, and only those it allows.
class TDBGridDelegate : public QStyledItemDelegate
{
public:
    TDBGridDelegate(TDBGrid *Grid, QObject *Parent) : QStyledItemDelegate(Parent), FGrid(Grid) {}
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        auto *line = qobject_cast<QLineEdit *>(editor);
        TField *f = index.column() < FGrid->ColumnCount() ? FGrid->Columns(index.column())->Field() : nullptr;
        if (line && f) {
            auto *filter = new TTypedInputFilter(line);
            if (f->DataType() == ftString)
                filter->MaxLength = f->Size();
            filter->ValidChars = f->ValidChars();
            filter->FieldName = f->DisplayName();
            line->setValidator(filter);
        }
        // The first key typed puts the record into edit state, so the navigator offers Post and Cancel.
        if (line)
            QObject::connect(line, &QLineEdit::textEdited, FGrid, [grid = FGrid] { GuardEvent([grid] { grid->EditStarted(); }); });
        return editor;
    }
    // The cell's own text goes in whole, whatever it holds.
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *line = qobject_cast<QLineEdit *>(editor);
        auto *filter = line ? dynamic_cast<TTypedInputFilter *>(const_cast<QValidator *>(line->validator())) : nullptr;
        if (filter)
            filter->Programmatic = true;
        QStyledItemDelegate::setEditorData(editor, index);
        if (filter)
            filter->Programmatic = false;
    }

private:
    TDBGrid *FGrid;
};

// The grid's widget. Tab moves to the next column of the row and Shift+Tab to the previous one; past the
// row's last (or first) column they leave the grid, so that the keyboard reaches the controls after it.
class TDBGridView : public TPeer<QTableView>
{
public:
    using TPeer<QTableView>::TPeer;
    bool Editing() const { return state() == QAbstractItemView::EditingState; }
    // Hands the open cell editor's text to the model, as leaving the cell would.
    void CommitEditor()
    {
        if (!Editing())
            return;
        if (QWidget *editor = indexWidget(currentIndex()))
            commitData(editor);
    }

    // Rows come into view as Qt brings them. Sideways the grid moves only when a key moves the current
    // cell, and only as far as it must to show the start of that cell's column: a column whose start shows
    // already, a wide one too, leaves the view where it is, so the first column, which names the record,
    // stays in sight as long as it can. A click never moves it (the cell clicked stays under the pointer).
    void scrollTo(const QModelIndex &index, ScrollHint hint) override
    {
        QScrollBar *bar = horizontalScrollBar();
        const int before = bar->value();
        TPeer<QTableView>::scrollTo(index, hint);
        bar->setValue(before);
        if (!FByKey || !index.isValid())
            return;
        const int start = columnViewportPosition(index.column());
        const int view = viewport()->width();
        if (start < 0)
            bar->setValue(before + start);
        else if (start >= view)
            bar->setValue(before + start + std::min(columnWidth(index.column()), view) - view);
    }

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        FByKey = true;
        TScopeExit done([this] { FByKey = false; });
        TPeer<QTableView>::keyPressEvent(e);
    }
    bool focusNextPrevChild(bool next) override
    {
        FByKey = true;
        TScopeExit done([this] { FByKey = false; });
        const QModelIndex current = currentIndex();
        if (!current.isValid() || !model())
            return QWidget::focusNextPrevChild(next);
        const int column = current.column() + (next ? 1 : -1);
        if (column < 0 || column >= model()->columnCount())
            return QWidget::focusNextPrevChild(next);
        setCurrentIndex(current.siblingAtColumn(column));
        return true;
    }

private:
    bool FByKey = false; // a key is being handled
};

// ------------------------------------------------------------------------------------------ TDBGrid

TDBGrid::TDBGrid(TComponent *AOwner)
    : TWinControl(AOwner), FDataLink(std::make_unique<TGridDataLink>(this)), FTitleFont(std::make_unique<TFont>())
{
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    // Clicks on cells are reported as OnCellClick; the control's own click stays for the grid as a whole.
    QObject::connect(FTitleFont.get(), &TFont::Changed, this, [this](TFont *) {
        if (HandleAllocated())
            TableView()->horizontalHeader()->setFont(DesignFontOf(FTitleFont.get()));
    });
}

TDBGrid::~TDBGrid()
{
    FDataLink->SetDataSource(nullptr);
    if (HandleAllocated())
        QObject::disconnect(TableView(), nullptr, this, nullptr);
}

TDataSource *TDBGrid::DataSource() const
{
    return FDataLink->DataSource();
}

void TDBGrid::SetDataSource(TDataSource *Value)
{
    if (Value == FDataLink->DataSource())
        return;
    FDataLink->SetDataSource(Value);
    if (Value)
        Value->FreeNotification(this);
    LinkActive();
}

TDataSet *TDBGrid::DataSet() const
{
    return FDataLink->Active() ? FDataLink->DataSet() : nullptr;
}

void TDBGrid::SetTitleFont(TFont *Value)
{
    FTitleFont->Assign(Value);
}

void TDBGrid::Notification(TComponent *AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && FDataLink && AComponent == FDataLink->DataSource())
        SetDataSource(nullptr);
}

QTableView *TDBGrid::TableView()
{
    return static_cast<QTableView *>(Peer());
}

QWidget *TDBGrid::CreatePeer()
{
    auto *view = new TDBGridView(this);
    FModel = new TDBGridModel(this, view);
    view->setModel(FModel);
    view->setItemDelegate(new TDBGridDelegate(this, view));
    view->setFont(DesignFontOf(GetFont()));
    view->horizontalHeader()->setFont(DesignFontOf(FTitleFont.get()));
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->verticalHeader()->setDefaultSectionSize(QFontMetrics(view->font()).height() + 4);
    view->verticalHeader()->setMinimumSectionSize(8);
    view->verticalHeader()->setFixedWidth(12);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setWordWrap(false);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                     [this](const QModelIndex &current, const QModelIndex &) {
                         if (FSyncing || !current.isValid())
                             return;
                         // A record that cannot be posted keeps its row: the grid goes back to it.
                         if (!GuardEvent([&] { CurrentMoved(current.row(), current.column()); }))
                             QMetaObject::invokeMethod(this, [this] { SyncCurrent(); }, Qt::QueuedConnection);
                     });
    QObject::connect(view, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            GuardEvent([&] { Clicked(index.row(), index.column()); });
    });
    BuildColumns();
    FRowCount = DataSet() ? DataSet()->RecordCount() : 0;
    FModel->Reset();
    ApplyColumnWidths();
    ApplyEditTriggers();
    return view;
}

void TDBGrid::SetReadOnly(bool Value)
{
    FReadOnly = Value;
    ApplyEditTriggers();
}

void TDBGrid::ApplyEditTriggers()
{
    if (!HandleAllocated())
        return;
    TableView()->setEditTriggers(FReadOnly ? QAbstractItemView::NoEditTriggers
                                           : QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                                                 QAbstractItemView::EditKeyPressed |
                                                 QAbstractItemView::AnyKeyPressed);
}

bool TDBGrid::CanEditColumn(int Column) const
{
    TDataSet *ds = DataSet();
    TField *f = Column >= 0 && Column < ColumnCount() ? Columns(Column)->Field() : nullptr;
    return !FReadOnly && ds && f && ds->CanModify() && f->FieldKind() == fkData && !f->ReadOnly();
}

int TDBGrid::RecordOfRow(int Row) const
{
    if (FInsertRow < 0 || Row < FInsertRow)
        return Row;
    return Row == FInsertRow ? -1 : Row - 1;
}

QString TDBGrid::CellText(int Row, TField *Field, bool Display) const
{
    TDataSet *ds = DataSet();
    const int record = RecordOfRow(Row);
    if (record < 0)
        return Display ? Field->DisplayText() : Field->Text(); // the new record's buffer
    return ds->RecordText(record, Field, Display);
}

bool TDBGrid::SetCellText(int Row, int Column, const QString &Text)
{
    TDataSet *ds = DataSet();
    TField *f = CanEditColumn(Column) ? Columns(Column)->Field() : nullptr;
    if (!ds || !f)
        return false;
    return GuardEvent([&] {
        // The cell's row is the current record (the view moved there before the editor opened).
        if (const int record = RecordOfRow(Row); record >= 0 && record + 1 != ds->RecNo())
            ds->SetRecNo(record + 1);
        if (ds->State() == dsBrowse) {
            if (f->Text() == Text)
                return; // nothing typed: the record stays as it is
            ds->Edit();
        }
        f->SetText(Text);
    });
}

void TDBGrid::EditStarted()
{
    if (TDataSet *ds = DataSet(); ds && ds->State() == dsBrowse && ds->CanModify())
        ds->Edit();
}

void TDBGrid::UpdateData()
{
    if (HandleAllocated())
        static_cast<TDBGridView *>(TableView())->CommitEditor();
}

void TDBGrid::KeyDown(quint16 &Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    auto *view = static_cast<TDBGridView *>(HandleAllocated() ? TableView() : nullptr);
    TDataSet *ds = DataSet();
    if (!view || !ds || view->Editing() || !Shift.testFlags({}))
        return;
    if (Key == VK_RETURN && view->currentIndex().isValid() && CanEditColumn(view->currentIndex().column())) {
        view->edit(view->currentIndex());
        Key = 0;
    } else if (Key == VK_ESCAPE && (ds->State() == dsEdit || ds->State() == dsInsert)) {
        ds->Cancel();
        Key = 0;
    }
}

void TDBGrid::FontChanged()
{
    TWinControl::FontChanged();
    if (HandleAllocated()) {
        TableView()->setFont(DesignFontOf(GetFont()));
        TableView()->verticalHeader()->setDefaultSectionSize(QFontMetrics(TableView()->font()).height() + 4);
        ApplyColumnWidths();
    }
}

int TDBGrid::DefaultColumnWidth(TField *Field)
{
    const QFontMetrics body(DesignFontOf(GetFont()));
    const QFontMetrics title(DesignFontOf(FTitleFont.get()));
    // Room for as many characters as the field shows: digits, or the capitals the tables are written in,
    // whichever are wider, within the margins the view keeps around a cell's text and the grid line.
    static const QString capitals = QStringLiteral("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ");
    const double character = std::max<double>(body.horizontalAdvance(QLatin1Char('0')),
                                              double(body.horizontalAdvance(capitals)) / capitals.size());
    QWidget *view = HandleAllocated() ? TableView() : nullptr;
    const int margins =
        2 * (view ? view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1 : 3) + 1;
    const int w = int(std::ceil(Field->DisplayWidth() * character)) + margins;
    return std::max(w, title.horizontalAdvance(Field->DisplayLabel()) + 8);
}

void TDBGrid::BuildColumns()
{
    FColumns.clear();
    if (TDataSet *ds = DataSet())
        for (TField *f : ds->Fields())
            if (f->Visible())
                FColumns.push_back(std::make_unique<TColumn>(this, f, int(FColumns.size())));
    if (FSelectedIndex >= ColumnCount())
        FSelectedIndex = 0;
}

void TDBGrid::ApplyColumnWidths()
{
    if (!HandleAllocated())
        return;
    for (int i = 0; i < ColumnCount(); ++i)
        if (TField *f = Columns(i)->Field())
            TableView()->setColumnWidth(i, DefaultColumnWidth(f));
}

TField *TDBGrid::SelectedField() const
{
    return FSelectedIndex < ColumnCount() ? Columns(FSelectedIndex)->Field() : nullptr;
}

void TDBGrid::ResetRows()
{
    TDataSet *ds = DataSet();
    FRowCount = ds ? ds->RecordCount() : 0;
    // A new record shows where the current record was.
    if (!ds || ds->State() != dsInsert)
        FInsertRow = -1;
    else if (FInsertRow < 0 || FInsertRow > FRowCount)
        FInsertRow = std::clamp(FLastRow, 0, FRowCount);
    if (FModel)
        FModel->Reset();
}

void TDBGrid::LinkActive()
{
    if (FModel)
        FModel->Reset(); // the columns go before the model is told
    BuildColumns();
    ResetRows();
    ApplyColumnWidths();
    SyncCurrent();
}

void TDBGrid::DataChanged()
{
    ResetRows();
    SyncCurrent();
}

void TDBGrid::Scrolled()
{
    TDataSet *ds = DataSet();
    if (ds && ds->RecordCount() != FRowCount)
        ResetRows();
    SyncCurrent();
}

void TDBGrid::RecordChanged(TField *)
{
    if (FModel && DataSet())
        FModel->RowChanged(FInsertRow >= 0 ? FInsertRow : DataSet()->RecNo() - 1);
}

void TDBGrid::SyncCurrent()
{
    if (!HandleAllocated() || !FModel)
        return;
    TDataSet *ds = DataSet();
    const int row = FInsertRow >= 0 ? FInsertRow : ds ? ds->RecNo() - 1 : -1;
    if (FInsertRow < 0 && row >= 0)
        FLastRow = row;
    FSyncing = true;
    QTableView *view = TableView();
    if (row >= 0 && row < RowCount() && ColumnCount() > 0) {
        const QModelIndex index = FModel->index(row, std::min(FSelectedIndex, ColumnCount() - 1));
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(index);
    } else {
        view->selectionModel()->clearSelection();
    }
    FSyncing = false;
}

void TDBGrid::CurrentMoved(int Row, int Column)
{
    FSelectedIndex = Column;
    TDataSet *ds = DataSet();
    const int record = RecordOfRow(Row);
    if (!ds || record < 0)
        return;
    if (FInsertRow >= 0) {
        // Leaving the new record's row posts it (or drops it when nothing was typed); the grid then shows
        // the posted record where the table's order puts it.
        ds->CheckBrowseMode();
        SyncCurrent();
    } else if (record + 1 != ds->RecNo()) {
        ds->SetRecNo(record + 1);
    }
}

void TDBGrid::Clicked(int Row, int Column)
{
    CurrentMoved(Row, Column);
    if (Column < ColumnCount())
        CellClick(Columns(Column));
}

void TDBGrid::CellClick(TColumn *Column)
{
    if (OnCellClick)
        OnCellClick(Column);
}
