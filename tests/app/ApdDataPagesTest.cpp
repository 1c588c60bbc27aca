// The declaration window with employee pages: naming and captions, deletion, the advisory and hard page
// limits, totals, period and schemes handed down, the page menu, documents with pages, printing them and
// the declaration file they export.
#include "ApdDataTestSupport.h"
#include "platform/SafeWrite.h"

#include "EmployFrameFixture.h"
#include "app/EmployerFrameF.h"
#include "declaration/APDDataModuleF.h"
#include "declaration/ApdFile.h"
#include "declaration/eApdOptionsF.h"
#include "printing/XPrinters.h"
#include "vcl/ActnList.h"
#include "vcl/CodePage.h"
#include "vcl/ComponentStream.h"
#include "vcl/Dialogs.h"
#include "vcl/StdCtrls.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>

namespace
{

// One employee line filled as the page would after a pick and its computations.
void FillLine(TEmployFrame *p, int line, const QString &reg, Currency earnings, Currency insured, Currency employer,
              int days, const QString &type = QStringLiteral("01 "))
{
    TEmployDbBox *regBox[] = {p->XFrame22a, p->XFrame22b, p->XFrame22c};
    TEmployDbBox *surname[] = {p->DbLookupXFrame21, p->DbLookupXFrame12, p->DbLookupXFrame3};
    TEmployDbBox *married[] = {p->Married1, p->Married2, p->Married3};
    TXFrame *typeBox[] = {p->XFrame131, p->XFrame132, p->XFrame475};
    TXIntegerFrame *days39[] = {p->DayCount39_1, p->DayCount39_2, p->DayCount39_3};
    TXCurrencyFrame *earn[] = {p->Apodoxes1, p->Apodoxes2, p->Apodoxes3};
    TXCurrencyFrame *ins[] = {p->EisforesEmpolyer1, p->EisforesEmpolyer2, p->EisforesEmpolyer3};
    TXCurrencyFrame *emp[] = {p->EisforesEmpolyee1, p->EisforesEmpolyee2, p->EisforesEmpolyee3};
    TXCurrencyFrame *tot[] = {p->EisforesTotal1, p->EisforesTotal2, p->EisforesTotal3};
    const int k = line - 1;
    regBox[k]->SetCaption(reg);
    surname[k]->SetCaption(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    married[k]->SetCaption(QStringLiteral("ΕΓΓΑΜΟΣ"));
    typeBox[k]->SetCaption(type);
    days39[k]->SetValue(days);
    earn[k]->SetValue(earnings);
    ins[k]->SetValue(insured);
    emp[k]->SetValue(employer);
    tot[k]->SetValue(insured + employer);
}

Currency Eur(long double v)
{
    return Currency::FromDouble(v);
}

QStringList SheetNames(TApdData &w)
{
    QStringList names;
    for (int i = 0; i < w.PageControl1->PageCount(); ++i)
        names << w.PageControl1->Pages(i)->Name() + u'/' + w.PageControl1->Pages(i)->Caption() + u'/' +
                     (w.Pages(i) ? w.Pages(i)->Name() : QString());
    return names;
}

} // namespace

TEST(ApdDataPages, AddedPagesAreNamedAndCaptionedAndDeletionRenumbersCaptionsOnly)
{
    TScriptedDialogs dialogs;
    TApdData w(nullptr);
    int changes = 0;
    w.OnChange = [&](TObject *) { ++changes; };
    w.AddPage();
    // A new page reports the change, and so does every box its creation fills.
    EXPECT_GE(changes, 1);
    for (int i = 0; i < 3; ++i)
        w.AddPage();
    changes = 0;
    EXPECT_EQ(SheetNames(w), (QStringList{"TabSheet1/Σελίδα 1/EmployFrame1", "TabSheet2/Σελίδα 2/EmployFrame2",
                                          "TabSheet3/Σελίδα 3/EmployFrame3", "TabSheet4/Σελίδα 4/EmployFrame4"}));
    EXPECT_EQ(w.PageControl1->ActivePageIndex(), 3);
    EXPECT_EQ(w.Pages(0)->Owner(), &w);
    EXPECT_EQ(w.PageControl1->Pages(0)->Owner(), &w);

    // No and Cancel leave the document as it was.
    w.PageControl1->SetActivePageIndex(1);
    dialogs.Answer(mrNo);
    w.DeletePage();
    EXPECT_EQ(w.PageControl1->PageCount(), 4);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg, QStringLiteral("Θέλετε να διαγράψετε τη Σελίδα 2"));
    EXPECT_EQ(dialogs.Requests()[0].DlgType, mtConfirmation);
    EXPECT_EQ(changes, 0);

