// The main window: one declaration document inside a scroll box, every command as an action in the menu
// bar and the tool bar, the document controller's file operations, backups, recent files, the table
// editors, the look schemes, zoom, help.
#pragma once

#include "ApdDataF.h"
#include "FileControl.h"
#include "db/DB.h"
#include "vcl/ActnMan.h"
#include "vcl/ComCtrls.h"
#include "vcl/Dialogs.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/StdDialogs.h"

#include <QPointer>

class TMain : public TForm
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/Main.dfm")

public:
    Q_INVOKABLE explicit TMain(TComponent *AOwner);
    ~TMain() override;

    TPanel *CoolBar1 = nullptr;
    TActionMainMenuBar *ActionMainMenuBar1 = nullptr;
    TActionToolBar *ActionToolBar1 = nullptr;
    TStatusBar *StatusBar1 = nullptr;
    TScrollBox *ScrollBox1 = nullptr;
    TActionManager *ActionManager1 = nullptr;
    TFileControl *FileControl1 = nullptr;
    TOpenDialog *OpenDialog1 = nullptr;
    TSaveDialog *SaveDialog1 = nullptr;
    TFontDialog *FontDialog1 = nullptr;
    TColorDialog *ColorDialog1 = nullptr;
    TPageSetupDialog *PageSetupDialog1 = nullptr;
    TPrinterSetupDialog *PrinterSetupDialog1 = nullptr;
    TAction *aNew = nullptr, *aFileNewFromTemplate = nullptr, *aSave = nullptr, *aSaveAs = nullptr, *aOpen = nullptr,
            *aRecentFiles = nullptr, *aPreview = nullptr, *aPrint = nullptr, *FilePageSetup1 = nullptr,
            *FilePrintSetup1 = nullptr, *aExit = nullptr, *aExportIkaApd = nullptr, *aInsertPage = nullptr,
            *aDeletePage = nullptr, *aPageSelect = nullptr, *aEmployes = nullptr, *aEmployers = nullptr,
            *aIkaOffices = nullptr, *Action1 = nullptr, *Action2 = nullptr, *Action3 = nullptr, *Action4 = nullptr,
            *Action5 = nullptr, *aH0Sheme = nullptr, *aH1Sheme = nullptr, *aH2Sheme = nullptr, *Action6 = nullptr,
            *aHelpContents = nullptr, *aHelpIndex = nullptr, *aHelpSearch = nullptr, *aAbout = nullptr;
    TAction *aFontH[4] = {}, *aColorH[4] = {}, *aPrintColorH[4] = {};

    // The current document; none only when no document could be made at start-up.
    TApdData *Document = nullptr;
    // True only while the new-from-template command runs.
    bool FromTemplate = false;

    // The menu that lists the document's pages (the page-selection item's sub-menu).
    QMenu *PageMenu() const { return FPageMenu.data(); }

    void OpenDocument(const QString &Path);
    // Saves the document to Path. When Path is the document's own file and another program has changed
    // it since this window read or wrote it, the user decides first: Save As, overwrite, or no save.
    // False when nothing was saved that way.
    bool SaveDocument(const QString &Path);
    void MakeBackup(const QString &Path, int Generation);
    void SetDocument(TApdData *New);
    // Hands what is still being typed in a box to the document, before a command reads, saves or closes
    // it; false when the box refused the text (the user was told), and the command goes no further.
    bool CommitTyping();
    void RegisterInstallPath();
    // The printer or file chosen in the printer set-up, kept in the registry from one run to the next.
    void LoadPrinterChoice();
    void SavePrinterChoice();
    // Runs every action's update handler.
    void UpdateActions();

    Q_INVOKABLE void DocumentChanged(TObject *Sender);
    Q_INVOKABLE void ShowHint(TObject *Sender);

    void FormCreate(TObject *Sender);
    void FormDestroy(TObject *Sender);
    void FormActivate(TObject *Sender);
    void FormDeactivate(TObject *Sender);
    void FormCloseQuery(TObject *Sender, bool &CanClose);
    void FormMouseWheel(TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool &Handled);

    Q_INVOKABLE void ScrollBox1Resize(TObject *Sender);
    Q_INVOKABLE void FileControl1QuerySave(TObject *Sender, int &Result);
    Q_INVOKABLE void FileControl1FileOpen(TObject *Sender, bool &Result);
    Q_INVOKABLE void FileControl1FileSave(TObject *Sender, bool &Result);
    Q_INVOKABLE void FileControl1FileSaveAs(TObject *Sender, bool &Result);
    Q_INVOKABLE void FileControl1FileNew(TObject *Sender, bool &Result);
    Q_INVOKABLE void FileControl1FileChange(TObject *Sender);
    Q_INVOKABLE void FileControl1FileRecent(TObject *Sender, const QString &AFile);
    Q_INVOKABLE void FileControl1CommitTyping(TObject *Sender, bool &Result);

    Q_INVOKABLE void aNewExecute(TObject *Sender);
    Q_INVOKABLE void aFileNewFromTemplateExecute(TObject *Sender);
    Q_INVOKABLE void aSaveExecute(TObject *Sender);
    Q_INVOKABLE void aSaveAsExecute(TObject *Sender);
    Q_INVOKABLE void aOpenExecute(TObject *Sender);
    Q_INVOKABLE void aPreviewExecute(TObject *Sender);
    Q_INVOKABLE void aPrintExecute(TObject *Sender);
    Q_INVOKABLE void FilePageSetup1Execute(TObject *Sender);
    Q_INVOKABLE void FilePrintSetup1Execute(TObject *Sender);
    Q_INVOKABLE void aExitExecute(TObject *Sender);
    Q_INVOKABLE void aExportIkaApdExecute(TObject *Sender);
    Q_INVOKABLE void aInsertPageExecute(TObject *Sender);
    Q_INVOKABLE void aDeletePageExecute(TObject *Sender);
    Q_INVOKABLE void aEmployesExecute(TObject *Sender);
    Q_INVOKABLE void aEmployersExecute(TObject *Sender);
    Q_INVOKABLE void aIkaOfficesExecute(TObject *Sender);
    Q_INVOKABLE void Action1Execute(TObject *Sender);
    Q_INVOKABLE void Action2Execute(TObject *Sender);
    Q_INVOKABLE void Action3Execute(TObject *Sender);
    Q_INVOKABLE void Action4Execute(TObject *Sender);
    Q_INVOKABLE void Action5Execute(TObject *Sender);
    Q_INVOKABLE void aFontExecute(TObject *Sender);
    Q_INVOKABLE void aColorExecute(TObject *Sender);
    Q_INVOKABLE void aPrintColorExecute(TObject *Sender);
    Q_INVOKABLE void aHelpContentsExecute(TObject *Sender);
    Q_INVOKABLE void aHelpIndexExecute(TObject *Sender);
    Q_INVOKABLE void aHelpSearchExecute(TObject *Sender);
    Q_INVOKABLE void aAboutExecute(TObject *Sender);

    Q_INVOKABLE void aPreviewUpdate(TObject *Sender);
    Q_INVOKABLE void aPrintUpdate(TObject *Sender);
    Q_INVOKABLE void aExportIkaApdUpdate(TObject *Sender);
    Q_INVOKABLE void aInsertPageUpdate(TObject *Sender);
    Q_INVOKABLE void aPageSelectUpdate(TObject *Sender);
    Q_INVOKABLE void Action6Update(TObject *Sender);
    Q_INVOKABLE void aHelpUpdate(TObject *Sender);
    Q_INVOKABLE void aAboutUpdate(TObject *Sender);

    void GetChildren(TGetChildProc Proc, TComponent *Root) override;

    // The command line the window reads at creation; the process's own unless tests set one.
    static QStringList Arguments();
    static void SetArguments(const QStringList *Value);

    static const QString RecentFilesKey;
    static const QString PrinterKey;
    static const QString UntitledName;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void BuildMenus();
    // The scheme an H-numbered action works on (0 to 3), -1 for another action.
    int SchemeIndexOf(TObject *Sender, TAction *const (&Actions)[4]) const;
    TXFrameSheme *Sheme(int Index) const;
    void EditTable(TDataSet *Table, TObject *Sender);

    TNotifyEvent FOldHint;
    bool FHintInstalled = false;
    // The document's file as this window last read or wrote it; null while the document has no file.
    Platform::TFileStamp FFileStamp;
    QPointer<QMenu> FPageMenu;
    // Which file the last print was written to: the status bar shows it whenever it shows no hint.
    QString FPrintedNote;
};

extern TMain *Main;
