#include "ApdReportSupport.h"

#include "vcl/Printers.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

const QString FirstHeader = QStringLiteral("ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ");
const QString BlockLabel = QStringLiteral("ΑΡΙΘΜ. ΜΗΤΡΩΟΥ ΑΣΦ.:");
const QString Statement = QStringLiteral("ΔΙΑΚΟΠΗ ΟΙΚΟΔΟΜΙΚΩΝ ΕΡΓΑΣΙΩΝ");
const QString Accompanying = QStringLiteral("ΣΥΝΟΔΕΥΤΙΚΟ ΕΝΤΥΠΟ Α.Π.Δ.");

class ApdFilePrint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        Pdf = Dir.filePath(QStringLiteral("texts.pdf"));
        UsePdfPrinter(Pdf);
        FillSampleHeader(File);
    }

    // Declaration pages only, `lines` kept lines.
    void PrintPages(int lines)
    {
        for (int i = 0; i < lines; ++i)
            AddSampleLine(File, QString::number(100 + i), i);
        File.Print(false, true, {}, 9, QStringLiteral("Courier New"));
    }

    QTemporaryDir Dir;
    QString Pdf;
    TApdFile File;
};

// Every sheet of a printout of the declaration pages is a page of its own: its number is the sheet's, out
// of the sheets; the employee blocks on it are whole, all of them in the printout; the statement closes it.
// Returns the sheets.
int ExpectEverySheetAPage(const QString &pdf, int blocks, const QString &where)
{
    const int sheets = PdfPageCount(pdf);
    int seen = 0;
    for (int sheet = 1; sheet <= sheets; ++sheet) {
        const QString text = PdfText(pdf, sheet);
        const QString here = QStringLiteral("%1, sheet %2:\n%3").arg(where).arg(sheet).arg(text);
        EXPECT_EQ(text.count(QStringLiteral("Σελίδα:")), 1) << qPrintable(here);
        EXPECT_TRUE(text.contains(
            QStringLiteral("Σελίδα: %1 από %2").arg(sheet, 4, 10, QChar(u'0')).arg(sheets, 4, 10, QChar(u'0'))))
            << qPrintable(here);
        const int begun = int(text.count(BlockLabel));
        EXPECT_EQ(begun, text.count(QStringLiteral("ΣΥΝΟΛΙΚΕΣ ΕΙΣΦΟΡΕΣ"))) << qPrintable(here);
        EXPECT_EQ(begun, text.count(QStringLiteral("ΗΜΕΡΟΜΙΣΘΙΟ"))) << qPrintable(here);
        seen += begun;
    }
    EXPECT_EQ(seen, blocks) << qPrintable(where);
    EXPECT_TRUE(PdfText(pdf, sheets).contains(QStringLiteral("(Σφραγίδα - Υπογραφή)"))) << qPrintable(where);
    return sheets;
}

} // namespace

TEST_F(ApdFilePrint, NoLinesGiveTheHeaderPageAndTheClosingPage)
{
    PrintPages(0);
    ASSERT_EQ(PdfPageCount(Pdf), 2);
    const QString first = PdfText(Pdf, 1);
    EXPECT_TRUE(first.contains(FirstHeader));
    EXPECT_TRUE(first.contains("Σελίδα: 0001 από 0002"));
    EXPECT_FALSE(first.contains(BlockLabel));
    EXPECT_FALSE(first.contains(Statement));
    const QString second = PdfText(Pdf, 2);
    EXPECT_TRUE(second.contains("Σελίδα: 0002 από 0002"));
    EXPECT_TRUE(second.contains(Statement));
    EXPECT_FALSE(second.contains(FirstHeader));
}

TEST_F(ApdFilePrint, OneLineGoesWithTheFirstPageHeader)
{
    PrintPages(1);
    ASSERT_EQ(PdfPageCount(Pdf), 2);
    EXPECT_EQ(PdfText(Pdf, 1).count(BlockLabel), 1);
    EXPECT_TRUE(PdfText(Pdf, 2).contains("Σελίδα: 0002 από 0002"));
    EXPECT_EQ(PdfText(Pdf, 2).count(BlockLabel), 0);
}

