#include "EmployFrameFixture.h"

#include "XForms/DataSetPopupF.h"
#include "app/ApdDataF.h"
#include "declaration/PopupTyposApodoxonF.h"

#include "printing/XPrinters.h"
#include "printing/XVCLPrinters.h"
#include "vcl/ComCtrls.h"
#include "vcl/Printers.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QTest>
#include <QWheelEvent>

namespace
{

// A window holding one filled page, as the declaration window holds it in a tabbed page.
class EmployFramePrint : public EmployFrameFixture
{
protected:
    void SetUp() override
    {
        EmployFrameFixture::SetUp();
        InitXVCLPrinters();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 700, 900);
        Page = new TEmployFrame(Form.get());
        Page->SetParent(Form.get());
        Page->SetPeriod(Day(2003, 2, 10));
    }
    void TearDown() override
    {
        Form.reset();
        EmployFrameFixture::TearDown();
    }

    void FillThreeLines() { FillThreeLines(Page); }
    void FillThreeLines(TEmployFrame *Page)
    {
        PickEmployee(Page, 0, QStringLiteral("123456789"));
        PickEmployee(Page, 1, QStringLiteral("222333444"));
        PickEmployee(Page, 2, QStringLiteral("555666777"));
        for (TXFrame *b : {Page->Frame21C, Page->Frame21D, Page->Frame21E})
            b->SetCaption(QStringLiteral("001"));
        Page->XFrame131->SetCaption(QStringLiteral("01 "));
        Page->XFrame132->SetCaption(QStringLiteral("01 "));
        Page->XFrame475->SetCaption(QStringLiteral("08 "));
        Page->XIntegerFrame1->SetValue(2);
        Page->DayCount43_2->SetValue(3);
        Page->DbLookupXFrame9->SetCaption(QStringLiteral("02"));
    }

    // Prints the page's box tree on the system printer, pointed at a PDF file; answers the page count.
    int PrintToPdf(const QString &pdf, TXFrame *rootBox = nullptr)
    {
        QPrinter *p = Printer()->QtPrinter();
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(pdf);
        p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
        TLPTPrinter doc;
        IPrintable *root = rootBox ? rootBox : Page->ClientFrame;
        doc.BeginDoc(QStringLiteral("ΑΠΔ"));
        root->PrintInit(MapingUnits[mpLoMetricMaping]);
        for (;;) {
            IPage *page = doc.GetCurrentPage();
            TRect r = page->GetPageRect();
            root->PrintArrange(r);
            root->Print(page);
            if (!root->IsPrinting() || doc.PageCount() >= 10)
                break;
            doc.NewPage();
        }
        doc.EndDoc();
        return doc.PageCount();
    }

    static QString PdfText(const QString &pdf)
    {
        QProcess proc;
        proc.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        proc.waitForFinished(60000);
        return QString::fromUtf8(proc.readAllStandardOutput());
    }

    void Keep(const QString &file)
    {
        if (qEnvironmentVariableIsSet("APD_KEEP_PRINTOUT"))
            QFile::copy(file, qEnvironmentVariable("APD_KEEP_PRINTOUT") + u'/' + QFileInfo(file).fileName());
    }

    std::unique_ptr<TForm> Form;
    TEmployFrame *Page = nullptr;
};

} // namespace

TEST_F(EmployFramePrint, ScreenShowsTheThreeLines)
{
    FillThreeLines();
    Form->Show();
    QTest::qWait(1);
    const QImage img = Form->Peer()->grab().toImage();
    ASSERT_FALSE(img.isNull());
    const QString png = Dir.filePath(QStringLiteral("EmployFrame.png"));
    ASSERT_TRUE(img.save(png));
    Keep(png);
    // The hidden continuation header takes no room on screen: the first row starts at the top.
    EXPECT_FALSE(Page->XFrame493->Visible());
    EXPECT_LT(Page->Frame21C->Parent()->Top(), 5);
}

