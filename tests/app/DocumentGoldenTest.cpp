// A declaration made in the shown main window, saved through the document controller, exported and opened
// again: the document and the declaration file are byte for byte the reference files kept beside this test,
// and the reopened window shows what was left, on the page that was active.
// APD_UPDATE_GOLDEN=1 rewrites the reference files (only when what a document stores is meant to change).
#include "ApdDataTestSupport.h"
#include "EmployFrameFixture.h"

#include "app/MainF.h"
#include "app/Program.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "vcl/StdDialogs.h"

#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace
{

QString GoldenPath(const QString &Name)
{
    return QStringLiteral(APD_SOURCE_DIR "/tests/app/golden/") + Name;
}

QByteArray FileBytes(const QString &Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DocumentGolden : public EmployFrameFixture
{
protected:
    void SetUp() override
    {
        EmployFrameFixture::SetUp();
        TRegistry::SetStorageFolder(Dir.filePath(QStringLiteral("registry")));
        Platform::SetRecentDocsFile(Dir.filePath(QStringLiteral("recently-used.xbel")));
        Program::InitializeApplication();
        TMain::SetArguments(&Args);
        PreviousDialogs = SetCommonDialogHandler([this](TComponent *Dialog) {
            auto *d = qobject_cast<TOpenDialog *>(Dialog);
            if (!d || Choices.isEmpty())
                return false;
            d->SetFileName(Choices.takeFirst());
            return true;
        });
    }
    void TearDown() override
    {
        Main = nullptr;
        SetCommonDialogHandler(PreviousDialogs);
        TMain::SetArguments(nullptr);
        TRegistry::SetStorageFolder(QString());
        Platform::SetRecentDocsFile(QString());
        EmployFrameFixture::TearDown();
    }
    std::unique_ptr<TMain> ShownMain()
    {
        auto m = std::make_unique<TMain>(nullptr);
        Main = m.get();
        m->Show();
        QCoreApplication::processEvents();
        return m;
    }

    // Every line of every page: an employee picked, then the boxes typed by hand (21, 32, 38, 42, 43).
    void FillPages(TApdData *Doc)
    {
        const QString registers[] = {QStringLiteral("123456789"), QStringLiteral("222333444"),
                                     QStringLiteral("555666777")};
        for (int i = 0; i < Doc->PageCount(); ++i) {
            TEmployFrame *p = Doc->Pages(i);
            TDbLookupXFrame *branch[] = {p->Frame21C, p->Frame21D, p->Frame21E};
            TXIntegerFrame *sundays[] = {p->XIntegerFrame1, p->XIntegerFrame2, p->XIntegerFrame3};
            TXFrame *type[] = {p->XFrame131, p->XFrame132, p->XFrame475};
            TDbLookupXFrame *phase[] = {p->DbLookupXFrame9, p->DbLookupXFrame18, p->DbLookupXFrame27};
            TXIntegerFrame *accounting[] = {p->DayCount43_1, p->DayCount43_2, p->DayCount43_3};
            for (int k = 0; k < 3; ++k) {
                PickEmployee(p, k, registers[(i + k) % 3]);
                branch[k]->SetCaption(QStringLiteral("061"));
                sundays[k]->SetValue(1 + (i + k) % 4);
                type[k]->SetCaption(QStringLiteral("01 "));
                phase[k]->SetCaption(QStringLiteral("02"));
                accounting[k]->SetValue(1 + k);
            }
        }
    }

    const QStringList Args{QStringLiteral("DovraApd")};
    QStringList Choices;
    TCommonDialogHandler PreviousDialogs;
};

TApdExportOptions ExportTo(const QString &Path)
{
    TApdExportOptions o;
    o.NameParts[0] = QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε.");
    o.Path = Path;
    o.SubmissionDate = EncodeDate(2003, 2, 10);
    return o;
}

// The user clicks the tab of a page.
void ClickTab(TApdData *Doc, int Index)
{
    QTabBar *bar = Doc->PageControl1->TabWidget()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(Index).center());
}

// The sheets whose widgets are shown.
QList<int> ShownSheets(TApdData *Doc)
{
    QList<int> shown;
    for (int i = 0; i < Doc->PageCount(); ++i)
        if (Doc->PageControl1->Pages(i)->Peer()->isVisible())
            shown << i;
    return shown;
}

} // namespace

TEST_F(DocumentGolden, SavedAndReopenedDocumentIsTheReferenceAndOpensOnItsActivePage)
{
    TScriptedDialogs dialogs;
    const QString first = Dir.filePath(QStringLiteral("Δήλωση.vapd"));
    const QString second = Dir.filePath(QStringLiteral("Ξανά.vapd"));
    auto main = ShownMain();
    TApdData *doc = main->Document;
    ASSERT_NE(doc, nullptr);
    FillHeader(*doc);
    main->aInsertPage->Execute();
    QCoreApplication::processEvents();
    ASSERT_EQ(doc->PageCount(), 5);
    FillPages(doc);
    QCoreApplication::processEvents();
    ClickTab(doc, 2);
    ASSERT_EQ(doc->PageControl1->ActivePageIndex(), 2);
    QCoreApplication::processEvents();
    const QImage made = main->Peer()->grab().toImage();
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR"))
        made.save(qEnvironmentVariable("APD_RENDER_DIR") + QStringLiteral("/DocumentInMainWindow.png"));

    Choices << first;
    ASSERT_TRUE(main->FileControl1->SaveAs());
    doc->ExportWith(ExportTo(Dir.filePath(QStringLiteral("csc01"))));
    const QByteArray saved = FileBytes(first);
    const QByteArray exported = FileBytes(Dir.filePath(QStringLiteral("csc01")));
    if (qEnvironmentVariableIsSet("APD_UPDATE_GOLDEN")) {
        QDir().mkpath(GoldenPath(QString()));
        for (const auto &[name, bytes] : {std::pair{QStringLiteral("declaration.vapd"), saved},
                                          std::pair{QStringLiteral("declaration.csc01"), exported}}) {
            QFile f(GoldenPath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
    }
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_EQ(saved, FileBytes(GoldenPath(QStringLiteral("declaration.vapd"))));
    EXPECT_EQ(exported, FileBytes(GoldenPath(QStringLiteral("declaration.csc01"))));

    // Opened again in the shown window, through File > Open.
    Choices << first;
    main->aOpen->Execute();
    QCoreApplication::processEvents();
    ASSERT_NE(main->Document, doc);
    doc = main->Document;
    EXPECT_EQ(doc->PageCount(), 5);
    EXPECT_EQ(doc->PageControl1->ActivePageIndex(), 2);
    EXPECT_EQ(doc->PageControl1->TabWidget()->currentIndex(), 2);
    EXPECT_EQ(ShownSheets(doc), QList<int>{2});
    EXPECT_TRUE(main->Peer()->grab().toImage() == made) << "the reopened window looks otherwise";

    // Saved and exported again: the same bytes.
    Choices << second;
    ASSERT_TRUE(main->FileControl1->SaveAs());
    EXPECT_EQ(FileBytes(second), saved);
    doc->ExportWith(ExportTo(Dir.filePath(QStringLiteral("csc01-again"))));
    EXPECT_EQ(FileBytes(Dir.filePath(QStringLiteral("csc01-again"))), exported);
    EXPECT_TRUE(Errors.empty()) << qPrintable(Errors.front());
    EXPECT_EQ(dialogs.Count(), 0);
}
