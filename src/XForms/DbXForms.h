// Boxes that take their text from a reference table: a box names a data source and a field, and takes the
// field's text only when a record is picked in the dataset pop-up; it does not follow the dataset. Boxes of
// one owner with the same group number and data source act together: the pop-up opened from any of them
// is positioned on the record their key boxes show, and a pick fills every box of the group.
#pragma once

#include "XDateFrame.h"
#include "db/DB.h"

// A form or frame whose bound boxes form groups that one pick fills together (an employee line). It is
// told before the first box of a group takes the picked record and after the last one has, so that what
// depends on several boxes of the group is worked out once, from boxes that all show the same record.
class IDbGroupFill
{
public:
    virtual void GroupFillBegin(int Group) = 0;
    virtual void GroupFillEnd(int Group) = 0;

protected:
    ~IDbGroupFill() = default;
};

class TDbLookupXFrame : public TInplaceEditFrame
{
    Q_OBJECT
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
    Q_PROPERTY(TDataSource *DataSource READ DataSource WRITE SetDataSource)

public:
    Q_INVOKABLE explicit TDbLookupXFrame(TComponent *AOwner);
    ~TDbLookupXFrame() override;

    QString DataField() const { return FDataLink->FieldName(); }
    void SetDataField(const QString &Value) { FDataLink->SetFieldName(Value); }
    TDataSource *DataSource() const { return FDataLink->DataSource(); }
    void SetDataSource(TDataSource *Value);
    // The dataset field DataField names (while the dataset is open), or none.
    TField *Field() const { return FDataLink->Field(); }
    TFieldDataLink *DataLink() const { return FDataLink.get(); }
    // The field's value as of the last fill from the dataset; null until then. Typing leaves it alone.
    QVariant Value() const { return FValue; }

    // Takes text and Value from the current record, for the whole group when WithGroup is set.
    void UpdateFromDataSet(bool WithGroup);
    // Moves the dataset to the record the box (or its group's key boxes) shows; failures are ignored.
    void LocateCurrent(bool WithGroup);

    // A typed text is taken as it stands; Value does not change.
    void SetEditText(const QString &S) override;

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    QString FieldText() const;
    bool SameGroup(const TDbLookupXFrame *Other) const;
    std::unique_ptr<TFieldDataLink> FDataLink;
    QVariant FValue;
};
