#include "Graphics.h"

#include "Canvas.h"

#include <QGuiApplication>
#include <QMetaEnum>

namespace
{

QColor FromBgr(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int ToBgr(const QColor &c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

// The palette colour that plays the part of each Windows system colour.
QColor SystemColor(int index, const QPalette &p)
{
    switch (index) {
    case 0:
        return p.color(QPalette::Active, QPalette::Mid); // scroll bar
    case 1:
        return p.color(QPalette::Active, QPalette::Window); // desktop
    case 2:
        return p.color(QPalette::Active, QPalette::Highlight); // active caption
    case 3:
        return p.color(QPalette::Inactive, QPalette::Mid); // inactive caption
    case 4:
        return p.color(QPalette::Active, QPalette::Window); // menu
    case 5:
        return p.color(QPalette::Active, QPalette::Base); // window
    case 6:
        return p.color(QPalette::Active, QPalette::Shadow); // window frame
    case 7:
        return p.color(QPalette::Active, QPalette::WindowText); // menu text
    case 8:
        return p.color(QPalette::Active, QPalette::Text); // window text
    case 9:
        return p.color(QPalette::Active, QPalette::HighlightedText); // caption text
    case 10:
        return p.color(QPalette::Active, QPalette::Button); // active border
    case 11:
        return p.color(QPalette::Inactive, QPalette::Button); // inactive border
    case 12:
        return p.color(QPalette::Active, QPalette::Dark); // application workspace
    case 13:
        return p.color(QPalette::Active, QPalette::Highlight);
    case 14:
        return p.color(QPalette::Active, QPalette::HighlightedText);
    case 15:
        return p.color(QPalette::Active, QPalette::Button); // button face
    case 16:
        return p.color(QPalette::Active, QPalette::Dark); // button shadow
    case 17:
        return p.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18:
        return p.color(QPalette::Active, QPalette::ButtonText);
    case 19:
        return p.color(QPalette::Inactive, QPalette::WindowText); // inactive caption text
    case 20:
        return p.color(QPalette::Active, QPalette::Light); // button highlight
    case 21:
        return p.color(QPalette::Active, QPalette::Shadow); // 3-D dark shadow
    case 22:
        return p.color(QPalette::Active, QPalette::Midlight); // 3-D light
    case 23:
        return p.color(QPalette::Active, QPalette::ToolTipText);
    case 24:
        return p.color(QPalette::Active, QPalette::ToolTipBase);
    case 26:
        return p.color(QPalette::Active, QPalette::Link); // hot light
    case 27:
        return p.color(QPalette::Active, QPalette::Highlight);
    case 28:
        return p.color(QPalette::Inactive, QPalette::Mid);
    case 29:
        return p.color(QPalette::Active, QPalette::Highlight); // menu highlight
    case 30:
        return p.color(QPalette::Active, QPalette::Window); // menu bar
    default:
        return p.color(QPalette::Active, QPalette::Window);
    }
}

bool IsSystemColor(TColor c)
{
    return (static_cast<unsigned>(c) & 0xFF000000u) == 0xFF000000u;
}

QPalette AppPalette()
{
    return QGuiApplication::palette();
}

} // namespace

int ColorToRGB(TColor Color, const QPalette &Palette)
{
    if (IsSystemColor(Color))
        return ToBgr(SystemColor(Color & 0xFF, Palette));
    return Color & 0xFFFFFF;
}

int ColorToRGB(TColor Color)
{
    return ColorToRGB(Color, AppPalette());
}

QColor ColorToQColor(TColor Color, const QPalette &Palette)
{
    if (Color == clNone)
        return QColor(Qt::transparent);
    if (Color == clDefault)
        return QColor();
    if (IsSystemColor(Color))
        return SystemColor(Color & 0xFF, Palette);
    return FromBgr(Color);
}

QColor ColorToQColor(TColor Color)
{
    return ColorToQColor(Color, AppPalette());
}

TColor QColorToColor(const QColor &Color)
{
    if (!Color.isValid())
        return clDefault;
    if (Color.alpha() == 0)
        return clNone;
    return static_cast<TColor>(ToBgr(Color));
}

QString ColorToString(TColor Color)
{
    const QMetaEnum e = QMetaEnum::fromType<TColor>();
    if (const char *key = e.valueToKey(Color))
        return QString::fromLatin1(key);
    return QString::number(static_cast<int>(Color));
}

bool IdentToColor(const QString &Ident, TColor &Color)
{
    const QMetaEnum e = QMetaEnum::fromType<TColor>();
    bool ok = false;
    const int v = e.keyToValue(Ident.toLatin1().constData(), &ok);
    if (ok)
        Color = static_cast<TColor>(v);
    return ok;
}

TColor StringToColor(const QString &S)
{
    TColor c;
    if (IdentToColor(S, c))
        return c;
    bool ok = false;
    const QString t = S.trimmed();
    qint64 v = t.startsWith(u'$') ? t.mid(1).toLongLong(&ok, 16) : t.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > UINT32_MAX)
        throw EConvertError(QStringLiteral("Το «%1» δεν είναι έγκυρο χρώμα").arg(S));
    return static_cast<TColor>(static_cast<int>(static_cast<quint32>(v)));
}

// ---------------------------------------------------------------------------------------------

TFont::TFont() = default;

TFont::~TFont() = default;

void TFont::DoChanged()
{
    if (FUpdating) {
        FChangedWhileUpdating = true;
        return;
    }
    if (FFontAdapter)
        FFontAdapter->Changed();
    OnChange(this);
    Q_EMIT Changed(this);
}

void TFont::SetCharset(TFontCharset Value)
{
    if (FCharset == Value)
        return;
    FCharset = Value;
    DoChanged();
}

void TFont::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    DoChanged();
}

