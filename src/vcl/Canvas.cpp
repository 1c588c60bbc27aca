#include "Canvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QMutex>
#include <QPaintEngine>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTextLayout>

#include <cmath>
#include <fontconfig/fontconfig.h>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

Q_GUI_EXPORT int qt_defaultDpiY();

namespace
{

struct TParagraph {
    QString Text;                // after prefix and tab processing
    std::vector<int> Orig;       // for every character of Text (and one past its end) the index in the source
    std::vector<int> Underlined; // characters marked by a "&" before them (accelerators)
    int NextStart = 0;           // index in the source after this paragraph's line break
};

// Splits the source into paragraphs at line breaks and applies the prefix and tab rules, keeping the way back
// to source positions so the number of characters drawn refers to the caller's text.
std::vector<TParagraph> SplitParagraphs(const QString &text, unsigned flags)
{
    std::vector<TParagraph> result;
    const bool single = flags & DT_SINGLELINE;
    const bool prefix = !(flags & DT_NOPREFIX);
    const bool tabs = flags & DT_EXPANDTABS;
    TParagraph cur;
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            int after = i + 1;
            if (c == u'\r' && after < n && text[after] == u'\n')
                ++after;
            if (single) {
                i = after;
                continue;
            }
            cur.Orig.push_back(i);
            cur.NextStart = after;
            result.push_back(std::move(cur));
            cur = TParagraph();
            i = after;
            continue;
        }
        if (prefix && c == u'&') {
            // "&&" shows one ampersand; a single one only marks the next character.
            if (i + 1 < n && text[i + 1] == u'&') {
                cur.Text += u'&';
                cur.Orig.push_back(i);
                i += 2;
                continue;
            }
            // The marked character shows underlined.
            if (i + 1 < n && text[i + 1] != u'\r' && text[i + 1] != u'\n')
                cur.Underlined.push_back(int(cur.Text.size()));
            ++i;
            continue;
        }
        cur.Text += (c == u'\t' && !tabs) ? QChar(u' ') : c;
        cur.Orig.push_back(i);
        ++i;
    }
    // A text ending in a line break has no further, empty line.
    if (!cur.Text.isEmpty() || result.empty()) {
        cur.Orig.push_back(n);
        cur.NextStart = n;
        result.push_back(std::move(cur));
    }
    return result;
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Where the lines of a wrapped paragraph begin. A line ends after a blank, its trailing blanks not counted
// in its width; a run of blanks wider than the line makes a line of its own rather than splitting the word
// after it. A word wider than the whole line is broken between characters when BreakWords, else it
// overflows. X holds the pen position before every character (and at the end) of the unwrapped text.
std::vector<int> LineStarts(const QString &text, const std::vector<double> &X, double width, bool breakWords)
{
    const int n = int(text.size());
    std::vector<int> starts;
    int s = 0;
    const auto inkEnd = [&](int from, int e) {
        while (e > from && IsBlank(text[e - 1]))
            --e;
        return e;
    };
    const auto fits = [&](int from, int e) { return X[size_t(inkEnd(from, e))] - X[size_t(from)] <= width + 1e-6; };
    do {
        starts.push_back(s);
        if (fits(s, n))
            break;
        int next = -1;
        for (int e = s + 1; e < n; ++e) {
            if (!IsBlank(text[e - 1]) || IsBlank(text[e]))
                continue;
            if (!fits(s, e))
                break;
            next = e;
        }
        if (next < 0) {
            // One word fills the line: broken where it must be, or left whole to overflow.
            int e = s + 1;
            while (e < n && !(IsBlank(text[e - 1]) && !IsBlank(text[e])))
                ++e;
            if (breakWords) {
                e = s + 1;
                while (e < n && X[size_t(e + 1)] - X[size_t(s)] <= width + 1e-6)
                    ++e;
                if (e < n && text[e].isLowSurrogate())
                    ++e;
            }
            next = e;
        }
        s = next;
    } while (s < n);
    return starts;
}

struct TLaidLine {
    const TParagraph *Para;
    QTextLayout *Layout;
    int LineIndex;
    double Width;
    int EndSource; // source index after this line (and its break, when it ends a paragraph)
};

} // namespace

