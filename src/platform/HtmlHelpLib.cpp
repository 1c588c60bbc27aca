#include "HtmlHelpLib.h"

#include "SafeRead.h"
#include "vcl/Forms.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QWindow>

#include <chm_lib.h>
#include <unistd.h>

namespace
{

// A compiled help file opened with chmlib.
class TChmFile
{
public:
    explicit TChmFile(const QString &path)
    {
        // chmlib opens the file with a plain open, which waits for ever on a FIFO: the file is opened the
        // way every file is read, and chmlib is given that very file.
        int fd = -1;
        try {
            fd = Platform::OpenRegularFile(path);
        } catch (const EFOpenError &e) {
            FRefusal = e.Message();
            return;
        }
        FHandle = chm_open(QStringLiteral("/proc/self/fd/%1").arg(fd).toLatin1().constData());
        ::close(fd);
    }
    ~TChmFile()
    {
        if (FHandle)
            chm_close(FHandle);
    }
    TChmFile(const TChmFile &) = delete;
    TChmFile &operator=(const TChmFile &) = delete;
    bool IsOpen() const { return FHandle != nullptr; }
    // Why a file that is not open was refused; empty when chmlib could not read it.
    QString Refusal() const { return FRefusal; }

    // The object at path ("/default.htm"); empty when there is none.
    QByteArray Read(const QString &path) const
    {
        if (!FHandle)
            return {};
        chmUnitInfo ui;
        const QByteArray name = path.toUtf8();
        if (chm_resolve_object(FHandle, name.constData(), &ui) != CHM_RESOLVE_SUCCESS)
            return {};
        // Help topics are small; a damaged length must not make us allocate the world.
        constexpr LONGUINT64 MaxObject = 16 << 20;
        if (ui.length == 0 || ui.length > MaxObject)
            return {};
        QByteArray data(qsizetype(ui.length), '\0');
        const LONGINT64 got =
            chm_retrieve_object(FHandle, &ui, reinterpret_cast<unsigned char *>(data.data()), 0, LONGINT64(ui.length));
        data.truncate(got > 0 ? qsizetype(got) : 0);
        return data;
    }

    // Entries of the #SYSTEM object: 0 contents file, 1 index file, 2 default topic, 3 title.
    QString SystemEntry(quint16 code) const
    {
        const QByteArray sys = Read(QStringLiteral("/#SYSTEM"));
        for (qsizetype pos = 4; pos + 4 <= sys.size();) {
            const auto *p = reinterpret_cast<const uchar *>(sys.constData() + pos);
            const quint16 entryCode = quint16(p[0] | (p[1] << 8));
            const quint16 length = quint16(p[2] | (p[3] << 8));
            pos += 4;
            if (pos + length > sys.size())
                break;
            if (entryCode == code) {
                QByteArray value = sys.mid(pos, length);
                const qsizetype nul = value.indexOf('\0');
                if (nul >= 0)
                    value.truncate(nul);
                return Decode(value);
            }
            pos += length;
        }
        return {};
    }

    // Topic text in the charset its page declares, Greek (1253) when it declares none.
    static QString Decode(const QByteArray &bytes)
    {
        static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9_-]+)"),
                                                QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = charset.match(QString::fromLatin1(bytes.left(1024)));
        QStringDecoder decoder(m.hasMatch() ? m.captured(1).toLatin1().constData() : "windows-1253");
        if (!decoder.isValid())
            decoder = QStringDecoder("windows-1253");
        return decoder.decode(bytes);
    }

private:
    chmFile *FHandle = nullptr;
    QString FRefusal;
};

struct TSitemapEntry {
    QString Name;
    QString Local;
    int Level = 0;
};

