#include "ApdReportSupport.h"

#include "printing/XVCLPrinters.h"
#include "vcl/Printers.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

void FillSampleHeader(TApdFile &file)
{
    char *r = file.HeaderRecord.data();
    PutDigits(QStringLiteral("01"), r + 15, 2);
    PutDigits(QStringLiteral("052"), r + 17, 3);
    PutText(QStringLiteral("ΑΘΗΝΩΝ (Κ. ΜΕΡΟΣ)"), r + 20, 50, "Υποκατάστημα");
    PutText(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), r + 70, 80, "Επωνυμία");
    PutText(QStringLiteral("ΓΕΩΡΓΙΟΣ"), r + 150, 30, "Όνομα");
    PutText(QStringLiteral("ΙΩΑΝΝΗΣ"), r + 180, 30, "Όνομα πατρός");
    PutText(QStringLiteral("ΣΤΑΔΙΟΥ"), r + 210, 50, "Οδός");
    PutText(QStringLiteral("12Α"), r + 260, 10, "Αριθμός");
    PutDigits(QStringLiteral("10564"), r + 270, 5);
    PutText(QStringLiteral("ΑΘΗΝΑ"), r + 275, 30, "Πόλη");
    PutText(QStringLiteral("ΑΝΕΓΕΡΣΗ ΤΡΙΩΡΟΦΗΣ ΟΙΚΟΔΟΜΗΣ ΜΕ ΥΠΟΓΕΙΟ ΚΑΙ ΠΙΛΟΤΗ ΣΤΗΝ ΟΔΟ ΕΡΜΟΥ"), r + 305, 100,
            "Είδος έργου");
    PutDigits(QStringLiteral("1234567"), r + 405, 10);
    PutDigits(QStringLiteral("98765"), r + 415, 10);
    PutDigits(QStringLiteral("012345678"), r + 425, 9);
    PutText(QStringLiteral("ΕΡΜΟΥ"), r + 434, 50, "Οδός έργου");
    PutText(QStringLiteral("5"), r + 484, 10, "Αριθμός έργου");
    PutDigits(QStringLiteral("54624"), r + 494, 5);
    PutText(QStringLiteral("ΘΕΣΣΑΛΟΝΙΚΗ"), r + 499, 30, "Πόλη έργου");
    PutText(QStringLiteral("02"), r + 529, 2, "Μήνας");
    PutText(QStringLiteral("2024"), r + 531, 4, "Έτος");
    PutAmount(Currency::FromCents(802578), r + 535, 12);
    PutInt(126, r + 547, 8);
    PutAmount(Currency::FromCents(350772), r + 555, 12);
    PutDate(EncodeDate(2024, 3, 15), r + 567, 8);
    PutDate(0, r + 575, 8);
}

void AddSampleLine(TApdFile &file, const QString &reg, int n, const QString &type)
{
    static const char *const surnames[] = {"ΝΙΚΟΛΑΟΥ",       "ΠΑΠΑΔΑΚΗΣ", "ΓΕΩΡΓΙΑΔΟΥ",
                                           "ΚΩΝΣΤΑΝΤΙΝΙΔΗΣ", "ΔΗΜΗΤΡΙΟΥ", "ΑΛΕΞΙΟΥ"};
    static const char *const names[] = {"ΚΩΣΤΑΣ", "ΜΙΧΑΛΗΣ", "ΕΛΕΝΗ", "ΣΤΑΥΡΟΣ", "ΑΝΝΑ", "ΘΟΔΩΡΗΣ"};
    TEmployeeRecord e;
    TInsuranceRecord i;
    char *er = e.data();
    char *ir = i.data();
    PutText(QStringLiteral("2"), er, 1, "Εγγραφή");
    PutDigits(reg, er + 1, 9);
    PutDigits(QStringLiteral("0101701234") + QString::number(n % 10), er + 10, 11);
    PutText(QString::fromUtf8(surnames[n % 6]), er + 21, 50, "Επώνυμο");
    PutText(QString::fromUtf8(names[n % 6]), er + 71, 30, "Όνομα");
    PutText(QStringLiteral("ΠΕΤΡΟΣ"), er + 101, 30, "Όνομα πατρός");
    PutText(QStringLiteral("ΜΑΡΙΑ"), er + 131, 30, "Όνομα μητρός");
    PutDateText(QStringLiteral("5/11/1970"), er + 161, 8);
    PutDigits(QStringLiteral("12345678") + QString::number(n % 10), er + 169, 9);
    PutText(n % 2 ? QStringLiteral("2") : QStringLiteral("1"), er + 178, 1, "Οικογενειακή κατάσταση");
    PutText(QStringLiteral("3"), ir, 1, "Εγγραφή");
    PutDigits(QStringLiteral("052"), ir + 1, 3);
    PutDigits(QStringLiteral("2"), ir + 4, 1);
    PutInt(1, ir + 5, 1);
    PutDigits(QStringLiteral("933110"), ir + 6, 6);
    PutDigits(QStringLiteral("0"), ir + 12, 2);
    PutDigits(QStringLiteral("1106"), ir + 14, 4);
    PutDate(EncodeDate(2024, 2, 1), ir + 18, 8);
    PutDate(EncodeDate(2024, 2, 29), ir + 26, 8);
    PutDigits(type, ir + 34, 2);
    PutInt(21, ir + 36, 2);
    PutAmount(Currency::FromCents(6150), ir + 38, 10);
    PutAmount(Currency::FromCents(133763), ir + 48, 10);
    PutDigits(QStringLiteral("1"), ir + 58, 2);
    PutInt(0, ir + 60, 2);
    PutAmount(Currency::FromCents(21402), ir + 62, 10);
    PutAmount(Currency::FromCents(37060), ir + 72, 10);
    PutAmount(Currency::FromCents(58462), ir + 82, 11);
    file.AddRecord(e, i);
}

void UsePdfPrinter(const QString &fileName)
{
    // Start-up registers the content printers before anything prints.
    InitXVCLPrinters();
    QPrinter *p = Printer()->QtPrinter();
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(fileName);
    p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                 QPageLayout::Millimeter));
}

static QString Run(const QString &program, const QStringList &args)
{
    QProcess proc;
    proc.start(program, args);
    proc.waitForFinished(60000);
    return QString::fromUtf8(proc.readAllStandardOutput());
}

QString PdfText(const QString &fileName, int page)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    return Run(QStringLiteral("pdftotext"), args << fileName << QStringLiteral("-"));
}

int PdfPageCount(const QString &fileName)
{
    const QString info = Run(QStringLiteral("pdfinfo"), {fileName});
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

void KeepPrintout(const QString &fileName, const QString &name)
{
    const QString folder = qEnvironmentVariable("APD_KEEP_PRINTOUTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QFile::remove(folder + u'/' + name + QStringLiteral(".pdf"));
    QFile::copy(fileName, folder + u'/' + name + QStringLiteral(".pdf"));
    Run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), fileName, folder + u'/' + name});
}