int DrawTextOn(QPainter *painter, const QFont &font, const QString &text, TRect &rect, unsigned flags, int *lengthDrawn,
               QPaintDevice *device)
{
    if (!device && painter)
        device = painter->device();
    const std::vector<TParagraph> paras = SplitParagraphs(text, flags);
    const QFontMetricsF fm(font, device);
    const int lineHeight = std::max(1, int(std::lround(fm.ascent() + fm.descent())));
    const bool wrap = (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE);
    const double wrapWidth = std::max(0, rect.Width());

    QTextOption option;
    option.setUseDesignMetrics(true);
    option.setWrapMode(QTextOption::NoWrap);
    if (flags & DT_EXPANDTABS) {
        // Qt scales tab stops by the device's resolution over the default one; the stops are meant in the
        // same units as the text, so undo that on devices of another resolution (printers, recordings).
        double tab = 8 * fm.averageCharWidth();
        if (device && device->logicalDpiY() > 0)
            tab = tab * qt_defaultDpiY() / device->logicalDpiY();
        option.setTabStopDistance(tab);
    }

    std::vector<std::unique_ptr<QTextLayout>> layouts;
    std::vector<TLaidLine> lines;
    // One laid-out line of text: a piece of a paragraph, with its accelerator underlines.
    const auto layLine = [&](const TParagraph &para, int from, int to) {
        auto layout = std::make_unique<QTextLayout>(para.Text.mid(from, to - from), font, device);
        layout->setTextOption(option);
        QList<QTextLayout::FormatRange> formats;
        for (int at : para.Underlined)
            if (at >= from && at < to) {
                QTextLayout::FormatRange range;
                range.start = at - from;
                range.length = 1;
                range.format.setFontUnderline(true);
                formats << range;
            }
        layout->setFormats(formats);
        layout->setCacheEnabled(true);
        return layout;
    };
    for (const TParagraph &para : paras) {
        const int n = int(para.Text.size());
        if (wrap && n > 0) {
            // The lines are cut where the pen positions of the unwrapped text say, each then laid out alone.
            auto measure = layLine(para, 0, n);
            measure->beginLayout();
            QTextLine whole = measure->createLine();
            whole.setLineWidth(1e7);
            measure->endLayout();
            if (whole.naturalTextWidth() <= wrapWidth) {
                // It fits as it is: one line.
                lines.push_back({&para, measure.get(), 0, whole.naturalTextWidth(), para.NextStart});
                layouts.push_back(std::move(measure));
                continue;
            }
            std::vector<double> x(size_t(n) + 1);
            for (int i = 0; i <= n; ++i)
                x[size_t(i)] = whole.cursorToX(i);
            const std::vector<int> starts = LineStarts(para.Text, x, wrapWidth, flags & DT_EDITCONTROL);
            for (size_t k = 0; k < starts.size(); ++k) {
                const int from = starts[k], to = k + 1 < starts.size() ? starts[k + 1] : n;
                int ink = to;
                while (ink > from && IsBlank(para.Text[ink - 1]))
                    --ink;
                auto layout = layLine(para, from, to);
                layout->beginLayout();
                layout->createLine().setLineWidth(1e7);
                layout->endLayout();
                const int endSource = to >= n ? para.NextStart : para.Orig[size_t(to)];
                lines.push_back({&para, layout.get(), 0, x[size_t(ink)] - x[size_t(from)], endSource});
                layouts.push_back(std::move(layout));
            }
            continue;
        }
        auto layout = layLine(para, 0, n);
        layout->beginLayout();
        for (;;) {
            QTextLine line = layout->createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(1e7);
            const int endLocal = line.textStart() + line.textLength();
            const int endSource = endLocal >= n ? para.NextStart : para.Orig[size_t(endLocal)];
            lines.push_back({&para, layout.get(), line.lineNumber(), line.naturalTextWidth(), endSource});
        }
        layout->endLayout();
        layouts.push_back(std::move(layout));
    }

    // An edit control shows only whole lines; a line that would be cut at the bottom is left for later.
    size_t shown = lines.size();
    if ((flags & DT_EDITCONTROL) && !(flags & DT_SINGLELINE) && !(flags & DT_CALCRECT)) {
        shown = 0;
        while (shown < lines.size() && rect.Top + int(shown + 1) * lineHeight <= rect.Bottom)
            ++shown;
    }
    if (lengthDrawn)
        *lengthDrawn = shown == 0 ? 0 : lines[shown - 1].EndSource;

    double widest = 0;
    for (size_t i = 0; i < lines.size(); ++i)
        widest = std::max(widest, lines[i].Width);
    const int textHeight = int(lines.size()) * lineHeight;

    if (flags & DT_CALCRECT) {
        rect.Right = rect.Left + int(std::ceil(widest - 1e-6));
        rect.Bottom = rect.Top + textHeight;
        return textHeight;
    }

    int top = rect.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            top = rect.Top + (rect.Height() - lineHeight) / 2;
        else if (flags & DT_BOTTOM)
            top = rect.Bottom - lineHeight;
    }
    if (painter && shown > 0) {
        painter->save();
        if (!(flags & DT_NOCLIP))
            painter->setClipRect(rect.ToQRectF(), Qt::IntersectClip);
        for (size_t i = 0; i < shown; ++i) {
            QTextLine line = lines[i].Layout->lineAt(lines[i].LineIndex);
            double x = rect.Left;
            if (flags & DT_CENTER)
                x = rect.Left + (rect.Width() - lines[i].Width) / 2;
            else if (flags & DT_RIGHT)
                x = rect.Right - lines[i].Width;
            const double y = top + double(i) * lineHeight;
            // QTextLine draws at its own position offset; place every line ourselves.
            line.draw(painter, QPointF(x - line.x(), y - line.y()));
        }
        painter->restore();
    }
    if (flags & (DT_VCENTER | DT_BOTTOM))
        return top + textHeight - rect.Top;
    return textHeight;
}

