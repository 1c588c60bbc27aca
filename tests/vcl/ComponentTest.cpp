#include "vcl/Classes.h"
#include "vcl/Graphics.h"

#include <gtest/gtest.h>

namespace
{

// Records what it hears, in order.
class TListener : public TComponent
{
    Q_OBJECT
public:
    using TComponent::TComponent;
    QStringList Heard;
    QList<TComponent *> Removed;
    QList<TComponent *> *RemovedOutside = nullptr; // kept where it outlives the listener
    void Notification(TComponent *AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove) {
            Removed << AComponent;
            if (RemovedOutside)
                *RemovedOutside << AComponent;
        }
        Heard << QStringLiteral("%1:%2").arg(Operation == opInsert ? "ins" : "rem", AComponent->Name());
    }
};

// Writes its name to a shared log whenever it hears of a removal.
class TOrderListener : public TComponent
{
public:
    TOrderListener(TComponent *AOwner, QStringList *Log) : TComponent(AOwner), FLog(Log) {}
    void Notification(TComponent *AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove)
            *FLog << Name();
    }

private:
    QStringList *FLog;
};

class TLogged : public TComponent
{
    Q_OBJECT
public:
    TLogged(TComponent *AOwner, QStringList *Log) : TComponent(AOwner), FLog(Log) {}
    ~TLogged() override { *FLog << Name(); }

private:
    QStringList *FLog;
};

class TRootWithFields : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(TListener *Button1 MEMBER Button1 STORED false)
public:
    using TComponent::TComponent;
    TListener *Button1 = nullptr;
};

} // namespace

TEST(Component, OwnershipNamesAndLookup)
{
    TComponent root(nullptr);
    auto *a = new TComponent(&root);
    auto *b = new TComponent(&root);
    a->SetName(QStringLiteral("Alpha"));
    b->SetName(QStringLiteral("Beta"));
    EXPECT_EQ(root.ComponentCount(), 2);
    EXPECT_EQ(root.Components(1), b);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(a->Owner(), &root);
    EXPECT_EQ(root.FindComponent(QStringLiteral("aLPHA")), a);
    EXPECT_EQ(root.FindComponent(QStringLiteral("Gamma")), nullptr);
    EXPECT_THROW(b->SetName(QStringLiteral("ALPHA")), EComponentError);
    EXPECT_THROW(b->SetName(QStringLiteral("9lives")), EComponentError);
    EXPECT_THROW(b->SetName(QStringLiteral("Σελίδα")), EComponentError);
    EXPECT_EQ(b->Name(), QStringLiteral("Beta"));
    a->SetName(QStringLiteral("ALPHA")); // same name in another case is fine
    b->SetName(QStringLiteral("Gamma"));
    EXPECT_EQ(root.FindComponent(QStringLiteral("beta")), nullptr);
    EXPECT_EQ(root.FindComponent(QStringLiteral("gamma")), b);
    b->SetComponentIndex(0);
    EXPECT_EQ(root.Components(0), b);
    EXPECT_THROW(root.Components(5), EListError);
}

TEST(Component, InsertAndRemoveAreToldToEveryComponentOfTheOwner)
{
    TComponent root(nullptr);
    auto *l1 = new TListener(&root);
    l1->SetName(QStringLiteral("L1"));
    auto *l2 = new TListener(&root);
    l2->SetName(QStringLiteral("L2"));
    auto *inner = new TListener(l2); // owned by a component of the owner: hears too
    auto *c = new TComponent(nullptr);
    c->SetName(QStringLiteral("C"));
    root.InsertComponent(c);
    EXPECT_EQ(l1->Heard.last(), QStringLiteral("ins:C"));
    EXPECT_EQ(l2->Heard.last(), QStringLiteral("ins:C"));
    EXPECT_EQ(inner->Heard.last(), QStringLiteral("ins:C"));
    // Nothing of L2 while it was being made: not yet of its class, it was no news.
    EXPECT_EQ(l1->Heard, QStringList{QStringLiteral("ins:C")});
    delete c;
    EXPECT_EQ(l1->Heard.last(), QStringLiteral("rem:C"));
    EXPECT_EQ(root.ComponentCount(), 2);
}

TEST(Component, FreeNotificationAcrossOwners)
{
    TComponent form(nullptr), module(nullptr);
    auto *box = new TListener(&form);
    auto *source = new TComponent(&module);
    source->FreeNotification(box);
    EXPECT_TRUE(source->ComponentState().testFlag(csFreeNotification));
    delete source;
    ASSERT_EQ(box->Removed.size(), 1);
    EXPECT_EQ(box->Removed[0], source);

    auto *s2 = new TComponent(&module);
    s2->FreeNotification(box);
    s2->RemoveFreeNotification(box);
    box->Removed.clear();
    delete s2;
    EXPECT_TRUE(box->Removed.isEmpty());
}

