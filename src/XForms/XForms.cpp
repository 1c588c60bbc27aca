#include "XForms.h"

#include "vcl/SysUtils.h"

#include <algorithm>
#include <cmath>

const TMapUnit MapingUnits[6] = {
    TMapUnit::Device(96),     TMapUnit::Metric(0.1f),    TMapUnit::Metric(0.01f),
    TMapUnit::English(0.01f), TMapUnit::English(0.001f), TMapUnit::English(1.0f / 1440),
};

void SetFontHeightForUnit(TFont *Font, int Points, const TMapUnit &AUnit)
{
    if (AUnit.Kind != ukDevice)
        throw Exception(QStringLiteral("Invalid maping font"));
    Font->SetHeight(-MulDiv(Points, AUnit.Factor.Dpi, 72));
}

unsigned TextDrawFlags(TAlignment Alignment, TTextLayout Layout, bool WordWrap)
{
    unsigned flags = DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX;
    if (WordWrap)
        flags |= DT_WORDBREAK;
    switch (Alignment) {
    case taLeftJustify:
        flags |= DT_LEFT;
        break;
    case taRightJustify:
        flags |= DT_RIGHT;
        break;
    case taCenter:
        flags |= DT_CENTER;
        break;
    }
    switch (Layout) {
    case tlTop:
        flags |= DT_TOP;
        break;
    case tlCenter:
        flags |= DT_VCENTER | DT_SINGLELINE;
        break;
    case tlBottom:
        flags |= DT_BOTTOM | DT_SINGLELINE;
        break;
    }
    return flags;
}

void AssignBoxFont(TFont *Target, TFont *Font, int ScreenHeight, const TMapUnit &AUnit)
{
    Target->Assign(Font);
    Target->SetHeight(std::abs(ConvertMapUnits(ScreenHeight, MapingUnits[mpScreenMaping], AUnit)));
}

TColor BlendColors(TColor A, TColor B, float F)
{
    const uint32_t a = uint32_t(A), b = uint32_t(B);
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t ab = (a >> shift) & 0xFF, bb = (b >> shift) & 0xFF;
        // Single-precision factor, as the callers pass it; the sum is formed in double.
        const double v = ab * double(F) + (1 - double(F)) * bb;
        result |= uint32_t(std::clamp<int64_t>(RoundHalfEven(v), 0, 255)) << shift;
    }
    return TColor(result);
}

void DrawFrameBorders(TCanvas *Canvas, const TRect &R, TXFrameBorderStyle Borders)
{
    if (Borders & rsLeft) {
        Canvas->MoveTo(R.Left, R.Top);
        Canvas->LineTo(R.Left, R.Bottom);
    }
    if (Borders & rsRight) {
        Canvas->MoveTo(R.Right - 1, R.Top);
        Canvas->LineTo(R.Right - 1, R.Bottom);
    }
    if (Borders & rsTop) {
        Canvas->MoveTo(R.Left, R.Top);
        Canvas->LineTo(R.Right, R.Top);
    }
    if (Borders & rsBottom) {
        Canvas->MoveTo(R.Left, R.Bottom - 1);
        Canvas->LineTo(R.Right, R.Bottom - 1);
    }
}

// ---- TXFrameNotifier ----

// A component is not announced while only its TComponent part exists (the boxes beside it could not see
// what it is); a notifier or scheme announces itself now that it is whole.
static void AnnounceInsertion(TComponent *AComponent)
{
    if (TComponent *owner = AComponent->Owner())
        owner->Notification(AComponent, opInsert);
}

TXFrameNotifier::TXFrameNotifier(TComponent *AOwner) : TComponent(AOwner)
{
    AnnounceInsertion(this);
}

void TXFrameNotifier::Changed(TXFrame *AFrame)
{
    if (OnChange)
        OnChange(this, AFrame);
}

// ---- TXFrameSheme ----

TXFrameSheme::TXFrameSheme(TComponent *AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()), FSecondaryFont(std::make_unique<TFont>())
{
    FFont->SetFontAdapter(this);
    FSecondaryFont->SetFontAdapter(this);
    AnnounceInsertion(this);
}

TXFrameSheme::~TXFrameSheme()
{
    // Linked boxes fall back to their own colour and font.
    const std::vector<TXFrame *> frames = FFrames;
    for (TXFrame *f : frames)
        f->SetSheme(nullptr);
    FFont->SetFontAdapter(nullptr);
    FSecondaryFont->SetFontAdapter(nullptr);
}

