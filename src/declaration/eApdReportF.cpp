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

TPrintedField FormatField(const QString &Fmt, std::initializer_list<QVariant> Args)
{
    const qsizetype value = Fmt.indexOf(u'%');
    return {FormatText(Fmt, Args), int(value < 0 ? Fmt.size() : value)};
}

namespace
{
// A field never broken: a place to fill in by hand stays with its words.
TPrintedField WholeField(const QString &Text)
{
    return {Text, int(Text.size())};
}
} // namespace

std::vector<TPrintedField> Columns(const QString &Line)
{
    // The widest run of blanks after the first word.
    qsizetype from = 0;
    while (from < Line.size() && Line[from] == u' ')
        ++from;
    qsizetype gap = -1, gapLength = 0;
    for (qsizetype i = from; i < Line.size();) {
        if (Line[i] != u' ') {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < Line.size() && Line[end] == u' ')
            ++end;
        if (end < Line.size() && end - i > gapLength) {
            gap = i;
            gapLength = end - i;
        }
        i = end;
    }
    if (gap < 0)
        return {WholeField(Line)};
    TPrintedField right = WholeField(Line.mid(gap));
    right.Right = true;
    return {WholeField(Line.left(gap)), right};
}

void TApdStrings::AddText(const QString &S, bool NewLine)
{
    FText += S;
    if (!FOpen)
        FLines.emplace_back();
    FLines.back().Fields.push_back({S, 0});
    FOpen = !NewLine;
    if (NewLine)
        FText += QStringLiteral("\r\n");
}

void TApdStrings::AddLine(const QString &S)
{
    AddText(S, true);
}

void TApdStrings::AddFormatted(const QString &Fmt, std::initializer_list<QVariant> Args)
{
    AddFields({FormatField(Fmt, Args)});
}

void TApdStrings::AddFields(const std::vector<TPrintedField> &Fields)
{
    if (!FOpen)
        FLines.emplace_back();
    for (const TPrintedField &f : Fields) {
        FText += f.Text;
        FLines.back().Fields.push_back(f);
    }
    FText += QStringLiteral("\r\n");
    FOpen = false;
}

void TApdStrings::AddParagraph(const QStringList &Lines)
{
    ++FParagraphs;
    for (const QString &line : Lines) {
        AddLine(line);
        FLines.back().Paragraph = FParagraphs;
    }
}

void TApdStrings::Append(const TApdStrings &Other, int From, int Count)
{
    if (FOpen) {
        FText += QStringLiteral("\r\n");
        FOpen = false;
    }
    const int end = Count < 0 ? Other.LineCount() : std::min(From + Count, Other.LineCount());
    for (int i = std::max(From, 0); i < end; ++i) {
        TLine line = Other.FLines[size_t(i)];
        if (line.Paragraph != 0)
            line.Paragraph += FParagraphs;
        for (const TPrintedField &f : line.Fields)
            FText += f.Text;
        FOpen = Other.FOpen && i == Other.LineCount() - 1;
        if (!FOpen)
            FText += QStringLiteral("\r\n");
        FLines.push_back(std::move(line));
    }
    FParagraphs += Other.FParagraphs;
}

void TApdStrings::Clear()
{
    FText.clear();
    FLines.clear();
    FParagraphs = 0;
    FOpen = false;
}

namespace
{
int LeadingBlanks(const QString &s, int from = 0)
{
    int n = from;
    while (n < s.size() && s[n] == u' ')
        ++n;
    return n - from;
}

QString TrimmedRight(QString s)
{
    while (!s.isEmpty() && s.back() == u' ')
        s.chop(1);
    return s;
}

// Lays out one line of fields for a line width; see TApdStrings::Fit.
class TLineFitter
{
public:
    TLineFitter(const std::function<double(const QString &)> &Width, double LineWidth)
        : FWidth(Width), FLineWidth(LineWidth)
    {
    }