// A frame on a form names its own parts: they hear of what comes and goes in the frame, not in the form
// (each page added to a declaration would otherwise reach every box of every earlier page).
TEST(Component, AnInlineFramesPartsHearOnlyOfTheFrame)
{
    TComponent form(nullptr);
    auto *sibling = new TListener(&form);
    auto *frame = new TListener(&form);
    frame->SetInline(true);
    auto *part = new TListener(frame);
    part->SetName(QStringLiteral("Part"));
    sibling->Heard.clear();
    frame->Heard.clear();
    part->Heard.clear();
    auto *other = new TComponent(nullptr);
    other->SetName(QStringLiteral("Other"));
    form.InsertComponent(other);
    EXPECT_EQ(sibling->Heard, QStringList{QStringLiteral("ins:Other")});
    EXPECT_EQ(frame->Heard, QStringList{QStringLiteral("ins:Other")});
    EXPECT_TRUE(part->Heard.isEmpty());
    auto *inner = new TComponent(nullptr);
    inner->SetName(QStringLiteral("Inner"));
    frame->InsertComponent(inner);
    EXPECT_EQ(part->Heard, QStringList{QStringLiteral("ins:Inner")});
    delete inner;
    EXPECT_EQ(part->Heard.last(), QStringLiteral("rem:Inner"));
    delete other;
    EXPECT_EQ(frame->Heard.last(), QStringLiteral("rem:Other"));
    EXPECT_EQ(part->Heard.last(), QStringLiteral("rem:Inner"));
}

// Freeing an owner: a component that a component of the same owner asked to hear of is announced to the
// owner's components; one that only components elsewhere asked to hear of tells just those.
TEST(Component, FreedOwnerAnnouncesOnlyWhatItsOwnComponentsAskedFor)
{
    TComponent module(nullptr);
    auto *elsewhere = new TListener(&module);
    QList<TComponent *> heardByListener;
    {
        TComponent form(nullptr);
        auto *listener = new TListener(&form);
        auto *watched = new TComponent(&form);
        watched->SetName(QStringLiteral("Watched"));
        watched->FreeNotification(listener);
        auto *bound = new TComponent(&form);
        bound->SetName(QStringLiteral("Bound"));
        bound->FreeNotification(elsewhere);
        listener->Heard.clear();
        listener->RemovedOutside = &heardByListener;
    }
    EXPECT_EQ(heardByListener.size(), 1); // Watched, not Bound
    ASSERT_EQ(elsewhere->Removed.size(), 1);
    EXPECT_EQ(elsewhere->Heard.last(), QStringLiteral("rem:Bound")); // Bound itself is gone
}

// A source bound to many boxes hears of each one's end, in any order, and tells the rest once each, the
// last bound first.
TEST(Component, FreeNotificationListsStayInOrderThroughRemovals)
{
    QStringList told;
    TComponent form(nullptr), module(nullptr);
    auto *source = new TComponent(&module);
    QList<TComponent *> boxes;
    for (int i = 0; i < 100; ++i) {
        auto *box = new TOrderListener(&form, &told);
        box->SetName(QStringLiteral("Box%1").arg(i));
        source->FreeNotification(box);
        boxes << box;
    }
    source->FreeNotification(boxes[50]); // asked twice
    for (int i = 0; i < 100; ++i)
        if (i % 10 != 0)
            delete boxes[i]; // (the boxes beside it hear of it from the form)
    told.clear();
    delete source;
    EXPECT_EQ(told, (QStringList{"Box90", "Box80", "Box70", "Box60", "Box50", "Box40", "Box30", "Box20", "Box10",
                                 "Box0"}));
}

TEST(Component, DestructionOrderIsReverseCreation)
{
    QStringList log;
    {
        TComponent root(nullptr);
        for (const char *n : {"First", "Second", "Third"}) {
            auto *c = new TLogged(&root, &log);
            c->SetName(QString::fromLatin1(n));
        }
        auto *nested = new TLogged(root.Components(0), &log);
        nested->SetName(QStringLiteral("Nested"));
    }
    // A component's own destructor runs before it frees what it owns.
    EXPECT_EQ(log, (QStringList{"Third", "Second", "First", "Nested"}));
}

TEST(Component, StateFlagsAndPublishedFields)
{
    TRootWithFields root(nullptr);
    root.SetDesigning(true);
    auto *b = new TListener(&root);
    EXPECT_TRUE(b->ComponentState().testFlag(csDesigning));
    EXPECT_EQ(root.Button1, nullptr);
    b->SetName(QStringLiteral("Button1"));
    EXPECT_EQ(root.Button1, b);
    delete b;
    EXPECT_EQ(root.Button1, nullptr);
    TComponent c(nullptr);
    c.SetInline(true);
    EXPECT_EQ(c.ComponentState(), TComponentState(csInline));
    c.SetState(csLoading | csReading);
    c.Loaded();
    EXPECT_FALSE(c.IsLoading());
}

