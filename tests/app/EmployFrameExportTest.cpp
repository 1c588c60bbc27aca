#include "EmployFrameFixture.h"

#include "declaration/ApdFile.h"
#include "vcl/CodePage.h"

namespace
{

class EmployFrameExport : public EmployFrameFixture
{
protected:
    void SetUp() override
    {
        EmployFrameFixture::SetUp();
        Page = std::make_unique<TEmployFrame>(nullptr);
        Page->SetPeriod(Day(2003, 2, 1));
    }
    void TearDown() override
    {
        Page.reset();
        EmployFrameFixture::TearDown();
    }
    std::unique_ptr<TEmployFrame> Page;
};

QByteArray Field(const char *record, int offset, int width)
{
    return QByteArray(record + offset, width);
}

} // namespace

TEST_F(EmployFrameExport, TwoRecordsPerLineWithoutRegisterNumberDropped)
{
    TEmployFrame &p = *Page;
    PickEmployee(&p, 0, QStringLiteral("123456789"));
    PickEmployee(&p, 2, QStringLiteral("555666777"));
    p.Frame21C->SetCaption(QStringLiteral("1"));
    p.XFrame131->SetCaption(QStringLiteral("01 "));
    p.XIntegerFrame1->SetValue(2);
    p.DbLookupXFrame9->SetCaption(QStringLiteral("02"));
    p.DayCount43_1->SetValue(1);
    p.xFrame35c->SetCaption(QStringLiteral("999")); // special case 2

    TApdFile file;
    p.ExportLines(file);
    ASSERT_EQ(file.Count(), 2);
    const TApdFileRec &one = file.Records(0);
    const char *e = one.EmployeeRecord.data();
    const char *r = one.InsuranceRecord.data();
    EXPECT_EQ(Field(e, 0, 10), "2123456789");
    EXPECT_EQ(Field(e, 10, 11), "01017012345");
    EXPECT_EQ(FromCp1253(Field(e, 21, 50)), QStringLiteral("ΑΛΕΞΙΟΥ").leftJustified(50));
    EXPECT_EQ(FromCp1253(Field(e, 71, 30)), QStringLiteral("ΝΙΚΟΛΑΟΣ").leftJustified(30));
    EXPECT_EQ(Field(e, 161, 8), "01011970");
    EXPECT_EQ(Field(e, 169, 9), "012345678");
    EXPECT_EQ(Field(e, 178, 1), "2"); // ΕΓΓΑΜΟΣ
    EXPECT_EQ(Field(r, 0, 1), "3");
    EXPECT_EQ(Field(r, 1, 3), "001");
    EXPECT_EQ(Field(r, 4, 1), "2");
    EXPECT_EQ(Field(r, 5, 1), "2");
    EXPECT_EQ(Field(r, 6, 6), "933110");
    EXPECT_EQ(Field(r, 12, 2), "00");
    EXPECT_EQ(Field(r, 14, 4), "0781");
    EXPECT_EQ(Field(r, 18, 8), "01022003");
    EXPECT_EQ(Field(r, 26, 8), "28022003");
    EXPECT_EQ(Field(r, 34, 2), "01");
    EXPECT_EQ(Field(r, 36, 2), "20");
    EXPECT_EQ(Field(r, 38, 10), "0000007111");
    // (20 + 1 + 0.75 × 2) × 71.11 = 1599.975, stored 1599.98 (halves to even).
    EXPECT_EQ(Field(r, 48, 10), "0000159998");
    EXPECT_EQ(Field(r, 58, 2), "02");
    EXPECT_EQ(Field(r, 60, 2), "01");
    EXPECT_EQ(Field(r, 62, 10), QByteArray::number(p.EisforesEmpolyer1->Value().Cents()).rightJustified(10, '0'));
    EXPECT_EQ(Field(r, 72, 10), QByteArray::number(p.EisforesEmpolyee1->Value().Cents()).rightJustified(10, '0'));
    EXPECT_EQ(Field(r, 82, 11), QByteArray::number(p.EisforesTotal1->Value().Cents()).rightJustified(11, '0'));

    const TApdFileRec &three = file.Records(1);
    EXPECT_EQ(Field(three.EmployeeRecord.data(), 1, 9), "555666777");
    EXPECT_EQ(Field(three.EmployeeRecord.data(), 178, 1), "1"); // ΑΓΑΜΟΣ
    EXPECT_EQ(Field(three.InsuranceRecord.data(), 12, 2), "02");
    EXPECT_EQ(Field(three.InsuranceRecord.data(), 14, 4), "0999");
    EXPECT_EQ(Field(three.InsuranceRecord.data(), 1, 3), "000");
}

TEST_F(EmployFrameExport, LineWithoutContributionsIsDropped)
{
    TEmployFrame &p = *Page;
    PickEmployee(&p, 1, QStringLiteral("222333444"));
    p.Payment2->SetValue(Currency());
    EXPECT_TRUE(p.EisforesTotal2->Value().IsZero());
    TApdFile file;
    p.ExportLines(file);
    EXPECT_EQ(file.Count(), 0);
}

TEST_F(EmployFrameExport, TextOutsideTheCodePageIsRefusedNamingTheField)
{
    TEmployFrame &p = *Page;
    PickEmployee(&p, 0, QStringLiteral("123456789"));
    p.DbLookupXFrame22->SetCaption(QStringLiteral("ΝΙΚΟΛΑΟΣ ☃"));
    TApdFile file;
    try {
        p.ExportLines(file);
        FAIL() << "a name the file cannot hold was written";
    } catch (const Exception &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("ΟΝΟΜΑ"))) << qPrintable(e.Message());
    }
}
