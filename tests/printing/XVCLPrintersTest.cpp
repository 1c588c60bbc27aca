// Content printers: which printer a content gets, text taken once and continued, pictures stretched,
// and tabbed pages printed sheet by sheet.
#include "PrintTestSupport.h"

#include "printing/XPrinters.h"
#include "printing/XVCLPrinters.h"
#include "vcl/ComCtrls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/StdCtrls.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

class TDerivedBox : public TXFrame
{
    Q_OBJECT
public:
    using TXFrame::TXFrame;
};

struct ContentPrinters : ::testing::Test {
    QTemporaryDir Dir;
    QString Pdf;
    TComponent Owner{nullptr};

    void SetUp() override
    {
        InitXVCLPrinters();
        ASSERT_TRUE(Dir.isValid());
        Pdf = Dir.filePath(QStringLiteral("content.pdf"));
        UsePdfPrinter(Pdf);
    }
    TXFrame *NewBox(TWinControl *parent, TAlign align, int w, int h, const QString &caption = {})
    {
        auto *b = new TXFrame(&Owner);
        b->SetParent(parent);
        b->SetAlign(align);
        b->SetHorzSize(w);
        b->SetVertSize(h);
        b->SetCaption(caption);
        return b;
    }
    // A root of 190 x 277 mm that continues, with a header and a footer on every page.
    TXFrame *NewRoot()
    {
        TXFrame *root = NewBox(nullptr, alNone, 1900, 2770);
        root->SetForceNewPage(true);
        TXFrame *header = NewBox(root, alTop, 1900, 100, QStringLiteral("ΚΕΦΑΛΙΔΑ"));
        header->SetHeaderFooter(true);
        TXFrame *footer = NewBox(root, alBottom, 1900, 100, QStringLiteral("ΥΠΟΣΕΛΙΔΟ"));
        footer->SetHeaderFooter(true);
        return root;
    }
    QStringList PrintPages(TXFrame *root, int expectedPages)
    {
        {
            TLPTPrinter doc;
            EXPECT_EQ(PrintBoxTree(doc, root), expectedPages);
        }
        QStringList pages = PdfText(Pdf).split(QChar(u'\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }
};

} // namespace

TEST_F(ContentPrinters, RegisteredOnceInTheirOrderAndChosenByNearestClass)
{
    InitXVCLPrinters();
    std::vector<QByteArray> names;
    for (const TVCLControlPrinterClass &c : ControlPrinterRegistry())
        names.push_back(c.Name);
    EXPECT_EQ(names, (std::vector<QByteArray>{"TLabelPrinter", "TWinControlPrinter", "TXFramePrinter",
                                              "TGraphicPrinter", "TPageControlPrinter"}));
    TVCLControlPrinterClass c;
    EXPECT_EQ(FindControlPrinterClass(new TXFrame(&Owner), c), 0);
    EXPECT_STREQ(c.Name, "TXFramePrinter");
    EXPECT_EQ(FindControlPrinterClass(new TDerivedBox(&Owner), c), 1);
    EXPECT_STREQ(c.Name, "TXFramePrinter");
    EXPECT_EQ(FindControlPrinterClass(new TEdit(&Owner), c), 1);
    EXPECT_STREQ(c.Name, "TWinControlPrinter");
    EXPECT_EQ(FindControlPrinterClass(new TLabel(&Owner), c), 0);
    EXPECT_STREQ(c.Name, "TLabelPrinter");
    EXPECT_EQ(FindControlPrinterClass(new TImage(&Owner), c), 0);
    EXPECT_STREQ(c.Name, "TGraphicPrinter");
    EXPECT_EQ(FindControlPrinterClass(new TPageControl(&Owner), c), 0);
    EXPECT_STREQ(c.Name, "TPageControlPrinter");
    EXPECT_EQ(FindControlPrinterClass(new TGraphicControl(&Owner), c), -1);
}

TEST_F(ContentPrinters, TextSettingsAreTakenOnTheFirstPageOnly)
{
    TXFrame *root = NewRoot();
    TXFrame *box = NewBox(root, alClient, 1900, 100);
    box->SetForceNewPage(true);
    auto *label = new TLabel(&Owner);
    label->SetParent(box);
    QString text;
    for (int i = 1; i <= 120; ++i)
        text += QStringLiteral("Σειρά %1\r\n").arg(i);
    label->SetCaption(text);

    TEMFPrinter doc;
    doc.BeginDoc(QStringLiteral("x"));
    root->PrintInit(MapingUnits[mpLoMetricMaping]);
    TRect r = doc.GetCurrentPage()->GetPageRect();
    root->PrintArrange(r);
    root->Print(doc.GetCurrentPage());
    ASSERT_TRUE(root->IsPrinting());
    auto *printer = dynamic_cast<TLabelPrinter *>(box->ContentPrinter());
    ASSERT_NE(printer, nullptr);
    const int cursor = printer->Cursor();
    EXPECT_TRUE(text.mid(cursor).startsWith(QStringLiteral("Σειρά ")));
    EXPECT_EQ(text.at(cursor - 1), QChar(u'\n')) << "a page ends after a whole line";
    // A screen height of -11 becomes a cell height of 29 units.
    EXPECT_EQ(doc.GetCurrentPage()->Canvas()->Font()->Height(), 29);

    label->SetCaption(QStringLiteral("άλλο"));
    label->SetAlignment(taRightJustify);
    doc.NewPage();
    r = doc.GetCurrentPage()->GetPageRect();
    root->PrintArrange(r);
    root->Print(doc.GetCurrentPage());
    EXPECT_FALSE(root->IsPrinting());
    EXPECT_EQ(box->ContentPrinter(), nullptr);
    doc.EndDoc();
}

TEST_F(ContentPrinters, TextKeepsTabsAmpersandsAndSingleLineLayouts)
{
    TXFrame *root = NewRoot();
    TXFrame *a = NewBox(root, alTop, 1900, 100, QStringLiteral("Α&Β\tΓ"));
    TXFrame *b = NewBox(root, alTop, 1900, 100, QStringLiteral("πρώτη\r\nδεύτερη"));
    b->SetLayout(tlCenter);
    TXFrame *shown = NewBox(root, alTop, 1900, 100, QStringLiteral("1234,5"));
    shown->OnGetPrintText = [](TObject *, QString &Text) { Text = QStringLiteral("ΠΟΣΟ ") + Text; };
    auto *editBox = NewBox(root, alTop, 1900, 100);
    editBox->SetAlignment(taRightJustify);
    auto *edit = new TEdit(&Owner);
    edit->SetParent(editBox);
    edit->SetText(QStringLiteral("ΚΕΙΜΕΝΟ ΠΕΔΙΟΥ"));
    (void)a;
    const QStringList pages = PrintPages(root, 1);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Α&Β"))) << qPrintable(pages[0]);
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Α&Β\tΓ")));
    EXPECT_TRUE(pages[0].contains(QRegularExpression(QStringLiteral("Α&Β\\s+Γ"))));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("ΚΕΙΜΕΝΟ ΠΕΔΙΟΥ")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("ΠΟΣΟ 1234,5"))) << "a box prints its display text";
    // Tab stops every eight average characters: a few millimetres, not a page width.
    const double gap = PdfWordLeft(Pdf, QStringLiteral("Γ")) - PdfWordRight(Pdf, QStringLiteral("Α&Β"));
    EXPECT_GT(gap, 5.0);
    EXPECT_LT(gap, 60.0);
    // The control's text takes the box's alignment: it ends 0.5 mm inside the box's right edge, which is
    // 10 mm + 190 mm from the left of the sheet (595 points wide).
    EXPECT_NEAR(PdfWordRight(Pdf, QStringLiteral("ΠΕΔΙΟΥ")), 595.3 - 28.35 - 1.4, 3.0);
}

