#include "eApdReportF.h"

#include "XForms/XForms.h"
#include "printing/XPrinters.h"
#include "vcl/CodePage.h"
#include "vcl/ComponentStream.h"
#include "vcl/Printers.h"

#include <QPainter>
#include <cstdlib>

TeApdReport *eApdReport = nullptr;

// The form resource lives in this static library; the linker keeps it only when it is named.
static void InitApdReportResource()
{
    Q_INIT_RESOURCE(eApdReport);
}

// ---------------------------------------------------------------------------------------------- buffer

void TApdStrings::AddText(const QString &S, bool NewLine)
{
    FText += S;
    if (NewLine)
        FText += QStringLiteral("\r\n");
}

void TApdStrings::AddLine(const QString &S)
{
    AddText(S, true);
}

void TApdStrings::AddFormatted(const QString &Fmt, std::initializer_list<QVariant> Args)
{
    AddText(FormatText(Fmt, Args), true);
}

QString FormatText(const QString &Fmt, std::initializer_list<QVariant> Args)
{
    QString result;
    result.reserve(Fmt.size() + 64);
    auto arg = Args.begin();
    const auto next = [&]() -> QVariant {
        if (arg == Args.end())
            throw EConvertError(QStringLiteral("Λείπει τιμή για τη μορφή \"%1\"").arg(Fmt));
        return *arg++;
    };
    for (qsizetype i = 0; i < Fmt.size(); ++i) {
        const QChar c = Fmt[i];
        if (c != u'%') {
            result += c;
            continue;
        }
        if (Fmt.mid(i, 2) == QStringLiteral("%%")) {
            result += u'%';
            ++i;
        } else if (Fmt.mid(i, 2) == QStringLiteral("%s")) {
            result += next().toString();
            ++i;
        } else if (Fmt.mid(i, 5) == QStringLiteral("%4.4d")) {
            const int n = next().toInt();
            result += (n < 0 ? QStringLiteral("-") : QString()) +
                      QString::number(std::abs(qint64(n))).rightJustified(4, u'0');
            i += 4;
        } else {
            throw EConvertError(QStringLiteral("Μη έγκυρη μορφή \"%1\"").arg(Fmt));
        }
    }
    return result;
}

// ----------------------------------------------------------------------------------------- value texts

QString FieldStr(const char *Field, int Width)
{
    return FromCp1253(Field, Width);
}

QString FormatAmountText(const char *Field, int Width)
{
    // From the last digit leftwards: "," after the two decimals, "." after every third digit of the whole
    // part while digits remain.
    QString result;
    int count = -1;
    for (int i = Width - 1; i >= 0; --i, ++count) {
        result.prepend(QChar::fromLatin1(Field[i]));
        if (count == 0)
            result.prepend(u',');
        else if (count > 0 && count % 3 == 0 && i > 0)
            result.prepend(u'.');
    }
    return result;
}

QString FormatDateText(const char *Field)
{
    return FieldStr(Field, 2) + u'/' + FieldStr(Field + 2, 2) + u'/' + FieldStr(Field + 4, 4);
}

QString MaritalText(char Marital)
{
    return Marital == '2' ? QStringLiteral("ΕΓΓΑΜΟΣ") : QStringLiteral("ΑΓΑΜΟΣ");
}

namespace
{
template <size_t N> QString Raw(const std::array<char, N> &R, const TApdField &F)
{
    return FieldStr(R.data() + F.Offset, F.Width);
}

template <size_t N> QString Amount(const std::array<char, N> &R, const TApdField &F)
{
    return FormatAmountText(R.data() + F.Offset, F.Width);
}

template <size_t N> QString Date(const std::array<char, N> &R, const TApdField &F)
{
    return FormatDateText(R.data() + F.Offset);
}
} // namespace

QString EmployerNameText(const THeaderRecord &H)
{
    return Raw(H, ApdHeader::EmployerName).trimmed() + u' ' + Raw(H, ApdHeader::EmployerFirstName).trimmed() + u' ' +
           Raw(H, ApdHeader::EmployerFatherName).trimmed();
}

// ------------------------------------------------------------------------------------------ page texts

