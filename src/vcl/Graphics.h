// Colours and fonts as the designs state them: TColor keeps the Windows BGR integer and the system
// colour codes (resolved against a palette only when drawing); TFont keeps Height in the Windows sense.
#pragma once

#include "Classes.h"

#include <QColor>
#include <QFont>
#include <QPalette>

namespace Graphics
{
Q_NAMESPACE

// $00BBGGRR for plain colours; $FF0000nn for the system colour with index nn.
enum TColor : int {
    clBlack = 0x000000,
    clMaroon = 0x000080,
    clGreen = 0x008000,
    clOlive = 0x008080,
    clNavy = 0x800000,
    clPurple = 0x800080,
    clTeal = 0x808000,
    clGray = 0x808080,
    clSilver = 0xC0C0C0,
    clRed = 0x0000FF,
    clLime = 0x00FF00,
    clYellow = 0x00FFFF,
    clBlue = 0xFF0000,
    clFuchsia = 0xFF00FF,
    clAqua = 0xFFFF00,
    clWhite = 0xFFFFFF,
    clMoneyGreen = 0xC0DCC0,
    clSkyBlue = 0xF0CAA6,
    clCream = 0xF0FBFF,
    clMedGray = 0xA4A0A0,

    clScrollBar = static_cast<int>(0xFF000000u),
    clBackground = static_cast<int>(0xFF000001u),
    clActiveCaption = static_cast<int>(0xFF000002u),
    clInactiveCaption = static_cast<int>(0xFF000003u),
    clMenu = static_cast<int>(0xFF000004u),
    clWindow = static_cast<int>(0xFF000005u),
    clWindowFrame = static_cast<int>(0xFF000006u),
    clMenuText = static_cast<int>(0xFF000007u),
    clWindowText = static_cast<int>(0xFF000008u),
    clCaptionText = static_cast<int>(0xFF000009u),
    clActiveBorder = static_cast<int>(0xFF00000Au),
    clInactiveBorder = static_cast<int>(0xFF00000Bu),
    clAppWorkSpace = static_cast<int>(0xFF00000Cu),
    clHighlight = static_cast<int>(0xFF00000Du),
    clHighlightText = static_cast<int>(0xFF00000Eu),
    clBtnFace = static_cast<int>(0xFF00000Fu),
    clBtnShadow = static_cast<int>(0xFF000010u),
    clGrayText = static_cast<int>(0xFF000011u),
    clBtnText = static_cast<int>(0xFF000012u),
    clInactiveCaptionText = static_cast<int>(0xFF000013u),
    clBtnHighlight = static_cast<int>(0xFF000014u),
    cl3DDkShadow = static_cast<int>(0xFF000015u),
    cl3DLight = static_cast<int>(0xFF000016u),
    clInfoText = static_cast<int>(0xFF000017u),
    clInfoBk = static_cast<int>(0xFF000018u),
    clHotLight = static_cast<int>(0xFF00001Au),
    clGradientActiveCaption = static_cast<int>(0xFF00001Bu),
    clGradientInactiveCaption = static_cast<int>(0xFF00001Cu),
    clMenuHighlight = static_cast<int>(0xFF00001Du),
    clMenuBar = static_cast<int>(0xFF00001Eu),

