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
