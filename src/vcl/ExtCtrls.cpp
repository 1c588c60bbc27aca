#include "ExtCtrls.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// ---- TPanel ----

TPanel::TPanel(TComponent *AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelInner(TBevelCut v)
{
    FBevelInner = v;
    Realign();
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut v)
{
    FBevelOuter = v;
    Realign();
    Invalidate();
}

void TPanel::SetBevelWidth(int v)
{
    FBevelWidth = std::max(1, v);
    Realign();
    Invalidate();
}

void TPanel::SetBorderWidth(int v)
{
    FBorderWidth = std::max(0, v);
    Realign();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment v)
{
    FAlignment = v;
    Invalidate();
}

int TPanel::BevelExtent() const
{
    return FBorderWidth + (FBevelOuter != bvNone ? FBevelWidth : 0) + (FBevelInner != bvNone ? FBevelWidth : 0);
}

TRect TPanel::GetClientRect()
{
    TRect r{0, 0, Width(), Height()};
    const int e = BevelExtent();
    InflateRect(r, -e, -e);
    return r;
}

void TPanel::Paint()
{
    TCanvas *c = Canvas();
    TRect r{0, 0, Width(), Height()};
    c->Brush().Color = GetColor();
    c->FillRect(r);
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone)
            return;
        const TColor light = clWhite, dark = clGray;
        for (int i = 0; i < FBevelWidth; ++i) {
            if (cut != bvSpace) {
                c->Pen().Color = cut == bvRaised ? light : dark;
                c->MoveTo(r.Left, r.Bottom - 1);
                c->LineTo(r.Left, r.Top);
                c->LineTo(r.Right - 1, r.Top);
                c->Pen().Color = cut == bvRaised ? dark : light;
                c->LineTo(r.Right - 1, r.Bottom - 1);
                c->LineTo(r.Left - 1, r.Bottom - 1);
            }
            InflateRect(r, -1, -1);
        }
    };
    bevel(FBevelOuter);
    InflateRect(r, -FBorderWidth, -FBorderWidth);
    bevel(FBevelInner);
    if (!Caption().isEmpty()) {
        c->Brush().Style = bsClear;
        const unsigned align = FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT;
        c->DrawText(Caption(), r, align | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
    }
}

// ---- pictures ----

TVectorGraphic::TVectorGraphic() = default;

TVectorGraphic::~TVectorGraphic() = default;

bool TVectorGraphic::LoadFromData(const QByteArray &data)
{
    auto svg = std::make_unique<QSvgRenderer>(data);
    if (!svg->isValid())
        return false;
    FSvg = std::move(svg);
    FHasPicture = false;
    return true;
}

bool TVectorGraphic::LoadFromFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return LoadFromData(f.readAll());
}

void TVectorGraphic::SetPicture(const QPicture &picture)
{
    FPicture = picture;
    FHasPicture = true;
    FSvg.reset();
}

void TVectorGraphic::Draw(QPainter &painter, const QRectF &rect)
{
    if (FSvg) {
        FSvg->setAspectRatioMode(Qt::IgnoreAspectRatio);
        FSvg->render(&painter, rect);
    } else if (FHasPicture && !FPicture.boundingRect().isEmpty()) {
        const QRect b = FPicture.boundingRect();
        painter.save();
        painter.translate(rect.topLeft());
        painter.scale(rect.width() / b.width(), rect.height() / b.height());
        painter.translate(-b.topLeft());
        painter.drawPicture(0, 0, FPicture);
        painter.restore();
    }
}

bool TVectorGraphic::Empty() const
{
    return !FSvg && !FHasPicture;
}

int TVectorGraphic::Width() const
{
    return FSvg ? FSvg->defaultSize().width() : FHasPicture ? FPicture.boundingRect().width() : 0;
}

int TVectorGraphic::Height() const
{
    return FSvg ? FSvg->defaultSize().height() : FHasPicture ? FPicture.boundingRect().height() : 0;
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> g)
{
    FGraphic = std::move(g);
    if (OnChange)
        OnChange();
}

bool TPicture::LoadFromFile(const QString &fileName)
{
    auto g = std::make_unique<TVectorGraphic>();
    if (!g->LoadFromFile(fileName))
        return false;
    SetGraphic(std::move(g));
    return true;
}

TImage::TImage(TComponent *AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 105, 105);
    FPicture.OnChange = [this] { Invalidate(); };
}

void TImage::SetStretch(bool v)
{
    FStretch = v;
    Invalidate();
}

void TImage::Paint()
{
    TGraphic *g = FPicture.Graphic();
    if (!g || g->Empty())
        return;
    if (FStretch)
        Canvas()->StretchDraw({0, 0, Width(), Height()}, g);
    else
        Canvas()->StretchDraw({0, 0, g->Width(), g->Height()}, g);
}
