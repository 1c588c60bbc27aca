#include "declaration/eApdOptionsF.h"

#include "platform/Platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{
// What the export flow reads once the dialog has been confirmed.
struct TChosenOptions {
    QString Name0, Name1, Name2;
    QString Path;
    TDateTime StopDate = 0;
};

TChosenOptions ReadOptions(TeApdOptions &d)
{
    return {d.GetNamePart(0), d.GetNamePart(1), d.GetNamePart(2), d.CheckBox3->Checked() ? d.Edit5->GetText() : "",
            d.pnlStop->Visible() ? d.DateTimePicker2->Date() : 0};
}

void SaveSnapshot(TForm &form, const char *name)
{
    const QByteArray dir = qgetenv("APD_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        form.Peer()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
}
} // namespace

TEST(ApdOptions, StartsFromTheDesignedDefaults)
{
    TeApdOptions d(nullptr);
    EXPECT_EQ(d.Caption(), "Επιλογές εξαγωγής σε ηλεκτρονική μορφή");
    EXPECT_EQ(d.ClientWidth(), 516);
    EXPECT_EQ(d.ClientHeight(), 315);
    EXPECT_EQ(d.DateTimePicker1->Date(), Date());
    EXPECT_EQ(d.DateTimePicker2->Date(), EncodeDate(2003, 1, 22));
    EXPECT_FALSE(d.pnlStop->Visible());
    EXPECT_TRUE(d.RadioButton1->Checked());
    EXPECT_FALSE(d.RadioButton2->Checked());
    EXPECT_TRUE(d.Panel1->Visible());
    EXPECT_FALSE(d.Panel2->Visible());
    EXPECT_TRUE(d.CheckBox1->Checked());
    EXPECT_FALSE(d.CheckBox2->Checked());
    EXPECT_TRUE(d.CheckBox3->Checked());
    EXPECT_TRUE(d.CheckBox4->Checked());
    EXPECT_FALSE(d.FontBold->Checked());
    EXPECT_EQ(d.FontName->GetText(), "Courier New");
    EXPECT_EQ(d.FontSize->GetText(), "9");
    EXPECT_EQ(d.FontSize->Items()->ToStringList(), QStringList({"8", "9", "10", "11", "12", "14"}));
    // The font list holds the screen's fonts, sorted, and leaves the typed text alone.
    const QStringList fonts = d.FontName->Items()->ToStringList();
    EXPECT_EQ(fonts.size(), QFontDatabase::families().size());
    EXPECT_TRUE(qobject_cast<TStringList *>(d.FontName->Items())->Sorted());
    for (qsizetype i = 1; i < fonts.size(); ++i)
        EXPECT_LE(QString::compare(fonts[i - 1], fonts[i], Qt::CaseInsensitive), 0);
    // "a:\csc01" is the file csc01 on the first removable medium, or in the home folder.
    EXPECT_EQ(d.Edit5->GetText(), QDir::toNativeSeparators(QDir(Platform::RemovableMediaFolder()).filePath("csc01")));
    // In reading order: top to bottom, left to right, the buttons last.
    const std::vector<TWinControl *> order = d.GetTabOrderList();
    const std::vector<TWinControl *> expected = {d.DateTimePicker1, d.pnlStop,   d.GroupBox1, d.GroupBox3, d.CheckBox3,
                                                 d.GroupBox2,       d.CheckBox4, d.Button1,   d.Button2};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(d.Button1->Caption(), "&Εντάξει");
}

