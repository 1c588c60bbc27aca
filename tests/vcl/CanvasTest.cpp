#include "vcl/Canvas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace
{
int Dark(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                ++n;
    return n;
}
} // namespace

TEST(Canvas, LineToLeavesOutTheEndPoint)
{
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    TCanvas c;
    c.SetPainter(&p);
    c.MoveTo(2, 5);
    c.LineTo(12, 5);
    c.MoveTo(3, 8);
    c.LineTo(3, 18);
    p.end();
    EXPECT_EQ(img.pixel(2, 5), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(11, 5), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(12, 5), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(3, 17), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(3, 18), qRgb(255, 255, 255));
    EXPECT_EQ(Dark(img), 20);

    // Whichever way a line goes along a row or a column, whatever its pen (solid or not, zero or one pixel
    // wide, copied or xor-ed), the painter's offset, clip, antialiasing and pixel format, the canvas covers
    // the pixels a flat-capped line drawn by the painter covers.
    const QPoint from(15, 16);
    const QList<QPoint> ends{{27, 16}, {4, 16}, {15, 29}, {15, 3}, {16, 16}, {15, 15}};
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
        for (const TPenStyle style : {psSolid, psDot})
            for (const TPenMode mode : {pmCopy, pmXor})
                for (const int width : {0, 1, 2})
                    for (const QPoint offset : {QPoint(0, 0), QPoint(3, -2)})
                        for (const bool clipped : {false, true})
                            for (const bool smooth : {false, true})
                                for (const QPoint &to : ends) {
                                    QImage canvasImage(32, 32, format), painterImage(32, 32, format);
                                    canvasImage.fill(qRgb(250, 240, 200));
                                    painterImage.fill(qRgb(250, 240, 200));
                                    const auto prepare = [&](QPainter &p) {
                                        p.translate(offset);
                                        if (clipped)
                                            p.setClipRect(QRect(10, 8, 9, 12));
                                        p.setRenderHint(QPainter::Antialiasing, smooth);
                                    };
                                    {
                                        QPainter p(&canvasImage);
                                        prepare(p);
                                        TCanvas c;
                                        c.SetPainter(&p);
                                        p.setRenderHint(QPainter::Antialiasing, smooth); // the canvas turns it off
                                        c.Pen().Color = RGB(20, 90, 160);
                                        c.Pen().Style = style;
                                        c.Pen().Mode = mode;
                                        c.Pen().Width = width;
                                        c.MoveTo(from.x(), from.y());
                                        c.LineTo(to.x(), to.y());
                                    }
                                    {
                                        QPainter p(&painterImage);
                                        prepare(p);
                                        QPen pen(QColor(20, 90, 160), width);
                                        pen.setCosmetic(true);
                                        pen.setStyle(style == psDot ? Qt::DotLine : Qt::SolidLine);
                                        pen.setCapStyle(Qt::FlatCap);
                                        pen.setJoinStyle(Qt::MiterJoin);
                                        p.setPen(pen);
                                        if (mode == pmXor)
                                            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
                                        if (to != from)
                                            p.drawLine(QPointF(from), QPointF(to));
                                    }
                                    EXPECT_TRUE(canvasImage == painterImage)
                                        << "to " << to.x() << "," << to.y() << " width " << width << " style " << style
                                        << " mode " << mode << " offset " << offset.x() << " clipped " << clipped
                                        << " smooth " << smooth << " format " << format;
                                }
}

TEST(Canvas, FillRectUsesBrushAndClearBrushFillsNothing)
{
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    TCanvas c;
    c.SetPainter(&p);
    c.Brush().Color = ToColor(0x0000FF); // red in the stored byte order
    c.FillRect({0, 0, 10, 10});
    c.Brush().Style = bsClear;
    c.Brush().Color = ToColor(0);
    c.FillRect({10, 10, 20, 20});
    p.end();
    EXPECT_EQ(img.pixel(9, 9), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(10, 10), qRgb(255, 255, 255));
}

TEST(Canvas, FocusRectTwiceRestores)
{
    QImage img(30, 30, QImage::Format_RGB32);
    img.fill(QColor(200, 220, 240));
    const QImage before = img.copy();
    {
        QPainter p(&img);
        TCanvas c;
        c.SetPainter(&p);
        c.DrawFocusRect({2, 2, 28, 28});
        p.end();
    }
    EXPECT_NE(img, before);
    {
        QPainter p(&img);
        TCanvas c;
        c.SetPainter(&p);
        c.DrawFocusRect({2, 2, 28, 28});
    }
    EXPECT_EQ(img, before);
}

TEST(Canvas, AnisotropicMappingDrawsLoMetricOnDevicePixels)
{
    // 0.1 mm units on a 100 x 100 pixel device standing for 50 x 50 mm.
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    TCanvas c;
    c.SetPainter(&p);
    c.SetMapMode(MM_ANISOTROPIC);
    c.SetWindowOrgEx(0, 0);
    c.SetWindowExtEx(500, 500);
    c.SetViewportOrgEx(0, 0);
    c.SetViewportExtEx(100, 100);
    c.Brush().Color = ToColor(0);
    c.FillRect({250, 250, 500, 500});
    // Text measured in logical units scales with the mapping.
    c.Font()->SetHeight(50);
    TRect r{0, 0, 500, 500};
    c.DrawText("ΑΒΓ", r, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_NEAR(r.Height(), 50, 2);
    p.end();
    EXPECT_EQ(img.pixel(49, 49), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(51, 51), qRgb(0, 0, 0));
}

TEST(Canvas, ComboButtonPushedDiffersFromRaised)
{
    auto draw = [](unsigned state) {
        QImage img(17, 20, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        DrawFrameControlOn(p, {0, 0, 17, 20}, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | state);
        return img;
    };
    const QImage raised = draw(0), pushed = draw(DFCS_PUSHED), flat = draw(DFCS_FLAT);
    EXPECT_NE(raised, pushed);
    EXPECT_NE(raised, flat);
    EXPECT_GT(Dark(raised), 10); // the arrow and the shadow
}