void WriteAccompanyingForm(TApdStrings &S, const THeaderRecord &H)
{
    const QString name = EmployerNameText(H);
    const QString kind = Raw(H, ApdHeader::ProjectKind);
    S.AddLine(QStringLiteral("         ΣΥΝΟΔΕΥΤΙΚΟ ΕΝΤΥΠΟ Α.Π.Δ. ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ"));
    S.AddLine(QStringLiteral("        ΥΠΟΒΑΛΛΟΜΕΝΗΣ ΣΕ ΗΛΕΚΤΡΟΝΙΚΗ ΜΟΡΦΗ (Δισκέτα ή CD)"));
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddFormatted(QStringLiteral("ΤΥΠΟΣ ΔΗΛΩΣΗΣ:      %s"), {Raw(H, ApdHeader::DeclarationType)});
    S.AddLine(QStringLiteral("ΥΠΟΚΑΤΑΣΤΗΜΑ ΙΚΑ"));
    S.AddFormatted(QStringLiteral("ΥΠΟΒΟΛΗΣ:           %s %s"),
                   {Raw(H, ApdHeader::BranchCode), Raw(H, ApdHeader::BranchName)});
    S.AddFormatted(QStringLiteral("ΕΠΩΝΥΜΙΑ ΕΡΓΟΔΟΤΗ:  %s"), {name.left(50)});
    S.AddFormatted(QStringLiteral("                    %s"), {name.mid(50, 50)});
    S.AddLine(QString());
    S.AddFormatted(QStringLiteral("Δ/ΝΣΗ ΕΔΡΑΣ         %s %s"),
                   {Raw(H, ApdHeader::Street), Raw(H, ApdHeader::StreetNumber)});
    S.AddFormatted(QStringLiteral("ΕΡΓΟΔΟΤΗ:           %s %s"), {Raw(H, ApdHeader::Postcode), Raw(H, ApdHeader::City)});
    S.AddFormatted(QStringLiteral("ΕΙΔΟΣ               %s"), {kind.left(50)});
    S.AddFormatted(QStringLiteral("ΕΡΓΟΥ               %s"), {kind.mid(50, 50)});
    S.AddLine(QString());
    S.AddFormatted(QStringLiteral("Α.Μ.Ε.:  %s         Α.Μ.Ο.Ε.:         %s Α.Φ.Μ.:         %s"),
                   {Raw(H, ApdHeader::Ame), Raw(H, ApdHeader::Amoe), Raw(H, ApdHeader::Afm)});
    S.AddLine(QString());
    S.AddFormatted(QStringLiteral("ΔΙΕΥΘΥΝΣΗ ΕΡΓΟΥ:    %s %s"),
                   {Raw(H, ApdHeader::ProjectStreet), Raw(H, ApdHeader::ProjectNumber)});
    S.AddFormatted(QStringLiteral("                    %s %s"),
                   {Raw(H, ApdHeader::ProjectPostcode), Raw(H, ApdHeader::ProjectCity)});
    S.AddLine(QString());
    S.AddFormatted(QStringLiteral("ΜΗΝΑΣ/ΕΤΟΣ: %s/%s"), {Raw(H, ApdHeader::Month), Raw(H, ApdHeader::Year)});
    S.AddLine(QString());
    S.AddLine(QStringLiteral("ΣΥΝΟΛΟ ΗΜΕΡΩΝ"));
    S.AddFormatted(QStringLiteral("ΑΠΑΣΧΟΛΗΣΗΣ         %s"), {Raw(H, ApdHeader::DaysTotal)});
    S.AddLine(QString());
    S.AddLine(QStringLiteral("ΣΥΝΟΛΟ "));
    S.AddFormatted(QStringLiteral("ΑΠΟΔΟΧΩΝ:           %s"), {Amount(H, ApdHeader::EarningsTotal)});
    S.AddLine(QString());
    S.AddLine(QStringLiteral("ΣΥΝΟΛΟ "));
    S.AddFormatted(QStringLiteral("ΕΙΣΦΟΡΩΝ:           %s"), {Amount(H, ApdHeader::ContributionsTotal)});
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QStringLiteral("Δηλώνω υπεύθυνα, ότι τα αναγραφόμενα συγκεντρωτικά στοιχεία του παρόντος εντύπου,"));
    S.AddLine(QStringLiteral("περιέχονται στο υποβαλλόμενο ηλεκτρονικό μέσο."));
    S.AddLine(QString());
    S.AddLine(QStringLiteral("Ο ΔΗΛΩΝ ΕΡΓΟΔΟΤΗΣ                                               Ο ΠΑΡΑΛΑΒΩΝ"));
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QStringLiteral("Ημερομηνία Υποβολής"));
    S.AddFormatted(QStringLiteral("  %s "), {Date(H, ApdHeader::SubmissionDate)});
}