TEST_F(ContentPrinters, TextThatFitsNoLineGivesUp)
{
    TXFrame *root = NewRoot();
    TXFrame *box = NewBox(root, alTop, 1900, 20);
    box->SetForceNewPage(true);
    auto *label = new TLabel(&Owner);
    label->SetParent(box);
    label->SetCaption(QStringLiteral("δεν χωράει"));
    EXPECT_EQ(PrintPages(root, 1).size(), 1);
}

TEST_F(ContentPrinters, PictureFillsTheWholeContentRectangle)
{
    TXFrame *root = NewBox(nullptr, alNone, 1000, 500);
    auto *image = new TImage(&Owner);
    image->SetParent(root);
    auto graphic = std::make_unique<TVectorGraphic>();
    ASSERT_TRUE(graphic->LoadFromData(
        QByteArrayLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><rect width='10' height='10' "
                          "fill='#ff0000'/></svg>")));
    image->Picture()->SetGraphic(std::move(graphic));
    TEMFPrinter doc;
    doc.BeginDoc(QStringLiteral("x"));
    root->PrintInit(MapingUnits[mpLoMetricMaping]);
    TRect r = doc.GetCurrentPage()->GetPageRect();
    root->PrintArrange(r);
    root->Print(doc.GetCurrentPage());
    EXPECT_FALSE(root->IsPrinting());
    doc.EndDoc();
    // One pixel per millimetre: the 100 x 50 mm box is red to its corners, distorted from the square.
    TPicture picture;
    static_cast<TEMFPage *>(doc.Pages(0))->LoadInto(&picture);
    QImage out(190, 277, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    picture.Graphic()->Draw(painter, QRectF(0, 0, 190, 277));
    painter.end();
    EXPECT_EQ(out.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(98, 48), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(101, 20), qRgb(255, 255, 255));
    EXPECT_EQ(out.pixel(20, 51), qRgb(255, 255, 255));
}

