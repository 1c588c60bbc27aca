// The employee page: one sheet of the declaration with three employee lines side by side, boxes 21 to
// 46 in rows, box 47 and the signature block below. It computes each line's work days, daily wage,
// earnings and contributions from the reference tables, tells its declaration window when totals and
// the modified state must follow, prints its continuation header and last-page blocks, and adds two
// records per line to the declaration file.
//
// The owner it talks to is the declaration window (TApdData): its period, employer numbers and schemes,
// its DoChange and RecalcTotals. With any other owner, or none, those steps do nothing.
#pragma once

#include "XForms/DbXForms.h"
#include "XForms/XDateFrame.h"
#include "XForms/XForms.h"
#include "declaration/ApdFile.h"
#include "vcl/Forms.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class TApdData;
class TTabSheet;

// A box whose value fills a field of the declaration file; Row is its number on the sheet (0 for a box of
// the header, whose field's title names it).
struct TBoxField {
    TXFrame *Box;
    const TApdField *Field;
    int Row = 0;
};
// The box's value as the field's writer takes it: the Value of an integer or amount box, the Date of a
// date box, the text of any other.
TApdValue BoxValue(const TBoxField &Source);
// The boxes of digits and date-text fields take only digits (and "/" for a date) as they are typed; a date
// or a marital status is taken only as the file writes it (TypedFieldText).
void LimitTyping(const std::vector<TBoxField> &Sources);

// The kind of the page's boxes bound to the reference tables.
using TEmployDbBox = TDbLookupXFrame;

class TEmployFrame : public TFrame, public IDbGroupFill
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/EmployFrame.dfm")
    // The page fills its sheet: its bounds are the sheet's layout, not part of a document.
    Q_CLASSINFO("Stored:Left", "IsBoundsStored")
    Q_CLASSINFO("Stored:Top", "IsBoundsStored")
    Q_CLASSINFO("Stored:Width", "IsBoundsStored")
    Q_CLASSINFO("Stored:Height", "IsBoundsStored")

