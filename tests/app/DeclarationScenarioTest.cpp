// The declaration in the main window through whole scenarios: printing and previewing leave the document
// as it was, deleting a page takes its amounts out of the totals and the exported header, a picked
// employee never shares a line with the one before, and documents from elsewhere with dates beyond the
// calendar or values beyond the file's fields are refused with a message instead of hanging or being
// written wrong.
#include "ApdDataTestSupport.h"
#include "BoxEditingFixture.h"
#include "support/DocumentOfPages.h"
#include "support/FocusTakingDialogs.h"

#include "XForms/DataSetPopupF.h"
#include "app/EmployerFrameF.h"
#include "app/TableEditorF.h"
#include "db/DBCtrls.h"
#include "declaration/APDDataModuleF.h"
#include "printing/PreviewFormF.h"
#include "printing/XPrinters.h"
#include "declaration/TyposAPDPopupF.h"
#include "declaration/eApdOptionsF.h"
#include "vcl/Printers.h"
#include "vcl/ActnMan.h"
#include "vcl/CodePage.h"
#include "vcl/ComCtrls.h"

#include <QApplication>
#include <QBackingStore>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <functional>
#include <map>
#include <set>

namespace
{

class DeclarationScenario : public BoxEditingFixture
{
protected:
    // Picks employee Register for line 1 of page Index.
    void PickOnPage(int Index, const QString &Register)
    {
        ShowPage(Index);
        Click(Doc()->Pages(Index)->XFrame22a);
        PickRow(Register);
    }
};

// The records of a declaration file, CR LF apart, the trailer left out.
QList<QByteArray> Records(const QByteArray &File)
{
    QList<QByteArray> lines = File.split('\n');
    for (QByteArray &l : lines)
        l.chop(l.endsWith('\r') ? 1 : 0);
    lines.removeAll(QByteArray());
    lines.removeAll(QByteArray("EOF"));
    return lines;
}

qint64 Number(const QByteArray &Record, const TApdField &Field)
{
    return Field.Bytes(Record).toLongLong();
}

// The words of each sheet of a PDF with their boxes (points from the sheet's top left).
struct TPdfWord {
    QString Text;
    double Top, Bottom;
};
QList<QList<TPdfWord>> PdfWordsOf(const QString &FileName)
{
    const QString html =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), FileName, QStringLiteral("-")});
    QList<QList<TPdfWord>> sheets;
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"[-0-9.]+\" yMin=\"([-0-9.]+)\" xMax=\"[-0-9.]+\" yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page")))
            sheets.append(QList<TPdfWord>());
        else if (!sheets.isEmpty())
            sheets.last().append({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return sheets;
}

TEST_F(DeclarationScenario, PrintingPreviewAndDeletingAPageLeaveTheDocumentTrue)
{
    TApdData *d = Doc();
    Type(d->DatePeriodFrame, QStringLiteral("1/2003"));
    Type(d->frameAME, QStringLiteral("1234567"));
    Type(d->frameAMOE, QStringLiteral("0123456789"));
    Type(d->frameAFM, QStringLiteral("094000000"));
    const QString registers[] = {"123456789", "222333444", "555666777", "123456789"};
    for (int i = 0; i < 4; ++i)
        PickOnPage(i, registers[i]);
    ShowPage(0);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    const QString footer = d->XFrame454->Caption();
    const QString saved = Dir.filePath(QStringLiteral("Τέσσερις.vapd"));
    SaveAs(saved);
    const QByteArray bytes = ReadAll(saved);
    ASSERT_FALSE(bytes.isEmpty());

    // Printed and previewed: the sheets carry the page numbers, the window and the document do not.
    const QString pdf = Dir.filePath(QStringLiteral("printed.pdf"));
    UsePdf(pdf);
    Trigger(Main->aPrint);
    const QString printed = PdfTextOf(pdf);
    EXPECT_TRUE(printed.contains(QStringLiteral("Σελίδα 1 από 4"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Σελίδα 4 από 4")));
    EXPECT_EQ(d->XFrame454->Caption(), footer);
    TPreviewForm *preview = nullptr;
    WhenShown<TPreviewForm>(preview, [](TPreviewForm *p) { p->aClose->Execute(); });
    Trigger(Main->aPreview);
    ASSERT_TRUE(preview);
    EXPECT_EQ(d->XFrame454->Caption(), footer);
    EXPECT_FALSE(Main->FileControl1->Modified());
    const QString again = Dir.filePath(QStringLiteral("Ξανά.vapd"));
    SaveAs(again);
    EXPECT_EQ(ReadAll(again), bytes);

    // Page 4 deleted: its line leaves the totals and the exported header, which matches its records.
    const Currency page4 = d->Pages(3)->EarningsSum();
    ASSERT_GT(page4, Currency());
    ShowPage(3);
    Answers.push_back(mrYes);
    Trigger(Main->aDeletePage);
    ASSERT_EQ(d->PageCount(), 3);
    Currency earnings, contributions;
    int days = 0;
    for (int i = 0; i < 3; ++i) {
        earnings += d->Pages(i)->EarningsSum();
        contributions += d->Pages(i)->ContributionsSum();
        days += d->Pages(i)->DaysSum();
    }
    EXPECT_EQ(d->ApodoxesTotal->Value(), earnings);
    EXPECT_EQ(d->EisforesTotal->Value(), contributions);
    EXPECT_EQ(d->DaysTotal->Value(), days);
    const QList<QByteArray> records = Records(Export(Dir.filePath(QStringLiteral("csc01"))));
    ASSERT_EQ(records.size(), 1 + 2 * 3);
    qint64 recordEarnings = 0, recordDays = 0, recordContributions = 0;
    for (const QByteArray &r : records)
        if (r.startsWith('3')) {
            recordDays += Number(r, ApdInsurance::Days) + Number(r, ApdInsurance::AccountingDays);
            recordEarnings += Number(r, ApdInsurance::Earnings);
            recordContributions += Number(r, ApdInsurance::Total);
        }
    const QByteArray &header = records.front();
    EXPECT_EQ(Number(header, ApdHeader::EarningsTotal), recordEarnings);
    EXPECT_EQ(Number(header, ApdHeader::DaysTotal), recordDays);
    EXPECT_EQ(Number(header, ApdHeader::ContributionsTotal), recordContributions);
    EXPECT_EQ(Number(header, ApdHeader::EarningsTotal), earnings.Cents());
}

// The pixels the main window shows at the box, against the box painted afresh.
bool ShowsItsText(TMain *Main, TControl *Box)
{
    QCoreApplication::processEvents();
    auto *screen = dynamic_cast<QImage *>(Main->Peer()->backingStore()->paintDevice());
    if (!screen)
        return true; // a platform without a readable backing store: nothing to compare
    const QPoint at = Box->Peer()->mapTo(Main->Peer(), QPoint(0, 0)) * screen->devicePixelRatio();
    const QRect area(at, Box->Peer()->size() * screen->devicePixelRatio());
    QWidget *viewport = Main->ScrollBox1->ScrollArea()->viewport();
    const QRect visible(viewport->mapTo(Main->Peer(), QPoint(0, 0)), viewport->size());
    EXPECT_TRUE(visible.contains(area)) << Box->Name().toStdString() << " is not on screen";
    const QImage shown = screen->copy(area);
    const QImage fresh = Box->Peer()->grab().toImage().convertToFormat(shown.format());
    return shown == fresh;
}

TEST_F(DeclarationScenario, PickingAnotherEmployeeNeverMixesTheTwo)
{
    TTable *employees = APDDataModule->tbEmployers;
    auto add = [&](const char *reg, const char *surname, bool married, int triennia, const char *specialty,
                   const char *package) {
        employees->Append();
        employees->FieldByName(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."))->SetAsString(QString::fromUtf8(reg));
        employees->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetAsString(QString::fromUtf8(surname));
        employees->FieldByName(QStringLiteral("ΕΓΓΑΜΟΣ"))->SetValue(married);
        employees->FieldByName(QStringLiteral("ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ"))->SetValue(triennia);
        employees->FieldByName(QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ"))->SetAsString(QString::fromUtf8(specialty));
        employees->FieldByName(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"))->SetAsString(QString::fromUtf8(package));
        employees->Post();
    };
    // The same specialty as 123456789 (married, two triennia), but single and without triennia; and one
    // whose specialty the wage table does not hold.
    add("333444555", "ΔΗΜΟΥ", false, 0, "933110", "999");
    add("444555666", "ΕΥΑΓΓΕΛΟΥ", false, 0, "999999", "218");

    TApdData *d = Doc();
    TEmployFrame *p = d->Pages(0);
    Type(d->DatePeriodFrame, QStringLiteral("1/2003"));
    Click(p->XFrame22a);
    PickRow(QStringLiteral("123456789"));
    ASSERT_EQ(p->Payment1->Value(), Currency::FromCents(7111));

    Click(p->DbLookupXFrame21);
    PickRow(QStringLiteral("333444555"));
    const Currency single = APDDataModule->GetWage(QStringLiteral("933110"), QStringLiteral("0"), QStringLiteral("ΑΓΑΜΟΣ"));
    ASSERT_NE(single, Currency::FromCents(7111));
    EXPECT_EQ(p->Payment1->Value(), single);
    EXPECT_EQ(p->Apodoxes1->Value(), Currency::FromCents(single.Cents() * 23));
    EXPECT_EQ(p->EisforesEmpolyer1->Value(), Currency::FromCents(RoundHalfEven(p->Apodoxes1->Value().Cents() * 0.1L)));
    EXPECT_EQ(p->xFrame34a->Caption(), QStringLiteral("2"));
    EXPECT_EQ(d->ApodoxesTotal->Value(), p->Apodoxes1->Value());
    EXPECT_TRUE(Messages.empty());

    // A specialty missing from the wage table: one message, and a line wholly of the new employee with
    // an empty wage.
    SaveAs(Dir.filePath(QStringLiteral("Γραμμή.vapd")));
    ASSERT_FALSE(Main->FileControl1->Modified());
    // The whole line on screen, its specialty and wage boxes showing the earlier employee's.
    Main->ScrollBox1->ScrollArea()->ensureWidgetVisible(p->Payment1->Peer(), 40, 40);
    ASSERT_TRUE(ShowsItsText(Main, p->Specialty1));
    Click(p->Married1);
    PickRow(QStringLiteral("444555666"));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(p->XFrame22a->Caption(), QStringLiteral("444555666"));
    EXPECT_EQ(p->DbLookupXFrame21->Caption(), QStringLiteral("ΕΥΑΓΓΕΛΟΥ"));
    EXPECT_EQ(p->Specialty1->Caption(), QStringLiteral("999999"));
    EXPECT_EQ(p->xFrame35a->Caption(), QStringLiteral("218"));
    EXPECT_EQ(p->xFrame34a->Caption(), QString());
    EXPECT_EQ(p->Payment1->Caption(), QString());
    EXPECT_EQ(p->Apodoxes1->Value(), Currency());
    EXPECT_EQ(p->EisforesTotal1->Value(), Currency());
    EXPECT_EQ(d->ApodoxesTotal->Value(), Currency());
    EXPECT_TRUE(Main->FileControl1->Modified());
    EXPECT_TRUE(ShowsItsText(Main, p->Specialty1));
    EXPECT_TRUE(ShowsItsText(Main, p->Payment1));
}

// A declaration filled through the pickers from the keyboard, as the user does without the mouse: Alt+Down
// or F4 opens each list, Enter picks. A key pressed after a pick types nothing over it, so every exported
// line holds one person: the register number, Α.Μ.Κ.Α. and names of the employee picked.
TEST_F(DeclarationScenario, ADeclarationFilledThroughThePickersFromTheKeyboardExportsOnePersonALine)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TTable *employers = APDDataModule->tbEmployes;
    employers->Append();
    for (const auto &[field, value] : {std::pair{"ΑΦΜ", "094000000"},
                                       {"ΑΜΕ", "1234567"},
                                       {"ΕΠΩΝΥΜΙΑ", "ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε."},
                                       {"ΟΔΟΣ", "ΘΗΣΕΩΣ"},
                                       {"ΑΡΙΘΜΟΣ", "12"},
                                       {"ΠΟΛΗ", "ΚΑΛΛΙΘΕΑ"},
                                       {"ΤΚ", "17671"}})
        employers->FieldByName(QString::fromUtf8(field))->SetAsString(QString::fromUtf8(value));
    employers->Post();
    TApdData *d = Doc();
    TEmployFrame *p = d->Pages(0);
    Type(d->DatePeriodFrame, QStringLiteral("1/2003"));
    for (TInplaceEditFrame *box : {d->xEidosErgou, d->xOdosErgou, d->xPoliErgou})
        Type(box, QStringLiteral("ΕΡΓΟ"));
    Type(d->frameAMOE, QStringLiteral("0123456789"));
    // Enter in the list shown, after Moves.
    const auto pick = [](TPopupWin *List, int Moves) {
        ASSERT_TRUE(List && List->Visible());
        QApplication::setActiveWindow(List->Peer());
        Settle();
        for (int i = 0; i < Moves; ++i)
            Key(Qt::Key_Down);
        Key(Qt::Key_Return);
        ASSERT_FALSE(List->Visible());
        QApplication::setActiveWindow(Main->Peer());
        Settle();
    };

    // The header: the branch, the declaration type before it, the employer.
    ClickOn(d->DbLookupXFrame10, true);
    Key(Qt::Key_F4);
    pick(DataSetPopup, 0);
    const QString branch = d->DbLookupXFrame10->Caption();
    ASSERT_EQ(branch.size(), 3);
    Keys(QStringLiteral("9"));
    EXPECT_EQ(d->DbLookupXFrame10->Caption(), branch);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(FocusedBox(), d->typeApdCode);
    Key(Qt::Key_Down, Qt::AltModifier);
    pick(TyposAPDPopup, 1);
    ClickOn(d->DbLookupXFrame1, true);
    Key(Qt::Key_Down, Qt::AltModifier);
    pick(DataSetPopup, 0);
    EXPECT_EQ(d->frameAFM->Caption(), QStringLiteral("094000000"));

    // Line 1 by the keys from its branch box, then along the row; line 2 by a click; a stray key after each pick.
    ClickOn(p->Frame21C);
    Key(Qt::Key_F4);
    pick(DataSetPopup, 0);
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Tab);
    ASSERT_EQ(FocusedBox(), p->XFrame22a);
    Key(Qt::Key_Down, Qt::AltModifier);
    pick(DataSetPopup, 0);
    Keys(QStringLiteral("5"));
    Click(p->XFrame22b);
    PickRow(QStringLiteral("222333444"));
    Keys(QStringLiteral("5"));
    EXPECT_TRUE(Messages.empty()) << Messages.front().toStdString();

    const QList<QByteArray> records = Records(Export(Dir.filePath(QStringLiteral("csc01"))));
    ASSERT_EQ(records.size(), 1 + 2 * 2) << (Messages.empty() ? std::string() : Messages.front().toStdString());
    const QByteArray &header = records.front();
    EXPECT_EQ(ApdHeader::DeclarationType.Bytes(header), "01");
    EXPECT_EQ(ApdHeader::Afm.Bytes(header), "094000000");
    EXPECT_EQ(ApdHeader::BranchCode.Bytes(header), branch.toLatin1());
    const std::map<QByteArray, std::pair<QByteArray, QString>> people = {
        {"123456789", {"01017012345", QStringLiteral("ΑΛΕΞΙΟΥ")}},
        {"222333444", {"15057554321", QStringLiteral("ΒΑΣΙΛΕΙΟΥ")}}};
    std::set<QByteArray> exported;
    for (const QByteArray &r : records) {
        if (!r.startsWith('2'))
            continue;
        const QByteArray reg = ApdEmployee::Register.Bytes(r);
        ASSERT_TRUE(people.count(reg)) << reg.toStdString();
        EXPECT_EQ(ApdEmployee::Amka.Bytes(r), people.at(reg).first);
        EXPECT_EQ(FromCp1253(ApdEmployee::Surname.Bytes(r)).trimmed(), people.at(reg).second);
        exported.insert(reg);
    }
    EXPECT_EQ(exported.size(), 2u);
}

// A one-page document made elsewhere; Change fills it before it is written.
QString Written(const QString &Folder, const QString &Name, const std::function<void(TEmployFrame *)> &Change)
{
    TApdData w(nullptr);
    w.DatePeriodFrame->SetDate(EncodeDate(2003, 1, 1));
    w.AddPage();
    Change(w.Pages(0));
    w.RecalcTotals();
    const QString path = QDir(Folder).filePath(Name);
    w.SaveToFile(path);
    return path;
}

TEST_F(DeclarationScenario, DocumentsWithDatesBeyondTheCalendarAreRefusedAtOnce)
{
    const TApdData *shown = Doc();
    for (double absurd : {1e20, 3e9, -1e7}) {
        const QString path =
            Written(Dir.path(), QStringLiteral("%1.vapd").arg(absurd), [&](TEmployFrame *p) { p->XDateFrame4->SetDate(absurd); });
        Messages.clear();
        // Before, counting the work days of such a line never ended.
        Open(path);
        ASSERT_EQ(Messages.size(), 1u) << absurd;
        // The message names the document and the reader's reason.
        EXPECT_TRUE(Messages[0].contains(path)) << Messages[0].toStdString();
        EXPECT_TRUE(Messages[0].contains(QStringLiteral("01/01/0100 – 31/12/9999"))) << Messages[0].toStdString();
        EXPECT_EQ(Doc(), shown);
    }
    // The first and the last day of the calendar, with their time of day, are dates like any other.
    const QString edge = Written(Dir.path(), QStringLiteral("edge.vapd"), [](TEmployFrame *p) {
        p->XDateFrame1->SetDate(EncodeDate(100, 1, 1));
        p->XDateFrame4->SetDate(EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 999));
    });
    Messages.clear();
    Open(edge);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    TEmployFrame *p = Doc()->Pages(0);
    EXPECT_EQ(p->XDateFrame1->Caption(), QStringLiteral("01/01/0100"));
    EXPECT_EQ(p->XDateFrame4->Date(), EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 999));
    EXPECT_EQ(p->DayCount39_1->MaxValue(), 3615900);
}

TEST_F(DeclarationScenario, ExportRefusesValuesTheFileCannotHoldAndWritesNothing)
{
    const QString path = Written(Dir.path(), QStringLiteral("Παράλογο.vapd"), [](TEmployFrame *p) {
        for (TXFrame *married : {p->Married1, p->Married2, p->Married3})
            married->SetCaption(QStringLiteral("ΑΓΑΜΟΣ"));
        p->XFrame22a->SetCaption(QStringLiteral("111111111"));
        p->Apodoxes1->SetValue(Currency::FromCents(12345678901234));
        p->EisforesTotal1->SetValue(Currency::FromCents(100));
        p->XFrame22b->SetCaption(QStringLiteral("222222222"));
        p->DayCount39_2->SetMaxValue(0);
        p->DayCount39_2->SetValue(1000000);
        p->EisforesTotal2->SetValue(Currency::FromCents(100));
        p->XFrame22c->SetCaption(QStringLiteral("333333333"));
        p->EisforesEmpolyer3->SetValue(Currency::FromCents(-5000));
        p->EisforesTotal3->SetValue(Currency::FromCents(100));
    });
    Open(path);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    TEmployFrame *p = Doc()->Pages(0);
    // Opened as it was written.
    EXPECT_EQ(p->DayCount39_2->Value(), 1000000);
    EXPECT_EQ(p->EisforesEmpolyer3->Value(), Currency::FromCents(-5000));

    const QString csc01 = Dir.filePath(QStringLiteral("csc01"));
    EXPECT_TRUE(Export(csc01).isEmpty());
    EXPECT_FALSE(QFile::exists(csc01));
    ASSERT_EQ(Messages.size(), 1u);
    const QString message = Messages[0];
    for (const char *where : {"Σελίδα 1, γραμμή 1, πλαίσιο 41 (ΑΠΟΔΟΧΕΣ): 123.456.789.012,34 €",
                              "Σελίδα 1, γραμμή 2, πλαίσιο 39 (ΗΜ. ΑΠΑΣΧΟΛΗΣΗΣ): 1000000",
                              "Σελίδα 1, γραμμή 3, πλαίσιο 44 (ΕΙΣΦΟΡΕΣ ΑΣΦΑΛΙΣΜΕΝΟΥ): -50,00 €",
                              "ΣΥΝΟΛΟ ΑΠΟΔΟΧΩΝ: 123.456.789.012,34 €"})
        EXPECT_TRUE(message.contains(QString::fromUtf8(where))) << where << "\n" << message.toStdString();

    // Corrected, it exports.
    Type(p->Apodoxes1, QStringLiteral("1000,00"));
    Type(p->DayCount39_2, QStringLiteral("20"));
    Type(p->EisforesEmpolyer3, QStringLiteral("50,00"));
    Messages.clear();
    EXPECT_FALSE(Export(csc01).isEmpty());
    EXPECT_TRUE(Messages.empty()) << Messages.front().toStdString();
}

TEST_F(DeclarationScenario, ExportRefusesNumbersHoldingOtherCharactersAndBytesTheCodePageLeavesUndefined)
{
    // A document made elsewhere: an Α.Φ.Μ. and an Α.Μ.Κ.Α. with a letter, a register number of letters only,
    // dates of birth that are no dates, marital statuses that are neither of the two, a date of employment
    // the file would write as none, and a kind of project holding a byte that code page 1253 does not define.
    const QString undefined = FromCp1253(ToCp1253(QStringLiteral("ΑΝΕΓΕΡΣΗ ")) + '\xAA');
    const QString path = Written(Dir.path(), QStringLiteral("Γράμματα.vapd"), [&](TEmployFrame *p) {
        p->Married1->SetCaption(QStringLiteral("ΕγγΑΜΟΣ"));
        p->Married2->SetCaption(QStringLiteral("2"));
        p->DbLookupXFrame25->SetCaption(QStringLiteral("01/01/"));
        p->DbLookupXFrame16->SetCaption(QStringLiteral("00/00/0000"));
        p->XDateFrame2->SetDate(0);
        TApdData *w = p->ApdDataOwner();
        w->frameAFM->SetCaption(QStringLiteral("12345678X"));
        w->xEidosErgou->SetCaption(undefined);
        w->xTKErgou->SetCaption(QStringLiteral("171 21"));
        p->XFrame22a->SetCaption(QStringLiteral("111111111"));
        p->XFrame23a->SetCaption(QStringLiteral("12345678Δ"));
        p->EisforesTotal1->SetValue(Currency::FromCents(100));
        p->XFrame22b->SetCaption(QStringLiteral("ΑΒΓ"));
        p->EisforesTotal2->SetValue(Currency::FromCents(100));
        p->XFrame22c->SetCaption(QStringLiteral("333333333"));
        p->DbLookupXFrame7->SetCaption(QStringLiteral("5.11.1970"));
        p->EisforesTotal3->SetValue(Currency::FromCents(100));
    });
    // Opened through File > Open as it was written: nothing is lost on the way in.
    Open(path);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    TApdData *w = Doc();
    TEmployFrame *p = w->Pages(0);
    EXPECT_EQ(w->xEidosErgou->Caption(), undefined);
    EXPECT_EQ(p->XFrame23a->Caption(), QStringLiteral("12345678Δ"));

    // The export names every such value where the user finds it, and writes nothing.
    const QString csc01 = Dir.filePath(QStringLiteral("csc01"));
    EXPECT_TRUE(Export(csc01).isEmpty());
    EXPECT_FALSE(QFile::exists(csc01));
    ASSERT_EQ(Messages.size(), 1u);
    const QString message = Messages[0];
    const QString digitsOnly = QStringLiteral("(το πεδίο του αρχείου δέχεται μόνο ψηφία)");
    for (const QString &where :
         {QStringLiteral("Α.Φ.Μ.: 12345678X ") + digitsOnly,
          QStringLiteral("ΕΙΔΟΣ ΕΡΓΟΥ: ΑΝΕΓΕΡΣΗ \uFFFD (περιέχει χαρακτήρα (κωδικός 0xAA) που δεν ορίζεται"),
          QStringLiteral("Σελίδα 1, γραμμή 1, πλαίσιο 23 (Α.Μ.Κ.Α.): 12345678Δ ") + digitsOnly,
          // A line without a register number is left out of the file; one whose number is letters is not.
          QStringLiteral("Σελίδα 1, γραμμή 2, πλαίσιο 22 (ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.): ΑΒΓ ") + digitsOnly,
          QStringLiteral("Σελίδα 1, γραμμή 3, πλαίσιο 28 (ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ): 5.11.1970"),
          // (Written before as 01010000, 00000000, single, single, and 00000000 beside a shown date.)
          QStringLiteral("Σελίδα 1, γραμμή 1, πλαίσιο 28 (ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ): 01/01/ (δεν είναι ημερομηνία του "
                         "ημερολογίου γραμμένη ηη/μμ/εεεε)"),
          QStringLiteral("Σελίδα 1, γραμμή 2, πλαίσιο 28 (ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ): 00/00/0000"),
          QStringLiteral("Σελίδα 1, γραμμή 1, πλαίσιο 30 (ΑΓΑΜΟΣ/ΕΓΓΑΜΟΣ): ΕγγΑΜΟΣ (γράφεται «ΑΓΑΜΟΣ» ή «ΕΓΓΑΜΟΣ»)"),
          QStringLiteral("Σελίδα 1, γραμμή 2, πλαίσιο 30 (ΑΓΑΜΟΣ/ΕΓΓΑΜΟΣ): 2 (γράφεται"),
          QStringLiteral("Σελίδα 1, γραμμή 3, πλαίσιο 30 (ΑΓΑΜΟΣ/ΕΓΓΑΜΟΣ): κενό (γράφεται"),
          QStringLiteral("Σελίδα 1, γραμμή 2, πλαίσιο 36 (ΑΠΟ ΗΜ/ΝΙΑ ΑΠΑΣΧ.): 30/12/1899 (η ημερομηνία θα γραφόταν "
                         "στο αρχείο ως 00000000 (καμία ημερομηνία))")})
        EXPECT_TRUE(message.contains(where)) << where.toStdString() << "\n" << message.toStdString();
    EXPECT_EQ(p->XDateFrame2->Caption(), QStringLiteral("30/12/1899"));
    // The project's postcode is written in groups, as postcodes are: its digits go into the file.
    EXPECT_FALSE(message.contains(QStringLiteral("Τ.Κ."))) << message.toStdString();

    // Put right with the keyboard, it exports.
    Type(w->frameAFM, QStringLiteral("123456789"));
    Type(w->xEidosErgou, QStringLiteral("ΑΝΕΓΕΡΣΗ"));
    Type(p->XFrame23a, QStringLiteral("12345678901"));
    Type(p->XFrame22b, QStringLiteral("222222222"));
    Type(p->DbLookupXFrame7, QStringLiteral("5/11/1970"));
    Type(p->DbLookupXFrame25, QStringLiteral("1/1/70"));
    Type(p->DbLookupXFrame16, QStringLiteral("31/12/1980"));
    Type(p->Married1, QStringLiteral("έγγαμος"));
    Type(p->Married2, QStringLiteral("ΑΓΑΜΟΣ"));
    Type(p->Married3, QStringLiteral("αγαμος"));
    Type(p->XDateFrame2, QStringLiteral("01/01/2003"));
    EXPECT_EQ(p->DbLookupXFrame25->Caption(), QStringLiteral("01/01/1970"));
    EXPECT_EQ(p->Married1->Caption(), QStringLiteral("ΕΓΓΑΜΟΣ"));
    EXPECT_EQ(p->Married3->Caption(), QStringLiteral("ΑΓΑΜΟΣ"));
    Messages.clear();
    const QList<QByteArray> records = Records(Export(csc01));
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    ASSERT_EQ(records.size(), 1 + 3 * 2);
    EXPECT_EQ(ApdHeader::Afm.Bytes(records[0]), "123456789");
    EXPECT_EQ(ApdHeader::ProjectPostcode.Bytes(records[0]), "17121");
    EXPECT_EQ(ApdEmployee::Amka.Bytes(records[1]), "12345678901");
    EXPECT_EQ(ApdEmployee::BirthDate.Bytes(records[1]), "01011970");
    EXPECT_EQ(ApdEmployee::Married.Bytes(records[1]), "2");
    EXPECT_EQ(ApdEmployee::Register.Bytes(records[3]), "222222222");
    EXPECT_EQ(ApdEmployee::BirthDate.Bytes(records[3]), "31121980");
    EXPECT_EQ(ApdEmployee::Married.Bytes(records[3]), "1");
    EXPECT_EQ(ApdInsurance::From.Bytes(records[4]), "01012003");
    EXPECT_EQ(ApdEmployee::BirthDate.Bytes(records[5]), "05111970");
}

// Typed, pasted or picked, a date of birth and a marital status are what the file writes: a date as the
// employees' table reads it, written in full; one of the two statuses, whatever the case and accents; and
// an employee whose date of birth in the table is no date is refused by the export, named.
TEST_F(DeclarationScenario, DatesOfBirthAndMaritalStatusesAreTakenOnlyAsTheFileWritesThem)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TTable *employees = APDDataModule->tbEmployers;
    employees->Append();
    employees->FieldByName(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."))->SetAsString(QStringLiteral("333444555"));
    employees->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetAsString(QStringLiteral("ΔΗΜΟΥ"));
    employees->FieldByName(QStringLiteral("ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ"))->SetValue(TDateTime(1e20)); // beyond any calendar
    employees->FieldByName(QStringLiteral("ΕΓΓΑΜΟΣ"))->SetValue(false);
    employees->FieldByName(QStringLiteral("ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ"))->SetValue(0);
    employees->FieldByName(QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ"))->SetAsString(QStringLiteral("933110"));
    employees->FieldByName(QStringLiteral("ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"))->SetAsString(QStringLiteral("999"));
    employees->Post();
    TApdData *d = Doc();
    TEmployFrame *p = d->Pages(0);
    Type(d->DatePeriodFrame, QStringLiteral("1/2003"));
    PickOnPage(0, QStringLiteral("123456789"));
    ASSERT_EQ(p->DbLookupXFrame25->Caption(), QStringLiteral("01/01/1970"));
    ASSERT_EQ(p->Married1->Caption(), QStringLiteral("ΕΓΓΑΜΟΣ"));
    const Currency married = p->Payment1->Value();
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();

    // Refused, naming the box: the box keeps its value, the editor the text to correct.
    const auto refused = [&](TInplaceEditFrame *Box, const QString &Typed, const QString &Message) {
        const QString held = Box->Caption();
        Messages.clear();
        Type(Box, Typed);
        ASSERT_EQ(Messages.size(), 1u) << Typed.toStdString();
        EXPECT_EQ(Messages[0], Message);
        EXPECT_EQ(Box->Caption(), held);
        ASSERT_TRUE(Box->Editor());
        EXPECT_EQ(Box->Editor()->GetText(), Typed);
        Key(Qt::Key_Escape);
    };
    const QString noDate = QStringLiteral("«%1» δεν γράφεται στο πεδίο «ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ»: εκεί γράφεται ημερομηνία "
                                          "του ημερολογίου, ηη/μμ/εεεε.");
    for (const QString &typed : {QStringLiteral("31/02/1980"), QStringLiteral("1980"), QStringLiteral("01/01/")})
        refused(p->DbLookupXFrame25, typed, noDate.arg(typed));
    refused(p->Married1, QStringLiteral("2"),
            QStringLiteral("«2» δεν γράφεται στο πεδίο «ΑΓΑΜΟΣ/ΕΓΓΑΜΟΣ»: εκεί γράφεται «ΑΓΑΜΟΣ» ή «ΕΓΓΑΜΟΣ»."));
    Messages.clear();
    // Taken as the table and the file have them.
    Type(p->DbLookupXFrame25, QStringLiteral("5/6/75"));
    EXPECT_EQ(p->DbLookupXFrame25->Caption(), QStringLiteral("05/06/1975"));
    Type(p->Married1, QStringLiteral("Άγαμος"));
    EXPECT_EQ(p->Married1->Caption(), QStringLiteral("ΑΓΑΜΟΣ"));
    Click(p->Payment1);
    EXPECT_NE(p->Payment1->Value(), married);
    // Pasted.
    Click(p->Married1, true);
    ASSERT_TRUE(p->Married1->Editor());
    QApplication::clipboard()->setText(QStringLiteral("εγγαμος"));
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_Return);
    EXPECT_EQ(p->Married1->Caption(), QStringLiteral("ΕΓΓΑΜΟΣ"));
    Click(p->Payment1);
    EXPECT_EQ(p->Payment1->Value(), married);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    const QString csc01 = Dir.filePath(QStringLiteral("csc01"));
    QList<QByteArray> records = Records(Export(csc01));
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(ApdEmployee::BirthDate.Bytes(records[1]), "05061975");
    EXPECT_EQ(ApdEmployee::Married.Bytes(records[1]), "2");

    // Picked from the table, a date of birth that is no date shows as none and is refused at the export.
    Click(p->XFrame22b);
    PickRow(QStringLiteral("333444555"));
    EXPECT_EQ(p->DbLookupXFrame16->Caption(), QStringLiteral("00/00/0000"));
    EXPECT_TRUE(Export(csc01).isEmpty());
    EXPECT_FALSE(QFile::exists(csc01));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].contains(QStringLiteral("Σελίδα 1, γραμμή 2, πλαίσιο 28 (ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ): 00/00/0000")))
        << Messages[0].toStdString();
    Messages.clear();
    Type(p->DbLookupXFrame16, QStringLiteral("20/12/1980"));
    records = Records(Export(csc01));
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    ASSERT_EQ(records.size(), 5);
    EXPECT_EQ(ApdEmployee::BirthDate.Bytes(records[3]), "20121980");
    EXPECT_EQ(ApdEmployee::Married.Bytes(records[3]), "1");
}

TEST_F(DeclarationScenario, AOnePageDeclarationPrintsItsStatementAndSignatureClearOfTheFooter)
{
    // The first sheet carries the whole header; below its rows there is no room left for box 47 and the
    // signature block, which must go on to a further sheet of the same page, not under the footer.
    TApdData *d = Doc();
    while (d->PageCount() > 1) {
        ShowPage(d->PageCount() - 1);
        Answers.push_back(mrYes);
        Trigger(Main->aDeletePage);
    }
    Messages.clear();
    PickOnPage(0, QStringLiteral("123456789"));
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    const QString pdf = Dir.filePath(QStringLiteral("one.pdf"));
    UsePdf(pdf);
    Trigger(Main->aPrint);
    const QString text = PdfTextOf(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Δηλώνω υπεύθυνα"))) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("(Σφραγίδα- υπογραφή)")), 2) << text.toStdString();
    const QList<QList<TPdfWord>> sheets = PdfWordsOf(pdf);
    ASSERT_EQ(sheets.size(), 2);
    for (int s = 0; s < sheets.size(); ++s) {
        const QList<TPdfWord> &words = sheets[s];
        const auto footer = std::find_if(words.begin(), words.end(),
                                         [](const TPdfWord &w) { return w.Text == QStringLiteral("*Τα"); });
        ASSERT_NE(footer, words.end()) << s;
        // The footer's line holds the footer alone, and nothing is printed over or under it.
        QStringList line;
        for (const TPdfWord &w : words)
            if (w.Bottom > footer->Top + 0.5)
                line << w.Text;
        EXPECT_EQ(line.join(u' ').toStdString(), std::string("*Τα ποσά αναγράφονται υποχρεωτικά με δύο δεκαδικά ψηφία "
                                                  "Σελίδα 1 από 1"))
            << s;
    }
    // The preview shows the same two sheets.
    TPreviewForm *preview = nullptr;
    WhenShown<TPreviewForm>(preview, [](TPreviewForm *p) { p->aClose->Execute(); });
    Trigger(Main->aPreview);
    ASSERT_TRUE(preview);
    EXPECT_EQ(PreviewForm->DocPreview1->DocPrinter()->PageCount(), 2);
}

// The mouse moved onto Widget through its window (several windows overlap, so the window under a global
// point is not necessarily the modal one).
void HoverOver(QWidget *Widget)
{
    QWidget *window = Widget->window();
    QTest::mouseMove(window->windowHandle(), QPoint(1, 1));
    QTest::mouseMove(window->windowHandle(), Widget->mapTo(window, Widget->rect().center()));
}

TEST_F(DeclarationScenario, TheTableEditorsTakeOnlyDigitsIntoTheNumbersOfEmployeesAndEmployers)
{
    // What typing left in the editor, what the status bar said, and the record's state after the first key.
    struct TTyped {
        QString Kept, Note;
        TDataSetState State = dsInactive;
    };
    // Types Text key by key into Edit (a grid's cell or a detail page's edit) of the editor's table, then
    // drops the typing and the record's changes.
    auto typeInto = [](TTableEditor *e, QLineEdit *edit, const QString &text, TTyped &typed) {
        ASSERT_TRUE(edit);
        edit->selectAll();
        Keys(text.left(1));
        typed.State = e->DataSource->DataSet()->State();
        Keys(text.mid(1));
        typed.Kept = edit->text();
        typed.Note = e->StatusBar1->Panels(1).Text;
        Key(Qt::Key_Escape);
        e->DataSource->DataSet()->Cancel();
    };
    auto cell = [](TTableEditor *e, const QString &field) -> QLineEdit * {
        TDBGrid *grid = e->DataSetFilterFrame1->DBGrid1;
        QTableView *view = grid->TableView();
        for (int i = 0; i < grid->ColumnCount(); ++i)
            if (grid->Columns(i)->FieldName() == field) {
                const QPoint at = view->visualRect(view->model()->index(0, i)).center();
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
            }
        return qobject_cast<QLineEdit *>(QApplication::focusWidget());
    };
    auto detail = [](TTableEditor *e, const QString &field) -> QLineEdit * {
        QTabBar *tabs = e->PageControl1->TabWidget()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCoreApplication::processEvents();
        for (int i = 0; i < e->ComponentCount(); ++i)
            if (auto *edit = qobject_cast<TDBEdit *>(e->Components(i)); edit && edit->DataField() == field) {
                QTest::mouseClick(edit->Peer(), Qt::LeftButton, {}, edit->Peer()->rect().center());
                return edit->LineEdit();
            }
        return nullptr;
    };

    // The grid's cell and the detail page's edit of a digits field drop any other key, and the status bar
    // says why, naming the field; the key refused does not even put the record into edit state.
    TTyped registerCell, afmEdit, postcodeEdit;
    TTableEditor *employees = nullptr;
    WhenShown<TTableEditor>(employees, [&](TTableEditor *e) {
        typeInto(e, cell(e, QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.")), QStringLiteral("Χ98Χ7"), registerCell);
        typeInto(e, detail(e, QStringLiteral("Α.Φ.Μ.")), QStringLiteral("x0x1"), afmEdit);
        e->Peer()->close();
    });
    Trigger(Main->aEmployers);
    ASSERT_TRUE(employees);
    EXPECT_EQ(registerCell.Kept, QStringLiteral("987"));
    EXPECT_EQ(registerCell.Note, QStringLiteral("Στο πεδίο «ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.» γράφονται μόνο ψηφία."));
    EXPECT_EQ(registerCell.State, dsBrowse);
    EXPECT_EQ(afmEdit.Kept, QStringLiteral("01"));
    EXPECT_EQ(afmEdit.Note, QStringLiteral("Στο πεδίο «Α.Φ.Μ.» γράφονται μόνο ψηφία."));
    EXPECT_EQ(afmEdit.State, dsBrowse);

    QApplication::setActiveWindow(Main->Peer());
    TTableEditor *employers = nullptr;
    WhenShown<TTableEditor>(employers, [&](TTableEditor *e) {
        typeInto(e, detail(e, QStringLiteral("ΤΚ")), QStringLiteral("176 71"), postcodeEdit);
        e->Peer()->close();
    });
    Trigger(Main->aEmployes);
    ASSERT_TRUE(employers);
    EXPECT_EQ(postcodeEdit.Kept, QStringLiteral("17671"));
    EXPECT_EQ(postcodeEdit.Note, QStringLiteral("Στο πεδίο «ΤΚ» γράφονται μόνο ψηφία."));
    // Nothing of it was written into the tables.
    EXPECT_FALSE(APDDataModule->tbEmployers->Locate(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), QStringLiteral("987"), 0));
    EXPECT_EQ(APDDataModule->tbEmployers->State(), dsBrowse);
}

TEST_F(DeclarationScenario, EachWindowShowsTheHintsOfItsOwnButtons)
{
    // A table editor opened from the menu shows the hints of its navigator: Qt tells the editor it is
    // active before it tells the main window it no longer is.
    TTableEditor *editor = nullptr;
    QString inEditor;
    WhenShown<TTableEditor>(editor, [&](TTableEditor *e) {
        HoverOver(e->DBNavigator->Button(nbNext));
        inEditor = e->StatusBar1->Panels(1).Text;
        e->Peer()->close();
    });
    Trigger(Main->aEmployers);
    ASSERT_TRUE(editor);
    EXPECT_EQ(inEditor, QStringLiteral("Επόμενη εγγραφή"));

    // Back in the main window: its own tool bar's hints, then those of the preview's.
    QApplication::setActiveWindow(Main->Peer());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main->Peer()));
    HoverOver(Main->ActionToolBar1->ToolBar()->widgetForAction(Main->aPrint->Handle()));
    EXPECT_EQ(Main->StatusBar1->SimpleText(), QStringLiteral("Εκτύπωση"));
    TPreviewForm *preview = nullptr;
    QString inPreview;
    WhenShown<TPreviewForm>(preview, [&](TPreviewForm *p) {
        HoverOver(p->ActionToolBar1->ToolBar()->widgetForAction(p->aNext->Handle()));
        inPreview = p->StatusBar1->Panels(1).Text;
        p->aClose->Execute();
    });
    Trigger(Main->aPreview);
    EXPECT_EQ(inPreview, QStringLiteral("Επόμενη Σελίδα"));
}

} // namespace

