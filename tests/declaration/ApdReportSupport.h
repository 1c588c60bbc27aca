// Shared pieces of the printed-text and disk-label tests: a filled declaration file, the system printer
// pointed at a PDF file, and reading the PDF back.
#pragma once

#include "declaration/ApdFile.h"

#include <QString>
#include <QStringList>

// The header of a natural person's declaration for February 2024.
void FillSampleHeader(TApdFile &file);
// A kept employee line: register number `reg`, Greek names numbered by `n`, earnings type `type`.
void AddSampleLine(TApdFile &file, const QString &reg, int n, const QString &type = QStringLiteral("01"));

// The process's printer writes A4 PDF with 10 mm margins to fileName.
void UsePdfPrinter(const QString &fileName);
// Text of the whole PDF or of one page (1-based), as pdftotext -layout reads it.
QString PdfText(const QString &fileName, int page = 0);
int PdfPageCount(const QString &fileName);
// PNGs of the pages at 60 dpi beside the PDF when APD_KEEP_PRINTOUTS names a folder (for looking at them).
void KeepPrintout(const QString &fileName, const QString &name);