    dialogs.Answer(mrYes);
    w.DeletePage();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(w.PageControl1->ActivePageIndex(), 1); // the page that followed
    w.AddPage();
    EXPECT_EQ(SheetNames(w), (QStringList{"TabSheet1/Σελίδα 1/EmployFrame1", "TabSheet3/Σελίδα 2/EmployFrame3",
                                          "TabSheet4/Σελίδα 3/EmployFrame4", "TabSheet2/Σελίδα 4/EmployFrame2"}));

    // Deleting the last page makes the new last page active; one page is never deleted.
    w.PageControl1->SetActivePageIndex(3);
    dialogs.Answer(mrYes);
    w.DeletePage();
    EXPECT_EQ(w.PageControl1->ActivePageIndex(), 2);
    for (int i = 0; i < 2; ++i) {
        dialogs.Answer(mrYes);
        w.DeletePage();
    }
    const int asked = dialogs.Count();
    w.DeletePage();
    EXPECT_EQ(w.PageControl1->PageCount(), 1);
    EXPECT_EQ(dialogs.Count(), asked);
}

TEST(ApdDataPages, AdvisoryLimitAsksAndHardLimitRefusesSilently)
{
    TScriptedDialogs dialogs;
    TApdData w(nullptr);
    EXPECT_EQ(w.MaxPagesAdvised, 64);
    w.MaxPagesAdvised = 6;
    for (int i = 0; i < 6; ++i)
        w.AddPage();
    EXPECT_EQ(dialogs.Count(), 0);
    dialogs.Answer(mrAbort);
    w.AddPage();
    EXPECT_EQ(w.PageControl1->PageCount(), 6);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_TRUE(dialogs.Requests()[0].Msg.endsWith(QStringLiteral("από 6 σελίδες.")));
    EXPECT_EQ(dialogs.Requests()[0].DlgType, mtWarning);
    EXPECT_EQ(dialogs.Requests()[0].Buttons, mbAbortIgnore);
    dialogs.Answer(mrIgnore);
    w.AddPage();
    EXPECT_EQ(w.PageControl1->PageCount(), 7);

    w.MaxPagesAdvised = 64;
    while (w.PageControl1->PageCount() < 64)
        w.AddPage();
    const int asked = dialogs.Count();
    w.AddPage();
    EXPECT_EQ(w.PageControl1->PageCount(), 64);
    EXPECT_EQ(dialogs.Count(), asked);
}

TEST(ApdDataPages, TotalsFollowTheLinesPeriodAndSchemesGoDownToEveryPage)
{
    TApdData w(nullptr);
    w.AddPage();
    w.AddPage();
    FillLine(w.Pages(0), 1, QStringLiteral("111111111"), Eur(860), Eur(86), Eur(172), 20);
    FillLine(w.Pages(1), 3, QStringLiteral("222222222"), Eur(100.5), Eur(10.05), Eur(20.1), 3);
    EXPECT_EQ(w.ApodoxesTotal->Value(), Eur(960.5));
    EXPECT_EQ(w.EisforesTotal->Value(), Eur(288.15));
    EXPECT_EQ(w.DaysTotal->Value(), 23);

    w.DatePeriodFrame->SetDate(EncodeDate(2003, 2, 10));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(w.Pages(i)->XDateFrame3->Date(), EncodeDate(2003, 2, 1));
        EXPECT_EQ(int(w.Pages(i)->XDateFrame6->Date()), int(EncodeDate(2003, 2, 28)));
    }

    w.ShemeH0->SetColor(TColor(0x123456));
    w.ShemeH2->Font()->SetHeight(-20);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(w.Pages(i)->ShemeH0->Color(), TColor(0x123456));
        EXPECT_EQ(w.Pages(i)->ShemeH2->Font()->Height(), -20);
    }
    // A page added later gets the window's schemes and period at creation.
    w.AddPage();
    EXPECT_EQ(w.Pages(2)->ShemeH0->Color(), TColor(0x123456));
    EXPECT_EQ(w.Pages(2)->XDateFrame1->Date(), EncodeDate(2003, 2, 1));
}