namespace
{

// With the printer set up to write a file, the tool bar's print and the export's three printouts each
// leave a file of their own beside the set-up one, none replacing another, and the user is told which.
TEST_F(DeclarationScenario, PrintoutsToAFileEachKeepAFileOfTheirOwnAndTheUserIsToldWhich)
{
    TApdData *d = Doc();
    Type(d->DatePeriodFrame, QStringLiteral("1/2003"));
    Type(d->frameAMOE, QStringLiteral("0123456789"));
    Type(d->frameAFM, QStringLiteral("094000000"));
    PickOnPage(0, QStringLiteral("123456789"));
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    const auto file = [&](const char *name) { return Dir.filePath(QString::fromUtf8(name)); };

    // No printer and no file set up: the message says where to set one up, and nothing is written.
    UsePdf(QString());
    Printer()->QtPrinter()->setOutputFormat(QPrinter::PdfFormat);
    Trigger(Main->aPrint);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].contains(QStringLiteral("«Ρύθμιση εκτυπωτή...»"))) << Messages[0].toStdString();
    Messages.clear();
    // The export still writes the declaration file, and says so, where, and which printouts are not made.
    const auto allThree = [](TeApdOptions *o) {
        o->CheckBox1->SetChecked(true);
        o->CheckBox2->SetChecked(true);
        o->CheckBox4->SetChecked(true);
    };
    EXPECT_FALSE(Export(file("csc01"), allThree).isEmpty());
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], QStringLiteral("Το αρχείο ΑΠΔ γράφτηκε στο ") + file("csc01") +
                               QStringLiteral(".\n\nΔεν τυπώθηκαν: Συνοδευτικό έντυπο, Αναλυτικό τεύχος, Ετικέτα "
                                              "δισκέτας.\nΔεν έχει οριστεί εκτυπωτής ούτε αρχείο για την εκτύπωση. "
                                              "Ορίστε έναν εκτυπωτή ή ένα αρχείο από «Αρχείο» > «Ρύθμιση "
                                              "εκτυπωτή...»."));
    Messages.clear();

    // The tool bar's print button, twice.
    UsePdf(file("apd.pdf"));
    QApplication::setActiveWindow(Main->Peer());
    QWidget *print = Main->ActionToolBar1->ToolBar()->widgetForAction(Main->aPrint->Handle());
    ASSERT_TRUE(print);
    QTest::mouseClick(print, Qt::LeftButton);
    QTest::mouseClick(print, Qt::LeftButton);
    Settle(); // each click's command runs once the click is handled
    EXPECT_TRUE(Messages.empty()) << "the tool bar prints without asking";
    for (const char *name : {"apd.pdf", "apd-2.pdf"})
        EXPECT_TRUE(PdfTextOf(file(name)).contains(QStringLiteral("Σελίδα 1 από 4"))) << name;
    const QString second = QStringLiteral("Η εκτύπωση γράφτηκε στο αρχείο ") + file("apd-2.pdf");
    EXPECT_EQ(Main->StatusBar1->SimpleText(), second);
    // Hints pass over it; with no hint the status bar says it again.
    Application()->SetHint(QStringLiteral("Εκτύπωση"));
    EXPECT_EQ(Main->StatusBar1->SimpleText(), QStringLiteral("Εκτύπωση"));
    Application()->SetHint(QString());
    EXPECT_EQ(Main->StatusBar1->SimpleText(), second);
    const QByteArray firstPrint = ReadAll(file("apd.pdf"));

    // The export with its three printouts, at the largest size it offers: the message says which file holds
    // which.
    Export(file("csc01"), [&](TeApdOptions *o) {
        allThree(o);
        o->FontSize->SetText(QStringLiteral("14"));
    });
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], QStringLiteral("Το αρχείο ΑΠΔ γράφτηκε στο %1.\n\nΟι εκτυπώσεις γράφτηκαν στα αρχεία:\n"
                                          "Συνοδευτικό έντυπο: %2\nΑναλυτικό τεύχος: %3\nΕτικέτα δισκέτας: %4")
                               .arg(file("csc01"), file("apd-3.pdf"), file("apd-4.pdf"), file("apd-5.pdf")));
    const QString form = PdfTextOf(file("apd-3.pdf")), pages = PdfTextOf(file("apd-4.pdf")),
                  label = PdfTextOf(file("apd-5.pdf"));
    EXPECT_TRUE(form.contains(QStringLiteral("ΣΥΝΟΔΕΥΤΙΚΟ ΕΝΤΥΠΟ"))) << form.toStdString();
    EXPECT_TRUE(form.contains(QRegularExpression(QStringLiteral("Α\\.Φ\\.Μ\\.:\\s+094000000")))) << form.toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ"))) << pages.toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("ΔΙΑΚΟΠΗ ΟΙΚΟΔΟΜΙΚΩΝ ΕΡΓΑΣΙΩΝ")));
    EXPECT_FALSE(pages.contains(QStringLiteral("ΣΥΝΟΔΕΥΤΙΚΟ ΕΝΤΥΠΟ")));
    EXPECT_TRUE(label.contains(QStringLiteral("Ετικέτα δισκέτας"))) << label.toStdString();
    EXPECT_TRUE(label.contains(QStringLiteral("094000000")));
    EXPECT_EQ(ReadAll(file("apd.pdf")), firstPrint);
    EXPECT_EQ(QDir(Dir.path()).entryList({QStringLiteral("*.pdf*"), QStringLiteral(".*pdf*")},
                                         QDir::Files | QDir::Hidden)
                  .size(),
              5)
        << "no temporary file is left";
}

