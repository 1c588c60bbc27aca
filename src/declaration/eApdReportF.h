// The declaration file printed as plain text: the page texts made from the file's raw records (the
// accompanying form, the declaration pages with their headers and employee blocks, the statement on
// stopped works), and the never-shown form whose one word-wrapping box prints a page text on a sheet.
#pragma once

#include "declaration/ApdFile.h"
#include "vcl/Forms.h"

#include <QString>
#include <QVariant>
#include <initializer_list>

#include "XForms/XForms.h"
class TDocPrinter;

// The text of the page being built; every line ends in CR LF.
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
    void Clear() { FText.clear(); }
    bool IsEmpty() const { return FText.isEmpty(); }
    const QString &Text() const { return FText; }

private:
    QString FText;
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
    // goes on with its next whole line on a further sheet, so no line of the declaration is lost; one text
    // takes at most 10 sheets, the rest of an absurdly large font is cut.
    void PrintText(const QString &Text, TDocPrinter *APrinter);

    TXFrame *Report = nullptr;

private:
    // The number of characters of Text that the arranged box shows on the page.
    int FittingLength(const QString &Text, IPage *APage);
};

// The instance start-up makes; printing makes and frees its own.
extern TeApdReport *eApdReport;
