// Field editors: non-visual components that make the editing control of one field of a data source. All
// of them sit in one process-wide registry, in the order of their creation, so that a table editor can ask
// for any field object whether an editor serves it.
#pragma once

#include "db/DB.h"
#include "vcl/Controls.h"

class TFieldEditor;

using TFieldEditorCreateControlEvent =
    TEvent<void(TFieldEditor *Sender, TComponent *AOwner, TWinControl *AParent, TControl *&Control)>;

class TFieldEditor : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
    Q_PROPERTY(TDataSource *DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(TFieldEditorCreateControlEvent OnCreateControl MEMBER OnCreateControl)

public:
    Q_INVOKABLE explicit TFieldEditor(TComponent *AOwner);
    ~TFieldEditor() override;

    QString DataField() const { return FDataLink->FieldName(); }
    void SetDataField(const QString &Value) { FDataLink->SetFieldName(Value); }
    TDataSource *DataSource() const { return FDataLink->DataSource(); }
    void SetDataSource(TDataSource *Value);
    // The field the data link resolves (only while the dataset is open), or none.
    TField *Field() const { return FDataLink->Field(); }

    // The control the handler makes with AOwner as owner (placing it in AParent is the caller's); none when
    // no handler is set or it made nothing.
    virtual TControl *CreateControl(TComponent *AOwner, TWinControl *AParent);

    TFieldEditorCreateControlEvent OnCreateControl;

protected:
    virtual void DoCreateControl(TComponent *AOwner, TWinControl *AParent, TControl *&Control);
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TFieldDataLink> FDataLink;
};

// The first registered editor (in creation order) whose field is this very field object.
bool FindFieldEditor(TField *Field, TFieldEditor *&Editor);
// Whether the registry exists (it lives only while it has members).
bool FieldEditorRegistryExists();
