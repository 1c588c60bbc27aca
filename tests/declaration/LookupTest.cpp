#include "DataModuleFixture.h"

#include <QCoreApplication>

namespace
{

class LookupTest : public DataModuleFixture
{
protected:
    void SetUp() override
    {
        DataModuleFixture::SetUp();
        MakeTables(ReferenceRows());
        StartModule();
        ASSERT_TRUE(Asked.empty());
        M = Module.get();
    }
    TAPDDataModule *M = nullptr;
};

} // namespace

TEST_F(LookupTest, WagesByCodeMaritalStatusAndTriennia)
{
    EXPECT_EQ(M->GetWage(QString(), QStringLiteral("2"), QStringLiteral("ΕΓΓΑΜΟΣ")), Currency());
    EXPECT_EQ(M->GetWage(QStringLiteral("933110 "), QStringLiteral("0"), QString()), Currency::FromCents(1025));
    EXPECT_EQ(M->GetWage(QStringLiteral("933110"), QStringLiteral("2"), QStringLiteral("Εγγαμος")),
              Currency::FromCents(1230));
    EXPECT_EQ(M->GetWage(QStringLiteral("933110"), QStringLiteral("2"), QStringLiteral("εγγαμοσ")),
              Currency::FromCents(1230));
    EXPECT_EQ(M->GetWage(QStringLiteral("933110"), QStringLiteral("2"), QStringLiteral("ΑΓΑΜΟΣ")),
              Currency::FromCents(1128));
    EXPECT_EQ(M->GetBaseWage(QStringLiteral("933120")), Currency::FromCents(5298));
    // A code the table does not hold raises; the bracket is closed all the same.
    M->tbPaymentLookUp->SetFilter(QStringLiteral("[ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ] = '933120'"));
    M->tbPaymentLookUp->SetFiltered(true);
    EXPECT_THROW(M->GetWage(QStringLiteral("111111"), QStringLiteral("0"), QString()), EConvertError);
    EXPECT_THROW(M->GetWage(QStringLiteral("933110"), QString(), QString()), EConvertError);
    EXPECT_TRUE(M->tbPaymentLookUp->Filtered());
    EXPECT_FALSE(M->tbPaymentLookUp->ControlsDisabled());
    EXPECT_EQ(M->tbPaymentLookUp->RecordCount(), 1);
    // The lookup looks past the user's filter.
    EXPECT_EQ(M->GetBaseWage(QStringLiteral("933110")), Currency::FromCents(1025));
}

TEST_F(LookupTest, EmptyCodeGivesZeroWithoutTouchingTheWageTable)
{
    TTable *t = M->tbPaymentLookUp;
    M->tbEmployers->Last(); // its daily wage reads the wage table too
    t->Last();
    const int at = t->RecNo();
    EXPECT_EQ(M->GetWage(QString(), QStringLiteral("2"), QStringLiteral("ΕΓΓΑΜΟΣ")), Currency());
    EXPECT_EQ(M->GetBaseWage(QString()), Currency());
    EXPECT_EQ(M->AllowanceAmount(QString(), 30.0f), Currency());
    EXPECT_EQ(t->RecNo(), at);
    // A lookup on a table moves it to its first record (the filter is switched off and on).
    EXPECT_EQ(M->GetBaseWage(QStringLiteral("933110")), Currency::FromCents(1025));
    EXPECT_EQ(t->RecNo(), 1);
    M->EmployeeAllowance(QStringLiteral("933110"), QStringLiteral("456"));
    EXPECT_EQ(M->tbEmployers->RecNo(), 1);
}

TEST_F(LookupTest, AllowancesRoundHalvesToEven)
{
    EXPECT_EQ(M->AllowanceAmount(QStringLiteral("933110"), 10.0f), Currency::FromCents(102));
    EXPECT_EQ(M->AllowanceAmount(QStringLiteral("933110"), 30.0f), Currency::FromCents(308));
    EXPECT_EQ(M->AllowanceAmount(QString(), 30.0f), Currency());
    EXPECT_EQ(M->EmployeeAllowance(QStringLiteral("933110"), QStringLiteral("123")), Currency::FromCents(102));
    // The caller's specialty counts, not the one stored with the employee.
    EXPECT_EQ(M->EmployeeAllowance(QStringLiteral("933120"), QStringLiteral("123")), Currency::FromCents(530));
    EXPECT_EQ(M->EmployeeAllowance(QStringLiteral("933110"), QStringLiteral("456")), Currency());
    EXPECT_EQ(M->EmployeeAllowance(QStringLiteral("933110"), QStringLiteral("000")), Currency());
    EXPECT_EQ(M->EmployeeAllowance(QStringLiteral("933110"), QString()), Currency());
}

