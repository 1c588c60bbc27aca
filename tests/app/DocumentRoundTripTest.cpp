// A declaration filled in the main window as the user fills it (picks from the pop-ups, values typed over
// the computed ones, typed zeros, dates keeping their time of day), saved and opened again through the
// document controller: every box, every total, the saved bytes and the exported declaration file come
// back exactly as they were.
#include "MainWindowDriver.h"

#include "app/EmployerFrameF.h"
#include "declaration/APDDataModuleF.h"
#include "declaration/PopupTyposApodoxonF.h"
#include "declaration/TyposAPDPopupF.h"

#include "vcl/ComponentStream.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <new>
#include <optional>

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

QString Totals(TApdData &Document)
{
    return Document.ApodoxesTotal->Caption() + u'|' + Document.DaysTotal->Caption() + u'|' +
           Document.EisforesTotal->Caption();
}

// The header's earnings, days and contributions of a declaration file beside the sums of its employment
// records.
QString HeaderAndRecordSums(const QByteArray &File)
{
    qint64 earnings = 0, days = 0, contributions = 0;
    const QList<QByteArray> lines = File.split('\n');
    for (const QByteArray &r : lines)
        if (r.startsWith('3')) {
            earnings += ApdInsurance::Earnings.Bytes(r).toLongLong();
            days += ApdInsurance::Days.Bytes(r).toLongLong() + ApdInsurance::AccountingDays.Bytes(r).toLongLong();
            contributions += ApdInsurance::Total.Bytes(r).toLongLong();
        }
    const QByteArray &h = lines.value(0);
    return QStringLiteral("%1|%2|%3 / %4|%5|%6")
        .arg(ApdHeader::EarningsTotal.Bytes(h).toLongLong())
        .arg(ApdHeader::DaysTotal.Bytes(h).toLongLong())
        .arg(ApdHeader::ContributionsTotal.Bytes(h).toLongLong())
        .arg(earnings)
        .arg(days)
        .arg(contributions);
}

// A filled declaration opened again and a line's register number cleared with the keyboard (double click,
// Backspace, Tab): what the line no longer shows it no longer holds, the totals follow, and the exported
// header declares what its records hold. Before, the blank line's amounts stayed in the totals and in the
// header while the file left its record out.
TEST_F(DocumentRoundTrip, ClearingARegisterNumberEmptiesItsLineAndTheTotalsFollow)
{
    FillDeclaration();
    const QString path = Dir.filePath(QStringLiteral("Έργο.vapd"));
    SaveAs(path);
    Trigger(Main->aNew);
    Open(path);
    TApdData *d = Doc();
    TEmployFrame *p = d->Pages(0);
    ASSERT_EQ(Totals(*d), QStringLiteral("3289,62 €|68|1743,57 €"));
    const auto clear = [&](TDbLookupXFrame *Register) {
        Click(Register, true);
        ASSERT_TRUE(Register->Editor());
        QLineEdit *edit = Register->Editor()->LineEdit();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Tab);
        Settle();
        ASSERT_FALSE(Register->Editor());
        ASSERT_EQ(Register->Caption(), QString());
    };
    const QString csc01 = Dir.filePath(QStringLiteral("csc01"));

    clear(p->XFrame22a);
    for (TXFrame *b : std::initializer_list<TXFrame *>{p->XIntegerFrame1, p->Specialty1, p->XDateFrame1, p->XDateFrame4,
                                                       p->XFrame131, p->DayCount39_1, p->Payment1, p->Apodoxes1,
                                                       p->DbLookupXFrame9, p->DayCount43_1, p->EisforesEmpolyer1,
                                                       p->EisforesEmpolyee1, p->EisforesTotal1})
        EXPECT_EQ(b->GetDisplayText(), QString()) << qPrintable(b->Name());
    for (TXCurrencyFrame *amount :
         {p->Payment1, p->Apodoxes1, p->EisforesEmpolyer1, p->EisforesEmpolyee1, p->EisforesTotal1})
        EXPECT_TRUE(amount->Value().IsZero()) << qPrintable(amount->Name());
    EXPECT_EQ(p->Specialty1->Caption(), QString());
    EXPECT_EQ(p->DayCount43_1->Value(), 0);
    // The line is as on a new page: the period's dates, the employee's own boxes as they were.
    EXPECT_EQ(p->XDateFrame1->Date(), EncodeDate(2003, 1, 1));
    EXPECT_EQ(p->DbLookupXFrame21->Caption(), QStringLiteral("ΑΛΕΞΙΟΥ"));
    EXPECT_EQ(Totals(*d), QStringLiteral("2289,62 €|43|896,41 €"));
    EXPECT_EQ(HeaderAndRecordSums(Export(csc01)), QStringLiteral("228962|43|89641 / 228962|43|89641"));

    // Line 2 as well: the totals are those of what is left.
    clear(p->XFrame22b);
    EXPECT_TRUE(p->Apodoxes2->Value().IsZero());
    EXPECT_EQ(d->ApodoxesTotal->Value(), p->Apodoxes3->Value() + d->Pages(1)->EarningsSum());
    const QString sums = HeaderAndRecordSums(Export(csc01));
    EXPECT_EQ(sums.section(u'/', 0, 0).trimmed(), sums.section(u'/', 1, 1).trimmed()) << sums.toStdString();
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();

    // Saved and opened again, the emptied lines stay empty and the totals stay.
    const QString totals = Totals(*d);
    const QString again = Dir.filePath(QStringLiteral("Ξανά.vapd"));
    SaveAs(again);
    Open(again);
    EXPECT_EQ(Totals(*Doc()), totals);
    EXPECT_TRUE(Doc()->Pages(0)->Apodoxes2->Value().IsZero());
}

