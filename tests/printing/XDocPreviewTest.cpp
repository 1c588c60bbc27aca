// The preview control: which page shows, how it is placed at each zoom style, and wheel scrolling.
#include "PrintTestSupport.h"

#include "printing/XDocPreview.h"
#include "printing/XPrinters.h"
#include "vcl/ExtCtrls.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

struct PreviewTest : ::testing::Test {
    QTemporaryDir Dir;
    std::unique_ptr<TForm> Form;
    TXDocPreview *Preview = nullptr;
    std::unique_ptr<TEMFPrinter> Doc;

    void SetUp() override
    {
        UsePdfPrinter(Dir.filePath(QStringLiteral("unused.pdf")));
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 900, 500);
        Preview = new TXDocPreview(Form.get());
        Preview->SetParent(Form.get());
        Preview->SetAlign(alClient);
        Form->Show();
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        Form.reset();
        Doc.reset();
    }
    void Record(int pages)
    {
        Doc = std::make_unique<TEMFPrinter>();
        Doc->BeginDoc(QStringLiteral("x"));
        for (int i = 1; i < pages; ++i)
            Doc->NewPage();
        Doc->EndDoc();
    }
    TRect ImageRect() const { return Preview->Image()->BoundsRect(); }
};

} // namespace

TEST_F(PreviewTest, PageIndexOutsideTheDocumentShowsNothing)
{
    EXPECT_EQ(Preview->PageIndex(), -1);
    Preview->SetPageIndex(0);
    EXPECT_EQ(Preview->PageIndex(), 0);
    Doc = std::make_unique<TEMFPrinter>();
    Preview->SetDocPrinter(Doc.get());
    EXPECT_EQ(Preview->PageIndex(), 0);
    EXPECT_FALSE(Preview->Image()->Visible());

    Record(3);
    Preview->SetDocPrinter(Doc.get());
    EXPECT_EQ(Preview->PageIndex(), 1);
    EXPECT_TRUE(Preview->Image()->Visible());
    Preview->SetPageIndex(3);
    EXPECT_EQ(Preview->PageIndex(), 3);
    Preview->SetPageIndex(4);
    EXPECT_EQ(Preview->PageIndex(), 0) << "no clamping to the nearest page";
    EXPECT_FALSE(Preview->Image()->Visible());
    Preview->SetPageIndex(-5);
    EXPECT_EQ(Preview->PageIndex(), 0);
}

TEST_F(PreviewTest, FitToWindowCentresThePage)
{
    Record(1);
    Preview->SetDocPrinter(Doc.get());
    Preview->SetStyle(psFitToWindow);
    const int extent = GetSystemMetrics(SM_CXVSCROLL);
    const int cw = Preview->ClientW(), ch = Preview->ClientH();
    TRect r = ImageRect();
    EXPECT_EQ(r.Height(), ch - extent);
    EXPECT_NEAR(r.Width(), (ch - extent) * 1900 / 2770, 2);
    EXPECT_NEAR(r.Left, (cw - r.Width()) / 2, 1);

    // A narrow window: the page takes the width less one bar and is centred vertically.
    Form->SetBounds(0, 0, 200, 900);
    QCoreApplication::processEvents();
    r = ImageRect();
    EXPECT_EQ(r.Width(), Preview->ClientW() - extent);
    EXPECT_EQ(r.Left, std::max(0, (Preview->ClientW() - r.Width()) / 2));
    EXPECT_EQ(r.Top, std::max(0, (Preview->ClientH() - r.Height()) / 2));
}

TEST_F(PreviewTest, PageWidthStartsAtTheLeftAndWheelScrolls)
{
    Record(2);
    Preview->SetDocPrinter(Doc.get());
    Preview->SetStyle(psPageWidth);
    QCoreApplication::processEvents();
    TRect r = ImageRect();
    EXPECT_EQ(r.Left, 0);
    EXPECT_GT(r.Height(), Preview->ClientH()) << "a page as wide as the window is taller than it";
    QScrollBar *bar = Preview->ScrollArea()->verticalScrollBar();
    ASSERT_FALSE(bar->isHidden());
    bar->setValue(500);
    QWheelEvent up(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Preview->ScrollArea()->viewport(), &up);
    EXPECT_EQ(bar->value(), 380);
    QWheelEvent down(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Preview->ScrollArea()->viewport(), &down);
    EXPECT_EQ(bar->value(), 500);
    EXPECT_EQ(bar->singleStep(), 120);

    Preview->SetStyle(psActualSize);
    r = ImageRect();
    EXPECT_GT(r.Width(), 600);
    EXPECT_LT(r.Width(), 800);
}

TEST_F(PreviewTest, ShownPageIsTheRecordedPicture)
{
    Doc = std::make_unique<TEMFPrinter>();
    Doc->BeginDoc(QStringLiteral("x"));
    TCanvas *canvas = Doc->GetCurrentPage()->Canvas();
    canvas->Brush().Color = clBlack;
    canvas->FillRect({0, 0, 950, 2770});
    Doc->EndDoc();
    Preview->SetDocPrinter(Doc.get());
    Preview->SetStyle(psFitToWindow);
    QCoreApplication::processEvents();
    const QImage shot = Preview->Peer()->grab().toImage();
    const TRect r = ImageRect();
    const int y = r.Top + r.Height() / 2;
    EXPECT_EQ(QColor(shot.pixel(r.Left + r.Width() / 4, y)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(r.Left + 3 * r.Width() / 4, y)), QColor(Qt::white));
    if (qEnvironmentVariableIsSet("APD_KEEP_PRINTOUT"))
        shot.save(qEnvironmentVariable("APD_KEEP_PRINTOUT") + QStringLiteral("/preview.png"));
}