void WriteFirstPageHeader(TApdStrings &S, const THeaderRecord &H, int PageNo, int PageCount)
{
    const QString name = EmployerNameText(H);
    const QString kind = Raw(H, ApdHeader::ProjectKind);
    S.AddFormatted(QStringLiteral("   ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ Σελίδα: %4.4d από %4.4d"),
                   {PageNo, PageCount});
    S.AddLine(QString());
    S.AddFormatted(QStringLiteral("ΤΥΠΟΣ ΔΗΛΩΣΗΣ %s"), {Raw(H, ApdHeader::DeclarationType)});
    S.AddFormatted(QStringLiteral("ΥΠΟΚΑΤΑΣΤΗΜΑ ΙΚΑ ΥΠΟΒΟΛΗΣ   %s %s"),
                   {Raw(H, ApdHeader::BranchCode), Raw(H, ApdHeader::BranchName)});
    S.AddFormatted(QStringLiteral("ΕΠΩΝΥΜΙΑ                    %s"), {name.left(50)});
    S.AddFormatted(QStringLiteral("ΕΡΓΟΔΟΤΗ                    %s"), {name.mid(50, 50)});
    S.AddLine(QString());
    S.AddFormatted(QStringLiteral("Δ/ΝΣΗ ΕΔΡΑΣ          %s %s"),
                   {Raw(H, ApdHeader::Street), Raw(H, ApdHeader::StreetNumber)});
    S.AddFormatted(QStringLiteral("ΕΡΓΟΔΟΤΗ             %s %s"),
                   {Raw(H, ApdHeader::Postcode), Raw(H, ApdHeader::City)});
    S.AddFormatted(QStringLiteral("ΕΙΔΟΣ                %s"), {kind.left(50)});
    S.AddFormatted(QStringLiteral("ΕΡΓΟΥ                %s"), {kind.mid(50, 50)});
    S.AddLine(QString());
    S.AddFormatted(QStringLiteral("Α.Μ.Ε.  :%s              ΔΙΕΥΘΥΝΣΗ ΕΡΓΟΥ"), {Raw(H, ApdHeader::Ame)});
    S.AddFormatted(QStringLiteral("Α.Μ.Ο.Ε.:%s  %s %s"),
                   {Raw(H, ApdHeader::Amoe), Raw(H, ApdHeader::ProjectStreet), Raw(H, ApdHeader::ProjectNumber)});
    S.AddFormatted(QStringLiteral("Α.Φ.Μ.  :%s   %s %s"),
                   {Raw(H, ApdHeader::Afm), Raw(H, ApdHeader::ProjectPostcode), Raw(H, ApdHeader::ProjectCity)});
    S.AddFormatted(QStringLiteral("                     ΜΗΝΑΣ/ΕΤΟΣ: %s/%s"),
                   {Raw(H, ApdHeader::Month), Raw(H, ApdHeader::Year)});
    S.AddLine(QString());
    S.AddLine(QStringLiteral("ΣΥΝΟΛΑ ΑΠΔ"));
    S.AddFormatted(QStringLiteral("ΑΠΟΔΟΧΩΝ:           %s  ΗΜΕΡΩΝ ΑΠΑΣΧΟΛΗΣΗΣ:     %s"),
                   {Amount(H, ApdHeader::EarningsTotal), Raw(H, ApdHeader::DaysTotal)});
    S.AddFormatted(QStringLiteral("ΕΙΣΦΟΡΩΝ:           %s"), {Amount(H, ApdHeader::ContributionsTotal)});
}

void WritePageHeader(TApdStrings &S, const THeaderRecord &H, int PageNo, int PageCount)
{
    S.AddFormatted(
        QStringLiteral("                                                             Σελίδα: %4.4d από %4.4d"),
        {PageNo, PageCount});
    S.AddFormatted(QStringLiteral("Α.Μ.Ε.:  %s         Α.Μ.Ο.Ε.:         %s Α.Φ.Μ.:         %s"),
                   {Raw(H, ApdHeader::Ame), Raw(H, ApdHeader::Amoe), Raw(H, ApdHeader::Afm)});
    S.AddFormatted(QStringLiteral("                                                              ΜΗΝΑΣ/ΕΤΟΣ:  %s/%s"),
                   {Raw(H, ApdHeader::Month), Raw(H, ApdHeader::Year)});
}

