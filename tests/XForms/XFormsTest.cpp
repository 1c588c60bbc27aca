#include "XForms/XForms.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <QTest>

#include <gtest/gtest.h>

namespace
{

struct BoxFixture : ::testing::Test {
    std::unique_ptr<TForm> Form;
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 800, 600);
    }
    TXFrame *NewBox(TWinControl *parent, int w, int h, TAlign align = alNone)
    {
        auto *b = new TXFrame(Form.get());
        b->SetHorzSize(ConvertMapUnits(w, MapingUnits[mpScreenMaping], MapingUnits[mpLoMetricMaping]));
        b->SetVertSize(ConvertMapUnits(h, MapingUnits[mpScreenMaping], MapingUnits[mpLoMetricMaping]));
        b->SetAlign(align);
        b->SetParent(parent);
        return b;
    }
    // A parent box of exactly 400 x 50 pixels whose client area is the whole box.
    TXFrame *Root400x50()
    {
        TXFrame *root = new TXFrame(Form.get());
        root->SetParent(Form.get());
        root->SetBounds(0, 0, 400, 50);
        return root;
    }
};

} // namespace

TEST_F(BoxFixture, NewBoxDefaultsAndSizes)
{
    auto *box = new TXFrame(Form.get());
    EXPECT_EQ(box->Maping(), mpLoMetricMaping);
    EXPECT_EQ(box->HoverColor(), 0xFFFFFF);
    EXPECT_EQ(box->Group(), -1);
    EXPECT_EQ(box->Borders(), TXFrameBorderStyle());
    EXPECT_TRUE(box->PrintBorders());
    EXPECT_TRUE(box->PrintExtraHint());
    EXPECT_TRUE(box->PrintContentEnabled());
    EXPECT_FALSE(box->TabStop());
    EXPECT_EQ(box->Alignment(), taLeftJustify);
    EXPECT_EQ(box->HorzAnchor(), haLeft);
    EXPECT_EQ(box->VertAnchor(), vaTop);
    EXPECT_TRUE(box->ControlStyle() & csAcceptsControls);

    box->SetHorzSize(1745);
    box->SetVertSize(2850);
    EXPECT_EQ(box->Width(), 660);
    EXPECT_EQ(box->Height(), 1077);
    box->ChangeScale(120, 96);
    EXPECT_EQ(box->Width(), 824);
    EXPECT_EQ(box->DeviceUnit().Factor.Dpi, 120);
    EXPECT_EQ(box->HorzSize(), 1745);
}

TEST_F(BoxFixture, MapingChangeConvertsLengthsButKeepsWidth)
{
    auto *box = new TXFrame(Form.get());
    box->SetHorzSize(1745);
    box->SetVertSize(100);
    box->SetHorzIdent(20);
    box->SetVertIdent(-3);
    box->SetMaping(mpHiMetricMaping);
    EXPECT_EQ(box->HorzSize(), 17450);
    EXPECT_EQ(box->VertSize(), 1000);
    EXPECT_EQ(box->HorzIdent(), 200);
    EXPECT_EQ(box->VertIdent(), -30);
    EXPECT_EQ(box->Width(), 660);
    box->SetHorzSize(17450);
    EXPECT_EQ(box->Width(), 660);
}

TEST_F(BoxFixture, AlignedChildrenAreCarvedInOrder)
{
    TXFrame *root = Root400x50();
    root->DisableAlign();
    TXFrame *client = NewBox(root, 10, 10, alClient);
    TXFrame *left1 = NewBox(root, 100, 10, alLeft);
    TXFrame *left2 = NewBox(root, 60, 10, alLeft);
    TXFrame *late = NewBox(root, 30, 10, alRight);
    left1->SetTabOrder(0);
    root->EnableAlign();
    EXPECT_EQ(left1->BoundsRect(), Rect(0, 0, 100, 50));
    EXPECT_EQ(left2->BoundsRect(), Rect(100, 0, 160, 50));
    // Right-aligned comes before client-aligned.
    EXPECT_EQ(late->BoundsRect(), Rect(370, 0, 400, 50));
    EXPECT_EQ(client->BoundsRect(), Rect(160, 0, 370, 50));
    // Anything aligned after the client gets the empty rectangle.
    TXFrame *after = NewBox(root, 10, 10, alCustom);
    EXPECT_EQ(after->BoundsRect(), Rect(0, 0, 0, 0));
}