// Fails the making of amount boxes for want of memory, from the Count-th made on, while it lives; the
// boxes are made as usual again after it.
class TAmountBoxesFail
{
public:
    explicit TAmountBoxesFail(int Count) : FLeft(Count)
    {
        RegisterClass(&TXCurrencyFrame::staticMetaObject, [this](TComponent *AOwner) -> TComponent * {
            if (FLeft-- <= 0)
                throw std::bad_alloc();
            return new TXCurrencyFrame(AOwner);
        });
    }
    ~TAmountBoxesFail() { RegisterClass<TXCurrencyFrame>(); }

private:
    int FLeft;
};

// A page whose making fails part-way (here, memory runs out while its design is read) stays as it was:
// the page a document stored is saved again byte for byte and still counts in the totals, a new page is
// saved as a new page, and the user is told which page and why. Once the page can be made, it is.
TEST_F(DocumentRoundTrip, APageThatCannotBeMadeStaysAsItWasAndTheUserIsTold)
{
    FillDeclaration();
    const QString path = Dir.filePath(QStringLiteral("Έργο.vapd"));
    SaveAs(path);
    const QString csc01 = Dir.filePath(QStringLiteral("csc01"));
    const QByteArray exported = Export(csc01);
    const auto made = Snapshot();
    Trigger(Main->aNew);
    Open(path);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    TApdData *d = Doc();
    TEmployFrame *page = TApdData::PageOf(d->PageControl1->Pages(1));
    ASSERT_TRUE(page->IsStored());
    const QString totals = Totals(*d);
    {
        TAmountBoxesFail fail(7);
        ShowPage(1);
        Settle();
        ASSERT_EQ(Messages.size(), 1u);
        EXPECT_TRUE(
            Messages[0].startsWith(QStringLiteral("Η Σελίδα 2 δεν μπόρεσε να διαβαστεί (δεν επαρκεί η μνήμη).")))
            << Messages[0].toStdString();
        EXPECT_TRUE(page->IsStored());
        EXPECT_EQ(page->ComponentCount(), 0);
        EXPECT_EQ(page->ControlCount(), 0);
        EXPECT_EQ(Totals(*d), totals);
        EXPECT_FALSE(Main->FileControl1->Modified());
        // A command that needs its boxes meanwhile stops, saying why, and writes nothing.
        EXPECT_TRUE(Export(csc01).isEmpty());
        EXPECT_FALSE(QFile::exists(csc01));
        ASSERT_EQ(Messages.size(), 2u);
        EXPECT_TRUE(Messages[1].startsWith(QStringLiteral("Η Σελίδα 2 δεν μπόρεσε να διαβαστεί")))
            << Messages[1].toStdString();
        EXPECT_TRUE(page->IsStored());
    }
    // Saved from the page it was saved from, it is written as it was.
    ShowPage(0);
    const QString again = Dir.filePath(QStringLiteral("Ξανά.vapd"));
    SaveAs(again);
    EXPECT_EQ(ReadAll(again), ReadAll(path));
    EXPECT_TRUE(page->IsStored());

    // The export needs its boxes: it makes the page now, and writes what it wrote before.
    Messages.clear();
    EXPECT_EQ(Export(csc01), exported);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    EXPECT_FALSE(page->IsStored());
    ShowPage(1);
    EXPECT_TRUE(page->Payment1->Peer()->isVisible());
    EXPECT_EQ(page->Payment1->Caption(), QStringLiteral("50,00 €"));
    EXPECT_FALSE(Main->FileControl1->Modified());
    ShowPage(0);
    EXPECT_EQ(Differences(made, Snapshot()).toStdString(), "");

    // A new document's page, made when it is first shown: the same.
    Trigger(Main->aNew);
    TEmployFrame *added = TApdData::PageOf(Doc()->PageControl1->Pages(2));
    ASSERT_TRUE(added->IsStored());
    Messages.clear();
    {
        TAmountBoxesFail fail(0);
        ShowPage(2);
        Settle();
    }
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].startsWith(QStringLiteral("Η Σελίδα 3 δεν μπόρεσε να διαβαστεί")))
        << Messages[0].toStdString();
    EXPECT_TRUE(added->IsStored());
    EXPECT_EQ(added->ComponentCount(), 0);
    // Saved once it can be made: the save makes it, as a new page of the document's period.
    const QString fresh = Dir.filePath(QStringLiteral("Νέο.vapd"));
    SaveAs(fresh);
    EXPECT_FALSE(added->IsStored());
    EXPECT_EQ(added->Name(), QStringLiteral("EmployFrame3"));
    EXPECT_EQ(added->XDateFrame1->Date(), StartOfTheMonth(Doc()->DatePeriodFrame->Date()));
    Open(fresh);
    EXPECT_EQ(Doc()->PageCount(), 4);
    EXPECT_EQ(Messages.size(), 1u) << Messages.back().toStdString();
}

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
    // The page shown is made; the others wait in their stored form until something needs them, yet the
    // totals and a save are already what the made pages give.
    d = Doc();
    EXPECT_FALSE(TApdData::PageOf(d->PageControl1->Pages(0))->IsStored());
    for (int i = 1; i < d->PageCount(); ++i)
        EXPECT_TRUE(TApdData::PageOf(d->PageControl1->Pages(i))->IsStored()) << i;
    EXPECT_EQ(d->DaysTotal->Value(), 23 + 2 + 0 + 20 + 23);
    const QString second = Dir.filePath(QStringLiteral("Ξανά.vapd"));
    SaveAs(second);
    EXPECT_EQ(ReadAll(second), ReadAll(first));
    EXPECT_TRUE(TApdData::PageOf(d->PageControl1->Pages(1))->IsStored());
    // Shown, a page is made with what it stored, and it is no change.
    ShowPage(1);
    EXPECT_FALSE(TApdData::PageOf(d->PageControl1->Pages(1))->IsStored());
    EXPECT_EQ(d->Pages(1)->Payment1->Caption(), QStringLiteral("50,00 €"));
    EXPECT_TRUE(d->Pages(1)->Payment1->Peer()->isVisible());
    EXPECT_FALSE(Main->FileControl1->Modified());
    ShowPage(0);
    EXPECT_EQ(Differences(made, Snapshot()).toStdString(), "");

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

