// The declaration window on paper: the print root centred on the sheet, the page footer, two pages per
// sheet on wide paper, the preview and printing from it.
#include "ApdDataTestSupport.h"

#include "printing/PreviewFormF.h"
#include "printing/XPrinters.h"

#include <QDialog>
#include <QFile>
#include <QTimer>

namespace
{

struct ApdDataPrint : ::testing::Test {
    QTemporaryDir Dir;
    QString Pdf;
    void SetUp() override { Pdf = Dir.filePath(QStringLiteral("apd.pdf")); }
    void Render(const QString &name)
    {
        if (qEnvironmentVariableIsSet("APD_RENDER_DIR"))
            RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                                 Pdf, qEnvironmentVariable("APD_RENDER_DIR") + u'/' + name});
    }
};

} // namespace

TEST_F(ApdDataPrint, DocumentPrintsCentredAt175By275Millimetres)
{
    TApdData w(nullptr);
    TRect b{0, 0, 2000, 2900};
    EXPECT_EQ(w.DocumentAdjustPrintRect(&w, b), (TRect{125, 75, 1875, 2825}));
    // Halves go to the even neighbour: 1901 / 2 = 950.5 -> 950, 2903 / 2 = 1451.5 -> 1452.
    b = TRect{0, 0, 1901, 2903};
    EXPECT_EQ(w.DocumentAdjustPrintRect(&w, b), (TRect{75, 77, 1825, 2827}));
}

TEST_F(ApdDataPrint, HeaderAndFooterPrintOnTheSheet)
{
    UsePdf(Pdf);
    TApdData w(nullptr);
    FillHeader(w);
    int changes = 0;
    w.OnChange = [&](TObject *) { ++changes; };
    w.Print(QStringLiteral("δοκιμή"));
    // Printing is no change of the document.
    EXPECT_EQ(changes, 0);
    Render(QStringLiteral("ApdDataPrint"));
    ASSERT_TRUE(QFile::exists(Pdf));
    EXPECT_EQ(PdfPagesOf(Pdf), 1);
    const QString text = PdfTextOf(Pdf);
    for (const char *s : {"ΤΥΠΟΣ ΔΗΛΩΣΗΣ", "ΚΑΛΛΙΘΕΑΣ", "ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ", "ΣΥΝΟΛΑ ΑΠΔ", "11/2002",
                          "Σελίδα 1 από 0", "Τα ποσά αναγράφονται"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s << "\n" << qPrintable(text);
}

TEST_F(ApdDataPrint, PreviewRecordsThePagesAndPrintsBackThroughThePrintDialog)
{
    UsePdf(Pdf);
    TApdData w(nullptr);
    FillHeader(w);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = PreviewForm && PreviewForm->Visible();
        if (PreviewForm)
            PreviewForm->aClose->Execute();
    });
    w.Preview();
    EXPECT_TRUE(shown);
    ASSERT_NE(PreviewForm, nullptr);
    TEMFPrinter *doc = PreviewForm->DocPreview1->DocPrinter();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->PageCount(), 1);
    EXPECT_EQ(PreviewForm->DocPreview1->PageIndex(), 1);
    EXPECT_EQ(PreviewForm->DocPreview1->Style(), psFitToWindow);
    const QString page1 = static_cast<TEMFPage *>(doc->Pages(0))->FileName();
    EXPECT_TRUE(QFile::exists(page1));

    // The print button asks the print dialog first; a cancelled dialog prints nothing.
    int asked = 0;
    auto previous = TPrintDialog::SetHandler([&](TPrintDialog *) { return ++asked > 1; });
    PreviewForm->aPrint->Execute();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(Pdf));
    PreviewForm->aPrint->Execute();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(QFile::exists(Pdf));
    // Printed to a file, the preview's status bar says which; printed again, the next file beside it.
    EXPECT_EQ(PreviewForm->StatusBar1->Panels(1).Text, QStringLiteral("Η εκτύπωση γράφτηκε στο αρχείο ") + Pdf);
    PreviewForm->aPrint->Execute();
    const QString second = Dir.filePath(QStringLiteral("apd-2.pdf"));
    EXPECT_EQ(PdfPagesOf(second), 1);
    EXPECT_EQ(PreviewForm->StatusBar1->Panels(1).Text, QStringLiteral("Η εκτύπωση γράφτηκε στο αρχείο ") + second);
    TPrintDialog::SetHandler(previous);

    // The next preview replaces the document and its page files, and starts without the note.
    QString note = QStringLiteral("unset");
    QTimer::singleShot(0, [&] {
        note = PreviewForm->StatusBar1->Panels(1).Text;
        PreviewForm->aClose->Execute();
    });
    w.Preview();
    EXPECT_EQ(note, QString());
    EXPECT_NE(PreviewForm->DocPreview1->DocPrinter(), nullptr);
    delete PreviewForm;
    EXPECT_EQ(PreviewForm, nullptr);
    EXPECT_FALSE(QFile::exists(page1));
}

TEST_F(ApdDataPrint, ThePrintDialogOpensInFrontOfThePreview)
{
    UsePdf(Pdf);
    TApdData w(nullptr);
    FillHeader(w);
    QWidget *parent = nullptr, *preview = nullptr;
    auto previous = TPrintDialog::SetHandler([&](TPrintDialog *d) {
        parent = DialogParent(d);
        return false;
    });
    // The print button of the preview, clicked while the preview runs modally and stays on top.
    QTimer::singleShot(0, [&] {
        preview = PreviewForm->Peer();
        PreviewForm->aPrint->Execute();
        PreviewForm->aClose->Execute();
    });
    w.Preview();
    TPrintDialog::SetHandler(previous);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(parent, preview);

    // A dialog placed there is the preview's child window and stays on top with it.
    QDialog dialog;
    QTimer::singleShot(0, [&] {
        PlaceDialog(&dialog, w.PrintDialog1);
        EXPECT_EQ(dialog.parentWidget(), preview);
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(dialog.windowType(), Qt::Dialog);
        dialog.setParent(nullptr); // the test's own dialog must not go with the preview
        PreviewForm->aClose->Execute();
    });
    w.Preview();
    delete PreviewForm;
}