TEST_F(BoxFixture, NonBoxChildFillsWhatRemainsOneInside)
{
    TXFrame *root = Root400x50();
    TXFrame *top = NewBox(root, 10, 20, alTop);
    auto *edit = new TEdit(Form.get());
    edit->SetParent(root);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 20));
    EXPECT_EQ(edit->BoundsRect(), Rect(1, 21, 399, 49));
    EXPECT_EQ(root->ContentControl(), edit);
}

TEST_F(BoxFixture, TabOrderFollowsLayoutOrder)
{
    TXFrame *root = Root400x50();
    root->DisableAlign();
    auto *edit = new TEdit(Form.get());
    edit->SetParent(root);
    TXFrame *unaligned = NewBox(root, 10, 10);
    TXFrame *bottom = NewBox(root, 10, 5, alBottom);
    TXFrame *top2 = NewBox(root, 10, 5, alTop);
    TXFrame *top1 = NewBox(root, 10, 5, alTop);
    top1->SetTabOrder(0);
    root->EnableAlign();
    EXPECT_EQ(top1->TabOrder(), 0);
    EXPECT_EQ(top2->TabOrder(), 1);
    EXPECT_EQ(bottom->TabOrder(), 2);
    EXPECT_EQ(unaligned->TabOrder(), 3);
    EXPECT_EQ(edit->TabOrder(), 4);
    EXPECT_EQ(top1->Top(), 0);
    EXPECT_EQ(top2->Top(), 5);
    EXPECT_EQ(bottom->Top(), 45);
}

TEST_F(BoxFixture, AnchoredChildren)
{
    TXFrame *root = Root400x50();
    TXFrame *right = NewBox(root, 50, 10);
    right->SetHorzAnchor(haRight);
    EXPECT_EQ(right->Left(), 350);
    TXFrame *center = NewBox(root, 51, 10);
    center->SetHorzAnchor(haCenter);
    EXPECT_EQ(center->Left(), 174);
    TXFrame *idented = NewBox(root, 20, 10);
    idented->SetHorzIdent(100); // 10 mm = 37.8 -> 38 pixels
    idented->SetVertAnchor(vaBottom);
    idented->SetVertIdent(10); // 1 mm -> 4 pixels above the bottom
    EXPECT_EQ(idented->Left(), 38);
    EXPECT_EQ(idented->Top(), 50 - 4 - 10);
    TXFrame *free = NewBox(root, 20, 10);
    free->SetHorzAnchor(haNone);
    free->SetVertAnchor(vaNone);
    free->SetBounds(7, 9, 20, 10);
    root->Realign();
    EXPECT_EQ(free->Left(), 7);
    EXPECT_EQ(free->Top(), 9);
    // Invisible children are skipped at run time.
    TXFrame *hidden = NewBox(root, 10, 10, alTop);
    hidden->SetVisible(false);
    TXFrame *shown = NewBox(root, 10, 10, alTop);
    EXPECT_EQ(shown->Top(), 0);
}

