#include "vcl/Canvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace
{

struct TextFixture : ::testing::Test {
    QImage Image{400, 300, QImage::Format_ARGB32};
    QFont Font = MakeDesignFont("MS Sans Serif", -13);
    int LineHeight = 0;
    void SetUp() override
    {
        Image.fill(Qt::white);
        const QFontMetricsF fm(Font, &Image);
        LineHeight = int(std::lround(fm.ascent() + fm.descent()));
    }
    int InkRows(int fromY, int toY)
    {
        int rows = 0;
        for (int y = fromY; y < toY; ++y)
            for (int x = 0; x < Image.width(); ++x)
                if (Image.pixel(x, y) != qRgb(255, 255, 255)) {
                    ++rows;
                    break;
                }
        return rows;
    }
};

} // namespace

TEST_F(TextFixture, CalcRectMeasuresLinesAtBreaks)
{
    TRect one{10, 20, 300, 300};
    DrawTextOn(nullptr, Font, "  ΟΔΟΣ", one, DT_CALCRECT | DT_NOPREFIX | DT_EDITCONTROL, nullptr, &Image);
    EXPECT_EQ(one.Left, 10);
    EXPECT_EQ(one.Top, 20);
    EXPECT_EQ(one.Height(), LineHeight);
    EXPECT_GT(one.Width(), 20);

    TRect two{10, 20, 300, 300};
    const int h =
        DrawTextOn(nullptr, Font, "  ΟΔΟΣ\r\n  (13)", two, DT_CALCRECT | DT_NOPREFIX | DT_EDITCONTROL, nullptr, &Image);
    EXPECT_EQ(h, 2 * LineHeight);
    EXPECT_EQ(two.Bottom, 20 + 2 * LineHeight);
    EXPECT_EQ(two.Right, one.Right); // the wider line decides

    TRect single{0, 0, 300, 300};
    DrawTextOn(nullptr, Font, "a\r\nb", single, DT_CALCRECT | DT_SINGLELINE, nullptr, &Image);
    EXPECT_EQ(single.Height(), LineHeight);
}

TEST_F(TextFixture, WordBreakWrapsAndEditControlDropsPartialLastLine)
{
    const QString text = "ένα δύο τρία τέσσερα πέντε έξι επτά οκτώ εννέα δέκα";
    TRect measure{0, 0, 80, 1000};
    DrawTextOn(nullptr, Font, text, measure, DT_CALCRECT | DT_WORDBREAK, nullptr, &Image);
    EXPECT_GT(measure.Height(), 2 * LineHeight);
    EXPECT_LE(measure.Width(), 80);

    // Room for two whole lines and a half: only two are drawn, and the count stops at the third line.
    QPainter p(&Image);
    TRect r{0, 0, 80, 2 * LineHeight + LineHeight / 2};
    int drawn = -1;
    DrawTextOn(&p, Font, text, r, DT_WORDBREAK | DT_EDITCONTROL, &drawn, &Image);
    p.end();
    EXPECT_GT(drawn, 5);
    EXPECT_LT(drawn, int(text.size()));
    EXPECT_TRUE(text[drawn - 1] == u' ' || text[drawn].isSpace() || text[drawn].isLetter());
    EXPECT_EQ(InkRows(2 * LineHeight, r.Bottom), 0);
    EXPECT_GT(InkRows(0, 2 * LineHeight), 0);

    // The rest, drawn in a tall rectangle, is all drawn.
    TRect rest{0, 0, 80, 1000};
    int drawnRest = -1;
    DrawTextOn(nullptr, Font, text.mid(drawn), rest, DT_WORDBREAK | DT_EDITCONTROL, &drawnRest, &Image);
    EXPECT_EQ(drawnRest, int(text.size()) - drawn);
}

TEST_F(TextFixture, WrappedLinesBreakAtBlanks)
{
    const QFontMetricsF fm(Font, &Image);
    // Where the first line of Text ends in a box Width wide, in characters of Text.
    const auto firstLine = [&](const QString &text, double width) {
        TRect r{0, 0, int(std::ceil(width)), LineHeight};
        int drawn = -1;
        QPainter p(&Image);
        DrawTextOn(&p, Font, text, r, DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX, &drawn);
        return drawn;
    };
    // Words that pass the edge go whole to the next line; the blank before them ends the first.
    const QString words = QStringLiteral("   ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ Σελίδα: 0001 από 0007");
    const int page = int(words.indexOf(QStringLiteral("Σελίδα")));
    const double upToPage = fm.horizontalAdvance(words.left(page - 1));
    EXPECT_EQ(firstLine(words, upToPage + fm.horizontalAdvance(QStringLiteral("Σελ"))), page);
    // A header line pushed right by more blanks than the line holds: the blanks make a line of their own,
    // the words go whole to the next.
    const QString header = QString(61, u' ') + QStringLiteral("Σελίδα: 0002 από 0006");
    EXPECT_EQ(firstLine(header, fm.horizontalAdvance(QString(58, u' '))), 61);
    // A word longer than the whole line is broken where the line ends.
    EXPECT_EQ(firstLine(QString(70, u'Ω'), fm.horizontalAdvance(QString(60, u'Ω')) + 0.5), 60);
    // Measured, a wrapped line is as wide as its ink, without the blank it ends in.
    TRect measure{0, 0, int(std::ceil(upToPage + fm.horizontalAdvance(QStringLiteral("Σελ")))), 1000};
    DrawTextOn(nullptr, Font, words, measure, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL, nullptr, &Image);
    EXPECT_NEAR(measure.Width(), upToPage, 1.0);
    EXPECT_EQ(measure.Height(), 2 * LineHeight);
}