TEST(ApdOptions, NamePartsFollowThePersonKind)
{
    TeApdOptions d(nullptr);
    d.SetEmployerName("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΕΩΡΓΙΟΣ ΤΟΥ ΝΙΚΟΛΑΟΥ");
    EXPECT_EQ(d.Edit1->GetText(), "ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΕΩΡΓΙΟΣ ΤΟΥ ΝΙΚΟΛΑΟΥ");
    // Legal person: the company name alone, even though the natural person's boxes hold text.
    auto o = ReadOptions(d);
    EXPECT_EQ(o.Name0, "ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΕΩΡΓΙΟΣ ΤΟΥ ΝΙΚΟΛΑΟΥ");
    EXPECT_EQ(o.Name1, "");
    EXPECT_EQ(o.Name2, "");

    d.Edit1->SetText("ΚΩΣΤΑΣ ΠΕΤΡΟΥ ΤΟΥ ΙΩΑΝΝΗ");
    d.RadioButton2->SetChecked(true);
    EXPECT_FALSE(d.RadioButton1->Checked());
    EXPECT_FALSE(d.Panel1->Visible());
    EXPECT_TRUE(d.Panel2->Visible());
    o = ReadOptions(d);
    EXPECT_EQ(o.Name0, "ΚΩΣΤΑΣ");
    EXPECT_EQ(o.Name1, "ΠΕΤΡΟΥ");
    EXPECT_EQ(o.Name2, "ΤΟΥ ΙΩΑΝΝΗ");

    // One word: surname only; back to legal person it comes with two blanks after it.
    d.RadioButton1->SetChecked(true);
    d.Edit1->SetText("ΑΤΕΚΤΩΝ");
    d.RadioButton2->SetChecked(true);
    EXPECT_EQ(d.GetNamePart(0), "ΑΤΕΚΤΩΝ");
    EXPECT_EQ(d.GetNamePart(1), "");
    EXPECT_EQ(d.GetNamePart(2), "");
    d.RadioButton1->SetChecked(true);
    EXPECT_EQ(d.Edit1->GetText(), "ΑΤΕΚΤΩΝ  ");
    EXPECT_TRUE(d.Panel1->Visible());
    EXPECT_FALSE(d.Panel2->Visible());

    // Two blanks in a row give an empty first name.
    d.Edit1->SetText("ΑΛΦΑ  ΒΗΤΑ");
    d.RadioButton2->SetChecked(true);
    EXPECT_EQ(d.GetNamePart(0), "ΑΛΦΑ");
    EXPECT_EQ(d.GetNamePart(1), "");
    EXPECT_EQ(d.GetNamePart(2), "ΒΗΤΑ");

    // Neither kind checked cannot come from the window, and is refused.
    d.RadioButton2->SetChecked(false);
    EXPECT_THROW(d.GetNamePart(0), EInvalidOperation);
}

TEST(ApdOptions, ClickingTheRadioButtonsSwitchesThePanels)
{
    TeApdOptions d(nullptr);
    d.Show();
    d.SetEmployerName("ΒΑΣΙΛΕΙΟΥ ΜΑΡΙΑ");
    d.RadioButton2->Peer()->setFocus();
    static_cast<QAbstractButton *>(d.RadioButton2->Peer())->click();
    EXPECT_TRUE(d.RadioButton2->Checked());
    EXPECT_FALSE(d.RadioButton1->Checked());
    EXPECT_TRUE(d.Panel2->Visible());
    EXPECT_EQ(d.GetNamePart(1), "ΜΑΡΙΑ");
    d.Edit3->SetText("ΕΛΕΝΗ");
    static_cast<QAbstractButton *>(d.RadioButton1->Peer())->click();
    EXPECT_EQ(d.GetNamePart(0), "ΒΑΣΙΛΕΙΟΥ ΕΛΕΝΗ ");
    d.Hide();
}

TEST(ApdOptions, StopDatePanelAndTheModalRun)
{
    for (const QString type : {"02 ", "01 ", "02", "03"}) {
        TeApdOptions d(nullptr);
        d.SetEmployerName("ΔΟΜΙΚΗ Α.Ε.");
        d.pnlStop->SetVisible(type.trimmed() == "02");
        d.DateTimePicker2->SetDate(EncodeDate(2024, 5, 31));
        d.CheckBox3->SetChecked(false);
        QTimer::singleShot(0, &d, [&] { static_cast<QAbstractButton *>(d.Button1->Peer())->click(); });
        ASSERT_EQ(d.ShowModal(), mrOk) << type.toStdString();
        const auto o = ReadOptions(d);
        EXPECT_EQ(o.StopDate, type.trimmed() == "02" ? EncodeDate(2024, 5, 31) : 0.0) << type.toStdString();
        EXPECT_EQ(o.Path, "");
        if (type == "02 ")
            SaveSnapshot(d, "ApdOptions.png");
    }
    // A dialog frame of fixed size, centred on the screen.
    TeApdOptions d(nullptr);
    QTimer::singleShot(0, &d, [&] {
        const QWidget *w = d.Peer();
        EXPECT_EQ(w->windowType(), Qt::Dialog);
        EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(w->maximumSize(), QSize(516, 315));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_EQ(d.Left(), screen.x() + (screen.width() - 516) / 2);
        static_cast<QAbstractButton *>(d.Button2->Peer())->click();
    });
    EXPECT_EQ(d.ShowModal(), mrCancel);
}

