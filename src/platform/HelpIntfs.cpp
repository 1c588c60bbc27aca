#include "HelpIntfs.h"

#include "vcl/Forms.h"

namespace
{
// The WinHelp viewer of the class library. There is no WinHelp here: it understands nothing, so a request
// reaches it only when no other viewer is registered.
class TWinHelpViewer : public ICustomHelpViewer
{
public:
    QString GetViewerName() override { return QStringLiteral("WinHelp"); }
    int UnderstandsKeyword(const QString &) override { return 0; }
    std::unique_ptr<TStringList> GetHelpStrings(const QString &) override { return std::make_unique<TStringList>(); }
    bool CanShowTableOfContents() override { return false; }
    void ShowTableOfContents() override {}
    void ShowHelp(const QString &) override {}
    void NotifyID(int) override {}
    void SoftShutDown() override {}
    void ShutDown() override {}
};
} // namespace

THelpManager::THelpManager() = default;

QString THelpManager::GetHelpFile()
{
    return Application() ? Application()->HelpFile() : QString();
}

void THelpManager::RegisterViewer(std::shared_ptr<ICustomHelpViewer> NewViewer, IHelpManager *&Manager)
{
    const int id = FNextID++;
    ICustomHelpViewer *viewer = NewViewer.get();
    FViewers.push_back({id, std::move(NewViewer)});
    Manager = this;
    viewer->NotifyID(id);
}

void THelpManager::Release(int ViewerID)
{
    std::erase_if(FViewers, [ViewerID](const TEntry &e) { return e.ID == ViewerID; });
}

bool THelpManager::HelpKeyword(const QString &Keyword)
{
    // The viewer list may change while a viewer runs; keep the chosen one alive.
    for (const TEntry &e : std::vector<TEntry>(FViewers))
        if (e.Viewer->UnderstandsKeyword(Keyword) > 0) {
            e.Viewer->ShowHelp(Keyword);
            return true;
        }
    return false;
}

bool THelpManager::HelpContext(int Context)
{
    const QString file = GetHelpFile();
    for (const TEntry &e : std::vector<TEntry>(FViewers))
        if (auto *extended = dynamic_cast<IExtendedHelpViewer *>(e.Viewer.get());
            extended && extended->UnderstandsContext(Context, file)) {
            extended->DisplayHelpByContext(Context, file);
            return true;
        }
    return false;
}

bool THelpManager::ShowTableOfContents()
{
    for (const TEntry &e : std::vector<TEntry>(FViewers))
        if (e.Viewer->CanShowTableOfContents()) {
            e.Viewer->ShowTableOfContents();
            return true;
        }
    return false;
}

void THelpManager::ShutDownAll()
{
    std::vector<TEntry> viewers;
    viewers.swap(FViewers);
    for (const TEntry &e : viewers)
        e.Viewer->ShutDown();
}

THelpManager *HelpManager()
{
    // Never freed: viewers let go of it while the program's statics are torn down.
    static THelpManager *manager = [] {
        auto *m = new THelpManager;
        IHelpManager *unused = nullptr;
        m->RegisterViewer(std::make_shared<TWinHelpViewer>(), unused);
        // F1 anywhere in the program reaches the viewers through the application.
        SetHelpSystem(m);
        return m;
    }();
    return manager;
}
