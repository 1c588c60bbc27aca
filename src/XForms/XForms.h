// The form box (TXFrame) of which every paper-form window is a tree, the look scheme shared by groups of
// boxes (TXFrameSheme), the change notifier (TXFrameNotifier), and the named measurement units.
#pragma once

#include "XDocClass.h"
#include "vcl/Controls.h"

#include <vector>

namespace XForms
{
Q_NAMESPACE
enum TMapingKind {
    mpScreenMaping,
    mpLoMetricMaping,
    mpHiMetricMaping,
    mpLoEnglishMaping,
    mpHiEnglishMaping,
    mpTwipMaping
};
Q_ENUM_NS(TMapingKind)
// The sides of a box that get a border line (a set, one bit per side in the order left, top, right, bottom).
enum TXFrameBorderStyles { rsLeft = 0x1, rsTop = 0x2, rsRight = 0x4, rsBottom = 0x8 };
Q_DECLARE_FLAGS(TXFrameBorderStyle, TXFrameBorderStyles)
Q_FLAG_NS(TXFrameBorderStyle)
enum THorzAnchor { haLeft, haCenter, haRight, haNone };
Q_ENUM_NS(THorzAnchor)
enum TVertAnchor { vaTop, vaCenter, vaBottom, vaNone };
Q_ENUM_NS(TVertAnchor)
} // namespace XForms
Q_DECLARE_OPERATORS_FOR_FLAGS(XForms::TXFrameBorderStyle)
using namespace XForms;

// A side of a rectangle, rsNone included (the border set uses only the four sides).
enum class TRectSide { rsLeft, rsTop, rsRight, rsBottom, rsNone };

// The units a box can choose, indexed by TMapingKind: the screen (96 dots per inch, whatever the real
// screen), 0.1 mm, 0.01 mm, 0.01 inch, 0.001 inch and twips.
extern const TMapUnit MapingUnits[6];

// Sets the font's height for a device unit: -MulDiv(Points, dpi, 72). Raises "Invalid maping font" for a
// unit that is not a device unit.
void SetFontHeightForUnit(TFont *Font, int Points, const TMapUnit &AUnit);
// A box's font as a device draws it: Target takes every attribute of Font and ScreenHeight (the font's height
// in screen pixels) brought to the device unit as the height of the character cell, on screen and on paper
// alike, so that a text takes the same room in its box on the screen as on paper.
void AssignBoxFont(TFont *Target, TFont *Font, int ScreenHeight, const TMapUnit &AUnit);
// The text-drawing flags of a box's value text, on screen and on paper alike.
unsigned TextDrawFlags(TAlignment Alignment, TTextLayout Layout, bool WordWrap);

// Byte-wise blend of two colour values as stored: Round(a * F + (1 - F) * b), halves to even.
TColor BlendColors(TColor A, TColor B, float F);
// Border lines of a box with the canvas's pen, in the order left, right, top, bottom.
void DrawFrameBorders(TCanvas *Canvas, const TRect &R, TXFrameBorderStyle Borders);

class TXFrame;
class TXFrameSheme;
class TXFrameNotifier;

using TXFrameNotifyEvent = TEvent<void(TObject *Sender, TXFrame *AFrameChanged)>;
using TXFrameGetPrintTextEvent = TEvent<void(TObject *Sender, QString &Text)>;
using TXFramePrintInitEvent = TEvent<void(TObject *Sender, bool &Print)>;
using TXFramePrintEvent = TEvent<void(TObject *Sender, IPage *APage, const TRect &ARect)>;
using TXFrameAdjustPrintRectEvent = TEvent<TRect(TObject *Sender, TRect &ABoundsRect)>;

// The print interface of boxes. Every caller prints a box tree with the same page loop: PrintInit on the
// root with the page unit, then per page PrintArrange with the page rectangle and Print, starting a new
// page while the root IsPrinting.
class IPrintable
{
public:
    virtual void PrintInit(const TMapUnit &AUnit) = 0;
    virtual void PrintArrange(TRect &ARect) = 0;
    virtual void Print(IPage *APage) = 0;
    virtual bool IsPrinting() = 0;
    virtual bool IsBody() = 0;

protected:
    ~IPrintable() = default;
};