TEST_F(ApdFilePrint, TwoLinesLeaveTheSecondAloneOnPageTwo)
{
    PrintPages(2);
    ASSERT_EQ(PdfPageCount(Pdf), 3);
    const QString second = PdfText(Pdf, 2);
    EXPECT_TRUE(second.contains("Σελίδα: 0002 από 0003"));
    EXPECT_EQ(second.count(BlockLabel), 1);
    EXPECT_TRUE(second.contains("000000101"));
    EXPECT_TRUE(PdfText(Pdf, 3).contains("Σελίδα: 0003 από 0003"));
    EXPECT_TRUE(PdfText(Pdf, 3).contains(Statement));
}

TEST_F(ApdFilePrint, ThreeLinesPutTwoBlocksOnPageTwo)
{
    PrintPages(3);
    ASSERT_EQ(PdfPageCount(Pdf), 3);
    EXPECT_EQ(PdfText(Pdf, 2).count(BlockLabel), 2);
    EXPECT_TRUE(PdfText(Pdf, 3).contains(Statement));
}

TEST_F(ApdFilePrint, AccompanyingFormAloneIsOneSheet)
{
    File.Print(true, false, {}, 9, QStringLiteral("Courier New"));
    ASSERT_EQ(PdfPageCount(Pdf), 1);
    const QString text = PdfText(Pdf, 1);
    EXPECT_TRUE(text.contains(Accompanying));
    EXPECT_TRUE(text.contains("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΕΩΡΓΙΟΣ ΙΩΑΝΝΗΣ"));
    EXPECT_TRUE(text.contains("0.000.008.025,78"));
    EXPECT_TRUE(text.contains("15/03/2024"));
    EXPECT_FALSE(text.contains(FirstHeader));
}

// Two employee pages of three lines each, added out of order and with one line that is dropped. The
// accompanying form and the declaration pages are print jobs of their own: to a file, two files.
TEST_F(ApdFilePrint, FormAndPagesOfTwoEmployeePagesInRegisterOrder)
{
    const char *regs[] = {"305", "120", "410", "115", "230", "510"};
    for (int i = 0; i < 6; ++i)
        AddSampleLine(File, regs[i], i);
    AddSampleLine(File, "000000000", 9); // no register number: not in the file, not printed
    QStringList written;
    File.Print(true, true, fsBold, 9, QStringLiteral("Courier New"), &written);
    const QString pages = Dir.filePath(QStringLiteral("texts-2.pdf"));
    ASSERT_EQ(written, (QStringList{Pdf, pages}));
    KeepPrintout(pages, QStringLiteral("texts"));

    ASSERT_EQ(PdfPageCount(Pdf), 1);
    EXPECT_TRUE(PdfText(Pdf, 1).contains(Accompanying));
    ASSERT_EQ(PdfPageCount(pages), 6 / 2 + 2);
    EXPECT_TRUE(PdfText(pages, 1).contains("Σελίδα: 0001 από 0005"));
    EXPECT_TRUE(PdfText(pages, 5).contains("Σελίδα: 0005 από 0005"));
    EXPECT_TRUE(PdfText(pages, 5).contains(Statement));

    // Blocks follow the register numbers, whatever the order of the pages.
    const QString blocks = PdfText(pages, 1) + PdfText(pages, 2) + PdfText(pages, 3) + PdfText(pages, 4);
    EXPECT_EQ(blocks.count(BlockLabel), 6);
    int last = -1;
    for (const char *reg : {"000000115", "000000120", "000000230", "000000305", "000000410", "000000510"}) {
        const int at = blocks.indexOf(QString::fromLatin1(reg));
        EXPECT_GT(at, last) << reg;
        last = at;
    }
    EXPECT_TRUE(blocks.contains("ΚΩΝΣΤΑΝΤΙΝΙΔΗΣ"));
    EXPECT_TRUE(blocks.contains("ΓΕΩΡΓΙΑΔΟΥ"));
}

TEST_F(ApdFilePrint, NothingChosenPrintsNothing)
{
    File.Print(false, false, {}, 9, QStringLiteral("Courier New"));
    EXPECT_FALSE(QFile::exists(Pdf));
    EXPECT_FALSE(Printer()->Printing());
}