TEST_F(BoxFixture, ClientAreaLeavesRoomForHintAndButton)
{
    auto *box = new TXFrame(Form.get());
    box->SetBounds(0, 0, 300, 40);
    EXPECT_EQ(box->GetClientRect(), Rect(0, 0, 300, 40));

    box->SetExtraHint("  ΟΔΟΣ");
    const int oneLine = box->GetClientRect().Left;
    box->SetExtraHint("  ΟΔΟΣ|  (13)");
    const TRect r = box->GetClientRect();
    EXPECT_EQ(r.Top, 1);
    EXPECT_EQ(r.Bottom, 39);
    EXPECT_EQ(r.Right, 299);
    EXPECT_GT(r.Left, 1);
    EXPECT_EQ(r.Left, oneLine); // "  ΟΔΟΣ" is the wider line
    box->SetExtraHint("  ΟΔΟΣ|  (13) ΑΡΙΘΜΟΣ");
    EXPECT_GT(box->GetClientRect().Left, oneLine);

    box->SetExtraHint("");
    box->SetDropDownButton(true);
    EXPECT_EQ(box->GetClientRect().Right, 300 - 1 - GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(BoxFixture, SchemeLinksByNotification)
{
    // The owner tells its components last first, so the white box hears of the scheme first.
    auto *grey = new TXFrame(Form.get());
    grey->SetColor(ToColor(0xC0C0C0));
    auto *white = new TXFrame(Form.get());
    white->SetColor(ToColor(0xFFFFFF));
    white->GetFont()->SetHeight(-15);
    auto *sheme = new TXFrameSheme(Form.get());
    EXPECT_EQ(white->Sheme(), sheme);
    EXPECT_EQ(sheme->Color(), 0xFFFFFF);
    EXPECT_EQ(sheme->Font()->Height(), -15);
    EXPECT_EQ(grey->Sheme(), nullptr);
    EXPECT_EQ(sheme->Frames().size(), 1u);
    // A box created after the scheme is not linked by the rule.
    auto *later = new TXFrame(Form.get());
    EXPECT_EQ(later->Sheme(), nullptr);

    auto *notifier = new TXFrameNotifier(Form.get());
    EXPECT_EQ(white->Notifier(), notifier);
    EXPECT_EQ(grey->Notifier(), notifier);

    delete notifier;
    EXPECT_EQ(white->Notifier(), nullptr);
    delete sheme;
    EXPECT_EQ(white->Sheme(), nullptr);
    EXPECT_EQ(white->GetColor(), 0xFFFFFF); // its own colour again
}

TEST_F(BoxFixture, CaptionChangeNotifiesInOrder)
{
    auto *notifier = new TXFrameNotifier(Form.get());
    std::vector<QString> log;
    notifier->OnChange = [&](TObject *, TXFrame *f) { log.push_back("notifier:" + f->Name()); };
    TXFrame *boxes[3];
    for (int i = 0; i < 3; ++i) {
        boxes[i] = new TXFrame(Form.get());
        boxes[i]->SetName(QString("Box%1").arg(i));
        boxes[i]->SetNotifier(notifier);
        boxes[i]->OnChangeText = [&log](TObject *s) { log.push_back("text:" + static_cast<TXFrame *>(s)->Name()); };
    }
    for (TXFrame *b : boxes)
        b->SetCaption("αλλαγή");
    boxes[0]->SetCaption("αλλαγή"); // unchanged: nothing
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0], "text:Box0");
    EXPECT_EQ(log[1], "notifier:Box0");
    EXPECT_EQ(log[5], "notifier:Box2");
}

TEST_F(BoxFixture, SecondContentControlRefusedOnlyWhileDesigning)
{
    TXFrame *root = Root400x50();
    auto *e1 = new TEdit(Form.get());
    e1->SetParent(root);
    auto *e2 = new TEdit(Form.get());
    e2->SetParent(root);
    EXPECT_EQ(root->ContentControl(), e1);
    EXPECT_EQ(e2->Parent(), root);

    TXFrame *designed = Root400x50();
    designed->SetDesigning(true);
    auto *d1 = new TLabel(Form.get());
    d1->SetParent(designed);
    auto *d2 = new TEdit(Form.get());
    try {
        d2->SetParent(designed);
        FAIL() << "second control accepted";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("You can insert only one control in a TXFrame\r\nTLabel/TEdit"));
    }
    EXPECT_EQ(d2->Parent(), nullptr);
    delete e1;
    EXPECT_EQ(root->ContentControl(), nullptr);
}

TEST(BlendColors, ByteWiseHalvesToEven)
{
    EXPECT_EQ(BlendColors(ToColor(0xFFFFFF), ToColor(0x000000), 0.4f), 0x666666);
    EXPECT_EQ(BlendColors(ToColor(0xFF8080), ToColor(0xFFFFFF), 0.2f), 0xFFE6E6);
    EXPECT_EQ(BlendColors(ToColor(0x123456), ToColor(0x123456), 0.4f), 0x123456);
    // System colour codes are blended as stored.
    EXPECT_EQ(uint32_t(BlendColors(clBtnFace, clBlack, 1.0f)), 0xFF00000Fu);
}

TEST(FontForUnit, HeightFromPointsAndDeviceUnit)
{
    TFont f;
    SetFontHeightForUnit(&f, 10, TMapUnit::Device(96));
    EXPECT_EQ(f.Height(), -13);
    SetFontHeightForUnit(&f, 10, TMapUnit::Device(120));
    EXPECT_EQ(f.Height(), -17);
    try {
        SetFontHeightForUnit(&f, 12, MapingUnits[mpLoMetricMaping]);
        FAIL();
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), "Invalid maping font");
    }
    EXPECT_EQ(f.Height(), -17);
}

