#include "EmployerFrameF.h"

#include "app/ApdDataF.h"

#include "XForms/DataSetPopupF.h"
#include "declaration/APDDataModuleF.h"
#include "declaration/ApdFile.h"
#include "declaration/PopupKodikosEidikotitasF.h"
#include "declaration/PopupTyposApodoxonF.h"
#include "vcl/ComCtrls.h"
#include "vcl/ComponentStream.h"
#include "vcl/Forms.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace
{
// Every control under Box asked to paint again, box by box down the tree, when the event loop next runs.
void InvalidateBoxes(TWinControl *Box)
{
    for (int i = 0; i < Box->ControlCount(); ++i) {
        TControl *c = Box->Controls(i);
        c->Invalidate();
        if (auto *box = qobject_cast<TWinControl *>(c))
            InvalidateBoxes(box);
    }
}

template <typename T> T *Designed(TComponent *root, const char *name)
{
    auto *c = qobject_cast<T *>(root->FindComponent(QString::fromLatin1(name)));
    if (!c)
        throw EStreamError(
            QStringLiteral("Η σχεδίαση της σελίδας εργαζομένων δεν έχει το \"%1\".").arg(QLatin1String(name)));
    return c;
}

} // namespace

// The resource lives in this static library; naming it keeps it linked.
static void InitEmployFrameResource()
{
    Q_INIT_RESOURCE(EmployFrame);
}

TEmployFrame::TEmployFrame(TComponent *AOwner) : TFrame(AOwner)
{
    ReadDesign();
    // A page read from a document starts as the fresh page it was written against, so that what the
    // document stores, and only that, replaces the design's values.
    if (TApdData *owner = ApdDataOwner(); owner && !owner->IsLoading())
        SetPeriod(owner->DatePeriodFrame->Date());
}

TEmployFrame::TEmployFrame(TComponent *AOwner, TStored Stored)
    : TFrame(AOwner), FStored(std::make_unique<TStored>(std::move(Stored)))
{
    SetInline(true);
}

TEmployFrame::~TEmployFrame()
{
    // The boxes' handlers must not run into a half-destroyed page.
    FBound = false;
}

void TEmployFrame::ReadDesign()
{
    InitEmployFrameResource();
    if (!InitInheritedComponent(this, &TFrame::staticMetaObject))
        throw EStreamError(QStringLiteral("Δεν βρέθηκε η σχεδίαση της σελίδας εργαζομένων."));
    BindComponents();
    // The declaration window's stream writes the page as an inline frame, boxes included.
    SetInline(true);
    OnMouseWheel = [this](TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool &Handled) {
        FrameMouseWheel(Sender, Shift, WheelDelta, MousePos, Handled);
    };
}

namespace
{
// The values a page of a document holds that reading sets and nothing else: what the user types or picks
// and what the page works out, and the looks the window copies into every page. Their setters change
// nothing but their own value and what is shown of it.
bool PlainPageValue(const QMetaObject *Class, QByteArrayView Path)
{
    if (Class == &TXCurrencyFrame::staticMetaObject || Class == &TXIntegerFrame::staticMetaObject)
        return Path == "Value";
    if (Class == &TXDateFrame::staticMetaObject)
        return Path == "Date";
    if (Class == &TXFrame::staticMetaObject || Class == &TDbLookupXFrame::staticMetaObject)
        return Path == "Caption";
    if (Class == &TXFrameSheme::staticMetaObject)
        return Path == "Color" || Path == "PrintColor" || Path.startsWith("Font.") || Path.startsWith("SecondaryFont.");
    return false;
}
} // namespace

std::optional<TEmployFrame::TStored> TEmployFrame::Inspect(const QByteArray &Form)
{
    // An untouched page, made once, to read into.
    static TStoredInspector *inspector = nullptr;
    static QPointer<TAPDDataModule> module;
    if (!inspector || module != APDDataModule) {
        // A new data module binds the boxes of new pages to its tables: the copy follows.
        delete inspector;
        inspector = new TStoredInspector(std::make_unique<TEmployFrame>(nullptr), PlainPageValue);
        module = APDDataModule;
    }
    std::optional<TStored> result;
    TStored stored;
    if (inspector->Inspect(Form, [&stored](TComponent *Copy) {
            auto *page = static_cast<TEmployFrame *>(Copy);
            stored.Earnings = page->EarningsSum();
            stored.Contributions = page->ContributionsSum();
            stored.Days = page->DaysSum();
            stored.Schemes = {TLooks::Of(page->ShemeH0), TLooks::Of(page->ShemeH1), TLooks::Of(page->ShemeH2),
                              TLooks::Of(page->ShemeH3)};
        })) {
        stored.Form = Form;
        result = std::move(stored);
    }
    return result;
}

TEmployFrame::TLooks TEmployFrame::TLooks::Of(const TXFrameSheme *Sheme)
{
    const auto font = [](const TFont *f) {
        return TFontLooks{f->Name(), f->Height(), f->Charset(), f->Color(), f->Pitch(), f->Style()};
    };
    return {font(Sheme->Font()), font(Sheme->SecondaryFont()), Sheme->Color(), Sheme->PrintColor()};
}

void TEmployFrame::TakeSchemeWhenMade(int Index)
{
    if (FStored && Index >= 0 && Index < 4)
        FStored->TakeSchemes[size_t(Index)] = true;
}

void TEmployFrame::SettleSchemes()
{
    TApdData *owner = ApdDataOwner();
    if (!FStored || !owner)
        return;
    const TXFrameSheme *window[4] = {owner->ShemeH0, owner->ShemeH1, owner->ShemeH2, owner->ShemeH3};
    bool take = false;
    for (size_t i = 0; i < 4; ++i) {
        if (FStored->TakeSchemes[i] && TLooks::Of(window[i]) == FStored->Schemes[i])
            FStored->TakeSchemes[i] = false;
        take = take || FStored->TakeSchemes[i];
    }
    // Its stored form no longer says how the page looks.
    if (take)
        MakeWhole();
}

