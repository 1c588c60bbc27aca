#include "XForms/XForms.h"
#include "vcl/Forms.h"

#include <gtest/gtest.h>

namespace
{

// A box that counts how often its scheme told it of a change.
class TCountingBox : public TXFrame
{
public:
    using TXFrame::TXFrame;
    int Told = 0;
    void ShemeChanged(TXFrameSheme *AScheme) override
    {
        TXFrame::ShemeChanged(AScheme);
        if (AScheme == Sheme())
            ++Told;
    }
};

struct ShemeFixture : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TXFrameSheme *Sheme = nullptr;
    TCountingBox *A = nullptr, *B = nullptr;
    int Changes = 0;
    void SetUp() override
    {
        A = new TCountingBox(Form.get());
        B = new TCountingBox(Form.get());
        Sheme = new TXFrameSheme(Form.get());
        A->SetSheme(Sheme);
        B->SetSheme(Sheme);
        Sheme->SetColor(ToColor(0x00FFFF));
        A->Told = B->Told = 0;
        Sheme->OnChange = [this](TObject *) { ++Changes; };
    }
};

} // namespace

TEST_F(ShemeFixture, ColorAndPrintColorNotify)
{
    Sheme->SetColor(ToColor(0x00FFFF));
    EXPECT_EQ(Changes, 0);
    EXPECT_EQ(A->Told, 0);
    Sheme->SetPrintColor(false);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(A->Told, 1);
    EXPECT_EQ(B->Told, 1);
    Sheme->Font()->SetSize(12);
    EXPECT_EQ(Changes, 2);
    EXPECT_EQ(B->Told, 2);
}

TEST_F(ShemeFixture, BoxesReadAndWriteTheSchemeLook)
{
    EXPECT_EQ(A->GetColor(), 0x00FFFF);
    EXPECT_EQ(A->GetFont(), Sheme->Font());
    B->SetColor(ToColor(0x123456));
    EXPECT_EQ(A->GetColor(), 0x123456);
    EXPECT_EQ(Sheme->Color(), 0x123456);
    EXPECT_FALSE(A->IsColorStored());
    EXPECT_FALSE(A->IsFontStored());
}

TEST_F(ShemeFixture, LinkingIsOnceAndUnlinkingStopsChanges)
{
    A->SetSheme(Sheme);
    EXPECT_EQ(Sheme->Frames().size(), 2u);
    A->SetSheme(nullptr);
    EXPECT_EQ(Sheme->Frames().size(), 1u);
    Sheme->SetPrintColor(true);
    EXPECT_EQ(A->Told, 0);
    EXPECT_EQ(B->Told, 1);
    // A freed box leaves the list, so later changes do not reach it.
    delete B;
    EXPECT_TRUE(Sheme->Frames().empty());
    Sheme->SetPrintColor(true);
    EXPECT_EQ(Changes, 2);
}

TEST_F(ShemeFixture, AssignCopiesAllFourValues)
{
    auto *other = new TXFrameSheme(Form.get());
    other->Font()->SetName("Courier New");
    other->Font()->SetHeight(-20);
    other->SecondaryFont()->SetHeight(-9);
    other->SetColor(ToColor(0xABCDEF));
    other->SetPrintColor(true);
    Changes = 0;
    Sheme->Assign(other);
    EXPECT_EQ(Sheme->Font()->Name(), "Courier New");
    EXPECT_EQ(Sheme->Font()->Height(), -20);
    EXPECT_EQ(Sheme->SecondaryFont()->Height(), -9);
    EXPECT_EQ(Sheme->Color(), 0xABCDEF);
    EXPECT_TRUE(Sheme->PrintColor());
    // Font, secondary font, colour and print colour each notified.
    EXPECT_EQ(Changes, 4);
}

TEST_F(ShemeFixture, FreedSchemeLeavesBoxesTheirOwnLook)
{
    A->SetSheme(nullptr);
    A->SetColor(ToColor(0x0000FF));
    A->SetSheme(Sheme);
    EXPECT_EQ(A->GetColor(), 0x00FFFF);
    delete Sheme;
    EXPECT_EQ(A->Sheme(), nullptr);
    EXPECT_EQ(B->Sheme(), nullptr);
    EXPECT_EQ(A->GetColor(), 0x0000FF);
}

TEST(XFrameNotifier, OneCallPerEditNamingTheBox)
{
    TForm form(nullptr);
    auto *n = new TXFrameNotifier(&form);
    std::vector<TXFrame *> seen;
    n->OnChange = [&](TObject *sender, TXFrame *f) {
        EXPECT_EQ(sender, n);
        seen.push_back(f);
    };
    std::vector<TXFrame *> boxes;
    for (int i = 0; i < 3; ++i) {
        boxes.push_back(new TXFrame(&form));
        boxes.back()->SetNotifier(n);
    }
    for (TXFrame *b : boxes)
        b->SetCaption("x");
    EXPECT_EQ(seen, boxes);
}
