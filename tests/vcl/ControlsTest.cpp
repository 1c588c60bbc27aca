#include "vcl/ComCtrls.h"
#include "vcl/ComponentStream.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

class TPaintCounter : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    int Paints = 0;

protected:
    void Paint() override { ++Paints; }
};

} // namespace

TEST(ControlsAlign, AlignedControlsShareTheParentAndAnchorsFollowResize)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto *panel = new TPanel(&form);
    panel->SetBevelOuter(bvNone);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 400, 300);
    auto *top = new TPanel(&form);
    top->SetHeight(30);
    top->SetAlign(alTop);
    top->SetParent(panel);
    auto *status = new TStatusBar(&form);
    status->SetParent(panel);
    auto *left = new TPanel(&form);
    left->SetWidth(50);
    left->SetAlign(alLeft);
    left->SetParent(panel);
    auto *client = new TPanel(&form);
    client->SetAlign(alClient);
    client->SetParent(panel);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 30));
    EXPECT_EQ(status->BoundsRect(), Rect(0, 281, 400, 300));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 30, 50, 281));
    EXPECT_EQ(client->BoundsRect(), Rect(50, 30, 400, 281));

    auto *anchored = new TPanel(&form);
    anchored->SetParent(client);
    anchored->SetBounds(300, 200, 40, 20);
    anchored->SetAnchors(TAnchors(akRight | akBottom));
    auto *stretched = new TPanel(&form);
    stretched->SetParent(client);
    stretched->SetBounds(10, 10, 100, 20);
    stretched->SetAnchors(TAnchors(akLeft | akTop | akRight));
    panel->SetBounds(0, 0, 500, 350);
    EXPECT_EQ(client->BoundsRect(), Rect(50, 30, 500, 331));
    EXPECT_EQ(anchored->BoundsRect(), Rect(400, 250, 440, 270));
    EXPECT_EQ(stretched->BoundsRect(), Rect(10, 10, 210, 30));

    // Hidden controls give their room away.
    top->SetVisible(false);
    EXPECT_EQ(left->Top(), 0);
}

TEST(ControlsAlign, ScaleByScalesBoundsAndChildren)
{
    TForm form(nullptr);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(10, 20, 100, 40);
    auto *inner = new TPanel(&form);
    inner->SetParent(panel);
    inner->SetBounds(4, 8, 20, 10);
    panel->ScaleBy(3, 2);
    EXPECT_EQ(panel->BoundsRect(), Rect(15, 30, 165, 90));
    EXPECT_EQ(inner->BoundsRect(), Rect(6, 12, 36, 27));
}