// The entries of a contents (.hhc) or index (.hhk) file, with their nesting by lists.
std::vector<TSitemapEntry> ParseSitemap(const QString &html)
{
    std::vector<TSitemapEntry> entries;
    static const QRegularExpression token(
        QStringLiteral(
            "<\\s*(/?)\\s*(ul|object)\\b[^>]*>|<\\s*param\\s+name\\s*=\\s*\"([^\"]*)\"\\s+value\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    int level = -1;
    TSitemapEntry current;
    bool inObject = false;
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString tag = m.captured(2).toLower();
        const bool closing = !m.captured(1).isEmpty();
        if (tag == QLatin1String("ul")) {
            level += closing ? -1 : 1;
        } else if (tag == QLatin1String("object")) {
            if (!closing) {
                current = {QString(), QString(), std::max(0, level)};
                inObject = true;
            } else if (inObject) {
                if (!current.Name.isEmpty())
                    entries.push_back(current);
                inObject = false;
            }
        } else if (inObject) {
            const QString param = m.captured(3).toLower();
            if (param == QLatin1String("name") && current.Name.isEmpty())
                current.Name = m.captured(4);
            else if (param == QLatin1String("local") && current.Local.isEmpty())
                current.Local = m.captured(4);
        }
    }
    return entries;
}

// The topic pane: pages, pictures and links come out of the help file.
class THelpBrowser : public QTextBrowser
{
public:
    QString FileName;

    QVariant loadResource(int type, const QUrl &name) override
    {
        TChmFile chm(FileName);
        QString path = name.path();
        if (!path.startsWith(u'/'))
            path.prepend(u'/');
        const QByteArray data = chm.Read(path);
        if (data.isEmpty())
            return QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
            return TChmFile::Decode(data);
        return data;
    }
};

class THelpWindow : public QWidget
{
public:
    THelpWindow()
    {
        setWindowTitle(QStringLiteral("Βοήθεια"));
        resize(760, 520);
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        auto *splitter = new QSplitter(this);
        FSplitter = splitter;
        layout->addWidget(splitter);
        FTabs = new QTabWidget(splitter);
        FContents = new QTreeWidget;
        FContents->setHeaderHidden(true);
        FIndex = new QListWidget;
        FTabs->addTab(FContents, QStringLiteral("Περιεχόμενα"));
        FTabs->addTab(FIndex, QStringLiteral("Ευρετήριο"));
        FBrowser = new THelpBrowser;
        FBrowser->setOpenLinks(true);
        splitter->addWidget(FTabs);
        splitter->addWidget(FBrowser);
        splitter->setSizes({220, 540});
        QObject::connect(FContents, &QTreeWidget::itemClicked, this,
                         [this](QTreeWidgetItem *item) { ShowTopic(item->data(0, Qt::UserRole).toString()); });
        QObject::connect(FIndex, &QListWidget::itemClicked, this,
                         [this](QListWidgetItem *item) { ShowTopic(item->data(Qt::UserRole).toString()); });
        // An entry chosen with the keys shows its topic as one clicked does: selected with the arrows, or
        // taken with Enter or Space.
        QObject::connect(FContents, &QTreeWidget::itemSelectionChanged, this, [this] {
            if (QTreeWidgetItem *item = FContents->currentItem(); item && item->isSelected())
                ShowTopic(item->data(0, Qt::UserRole).toString());
        });
        QObject::connect(FIndex, &QListWidget::itemSelectionChanged, this, [this] {
            if (QListWidgetItem *item = FIndex->currentItem(); item && item->isSelected())
                ShowTopic(item->data(Qt::UserRole).toString());
        });
        FContents->installEventFilter(this);
        FIndex->installEventFilter(this);
        // Titles show whole: the lists scroll sideways rather than cut them.
        FContents->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        FContents->header()->setStretchLastSection(false);
        FContents->setTextElideMode(Qt::ElideNone);
        FIndex->setTextElideMode(Qt::ElideNone);
        // The contents mark the topic shown, however it was reached (F1, the index, a link).
        QObject::connect(FBrowser, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
            QTreeWidgetItem *current = nullptr;
            for (QTreeWidgetItemIterator it(FContents); *it && !current; ++it) {
                QString local = (*it)->data(0, Qt::UserRole).toString();
                if (!local.startsWith(u'/'))
                    local.prepend(u'/');
                if (local.compare(url.path(), Qt::CaseInsensitive) == 0)
                    current = *it;
            }
            FContents->setCurrentItem(current);
            if (!current)
                FContents->clearSelection();
        });
    }

    // Opens the file (when it is another) and shows the topic, the default one when topic is empty.
    void Display(const QString &file, const QString &topic, int tab)
    {
        if (file != FFile)
            Load(file);
        FTabs->setCurrentIndex(tab);
        ShowTopic(topic.isEmpty() ? FDefaultTopic : topic);
        // Help asked from a modal window (a table editor, the preview) belongs to that window: it stands
        // above it, though that window stays on top, and takes input while its modal run blocks the rest.
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == this)
            modal = nullptr;
        QWindow *owner = modal ? modal->window()->windowHandle() : nullptr;
        const bool onTop = modal && modal->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        winId();
        if (windowHandle()->transientParent() != owner || windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
            hide();
            setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
            winId();
            SetWindowOwner(windowHandle(), owner);
        }
        // Placed each time it comes up; once shown, it stays where the user puts it.
        if (!isVisible()) {
            QWidget *from = modal ? modal->window() : QApplication::activeWindow();
            PlaceBeside(from && from != this ? from : nullptr);
        }
        show();
        FitLists();
        raise();
        activateWindow();
    }

    void ShowTopic(const QString &topic)
    {
        if (topic.isEmpty())
            return;
        QString path = topic.startsWith(u'/') ? topic : u'/' + topic;
        // The entry of the topic shown, marked in the contents, asks for it again.
        if (path == FTopic && FBrowser->source() == QUrl(path))
            return;
        FTopic = path;
        FBrowser->setSource(QUrl(path), QTextDocument::HtmlResource);
    }

    Platform::THelpWindowState State() const
    {
        Platform::THelpWindowState s;
        s.Visible = isVisible();
        s.Geometry = frameGeometry();
        s.File = FFile;
        s.Topic = FTopic;
        s.Title = FBrowser->documentTitle();
        s.Text = FBrowser->toPlainText();
        s.Tab = FTabs->currentIndex();
        for (QTreeWidgetItemIterator it(FContents); *it; ++it) {
            int depth = 0;
            for (QTreeWidgetItem *p = (*it)->parent(); p; p = p->parent())
                ++depth;
            s.Contents << QString(depth * 2, u' ') + (*it)->text(0);
        }
        if (const QList<QTreeWidgetItem *> selected = FContents->selectedItems(); !selected.isEmpty())
            s.Current = selected.first()->text(0);
        for (int i = 0; i < FIndex->count(); ++i)
            s.Index << FIndex->item(i)->text();
        return s;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if ((watched == FContents || watched == FIndex) && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                if (watched == FContents && FContents->currentItem())
                    ShowTopic(FContents->currentItem()->data(0, Qt::UserRole).toString());
                else if (watched == FIndex && FIndex->currentItem())
                    ShowTopic(FIndex->currentItem()->data(Qt::UserRole).toString());
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    // Esc closes help, as it closes a dialog.
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape && !(event->modifiers() & ~Qt::KeypadModifier))
            close();
        else
            QWidget::keyPressEvent(event);
    }

