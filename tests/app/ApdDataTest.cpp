// The declaration window: its design, page naming, change reporting, the declaration-type pick and the
// document file written and read back.
#include "ApdDataTestSupport.h"

#include "app/EmployerFrameF.h"
#include "vcl/ComponentStream.h"
#include "vcl/Dialogs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPixmap>

TEST(ApdDataDesign, FreshWindowShowsThePeriodOfTheDesignAndEmptyTotals)
{
    TApdData w(nullptr);
    EXPECT_EQ(w.Name(), QStringLiteral("ApdData"));
    EXPECT_EQ(w.DatePeriodFrame->Caption(), QStringLiteral("11/2002"));
    EXPECT_EQ(w.DatePeriodFrame->Date(), EncodeDate(2002, 11, 26));
    EXPECT_EQ(w.ApodoxesTotal->Caption(), QString());
    EXPECT_EQ(w.EisforesTotal->Caption(), QString());
    EXPECT_EQ(w.DaysTotal->Caption(), QString());
    EXPECT_EQ(w.PageControl1->PageCount(), 0);
    EXPECT_EQ(w.Scale, 100);
    EXPECT_FALSE(w.Loading);
    EXPECT_EQ(w.PageMenu(), nullptr);
    EXPECT_EQ(w.UniqueName(QStringLiteral("TabSheet")), QStringLiteral("TabSheet1"));
    // The box tree the documents and the employee pages rely on.
    EXPECT_EQ(w.Document->Parent(), w.PageFrame);
    EXPECT_EQ(w.PageControl1->Parent(), w.Document);
    EXPECT_EQ(w.DatePeriodFrame->DateFormat(), QStringLiteral("M/yyyy"));
    EXPECT_EQ(w.frameAMOE->MaxTextSize(), 10);
    EXPECT_FALSE(w.ApodoxesTotal->InplaceEdit());
    EXPECT_TRUE(w.Header->HeaderFooter());
    EXPECT_TRUE(w.FooterFrame->HeaderFooter());
    EXPECT_TRUE(w.Document->ForceNewPage());
    EXPECT_EQ(w.ShemeH0->Color(), TColor(12180735));
    EXPECT_TRUE(w.ShemeH0->PrintColor());
    EXPECT_FALSE(w.ShemeH2->PrintColor());
    EXPECT_EQ(w.ShemeH2->Font()->Height(), -15);
    EXPECT_EQ(w.ShemeH2->Font()->Name(), QStringLiteral("Arial"));
    auto *xframe3 = qobject_cast<TXFrame *>(w.FindComponent(QStringLiteral("XFrame3")));
    ASSERT_NE(xframe3, nullptr);
    EXPECT_EQ(xframe3->Sheme(), w.ShemeH0);
    EXPECT_EQ(w.typeApdCode->Notifier(), w.XFrameNotifier1);
    // The window measures the A4 sheet it shows.
    EXPECT_EQ(w.ClientWidth(), w.PageFrame->Width());
    EXPECT_GT(w.ClientHeight(), 1100);
}

TEST(ApdDataDesign, UniqueNameTakesTheSmallestFreeNumberIgnoringCase)
{
    TApdData w(nullptr);
    auto *a = new TXFrame(&w);
    a->SetName(QStringLiteral("tabsheet1"));
    auto *b = new TXFrame(&w);
    b->SetName(QStringLiteral("TabSheet3"));
    EXPECT_EQ(w.UniqueName(QStringLiteral("TabSheet")), QStringLiteral("TabSheet2"));
}

TEST(ApdDataDesign, RendersLikeThePaperForm)
{
    TApdData w(nullptr);
    FillHeader(w);
    w.Peer()->resize(w.Width(), w.Height());
    const QImage image = w.Peer()->grab().toImage();
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR"))
        image.save(qEnvironmentVariable("APD_RENDER_DIR") + QStringLiteral("/ApdData.png"));
    ASSERT_FALSE(image.isNull());
    // Title cells carry the title colour, the sheet is white.
    auto *xframe3 = qobject_cast<TXFrame *>(w.FindComponent(QStringLiteral("XFrame3")));
    const TPoint at = xframe3->ClientToScreen({4, 4});
    const TPoint origin = w.ClientToScreen({0, 0});
    const QPoint title(at.X - origin.X, at.Y - origin.Y);
    EXPECT_EQ(image.pixelColor(title).rgb() & 0xFFFFFF, 0xFFDCB9u);
    EXPECT_EQ(image.pixelColor(2, 2).rgb() & 0xFFFFFF, 0xFFFFFFu);
}

