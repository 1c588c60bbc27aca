// Tab stops are in the text's own units whatever the resolution of the device the text is measured for.
#include "vcl/Canvas.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(CanvasTabStops, SameWidthOnScreenAndOnAHighResolutionDevice)
{
    const QFont font = MakeDesignFont(QStringLiteral("Arial"), 29);
    QImage screen(10, 10, QImage::Format_RGB32);
    QImage printer(10, 10, QImage::Format_RGB32);
    printer.setDotsPerMeterX(47244); // 1200 dots per inch
    printer.setDotsPerMeterY(47244);
    const QString text = QStringLiteral("Α\tΒ");
    TRect a{0, 0, 0, 0}, b{0, 0, 0, 0};
    DrawTextOn(nullptr, font, text, a, DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX | DT_SINGLELINE, nullptr, &screen);
    DrawTextOn(nullptr, font, text, b, DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX | DT_SINGLELINE, nullptr, &printer);
    EXPECT_GT(a.Width(), 100);
    EXPECT_NEAR(a.Width(), b.Width(), 3);
}