// Base of the printers that draw a box's content (its own text or the one control placed in it). One
// printer object lives from the first page the content prints on until it reports Done.
class TVCLControlPrinter
{
public:
    explicit TVCLControlPrinter(TXFrame *AFrame) : Frame(AFrame) {}
    virtual ~TVCLControlPrinter() = default;
    TVCLControlPrinter(const TVCLControlPrinter &) = delete;
    TVCLControlPrinter &operator=(const TVCLControlPrinter &) = delete;

    // The control class this printer handles when AClass is it or derives from it; none for the base.
    static const QMetaObject *ControlClass(const QMetaObject *) { return nullptr; }
    // Draws as much of the content as fits in ARect; Done when nothing is left.
    virtual void Print(IPage *APage, const TRect &ARect, bool &Done);

    TXFrame *Frame; // not owned
};

// A printer class as the registry holds it: its class operation and its constructor.
struct TVCLControlPrinterClass {
    const char *Name = nullptr;
    const QMetaObject *(*ControlClass)(const QMetaObject *AClass) = nullptr;
    std::unique_ptr<TVCLControlPrinter> (*Create)(TXFrame *AFrame) = nullptr;
    bool operator==(const TVCLControlPrinterClass &o) const
    {
        return ControlClass == o.ControlClass && Create == o.Create;
    }
};

template <class T> TVCLControlPrinterClass PrinterClassOf(const char *name)
{
    return {name, &T::ControlClass,
            [](TXFrame *f) -> std::unique_ptr<TVCLControlPrinter> { return std::make_unique<T>(f); }};
}

// The process-wide registry of printer classes, in order of registration (created on first use).
std::vector<TVCLControlPrinterClass> &ControlPrinterRegistry();
// Appends a printer class; a class may be registered more than once.
void RegisterControlPrinter(const TVCLControlPrinterClass &AClass);
// The registered class whose handled control class is the nearest ancestor of AControl's class (among
// equal distances the later registered); its distance, or -1 when none matches (AClass untouched).
int FindControlPrinterClass(TControl *AControl, TVCLControlPrinterClass &AClass);
// Parent steps from ControlClass up to the class PrinterClass handles; -1 when it handles none of them.
int ClassDistance(const TVCLControlPrinterClass &PrinterClass, const QMetaObject *ControlClass);
// A W x H rectangle placed in ARect by anchors and idents (in ARect's unit); ARect when both anchors are None.
TRect PlaceAnchoredRect(THorzAnchor HA, TVertAnchor VA, int HIdent, int VIdent, int W, int H, const TRect &ARect);

// Change notification of a group of boxes: one call per change of a box's value text.
class TXFrameNotifier : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(TXFrameNotifyEvent OnChange MEMBER OnChange)
public:
    explicit TXFrameNotifier(TComponent *AOwner);
    void Changed(TXFrame *AFrame);

    TXFrameNotifyEvent OnChange;
};

// Shared font, title font, colour and print colour of a group of boxes.
class TXFrameSheme : public TComponent, public IChangeNotifier
{
    Q_OBJECT
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TFont *SecondaryFont READ SecondaryFont WRITE SetSecondaryFont)
    Q_PROPERTY(Graphics::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool PrintColor READ PrintColor WRITE SetPrintColor)
    Q_PROPERTY(TNotifyEvent OnChange MEMBER OnChange)

public:
    explicit TXFrameSheme(TComponent *AOwner);
    ~TXFrameSheme() override;

    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *v);
    TFont *SecondaryFont() const { return FSecondaryFont.get(); }
    void SetSecondaryFont(TFont *v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    bool PrintColor() const { return FPrintColor; }
    void SetPrintColor(bool v);

    void Assign(TPersistent *Source) override;
    void AddFrame(TXFrame *Box);
    void RemoveFrame(TXFrame *Box);
    const std::vector<TXFrame *> &Frames() const { return FFrames; }
    // Tells every linked box, then fires OnChange (the fonts call it after each change of theirs).
    void Changed() override;

    TNotifyEvent OnChange;

protected:
    virtual void DoChange();

private:
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TFont> FSecondaryFont;
    TColor FColor = clBlack;
    bool FPrintColor = false;
    std::vector<TXFrame *> FFrames;
};

