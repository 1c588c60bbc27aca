#include "app/NameRoller.h"

#include "vcl/Forms.h"

#include <QPainter>
#include <QTimerEvent>

#include <cmath>

namespace
{
constexpr int TimerInterval = 50; // ms
constexpr float Step = 0.12f;     // lines per timer step
} // namespace

TNameRoller::TNameRoller(TComponent *AOwner) : TCustomControl(AOwner), FItems(std::make_unique<TStringList>())
{
    SetBounds(0, 0, 185, 105);
}

TNameRoller::~TNameRoller()
{
    if (FTimerId)
        killTimer(FTimerId);
}

void TNameRoller::SetItems(TStrings *Value)
{
    FItems->Assign(Value);
}

void TNameRoller::SetItemIndex(int Value)
{
    if (Value == FItemIndex)
        return;
    FItemIndex = Value;
    Invalidate();
}

void TNameRoller::SetFocusedSize(int Value)
{
    FFocusedSize = Value;
    Repaint();
}

void TNameRoller::SetScroll(bool Value)
{
    if (Value == FScroll)
        return;
    FScroll = Value;
    FPosition = 0;
    if (Value) {
        FTimerId = startTimer(TimerInterval);
    } else if (FTimerId) {
        killTimer(FTimerId);
        FTimerId = 0;
    }
}

void TNameRoller::timerEvent(QTimerEvent *)
{
    GuardEvent([this] { WMTimer(); });
}

void TNameRoller::WMTimer()
{
    Tick();
}

void TNameRoller::Tick()
{
    FPosition += Step;
    DrawDrum(FPosition);
    ShowBitmap();
    if (float(FItems->Count()) < FPosition)
        FPosition = 0;
    Application()->ProcessMessages();
}

void TNameRoller::ShowBitmap()
{
    // The step's frame goes to the screen as it is; Paint would compose the drum at rest instead.
    FShowingStep = true;
    Repaint();
    FShowingStep = false;
}

void TNameRoller::Resize()
{
    TCustomControl::Resize();
    SizeBitmap();
}

void TNameRoller::SizeBitmap()
{
    if (FBitmap.width() != Width() || FBitmap.height() != Height())
        FBitmap = Width() > 0 && Height() > 0 ? QImage(Width(), Height(), QImage::Format_RGB32) : QImage();
}

void TNameRoller::Paint()
{
    if (!FShowingStep) {
        SizeBitmap();
        DrawDrum(FItemIndex);
    }
    if (!FBitmap.isNull())
        Canvas()->Painter()->drawImage(0, 0, FBitmap);
}

void TNameRoller::LineMetrics(double d, int &Size, int &Offset) const
{
    Size = int(RoundHalfEven(std::pow(0.8L, std::fabs(d)) * FFocusedSize));
    Offset = int(RoundHalfEven((Size - FFocusedSize) * 1.4L / std::log(0.8L)));
    if (d < 0)
        Offset = -Offset;
}

TColor TNameRoller::FadeColor(TColor Color, double Ratio)
{
    // System colours stand for the palette's value; fading their code would give an unrelated colour.
    const int rgb = ColorToRGB(Color);
    auto fade = [Ratio](int byte) { return int(RoundHalfEven(byte * (long double)Ratio)) & 0xFF; };
    return RGB(fade(rgb & 0xFF), fade((rgb >> 8) & 0xFF), fade((rgb >> 16) & 0xFF));
}

void TNameRoller::DrawDrum(double P)
{
    SizeBitmap();
    if (FBitmap.isNull())
        return;
    QPainter painter(&FBitmap);
    FBitmapCanvas.SetPainter(&painter);
    FBitmapCanvas.Brush().Style = bsSolid;
    FBitmapCanvas.Brush().Color = GetColor();
    FBitmapCanvas.FillRect(ClientRect());
    FBitmapCanvas.Brush().Style = bsClear;
    FBitmapCanvas.Font()->Assign(GetFont());
    // Without a front size there is no drum to draw (and no ratio to fade the colours by).
    if (FFocusedSize >= 1) {
        const int b = int(std::trunc(P));
        const int centre = ClientHeight() / 2;
        auto draw = [&](int line) {
            int size, offset;
            LineMetrics(line - P, size, offset);
            DrawLine(line, size, centre + offset);
            return size;
        };
        for (int k = 0;; ++k) {
            if (k > 0)
                draw(b + k);
            if (draw(b - k) < 2)
                break;
        }
    }
    FBitmapCanvas.SetPainter(nullptr);
}

void TNameRoller::DrawLine(int Index, int Size, int Y)
{
    if (FItems->Count() == 0)
        return;
    const int i = Index % FItems->Count();
    if (i < 0)
        return;
    TRect band{0, Y - Size, ClientWidth(), Y + Size};
    FBitmapCanvas.Font()->SetSize(Size);
    FBitmapCanvas.Font()->SetColor(FadeColor(GetFont()->Color(), double(Size) / FFocusedSize));
    FBitmapCanvas.DrawText(FItems->Get(i), band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
