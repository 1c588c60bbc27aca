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
// A QFont for a design font name and a height in device (or logical) units with the Windows meaning:
// negative is the character height, positive the cell height (character height plus internal leading),
// 0 a default of 13. Hinting is off so that text measures the same on screen and on paper.
QFont MakeDesignFont(const QString &name, int height, bool bold = false, bool italic = false, bool underline = false,
                     bool strikeOut = false);