QByteArray Saved(TApdData &Document)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    Document.SaveToStream(out);
    return out.data();
}

// A document opened as the program opens it (pages made when something needs them) beside the same
// document read with every page made at once: the same refusal, or the same totals, the same bytes
// written before and after the pages are made, and the same boxes. How many pages waited is returned.
int ExpectPagesMadeLaterHoldTheSame(const QByteArray &Data, const std::string &What)
{
    TApdData atOnce(nullptr), later(nullptr);
    std::optional<std::string> atOnceError, laterError;
    try {
        // As opening did: the stream's structure checked whole first, then read.
        ComponentClassCounts(Data);
        ReadComponent(Data, &atOnce);
    } catch (const std::exception &e) {
        atOnceError = e.what();
    }
    QBuffer in;
    in.setData(Data);
    in.open(QIODevice::ReadOnly);
    try {
        later.LoadFromStream(in);
    } catch (const std::exception &e) {
        laterError = e.what();
    }
    EXPECT_EQ(laterError, atOnceError) << What;
    if (atOnceError || laterError)
        return 0;
    int waiting = 0;
    for (int i = 0; i < later.PageCount(); ++i)
        waiting += TApdData::PageOf(later.PageControl1->Pages(i))->IsStored() ? 1 : 0;
    EXPECT_EQ(Totals(later), Totals(atOnce)) << What;
    EXPECT_EQ(Saved(later), Saved(atOnce)) << What;
    EXPECT_EQ(Differences(Snapshot(&atOnce), Snapshot(&later)).toStdString(), "") << What;
    EXPECT_EQ(Saved(later), Saved(atOnce)) << What;
    return waiting;
}

} // namespace

