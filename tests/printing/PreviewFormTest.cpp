// The preview window: page actions and their enabled states, the page text, zoom, print and close, the
// application's hints, and the document going with the window.
#include "PrintTestSupport.h"

#include "printing/PreviewFormF.h"
#include "printing/XPrinters.h"

#include "vcl/ExtCtrls.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

namespace
{

struct PreviewFormTest : ::testing::Test {
    QTemporaryDir Dir;
    std::unique_ptr<TPreviewForm> Form;

    void SetUp() override
    {
        UsePdfPrinter(Dir.filePath(QStringLiteral("unused.pdf")));
        Form = std::make_unique<TPreviewForm>(nullptr);
    }
    // The caller's sequence: attach a new recorded document, go to page 1 and fit it.
    TEMFPrinter *Attach(int pages)
    {
        auto *doc = new TEMFPrinter;
        Form->DocPreview1->SetDocPrinter(doc);
        doc->BeginDoc(QStringLiteral("x"));
        for (int i = 1; i < pages; ++i)
            doc->NewPage();
        doc->EndDoc();
        Form->aFirst->Execute();
        Form->aZoomToFit->Execute();
        Form->UpdateActions();
        return doc;
    }
    QString PageText() { return Form->StatusBar1->Panels(0).Text; }
    // The action's button pressed: its command runs once the event loop has it.
    static void Press(TAction *Action)
    {
        Action->Handle()->trigger();
        // The command, then what it changed (the scroll bars follow the page's new size).
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(PreviewFormTest, DesignedState)
{
    EXPECT_EQ(Form->Name(), QStringLiteral("PreviewForm"));
    EXPECT_EQ(Form->Caption(), QStringLiteral("Προεπισκόπηση"));
    EXPECT_EQ(Form->Width(), 696);
    EXPECT_EQ(Form->DocPreview1->Parent(), Form.get());
    EXPECT_EQ(Form->ActionToolBar1->Parent(), Form->CoolBar1);
    // Handlers are bound by name from the design.
    EXPECT_TRUE(Form->aFirst->OnExecute.IsBound());
    EXPECT_EQ(Form->aNext->OnUpdate.MethodName(), QByteArray("aNextUpdate"));
    EXPECT_EQ(Form->DocPreview1->PageIndex(), 0);
    EXPECT_EQ(Form->DocPreview1->Style(), psActualSize);
    EXPECT_TRUE(Form->aZoomWidth->Checked());
    EXPECT_EQ(Form->aFirst->Hint(), QStringLiteral("Πρώτη σελίδα"));
    EXPECT_TRUE(Form->aZoomActual->Hint().isEmpty());
    EXPECT_EQ(Form->StatusBar1->PanelCount(), 2);
    EXPECT_EQ(Form->StatusBar1->Panels(0).Width, 100);
}

TEST_F(PreviewFormTest, PagingRewritesThePageTextAndEnablesActions)
{
    Attach(3);
    EXPECT_EQ(PageText(), QStringLiteral("Σελίδα 1 από 3"));
    EXPECT_TRUE(Form->aZoomToFit->Checked());
    EXPECT_FALSE(Form->aZoomWidth->Checked());
    EXPECT_EQ(Form->DocPreview1->Style(), psFitToWindow);
    EXPECT_FALSE(Form->aPrev->Enabled());
    EXPECT_TRUE(Form->aNext->Enabled());
    Press(Form->aNext);
    EXPECT_EQ(PageText(), QStringLiteral("Σελίδα 2 από 3"));
    EXPECT_TRUE(Form->aPrev->Enabled());
    Press(Form->aLast);
    EXPECT_EQ(Form->DocPreview1->PageIndex(), 3);
    EXPECT_FALSE(Form->aNext->Enabled());
    // Zooming leaves the page text alone.
    Form->StatusBar1->SetPanelText(0, QStringLiteral("-"));
    Press(Form->aZoomActual);
    EXPECT_EQ(Form->DocPreview1->Style(), psActualSize);
    EXPECT_EQ(PageText(), QStringLiteral("-"));
    Press(Form->aZoomWidth);
    EXPECT_EQ(Form->DocPreview1->Style(), psPageWidth);
    EXPECT_TRUE(Form->aZoomWidth->Checked());
    EXPECT_FALSE(Form->aZoomActual->Checked());
    if (qEnvironmentVariableIsSet("APD_KEEP_PRINTOUT")) {
        Form->Show();
        Form->Peer()->grab().save(qEnvironmentVariable("APD_KEEP_PRINTOUT") + QStringLiteral("/previewform.png"));
    }
}

TEST_F(PreviewFormTest, EmptyDocumentDisablesPaging)
{
    auto *doc = new TEMFPrinter;
    Form->DocPreview1->SetDocPrinter(doc);
    Form->UpdateActions();
    EXPECT_EQ(Form->DocPreview1->PageIndex(), 0);
    for (TAction *a : {Form->aFirst, Form->aPrev, Form->aNext, Form->aLast})
        EXPECT_FALSE(a->Enabled()) << qPrintable(a->Name());
}

TEST_F(PreviewFormTest, ToolButtonHintsShowInTheStatusBarAsTheMouseMovesOverThem)
{
    Attach(2);
    Form->Peer()->setWindowState(Qt::WindowNoState);
    Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Peer()));
    QToolBar *tools = Form->ActionToolBar1->ToolBar();
    QWidget *next = tools->widgetForAction(Form->aNext->Handle());
    ASSERT_TRUE(next);
    QTest::mouseMove(next, next->rect().center());
    EXPECT_EQ(Form->StatusBar1->Panels(1).Text, Form->aNext->Hint());
    EXPECT_FALSE(Form->aNext->Hint().isEmpty());
    Form->Close();
}

TEST_F(PreviewFormTest, PrintHandsBackCloseEndsHintsShowAndDocumentGoesWithTheWindow)
{
    TEMFPrinter *doc = Attach(2);
    const QString file = static_cast<TEMFPage *>(doc->Pages(1))->FileName();
    int printed = 0;
    Form->OnPrint = [&](TObject *Sender) {
        EXPECT_EQ(Sender, Form.get());
        ++printed;
    };
    Form->aPrint->Execute();
    EXPECT_EQ(printed, 1);
    Form->aClose->Execute();
    EXPECT_EQ(Form->ModalResult(), mrOk);

    int before = 0;
    Form.reset();
    EXPECT_FALSE(QFile::exists(file));
    Application()->OnHint = [&](TObject *) { ++before; };
    Form = std::make_unique<TPreviewForm>(nullptr);
    Application()->SetHint(QStringLiteral("Μια υπόδειξη"));
    EXPECT_EQ(Form->StatusBar1->Panels(1).Text, QStringLiteral("Μια υπόδειξη"));
    EXPECT_EQ(before, 0);
    doc = Attach(1);
    const QString second = static_cast<TEMFPage *>(doc->Pages(0))->FileName();
    Form.reset();
    EXPECT_FALSE(QFile::exists(second)) << "the attached document is freed with the window";
    Application()->SetHint(QStringLiteral("άλλη"));
    EXPECT_EQ(before, 1) << "the kept hint handler is back";
    Application()->OnHint = nullptr;
}

TEST_F(PreviewFormTest, ShownPreviewStaysOnTopAndShowsThePageFromItsTopLeft)
{
    Attach(2);
    // Shown modally as the program does: kept on top and maximised, the tool bar with its pictures.
    bool onTop = false, maximised = false;
    QTimer::singleShot(0, Form.get(), [&] {
        onTop = Form->Peer()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        maximised = Form->Peer()->windowState().testFlag(Qt::WindowMaximized);
        Form->aClose->Execute();
    });
    EXPECT_EQ(Form->ShowModal(), mrOk);
    EXPECT_TRUE(onTop);
    EXPECT_TRUE(maximised);
    // Esc closes it, as it closes every dialog; a window it left open is closed after a while instead.
    QTimer::singleShot(50, Form.get(), [&] { QTest::keyClick(Form->Peer()->windowHandle(), Qt::Key_Escape); });
    QTimer::singleShot(3000, Form.get(), [&] { Form->aClose->Execute(); });
    EXPECT_EQ(Form->ShowModal(), mrCancel);
    QSet<qint64> pictures;
    for (TAction *a : {Form->aFirst, Form->aPrev, Form->aNext, Form->aLast, Form->aZoomToFit, Form->aZoomActual,
                       Form->aZoomWidth, Form->aPrint}) {
        const QImage picture = a->Handle()->icon().pixmap(20, 20).toImage();
        EXPECT_FALSE(picture.isNull()) << qPrintable(a->Name());
        // Firm lines, as a picture has that is enabled: a faint one reads as greyed out.
        int firm = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                firm += qAlpha(picture.pixel(x, y)) > 128 && qGray(picture.pixel(x, y)) < 110;
        EXPECT_GE(firm, 25) << qPrintable(a->Name()) << " is drawn too faintly";
        pictures.insert(qHashBits(picture.constBits(), size_t(picture.sizeInBytes())));
    }
    EXPECT_EQ(pictures.size(), 8) << "every button has a picture of its own";

    // In a window wider than the page at its actual size, and lower than it.
    Form->Show();
    Form->Peer()->setWindowState(Qt::WindowNoState);
    Form->SetBounds(0, 0, 1100, 700);
    QCoreApplication::processEvents();
    QScrollArea *area = Form->DocPreview1->ScrollArea();
    QScrollBar *vert = area->verticalScrollBar();
    QScrollBar *horz = area->horizontalScrollBar();
    const auto atTopLeft = [&](const char *step) {
        QCoreApplication::processEvents();
        EXPECT_EQ(vert->value(), 0) << step;
        EXPECT_EQ(horz->value(), 0) << step;
        EXPECT_TRUE(vert->isVisible()) << step;
        EXPECT_FALSE(horz->isVisible()) << step << ": no sideways scrolling for a page that fits across";
    };
    for (TAction *zoom : {Form->aZoomActual, Form->aZoomWidth}) {
        // Straight from the whole page, where no scroll bar shows: the bar the page then needs down the side
        // leaves it room across.
        Press(Form->aZoomToFit);
        EXPECT_FALSE(vert->isVisible()) << "the whole page fits";
        Press(zoom);
        atTopLeft(qPrintable(zoom->Name()));
        vert->setValue(vert->maximum());
        Press(Form->aNext);
        atTopLeft("next page");
        vert->setValue(vert->maximum() / 2);
        Press(Form->aPrev);
        atTopLeft("previous page");
    }
    EXPECT_EQ(Form->DocPreview1->Image()->Width(), area->viewport()->width()) << "page width fills the view";
    Form->Hide();
}

TEST_F(PreviewFormTest, PagingButtonsShowPlainlyWhetherThereIsAPageToGoTo)
{
    // On the first of three pages the way back is closed and the way on open; on the last, the other way
    // round. The reader tells them apart by the pictures alone: an open button's arrow is drawn dark, a
    // closed one's greyed. The first and last page are always open.
    Attach(3);
    Form->Peer()->setWindowState(Qt::WindowNoState);
    Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Peer()));
    QToolBar *tools = Form->ActionToolBar1->ToolBar();
    const auto darkPixels = [&](TAction *a) {
        QWidget *button = tools->widgetForAction(a->Handle());
        const QImage shot = button ? button->grab().toImage() : QImage();
        int dark = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                dark += qGray(shot.pixel(x, y)) < 120;
        return dark;
    };
    const auto expectShown = [&](TAction *open, TAction *closed, const char *where) {
        EXPECT_TRUE(open->Enabled()) << where;
        EXPECT_FALSE(closed->Enabled()) << where;
        const int drawn = darkPixels(open), greyed = darkPixels(closed);
        EXPECT_GE(drawn, 40) << where << ": " << qPrintable(open->Name()) << " shows no arrow";
        EXPECT_LE(greyed * 4, drawn) << where << ": " << qPrintable(closed->Name()) << " looks open";
        for (TAction *end : {Form->aFirst, Form->aLast})
            EXPECT_GE(darkPixels(end), 40) << where << ": " << qPrintable(end->Name()) << " shows no arrow";
    };
    expectShown(Form->aNext, Form->aPrev, "first page");
    Press(Form->aLast);
    Form->UpdateActions();
    QCoreApplication::processEvents();
    expectShown(Form->aPrev, Form->aNext, "last page");
    Form->Hide();
}