TEmployFrame *TEmployFrame::Add(TApdData *Owner, TTabSheet *Sheet, const QString &Name, bool Waiting)
{
    if (Waiting) {
        // A new page holds no employee: it adds nothing to the totals.
        TStored stored;
        stored.Day = ::Date();
        auto *page = new TEmployFrame(Owner, std::move(stored));
        page->SetName(Name);
        page->SetParent(Sheet);
        return page;
    }
    auto *page = new TEmployFrame(Owner);
    page->SetParent(Sheet);
    page->SetName(Name);
    page->CopySchemes();
    return page;
}

void TEmployFrame::MakeWhole()
{
    if (!FStored)
        return;
    // The page stands for its stored form until it is read whole: a failure part-way (no memory, a part of
    // the design missing) leaves it as it was, and a save writes that form again rather than half a page.
    std::unique_ptr<TStored> stored = std::move(FStored);
    const QString name = Name();
    const QList<TComponent *> before = ComponentList();
    const QMetaObject *design = DesignClass();
    TScopeExit keepStored([&] {
        Unmake(name, before, design);
        FStored = std::move(stored);
    });
    try {
        if (stored->Form.isEmpty())
            MakeNew(*stored);
        else
            MakeStored(*stored);
    } catch (const std::exception &e) {
        const auto *sheet = qobject_cast<const TTabSheet *>(Parent());
        const QString reason = dynamic_cast<const std::bad_alloc *>(&e) ? QStringLiteral("δεν επαρκεί η μνήμη")
                               : dynamic_cast<const Exception *>(&e) ? static_cast<const Exception &>(e).Message()
                                                                     : QString::fromLocal8Bit(e.what());
        throw Exception(QStringLiteral("Η %1 δεν μπόρεσε να διαβαστεί (%2). Μένει όπως είναι αποθηκευμένη στο "
                                       "αρχείο και έτσι αποθηκεύεται ξανά.")
                            .arg(sheet ? sheet->Caption() : name, reason));
    }
    keepStored.Dismiss();
}

void TEmployFrame::MakeNew(const TStored &Stored)
{
    // Made as the window adds one, its period and the window's schemes, which is no change of the
    // document now either.
    TApdData *owner = ApdDataOwner();
    const QString name = Name();
    const bool ownerLoading = owner && owner->Loading;
    if (owner)
        owner->Loading = true;
    TScopeExit restore([&] {
        if (owner)
            owner->Loading = ownerLoading;
    });
    ReadDesign();
    SetName(name);
    // The printed period box shows the day its page was added.
    if (auto *printed = qobject_cast<TXDateFrame *>(XFrame503); printed && printed->Date() != Stored.Day)
        printed->SetDate(Stored.Day);
    if (owner) {
        SetPeriod(owner->DatePeriodFrame->Date());
        CopySchemes();
    }
}

void TEmployFrame::MakeStored(const TStored &Stored)
{
    // Made as reading the document makes its pages: while the window counts as being read, so that no
    // value is worked out again and nothing counts as a change of the document.
    TApdData *owner = ApdDataOwner();
    const bool ownerLoading = owner && owner->IsLoading();
    if (owner)
        owner->SetState(csLoading);
    TScopeExit restore([&] {
        if (owner && !ownerLoading)
            owner->ClearState(csLoading);
    });
    ReadDesign();
    ReadStoredComponent(Stored.Form, this);
    if (owner) {
        TXFrameSheme *mine[4] = {ShemeH0, ShemeH1, ShemeH2, ShemeH3};
        TXFrameSheme *window[4] = {owner->ShemeH0, owner->ShemeH1, owner->ShemeH2, owner->ShemeH3};
        for (size_t i = 0; i < 4; ++i)
            if (Stored.TakeSchemes[i])
                mine[i]->Assign(window[i]);
    }
}

void TEmployFrame::Unmake(const QString &Name, const QList<TComponent *> &Before, const QMetaObject *Design) noexcept
{
    // Its boxes' handlers must not run while the boxes go.
    FBound = false;
    for (;;) {
        TComponent *made = nullptr;
        for (TComponent *c : ComponentList())
            if (!Before.contains(c))
                made = c;
        if (!made)
            break;
        // The controls on a box go with it.
        delete made;
    }
    BindParts(false);
    FLines = {};
    FFilling = {};
    FWagePending = {};
    FBlankLines = {};
    FScrollTop = 0;
    // The design is read again when the page is next made.
    SetDesignClass(Design);
    try {
        SetName(Name);
    } catch (const std::exception &) {
        // The name was the page's own a moment ago; nothing else can hold it now.
    }
}

QWidget *TEmployFrame::CreatePeer()
{
    // Shown, a page needs its boxes. One that cannot be made stays as stored, empty on the screen, and the
    // user is told once the showing is over (a message box in the middle of making the window's widgets
    // would show it half made).
    try {
        MakeWhole();
    } catch (const std::exception &) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [error = std::current_exception()] {
                try {
                    std::rethrow_exception(error);
                } catch (const std::exception &e) {
                    if (Application())
                        Application()->HandleException(e);
                }
            },
            Qt::QueuedConnection);
    }
    return TFrame::CreatePeer();
}

