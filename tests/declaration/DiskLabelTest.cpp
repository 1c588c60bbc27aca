#include "ApdReportSupport.h"

#include "XForms/XForms.h"
#include "declaration/DiskLabelF.h"
#include "vcl/Printers.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

// Top edges, in points, of the words of a PDF that read `word`, in reading order.
QList<double> WordTops(const QString &fileName, const QString &word)
{
    QProcess proc;
    proc.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fileName, QStringLiteral("-")});
    proc.waitForFinished(60000);
    const QString html = QString::fromUtf8(proc.readAllStandardOutput());
    const QRegularExpression re(QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\"[^>]*>") +
                                QRegularExpression::escape(word.toHtmlEscaped()) + QStringLiteral("</word>"));
    QList<double> tops;
    for (auto it = re.globalMatch(html); it.hasNext();)
        tops << it.next().captured(1).toDouble();
    return tops;
}

} // namespace

TEST(DiskLabel, OnePageWithTheRowsBetweenTheTwoCaptions)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("label.pdf"));
    UsePdfPrinter(pdf);
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetHeight(-16);
    // An export without an Α.Φ.Μ. passes the header's zero-filled field.
    ShowDiskLabel(QStringLiteral("0000098765"), QStringLiteral("000000000"), QStringLiteral("02/2024"), &font);
    KeepPrintout(pdf, QStringLiteral("label"));

    ASSERT_EQ(PdfPageCount(pdf), 1);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Α.Μ.Ο.Ε: 0000098765")) << qPrintable(text);
    EXPECT_TRUE(text.contains(QRegularExpression("Α.Φ.Μ: +000000000"))) << qPrintable(text);
    EXPECT_TRUE(text.contains("Περίοδος:02/2024")) << qPrintable(text);
    EXPECT_TRUE(text.contains(QRegularExpression("Μέσο: 1 +Από: 1"))) << qPrintable(text);
    EXPECT_EQ(text.count("Ετικέτα δισκέτας"), 2);

    const QList<double> captions = WordTops(pdf, QStringLiteral("Ετικέτα"));
    const QList<double> amoe = WordTops(pdf, QStringLiteral("Α.Μ.Ο.Ε:"));
    const QList<double> medium = WordTops(pdf, QStringLiteral("Μέσο:"));
    ASSERT_EQ(captions.size(), 2);
    ASSERT_EQ(amoe.size(), 1);
    ASSERT_EQ(medium.size(), 1);
    EXPECT_LT(captions[0], amoe[0]);
    EXPECT_LT(amoe[0], medium[0]);
    EXPECT_LT(medium[0], captions[1]);
    // The label sits in the top 100 mm of the page (A4 is 842 points high, 10 mm margins).
    EXPECT_LT(captions[1], (10 + 100) / 25.4 * 72);
    EXPECT_FALSE(Printer()->Printing());
}

TEST(DiskLabel, TheCallersFontReachesOnlyTheCaptions)
{
    QTemporaryDir dir;
    UsePdfPrinter(dir.filePath(QStringLiteral("label.pdf")));
    TDiskLabel label(nullptr);
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetHeight(-20);
    font.SetStyle(fsBold);
    label.PrintLabel(QStringLiteral("0000012345"), QStringLiteral("123456789"), &font, QStringLiteral("01/2024"));
    for (TXFrame *caption : {label.XFrame6, label.XFrame7}) {
        EXPECT_EQ(caption->GetFont()->Name(), "Arial");
        EXPECT_EQ(caption->GetFont()->Height(), -20);
    }
    for (TXFrame *row : {label.ApdLabel50x70, label.XFrame2, label.XFrame3, label.XFrame4, label.XFrame5}) {
        EXPECT_EQ(row->GetFont()->Name(), "Courier New");
        EXPECT_EQ(row->GetFont()->Height(), -13);
        EXPECT_EQ(row->GetFont()->Charset(), GREEK_CHARSET);
        EXPECT_FALSE(row->GetFont()->Style() & fsBold);
    }
    EXPECT_EQ(label.XFrame2->Caption(), "Α.Μ.Ο.Ε: 0000012345");
    EXPECT_EQ(label.XFrame5->Caption(), "Μέσο: 1          Από: 1 ");
}

TEST(DiskLabel, AFailingPrinterReachesTheCaller)
{
    QTemporaryDir dir;
    UsePdfPrinter(dir.filePath(QStringLiteral("missing/label.pdf")));
    try {
        ShowDiskLabel(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), nullptr);
        ADD_FAILURE() << "printed into a missing folder";
    } catch (const EFCreateError &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("missing/label.pdf"))) << qPrintable(e.Message());
    }
    EXPECT_FALSE(Printer()->Printing());
}