void DrawFrameControlOn(QPainter &painter, const TRect &rect, unsigned type, unsigned state)
{
    if (type != DFC_SCROLL || (state & 0xFF) != DFCS_SCROLLCOMBOBOX || rect.IsEmpty())
        return;
    const bool pushed = state & DFCS_PUSHED;
    const bool flat = state & DFCS_FLAT;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect r = rect.ToQRect();
    const QColor face(0xF0, 0xF0, 0xF0), light(Qt::white), shadow(0xA0, 0xA0, 0xA0), dark(0x69, 0x69, 0x69);
    painter.fillRect(r, face);
    painter.setBrush(Qt::NoBrush);
    if (flat) {
        painter.setPen(pushed ? dark : shadow);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (pushed) {
        painter.setPen(shadow);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        painter.setPen(light);
        painter.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
        painter.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
        painter.setPen(dark);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.setPen(shadow);
        painter.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() - QPoint(1, 1));
        painter.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() - QPoint(1, 1));
    }
    // The arrow: a small downward triangle, shifted by one pixel while pushed.
    const int size = std::max(2, std::min(r.width(), r.height()) / 4);
    const int shift = pushed ? 1 : 0;
    const int cx = r.left() + r.width() / 2 + shift, cy = r.top() + r.height() / 2 - size / 2 + shift;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QPoint tri[3] = {QPoint(cx - size, cy), QPoint(cx + size + 1, cy), QPoint(cx, cy + size + 1)};
    painter.drawPolygon(tri, 3);
    painter.restore();
}

void DrawFocusRectOn(QPainter &painter, const TRect &rect)
{
    if (rect.IsEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Inversion: drawing white with difference composition flips the pixels, a second drawing flips them back.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 0, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.ToQRect().adjusted(0, 0, -1, -1));
    painter.restore();
}

namespace
{

bool HasGreek(const QString &family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Greek);
}

// Whether a family of that name is installed. The installed names are listed once: asking the font
// database about one name first resolves it as an alias through the font configuration, which costs as
// much as listing them all; only a name the list lacks is asked about.
bool IsInstalled(const QString &family)
{
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        for (const QString &f : QFontDatabase::families())
            names.insert(f.toLower());
        return names;
    }();
    return installed.contains(family.toLower()) || QFontDatabase::hasFamily(family);
}

QString FirstInstalled(std::initializer_list<const char *> candidates)
{
    for (const char *c : candidates) {
        const QString family = QString::fromLatin1(c);
        if (IsInstalled(family) && HasGreek(family))
            return family;
    }
    return QString();
}

} // namespace