TEST_F(DeclarationScenario, ThePickerServesTheMainWindowAgainAfterServingATableEditor)
{
    // The branch of an employee picked in the table editor: the shared picker opens over the modal editor
    // and belongs to it while the editor runs. The editor is freed when it closes; the picker is not.
    TTableEditor *editor = nullptr;
    bool pickedInEditor = false;
    QPointer<QTableView> grid;
    WhenShown<TTableEditor>(editor, [&](TTableEditor *e) {
        QTabBar *tabs = e->PageControl1->TabWidget()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCoreApplication::processEvents();
        TDBEdit *branch = nullptr;
        for (int i = 0; i < e->ComponentCount(); ++i)
            if (auto *edit = qobject_cast<TDBEdit *>(e->Components(i));
                edit && edit->Field() && edit->Field()->LookupDataSet() == APDDataModule->tbIkaOffices)
                branch = edit;
        if (branch) {
            QTest::mouseClick(branch->Peer(), Qt::LeftButton, {}, branch->Peer()->rect().center());
            QCoreApplication::processEvents();
            pickedInEditor = DataSetPopup && DataSetPopup->Visible() &&
                             DataSetPopup->Peer()->window() == DataSetPopup->Peer() &&
                             DataSetPopup->Peer()->parentWidget() == e->Peer();
            grid = DataSetPopup->DataSetFilterFrame1->DBGrid1->TableView();
            Key(Qt::Key_Escape);
        }
        e->Peer()->close();
    });
    Trigger(Main->aEmployers);
    ASSERT_TRUE(editor);
    EXPECT_TRUE(pickedInEditor);
    EXPECT_TRUE(grid) << "the picker's grid went with the editor";

    // Back in the main window the same picker serves the branch of submission, and its pick is written.
    ASSERT_TRUE(DataSetPopup);
    Click(Doc()->DbLookupXFrame10);
    ASSERT_TRUE(DataSetPopup->Visible());
    EXPECT_EQ(DataSetPopup->Peer()->parentWidget(), nullptr);
    PickRow(QStringLiteral("061"));
    EXPECT_FALSE(DataSetPopup->Visible());
    EXPECT_EQ(Doc()->DbLookupXFrame10->Caption(), QStringLiteral("061"));
}

} // namespace

