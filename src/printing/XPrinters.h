// Documents as ordered lists of pages drawn in 0.1 mm: pages recorded as picture files for the preview
// (TEMFPrinter) or drawn straight on the system printer (TLPTPrinter).
#pragma once

#include "XForms/XDocClass.h"
#include "vcl/Classes.h"

#include <QString>
#include <memory>
#include <vector>

class TCanvas;
class TPicture;
class TPagePicture;
class QPainter;

// One drawing window of a page, in 0.1 mm; the windows of a page form a stack.
class TDocPageWindow
{
public:
    TDocPageWindow(const TRect &R, TDocPageWindow *ANext)
        : Left(R.Left), Top(R.Top), Right(R.Right), Bottom(R.Bottom), Next(ANext)
    {
    }
    int GetWidth() const { return Right - Left; }
    int GetHeight() const { return Bottom - Top; }
    TRect GetClientRect() const { return {0, 0, GetWidth(), GetHeight()}; }
    // Frees this window and returns the one below it.
    TDocPageWindow *Pop();

    int Left, Top, Right, Bottom;
    TDocPageWindow *Next;
};

// One page of a document; its canvas is mapped so that one logical unit is 0.1 mm on the device.
class TDocPage : public TComponent, public IPage
{
    Q_OBJECT
public:
    explicit TDocPage(TCanvas *ACanvas);
    ~TDocPage() override;

    // Sets the page size in 0.1 mm and in device pixels and maps the whole page onto the device.
    void SetPageSize(int W, int H, int DevW, int DevH);
    // Maps the top window onto the device.
    void ApplyWindow();

    // IPage
    int PageNumber() override { return FPageNumber; }
    TRect GetPageRect() override;
    TCanvas *Canvas() override { return FCanvas; }

    void SetPageNumber(int v) { FPageNumber = v; }
    int LogicalWidth() const { return FLogicalWidth; }
    int LogicalHeight() const { return FLogicalHeight; }
    int DeviceWidth() const { return FDeviceWidth; }
    int DeviceHeight() const { return FDeviceHeight; }

protected:
    void SetCanvas(TCanvas *ACanvas) { FCanvas = ACanvas; }

private:
    TCanvas *FCanvas; // not owned
    int FLogicalWidth = 0, FLogicalHeight = 0;
    int FDeviceWidth = 0, FDeviceHeight = 0;
    TDocPageWindow *FWindow = nullptr;
    int FPageNumber = 0;
};

class TDocPrinter;
using TNewPageEvent = TEvent<void(TObject *Sender, TDocPage *Page)>;

// The second face of a document (begin, end, new page, current page).
class IDocument
{
public:
    virtual void BeginDoc(const QString &Title) = 0;
    virtual void EndDoc() = 0;
    virtual void NewPage() = 0;
    virtual IPage *GetCurrentPage() = 0;

protected:
    ~IDocument() = default;
};

// A document: the ordered pages it owns, the page being drawn, and the operations every kind provides.
class TDocPrinter : public TComponent, public IDocument
{
    Q_OBJECT
public:
    TDocPrinter();
    ~TDocPrinter() override;

    int PageCount() const { return int(FPages.size()); }
    TDocPage *Pages(int Index) const { return FPages[size_t(Index)]; }
    TDocPage *CurrentPage() const { return FCurrentPage; }
    IPage *GetCurrentPage() override { return FCurrentPage; }
    // Appends the page the kind makes and makes it current; nothing happens when it makes none.
    void NewPage() override;
    void BeginDoc(const QString &) override {}
    void EndDoc() override {}
    // Ends the document after its drawing failed: what was drawn still goes out, and a failure to end it is
    // dropped, so that the drawing's error is the one the caller hears of.
    void EndDocAfterFailure() noexcept;

    TNewPageEvent OnNewPage;

protected:
    virtual TDocPage *CreatePage() { return nullptr; }
    void DoNewPage();
    void SetCurrentPage(TDocPage *Page) { FCurrentPage = Page; }

private:
    std::vector<TDocPage *> FPages;
    TDocPage *FCurrentPage = nullptr;
};

