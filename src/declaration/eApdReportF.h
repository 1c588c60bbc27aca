// The declaration file printed as plain text: the page texts made from the file's raw records (the
// accompanying form, the declaration pages with their headers and employee blocks, the statement on
// stopped works), and the never-shown form whose one word-wrapping box prints a page text on a sheet.
#pragma once

#include "declaration/ApdFile.h"
#include "vcl/Forms.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <vector>

#include "XForms/XForms.h"
class TDocPrinter;

// One field of a printed line: its text as printed while the line fits the page (the blanks before it, its
// label, its value), and how it gives way when the line is too wide for the page at the chosen font.
struct TPrintedField {
    QString Text;
    // Where the value begins in Text: a field too wide for its line breaks between the words of its value
    // and goes on under the value's first word. Text's length: the field is never broken.
    int ValueColumn = 0;
    // A right-hand column: it keeps to the right edge, its blanks shrinking, or on a line of its own.
    bool Right = false;
};

// A field made with the format routine below; its value begins where the format's first value does.
TPrintedField FormatField(const QString &Fmt, std::initializer_list<QVariant> Args);
// The two columns of a line as written, split at its widest run of blanks: the left one never broken, the
// right one a right-hand column.
std::vector<TPrintedField> Columns(const QString &Line);

// The text of the page being built; every line ends in CR LF. It also keeps each line's fields, so the
// page can be laid out anew for a line width too narrow for it (Fit).
class TApdStrings
{
public:
    // Appends S, then CR LF when NewLine.
    void AddText(const QString &S, bool NewLine);
    // Appends S and CR LF; an empty S gives an empty line.
    void AddLine(const QString &S);
    // Appends Fmt with its values, then CR LF. Fmt knows "%s" (a text) and "%4.4d" (a number of at least
    // four digits, zero-filled); "%%" is a percent sign.
    void AddFormatted(const QString &Fmt, std::initializer_list<QVariant> Args);
    // Appends fields side by side, their texts one after the other, then CR LF.
    void AddFields(const std::vector<TPrintedField> &Fields);
    // Appends the lines of one paragraph as written, each followed by CR LF. When one of them is too wide
    // for the page, the paragraph is laid out anew as a whole, broken only at single blanks: a run of
    // blanks within a line holds a place to fill in by hand and stays with its words.
    void AddParagraph(const QStringList &Lines);
    // Appends Count lines (-1: all the rest) of Other from its line From, each with its fields and its
    // paragraph.
    void Append(const TApdStrings &Other, int From = 0, int Count = -1);
    void Clear();
    bool IsEmpty() const { return FText.isEmpty(); }
    int LineCount() const { return int(FLines.size()); }
    const QString &Text() const { return FText; }

    // The page laid out for lines of at most LineWidth, as Width measures a line (trailing blanks not
    // counted): a line that fits stays exactly as it is; a wider one gives way as its fields say: first a
    // right-hand column keeps to the right edge, then the fields that do not fit go on further lines (a
    // field whose value has words breaks between them, going on under its value); a paragraph with a line
    // too wide is laid out anew. FirstLines receives how many lines the page's first line became.
    QString Fit(const std::function<double(const QString &)> &Width, double LineWidth, int *FirstLines = nullptr) const;

private:
    struct TLine {
        std::vector<TPrintedField> Fields;
        // The paragraph the line belongs to, numbered from 1; 0 for none.
        int Paragraph = 0;
    };
    QString FText;
    std::vector<TLine> FLines;
    int FParagraphs = 0;
    // The last line has no CR LF yet.
    bool FOpen = false;
};

// The formatting routine of AddFormatted.
QString FormatText(const QString &Fmt, std::initializer_list<QVariant> Args);

// ---- value texts, each made from a raw field ----
// The field's characters at their full width, nothing trimmed.
QString FieldStr(const char *Field, int Width);
// An amount field in cents: "," before the last two digits, "." between groups of three digits of the whole
// part, leading zeros kept and grouped (000000123450 gives 0.000.001.234,50).
QString FormatAmountText(const char *Field, int Width);
// A "ddmmyyyy" field as dd/mm/yyyy, character by character.
QString FormatDateText(const char *Field);
// "ΕΓΓΑΜΟΣ" for "2", otherwise "ΑΓΑΜΟΣ".
QString MaritalText(char Marital);
// Surname or company name, first name and father's name of the header, each trimmed, joined by blanks.
QString EmployerNameText(const THeaderRecord &Header);

// ---- page texts ----
void WriteAccompanyingForm(TApdStrings &S, const THeaderRecord &Header);
void WriteFirstPageHeader(TApdStrings &S, const THeaderRecord &Header, int PageNo, int PageCount);
void WritePageHeader(TApdStrings &S, const THeaderRecord &Header, int PageNo, int PageCount);
void WriteEmployeeBlock(TApdStrings &S, const TEmployeeRecord &Employee, const TInsuranceRecord &Insurance);
void WriteStopStatement(TApdStrings &S);

// Never shown: holds the 180 x 270 mm box, centred on the page, that prints one page text.
class TeApdReport : public TForm
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/eApdReport.dfm")
    Q_PROPERTY(TXFrame *Report MEMBER Report STORED false)

public:
    Q_INVOKABLE explicit TeApdReport(TComponent *AOwner);

    // Prints Text in the box on the printer's current page. A text too long for the box at the chosen font
    // goes on with its next whole line on a further sheet, which repeats the text's first HeaderLines lines
    // so no line of the declaration is lost; one text takes at most 10 sheets, the rest of an absurdly
    // large font is cut.
    void PrintText(const QString &Text, TDocPrinter *APrinter, int HeaderLines = 1);
    // Sheets one page text, or one employee block too tall for a sheet, may take: a typed-in huge size must
    // not turn one page into hundreds of sheets, so past this the rest is cut.
    static constexpr int MaxSheetsPerText = 10;
    // A page built of fields laid out for the box's width at its font, on the printer's current sheet: the
    // text to print with PrintText, how many lines its first line became, and whether it fits the sheet.
    struct TLaidOutPage {
        QString Text;
        int HeaderLines = 1;
        bool Fits = false;
    };
    TLaidOutPage LayOut(const TApdStrings &Page, TDocPrinter *APrinter);
    // Prints a laid-out page on the printer's current sheet; one that does not fit goes on as PrintText's.
    void PrintLaidOut(const TLaidOutPage &Page, TDocPrinter *APrinter);

    TXFrame *Report = nullptr;

private:
    // The box's font at its printed height, and the device the page is drawn on.
    QFont PrintFont();
    static QPaintDevice *DeviceOf(IPage *APage);
    // The number of characters of Text that the arranged box shows on the page.
    int FittingLength(const QString &Text, IPage *APage);
};

// The instance start-up makes; printing makes and frees its own.
extern TeApdReport *eApdReport;
