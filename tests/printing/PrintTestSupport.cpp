#include "PrintTestSupport.h"

#include "printing/XPrinters.h"
#include "vcl/Printers.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

void UsePdfPrinter(const QString &fileName)
{
    QPrinter *p = Printer()->QtPrinter();
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(fileName);
    p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                 QPageLayout::Millimeter));
}

int PrintBoxTree(TDocPrinter &doc, IPrintable *root, const QString &title, int maxPages)
{
    doc.BeginDoc(title);
    root->PrintInit(MapingUnits[mpLoMetricMaping]);
    for (;;) {
        IPage *page = doc.GetCurrentPage();
        TRect r = page->GetPageRect();
        root->PrintArrange(r);
        root->Print(page);
        if (!root->IsPrinting() || doc.PageCount() >= maxPages)
            break;
        doc.NewPage();
    }
    doc.EndDoc();
    return doc.PageCount();
}

static QString Run(const QString &program, const QStringList &args)
{
    QProcess proc;
    proc.start(program, args);
    proc.waitForFinished(60000);
    return QString::fromUtf8(proc.readAllStandardOutput());
}

QString PdfText(const QString &fileName)
{
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
}

int PdfPageCount(const QString &fileName)
{
    const QString info = Run(QStringLiteral("pdfinfo"), {fileName});
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

static double PdfWordEdge(const QString &fileName, const QString &word, const char *edge)
{
    const QString html = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fileName, QStringLiteral("-")});
    QString escaped = word.toHtmlEscaped();
    const QRegularExpression re(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>") +
                                QRegularExpression::escape(escaped) + QStringLiteral("</word>"));
    const auto m = re.match(html);
    if (!m.hasMatch())
        return -1;
    return m.captured(QByteArray(edge) == "left" ? 1 : 2).toDouble();
}

double PdfWordLeft(const QString &fileName, const QString &word)
{
    return PdfWordEdge(fileName, word, "left");
}

double PdfWordRight(const QString &fileName, const QString &word)
{
    return PdfWordEdge(fileName, word, "right");
}
