// The help manager: help viewers register with it and it hands keyword, context and contents requests
// to them. The viewer interfaces are those a help viewer implements for it.
#pragma once

#include "vcl/Classes.h"
#include "vcl/Forms.h"

#include <QString>

#include <memory>
#include <vector>

class IHelpManager
{
public:
    // The window help windows belong to (0: none).
    virtual quintptr GetHandle() = 0;
    // The application's current help file.
    virtual QString GetHelpFile() = 0;
    // Drops the viewer with that number.
    virtual void Release(int ViewerID) = 0;

protected:
    ~IHelpManager() = default;
};

class ICustomHelpViewer
{
public:
    virtual ~ICustomHelpViewer() = default;
    virtual QString GetViewerName() = 0;
    // How many topics the viewer has for the keyword.
    virtual int UnderstandsKeyword(const QString &HelpString) = 0;
    // A new list, owned by the caller, naming the topics for the keyword.
    virtual std::unique_ptr<TStringList> GetHelpStrings(const QString &HelpString) = 0;
    virtual bool CanShowTableOfContents() = 0;
    virtual void ShowTableOfContents() = 0;
    virtual void ShowHelp(const QString &HelpString) = 0;
    // The number the help manager gave the viewer.
    virtual void NotifyID(int ViewerID) = 0;
    // Closes the viewer's windows.
    virtual void SoftShutDown() = 0;
    // Closes the windows and lets go of the help manager.
    virtual void ShutDown() = 0;
};

class IExtendedHelpViewer
{
public:
    virtual bool UnderstandsTopic(const QString &Topic) = 0;
    virtual void DisplayTopic(const QString &Topic) = 0;
    virtual bool UnderstandsContext(int ContextID, const QString &HelpFileName) = 0;
    virtual void DisplayHelpByContext(int ContextID, const QString &HelpFileName) = 0;

protected:
    ~IExtendedHelpViewer() = default;
};

class ISpecialWinHelpViewer
{
public:
    virtual bool CallWinHelp(quintptr Handle, const QString &HelpFile, quint32 Command, quintptr Data) = 0;

protected:
    ~ISpecialWinHelpViewer() = default;
};

// The process's help manager. Viewers are numbered from 1 upward in order of registration.
class THelpManager : public IHelpManager, public IHelpSystem
{
public:
    THelpManager();
    quintptr GetHandle() override { return 0; }
    QString GetHelpFile() override;
    void Release(int ViewerID) override;

    // Registers a viewer (the manager keeps a reference), tells it its number and hands back the manager.
    void RegisterViewer(std::shared_ptr<ICustomHelpViewer> NewViewer, IHelpManager *&Manager);
    int ViewerCount() const { return int(FViewers.size()); }
    ICustomHelpViewer *Viewers(int Index) const { return FViewers[size_t(Index)].Viewer.get(); }
    int ViewerIDs(int Index) const { return FViewers[size_t(Index)].ID; }

    // Help requests as the application passes them on; false when no viewer takes them.
    bool HelpKeyword(const QString &Keyword) override;
    bool HelpContext(int Context) override;
    bool ShowTableOfContents();
    // Drops every viewer, telling each to shut down.
    void ShutDownAll();

private:
    struct TEntry {
        int ID;
        std::shared_ptr<ICustomHelpViewer> Viewer;
    };
    std::vector<TEntry> FViewers;
    int FNextID = 1;
};

// The one help manager; it is created with the class library's WinHelp viewer registered as number 1.
THelpManager *HelpManager();