// One box of a paper form: sizes and offsets in a measurement unit, border lines, a small title
// (ExtraHint, "|" breaks its lines), a value text, hover and group highlighting, an optional combo button.
// Boxes nest and lay out their children themselves.
class TXFrame : public TCustomControl, public IPrintable
{
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE SetWidth STORED false)
    Q_PROPERTY(int Height READ Height WRITE SetHeight STORED false)
    Q_PROPERTY(int Top READ Top WRITE SetTop STORED false)
    Q_PROPERTY(int Left READ Left WRITE SetLeft STORED false)
    Q_PROPERTY(XForms::TMapingKind Maping READ Maping WRITE SetMaping)
    Q_PROPERTY(int HorzSize READ HorzSize WRITE SetHorzSize)
    Q_PROPERTY(int VertSize READ VertSize WRITE SetVertSize)
    Q_PROPERTY(XForms::TXFrameBorderStyle Borders READ Borders WRITE SetBorders)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Controls::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(Controls::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(Controls::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Controls::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(XForms::THorzAnchor HorzAnchor READ HorzAnchor WRITE SetHorzAnchor)
    Q_PROPERTY(int HorzIdent READ HorzIdent WRITE SetHorzIdent)
    Q_PROPERTY(XForms::TVertAnchor VertAnchor READ VertAnchor WRITE SetVertAnchor)
    Q_PROPERTY(int VertIdent READ VertIdent WRITE SetVertIdent)
    Q_PROPERTY(bool HeaderFooter READ HeaderFooter WRITE SetHeaderFooter)
    Q_PROPERTY(Graphics::TColor Color READ GetColor WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(TFont *Font READ GetFont WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(QString ExtraHint READ ExtraHint WRITE SetExtraHint)
    Q_PROPERTY(bool ForceNewPage READ ForceNewPage WRITE SetForceNewPage)
    Q_PROPERTY(bool AutoBorders READ AutoBorders WRITE SetAutoBorders STORED false)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(Graphics::TColor HoverColor READ HoverColor WRITE SetHoverColor)
    Q_PROPERTY(int Group READ Group WRITE SetGroup)
    Q_PROPERTY(bool DropDownButton READ DropDownButton WRITE SetDropDownButton)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(TXFrameNotifier *Notifier READ Notifier WRITE SetNotifier)
    Q_PROPERTY(TXFrameSheme *Sheme READ Sheme WRITE SetSheme)
    Q_PROPERTY(bool PrintContent READ PrintContentEnabled WRITE SetPrintContent)
    Q_PROPERTY(bool PrintBorders READ PrintBorders WRITE SetPrintBorders)
    Q_PROPERTY(bool PrintExtraHint READ PrintExtraHint WRITE SetPrintExtraHint)
    Q_PROPERTY(TXFramePrintInitEvent OnPrintInit MEMBER OnPrintInit)
    Q_PROPERTY(TXFramePrintEvent OnPrint MEMBER OnPrint)
    Q_PROPERTY(TNotifyEvent OnChangeText MEMBER OnChangeText)
    Q_PROPERTY(TNotifyEvent OnDropDown MEMBER OnDropDown)
    Q_PROPERTY(TXFrameGetPrintTextEvent OnGetPrintText MEMBER OnGetPrintText)
    Q_PROPERTY(TXFrameAdjustPrintRectEvent OnAdjustPrintRect MEMBER OnAdjustPrintRect)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
    Q_PROPERTY(TNotifyEvent OnDblClick MEMBER OnDblClick)
    // Published by controls in general, not by a box.
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled STORED false)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint STORED false)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint STORED false)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor STORED false)
    Q_CLASSINFO("Default:Align", "alNone")
    Q_CLASSINFO("Default:Anchors", "[akLeft, akTop]")
    Q_CLASSINFO("Default:ParentColor", "True")
    Q_CLASSINFO("Default:ParentFont", "True")
    Q_CLASSINFO("Default:TabStop", "False")
    Q_CLASSINFO("Default:TabOrder", "-1")
    Q_CLASSINFO("Default:HoverColor", "clWhite")
    Q_CLASSINFO("Default:Visible", "True")
    // Colour and font are the scheme's while the box has one; only a box's own look is stored.
    Q_CLASSINFO("Stored:Color", "IsColorStored")
    Q_CLASSINFO("Stored:Font", "IsFontStored")

