// The help viewer of the program: keyword and context help requested anywhere open topics of the
// compiled help file through the HTML Help library. It replaces the WinHelp viewer when the program starts.
#pragma once

#include "platform/HelpIntfs.h"

class THtmlHelpViewer : public ICustomHelpViewer, public IExtendedHelpViewer, public ISpecialWinHelpViewer
{
public:
    THtmlHelpViewer() = default;
    ~THtmlHelpViewer() override;

    QString GetViewerName() override;
    int UnderstandsKeyword(const QString &HelpString) override;
    std::unique_ptr<TStringList> GetHelpStrings(const QString &HelpString) override;
    bool CanShowTableOfContents() override;
    void ShowTableOfContents() override;
    void ShowHelp(const QString &HelpString) override;
    void NotifyID(int ViewerID) override;
    void SoftShutDown() override;
    void ShutDown() override;
    bool UnderstandsTopic(const QString &Topic) override;
    void DisplayTopic(const QString &Topic) override;
    bool UnderstandsContext(int ContextID, const QString &HelpFileName) override;
    void DisplayHelpByContext(int ContextID, const QString &HelpFileName) override;
    bool CallWinHelp(quintptr Handle, const QString &HelpFile, quint32 Command, quintptr Data) override;

    // The help file to open: Name, or the help manager's current file when Name is empty; a name without a
    // folder is looked for in the program's folder (where the program keeps its data and help).
    QString GetHelpFile(const QString &Name);

    int ViewerID() const { return FViewerID; }
    IHelpManager *HelpManager() const { return FHelpManager; }
    // Registration with the help manager, as the program's start-up does it (the manager hands itself back).
    IHelpManager *&HelpManagerRef() { return FHelpManager; }

private:
    void CallHtmlHelp(const QString &File, quint32 Command);

    int FViewerID = 0;
    IHelpManager *FHelpManager = nullptr;
};

// The one viewer, registered with the help manager while the program runs.
extern THtmlHelpViewer *HelpViewer;

// Start-up and end of the viewer: create and register it, release the WinHelp viewer (number 1); at the
// end close the help windows, release this viewer and free it. The program's start-up and end call them.
void HtmlHelpViewerInitialization();
void HtmlHelpViewerFinalization();
