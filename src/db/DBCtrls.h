// Data-aware controls: an edit, a check box and a combo box that show one field of a data source's current
// record and write the user's change back into it, and the navigator bar that moves through and edits the
// records.
#pragma once

#include "db/DB.h"
#include "vcl/StdCtrls.h"

class QToolButton;

// The data link of a control bound to one field; the control is told of data and editing changes.
class TDBControlLink : public TFieldDataLink
{
public:
    // Writes a pending change of the control into the field (the class library's UpdateRecord).
    void UpdateRecord();
};

class TDBEdit : public TEdit
{
    Q_OBJECT
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
    Q_PROPERTY(TDataSource *DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(TNotifyEvent OnChange MEMBER OnChange)

public:
    Q_INVOKABLE explicit TDBEdit(TComponent *AOwner);
    ~TDBEdit() override;
    QString DataField() const { return FDataLink.FieldName(); }
    void SetDataField(const QString &Value) { FDataLink.SetFieldName(Value); }
    TDataSource *DataSource() const { return FDataLink.DataSource(); }
    void SetDataSource(TDataSource *Value);
    TField *Field() const { return FDataLink.Field(); }
    TFieldDataLink *DataLink() { return &FDataLink; }

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void TextChanged() override;
    void KeyDown(quint16 &Key, TShiftState Shift) override;
    void FocusGained() override;
    void FocusLost() override;
    void Loaded() override;

private:
    void DataChange();
    TDBControlLink FDataLink;
    bool FShowing = false;
};

class TDBCheckBox : public TCheckBox
{
    Q_OBJECT
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
    Q_PROPERTY(TDataSource *DataSource READ DataSource WRITE SetDataSource)

public:
    Q_INVOKABLE explicit TDBCheckBox(TComponent *AOwner);
    ~TDBCheckBox() override;
    QString DataField() const { return FDataLink.FieldName(); }
    void SetDataField(const QString &Value) { FDataLink.SetFieldName(Value); }
    TDataSource *DataSource() const { return FDataLink.DataSource(); }
    void SetDataSource(TDataSource *Value);
    TField *Field() const { return FDataLink.Field(); }

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void Toggled() override;

private:
    void DataChange();
    TDBControlLink FDataLink;
    bool FShowing = false;
};

class TDBComboBox : public TComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
    Q_PROPERTY(TDataSource *DataSource READ DataSource WRITE SetDataSource)

public:
    Q_INVOKABLE explicit TDBComboBox(TComponent *AOwner);
    ~TDBComboBox() override;
    QString DataField() const { return FDataLink.FieldName(); }
    void SetDataField(const QString &Value) { FDataLink.SetFieldName(Value); }
    TDataSource *DataSource() const { return FDataLink.DataSource(); }
    void SetDataSource(TDataSource *Value);
    TField *Field() const { return FDataLink.Field(); }

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void Change() override;
    void FocusLost() override;

private:
    void DataChange();
    TDBControlLink FDataLink;
    bool FShowing = false;
};

enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };

class TNavDataLink;

// Ten buttons over a data source: first, prior, next, last, insert, delete, edit, post, cancel, refresh. Tab
// reaches each enabled button in turn; Space presses the one focused.
class TDBNavigator : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(TDataSource *DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(TStrings *Hints READ Hints WRITE SetHints)
    Q_PROPERTY(bool ConfirmDelete READ ConfirmDelete WRITE SetConfirmDelete)
    Q_CLASSINFO("Default:Flat", "False")
    Q_CLASSINFO("Default:ConfirmDelete", "True")

public:
    Q_INVOKABLE explicit TDBNavigator(TComponent *AOwner);
    ~TDBNavigator() override;
    TDataSource *DataSource() const;
    void SetDataSource(TDataSource *Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TStrings *Hints() const { return FHints.get(); }
    void SetHints(TStrings *Value) { FHints->Assign(Value); }
    bool ConfirmDelete() const { return FConfirmDelete; }
    void SetConfirmDelete(bool Value) { FConfirmDelete = Value; }
    // What a press of the button does.
    void BtnClick(TNavigateBtn Index);
    bool ButtonEnabled(TNavigateBtn Index) const { return FEnabled[Index]; }
    QToolButton *Button(TNavigateBtn Index);
    void UpdateButtons();

protected:
    QWidget *CreatePeer() override;
    void InitPeer(QWidget *peer) override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void Resize() override;

private:
    void ApplyButtons();
    std::unique_ptr<TNavDataLink> FDataLink;
    std::unique_ptr<TStringList> FHints;
    bool FFlat = false;
    bool FConfirmDelete = true;
    bool FEnabled[10] = {};
};