void TXFrameSheme::SetFont(TFont *v)
{
    if (v)
        FFont->Assign(v);
}

void TXFrameSheme::SetSecondaryFont(TFont *v)
{
    if (v)
        FSecondaryFont->Assign(v);
}

void TXFrameSheme::SetColor(TColor v)
{
    if (v == FColor)
        return;
    FColor = v;
    Changed();
}

void TXFrameSheme::SetPrintColor(bool v)
{
    FPrintColor = v;
    Changed();
}

void TXFrameSheme::Assign(TPersistent *Source)
{
    if (auto *s = qobject_cast<TXFrameSheme *>(Source)) {
        SetFont(s->Font());
        SetSecondaryFont(s->SecondaryFont());
        SetColor(s->Color());
        SetPrintColor(s->PrintColor());
        return;
    }
    TComponent::Assign(Source);
}

void TXFrameSheme::AddFrame(TXFrame *Box)
{
    if (std::find(FFrames.begin(), FFrames.end(), Box) == FFrames.end())
        FFrames.push_back(Box);
}

void TXFrameSheme::RemoveFrame(TXFrame *Box)
{
    std::erase(FFrames, Box);
}

void TXFrameSheme::Changed()
{
    const std::vector<TXFrame *> frames = FFrames;
    for (TXFrame *f : frames)
        f->ShemeChanged(this);
    DoChange();
}

void TXFrameSheme::DoChange()
{
    if (OnChange)
        OnChange(this);
}

// ---- TXFrame ----

TXFrame::TXFrame(TComponent *AOwner)
    : TCustomControl(AOwner), FMapUnit(MapingUnits[mpLoMetricMaping]), FDeviceUnit(MapingUnits[mpScreenMaping]),
      FMeasureCanvas(std::make_unique<TCanvas>())
{
    // Children may be placed in a box; clicks follow the box's own rule, not the generic one.
    SetControlStyle((ControlStyle() | csAcceptsControls) & ~csClickEvents);
}

TXFrame::~TXFrame()
{
    // A freed box must not stay in its scheme's list.
    if (FSheme)
        FSheme->RemoveFrame(this);
}

void TXFrame::SetMaping(TMapingKind v)
{
    if (v == FMaping)
        return;
    const TMapUnit newUnit = MapingUnits[v];
    if (!ComponentState().testFlag(csReading)) {
        FHorzSize = ConvertMapUnits(FHorzSize, FMapUnit, newUnit);
        FVertSize = ConvertMapUnits(FVertSize, FMapUnit, newUnit);
        FHorzIdent = ConvertMapUnits(FHorzIdent, FMapUnit, newUnit);
        FVertIdent = ConvertMapUnits(FVertIdent, FMapUnit, newUnit);
    }
    FMapUnit = newUnit;
    FMaping = v;
}

void TXFrame::SetHorzSize(int v)
{
    FHorzSize = v;
    SetWidth(ConvertMapUnits(v, FMapUnit, FDeviceUnit));
}

void TXFrame::SetVertSize(int v)
{
    FVertSize = v;
    SetHeight(ConvertMapUnits(v, FMapUnit, FDeviceUnit));
}

void TXFrame::SetBorders(TXFrameBorderStyle v)
{
    FBorders = v;
    Invalidate();
}

void TXFrame::SetAlignment(TAlignment v)
{
    FAlignment = v;
    Invalidate();
}

void TXFrame::SetLayout(TTextLayout v)
{
    FLayout = v;
    Invalidate();
}

void TXFrame::SetWordWrap(bool v)
{
    FWordWrap = v;
    Invalidate();
}

void TXFrame::SetHorzAnchor(THorzAnchor v)
{
    FHorzAnchor = v;
    RequestAlign();
}

void TXFrame::SetHorzIdent(int v)
{
    FHorzIdent = v;
    RequestAlign();
}

void TXFrame::SetVertAnchor(TVertAnchor v)
{
    FVertAnchor = v;
    RequestAlign();
}

void TXFrame::SetVertIdent(int v)
{
    FVertIdent = v;
    RequestAlign();
}

void TXFrame::SetExtraHint(const QString &v)
{
    FExtraHint = v;
    InvalidateHintCache();
    Invalidate();
    Realign();
}