TEST(ClassRegistry, CreatesRegisteredClassesByName)
{
    EXPECT_EQ(GetClass(QStringLiteral("TListener")), nullptr);
    RegisterClass<TListener>();
    TComponentClass cls = FindClass(QStringLiteral("TListener"));
    TComponent owner(nullptr);
    TComponent *c = CreateComponent(cls, &owner);
    EXPECT_TRUE(qobject_cast<TListener *>(c));
    EXPECT_EQ(c->Owner(), &owner);
    UnRegisterClass(cls);
    EXPECT_THROW(FindClass(QStringLiteral("TListener")), EClassNotFound);
}

TEST(Graphics, ColorsResolveOnlyWhenDrawn)
{
    EXPECT_EQ(RGB(255, 220, 185), 12180735);
    EXPECT_EQ(ColorToQColor(RGB(1, 2, 3)), QColor(1, 2, 3));
    QPalette pal;
    pal.setColor(QPalette::Button, QColor(10, 20, 30));
    pal.setColor(QPalette::Base, QColor(200, 201, 202));
    EXPECT_EQ(ColorToQColor(clBtnFace, pal), QColor(10, 20, 30));
    EXPECT_EQ(ColorToQColor(clWindow, pal), QColor(200, 201, 202));
    EXPECT_EQ(ColorToRGB(clBtnFace, pal), RGB(10, 20, 30));
    EXPECT_EQ(ColorToString(clBtnFace), QStringLiteral("clBtnFace"));
    EXPECT_EQ(ColorToString(clLtGray), QStringLiteral("clSilver"));
    EXPECT_EQ(ColorToString(ToColor(16744576)), QStringLiteral("16744576"));
    EXPECT_EQ(StringToColor(QStringLiteral("clInfoBk")), clInfoBk);
    EXPECT_EQ(StringToColor(QStringLiteral("$00FF8080")), ToColor(0xFF8080));
    EXPECT_THROW(StringToColor(QStringLiteral("clNoSuch")), EConvertError);
    EXPECT_EQ(ColorToQColor(clNone).alpha(), 0);
}

TEST(Graphics, FontHeightSizeAndNotification)
{
    TFont f;
    EXPECT_EQ(f.Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    int changes = 0;
    f.OnChange = [&](TObject *Sender) {
        EXPECT_EQ(Sender, &f);
        ++changes;
    };
    f.SetSize(12);
    EXPECT_EQ(f.Height(), -16);
    f.SetHeight(-16); // same value: no change
    EXPECT_EQ(changes, 1);
    f.SetStyle(fsBold | fsItalic);
    EXPECT_EQ(changes, 2);

    TFont g;
    g.SetName(QStringLiteral("Arial"));
    g.SetHeight(-15);
    g.SetCharset(GREEK_CHARSET);
    g.SetColor(clRed);
    f.Assign(&g);
    EXPECT_EQ(changes, 3); // one notification for the whole copy
    EXPECT_TRUE(f == g);
    EXPECT_EQ(f.Style(), TFontStyles());

    TFont printer;
    printer.SetPixelsPerInch(600);
    printer.Assign(&g);
    EXPECT_EQ(printer.Height(), -94); // same 11.25 pt at 600 dpi
    EXPECT_EQ(printer.Size(), 11);
    EXPECT_EQ(g.ToQFont(96).pixelSize(), 15);
    EXPECT_EQ(g.ToQFont(192).pixelSize(), 30);

    struct Scheme : IChangeNotifier {
        int Calls = 0;
        void Changed() override { ++Calls; }
    } scheme;
    g.SetFontAdapter(&scheme);
    g.SetSize(10);
    g.Assign(&f);
    EXPECT_EQ(scheme.Calls, 2);

    TStringList notAFont;
    EXPECT_THROW(f.Assign(&notAFont), EConvertError);
}

TEST(StringList, TextValuesSortingAndChanges)
{
    TStringList l;
    int changes = 0;
    l.OnChange = [&](TObject *) { ++changes; };
    l.SetText(QStringLiteral("b\r\na\nc\r\n"));
    EXPECT_EQ(l.Count(), 3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(l.Text(), QStringLiteral("b\r\na\r\nc\r\n"));
    l.SetSorted(true);
    EXPECT_EQ(l.ToStringList(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(l.Add(QStringLiteral("B")), 1); // duplicates ignored, case-insensitive
    EXPECT_EQ(l.Count(), 3);
    EXPECT_EQ(l.IndexOf(QStringLiteral("C")), 2);
    EXPECT_THROW(l.Insert(0, QStringLiteral("x")), EStringListError);
    TStringList kv;
    kv.SetCommaText(QStringLiteral("File0=a.vapd,\"File1=b c.vapd\""));
    EXPECT_EQ(kv.Values(QStringLiteral("file1")), QStringLiteral("b c.vapd"));
    EXPECT_EQ(kv.CommaText(), QStringLiteral("File0=a.vapd,\"File1=b c.vapd\""));
    EXPECT_THROW(kv.Get(2), EStringListError);
}

#include "ComponentTest.moc"