void TEmployFrame::BindParts(bool Find)
{
    // Each part of the form by its name, or none once the parts are gone.
    const auto bind = [this, Find]<class T>(T *&Part, const char *Name) {
        Part = Find ? Designed<T>(this, Name) : nullptr;
    };
#define APD_BIND(T, name) bind(name, #name)
    APD_BIND(TXFrameNotifier, XFrameNotifier1);
    APD_BIND(TXFrameSheme, ShemeH0), APD_BIND(TXFrameSheme, ShemeH1), APD_BIND(TXFrameSheme, ShemeH2);
    APD_BIND(TXFrameSheme, ShemeH3);
    APD_BIND(TXFrame, ClientFrame);
    APD_BIND(TDbLookupXFrame, Frame21C), APD_BIND(TDbLookupXFrame, Frame21D), APD_BIND(TDbLookupXFrame, Frame21E);
    APD_BIND(TDbLookupXFrame, XFrame22a), APD_BIND(TDbLookupXFrame, XFrame22b), APD_BIND(TDbLookupXFrame, XFrame22c);
    APD_BIND(TDbLookupXFrame, XFrame23a), APD_BIND(TDbLookupXFrame, XFrame23b), APD_BIND(TDbLookupXFrame, XFrame23c);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame21), APD_BIND(TDbLookupXFrame, DbLookupXFrame12);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame3);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame22), APD_BIND(TDbLookupXFrame, DbLookupXFrame13);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame4);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame23), APD_BIND(TDbLookupXFrame, DbLookupXFrame14);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame5);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame24), APD_BIND(TDbLookupXFrame, DbLookupXFrame15);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame6);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame25), APD_BIND(TDbLookupXFrame, DbLookupXFrame16);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame7);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame26), APD_BIND(TDbLookupXFrame, DbLookupXFrame17);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame8);
    APD_BIND(TDbLookupXFrame, Married1), APD_BIND(TDbLookupXFrame, Married2), APD_BIND(TDbLookupXFrame, Married3);
    APD_BIND(TDbLookupXFrame, Periods1), APD_BIND(TDbLookupXFrame, Periods2), APD_BIND(TDbLookupXFrame, Periods3);
    APD_BIND(TXIntegerFrame, XIntegerFrame1), APD_BIND(TXIntegerFrame, XIntegerFrame2);
    APD_BIND(TXIntegerFrame, XIntegerFrame3);
    APD_BIND(TDbLookupXFrame, Specialty1), APD_BIND(TDbLookupXFrame, Specialty2), APD_BIND(TDbLookupXFrame, Specialty3);
    APD_BIND(TDbLookupXFrame, xFrame34a), APD_BIND(TDbLookupXFrame, xFrame34b), APD_BIND(TDbLookupXFrame, xFrame34c);
    APD_BIND(TDbLookupXFrame, xFrame35a), APD_BIND(TDbLookupXFrame, xFrame35b), APD_BIND(TDbLookupXFrame, xFrame35c);
    APD_BIND(TXDateFrame, XDateFrame1), APD_BIND(TXDateFrame, XDateFrame2), APD_BIND(TXDateFrame, XDateFrame3);
    APD_BIND(TXDateFrame, XDateFrame4), APD_BIND(TXDateFrame, XDateFrame5), APD_BIND(TXDateFrame, XDateFrame6);
    APD_BIND(TXFrame, XFrame131), APD_BIND(TXFrame, XFrame132), APD_BIND(TXFrame, XFrame475);
    APD_BIND(TXIntegerFrame, DayCount39_1), APD_BIND(TXIntegerFrame, DayCount39_2);
    APD_BIND(TXIntegerFrame, DayCount39_3);
    APD_BIND(TXCurrencyFrame, Payment1), APD_BIND(TXCurrencyFrame, Payment2), APD_BIND(TXCurrencyFrame, Payment3);
    APD_BIND(TXCurrencyFrame, Apodoxes1), APD_BIND(TXCurrencyFrame, Apodoxes2);
    APD_BIND(TXCurrencyFrame, Apodoxes3);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame9), APD_BIND(TDbLookupXFrame, DbLookupXFrame18);
    APD_BIND(TDbLookupXFrame, DbLookupXFrame27);
    APD_BIND(TXIntegerFrame, DayCount43_1), APD_BIND(TXIntegerFrame, DayCount43_2);
    APD_BIND(TXIntegerFrame, DayCount43_3);
    APD_BIND(TXCurrencyFrame, EisforesEmpolyer1), APD_BIND(TXCurrencyFrame, EisforesEmpolyer2);
    APD_BIND(TXCurrencyFrame, EisforesEmpolyer3);
    APD_BIND(TXCurrencyFrame, EisforesEmpolyee1), APD_BIND(TXCurrencyFrame, EisforesEmpolyee2);
    APD_BIND(TXCurrencyFrame, EisforesEmpolyee3);
    APD_BIND(TXCurrencyFrame, EisforesTotal1), APD_BIND(TXCurrencyFrame, EisforesTotal2);
    APD_BIND(TXCurrencyFrame, EisforesTotal3);
    APD_BIND(TXFrame, XFrame493), APD_BIND(TXFrame, frameAME), APD_BIND(TXFrame, frameAMOE);
    APD_BIND(TXFrame, frameAFM), APD_BIND(TXFrame, XFrame503);
    APD_BIND(TXFrame, XFrame13), APD_BIND(TXFrame, XFrame14), APD_BIND(TXFrame, XFrame21);
    APD_BIND(TXFrame, XFrame1), APD_BIND(TXFrame, XFrame2);
#undef APD_BIND
}

