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
    PutValue(r, ApdHeader::DeclarationType, QStringLiteral("01"));
    PutValue(r, ApdHeader::BranchCode, QStringLiteral("052"));
    PutValue(r, ApdHeader::BranchName, QStringLiteral("ΑΘΗΝΩΝ (Κ. ΜΕΡΟΣ)"));
    PutValue(r, ApdHeader::EmployerName, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    PutValue(r, ApdHeader::EmployerFirstName, QStringLiteral("ΓΕΩΡΓΙΟΣ"));
    PutValue(r, ApdHeader::EmployerFatherName, QStringLiteral("ΙΩΑΝΝΗΣ"));
    PutValue(r, ApdHeader::Street, QStringLiteral("ΣΤΑΔΙΟΥ"));
    PutValue(r, ApdHeader::StreetNumber, QStringLiteral("12Α"));
    PutValue(r, ApdHeader::Postcode, QStringLiteral("10564"));
    PutValue(r, ApdHeader::City, QStringLiteral("ΑΘΗΝΑ"));
    PutValue(r, ApdHeader::ProjectKind,
             QStringLiteral("ΑΝΕΓΕΡΣΗ ΤΡΙΩΡΟΦΗΣ ΟΙΚΟΔΟΜΗΣ ΜΕ ΥΠΟΓΕΙΟ ΚΑΙ ΠΙΛΟΤΗ ΣΤΗΝ ΟΔΟ ΕΡΜΟΥ"));
    PutValue(r, ApdHeader::Ame, QStringLiteral("1234567"));
    PutValue(r, ApdHeader::Amoe, QStringLiteral("98765"));
    PutValue(r, ApdHeader::Afm, QStringLiteral("012345678"));
    PutValue(r, ApdHeader::ProjectStreet, QStringLiteral("ΕΡΜΟΥ"));
    PutValue(r, ApdHeader::ProjectNumber, QStringLiteral("5"));
    PutValue(r, ApdHeader::ProjectPostcode, QStringLiteral("54624"));
    PutValue(r, ApdHeader::ProjectCity, QStringLiteral("ΘΕΣΣΑΛΟΝΙΚΗ"));
    PutValue(r, ApdHeader::Month, QStringLiteral("02"));
    PutValue(r, ApdHeader::Year, QStringLiteral("2024"));
    PutValue(r, ApdHeader::EarningsTotal, Currency::FromCents(802578));
    PutValue(r, ApdHeader::DaysTotal, qint64(126));
    PutValue(r, ApdHeader::ContributionsTotal, Currency::FromCents(350772));
    PutValue(r, ApdHeader::SubmissionDate, EncodeDate(2024, 3, 15));
    PutValue(r, ApdHeader::StopDate, TDateTime(0));
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
    PutValue(er, ApdEmployee::RecordType, QStringLiteral("2"));
    PutValue(er, ApdEmployee::Register, reg);
    PutValue(er, ApdEmployee::Amka, QStringLiteral("0101701234") + QString::number(n % 10));
    PutValue(er, ApdEmployee::Surname, QString::fromUtf8(surnames[n % 6]));
    PutValue(er, ApdEmployee::FirstName, QString::fromUtf8(names[n % 6]));
    PutValue(er, ApdEmployee::FatherName, QStringLiteral("ΠΕΤΡΟΣ"));
    PutValue(er, ApdEmployee::MotherName, QStringLiteral("ΜΑΡΙΑ"));
    PutValue(er, ApdEmployee::BirthDate, QStringLiteral("5/11/1970"));
    PutValue(er, ApdEmployee::Afm, QStringLiteral("12345678") + QString::number(n % 10));
    PutValue(er, ApdEmployee::Married, n % 2 ? QStringLiteral("ΕΓΓΑΜΟΣ") : QStringLiteral("ΑΓΑΜΟΣ"));
    PutValue(ir, ApdInsurance::RecordType, QStringLiteral("3"));
    PutValue(ir, ApdInsurance::Branch, QStringLiteral("052"));
    PutValue(ir, ApdInsurance::Triennia, QStringLiteral("2"));
    PutValue(ir, ApdInsurance::Sundays, qint64(1));
    PutValue(ir, ApdInsurance::Specialty, QStringLiteral("933110"));
    PutValue(ir, ApdInsurance::SpecialCase, QStringLiteral("0"));
    PutValue(ir, ApdInsurance::Package, QStringLiteral("1106"));
    PutValue(ir, ApdInsurance::From, EncodeDate(2024, 2, 1));
    PutValue(ir, ApdInsurance::Until, EncodeDate(2024, 2, 29));
    PutValue(ir, ApdInsurance::EarningsType, type);
    PutValue(ir, ApdInsurance::Days, qint64(21));
    PutValue(ir, ApdInsurance::Wage, Currency::FromCents(6150));
    PutValue(ir, ApdInsurance::Earnings, Currency::FromCents(133763));
    PutValue(ir, ApdInsurance::Phase, QStringLiteral("1"));
    PutValue(ir, ApdInsurance::AccountingDays, qint64(0));
    PutValue(ir, ApdInsurance::Insured, Currency::FromCents(21402));
    PutValue(ir, ApdInsurance::Employer, Currency::FromCents(37060));
    PutValue(ir, ApdInsurance::Total, Currency::FromCents(58462));
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
