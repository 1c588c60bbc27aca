#include "StreamTestTypes.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace
{

struct RegisterTestClasses {
    RegisterTestClasses() { RegisterClasses<TTestItem, TTestSource, TTestRoot, TTestFrame>(); }
};
const RegisterTestClasses registerTestClasses;

QByteArray Bytes(std::initializer_list<int> bytes)
{
    QByteArray b;
    for (int x : bytes)
        b.append(char(x));
    return b;
}

QByteArray Str(const char *s)
{
    return char(strlen(s)) + QByteArray(s);
}

// The design a fresh root has: two nested items, a source, a link and a handler.
TTestRoot *MakeDesign()
{
    auto *root = new TTestRoot(nullptr);
    root->SetName(QStringLiteral("Root"));
    auto *panel = new TTestItem(root);
    panel->SetName(QStringLiteral("Panel"));
    panel->SetParent(root);
    auto *label = new TTestItem(root);
    label->SetName(QStringLiteral("Label"));
    label->SetParent(panel); // visual parent Panel, owner Root
    auto *src = new TTestSource(root);
    src->SetName(QStringLiteral("Source"));
    label->SetLink(panel);
    label->OnClick.Bind(root, "ItemClick");
    return root;
}

} // namespace

TEST(ComponentStream, FreshInstanceAgainstFreshAncestorWritesOnlyTheRoot)
{
    std::unique_ptr<TTestRoot> a(MakeDesign()), b(MakeDesign());
    const QByteArray s = WriteDescendent(a.get(), b.get());
    EXPECT_EQ(s, "TPF0" + Bytes({0xF1}) + Str("TTestRoot") + Str("Root") + Bytes({0, 0}));
}

TEST(ComponentStream, AncestorRuleWritesChangedValuesOnly)
{
    std::unique_ptr<TTestRoot> a(MakeDesign()), b(MakeDesign());
    auto *label = static_cast<TTestItem *>(a->FindComponent(QStringLiteral("Label")));
    label->FCaption = QStringLiteral("Νέο");
    label->FFlag = false; // unchanged
    const QByteArray s = WriteDescendent(a.get(), b.get());
    // Label is written under Panel, its parent, as an inherited child with its one changed property.
    const QByteArray expected = "TPF0" + Bytes({0xF1}) + Str("TTestRoot") + Str("Root") + Bytes({0}) + Bytes({0xF1}) +
                                Str("TTestItem") + Str("Panel") + Bytes({0}) + Bytes({0xF1}) + Str("TTestItem") +
                                Str("Label") + Str("Caption") + Bytes({vaString, 3, 0xCD, 0xDD, 0xEF}) + Bytes({0, 0}) +
                                Bytes({0}) + Bytes({0});
    EXPECT_EQ(s, expected);
}

TEST(ComponentStream, WithoutAncestorDefaultsDecide)
{
    TTestItem item(nullptr);
    item.SetName(QStringLiteral("I"));
    QByteArray s = WriteComponent(&item);
    // Number, Color and Big have no declared default and are always written; the rest are at their default.
    EXPECT_EQ(s, "TPF0" + Str("TTestItem") + Str("I") + Str("Number") + Bytes({vaInt8, 0}) + Str("Color") +
                     Bytes({vaIdent}) + Str("clBtnFace") + Str("Big") + Bytes({vaInt8, 0}) + Bytes({0, 0}));
    item.FParentFont = false; // the stored rule now lets Font through
    item.Font()->SetHeight(-15);
    s = WriteComponent(&item);
    EXPECT_TRUE(s.contains(Str("Font.Height") + Bytes({vaInt8, 0xF1})));
    EXPECT_TRUE(s.contains(Str("Font.Name") + Bytes({vaString}) + Str("MS Sans Serif")));
    EXPECT_FALSE(s.contains("Font.Size"));
    EXPECT_FALSE(s.contains("Font.Pitch"));
}

