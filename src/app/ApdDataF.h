// The declaration window: the on-screen replica of the declaration form and, at the same time, the document.
// Its header boxes, totals and tabbed employee pages are what a document file stores; it prints, previews
// and exports itself.
#pragma once

#include "XForms/DbXForms.h"
#include "XForms/XDateFrame.h"
#include "XForms/XForms.h"
#include "declaration/ApdFile.h"
#include "platform/SafeRead.h"
#include "vcl/ComCtrls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/PrintDialogs.h"

#include <QIODevice>
#include <QPointer>
#include <array>
#include <vector>

#include <QMenu>
class TAction;
class TEmployFrame;
struct TBoxField;

// What the export options dialog hands to the export once it is confirmed.
struct TApdExportOptions {
    QString NameParts[3];
    bool PrintAccompanying = false;
    bool PrintPages = false;
    bool PrintLabel = false;
    QString FontName;
    int FontSize = 9;
    bool FontBold = false;
    // Empty: no file is written.
    QString Path;
    TDateTime SubmissionDate = 0;
    TDateTime StopDate = 0;
};

class TApdData : public TForm
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/ApdData.dfm")
    Q_PROPERTY(TXFrame *PageFrame MEMBER PageFrame STORED false)
    Q_PROPERTY(TXFrame *Document MEMBER Document STORED false)
    Q_PROPERTY(TXFrame *Header MEMBER Header STORED false)
    Q_PROPERTY(TXFrame *XFrame4 MEMBER XFrame4 STORED false)
    Q_PROPERTY(TXFrame *XFrame13 MEMBER XFrame13 STORED false)
    Q_PROPERTY(TXFrame *typeApdCode MEMBER typeApdCode STORED false)
    Q_PROPERTY(TXFrame *typeApdHint MEMBER typeApdHint STORED false)
    Q_PROPERTY(TDbLookupXFrame *DbLookupXFrame10 MEMBER DbLookupXFrame10 STORED false)
    Q_PROPERTY(TDbLookupXFrame *DbLookupXFrame9 MEMBER DbLookupXFrame9 STORED false)
    Q_PROPERTY(TDbLookupXFrame *DbLookupXFrame1 MEMBER DbLookupXFrame1 STORED false)
    Q_PROPERTY(TDbLookupXFrame *DbLookupXFrame2 MEMBER DbLookupXFrame2 STORED false)
    Q_PROPERTY(TDbLookupXFrame *DbLookupXFrame3 MEMBER DbLookupXFrame3 STORED false)
    Q_PROPERTY(TDbLookupXFrame *DbLookupXFrame4 MEMBER DbLookupXFrame4 STORED false)
    Q_PROPERTY(TDbLookupXFrame *DbLookupXFrame5 MEMBER DbLookupXFrame5 STORED false)
    Q_PROPERTY(TInplaceEditFrame *xEidosErgou MEMBER xEidosErgou STORED false)
    Q_PROPERTY(TDbLookupXFrame *frameAME MEMBER frameAME STORED false)
    Q_PROPERTY(TDbLookupXFrame *frameAMOE MEMBER frameAMOE STORED false)
    Q_PROPERTY(TDbLookupXFrame *frameAFM MEMBER frameAFM STORED false)
    Q_PROPERTY(TInplaceEditFrame *xOdosErgou MEMBER xOdosErgou STORED false)
    Q_PROPERTY(TInplaceEditFrame *xArOdouErgou MEMBER xArOdouErgou STORED false)
    Q_PROPERTY(TInplaceEditFrame *xTKErgou MEMBER xTKErgou STORED false)
    Q_PROPERTY(TInplaceEditFrame *xPoliErgou MEMBER xPoliErgou STORED false)
    Q_PROPERTY(TXDateFrame *DatePeriodFrame MEMBER DatePeriodFrame STORED false)
    Q_PROPERTY(TXCurrencyFrame *ApodoxesTotal MEMBER ApodoxesTotal STORED false)
    Q_PROPERTY(TXIntegerFrame *DaysTotal MEMBER DaysTotal STORED false)
    Q_PROPERTY(TXCurrencyFrame *EisforesTotal MEMBER EisforesTotal STORED false)
    Q_PROPERTY(TXFrame *FooterFrame MEMBER FooterFrame STORED false)
    Q_PROPERTY(TXFrame *XFrame454 MEMBER XFrame454 STORED false)
    Q_PROPERTY(TPageControl *PageControl1 MEMBER PageControl1 STORED false)
    Q_PROPERTY(TXFrameNotifier *XFrameNotifier1 MEMBER XFrameNotifier1 STORED false)
    Q_PROPERTY(TXFrameSheme *ShemeH2 MEMBER ShemeH2 STORED false)
    Q_PROPERTY(TXFrameSheme *ShemeH0 MEMBER ShemeH0 STORED false)
    Q_PROPERTY(TXFrameSheme *ShemeH1 MEMBER ShemeH1 STORED false)
    Q_PROPERTY(TXFrameSheme *ShemeH3 MEMBER ShemeH3 STORED false)
    Q_PROPERTY(TPrintDialog *PrintDialog1 MEMBER PrintDialog1 STORED false)
    Q_PROPERTY(TImage *Image1 MEMBER Image1 STORED false)
    Q_PROPERTY(TImage *Image2 MEMBER Image2 STORED false)

