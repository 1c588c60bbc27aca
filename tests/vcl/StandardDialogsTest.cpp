// Qt's standard dialogs as the program shows them after its start-up: every label, button, group, tab and
// column heading the user sees is Greek, and the file-type list names each pattern once.
#include "vcl/Forms.h"
#include "vcl/StdDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

// What the user reads on a dialog: its title, and the texts of its visible labels, buttons (and their tool
// tips), groups, tabs and column headings. Lists of files, fonts and printers are the user's, not Qt's.
QStringList VisibleTexts(QWidget *dialog)
{
    QStringList texts{dialog->windowTitle()};
    auto visible = [dialog](QWidget *w) { return w->isVisibleTo(dialog); };
    for (auto *l : dialog->findChildren<QLabel *>())
        if (visible(l)) {
            QTextDocument doc;
            doc.setHtml(l->text());
            texts << doc.toPlainText();
        }
    for (auto *b : dialog->findChildren<QAbstractButton *>())
        if (visible(b))
            texts << b->text() << b->toolTip();
    for (auto *g : dialog->findChildren<QGroupBox *>())
        if (visible(g))
            texts << g->title();
    for (auto *t : dialog->findChildren<QTabBar *>())
        if (visible(t))
            for (int i = 0; i < t->count(); ++i)
                texts << t->tabText(i);
    for (auto *h : dialog->findChildren<QHeaderView *>())
        if (visible(h) && h->model())
            for (int i = 0; i < h->count(); ++i)
                if (!h->isSectionHidden(i))
                    texts << h->model()->headerData(i, h->orientation()).toString();
    texts.removeAll(QString());
    // As read: without the marks of the underlined letters.
    static const QRegularExpression mnemonic(QStringLiteral("&(?!&)"));
    for (QString &t : texts)
        t.remove(mnemonic);
    return texts;
}

// Texts holding an English word: three or more Latin letters that are not a unit, a format or a pattern.
QStringList English(const QStringList &texts)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    static const QStringList names{QStringLiteral("PDF"), QStringLiteral("HTML"), QStringLiteral("vapd"),
                                   QStringLiteral("papd")};
    QStringList english;
    for (const QString &t : texts)
        for (auto it = word.globalMatch(t); it.hasNext();)
            if (!names.contains(it.next().captured())) {
                english << t;
                break;
            }
    return english;
}

QString Shown(QWidget *w)
{
    return VisibleTexts(w).join(QStringLiteral(" | "));
}

class StandardDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override { Application()->Initialize(); }

    // Shows the dialog as a window and checks what it says.
    void ExpectGreek(QDialog &dialog, const QString &title)
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.windowTitle(), title);
        EXPECT_EQ(English(VisibleTexts(&dialog)), QStringList()) << Shown(&dialog).toStdString();
        if (!qEnvironmentVariableIsEmpty("APD_SHOT_DIR"))
            dialog.grab().save(qEnvironmentVariable("APD_SHOT_DIR") + u'/' + dialog.metaObject()->className() +
                               QStringLiteral(".png"));
        dialog.reject();
    }
};

TEST_F(StandardDialogsTest, OpenAndSaveSpeakGreekAndNameEachPatternOnce)
{
    const QString filter = QStringLiteral("Έντυπο ΑΠΔ ΙΚΑ (*.vapd)|*.vapd|Πρότυπο Έντυπο ΑΠΔ ΙΚΑ (*.papd)|*.papd");
    const QStringList filters = FileDialogFilters(filter);
    EXPECT_EQ(filters, QStringList({"Έντυπο ΑΠΔ ΙΚΑ (*.vapd)", "Πρότυπο Έντυπο ΑΠΔ ΙΚΑ (*.papd)"}));
    // A description without its patterns gets them.
    EXPECT_EQ(FileDialogFilters(QStringLiteral("Κείμενο|*.txt;*.csv")), QStringList{"Κείμενο (*.txt *.csv)"});

    QTemporaryDir dir;
    QFileDialog open(nullptr, QString(), dir.path(), filters.join(QStringLiteral(";;")));
    open.setAcceptMode(QFileDialog::AcceptOpen);
    open.setFileMode(QFileDialog::ExistingFile);
    auto *types = open.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(types);
    EXPECT_EQ(types->itemText(0), QStringLiteral("Έντυπο ΑΠΔ ΙΚΑ (*.vapd)"));
    ExpectGreek(open, QStringLiteral("Άνοιγμα"));
    EXPECT_TRUE(Shown(&open).contains(QStringLiteral("Όνομα αρχείου:"))) << Shown(&open).toStdString();

    QFileDialog save(nullptr, QString(), dir.path(), filters.join(QStringLiteral(";;")));
    save.setAcceptMode(QFileDialog::AcceptSave);
    ExpectGreek(save, QStringLiteral("Αποθήκευση ως"));
    EXPECT_TRUE(Shown(&save).contains(QStringLiteral("Αποθήκευση"))) << Shown(&save).toStdString();
}