namespace
{
// The font configuration read before the application object stands; waited for before the font database
// is first asked.
struct TFontConfigRead {
    std::once_flag Joined;
    std::thread Reader;
    void Wait()
    {
        std::call_once(Joined, [this] {
            if (Reader.joinable())
                Reader.join();
        });
    }
    ~TFontConfigRead() { Wait(); }
};
TFontConfigRead FontConfigRead;

// The design fonts' caches are filled by the worker too.
QMutex FontCachesLock;
} // namespace

void StartFontConfigRead()
{
    static std::once_flag started;
    std::call_once(started, [] { FontConfigRead.Reader = std::thread([] { FcInit(); }); });
}

void PreloadFonts(const QStringList &Pictures)
{
    // Read by now, as a rule; the font database reads the configuration itself, and the two must not overlap.
    FontConfigRead.Wait();
    static bool started = false;
    if (started || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    started = true;
    // The font database guards itself with its own lock; the main thread asking meanwhile waits for what
    // is being found. The fonts themselves are loaded per thread: only the list and the stand-ins are shared.
    // Waited for as the application object goes, while the windowing system that lists the fonts still stands.
    RunBesideApplication([Pictures] {
        QFontDatabase::families();
        // The designs' default font, as a cell height: the em size that fits it is measured once.
        MakeDesignFont(TFont().Name(), 1);
        QFontMetrics(QGuiApplication::font()).size(0, QStringLiteral("Α"));
        QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
        for (const QString &file : Pictures) {
            QSvgRenderer svg(file);
            QPainter painter(&image);
            svg.render(&painter);
        }
    });
}

QString SubstituteFontName(const QString &name)
{
    static QHash<QString, QString> cache;
    const QString key = name.trimmed().toLower();
    {
        const QMutexLocker lock(&FontCachesLock);
        auto it = cache.constFind(key);
        if (it != cache.constEnd())
            return *it;
    }
    QString family;
    // Metric-compatible families first, so designed boxes keep their text widths.
    if (key == u"arial" || key == u"ms sans serif" || key == u"helvetica" || key == u"ms shell dlg" || key.isEmpty())
        family = FirstInstalled({"Liberation Sans", "Arimo", "DejaVu Sans", "Noto Sans"});
    else if (key == u"tahoma" || key == u"verdana")
        family = FirstInstalled({"DejaVu Sans Condensed", "DejaVu Sans", "Liberation Sans", "Noto Sans"});
    else if (key == u"courier new" || key == u"courier")
        family = FirstInstalled({"Liberation Mono", "Cousine", "DejaVu Sans Mono", "Noto Sans Mono"});
    else if (key == u"times new roman")
        family = FirstInstalled({"Liberation Serif", "Tinos", "DejaVu Serif", "Noto Serif"});
    else if (IsInstalled(name) && HasGreek(name))
        family = name;
    if (family.isEmpty())
        family = FirstInstalled({"DejaVu Sans", "Liberation Sans", "Noto Sans"});
    if (family.isEmpty())
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    const QMutexLocker lock(&FontCachesLock);
    cache.insert(key, family);
    return family;
}

QFont DesignFontOf(const TFont *font)
{
    const TFontStyles s = font->Style();
    return MakeDesignFont(font->Name(), font->Height(), s.testFlag(fsBold), s.testFlag(fsItalic),
                          s.testFlag(fsUnderline), s.testFlag(fsStrikeOut));
}

QFont MakeDesignFont(const QString &name, int height, bool bold, bool italic, bool underline, bool strikeOut)
{
    QFont f(SubstituteFontName(name));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikeOut);
    int pixels = height == 0 ? 13 : std::abs(height);
    if (height > 0) {
        // A cell height includes the internal leading: find the em size whose ascent + descent match it.
        static QHash<QString, double> ratio;
        const QString key = f.family() + QLatin1String(bold ? "b" : "") + QLatin1String(italic ? "i" : "");
        std::optional<double> known;
        {
            const QMutexLocker lock(&FontCachesLock);
            auto it = ratio.constFind(key);
            if (it != ratio.constEnd())
                known = *it;
        }
        double r;
        if (known) {
            r = *known;
        } else {
            QFont probe = f;
            probe.setPixelSize(1000);
            const QFontMetricsF pm(probe);
            r = 1000.0 / std::max(1.0, pm.ascent() + pm.descent());
            const QMutexLocker lock(&FontCachesLock);
            ratio.insert(key, r);
        }
        pixels = std::max(1, int(std::lround(height * r)));
    }
    f.setPixelSize(pixels);
    return f;
}