void TXFrame::SetAutoBorders(bool v)
{
    FAutoBorders = v;
    if (v)
        FBorders = TXFrameBorderStyle(rsLeft | rsTop);
    Invalidate();
}

void TXFrame::SetFlat(bool v)
{
    FFlat = v;
    Invalidate();
}

void TXFrame::SetDropDownButton(bool v)
{
    FDropDownButton = v;
    Invalidate();
}

void TXFrame::SetSheme(TXFrameSheme *v)
{
    if (v == FSheme)
        return;
    if (FSheme)
        FSheme->RemoveFrame(this);
    FSheme = v;
    if (FSheme)
        FSheme->AddFrame(this);
    InvalidateHintCache();
}

TColor TXFrame::GetColor() const
{
    return FSheme ? FSheme->Color() : TCustomControl::GetColor();
}

void TXFrame::SetColor(TColor v)
{
    if (FSheme)
        FSheme->SetColor(v);
    else
        TCustomControl::SetColor(v);
}

TFont *TXFrame::GetFont() const
{
    return FSheme ? FSheme->Font() : TCustomControl::GetFont();
}

void TXFrame::SetFont(TFont *v)
{
    if (FSheme)
        FSheme->SetFont(v);
    else
        TCustomControl::SetFont(v);
    InvalidateHintCache();
}

QString TXFrame::GetDisplayText()
{
    QString text = Caption();
    DoGetPrintText(text);
    return text;
}

void TXFrame::DoGetPrintText(QString &Text)
{
    if (OnGetPrintText)
        OnGetPrintText(this, Text);
}

void TXFrame::Loaded()
{
    TCustomControl::Loaded();
    SetHorzSize(FHorzSize);
    SetVertSize(FVertSize);
}

void TXFrame::ChangeScale(int M, int D)
{
    DisableAlign();
    ScaleControls(M, D);
    FDeviceUnit.Factor.Dpi = MulDiv(FDeviceUnit.Factor.Dpi, M, D);
    InvalidateHintCache();
    SetHorzSize(FHorzSize);
    SetVertSize(FVertSize);
    EnableAlign();
}

void TXFrame::Notification(TComponent *AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opInsert) {
        if (!FNotifier) {
            if (auto *n = qobject_cast<TXFrameNotifier *>(AComponent)) {
                SetNotifier(n);
                return;
            }
        }
        if (!FSheme) {
            if (auto *s = qobject_cast<TXFrameSheme *>(AComponent)) {
                // A new scheme (still black) takes the look of the first box it meets.
                if (s->Color() == 0) {
                    s->SetColor(GetColor());
                    s->SetFont(GetFont());
                    SetSheme(s);
                } else if (s->Color() == GetColor()) {
                    SetSheme(s);
                }
            }
        }
    } else if (Operation == opRemove) {
        if (AComponent == FContentControl) {
            FContentControl = nullptr;
            FContentPrinter.reset();
        } else if (AComponent == FNotifier)
            FNotifier = nullptr;
        else if (AComponent == FSheme)
            SetSheme(nullptr);
    }
}

void TXFrame::ValidateInsert(TComponent *AComponent)
{
    TCustomControl::ValidateInsert(AComponent);
    auto *control = qobject_cast<TControl *>(AComponent);
    if (!control || qobject_cast<TXFrame *>(AComponent))
        return;
    if (!FContentControl) {
        FContentControl = control;
    } else if (IsDesigning()) {
        throw Exception(QStringLiteral("You can insert only one control in a ") +
                        QString::fromLatin1(metaObject()->className()) + QStringLiteral("\r\n") +
                        QString::fromLatin1(FContentControl->metaObject()->className()) + u'/' +
                        QString::fromLatin1(control->metaObject()->className()));
    }
}

void TXFrame::TextChanged()
{
    if (OnChangeText)
        OnChangeText(this);
    TCustomControl::TextChanged();
    Repaint();
    if (FNotifier)
        FNotifier->Changed(this);
}

void TXFrame::SetEditText(const QString &S)
{
    SetCaption(S);
}

QString TXFrame::GetEditText()
{
    return Caption();
}

void TXFrame::ShemeChanged(TXFrameSheme *AScheme)
{
    if (AScheme != FSheme)
        return;
    InvalidateHintCache();
    Invalidate();
}

// ---- Layout ----