TEST_F(StandardDialogsTest, SavingOverAFileAsksInGreek)
{
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("Έργο.vapd")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QFileDialog save(nullptr, QString(), dir.path(), QStringLiteral("Έντυπο ΑΠΔ ΙΚΑ (*.vapd)"));
    save.setAcceptMode(QFileDialog::AcceptSave);
    save.selectFile(existing.fileName());
    save.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&save));

    QString question;
    QStringList answers;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            question = box->text();
            for (QAbstractButton *b : box->buttons())
                answers << b->text();
            box->button(QMessageBox::No)->click();
        }
    });
    // The user presses the dialog's save button.
    auto *buttons = save.findChild<QDialogButtonBox *>();
    ASSERT_TRUE(buttons);
    buttons->button(QDialogButtonBox::Save)->click();
    EXPECT_EQ(question, QStringLiteral("Το αρχείο Έργο.vapd υπάρχει ήδη.\nΘέλετε να το αντικαταστήσετε;"));
    EXPECT_EQ(answers.size(), 2);
    EXPECT_TRUE(answers.contains("&Ναι") && answers.contains("&Όχι")) << answers.join(" ").toStdString();
    EXPECT_EQ(save.result(), QDialog::Rejected) << "No keeps the dialog open on the file";
    save.reject();
}

TEST_F(StandardDialogsTest, FontColourPrintAndPageSetUpSpeakGreek)
{
    QFontDialog font;
    ExpectGreek(font, QStringLiteral("Επιλογή γραμματοσειράς"));
    EXPECT_TRUE(Shown(&font).contains(QStringLiteral("Γραμματοσειρά"))) << Shown(&font).toStdString();

    QColorDialog colour;
    colour.show();
    EXPECT_TRUE(Shown(&colour).contains(QStringLiteral("Κωδικός HTML:"))) << Shown(&colour).toStdString();
    ExpectGreek(colour, QStringLiteral("Επιλογή χρώματος"));

    QPrinter printer;
    QPrintDialog print(&printer);
    print.show();
    // With its options shown: pages, copies, colour, double-sided printing.
    for (QAbstractButton *b : print.findChildren<QAbstractButton *>())
        if (b->text() == QStringLiteral("Επι&λογές >>"))
            b->click();
    ExpectGreek(print, QStringLiteral("Εκτύπωση"));
    EXPECT_TRUE(Shown(&print).contains(QStringLiteral("Αντίτυπα"))) << Shown(&print).toStdString();
    EXPECT_TRUE(Shown(&print).contains(QStringLiteral("Άκυρο"))) << Shown(&print).toStdString();

    QPageSetupDialog page(&printer);
    ExpectGreek(page, QStringLiteral("Ρύθμιση σελίδας"));
}

TEST_F(StandardDialogsTest, TheFontDialogNamesTheStylesInGreekAndShowsAGreekSample)
{
    TFontDialog chooser(nullptr);
    chooser.Font()->SetName(QStringLiteral("Arial"));
    chooser.Font()->SetSize(9);
    QFontDialog dialog(chooser.StartFont());
    ShowFontDialogInGreek(dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    // The list of the font's styles as it reads: no English word, and the styles of a family with bold.
    QListView *styles = nullptr;
    QStringList read;
    for (QListView *list : dialog.findChildren<QListView *>()) {
        QStringList texts;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            if (auto *shown = qobject_cast<QStyledItemDelegate *>(list->itemDelegate()))
                texts << shown->displayText(list->model()->index(row, 0).data(), QLocale());
        if (texts.contains(QStringLiteral("Έντονα"))) {
            styles = list;
            read = texts;
        }
    }
    ASSERT_TRUE(styles) << "no list shows the style Έντονα";
    EXPECT_TRUE(read.contains(QStringLiteral("Κανονικά"))) << read.join(u',').toStdString();
    EXPECT_EQ(English(read), QStringList()) << read.join(u',').toStdString();
    // What the boxes show, the sample included, is Greek too.
    QStringList boxes;
    for (QLineEdit *edit : dialog.findChildren<QLineEdit *>())
        boxes << edit->text();
    EXPECT_TRUE(boxes.contains(QStringLiteral("Κανονικά"))) << boxes.join(u',').toStdString();
    EXPECT_FALSE(boxes.contains(QStringLiteral("AaBbYyZz"))) << boxes.join(u',').toStdString();

    // Choosing bold chooses the bold font: the fonts are still found by their own style names.
    const int bold = int(read.indexOf(QStringLiteral("Έντονα")));
    styles->setCurrentIndex(styles->model()->index(bold, 0));
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.currentFont().bold());
    boxes.clear();
    for (QLineEdit *edit : dialog.findChildren<QLineEdit *>())
        boxes << edit->text();
    EXPECT_TRUE(boxes.contains(QStringLiteral("Έντονα"))) << boxes.join(u',').toStdString();
    if (!qEnvironmentVariableIsEmpty("APD_SHOT_DIR"))
        dialog.grab().save(qEnvironmentVariable("APD_SHOT_DIR") + QStringLiteral("/FontDialog.png"));
    dialog.reject();
}

TEST_F(StandardDialogsTest, TheFontDialogOpensOnTheFontsOwnStyleSoOkChangesNothing)
{
    // A scheme's plain, bold and bold italic fonts: the dialog opens on each font's own style, and what
    // it returns when confirmed unchanged is that font again.
    for (const TFontStyles style : {TFontStyles(), TFontStyles(fsBold), TFontStyles(fsBold | fsItalic)}) {
        TFontDialog chooser(nullptr);
        chooser.Font()->SetName(QStringLiteral("Arial"));
        chooser.Font()->SetSize(9);
        chooser.Font()->SetStyle(style);
        QFontDialog dialog(chooser.StartFont());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const QFont shown = dialog.currentFont();
        EXPECT_EQ(shown.bold(), bool(style & fsBold)) << shown.styleName().toStdString();
        EXPECT_EQ(shown.italic(), bool(style & fsItalic)) << shown.styleName().toStdString();
        EXPECT_EQ(shown.pointSize(), 9);
        dialog.reject();
    }
}

} // namespace