TEST_F(EmployFramePrint, SinglePagePrintsStatementAndSignatureButNoContinuationHeader)
{
    FillThreeLines();
    Page->IsFirstPage = true;
    Page->IsLastPage = true;
    const QString pdf = Dir.filePath(QStringLiteral("EmployFrame-single.pdf"));
    EXPECT_EQ(PrintToPdf(pdf), 1);
    Keep(pdf);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("ΑΛΕΞΙΟΥ"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("ΓΕΩΡΓΙΟΥ")));
    EXPECT_TRUE(text.contains(QStringLiteral("Δηλώνω υπεύθυνα")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ο ΠΑΡΑΛΑΒΩΝ")));
    EXPECT_FALSE(text.contains(QStringLiteral("Α.Μ.Ο.Ε."))) << qPrintable(text);
}

TEST_F(EmployFramePrint, ThreePagesRepeatTheEmployerAndEndWithTheStatement)
{
    TApdData window(nullptr);
    int changes = 0;
    window.OnChange = [&](TObject *) { ++changes; };
    window.DatePeriodFrame->SetDate(EncodeDate(2003, 3, 26));
    window.frameAME->SetCaption(QStringLiteral("1234567"));
    window.frameAMOE->SetCaption(QStringLiteral("7654321"));
    window.frameAFM->SetCaption(QStringLiteral("099999999"));
    for (int i = 0; i < 3; ++i)
        window.AddPage();
    ASSERT_EQ(window.PageCount(), 3);
    std::vector<TEmployFrame *> pages;
    for (int i = 0; i < 3; ++i) {
        TEmployFrame *page = window.Pages(i);
        // Created by the window, the page took its period.
        EXPECT_EQ(page->XDateFrame1->Caption(), QStringLiteral("01/03/2003"));
        EXPECT_EQ(page->DayCount39_1->Value(), 21);
        page->IsFirstPage = i == 0;
        page->IsLastPage = i == 2;
        pages.push_back(page);
    }
    FillThreeLines(pages[0]);
    PickEmployee(pages[2], 0, QStringLiteral("222333444"));
    EXPECT_GT(changes, 0);
    EXPECT_EQ(window.ApodoxesTotal->Value(), pages[0]->EarningsSum() + pages[2]->EarningsSum());
    EXPECT_EQ(window.EisforesTotal->Value(), pages[0]->ContributionsSum() + pages[2]->ContributionsSum());
    EXPECT_EQ(window.DaysTotal->Value(), pages[0]->DaysSum() + pages[2]->DaysSum());

    const QString pdf = Dir.filePath(QStringLiteral("EmployFrame-three.pdf"));
    int pageChanges = 0;
    for (TEmployFrame *page : pages)
        page->OnChange = [&](TObject *) { ++pageChanges; };
    EXPECT_EQ(PrintToPdf(pdf, window.Document), 3);
    // Printing copies the employer's numbers into the continuation headers, but changes no page.
    EXPECT_EQ(pageChanges, 0);
    EXPECT_EQ(pages[1]->frameAMOE->Caption(), QStringLiteral("7654321"));
    Keep(pdf);
    const QStringList sheets = PdfText(pdf).split(QChar(u'\f'));
    ASSERT_GE(sheets.size(), 3);
    for (int i = 1; i < 3; ++i) {
        EXPECT_TRUE(sheets[i].contains(QStringLiteral("Α.Μ.Ο.Ε."))) << qPrintable(sheets[i]);
        EXPECT_TRUE(sheets[i].contains(QStringLiteral("7654321")));
        EXPECT_TRUE(sheets[i].contains(QStringLiteral("099999999")));
        EXPECT_TRUE(sheets[i].contains(QStringLiteral("3/2003")));
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(sheets[i].contains(QStringLiteral("Δηλώνω υπεύθυνα"))) << i;
        EXPECT_FALSE(sheets[i].contains(QStringLiteral("Ο ΠΑΡΑΛΑΒΩΝ"))) << i;
    }
    EXPECT_TRUE(sheets[2].contains(QStringLiteral("Δηλώνω υπεύθυνα")));
    EXPECT_TRUE(sheets[2].contains(QStringLiteral("Ο ΠΑΡΑΛΑΒΩΝ")));
    // The second page's lines have no employee: their dates print empty.
    EXPECT_FALSE(sheets[1].contains(QStringLiteral("01/03/2003")));
    EXPECT_TRUE(sheets[2].contains(QStringLiteral("ΒΑΣΙΛΕΙΟΥ")));
}

TEST_F(EmployFramePrint, LinesWithoutEmployeeShowEmptyUntilTheyHoldWhatCounts)
{
    TEmployFrame &p = *Page;
    p.XIntegerFrame1->SetValue(1);
    p.XIntegerFrame2->SetValue(1);
    p.Specialty2->SetCaption(QStringLiteral("933110 "));
    p.DayCount43_3->SetValue(4);
    // Line 1 hides its Sundays and specialty too; lines 2 and 3 keep showing these two.
    EXPECT_EQ(p.XIntegerFrame1->GetDisplayText(), QString());
    EXPECT_EQ(p.XIntegerFrame2->GetDisplayText(), QStringLiteral("1"));
    EXPECT_EQ(p.Specialty2->GetDisplayText(), QStringLiteral("933110 "));
    for (TXFrame *b : {static_cast<TXFrame *>(p.XDateFrame1), static_cast<TXFrame *>(p.XDateFrame5),
                       static_cast<TXFrame *>(p.DayCount39_2), static_cast<TXFrame *>(p.Payment1),
                       static_cast<TXFrame *>(p.DayCount43_3), static_cast<TXFrame *>(p.EisforesTotal3)})
        EXPECT_EQ(b->GetDisplayText(), QString()) << qPrintable(b->Name());
    p.XFrame22b->SetCaption(QStringLiteral("222333444"));
    EXPECT_EQ(p.XDateFrame5->GetDisplayText(), QStringLiteral("28/02/2003"));
    EXPECT_EQ(p.DayCount39_2->GetDisplayText(), QStringLiteral("20"));
    EXPECT_EQ(p.XDateFrame6->GetDisplayText(), QString());
    // A wage typed on a line without an employee brings earnings, which the totals count: the line shows
    // all it holds, as a line does whose register number the file cannot take.
    p.Payment3->SetValue(Currency::FromInt(40));
    ASSERT_EQ(p.Apodoxes3->Value(), Currency::FromInt(960));
    for (TXFrame *b : {static_cast<TXFrame *>(p.XDateFrame6), static_cast<TXFrame *>(p.DayCount39_3),
                       static_cast<TXFrame *>(p.DayCount43_3), static_cast<TXFrame *>(p.Payment3),
                       static_cast<TXFrame *>(p.Apodoxes3)})
        EXPECT_EQ(b->GetDisplayText(), b->Caption()) << qPrintable(b->Name());
    // A special insurance case 0 shows empty, any other as it is.
    p.xFrame34b->SetCaption(QStringLiteral("0"));
    EXPECT_EQ(p.xFrame34b->GetDisplayText(), QString());
    p.xFrame34b->SetCaption(QStringLiteral("2"));
    EXPECT_EQ(p.xFrame34b->GetDisplayText(), QStringLiteral("2"));
}

TEST_F(EmployFramePrint, WindowSchemesAreCopiedIntoThePage)
{
    TApdData window(nullptr);
    auto *page = new TEmployFrame(&window);
    window.ShemeH1->SetColor(clRed);
    window.ShemeH1->Font()->SetHeight(-20);
    page->CopySchemes();
    EXPECT_EQ(page->ShemeH1->Color(), clRed);
    EXPECT_EQ(page->ShemeH1->Font()->Height(), -20);
    EXPECT_EQ(page->ShemeH0->Color(), window.ShemeH0->Color());
    EXPECT_EQ(page->ShemeH2->Font()->Height(), window.ShemeH2->Font()->Height());
    // Without a window nothing is copied.
    TEmployFrame alone(nullptr);
    alone.CopySchemes();
    EXPECT_EQ(alone.ShemeH1->Color(), TColor(6008319));
}

TEST_F(EmployFramePrint, WindowTotalsFollowEarningsAndContributions)
{
    TApdData window(nullptr);
    window.AddPage();
    TEmployFrame *page = window.Pages(0);
    PickEmployee(page, 0, QStringLiteral("123456789"));
    EXPECT_EQ(window.ApodoxesTotal->Value(), page->EarningsSum());
    // A package the table does not hold: contributions stay, the earnings change and the totals follow.
    page->xFrame35a->SetCaption(QStringLiteral("123"));
    const Currency total = page->EisforesTotal1->Value();
    page->DayCount43_1->SetValue(3);
    EXPECT_EQ(page->EisforesTotal1->Value(), total);
    EXPECT_EQ(window.ApodoxesTotal->Value(), page->EarningsSum());
    EXPECT_EQ(window.DaysTotal->Value(), page->DaysSum());
    // Without a window the page reaches nothing.
    TEmployFrame alone(nullptr);
    alone.Payment1->SetValue(Currency::FromCents(100));
    alone.DayCount39_1->SetValue(5);
    EXPECT_EQ(alone.Apodoxes1->Value(), Currency::FromCents(500));
}

TEST_F(EmployFramePrint, WheelScrollsTheSheetWithinItsContent)
{
    Form->SetBounds(0, 0, 700, 400);
    Form->Show();
    QTest::qWait(1);
    ASSERT_EQ(Page->ClientFrame->Top(), 0);
    QWidget *w = Page->Peer();
    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(50, 50), w->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, delta), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    };
    wheel(-120);
    EXPECT_EQ(Page->ClientFrame->Top(), -8);
    wheel(120);
    wheel(120);
    EXPECT_EQ(Page->ClientFrame->Top(), 0) << "never above the top of the sheet";
    for (int i = 0; i < 500; ++i)
        wheel(-120);
    EXPECT_EQ(Page->ClientFrame->Top() + Page->ClientFrame->Height(), Page->Height()) << "nor past its end";
}

