#include "ApdReportSupport.h"

#include "XForms/XForms.h"
#include "declaration/eApdReportF.h"
#include "vcl/CodePage.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace
{

QStringList Lines(const TApdStrings &s)
{
    QStringList lines = s.Text().split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.last().isEmpty()) << "every line ends in CR LF";
    lines.removeLast();
    return lines;
}

QString Amount(const char *digits)
{
    return FormatAmountText(digits, int(qstrlen(digits)));
}

} // namespace

TEST(ApdReportValueTexts, AmountsKeepAndGroupTheirLeadingZeros)
{
    EXPECT_EQ(Amount("000000123450"), "0.000.001.234,50");
    EXPECT_EQ(Amount("0000012345"), "00.000.123,45");
    EXPECT_EQ(Amount("00000012345"), "000.000.123,45");
    EXPECT_EQ(Amount("000000000000"), "0.000.000.000,00");
    EXPECT_EQ(Amount("0000000000"), "00.000.000,00");
    EXPECT_EQ(Amount("12345678"), "123.456,78");
    EXPECT_EQ(Amount("12"), ",12");
}

TEST(ApdReportValueTexts, DatesMaritalStatusAndRawFields)
{
    EXPECT_EQ(FormatDateText("00000000"), "00/00/0000");
    EXPECT_EQ(FormatDateText("15032024"), "15/03/2024");
    EXPECT_EQ(MaritalText('2'), "ΕΓΓΑΜΟΣ");
    EXPECT_EQ(MaritalText('1'), "ΑΓΑΜΟΣ");
    EXPECT_EQ(MaritalText(' '), "ΑΓΑΜΟΣ");
    const QByteArray raw = ToCp1253(QStringLiteral("ΟΔΟΣ  "));
    EXPECT_EQ(FieldStr(raw.constData(), 6), "ΟΔΟΣ  ");
}

TEST(ApdReportValueTexts, FormatFillsTextsAndFourDigitPageNumbers)
{
    EXPECT_EQ(FormatText("Σελίδα: %4.4d από %4.4d", {3, 12}), "Σελίδα: 0003 από 0012");
    EXPECT_EQ(FormatText("%4.4d", {12345}), "12345");
    EXPECT_EQ(FormatText("%s/%s 100%%", {QStringLiteral("02"), QStringLiteral("2024")}), "02/2024 100%");
    // A value that looks like a format is taken as it stands.
    EXPECT_EQ(FormatText("[%s]", {QStringLiteral("%s %1")}), "[%s %1]");
    EXPECT_THROW(FormatText("%s %s", {QStringLiteral("a")}), EConvertError);
}

TEST(ApdReportPageTexts, EmployerNameOfPersonsAndCompanies)
{
    TApdFile file;
    FillSampleHeader(file);
    EXPECT_EQ(EmployerNameText(file.HeaderRecord), "ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΕΩΡΓΙΟΣ ΙΩΑΝΝΗΣ");

    char *r = file.HeaderRecord.data();
    PutText(QStringLiteral("ΔΟΜΙΚΗ ΑΤΕ"), r + 70, 80, "Επωνυμία");
    PutText(QString(), r + 150, 30, "Όνομα");
    PutText(QString(), r + 180, 30, "Όνομα πατρός");
    EXPECT_EQ(EmployerNameText(file.HeaderRecord), "ΔΟΜΙΚΗ ΑΤΕ  ");
    TApdStrings s;
    WriteAccompanyingForm(s, file.HeaderRecord);
    const QStringList lines = Lines(s);
    EXPECT_EQ(lines[8], "ΕΠΩΝΥΜΙΑ ΕΡΓΟΔΟΤΗ:  ΔΟΜΙΚΗ ΑΤΕ  ");
    EXPECT_EQ(lines[9], "                    ");

    // A long name goes on two lines of 50 characters.
    const QString longName = QString(60, u'Α');
    PutText(longName, r + 70, 80, "Επωνυμία");
    s.Clear();
    WriteFirstPageHeader(s, file.HeaderRecord, 1, 2);
    const QStringList first = Lines(s);
    EXPECT_EQ(first[4], "ΕΠΩΝΥΜΙΑ                    " + QString(50, u'Α'));
    EXPECT_EQ(first[5], "ΕΡΓΟΔΟΤΗ                    " + QString(10, u'Α') + "  ");
}