TEST_F(ApdFilePrint, AFailingPrinterReachesTheCallerAndIsFreeAgain)
{
    UsePdfPrinter(Dir.filePath(QStringLiteral("no such folder/texts.pdf")));
    QStringList written;
    try {
        File.Print(true, true, {}, 9, QStringLiteral("Courier New"), &written);
        ADD_FAILURE() << "printed into a missing folder";
    } catch (const EFCreateError &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("no such folder/texts.pdf"))) << qPrintable(e.Message());
    }
    EXPECT_TRUE(written.isEmpty());
    EXPECT_FALSE(Printer()->Printing());

    UsePdfPrinter(Pdf);
    File.Print(true, false, {}, 9, QStringLiteral("Courier New"), &written);
    EXPECT_EQ(written, QStringList{Pdf});
    EXPECT_EQ(PdfPageCount(Pdf), 1);
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("texts.pdf")});
}

// At 14 points page 1 (the full header and a block) and a page of two blocks need more than the 270 mm of
// the box: the block that does not fit goes on the next page, not its last lines on a sheet of their own,
// and the pages count the sheets. The smallest size keeps the pages as built; so does the widest font at
// the largest size, bold, with its own number of sheets.
TEST_F(ApdFilePrint, EveryBlockStaysOnOneSheetAndThePagesCountTheSheets)
{
    for (int i = 0; i < 3; ++i)
        AddSampleLine(File, QString::number(100 + i), i);
    const struct {
        const char *Font;
        int Size;
        bool Bold;
    } cases[] = {{"Courier New", 14, false}, {"Courier New", 8, false}, {"DejaVu Serif", 14, true}};
    for (const auto &c : cases) {
        const QString where =
            QStringLiteral("%1 %2%3").arg(QString::fromUtf8(c.Font)).arg(c.Size).arg(c.Bold ? " bold" : "");
        UsePdfPrinter(Dir.filePath(where + QStringLiteral(".pdf")));
        QStringList written;
        File.Print(false, true, c.Bold ? TFontStyles(fsBold) : TFontStyles(), c.Size, QString::fromUtf8(c.Font),
                   &written);
        ASSERT_EQ(written.size(), 1);
        KeepPrintout(written[0], where);
        const int sheets = ExpectEverySheetAPage(written[0], 3, where);
        if (c.Size == 8)
            EXPECT_EQ(sheets, 3) << qPrintable(where);
        else
            EXPECT_GT(sheets, 3) << qPrintable(where);
    }
}