// ---- TCanvas ----

TCanvas::TCanvas() : FFont(std::make_unique<TFont>())
{
}

TCanvas::~TCanvas() = default;

void TCanvas::SetPainter(QPainter *painter)
{
    FPainter = painter;
    FMapMode = MM_TEXT;
    if (FPainter)
        FPainter->setRenderHint(QPainter::Antialiasing, false);
}

QFont TCanvas::CurrentQFont() const
{
    return DesignFontOf(FFont.get());
}

void TCanvas::ApplyPen()
{
    if (FPen.Style == psClear) {
        FPainter->setPen(Qt::NoPen);
        return;
    }
    QPen pen(ColorToQColor(FPen.Color));
    pen.setWidth(FPen.Width);
    pen.setCosmetic(FPen.Width == 0 || FMapMode == MM_TEXT);
    switch (FPen.Style) {
    case psDash:
        pen.setStyle(Qt::DashLine);
        break;
    case psDot:
        pen.setStyle(Qt::DotLine);
        break;
    case psDashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    case psDashDotDot:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        pen.setStyle(Qt::SolidLine);
        break;
    }
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    FPainter->setPen(pen);
    FPainter->setCompositionMode(FPen.Mode == pmCopy ? QPainter::CompositionMode_SourceOver
                                                     : QPainter::RasterOp_SourceXorDestination);
}

void TCanvas::ApplyBrush()
{
    if (FBrush.Style == bsClear) {
        FPainter->setBrush(Qt::NoBrush);
        return;
    }
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    FPainter->setBrush(QBrush(ColorToQColor(FBrush.Color), styles[FBrush.Style]));
}

void TCanvas::FillRect(const TRect &rect)
{
    if (!FPainter || FBrush.Style == bsClear || rect.IsEmpty())
        return;
    ApplyBrush();
    FPainter->fillRect(rect.ToQRectF(), FPainter->brush());
}

void TCanvas::FrameRect(const TRect &rect)
{
    if (!FPainter || rect.IsEmpty())
        return;
    const TBrush saved = FBrush;
    FBrush.Style = bsSolid;
    FillRect({rect.Left, rect.Top, rect.Right, rect.Top + 1});
    FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
    FillRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom});
    FillRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom});
    FBrush = saved;
}

