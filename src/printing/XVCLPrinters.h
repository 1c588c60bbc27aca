// The printers that draw a box's content: text continuing across pages (labels, windowed controls,
// boxes), pictures, and tabbed page controls whose sheets each start on a new page.
#pragma once

#include "XForms/XForms.h"

class TPageControl;
class TTabSheet;

// Registers the content printers, in the order labels, windowed controls, boxes, pictures, tabbed page
// controls. Runs once however often it is called; start-up calls it before anything prints.
void InitXVCLPrinters();

// Text drawn from where the previous page stopped; not registered itself.
class TTextPrinter : public TVCLControlPrinter
{
public:
    using TVCLControlPrinter::TVCLControlPrinter;
    void Print(IPage *APage, const TRect &ARect, bool &Done) override;

    QString Text() const { return FText; }
    void SetText(const QString &v) { FText = v; }
    // Index of the first character not yet drawn; -1 before the first page.
    int Cursor() const { return FCursor; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v) { FAlignment = v; }
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout v) { FLayout = v; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v) { FWordWrap = v; }

protected:
    // The content's published Font, or the box's when the content has none set.
    TFont *GetFont();
    // The flags of the text routine for the alignment, layout and wrapping.
    unsigned TextFlags() const;
    TControl *Content() const;

    QString FText;
    int FCursor = -1;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
};

class TLabelPrinter : public TTextPrinter
{
public:
    using TTextPrinter::TTextPrinter;
    static const QMetaObject *ControlClass(const QMetaObject *AClass);
    void Print(IPage *APage, const TRect &ARect, bool &Done) override;
};

class TWinControlPrinter : public TTextPrinter
{
public:
    using TTextPrinter::TTextPrinter;
    static const QMetaObject *ControlClass(const QMetaObject *AClass);
    void Print(IPage *APage, const TRect &ARect, bool &Done) override;
};

class TXFramePrinter : public TTextPrinter
{
public:
    using TTextPrinter::TTextPrinter;
    static const QMetaObject *ControlClass(const QMetaObject *AClass);
    void Print(IPage *APage, const TRect &ARect, bool &Done) override;
};

class TGraphicPrinter : public TVCLControlPrinter
{
public:
    using TVCLControlPrinter::TVCLControlPrinter;
    static const QMetaObject *ControlClass(const QMetaObject *AClass);
    void Print(IPage *APage, const TRect &ARect, bool &Done) override;
};

class TPageControlPrinter : public TVCLControlPrinter
{
public:
    explicit TPageControlPrinter(TXFrame *AFrame);
    static const QMetaObject *ControlClass(const QMetaObject *AClass);
    void Print(IPage *APage, const TRect &ARect, bool &Done) override;
    // The box a sheet prints: its only child when that is a box, or the box found the same way inside
    // its only windowed child; none otherwise.
    static TXFrame *FindSheetFrame(TWinControl *C);

    TPageControl *PageControl() const { return FPageControl; }
    int SheetIndex() const { return FSheetIndex; }
    TTabSheet *CurrentSheet() const { return FCurrentSheet; }

private:
    bool PrintSheet(TTabSheet *Sheet, bool StartNew, IPage *APage, const TRect &ARect, bool &Done);

    TPageControl *FPageControl;
    int FSheetIndex = -1;
    TTabSheet *FCurrentSheet = nullptr;
};