namespace
{

// A value typed into a box and not yet handed back (no Enter, the editor still open, the focus still in it or
// on the menu bar) is what every command reads: saved from the tool bar, the menu or the keys to the menu,
// printed, previewed, exported, and asked about when the document is closed, with its computations and
// totals. A text the box refuses stops the command, told once, and stays to be corrected.
TEST_F(DeclarationScenario, WhatIsTypedButNotYetHandedBackIsWhatEveryCommandReads)
{
    if (!MainIsActive())
        GTEST_SKIP() << "no keyboard focus on this platform";
    TApdData *d = Doc();
    TEmployFrame *p = d->Pages(0);
    PickOnPage(0, QStringLiteral("123456789"));
    ShowPage(0);
    const QString path = Dir.filePath(QStringLiteral("Πληκτρολόγηση.vapd"));
    SaveAs(path);
    ASSERT_FALSE(Main->FileControl1->Modified());
    const QString file = QStringLiteral("Αρχείο");
    const QStringList saveItem{file, QStringLiteral("Αποθήκευση")};
    const auto typeOnly = [&](TInplaceEditFrame *Box, const QString &Text) {
        ClickOn(Box, bool(Box->OnClick));
        ASSERT_TRUE(Box->Editor()) << qPrintable(Box->Name());
        Keys(Text);
        Settle();
        ASSERT_TRUE(Box->Editor());
        ASSERT_EQ(Box->Editor()->GetText(), Text);
    };
    const auto toolButton = [&](TAction *Action) {
        QApplication::setActiveWindow(Main->Peer());
        QWidget *button = Main->ActionToolBar1->ToolBar()->widgetForAction(Action->Handle());
        ASSERT_TRUE(button);
        QTest::mouseClick(button, Qt::LeftButton);
        Settle();
    };
    // F10, Enter on the file menu, Down to the command, Enter: the focus is on the menu bar meanwhile.
    const auto byKeys = [&](TAction *Action) {
        QWindow *window = Main->Peer()->windowHandle();
        QTest::keyClick(window, Qt::Key_F10);
        QTest::keyClick(window, Qt::Key_Return);
        QMenu *menu = Main->ActionMainMenuBar1->MenuBar()->actions().at(0)->menu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        for (int i = 0; i < 20 && menu->activeAction() != Action->Handle(); ++i)
            QTest::keyClick(menu->windowHandle(), Qt::Key_Down);
        ASSERT_EQ(menu->activeAction(), Action->Handle());
        QTest::keyClick(menu->windowHandle(), Qt::Key_Return);
        Settle();
    };

    // Saved by each road: the value handed back as Enter would, the line computed, the document saved.
    const struct {
        TInplaceEditFrame *Box;
        const char *Typed, *Shown;
        std::function<void()> Save;
    } saves[] = {
        {d->xEidosErgou, "ΑΝΕΓΕΡΣΗ", "ΑΝΕΓΕΡΣΗ", [&] { toolButton(Main->aSave); }},
        {p->DayCount39_1, "7", "7", [&] { ChooseFromMenu(saveItem); }},
        {p->Payment1, "40", "40,00 €", [&] { byKeys(Main->aSave); }},
    };
    for (const auto &save : saves) {
        SCOPED_TRACE(qPrintable(save.Box->Name()));
        typeOnly(save.Box, QString::fromUtf8(save.Typed));
        const QByteArray before = ReadAll(path);
        save.Save();
        EXPECT_EQ(save.Box->Caption().toStdString(), save.Shown);
        // The box keeps the focus, marked, whatever the road to the command.
        EXPECT_EQ(FocusedBox(), save.Box);
        EXPECT_TRUE(Marked(save.Box));
        EXPECT_FALSE(Main->FileControl1->Modified());
        EXPECT_TRUE(ReadAll(path) != before) << "nothing was saved";
    }
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    EXPECT_EQ(p->Apodoxes1->Value(), Currency::FromInt(280));
    EXPECT_EQ(d->ApodoxesTotal->Value(), p->EarningsSum());
    EXPECT_EQ(d->DaysTotal->Value(), p->DaysSum());
    const auto saved = Snapshot();
    Trigger(Main->aNew);
    Open(path);
    EXPECT_EQ(Differences(saved, Snapshot()).toStdString(), "");

    // Printed from the tool bar, previewed from the menu, exported by the keys to the menu.
    d = Doc();
    typeOnly(d->xPoliErgou, QStringLiteral("ΠΑΤΡΑ"));
    const QString pdf = Dir.filePath(QStringLiteral("typed.pdf"));
    UsePdf(pdf);
    toolButton(Main->aPrint);
    EXPECT_TRUE(PdfTextOf(pdf).contains(QStringLiteral("ΠΑΤΡΑ")));
    typeOnly(d->xOdosErgou, QStringLiteral("ΣΥΓΓΡΟΥ"));
    TPreviewForm *preview = nullptr;
    QString previewed;
    WhenShown<TPreviewForm>(preview, [&](TPreviewForm *f) {
        previewed = d->xOdosErgou->Caption();
        f->aClose->Execute();
    });
    ChooseFromMenu({file, QStringLiteral("Προεπισκόπηση...")});
    ASSERT_TRUE(preview);
    EXPECT_EQ(previewed, QStringLiteral("ΣΥΓΓΡΟΥ"));
    // Back in the main window (the window system activates it again), the focus is on the box it left.
    QApplication::setActiveWindow(Main->Peer());
    Settle();
    EXPECT_EQ(FocusedBox(), d->xOdosErgou);
    EXPECT_TRUE(Marked(d->xOdosErgou));
    typeOnly(d->frameAFM, QStringLiteral("094000000"));
    const QString csc = Dir.filePath(QStringLiteral("csc01"));
    TeApdOptions *options = nullptr;
    WhenShown<TeApdOptions>(options, [&](TeApdOptions *o) {
        for (TCheckBox *print : {o->CheckBox1, o->CheckBox2, o->CheckBox4})
            print->SetChecked(false);
        o->CheckBox3->SetChecked(true);
        o->Edit5->SetText(csc);
        o->SetModalResult(mrOk);
    });
    byKeys(Main->aExportIkaApd);
    ASSERT_TRUE(options);
    EXPECT_EQ(ApdHeader::Afm.Bytes(Records(ReadAll(csc)).value(0)), QByteArray("094000000"));
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    EXPECT_TRUE(Main->FileControl1->Modified());

    // Closing asks about what was typed: the window's close (as Exit) is cancelled; a new document from the
    // tool bar saves it first.
    SaveAs(path);
    typeOnly(d->xArOdouErgou, QStringLiteral("150"));
    Answers = {mrCancel};
    Main->Peer()->close();
    Settle();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].startsWith(QStringLiteral("Θέλετε να αποηθκεύσετε"))) << Messages[0].toStdString();
    EXPECT_TRUE(Main->Peer()->isVisible());
    typeOnly(d->DbLookupXFrame4, QStringLiteral("ΑΘΗΝΑ"));
    Answers = {mrYes};
    toolButton(Main->aNew);
    ASSERT_EQ(Messages.size(), 2u);
    ASSERT_NE(Doc(), d);
    Open(path);
    d = Doc();
    EXPECT_EQ(d->xArOdouErgou->Caption(), QStringLiteral("150"));
    EXPECT_EQ(d->DbLookupXFrame4->Caption(), QStringLiteral("ΑΘΗΝΑ"));
    EXPECT_FALSE(Main->FileControl1->Modified());
    Messages.clear();

    // Refused: told once, the command goes no further, and the editor keeps the text and the focus.
    p = d->Pages(0);
    const QByteArray bytes = ReadAll(path);
    TFocusTakingDialogs dialogs;
    typeOnly(p->DayCount39_2, QStringLiteral("-5"));
    toolButton(Main->aSave);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_TRUE(dialogs.Requests()[0].Msg.contains(QStringLiteral("αρνητική")))
        << qPrintable(dialogs.Requests()[0].Msg);
    const auto waitsForCorrection = [&] {
        ASSERT_TRUE(p->DayCount39_2->Editor());
        EXPECT_EQ(p->DayCount39_2->Editor()->GetText(), QStringLiteral("-5"));
        EXPECT_EQ(QApplication::focusWidget(), p->DayCount39_2->Editor()->LineEdit());
        EXPECT_EQ(ReadAll(path), bytes);
        EXPECT_FALSE(Main->FileControl1->Modified());
    };
    waitsForCorrection();
    // Told already: printing from the tool bar, the export by the keys and the window's close stop without a
    // word.
    const QString unprinted = Dir.filePath(QStringLiteral("refused.pdf"));
    UsePdf(unprinted);
    toolButton(Main->aPrint);
    EXPECT_FALSE(QFile::exists(unprinted));
    options = nullptr;
    const QPointer<QTimer> watch =
        WhenShown<TeApdOptions>(options, [](TeApdOptions *o) { o->SetModalResult(mrCancel); });
    byKeys(Main->aExportIkaApd);
    EXPECT_FALSE(options);
    delete watch.data();
    Main->Peer()->close();
    Settle();
    EXPECT_TRUE(Main->Peer()->isVisible());
    EXPECT_EQ(dialogs.Count(), 1);
    waitsForCorrection();
    // Corrected, it is saved.
    Key(Qt::Key_A, Qt::ControlModifier);
    Keys(QStringLiteral("5"));
    toolButton(Main->aSave);
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_FALSE(Main->FileControl1->Modified());
    Open(path);
    EXPECT_EQ(Doc()->Pages(0)->DayCount39_2->Value(), 5);
}