void TEmployFrame::BindComponents()
{
    BindParts(true);
    FLines[0] = {Frame21C,         XFrame22a,        XFrame23a,        DbLookupXFrame21,  DbLookupXFrame22,
                 DbLookupXFrame23, DbLookupXFrame24, DbLookupXFrame25, DbLookupXFrame26,  Married1,
                 Periods1,         XIntegerFrame1,   Specialty1,       xFrame34a,         xFrame35a,
                 XDateFrame1,      XDateFrame4,      XFrame131,        DayCount39_1,      Payment1,
                 Apodoxes1,        DbLookupXFrame9,  DayCount43_1,     EisforesEmpolyer1, EisforesEmpolyee1,
                 EisforesTotal1};
    FLines[1] = {Frame21D,         XFrame22b,        XFrame23b,        DbLookupXFrame12,  DbLookupXFrame13,
                 DbLookupXFrame14, DbLookupXFrame15, DbLookupXFrame16, DbLookupXFrame17,  Married2,
                 Periods2,         XIntegerFrame2,   Specialty2,       xFrame34b,         xFrame35b,
                 XDateFrame2,      XDateFrame5,      XFrame132,        DayCount39_2,      Payment2,
                 Apodoxes2,        DbLookupXFrame18, DayCount43_2,     EisforesEmpolyer2, EisforesEmpolyee2,
                 EisforesTotal2};
    FLines[2] = {Frame21E,        XFrame22c,        XFrame23c,       DbLookupXFrame3,   DbLookupXFrame4,
                 DbLookupXFrame5, DbLookupXFrame6,  DbLookupXFrame7, DbLookupXFrame8,   Married3,
                 Periods3,        XIntegerFrame3,   Specialty3,      xFrame34c,         xFrame35c,
                 XDateFrame3,     XDateFrame6,      XFrame475,       DayCount39_3,      Payment3,
                 Apodoxes3,       DbLookupXFrame27, DayCount43_3,    EisforesEmpolyer3, EisforesEmpolyee3,
                 EisforesTotal3};
    // The data module's sources are bound here rather than in the form, so that a page can also be made
    // where there is no data module.
    if (APDDataModule) {
        for (const TLine &l : FLines)
            for (TDbLookupXFrame *box : {l.Register, l.Amka, l.Surname, l.Name, l.Father, l.Mother, l.Birth, l.Afm,
                                         l.Married, l.Periods, l.Specialty, l.SpecialCase, l.Package})
                box->SetDataSource(APDDataModule->dsEmployers);
        for (const TLine &l : FLines)
            l.Phase->SetDataSource(APDDataModule->dsConPhase);
    }
    for (int line = 0; line < int(FLines.size()); ++line) {
        LimitTyping(LineFields(line));
        FBlankLines[size_t(line)] = LineIsBlank(line);
    }
    FBound = true;
}

TApdData *TEmployFrame::ApdDataOwner() const
{
    return qobject_cast<TApdData *>(Owner());
}

// ---------------------------------------------------------------------------------- the window's needs

void TEmployFrame::SetPeriod(TDateTime Period)
{
    MakeWhole();
    for (int line = 0; line < int(FLines.size()); ++line)
        SetLinePeriod(line, Period);
    DateTimePicker2Change(this);
}

void TEmployFrame::SetLinePeriod(int Line, TDateTime Period)
{
    // From the first moment of the month to its last.
    const TLine &l = FLines[size_t(Line)];
    l.From->SetDate(StartOfTheMonth(Period));
    l.To->SetDate(EndOfTheMonth(Period) + EncodeTime(23, 59, 59, 999));
}

// A document from elsewhere may hold any value: the sums stay at the ends of their range rather than
// overflow (the export refuses such totals anyway).
Currency TEmployFrame::EarningsSum()
{
    if (FStored)
        return FStored->Earnings;
    return Apodoxes1->Value().SaturatedAdd(Apodoxes2->Value()).SaturatedAdd(Apodoxes3->Value());
}

Currency TEmployFrame::ContributionsSum()
{
    if (FStored)
        return FStored->Contributions;
    return EisforesTotal1->Value().SaturatedAdd(EisforesTotal2->Value()).SaturatedAdd(EisforesTotal3->Value());
}

int TEmployFrame::DaysSum()
{
    if (FStored)
        return FStored->Days;
    qint64 days = 0;
    for (const TLine &l : FLines)
        if (!l.Earnings->Caption().isEmpty())
            days += qint64(l.Days->Value()) + l.AccountingDays->Value();
    return int(std::clamp<qint64>(days, INT_MIN, INT_MAX));
}

void TEmployFrame::CopySchemes()
{
    MakeWhole();
    TApdData *owner = ApdDataOwner();
    if (!owner)
        return;
    ShemeH0->Assign(owner->ShemeH0);
    ShemeH1->Assign(owner->ShemeH1);
    ShemeH2->Assign(owner->ShemeH2);
    ShemeH3->Assign(owner->ShemeH3);
}

void TEmployFrame::WriteState(TWriter *Writer)
{
    // A new page has no stored form yet.
    if (FStored && FStored->Form.isEmpty())
        MakeWhole();
    if (FStored) {
        // Exactly what writing the whole page would give (Inspect made sure of it).
        Writer->WriteStored(FStored->Form);
        return;
    }
    TPersistent *kept = Writer->Ancestor();
    // A fresh page with no owner: the design's values, no period, no window to reach. One serves every page
    // of the document.
    Writer->SetAncestor(Writer->FreshInstance<TEmployFrame>());
    TScopeExit restore([&] { Writer->SetAncestor(kept); });
    TFrame::WriteState(Writer);
}

bool TEmployFrame::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    // The page handles the wheel itself rather than handing it to the window that holds it.
    TFrame::DoMouseWheel(Shift, WheelDelta, MousePos);
    return true;
}

void TEmployFrame::FrameMouseWheel(TObject *, TShiftState, int WheelDelta, TPoint, bool &)
{
    ScrollLine(WheelDelta > 0);
}

void TEmployFrame::ScrollLine(bool Up)
{
    // One line of the scroll bar's usual increment.
    const int line = 8;
    FScrollTop += Up ? -line : line;
    Realign();
}