TEST_F(TextFixture, CountsLineBreaksAndPrefixesInSourceCharacters)
{
    TRect r{0, 0, 300, LineHeight};
    int drawn = -1;
    QPainter p(&Image);
    DrawTextOn(&p, Font, "&&Α&Β\r\nδεύτερη", r, DT_EDITCONTROL, &drawn);
    p.end();
    EXPECT_EQ(drawn, 7); // "&&Α&Β" and CR LF

    TRect w{0, 0, 300, 100};
    DrawTextOn(nullptr, Font, "&A", w, DT_CALCRECT, nullptr, &Image);
    TRect np{0, 0, 300, 100};
    DrawTextOn(nullptr, Font, "&A", np, DT_CALCRECT | DT_NOPREFIX, nullptr, &Image);
    EXPECT_LT(w.Width(), np.Width());
}

TEST_F(TextFixture, AnAcceleratorIsUnderlined)
{
    // "&Ok" shows "Ok" with the O underlined: ink below the baseline under the O only.
    const auto draw = [this](const QString &text, unsigned flags) {
        Image.fill(Qt::white);
        QPainter p(&Image);
        TRect r{10, 10, 300, 100};
        DrawTextOn(&p, Font, text, r, flags | DT_SINGLELINE);
        p.end();
        return Image.copy();
    };
    const QImage plain = draw(QStringLiteral("Ok"), DT_NOPREFIX);
    const QImage marked = draw(QStringLiteral("&Ok"), 0);
    const int baseline = 10 + int(QFontMetricsF(Font, &Image).ascent());
    const int oRight = 10 + int(QFontMetricsF(Font, &Image).horizontalAdvance(u'O'));
    EXPECT_EQ(marked.copy(0, 0, 400, baseline), plain.copy(0, 0, 400, baseline));
    EXPECT_NE(marked.copy(0, baseline, oRight, 10), plain.copy(0, baseline, oRight, 10));
    EXPECT_EQ(marked.copy(oRight + 1, baseline, 300, 10), plain.copy(oRight + 1, baseline, 300, 10));
    // "&&" is one ampersand, not underlined.
    EXPECT_EQ(draw(QStringLiteral("&&k"), 0), draw(QStringLiteral("&k"), DT_NOPREFIX));
}

TEST_F(TextFixture, AlignmentAndSingleLineLayout)
{
    auto inkSpan = [this](int &first, int &last, int &top, int &bottom) {
        first = Image.width(), last = -1, top = Image.height(), bottom = -1;
        for (int y = 0; y < Image.height(); ++y)
            for (int x = 0; x < Image.width(); ++x)
                if (Image.pixel(x, y) != qRgb(255, 255, 255)) {
                    first = std::min(first, x), last = std::max(last, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
    };
    int l, rr, t, b;
    TRect box{100, 100, 300, 200};
    {
        QPainter p(&Image);
        TRect r = box;
        DrawTextOn(&p, Font, "1234,50 €", r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    }
    inkSpan(l, rr, t, b);
    EXPECT_GE(rr, 290);
    EXPECT_LT(rr, 300);
    EXPECT_GT(t, 180);
    EXPECT_LT(b, 200);

    Image.fill(Qt::white);
    {
        QPainter p(&Image);
        TRect r = box;
        DrawTextOn(&p, Font, "ΑΒΓ", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    inkSpan(l, rr, t, b);
    EXPECT_NEAR((l + rr) / 2.0, 200, 3);
    EXPECT_NEAR((t + b) / 2.0, 150, 4);
}

TEST_F(TextFixture, ExpandTabsWidensText)
{
    TRect plain{0, 0, 400, 100}, tabs{0, 0, 400, 100};
    DrawTextOn(nullptr, Font, "a\tb", plain, DT_CALCRECT, nullptr, &Image);
    DrawTextOn(nullptr, Font, "a\tb", tabs, DT_CALCRECT | DT_EXPANDTABS, nullptr, &Image);
    EXPECT_GT(tabs.Width(), plain.Width());
}

TEST(FontSubstitution, DesignFontsMapToInstalledGreekFamilies)
{
    for (const char *name : {"MS Sans Serif", "Arial", "Courier New", "Tahoma", "NoSuchFont"}) {
        const QString family = SubstituteFontName(name);
        EXPECT_TRUE(QFontDatabase::hasFamily(family)) << name;
        EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Greek)) << name;
    }
    EXPECT_TRUE(QFontDatabase::isFixedPitch(SubstituteFontName("Courier New")));
}

TEST(FontSubstitution, HeightSignMeansCharacterOrCellHeight)
{
    const QFont character = MakeDesignFont("Arial", -40);
    const QFont cell = MakeDesignFont("Arial", 40);
    EXPECT_EQ(character.pixelSize(), 40);
    EXPECT_LT(cell.pixelSize(), 40);
    const QFontMetricsF fm(cell);
    EXPECT_NEAR(fm.ascent() + fm.descent(), 40, 2);
}
