#include "XPrinters.h"

#include "platform/SafeWrite.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <unistd.h>
#include <utility>

// A page recording that reports the printer's resolution and printable area, so that text measured while
// recording breaks as it does on paper.
class TPagePicture : public QPicture
{
public:
    explicit TPagePicture(QPaintDevice *reference)
        : FWidth(reference->width()), FHeight(reference->height()), FWidthMM(reference->widthMM()),
          FHeightMM(reference->heightMM()), FDpiX(reference->logicalDpiX()), FDpiY(reference->logicalDpiY())
    {
    }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return FWidth;
        case PdmHeight:
            return FHeight;
        case PdmWidthMM:
            return FWidthMM;
        case PdmHeightMM:
            return FHeightMM;
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return FDpiX;
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return FDpiY;
        default:
            return QPicture::metric(m);
        }
    }

private:
    int FWidth, FHeight, FWidthMM, FHeightMM, FDpiX, FDpiY;
};

// Qt plays a picture scaled by the target's resolution over this one; drawing in device pixels undoes it.
Q_GUI_EXPORT int qt_defaultDpiX();
Q_GUI_EXPORT int qt_defaultDpiY();

namespace
{

// A recorded page as a picture to stretch into a rectangle. The recording holds device pixels of the
// printer (its own mapping included), so it is played in device pixels of the target, scaled from the
// recording's frame onto the rectangle's place on the device.
class TMetafileGraphic : public TGraphic
{
public:
    explicit TMetafileGraphic(const QPicture &picture) : FPicture(picture) {}
    void Draw(QPainter &painter, const QRectF &rect) override
    {
        const QRect frame = FPicture.boundingRect();
        if (frame.isEmpty())
            return;
        const QRectF target = painter.combinedTransform().mapRect(rect);
        QPaintDevice *device = painter.device();
        painter.save();
        painter.setViewTransformEnabled(false);
        painter.setWorldTransform(QTransform());
        painter.translate(target.topLeft());
        painter.scale(target.width() / frame.width(), target.height() / frame.height());
        painter.translate(-frame.topLeft());
        painter.scale(double(qt_defaultDpiX()) / device->logicalDpiX(),
                      double(qt_defaultDpiY()) / device->logicalDpiY());
        painter.drawPicture(0, 0, FPicture);
        painter.restore();
    }
    bool Empty() const override { return FPicture.isNull(); }
    int Width() const override { return FPicture.boundingRect().width(); }
    int Height() const override { return FPicture.boundingRect().height(); }

private:
    QPicture FPicture;
};

TPrinterSize ReadPrinterSize()
{
    QPaintDevice *dc = Printer()->Handle();
    TPrinterSize s;
    s.PageWidth = GetDeviceCaps(dc, HORZSIZE) * 10;
    s.PageHeight = GetDeviceCaps(dc, VERTSIZE) * 10;
    s.HorzRes = GetDeviceCaps(dc, HORZRES);
    s.VertRes = GetDeviceCaps(dc, VERTRES);
    return s;
}

} // namespace

// ---- TDocPageWindow ----

TDocPageWindow *TDocPageWindow::Pop()
{
    TDocPageWindow *next = Next;
    delete this;
    return next;
}

// ---- TDocPage ----

TDocPage::TDocPage(TCanvas *ACanvas) : TComponent(nullptr), FCanvas(ACanvas)
{
}

TDocPage::~TDocPage()
{
    while (FWindow)
        FWindow = FWindow->Pop();
}

void TDocPage::SetPageSize(int W, int H, int DevW, int DevH)
{
    FLogicalWidth = W;
    FLogicalHeight = H;
    FDeviceWidth = DevW;
    FDeviceHeight = DevH;
    while (FWindow)
        FWindow = FWindow->Pop();
    FWindow = new TDocPageWindow({0, 0, W, H}, nullptr);
    ApplyWindow();
}

void TDocPage::ApplyWindow()
{
    if (!FWindow || !FCanvas)
        return;
    const int l = FWindow->Left, t = FWindow->Top, r = FWindow->Right, b = FWindow->Bottom;
    const int vl = MulDiv(l, FDeviceWidth, FLogicalWidth), vr = MulDiv(r, FDeviceWidth, FLogicalWidth);
    const int vt = MulDiv(t, FDeviceHeight, FLogicalHeight), vb = MulDiv(b, FDeviceHeight, FLogicalHeight);
    FCanvas->SetMapMode(MM_ANISOTROPIC);
    FCanvas->SetWindowOrgEx(0, 0);
    FCanvas->SetWindowExtEx(r - l, b - t);
    FCanvas->SetViewportOrgEx(vl, vt);
    FCanvas->SetViewportExtEx(vr - vl, vb - vt);
}

TRect TDocPage::GetPageRect()
{
    return FWindow ? TRect{FWindow->Left, FWindow->Top, FWindow->Right, FWindow->Bottom} : TRect{};
}