private:
    // Beside the window help was asked from, right or else left of it, where the screen has the room;
    // otherwise over its middle, though never over its menu and tool bars; on the screen in any case.
    void PlaceBeside(const QWidget *owner)
    {
        const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect area = screen->availableGeometry();
        // The window's frame, as far as it is known (once the window has been shown).
        const QSize frame = frameGeometry().size() - size();
        QRect place(QPoint(), (size() + frame).boundedTo(area.size()));
        int top = area.top();
        if (!owner) {
            place.moveCenter(area.center());
        } else {
            const QRect around = owner->frameGeometry();
            if (area.right() - around.right() >= place.width()) {
                place.moveTopLeft({around.right() + 1, around.top()});
            } else if (around.left() - area.left() >= place.width()) {
                place.moveTopRight({around.left() - 1, around.top()});
            } else {
                place.moveCenter(around.center());
                for (const QWidget *bar : owner->findChildren<QWidget *>())
                    if ((qobject_cast<const QMenuBar *>(bar) || qobject_cast<const QToolBar *>(bar)) &&
                        bar->isVisible())
                        top = std::max(top, bar->mapToGlobal(QPoint(0, bar->height())).y());
            }
        }
        // On the screen, below the bars: moved in, and made shorter where it still does not fit.
        if (place.right() > area.right())
            place.moveRight(area.right());
        if (place.left() < area.left())
            place.moveLeft(area.left());
        if (place.bottom() > area.bottom())
            place.moveBottom(area.bottom());
        if (place.top() < top)
            place.moveTop(top);
        place = place.intersected(area);
        resize(place.size() - frame);
        move(place.topLeft());
    }

    void Load(const QString &file)
    {
        FFile = file;
        FBrowser->FileName = file;
        FContents->clear();
        FIndex->clear();
        FDefaultTopic.clear();
        TChmFile chm(file);
        if (!chm.IsOpen()) {
            const QString why = chm.Refusal().isEmpty() ? QString() : QStringLiteral(" ") + chm.Refusal();
            FBrowser->setHtml(QStringLiteral("<p>Το αρχείο βοήθειας «%1» δεν ανοίγει.%2</p>")
                                  .arg(file.toHtmlEscaped(), why.toHtmlEscaped()));
            return;
        }
        const QString title = chm.SystemEntry(3);
        setWindowTitle(title.isEmpty() ? QStringLiteral("Βοήθεια") : title);
        FDefaultTopic = chm.SystemEntry(2);
        const QString contentsFile = chm.SystemEntry(0);
        const QString indexFile = chm.SystemEntry(1);
        std::vector<QTreeWidgetItem *> parents;
        for (const TSitemapEntry &e : ParseSitemap(TChmFile::Decode(chm.Read(u'/' + contentsFile)))) {
            parents.resize(size_t(std::min<int>(e.Level, int(parents.size()))));
            auto *item = parents.empty() ? new QTreeWidgetItem(FContents) : new QTreeWidgetItem(parents.back());
            item->setText(0, e.Name);
            item->setData(0, Qt::UserRole, e.Local);
            parents.push_back(item);
        }
        FContents->expandAll();
        for (const TSitemapEntry &e : ParseSitemap(TChmFile::Decode(chm.Read(u'/' + indexFile)))) {
            auto *item = new QListWidgetItem(e.Name, FIndex);
            item->setData(Qt::UserRole, e.Local);
        }
        FFitLists = true;
    }

    // The lists of a file just opened as wide as their longest title, up to half the window (once the window
    // is laid out; the user's own widths are kept afterwards).
    void FitLists()
    {
        if (!FFitLists)
            return;
        FFitLists = false;
        const int frame = FTabs->width() - FContents->viewport()->width();
        const auto widest = [](const QAbstractItemView *list) { return list->sizeHintForColumn(0); };
        const int wanted = std::max(widest(FContents), widest(FIndex)) + frame;
        const QList<int> sizes = FSplitter->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        const int left = std::clamp(wanted, sizes.value(0), std::max(sizes.value(0), total / 2));
        FSplitter->setSizes({left, total - left});
    }

    QSplitter *FSplitter;
    QTabWidget *FTabs;
    QTreeWidget *FContents;
    QListWidget *FIndex;
    THelpBrowser *FBrowser;
    QString FFile;
    QString FTopic;
    QString FDefaultTopic;
    bool FFitLists = false;
};