void TFont::SetHeight(int Value)
{
    if (FHeight == Value)
        return;
    FHeight = Value;
    DoChanged();
}

void TFont::SetName(const QString &Value)
{
    if (FName == Value || Value.isEmpty())
        return;
    FName = Value;
    DoChanged();
}

void TFont::SetPitch(TFontPitch Value)
{
    if (FPitch == Value)
        return;
    FPitch = Value;
    DoChanged();
}

int TFont::Size() const
{
    return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int Value)
{
    SetHeight(-MulDiv(Value, FPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles Value)
{
    if (FStyle == Value)
        return;
    FStyle = Value;
    DoChanged();
}

void TFont::Assign(TPersistent *Source)
{
    if (auto *src = qobject_cast<TFont *>(Source)) {
        ++FUpdating;
        FChangedWhileUpdating = false;
        SetName(src->FName);
        // Same character size whatever the resolutions of the two fonts.
        if (src->FPixelsPerInch != FPixelsPerInch)
            SetHeight(MulDiv(src->FHeight, FPixelsPerInch, src->FPixelsPerInch));
        else
            SetHeight(src->FHeight);
        SetCharset(src->FCharset);
        SetColor(src->FColor);
        SetPitch(src->FPitch);
        SetStyle(src->FStyle);
        --FUpdating;
        if (FChangedWhileUpdating) {
            FChangedWhileUpdating = false;
            DoChanged();
        }
        return;
    }
    TPersistent::Assign(Source);
}

bool TFont::operator==(const TFont &other) const
{
    return FName == other.FName && FHeight == other.FHeight && FCharset == other.FCharset && FColor == other.FColor &&
           FPitch == other.FPitch && FStyle == other.FStyle;
}

QString TFont::SubstituteFamily(const QString &Family)
{
    // One substitution table for the whole program: it also checks that the family is installed and has
    // Greek glyphs.
    return SubstituteFontName(Family);
}

QFont TFont::ToQFont(int dpi) const
{
    QFont f;
    f.setFamilies({SubstituteFamily(FName), QStringLiteral("DejaVu Sans")});
    // A positive height includes the internal leading, about an eighth of the cell in the faces used.
    const int chars = FHeight < 0 ? -FHeight : (FHeight * 7 + 4) / 8;
    f.setPixelSize(std::max(1, MulDiv(chars, dpi, FPixelsPerInch)));
    f.setBold(FStyle.testFlag(fsBold));
    f.setItalic(FStyle.testFlag(fsItalic));
    f.setUnderline(FStyle.testFlag(fsUnderline));
    f.setStrikeOut(FStyle.testFlag(fsStrikeOut));
    if (FPitch == fpFixed)
        f.setFixedPitch(true);
    return f;
}