// ---- TDocPrinter ----

TDocPrinter::TDocPrinter() : TComponent(nullptr)
{
}

TDocPrinter::~TDocPrinter()
{
    for (TDocPage *page : FPages)
        delete page;
    FPages.clear();
}

void TDocPrinter::NewPage()
{
    TDocPage *page = CreatePage();
    if (!page)
        return;
    FPages.push_back(page);
    page->SetPageNumber(int(FPages.size()));
    FCurrentPage = page;
    DoNewPage();
}

void TDocPrinter::DoNewPage()
{
    if (OnNewPage)
        OnNewPage(this, FCurrentPage);
}

// ---- TEMFPage ----

TEMFPage::TEMFPage() : TDocPage(nullptr)
{
    QPaintDevice *reference = Printer()->Handle();
    FMetafile = std::make_unique<TPagePicture>(reference);
    FMetafile->setBoundingRect(QRect(0, 0, reference->width(), reference->height()));
    FPainter = std::make_unique<QPainter>();
    if (!FPainter->begin(FMetafile.get()))
        throw EPrinter(QStringLiteral("Αδυναμία καταγραφής σελίδας"));
    FOwnCanvas = std::make_unique<TCanvas>();
    FOwnCanvas->SetPainter(FPainter.get());
    SetCanvas(FOwnCanvas.get());
}

TEMFPage::~TEMFPage()
{
    // A page freed while still recording (its document failed in the page loop) drops its recording.
    if (FPainter && FPainter->isActive())
        FPainter->end();
    if (!FFileName.isEmpty() && QFile::exists(FFileName))
        QFile::remove(FFileName);
}

void TEMFPage::SaveToTemp(const QString &Path)
{
    if (!FMetafile)
        return;
    SetCanvas(nullptr);
    FOwnCanvas.reset();
    const QRect frame(0, 0, DeviceWidth(), DeviceHeight());
    FMetafile->setBoundingRect(frame);
    FPainter->end();
    FPainter.reset();
    FFileName = TEMFPrinter::PageFileName(Path, PageNumber());
    if (!FMetafile->save(FFileName))
        throw EFCreateError(QStringLiteral("Αδυναμία δημιουργίας του αρχείου ") + QDir::toNativeSeparators(FFileName));
    FMetafile.reset();
}

void TEMFPage::LoadInto(TPicture *Picture)
{
    QPicture picture;
    if (FFileName.isEmpty() || !picture.load(FFileName))
        throw EStreamError(QStringLiteral("Αδυναμία ανάγνωσης του αρχείου ") + QDir::toNativeSeparators(FFileName));
    Picture->SetGraphic(std::make_unique<TMetafileGraphic>(picture));
}

// ---- TEMFPrinter ----

TEMFPrinter::TEMFPrinter() : FSize(ReadPrinterSize())
{
}

namespace
{
// One folder per process, so two running programs never share page files.
const QString TempFolderPrefix = QStringLiteral("DovraApd-");

QString ProcessTempFolder()
{
    return QDir(QDir::tempPath()).filePath(TempFolderPrefix + QString::number(QCoreApplication::applicationPid()));
}
} // namespace