TEST_F(LookupTest, UserFilterOnEmployeesSurvivesAnAllowanceLookup)
{
    TTable *t = M->tbEmployers;
    t->SetFilter(QStringLiteral("[ΕΠΩΝΥΜΟ] = 'αν*'"));
    t->SetFiltered(true);
    ASSERT_EQ(t->RecordCount(), 1);
    EXPECT_EQ(M->EmployeeAllowance(QStringLiteral("933110"), QStringLiteral("123")), Currency::FromCents(102));
    EXPECT_TRUE(t->Filtered());
    EXPECT_EQ(t->RecordCount(), 1);
    EXPECT_FALSE(t->ControlsDisabled());
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."))->AsString(), QStringLiteral("789"));
}

TEST_F(LookupTest, ContributionRatesAndSpecialInsuranceCase)
{
    float employee = -1, employer = -1;
    EXPECT_TRUE(M->GetContributionRates(QStringLiteral("781"), employee, employer));
    EXPECT_FLOAT_EQ(employee, 19.45f);
    EXPECT_FLOAT_EQ(employer, 65.266f);
    EXPECT_FALSE(M->GetContributionRates(QStringLiteral("999"), employee, employer));
    EXPECT_EQ(employee, 0.0f);
    EXPECT_EQ(employer, 0.0f);
    employee = 1;
    EXPECT_FALSE(M->GetContributionRates(QString(), employee, employer));
    EXPECT_EQ(employee, 0.0f);
    EXPECT_EQ(M->GetSpecialInsuranceCase(QStringLiteral("781")), QString());
    EXPECT_EQ(M->GetSpecialInsuranceCase(QStringLiteral("218")), QStringLiteral("5"));
    EXPECT_EQ(M->GetSpecialInsuranceCase(QStringLiteral("999")), QString());
    EXPECT_EQ(M->GetSpecialInsuranceCase(QString()), QString());
}

TEST_F(LookupTest, DailyWageFieldAddsTheAllowanceAndShowsEmptyForAnUnknownSpecialty)
{
    TTable *t = M->tbEmployers;
    TField *wage = t->FieldByName(QStringLiteral("ΗΜΕΡΟΜΗΣΘΙΟ"));
    TField *p = t->FieldByName(QStringLiteral("p"));
    EXPECT_FALSE(p->Visible());
    ASSERT_TRUE(t->Locate(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), QStringLiteral("123"), 0));
    EXPECT_EQ(p->AsCurrency(), Currency::FromCents(1025));
    EXPECT_EQ(wage->AsCurrency(), Currency::FromCents(1127));
    ASSERT_TRUE(t->Locate(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), QStringLiteral("456"), 0));
    EXPECT_EQ(wage->AsCurrency(), Currency::FromCents(1230)); // married, 2 triennia, no allowance
    // Specialty 999999 has no wage: no error on fetching, the field is empty.
    EXPECT_NO_THROW(t->Locate(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), QStringLiteral("789"), 0));
    EXPECT_TRUE(wage->IsNull());
    EXPECT_NO_THROW(for (t->First(); !t->Eof(); t->Next()){});
}

// The tables the build makes from the shipped CSV sources (bin/APDData beside the program), as a new user
// gets them in a folder of their own; the build's copy is only read.
TEST(LookupShippedTables, WagesAndRatesOfTheShippedData)
{
    const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/APDData"));
    if (!shipped.exists(QStringLiteral("Payment.db")))
        GTEST_SKIP() << "the shipped tables are not built";
    QTemporaryDir dir;
    int asked = 0;
    const auto previous = SetMessageDlgHandler([&](const TMessageDlgRequest &) -> TModalResult {
        ++asked;
        return mrOk;
    });
    {
        TAPDDataModule module(nullptr, dir.path(), shipped.path());
        EXPECT_EQ(asked, 0);
        EXPECT_EQ(module.tbIkaOffices->RecordCount(), 294);
        EXPECT_EQ(module.tbConPhase->RecordCount(), 7);
        EXPECT_EQ(module.tbEmployers->RecordCount(), 0);
        EXPECT_EQ(module.GetWage(QStringLiteral("933110 "), QStringLiteral("2"), QStringLiteral("ΕΓΓΑΜΟΣ")),
                  Currency::FromCents(7111));
        EXPECT_EQ(module.GetBaseWage(QStringLiteral("933130")), Currency::FromCents(5010));
        float employee = 0, employer = 0;
        EXPECT_TRUE(module.GetContributionRates(QStringLiteral("781"), employee, employer));
        EXPECT_FLOAT_EQ(employee, 19.45f);
        EXPECT_FLOAT_EQ(employer, 65.266f);
        EXPECT_EQ(module.GetSpecialInsuranceCase(QStringLiteral("781")), QString());
        // The shown rate keeps the stored percentage: three decimals and a percent sign.
        ASSERT_TRUE(module.tbInsCases->Locate(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"), QStringLiteral("781"), 0));
        EXPECT_EQ(module.tbInsCases->FieldByName(QStringLiteral("ΕΙΣΦΟΡΑ ΕΡΓΟΔΟΤΗ"))->DisplayText(),
                  QStringLiteral("65,266%"));
        EXPECT_EQ(module.tbPayment->FieldByName(QStringLiteral("ΕΓΓΑΜΟΣ"))->DisplayText(), QStringLiteral("ΟΧΙ"));
    }
    SetMessageDlgHandler(previous);
}
