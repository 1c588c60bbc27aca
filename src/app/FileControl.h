// The state of the one current document: its file name, whether it changed, whether it has a file yet;
// the save question before it is replaced or the program closes; and the recently used files with their
// registry storage and menu entries. The owner performs every file operation in an event handler.
#pragma once

#include "vcl/ActnMan.h"
#include "vcl/Dialogs.h"

#include <memory>

using TFileName = QString;
// Result is preset to mrYes; the handler puts the user's answer.
using TQueryFileSaveEvent = TEvent<void(TObject *Sender, TModalResult &Result)>;
// Result is preset to True (done); the handler clears it when the operation was not done.
using TFileOperationEvent = TEvent<void(TObject *Sender, bool &Result)>;
using TFileOpenRecentEvent = TEvent<void(TObject *Sender, QString AFile)>;

class TFileControl : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(bool Modified MEMBER FModified)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(TQueryFileSaveEvent OnQuerySave MEMBER OnQuerySave)
    Q_PROPERTY(TFileOperationEvent OnFileClose MEMBER OnFileClose)
    Q_PROPERTY(TFileOperationEvent OnFileOpen MEMBER OnFileOpen)
    Q_PROPERTY(TFileOperationEvent OnFileSave MEMBER OnFileSave)
    Q_PROPERTY(TFileOperationEvent OnFileSaveAs MEMBER OnFileSaveAs)
    Q_PROPERTY(TFileOperationEvent OnFileNew MEMBER OnFileNew)
    Q_PROPERTY(TNotifyEvent OnFileChange MEMBER OnFileChange)
    Q_PROPERTY(TFileOpenRecentEvent OnFileRecent MEMBER OnFileRecent)
    Q_PROPERTY(TFileOperationEvent OnCommitTyping MEMBER OnCommitTyping)

public:
    Q_INVOKABLE explicit TFileControl(TComponent *AOwner);
    ~TFileControl() override;

    bool New();
    bool Open();
    bool Save();
    bool SaveAs();
    // Opens the document named AFile as a recent file is opened (OnFileRecent asks the save question and
    // reads it): a document named outside the menus, on the command line, has its own file from then on.
    void OpenFile(const TFileName &AFile) { DoOpenRecent(AFile); }
    bool CloseQuery();
    void LoadRecentFiles(const QString &Key);
    void SaveRecentFiles(const QString &Key);

    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }
    const TFileName &FileName() const { return FFileName; }
    void SetFileName(const TFileName &Value);
    bool IsNew() const { return FIsNew; }
    TActionClientItem *RecentItem() const { return FRecentItem; }
    void SetRecentItem(TActionClientItem *Value);
    // The recent-file paths, most recently closed first; each entry's object is its menu action.
    const TStringList *RecentFiles() const { return FRecentFiles.get(); }

    TQueryFileSaveEvent OnQuerySave;
    TFileOperationEvent OnFileClose;
    TFileOperationEvent OnFileOpen;
    TFileOperationEvent OnFileSave;
    TFileOperationEvent OnFileSaveAs;
    TFileOperationEvent OnFileNew;
    TNotifyEvent OnFileChange;
    TFileOpenRecentEvent OnFileRecent;
    // Fired first by the save question and by Save and Save As, before the document's state is read: the
    // owner hands what the user is still typing to the document. Result False (the typed text was
    // refused) stops the operation, as Cancel does.
    TFileOperationEvent OnCommitTyping;

    void Notification(TComponent *AComponent, TOperation Operation) override;

    // At most this many recent files are stored.
    static constexpr int MaxStoredRecentFiles = 5;

protected:
    TModalResult QuerySave();
    bool DoClose();
    bool DoNew();
    bool DoOpen();
    bool DoSave();
    bool DoSaveAs();
    void DoOpenRecent(const TFileName &AFile);
    // Mode 0 appends, 1 inserts at the top; false when no such file exists.
    bool AddRecentFile(const QString &Path, int Mode);
    void RecentFileExecute(TObject *Sender);

private:
    bool FireOperation(const TFileOperationEvent &Event);

    TFileName FFileName;
    std::unique_ptr<TStringList> FRecentFiles;
    bool FModified = false;
    bool FIsNew = true;
    TActionClientItem *FRecentItem = nullptr;
    std::vector<TAction *> FRecentActions;
};