int TEMFPrinter::RemoveStaleTempPaths()
{
    int removed = 0;
    const QDir temp(QDir::tempPath());
    for (const QFileInfo &entry : temp.entryInfoList(
             {TempFolderPrefix + u'*'}, QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot | QDir::Hidden)) {
        bool ok = false;
        const qint64 pid = entry.fileName().mid(TempFolderPrefix.size()).toLongLong(&ok);
        // Only this user's folders of ended processes, named as the program names them.
        if (!ok || pid <= 0 || entry.fileName() != TempFolderPrefix + QString::number(pid) ||
            entry.ownerId() != ::getuid() || pid == QCoreApplication::applicationPid() || Platform::ProcessRuns(pid))
            continue;
        if (QDir(entry.absoluteFilePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

QString TEMFPrinter::GetTempPath()
{
    const QString path = ProcessTempFolder();
    QDir().mkpath(path);
    return path;
}

void TEMFPrinter::RemoveTempPath()
{
    QDir(ProcessTempFolder()).removeRecursively();
}

QString TEMFPrinter::PageFileName(const QString &Path, int PageNumber)
{
    QString dir = Path;
    if (!dir.endsWith(u'/') && !dir.endsWith(QDir::separator()))
        dir += u'/';
    return dir + QStringLiteral("temp%1.emf").arg(PageNumber, 3, 10, QLatin1Char('0'));
}

void TDocPrinter::EndDocAfterFailure() noexcept
{
    try {
        EndDoc();
    } catch (const std::exception &) {
    }
}

void TEMFPrinter::BeginDoc(const QString &Title)
{
    TDocPrinter::BeginDoc(Title);
    // The folder is needed before the first page is saved.
    FTempPath = GetTempPath();
    NewPage();
}

TDocPage *TEMFPrinter::CreatePage()
{
    if (auto *current = static_cast<TEMFPage *>(CurrentPage()))
        current->SaveToTemp(FTempPath);
    auto *page = new TEMFPage;
    page->SetPageSize(FSize.PageWidth, FSize.PageHeight, FSize.HorzRes, FSize.VertRes);
    TCanvas *canvas = page->Canvas();
    canvas->Brush().Color = clWhite;
    canvas->Brush().Style = bsSolid;
    canvas->FillRect(page->GetPageRect());
    return page;
}

void TEMFPrinter::EndDoc()
{
    if (auto *current = static_cast<TEMFPage *>(CurrentPage()))
        current->SaveToTemp(FTempPath);
    SetCurrentPage(nullptr);
    TDocPrinter::EndDoc();
}

// ---- TLPTPrinter ----

TLPTPrinter::TLPTPrinter() : FSize(ReadPrinterSize())
{
}

TLPTPrinter::~TLPTPrinter()
{
    if (FJobOpen)
        Printer()->Abort();
    if (!FTempFile.isEmpty())
        QFile::remove(FTempFile);
}

void TLPTPrinter::BeginDoc(const QString &Title)
{
    FFirstPage = true;
    FFileName.clear();
    Printer()->SetTitle(Title);
    FTarget = Printer()->OutputFileName();
    if (!FTarget.isEmpty()) {
        // The job is written beside its file under a hidden name, and takes its own name only when whole.
        Platform::RemoveStaleTemporaries(FTarget);
        FTempFile = Platform::WriteTemporaryBeside(FTarget, {});
    }
    // A job that cannot start leaves no file behind.
    TScopeExit removeTemp([this] {
        if (!FTempFile.isEmpty())
            QFile::remove(FTempFile);
        FTempFile.clear();
    });
    Printer()->BeginDoc(FTempFile);
    removeTemp.Dismiss();
    FJobOpen = true;
    NewPage();
}

TDocPage *TLPTPrinter::CreatePage()
{
    if (!FFirstPage)
        Printer()->NewPage();
    FFirstPage = false;
    auto *page = new TDocPage(Printer()->Canvas());
    page->SetPageSize(FSize.PageWidth, FSize.PageHeight, FSize.HorzRes, FSize.VertRes);
    return page;
}

void TLPTPrinter::EndDoc()
{
    FJobOpen = false;
    Printer()->EndDoc();
    if (!FTempFile.isEmpty()) {
        const QString temp = std::exchange(FTempFile, QString());
        FFileName = Platform::KeepUnderFreeName(temp, FTarget);
    }
}

QString PrintedFilesText(const QStringList &Files)
{
    QStringList names;
    for (const QString &file : Files)
        names << QDir::toNativeSeparators(file);
    if (names.isEmpty())
        return {};
    if (names.size() == 1)
        return QStringLiteral("Η εκτύπωση γράφτηκε στο αρχείο %1").arg(names.front());
    return QStringLiteral("Οι εκτυπώσεις γράφτηκαν στα αρχεία:\n") + names.join(u'\n');
}

QString PrintoutsText(const std::vector<TPrintout> &Done, const QStringList &NotPrinted, const QString &Cause)
{
    QStringList files, printed;
    for (const TPrintout &p : Done) {
        if (p.File.isEmpty())
            printed << p.Name;
        else
            files << p.Name + QStringLiteral(": ") + QDir::toNativeSeparators(p.File);
    }
    QStringList parts;
    if (!files.isEmpty())
        parts << (files.size() == 1 ? QStringLiteral("Η εκτύπωση γράφτηκε στο αρχείο:\n")
                                    : QStringLiteral("Οι εκτυπώσεις γράφτηκαν στα αρχεία:\n")) +
                     files.join(u'\n');
    if (NotPrinted.isEmpty() && Cause.isEmpty())
        return parts.join(QStringLiteral("\n\n"));
    // Those that reached a printer matter only beside those that did not.
    if (!printed.isEmpty())
        parts << (printed.size() == 1 ? QStringLiteral("Τυπώθηκε: ") : QStringLiteral("Τυπώθηκαν: ")) +
                     printed.join(QStringLiteral(", ")) + u'.';
    QString failure;
    if (!NotPrinted.isEmpty())
        failure = (NotPrinted.size() == 1 ? QStringLiteral("Δεν τυπώθηκε: ") : QStringLiteral("Δεν τυπώθηκαν: ")) +
                  NotPrinted.join(QStringLiteral(", ")) + u'.';
    if (!Cause.isEmpty()) {
        QString cause = Cause;
        if (!cause.endsWith(u'.'))
            cause += u'.';
        failure += (failure.isEmpty() ? QString() : QStringLiteral("\n")) + cause;
    }
    parts << failure;
    return parts.join(QStringLiteral("\n\n"));
}