TEST(ControlsTabOrder, OrderIsAPositionInTheParentsList)
{
    TForm form(nullptr);
    auto *a = new TEdit(&form);
    auto *b = new TEdit(&form);
    auto *c = new TEdit(&form);
    a->SetParent(&form);
    b->SetParent(&form);
    c->SetParent(&form);
    EXPECT_EQ(c->TabOrder(), 2);
    c->SetTabOrder(0);
    EXPECT_EQ(c->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    EXPECT_EQ(b->TabOrder(), 2);
    a->SetTabOrder(99); // clamped to the last place
    EXPECT_EQ(a->TabOrder(), 2);
    delete b;
    EXPECT_EQ(a->TabOrder(), 1);
    auto *orphan = new TEdit(&form);
    EXPECT_EQ(orphan->TabOrder(), -1);
    orphan->SetTabOrder(0);
    orphan->SetParent(&form);
    EXPECT_EQ(orphan->TabOrder(), 0);
}

TEST(ControlsTabOrder, OrdersReadFromAStreamDoNotDependOnTheOrderTheyComeIn)
{
    // A takes place 1, then C place 0: moved one by one, C would push A on to place 2.
    TPanel root(nullptr);
    root.SetName(QStringLiteral("Root"));
    TPanel *children[3];
    const char *names[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        children[i] = new TPanel(&root);
        children[i]->SetName(QString::fromLatin1(names[i]));
        children[i]->SetParent(&root);
    }
    const QByteArray text = "object Root: TPanel\n"
                            "  object A: TPanel\n    TabOrder = 1\n  end\n"
                            "  object C: TPanel\n    TabOrder = 0\n  end\n"
                            "end\n";
    ReadComponent(ObjectTextToBinary(text), &root);
    EXPECT_EQ(children[2]->TabOrder(), 0);
    EXPECT_EQ(children[0]->TabOrder(), 1);
    EXPECT_EQ(children[1]->TabOrder(), 2);
}

// Streams the writer never makes: each would read back differently from what a save of it writes.
TEST(ControlsStream, ADesignPartMovedOrMissingOrAComponentWrittenTwiceIsRefused)
{
    TPanel root(nullptr);
    root.SetName(QStringLiteral("Root"));
    auto *a = new TPanel(&root);
    a->SetName(QStringLiteral("A"));
    a->SetParent(&root);
    auto *b = new TPanel(&root);
    b->SetName(QStringLiteral("B"));
    b->SetParent(&root);
    const struct {
        const char *Text, *Refusal;
    } cases[] = {
        {"object Root: TPanel\n  object A: TPanel\n    object B: TPanel\n    end\n  end\nend\n",
         "το στοιχείο B δεν βρίσκεται στη θέση του"},
        {"object Root: TPanel\n  inherited Z: TPanel\n  end\nend\n", "το στοιχείο Z λείπει από το σχέδιο"},
        {"object Root: TPanel\n  object A: TPanel\n  end\n  object C: TPanel\n  end\n  object A: TPanel\n  end\nend\n",
         "το στοιχείο A υπάρχει δύο φορές"},
        // A parent's controls come before its other components.
        {"object Root: TPanel\n  object D: TSaveDialog\n  end\n  object E: TPanel\n  end\nend\n",
         "στοιχεία σε λάθος σειρά"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Text);
        try {
            ReadComponent(ObjectTextToBinary(c.Text), &root);
            ADD_FAILURE() << "read";
        } catch (const EReadError &e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.Refusal))) << e.what();
        }
        EXPECT_EQ(b->Parent(), &root);
        EXPECT_EQ(root.FindComponent(QStringLiteral("Z")), nullptr);
    }
}

TEST(ControlsLook, ParentColorAndFontFollowUntilSetOwn)
{
    TForm form(nullptr);
    form.SetColor(ToColor(0x112233));
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    auto *label = new TLabel(&form);
    label->SetParent(panel);
    EXPECT_EQ(panel->GetColor(), 0x112233);
    EXPECT_EQ(label->GetColor(), 0x112233);
    form.SetColor(ToColor(0x445566));
    EXPECT_EQ(label->GetColor(), 0x445566);
    panel->SetColor(ToColor(0x010101));
    EXPECT_FALSE(panel->ParentColor());
    form.SetColor(ToColor(0x777777));
    EXPECT_EQ(panel->GetColor(), 0x010101);
    EXPECT_EQ(label->GetColor(), 0x010101);

    form.GetFont()->SetHeight(-20);
    EXPECT_EQ(label->GetFont()->Height(), -20);
    EXPECT_TRUE(label->ParentFont());
    label->GetFont()->SetHeight(-9);
    EXPECT_FALSE(label->ParentFont());
    form.GetFont()->SetHeight(-30);
    EXPECT_EQ(label->GetFont()->Height(), -9);
    EXPECT_EQ(panel->GetFont()->Height(), -30);
}

TEST(ControlsPaint, InvalidateQueuesRepaintPaintsAtOnce)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto *c = new TPaintCounter(&form);
    c->SetParent(&form);
    c->SetBounds(0, 0, 50, 50);
    form.Show();
    QTest::qWait(5);
    const int before = c->Paints;
    c->Invalidate();
    EXPECT_EQ(c->Paints, before);
    QCoreApplication::processEvents();
    EXPECT_GT(c->Paints, before);
    const int mid = c->Paints;
    c->Repaint();
    EXPECT_EQ(c->Paints, mid + 1);
}

