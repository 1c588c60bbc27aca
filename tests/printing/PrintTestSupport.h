// Shared pieces of the printing tests: the system printer pointed at a PDF file, the page loop every
// caller runs, and reading a PDF back.
#pragma once

#include "XForms/XForms.h"

#include <QString>

class TDocPrinter;

// The process's printer writes A4 PDF with 10 mm margins to fileName (printable area 190 x 277 mm).
void UsePdfPrinter(const QString &fileName);
// PrintInit with the page unit, then page after page while the root has more; stops after maxPages.
int PrintBoxTree(TDocPrinter &doc, IPrintable *root, const QString &title = QStringLiteral("test"), int maxPages = 100);
// The text of a PDF (pdftotext -layout), and its page count (pdfinfo).
QString PdfText(const QString &fileName);
int PdfPageCount(const QString &fileName);
// Left and right edge, in points, of the first word of a PDF that reads `word` (pdftotext -bbox); -1 when none.
double PdfWordLeft(const QString &fileName, const QString &word);
double PdfWordRight(const QString &fileName, const QString &word);