void TEmployFrame::ScrollInView(TControl *AControl)
{
    if (!AControl || !HandleAllocated() || !AControl->HandleAllocated() || !Peer()->isAncestorOf(AControl->Peer()))
        return;
    const int top = AControl->Peer()->mapTo(Peer(), QPoint(0, 0)).y();
    const int bottom = top + AControl->Height();
    const int shift = top < 0 ? top : bottom > Height() ? std::min(top, bottom - Height()) : 0;
    if (shift == 0)
        return;
    FScrollTop += shift;
    Realign();
}

void TEmployFrame::AlignControls(TControl *AControl, TRect &Rect)
{
    TFrame::AlignControls(AControl, Rect);
    // The sheet is taller than the room its window gives it; the wheel scrolls it within its content.
    int bottom = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Visible())
            bottom = std::max(bottom, Controls(i)->Top() + Controls(i)->Height());
    FScrollTop = std::clamp(FScrollTop, 0, std::max(0, bottom - Height()));
    if (FScrollTop == 0)
        return;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl *c = Controls(i);
        c->SetBounds(c->Left(), c->Top() - FScrollTop, c->Width(), c->Height());
    }
}

void TEmployFrame::Loaded()
{
    TFrame::Loaded();
    // Also called when the design itself has been read, before the boxes are bound.
    if (!FBound)
        return;
    // The day limits belong to the dates, not to the document: they are set again from the dates read,
    // without recounting anything. A value the limits could not have let through, above the dates' days
    // or below the least (a document from elsewhere), is kept as it stands and the box stays without a limit.
    for (const TLine &l : FLines)
        for (TXIntegerFrame *box : {l.Days, l.AccountingDays}) {
            const int limit = DayLimit(l.From->Date(), l.To->Date());
            if ((box->Value() >= box->MinValue() && box->Value() <= limit) || limit <= box->MinValue())
                box->SetMaxValue(limit);
        }
}

bool TEmployFrame::Computing() const
{
    // Values read from a document are what was saved: nothing is worked out again while they arrive.
    if (!FBound || IsLoading())
        return false;
    const TApdData *owner = ApdDataOwner();
    return !owner || !owner->IsLoading();
}

// ---------------------------------------------------------------------------------- computations

namespace
{
// The calendar day a date falls on, as DecodeDate sees it; false for a date outside the calendar.
bool DayNumber(TDateTime Value, qint64 &Day)
{
    if (!IsValidCalendarDate(Value))
        return false;
    Day = static_cast<qint64>(std::trunc(Value));
    return true;
}

// Monday to Friday among Count consecutive days starting on the day First: whole weeks, then the rest.
qint64 Weekdays(qint64 First, qint64 Count)
{
    if (Count <= 0)
        return 0;
    qint64 n = Count / 7 * 5;
    const int firstWeekday = DayOfTheWeek(TDateTime(First)); // Monday 1 .. Sunday 7
    for (qint64 i = 0; i < Count % 7; ++i)
        if ((firstWeekday - 1 + i) % 7 < 5)
            ++n;
    return n;
}
} // namespace

int TEmployFrame::DayLimit(TDateTime From, TDateTime To)
{
    // Calendar days, both ends included, whatever the time of day the dates carry; none (0) for dates
    // outside the calendar.
    qint64 first = 0, last = 0;
    if (!DayNumber(From, first) || !DayNumber(To, last))
        return 0;
    return int(last - first + 1);
}

void TEmployFrame::CountWorkDays(TXIntegerFrame *Box, bool Counting, TDateTime From, TDateTime To)
{
    Box->SetMaxValue(DayLimit(From, To));
    if (!Counting)
        return;
    // The days From, From + 1, ... up to To: as many as whole days fit between the two moments, plus one.
    qint64 first = 0, last = 0;
    qint64 n = 0;
    if (DayNumber(From, first) && DayNumber(To, last) && To >= From)
        n = Weekdays(first, static_cast<qint64>(std::floor(To - From)) + 1);
    Box->SetValue(int(n));
}

void TEmployFrame::LineDateChange(int Line)
{
    if (!Computing())
        return;
    const TLine &l = FLines[size_t(Line)];
    CountWorkDays(l.Days, true, l.From->Date(), l.To->Date());
    CountWorkDays(l.AccountingDays, false, l.From->Date(), l.To->Date());
}

void TEmployFrame::LineWage(int Line)
{
    if (!Computing() || !APDDataModule)
        return;
    if (FFilling[size_t(Line)]) {
        // A pick is filling the line box by box: the wage waits until every box shows the new employee.
        FWagePending[size_t(Line)] = true;
        return;
    }
    const TLine &l = FLines[size_t(Line)];
    const QString specialty = l.Specialty->Caption();
    Currency w, a;
    try {
        w = APDDataModule->GetWage(specialty, l.Periods->Caption(), l.Married->Caption());
        a = APDDataModule->EmployeeAllowance(specialty, l.Register->Caption());
    } catch (const std::exception &e) {
        // The line must not keep a wage worked out for another employee or specialty: it is left empty,
        // the rest of the line follows it, and the user is told once. Nothing is raised through the box
        // whose change brought us here, so it still repaints and reports its change.
        l.Wage->SetValue(Currency());
        Application()->HandleException(e);
        return;
    }
    l.Wage->SetValue(w + a);
}

void TEmployFrame::GroupFillBegin(int Group)
{
    if (Group < 1 || Group > int(FLines.size()))
        return;
    FFilling[size_t(Group - 1)] = true;
    FWagePending[size_t(Group - 1)] = false;
}

void TEmployFrame::GroupFillEnd(int Group)
{
    if (Group < 1 || Group > int(FLines.size()))
        return;
    const size_t line = size_t(Group - 1);
    FFilling[line] = false;
    if (FWagePending[line]) {
        FWagePending[line] = false;
        LineWage(Group - 1);
    }
}

