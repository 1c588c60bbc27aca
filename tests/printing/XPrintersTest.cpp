// Documents and pages: numbering, current page, the page rectangle of the printer, the temporary page
// files of a recorded document, sheet breaks of a direct document, and white recorded pages.
#include "PrintTestSupport.h"

#include "platform/SafeWrite.h"
#include "printing/XPrinters.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

struct DocumentTest : ::testing::Test {
    QTemporaryDir Dir;
    QString Pdf;
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        Pdf = Dir.filePath(QStringLiteral("doc.pdf"));
        UsePdfPrinter(Pdf);
    }
};

// The names of the files in a folder, hidden ones too with Hidden.
QStringList Files(const QString &folder, QDir::Filters extra = {})
{
    return QDir(folder).entryList(QDir::Files | extra, QDir::Name);
}

// Renders a recorded page into an image of the given width.
QImage Render(TEMFPage *page, int width)
{
    TPicture picture;
    page->LoadInto(&picture);
    const int height = MulDiv(width, page->LogicalHeight(), page->LogicalWidth());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    picture.Graphic()->Draw(painter, QRectF(0, 0, width, height));
    return image;
}

} // namespace

TEST_F(DocumentTest, PagesAreNumberedFromOneAndCurrentPageFollowsTheKind)
{
    TEMFPrinter emf;
    EXPECT_EQ(emf.GetCurrentPage(), nullptr);
    emf.BeginDoc(QStringLiteral("x"));
    ASSERT_EQ(emf.PageCount(), 1);
    EXPECT_EQ(emf.GetCurrentPage()->PageNumber(), 1);
    int fired = 0;
    emf.OnNewPage = [&](TObject *Sender, TDocPage *Page) {
        EXPECT_EQ(Sender, &emf);
        EXPECT_EQ(Page, emf.CurrentPage());
        ++fired;
    };
    emf.NewPage();
    emf.NewPage();
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(emf.Pages(2)->PageNumber(), 3);
    emf.EndDoc();
    EXPECT_EQ(emf.GetCurrentPage(), nullptr);

    TLPTPrinter lpt;
    EXPECT_EQ(lpt.GetCurrentPage(), nullptr);
    lpt.BeginDoc(QStringLiteral("x"));
    lpt.NewPage();
    lpt.EndDoc();
    ASSERT_NE(lpt.GetCurrentPage(), nullptr);
    EXPECT_EQ(lpt.GetCurrentPage()->PageNumber(), 2);
}

TEST_F(DocumentTest, PageRectangleIsThePrintableAreaInTenthsOfAMillimetre)
{
    TEMFPrinter doc;
    EXPECT_EQ(doc.PageWidth(), 1900);
    EXPECT_EQ(doc.PageHeight(), 2770);
    EXPECT_EQ(doc.HorzRes(), Printer()->QtPrinter()->width());
    doc.BeginDoc(QStringLiteral("x"));
    EXPECT_EQ(doc.GetCurrentPage()->GetPageRect(), (TRect{0, 0, 1900, 2770}));
    doc.EndDoc();
}

TEST_F(DocumentTest, RecordedPagesLiveInFilesUntilTheDocumentIsFreed)
{
    QStringList files;
    {
        TEMFPrinter doc;
        doc.BeginDoc(QStringLiteral("x"));
        doc.NewPage();
        doc.NewPage();
        doc.EndDoc();
        for (int i = 0; i < 3; ++i)
            files << static_cast<TEMFPage *>(doc.Pages(i))->FileName();
        EXPECT_TRUE(files[0].endsWith(QStringLiteral("/temp001.emf")));
        EXPECT_TRUE(files[2].endsWith(QStringLiteral("/temp003.emf")));
        for (const QString &f : files)
            EXPECT_TRUE(QFile::exists(f)) << qPrintable(f);
        // Read back any number of times.
        TPicture a, b;
        static_cast<TEMFPage *>(doc.Pages(1))->LoadInto(&a);
        static_cast<TEMFPage *>(doc.Pages(1))->LoadInto(&b);
        EXPECT_FALSE(a.Graphic()->Empty());
    }
    for (const QString &f : files)
        EXPECT_FALSE(QFile::exists(f)) << qPrintable(f);
    EXPECT_EQ(TEMFPrinter::PageFileName(QStringLiteral("/t"), 1000), QStringLiteral("/t/temp1000.emf"));
    EXPECT_EQ(TEMFPrinter::PageFileName(QStringLiteral("/t/"), 7), QStringLiteral("/t/temp007.emf"));
}