public:
    Q_INVOKABLE explicit TXFrame(TComponent *AOwner);
    ~TXFrame() override;

    TMapingKind Maping() const { return FMaping; }
    void SetMaping(TMapingKind v);
    int HorzSize() const { return FHorzSize; }
    void SetHorzSize(int v);
    int VertSize() const { return FVertSize; }
    void SetVertSize(int v);
    TXFrameBorderStyle Borders() const { return FBorders; }
    void SetBorders(TXFrameBorderStyle v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    THorzAnchor HorzAnchor() const { return FHorzAnchor; }
    void SetHorzAnchor(THorzAnchor v);
    int HorzIdent() const { return FHorzIdent; }
    void SetHorzIdent(int v);
    TVertAnchor VertAnchor() const { return FVertAnchor; }
    void SetVertAnchor(TVertAnchor v);
    int VertIdent() const { return FVertIdent; }
    void SetVertIdent(int v);
    bool HeaderFooter() const { return FHeaderFooter; }
    void SetHeaderFooter(bool v) { FHeaderFooter = v; }
    QString ExtraHint() const { return FExtraHint; }
    void SetExtraHint(const QString &v);
    bool ForceNewPage() const { return FForceNewPage; }
    void SetForceNewPage(bool v) { FForceNewPage = v; }
    bool AutoBorders() const { return FAutoBorders; }
    void SetAutoBorders(bool v);
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    TColor HoverColor() const { return FHoverColor; }
    void SetHoverColor(TColor v) { FHoverColor = v; }
    int Group() const { return FGroup; }
    void SetGroup(int v) { FGroup = v; }
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool v);
    TXFrameNotifier *Notifier() const { return FNotifier; }
    void SetNotifier(TXFrameNotifier *v) { FNotifier = v; }
    TXFrameSheme *Sheme() const { return FSheme; }
    void SetSheme(TXFrameSheme *v);
    bool PrintContentEnabled() const { return FPrintContent; }
    void SetPrintContent(bool v) { FPrintContent = v; }
    bool PrintBorders() const { return FPrintBorders; }
    void SetPrintBorders(bool v) { FPrintBorders = v; }
    bool PrintExtraHint() const { return FPrintExtraHint; }
    void SetPrintExtraHint(bool v) { FPrintExtraHint = v; }

    // Colour and font are the scheme's while the box has one.
    TColor GetColor() const override;
    void SetColor(TColor v) override;
    TFont *GetFont() const override;
    void SetFont(TFont *v) override;
    bool IsColorStored() const override { return !FSheme && !ParentColor(); }
    bool IsFontStored() const override { return !FSheme && !ParentFont(); }

    TMapUnit MapUnit() const { return FMapUnit; }
    TMapUnit DeviceUnit() const { return FDeviceUnit; }
    TControl *ContentControl() const { return FContentControl; }
    void SetContentControl(TControl *v) { FContentControl = v; }
    bool Hover() const { return FHover; }
    bool GroupHover() const { return FGroupHover; }
    TRect ButtonRect() const { return FButtonRect; }
    bool ButtonPressed() const { return FButtonPressed; }

    // Caption passed through OnGetPrintText.
    QString GetDisplayText();
    TRect GetClientRect() override;
    void SetHover(bool Value);
    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void ChangeScale(int M, int D) override;
    void Click() override;

    // ---- Printing ----
    // IPrintable. PrintInit is the box's own; descendants may extend the other four.
    void PrintInit(const TMapUnit &AUnit) override;
    void PrintArrange(TRect &ARect) override;
    void Print(IPage *APage) override;
    bool IsPrinting() override { return FPrinting; }
    bool IsBody() override;
    // The box's printed size in the print unit (ARect, what remains of the parent, is not used here).
    virtual void GetPrintSize(int &W, int &H, const TRect &ARect);
    // Title, OnPrint and content (own text or content control) in ARect; Done when the content is done.
    virtual void PrintContent(IPage *APage, const TRect &ARect, bool &Done);
    TMapUnit PrintUnit() const { return FPrintUnit; }
    TRect PrintRect() const { return FPrintRect; }
    TVCLControlPrinter *ContentPrinter() const { return FContentPrinter.get(); }
    // Whether printing the box now would put anything on the page (fill, borders, text, content, or a
    // child that takes part and prints something).
    bool PrintsSomething();

    TXFramePrintInitEvent OnPrintInit;
    TXFramePrintEvent OnPrint;
    TXFrameAdjustPrintRectEvent OnAdjustPrintRect;

    virtual void DropDown();
    // Whether the box has a list to open: its drop-down button's, or what a click on it picks from.
    bool OpensPicker() const { return FDropDownButton || bool(OnClick); }
    // The keys that open a box's list, as they open a combo box's: Alt+Down and F4.
    static bool IsDropDownKey(quint16 Key, TShiftState Shift);
    // Opens the list from the keyboard: the drop-down button's, or else the click's pick.
    virtual void KeyDropDown();
    // The scheme AScheme changed; repaint when it is this box's.
    virtual void ShemeChanged(TXFrameSheme *AScheme);

    TNotifyEvent OnChangeText;
    TNotifyEvent OnDropDown;
    TXFrameGetPrintTextEvent OnGetPrintText;

    // Typing into a box: the edited text is handed back through SetEditText; GetEditText is the text the
    // editor starts with. A plain box takes and gives its Caption; value boxes convert.
    virtual void SetEditText(const QString &S);
    virtual QString GetEditText();

