// The box print protocol: take-part rule, header and footer boxes, continuation, title room, arrangement,
// and the choice of content printer by nearest class.
#include "XForms/XForms.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace
{

// A page without a device: the protocol runs and text is measured, nothing is drawn.
class TBlankPage : public IPage
{
public:
    int PageNumber() override { return Number; }
    TRect GetPageRect() override { return {0, 0, 2000, 2900}; }
    TCanvas *Canvas() override { return &FCanvas; }
    int Number = 1;

private:
    TCanvas FCanvas;
};

// Content printers for tests: each page reports how often it was called and where.
struct TPrintLog {
    static inline std::vector<TRect> Rects;
    static inline int PagesNeeded = 1;
};

class TPagesPrinter : public TVCLControlPrinter
{
public:
    using TVCLControlPrinter::TVCLControlPrinter;
    static const QMetaObject *ControlClass(const QMetaObject *c)
    {
        return c->inherits(&TEdit::staticMetaObject) ? &TEdit::staticMetaObject : nullptr;
    }
    void Print(IPage *, const TRect &ARect, bool &Done) override
    {
        TPrintLog::Rects.push_back(ARect);
        Done = ++FCalls >= TPrintLog::PagesNeeded;
    }
    int FCalls = 0;
};

class TBoxTextPrinter : public TPagesPrinter
{
public:
    using TPagesPrinter::TPagesPrinter;
    static const QMetaObject *ControlClass(const QMetaObject *c)
    {
        return c->inherits(&TXFrame::staticMetaObject) ? &TXFrame::staticMetaObject : nullptr;
    }
};

class TAnyWinControlPrinter : public TVCLControlPrinter
{
public:
    using TVCLControlPrinter::TVCLControlPrinter;
    static const QMetaObject *ControlClass(const QMetaObject *c)
    {
        return c->inherits(&TWinControl::staticMetaObject) ? &TWinControl::staticMetaObject : nullptr;
    }
};

class TDerivedBox : public TXFrame
{
    Q_OBJECT
public:
    using TXFrame::TXFrame;
};

struct PrintProtocol : ::testing::Test {
    std::vector<TVCLControlPrinterClass> SavedRegistry;
    TComponent Owner{nullptr};
    TBlankPage Page;

    void SetUp() override
    {
        SavedRegistry = ControlPrinterRegistry();
        ControlPrinterRegistry().clear();
        TPrintLog::Rects.clear();
        TPrintLog::PagesNeeded = 1;
    }
    void TearDown() override { ControlPrinterRegistry() = SavedRegistry; }

    TXFrame *NewBox(TWinControl *parent, TAlign align, int w, int h)
    {
        auto *b = new TXFrame(&Owner);
        b->SetParent(parent);
        b->SetAlign(align);
        b->SetHorzSize(w);
        b->SetVertSize(h);
        return b;
    }
    // Counts the pages on which a box printed (its OnPrint runs whenever it prints).
    static void CountPrints(TXFrame *box, int &count)
    {
        box->OnPrint = [&count](TObject *, IPage *, const TRect &) { ++count; };
    }
    // The page loop every caller runs; returns the number of pages.
    int RunPages(TXFrame *root, int limit = 20)
    {
        root->PrintInit(MapingUnits[mpLoMetricMaping]);
        int pages = 0;
        for (;;) {
            ++pages;
            Page.Number = pages;
            TRect r = Page.GetPageRect();
            root->PrintArrange(r);
            root->Print(&Page);
            if (!root->IsPrinting() || pages >= limit)
                break;
        }
        return pages;
    }
};

} // namespace

TEST_F(PrintProtocol, DeclinedBodyBoxAndDeclinedHeaderBox)
{
    TPrintLog::PagesNeeded = 3;
    RegisterControlPrinter(PrinterClassOf<TPagesPrinter>("TPagesPrinter"));
    TXFrame *root = NewBox(nullptr, alNone, 1750, 2750);
    root->SetForceNewPage(true);
    TXFrame *header = NewBox(root, alTop, 1750, 100);
    header->SetHeaderFooter(true);
    TXFrame *body = NewBox(root, alClient, 1750, 100);
    TXFrame *inner = NewBox(body, alTop, 100, 100);
    TXFrame *flow = NewBox(root, alBottom, 1750, 500);
    flow->SetForceNewPage(true);
    (new TEdit(&Owner))->SetParent(flow);

    int headerPrints = 0, bodyPrints = 0, innerPrints = 0;
    CountPrints(header, headerPrints);
    CountPrints(body, bodyPrints);
    CountPrints(inner, innerPrints);
    bool innerInit = false;
    inner->OnPrintInit = [&](TObject *, bool &) { innerInit = true; };
    body->OnPrintInit = [](TObject *, bool &Print) { Print = false; };
    header->OnPrintInit = [](TObject *, bool &Print) { Print = false; };

    EXPECT_EQ(RunPages(root), 3);
    EXPECT_EQ(bodyPrints, 0);
    EXPECT_EQ(innerPrints, 0);
    EXPECT_FALSE(innerInit) << "the children of a declined box get no PrintInit";
    EXPECT_EQ(headerPrints, 3) << "a header prints on every page, declined or not";
}