public:
    Q_INVOKABLE bool IsBoundsStored() const { return false; }
    // Reads the form, marks the page inline and, when Owner is a declaration window, takes its period.
    Q_INVOKABLE explicit TEmployFrame(TComponent *AOwner);
    ~TEmployFrame() override;

    // What a scheme gives the boxes that use it: fonts, colour, print colour.
    struct TLooks {
        struct TFontLooks {
            QString Name;
            int Height = 0;
            TFontCharset Charset = DEFAULT_CHARSET;
            TColor Color = clWindowText;
            TFontPitch Pitch = fpDefault;
            TFontStyles Style;
            bool operator==(const TFontLooks &) const = default;
        } Font, SecondaryFont;
        TColor Color = clWhite;
        bool PrintColor = false;
        bool operator==(const TLooks &) const = default;
        static TLooks Of(const TXFrameSheme *Sheme);
    };
    // A page of a document as the document stores it (its stored form, from prefix to end), with the sums
    // that the window's totals take from it and the looks of its four schemes; or, without a form, a new
    // page the window added on Day.
    struct TStored {
        QByteArray Form;
        TDateTime Day = 0;
        Currency Earnings, Contributions;
        int Days = 0;
        std::array<TLooks, 4> Schemes;
        // The window's schemes the page takes when it is made (schemes read after the page).
        std::array<bool, 4> TakeSchemes{};
    };
    // What a page stored as Form holds, when the page is exactly what writing it again would store and
    // holds nothing but typed and computed values (so that reading it cannot fail); none otherwise, and the
    // document's reading makes the page.
    static std::optional<TStored> Inspect(const QByteArray &Form);
    // A page of a document that stands for the one Stored describes until something needs its boxes
    // (MakeWhole): it has none until then, its sums are Stored's and it is written as Stored.
    TEmployFrame(TComponent *AOwner, TStored Stored);
    // A new page named Name on Sheet of the declaration window Owner, as the window adds one: its period
    // and the window's schemes. With Waiting (the window is not shown), a page that stands for it until
    // something needs its boxes.
    static TEmployFrame *Add(TApdData *Owner, TTabSheet *Sheet, const QString &Name, bool Waiting);
    // Still standing for its stored form, without boxes.
    bool IsStored() const { return bool(FStored); }
    // The window's scheme Index (0 to 3) changed while the document was read, after this page: the page
    // takes it as a whole page would have, when it is made. Once the whole document is read, a page whose
    // schemes already look like the window's needs none of them, and one that needs some is made.
    void TakeSchemeWhenMade(int Index);
    void SettleSchemes();
    // The boxes of a page standing for its stored form: the form and the stored values read, as reading the
    // document would have made the page. Raises, naming the page and the cause, when that fails part-way;
    // the page then still stands for its stored form, without boxes.
    void MakeWhole() override;

    // Fired first on every change of a box of the page.
    TNotifyEvent OnChange;
    // Set by the declaration window before each print or preview.
    bool IsFirstPage = false;
    bool IsLastPage = false;

    // ---- used by the declaration window ----
    // Employment dates of all three lines := the month of Period; work days recounted.
    void SetPeriod(TDateTime Period);
    // Sums of boxes 41 and 46 of the three lines.
    Currency EarningsSum();
    Currency ContributionsSum();
    // Boxes 39 + 43 of the lines whose earnings box shows a text.
    int DaysSum();
    // The owner's four schemes copied into the page's.
    void CopySchemes();
    // Two records per line, line 1 first. With Problems, the values of the lines the file keeps that its
    // fields cannot take as they are are noted there.
    void ExportLines(TApdFile &File, TExportProblems *Problems = nullptr);
    void ExportLine1(TApdFile &File, TExportProblems *Problems = nullptr);
    void ExportLine2(TApdFile &File, TExportProblems *Problems = nullptr);
    void ExportLine3(TApdFile &File, TExportProblems *Problems = nullptr);
    // The texts the print hooks copy into the continuation header (employer numbers, period); the window
    // keeps them around a print job and puts them back afterwards.
    QStringList PrintedTexts() const;
    void SetPrintedTexts(const QStringList &Texts);
    // Written against a fresh page, so a document stores only what differs from the design.
    void WriteState(TWriter *Writer) override;
    // Read from a document: the day limits follow the dates read.
    void Loaded() override;
    // A pick fills line Group (1 to 3): its daily wage is worked out once, when every box shows the pick.
    void GroupFillBegin(int Group) override;
    void GroupFillEnd(int Group) override;

    // ---- components of the form ----
    TXFrameNotifier *XFrameNotifier1 = nullptr;
    TXFrameSheme *ShemeH0 = nullptr, *ShemeH1 = nullptr, *ShemeH2 = nullptr, *ShemeH3 = nullptr;
    TXFrame *ClientFrame = nullptr;
    // Row boxes of lines 1, 2 and 3.
    TDbLookupXFrame *Frame21C = nullptr, *Frame21D = nullptr, *Frame21E = nullptr;    // 21 branch
    TDbLookupXFrame *XFrame22a = nullptr, *XFrame22b = nullptr, *XFrame22c = nullptr; // 22 register no.
    TDbLookupXFrame *XFrame23a = nullptr, *XFrame23b = nullptr, *XFrame23c = nullptr; // 23 ΑΜΚΑ
    TDbLookupXFrame *DbLookupXFrame21 = nullptr, *DbLookupXFrame12 = nullptr, *DbLookupXFrame3 = nullptr; // 24 surname
    TDbLookupXFrame *DbLookupXFrame22 = nullptr, *DbLookupXFrame13 = nullptr, *DbLookupXFrame4 = nullptr; // 25 name
    TDbLookupXFrame *DbLookupXFrame23 = nullptr, *DbLookupXFrame14 = nullptr, *DbLookupXFrame5 = nullptr; // 26 father
    TDbLookupXFrame *DbLookupXFrame24 = nullptr, *DbLookupXFrame15 = nullptr, *DbLookupXFrame6 = nullptr; // 27 mother
    TDbLookupXFrame *DbLookupXFrame25 = nullptr, *DbLookupXFrame16 = nullptr, *DbLookupXFrame7 = nullptr; // 28 birth
    TDbLookupXFrame *DbLookupXFrame26 = nullptr, *DbLookupXFrame17 = nullptr, *DbLookupXFrame8 = nullptr; // 29 ΑΦΜ
    TDbLookupXFrame *Married1 = nullptr, *Married2 = nullptr, *Married3 = nullptr;                        // 30
    TDbLookupXFrame *Periods1 = nullptr, *Periods2 = nullptr, *Periods3 = nullptr;                        // 31 triennia
    TXIntegerFrame *XIntegerFrame1 = nullptr, *XIntegerFrame2 = nullptr, *XIntegerFrame3 = nullptr;       // 32 Sundays
    TDbLookupXFrame *Specialty1 = nullptr, *Specialty2 = nullptr, *Specialty3 = nullptr;                  // 33
    TDbLookupXFrame *xFrame34a = nullptr, *xFrame34b = nullptr, *xFrame34c = nullptr;                     // 34 case
    TDbLookupXFrame *xFrame35a = nullptr, *xFrame35b = nullptr, *xFrame35c = nullptr;                     // 35 package
    TXDateFrame *XDateFrame1 = nullptr, *XDateFrame2 = nullptr, *XDateFrame3 = nullptr;                   // 36 from
    TXDateFrame *XDateFrame4 = nullptr, *XDateFrame5 = nullptr, *XDateFrame6 = nullptr;                   // 37 until
    TXFrame *XFrame131 = nullptr, *XFrame132 = nullptr, *XFrame475 = nullptr;                             // 38 type
    TXIntegerFrame *DayCount39_1 = nullptr, *DayCount39_2 = nullptr, *DayCount39_3 = nullptr;             // 39 days
    TXCurrencyFrame *Payment1 = nullptr, *Payment2 = nullptr, *Payment3 = nullptr;                        // 40 wage
    TXCurrencyFrame *Apodoxes1 = nullptr, *Apodoxes2 = nullptr, *Apodoxes3 = nullptr;                     // 41 earnings
    TDbLookupXFrame *DbLookupXFrame9 = nullptr, *DbLookupXFrame18 = nullptr, *DbLookupXFrame27 = nullptr; // 42 phase
    TXIntegerFrame *DayCount43_1 = nullptr, *DayCount43_2 = nullptr, *DayCount43_3 = nullptr;             // 43
    // Box 44 holds the insured's share and box 45 the employer's, whatever the names say.
    TXCurrencyFrame *EisforesEmpolyer1 = nullptr, *EisforesEmpolyer2 = nullptr, *EisforesEmpolyer3 = nullptr;
    TXCurrencyFrame *EisforesEmpolyee1 = nullptr, *EisforesEmpolyee2 = nullptr, *EisforesEmpolyee3 = nullptr;
    TXCurrencyFrame *EisforesTotal1 = nullptr, *EisforesTotal2 = nullptr, *EisforesTotal3 = nullptr; // 46
    // Printed blocks.
    TXFrame *XFrame493 = nullptr, *frameAME = nullptr, *frameAMOE = nullptr, *frameAFM = nullptr, *XFrame503 = nullptr;
    TXFrame *XFrame13 = nullptr, *XFrame14 = nullptr, *XFrame21 = nullptr;
    TXFrame *XFrame1 = nullptr, *XFrame2 = nullptr;

    // ---- handlers bound by name in the form ----
    Q_INVOKABLE void XFrame22cClick(TObject *Sender);
    Q_INVOKABLE void DbLookupXFrame9Click(TObject *Sender);
    Q_INVOKABLE void Frame21CDropDown(TObject *Sender);
    Q_INVOKABLE void xFrame34aDropDown(TObject *Sender);
    Q_INVOKABLE void Specialty1DropDown(TObject *Sender);
    Q_INVOKABLE void XFrame131Click(TObject *Sender);
    Q_INVOKABLE void XFrame22aChangeText(TObject *Sender);
    Q_INVOKABLE void Specialty1ChangeText(TObject *Sender);
    Q_INVOKABLE void Specialty2ChangeText(TObject *Sender);
    Q_INVOKABLE void Specialty3ChangeText(TObject *Sender);
    Q_INVOKABLE void Payment1DblClick(TObject *Sender);
    Q_INVOKABLE void Payment2DblClick(TObject *Sender);
    Q_INVOKABLE void Payment3DblClick(TObject *Sender);
    Q_INVOKABLE void Payment1ChangeText(TObject *Sender);
    Q_INVOKABLE void Payment2ChangeText(TObject *Sender);
    Q_INVOKABLE void Paeyment3ChangeText(TObject *Sender);
    Q_INVOKABLE void XDateFrame1DateChange(TObject *Sender);
    Q_INVOKABLE void XDateFrame2DateChange(TObject *Sender);
    Q_INVOKABLE void XDateFrame3DateChange(TObject *Sender);
    Q_INVOKABLE void Apodoxes1ChangeText(TObject *Sender);
    Q_INVOKABLE void Apodoxes2ChangeText(TObject *Sender);
    Q_INVOKABLE void Apodoxes3ChangeText(TObject *Sender);
    Q_INVOKABLE void xFrame35aChangeText(TObject *Sender);
    Q_INVOKABLE void xFrame35bChangeText(TObject *Sender);
    Q_INVOKABLE void xFrame35cChangeText(TObject *Sender);
    Q_INVOKABLE void EisforesTotal1ChangeText(TObject *Sender);
    Q_INVOKABLE void XFrameNotifier1Change(TObject *Sender, TXFrame *AFrameChanged);
    Q_INVOKABLE void DateTimePicker2Change(TObject *Sender);
    void FrameMouseWheel(TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool &Handled);
    // Display and print hooks.
    Q_INVOKABLE void DayCount39_1GetPrintText(TObject *Sender, QString &Text);
    Q_INVOKABLE void XDateFrame2GetPrintText(TObject *Sender, QString &Text);
    Q_INVOKABLE void XDateFrame3GetPrintText(TObject *Sender, QString &Text);
    Q_INVOKABLE void xFrame34aGetPrintText(TObject *Sender, QString &Text);
    Q_INVOKABLE void XFrame493PrintInit(TObject *Sender, bool &Print);
    Q_INVOKABLE void XFrame1PrintInit(TObject *Sender, bool &Print);
    Q_INVOKABLE void frameAMEPrint(TObject *Sender, IPage *APage, const TRect &ARect);
    Q_INVOKABLE void frameAMOEPrint(TObject *Sender, IPage *APage, const TRect &ARect);
    Q_INVOKABLE void frameAFMPrint(TObject *Sender, IPage *APage, const TRect &ARect);
    Q_INVOKABLE void XFrame503Print(TObject *Sender, IPage *APage, const TRect &ARect);

    // Repaints every control under Box, box by box down the tree.
    void RefreshBoxes(TWinControl *Box);
    // Box 39's or 43's limit from the line's dates; counts the weekdays into it when Counting.
    void CountWorkDays(TXIntegerFrame *Box, bool Counting, TDateTime From, TDateTime To);
    // Calendar days from From to To, both included; 0 (no limit) for dates outside the calendar.
    static int DayLimit(TDateTime From, TDateTime To);
    // The owner, when it is a declaration window.
    TApdData *ApdDataOwner() const;