// At the two large sizes the export offers, lines too wide for the page give way between their fields: a
// label keeps its value, a place to fill in stays whole, the page numbers keep to the right, and every sheet
// is a page that begins with its header.
TEST_F(ApdFilePrint, LargeSizesKeepFieldsWithTheirLabelsAndEverySheetIsAPage)
{
    for (int i = 0; i < 10; ++i)
        AddSampleLine(File, QString::number(100 + i), i);
    const QRegularExpression pageLine(QStringLiteral("Σελίδα: (\\d{4}) από \\d{4}"));
    const QRegularExpression loneMarks(QStringLiteral("^[/,\\s]+$"));
    for (const int size : {12, 14}) {
        UsePdfPrinter(Dir.filePath(QStringLiteral("texts-%1pt.pdf").arg(size)));
        QStringList written;
        File.Print(true, true, {}, size, QStringLiteral("Courier New"), &written);
        ASSERT_EQ(written.size(), 2);
        const QString form = written[0], pages = written[1];
        KeepPrintout(form, QStringLiteral("form-%1pt").arg(size));
        KeepPrintout(pages, QStringLiteral("texts-%1pt").arg(size));
        const int sheets = ExpectEverySheetAPage(pages, 10, QStringLiteral("%1 pt").arg(size));
        EXPECT_EQ(sheets, size == 12 ? 7 : 12) << "seven pages; at 14 points the header and each block on one";
        for (int sheet = 1; sheet <= sheets; ++sheet) {
            const QString text = PdfText(pages, sheet);
            const QString where = QStringLiteral("%1 pt, sheet %2:\n%3").arg(size).arg(sheet).arg(text);
            // Every page number stands whole beside its word, to the right of the sheet.
            EXPECT_EQ(text.count(QStringLiteral("Σελίδα")), text.count(pageLine)) << qPrintable(where);
            for (const QString &line : text.split(u'\n'))
                EXPECT_TRUE(!line.contains(QStringLiteral("Σελίδα")) || line.indexOf(QStringLiteral("Σελίδα")) > 30)
                    << qPrintable(where);
            // The sheet's first text is a page header line, with the page it belongs to.
            const auto m = pageLine.match(text);
            ASSERT_TRUE(m.hasMatch()) << qPrintable(where);
            const QString firstWords = text.trimmed().section(u'\n', 0, 0);
            EXPECT_TRUE(firstWords.contains(QStringLiteral("Σελίδα")) || firstWords.contains(FirstHeader.left(9)))
                << qPrintable(where);
        }

        const QString formText = PdfText(form), all = PdfText(pages);
        for (const QString &text : {formText, all})
            for (const QString &line : text.split(u'\n')) {
                const QString where = QStringLiteral("%1 pt: «%2»").arg(size).arg(line);
                // No label left at the end of its line without its value, no line of lone marks or
                // starting with the rest of a broken word or date.
                for (const char *label : {"Α.Μ.Ε.:", "Α.Μ.Ο.Ε.:", "Α.Φ.Μ.:", "ΗΜΕΡΩΝ ΑΠΑΣΧΟΛΗΣΗΣ:", "ΜΗΝΑΣ/ΕΤΟΣ:"})
                    EXPECT_FALSE(line.trimmed().endsWith(QString::fromUtf8(label))) << qPrintable(where);
                EXPECT_FALSE(loneMarks.match(line).hasMatch() && !line.trimmed().isEmpty()) << qPrintable(where);
                for (const QChar c : {u':', u'/', u','})
                    EXPECT_FALSE(line.trimmed().startsWith(c)) << qPrintable(where);
            }
        EXPECT_TRUE(formText.contains(QRegularExpression(QStringLiteral("Α\\.Φ\\.Μ\\.:\\s+012345678"))));
        // A line that gives way leaves no label far from its value in the column it had as written.
        for (const QString &text : {formText, all})
            EXPECT_EQ(text.count(QStringLiteral("Α.Μ.Ο.Ε.:")),
                      text.count(QRegularExpression(QStringLiteral("Α\\.Μ\\.Ο\\.Ε\\.:\\s{0,5}0000098765"))))
                << size << qPrintable(text);
        EXPECT_EQ(formText.count(QStringLiteral("Ο ΠΑΡΑΛΑΒΩΝ")), 1) << size;
        EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("από\\s+/\\s+/\\s+,")))) << size;
        EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("ΠΑΡΑΛΆΒΗΣ ΑΠΔ:\\s+/\\s+/")))) << size;
        // All ten blocks whole, each label on its line.
        EXPECT_EQ(all.count(BlockLabel), 10) << size;
        EXPECT_EQ(all.count(QStringLiteral("ΣΥΝΟΛΙΚΕΣ ΕΙΣΦΟΡΕΣ")), 10) << size;
        EXPECT_EQ(all.count(QStringLiteral("(Σφραγίδα - Υπογραφή)")), 2) << size;
    }
}

TEST_F(ApdFilePrint, AHugeTypedFontSizeTakesAtMostTenSheetsPerPage)
{
    File.Print(true, false, {}, 150, QStringLiteral("Courier New"));
    const int sheets = PdfPageCount(Pdf);
    EXPECT_GT(sheets, 1);
    EXPECT_LE(sheets, 10);
    // The declaration pages too: a block that a sheet cannot hold goes on over the next pages, as far as the
    // sheets a page text may take.
    for (const int size : {30, 150}) {
        TApdFile file;
        FillSampleHeader(file);
        AddSampleLine(file, QStringLiteral("100"), 0);
        UsePdfPrinter(Dir.filePath(QStringLiteral("pages-%1.pdf").arg(size)));
        QStringList written;
        file.Print(false, true, {}, size, QStringLiteral("Courier New"), &written);
        ASSERT_EQ(written.size(), 1);
        const int pages = PdfPageCount(written[0]);
        EXPECT_GT(pages, 3) << size;
        EXPECT_LE(pages, 3 * 10) << size;
        if (size == 30) {
            EXPECT_TRUE(PdfText(written[0], pages)
                            .contains(QStringLiteral("Σελίδα: %1 από %1").arg(pages, 4, 10, QChar(u'0'))));
        }
    }
}