TEST_F(PrintProtocol, ContinuationNeedsForceNewPage)
{
    TPrintLog::PagesNeeded = 2;
    RegisterControlPrinter(PrinterClassOf<TPagesPrinter>("TPagesPrinter"));
    TXFrame *root = NewBox(nullptr, alNone, 1750, 2750);
    root->SetForceNewPage(true);
    TXFrame *box = NewBox(root, alTop, 1750, 300);
    (new TEdit(&Owner))->SetParent(box);
    EXPECT_EQ(RunPages(root), 1) << "without ForceNewPage the rest is not printed";
    EXPECT_EQ(TPrintLog::Rects.size(), 1u);
    EXPECT_NE(box->ContentPrinter(), nullptr) << "the unfinished printer stays with the box";

    // A new run starts the content afresh rather than continuing the leftover printer.
    TPrintLog::Rects.clear();
    box->SetForceNewPage(true);
    EXPECT_EQ(RunPages(root), 2);
    EXPECT_EQ(TPrintLog::Rects.size(), 2u);
    EXPECT_EQ(box->ContentPrinter(), nullptr);

    // The box's own text is done after one page whatever its printer says.
    ControlPrinterRegistry().clear();
    RegisterControlPrinter(PrinterClassOf<TBoxTextPrinter>("TBoxTextPrinter"));
    TXFrame *own = NewBox(root, alTop, 1750, 300);
    own->SetForceNewPage(true);
    TPrintLog::Rects.clear();
    box->SetForceNewPage(false);
    EXPECT_EQ(RunPages(root), 1);
}

TEST_F(PrintProtocol, HiddenTitleKeepsItsRoom)
{
    RegisterControlPrinter(PrinterClassOf<TPagesPrinter>("TPagesPrinter"));
    TXFrame *root = NewBox(nullptr, alNone, 1750, 2750);
    TXFrame *box = NewBox(root, alTop, 1750, 300);
    box->SetExtraHint(QStringLiteral("ΕΡΓΟΔΟΤΗΣ|(επωνυμία)"));
    (new TEdit(&Owner))->SetParent(box);
    RunPages(root);
    box->SetPrintExtraHint(false);
    RunPages(root);
    ASSERT_EQ(TPrintLog::Rects.size(), 2u);
    EXPECT_GT(TPrintLog::Rects[0].Left, 0);
    EXPECT_EQ(TPrintLog::Rects[0], TPrintLog::Rects[1]);
    EXPECT_EQ(TPrintLog::Rects[0].Right, 1750);
}

TEST_F(PrintProtocol, ArrangeCarvesLikeTheScreenAndAnchorsByIdents)
{
    TXFrame *root = NewBox(nullptr, alNone, 1750, 2750);
    root->SetHorzAnchor(haCenter);
    root->SetVertAnchor(vaCenter);
    TXFrame *top = NewBox(root, alTop, 500, 200);
    TXFrame *left = NewBox(root, alLeft, 300, 999);
    TXFrame *right = NewBox(root, alRight, 250, 999);
    TXFrame *free = NewBox(root, alNone, 100, 50);
    free->SetHorzAnchor(haRight);
    free->SetHorzIdent(20);
    free->SetVertAnchor(vaBottom);
    free->SetVertIdent(10);
    // The screen layout runs in pixels; printing uses the box's sizes in the print unit.
    root->PrintInit(MapingUnits[mpLoMetricMaping]);
    TRect page{0, 0, 2000, 2900};
    root->PrintArrange(page);
    EXPECT_EQ(root->PrintRect(), (TRect{125, 75, 1875, 2825}));
    root->Print(&Page);
    EXPECT_EQ(top->PrintRect(), (TRect{125, 75, 1875, 275}));
    EXPECT_EQ(left->PrintRect(), (TRect{125, 275, 425, 2825}));
    EXPECT_EQ(right->PrintRect(), (TRect{1625, 275, 1875, 2825}));
    EXPECT_EQ(free->PrintRect(), (TRect{1505, 2765, 1605, 2815}));
    EXPECT_EQ(root->PrintRect(), (TRect{425, 275, 1625, 2825})) << "what the aligned children left";

    root->OnAdjustPrintRect = [](TObject *, TRect &r) { return TRect{r.Left + 1, r.Top + 2, r.Left + 11, r.Top + 12}; };
    page = {0, 0, 2000, 2900};
    root->PrintArrange(page);
    EXPECT_EQ(root->PrintRect(), (TRect{1, 2, 11, 12}));
    // An invisible box prints like a visible one.
    top->SetVisible(false);
    TRect rest{0, 0, 2000, 2900};
    top->PrintArrange(rest);
    EXPECT_EQ(rest.Top, 200);
}