protected:
    // A page is made whole before it is shown; one that cannot be is shown empty, and the user told.
    QWidget *CreatePeer() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void AlignControls(TControl *AControl, TRect &Rect) override;

public:
    // The sheet scrolled by the wheel scrolls back as far as a box given the focus needs to show.
    void ScrollInView(TControl *AControl) override;

private:
    // The boxes of one employee line.
    struct TLine {
        TDbLookupXFrame *Branch, *Register, *Amka, *Surname, *Name, *Father, *Mother, *Birth, *Afm, *Married, *Periods;
        TXIntegerFrame *Sundays;
        TDbLookupXFrame *Specialty, *SpecialCase, *Package;
        TXDateFrame *From, *To;
        TXFrame *EarningsType;
        TXIntegerFrame *Days;
        TXCurrencyFrame *Wage, *Earnings;
        TDbLookupXFrame *Phase;
        TXIntegerFrame *AccountingDays;
        TXCurrencyFrame *Insured, *Employer, *Total;
    };
    // The form read and its boxes bound.
    void ReadDesign();
    void BindComponents();
    // The form's parts found by name, or let go.
    void BindParts(bool Find);
    // A page standing for Stored made whole: a new page as the window adds one, or a stored one as reading
    // the document makes it.
    void MakeNew(const TStored &Stored);
    void MakeStored(const TStored &Stored);
    // Back to a page without boxes after a failed making: named Name, every component made since Before
    // freed, the parts let go, its design to be read again (Design, as before the making).
    void Unmake(const QString &Name, const QList<TComponent *> &Before, const QMetaObject *Design) noexcept;
    // False while the page or its window is being read: stored values are not worked out again.
    bool Computing() const;
    // The line of a box of rows 22, 30, 31 or 33; -1 for any other.
    int LineOf(TObject *Box) const;
    void LineDateChange(int Line);
    void LineWage(int Line);
    void LineEarnings(int Line);
    void LineContributions(int Line);
    void LineSpecialCase(int Line);
    // Line's dates := the month of Period, as a new page's.
    void SetLinePeriod(int Line, TDateTime Period);
    // Line's boxes that its register number's box leaves empty, emptied: as on a new page.
    void EmptyLine(int Line);
    // Line shows nothing in its hooked boxes: no register number, and nothing that counts.
    bool LineIsBlank(int Line) const;
    // Paints the page again when a line starts or stops showing what it holds.
    void FollowBlankLines();
    void LineBlank(int Line, QString &Text);
    void ExportLine(int Line, TApdFile &File, TExportProblems *Problems);
    // The boxes of a line that fill the declaration file's fields, with their rows.
    std::vector<TBoxField> LineFields(int Line) const;
    void CopyOwnerText(TObject *Sender, TXFrame *OwnerBox);
    void SetPrintedText(TXFrame *Box, const QString &Text);
    void NotifyChange();
    // The window's totals follow every change of a line's earnings or total contributions: the earnings
    // and days totals go into the declaration file's header and must match its lines.
    void RecalcOwnerTotals();
    void ScrollLine(bool Up);

    std::array<TLine, 3> FLines{};
    bool FBound = false;
    // Per line: a pick is filling it, and a change has asked for its daily wage meanwhile.
    std::array<bool, 3> FFilling{}, FWagePending{};
    // Per line: it showed nothing of what it holds, when last looked at.
    std::array<bool, 3> FBlankLines{};
    // How far the wheel has scrolled the sheet up, in pixels.
    int FScrollTop = 0;
    // The stored form the page stands for, until it is made whole.
    std::unique_ptr<TStored> FStored;
};
