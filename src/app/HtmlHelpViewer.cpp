#include "app/HtmlHelpViewer.h"

#include "app/HtmlHelpApi.h"
#include "platform/Platform.h"

#include <QDir>

THtmlHelpViewer *HelpViewer = nullptr;

namespace
{
std::shared_ptr<THtmlHelpViewer> &HelpViewerRef()
{
    static std::shared_ptr<THtmlHelpViewer> ref;
    return ref;
}

constexpr int WinHelpViewerID = 1;
} // namespace

void HtmlHelpViewerInitialization()
{
    if (HelpViewerRef())
        return;
    HelpViewerRef() = std::make_shared<THtmlHelpViewer>();
    HelpViewer = HelpViewerRef().get();
    ::HelpManager()->RegisterViewer(HelpViewerRef(), HelpViewer->HelpManagerRef());
    if (HelpViewer->HelpManager())
        HelpViewer->HelpManager()->Release(WinHelpViewerID);
}

void HtmlHelpViewerFinalization()
{
    if (!HelpViewerRef())
        return;
    if (IHelpManager *manager = HelpViewer->HelpManager()) {
        HelpViewer->SoftShutDown();
        manager->Release(HelpViewer->ViewerID());
        HelpViewer->HelpManagerRef() = nullptr;
    }
    HelpViewerRef().reset();
}

THtmlHelpViewer::~THtmlHelpViewer()
{
    if (HelpViewer == this)
        HelpViewer = nullptr;
}

QString THtmlHelpViewer::GetViewerName()
{
    return QStringLiteral("HtmlHelpViewer");
}

int THtmlHelpViewer::UnderstandsKeyword(const QString &)
{
    return 1;
}

std::unique_ptr<TStringList> THtmlHelpViewer::GetHelpStrings(const QString &HelpString)
{
    auto list = std::make_unique<TStringList>();
    list->Add(GetViewerName() + QStringLiteral(": ") + HelpString);
    return list;
}

bool THtmlHelpViewer::CanShowTableOfContents()
{
    return true;
}

QString THtmlHelpViewer::GetHelpFile(const QString &Name)
{
    QString result = Name;
    if (result.isEmpty() && FHelpManager)
        result = FHelpManager->GetHelpFile();
    if (!result.contains(u'/') && !result.contains(u'\\')) {
        QString folder = Platform::InstallFolder();
        if (!folder.endsWith(u'/'))
            folder += u'/';
        result.prepend(QDir::toNativeSeparators(folder));
    }
    return result;
}

void THtmlHelpViewer::CallHtmlHelp(const QString &File, quint32 Command)
{
    // Without the library there is no help to show.
    if (!HtmlHelpA)
        return;
    HtmlHelpA(FHelpManager ? FHelpManager->GetHandle() : 0, File, Command, 0);
}

void THtmlHelpViewer::ShowTableOfContents()
{
    CallHtmlHelp(GetHelpFile(FHelpManager ? FHelpManager->GetHelpFile() : QString()), HH_DISPLAY_TOC);
}

void THtmlHelpViewer::ShowHelp(const QString &HelpString)
{
    CallHtmlHelp(QStringLiteral("%1::/%2.htm").arg(GetHelpFile(QString()), HelpString), HH_DISPLAY_TOPIC);
}

void THtmlHelpViewer::NotifyID(int ViewerID)
{
    FViewerID = ViewerID;
}

void THtmlHelpViewer::SoftShutDown()
{
    if (HtmlHelpA)
        HtmlHelpA(0, QString(), HH_CLOSE_ALL, 0);
}

void THtmlHelpViewer::ShutDown()
{
    SoftShutDown();
    FHelpManager = nullptr;
}

bool THtmlHelpViewer::UnderstandsTopic(const QString &)
{
    return true;
}

void THtmlHelpViewer::DisplayTopic(const QString &Topic)
{
    ShowHelp(Topic);
}

bool THtmlHelpViewer::UnderstandsContext(int, const QString &)
{
    return true;
}

void THtmlHelpViewer::DisplayHelpByContext(int, const QString &)
{
    ShowTableOfContents();
}

bool THtmlHelpViewer::CallWinHelp(quintptr, const QString &, quint32, quintptr)
{
    ShowTableOfContents();
    return true;
}