void TCanvas::Rectangle(const TRect &rect)
{
    if (!FPainter)
        return;
    ApplyBrush();
    ApplyPen();
    // The outline lies inside the rectangle, right and bottom edges included in it.
    FPainter->drawRect(QRectF(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
}

void TCanvas::Ellipse(const TRect &rect)
{
    if (!FPainter)
        return;
    ApplyBrush();
    ApplyPen();
    FPainter->drawEllipse(QRectF(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
}

void TCanvas::MoveTo(int x, int y)
{
    FPenPos = {x, y};
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = FPenPos;
    FPenPos = {x, y};
    if (!FPainter || (from.X == x && from.Y == y))
        return;
    ApplyPen();
    // A line along a row or a column, of a solid pen one pixel wide, on the screen at whole pixels, covers
    // the pixels of a rectangle (the larger end left out, whichever way it is drawn), which is filled many
    // times faster than a line is drawn.
    if ((from.X == x || from.Y == y) && FPen.Style == psSolid && FPen.Width <= 1 && OnWholeScreenPixels()) {
        const QRect covered = from.X == x ? QRect(x, std::min(from.Y, y), 1, std::abs(y - from.Y))
                                          : QRect(std::min(from.X, x), y, std::abs(x - from.X), 1);
        FPainter->fillRect(covered, FPainter->pen().color());
        return;
    }
    // With flat caps the last point of the line is not drawn, as the forms expect.
    FPainter->drawLine(QPointF(from.X, from.Y), QPointF(x, y));
}

bool TCanvas::OnWholeScreenPixels() const
{
    const QPaintEngine *engine = FPainter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || FPainter->testRenderHint(QPainter::Antialiasing) ||
        !FPainter->device() || FPainter->device()->devicePixelRatio() != 1)
        return false;
    const QTransform t = FPainter->combinedTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::round(t.dx()) && t.dy() == std::round(t.dy());
}

void TCanvas::Polyline(const std::vector<TPoint> &points)
{
    if (!FPainter || points.size() < 2)
        return;
    ApplyPen();
    QPolygon poly;
    for (const TPoint &p : points)
        poly << QPoint(p.X, p.Y);
    FPainter->drawPolyline(poly);
}

void TCanvas::Polygon(const std::vector<TPoint> &points)
{
    if (!FPainter || points.size() < 3)
        return;
    ApplyPen();
    ApplyBrush();
    QPolygon poly;
    for (const TPoint &p : points)
        poly << QPoint(p.X, p.Y);
    FPainter->drawPolygon(poly);
}

void TCanvas::TextOut(int x, int y, const QString &text)
{
    TRect r{x, y, x + TextWidth(text), y + TextHeight(text)};
    TextRect(r, x, y, text);
    FPenPos = {r.Right, y};
}

void TCanvas::TextRect(const TRect &rect, int x, int y, const QString &text)
{
    if (!FPainter)
        return;
    if (FBrush.Style != bsClear)
        FillRect(rect);
    TRect r{x, y, rect.Right, rect.Bottom};
    FPainter->save();
    FPainter->setClipRect(rect.ToQRectF(), Qt::IntersectClip);
    FPainter->setPen(ColorToQColor(FFont->Color()));
    DrawTextOn(FPainter, CurrentQFont(), text, r, DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
    FPainter->restore();
}

int TCanvas::TextWidth(const QString &text)
{
    TRect r{0, 0, 0, 0};
    DrawTextOn(nullptr, CurrentQFont(), text, r, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE, nullptr,
               FPainter ? FPainter->device() : FMeasureDevice);
    return r.Width();
}

int TCanvas::TextHeight(const QString &text)
{
    TRect r{0, 0, 0, 0};
    DrawTextOn(nullptr, CurrentQFont(), text, r, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE, nullptr,
               FPainter ? FPainter->device() : FMeasureDevice);
    return r.Height();
}

int TCanvas::DrawText(const QString &text, TRect &rect, unsigned flags, int *lengthDrawn)
{
    if (FPainter && !(flags & DT_CALCRECT)) {
        if (FBrush.Style != bsClear)
            FillRect(rect);
        FPainter->setPen(ColorToQColor(FFont->Color()));
        FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    return DrawTextOn((flags & DT_CALCRECT) ? nullptr : FPainter, CurrentQFont(), text, rect, flags, lengthDrawn,
                      FPainter ? FPainter->device() : FMeasureDevice);
}

void TCanvas::StretchDraw(const TRect &rect, TGraphic *graphic)
{
    if (!FPainter || !graphic || graphic->Empty())
        return;
    FPainter->save();
    graphic->Draw(*FPainter, rect.ToQRectF());
    FPainter->restore();
}

void TCanvas::DrawFocusRect(const TRect &rect)
{
    if (FPainter)
        DrawFocusRectOn(*FPainter, rect);
}

void TCanvas::DrawFrameControl(const TRect &rect, unsigned type, unsigned state)
{
    if (FPainter)
        DrawFrameControlOn(*FPainter, rect, type, state);
}

void TCanvas::SetMapMode(TMapMode mode)
{
    FMapMode = mode;
    ApplyMapping();
}

void TCanvas::SetWindowOrgEx(int x, int y)
{
    FWindow.moveTopLeft(QPoint(x, y));
    ApplyMapping();
}

void TCanvas::SetWindowExtEx(int cx, int cy)
{
    FWindow.setSize(QSize(cx, cy));
    ApplyMapping();
}

void TCanvas::SetViewportOrgEx(int x, int y)
{
    FViewport.moveTopLeft(QPoint(x, y));
    ApplyMapping();
}

void TCanvas::SetViewportExtEx(int cx, int cy)
{
    FViewport.setSize(QSize(cx, cy));
    ApplyMapping();
}

void TCanvas::ApplyMapping()
{
    if (!FPainter)
        return;
    if (FMapMode == MM_TEXT || FWindow.width() == 0 || FWindow.height() == 0) {
        FPainter->setViewTransformEnabled(false);
        return;
    }
    FPainter->setWindow(FWindow);
    FPainter->setViewport(FViewport);
    FPainter->setViewTransformEnabled(true);
}