// A page recorded into a picture file in the temporary folder.
class TEMFPage : public TDocPage
{
    Q_OBJECT
public:
    // Records against the printer: its resolution and printable area frame the recording.
    TEMFPage();
    ~TEMFPage() override;
    // Ends the recording and writes the page's file under Path; the page has no canvas afterwards.
    void SaveToTemp(const QString &Path);
    // Gives the picture the page as recorded (read anew from its file on every call).
    void LoadInto(TPicture *Picture);
    QString FileName() const { return FFileName; }
    bool Recording() const { return FMetafile != nullptr; }

private:
    std::unique_ptr<TPagePicture> FMetafile;
    std::unique_ptr<QPainter> FPainter;
    std::unique_ptr<TCanvas> FOwnCanvas;
    QString FFileName;
};

// The size of the current system printer, read once when a document is made.
struct TPrinterSize {
    int PageWidth = 0, PageHeight = 0; // printable area in 0.1 mm (whole millimetres times ten)
    int HorzRes = 0, VertRes = 0;      // printable area in pixels
};

// A document whose pages are recorded as files for the preview.
class TEMFPrinter : public TDocPrinter
{
    Q_OBJECT
public:
    TEMFPrinter();
    void BeginDoc(const QString &Title) override;
    void EndDoc() override;

    int PageWidth() const { return FSize.PageWidth; }
    int PageHeight() const { return FSize.PageHeight; }
    int HorzRes() const { return FSize.HorzRes; }
    int VertRes() const { return FSize.VertRes; }
    QString TempPath() const { return FTempPath; }
    // The folder the pages of every metafile document of this process are written to; made when asked for.
    static QString GetTempPath();
    // Removes that folder with whatever it still holds; the program's end calls it.
    static void RemoveTempPath();
    // Removes the folders of pages that programs which have ended (killed, or crashed) left behind; the
    // program's start calls it. Answers how many went.
    static int RemoveStaleTempPaths();
    // The file name of a page under Path: temp001.emf, temp002.emf ...
    static QString PageFileName(const QString &Path, int PageNumber);

protected:
    TDocPage *CreatePage() override;

private:
    TPrinterSize FSize;
    QString FTempPath;
};

// A document drawn straight onto the system printer, one sheet per page. When the printer is set up to
// write a file, each document is written as a file of its own: under the set-up name when it is free, else
// under the first free numbered name beside it (name-2.pdf, name-3.pdf ...), so no job replaces a file.
// The file takes its name only once the job has ended; a job that fails leaves no file behind.
class TLPTPrinter : public TDocPrinter
{
    Q_OBJECT
public:
    TLPTPrinter();
    // A job this document started and did not end (its page loop failed) is dropped, so the printer is
    // free for the next one.
    ~TLPTPrinter() override;
    void BeginDoc(const QString &Title) override;
    // Sends the job; a file job takes its name here (EFCreateError when it cannot, and then no file is left).
    void EndDoc() override;

    int PageWidth() const { return FSize.PageWidth; }
    int PageHeight() const { return FSize.PageHeight; }
    int HorzRes() const { return FSize.HorzRes; }
    int VertRes() const { return FSize.VertRes; }
    bool FirstPage() const { return FFirstPage; }
    // The file the ended job was written to; empty when it went to a printer.
    QString FileName() const { return FFileName; }

protected:
    TDocPage *CreatePage() override;

private:
    TPrinterSize FSize;
    bool FFirstPage = false;
    bool FJobOpen = false;
    QString FTarget, FTempFile, FFileName;
};

// What the user is told of printouts written to files: "Η εκτύπωση γράφτηκε στο αρχείο …" for one, the
// list for more; empty for none.
QString PrintedFilesText(const QStringList &Files);

// One of several printouts made one after another (the export's), as the user is told of it.
struct TPrintout {
    QString Name; // "Συνοδευτικό έντυπο" ...
    QString File; // the file it was written to; empty when it went to a printer
};
// What the user is told of such printouts: which file holds which ("Οι εκτυπώσεις γράφτηκαν στα αρχεία:" and
// a line "<name>: <file>" for each), and, when one failed, those that went to a printer, those that were not
// printed, and the cause. Empty when there is nothing to tell: no file written and nothing failed.
QString PrintoutsText(const std::vector<TPrintout> &Done, const QStringList &NotPrinted = {},
                      const QString &Cause = {});