TEST(ControlsInput, ClicksMouseWheelKeysAndHandCursor)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    int clicks = 0, dbl = 0, downs = 0;
    panel->OnClick = [&](TObject *) { ++clicks; };
    panel->OnDblClick = [&](TObject *) { ++dbl; };
    panel->OnMouseDown = [&](TObject *, TMouseButton b, TShiftState s, int x, int y) {
        ++downs;
        EXPECT_EQ(b, mbLeft);
        EXPECT_TRUE(s & ssLeft);
        EXPECT_EQ(x, 5);
        EXPECT_EQ(y, 6);
    };
    form.Show();
    QTest::mouseClick(panel->Peer(), Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 1);
    QTest::mouseDClick(panel->Peer(), Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(dbl, 1);

    auto *edit = new TEdit(&form);
    edit->SetParent(&form);
    QString typed;
    edit->OnKeyPress = [&](TObject *, QChar &k) {
        if (k == u'x')
            k = QChar(); // swallowed
    };
    edit->OnKeyDown = [&](TObject *, quint16 &key, TShiftState) {
        if (key == VK_RETURN)
            typed += "<enter>";
    };
    int changes = 0;
    edit->OnChange = [&](TObject *) { ++changes; };
    edit->SetFocus();
    QTest::keyClicks(edit->Peer(), "axb");
    QTest::keyClick(edit->Peer(), Qt::Key_Return);
    EXPECT_EQ(edit->GetText(), "ab");
    EXPECT_EQ(typed, "<enter>");
    EXPECT_EQ(changes, 2);
    edit->SetText("νέο");
    EXPECT_EQ(changes, 3);

    panel->SetCursor(crHandPoint);
    EXPECT_EQ(panel->Peer()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_GT(GetSystemMetrics(SM_CXVSCROLL), 0);
}

TEST(ControlsLifetime, ParentFreesChildrenOwnerForgetsThem)
{
    auto form = std::make_unique<TForm>(nullptr);
    auto *panel = new TPanel(form.get());
    panel->SetParent(form.get());
    auto *inner = new TEdit(form.get());
    inner->SetParent(panel);
    form->Show();
    const int owned = form->ComponentCount();
    delete panel;
    EXPECT_EQ(form->ComponentCount(), owned - 2);
    EXPECT_EQ(form->ControlCount(), 0);
    form.reset();
}

namespace
{
// Counts the removals it hears of, in a counter that outlives it.
class TRemovalCounter : public TPanel
{
public:
    TRemovalCounter(TComponent *AOwner, int *Heard) : TPanel(AOwner), FHeard(Heard) {}
    void Notification(TComponent *AComponent, TOperation Operation) override
    {
        TPanel::Notification(AComponent, Operation);
        if (Operation == opRemove)
            ++*FHeard;
    }

private:
    int *FHeard;
};
} // namespace

// A window being freed frees the controls on it without telling each the end of every other (which made
// closing a declaration quadratic); only a control that another asked to hear of is announced.
TEST(ControlsLifetime, AFreedWindowsControlsLeaveQuietlyUnlessOneAskedToHear)
{
    int heard = 0;
    {
        auto form = std::make_unique<TForm>(nullptr);
        form->Show();
        std::vector<TRemovalCounter *> panels;
        for (int i = 0; i < 40; ++i) {
            panels.push_back(new TRemovalCounter(form.get(), &heard));
            panels.back()->SetParent(form.get());
        }
        // The last, freed first, is watched by the first.
        panels.back()->FreeNotification(panels.front());
    }
    EXPECT_EQ(heard, 39);
}

namespace
{
// What the tab widget shows: each tab's text, the current tab marked with *, the shown sheets' captions.
QString TabsOf(TPageControl *pc)
{
    QTabWidget *tabs = pc->TabWidget();
    QStringList items;
    for (int i = 0; i < tabs->count(); ++i)
        items << (i == tabs->currentIndex() ? QStringLiteral("*") : QString()) + tabs->tabText(i);
    QStringList shown;
    for (int i = 0; i < pc->PageCount(); ++i) {
        TTabSheet *s = pc->Pages(i);
        if (s->HandleAllocated() && s->Peer()->isVisible())
            shown << s->Caption();
        // The tab widget's page at the tab of a sheet is that sheet.
        const int tab = tabs->indexOf(s->Peer());
        if (tab >= 0 && tabs->tabText(tab) != s->Caption())
            items << QStringLiteral("wrong text at ") + QString::number(tab);
    }
    return items.join(u' ') + QStringLiteral(" | ") + shown.join(u' ');
}

TTabSheet *AddSheet(TForm &Form, TPageControl *Pc, const QString &Caption)
{
    auto *s = new TTabSheet(&Form);
    s->SetCaption(Caption);
    s->SetPageControl(Pc);
    // Something on the sheet, so that the sheet's widget is made with children.
    auto *panel = new TPanel(&Form);
    panel->SetParent(s);
    return s;
}
} // namespace

TEST(PageControl, TabsFollowEachChangeAndOnlyTheActiveSheetIsShown)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto *pc = new TPageControl(&form);
    pc->SetParent(&form);
    pc->SetAlign(alClient);
    form.Show();
    QCoreApplication::processEvents();
    TTabSheet *a = AddSheet(form, pc, QStringLiteral("A"));
    TTabSheet *b = AddSheet(form, pc, QStringLiteral("B"));
    TTabSheet *c = AddSheet(form, pc, QStringLiteral("C"));
    TTabSheet *d = AddSheet(form, pc, QStringLiteral("D"));
    int changes = 0;
    pc->OnChange = [&](TObject *) { ++changes; };
    EXPECT_EQ(pc->ActivePage(), a);
    EXPECT_EQ(TabsOf(pc), QStringLiteral("*A B C D | A"));

    pc->SetActivePage(c);
    EXPECT_EQ(TabsOf(pc), QStringLiteral("A B *C D | C"));
    b->SetCaption(QStringLiteral("B2"));
    EXPECT_EQ(TabsOf(pc), QStringLiteral("A B2 *C D | C"));
    d->SetPageIndex(0);
    EXPECT_EQ(pc->Pages(0), d);
    EXPECT_EQ(TabsOf(pc), QStringLiteral("D A B2 *C | C"));
    b->SetTabVisible(false);
    EXPECT_EQ(TabsOf(pc), QStringLiteral("D A *C | C"));
    b->SetTabVisible(true);
    EXPECT_EQ(TabsOf(pc), QStringLiteral("D A B2 *C | C"));
    EXPECT_EQ(changes, 0); // changes made by the program are no choice of the user

    // The user picks a tab.
    QTabBar *bar = pc->TabWidget()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(pc->ActivePage(), a);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(TabsOf(pc), QStringLiteral("D *A B2 C | A"));

    // The active sheet goes: the first one shows.
    delete a;
    EXPECT_EQ(pc->ActivePage(), d);
    EXPECT_EQ(TabsOf(pc), QStringLiteral("*D B2 C | D"));
    EXPECT_EQ(pc->PageCount(), 3);
}