TEST(ApdDataPages, PageMenuListsOneCheckedEntryPerPageAndGoesWithTheWindow)
{
    TScriptedDialogs dialogs;
    QMenu menu;
    {
        TApdData w(nullptr);
        w.AddPage();
        w.AddPage();
        w.SetPageMenu(&menu);
        ASSERT_EQ(menu.actions().size(), 2);
        EXPECT_EQ(menu.actions()[1]->text(), QStringLiteral("Σελίδα 2"));
        // A page added gets one entry of its own; the entries already there stay as they are.
        const QList<QAction *> before = menu.actions();
        w.AddPage();
        ASSERT_EQ(menu.actions().size(), 3);
        EXPECT_EQ(menu.actions().mid(0, 2), before);
        EXPECT_EQ(menu.actions()[2]->text(), QStringLiteral("Σελίδα 3"));
        menu.actions()[0]->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(w.PageControl1->ActivePageIndex(), 0);
        emit menu.aboutToShow();
        EXPECT_TRUE(menu.actions()[0]->isChecked());
        EXPECT_FALSE(menu.actions()[2]->isChecked());
        // A refused deletion leaves the list as it is.
        dialogs.Answer(mrCancel);
        w.DeletePage();
        EXPECT_EQ(menu.actions().size(), 3);
        // Deleting page 2 takes its entry away; the third page's entry stays, renumbered.
        QAction *third = menu.actions()[2];
        w.PageControl1->SetActivePageIndex(1);
        dialogs.Answer(mrYes);
        w.DeletePage();
        ASSERT_EQ(menu.actions().size(), 2);
        EXPECT_EQ(menu.actions()[1], third);
        EXPECT_EQ(menu.actions()[1]->text(), QStringLiteral("Σελίδα 2"));
        w.PageControl1->SetActivePageIndex(0);
        third->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(w.PageControl1->ActivePageIndex(), 1) << "the entry still leads to its page";
    }
    EXPECT_TRUE(menu.actions().isEmpty());
}

TEST(ApdDataPages, DocumentWithPagesRoundTripsNamesCaptionsValuesAndTheActivePage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("έργο.vapd"));
    TScriptedDialogs dialogs({mrYes});
    {
        TApdData w(nullptr);
        FillHeader(w);
        for (int i = 0; i < 4; ++i)
            w.AddPage();
        w.PageControl1->SetActivePageIndex(1);
        w.DeletePage(); // TabSheet2 goes; the next page added takes its number
        w.AddPage();
        FillLine(w.Pages(0), 1, QStringLiteral("111111111"), Eur(860), Eur(86), Eur(172), 20);
        FillLine(w.Pages(3), 2, QStringLiteral("222222222"), Eur(40), Eur(4), Eur(8), 1, QStringLiteral("08 "));
        w.PageControl1->SetActivePageIndex(2);
        w.ShemeH1->SetColor(clRed);
        w.SaveToFile(path);
        // Only the pages and what differs from the design are stored.
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(ObjectBinaryToText(f.readAll()));
        EXPECT_GE(text.indexOf(QStringLiteral("inline EmployFrame1: TEmployFrame")), 0) << qPrintable(text.left(3000));
        EXPECT_LT(text.indexOf(QStringLiteral("object XFrame3:")), 0);
    }
    TApdData r(nullptr);
    int changes = 0;
    r.OnChange = [&](TObject *) { ++changes; };
    r.AddPage(); // pages already there are replaced by the document's
    changes = 0;
    r.LoadFromFile(path);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(SheetNames(r), (QStringList{"TabSheet1/Σελίδα 1/EmployFrame1", "TabSheet3/Σελίδα 2/EmployFrame3",
                                          "TabSheet4/Σελίδα 3/EmployFrame4", "TabSheet2/Σελίδα 4/EmployFrame2"}));
    EXPECT_EQ(r.PageControl1->ActivePageIndex(), 2);
    EXPECT_EQ(r.Pages(0)->XFrame22a->Caption(), QStringLiteral("111111111"));
    EXPECT_EQ(r.Pages(3)->XFrame132->Caption(), QStringLiteral("08 "));
    EXPECT_EQ(r.Pages(3)->EisforesTotal2->Value(), Eur(12));
    EXPECT_EQ(r.ShemeH1->Color(), clRed);
    EXPECT_EQ(r.frameAFM->Caption(), QStringLiteral("094000000"));
    // Totals recomputed from the pages read.
    EXPECT_EQ(r.ApodoxesTotal->Value(), Eur(900));
    EXPECT_EQ(r.EisforesTotal->Value(), Eur(270));
    EXPECT_EQ(r.DaysTotal->Value(), 21);
    // Writing the read document again gives the same bytes.
    QBuffer again;
    again.open(QIODevice::WriteOnly);
    r.SaveToStream(again);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.data(), f.readAll());
}