namespace
{

int AlignRank(TAlign a)
{
    switch (a) {
    case alTop:
        return 0;
    case alBottom:
        return 1;
    case alLeft:
        return 2;
    case alRight:
        return 3;
    case alClient:
        return 4;
    case alNone:
        return 5;
    case alCustom:
        return 6;
    }
    return 5;
}

const double AnchorA[4] = {0, 0.5, 1, 0};
const double AnchorB[4] = {1, 0, -1, 0};

int RoundEven(double v)
{
    return int(RoundHalfEven(v));
}

} // namespace

void TXFrame::AlignControls(TControl *, TRect &Rect)
{
    struct TEntry {
        TControl *Control;
        TXFrame *Box;
        int Rank;
        int TabKey;
    };
    std::vector<TEntry> list;
    list.reserve(size_t(ControlCount()));
    for (int i = 0; i < ControlCount(); ++i) {
        TControl *c = Controls(i);
        auto *box = qobject_cast<TXFrame *>(c);
        list.push_back({c, box, box ? AlignRank(box->Align()) : AlignRank(alNone), box ? box->TabOrder() : 1000});
    }
    std::stable_sort(list.begin(), list.end(), [](const TEntry &a, const TEntry &b) {
        if ((a.Box != nullptr) != (b.Box != nullptr))
            return a.Box != nullptr;
        if (a.Rank != b.Rank)
            return a.Rank < b.Rank;
        return a.TabKey < b.TabKey;
    });
    const bool designing = IsDesigning();
    for (size_t i = 0; i < list.size(); ++i) {
        TControl *child = list[i].Control;
        if (designing || child->Visible()) {
            const TAlign a = list[i].Box ? child->Align() : alClient;
            if (a == alNone) {
                if (list[i].Box)
                    PlaceAnchored(list[i].Box, Rect);
            } else {
                if (!list[i].Box)
                    InflateRect(Rect, -1, -1);
                TRect r = Rect;
                const int w = child->Width(), h = child->Height();
                switch (a) {
                case alTop:
                    r.Bottom = r.Top + h;
                    Rect.Top = r.Bottom;
                    break;
                case alBottom:
                    r.Top = r.Bottom - h;
                    Rect.Bottom = r.Top;
                    break;
                case alLeft:
                    r.Right = r.Left + w;
                    Rect.Left = r.Right;
                    break;
                case alRight:
                    r.Left = r.Right - w;
                    Rect.Right = r.Left;
                    break;
                case alClient:
                    Rect = TRect{0, 0, 0, 0};
                    break;
                default:
                    break;
                }
                child->SetBounds(r.Left, r.Top, r.Width(), r.Height());
            }
        }
        if (auto *w = qobject_cast<TWinControl *>(child))
            w->SetTabOrder(int(i));
    }
}

void TXFrame::PlaceAnchored(TXFrame *child, const TRect &Rect)
{
    const THorzAnchor ha = child->HorzAnchor();
    const TVertAnchor va = child->VertAnchor();
    if (ha == haNone && va == vaNone)
        return;
    const TMapUnit screen = MapingUnits[mpScreenMaping];
    const int hi = ConvertMapUnits(child->HorzIdent(), child->MapUnit(), screen);
    const int vi = ConvertMapUnits(child->VertIdent(), child->MapUnit(), screen);
    const int x0 = RoundEven(hi * AnchorB[ha] + (1 - AnchorA[ha]) * Rect.Left + AnchorA[ha] * Rect.Right);
    const int y0 = RoundEven(vi * AnchorB[va] + (1 - AnchorA[va]) * Rect.Top + AnchorA[va] * Rect.Bottom);
    // A box designed a fraction of a millimetre wider or taller than the room it is anchored in would lose
    // its far border to the rounding of pixels: it gets no more than the room.
    // (The designed size is taken each time, so that a box clamped in a small room grows back with it.)
    const int w =
        std::min(ConvertMapUnits(child->FHorzSize, child->FMapUnit, child->FDeviceUnit), std::max(0, Rect.Width()));
    const int h =
        std::min(ConvertMapUnits(child->FVertSize, child->FMapUnit, child->FDeviceUnit), std::max(0, Rect.Height()));
    const int x = RoundEven(x0 - w * AnchorA[ha]);
    const int y = RoundEven(y0 - h * AnchorA[va]);
    child->SetBounds(x, y, w, h);
}

// ---- Client area and painting ----