protected:
    void Paint() override;
    void AlignControls(TControl *AControl, TRect &Rect) override;
    void ValidateInsert(TComponent *AComponent) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Enter opens the drop-down button's list, or does what a click does on a box without the button;
    // Alt+Down and F4 open the list.
    void KeyDown(quint16 &Key, TShiftState Shift) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void FocusGained() override;
    void FocusLost() override;
    void TextChanged() override;
    virtual void DoGetPrintText(QString &Text);
    // Whether the box draws its text on screen; not while an editor over it shows the text being typed.
    virtual bool PaintsText() { return true; }
    // The title's extent when measured from the top left of R (its right and bottom).
    TRect MeasureHint(const TRect &R);
    // The title's font on the canvas of a device of unit AUnit (the screen's or the printer's).
    void SetHintFont(TCanvas *canvas, const TMapUnit &AUnit);
    void PlaceAnchored(TXFrame *child, const TRect &Rect);
    void InvalidateHintCache() { FHintCacheKey.clear(); }

private:
    TMapingKind FMaping = mpLoMetricMaping;
    TMapUnit FMapUnit;
    TMapUnit FDeviceUnit;
    int FHorzSize = 0, FVertSize = 0;
    TXFrameBorderStyle FBorders;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    THorzAnchor FHorzAnchor = haLeft;
    int FHorzIdent = 0;
    TVertAnchor FVertAnchor = vaTop;
    int FVertIdent = 0;
    bool FHeaderFooter = false;
    QString FExtraHint;
    bool FForceNewPage = false;
    bool FAutoBorders = false;
    bool FFlat = false;
    TColor FHoverColor = clWhite;
    int FGroup = -1;
    bool FDropDownButton = false;
    TXFrameNotifier *FNotifier = nullptr;
    TXFrameSheme *FSheme = nullptr;
    bool FPrintContent = true, FPrintBorders = true, FPrintExtraHint = true;

    TControl *FContentControl = nullptr;
    bool FHover = false;
    bool FGroupHover = false;
    TRect FButtonRect;
    bool FButtonPressed = false;
    TPoint FDownPoint;
    bool FDoubleClickDown = false;
    bool FFocusRectShown = false;
    // Measuring the title is the costly part of laying out; keep the last result.
    QString FHintCacheKey;
    TRect FHintCache;
    std::unique_ptr<TCanvas> FMeasureCanvas;

    // Print state.
    TMapUnit FPrintUnit = MapingUnits[mpLoMetricMaping];
    bool FPrinting = false;
    TRect FPrintRect;
    std::unique_ptr<TVCLControlPrinter> FContentPrinter;
    // The room the parent gave the box at the last PrintArrange; the box itself may be taller.
    TRect FPrintRoom;
};
