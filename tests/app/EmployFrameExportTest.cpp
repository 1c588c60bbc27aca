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
    EXPECT_EQ(ApdEmployee::RecordType.Bytes(e), "2");
    EXPECT_EQ(ApdEmployee::Register.Bytes(e), "123456789");
    EXPECT_EQ(ApdEmployee::Amka.Bytes(e), "01017012345");
    EXPECT_EQ(FromCp1253(ApdEmployee::Surname.Bytes(e)), QStringLiteral("ΑΛΕΞΙΟΥ").leftJustified(50));
    EXPECT_EQ(FromCp1253(ApdEmployee::FirstName.Bytes(e)), QStringLiteral("ΝΙΚΟΛΑΟΣ").leftJustified(30));
    EXPECT_EQ(ApdEmployee::BirthDate.Bytes(e), "01011970");
    EXPECT_EQ(ApdEmployee::Afm.Bytes(e), "012345678");
    EXPECT_EQ(ApdEmployee::Married.Bytes(e), "2"); // ΕΓΓΑΜΟΣ
    EXPECT_EQ(ApdInsurance::RecordType.Bytes(r), "3");
    EXPECT_EQ(ApdInsurance::Branch.Bytes(r), "001");
    EXPECT_EQ(ApdInsurance::Triennia.Bytes(r), "2");
    EXPECT_EQ(ApdInsurance::Sundays.Bytes(r), "2");
    EXPECT_EQ(ApdInsurance::Specialty.Bytes(r), "933110");
    EXPECT_EQ(ApdInsurance::SpecialCase.Bytes(r), "00");
    EXPECT_EQ(ApdInsurance::Package.Bytes(r), "0781");
    EXPECT_EQ(ApdInsurance::From.Bytes(r), "01022003");
    EXPECT_EQ(ApdInsurance::Until.Bytes(r), "28022003");
    EXPECT_EQ(ApdInsurance::EarningsType.Bytes(r), "01");
    EXPECT_EQ(ApdInsurance::Days.Bytes(r), "20");
    EXPECT_EQ(ApdInsurance::Wage.Bytes(r), "0000007111");
    // (20 + 1 + 0.75 × 2) × 71.11 = 1599.975, stored 1599.98 (halves to even).
    EXPECT_EQ(ApdInsurance::Earnings.Bytes(r), "0000159998");
    EXPECT_EQ(ApdInsurance::Phase.Bytes(r), "02");
    EXPECT_EQ(ApdInsurance::AccountingDays.Bytes(r), "01");
    EXPECT_EQ(ApdInsurance::Insured.Bytes(r),
              QByteArray::number(p.EisforesEmpolyer1->Value().Cents()).rightJustified(10, '0'));
    EXPECT_EQ(ApdInsurance::Employer.Bytes(r),
              QByteArray::number(p.EisforesEmpolyee1->Value().Cents()).rightJustified(10, '0'));
    EXPECT_EQ(ApdInsurance::Total.Bytes(r),
              QByteArray::number(p.EisforesTotal1->Value().Cents()).rightJustified(11, '0'));

    const TApdFileRec &three = file.Records(1);
    EXPECT_EQ(ApdEmployee::Register.Bytes(three.EmployeeRecord.data()), "555666777");
    EXPECT_EQ(ApdEmployee::Married.Bytes(three.EmployeeRecord.data()), "1"); // ΑΓΑΜΟΣ
    EXPECT_EQ(ApdInsurance::SpecialCase.Bytes(three.InsuranceRecord.data()), "02");
    EXPECT_EQ(ApdInsurance::Package.Bytes(three.InsuranceRecord.data()), "0999");
    EXPECT_EQ(ApdInsurance::Branch.Bytes(three.InsuranceRecord.data()), "000");
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