public:
    Q_INVOKABLE explicit TApdData(TComponent *AOwner);
    ~TApdData() override;

    // Published components (the document file and the employee pages use these names).
    TXFrame *PageFrame = nullptr;
    TXFrame *Document = nullptr;
    TXFrame *Header = nullptr;
    TXFrame *XFrame4 = nullptr;
    TXFrame *XFrame13 = nullptr;
    TXFrame *typeApdCode = nullptr;
    TXFrame *typeApdHint = nullptr;
    TDbLookupXFrame *DbLookupXFrame10 = nullptr;
    TDbLookupXFrame *DbLookupXFrame9 = nullptr;
    TDbLookupXFrame *DbLookupXFrame1 = nullptr;
    TDbLookupXFrame *DbLookupXFrame2 = nullptr;
    TDbLookupXFrame *DbLookupXFrame3 = nullptr;
    TDbLookupXFrame *DbLookupXFrame4 = nullptr;
    TDbLookupXFrame *DbLookupXFrame5 = nullptr;
    TInplaceEditFrame *xEidosErgou = nullptr;
    TDbLookupXFrame *frameAME = nullptr;
    TDbLookupXFrame *frameAMOE = nullptr;
    TDbLookupXFrame *frameAFM = nullptr;
    TInplaceEditFrame *xOdosErgou = nullptr;
    TInplaceEditFrame *xArOdouErgou = nullptr;
    TInplaceEditFrame *xTKErgou = nullptr;
    TInplaceEditFrame *xPoliErgou = nullptr;
    TXDateFrame *DatePeriodFrame = nullptr;
    TXCurrencyFrame *ApodoxesTotal = nullptr;
    TXIntegerFrame *DaysTotal = nullptr;
    TXCurrencyFrame *EisforesTotal = nullptr;
    TXFrame *FooterFrame = nullptr;
    TXFrame *XFrame454 = nullptr;
    TPageControl *PageControl1 = nullptr;
    TXFrameNotifier *XFrameNotifier1 = nullptr;
    TXFrameSheme *ShemeH2 = nullptr;
    TXFrameSheme *ShemeH0 = nullptr;
    TXFrameSheme *ShemeH1 = nullptr;
    TXFrameSheme *ShemeH3 = nullptr;
    TPrintDialog *PrintDialog1 = nullptr;
    TImage *Image1 = nullptr;
    TImage *Image2 = nullptr;

    // The document changed; the main window's handler marks it modified.
    TNotifyEvent OnChange;
    // Zoom in percent.
    int Scale = 100;
    // Set only while Loaded recomputes the totals; no change is reported meanwhile.
    bool Loading = false;
    // From this page count on, adding a page asks first.
    int MaxPagesAdvised = 8;
    // The menu that lists one entry per page; none until the main window gives one.
    QMenu *PageMenu() const { return FPageMenu.data(); }
    // Where the user starts when the window is installed: the first box in tab order that a click types
    // into, so that the focus put there leaves every click on the form doing what it always does (a box
    // whose click picks from a list would take the click into its open editor instead). None if none.
    TInplaceEditFrame *FirstTypedBox();
    // Hands what is typed in a box's open editor to the box, as Enter does (the computations, the totals
    // and the change follow), so that what is then saved, printed, previewed or exported is what the
    // screen shows. False when the box refuses the text: the user is told, the editor keeps the text for
    // correction, and the caller goes no further.
    bool CommitTyping();

    // ---- Pages, totals, change ----
    void AddPage();
    void DeletePage();
    QString UniqueName(const QString &Prefix) const;
    Q_INVOKABLE void RecalcTotals();
    Q_INVOKABLE void DoChange();
    void SetScale(int Percent);
    void SetPageMenu(QMenu *Item);
    void RebuildPageMenu();
    // Brings the entries in line with the pages without making them anew: the entry of a page that is
    // gone is freed, the others take their page's caption, a page added at the end gets a new entry.
    void UpdatePageMenu();
    void ClearPageMenu();
    void AddPageMenuEntry(TTabSheet *Sheet, QMenu *HostItem);
    void PageActionExecute(TObject *Sender);
    void PageActionUpdate(TObject *Sender);
    // The employee page on a sheet, none for a sheet without one; it may still stand for its stored form.
    static TEmployFrame *PageOf(TTabSheet *Sheet);
    // The pictures of the form's heading (SVG files): the logo, then the title.
    static QStringList ArtworkFiles();
    int PageCount() const { return PageControl1->PageCount(); }
    // The employee page at Index, made whole.
    TEmployFrame *Pages(int Index) const;

    // ---- Document file ----
    // Far above the largest declaration (64 full pages take well under 1 MB): a larger file is no
    // document and is refused before it is read.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
    void SaveToStream(QIODevice &Dest);
    // Replaces Path whole or not at all; answers the stamp of the file written.
    Platform::TFileStamp SaveToFile(const QString &Path);
    void LoadFromStream(QIODevice &Source);
    // Reads the document from the regular file Path (nothing else is opened, and no open waits);
    // Stamp, when given, describes the file read.
    void LoadFromFile(const QString &Path, Platform::TFileStamp *Stamp = nullptr);
    void GetChildren(TGetChildProc Proc, TComponent *Root) override;
    void Loaded() override;

    // ---- Printing, preview, export ----
    // Prints on the system printer; answers the file the job was written to when the printer writes files.
    QString Print(const QString &Title);
    void Preview();
    Q_INVOKABLE void PrintFromPreview(TObject *Sender);
    void ExportIkaApd();
    // The export once its options are known: the declaration file filled from the boxes and the pages,
    // saved when a path is given, then the chosen printouts. Answers the files the printouts were written
    // to when the printer writes files, and in Report what the user is told then (where the declaration
    // file went, which file holds which printout). When a printout fails, its error says where the
    // declaration file went, which printouts were made and which were not.
    QStringList ExportWith(const TApdExportOptions &Options, QString *Report = nullptr);
    // The header record of the declaration file, filled from the header boxes and the options; with
    // Problems, the values its fields cannot take as they are are noted there.
    void FillHeader(TApdFile &File, const TApdExportOptions &Options, TExportProblems *Problems = nullptr);
    // The header boxes that fill the declaration file's fields.
    std::vector<TBoxField> HeaderFields() const;
    // Header and lines into File; raises, naming each value that the file's fields cannot take.
    void CollectExport(TApdFile &File, const TApdExportOptions &Options);

    // ---- Handlers bound in the form ----
    Q_INVOKABLE void XFrameNotifier1Change(TObject *Sender, TXFrame *AFrameChanged);
    Q_INVOKABLE void DatePeriodFrameChange(TObject *Sender);
    Q_INVOKABLE void ShemeH0Change(TObject *Sender);
    Q_INVOKABLE void ShemeH1Change(TObject *Sender);
    Q_INVOKABLE void ShemeH2Change(TObject *Sender);
    Q_INVOKABLE void ShemeH3Change(TObject *Sender);
    Q_INVOKABLE void typeApdCodeClick(TObject *Sender);
    Q_INVOKABLE void TypeApdSelected(TObject *Sender);
    Q_INVOKABLE void DbLookupXFrame1Click(TObject *Sender);
    Q_INVOKABLE void XFrame13Click(TObject *Sender);
    Q_INVOKABLE void XFrame454Print(TObject *Sender, IPage *APage, const TRect &ARect);
    Q_INVOKABLE TRect DocumentAdjustPrintRect(TObject *Sender, TRect &ABoundsRect);

    // Sets the code and description boxes from a picked declaration-type line ("01 (Κανονική)").
    void SetTypeApd(const QString &Line);

private:
    void SetPageFlags();
    // Whether the employee page just printed goes on to the next sheet.
    bool PageGoesOn() const;
    void ShemeChanged(TXFrameSheme *Changed, int Index);
    void LoadArtwork();
    void BindDataSources();
    // A page chosen by the user (a tab clicked, Ctrl+Tab, Ctrl+PgDn): the focus goes to the tabs.
    void PageControl1Change(TObject *Sender);
    // The tabs, when they have the focus after a page change, show it.
    void MarkTabsFocus();

    QPointer<QMenu> FPageMenu;
    std::array<bool, 4> FSchemesChangedWhileLoading{};
    // The footer box's text of the design, shown whenever no page is being printed.
    QString FFooterText;
    // Sheets of the running print that continue an employee page begun on an earlier sheet: the footer
    // numbers employee pages, so such a sheet carries the number of the page it continues.
    int FContinuedSheets = 0;
    std::vector<QPointer<TAction>> FPageActions;
};