void TXFrame::SetHintFont(TCanvas *canvas, const TMapUnit &AUnit)
{
    if (FSheme)
        AssignBoxFont(canvas->Font(), FSheme->SecondaryFont(), FSheme->SecondaryFont()->Height(), AUnit);
    else
        AssignBoxFont(canvas->Font(), GetFont(), MulDiv(GetFont()->Height(), 70, 100), AUnit);
}

TRect TXFrame::MeasureHint(const TRect &R)
{
    const TFont *f = FSheme ? FSheme->SecondaryFont() : GetFont();
    const QString key = FExtraHint + QChar(0) + f->Name() + QChar(0) + QString::number(f->Height()) + u'/' +
                        QString::number(f->Size()) + u'/' + QString::number(f->Style().toInt()) + u'/' +
                        QString::number(FDeviceUnit.Factor.Dpi) + (FSheme ? u's' : u'o');
    if (key != FHintCacheKey) {
        SetHintFont(FMeasureCanvas.get(), FDeviceUnit);
        QString s = FExtraHint;
        s.replace(u'|', QStringLiteral("\r\n"));
        TRect h{0, 0, Width(), Height()};
        FMeasureCanvas->DrawText(s, h, DT_CALCRECT | DT_NOPREFIX | DT_EDITCONTROL);
        FHintCache = h;
        FHintCacheKey = key;
    }
    return {R.Left, R.Top, R.Left + FHintCache.Width(), R.Top + FHintCache.Height()};
}

TRect TXFrame::GetClientRect()
{
    TRect r{0, 0, Width(), Height()};
    if (!FExtraHint.isEmpty()) {
        InflateRect(r, -1, -1);
        r.Left = MeasureHint(r).Right;
    }
    if (FDropDownButton)
        r.Right = r.Right - 1 - GetSystemMetrics(SM_CXVSCROLL);
    return r;
}

void TXFrame::Paint()
{
    TCanvas *canvas = Canvas();
    TRect r{0, 0, Width(), Height()};
    TColor fill = GetColor();
    // System colour codes are resolved before blending: blended as codes they give a meaningless colour.
    const TColor base = ToColor(ColorToRGB(GetColor())), hover = ToColor(ColorToRGB(FHoverColor));
    if (FHover && OnClick)
        fill = BlendColors(hover, base, 0.4f);
    else if (FGroupHover)
        fill = BlendColors(hover, base, 0.2f);
    canvas->Brush().Color = fill;
    canvas->Brush().Style = bsSolid;
    canvas->FillRect(r);
    DrawFrameBorders(canvas, r, FBorders);
    canvas->Brush().Style = bsClear;
    if (!FExtraHint.isEmpty()) {
        InflateRect(r, -1, -1);
        TRect h = MeasureHint(r);
        SetHintFont(canvas, FDeviceUnit);
        QString s = FExtraHint;
        s.replace(u'|', QStringLiteral("\r\n"));
        canvas->DrawText(s, h, DT_NOPREFIX | DT_EDITCONTROL);
        r.Left = h.Right;
    }
    if (FHover && FDropDownButton) {
        FButtonRect = r;
        InflateRect(FButtonRect, -1, -1);
        FButtonRect.Left = FButtonRect.Right - GetSystemMetrics(SM_CXVSCROLL);
        canvas->DrawFrameControl(FButtonRect, DFC_SCROLL,
                                 DFCS_SCROLLCOMBOBOX | (FFlat ? unsigned(DFCS_FLAT) : 0u) |
                                     (FButtonPressed ? unsigned(DFCS_PUSHED) : 0u));
        r.Right = FButtonRect.Left;
    }
    const QString text = PaintsText() ? GetDisplayText() : QString();
    if (!text.isEmpty()) {
        InflateRect(r, -2, -1);
        AssignBoxFont(canvas->Font(), GetFont(), GetFont()->Height(), FDeviceUnit);
        canvas->DrawText(text, r, TextDrawFlags(FAlignment, FLayout, FWordWrap));
    }
    // The box is marked also while an editor standing in for it has the focus; the editor marks the part
    // of the rectangle that it covers.
    QWidget *standIn = HandleAllocated() ? Peer()->focusProxy() : nullptr;
    if ((FFocusRectShown && Focused()) || (standIn && standIn->hasFocus())) {
        TRect f{0, 0, Width(), Height()};
        InflateRect(f, -2, -2);
        canvas->DrawFocusRect(f);
    }
}