TEST(ApdOptions, TheButtonsAnswerTheirAccelerators)
{
    // "&Εντάξει" and "&Άκυρο": Alt with the underlined letter presses the button; a Greek keyboard gives the
    // letter without its accent (Α), which presses "Άκυρο" too.
    for (const auto &[key, result] : {std::pair{0x395, mrOk}, std::pair{0x386, mrCancel}, std::pair{0x391, mrCancel}}) {
        TeApdOptions d(nullptr);
        QTimer::singleShot(0, &d, [&d, key = key] {
            QApplication::setActiveWindow(d.Peer());
            QTest::sendKeyEvent(QTest::Click, d.Peer(), Qt::Key(key), QString(QChar(key)), Qt::AltModifier);
            // A key that pressed nothing: the window goes without an answer rather than waiting for ever.
            QTimer::singleShot(1000, &d, [&d] { d.SetModalResult(mrAbort); });
        });
        EXPECT_EQ(d.ShowModal(), result) << key;
    }
}

TEST(ApdOptions, FileChoiceOpensInTheFolderOfThePath)
{
    TeApdOptions d(nullptr);
    QString initialDir, fileName;
    auto previous = SetCommonDialogHandler([&](TComponent *component) {
        auto *dialog = qobject_cast<TSaveDialog *>(component);
        if (!dialog)
            return false;
        initialDir = dialog->InitialDir();
        fileName = dialog->FileName();
        dialog->SetFileName("/tmp/ΑΠΔ/CSC01");
        return true;
    });
    d.Edit5->SetText("a:\\csc01");
    d.Button3Click(d.Button3);
    EXPECT_EQ(initialDir, QDir::toNativeSeparators(Platform::RemovableMediaFolder() + "/"));
    EXPECT_EQ(fileName, "CSC01");
    EXPECT_EQ(d.Edit5->GetText(), "/tmp/ΑΠΔ/CSC01");

    d.Edit5->SetText("/home/user/apd/csc01");
    SetCommonDialogHandler([&](TComponent *component) {
        if (auto *dialog = qobject_cast<TSaveDialog *>(component))
            initialDir = dialog->InitialDir();
        return false;
    });
    d.Button3Click(d.Button3);
    EXPECT_EQ(initialDir, "/home/user/apd/");
    EXPECT_EQ(d.Edit5->GetText(), "/home/user/apd/csc01");
    SetCommonDialogHandler(previous);

    EXPECT_EQ(TeApdOptions::LocalPath("A:/ΑΡΧΕΙΟ"),
              QDir::toNativeSeparators(QDir(Platform::RemovableMediaFolder()).filePath("ΑΡΧΕΙΟ")));
    EXPECT_EQ(TeApdOptions::LocalPath("/srv/csc01"), "/srv/csc01");
}

TEST(ApdOptions, TheShownDialogStartsInItsFirstBoxAndTabGoesInReadingOrder)
{
    for (const bool stop : {false, true}) {
        TeApdOptions d(nullptr);
        d.pnlStop->SetVisible(stop);
        std::vector<TWinControl *> walked;
        QTimer::singleShot(0, &d, [&] {
            QApplication::setActiveWindow(d.Peer());
            // Each control once, however many stops it has inside (the date's day, month and year).
            for (int i = 0; i < 40; ++i) {
                TWinControl *at = FindWinControl(QApplication::focusWidget());
                if (walked.empty() || walked.back() != at)
                    walked.push_back(at);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QTimer::singleShot(1000, &d, [&d] { d.SetModalResult(mrAbort); });
        });
        EXPECT_EQ(d.ShowModal(), mrCancel) << "Esc cancels";
        std::vector<TWinControl *> expected = {d.DateTimePicker1};
        if (stop)
            expected.push_back(d.DateTimePicker2);
        for (TWinControl *c : std::initializer_list<TWinControl *>{
                 d.RadioButton1, d.RadioButton2, d.Edit1, d.CheckBox1, d.CheckBox2, d.FontName, d.FontBold, d.FontSize,
                 d.CheckBox3, d.Button3, d.Edit5, d.CheckBox4, d.Button1, d.Button2})
            expected.push_back(c);
        ASSERT_GE(walked.size(), expected.size());
        walked.resize(expected.size());
        EXPECT_EQ(walked, expected) << "with the stop date: " << stop;
    }
}