TEST(ApdDataType, PickedLineSplitsIntoCodeAndDescription)
{
    TApdData w(nullptr);
    w.SetTypeApd(QStringLiteral("02 (Έκτακτη)"));
    EXPECT_EQ(w.typeApdCode->Caption(), QStringLiteral("02 "));
    EXPECT_EQ(w.typeApdHint->Caption(), QStringLiteral(" (Έκτακτη)"));
    w.SetTypeApd(QStringLiteral("Χωρίς"));
    EXPECT_EQ(w.typeApdCode->Caption(), QString());
    EXPECT_EQ(w.typeApdHint->Caption(), QStringLiteral("Χωρίς"));
    w.SetTypeApd(QStringLiteral("01 ") + QString(150, u'x'));
    EXPECT_EQ(w.typeApdHint->Caption().size(), 100);
}

TEST(ApdDataChange, HeaderEditsReportTheChangeUnlessLoading)
{
    TApdData w(nullptr);
    int changes = 0;
    w.OnChange = [&](TObject *Sender) {
        EXPECT_EQ(Sender, &w);
        ++changes;
    };
    w.xPoliErgou->SetCaption(QStringLiteral("ΑΘΗΝΑ"));
    EXPECT_EQ(changes, 1);
    w.xPoliErgou->SetCaption(QStringLiteral("ΑΘΗΝΑ"));
    EXPECT_EQ(changes, 1);
    w.Loading = true;
    w.xPoliErgou->SetCaption(QStringLiteral("ΠΑΤΡΑ"));
    w.Loading = false;
    EXPECT_EQ(changes, 1);
    // A scheme's own change is not a document change.
    w.ShemeH1->SetColor(clRed);
    EXPECT_EQ(changes, 1);
}

TEST(ApdDataChange, ZoomScalesTheWindowOnce)
{
    TApdData w(nullptr);
    const int width = w.PageFrame->Width();
    w.SetScale(120);
    EXPECT_EQ(w.Scale, 120);
    EXPECT_NEAR(w.PageFrame->Width(), width * 6 / 5, 2);
    w.SetScale(120);
    EXPECT_NEAR(w.PageFrame->Width(), width * 6 / 5, 2);
    w.SetScale(100);
    EXPECT_NEAR(w.PageFrame->Width(), width, 2);
}

TEST(ApdDataDocument, UntouchedWindowStoresNoBoxAndReadsBackUnchanged)
{
    TApdData w(nullptr);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    w.SaveToStream(buffer);
    EXPECT_TRUE(buffer.data().startsWith("TPF0"));
    const QString text = QString::fromUtf8(ObjectBinaryToText(buffer.data()));
    for (const char *absent : {"XFrame3", "typeApdCode", "ShemeH0", "Caption", "PrintDialog1"})
        EXPECT_LT(text.indexOf(QLatin1String(absent)), 0) << absent << "\n" << qPrintable(text);
}

TEST(ApdDataDocument, RoundTripRestoresHeaderPeriodTotalsAndSchemes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("δήλωση.vapd"));
    {
        TApdData w(nullptr);
        FillHeader(w);
        w.DatePeriodFrame->SetDate(EncodeDate(2003, 2, 14));
        w.ShemeH0->SetColor(TColor(0x00C0FF));
        w.ShemeH2->Font()->SetHeight(-17);
        w.ShemeH3->SetPrintColor(true);
        w.ApodoxesTotal->SetValue(Currency::FromDouble(1234.5));
        w.SaveToFile(path);
    }
    ASSERT_TRUE(QFile::exists(path));
    TApdData r(nullptr);
    int changes = 0;
    r.OnChange = [&](TObject *) { ++changes; };
    r.LoadFromFile(path);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(r.typeApdCode->Caption(), QStringLiteral("02 "));
    EXPECT_EQ(r.DbLookupXFrame1->Caption(), QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε."));
    EXPECT_EQ(r.frameAMOE->Caption(), QStringLiteral("0123456789"));
    EXPECT_EQ(r.xEidosErgou->Caption(), QStringLiteral("ΑΝΕΓΕΡΣΗ ΠΟΛΥΚΑΤΟΙΚΙΑΣ"));
    EXPECT_EQ(r.DatePeriodFrame->Date(), EncodeDate(2003, 2, 14));
    EXPECT_EQ(r.DatePeriodFrame->Caption(), QStringLiteral("2/2003"));
    EXPECT_EQ(r.ShemeH0->Color(), TColor(0x00C0FF));
    EXPECT_EQ(r.ShemeH2->Font()->Height(), -17);
    EXPECT_TRUE(r.ShemeH3->PrintColor());
    // The totals are the pages' sums again once the document is in.
    EXPECT_EQ(r.ApodoxesTotal->Value(), Currency());
}