TEST(ApdDataPages, EveryPagePrintsItsFooterWithTheNumberOfEmployeePages)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pages.pdf"));
    UsePdf(pdf);
    TApdData w(nullptr);
    FillHeader(w);
    for (int i = 0; i < 4; ++i)
        w.AddPage();
    FillLine(w.Pages(0), 1, QStringLiteral("111111111"), Eur(860), Eur(86), Eur(172), 20);
    w.Print(QStringLiteral("4 σελίδες"));
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR"))
        RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf,
                                             qEnvironmentVariable("APD_RENDER_DIR") + QStringLiteral("/ApdDataPages")});
    const int sheets = PdfPagesOf(pdf);
    EXPECT_GE(sheets, 4);
    const QString text = PdfTextOf(pdf);
    for (int i = 1; i <= sheets; ++i)
        EXPECT_TRUE(text.contains(QStringLiteral("Σελίδα %1 από 4").arg(i))) << i;
    EXPECT_TRUE(w.Pages(0)->IsFirstPage);
    EXPECT_FALSE(w.Pages(1)->IsFirstPage);
    EXPECT_TRUE(w.Pages(3)->IsLastPage);
    EXPECT_FALSE(w.Pages(2)->IsLastPage);
    // The continuation header repeats the employer's numbers after the first page.
    EXPECT_GE(text.count(QStringLiteral("0123456789")), 2);
}

TEST(ApdDataPages, WidePaperTakesTwoLayoutPagesPerSheetAndAJobStopsAtAHundredSheets)
{
    QTemporaryDir dir;
    TApdData w(nullptr);
    for (int i = 0; i < 4; ++i)
        w.AddPage();
    const QString narrow = dir.filePath(QStringLiteral("narrow.pdf"));
    UsePdf(narrow, {439, 297}); // 419 mm printable
    w.Print(QString());
    const int single = PdfPagesOf(narrow);
    const QString wide = dir.filePath(QStringLiteral("wide.pdf"));
    UsePdf(wide, {440, 297}); // 420 mm printable
    w.Print(QString());
    EXPECT_EQ(PdfPagesOf(wide), (single + 1) / 2);
    // Both halves of the first sheet carry the sheet's number.
    EXPECT_EQ(PdfTextOf(wide).count(QStringLiteral("Σελίδα 1 από 4")), 2);

    // A layout that needs more than 100 sheets ends with the 100th begun: a box whose text runs on.
    auto *notes = new TXFrame(&w);
    notes->SetHorzSize(1700);
    notes->SetVertSize(300);
    notes->SetAlign(alTop);
    notes->SetForceNewPage(true);
    notes->SetParent(w.Document);
    auto *label = new TLabel(&w);
    QStringList many;
    for (int i = 0; i < 2000; ++i)
        many << QStringLiteral("γραμμή %1").arg(i);
    label->SetCaption(many.join(QStringLiteral("\r\n")));
    label->SetParent(notes);
    const QString big = dir.filePath(QStringLiteral("big.pdf"));
    UsePdf(big);
    w.Print(QString());
    EXPECT_EQ(PdfPagesOf(big), 100);
}