    clNone = 0x1FFFFFFF,
    clDefault = 0x20000000,
};
Q_ENUM_NS(TColor)
// Aliases written under their first name.
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;

enum TFontStyle {
    fsBold = 0x1,
    fsItalic = 0x2,
    fsUnderline = 0x4,
    fsStrikeOut = 0x8,
};
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

enum TFontPitch { fpDefault, fpVariable, fpFixed };
Q_ENUM_NS(TFontPitch)

enum TFontCharset : int {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    MAC_CHARSET = 77,
    SHIFTJIS_CHARSET = 128,
    HANGEUL_CHARSET = 129,
    JOHAB_CHARSET = 130,
    GB2312_CHARSET = 134,
    CHINESEBIG5_CHARSET = 136,
    GREEK_CHARSET = 161,
    TURKISH_CHARSET = 162,
    VIETNAMESE_CHARSET = 163,
    HEBREW_CHARSET = 177,
    ARABIC_CHARSET = 178,
    BALTIC_CHARSET = 186,
    RUSSIAN_CHARSET = 204,
    THAI_CHARSET = 222,
    EASTEUROPE_CHARSET = 238,
    OEM_CHARSET = 255,
};
Q_ENUM_NS(TFontCharset)

} // namespace Graphics
Q_DECLARE_OPERATORS_FOR_FLAGS(Graphics::TFontStyles)
using namespace Graphics;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr TColor ToColor(int value)
{
    return static_cast<TColor>(value);
}
// The BGR value of a colour; system colours take the palette's value.
int ColorToRGB(TColor Color, const QPalette &Palette);
int ColorToRGB(TColor Color);
// The colour to draw with; clNone is transparent, clDefault an invalid QColor.
QColor ColorToQColor(TColor Color, const QPalette &Palette);
QColor ColorToQColor(TColor Color);
TColor QColorToColor(const QColor &Color);
// "clWhite" or the decimal value; the inverse accepts both and "$00BBGGRR".
QString ColorToString(TColor Color);
bool IdentToColor(const QString &Ident, TColor &Color);
TColor StringToColor(const QString &S);

// Screen resolution that font heights in designs refer to.
constexpr int ScreenPixelsPerInch = 96;

// Told by a font after each change of its attributes (a look scheme listens to its fonts this way).
class IChangeNotifier
{
public:
    virtual ~IChangeNotifier() = default;
    virtual void Changed() = 0;
};

class TFont : public TPersistent
{
    Q_OBJECT
    Q_PROPERTY(Graphics::TFontCharset Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(Graphics::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(Graphics::TFontPitch Pitch READ Pitch WRITE SetPitch)
    Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)
    Q_PROPERTY(Graphics::TFontStyles Style READ Style WRITE SetStyle)
    Q_CLASSINFO("Default:Pitch", "fpDefault")
public:
    TFont();
    ~TFont() override;

    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // Negative: character height in pixels at PixelsPerInch; positive: cell height.
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    const QString &Name() const { return FName; }
    void SetName(const QString &Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    // Points, from Height at PixelsPerInch.
    int Size() const;
    void SetSize(int Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value > 0 ? Value : ScreenPixelsPerInch; }

    void Assign(TPersistent *Source) override;
    bool operator==(const TFont &other) const;

    // A Qt font for drawing at `dpi` dots per inch: the name goes through the substitution table and the
    // character height is scaled from PixelsPerInch to dpi.
    QFont ToQFont(int dpi = ScreenPixelsPerInch) const;
    // The installed family that stands for a family the designs name ("MS Sans Serif" -> a sans face).
    static QString SubstituteFamily(const QString &Family);

    // Told after every change of an attribute (once per Assign), before OnChange; not owned.
    IChangeNotifier *FontAdapter() const { return FFontAdapter; }
    void SetFontAdapter(IChangeNotifier *Value) { FFontAdapter = Value; }

    // Fired after every change of an attribute (once per Assign).
    TNotifyEvent OnChange;

Q_SIGNALS:
    void Changed(TFont *Font);

protected:
    virtual void DoChanged();

private:
    QString FName = QStringLiteral("MS Sans Serif");
    int FHeight = -11;
    TFontCharset FCharset = DEFAULT_CHARSET;
    TColor FColor = clWindowText;
    TFontPitch FPitch = fpDefault;
    TFontStyles FStyle;
    int FPixelsPerInch = ScreenPixelsPerInch;
    int FUpdating = 0;
    bool FChangedWhileUpdating = false;
    IChangeNotifier *FFontAdapter = nullptr;
};
