#include "XDocPreview.h"

#include "XPrinters.h"
#include "vcl/ExtCtrls.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace
{

// The height of the arrow of a vertical scroll bar and the width of the arrow of a horizontal one: the
// scroll-bar extent on this platform.
int ScrollArrowSize()
{
    return GetSystemMetrics(SM_CXVSCROLL);
}

// The screen's width in pixels and in whole millimetres (96 dots per inch when the screen does not say).
void ScreenSize(int &pixels, int &millimetres)
{
    const QScreen *s = QGuiApplication::primaryScreen();
    pixels = s ? s->geometry().width() : 1024;
    millimetres = s ? int(s->physicalSize().width()) : 0;
    if (millimetres <= 0)
        millimetres = MulDiv(pixels, 254, 960);
}

} // namespace

TXDocPreview::TXDocPreview(TComponent *AOwner) : TScrollBox(AOwner)
{
    FImage = new TImage(nullptr);
    FImage->SetParent(this);
    FImage->SetStretch(true);
    FImage->SetVisible(false);
    OnClick = [this](TObject *Sender) { FocusSelf(Sender); };
    FImage->OnClick = [this](TObject *Sender) { FocusSelf(Sender); };
    SetTabStop(true);
}

TXDocPreview::~TXDocPreview()
{
    delete FImage;
    FImage = nullptr;
}

void TXDocPreview::FocusSelf(TObject *)
{
    if (CanFocus())
        SetFocus();
}

void TXDocPreview::SetPageIndex(int V)
{
    if (V == FPageIndex)
        return;
    FPageIndex = V >= 1 && FDocPrinter && V <= FDocPrinter->PageCount() ? V : 0;
    UpdatePage();
}

void TXDocPreview::SetDocPrinter(TEMFPrinter *D)
{
    FDocPrinter = D;
    FPageIndex = D && D->PageCount() >= 1 ? 1 : 0;
    UpdatePage();
}

void TXDocPreview::SetStyle(TDocPreviewStyle V)
{
    FStyle = V;
    UpdatePage();
}

void TXDocPreview::Resize()
{
    TScrollBox::Resize();
    UpdatePage();
}

bool TXDocPreview::VertBarShowing()
{
    return HandleAllocated() && !ScrollArea()->verticalScrollBar()->isHidden();
}

int TXDocPreview::ClientW()
{
    return HandleAllocated() ? ScrollArea()->viewport()->width() : Width();
}

int TXDocPreview::ClientH()
{
    return HandleAllocated() ? ScrollArea()->viewport()->height() : Height();
}

bool TXDocPreview::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TScrollBox::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    if (!VertBarShowing())
        return false;
    QScrollBar *bar = ScrollArea()->verticalScrollBar();
    // The bar keeps the last wheel's step, so its arrows scroll by it too.
    bar->setSingleStep(std::abs(WheelDelta));
    if (WheelDelta > 0)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (WheelDelta < 0)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    return true;
}

void TXDocPreview::UpdatePage()
{
    if (FUpdating || !FImage)
        return;
    FImage->SetVisible(FPageIndex >= 1);
    if (FPageIndex < 1 || !FDocPrinter)
        return;
    FUpdating = true;
    TScopeExit restore([this] { FUpdating = false; });
    auto *page = static_cast<TEMFPage *>(FDocPrinter->Pages(FPageIndex - 1));
    page->LoadInto(FImage->Picture());
    TGraphic *g = FImage->Picture()->Graphic();
    const int gw = std::max(1, g->Width()), gh = std::max(1, g->Height());
    // The page is placed in the whole area and given the room of the scroll bars it will need, not of
    // those that show now: they may still be the previous page's or zoom's, about to go or come.
    const int cw = Width(), ch = Height(), bar = ScrollArrowSize();
    int w = 0, h = 0, x = 0;
    switch (FStyle) {
    case psFitToWindow:
        h = ch - bar;
        w = MulDiv(gw, h, gh);
        if (cw < w) {
            w = cw - bar;
            h = MulDiv(gh, w, gw);
        }
        break;
    case psPageWidth:
        w = cw;
        if (MulDiv(gh, w, gw) > ch)
            w = cw - bar;
        h = MulDiv(gh, w, gw);
        break;
    case psActualSize: {
        int pixels = 0, millimetres = 0;
        ScreenSize(pixels, millimetres);
        w = MulDiv(page->LogicalWidth(), pixels, millimetres * 10);
        h = MulDiv(gh, w, gw);
        break;
    }
    }
    // The view the page shares with the bars it needs: centred in it, at the left edge at page width.
    bool down = h > ch;
    const bool across = w > cw - (down ? bar : 0);
    down = down || (across && h > ch - bar);
    const int viewW = cw - (down ? bar : 0), viewH = ch - (across ? bar : 0);
    if (FStyle != psPageWidth)
        x = std::max(0, (viewW - w) / 2);
    if (HandleAllocated()) {
        ScrollArea()->horizontalScrollBar()->setValue(0);
        ScrollArea()->verticalScrollBar()->setValue(0);
    }
    const int y = std::max(0, (viewH - h) / 2);
    FImage->SetBounds(x, y, w, h);
    ScrollInView(FImage);
}