// What a sheet holds gets its widgets when the sheet is first shown: many pages make no widgets nobody sees.
TEST(PageControl, ASheetsControlsGetWidgetsWhenTheSheetIsFirstShown)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto *pc = new TPageControl(&form);
    pc->SetParent(&form);
    pc->SetAlign(alClient);
    form.Show();
    QCoreApplication::processEvents();
    TTabSheet *a = AddSheet(form, pc, QStringLiteral("A"));
    TTabSheet *b = AddSheet(form, pc, QStringLiteral("B"));
    TTabSheet *c = AddSheet(form, pc, QStringLiteral("C"));
    EXPECT_TRUE(a->Controls(0)->HandleAllocated());
    EXPECT_FALSE(b->Controls(0)->HandleAllocated());
    EXPECT_FALSE(c->Controls(0)->HandleAllocated());

    QTabBar *bar = pc->TabWidget()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ASSERT_TRUE(b->Controls(0)->HandleAllocated());
    EXPECT_TRUE(b->Controls(0)->Peer()->isVisible());
    EXPECT_EQ(b->Controls(0)->Peer()->parentWidget(), b->Peer());

    // A widget asked for on a sheet not shown takes its place on the sheet, never a window of its own.
    QWidget *panel = c->Controls(0)->Peer();
    EXPECT_EQ(panel->parentWidget(), c->Peer());
    EXPECT_FALSE(panel->isWindow());
    EXPECT_FALSE(panel->isVisible());
    pc->SetActivePage(c);
    EXPECT_TRUE(panel->isVisible());
}

