#include "XForms/XForms.h"
#include "vcl/ComponentStream.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <gtest/gtest.h>

namespace
{

// A page with a scheme, a notifier and two boxes, one inside the other.
class TBoxPage : public TFrame
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TBoxPage(TComponent *AOwner) : TFrame(AOwner) {}
    Q_INVOKABLE void BoxClick(TObject *) { ++Clicks; }
    int Clicks = 0;
};

QString TextOf(TComponent *root)
{
    return QString::fromUtf8(ObjectBinaryToText(WriteComponent(root)));
}

std::unique_ptr<TBoxPage> MakePage()
{
    auto page = std::make_unique<TBoxPage>(nullptr);
    page->SetName("Page");
    auto *outer = new TXFrame(page.get());
    outer->SetName("Outer");
    outer->SetParent(page.get());
    outer->SetHorzSize(1750);
    outer->SetVertSize(600);
    auto *sheme = new TXFrameSheme(page.get());
    sheme->SetName("ValueSheme");
    auto *notifier = new TXFrameNotifier(page.get());
    notifier->SetName("Notifier1");
    auto *inner = new TXFrame(page.get());
    inner->SetName("Street");
    inner->SetParent(outer);
    inner->SetHorzSize(700);
    inner->SetVertSize(150);
    inner->SetAlign(alLeft);
    inner->SetBorders(TXFrameBorderStyle(rsLeft | rsTop));
    inner->SetExtraHint("  ΟΔΟΣ|  (13)");
    inner->SetCaption("ΠΑΤΗΣΙΩΝ");
    inner->SetGroup(3);
    inner->SetSheme(sheme);
    inner->SetNotifier(notifier);
    inner->OnClick.Bind(page.get(), "BoxClick");
    return page;
}

} // namespace

TEST(XFrameStream, PublishedTableAsWritten)
{
    RegisterClass<TBoxPage>();
    auto page = MakePage();
    const QString text = TextOf(page.get());
    if (qEnvironmentVariableIsSet("APD_DUMP_STREAM"))
        printf("%s\n", qPrintable(text));
    const int street = text.indexOf("object Street: TXFrame");
    ASSERT_GE(street, 0) << qPrintable(text);
    const QString box = text.mid(street, text.indexOf("end", street) - street);
    // Written always, in the declared order.
    const QStringList always = {"Maping = mpLoMetricMaping",
                                "HorzSize = 700",
                                "VertSize = 150",
                                "Borders = [rsLeft, rsTop]",
                                "Caption = ",
                                "Alignment = taLeftJustify",
                                "Layout = tlTop",
                                "WordWrap = False",
                                "Align = alLeft",
                                "HorzAnchor = haLeft",
                                "HorzIdent = 0",
                                "VertAnchor = vaTop",
                                "VertIdent = 0",
                                "HeaderFooter = False",
                                "TabOrder = 0",
                                "ExtraHint = ",
                                "ForceNewPage = False",
                                "Flat = False",
                                "Group = 3",
                                "DropDownButton = False",
                                "Notifier = Notifier1",
                                "Sheme = ValueSheme",
                                "PrintContent = True",
                                "PrintBorders = True",
                                "PrintExtraHint = True",
                                "OnClick = BoxClick"};
    int last = -1;
    for (const QString &line : always) {
        const int at = box.indexOf(line);
        EXPECT_GT(at, last) << qPrintable(line) << "\n" << qPrintable(box);
        last = std::max(last, at);
    }
    // Never written, or only when not default; colour and font belong to the scheme here.
    for (const char *absent : {"Width", "Height", "Top =", "Left =", "AutoBorders", "HoverColor", "TabStop",
                               "Color =", "Font.", "ParentColor", "ParentFont", "Visible", "Anchors", "Enabled"})
        EXPECT_LT(box.indexOf(absent), 0) << absent << "\n" << qPrintable(box);
    // The scheme writes all its values, the fonts as sub-properties.
    EXPECT_GE(text.indexOf("object ValueSheme: TXFrameSheme"), 0);
    EXPECT_GE(text.indexOf("Font.Name = "), 0);
    EXPECT_GE(text.indexOf("SecondaryFont.Height = "), 0);
    EXPECT_GE(text.indexOf("PrintColor = False"), 0);
}

TEST(XFrameStream, RoundTripRestoresBoxesLinksAndSizes)
{
    RegisterClass<TBoxPage>();
    auto page = MakePage();
    page->findChild<TXFrame *>("Street");
    const QByteArray data = WriteComponent(page.get());

    TBoxPage copy(nullptr);
    ReadComponent(data, &copy);
    auto *street = qobject_cast<TXFrame *>(copy.FindComponent("Street"));
    auto *outer = qobject_cast<TXFrame *>(copy.FindComponent("Outer"));
    ASSERT_NE(street, nullptr);
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(street->Parent(), outer);
    EXPECT_EQ(street->Sheme(), copy.FindComponent("ValueSheme"));
    EXPECT_EQ(street->Notifier(), copy.FindComponent("Notifier1"));
    EXPECT_EQ(street->Width(), 265);
    EXPECT_EQ(street->Height(), outer->Height());
    EXPECT_EQ(outer->Width(), 661);
    EXPECT_EQ(street->ExtraHint(), "  ΟΔΟΣ|  (13)");
    EXPECT_EQ(street->Caption(), "ΠΑΤΗΣΙΩΝ");
    EXPECT_EQ(street->Borders(), TXFrameBorderStyle(rsLeft | rsTop));
    street->Click();
    EXPECT_EQ(copy.Clicks, 1);
    // Laid out once everything was read: every box stands where it stood in the page that was written.
    for (TXFrame *box : page->findChildren<TXFrame *>()) {
        auto *read = qobject_cast<TXFrame *>(copy.FindComponent(box->Name()));
        ASSERT_NE(read, nullptr) << qPrintable(box->Name());
        EXPECT_EQ(read->BoundsRect(), box->BoundsRect()) << qPrintable(box->Name());
    }

    // Written against a fresh copy of itself, nothing but the root is stored.
    TBoxPage fresh(nullptr);
    ReadComponent(data, &fresh);
    const QString diff = QString::fromUtf8(ObjectBinaryToText(WriteDescendent(&copy, &fresh)));
    EXPECT_LT(diff.indexOf("Street"), 0) << qPrintable(diff);
}

TEST(XFrameStream, MapingReadFromStreamConvertsNothing)
{
    RegisterClass<TBoxPage>();
    const QByteArray text = "object Page: TBoxPage\n"
                            "  object Box: TXFrame\n"
                            "    HorzSize = 17450\n"
                            "    Maping = mpHiMetricMaping\n"
                            "    VertSize = 1000\n"
                            "  end\n"
                            "end\n";
    TBoxPage page(nullptr);
    ReadComponent(ObjectTextToBinary(text), &page);
    auto *box = qobject_cast<TXFrame *>(page.FindComponent("Box"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Maping(), mpHiMetricMaping);
    EXPECT_EQ(box->HorzSize(), 17450);
    EXPECT_EQ(box->Width(), 660); // re-applied in Loaded with the unit read
    EXPECT_EQ(box->Height(), 38);
}

#include "XFormsStreamTest.moc"