TEST(ApdReportPageTexts, AccompanyingFormFromTheHeader)
{
    TApdFile file;
    FillSampleHeader(file);
    TApdStrings s;
    WriteAccompanyingForm(s, file.HeaderRecord);
    const QStringList lines = Lines(s);
    ASSERT_EQ(lines.size(), 46);
    EXPECT_EQ(lines[0], "         ΣΥΝΟΔΕΥΤΙΚΟ ΕΝΤΥΠΟ Α.Π.Δ. ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ");
    EXPECT_EQ(lines[5], "ΤΥΠΟΣ ΔΗΛΩΣΗΣ:      01");
    EXPECT_EQ(lines[7], "ΥΠΟΒΟΛΗΣ:           052 " + QStringLiteral("ΑΘΗΝΩΝ (Κ. ΜΕΡΟΣ)").leftJustified(50));
    EXPECT_EQ(lines[12], "ΕΡΓΟΔΟΤΗ:           10564 " + QStringLiteral("ΑΘΗΝΑ").leftJustified(30));
    EXPECT_EQ(lines[16], "Α.Μ.Ε.:  0001234567         Α.Μ.Ο.Ε.:         0000098765 Α.Φ.Μ.:         012345678");
    EXPECT_EQ(lines[21], "ΜΗΝΑΣ/ΕΤΟΣ: 02/2024");
    EXPECT_EQ(lines[24], "ΑΠΑΣΧΟΛΗΣΗΣ         00000126");
    EXPECT_EQ(lines[26], "ΣΥΝΟΛΟ ");
    EXPECT_EQ(lines[27], "ΑΠΟΔΟΧΩΝ:           0.000.008.025,78");
    EXPECT_EQ(lines[30], "ΕΙΣΦΟΡΩΝ:           0.000.003.507,72");
    EXPECT_EQ(lines[44], "Ημερομηνία Υποβολής");
    EXPECT_EQ(lines[45], "  15/03/2024 ");
    for (int i : {2, 3, 4, 10, 15, 17, 20, 22, 25, 28, 31, 32, 33, 34, 37, 39, 40, 41, 42, 43})
        EXPECT_TRUE(lines[i].isEmpty()) << i;
}

TEST(ApdReportPageTexts, HeadersBlockAndStatement)
{
    TApdFile file;
    FillSampleHeader(file);
    TApdStrings s;
    WriteFirstPageHeader(s, file.HeaderRecord, 1, 5);
    QStringList lines = Lines(s);
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines[0], "   ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ Σελίδα: 0001 από 0005");
    EXPECT_EQ(lines[12], "Α.Μ.Ε.  :0001234567              ΔΙΕΥΘΥΝΣΗ ΕΡΓΟΥ");
    EXPECT_EQ(lines[18], "ΑΠΟΔΟΧΩΝ:           0.000.008.025,78  ΗΜΕΡΩΝ ΑΠΑΣΧΟΛΗΣΗΣ:     00000126");

    s.Clear();
    WritePageHeader(s, file.HeaderRecord, 3, 12);
    lines = Lines(s);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith("Σελίδα: 0003 από 0012"));
    EXPECT_EQ(lines[2], QString(62, u' ') + "ΜΗΝΑΣ/ΕΤΟΣ:  02/2024");

    AddSampleLine(file, "4711", 1);
    s.Clear();
    WriteEmployeeBlock(s, file.Records(0).EmployeeRecord, file.Records(0).InsuranceRecord);
    lines = Lines(s);
    ASSERT_EQ(lines.size(), 30);
    EXPECT_TRUE(lines[0].isEmpty());
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_EQ(lines[2], "ΥΠΟΚΑΤΑΣΤΗΜΑ ΙΚΑ      052");
    EXPECT_EQ(lines[4], "ΑΡΙΘΜ. ΜΗΤΡΩΟΥ ΑΣΦ.:  000004711");
    EXPECT_EQ(lines[6], "ΕΠΩΝΥΜΟ:              " + QStringLiteral("ΠΑΠΑΔΑΚΗΣ").leftJustified(50));
    EXPECT_EQ(lines[10], "ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ       05/11/1970");
    EXPECT_EQ(lines[12], "ΑΓΑΜΟΣ / ΕΓΓΑΜΟΣ      ΕΓΓΑΜΟΣ");
    EXPECT_EQ(lines[18], "ΑΠΟ ΗΜ/ΝΙΑ ΑΠΑΣΧ.     01/02/2024");
    EXPECT_EQ(lines[22], "ΗΜΕΡΟΜΙΣΘΙΟ           00.000.061,50");
    EXPECT_EQ(lines[25], "ΕΡΓΑΣ. ΔΗΜΟΣΙΟΥ");
    EXPECT_EQ(lines[29], "ΣΥΝΟΛΙΚΕΣ ΕΙΣΦΟΡΕΣ    000.000.584,62");

    s.Clear();
    WriteStopStatement(s);
    lines = Lines(s);
    ASSERT_EQ(lines.size(), 30);
    EXPECT_EQ(lines[6], "ΔΙΑΚΟΠΗ ΟΙΚΟΔΟΜΙΚΩΝ ΕΡΓΑΣΙΩΝ (Συμπληρώνεται μόνο όταν ο τύπος δήλωσης είναι 02:");
    EXPECT_EQ(lines[29], "(Σφραγίδα - Υπογραφή)                       (Σφραγίδα - Υπογραφή)");
}

