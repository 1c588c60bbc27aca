#include "app/NameRoller.h"

#include "vcl/Forms.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace
{
// Records the lines the drum draws.
class TRecordingRoller : public TNameRoller
{
public:
    using TNameRoller::TNameRoller;
    struct TLine {
        int Index, Size, Y;
    };
    std::vector<TLine> Lines;

protected:
    void DrawLine(int Index, int Size, int Y) override
    {
        Lines.push_back({Index, Size, Y});
        TNameRoller::DrawLine(Index, Size, Y);
    }
};

QStringList Numbered(int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << QStringLiteral("Γραμμή %1").arg(i);
    return lines;
}

// The brightest pixel of a row band of the bitmap (0 black .. 255 white).
int Brightness(const QImage &image, int top, int bottom)
{
    int best = 0;
    for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, qGray(image.pixel(x, y)));
    return best;
}
} // namespace

TEST(NameRoller, LineSizesOffsetsAndColours)
{
    TNameRoller roller(nullptr);
    roller.SetFocusedSize(40);
    int size = 0, offset = 0;
    const struct {
        double d;
        int size, offset;
    } cases[] = {{0, 40, 0}, {1, 32, 50}, {2, 26, 88}, {3, 20, 125}, {-1, 32, -50}, {0.5, 36, 25}, {-2, 26, -88}};
    for (const auto &c : cases) {
        roller.LineMetrics(c.d, size, offset);
        EXPECT_EQ(size, c.size) << c.d;
        EXPECT_EQ(offset, c.offset) << c.d;
    }
    EXPECT_EQ(TNameRoller::FadeColor(clWhite, 20.0 / 40), RGB(128, 128, 128));
    EXPECT_EQ(TNameRoller::FadeColor(RGB(200, 100, 50), 1), RGB(200, 100, 50));
    EXPECT_EQ(TNameRoller::FadeColor(RGB(200, 100, 50), 0), clBlack);
    // A system colour fades from its palette value, not from its code.
    EXPECT_EQ(TNameRoller::FadeColor(clWindowText, 1), ToColor(ColorToRGB(clWindowText)));
}

TEST(NameRoller, DrumAtRestDrawsFifteenLinesEachSide)
{
    TRecordingRoller roller(nullptr);
    roller.SetBounds(0, 0, 393, 255);
    roller.Items()->SetStrings(Numbered(40));
    roller.SetFocusedSize(40);
    roller.Lines.clear();
    roller.DrawDrum(20);
    ASSERT_EQ(roller.Lines.size(), 31u);
    EXPECT_EQ(roller.Lines.front().Index, 20);
    EXPECT_EQ(roller.Lines.front().Size, 40);
    EXPECT_EQ(roller.Lines.front().Y, 255 / 2);
    EXPECT_EQ(roller.Lines.back().Index, 5);
    EXPECT_EQ(roller.Lines.back().Size, 1);
    // The front line is bright white; the upper half is empty when line 0 is at the front.
    const QImage &image = roller.Bitmap();
    EXPECT_GT(Brightness(image, 127 - 10, 127 + 10), 200);
    roller.SetColor(clBlack);
    roller.GetFont()->SetColor(clWhite);
    roller.DrawDrum(0.1);
    EXPECT_LT(Brightness(roller.Bitmap(), 0, 90), 5);
    EXPECT_GT(Brightness(roller.Bitmap(), 140, 255), 100);
    // Near the last line the lower half starts again with the first lines.
    roller.Lines.clear();
    roller.DrawDrum(39.5);
    bool wraps = false;
    for (const auto &l : roller.Lines)
        wraps |= l.Index == 40 && l.Y > 127;
    EXPECT_TRUE(wraps);
}

TEST(NameRoller, EmptyOrSizelessDrumPaintsOnlyTheBackground)
{
    TNameRoller roller(nullptr);
    roller.SetBounds(0, 0, 100, 80);
    roller.SetColor(RGB(10, 20, 30));
    roller.GetFont()->SetColor(clWhite);
    roller.SetFocusedSize(40);
    roller.DrawDrum(0);
    const QColor background = ColorToQColor(RGB(10, 20, 30));
    auto uniform = [&] {
        const QImage &image = roller.Bitmap();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (QColor(image.pixel(x, y)) != background)
                    return false;
        return true;
    };
    EXPECT_TRUE(uniform());
    roller.Items()->Add("ΑΝΑΛΥΤΙΚΗ");
    roller.SetFocusedSize(0);
    roller.DrawDrum(0);
    EXPECT_TRUE(uniform());
}

TEST(NameRoller, TurningWrapsAfterTheLastLineAndRestartsOnScroll)
{
    TRecordingRoller roller(nullptr);
    roller.SetBounds(0, 0, 200, 120);
    roller.Items()->SetStrings(Numbered(14));
    roller.SetFocusedSize(20);
    // Stepped by hand here; the timer would add steps of its own while a step processes messages.
    int steps = 0;
    float before = 0;
    while (roller.Position() >= before && steps < 1000) {
        before = roller.Position();
        roller.Lines.clear();
        roller.Tick();
        ++steps;
    }
    // The step that passes 14 is drawn at that position, then the drum starts again from 0.
    EXPECT_GT(roller.Lines.front().Index, 13);
    EXPECT_EQ(roller.Position(), 0.0f);
    EXPECT_EQ(steps, 117);
    roller.Tick();
    EXPECT_FLOAT_EQ(roller.Position(), 0.12f);

    roller.Tick();
    roller.SetScroll(true);
    EXPECT_EQ(roller.Position(), 0.0f);
    roller.SetScroll(false);
    roller.Tick();
    roller.SetScroll(true);
    EXPECT_EQ(roller.Position(), 0.0f);
    roller.SetScroll(false);
}

TEST(NameRoller, TheTimerTurnsTheDrumEveryFiftyMilliseconds)
{
    TNameRoller roller(nullptr);
    roller.SetBounds(0, 0, 200, 120);
    roller.Items()->SetStrings(Numbered(100));
    roller.SetFocusedSize(20);
    roller.SetScroll(true);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 400)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    // About eight steps in 400 ms; a busy machine may lose a few.
    EXPECT_GE(roller.Position(), 0.12f * 3);
    EXPECT_LE(roller.Position(), 0.12f * 9 + 0.01f);
    roller.SetScroll(false);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 120);
    EXPECT_EQ(roller.Position(), 0.0f);
}
