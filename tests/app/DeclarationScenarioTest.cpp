// The declaration in the main window through whole scenarios: printing and previewing leave the document
// as it was, deleting a page takes its amounts out of the totals and the exported header.
#include "ApdDataTestSupport.h"
#include "MainWindowDriver.h"

#include "app/EmployerFrameF.h"
#include "declaration/APDDataModuleF.h"
#include "printing/PreviewFormF.h"

#include <QBackingStore>
#include <QScrollArea>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

namespace
{

class DeclarationScenario : public MainWindowFixture
{
protected:
    // Picks employee Register for line 1 of page Index.
    void PickOnPage(int Index, const QString &Register)
    {
        ShowPage(Index);
        Click(Doc()->Pages(Index)->XFrame22a);
        PickRow(Register);
    }
};

// The records of a declaration file, CR LF apart, the trailer left out.
QList<QByteArray> Records(const QByteArray &File)
{
    QList<QByteArray> lines = File.split('\n');
    for (QByteArray &l : lines)
        l.chop(l.endsWith('\r') ? 1 : 0);
    lines.removeAll(QByteArray());
    lines.removeAll(QByteArray("EOF"));
    return lines;
}

qint64 Field(const QByteArray &Record, int Offset, int Width)
{
    return Record.mid(Offset, Width).toLongLong();
}

TEST_F(DeclarationScenario, PrintingPreviewAndDeletingAPageLeaveTheDocumentTrue)
{
    TApdData *d = Doc();
    Type(d->DatePeriodFrame, QStringLiteral("1/2003"));
    Type(d->frameAME, QStringLiteral("1234567"));
    Type(d->frameAMOE, QStringLiteral("0123456789"));
    Type(d->frameAFM, QStringLiteral("094000000"));
    const QString registers[] = {"123456789", "222333444", "555666777", "123456789"};
    for (int i = 0; i < 4; ++i)
        PickOnPage(i, registers[i]);
    ShowPage(0);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    const QString footer = d->XFrame454->Caption();
    const QString saved = Dir.filePath(QStringLiteral("Τέσσερις.vapd"));
    SaveAs(saved);
    const QByteArray bytes = ReadAll(saved);
    ASSERT_FALSE(bytes.isEmpty());

    // Printed and previewed: the sheets carry the page numbers, the window and the document do not.
    const QString pdf = Dir.filePath(QStringLiteral("printed.pdf"));
    UsePdf(pdf);
    Trigger(Main->aPrint);
    const QString printed = PdfTextOf(pdf);
    EXPECT_TRUE(printed.contains(QStringLiteral("Σελίδα 1 από 4"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Σελίδα 4 από 4")));
    EXPECT_EQ(d->XFrame454->Caption(), footer);
    QTimer::singleShot(0, [] { PreviewForm->aClose->Execute(); });
    Trigger(Main->aPreview);
    EXPECT_EQ(d->XFrame454->Caption(), footer);
    EXPECT_FALSE(Main->FileControl1->Modified());
    const QString again = Dir.filePath(QStringLiteral("Ξανά.vapd"));
    SaveAs(again);
    EXPECT_EQ(ReadAll(again), bytes);

    // Page 4 deleted: its line leaves the totals and the exported header, which matches its records.
    const Currency page4 = d->Pages(3)->EarningsSum();
    ASSERT_GT(page4, Currency());
    ShowPage(3);
    Answers.push_back(mrYes);
    Trigger(Main->aDeletePage);
    ASSERT_EQ(d->PageCount(), 3);
    Currency earnings, contributions;
    int days = 0;
    for (int i = 0; i < 3; ++i) {
        earnings += d->Pages(i)->EarningsSum();
        contributions += d->Pages(i)->ContributionsSum();
        days += d->Pages(i)->DaysSum();
    }
    EXPECT_EQ(d->ApodoxesTotal->Value(), earnings);
    EXPECT_EQ(d->EisforesTotal->Value(), contributions);
    EXPECT_EQ(d->DaysTotal->Value(), days);
    const QList<QByteArray> records = Records(Export(Dir.filePath(QStringLiteral("csc01"))));
    ASSERT_EQ(records.size(), 1 + 2 * 3);
    qint64 recordEarnings = 0, recordDays = 0, recordContributions = 0;
    for (const QByteArray &r : records)
        if (r.startsWith('3')) {
            recordDays += Field(r, 36, 2) + Field(r, 60, 2);
            recordEarnings += Field(r, 48, 10);
            recordContributions += Field(r, 82, 11);
        }
    const QByteArray &header = records.front();
    EXPECT_EQ(Field(header, 535, 12), recordEarnings);
    EXPECT_EQ(Field(header, 547, 8), recordDays);
    EXPECT_EQ(Field(header, 555, 12), recordContributions);
    EXPECT_EQ(Field(header, 535, 12), earnings.Cents());
}

} // namespace