TEST(ApdDataPages, ExportWritesTheDeclarationFileFromHeaderAndPages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("csc01"));
    TApdData w(nullptr);
    FillHeader(w);
    w.DatePeriodFrame->SetDate(EncodeDate(2003, 1, 15));
    w.AddPage();
    w.AddPage();
    FillLine(w.Pages(0), 1, QStringLiteral("222222222"), Eur(860), Eur(86), Eur(172), 20, QStringLiteral("08 "));
    FillLine(w.Pages(0), 3, QStringLiteral("111111111"), Eur(40), Eur(4), Eur(8), 1);
    FillLine(w.Pages(1), 1, QStringLiteral("333333333"), Eur(100), Eur(0), Eur(0), 5); // no contributions: dropped
    FillLine(w.Pages(1), 2, QStringLiteral("222222222"), Eur(100), Eur(10), Eur(20), 5);
    TApdExportOptions o;
    o.NameParts[0] = QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε.");
    o.Path = path;
    o.SubmissionDate = EncodeDate(2003, 2, 10);
    w.ExportWith(o);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    const QList<QByteArray> lines = data.split('\n');
    // Header, two employee groups (one of two lines), EOF.
    ASSERT_EQ(lines.size(), 1 + 2 + 3 + 1 + 1);
    EXPECT_EQ(data.size(), 615 + 2 * 181 + 3 * 95 + 5);
    const QByteArray h = lines[0].chopped(1);
    ASSERT_EQ(h.size(), 613);
    EXPECT_EQ(ApdHeader::Prefix.Bytes(h), QByteArray("10101CSC01   01"));
    EXPECT_EQ(ApdHeader::DeclarationType.Bytes(h), "02");
    EXPECT_EQ(ApdHeader::BranchCode.Bytes(h), "061");
    EXPECT_EQ(FromCp1253(ApdHeader::BranchName.Bytes(h)).trimmed(), QStringLiteral("ΚΑΛΛΙΘΕΑΣ"));
    EXPECT_EQ(FromCp1253(ApdHeader::EmployerName.Bytes(h)).trimmed(), QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε."));
    EXPECT_EQ(ApdHeader::EmployerFirstName.Bytes(h).trimmed(), QByteArray());
    EXPECT_EQ(ApdHeader::EmployerFatherName.Bytes(h).trimmed(), QByteArray());
    EXPECT_EQ(FromCp1253(ApdHeader::Street.Bytes(h)).trimmed(), QStringLiteral("ΘΗΣΕΩΣ"));
    EXPECT_EQ(ApdHeader::StreetNumber.Bytes(h).trimmed(), "12");
    EXPECT_EQ(ApdHeader::Postcode.Bytes(h), "17671");
    EXPECT_EQ(ApdHeader::Ame.Bytes(h), "0001234567");
    EXPECT_EQ(ApdHeader::Amoe.Bytes(h), "0123456789");
    EXPECT_EQ(ApdHeader::Afm.Bytes(h), "094000000");
    EXPECT_EQ(ApdHeader::ProjectNumber.Bytes(h).trimmed(), "150");
    EXPECT_EQ(ApdHeader::ProjectPostcode.Bytes(h), "17121");
    EXPECT_EQ(ApdHeader::Month.Bytes(h) + ApdHeader::Year.Bytes(h), "012003");
    EXPECT_EQ(ApdHeader::EarningsTotal.Bytes(h), "000000110000"); // 1100.00
    EXPECT_EQ(ApdHeader::DaysTotal.Bytes(h), "00000031");
    EXPECT_EQ(ApdHeader::ContributionsTotal.Bytes(h), "000000030000"); // 300.00
    EXPECT_EQ(ApdHeader::SubmissionDate.Bytes(h), "10022003");
    EXPECT_EQ(ApdHeader::StopDate.Bytes(h), "00000000");
    // Sorted by register number, then earnings type.
    EXPECT_TRUE(lines[1].startsWith("2111111111"));
    EXPECT_TRUE(lines[2].startsWith("3"));
    EXPECT_TRUE(lines[3].startsWith("2222222222"));
    EXPECT_EQ(ApdInsurance::EarningsType.Bytes(lines[4]), "01");
    EXPECT_EQ(ApdInsurance::EarningsType.Bytes(lines[5]), "08");
    EXPECT_EQ(lines[6].chopped(1), "EOF");

    // Without a path nothing is written.
    QFile::remove(path);
    o.Path.clear();
    w.ExportWith(o);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ApdDataPages, WindowWithTwoPagesRendersThePageOnItsTab)
{
    TApdData w(nullptr);
    FillHeader(w);
    w.AddPage();
    w.AddPage();
    FillLine(w.Pages(0), 1, QStringLiteral("111111111"), Eur(860), Eur(86), Eur(172), 20);
    w.PageControl1->SetActivePageIndex(0);
    w.Peer()->resize(w.Width(), w.Height());
    const QImage image = w.Peer()->grab().toImage();
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR"))
        image.save(qEnvironmentVariable("APD_RENDER_DIR") + QStringLiteral("/ApdDataTwoPages.png"));
    EXPECT_EQ(w.PageControl1->TabWidget()->count(), 2);
    EXPECT_EQ(w.PageControl1->TabWidget()->tabText(1), QStringLiteral("Σελίδα 2"));
    EXPECT_EQ(w.PageControl1->TabWidget()->currentIndex(), 0);
    EXPECT_TRUE(w.Pages(0)->Peer()->isVisibleTo(w.Peer()));
}