// A program that is killed while its preview is open leaves its page folder (megabytes of pages) behind;
// the next start removes the folders of programs that have ended, and only those.
TEST_F(DocumentTest, PageFoldersOfProgramsThatEndedGoAndNoOtherFolder)
{
    const QByteArray temp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(Dir.path()));
    const pid_t ended = fork();
    if (ended == 0)
        _exit(0);
    ASSERT_GT(ended, 0);
    ASSERT_EQ(waitpid(ended, nullptr, 0), ended);
    const auto folder = [&](const QString &name) {
        QDir().mkpath(Dir.filePath(name));
        QFile page(QDir(Dir.filePath(name)).filePath(QStringLiteral("temp001.emf")));
        EXPECT_TRUE(page.open(QIODevice::WriteOnly));
        return Dir.filePath(name);
    };
    const QString endedFolder = folder(QStringLiteral("DovraApd-%1").arg(ended));
    const QStringList kept{folder(QStringLiteral("DovraApd-%1").arg(getppid())),                          // runs
                           folder(QStringLiteral("DovraApd-%1").arg(QCoreApplication::applicationPid())), // this one
                           folder(QStringLiteral("DovraApd-0%1").arg(ended)), // not a name of ours
                           folder(QStringLiteral("DovraApd-dialogs-ab12Cd"))};
    // A link with the name of an ended program's folder is not followed.
    const QString elsewhere = folder(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QFile::link(elsewhere, Dir.filePath(QStringLiteral("DovraApd-%1").arg(ended + 1))));

    EXPECT_EQ(TEMFPrinter::RemoveStaleTempPaths(), 1);
    qputenv("TMPDIR", temp);
    EXPECT_FALSE(QFileInfo::exists(endedFolder));
    for (const QString &f : kept + QStringList{elsewhere})
        EXPECT_TRUE(QFileInfo::exists(QDir(f).filePath(QStringLiteral("temp001.emf")))) << f.toStdString();
}

TEST_F(DocumentTest, UnreadablePageFileRaises)
{
    TEMFPrinter doc;
    doc.BeginDoc(QStringLiteral("x"));
    doc.EndDoc();
    auto *page = static_cast<TEMFPage *>(doc.Pages(0));
    QFile::remove(page->FileName());
    TPicture picture;
    EXPECT_THROW(page->LoadInto(&picture), EStreamError);
    EXPECT_EQ(doc.PageCount(), 1);
}

TEST_F(DocumentTest, DirectDocumentBreaksSheetsOnlyBetweenPages)
{
    {
        TLPTPrinter doc;
        doc.BeginDoc(QStringLiteral("Δοκιμή"));
        EXPECT_EQ(Printer()->PageNumber(), 1) << "the first page causes no sheet break";
        EXPECT_EQ(Printer()->Title(), QStringLiteral("Δοκιμή"));
        doc.NewPage();
        EXPECT_EQ(Printer()->PageNumber(), 2);
        doc.EndDoc();
        EXPECT_FALSE(Printer()->Printing());
    }
    EXPECT_EQ(PdfPageCount(Pdf), 2);
}

TEST_F(DocumentTest, RecordedPageStartsWhiteAndMapsTenthsOfMillimetres)
{
    TEMFPrinter doc;
    doc.BeginDoc(QStringLiteral("x"));
    TCanvas *canvas = doc.GetCurrentPage()->Canvas();
    // A black square of 95 x 277 mm in the top left quarter of the 190 x 277 mm page.
    canvas->Brush().Color = clBlack;
    canvas->FillRect({0, 0, 950, 1385});
    doc.EndDoc();
    const QImage image = Render(static_cast<TEMFPage *>(doc.Pages(0)), 190);
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(100, 20), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(20, 150), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(180, 270), qRgb(255, 255, 255));
    // The edge of the square lies at 95 mm within a pixel.
    EXPECT_EQ(image.pixel(93, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(96, 20), qRgb(255, 255, 255));
}

TEST_F(DocumentTest, NoPrinterJobWithoutAnOutput)
{
    // No printer installed and no file set up: Qt would write PDF, but has nowhere to.
    Printer()->QtPrinter()->setOutputFileName(QString());
    Printer()->QtPrinter()->setOutputFormat(QPrinter::PdfFormat);
    TLPTPrinter doc;
    try {
        doc.BeginDoc(QStringLiteral("x"));
        ADD_FAILURE() << "a job began without an output";
    } catch (const EPrinter &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("«Αρχείο» > «Ρύθμιση εκτυπωτή...»")))
            << qPrintable(e.Message());
    }
    EXPECT_FALSE(Printer()->Printing());
    // A metafile document needs no output.
    TEMFPrinter emf;
    emf.BeginDoc(QStringLiteral("x"));
    emf.EndDoc();
    EXPECT_EQ(emf.PageCount(), 1);
}