// Every command that frees or rebuilds menus, actions or the document, chosen from the open menus with the
// mouse or the keyboard as the user does, over documents of 1 to 64 pages: opening closes the document
// before into the recent files (which makes the file menu anew), pages come and go from the page list,
// new documents and templates replace the window while a box's editor in it is still open. Nothing the
// menus still use is freed while they handle the choice (the driver watches), and each command does its
// whole work.
TEST_F(DeclarationScenario, CommandsChosenFromTheMenusFreeNothingTheMenusStillUse)
{
    const QString file = QStringLiteral("Αρχείο"), pages = QStringLiteral("Σελίδες");
    const int sizes[] = {1, 8, 16, 32, 64};
    QStringList paths;
    for (int n : sizes) {
        paths << Dir.filePath(QStringLiteral("%1 σελίδες.vapd").arg(n));
        QFile f(paths.back());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(DocumentOfPages(n));
    }
    const auto pageList = [] {
        QStringList captions, listed;
        for (int i = 0; i < Main->Document->PageCount(); ++i)
            captions << Main->Document->PageControl1->Pages(i)->Caption();
        for (QAction *a : Main->PageMenu()->actions())
            listed << a->text();
        EXPECT_EQ(listed, captions) << "the page list names every page as it stands";
    };
    for (int k = 0; k < 5; ++k) {
        const int n = sizes[k];
        const bool byClick = k % 2 == 1;
        FileChoices << paths[k];
        ChooseFromMenu({file, QStringLiteral("Άνοιγμα...")}, byClick);
        ASSERT_EQ(Main->FileControl1->FileName(), paths[k]);
        ASSERT_EQ(Doc()->PageCount(), n);
        EXPECT_EQ(Main->FileControl1->RecentFiles()->Count(), k) << "the document before is a recent file";
        Type(Doc()->xEidosErgou, QStringLiteral("Έργο %1").arg(n));
        ChooseFromMenu({pages, QStringLiteral("Προσθήκη σελίδας")}, !byClick);
        const int added = std::min(n + 1, 64);
        ASSERT_EQ(Doc()->PageCount(), added);
        pageList();
        ChooseFromMenu({pages, QStringLiteral("Επιλογή"), Doc()->PageControl1->Pages(0)->Caption()}, byClick);
        EXPECT_EQ(Doc()->PageControl1->ActivePageIndex(), 0);
        Answers.push_back(mrYes);
        ChooseFromMenu({pages, QStringLiteral("Διαγραφή σελίδας")}, !byClick);
        ASSERT_EQ(Doc()->PageCount(), added - 1);
        pageList();
        ChooseFromMenu({file, QStringLiteral("Αποθήκευση")}, byClick);
        EXPECT_FALSE(Main->FileControl1->Modified());
    }

    // A new document replaces the one just saved, which joins the recent files.
    ChooseFromMenu({file, QStringLiteral("Νέο αρχείο")});
    EXPECT_EQ(Main->FileControl1->FileName(), TMain::UntitledName);
    EXPECT_EQ(Doc()->PageCount(), 4);
    EXPECT_EQ(Main->FileControl1->RecentFiles()->Count(), 5);
    pageList();
    // A recent file from its sub-menu opens as it was saved.
    ChooseFromMenu({file, QStringLiteral("Πρόσφατα αρχεία"), QStringLiteral("8 σελίδες.vapd")}, true);
    EXPECT_EQ(Main->FileControl1->FileName(), paths[1]);
    EXPECT_EQ(Doc()->PageCount(), 8);
    EXPECT_EQ(Doc()->xEidosErgou->Caption(), QStringLiteral("Έργο 8"));
    // Saved as a template, it makes a new untitled document.
    const QString pattern = Dir.filePath(QStringLiteral("Πρότυπο.papd"));
    FileChoices << pattern;
    ChooseFromMenu({file, QStringLiteral("Αποθήκευση ως...")});
    ASSERT_EQ(Main->FileControl1->FileName(), pattern);
    FileChoices << pattern;
    ChooseFromMenu({file, QStringLiteral("Νεό αρχείο από πρότυπο...")}, true);
    EXPECT_EQ(Main->FileControl1->FileName(), TMain::UntitledName);
    EXPECT_EQ(Doc()->PageCount(), 8);
    EXPECT_EQ(Doc()->xEidosErgou->Caption(), QStringLiteral("Έργο 8"));
    pageList();

    // A table editor and the preview, from the menus and closed again.
    TTableEditor *editor = nullptr;
    WhenShown<TTableEditor>(editor, [](TTableEditor *e) { e->Peer()->close(); });
    ChooseFromMenu({QStringLiteral("Συλογές/Πίνακες"), QStringLiteral("Εργοδότες")});
    EXPECT_TRUE(editor);
    TPreviewForm *preview = nullptr;
    WhenShown<TPreviewForm>(preview, [](TPreviewForm *p) { p->aClose->Execute(); });
    ChooseFromMenu({file, QStringLiteral("Προεπισκόπηση...")}, true);
    ASSERT_TRUE(preview);
    EXPECT_GE(preview->DocPreview1->DocPrinter()->PageCount(), 8);

    // The file menu is whole, with one entry per recent file.
    QMenu *fileMenu = Main->ActionMainMenuBar1->MenuBar()->actions().at(0)->menu();
    ASSERT_EQ(fileMenu->actions().size(), 14);
    QMenu *recent = fileMenu->actions().at(5)->menu();
    ASSERT_TRUE(recent);
    EXPECT_EQ(recent->actions().size(), Main->FileControl1->RecentFiles()->Count());
    EXPECT_EQ(Main->FileControl1->RecentFiles()->Count(), 6);
    // The only questions were the five deletions'.
    EXPECT_EQ(Messages.size(), 5u);
    for (const QString &m : Messages)
        EXPECT_TRUE(m.startsWith(QStringLiteral("Θέλετε να διαγράψετε τη "))) << m.toStdString();
}

} // namespace

