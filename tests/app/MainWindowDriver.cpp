#include "MainWindowDriver.h"

#include "XForms/DataSetFilterFrameF.h"
#include "XForms/DataSetPopupF.h"
#include "XForms/ListBoxPopUpF.h"
#include "app/EmployerFrameF.h"
#include "app/Program.h"
#include "db/DBGrids.h"
#include "declaration/eApdOptionsF.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "vcl/ActnList.h"
#include "vcl/StdCtrls.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

void MainWindowFixture::SetUp()
{
    EmployFrameFixture::SetUp();
    // The program makes its own data module over the same tables.
    APDDataModule = nullptr;
    Module.reset();
    TRegistry::SetStorageFolder(Dir.filePath(QStringLiteral("registry")));
    Platform::SetRecentDocsFile(Dir.filePath(QStringLiteral("recently-used.xbel")));
    Program::InitializeApplication();
    static const QStringList args{QStringLiteral("DovraApd")};
    TMain::SetArguments(&args);
    FixturePrevious = SetMessageDlgHandler([this](const TMessageDlgRequest &request) {
        Messages.push_back(request.Msg);
        if (Answers.empty())
            return TModalResult(mrOk);
        const TModalResult answer = Answers.front();
        Answers.pop_front();
        return answer;
    });
    PreviousDialogs = SetCommonDialogHandler([this](TComponent *Dialog) {
        auto *d = qobject_cast<TOpenDialog *>(Dialog);
        if (!d || FileChoices.isEmpty())
            return false;
        d->SetFileName(FileChoices.takeFirst());
        return true;
    });
    Program::CreateForms(Dir.path());
    ASSERT_TRUE(Main && Main->Document);
    Main->Peer()->resize(1100, 800);
    Main->Show();
    QApplication::setActiveWindow(Main->Peer());
    QCoreApplication::processEvents();
}

void MainWindowFixture::TearDown()
{
    Program::DestroyForms();
    SetCommonDialogHandler(PreviousDialogs);
    SetMessageDlgHandler(FixturePrevious);
    TMain::SetArguments(nullptr);
    TRegistry::SetStorageFolder(QString());
    Platform::SetRecentDocsFile(QString());
    EmployFrameFixture::TearDown();
}

void MainWindowFixture::Click(TControl *Box, bool Double)
{
    QWidget *peer = Box->Peer();
    ASSERT_TRUE(peer);
    QApplication::setActiveWindow(Main->Peer());
    Main->ScrollBox1->ScrollArea()->ensureWidgetVisible(peer, 40, 40);
    QCoreApplication::processEvents();
    QWidget *top = Main->Peer();
    const QPoint at = peer->mapTo(top, QPoint(peer->width() / 2, peer->height() * 2 / 3));
    QWidget *hit = top->childAt(at);
    // The box, or the editor already open in it.
    ASSERT_TRUE(hit && (hit == peer || peer->isAncestorOf(hit))) << "under the point is " << (hit ? hit->metaObject()->className() : "nothing") << ", not "
                         << Box->Name().toStdString();
    const QPoint local = hit->mapFrom(top, at);
    if (Double)
        QTest::mouseDClick(hit, Qt::LeftButton, {}, local);
    else
        QTest::mouseClick(hit, Qt::LeftButton, {}, local);
    QCoreApplication::processEvents();
}

void MainWindowFixture::Type(TInplaceEditFrame *Box, const QString &Text)
{
    // Boxes whose click picks are typed into after a double click.
    Click(Box, bool(Box->OnClick));
    ASSERT_TRUE(Box->Editor()) << Box->Name().toStdString();
    QLineEdit *edit = Box->Editor()->LineEdit();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    for (QChar c : Text)
        if (c.unicode() < 128)
            QTest::keyClick(edit, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
}

void MainWindowFixture::ShowPage(int Index)
{
    QTabBar *bar = Doc()->PageControl1->TabWidget()->tabBar();
    Main->ScrollBox1->ScrollArea()->ensureWidgetVisible(bar, 40, 40);
    QCoreApplication::processEvents();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(Index).center());
    QCoreApplication::processEvents();
}

void MainWindowFixture::PickRow(const QString &Text)
{
    ASSERT_TRUE(DataSetPopup && DataSetPopup->Visible());
    QTableView *view = DataSetPopup->DataSetFilterFrame1->DBGrid1->TableView();
    QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (model->data(index).toString().trimmed() != Text)
                continue;
            view->scrollTo(index);
            QApplication::setActiveWindow(DataSetPopup->Peer());
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
            QCoreApplication::processEvents();
            QApplication::setActiveWindow(Main->Peer());
            return;
        }
    FAIL() << "no row shows " << Text.toStdString();
}

void MainWindowFixture::PickLine(TListBoxPopup *Popup, const QString &Prefix)
{
    ASSERT_TRUE(Popup && Popup->Visible());
    QListWidget *list = Popup->ListBox1->ListWidget();
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().startsWith(Prefix)) {
            QApplication::setActiveWindow(Popup->Peer());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            QCoreApplication::processEvents();
            QApplication::setActiveWindow(Main->Peer());
            return;
        }
    FAIL() << "no line starts with " << Prefix.toStdString();
}

void MainWindowFixture::Trigger(TAction *Action)
{
    Action->Update();
    ASSERT_TRUE(Action->Enabled()) << Action->Name().toStdString();
    // As the menu does: the application's guard shows what the command raises.
    Action->Handle()->trigger();
    QCoreApplication::processEvents();
}

