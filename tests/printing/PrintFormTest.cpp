// A small paper form printed through both kinds of document: header rows with titles, borders and value
// text, and a box whose text continues on a second page.
#include "PrintTestSupport.h"

#include "printing/XPrinters.h"
#include "printing/XVCLPrinters.h"
#include "vcl/ExtCtrls.h"
#include "vcl/StdCtrls.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

TXFrame *Box(TComponent *owner, TWinControl *parent, TAlign align, int w, int h, const QString &caption = {},
             const QString &hint = {})
{
    auto *b = new TXFrame(owner);
    b->SetParent(parent);
    b->SetAlign(align);
    b->SetHorzSize(w);
    b->SetVertSize(h);
    b->SetBorders(TXFrameBorderStyle(rsLeft | rsTop | rsRight | rsBottom));
    b->SetCaption(caption);
    b->SetExtraHint(hint);
    return b;
}

QString LongText()
{
    QString s;
    for (int i = 1; i <= 100; ++i)
        s += QStringLiteral("Γραμμή %1 του κειμένου που συνεχίζεται στην επόμενη σελίδα.\r\n").arg(i);
    return s;
}

// A form of 175 x 250 mm: a header repeated on every page, two rows of titled values, and a body whose
// label text needs two pages.
struct TPaperForm {
    TComponent Owner{nullptr};
    TXFrame *Root = nullptr;
    TXFrame *Header = nullptr;
    TXFrame *Body = nullptr;
    TLabel *BodyLabel = nullptr;

    TPaperForm()
    {
        Root = Box(&Owner, nullptr, alNone, 1750, 2500);
        Root->SetForceNewPage(true);
        Header =
            Box(&Owner, Root, alTop, 1750, 150, QStringLiteral("ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ"), QStringLiteral("ΤΙΤΛΟΣ"));
        Header->SetAlignment(taCenter);
        Header->SetLayout(tlCenter);
        Header->SetHeaderFooter(true);
        Header->SetTabOrder(0);
        TXFrame *row = Box(&Owner, Root, alTop, 1750, 120);
        row->SetTabOrder(1);
        Box(&Owner, row, alLeft, 900, 120, QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ Α.Ε."), QStringLiteral("ΕΡΓΟΔΟΤΗΣ"));
        Box(&Owner, row, alClient, 850, 120, QStringLiteral("12/2026"), QStringLiteral("ΠΕΡΙΟΔΟΣ|(μήνας)"));
        Body = Box(&Owner, Root, alClient, 1750, 1000, {}, QStringLiteral("ΣΗΜΕΙΩΣΕΙΣ"));
        Body->SetForceNewPage(true);
        BodyLabel = new TLabel(&Owner);
        BodyLabel->SetParent(Body);
        BodyLabel->SetWordWrap(true);
        BodyLabel->SetCaption(LongText());
    }
};

class PrintFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InitXVCLPrinters();
        ASSERT_TRUE(Dir.isValid());
        Pdf = Dir.filePath(QStringLiteral("form.pdf"));
        UsePdfPrinter(Pdf);
    }
    QTemporaryDir Dir;
    QString Pdf;
};

} // namespace

TEST_F(PrintFormTest, DirectPrintRepeatsHeaderAndContinuesText)
{
    TPaperForm form;
    {
        TLPTPrinter doc;
        EXPECT_EQ(PrintBoxTree(doc, form.Root), 2);
    }
    EXPECT_EQ(PdfPageCount(Pdf), 2);
    const QString text = PdfText(Pdf);
    EXPECT_EQ(text.count(QStringLiteral("ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ")), 2) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("ΕΡΓΟΔΟΤΗΣ")));
    EXPECT_TRUE(text.contains(QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ Α.Ε.")));
    // Every line of the body once, none lost at the page break.
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(text.count(QStringLiteral("Γραμμή %1 του").arg(i)), 1) << i;
    const QStringList pages = text.split(QChar(u'\f'));
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Γραμμή 1 του")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Γραμμή 100 του")));
    EXPECT_FALSE(pages[1].contains(QStringLiteral("ΕΡΓΟΔΟΤΗΣ"))) << "a finished body box prints once";
    if (qEnvironmentVariableIsSet("APD_KEEP_PRINTOUT"))
        QFile::copy(Pdf, qEnvironmentVariable("APD_KEEP_PRINTOUT") + QStringLiteral("/direct.pdf"));
}

TEST_F(PrintFormTest, RecordedPagesPlayBackAsPrinted)
{
    TPaperForm form;
    TEMFPrinter doc;
    EXPECT_EQ(PrintBoxTree(doc, form.Root), 2);
    ASSERT_EQ(doc.PageCount(), 2);
    // The recorded pages printed on paper read like the direct printout.
    TLPTPrinter paper;
    paper.BeginDoc(QStringLiteral("replay"));
    for (int i = 0; i < doc.PageCount(); ++i) {
        if (i > 0)
            paper.NewPage();
        auto *page = static_cast<TEMFPage *>(doc.Pages(i));
        QPicture picture;
        ASSERT_TRUE(picture.load(page->FileName()));
        TPicture holder;
        page->LoadInto(&holder);
        IPage *target = paper.GetCurrentPage();
        target->Canvas()->StretchDraw(target->GetPageRect(), holder.Graphic());
    }
    paper.EndDoc();
    const QString text = PdfText(Pdf);
    EXPECT_EQ(text.count(QStringLiteral("ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ")), 2) << qPrintable(text);
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(text.count(QStringLiteral("Γραμμή %1 του").arg(i)), 1) << i;
    if (qEnvironmentVariableIsSet("APD_KEEP_PRINTOUT"))
        QFile::copy(Pdf, qEnvironmentVariable("APD_KEEP_PRINTOUT") + QStringLiteral("/replayed.pdf"));
}