    QStringList Fit(const std::vector<TPrintedField> &Fields)
    {
        QString whole;
        for (const TPrintedField &f : Fields)
            whole += f.Text;
        if (Fits(whole))
            return {whole};
        FOut.clear();
        FLine.clear();
        for (size_t i = 0; i < Fields.size(); ++i)
            Place(Fields[i], i == 0);
        if (!TrimmedRight(FLine).isEmpty() || FOut.isEmpty())
            FOut << TrimmedRight(FLine);
        return FOut;
    }

    // A paragraph laid out anew: its lines joined, broken only at single blanks; the first line keeps the
    // blanks it begins with.
    QStringList FitParagraph(const QStringList &Lines)
    {
        QString text;
        for (const QString &line : Lines)
            text += text.isEmpty() ? TrimmedRight(line) : u' ' + line.trimmed();
        QStringList words;
        qsizetype start = 0;
        for (qsizetype i = 1; i + 1 < text.size(); ++i)
            if (text[i] == u' ' && text[i - 1] != u' ' && text[i + 1] != u' ') {
                words << text.mid(start, i - start);
                start = i + 1;
            }
        words << text.mid(start);
        QStringList out;
        QString current = words.takeFirst();
        for (const QString &word : words) {
            if (Fits(current + u' ' + word)) {
                current += u' ' + word;
            } else {
                out << current;
                current = word;
            }
        }
        return out << current;
    }

private:
    bool Fits(const QString &line) const { return FWidth(TrimmedRight(line)) <= FLineWidth; }

    // The most blanks, from Least up, that let Text follow them on Line; -1 when not even Least do.
    int MostBlanks(const QString &Line, const QString &Text, int Least) const
    {
        const auto fits = [&](int n) { return Fits(Line + QString(n, u' ') + Text); };
        if (!fits(Least))
            return -1;
        int lo = Least, hi = Least + 1;
        while (fits(hi) && hi < 4096)
            hi *= 2;
        while (hi - lo > 1) {
            const int mid = (lo + hi) / 2;
            (fits(mid) ? lo : hi) = mid;
        }
        return lo;
    }

    bool LineHasInk() const { return !FLine.trimmed().isEmpty(); }

    void NewLine()
    {
        if (LineHasInk())
            FOut << TrimmedRight(FLine);
        FLine.clear();
    }

    // A field after the first of a line that gives way keeps its value two blanks from its label: the wide
    // run of blanks that set the value in its column as written would leave it standing apart.
    static TPrintedField Closer(const TPrintedField &f)
    {
        const int lead = LeadingBlanks(f.Text);
        int gap = f.ValueColumn;
        while (gap > lead && f.Text[gap - 1] == u' ')
            --gap;
        if (f.Right || gap == lead || f.ValueColumn - gap <= 2 || f.ValueColumn >= f.Text.size())
            return f;
        TPrintedField closer = f;
        closer.Text = f.Text.left(gap + 2) + f.Text.mid(f.ValueColumn);
        closer.ValueColumn = gap + 2;
        return closer;
    }

    void Place(const TPrintedField &field, bool first)
    {
        const TPrintedField f = first ? field : Closer(field);
        const int lead = LeadingBlanks(f.Text);
        const QString body = f.Text.mid(lead);
        if (f.Right) {
            // Its blanks shrink to end it at the right edge; failing that, it ends there on a line of its own.
            if (Fits(FLine + f.Text)) {
                FLine += f.Text;
                return;
            }
            const int blanks = LineHasInk() ? MostBlanks(FLine, body, 1) : -1;
            if (blanks >= 0 && blanks < lead) {
                FLine += QString(blanks, u' ') + body;
                return;
            }
            NewLine();
            FLine = QString(std::max(0, MostBlanks(QString(), body, 0)), u' ') + body;
            return;
        }
        if (first || Fits(FLine + f.Text)) {
            Wrap(f.Text, f.ValueColumn);
            return;
        }
        // A field that cannot begin here goes to the next line, without the blanks that set it apart.
        const QString text = FLine + f.Text;
        const int firstBreak = NextBreak(text, FLine.size() + f.ValueColumn, FLine.size());
        if (firstBreak < 0 || !Fits(text.left(firstBreak))) {
            NewLine();
            Wrap(body, std::max(0, f.ValueColumn - lead));
            return;
        }
        Wrap(f.Text, f.ValueColumn);
    }