void MainWindowFixture::ChooseFromMenu(const QStringList &Path, bool ByClick)
{
    ASSERT_GE(Path.size(), 2);
    QApplication::setActiveWindow(Main->Peer());
    QMenuBar *bar = Main->ActionMainMenuBar1->MenuBar();
    QAction *top = nullptr;
    for (QAction *a : bar->actions())
        if (a->text() == Path[0])
            top = a;
    ASSERT_TRUE(top) << "no menu " << Path[0].toStdString();
    // Qt goes on using the menus and the chosen item after the item is triggered: none of them may be
    // freed while the key or the click is handled.
    bool handling = false;
    QStringList freedInUse;
    QObject watching;
    auto watch = [&](QObject *Object, const QString &Name) {
        QObject::connect(Object, &QObject::destroyed, &watching, [&handling, &freedInUse, Name] {
            if (handling)
                freedInUse << Name;
        });
    };
    watch(bar, QStringLiteral("the menu bar"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
    QPointer<QMenu> menu = top->menu();
    for (int i = 1; i < Path.size(); ++i) {
        ASSERT_TRUE(menu && QTest::qWaitForWindowExposed(menu)) << Path[i - 1].toStdString() << " did not open";
        watch(menu, Path[i - 1]);
        QAction *item = nullptr;
        for (QAction *a : menu->actions())
            if (a->text() == Path[i])
                item = a;
        ASSERT_TRUE(item && item->isEnabled()) << "no command " << Path[i].toStdString();
        const QPoint at = menu->actionGeometry(item).center();
        QTest::mouseMove(menu->windowHandle(), at);
        if (i + 1 < Path.size()) {
            QTest::keyClick(menu->windowHandle(), Qt::Key_Right);
            menu = item->menu();
            continue;
        }
        watch(item, Path[i]);
        // Straight to the menu: the window's road would also run the events posted meanwhile.
        handling = true;
        if (ByClick)
            QTest::mouseClick(menu, Qt::LeftButton, {}, at);
        else
            QTest::keyClick(menu, Qt::Key_Return);
        handling = false;
    }
    EXPECT_TRUE(freedInUse.isEmpty()) << "freed while the menu used it: " << freedInUse.join(", ").toStdString();
    QCoreApplication::processEvents();
}

void MainWindowFixture::SaveAs(const QString &Path)
{
    FileChoices << Path;
    Trigger(Main->aSaveAs);
}

void MainWindowFixture::Open(const QString &Path)
{
    FileChoices << Path;
    Trigger(Main->aOpen);
}

QByteArray MainWindowFixture::Export(const QString &Path, const std::function<void(TeApdOptions *)> &Choose)
{
    QFile::remove(Path);
    TeApdOptions *dialog = nullptr;
    const QPointer<QTimer> watch = WhenShown<TeApdOptions>(dialog, [&](TeApdOptions *d) {
        d->CheckBox1->SetChecked(false);
        d->CheckBox2->SetChecked(false);
        d->CheckBox4->SetChecked(false);
        d->CheckBox3->SetChecked(true);
        d->Edit5->SetText(Path);
        d->DateTimePicker1->SetDate(EncodeDate(2003, 2, 10));
        if (Choose)
            Choose(d);
        d->SetModalResult(mrOk);
    });
    Trigger(Main->aExportIkaApd);
    delete watch.data();
    return dialog ? ReadAll(Path) : QByteArray();
}

void MainWindowFixture::Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

namespace
{
// Every bit of the value: 17 significant digits give the same double back.
QString Exact(double v)
{
    return QString::number(v, 'g', 17);
}

void Describe(std::map<QString, QString> &Out, const QString &Prefix, TComponent *Owner)
{
    for (TComponent *c : Owner->ComponentList()) {
        const QString key = Prefix + c->Name();
        if (auto *d = qobject_cast<TXDateFrame *>(c))
            Out[key] = d->Caption() + QStringLiteral(" | ") + Exact(d->Date());
        else if (auto *m = qobject_cast<TXCurrencyFrame *>(c))
            Out[key] = m->Caption() + QStringLiteral(" | ") + QString::number(m->Value().Raw());
        else if (auto *n = qobject_cast<TXIntegerFrame *>(c))
            Out[key] = n->Caption() + QStringLiteral(" | ") + QString::number(n->Value()) + QStringLiteral(" ≤ ") +
                       QString::number(n->MaxValue());
        else if (auto *b = qobject_cast<TXFrame *>(c))
            Out[key] = b->Caption();
        else if (auto *s = qobject_cast<TTabSheet *>(c))
            Out[key] = s->Caption() + QStringLiteral(" | ") + QString::number(s->PageIndex());
    }
}
} // namespace

std::map<QString, QString> Snapshot(TApdData *Document)
{
    std::map<QString, QString> out;
    Describe(out, QString(), Document);
    for (int i = 0; i < Document->PageCount(); ++i)
        if (TEmployFrame *page = Document->Pages(i))
            Describe(out, page->Name() + u'.', page);
    return out;
}

std::map<QString, QString> MainWindowFixture::Snapshot() const
{
    return ::Snapshot(Doc());
}

QString Differences(const std::map<QString, QString> &Expected, const std::map<QString, QString> &Actual)
{
    QString out;
    for (const auto &[key, value] : Expected) {
        const auto it = Actual.find(key);
        if (it == Actual.end())
            out += key + QStringLiteral(": gone\n");
        else if (it->second != value)
            out += key + QStringLiteral(": «") + value + QStringLiteral("» became «") + it->second + QStringLiteral("»\n");
    }
    for (const auto &[key, value] : Actual)
        if (!Expected.count(key))
            out += key + QStringLiteral(": new «") + value + QStringLiteral("»\n");
    return out;
}

QByteArray ReadAll(const QString &Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
