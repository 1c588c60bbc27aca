// A declaration filled in the main window as the user fills it (picks from the pop-ups, values typed over
// the computed ones, typed zeros, dates keeping their time of day), saved and opened again through the
// document controller: every box, every total, the saved bytes and the exported declaration file come
// back exactly as they were.
#include "MainWindowDriver.h"

#include "app/EmployerFrameF.h"
#include "declaration/APDDataModuleF.h"
#include "declaration/PopupTyposApodoxonF.h"
#include "declaration/TyposAPDPopupF.h"

#include <QDir>
#include <QFile>

namespace
{

class DocumentRoundTrip : public MainWindowFixture
{
protected:
    // Every box kind of the header and of two pages, as a user fills them.
    void FillDeclaration()
    {
        TApdData *d = Doc();
        Type(d->DatePeriodFrame, QStringLiteral("1/2003"));
        Click(d->typeApdCode);
        PickLine(TyposAPDPopup, QStringLiteral("01"));
        Click(d->DbLookupXFrame10);
        PickRow(QStringLiteral("061"));
        Type(d->xEidosErgou, QStringLiteral("ΑΝΕΓΕΡΣΗ ΚΑΤΟΙΚΙΑΣ"));
        Type(d->frameAME, QStringLiteral("1234567"));
        Type(d->frameAMOE, QStringLiteral("0123456789"));
        Type(d->frameAFM, QStringLiteral("094000000"));
        Type(d->xOdosErgou, QStringLiteral("ΣΥΓΓΡΟΥ"));
        Type(d->xArOdouErgou, QStringLiteral("150"));
        Type(d->xTKErgou, QStringLiteral("17121"));
        Type(d->xPoliErgou, QStringLiteral("ΑΘΗΝΑ"));

        TEmployFrame *p = d->Pages(0);
        // Line 1: accounting days typed, then earnings typed over the computed value.
        Click(p->XFrame22a);
        PickRow(QStringLiteral("123456789"));
        Type(p->DayCount43_1, QStringLiteral("2"));
        Type(p->Apodoxes1, QStringLiteral("1000,00"));
        // Line 2: days typed as 0 on a line with dates, Sundays typed, another earnings type.
        Click(p->XFrame22b);
        PickRow(QStringLiteral("222333444"));
        Type(p->DayCount39_2, QStringLiteral("0"));
        Type(p->XIntegerFrame2, QStringLiteral("2"));
        Click(p->XFrame132);
        PickLine(PopupTyposApodoxon, QStringLiteral("10"));
        // Line 3: a typed from-date, a typed package, an insured's share typed over the computed one, a
        // branch typed and a phase picked.
        Click(p->XFrame22c);
        PickRow(QStringLiteral("555666777"));
        Type(p->XDateFrame3, QStringLiteral("05/01/2003"));
        Type(p->xFrame35c, QStringLiteral("999"));
        Type(p->EisforesEmpolyer3, QStringLiteral("12,34"));
        Type(p->Frame21E, QStringLiteral("061"));
        Click(p->DbLookupXFrame27);
        PickRow(QStringLiteral("03"));

        // Page 2: a daily wage typed by hand, and a line typed without any pick.
        ShowPage(1);
        TEmployFrame *q = d->Pages(1);
        Click(q->XFrame22a);
        PickRow(QStringLiteral("555666777"));
        Type(q->Payment1, QStringLiteral("50,00"));
        Type(q->XFrame22b, QStringLiteral("987654321"));
        Type(q->DbLookupXFrame12, QStringLiteral("ΝΕΟΣ"));
        ShowPage(0);
    }
};

TEST_F(DocumentRoundTrip, ReopenedDocumentShowsExactlyWhatWasSavedAndWritesTheSameBytes)
{
    FillDeclaration();
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    TApdData *d = Doc();
    TEmployFrame *p = d->Pages(0);
    // What the user made: the typed values stand beside the computed ones.
    EXPECT_EQ(p->Apodoxes1->Caption(), QStringLiteral("1000,00 €"));
    EXPECT_EQ(p->EisforesTotal1->Value(), p->EisforesEmpolyer1->Value() + p->EisforesEmpolyee1->Value());
    EXPECT_GT(p->EisforesTotal1->Value(), Currency());
    EXPECT_EQ(p->DayCount39_2->Value(), 0);
    EXPECT_EQ(p->Apodoxes2->Value(), Currency::FromDouble(1.5L * p->Payment2->Value().ToDouble()));
    EXPECT_EQ(p->DayCount39_3->Value(), 20);
    EXPECT_EQ(p->xFrame34c->Caption(), QStringLiteral("2"));
    EXPECT_EQ(p->EisforesEmpolyer3->Value(), Currency::FromCents(1234));
    EXPECT_EQ(d->Pages(1)->Apodoxes1->Value(), Currency::FromInt(1150));
    EXPECT_EQ(d->DaysTotal->Value(), 23 + 2 + 0 + 20 + 23);
    // The to-dates end their day.
    EXPECT_EQ(p->XDateFrame6->Date(), EncodeDate(2003, 1, 31) + EncodeTime(23, 59, 59, 999));
    EXPECT_TRUE(Main->FileControl1->Modified());

    const std::map<QString, QString> made = Snapshot();
    const QString exported = Dir.filePath(QStringLiteral("csc01"));
    const QByteArray file = Export(exported);
    ASSERT_FALSE(file.isEmpty());
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();

    const QString first = Dir.filePath(QStringLiteral("Έργο.vapd"));
    SaveAs(first);
    ASSERT_FALSE(Main->FileControl1->Modified());
    ASSERT_EQ(Snapshot(), made) << Differences(made, Snapshot()).toStdString();

    Trigger(Main->aNew);
    ASSERT_NE(Doc(), d);
    Open(first);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    ASSERT_EQ(Main->FileControl1->FileName(), first);
    EXPECT_FALSE(Main->FileControl1->Modified());
    EXPECT_EQ(Differences(made, Snapshot()).toStdString(), "");

    const QString second = Dir.filePath(QStringLiteral("Ξανά.vapd"));
    SaveAs(second);
    EXPECT_EQ(ReadAll(second), ReadAll(first));

    EXPECT_EQ(Export(exported), file);

    // Reference tables changed since: the document still shows what it stored.
    TTable *wages = APDDataModule->tbPayment;
    wages->Close();
    wages->SetReadOnly(false);
    wages->Open();
    while (!wages->Eof()) {
        wages->Edit();
        TField *wage = wages->FieldByName(QStringLiteral("ΑΠΟΔΟΧΕΣ"));
        wage->SetValue(wage->AsFloat() + 1);
        wages->Post();
        wages->Next();
    }
    Open(first);
    EXPECT_EQ(Differences(made, Snapshot()).toStdString(), "");
    EXPECT_EQ(Export(exported), file);
    EXPECT_TRUE(Messages.empty());
}

// The same declaration, saved by the program before reading stopped working values out again: it opens
// showing what it showed when it was saved.
TEST_F(DocumentRoundTrip, DocumentSavedByTheEarlierProgramOpensWithWhatItShowed)
{
    FillDeclaration();
    std::map<QString, QString> made = Snapshot();
    Answers.push_back(mrNo); // the filled window is not saved
    Trigger(Main->aNew);
    Messages.clear();
    Open(QStringLiteral(APD_SOURCE_DIR "/tests/app/golden/declaration-2003-01.vapd"));
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    std::map<QString, QString> opened = Snapshot();
    // The printed period boxes keep the day their page was made on.
    for (auto *m : {&made, &opened})
        std::erase_if(*m, [](const auto &entry) { return entry.first.endsWith(QStringLiteral(".XFrame503")); });
    EXPECT_EQ(Differences(made, opened).toStdString(), "");
}

} // namespace
