#include "EmployFrameFixture.h"

#include "vcl/ComponentStream.h"

namespace
{

// A window that holds pages, written and read as a document is.
class TPageHolder : public TForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPageHolder(TComponent *AOwner) : TForm(AOwner) {}
};

class EmployFrameStream : public EmployFrameFixture
{
};

} // namespace

TEST_F(EmployFrameStream, DocumentStoresOnlyWhatDiffersFromTheDesign)
{
    RegisterClass<TPageHolder>();
    TPageHolder holder(nullptr);
    holder.SetName(QStringLiteral("Holder"));
    auto *page = new TEmployFrame(&holder);
    page->SetName(QStringLiteral("EmployFrame1"));
    page->SetParent(&holder);
    page->SetPeriod(Day(2003, 2, 1));
    PickEmployee(page, 0, QStringLiteral("123456789"));
    page->DayCount43_1->SetValue(2);
    const Currency earnings = page->Apodoxes1->Value();
    const Currency total = page->EisforesTotal1->Value();
    ASSERT_FALSE(total.IsZero());

    const QByteArray data = WriteComponent(&holder);
    const QString text = QString::fromUtf8(ObjectBinaryToText(data));
    EXPECT_TRUE(text.contains(QStringLiteral("inline EmployFrame1: TEmployFrame"))) << qPrintable(text.left(400));
    EXPECT_TRUE(text.contains(QStringLiteral("ΑΛΕΞΙΟΥ")));
    EXPECT_TRUE(text.contains(QStringLiteral("DayCount43_1")));
    // Unchanged boxes and the form's fixed texts are not stored.
    for (const char *absent : {"DbLookupXFrame12", "Title24", "XFrame13", "ShemeH0", "Δηλώνω", "HorzSize"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(absent))) << absent;

    TPageHolder copy(nullptr);
    ReadComponent(data, &copy);
    auto *read = qobject_cast<TEmployFrame *>(copy.FindComponent(QStringLiteral("EmployFrame1")));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->DbLookupXFrame21->Caption(), QStringLiteral("ΑΛΕΞΙΟΥ"));
    EXPECT_EQ(read->XDateFrame4->Caption(), QStringLiteral("28/02/2003"));
    EXPECT_EQ(read->DayCount43_1->Value(), 2);
    EXPECT_EQ(read->Apodoxes1->Value(), earnings);
    EXPECT_EQ(read->EisforesTotal1->Value(), total);
    EXPECT_EQ(read->Parent(), &copy);
}

TEST_F(EmployFrameStream, DocumentWithASpecialtyTheWageTableNoLongerHoldsStillOpens)
{
    RegisterClass<TPageHolder>();
    TPageHolder holder(nullptr);
    auto *page = new TEmployFrame(&holder);
    page->SetName(QStringLiteral("EmployFrame1"));
    page->SetParent(&holder);
    page->Periods2->SetCaption(QStringLiteral("0"));
    page->Specialty2->SetCaption(QStringLiteral("111111"));
    ASSERT_EQ(Errors.size(), 1u);
    // Typed by hand after the message.
    page->Payment2->SetValue(Currency::FromCents(5555));
    const QByteArray data = WriteComponent(&holder);

    TPageHolder copy(nullptr);
    ASSERT_NO_THROW(ReadComponent(data, &copy));
    auto *read = qobject_cast<TEmployFrame *>(copy.FindComponent(QStringLiteral("EmployFrame1")));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Specialty2->Caption(), QStringLiteral("111111"));
    EXPECT_EQ(read->Payment2->Value(), Currency::FromCents(5555));
    // Reading asks the wage table nothing.
    EXPECT_EQ(Errors.size(), 1u);
    // Once read, the unknown code is reported again as the user changes it.
    read->Specialty2->SetCaption(QStringLiteral("111112"));
    EXPECT_EQ(Errors.size(), 2u);
    EXPECT_EQ(read->Payment2->Value(), Currency());
}

#include "EmployFrameStreamTest.moc"