// The preview and the export options opened from the main window, worked by the keys alone: the preview
// starts in its page view, which pages with Page Down, and leaves with Esc; the export dialog starts in its
// first box and, when the file cannot be written where it was told, says why and comes back as it was left.
TEST_F(DeclarationScenario, ThePreviewAndTheExportDialogAnswerTheKeys)
{
    TPreviewForm *preview = nullptr;
    QString paged;
    const QPointer<QTimer> previewWatch = WhenShown<TPreviewForm>(preview, [&](TPreviewForm *p) {
        TScopeExit close([&] {
            if (p->Peer()->isVisible())
                p->aClose->Execute();
        });
        ASSERT_EQ(QApplication::focusWidget(), p->DocPreview1->Peer()) << "the page view has the focus";
        Key(Qt::Key_PageDown);
        paged = p->StatusBar1->Panels(0).Text;
        Key(Qt::Key_Escape);
        EXPECT_FALSE(p->Peer()->isVisible()) << "Esc closes the preview";
    });
    ChooseFromMenu({QStringLiteral("Αρχείο"), QStringLiteral("Προεπισκόπηση...")});
    delete previewWatch.data();
    ASSERT_TRUE(preview);
    EXPECT_EQ(paged, QStringLiteral("Σελίδα 2 από 4"));

    // The path names a folder: told, and the dialog is back with what was typed, the path to correct.
    const QString folder = Dir.filePath(QStringLiteral("φάκελος"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString csc = Dir.filePath(QStringLiteral("csc01"));
    TeApdOptions *options = nullptr;
    bool shownAgain = false;
    const QPointer<QTimer> optionsWatch = WhenShown<TeApdOptions>(options, [&](TeApdOptions *o) {
        // Whatever fails, the dialog goes, and the test with it.
        TScopeExit cancel([o] {
            if (o->Peer()->isVisible())
                o->SetModalResult(mrCancel);
        });
        EXPECT_EQ(FindWinControl(QApplication::focusWidget()), o->DateTimePicker1) << "the first box has the focus";
        // Tab to the company name, typed; the printouts unticked with Space; the path typed over.
        for (int i = 0; i < 8 && FindWinControl(QApplication::focusWidget()) != o->Edit1; ++i)
            Key(Qt::Key_Tab);
        Keys(QStringLiteral("ΔΟΜΙΚΗ Α.Ε."));
        for (TCheckBox *print : {o->CheckBox1, o->CheckBox4}) {
            print->Peer()->setFocus(Qt::TabFocusReason);
            Key(Qt::Key_Space);
        }
        o->Edit5->Peer()->setFocus(Qt::TabFocusReason);
        Keys(folder);
        // Once the message has been shown, the dialog again.
        auto *poll = new QTimer(o);
        QObject::connect(poll, &QTimer::timeout, [&, poll, o] {
            if (!o->Peer()->isVisible() || Messages.empty())
                return;
            poll->stop();
            TScopeExit cancel([o] {
                if (o->Peer()->isVisible())
                    o->SetModalResult(mrCancel);
            });
            shownAgain = true;
            QApplication::setActiveWindow(o->Peer()); // as the window manager does
            Settle();
            EXPECT_EQ(o->Edit1->GetText(), QStringLiteral("ΔΟΜΙΚΗ Α.Ε."));
            EXPECT_FALSE(o->CheckBox1->Checked() || o->CheckBox4->Checked());
            auto *path = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            ASSERT_TRUE(path && FindWinControl(path) == o->Edit5) << "the path has the focus";
            EXPECT_EQ(path->selectedText(), folder) << "ready to be typed over";
            Keys(csc);
            Key(Qt::Key_Return);
        });
        poll->start(10);
        Key(Qt::Key_Return);
    });
    ChooseFromMenu({QStringLiteral("Αρχείο"), QStringLiteral("Εξαγωγή σε ηλεκτρονική μορφή ΙΚΑ...")});
    delete optionsWatch.data();
    ASSERT_TRUE(options);
    EXPECT_TRUE(shownAgain);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].contains(QDir::toNativeSeparators(folder))) << Messages[0].toStdString();
    const QList<QByteArray> records = Records(ReadAll(csc));
    ASSERT_FALSE(records.isEmpty()) << "written once the path was corrected";
    EXPECT_EQ(FromCp1253(ApdHeader::EmployerName.Bytes(records.front())).trimmed(), QStringLiteral("ΔΟΜΙΚΗ Α.Ε."));
}
