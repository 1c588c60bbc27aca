#include "FileControl.h"

#include "platform/Registry.h"

#include <QFileInfo>

TFileControl::TFileControl(TComponent *AOwner) : TComponent(AOwner), FRecentFiles(std::make_unique<TStringList>())
{
    FIsNew = true;
}

TFileControl::~TFileControl()
{
    // The recent-file actions have no owner; they live as long as the controller.
    for (TAction *a : FRecentActions)
        delete a;
}

void TFileControl::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
}

void TFileControl::SetFileName(const TFileName &Value)
{
    if (Value == FFileName)
        return;
    FFileName = Value;
    if (OnFileChange)
        OnFileChange(this);
}

void TFileControl::SetRecentItem(TActionClientItem *Value)
{
    if (FRecentItem != Value)
        FRecentItem = Value;
}

bool TFileControl::FireOperation(const TFileOperationEvent &Event)
{
    bool result = true;
    if (Event)
        Event(this, result);
    return result;
}

TModalResult TFileControl::QuerySave()
{
    TModalResult result = mrYes;
    if (OnQuerySave)
        OnQuerySave(this, result);
    return result;
}

bool TFileControl::DoClose()
{
    AddRecentFile(FFileName, 1);
    const bool result = FireOperation(OnFileClose);
    if (result) {
        FModified = false;
        FIsNew = true;
    }
    return result;
}

bool TFileControl::DoNew()
{
    const bool result = FireOperation(OnFileNew);
    if (result)
        FIsNew = true;
    return result;
}

bool TFileControl::DoOpen()
{
    const bool result = FireOperation(OnFileOpen);
    if (result)
        FIsNew = false;
    return result;
}

bool TFileControl::DoSave()
{
    const bool result = FireOperation(OnFileSave);
    if (result)
        FIsNew = false;
    return result;
}

bool TFileControl::DoSaveAs()
{
    const bool result = FireOperation(OnFileSaveAs);
    if (result)
        FIsNew = false;
    return result;
}

void TFileControl::DoOpenRecent(const TFileName &AFile)
{
    if (OnFileRecent)
        OnFileRecent(this, AFile);
    FIsNew = false;
}

bool TFileControl::CloseQuery()
{
    if (!FireOperation(OnCommitTyping))
        return false;
    if (FModified) {
        switch (QuerySave()) {
        case mrYes:
            if (!Save())
                return false;
            break;
        case mrNo:
            break;
        default:
            return false;
        }
    }
    return DoClose();
}

bool TFileControl::New()
{
    return CloseQuery() && DoNew();
}

bool TFileControl::Open()
{
    return CloseQuery() && DoOpen();
}

bool TFileControl::Save()
{
    if (!FireOperation(OnCommitTyping))
        return false;
    if (!FIsNew && QFileInfo(FFileName).isFile())
        return DoSave();
    return SaveAs();
}

bool TFileControl::SaveAs()
{
    return FireOperation(OnCommitTyping) && DoSaveAs();
}

bool TFileControl::AddRecentFile(const QString &Path, int Mode)
{
    if (Path.isEmpty() || !QFileInfo(Path).isFile())
        return false;
    for (int i = 0; i < FRecentFiles->Count(); ++i)
        if (FRecentFiles->Strings(i).compare(Path, Qt::CaseInsensitive) == 0)
            return true;
    TAction *action = nullptr;
    if (FRecentItem) {
        action = new TAction(nullptr);
        FRecentActions.push_back(action);
        action->OnExecute = [this](TObject *Sender) { RecentFileExecute(Sender); };
        action->SetCaption(QFileInfo(Path).fileName());
        FRecentItem->Items()->Add()->SetAction(action);
    }
    if (Mode == 1)
        FRecentFiles->InsertObject(0, Path, action);
    else
        FRecentFiles->AddObject(Path, action);
    return true;
}

void TFileControl::RecentFileExecute(TObject *Sender)
{
    const int index = FRecentFiles->IndexOfObject(Sender);
    if (index >= 0)
        DoOpenRecent(FRecentFiles->Strings(index));
}

void TFileControl::LoadRecentFiles(const QString &Key)
{
    FRecentFiles->Clear();
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (!reg.OpenKey(Key, false))
        return;
    const QStringList names = reg.GetValueNames();
    for (int i = 0; i < names.size() && i < MaxStoredRecentFiles; ++i)
        AddRecentFile(reg.ReadString(names[i]), 0);
    reg.CloseKey();
}

void TFileControl::SaveRecentFiles(const QString &Key)
{
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (!reg.OpenKey(Key, true))
        return;
    for (int i = 0; i < std::min(FRecentFiles->Count(), MaxStoredRecentFiles); ++i)
        reg.WriteString(QStringLiteral("File%1").arg(i), FRecentFiles->Strings(i));
    reg.CloseKey();
}
