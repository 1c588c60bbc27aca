// A declaration of five pages filled in the shown main window and left on page 3, saved, exported and opened
// again through the main window: the document and the declaration file are byte for byte the reference files
// kept beside this test (made by the program before its reading, writing and page handling were made fast),
// and the reopened window shows the page that was active, alone, looking as it did.
// APD_UPDATE_GOLDEN=1 rewrites the reference files (only when what a document stores is meant to change).
#include "ApdDataTestSupport.h"
#include "MainWindowDriver.h"

#include "XForms/XDateFrame.h"
#include "app/EmployerFrameF.h"
#include "declaration/PopupTyposApodoxonF.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

namespace
{

QString GoldenPath(const QString &Name)
{
    return QStringLiteral(APD_SOURCE_DIR "/tests/app/golden/") + Name;
}

class DocumentReference : public MainWindowFixture
{
protected:
    // Every line of the page: an employee picked, then boxes 21, 32, 38 and 43 as the user gives them.
    void FillLines(int Page)
    {
        ShowPage(Page);
        TEmployFrame *p = Doc()->Pages(Page);
        TDbLookupXFrame *registers[] = {p->XFrame22a, p->XFrame22b, p->XFrame22c};
        TDbLookupXFrame *branch[] = {p->Frame21C, p->Frame21D, p->Frame21E};
        TXIntegerFrame *sundays[] = {p->XIntegerFrame1, p->XIntegerFrame2, p->XIntegerFrame3};
        TXFrame *type[] = {p->XFrame131, p->XFrame132, p->XFrame475};
        TXIntegerFrame *accounting[] = {p->DayCount43_1, p->DayCount43_2, p->DayCount43_3};
        const QString employees[] = {QStringLiteral("123456789"), QStringLiteral("222333444"),
                                     QStringLiteral("555666777")};
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(QStringLiteral("page %1 line %2").arg(Page + 1).arg(k + 1).toStdString());
            Click(registers[k]);
            PickRow(employees[(Page + k) % 3]);
            Type(branch[k], QStringLiteral("061"));
            Type(sundays[k], QString::number(1 + (Page + k) % 4));
            if (type[k]->OnClick) { // line 1's type opens from its drop-down button only
                Click(type[k]);
                PickLine(PopupTyposApodoxon, QStringLiteral("01"));
            }
            Type(accounting[k], QString::number(1 + k));
        }
    }

    // The sheets whose widgets are on screen.
    QList<int> ShownSheets() const
    {
        QList<int> shown;
        for (int i = 0; i < Doc()->PageCount(); ++i)
            if (Doc()->PageControl1->Pages(i)->Peer()->isVisible())
                shown << i;
        return shown;
    }
};

} // namespace

TEST_F(DocumentReference, SavedAndReopenedDocumentIsTheReferenceAndOpensOnItsActivePage)
{
    FillHeader(*Doc());
    Trigger(Main->aInsertPage);
    ASSERT_EQ(Doc()->PageCount(), 5);
    for (int page = 0; page < 5; ++page) {
        FillLines(page);
        // A page keeps the day it was added, which it prints: the reference's pages were added on 7/12/2026.
        auto *added = qobject_cast<TXDateFrame *>(Doc()->Pages(page)->XFrame503);
        ASSERT_NE(added, nullptr);
        added->SetDate(EncodeDate(2026, 12, 7));
    }
    ShowPage(2);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    ASSERT_EQ(Doc()->PageControl1->ActivePageIndex(), 2);
    // Seen from the top, where an opened document starts.
    Main->ScrollBox1->ScrollArea()->verticalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    const QImage made = Main->Peer()->grab().toImage();
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR"))
        made.save(qEnvironmentVariable("APD_RENDER_DIR") + QStringLiteral("/DocumentInMainWindow.png"));

    const QString first = Dir.filePath(QStringLiteral("Δήλωση.vapd"));
    SaveAs(first);
    const QByteArray saved = ReadAll(first);
    const QByteArray exported = Export(Dir.filePath(QStringLiteral("csc01")));
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
    ASSERT_FALSE(exported.isEmpty());
    EXPECT_EQ(saved, ReadAll(GoldenPath(QStringLiteral("declaration.vapd"))));
    EXPECT_EQ(exported, ReadAll(GoldenPath(QStringLiteral("declaration.csc01"))));

    // Opened again in the shown window, through File > Open.
    TApdData *before = Doc();
    Open(first);
    ASSERT_NE(Doc(), before);
    EXPECT_EQ(Doc()->PageCount(), 5);
    EXPECT_EQ(Doc()->PageControl1->ActivePageIndex(), 2);
    EXPECT_EQ(Doc()->PageControl1->TabWidget()->currentIndex(), 2);
    EXPECT_EQ(ShownSheets(), QList<int>{2});
    const QImage reopened = Main->Peer()->grab().toImage();
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR"))
        reopened.save(qEnvironmentVariable("APD_RENDER_DIR") + QStringLiteral("/DocumentReopened.png"));
    EXPECT_TRUE(reopened == made) << "the reopened window looks otherwise";

    // Saved and exported again: the same bytes.
    const QString second = Dir.filePath(QStringLiteral("Ξανά.vapd"));
    SaveAs(second);
    EXPECT_EQ(ReadAll(second), saved);
    EXPECT_EQ(Export(Dir.filePath(QStringLiteral("csc01"))), exported);
    EXPECT_TRUE(Messages.empty()) << Messages.front().toStdString();
}