TEST_F(DocumentTest, FailedPageLoopFreesThePrinterForTheNextJob)
{
    {
        TLPTPrinter doc;
        doc.BeginDoc(QStringLiteral("x"));
        EXPECT_TRUE(Printer()->Printing());
        // The job writes under a hidden name; its file does not exist half-written.
        EXPECT_FALSE(QFile::exists(Pdf));
        EXPECT_EQ(Files(Dir.path(), QDir::Hidden).size(), 1);
        // The caller's page loop raised here; the document is freed without EndDoc.
    }
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_TRUE(Files(Dir.path(), QDir::Hidden).isEmpty()) << "a failed job leaves nothing behind";
    EXPECT_EQ(Printer()->OutputFileName(), Pdf) << "the set-up file stays set up";
    {
        TLPTPrinter doc;
        doc.BeginDoc(QStringLiteral("y"));
        doc.EndDoc();
        EXPECT_EQ(doc.FileName(), Pdf) << "the failed job took no name";
    }
    EXPECT_EQ(PdfPageCount(Pdf), 1);
    // A recorded document freed in the middle of a page drops that page's recording.
    QString first;
    {
        TEMFPrinter doc;
        doc.BeginDoc(QStringLiteral("x"));
        doc.NewPage();
        first = static_cast<TEMFPage *>(doc.Pages(0))->FileName();
        EXPECT_TRUE(QFile::exists(first));
        EXPECT_TRUE(static_cast<TEMFPage *>(doc.Pages(1))->Recording());
    }
    EXPECT_FALSE(QFile::exists(first));
}

// A printer set up to write a file: every job is a file of its own, under the set-up name while it is free,
// else under the first free numbered name beside it; no file is ever replaced.
TEST_F(DocumentTest, FileJobsTakeTheFirstFreeNameAndNeverReplaceAFile)
{
    {
        QFile older(Pdf);
        ASSERT_TRUE(older.open(QIODevice::WriteOnly));
        older.write("an earlier printout");
    }
    const auto print = [](int pages) {
        TLPTPrinter doc;
        doc.BeginDoc(QStringLiteral("x"));
        for (int i = 1; i < pages; ++i)
            doc.NewPage();
        doc.EndDoc();
        return doc.FileName();
    };
    EXPECT_EQ(print(1), Dir.filePath(QStringLiteral("doc-2.pdf")));
    EXPECT_EQ(print(2), Dir.filePath(QStringLiteral("doc-3.pdf")));
    EXPECT_EQ(print(3), Dir.filePath(QStringLiteral("doc-4.pdf")));
    EXPECT_EQ(PdfPageCount(Dir.filePath(QStringLiteral("doc-3.pdf"))), 2);
    EXPECT_EQ(PdfPageCount(Dir.filePath(QStringLiteral("doc-4.pdf"))), 3);
    QFile older(Pdf);
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), "an earlier printout");
    EXPECT_EQ(Printer()->OutputFileName(), Pdf);
    EXPECT_EQ(Files(Dir.path(), QDir::Hidden), (QStringList{QStringLiteral("doc-2.pdf"), QStringLiteral("doc-3.pdf"),
                                                            QStringLiteral("doc-4.pdf"), QStringLiteral("doc.pdf")}));

    // A name given up is the first free one again.
    QFile::remove(Dir.filePath(QStringLiteral("doc-3.pdf")));
    EXPECT_EQ(print(1), Dir.filePath(QStringLiteral("doc-3.pdf")));

    // Names without a suffix, with dots, and hidden ones.
    EXPECT_EQ(Platform::NumberedFileName(QStringLiteral("/a/b/apd"), 2), QStringLiteral("/a/b/apd-2"));
    EXPECT_EQ(Platform::NumberedFileName(QStringLiteral("/a/b.c/apd.2024.pdf"), 3),
              QStringLiteral("/a/b.c/apd.2024-3.pdf"));
    EXPECT_EQ(Platform::NumberedFileName(QStringLiteral("/a/.apd"), 2), QStringLiteral("/a/.apd-2"));
    EXPECT_EQ(Platform::NumberedFileName(QStringLiteral("/a/apd.pdf"), 1), QStringLiteral("/a/apd.pdf"));

    // A folder that is not there: the message names the file and why; nothing is left anywhere.
    UsePdfPrinter(Dir.filePath(QStringLiteral("missing/doc.pdf")));
    try {
        print(1);
        ADD_FAILURE() << "printed into a missing folder";
    } catch (const EFCreateError &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("missing/doc.pdf"))) << qPrintable(e.Message());
    }
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(Files(Dir.path(), QDir::Hidden).size(), 4);
}