TEST_F(EmployFramePrint, ClicksOpenTheirPickers)
{
    Form->Show();
    QTest::qWait(1);
    TPopupTyposApodoxon types(nullptr);
    TDataSetPopup records(nullptr);
    PopupTyposApodoxon = &types;
    DataSetPopup = &records;
    // Line 1's earnings type opens from its button only; lines 2 and 3 also on a click.
    Page->XFrame131->Click();
    EXPECT_FALSE(types.Visible());
    Page->XFrame132->Click();
    EXPECT_TRUE(types.Visible());
    EXPECT_EQ(types.Control(), Page->XFrame132);
    types.ClosePopup();
    Page->XFrame131->DropDown();
    EXPECT_TRUE(types.Visible());
    EXPECT_EQ(types.Control(), Page->XFrame131);
    types.ClosePopup();
    // A click on a line's employee box opens the employees; the phase box opens the phases.
    Page->DbLookupXFrame13->Click();
    EXPECT_TRUE(records.Visible());
    EXPECT_EQ(records.DataSet(), Module->tbEmployers);
    records.ClosePopup();
    Page->DbLookupXFrame18->Click();
    EXPECT_TRUE(records.Visible());
    EXPECT_EQ(records.DataSet(), Module->tbConPhase);
    records.ClosePopup();
    // The package button opens the coverage packages.
    Page->xFrame35c->DropDown();
    EXPECT_TRUE(records.Visible());
    EXPECT_EQ(records.DataSet(), Module->tbInsCases);
    EXPECT_EQ(records.ResultField(), QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"));
    records.ClosePopup();
    PopupTyposApodoxon = nullptr;
    DataSetPopup = nullptr;
}