TEST(ApdReportForm, ReportBoxAsDesigned)
{
    TeApdReport report(nullptr);
    ASSERT_NE(report.Report, nullptr);
    EXPECT_EQ(report.Report->Maping(), mpLoMetricMaping);
    EXPECT_EQ(report.Report->HorzSize(), 1800);
    EXPECT_EQ(report.Report->VertSize(), 2700);
    EXPECT_EQ(report.Report->Borders(), TXFrameBorderStyle());
    EXPECT_TRUE(report.Report->WordWrap());
    EXPECT_EQ(report.Report->HorzAnchor(), haCenter);
    EXPECT_EQ(report.Report->VertAnchor(), vaCenter);
    EXPECT_FALSE(report.Report->ForceNewPage());
    EXPECT_EQ(report.Report->GetColor(), clWhite);
}

namespace
{
// Every page text of a printout with one employee line, built as the printout builds them.
TApdStrings SamplePages(int pageNo = 2)
{
    TApdFile file;
    FillSampleHeader(file);
    AddSampleLine(file, QStringLiteral("100"), 0);
    TApdStrings s;
    WriteAccompanyingForm(s, file.HeaderRecord);
    WriteFirstPageHeader(s, file.HeaderRecord, 1, 3);
    WriteEmployeeBlock(s, file.Records(0).EmployeeRecord, file.Records(0).InsuranceRecord);
    WritePageHeader(s, file.HeaderRecord, pageNo, 3);
    WriteStopStatement(s);
    return s;
}

// A fixed-pitch font: one unit a character.
double Chars(const QString &line)
{
    return double(line.size());
}

QStringList FitLines(const TApdStrings &s, int columns, int *firstLines = nullptr)
{
    QStringList lines = s.Fit(Chars, columns, firstLines).split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.last().isEmpty()) << "every line ends in CR LF";
    lines.removeLast();
    return lines;
}

QString Ink(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

qsizetype LeadingBlanksOf(const QString &line)
{
    qsizetype n = 0;
    while (n < line.size() && line[n] == u' ')
        ++n;
    return n;
}
} // namespace

TEST(ApdReportLayout, PagesThatFitStayAsBuilt)
{
    const TApdStrings s = SamplePages();
    int widest = 0;
    for (const QString &line : Lines(s))
        widest = std::max(widest, int(line.size()));
    ASSERT_GT(widest, 80);
    int first = 0;
    EXPECT_EQ(s.Fit(Chars, widest, &first), s.Text());
    EXPECT_EQ(first, 1);
    // A line only its trailing blanks make too wide fits too.
    TApdStrings padded;
    padded.AddFormatted(QStringLiteral("ΟΔΟΣ %s"), {QStringLiteral("ΕΡΜΟΥ     ")});
    EXPECT_EQ(padded.Fit(Chars, 10), padded.Text());
}