TEST_F(BoxFixture, ChangeScaleRescalesChildBoxesFromTheirSizes)
{
    TXFrame *root = Root400x50();
    root->SetHorzSize(1000);
    root->SetVertSize(500);
    TXFrame *child = NewBox(root, 100, 20, alLeft);
    child->SetHorzSize(500); // 50 mm
    EXPECT_EQ(child->Width(), 189);
    root->ChangeScale(120, 96);
    EXPECT_EQ(root->Width(), 472);
    EXPECT_EQ(child->Width(), 236);
    EXPECT_EQ(child->Height(), root->Height()); // still carved from the whole height
    EXPECT_EQ(root->Left(), 0);                 // the box's own position is not scaled
}

TEST_F(BoxFixture, GroupHighlightNeedsAClickHandler)
{
    auto *a = new TXFrame(Form.get());
    auto *b = new TXFrame(Form.get());
    auto *c = new TXFrame(Form.get());
    for (TXFrame *x : {a, b, c})
        x->SetGroup(2);
    c->SetGroup(5);
    a->SetDropDownButton(true);
    a->PeerEnter();
    EXPECT_TRUE(a->Hover());
    EXPECT_FALSE(b->GroupHover()); // no OnClick: no group highlight
    a->OnClick = [](TObject *) {};
    a->PeerEnter();
    EXPECT_TRUE(a->GroupHover());
    EXPECT_TRUE(b->GroupHover());
    EXPECT_FALSE(c->GroupHover());
    a->PeerLeave();
    EXPECT_FALSE(a->Hover());
    EXPECT_FALSE(b->GroupHover());
    // Boxes with neither a click handler nor a button do not hover at all.
    b->PeerEnter();
    EXPECT_FALSE(b->Hover());
}

// Alt+Down and F4 open a box's list as they open a combo box's: the drop-down button's where it has one,
// else what a click on it picks from; other keys, and a box with nothing to open, leave the key alone.
TEST_F(BoxFixture, AltDownAndF4OpenTheBoxsList)
{
    TXFrame *button = NewBox(Form.get(), 100, 20);
    TXFrame *picks = NewBox(Form.get(), 100, 20);
    TXFrame *plain = NewBox(Form.get(), 100, 20);
    button->SetDropDownButton(true);
    int drops = 0, clicks = 0;
    button->OnDropDown = [&](TObject *) { ++drops; };
    picks->OnClick = [&](TObject *) { ++clicks; };
    const auto press = [](TXFrame *Box, int Key, Qt::KeyboardModifiers Modifiers) {
        QKeyEvent e(QEvent::KeyPress, Key, Modifiers);
        return Box->PeerKeyPress(&e);
    };
    for (TXFrame *box : {button, picks}) {
        EXPECT_TRUE(press(box, Qt::Key_Down, Qt::AltModifier));
        EXPECT_TRUE(press(box, Qt::Key_F4, Qt::NoModifier));
        EXPECT_FALSE(press(box, Qt::Key_Down, Qt::NoModifier));
        EXPECT_FALSE(press(box, Qt::Key_F4, Qt::AltModifier));
        EXPECT_FALSE(press(box, Qt::Key_Down, Qt::AltModifier | Qt::ControlModifier));
    }
    EXPECT_EQ(drops, 2);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(press(plain, Qt::Key_Down, Qt::AltModifier));
    EXPECT_FALSE(press(plain, Qt::Key_F4, Qt::NoModifier));
}

// The focus mark follows the focus as it stands, however often the focus is told: gained twice (given back
// with the window while a message was open, then given as asked) and lost once leaves no mark.
TEST_F(BoxFixture, TheFocusMarkFollowsTheFocus)
{
    TXFrame *box = NewBox(Form.get(), 120, 24);
    auto *other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(0, 100, 100, 21);
    box->SetTabStop(true);
    Form->Show();
    QApplication::setActiveWindow(Form->Peer());
    if (QApplication::activeWindow() != Form->Peer())
        GTEST_SKIP() << "no keyboard focus on this platform";
    other->SetFocus();
    const QImage plain = box->Peer()->grab().toImage();
    box->SetFocus();
    EXPECT_TRUE(box->Focused());
    const QImage marked = box->Peer()->grab().toImage();
    EXPECT_NE(marked, plain);
    box->PeerFocusIn(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(box->Peer()->grab().toImage(), marked);
    other->SetFocus();
    EXPECT_EQ(box->Peer()->grab().toImage(), plain);
}