namespace
{
// The export options dialog that the export has open, found among the application's components.
TeApdOptions *OpenOptions()
{
    for (TComponent *c : Application()->ComponentList())
        if (auto *d = qobject_cast<TeApdOptions *>(c); d && d->Visible())
            return d;
    return nullptr;
}
} // namespace

TEST(ApdDataPages, ExportAsksTheOptionsWritesTheFileAndPrintsTheChosenTexts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("csc01"));
    const QString pdf = dir.filePath(QStringLiteral("texts.pdf"));
    UsePdf(pdf);
    TApdData w(nullptr);
    FillHeader(w); // type "02 ": the stop date is asked
    w.AddPage();
    FillLine(w.Pages(0), 1, QStringLiteral("111111111"), Eur(860), Eur(86), Eur(172), 20);

    // Cancel: nothing is written or printed.
    bool stopShown = false;
    QTimer::singleShot(0, [&] {
        TeApdOptions *d = OpenOptions();
        ASSERT_NE(d, nullptr);
        stopShown = d->pnlStop->Visible();
        EXPECT_EQ(d->Edit1->GetText(), QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε."));
        d->SetModalResult(mrCancel);
    });
    w.ExportIkaApd();
    EXPECT_TRUE(stopShown);
    EXPECT_FALSE(QFile::exists(pdf));

    QTimer::singleShot(0, [&] {
        TeApdOptions *d = OpenOptions();
        ASSERT_NE(d, nullptr);
        d->Edit5->SetText(path);
        d->CheckBox1->SetChecked(true);
        d->CheckBox2->SetChecked(false);
        d->CheckBox4->SetChecked(false);
        d->DateTimePicker2->SetDate(EncodeDate(2003, 1, 22));
        d->SetModalResult(mrOk);
    });
    w.ExportIkaApd();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    EXPECT_EQ(data.size(), 615 + 181 + 95 + 5);
    EXPECT_EQ(ApdHeader::StopDate.Bytes(data), "22012003");
    EXPECT_EQ(FromCp1253(ApdHeader::EmployerName.Bytes(data)).trimmed(), QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε."));
    // The accompanying form went to the printer.
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(PdfTextOf(pdf).contains(QStringLiteral("0123456789")));
    // No dialog is left behind.
    EXPECT_EQ(OpenOptions(), nullptr);
}

// With the reference tables of a real data module.
class ApdDataWithModule : public EmployFrameFixture
{
};

TEST_F(ApdDataWithModule, BranchPickFillsItsGroupAndComputedLinesReachTheTotals)
{
    TApdData w(nullptr);
    EXPECT_EQ(w.DbLookupXFrame1->DataSource(), APDDataModule->dsEmployes);
    EXPECT_EQ(w.frameAFM->DataSource(), APDDataModule->dsEmployes);
    EXPECT_EQ(w.DbLookupXFrame9->DataSource(), APDDataModule->dsIkaOffices);
    EXPECT_EQ(w.frameAMOE->DataSource(), nullptr);

    TTable *offices = APDDataModule->tbIkaOffices;
    ASSERT_TRUE(offices->Active());
    ASSERT_TRUE(offices->Locate(QStringLiteral("ΚΩΔΙΚΟΣ"), QStringLiteral("002"), {}));
    w.DbLookupXFrame10->UpdateFromDataSet(true);
    EXPECT_EQ(w.DbLookupXFrame10->Caption(), QStringLiteral("002"));
    EXPECT_EQ(w.DbLookupXFrame9->Caption(), QStringLiteral("ΗΛΙΟΥΠΟΛΗΣ"));
    // The employer boxes are another group: untouched.
    EXPECT_EQ(w.DbLookupXFrame1->Caption(), QString());

    w.DatePeriodFrame->SetDate(EncodeDate(2003, 1, 1));
    w.AddPage();
    PickEmployee(w.Pages(0), 0, QStringLiteral("123456789"));
    TEmployFrame *p = w.Pages(0);
    EXPECT_GT(p->Apodoxes1->Value(), Currency());
    EXPECT_EQ(w.ApodoxesTotal->Value(), p->EarningsSum());
    EXPECT_EQ(w.EisforesTotal->Value(), p->ContributionsSum());
    EXPECT_EQ(w.DaysTotal->Value(), p->DaysSum());
    EXPECT_EQ(w.DaysTotal->Value(), 23);
}

// A printout that fails after others went to files: its error names the files already written.
TEST(ApdDataPages, AFailedPrintoutOfTheExportNamesThePrintoutsWrittenBeforeIt)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("texts.pdf"));
    // Every name but the last the printer may take is taken: the first printout takes it, the next has none.
    for (int n = 1; n < 9999; ++n) {
        QFile taken(Platform::NumberedFileName(pdf, n));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    }
    UsePdf(pdf);
    TApdData w(nullptr);
    FillHeader(w);
    TApdExportOptions o;
    o.PrintAccompanying = true;
    o.PrintLabel = true;
    o.FontName = QStringLiteral("Courier New");
    const QString last = dir.filePath(QStringLiteral("texts-9999.pdf"));
    try {
        w.ExportWith(o);
        ADD_FAILURE() << "the label found a name";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Η εκτύπωση γράφτηκε στο αρχείο:\nΣυνοδευτικό έντυπο: ") + last +
                                   QStringLiteral("\n\nΔεν τυπώθηκε: Ετικέτα δισκέτας.\nΑδυναμία δημιουργίας του "
                                                  "αρχείου ") +
                                   pdf + QStringLiteral(": υπάρχουν ήδη αρχεία με όλα τα ονόματα έως texts-9999.pdf."));
    }
    EXPECT_TRUE(PdfTextOf(last).contains(QStringLiteral("ΣΥΝΟΔΕΥΤΙΚΟ ΕΝΤΥΠΟ")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 9999) << "no temporary is left";
    EXPECT_FALSE(Printer()->Printing());
}

TEST(ApdDataPages, ExportPrintsTheDiskLabelAfterTheFileAndNothingWhenTheFileFails)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("label.pdf"));
    UsePdf(pdf);
    TApdData w(nullptr);
    FillHeader(w);
    w.DatePeriodFrame->SetDate(EncodeDate(2003, 1, 1));
    TApdExportOptions o;
    o.PrintAccompanying = true;
    o.PrintLabel = true;
    o.FontName = QStringLiteral("Courier New");
    o.Path = dir.filePath(QStringLiteral("no/such/folder/csc01"));
    EXPECT_THROW(w.ExportWith(o), Exception);
    EXPECT_FALSE(QFile::exists(pdf));

    o.Path.clear();
    o.PrintAccompanying = false;
    w.ExportWith(o);
    ASSERT_TRUE(QFile::exists(pdf));
    const QString text = PdfTextOf(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("0123456789"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("094000000"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("1/2003"))) << qPrintable(text);
}