// ---- Input ----

void TXFrame::SetHover(bool Value)
{
    FHover = Value;
    if (FGroup >= 0 && Owner() && OnClick) {
        TComponent *owner = Owner();
        for (int i = 0; i < owner->ComponentCount(); ++i) {
            auto *box = qobject_cast<TXFrame *>(owner->Components(i));
            if (box && box->FGroup == FGroup) {
                box->FGroupHover = Value;
                box->Repaint();
            }
        }
    } else {
        Repaint();
    }
}

void TXFrame::MouseEnter()
{
    TCustomControl::MouseEnter();
    if (!IsDesigning() && (FDropDownButton || OnClick))
        SetHover(true);
}

void TXFrame::MouseLeave()
{
    TCustomControl::MouseLeave();
    if (!IsDesigning() && (FDropDownButton || OnClick))
        SetHover(false);
}

void TXFrame::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // The box leaves out the generic click events, so the double click is raised here, before the press.
    if (Button == mbLeft && Shift.testFlag(ssDouble))
        DblClick();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    FDownPoint = {X, Y};
    if (Button == mbLeft && FDropDownButton && FButtonRect.Contains({X, Y})) {
        FButtonPressed = true;
        Repaint();
    }
    FDoubleClickDown = Shift & ssDouble;
}

void TXFrame::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    const bool near = std::abs(X - FDownPoint.X) <= 2 && std::abs(Y - FDownPoint.Y) <= 2;
    if (FButtonPressed) {
        FButtonPressed = false;
        TScopeExit repaint([this] { Repaint(); });
        if (near)
            DropDown();
    } else if (!FDoubleClickDown && near) {
        Click();
    }
}

void TXFrame::Click()
{
    TCustomControl::Click();
}

bool TXFrame::IsDropDownKey(quint16 Key, TShiftState Shift)
{
    const TShiftState keys = Shift & TShiftState(ssShift | ssAlt | ssCtrl);
    return (Key == VK_F4 && keys == TShiftState()) || (Key == VK_DOWN && keys == TShiftState(ssAlt));
}

void TXFrame::KeyDropDown()
{
    if (FDropDownButton)
        DropDown();
    else if (OnClick)
        Click();
}

void TXFrame::KeyDown(quint16 &Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (IsDropDownKey(Key, Shift) && OpensPicker()) {
        Key = 0;
        KeyDropDown();
        return;
    }
    if (Key != VK_RETURN)
        return;
    // Enter does what the mouse does: the drop-down button's list, or else the click's pick.
    if (FDropDownButton)
        DropDown();
    else if (OnClick)
        Click();
}

void TXFrame::DropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

// The mark follows the focus as it stands: a focus gained twice over (given back with the window while a
// message shown on the way was open, then given as asked) must not leave a mark behind.
void TXFrame::FocusGained()
{
    TCustomControl::FocusGained();
    FFocusRectShown = true;
    Repaint();
}

void TXFrame::FocusLost()
{
    TCustomControl::FocusLost();
    FFocusRectShown = false;
    Repaint();
}

// ---- Printing ----

void TVCLControlPrinter::Print(IPage *, const TRect &, bool &Done)
{
    Done = true;
}

std::vector<TVCLControlPrinterClass> &ControlPrinterRegistry()
{
    static std::vector<TVCLControlPrinterClass> registry;
    return registry;
}

void RegisterControlPrinter(const TVCLControlPrinterClass &AClass)
{
    ControlPrinterRegistry().push_back(AClass);
}

int ClassDistance(const TVCLControlPrinterClass &PrinterClass, const QMetaObject *ControlClass)
{
    const QMetaObject *k = PrinterClass.ControlClass ? PrinterClass.ControlClass(ControlClass) : nullptr;
    if (!k)
        return -1;
    int d = 0;
    for (const QMetaObject *c = ControlClass; c; c = c->superClass(), ++d)
        if (c == k)
            return d;
    return -1;
}

int FindControlPrinterClass(TControl *AControl, TVCLControlPrinterClass &AClass)
{
    int result = -1;
    const std::vector<TVCLControlPrinterClass> &registry = ControlPrinterRegistry();
    for (auto it = registry.rbegin(); it != registry.rend(); ++it) {
        const int d = ClassDistance(*it, AControl->metaObject());
        if (d >= 0 && (result < 0 || d < result)) {
            AClass = *it;
            result = d;
            if (d == 0)
                break;
        }
    }
    return result;
}