void WriteEmployeeBlock(TApdStrings &S, const TEmployeeRecord &E, const TInsuranceRecord &I)
{
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddFormatted(QStringLiteral("ΥΠΟΚΑΤΑΣΤΗΜΑ ΙΚΑ      %s"), {Raw(I, ApdInsurance::Branch)});
    S.AddLine(QStringLiteral("ΕΚΤΕΛΕΣΗΣ ΕΡΓΟΥ:"));
    S.AddFormatted(QStringLiteral("ΑΡΙΘΜ. ΜΗΤΡΩΟΥ ΑΣΦ.:  %s"), {Raw(E, ApdEmployee::Register)});
    S.AddFormatted(QStringLiteral("Α.Μ.Κ.Α.:             %s"), {Raw(E, ApdEmployee::Amka)});
    S.AddFormatted(QStringLiteral("ΕΠΩΝΥΜΟ:              %s"), {Raw(E, ApdEmployee::Surname)});
    S.AddFormatted(QStringLiteral("ΟΝΟΜΑ                 %s"), {Raw(E, ApdEmployee::FirstName)});
    S.AddFormatted(QStringLiteral("ΟΝΟΜΑ ΠΑΤΡΟΣ          %s"), {Raw(E, ApdEmployee::FatherName)});
    S.AddFormatted(QStringLiteral("ΟΝΟΜΑ ΜΗΤΡΟΣ          %s"), {Raw(E, ApdEmployee::MotherName)});
    S.AddFormatted(QStringLiteral("ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ       %s"), {Date(E, ApdEmployee::BirthDate)});
    S.AddFormatted(QStringLiteral("Α.Φ.Μ.                %s"), {Raw(E, ApdEmployee::Afm)});
    S.AddFormatted(QStringLiteral("ΑΓΑΜΟΣ / ΕΓΓΑΜΟΣ      %s"), {MaritalText(E[ApdEmployee::Married.Offset])});
    S.AddFormatted(QStringLiteral("ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ      %s"), {Raw(I, ApdInsurance::Triennia)});
    S.AddFormatted(QStringLiteral("ΚΥΡΙΑΚΕΣ              %s"), {Raw(I, ApdInsurance::Sundays)});
    S.AddFormatted(QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ   %s"), {Raw(I, ApdInsurance::Specialty)});
    S.AddFormatted(QStringLiteral("ΕΙΔ.ΠΕΡΙΠΤ.ΑΣΦΑΛ.     %s"), {Raw(I, ApdInsurance::SpecialCase)});
    S.AddFormatted(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ        %s"), {Raw(I, ApdInsurance::Package)});
    S.AddFormatted(QStringLiteral("ΑΠΟ ΗΜ/ΝΙΑ ΑΠΑΣΧ.     %s"), {Date(I, ApdInsurance::From)});
    S.AddFormatted(QStringLiteral("ΕΩΣ ΗΜ/ΝΙΑ ΑΠΑΣΧ.     %s"), {Date(I, ApdInsurance::Until)});
    S.AddFormatted(QStringLiteral("ΤΥΠΟΣ ΑΠΟΔΟΧΩΝ        %s"), {Raw(I, ApdInsurance::EarningsType)});
    S.AddFormatted(QStringLiteral("ΗΜΕΡΕΣ ΑΠΑΣΧΟΛΗΣΗΣ    %s"), {Raw(I, ApdInsurance::Days)});
    S.AddFormatted(QStringLiteral("ΗΜΕΡΟΜΙΣΘΙΟ           %s"), {Amount(I, ApdInsurance::Wage)});
    S.AddFormatted(QStringLiteral("ΑΠΟΔΟΧΕΣ              %s"), {Amount(I, ApdInsurance::Earnings)});
    S.AddFormatted(QStringLiteral("ΚΑΤΑΣΚ. ΦΑΣΗ ή        %s"), {Raw(I, ApdInsurance::Phase)});
    S.AddLine(QStringLiteral("ΕΡΓΑΣ. ΔΗΜΟΣΙΟΥ"));
    S.AddFormatted(QStringLiteral("ΗΜ. ΑΠΟΛΟΓΙΣΤΙΚΩΝ     %s"), {Raw(I, ApdInsurance::AccountingDays)});
    S.AddFormatted(QStringLiteral("ΕΙΣΦΟΡΕΣ ΑΣΦΑΛΙΣΜ.    %s"), {Amount(I, ApdInsurance::Insured)});
    S.AddFormatted(QStringLiteral("ΕΙΣΦΟΡΕΣ ΕΡΓΟΔΟΤΗ     %s"), {Amount(I, ApdInsurance::Employer)});
    S.AddFormatted(QStringLiteral("ΣΥΝΟΛΙΚΕΣ ΕΙΣΦΟΡΕΣ    %s"), {Amount(I, ApdInsurance::Total)});
}

void WriteStopStatement(TApdStrings &S)
{
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QStringLiteral("ΔΙΑΚΟΠΗ ΟΙΚΟΔΟΜΙΚΩΝ ΕΡΓΑΣΙΩΝ (Συμπληρώνεται μόνο όταν ο τύπος δήλωσης είναι 02:"));
    S.AddLine(QStringLiteral("Έκτακτη)"));
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QStringLiteral("Δηλώνω υπεύθυνα και με γνώση των συνεπειών του Ν.1599/86 ότι από  /  /   ,"));
    S.AddLine(QStringLiteral("διακόπηκαν οι οικοδομικές εργασίες του προαναφερόμενου έργου και ότι σε"));
    S.AddLine(QStringLiteral("περίπτωση επανέναρξης αυτή θα γνωστοποιηθεί στο ΙΚΑ με υποβολή Αναλυτικής"));
    S.AddLine(QStringLiteral("Περιοδικής Δήλωσης."));
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QStringLiteral("ΗΜΕΡΟΜΗΝΙΑ                                        ΗΜΕΡΟΜΗΝΙΑ"));
    S.AddLine(QStringLiteral("ΥΠΟΒΟΛΗΣ ΑΠΔ:   /  /                              ΠΑΡΑΛΆΒΗΣ ΑΠΔ:  /  /"));
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QStringLiteral("    Ο ΔΗΛΩΝ                                       Ο ΠΑΡΑΛΑΒΩΝ"));
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QStringLiteral("(Σφραγίδα - Υπογραφή)                       (Σφραγίδα - Υπογραφή)"));
}