// Sheets made while the control has no widget yet (a document read before it is placed in the window)
// keep the active page once the window is shown.
TEST(PageControl, ActivePageSurvivesTheControlBeingShownLater)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto *pc = new TPageControl(&form);
    pc->SetParent(&form);
    pc->SetAlign(alClient);
    for (const char *caption : {"A", "B", "C", "D"})
        AddSheet(form, pc, QString::fromLatin1(caption));
    pc->SetActivePageIndex(2);
    ASSERT_FALSE(pc->HandleAllocated());
    form.Show();
    QCoreApplication::processEvents();
    EXPECT_EQ(pc->ActivePageIndex(), 2);
    EXPECT_EQ(TabsOf(pc), QStringLiteral("A B *C D | C"));
    // The shown sheet fills the tab widget's page area.
    EXPECT_EQ(pc->Pages(2)->Peer()->size(), pc->Pages(2)->Peer()->parentWidget()->contentsRect().size());
    EXPECT_GT(pc->Pages(2)->Width(), 0);
}

TEST(Application, HintsAndDefaultExceptionHandler)
{
    TForm form(nullptr);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetHint("Άνοιγμα|Άνοιγμα αποθηκευμένης δήλωσης");
    QStringList hints;
    Application()->OnHint = [&](TObject *) { hints << Application()->Hint(); };
    panel->PeerEnter();
    Application()->OnHint = nullptr;
    ASSERT_EQ(hints.size(), 1);
    EXPECT_EQ(hints[0], "Άνοιγμα αποθηκευμένης δήλωσης");
    EXPECT_EQ(GetShortHint(panel->Hint()), "Άνοιγμα");
    EXPECT_FALSE(Application()->ExeName().isEmpty());

    TScriptedDialogs dialogs;
    Application()->Guard([] { throw EConvertError("Λάθος ημερομηνία"); });
    Application()->Guard([] { Abort(); });
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg, "Λάθος ημερομηνία.");
    EXPECT_EQ(dialogs.Requests()[0].DlgType, mtError);
}

TEST(Image, VectorPictureDrawnStretched)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("p.svg");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
            "<rect x='0' y='0' width='10' height='10' fill='#ff0000'/></svg>");
    f.close();
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 200);
    form.SetColor(clWhite);
    auto *img = new TImage(&form);
    img->SetParent(&form);
    img->SetBounds(0, 0, 80, 40);
    ASSERT_TRUE(img->Picture()->LoadFromFile(file));
    img->SetStretch(true);
    form.Show();
    const QImage shot = form.Peer()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(75, 35)), QColor(Qt::red));
    EXPECT_NE(QColor(shot.pixel(85, 35)), QColor(Qt::red));
    EXPECT_FALSE(TPicture().LoadFromFile(dir.filePath("missing.svg")));
}

TEST(ControlsInput, HandlerErrorsReachTheDefaultHandlerNotQt)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->OnClick = [](TObject *) { throw EConvertError("Μη έγκυρη τιμή"); };
    form.Show();
    TScriptedDialogs dialogs;
    QTest::mouseClick(panel->Peer(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg, "Μη έγκυρη τιμή.");
}

TEST(StatusBar, PanelsAreDrawnWithoutWidgetsAndTheLastReachesTheEdge)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 100);
    auto *bar = new TStatusBar(&form);
    bar->SetParent(&form);
    bar->AddPanel(QString(), 160);
    bar->AddPanel(QString(), 50);
    form.Peer()->resize(400, 100);
    EXPECT_EQ(bar->PanelRect(0), Rect(0, 0, 160, 19));
    EXPECT_EQ(bar->PanelRect(1), Rect(160, 0, 400, 19));

    const QImage blank = bar->Peer()->grab().toImage();
    for (int i = 0; i < 50; ++i)
        bar->SetPanelText(1, QStringLiteral("Υπόδειξη %1").arg(i));
    EXPECT_TRUE(bar->Peer()->findChildren<QWidget *>().isEmpty());
    const QImage shown = bar->Peer()->grab().toImage();
    EXPECT_NE(shown.copy(170, 0, 200, 19), blank.copy(170, 0, 200, 19));
    EXPECT_EQ(shown.copy(0, 0, 150, 19), blank.copy(0, 0, 150, 19));

    // One simple panel over the whole bar.
    bar->SetSimplePanel(true);
    bar->SetSimpleText(QStringLiteral("Έτοιμο"));
    EXPECT_EQ(bar->ShownText(), QStringLiteral("Έτοιμο"));
    EXPECT_NE(bar->Peer()->grab().toImage().copy(0, 0, 60, 19), blank.copy(0, 0, 60, 19));
}