TRect PlaceAnchoredRect(THorzAnchor HA, TVertAnchor VA, int HIdent, int VIdent, int W, int H, const TRect &ARect)
{
    if (HA == haNone && VA == vaNone)
        return ARect;
    const int x0 = RoundEven((1 - AnchorA[HA]) * ARect.Left + AnchorA[HA] * ARect.Right + HIdent * AnchorB[HA]);
    const int y0 = RoundEven((1 - AnchorA[VA]) * ARect.Top + AnchorA[VA] * ARect.Bottom + VIdent * AnchorB[VA]);
    const int x = RoundEven(x0 - W * AnchorA[HA]);
    const int y = RoundEven(y0 - H * AnchorA[VA]);
    return {x, y, x + W, y + H};
}

namespace
{

// The children of a box in layout order: boxes first, then by alignment rank, then by tab key.
std::vector<TControl *> PrintOrder(TWinControl *box)
{
    struct TEntry {
        TControl *Control;
        bool IsBox;
        int Rank;
        int TabKey;
    };
    std::vector<TEntry> list;
    list.reserve(size_t(box->ControlCount()));
    for (int i = 0; i < box->ControlCount(); ++i) {
        TControl *c = box->Controls(i);
        auto *b = qobject_cast<TXFrame *>(c);
        list.push_back({c, b != nullptr, AlignRank(b ? b->Align() : alNone), b ? b->TabOrder() : 1000});
    }
    std::stable_sort(list.begin(), list.end(), [](const TEntry &a, const TEntry &b) {
        if (a.IsBox != b.IsBox)
            return a.IsBox;
        if (a.Rank != b.Rank)
            return a.Rank < b.Rank;
        return a.TabKey < b.TabKey;
    });
    std::vector<TControl *> result;
    result.reserve(list.size());
    for (const TEntry &e : list)
        result.push_back(e.Control);
    return result;
}

IPrintable *AsPrintable(TControl *c)
{
    return dynamic_cast<IPrintable *>(c);
}

bool TakesPart(IPrintable *p)
{
    return p->IsPrinting() || !p->IsBody();
}

} // namespace

void TXFrame::PrintInit(const TMapUnit &AUnit)
{
    FPrintUnit = AUnit;
    FPrinting = true;
    // A printer left from an earlier run that stopped before its content was done would continue from
    // where it stopped; every run prints its content from the start.
    FContentPrinter.reset();
    if (OnPrintInit)
        OnPrintInit(this, FPrinting);
    if (!FPrinting)
        return;
    for (int i = 0; i < ControlCount(); ++i)
        if (IPrintable *p = AsPrintable(Controls(i)))
            p->PrintInit(AUnit);
}

void TXFrame::GetPrintSize(int &W, int &H, const TRect &)
{
    W = ConvertMapUnits(FHorzSize, FMapUnit, FPrintUnit);
    H = ConvertMapUnits(FVertSize, FMapUnit, FPrintUnit);
}

void TXFrame::PrintArrange(TRect &ARect)
{
    const int hi = ConvertMapUnits(FHorzIdent, FMapUnit, FPrintUnit);
    const int vi = ConvertMapUnits(FVertIdent, FMapUnit, FPrintUnit);
    int w = 0, h = 0;
    GetPrintSize(w, h, ARect);
    FPrintRoom = ARect;
    TRect r = ARect;
    switch (Align()) {
    case alTop:
        r.Bottom = r.Top + h;
        ARect.Top = r.Bottom;
        break;
    case alBottom:
        r.Top = r.Bottom - h;
        ARect.Bottom = r.Top;
        break;
    case alLeft:
        r.Right = r.Left + w;
        ARect.Left = r.Right;
        break;
    case alRight:
        r.Left = r.Right - w;
        ARect.Right = r.Left;
        break;
    case alClient:
        ARect = TRect{0, 0, 0, 0};
        break;
    default:
        break;
    }
    FPrintRect = r;
    if (Align() == alNone) {
        if (OnAdjustPrintRect)
            FPrintRect = OnAdjustPrintRect(this, ARect);
        else
            FPrintRect = PlaceAnchoredRect(FHorzAnchor, FVertAnchor, hi, vi, w, h, ARect);
    }
}

