#include "XVCLPrinters.h"

#include "vcl/ComCtrls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/StdCtrls.h"

#include <QMetaProperty>

void InitXVCLPrinters()
{
    static const bool registered = [] {
        RegisterControlPrinter(PrinterClassOf<TLabelPrinter>("TLabelPrinter"));
        RegisterControlPrinter(PrinterClassOf<TWinControlPrinter>("TWinControlPrinter"));
        RegisterControlPrinter(PrinterClassOf<TXFramePrinter>("TXFramePrinter"));
        RegisterControlPrinter(PrinterClassOf<TGraphicPrinter>("TGraphicPrinter"));
        RegisterControlPrinter(PrinterClassOf<TPageControlPrinter>("TPageControlPrinter"));
        return true;
    }();
    (void)registered;
}

namespace
{
const QMetaObject *IfInherits(const QMetaObject *AClass, const QMetaObject &handled)
{
    return AClass && AClass->inherits(&handled) ? &handled : nullptr;
}
} // namespace

// ---- TTextPrinter ----

TControl *TTextPrinter::Content() const
{
    return Frame->ContentControl() ? Frame->ContentControl() : Frame;
}

TFont *TTextPrinter::GetFont()
{
    TControl *content = Content();
    const int index = content->metaObject()->indexOfProperty("Font");
    if (index < 0)
        throw Exception(QStringLiteral("Property Font does not exist"));
    TFont *font = content->metaObject()->property(index).read(content).value<TFont *>();
    return font ? font : Frame->GetFont();
}

unsigned TTextPrinter::TextFlags() const
{
    return TextDrawFlags(FAlignment, FLayout, FWordWrap);
}

void TTextPrinter::Print(IPage *APage, const TRect &ARect, bool &Done)
{
    Done = true;
    TRect r = ARect;
    InflateRect(r, -5, -5);
    if (FCursor < 0)
        FCursor = 0;
    if (FCursor >= FText.size())
        return;
    TFont *font = GetFont();
    TCanvas *canvas = APage->Canvas();
    canvas->Brush().Style = bsClear;
    canvas->Font()->Assign(font);
    const int h = ConvertMapUnits(font->Height(), MapingUnits[mpScreenMaping], Frame->PrintUnit());
    canvas->Font()->SetHeight(std::abs(h));
    int drawn = 0;
    canvas->DrawText(FText.mid(FCursor), r, TextFlags(), &drawn);
    if (drawn <= 0) {
        // Not one line fits the box: it never will on a later page either (the box has the same size on
        // every page), so the rest is given up rather than asking for pages without end.
        FCursor = int(FText.size());
        return;
    }
    FCursor += drawn;
    Done = FCursor >= FText.size();
}

// ---- TLabelPrinter ----

const QMetaObject *TLabelPrinter::ControlClass(const QMetaObject *AClass)
{
    return IfInherits(AClass, TLabel::staticMetaObject);
}

void TLabelPrinter::Print(IPage *APage, const TRect &ARect, bool &Done)
{
    if (FCursor < 0) {
        if (auto *label = qobject_cast<TLabel *>(Content())) {
            FText = label->Caption();
            FAlignment = label->Alignment();
            FLayout = label->Layout();
            FWordWrap = label->WordWrap();
        }
    }
    TTextPrinter::Print(APage, ARect, Done);
}

// ---- TWinControlPrinter ----

const QMetaObject *TWinControlPrinter::ControlClass(const QMetaObject *AClass)
{
    return IfInherits(AClass, TWinControl::staticMetaObject);
}

void TWinControlPrinter::Print(IPage *APage, const TRect &ARect, bool &Done)
{
    if (FCursor < 0) {
        FText = Content()->GetText();
        FAlignment = Frame->Alignment();
        FLayout = Frame->Layout();
        FWordWrap = Frame->WordWrap();
    }
    TTextPrinter::Print(APage, ARect, Done);
}

// ---- TXFramePrinter ----

const QMetaObject *TXFramePrinter::ControlClass(const QMetaObject *AClass)
{
    return IfInherits(AClass, TXFrame::staticMetaObject);
}

void TXFramePrinter::Print(IPage *APage, const TRect &ARect, bool &Done)
{
    if (FCursor < 0) {
        if (auto *box = qobject_cast<TXFrame *>(Content())) {
            FText = box->GetDisplayText();
            FAlignment = box->Alignment();
            FLayout = box->Layout();
            FWordWrap = box->WordWrap();
        }
    }
    TTextPrinter::Print(APage, ARect, Done);
}

// ---- TGraphicPrinter ----

const QMetaObject *TGraphicPrinter::ControlClass(const QMetaObject *AClass)
{
    return IfInherits(AClass, TImage::staticMetaObject);
}

void TGraphicPrinter::Print(IPage *APage, const TRect &ARect, bool &Done)
{
    Done = true;
    if (auto *image = qobject_cast<TImage *>(Frame->ContentControl()))
        APage->Canvas()->StretchDraw(ARect, image->Picture()->Graphic());
}

// ---- TPageControlPrinter ----

TPageControlPrinter::TPageControlPrinter(TXFrame *AFrame)
    : TVCLControlPrinter(AFrame), FPageControl(qobject_cast<TPageControl *>(AFrame->ContentControl()))
{
}

const QMetaObject *TPageControlPrinter::ControlClass(const QMetaObject *AClass)
{
    return IfInherits(AClass, TPageControl::staticMetaObject);
}

TXFrame *TPageControlPrinter::FindSheetFrame(TWinControl *C)
{
    if (!C || C->ControlCount() != 1)
        return nullptr;
    TControl *child = C->Controls(0);
    if (auto *box = qobject_cast<TXFrame *>(child))
        return box;
    if (auto *w = qobject_cast<TWinControl *>(child))
        return FindSheetFrame(w);
    return nullptr;
}

bool TPageControlPrinter::PrintSheet(TTabSheet *Sheet, bool StartNew, IPage *APage, const TRect &ARect, bool &Done)
{
    TXFrame *f = FindSheetFrame(Sheet);
    if (!f) {
        FCurrentSheet = nullptr;
        return false;
    }
    if (StartNew)
        f->PrintInit(Frame->PrintUnit());
    TRect r = ARect;
    f->PrintArrange(r);
    f->Print(APage);
    Done = !f->IsPrinting();
    return true;
}

void TPageControlPrinter::Print(IPage *APage, const TRect &ARect, bool &Done)
{
    Done = true;
    if (!FPageControl)
        return;
    const bool startNew = FCurrentSheet == nullptr;
    for (;;) {
        if (!FCurrentSheet) {
            ++FSheetIndex;
            FCurrentSheet = FSheetIndex < FPageControl->PageCount() ? FPageControl->Pages(FSheetIndex) : nullptr;
        }
        if (!FCurrentSheet)
            break;
        if (PrintSheet(FCurrentSheet, startNew, APage, ARect, Done))
            break;
    }
    if (!Done)
        return;
    if (!FCurrentSheet) {
        Done = true;
    } else {
        // Only a later sheet that has a box to print asks for a further page; sheets without one would
        // cost an empty page.
        bool more = false;
        for (int i = FSheetIndex + 1; i < FPageControl->PageCount() && !more; ++i)
            more = FindSheetFrame(FPageControl->Pages(i)) != nullptr;
        Done = !more;
    }
    FCurrentSheet = nullptr;
}