// Documents of every origin, and damaged copies of one: a page is left in its stored form only where that
// changes nothing the user can see or save.
TEST(DocumentPagesMadeLater, HoldWhatPagesMadeAtOnceHold)
{
    QByteArray program;
    int waiting = 0;
    for (const char *file : {"/tests/app/golden/declaration.vapd", "/tests/app/golden/declaration-2003-01.vapd",
                             "/tests/program/Sample.vapd", "/tests/app/fuzz-findings/reopened-differs-1.vapd",
                             "/tests/app/fuzz-findings/reopened-differs-2.vapd"}) {
        const QByteArray data = ReadAll(QStringLiteral(APD_SOURCE_DIR) + QString::fromLatin1(file));
        ASSERT_FALSE(data.isEmpty()) << file;
        waiting += ExpectPagesMadeLaterHoldTheSame(data, file);
        if (QByteArray(file).contains("golden/declaration.vapd"))
            program = data;
    }
    // The program's own documents wait whole.
    EXPECT_GT(waiting, 0);
    for (const QString &f : QDir(QStringLiteral(APD_SOURCE_DIR "/fuzz/corpus/document")).entryList(QDir::Files))
        ExpectPagesMadeLaterHoldTheSame(ReadAll(QStringLiteral(APD_SOURCE_DIR "/fuzz/corpus/document/") + f),
                                        f.toStdString());

    // Looks changed in every way the menus allow, values typed over computed ones, the window zoomed.
    {
        TApdData w(nullptr);
        w.AddPage();
        w.AddPage();
        TEmployFrame *p = w.Pages(1);
        p->XFrame22a->SetCaption(QStringLiteral("123456789"));
        p->Apodoxes2->SetValue(Currency::FromCents(123456));
        p->DayCount43_3->SetValue(4);
        p->XDateFrame2->SetDate(EncodeDate(2003, 1, 5) + 0.25);
        TFont font;
        font.SetName(QStringLiteral("Tahoma"));
        font.SetHeight(-13);
        font.SetStyle(TFontStyles(fsBold) | fsItalic);
        font.SetColor(clRed);
        w.ShemeH0->SetFont(&font);
        w.ShemeH2->SetSecondaryFont(&font);
        w.ShemeH1->SetColor(TColor(0x123456));
        w.ShemeH3->SetPrintColor(true);
        const QByteArray looks = WriteDescendent(&w, std::make_unique<TApdData>(nullptr).get());
        EXPECT_EQ(ExpectPagesMadeLaterHoldTheSame(looks, "looks"), 2);
        w.SetScale(120);
        ExpectPagesMadeLaterHoldTheSame(WriteDescendent(&w, std::make_unique<TApdData>(nullptr).get()), "zoomed");
    }

    // Pages added to a window not shown yet (a new document's) wait, and once made hold what pages made at
    // once hold.
    {
        TApdData waiting(nullptr), made(nullptr);
        made.HandleNeeded(); // a window with its widgets makes its pages at once
        for (TApdData *w : {&waiting, &made}) {
            w->DatePeriodFrame->SetDate(EncodeDate(2003, 2, 1));
            for (int i = 0; i < 3; ++i)
                w->AddPage();
        }
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(TApdData::PageOf(waiting.PageControl1->Pages(i))->IsStored()) << i;
            EXPECT_FALSE(TApdData::PageOf(made.PageControl1->Pages(i))->IsStored()) << i;
        }
        EXPECT_EQ(Totals(waiting), Totals(made));
        EXPECT_EQ(Saved(waiting), Saved(made));
        EXPECT_EQ(Differences(Snapshot(&made), Snapshot(&waiting)).toStdString(), "");
        EXPECT_EQ(Saved(waiting), Saved(made));
    }

    // Damaged copies of a document of the program's: byte by byte, every part of a page's stored form.
    ASSERT_FALSE(program.isEmpty());
    const qsizetype pages = program.indexOf("EmployFrame");
    ASSERT_GT(pages, 0);
    quint32 seed = 20031;
    for (int n = 0; n < 48; ++n) {
        seed = seed * 1103515245u + 12345u;
        const qsizetype at = pages + qsizetype(seed >> 8) % (program.size() - pages);
        QByteArray damaged = program;
        damaged[at] = char(quint8(damaged[at]) ^ quint8(1 + (seed >> 3) % 255));
        ExpectPagesMadeLaterHoldTheSame(damaged, "byte " + std::to_string(at));
    }
}
