// The sort and filter bar over a data grid: the rows are sorted by one of the table's indexes and filtered
// by one condition on one field. Placed in the dataset pop-up and in the table editor.
#pragma once

#include "db/DBGrids.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <QPointer>

class TDataSetFilterFrame : public TFrame
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/DataSetFilterFrame.dfm")

public:
    Q_INVOKABLE explicit TDataSetFilterFrame(TComponent *AOwner);
    ~TDataSetFilterFrame() override;

    TDataSet *DataSet() const { return static_cast<TDataSet *>(FDataSet.data()); }
    void SetDataSet(TDataSet *D);
    // The field chosen for the filter, or none.
    TField *FilterField() const { return FFilterField.data(); }

    Q_INVOKABLE void IndexComboChange(TObject *Sender);
    Q_INVOKABLE void FieldsComboChange(TObject *Sender);
    Q_INVOKABLE void FilterValueEditChange(TObject *Sender);

    TPanel *Panel2 = nullptr;
    TLabel *Label1 = nullptr;
    TLabel *Label2 = nullptr;
    TComboBox *IndexCombo = nullptr;
    TComboBox *FieldsCombo = nullptr;
    TComboBox *FilterKindCombo = nullptr;
    TComboBox *FilterValueEdit = nullptr;
    TDBGrid *DBGrid1 = nullptr;
    TDataSource *DataSource = nullptr;

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void Resize() override;

private:
    // The sort and field boxes as wide as their longest entries need (never narrower than designed), as
    // far as the bar has room beside a value box of a useful width; the boxes after them move along.
    void ArrangeBar();
    void FillIndexList();
    void FillFieldList();
    void ShowFilter();
    // Held as a component: while the data set is being freed it is no longer a TDataSet, and the notice of
    // its removal compares it.
    QPointer<TComponent> FDataSet;
    QPointer<TField> FFilterField;
    // The designed widths of the sort and field boxes, the least they take.
    int FIndexWidth = 0;
    int FFieldsWidth = 0;
};

// The six operators of the bar; an operator's code is its position.
extern const char16_t *const FilterOperators[6];

// A filter text of the form the bar writes, read back: field name, value (a trailing "*" removed) and the
// operator's code. False when it is not of that form or the value is empty.
bool ParseFilter(const QString &S, QString &FieldName, QString &Value, int &Operator);

// The true and false texts of a Boolean field's display values "true;false"; false unless both are there.
bool SplitDisplayValues(const QString &S, QString &TrueText, QString &FalseText);
// Adds the true text, then the false text, to Items: those of the display values, or else the given texts
// with "ΝΑΙ" and "ΟΧΙ" for empty ones.
void FillBooleanItems(const QString &DisplayValues, TStrings *Items, QString &TrueText, QString &FalseText);