int TEmployFrame::LineOf(TObject *Box) const
{
    for (size_t i = 0; i < FLines.size(); ++i) {
        const TLine &l = FLines[i];
        for (TObject *b : {static_cast<TObject *>(l.Register), static_cast<TObject *>(l.Married),
                           static_cast<TObject *>(l.Periods), static_cast<TObject *>(l.Specialty)})
            if (b == Box)
                return int(i);
    }
    return -1;
}

void TEmployFrame::LineEarnings(int Line)
{
    if (!Computing())
        return;
    const TLine &l = FLines[size_t(Line)];
    const long double days = (long double)l.Days->Value() + l.AccountingDays->Value() + 0.75L * l.Sundays->Value();
    l.Earnings->SetValue(Currency::FromDouble(days * l.Wage->Value().ToDouble()));
}

void TEmployFrame::LineContributions(int Line)
{
    if (!Computing() || !APDDataModule)
        return;
    const TLine &l = FLines[size_t(Line)];
    float insuredRate = 0, employerRate = 0;
    if (!APDDataModule->GetContributionRates(l.Package->Caption(), insuredRate, employerRate))
        return;
    const long double earnings = l.Earnings->Value().ToDouble();
    l.Insured->SetValue(Currency::FromDouble((long double)insuredRate * earnings * 0.01L));
    l.Employer->SetValue(Currency::FromDouble((long double)employerRate * earnings * 0.01L));
    l.Total->SetValue(l.Insured->Value() + l.Employer->Value());
}

void TEmployFrame::LineSpecialCase(int Line)
{
    if (!Computing())
        return;
    const TLine &l = FLines[size_t(Line)];
    if (APDDataModule)
        l.SpecialCase->SetCaption(APDDataModule->GetSpecialInsuranceCase(l.Package->Caption()));
    LineContributions(Line);
}

void TEmployFrame::RefreshBoxes(TWinControl *Box)
{
    for (int i = 0; i < Box->ControlCount(); ++i) {
        TControl *c = Box->Controls(i);
        c->Repaint();
        if (auto *box = qobject_cast<TXFrame *>(c))
            RefreshBoxes(box);
    }
}

void TEmployFrame::NotifyChange()
{
    if (OnChange)
        OnChange(this);
    if (TApdData *owner = ApdDataOwner())
        owner->DoChange();
}

// ---------------------------------------------------------------------------------- handlers

void TEmployFrame::XFrame22cClick(TObject *Sender)
{
    SharedDataSetPopup()->PopupExt(Sender, 0, nullptr);
}

void TEmployFrame::DbLookupXFrame9Click(TObject *Sender)
{
    SharedDataSetPopup()->PopupExt(Sender, 0, nullptr);
}

void TEmployFrame::Frame21CDropDown(TObject *Sender)
{
    if (APDDataModule)
        if (auto *box = qobject_cast<TControl *>(Sender))
            SharedDataSetPopup()->PopupFor(box, APDDataModule->tbIkaOffices, 0, QStringLiteral("ΚΩΔΙΚΟΣ"));
}