    // Where the next word of the value begins after From (a blank before it, a word of the value before
    // that); -1 when none.
    static int NextBreak(const QString &text, int valueStart, int from)
    {
        bool ink = false;
        for (int i = std::max(valueStart, 0); i < text.size(); ++i) {
            if (text[i] != u' ') {
                if (ink && i > from && text[i - 1] == u' ')
                    return i;
                ink = true;
            }
        }
        return -1;
    }

    // Appends Text to the line, breaking between the words of its value (from ValueColumn on) where the
    // line is full; further lines begin under the value's first word.
    void Wrap(const QString &Text, int ValueColumn)
    {
        const int start = int(FLine.size());
        QString text = FLine + Text;
        int valueStart = start + std::min(ValueColumn, int(Text.size()));
        const int indent = valueStart + LeadingBlanks(text, valueStart);
        int from = start;
        for (;;) {
            if (Fits(text)) {
                FLine = text;
                return;
            }
            // The longest head of the text that fits, ending before a word of the value.
            int cut = -1;
            for (int b = NextBreak(text, valueStart, from); b >= 0; b = NextBreak(text, valueStart, b))
                if (Fits(text.left(b)))
                    cut = b;
                else
                    break;
            if (cut < 0) {
                // Not one word more fits: the line stays as wide as it is.
                FLine = text;
                return;
            }
            FOut << TrimmedRight(text.left(cut));
            const QString rest = text.mid(cut);
            // Under the value, unless not even its next word fits there.
            const qsizetype wordEnd = rest.indexOf(u' ');
            const QString under = QString(indent, u' ') + rest;
            text = Fits(under.left(indent + (wordEnd < 0 ? rest.size() : wordEnd))) ? under : rest;
            valueStart = int(text.size() - rest.size());
            from = valueStart;
        }
    }

    const std::function<double(const QString &)> &FWidth;
    double FLineWidth;
    QStringList FOut;
    QString FLine;
};
} // namespace