TEST_F(ContentPrinters, TabbedPagesPrintEachSheetFromANewPage)
{
    TXFrame *root = NewRoot();
    TXFrame *body = NewBox(root, alClient, 1900, 100);
    body->SetForceNewPage(true);
    auto *pc = new TPageControl(&Owner);
    pc->SetParent(body);
    auto addSheet = [&](const QString &caption, int boxes) {
        auto *sheet = new TTabSheet(&Owner);
        sheet->SetPageControl(pc);
        for (int i = 0; i < boxes; ++i)
            NewBox(sheet, alClient, 1000, 1000, caption);
        return sheet;
    };
    addSheet(QStringLiteral("ΦΥΛΛΟ ΕΝΑ"), 1);
    addSheet(QStringLiteral("ΦΥΛΛΟ ΔΥΟ ΚΟΥΤΙΑ"), 2);
    TTabSheet *hidden = addSheet(QStringLiteral("ΦΥΛΛΟ ΤΡΙΑ"), 1);
    hidden->SetTabVisible(false);
    addSheet(QString(), 0);
    // A sheet whose box sits inside a panel.
    auto *sheet = new TTabSheet(&Owner);
    sheet->SetPageControl(pc);
    auto *panel = new TPanel(&Owner);
    panel->SetParent(sheet);
    NewBox(panel, alClient, 1000, 1000, QStringLiteral("ΦΥΛΛΟ ΤΕΣΣΕΡΑ"));
    addSheet(QString(), 0);

    const QStringList pages = PrintPages(root, 3);
    ASSERT_EQ(pages.size(), 3);
    const QStringList expected = {QStringLiteral("ΦΥΛΛΟ ΕΝΑ"), QStringLiteral("ΦΥΛΛΟ ΤΡΙΑ"),
                                  QStringLiteral("ΦΥΛΛΟ ΤΕΣΣΕΡΑ")};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(pages[i].contains(QStringLiteral("ΚΕΦΑΛΙΔΑ"))) << i;
        EXPECT_TRUE(pages[i].contains(QStringLiteral("ΥΠΟΣΕΛΙΔΟ"))) << i;
        EXPECT_TRUE(pages[i].contains(expected[i])) << i << qPrintable(pages[i]);
    }
    EXPECT_FALSE(PdfText(Pdf).contains(QStringLiteral("ΚΟΥΤΙΑ")));
}

TEST_F(ContentPrinters, SheetBoxThatContinuesKeepsItsSheet)
{
    TXFrame *root = NewRoot();
    TXFrame *body = NewBox(root, alClient, 1900, 100);
    body->SetForceNewPage(true);
    auto *pc = new TPageControl(&Owner);
    pc->SetParent(body);
    auto *first = new TTabSheet(&Owner);
    first->SetPageControl(pc);
    TXFrame *sheetBox = NewBox(first, alClient, 1000, 1000);
    sheetBox->SetForceNewPage(true);
    auto *label = new TLabel(&Owner);
    label->SetParent(sheetBox);
    QString text;
    for (int i = 1; i <= 150; ++i)
        text += QStringLiteral("Γραμμή φύλλου %1\r\n").arg(i);
    label->SetCaption(text);
    auto *second = new TTabSheet(&Owner);
    second->SetPageControl(pc);
    NewBox(second, alClient, 1000, 1000, QStringLiteral("ΔΕΥΤΕΡΟ ΦΥΛΛΟ"));

    const QStringList pages = PrintPages(root, 3);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Γραμμή φύλλου 1\n")) ||
                pages[0].contains(QStringLiteral("Γραμμή φύλλου 1 ")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Γραμμή φύλλου 150")));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("ΔΕΥΤΕΡΟ ΦΥΛΛΟ")));
    const QString all = PdfText(Pdf);
    for (int i = 1; i <= 150; ++i)
        EXPECT_EQ(all.count(QRegularExpression(QStringLiteral("Γραμμή φύλλου %1\\b").arg(i))), 1) << i;
}

#include "XVCLPrintersTest.moc"