void TEmployFrame::xFrame34aDropDown(TObject *Sender)
{
    if (APDDataModule)
        if (auto *box = qobject_cast<TControl *>(Sender))
            SharedDataSetPopup()->PopupFor(box, APDDataModule->tbInsCases, 0, QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"));
}

void TEmployFrame::Specialty1DropDown(TObject *Sender)
{
    SharedPopupKodikosEidikotitas()->PopupExt(Sender, 0, nullptr);
}

void TEmployFrame::XFrame131Click(TObject *Sender)
{
    SharedPopupTyposApodoxon()->PopupExt(Sender, -1, nullptr);
}

void TEmployFrame::XFrame22aChangeText(TObject *Sender)
{
    if (!Computing())
        return;
    RefreshBoxes(ClientFrame);
    const int line = LineOf(Sender);
    if (line < 0)
        return;
    // A line whose employee is taken away is emptied: nothing it no longer shows may count.
    if (FLines[size_t(line)].Register->Caption().isEmpty())
        EmptyLine(line);
    else
        // The allowance belongs to the employee: another register number, another wage.
        LineWage(line);
}

void TEmployFrame::EmptyLine(int Line)
{
    const TLine &l = FLines[size_t(Line)];
    // What a line holds on a new page: no specialty (line 1 hides it), Sundays (likewise), earnings type,
    // phase, accounting days or amounts, and the period's dates with their days, which count nowhere while
    // there are no earnings.
    if (Line == 0) {
        l.Specialty->SetCaption(QString());
        l.Sundays->SetValue(0);
    }
    l.EarningsType->SetCaption(QString());
    l.Phase->SetCaption(QString());
    l.AccountingDays->SetValue(0);
    l.Wage->SetValue(Currency());
    l.Earnings->SetValue(Currency());
    // A package the table does not hold leaves the contributions as they were: they are emptied here.
    l.Insured->SetValue(Currency());
    l.Employer->SetValue(Currency());
    l.Total->SetValue(Currency());
    if (TApdData *owner = ApdDataOwner())
        SetLinePeriod(Line, owner->DatePeriodFrame->Date());
}

void TEmployFrame::Specialty1ChangeText(TObject *)
{
    LineWage(0);
}

void TEmployFrame::Specialty2ChangeText(TObject *)
{
    LineWage(1);
}

void TEmployFrame::Specialty3ChangeText(TObject *)
{
    LineWage(2);
}

void TEmployFrame::Payment1DblClick(TObject *Sender)
{
    Specialty1ChangeText(Sender);
}

void TEmployFrame::Payment2DblClick(TObject *Sender)
{
    Specialty2ChangeText(Sender);
}

void TEmployFrame::Payment3DblClick(TObject *Sender)
{
    Specialty3ChangeText(Sender);
}

void TEmployFrame::Payment1ChangeText(TObject *)
{
    LineEarnings(0);
    // Days count in the window's totals even when the earnings come out the same.
    RecalcOwnerTotals();
}

void TEmployFrame::Payment2ChangeText(TObject *)
{
    LineEarnings(1);
    // Days count in the window's totals even when the earnings come out the same.
    RecalcOwnerTotals();
}

void TEmployFrame::Paeyment3ChangeText(TObject *)
{
    LineEarnings(2);
    // Days count in the window's totals even when the earnings come out the same.
    RecalcOwnerTotals();
}

void TEmployFrame::XDateFrame1DateChange(TObject *)
{
    LineDateChange(0);
}

void TEmployFrame::XDateFrame2DateChange(TObject *)
{
    LineDateChange(1);
}

void TEmployFrame::XDateFrame3DateChange(TObject *)
{
    LineDateChange(2);
}

void TEmployFrame::Apodoxes1ChangeText(TObject *)
{
    LineContributions(0);
    RecalcOwnerTotals();
}

void TEmployFrame::Apodoxes2ChangeText(TObject *)
{
    LineContributions(1);
    RecalcOwnerTotals();
}

void TEmployFrame::Apodoxes3ChangeText(TObject *)
{
    LineContributions(2);
    RecalcOwnerTotals();
}

void TEmployFrame::xFrame35aChangeText(TObject *)
{
    LineSpecialCase(0);
}

void TEmployFrame::xFrame35bChangeText(TObject *)
{
    LineSpecialCase(1);
}

void TEmployFrame::xFrame35cChangeText(TObject *)
{
    LineSpecialCase(2);
}

void TEmployFrame::EisforesTotal1ChangeText(TObject *)
{
    RecalcOwnerTotals();
}

void TEmployFrame::RecalcOwnerTotals()
{
    if (!Computing())
        return;
    if (TApdData *owner = ApdDataOwner())
        owner->RecalcTotals();
}

void TEmployFrame::XFrameNotifier1Change(TObject *, TXFrame *)
{
    if (!FBound)
        return;
    FollowBlankLines();
    NotifyChange();
}

void TEmployFrame::DateTimePicker2Change(TObject *)
{
    for (const TLine &l : FLines)
        CountWorkDays(l.Days, true, l.From->Date(), l.To->Date());
}

// ---------------------------------------------------------------------------------- display and print hooks

bool TEmployFrame::LineIsBlank(int Line) const
{
    // A line without a register number shows nothing of what it holds, as long as that counts nowhere:
    // once it holds a wage, earnings or contributions (which the totals count), it shows them.
    const TLine &l = FLines[size_t(Line)];
    if (!l.Register->Caption().isEmpty())
        return false;
    for (const TXCurrencyFrame *amount : {l.Wage, l.Earnings, l.Insured, l.Employer, l.Total})
        if (!amount->Value().IsZero())
            return false;
    return true;
}

void TEmployFrame::FollowBlankLines()
{
    bool changed = false;
    for (int line = 0; line < int(FLines.size()); ++line)
        if (const bool blank = LineIsBlank(line); blank != FBlankLines[size_t(line)]) {
            FBlankLines[size_t(line)] = blank;
            changed = true;
        }
    // The boxes whose values did not change show them, or stop showing them, too, once the change is done.
    if (changed)
        InvalidateBoxes(ClientFrame);
}

void TEmployFrame::LineBlank(int Line, QString &Text)
{
    if (FBound && LineIsBlank(Line))
        Text.clear();
}

void TEmployFrame::DayCount39_1GetPrintText(TObject *, QString &Text)
{
    LineBlank(0, Text);
}

void TEmployFrame::XDateFrame2GetPrintText(TObject *, QString &Text)
{
    LineBlank(1, Text);
}

void TEmployFrame::XDateFrame3GetPrintText(TObject *, QString &Text)
{
    LineBlank(2, Text);
}

void TEmployFrame::xFrame34aGetPrintText(TObject *, QString &Text)
{
    if (Text == QLatin1String("0"))
        Text.clear();
}

void TEmployFrame::XFrame493PrintInit(TObject *, bool &Print)
{
    Print = !IsFirstPage;
}

void TEmployFrame::XFrame1PrintInit(TObject *, bool &Print)
{
    Print = IsLastPage;
}

void TEmployFrame::CopyOwnerText(TObject *Sender, TXFrame *OwnerBox)
{
    auto *box = qobject_cast<TXFrame *>(Sender);
    if (box && OwnerBox)
        SetPrintedText(box, OwnerBox->Caption());
}

void TEmployFrame::SetPrintedText(TXFrame *Box, const QString &Text)
{
    // Printing copies these texts; it changes nothing the user typed, so it must not mark the document
    // modified.
    TXFrameNotifier *notifier = Box->Notifier();
    Box->SetNotifier(nullptr);
    Box->SetCaption(Text);
    Box->SetNotifier(notifier);
}

QStringList TEmployFrame::PrintedTexts() const
{
    return {frameAME->Caption(), frameAMOE->Caption(), frameAFM->Caption(), XFrame503->Caption()};
}

void TEmployFrame::SetPrintedTexts(const QStringList &Texts)
{
    MakeWhole();
    TXFrame *boxes[] = {frameAME, frameAMOE, frameAFM, XFrame503};
    for (qsizetype i = 0; i < Texts.size() && i < qsizetype(std::size(boxes)); ++i)
        SetPrintedText(boxes[i], Texts[i]);
}

void TEmployFrame::frameAMEPrint(TObject *Sender, IPage *, const TRect &)
{
    if (TApdData *owner = ApdDataOwner())
        CopyOwnerText(Sender, owner->frameAME);
}

void TEmployFrame::frameAMOEPrint(TObject *Sender, IPage *, const TRect &)
{
    if (TApdData *owner = ApdDataOwner())
        CopyOwnerText(Sender, owner->frameAMOE);
}

void TEmployFrame::frameAFMPrint(TObject *Sender, IPage *, const TRect &)
{
    if (TApdData *owner = ApdDataOwner())
        CopyOwnerText(Sender, owner->frameAFM);
}

void TEmployFrame::XFrame503Print(TObject *Sender, IPage *, const TRect &)
{
    TApdData *owner = ApdDataOwner();
    auto *box = qobject_cast<TXDateFrame *>(Sender);
    if (owner && box)
        SetPrintedText(box, FormatDateTime(box->DateFormat(), owner->DatePeriodFrame->Date()));
}

// ---------------------------------------------------------------------------------- declaration records

TApdValue BoxValue(const TBoxField &Source)
{
    switch (Source.Field->Kind) {
    case TApdFieldKind::fwInteger:
        if (auto *box = qobject_cast<TXIntegerFrame *>(Source.Box))
            return qint64(box->Value());
        break;
    case TApdFieldKind::fwAmount:
        if (auto *box = qobject_cast<TXCurrencyFrame *>(Source.Box))
            return box->Value();
        break;
    case TApdFieldKind::fwDate:
        if (auto *box = qobject_cast<TXDateFrame *>(Source.Box))
            return box->Date();
        break;
    default:
        return Source.Box->Caption();
    }
    throw Exception(QStringLiteral("Το πλαίσιο «%1» δεν έχει τιμή για το πεδίο «%2» του αρχείου ΑΠΔ.")
                        .arg(Source.Box->Name(), Source.Field->Name()));
}

void LimitTyping(const std::vector<TBoxField> &Sources)
{
    for (const TBoxField &s : Sources) {
        auto *box = qobject_cast<TInplaceEditFrame *>(s.Box);
        if (!box)
            continue;
        const TApdField *field = s.Field;
        if (field->Kind == TApdFieldKind::fwDigits)
            box->SetValidChars(DigitChars, field->Name());
        else if (field->Kind == TApdFieldKind::fwDateText)
            box->SetValidChars(DigitChars + u'/', field->Name());
        // A date or a marital status is taken only as what the file writes it as.
        if (field->Kind == TApdFieldKind::fwDateText || field->Kind == TApdFieldKind::fwMarital)
            box->SetTypedReader([field](const QString &Typed) { return TypedFieldText(*field, Typed); });
    }
}

std::vector<TBoxField> TEmployFrame::LineFields(int Line) const
{
    const TLine &l = FLines[size_t(Line)];
    namespace E = ApdEmployee;
    namespace I = ApdInsurance;
    return {{l.Register, &E::Register, 22},
            {l.Amka, &E::Amka, 23},
            {l.Surname, &E::Surname, 24},
            {l.Name, &E::FirstName, 25},
            {l.Father, &E::FatherName, 26},
            {l.Mother, &E::MotherName, 27},
            {l.Birth, &E::BirthDate, 28},
            {l.Afm, &E::Afm, 29},
            {l.Married, &E::Married, 30},
            {l.Branch, &I::Branch, 21},
            {l.Periods, &I::Triennia, 31},
            {l.Sundays, &I::Sundays, 32},
            {l.Specialty, &I::Specialty, 33},
            {l.SpecialCase, &I::SpecialCase, 34},
            {l.Package, &I::Package, 35},
            {l.From, &I::From, 36},
            {l.To, &I::Until, 37},
            {l.EarningsType, &I::EarningsType, 38},
            {l.Days, &I::Days, 39},
            {l.Wage, &I::Wage, 40},
            {l.Earnings, &I::Earnings, 41},
            {l.Phase, &I::Phase, 42},
            {l.AccountingDays, &I::AccountingDays, 43},
            {l.Insured, &I::Insured, 44},
            {l.Employer, &I::Employer, 45},
            {l.Total, &I::Total, 46}};
}

void TEmployFrame::ExportLine(int Line, TApdFile &File, TExportProblems *Problems)
{
    // A field whose value is refused is left blank: nothing is written then anyway.
    TEmployeeRecord e;
    TInsuranceRecord r;
    e.fill(' ');
    r.fill(' ');
    const int problemsBefore = Problems ? Problems->Count() : 0;
    const auto *sheet = qobject_cast<const TTabSheet *>(Parent());
    const QString page = sheet ? sheet->Caption() : Name();
    PutValue(e.data(), ApdEmployee::RecordType, QStringLiteral("2"));
    PutValue(r.data(), ApdInsurance::RecordType, QStringLiteral("3"));
    for (const TBoxField &f : LineFields(Line)) {
        const TApdValue value = BoxValue(f);
        if (Problems && !Problems->Check(*f.Field, value, [&] {
                return QStringLiteral("%1, γραμμή %2, πλαίσιο %3 (%4)")
                    .arg(page)
                    .arg(Line + 1)
                    .arg(f.Row)
                    .arg(f.Field->Name());
            }))
            continue;
        PutValue(f.Field->Record == TApdRecordKind::rkEmployee ? e.data() : r.data(), *f.Field, value);
    }
    const int kept = File.Count();
    File.AddRecord(e, r);
    // What a dropped line holds goes nowhere. (A register number that is no number is left blank, so its
    // line is not taken for one without a number.)
    if (Problems && File.Count() == kept)
        Problems->Truncate(problemsBefore);
}

void TEmployFrame::ExportLine1(TApdFile &File, TExportProblems *Problems)
{
    ExportLine(0, File, Problems);
}

void TEmployFrame::ExportLine2(TApdFile &File, TExportProblems *Problems)
{
    ExportLine(1, File, Problems);
}

void TEmployFrame::ExportLine3(TApdFile &File, TExportProblems *Problems)
{
    ExportLine(2, File, Problems);
}

void TEmployFrame::ExportLines(TApdFile &File, TExportProblems *Problems)
{
    MakeWhole();
    ExportLine1(File, Problems);
    ExportLine2(File, Problems);
    ExportLine3(File, Problems);
}