bool TXFrame::IsBody()
{
    if (FHeaderFooter)
        return false;
    if (auto *parent = qobject_cast<TXFrame *>(Parent()))
        return parent->IsBody();
    return true;
}

void TXFrame::Print(IPage *APage)
{
    TCanvas *canvas = APage->Canvas();
    if (FSheme && FSheme->PrintColor()) {
        canvas->Brush().Color = GetColor();
        canvas->Brush().Style = bsSolid;
        canvas->FillRect(FPrintRect);
    }
    if (FPrintBorders)
        DrawFrameBorders(canvas, FPrintRect, FBorders);
    const std::vector<TControl *> children = PrintOrder(this);
    // A box that goes on to further pages keeps for the next page the rows stacked from its top that no
    // longer fit in the room it was given, and every row after them: they would print over the footer
    // or off the sheet. The first row that prints on a page is always placed, so a row taller than a
    // whole page still prints, and every page moves the box on.
    std::vector<IPrintable *> waiting;
    bool placed = false;
    for (TControl *c : children) {
        IPrintable *p = AsPrintable(c);
        if (!p || !TakesPart(p))
            continue;
        auto *row = qobject_cast<TXFrame *>(c);
        if (FForceNewPage && row && row->Align() == alTop && row->IsBody() && row->PrintsSomething()) {
            int w = 0, h = 0;
            row->GetPrintSize(w, h, FPrintRect);
            if (!waiting.empty() || (placed && FPrintRect.Top + h > std::min(FPrintRect.Bottom, FPrintRoom.Bottom))) {
                waiting.push_back(p);
                continue;
            }
            placed = true;
        }
        p->PrintArrange(FPrintRect);
    }
    const auto printsHere = [&](IPrintable *p) {
        return TakesPart(p) && std::find(waiting.begin(), waiting.end(), p) == waiting.end();
    };
    bool done = true;
    PrintContent(APage, FPrintRect, done);
    done = done && waiting.empty();
    for (TControl *c : children) {
        if (IPrintable *p = AsPrintable(c); p && printsHere(p)) {
            p->Print(APage);
            done = done && !p->IsPrinting();
        }
    }
    FPrinting = !done && FForceNewPage;
}

bool TXFrame::PrintsSomething()
{
    if ((FSheme && FSheme->PrintColor()) || (FPrintBorders && FBorders) || OnPrint)
        return true;
    if (FPrintContent && ((FPrintExtraHint && !FExtraHint.isEmpty()) || (FContentControl && FContentControl != this) ||
                          !Caption().isEmpty()))
        return true;
    for (int i = 0; i < ControlCount(); ++i) {
        IPrintable *p = AsPrintable(Controls(i));
        if (!p || !TakesPart(p))
            continue;
        auto *box = qobject_cast<TXFrame *>(Controls(i));
        if (!box || box->PrintsSomething())
            return true;
    }
    return false;
}

void TXFrame::PrintContent(IPage *APage, const TRect &ARect, bool &Done)
{
    TRect r = ARect;
    Done = true;
    if (OnPrint)
        OnPrint(this, APage, r);
    if (!FPrintContent)
        return;
    TCanvas *canvas = APage->Canvas();
    if (!FExtraHint.isEmpty()) {
        QString s = FExtraHint;
        s.replace(u'|', QStringLiteral("\r\n"));
        canvas->Brush().Style = bsClear;
        SetHintFont(canvas, FPrintUnit);
        TRect hr = r;
        canvas->DrawText(s, hr, DT_CALCRECT | DT_NOPREFIX | DT_EDITCONTROL);
        if (FPrintExtraHint)
            canvas->DrawText(s, hr, DT_NOPREFIX | DT_EDITCONTROL);
        r.Left = hr.Right;
    }
    canvas->Brush().Style = bsClear;
    AssignBoxFont(canvas->Font(), GetFont(), GetFont()->Height(), FPrintUnit);
    if (!FContentControl)
        FContentControl = this;
    if (!FContentPrinter) {
        TVCLControlPrinterClass c;
        if (FindControlPrinterClass(FContentControl, c) >= 0)
            FContentPrinter = c.Create(this);
    }
    if (FContentPrinter) {
        FContentPrinter->Print(APage, r, Done);
        if (FContentControl == this)
            Done = true;
        if (Done)
            FContentPrinter.reset();
    }
}