TEST(ApdReportLayout, WideLinesGiveWayBetweenTheirFields)
{
    const QStringList lines = FitLines(SamplePages(), 60);
    for (const QString &line : lines)
        EXPECT_LE(Ink(line).isEmpty() ? 0 : line.trimmed().size() + LeadingBlanksOf(line), 60) << qPrintable(line);
    // The count lines from the first that begins with start.
    const auto after = [&](const QString &start, int count) {
        for (qsizetype at = 0; at < lines.size(); ++at)
            if (lines[at].startsWith(start))
                return lines.mid(at, count);
        ADD_FAILURE() << "no line begins with " << qPrintable(start);
        return QStringList();
    };
    // A value with words goes on under its first word; a value of one word goes whole to the next line
    // with its label.
    EXPECT_EQ(after(QStringLiteral("Δ/ΝΣΗ ΕΔΡΑΣ         "), 2),
              (QStringList{QStringLiteral("Δ/ΝΣΗ ΕΔΡΑΣ         ΣΤΑΔΙΟΥ"), QString(20, u' ') + QStringLiteral("12Α")}));
    // Past a line's first field a value keeps two blanks from its label, not the column it had as written.
    EXPECT_EQ(after(QStringLiteral("Α.Μ.Ε.:  "), 2),
              (QStringList{QStringLiteral("Α.Μ.Ε.:  0001234567         Α.Μ.Ο.Ε.:  0000098765"),
                           QStringLiteral("Α.Φ.Μ.:  012345678")}));
    EXPECT_EQ(after(QStringLiteral("ΣΥΝΟΛΑ ΑΠΔ"), 3),
              (QStringList{QStringLiteral("ΣΥΝΟΛΑ ΑΠΔ"), QStringLiteral("ΑΠΟΔΟΧΩΝ:           0.000.008.025,78"),
                           QStringLiteral("ΗΜΕΡΩΝ ΑΠΑΣΧΟΛΗΣΗΣ:  00000126")}));
    EXPECT_EQ(after(QStringLiteral("Α.Μ.Ο.Ε.:"), 2),
              (QStringList{QStringLiteral("Α.Μ.Ο.Ε.:0000098765  ΕΡΜΟΥ"), QString(21, u' ') + QStringLiteral("5")}));
    // Right-hand columns keep to the right edge, on their line or on one of their own.
    EXPECT_EQ(after(QStringLiteral("Ο ΔΗΛΩΝ ΕΡΓΟΔΟΤΗΣ"), 1),
              QStringList{QStringLiteral("Ο ΔΗΛΩΝ ΕΡΓΟΔΟΤΗΣ") + QString(32, u' ') + QStringLiteral("Ο ΠΑΡΑΛΑΒΩΝ")});
    EXPECT_EQ(after(QStringLiteral("ΥΠΟΒΟΛΗΣ ΑΠΔ:"), 1),
              QStringList{QStringLiteral("ΥΠΟΒΟΛΗΣ ΑΠΔ:   /  /") + QString(20, u' ') +
                          QStringLiteral("ΠΑΡΑΛΆΒΗΣ ΑΠΔ:  /  /")});
    EXPECT_EQ(after(QStringLiteral("   ΑΝΑΛΥΤΙΚΗ"), 2),
              (QStringList{QStringLiteral("   ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ"),
                           QString(39, u' ') + QStringLiteral("Σελίδα: 0001 από 0003")}));
    EXPECT_TRUE(lines.contains(QString(39, u' ') + QStringLiteral("Σελίδα: 0002 από 0003")));
    EXPECT_TRUE(lines.contains(QString(40, u' ') + QStringLiteral("ΜΗΝΑΣ/ΕΤΟΣ:  02/2024")));
    // A paragraph is laid out anew as a whole; its place to fill in stays with its words.
    EXPECT_EQ(after(QStringLiteral("Δηλώνω υπεύθυνα και"), 4),
              (QStringList{QStringLiteral("Δηλώνω υπεύθυνα και με γνώση των συνεπειών του Ν.1599/86 ότι"),
                           QStringLiteral("από  /  /   , διακόπηκαν οι οικοδομικές εργασίες του"),
                           QStringLiteral("προαναφερόμενου έργου και ότι σε περίπτωση επανέναρξης αυτή"),
                           QStringLiteral("θα γνωστοποιηθεί στο ΙΚΑ με υποβολή Αναλυτικής Περιοδικής")}));

    // The first line of a page (the one further sheets repeat) may become two.
    TApdFile file;
    FillSampleHeader(file);
    TApdStrings first;
    WriteFirstPageHeader(first, file.HeaderRecord, 1, 3);
    int firstLines = 0;
    FitLines(first, 60, &firstLines);
    EXPECT_EQ(firstLines, 2);
}

// Whatever the width, the laid-out page holds every character of the page in its order, and from the
// width of the widest field on every line fits.
TEST(ApdReportLayout, NoCharacterIsLostOrRepeatedAtAnyWidth)
{
    const TApdStrings s = SamplePages(12);
    for (int columns = 5; columns <= 100; ++columns) {
        const QString fitted = s.Fit(Chars, columns);
        ASSERT_EQ(Ink(fitted), Ink(s.Text())) << columns << " columns:\n" << qPrintable(fitted);
        if (columns < 40)
            continue;
        for (const QString &line : fitted.split(QStringLiteral("\r\n")))
            EXPECT_LE(Ink(line).isEmpty() ? 0 : line.trimmed().size() + LeadingBlanksOf(line), columns)
                << qPrintable(line);
    }
}