TEST(ApdDataDocument, DamagedFileRaisesAndLeavesNoHalfDocumentBehind)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.vapd"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("TPF0garbage that is no document");
    f.close();
    TApdData r(nullptr);
    EXPECT_THROW(r.LoadFromFile(path), EStreamError);
    EXPECT_THROW(r.LoadFromFile(dir.filePath(QStringLiteral("missing.vapd"))), EStreamError);

    // A file of another root class is refused.
    TXFrame other(nullptr);
    other.SetName(QStringLiteral("Other"));
    QBuffer b;
    b.setData(WriteComponent(&other));
    b.open(QIODevice::ReadOnly);
    EXPECT_THROW(r.LoadFromStream(b), EStreamError);
}

TEST(ApdDataDocument, FailedSaveKeepsThePreviousFile)
{
    QTemporaryDir dir;
    TApdData w(nullptr);
    EXPECT_THROW(w.SaveToFile(dir.filePath(QStringLiteral("no/such/folder/x.vapd"))), EStreamError);
}

namespace
{
bool Dark(QRgb c)
{
    return qRed(c) + qGreen(c) + qBlue(c) < 3 * 140;
}
// The rows [first, last] of the image's columns [left, right) that hold a dark pixel: {-1, -1} when none.
std::pair<int, int> DarkRows(const QImage &image, int left, int right, int top, int bottom)
{
    int first = -1, last = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (Dark(image.pixel(x, y))) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return {first, last};
}
} // namespace

TEST(ApdDataOnScreen, TheFormShowsWhatPrints)
{
    TApdData w(nullptr);
    FillHeader(w);
    w.AddPage();
    w.Peer()->resize(w.Width(), w.Height());
    w.Show();
    QCoreApplication::processEvents();

    // The declaration-type row has its right border, though designed a fraction of a millimetre wider than
    // the sheet's width on screen.
    auto *row = qobject_cast<TXFrame *>(w.FindComponent(QStringLiteral("XFrame1")));
    ASSERT_TRUE(row);
    const QImage rowImage = row->Peer()->grab().toImage();
    const int mid = w.typeApdHint->Peer()->mapTo(row->Peer(), QPoint(0, w.typeApdHint->Height() / 2)).y();
    EXPECT_TRUE(Dark(rowImage.pixel(rowImage.width() - 1, mid)));

    // Row 44's title fits its box: no text reaches the box's right border.
    auto *title44 = qobject_cast<TXFrame *>(w.Pages(0)->FindComponent(QStringLiteral("Title44")));
    ASSERT_TRUE(title44);
    const QImage title = title44->Peer()->grab().toImage();
    EXPECT_EQ(DarkRows(title, title.width() - 4, title.width(), 2, title.height() - 2), std::make_pair(-1, -1));
    EXPECT_NE(DarkRows(title, 4, title.width() / 2, 2, title.height() - 2).first, -1); // the title is there

    // The type boxes write at the top of their value area (seen at a scale where the difference shows).
    w.SetScale(300);
    QCoreApplication::processEvents();
    for (TXFrame *box : {w.typeApdCode, w.typeApdHint}) {
        const QImage image = box->Peer()->grab().toImage();
        const TRect value = box->GetClientRect();
        const auto [top, bottom] = DarkRows(image, value.Left + 2, value.Right - 2, value.Top + 2, value.Bottom - 2);
        ASSERT_GE(top, 0) << box->Name().toStdString();
        // Centred, the glyphs would stand nearer the bottom than the top.
        EXPECT_LT(top - value.Top, value.Bottom - bottom) << box->Name().toStdString();
    }
}