// ---------------------------------------------------------------------------------------------- report

TeApdReport::TeApdReport(TComponent *AOwner) : TForm(AOwner)
{
    static const bool registered = [] {
        RegisterClasses<TeApdReport, TXFrame>();
        return true;
    }();
    (void)registered;
    InitApdReportResource();
    if (!InitInheritedComponent(this, &TForm::staticMetaObject))
        throw EStreamError(QStringLiteral("Δεν βρέθηκε η σχεδίαση της φόρμας εκτύπωσης κειμένου."));
    Report = qobject_cast<TXFrame *>(FindComponent(QStringLiteral("Report")));
    if (!Report)
        throw EStreamError(QStringLiteral("Η σχεδίαση της φόρμας εκτύπωσης κειμένου δεν έχει το \"Report\"."));
}

int TeApdReport::FittingLength(const QString &Text, IPage *APage)
{
    // Measured as the box's text printer lays it out: the box less 0.5 mm all round, the box's font at
    // its printed height, whole lines only.
    TRect r = Report->PrintRect();
    InflateRect(r, -5, -5);
    TFont font;
    font.Assign(Report->GetFont());
    font.SetHeight(std::abs(ConvertMapUnits(font.Height(), MapingUnits[mpScreenMaping], Report->PrintUnit())));
    TCanvas *canvas = APage->Canvas();
    QPaintDevice *device = canvas && canvas->Painter() ? canvas->Painter()->device() : Printer()->Handle();
    int length = 0;
    DrawTextOn(nullptr, DesignFontOf(&font), Text, r,
               DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX | DT_WORDBREAK | DT_LEFT | DT_TOP, &length, device);
    return length;
}

void TeApdReport::PrintText(const QString &Text, TDocPrinter *APrinter)
{
    // A page text needs two sheets at the largest size the options offer; a typed-in huge size must not
    // turn one page into hundreds of sheets, so past this the rest is cut.
    constexpr int MaxSheetsPerText = 10;
    // A further sheet starts with the page's first line (its header, with the page number), so the reader
    // knows which page it continues.
    const qsizetype lineEnd = Text.indexOf(QStringLiteral("\r\n"));
    const QString header = lineEnd < 0 ? QString() : Text.left(lineEnd + 2);
    QString rest = Text;
    for (int sheet = 1;; ++sheet) {
        const QString repeated = sheet > 1 ? header : QString();
        if (sheet > 1)
            APrinter->NewPage();
        IPage *page = APrinter->GetCurrentPage();
        TRect r = page->GetPageRect();
        Report->PrintInit(MapingUnits[mpLoMetricMaping]);
        Report->PrintArrange(r);
        const int fitting = FittingLength(repeated + rest, page) - int(repeated.size());
        // When not one line of the rest fits, a further sheet would not hold it either.
        const bool last = fitting <= 0 || fitting >= rest.size() || sheet == MaxSheetsPerText;
        Report->SetCaption(repeated + (last ? rest : rest.left(fitting)));
        Report->Print(page);
        if (last)
            break;
        rest = rest.mid(fitting);
    }
}