TEST(PlaceAnchoredRect, CentresAndLeavesNoneAlone)
{
    EXPECT_EQ(PlaceAnchoredRect(haCenter, vaCenter, 0, 0, 1750, 2750, {0, 0, 2000, 2900}),
              (TRect{125, 75, 1875, 2825}));
    EXPECT_EQ(PlaceAnchoredRect(haNone, vaNone, 5, 5, 10, 10, {3, 4, 50, 60}), (TRect{3, 4, 50, 60}));
    EXPECT_EQ(PlaceAnchoredRect(haLeft, vaTop, 30, 40, 10, 10, {100, 200, 500, 600}), (TRect{130, 240, 140, 250}));
    // Halves go to the even neighbour: (0 + 101) / 2 = 50.5 -> 50, then 50 - 0.5 * 11 = 44.5 -> 44.
    EXPECT_EQ(PlaceAnchoredRect(haCenter, vaNone, 0, 0, 11, 10, {0, 0, 101, 100}), (TRect{44, 0, 55, 10}));
}

TEST_F(PrintProtocol, NearestPrinterClassWinsAndLaterRegistrationBreaksTies)
{
    RegisterControlPrinter(PrinterClassOf<TAnyWinControlPrinter>("TAnyWinControlPrinter"));
    RegisterControlPrinter(PrinterClassOf<TBoxTextPrinter>("TBoxTextPrinter"));
    TXFrame *plain = NewBox(nullptr, alNone, 10, 10);
    auto *derived = new TDerivedBox(&Owner);
    TVCLControlPrinterClass found;
    EXPECT_EQ(FindControlPrinterClass(plain, found), 0);
    EXPECT_STREQ(found.Name, "TBoxTextPrinter");
    EXPECT_EQ(FindControlPrinterClass(derived, found), 1);
    EXPECT_STREQ(found.Name, "TBoxTextPrinter");
    EXPECT_EQ(ClassDistance(PrinterClassOf<TAnyWinControlPrinter>("w"), plain->metaObject()), 2);
    auto *label = new TLabel(&Owner);
    TVCLControlPrinterClass untouched;
    EXPECT_EQ(FindControlPrinterClass(label, untouched), -1);
    EXPECT_EQ(untouched.Name, nullptr);
    EXPECT_EQ(ClassDistance(TVCLControlPrinterClass{}, plain->metaObject()), -1);

    RegisterControlPrinter(PrinterClassOf<TPagesPrinter>("first"));
    RegisterControlPrinter(PrinterClassOf<TPagesPrinter>("second"));
    auto *edit = new TEdit(&Owner);
    EXPECT_EQ(FindControlPrinterClass(edit, found), 0);
    EXPECT_STREQ(found.Name, "second");
}

TEST_F(PrintProtocol, ContentWithoutPrinterCountsAsDone)
{
    TXFrame *root = NewBox(nullptr, alNone, 1750, 2750);
    root->SetForceNewPage(true);
    TXFrame *box = NewBox(root, alTop, 1750, 300);
    box->SetForceNewPage(true);
    (new TLabel(&Owner))->SetParent(box);
    int prints = 0;
    CountPrints(box, prints);
    EXPECT_EQ(RunPages(root), 1);
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(box->ContentPrinter(), nullptr);
}

TEST_F(PrintProtocol, SchemeWithPrintColourFillsThePrintedRectangle)
{
    auto *sheme = new TXFrameSheme(&Owner);
    TXFrame *root = NewBox(nullptr, alNone, 1000, 1000);
    root->SetSheme(sheme);
    sheme->SetColor(clYellow);
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    struct TImagePage : IPage {
        TCanvas C;
        int PageNumber() override { return 1; }
        TRect GetPageRect() override { return {0, 0, 200, 200}; }
        TCanvas *Canvas() override { return &C; }
    } page;
    page.C.SetPainter(&painter);
    root->SetHorzSize(100);
    root->SetVertSize(100);
    root->PrintInit(MapingUnits[mpLoMetricMaping]);
    TRect r = page.GetPageRect();
    root->PrintArrange(r);
    root->Print(&page);
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255)) << "no fill while PrintColor is off";
    sheme->SetPrintColor(true);
    r = page.GetPageRect();
    root->PrintArrange(r);
    root->Print(&page);
    painter.end();
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(150, 150), qRgb(255, 255, 255));
}

#include "XFormsPrintTest.moc"
