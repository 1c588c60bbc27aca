// Drawing surface of controls and printed pages over QPainter, the text routine shared by screen and paper,
// frame-control and focus-rectangle drawing, and the substitution of the form designs' fonts.
#pragma once

#include "Types.h"

#include <QFont>
#include <QString>

class QPainter;
class QPaintDevice;

// Flags of the text routine (values as the drawing code stores them).
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_EDITCONTROL = 0x2000,
};

// The text routine: lays out text in rect with the font and draws it with the painter's pen (nothing is drawn
// with DT_CALCRECT, which instead sets rect's Right and Bottom to the extent of the text). Line breaks are
// CR LF, CR or LF unless DT_SINGLELINE; DT_WORDBREAK wraps at word boundaries (with DT_EDITCONTROL a word too
// long for the line is broken too); DT_EDITCONTROL leaves out a last line that would show only in part.
// Returns the height of the text; lengthDrawn (when given) receives the number of characters of text that
// were processed, line breaks included, so a caller can continue with the rest on the next page.
// painter may be null when only measuring; device then gives the resolution for point-sized fonts.
int DrawTextOn(QPainter *painter, const QFont &font, const QString &text, TRect &rect, unsigned flags,
               int *lengthDrawn = nullptr, QPaintDevice *device = nullptr);

// Frame controls (only the combo button is needed).
enum : unsigned {
    DFC_SCROLL = 3,
    DFCS_SCROLLCOMBOBOX = 0x5,
    DFCS_PUSHED = 0x200,
    DFCS_FLAT = 0x4000,
};
void DrawFrameControlOn(QPainter &painter, const TRect &rect, unsigned type, unsigned state);
// Dotted rectangle drawn by inverting the pixels under it, so drawing it twice removes it again.
void DrawFocusRectOn(QPainter &painter, const TRect &rect);

// The installed family that stands in for a font named by the form designs ("MS Sans Serif", "Arial",
// "Courier New", "Tahoma" ...); always a family with Greek glyphs. Unknown names that are installed stay.
QString SubstituteFontName(const QString &name);
// Starts reading the font configuration on a thread of its own and returns at once: for the program's very
// start, before the application object is made. Nothing may ask the font database until PreloadFonts has
// waited for it. Once per process.
void StartFontConfigRead();
// Waits for the font configuration StartFontConfigRead reads, if any; then starts on a worker thread what
// the first texts drawn would wait for, and returns at once: the list of installed fonts, the size rule of
// the designs' default font, and the stand-ins for the application font and for the families that the
// Pictures (SVG files) name, found for Greek text. The program's other start-up work runs meanwhile. Needs
// the application object; the worker is waited for before that object goes. Once per application object.
void PreloadFonts(const QStringList &Pictures);
// A QFont for a design font name and a height in device (or logical) units with the Windows meaning:
// negative is the character height, positive the cell height (character height plus internal leading),
// 0 a default of 13. Hinting is off so that text measures the same on screen and on paper.
QFont MakeDesignFont(const QString &name, int height, bool bold = false, bool italic = false, bool underline = false,
                     bool strikeOut = false);
class TFont;
// The design font of a TFont (its height taken as it stands, in the device's or the mapping's units).
QFont DesignFontOf(const TFont *font);

#include "Graphics.h"

#include <memory>

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmNot, pmXor, pmNotXor };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TPen
{
public:
    TColor Color = clBlack;
    int Width = 1; // logical units; 0 is one device pixel
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

class TBrush
{
public:
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

enum TMapMode { MM_TEXT = 1, MM_ANISOTROPIC = 8 };

class TGraphic;

// A drawing surface: pen, brush and font over a QPainter that is attached for the duration of a paint event
// or a printed page. Coordinates are logical units; with MM_ANISOTROPIC the window and viewport map them
// onto device pixels as on the platform the forms were designed for.
class TCanvas
{
public:
    TCanvas();
    ~TCanvas();
    TCanvas(const TCanvas &) = delete;
    TCanvas &operator=(const TCanvas &) = delete;

    TPen &Pen() { return FPen; }
    TBrush &Brush() { return FBrush; }
    TFont *Font() { return FFont.get(); }

    // Attaches a painter (not owned); null detaches. The painter's state is set from the canvas on each call.
    void SetPainter(QPainter *painter);
    QPainter *Painter() const { return FPainter; }
    bool HandleAllocated() const { return FPainter != nullptr; }
    // The device whose resolution text is measured for; the painter's device when attached.
    void SetMeasureDevice(QPaintDevice *device) { FMeasureDevice = device; }

    void FillRect(const TRect &rect);
    void FrameRect(const TRect &rect);
    void Rectangle(const TRect &rect);
    void Ellipse(const TRect &rect);
    void MoveTo(int x, int y);
    void LineTo(int x, int y); // the end point itself is not drawn
    TPoint PenPos() const { return FPenPos; }
    void Polyline(const std::vector<TPoint> &points);
    void Polygon(const std::vector<TPoint> &points);
    void TextOut(int x, int y, const QString &text);
    void TextRect(const TRect &rect, int x, int y, const QString &text);
    int TextWidth(const QString &text);
    int TextHeight(const QString &text);
    // The text routine with the canvas font, drawn in the font colour without background unless the brush is
    // solid; returns the text height, lengthDrawn receives the characters processed.
    int DrawText(const QString &text, TRect &rect, unsigned flags, int *lengthDrawn = nullptr);
    void StretchDraw(const TRect &rect, TGraphic *graphic);
    void DrawFocusRect(const TRect &rect);
    void DrawFrameControl(const TRect &rect, unsigned type, unsigned state);

    // Mapping between logical units and device pixels.
    void SetMapMode(TMapMode mode);
    void SetWindowOrgEx(int x, int y);
    void SetWindowExtEx(int cx, int cy);
    void SetViewportOrgEx(int x, int y);
    void SetViewportExtEx(int cx, int cy);

    // The QFont of the canvas font (substituted family, height in logical units).
    QFont CurrentQFont() const;

private:
    void ApplyMapping();
    void ApplyPen();
    void ApplyBrush();
    // Whether the painter draws on a raster image at whole device pixels, without antialiasing.
    bool OnWholeScreenPixels() const;

    QPainter *FPainter = nullptr;
    QPaintDevice *FMeasureDevice = nullptr;
    TPen FPen;
    TBrush FBrush;
    std::unique_ptr<TFont> FFont;
    TPoint FPenPos;
    TMapMode FMapMode = MM_TEXT;
    QRect FWindow{0, 0, 1, 1};
    QRect FViewport{0, 0, 1, 1};
};

// A picture that can be drawn stretched into a rectangle (vector pictures: SVG or recorded QPicture).
class TGraphic
{
public:
    virtual ~TGraphic() = default;
    virtual void Draw(QPainter &painter, const QRectF &rect) = 0;
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};