QPointer<THelpWindow> &HelpWindow()
{
    static QPointer<THelpWindow> window;
    return window;
}

quintptr HtmlHelpA(quintptr, const QString &pszFile, quint32 uCommand, quintptr)
{
    // Help windows need the application; without it (while the program ends) there is nothing to show.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return 0;
    QPointer<THelpWindow> &window = HelpWindow();
    if (uCommand == HH_CLOSE_ALL) {
        if (window)
            window->hide();
        return 0;
    }
    if (uCommand != HH_DISPLAY_TOPIC && uCommand != HH_DISPLAY_TOC && uCommand != HH_DISPLAY_INDEX)
        return 0;
    const qsizetype sep = pszFile.indexOf(QLatin1String("::"));
    const QString file = sep < 0 ? pszFile : pszFile.left(sep);
    const QString topic = sep < 0 ? QString() : pszFile.mid(sep + 2);
    if (!window)
        window = new THelpWindow;
    window->Display(QFileInfo(file).absoluteFilePath(), topic, uCommand == HH_DISPLAY_INDEX ? 1 : 0);
    return quintptr(window->winId());
}

constexpr quintptr HtmlHelpLibrary = 0x4848; // the handle of the one library there is

} // namespace

namespace Platform
{

quintptr LoadLibrary(const QString &Name)
{
    return Name.compare(QLatin1String("HHCTRL.OCX"), Qt::CaseInsensitive) == 0 ? HtmlHelpLibrary : 0;
}

void *GetProcAddress(quintptr Library, const char *ProcName)
{
    if (Library == HtmlHelpLibrary && qstrcmp(ProcName, "HtmlHelpA") == 0)
        return reinterpret_cast<void *>(&HtmlHelpA);
    return nullptr;
}

void FreeLibrary(quintptr)
{
}

THelpWindowState HelpWindowState()
{
    return HelpWindow() ? HelpWindow()->State() : THelpWindowState{};
}

} // namespace Platform
