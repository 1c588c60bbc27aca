// Shared pieces of the declaration window's tests: a filled header, the printer pointed at a PDF file,
// and reading a PDF back.
#pragma once

#include "app/ApdDataF.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "vcl/Printers.h"

inline void FillHeader(TApdData &w)
{
    w.SetTypeApd(QStringLiteral("02 (Έκτακτη)"));
    w.DbLookupXFrame10->SetCaption(QStringLiteral("061"));
    w.DbLookupXFrame9->SetCaption(QStringLiteral("ΚΑΛΛΙΘΕΑΣ"));
    w.DbLookupXFrame1->SetCaption(QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε."));
    w.DbLookupXFrame3->SetCaption(QStringLiteral("ΘΗΣΕΩΣ"));
    w.DbLookupXFrame2->SetCaption(QStringLiteral("12"));
    w.DbLookupXFrame5->SetCaption(QStringLiteral("176 71"));
    w.DbLookupXFrame4->SetCaption(QStringLiteral("ΚΑΛΛΙΘΕΑ"));
    w.xEidosErgou->SetCaption(QStringLiteral("ΑΝΕΓΕΡΣΗ ΠΟΛΥΚΑΤΟΙΚΙΑΣ"));
    w.frameAME->SetCaption(QStringLiteral("1234567"));
    w.frameAMOE->SetCaption(QStringLiteral("0123456789"));
    w.frameAFM->SetCaption(QStringLiteral("094000000"));
    w.xOdosErgou->SetCaption(QStringLiteral("ΣΥΓΓΡΟΥ"));
    w.xArOdouErgou->SetCaption(QStringLiteral("150"));
    w.xTKErgou->SetCaption(QStringLiteral("17121"));
    w.xPoliErgou->SetCaption(QStringLiteral("ΝΕΑ ΣΜΥΡΝΗ"));
}

// The process's printer writes PDF of the given paper (portrait, 10 mm margins) to fileName.
inline void UsePdf(const QString &fileName, QSizeF paperMm = {210, 297})
{
    QPrinter *p = Printer()->QtPrinter();
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(fileName);
    p->setPageLayout(QPageLayout(QPageSize(paperMm, QPageSize::Millimeter), QPageLayout::Portrait,
                                 QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

inline QString RunTool(const QString &program, const QStringList &args)
{
    QProcess proc;
    proc.start(program, args);
    proc.waitForFinished(60000);
    return QString::fromUtf8(proc.readAllStandardOutput());
}

inline QString PdfTextOf(const QString &fileName)
{
    return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
}

inline int PdfPagesOf(const QString &fileName)
{
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(RunTool(QStringLiteral("pdfinfo"), {fileName}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
