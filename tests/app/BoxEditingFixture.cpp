#include "BoxEditingFixture.h"
#include "app/ApdDataF.h"
#include "app/Program.h"
#include "platform/Platform.h"
#include "platform/Registry.h"

#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QTest>

void BoxEditingFixture::SetUp()
{
    EmployFrameFixture::SetUp();
    TRegistry::SetStorageFolder(Dir.filePath(QStringLiteral("registry")));
    Platform::SetRecentDocsFile(Dir.filePath(QStringLiteral("recently-used.xbel")));
    Program::InitializeApplication();
    static const QStringList args{QStringLiteral("DovraApd")};
    TMain::SetArguments(&args);
    // The program's own objects over the same tables: its data module, main window, pickers and dialogs.
    APDDataModule = nullptr;
    Module.reset();
    Program::CreateForms(Dir.path());
    ASSERT_TRUE(Errors.empty()) << qPrintable(Errors.front());
    PreviousDialogs = SetCommonDialogHandler([this](TComponent *Dialog) {
        auto *d = qobject_cast<TOpenDialog *>(Dialog);
        if (!d || FileChoices.isEmpty())
            return false;
        d->SetFileName(FileChoices.takeFirst());
        return true;
    });
}

void BoxEditingFixture::TearDown()
{
    Program::DestroyForms();
    SetCommonDialogHandler(PreviousDialogs);
    TMain::SetArguments(nullptr);
    TRegistry::SetStorageFolder(QString());
    Platform::SetRecentDocsFile(QString());
    EmployFrameFixture::TearDown();
}

bool BoxEditingFixture::ShowMain()
{
    MainWindow = Main;
    MainWindow->SetBounds(0, 0, 1000, 760);
    MainWindow->Show();
    QApplication::setActiveWindow(MainWindow->Peer());
    Settle();
    return QApplication::activeWindow() == MainWindow->Peer();
}

void BoxEditingFixture::SaveAs(const QString &Path)
{
    FileChoices << Path;
    ASSERT_TRUE(MainWindow->FileControl1->SaveAs());
    Settle();
}

void BoxEditingFixture::Open(const QString &Path)
{
    FileChoices << Path;
    ASSERT_TRUE(MainWindow->FileControl1->Open());
    ASSERT_EQ(MainWindow->FileControl1->FileName(), Path);
    Settle();
}

void BoxEditingFixture::Click(TControl *Box, QPoint Offset, bool Double)
{
    QWidget *peer = Box->Peer();
    // The document scrolls inside the main window: bring the box into view first.
    for (QWidget *w = peer->parentWidget(); w; w = w->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(w)) {
            area->ensureWidgetVisible(peer, 10, 10);
            break;
        }
    Settle();
    if (Offset == QPoint(-1, -1))
        Offset = QPoint(Box->Width() / 2, Box->Height() / 2);
    const QPoint global = peer->mapToGlobal(Offset);
    QWidget *under = QApplication::widgetAt(global);
    ASSERT_TRUE(under && (under == peer || peer->isAncestorOf(under)))
        << "the point is not on " << qPrintable(Box->Name());
    const QPoint at = under->mapFromGlobal(global);
    // A window manager activates the window clicked into (a pop-up opened by the first click of a double
    // click loses the activation to the second).
    auto press = [&](bool second) {
        if (QApplication::activeWindow() != under->window()) {
            QApplication::setActiveWindow(under->window());
            Settle();
        }
        if (second)
            QTest::mouseDClick(under, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(under, Qt::LeftButton, {}, at);
        Settle();
    };
    press(false);
    if (Double)
        press(true);
}

void BoxEditingFixture::Type(const QString &Text)
{
    for (QChar c : Text) {
        QWidget *w = QApplication::focusWidget();
        ASSERT_TRUE(w);
        if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void BoxEditingFixture::Key(int QtKey, Qt::KeyboardModifiers Modifiers)
{
    QWidget *w = QApplication::focusWidget();
    ASSERT_TRUE(w);
    QTest::keyClick(w, Qt::Key(QtKey), Modifiers);
    Settle();
}

void BoxEditingFixture::Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}