TEST_F(PreviewFormTest, TheShownPreviewTakesThePagingKeysAndTabReachesEveryToolButton)
{
    Attach(3);
    QStringList seen;
    QList<QWidget *> walked;
    QTimer::singleShot(0, Form.get(), [&] {
        QApplication::setActiveWindow(Form->Peer());
        QWidget *view = Form->DocPreview1->Peer();
        EXPECT_EQ(QApplication::focusWidget(), view) << "the page view has the focus";
        const auto key = [&](Qt::Key k) {
            QTest::keyClick(QApplication::focusWidget(), k);
            QCoreApplication::processEvents();
            seen << PageText();
        };
        for (Qt::Key k :
             {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End})
            key(k);
        // Tab walks the enabled tool buttons in their order, then comes back to the page.
        for (int i = 0; i < 12 && !walked.contains(QApplication::focusWidget()); ++i) {
            walked << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Space presses the focused button: back to the first page.
        QToolBar *tools = Form->ActionToolBar1->ToolBar();
        QWidget *first = tools->widgetForAction(Form->aFirst->Handle());
        if (walked.contains(first)) {
            first->setFocus(Qt::TabFocusReason);
            QTest::keyClick(first, Qt::Key_Space);
            QCoreApplication::processEvents();
            seen << PageText();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    QTimer::singleShot(5000, Form.get(), [&] { Form->aClose->Execute(); });
    EXPECT_EQ(Form->ShowModal(), mrCancel) << "Esc closes the window";
    EXPECT_EQ(seen, QStringList({"Σελίδα 2 από 3", "Σελίδα 3 από 3", "Σελίδα 3 από 3", "Σελίδα 2 από 3",
                                 "Σελίδα 1 από 3", "Σελίδα 3 από 3", "Σελίδα 1 από 3"}));
    QToolBar *tools = Form->ActionToolBar1->ToolBar();
    QList<QWidget *> expected{Form->DocPreview1->Peer()};
    // On the last page the way on is closed; every other button is on the way.
    for (TAction *a : {Form->aFirst, Form->aPrev, Form->aLast, Form->aZoomToFit, Form->aZoomActual, Form->aZoomWidth,
                       Form->aPrint, Form->aClose})
        expected << tools->widgetForAction(a->Handle());
    EXPECT_EQ(walked, expected);
}