QString TApdStrings::Fit(const std::function<double(const QString &)> &Width, double LineWidth, int *FirstLines) const
{
    TLineFitter fitter(Width, LineWidth);
    QStringList out;
    for (size_t i = 0; i < FLines.size();) {
        // A paragraph goes as one; any other line on its own.
        size_t end = i + 1;
        while (FLines[i].Paragraph != 0 && end < FLines.size() && FLines[end].Paragraph == FLines[i].Paragraph)
            ++end;
        QStringList lines;
        for (size_t k = i; k < end; ++k)
            lines += fitter.Fit(FLines[k].Fields);
        if (FLines[i].Paragraph != 0 && qsizetype(end - i) != lines.size()) {
            QStringList written;
            for (size_t k = i; k < end; ++k)
                written << FLines[k].Fields.front().Text;
            lines = fitter.FitParagraph(written);
        }
        if (i == 0 && FirstLines)
            *FirstLines = int(lines.size());
        out += lines;
        i = end;
    }
    if (FLines.empty() && FirstLines)
        *FirstLines = 0;
    QString text = out.join(QStringLiteral("\r\n"));
    if (!FLines.empty() && !FOpen)
        text += QStringLiteral("\r\n");
    return text;
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

TPrintedField RightField(const QString &Fmt, std::initializer_list<QVariant> Args)
{
    TPrintedField f = WholeField(FormatText(Fmt, Args));
    f.Right = true;
    return f;
}

// "Α.Μ.Ε.:  …         Α.Μ.Ο.Ε.:         … Α.Φ.Μ.:         …": three fields, each number with its label.
std::vector<TPrintedField> EmployerNumbers(const THeaderRecord &H)
{
    return {FormatField(QStringLiteral("Α.Μ.Ε.:  %s"), {Raw(H, ApdHeader::Ame)}),
            FormatField(QStringLiteral("         Α.Μ.Ο.Ε.:         %s"), {Raw(H, ApdHeader::Amoe)}),
            FormatField(QStringLiteral(" Α.Φ.Μ.:         %s"), {Raw(H, ApdHeader::Afm)})};
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
    S.AddFields(EmployerNumbers(H));
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
    S.AddParagraph({QStringLiteral("Δηλώνω υπεύθυνα, ότι τα αναγραφόμενα συγκεντρωτικά στοιχεία του παρόντος εντύπου,"),
                    QStringLiteral("περιέχονται στο υποβαλλόμενο ηλεκτρονικό μέσο.")});
    S.AddLine(QString());
    S.AddFields(Columns(QStringLiteral("Ο ΔΗΛΩΝ ΕΡΓΟΔΟΤΗΣ                                               Ο ΠΑΡΑΛΑΒΩΝ")));
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
    S.AddFields({{QStringLiteral("   ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ")},
                 RightField(QStringLiteral(" Σελίδα: %4.4d από %4.4d"), {PageNo, PageCount})});
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
    S.AddFields({FormatField(QStringLiteral("Α.Μ.Ο.Ε.:%s"), {Raw(H, ApdHeader::Amoe)}),
                 FormatField(QStringLiteral("  %s %s"), {Raw(H, ApdHeader::ProjectStreet), Raw(H, ApdHeader::ProjectNumber)})});
    S.AddFields({FormatField(QStringLiteral("Α.Φ.Μ.  :%s"), {Raw(H, ApdHeader::Afm)}),
                 FormatField(QStringLiteral("   %s %s"), {Raw(H, ApdHeader::ProjectPostcode), Raw(H, ApdHeader::ProjectCity)})});
    S.AddFormatted(QStringLiteral("                     ΜΗΝΑΣ/ΕΤΟΣ: %s/%s"), {Raw(H, ApdHeader::Month), Raw(H, ApdHeader::Year)});
    S.AddLine(QString());
    S.AddLine(QStringLiteral("ΣΥΝΟΛΑ ΑΠΔ"));
    S.AddFields({FormatField(QStringLiteral("ΑΠΟΔΟΧΩΝ:           %s"), {Amount(H, ApdHeader::EarningsTotal)}),
                 FormatField(QStringLiteral("  ΗΜΕΡΩΝ ΑΠΑΣΧΟΛΗΣΗΣ:     %s"), {Raw(H, ApdHeader::DaysTotal)})});
    S.AddFormatted(QStringLiteral("ΕΙΣΦΟΡΩΝ:           %s"), {Amount(H, ApdHeader::ContributionsTotal)});
}

void WritePageHeader(TApdStrings &S, const THeaderRecord &H, int PageNo, int PageCount)
{
    S.AddFields({RightField(
        QStringLiteral("                                                             Σελίδα: %4.4d από %4.4d"),
        {PageNo, PageCount})});
    S.AddFields(EmployerNumbers(H));
    S.AddFields(
        {RightField(QStringLiteral("                                                              ΜΗΝΑΣ/ΕΤΟΣ:  %s/%s"),
                    {Raw(H, ApdHeader::Month), Raw(H, ApdHeader::Year)})});
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
    S.AddParagraph({QStringLiteral("ΔΙΑΚΟΠΗ ΟΙΚΟΔΟΜΙΚΩΝ ΕΡΓΑΣΙΩΝ (Συμπληρώνεται μόνο όταν ο τύπος δήλωσης είναι 02:"),
                    QStringLiteral("Έκτακτη)")});
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddParagraph({QStringLiteral("Δηλώνω υπεύθυνα και με γνώση των συνεπειών του Ν.1599/86 ότι από  /  /   ,"),
                    QStringLiteral("διακόπηκαν οι οικοδομικές εργασίες του προαναφερόμενου έργου και ότι σε"),
                    QStringLiteral("περίπτωση επανέναρξης αυτή θα γνωστοποιηθεί στο ΙΚΑ με υποβολή Αναλυτικής"),
                    QStringLiteral("Περιοδικής Δήλωσης.")});
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddFields(Columns(QStringLiteral("ΗΜΕΡΟΜΗΝΙΑ                                        ΗΜΕΡΟΜΗΝΙΑ")));
    S.AddFields(Columns(QStringLiteral("ΥΠΟΒΟΛΗΣ ΑΠΔ:   /  /                              ΠΑΡΑΛΆΒΗΣ ΑΠΔ:  /  /")));
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddFields(Columns(QStringLiteral("    Ο ΔΗΛΩΝ                                       Ο ΠΑΡΑΛΑΒΩΝ")));
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddLine(QString());
    S.AddFields(Columns(QStringLiteral("(Σφραγίδα - Υπογραφή)                       (Σφραγίδα - Υπογραφή)")));
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

QFont TeApdReport::PrintFont()
{
    TFont font;
    font.Assign(Report->GetFont());
    font.SetHeight(std::abs(ConvertMapUnits(font.Height(), MapingUnits[mpScreenMaping], Report->PrintUnit())));
    return DesignFontOf(&font);
}

QPaintDevice *TeApdReport::DeviceOf(IPage *APage)
{
    TCanvas *canvas = APage->Canvas();
    return canvas && canvas->Painter() ? canvas->Painter()->device() : Printer()->Handle();
}

int TeApdReport::FittingLength(const QString &Text, IPage *APage)
{
    // Measured as the box's text printer lays it out: the box less 0.5 mm all round, the box's font at
    // its printed height, whole lines only.
    TRect r = Report->PrintRect();
    InflateRect(r, -5, -5);
    int length = 0;
    DrawTextOn(nullptr, PrintFont(), Text, r,
               DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX | DT_WORDBREAK | DT_LEFT | DT_TOP, &length,
               DeviceOf(APage));
    return length;
}

TeApdReport::TLaidOutPage TeApdReport::LayOut(const TApdStrings &Page, TDocPrinter *APrinter)
{
    IPage *page = APrinter->GetCurrentPage();
    TRect pageRect = page->GetPageRect();
    Report->PrintInit(MapingUnits[mpLoMetricMaping]);
    Report->PrintArrange(pageRect);
    TRect r = Report->PrintRect();
    InflateRect(r, -5, -5);
    const QFont font = PrintFont();
    QPaintDevice *device = DeviceOf(page);
    // A line measured as the box's text printer measures it before it wraps.
    const auto width = [&](const QString &line) {
        TRect extent{0, 0, 0, 0};
        DrawTextOn(nullptr, font, line, extent, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX, nullptr,
                   device);
        return double(extent.Width());
    };
    TLaidOutPage laidOut;
    laidOut.Text = Page.Fit(width, r.Width(), &laidOut.HeaderLines);
    laidOut.Fits = FittingLength(laidOut.Text, page) >= laidOut.Text.size();
    return laidOut;
}

void TeApdReport::PrintLaidOut(const TLaidOutPage &Page, TDocPrinter *APrinter)
{
    if (!Page.Fits) {
        PrintText(Page.Text, APrinter, Page.HeaderLines);
        return;
    }
    IPage *page = APrinter->GetCurrentPage();
    TRect r = page->GetPageRect();
    Report->PrintInit(MapingUnits[mpLoMetricMaping]);
    Report->PrintArrange(r);
    Report->SetCaption(Page.Text);
    Report->Print(page);
}

void TeApdReport::PrintText(const QString &Text, TDocPrinter *APrinter, int HeaderLines)
{
    // A further sheet starts with the page's first lines (its header, with the page number), so the reader
    // knows which page it continues.
    qsizetype headerEnd = 0;
    for (int i = 0; i < HeaderLines && headerEnd >= 0; ++i) {
        const qsizetype lineEnd = Text.indexOf(QStringLiteral("\r\n"), headerEnd);
        headerEnd = lineEnd < 0 ? -1 : lineEnd + 2;
    }
    const QString header = headerEnd < 0 ? QString() : Text.left(headerEnd);
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
