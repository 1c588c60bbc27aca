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