TEST(ComponentStream, RoundTripOfATreeWithReferencesAndEvents)
{
    std::unique_ptr<TTestRoot> a(MakeDesign());
    auto *label = static_cast<TTestItem *>(a->FindComponent(QStringLiteral("Label")));
    label->FCaption = QStringLiteral("Σελίδα 1");
    label->FSide = sdBottom;
    label->FEdges = egRight | egBottom;
    label->FColor = RGB(255, 220, 185);
    label->FRatio = 0.75;
    label->FAmount = Currency::FromCents(86000);
    label->FBig = 1LL << 40;
    label->Lines()->SetText(QStringLiteral("α\r\nβ"));
    static_cast<TTestCollectionItem *>(label->Columns()->Add())->FTitle = QStringLiteral("Στήλη");
    label->OnGetText.Bind(a.get(), "ItemGetText");
    const QByteArray s = WriteComponent(a.get());

    TTestRoot b(nullptr);
    ReadComponent(s, &b);
    auto *l2 = qobject_cast<TTestItem *>(b.FindComponent(QStringLiteral("label")));
    ASSERT_TRUE(l2);
    auto *p2 = qobject_cast<TTestItem *>(b.FindComponent(QStringLiteral("Panel")));
    EXPECT_EQ(l2->Parent(), p2);
    EXPECT_EQ(l2->Owner(), &b);
    EXPECT_EQ(l2->FCaption, QStringLiteral("Σελίδα 1"));
    EXPECT_EQ(l2->FSide, sdBottom);
    EXPECT_EQ(l2->FEdges, egRight | egBottom);
    EXPECT_EQ(l2->FColor, 12180735);
    EXPECT_EQ(l2->FRatio, 0.75);
    EXPECT_EQ(l2->FAmount, Currency::FromCents(86000));
    EXPECT_EQ(l2->FBig, 1LL << 40);
    EXPECT_EQ(l2->Lines()->ToStringList(), (QStringList{"α", "β"}));
    ASSERT_EQ(l2->Columns()->Count(), 1);
    EXPECT_EQ(static_cast<TTestCollectionItem *>(l2->Columns()->Items(0))->FTitle, QStringLiteral("Στήλη"));
    EXPECT_EQ(l2->Link(), p2);
    EXPECT_TRUE(b.FindComponent(QStringLiteral("Source")));
    l2->OnClick(l2);
    EXPECT_EQ(b.Clicks, QList<TObject *>{l2});
    QString text;
    l2->OnGetText(l2, text);
    EXPECT_EQ(text, QStringLiteral("από χειριστή"));
    EXPECT_EQ(WriteComponent(&b), s);

    // Read and written again with the classes worked out ahead on their own thread, as at start-up: the same.
    PrepareClassPlans({&TTestRoot::staticMetaObject, &TTestItem::staticMetaObject});
    TTestRoot c(nullptr);
    ReadComponent(s, &c);
    EXPECT_EQ(WriteComponent(&c), s);
    FinishClassPlans();
}

TEST(ComponentStream, TextFormConvertsBothWays)
{
    const QByteArray text = R"(object Root: TTestRoot
  Number = 5
  Caption = 'Τίτλος ''α'''#13#10'δεύτερη' +
    ' γραμμή'
  Color = clWindow
  HoverColor = 16744576
  Edges = [egRight, egBottom]
  Ratio = 0.75
  Amount = 860.5c
  Big = 1099511627776
  Font.Height = -11
  Lines.Strings = (
    'α'
    'β')
  Columns = <
    item
      Title = 'Στήλη'
    end>
  object Panel: TTestItem
    Number = -300
    inline Frame: TTestFrame [0]
    end
  end
  object Source: TTestSource
    Table = 'Employes.Db'
  end
end
)";
    const QByteArray binary = ObjectTextToBinary(text);
    EXPECT_TRUE(binary.startsWith("TPF0"));
    const QByteArray back = ObjectBinaryToText(binary);
    EXPECT_EQ(ObjectTextToBinary(back), binary);
    EXPECT_TRUE(back.contains("Caption = 'Τίτλος ''α'''#13#10'δεύτερη γραμμή'")) << back.constData();
    EXPECT_TRUE(back.contains("Amount = 860.5000c"));
    EXPECT_TRUE(back.contains("inline Frame: TTestFrame [0]"));
    EXPECT_TRUE(back.contains("Edges = [egRight, egBottom]"));
    const QByteArray both = "inherited inline F: TTestFrame\nend\n";
    EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(both)), both);
    EXPECT_EQ(ObjectTextToBinary(both).at(4), char(0xF0 | ffInherited | ffInline));

    TTestRoot root(nullptr);
    ReadComponent(binary, &root);
    EXPECT_EQ(root.Name(), QStringLiteral("Root"));
    EXPECT_EQ(root.FCaption, QStringLiteral("Τίτλος 'α'\r\nδεύτερη γραμμή"));
    EXPECT_EQ(root.FHoverColor, 16744576);
    EXPECT_EQ(root.FAmount, Currency::FromRaw(8605000));
    auto *frame = qobject_cast<TTestFrame *>(root.FindComponent(QStringLiteral("Frame")));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->Owner(), &root);
    EXPECT_EQ(frame->Parent(), root.FindComponent(QStringLiteral("Panel")));
}

