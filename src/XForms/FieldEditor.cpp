#include "FieldEditor.h"

#include <QList>

namespace
{
// Created by the first registration and freed when the last editor leaves; it does not own its members.
QList<TFieldEditor *> *Registry = nullptr;

void RegisterEditor(TFieldEditor *Editor)
{
    if (!Registry)
        Registry = new QList<TFieldEditor *>;
    Registry->append(Editor);
}

void UnregisterEditor(TFieldEditor *Editor)
{
    if (!Registry)
        return;
    Registry->removeAll(Editor);
    if (Registry->isEmpty()) {
        delete Registry;
        Registry = nullptr;
    }
}
} // namespace

TFieldEditor::TFieldEditor(TComponent *AOwner) : TComponent(AOwner), FDataLink(std::make_unique<TFieldDataLink>())
{
    FDataLink->SetControl(this);
    RegisterEditor(this);
}

TFieldEditor::~TFieldEditor()
{
    FDataLink.reset();
    UnregisterEditor(this);
}

void TFieldEditor::SetDataSource(TDataSource *Value)
{
    FDataLink->SetDataSource(Value);
    if (Value)
        Value->FreeNotification(this);
}

void TFieldEditor::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && FDataLink && AComponent == FDataLink->DataSource())
        SetDataSource(nullptr);
}

TControl *TFieldEditor::CreateControl(TComponent *AOwner, TWinControl *AParent)
{
    TControl *control = nullptr;
    DoCreateControl(AOwner, AParent, control);
    return control;
}

void TFieldEditor::DoCreateControl(TComponent *AOwner, TWinControl *AParent, TControl *&Control)
{
    if (OnCreateControl)
        OnCreateControl(this, AOwner, AParent, Control);
}

bool FindFieldEditor(TField *Field, TFieldEditor *&Editor)
{
    Editor = nullptr;
    if (!Registry || !Field)
        return false;
    for (TFieldEditor *e : std::as_const(*Registry))
        if (e->Field() == Field) {
            Editor = e;
            return true;
        }
    return false;
}

bool FieldEditorRegistryExists()
{
    return Registry != nullptr;
}