namespace
{

// The bytes one changed property of an item gives, written against a fresh item.
QByteArray Written(const std::function<void(TTestItem &)> &change)
{
    TTestItem item(nullptr), fresh(nullptr);
    item.SetName(QStringLiteral("I"));
    fresh.SetName(QStringLiteral("I"));
    change(item);
    const QByteArray s = WriteDescendent(&item, &fresh);
    const QByteArray head = "TPF0" + Bytes({0xF1}) + Str("TTestItem") + Str("I");
    EXPECT_TRUE(s.startsWith(head));
    EXPECT_TRUE(s.endsWith(Bytes({0, 0})));
    return s.mid(head.size(), s.size() - head.size() - 2);
}

// Reads one property from its bytes into a fresh item.
void ReadInto(TTestItem &item, const QByteArray &prop)
{
    ReadComponent("TPF0" + Str("TTestItem") + Str("I") + prop + Bytes({0, 0}), &item);
}

} // namespace

TEST(ComponentStream, GoldenBytesOfEveryValueType)
{
    // Integers take the smallest of Int8, Int16, Int32, Int64, little-endian.
    EXPECT_EQ(Written([](TTestItem &i) { i.SetNumber(-5); }), Str("Number") + Bytes({vaInt8, 0xFB}));
    EXPECT_EQ(Written([](TTestItem &i) { i.SetNumber(1745); }), Str("Number") + Bytes({vaInt16, 0xD1, 0x06}));
    EXPECT_EQ(Written([](TTestItem &i) { i.SetNumber(-2147483647 - 1); }),
              Str("Number") + Bytes({vaInt32, 0, 0, 0, 0x80}));
    EXPECT_EQ(Written([](TTestItem &i) { i.FBig = 0x0102030405LL; }),
              Str("Big") + Bytes({vaInt64, 5, 4, 3, 2, 1, 0, 0, 0}));
    // 0.75 as an 80-bit extended: mantissa C000000000000000, exponent 3FFE.
    EXPECT_EQ(Written([](TTestItem &i) { i.FRatio = 0.75; }),
              Str("Ratio") + Bytes({vaExtended, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFE, 0x3F}));
    EXPECT_EQ(Written([](TTestItem &i) { i.FAmount = Currency::FromCents(123); }),
              Str("Amount") + Bytes({vaCurrency, 0x0C, 0x30, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Written([](TTestItem &i) { i.FCaption = QStringLiteral("ΑΠΔ"); }),
              Str("Caption") + Bytes({vaString, 3, 0xC1, 0xD0, 0xC4}));
    const QString longText(300, u'α');
    EXPECT_EQ(Written([&](TTestItem &i) { i.FCaption = longText; }),
              Str("Caption") + Bytes({vaLString, 0x2C, 0x01, 0, 0}) + QByteArray(300, char(0xE1)));
    // Text that cp1253 cannot hold is kept whole as UTF-16.
    EXPECT_EQ(Written([](TTestItem &i) { i.FCaption = QStringLiteral("€ ✓"); }),
              Str("Caption") + Bytes({vaWString, 3, 0, 0, 0, 0xAC, 0x20, 0x20, 0, 0x13, 0x27}));
    EXPECT_EQ(Written([](TTestItem &i) { i.FSide = sdTop; }), Str("Side") + Bytes({vaIdent}) + Str("sdTop"));
    EXPECT_EQ(Written([](TTestItem &i) { i.FFlag = true; }), Str("Flag") + Bytes({vaTrue}));
    // The font now counts as stored, but equals the ancestor's: only the flag is written.
    EXPECT_EQ(Written([](TTestItem &i) { i.FParentFont = false; }), Str("ParentFont") + Bytes({vaFalse}));
    EXPECT_EQ(Written([](TTestItem &i) { i.FEdges = egTop | egBottom; }),
              Str("Edges") + Bytes({vaSet}) + Str("egTop") + Str("egBottom") + Bytes({0}));
    EXPECT_EQ(Written([](TTestItem &i) { i.FColor = ToColor(0x8080FF); }),
              Str("Color") + Bytes({vaInt32, 0xFF, 0x80, 0x80, 0}));
    EXPECT_EQ(Written([](TTestItem &i) { i.Lines()->SetText(QStringLiteral("a\r\nβ")); }),
              Str("Lines.Strings") + Bytes({vaList, vaString, 1, 'a', vaString, 1, 0xE2, 0}));
    EXPECT_EQ(Written([](TTestItem &i) { static_cast<TTestCollectionItem *>(i.Columns()->Add())->FWidth = 80; }),
              Str("Columns") + Bytes({vaCollection, vaList}) + Str("Width") + Bytes({vaInt8, 80, 0, 0}));

    // Values the writer does not produce but the reader takes: Single, Date, UTF-8, Nil, Binary.
    TTestItem item(nullptr);
    ReadInto(item, Str("Ratio") + Bytes({vaSingle, 0, 0, 0x40, 0x3F}));
    EXPECT_EQ(item.FRatio, 0.75);
    ReadInto(item, Str("Ratio") + Bytes({vaDate, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    EXPECT_EQ(item.FRatio, 1.5);
    ReadInto(item, Str("Caption") + Bytes({vaUTF8String, 4, 0, 0, 0, 0xCE, 0xB1, 0xCE, 0xB2}));
    EXPECT_EQ(item.FCaption, QStringLiteral("αβ"));
    ReadInto(item, Str("Caption") + Bytes({vaWString, 1, 0, 0, 0, 0x13, 0x27}));
    EXPECT_EQ(item.FCaption, QStringLiteral("✓"));
    ReadInto(item, Str("Amount") + Bytes({vaInt8, 2}));
    EXPECT_EQ(item.FAmount, Currency::FromInt(2));
    ReadInto(item, Str("Color") + Bytes({vaIdent}) + Str("clInfoBk"));
    EXPECT_EQ(item.FColor, clInfoBk);
    ReadInto(item, Str("Left") + Bytes({vaInt8, 8}) + Str("Top") + Bytes({vaInt16, 0x2C, 0x01}));
    EXPECT_EQ(item.DesignInfo(), 8 | (300 << 16));
    EXPECT_EQ(Written([](TTestItem &i) { i.SetDesignInfo(8 | (300 << 16)); }),
              Str("Left") + Bytes({vaInt8, 8}) + Str("Top") + Bytes({vaInt16, 0x2C, 0x01}));
    item.OnClick = [](TObject *) {};
    ReadInto(item, Str("OnClick") + Bytes({vaNil}));
    EXPECT_FALSE(item.OnClick.Assigned());
    EXPECT_EQ(ObjectBinaryToText("TPF0" + Str("TTestItem") + Str("I") + Str("Data") +
                                 Bytes({vaBinary, 3, 0, 0, 0, 0xDE, 0xAD, 0x01}) + Bytes({0, 0})),
              "object I: TTestItem\n  Data = {\n    DEAD01}\nend\n");
    EXPECT_EQ(ObjectTextToBinary("object I: TTestItem\n  Data = {DEAD01}\n  V = 1.5s\n  D = 2.0d\nend"),
              "TPF0" + Str("TTestItem") + Str("I") + Str("Data") + Bytes({vaBinary, 3, 0, 0, 0, 0xDE, 0xAD, 0x01}) +
                  Str("V") + Bytes({vaSingle, 0, 0, 0xC0, 0x3F}) + Str("D") +
                  Bytes({vaDate, 0, 0, 0, 0, 0, 0, 0, 0x40}) + Bytes({0, 0}));
}

TEST(ComponentStream, InlineFrameIsWrittenAgainstAFreshFrame)
{
    std::unique_ptr<TTestRoot> doc(MakeDesign()), ancestor(MakeDesign());
    auto *panel = static_cast<TTestItem *>(doc->FindComponent(QStringLiteral("Panel")));
    auto *frame = new TTestFrame(doc.get());
    frame->SetName(QStringLiteral("Frame1"));
    frame->SetParent(panel);
    auto *part2 = static_cast<TTestItem *>(frame->FindComponent(QStringLiteral("Part2")));
    part2->FCaption = QStringLiteral("αλλαγή");
    const QByteArray s = WriteDescendent(doc.get(), ancestor.get());
    const QByteArray text = ObjectBinaryToText(s);
    // Panel is inherited (no change but a new child), the frame is new and inline; of its parts only the
    // changed one appears, and only with its changed value.
    EXPECT_EQ(text, "inherited Root: TTestRoot\n"
                    "  inherited Panel: TTestItem\n"
                    "    inline Frame1: TTestFrame\n"
                    "      inherited Part2: TTestItem\n"
                    "        Caption = 'αλλαγή'\n"
                    "      end\n"
                    "    end\n"
                    "  end\n"
                    "end\n");

    std::unique_ptr<TTestRoot> copy(MakeDesign());
    ReadComponent(s, copy.get());
    auto *f2 = qobject_cast<TTestFrame *>(copy->FindComponent(QStringLiteral("Frame1")));
    ASSERT_TRUE(f2);
    EXPECT_TRUE(f2->ComponentState().testFlag(csInline));
    EXPECT_EQ(f2->Parent(), copy->FindComponent(QStringLiteral("Panel")));
    auto *p2 = qobject_cast<TTestItem *>(f2->FindComponent(QStringLiteral("Part2")));
    EXPECT_EQ(p2->FCaption, QStringLiteral("αλλαγή"));
    EXPECT_EQ(f2->ComponentCount(), 2); // the frame's own parts were found, not created again
    // The part's handler stays bound to its frame.
    p2->OnClick(p2);
    EXPECT_EQ(f2->Clicks, QList<TObject *>{p2});
    EXPECT_EQ(WriteDescendent(copy.get(), ancestor.get()), s);
}

TEST(ComponentStream, ReadingIntoAnExistingRootResolvesForwardReferencesBeforeLoaded)
{
    const QByteArray text = R"(object Root: TTestRoot
  object First: TTestItem
    Link = Later
    OnClick = ItemClick
  end
  object Panel: TTestItem
    Caption = 'existing'
  end
  object Later: TTestItem
    Number = 2
  end
end
)";
    std::unique_ptr<TTestRoot> root(MakeDesign());
    auto *panel = static_cast<TTestItem *>(root->FindComponent(QStringLiteral("Panel")));
    ReadComponent(ObjectTextToBinary(text), root.get());
    EXPECT_EQ(root->FindComponent(QStringLiteral("Panel")), panel);
    EXPECT_EQ(panel->FCaption, QStringLiteral("existing"));
    auto *first = qobject_cast<TTestItem *>(root->FindComponent(QStringLiteral("First")));
    auto *later = qobject_cast<TTestItem *>(root->FindComponent(QStringLiteral("Later")));
    ASSERT_TRUE(first && later);
    EXPECT_EQ(first->Link(), later);
    EXPECT_EQ(first->LinkAtLoaded, later); // resolved before Loaded ran
    EXPECT_EQ(first->LoadedCount, 1);
    EXPECT_EQ(root->LoadedCount, 1);
    EXPECT_FALSE(first->ComponentState() & (csLoading | csReading));
    // The label of the design was not in the stream and was not loaded again.
    EXPECT_EQ(static_cast<TTestItem *>(root->FindComponent(QStringLiteral("Label")))->LoadedCount, 0);
    // Freeing the target clears the reference through the notification.
    delete later;
    EXPECT_EQ(first->Link(), nullptr);
}

TEST(ComponentStream, ChildPositionAndCrossRootReferences)
{
    TTestRoot module(nullptr);
    module.SetName(QStringLiteral("DataModule1"));
    auto *ds = new TTestItem(&module);
    ds->SetName(QStringLiteral("dsEmployes"));
    AddGlobalRoot(&module);

    std::unique_ptr<TTestRoot> a(MakeDesign()), ancestor(MakeDesign());
    auto *extra = new TTestItem(a.get());
    extra->SetName(QStringLiteral("Extra"));
    extra->SetParent(a.get());
    auto *panel = static_cast<TTestItem *>(a->FindComponent(QStringLiteral("Panel")));
    a->SetChildOrder(extra, 0); // Extra now comes before the inherited Panel
    panel->SetLink(ds);
    const QByteArray s = WriteDescendent(a.get(), ancestor.get());
    const QByteArray text = ObjectBinaryToText(s);
    EXPECT_TRUE(text.contains("object Extra: TTestItem\n")) << text.constData();
    EXPECT_TRUE(text.contains("inherited Panel: TTestItem [1]\n    Link = DataModule1.dsEmployes\n"))
        << text.constData();

    std::unique_ptr<TTestRoot> b(MakeDesign());
    ReadComponent(s, b.get());
    EXPECT_EQ(b->Children().size(), 2);
    EXPECT_EQ(b->Children()[0]->Name(), QStringLiteral("Extra"));
    EXPECT_EQ(static_cast<TTestItem *>(b->FindComponent(QStringLiteral("Panel")))->Link(), ds);
    RemoveGlobalRoot(&module);
}

TEST(ComponentStream, ClassesRegisteredByTheirMetaObject)
{
    RegisterClass(&TTestSource::staticMetaObject); // its invokable constructor creates it
    TComponent owner(nullptr);
    TComponent *c = CreateComponent(FindClass(QStringLiteral("TTestSource")), &owner);
    EXPECT_TRUE(qobject_cast<TTestSource *>(c));
    EXPECT_EQ(c->Owner(), &owner);
    RegisterClass<TTestSource>();
}

TEST(ComponentStream, FunctionEventsWithVarParametersBindByName)
{
    TTestRoot root(nullptr);
    ReadComponent(ObjectTextToBinary("object R: TTestRoot\n  OnAdjust = ItemAdjust\nend"), &root);
    QRect bounds(0, 0, 10, 10);
    EXPECT_EQ(root.OnAdjust(&root, bounds), QRect(0, 0, 1750, 2750));
    EXPECT_EQ(bounds, QRect(1, 1, 10, 10));
    EXPECT_TRUE(ObjectBinaryToText(WriteComponent(&root)).contains("OnAdjust = ItemAdjust"));
    // The handler must give the event's result too.
    TTestRoot other(nullptr);
    EXPECT_THROW(
        ReadComponent(ObjectTextToBinary("object R: TTestRoot\n  OnAdjust = ItemAdjustWithoutResult\nend"), &other),
        EReadError);
    TAdjustEvent unassigned;
    EXPECT_EQ(unassigned(&root, bounds), QRect()); // nothing bound: the default result
}

namespace
{

// A frame that may stand for one a reader left in its stored form: it writes that form back as it came,
// and reads it into itself when made whole.
class TStoredFrame : public TTestFrame
{
public:
    TStoredFrame(TComponent *AOwner, QByteArray AStored) : TTestFrame(AOwner), Stored(std::move(AStored)) {}
    void MakeWhole() override
    {
        if (Stored.isEmpty())
            return;
        const QByteArray stored = std::exchange(Stored, {});
        ++MadeWhole;
        ReadStoredComponent(stored, this);
    }
    void WriteState(TWriter *Writer) override
    {
        if (!Stored.isEmpty())
            Writer->WriteStored(Stored);
        else
            TTestFrame::WriteState(Writer);
    }
    QByteArray Stored;
    int MadeWhole = 0;
};

// A document of the design with an inline frame (changed in its own caption and in both parts) under
// Panel and a new item after it.
std::unique_ptr<TTestRoot> MakeDocumentWithFrame()
{
    std::unique_ptr<TTestRoot> doc(MakeDesign());
    auto *frame = new TTestFrame(doc.get());
    frame->SetName(QStringLiteral("Frame1"));
    frame->SetParent(static_cast<TTestItem *>(doc->FindComponent(QStringLiteral("Panel"))));
    frame->FCaption = QStringLiteral("Σελίδα");
    static_cast<TTestItem *>(frame->FindComponent(QStringLiteral("Part1")))->SetNumber(9);
    auto *part2 = static_cast<TTestItem *>(frame->FindComponent(QStringLiteral("Part2")));
    part2->FSide = sdRight;
    part2->FEdges = egBottom;
    part2->FAmount = Currency::FromCents(123456);
    part2->FRatio = 0.5;
    part2->FCaption = QStringLiteral("αλλαγή");
    auto *after = new TTestItem(doc.get());
    after->SetName(QStringLiteral("After"));
    after->SetParent(doc.get());
    after->SetNumber(3);
    return doc;
}

struct TOffered {
    TComponent *Parent;
    QByteArray ClassName;
    QString Name;
    QByteArray Stored;
};

// Reads Data into Root leaving every frame stored (in a TStoredFrame); what the reader offered, in order.
QList<TOffered> ReadLeavingFramesStored(const QByteArray &Data, TTestRoot *Root)
{
    QList<TOffered> offered;
    ReadComponent(Data, Root,
                  [&](TComponent *Parent, const QByteArray &ClassName, const QString &Name, const QByteArray &Stored) {
                      offered.append({Parent, ClassName, Name, Stored});
                      if (ClassName != "TTestFrame")
                          return false;
                      auto *frame = new TStoredFrame(Root, Stored);
                      frame->SetName(Name);
                      frame->SetParentComponent(Parent);
                      return true;
                  });
    return offered;
}

// What a stored frame of the document holds, as the reader offers it.
QByteArray StoredFrameOf(const QByteArray &Data)
{
    std::unique_ptr<TTestRoot> root(MakeDesign());
    const QList<TOffered> offered = ReadLeavingFramesStored(Data, root.get());
    for (const TOffered &o : offered)
        if (o.ClassName == "TTestFrame")
            return o.Stored;
    return {};
}

} // namespace

TEST(ComponentStream, ComponentsLeftStoredAreWrittenBackAsTheyCameAndMadeWholeWhenFound)
{
    std::unique_ptr<TTestRoot> doc(MakeDocumentWithFrame()), ancestor(MakeDesign());
    const QByteArray s = WriteDescendent(doc.get(), ancestor.get());

    std::unique_ptr<TTestRoot> copy(MakeDesign());
    const QList<TOffered> offered = ReadLeavingFramesStored(s, copy.get());
    // Only components the root does not hold are offered (not Panel or Label), each with its whole form.
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[0].Parent, copy->FindComponent(QStringLiteral("Panel")));
    EXPECT_EQ(offered[0].ClassName, "TTestFrame");
    EXPECT_EQ(offered[0].Name, QStringLiteral("Frame1"));
    EXPECT_EQ(offered[0].Stored.front(), char(0xF4)); // an inline component's prefix
    EXPECT_TRUE(offered[0].Stored.endsWith(Bytes({0, 0, 0})));
    EXPECT_EQ(offered[1].ClassName, "TTestItem");
    // The reader went on after the stored frame; the item it was refused was read the ordinary way.
    auto *after = qobject_cast<TTestItem *>(copy->FindComponent(QStringLiteral("After")));
    ASSERT_TRUE(after);
    EXPECT_EQ(after->Number(), 3);
    EXPECT_EQ(after->Parent(), copy.get());
    auto *frame = dynamic_cast<TStoredFrame *>(copy->FindComponent(QStringLiteral("Frame1")));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->FCaption, QString());
    EXPECT_EQ(frame->MadeWhole, 0);

    // Written back untouched, the document is the same bytes.
    EXPECT_EQ(WriteDescendent(copy.get(), ancestor.get()), s);

    // The stored form read alone gives the frame the document held.
    TTestFrame alone(nullptr);
    ReadStoredComponent(offered[0].Stored, &alone);
    EXPECT_EQ(alone.Name(), QStringLiteral("Frame1"));
    EXPECT_EQ(alone.FCaption, QStringLiteral("Σελίδα"));
    EXPECT_EQ(static_cast<TTestItem *>(alone.FindComponent(QStringLiteral("Part2")))->FAmount,
              Currency::FromCents(123456));
    EXPECT_EQ(alone.ComponentCount(), 2);

    // A stream that reaches a stored component makes it whole before reading into it.
    ReadComponent(ObjectTextToBinary("inherited Root: TTestRoot\n"
                                     "  inherited Panel: TTestItem\n"
                                     "    inline Frame1: TTestFrame\n"
                                     "      inherited Part1: TTestItem\n"
                                     "        Number = 11\n"
                                     "      end\n"
                                     "    end\n"
                                     "  end\n"
                                     "end\n"),
                  copy.get(), [](TComponent *, const QByteArray &, const QString &, const QByteArray &) {
                      ADD_FAILURE() << "a component the root holds was offered";
                      return false;
                  });
    EXPECT_EQ(frame->MadeWhole, 1);
    EXPECT_EQ(frame->FCaption, QStringLiteral("Σελίδα"));
    EXPECT_EQ(static_cast<TTestItem *>(frame->FindComponent(QStringLiteral("Part1")))->Number(), 11);
    EXPECT_EQ(static_cast<TTestItem *>(frame->FindComponent(QStringLiteral("Part2")))->FSide, sdRight);

    // A body that cannot be passed over is not offered: the ordinary reading says what is wrong.
    const qsizetype cut = s.indexOf(Str("Ratio"));
    ASSERT_GT(cut, 0);
    std::unique_ptr<TTestRoot> damaged(MakeDesign());
    QStringList offeredDamaged;
    EXPECT_THROW(ReadComponent(s.left(cut), damaged.get(),
                               [&](TComponent *, const QByteArray &, const QString &Name, const QByteArray &) {
                                   offeredDamaged.append(Name);
                                   return true;
                               }),
                 EReadError);
    EXPECT_TRUE(offeredDamaged.isEmpty());
}

TEST(ComponentStream, InspectorSeesOnlyWhatTheWriterWouldHaveWritten)
{
    std::unique_ptr<TTestRoot> doc(MakeDocumentWithFrame()), ancestor(MakeDesign());
    const QByteArray stored = StoredFrameOf(WriteDescendent(doc.get(), ancestor.get()));
    ASSERT_FALSE(stored.isEmpty());

    auto owned = std::make_unique<TTestFrame>(nullptr);
    TTestFrame *copy = owned.get();
    copy->SetName(QStringLiteral("Frame1"));
    auto *part1 = static_cast<TTestItem *>(copy->FindComponent(QStringLiteral("Part1")));
    auto *part2 = static_cast<TTestItem *>(copy->FindComponent(QStringLiteral("Part2")));
    QList<QByteArray> asked;
    TStoredInspector inspector(std::move(owned), [&asked](const QMetaObject *, QByteArrayView Path) {
        asked.append(Path.toByteArray());
        // Events and lists are accepted here too: the inspector refuses them all the same.
        static const QList<QByteArrayView> plain{"Caption", "Number", "Flag", "Side",    "Edges",
                                                 "Ratio",   "Amount", "Big",  "OnClick", "Lines.Strings"};
        return plain.contains(Path);
    });
    const auto copyIsFresh = [&] {
        EXPECT_EQ(copy->FCaption, QString());
        EXPECT_EQ(part1->Number(), 7);
        EXPECT_EQ(part2->FSide, sdLeft);
        EXPECT_EQ(part2->FEdges, egLeft | egTop);
        EXPECT_EQ(part2->FAmount, Currency());
        EXPECT_EQ(part2->FRatio, 0.0);
        EXPECT_EQ(part2->FCaption, QString());
        EXPECT_FALSE(copy->ComponentState() & (csLoading | csReading));
        EXPECT_FALSE(part2->ComponentState() & (csLoading | csReading));
    };

    int looks = 0;
    const auto look = [&](TComponent *Seen) {
        ++looks;
        EXPECT_EQ(Seen, copy);
        EXPECT_EQ(copy->FCaption, QStringLiteral("Σελίδα"));
        EXPECT_EQ(part1->Number(), 9);
        EXPECT_EQ(part2->FSide, sdRight);
        EXPECT_EQ(part2->FEdges, egBottom);
        EXPECT_EQ(part2->FAmount, Currency::FromCents(123456));
        EXPECT_EQ(part2->FRatio, 0.5);
        EXPECT_EQ(part2->FCaption, QStringLiteral("αλλαγή"));
    };
    EXPECT_TRUE(inspector.Inspect(stored, look));
    EXPECT_EQ(looks, 1);
    EXPECT_TRUE(asked.contains("Amount"));
    copyIsFresh();

    // Variations of the stored form, as text; each is refused without a look and leaves the copy fresh.
    const QByteArray text = ObjectBinaryToText("TPF0" + stored);
    ASSERT_EQ(ObjectTextToBinary(text).mid(4), stored);
    const auto variant = [&](const char *From, const char *To) {
        QByteArray t = text;
        EXPECT_TRUE(t.contains(From)) << From;
        return ObjectTextToBinary(t.replace(From, To)).mid(4);
    };
    const QList<std::pair<const char *, QByteArray>> refused{
        {"a value the fresh copy holds", variant("Number = 9", "Number = 7")},
        {"a value the caller does not accept", variant("Number = 9", "Number = 9\n    Color = clRed")},
        {"an event", variant("Number = 9", "Number = 9\n    OnClick = PartClick")},
        {"a list", variant("Number = 9", "Number = 9\n    Lines.Strings = (\n      'α')")},
        {"values out of the writer's order",
         variant("Side = sdRight\n    Edges = [egBottom]", "Edges = [egBottom]\n    Side = sdRight")},
        {"parts out of their order", ObjectTextToBinary(QByteArray(text)
                                                            .replace("inherited Part1", "inherited PartX")
                                                            .replace("inherited Part2", "inherited Part1")
                                                            .replace("inherited PartX", "inherited Part2"))
                                         .mid(4)},
        {"an unknown part", variant("inherited Part1", "inherited Part3")},
        {"a new part", variant("inherited Part1: TTestItem", "object Extra: TTestItem\n  end\n"
                                                             "  inherited Part1: TTestItem")},
        {"an inherited part with nothing changed", variant("Number = 9", "")},
        {"a number in a wider form than the writer's",
         QByteArray(stored).replace(Str("Number") + Bytes({vaInt8, 9}), Str("Number") + Bytes({vaInt16, 9, 0}))},
        {"another class", QByteArray(stored).replace(Str("TTestFrame"), Str("TTestItemX"))},
        {"a cut form", stored.left(stored.size() - 5)},
        {"bytes after the form", stored + Bytes({0})},
        {"a damaged value", QByteArray(stored).replace(Str("Number") + Bytes({vaInt8}), Str("Number") + Bytes({0x7F}))},
    };
    for (const auto &[what, form] : refused) {
        ASSERT_NE(form, stored) << what;
        EXPECT_FALSE(inspector.Inspect(form, look)) << what;
        copyIsFresh();
    }
    EXPECT_EQ(looks, 1);
    // The copy still serves.
    EXPECT_TRUE(inspector.Inspect(stored, look));
    EXPECT_EQ(looks, 2);
    copyIsFresh();
}
