#include "app/TableEditorF.h"
#include "db/DBTables.h"
#include "db/TableStore.h"
#include "vcl/ActnList.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QToolButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

class TableEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db = new TDatabase(&owner);
        db->SetDatabaseName(QStringLiteral("EditorDb"));
        db->SetParamValue(QStringLiteral("PATH"), dir.path());
        TTableStore::CreateFile(dir.filePath(QStringLiteral("People.db")),
                                {{QStringLiteral("ΚΩΔ"), ftString, 6, true, 1},
                                 {QStringLiteral("ΕΠΩΝΥΜΟ"), ftString, 20, false, 2},
                                 {QStringLiteral("ΤΡΙΕΤΙΕΣ"), ftSmallint, 0, false, 3},
                                 {QStringLiteral("ΕΓΓΑΜΟΣ"), ftBoolean, 0, false, 4},
                                 {QStringLiteral("ΠΑΙΔΙΑ"), ftBoolean, 0, false, 5},
                                 {QStringLiteral("ΚΡΥΦΟ"), ftString, 10, false, 6}},
                                {{QStringLiteral("primary"), QStringLiteral("ΚΩΔ"), ixPrimary | ixUnique}},
                                {{QStringLiteral("001"), QStringLiteral("Αλεξίου"), 0, false, false, QString()}});
        table = new TTable(&owner);
        table->SetName(QStringLiteral("tbPeople"));
        table->SetDatabaseName(QStringLiteral("EditorDb"));
        table->SetTableName(QStringLiteral("People"));
        table->Open();
        Field("ΚΩΔ")->SetDisplayWidth(3);
        Field("ΚΩΔ")->SetTag(1);
        Field("ΕΠΩΝΥΜΟ")->SetDisplayWidth(80);
        Field("ΕΠΩΝΥΜΟ")->SetTag(0);
        Field("ΤΡΙΕΤΙΕΣ")->SetDisplayWidth(9);
        Field("ΤΡΙΕΤΙΕΣ")->SetTag(2);
        qobject_cast<TBooleanField *>(Field("ΕΓΓΑΜΟΣ"))->SetDisplayValues(QStringLiteral("ΕΓΓΑΜΟΣ;ΑΓΑΜΟΣ"));
        Field("ΕΓΓΑΜΟΣ")->SetTag(2);
        Field("ΚΡΥΦΟ")->SetVisible(false);
        Field("ΚΡΥΦΟ")->SetTag(4);
    }
    TField *Field(const char *name) { return table->FieldByName(QString::fromUtf8(name)); }

    template <class T> T *EditorOf(TTableEditor &ed, const QString &fieldName)
    {
        for (int i = 0; i < ed.ComponentCount(); ++i)
            if (auto *c = qobject_cast<T *>(ed.Components(i)))
                if (c->property("DataField").toString() == fieldName)
                    return c;
        return nullptr;
    }

    QTemporaryDir dir;
    TComponent owner{nullptr};
    TDatabase *db = nullptr;
    TTable *table = nullptr;
};

TEST_F(TableEditorTest, DetailPageEditorsAndRows)
{
    TTableEditor ed(nullptr);
    ed.SetDataSet(table);
    EXPECT_EQ(ed.HelpKeyword(), QStringLiteral("tbPeople"));
    EXPECT_EQ(ed.DataSetFilterFrame1->DataSet(), table);

    auto *code = EditorOf<TDBEdit>(ed, QStringLiteral("ΚΩΔ"));
    auto *name = EditorOf<TDBEdit>(ed, QStringLiteral("ΕΠΩΝΥΜΟ"));
    auto *years = EditorOf<TDBEdit>(ed, QStringLiteral("ΤΡΙΕΤΙΕΣ"));
    ASSERT_TRUE(code && name && years);
    EXPECT_EQ(code->Width(), 56);
    EXPECT_EQ(name->Width(), 184);
    EXPECT_EQ(years->Width(), 104);
    EXPECT_EQ(code->DataSource(), ed.DataSource);

    // Display values give a combo box listing the false text first; without them a check box.
    auto *married = EditorOf<TDBComboBox>(ed, QStringLiteral("ΕΓΓΑΜΟΣ"));
    ASSERT_TRUE(married);
    EXPECT_EQ(married->Items()->ToStringList(), (QStringList{"ΑΓΑΜΟΣ", "ΕΓΓΑΜΟΣ"}));
    EXPECT_TRUE(EditorOf<TDBCheckBox>(ed, QStringLiteral("ΠΑΙΔΙΑ")));
    EXPECT_FALSE(EditorOf<TDBEdit>(ed, QStringLiteral("ΚΡΥΦΟ")));

    // Tag 0 continues the row of tag 1; tag 2 opens a row, the next tag-2 field shares it.
    auto *codePanel = static_cast<TControl *>(code->Parent());
    auto *namePanel = static_cast<TControl *>(name->Parent());
    auto *yearsPanel = static_cast<TControl *>(years->Parent());
    auto *marriedPanel = static_cast<TControl *>(married->Parent());
    EXPECT_EQ(codePanel->Top(), namePanel->Top());
    EXPECT_EQ(namePanel->Left(), codePanel->Width() + 4);
    EXPECT_GT(yearsPanel->Top(), codePanel->Top());
    EXPECT_EQ(yearsPanel->Left(), 0);
    EXPECT_EQ(marriedPanel->Top(), yearsPanel->Top());
    EXPECT_EQ(codePanel->Width() % 8, 0);
    EXPECT_EQ(codePanel->Height(), code->Top() + code->Height());
}

TEST_F(TableEditorTest, ReadOnlySwitch)
{
    TScriptedDialogs dialogs;
    {
        TTableEditor ed(nullptr);
        ed.SetDataSet(table);
        EXPECT_FALSE(ed.ReadOnlyCheck->Checked());
        EXPECT_TRUE(ed.ReadOnlyCheck->Enabled());
        EXPECT_EQ(dialogs.Count(), 0);

        // No: the tick goes back and nothing more is asked.
        ed.SetCaption(QStringLiteral("Εργαζόμενοι"));
        dialogs.Answer(mrNo);
        ed.ReadOnlyCheck->SetChecked(true);
        ASSERT_EQ(dialogs.Count(), 1);
        EXPECT_EQ(dialogs.Requests()[0].Msg,
                  QStringLiteral("Είστε σίγουροι ότι θέλετε να Απενεργοποιήσετε \r\nτις αλλαγές στον πίνακα "
                                 "\"Εργαζόμενοι\"?"));
        EXPECT_FALSE(ed.ReadOnlyCheck->Checked());
        EXPECT_FALSE(table->ReadOnly());

        dialogs.Answer(mrYes);
        ed.ReadOnlyCheck->SetChecked(true);
        EXPECT_TRUE(table->ReadOnly());
        EXPECT_TRUE(table->Active());
        EXPECT_FALSE(table->CanModify());
    }
    // A read-only table shows ticked and asks nothing.
    const int asked = dialogs.Count();
    TTableEditor ed(nullptr);
    ed.SetDataSet(table);
    EXPECT_TRUE(ed.ReadOnlyCheck->Checked());
    EXPECT_EQ(dialogs.Count(), asked);
}

TEST_F(TableEditorTest, ClosingWhileEditingAsks)
{
    TScriptedDialogs dialogs;
    TTableEditor ed(nullptr);
    ed.SetDataSet(table);
    TCloseAction action = caHide;
    ed.FormClose(&ed, action);
    EXPECT_EQ(action, caHide);
    EXPECT_EQ(dialogs.Count(), 0);

    table->Edit();
    Field("ΕΠΩΝΥΜΟ")->SetAsString(QStringLiteral("Βασιλείου"));
    dialogs.Answer(mrCancel);
    ed.FormClose(&ed, action);
    EXPECT_EQ(action, caNone);
    EXPECT_EQ(table->State(), dsEdit);

    dialogs.Answer(mrYes);
    action = caHide;
    ed.FormClose(&ed, action);
    EXPECT_EQ(action, caFree);
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(Field("ΕΠΩΝΥΜΟ")->AsString(), QStringLiteral("Βασιλείου"));

    // A post that fails keeps the window open.
    table->Edit();
    Field("ΚΩΔ")->Clear();
    dialogs.Answer(mrYes);
    action = caHide;
    EXPECT_ANY_THROW(ed.FormClose(&ed, action));
    EXPECT_EQ(action, caNone);
    EXPECT_EQ(table->State(), dsEdit);
    table->Cancel();
}

TEST_F(TableEditorTest, CaptionFromTheCommandAndHintsInTheStatusBar)
{
    TAction action(nullptr);
    action.SetCaption(QStringLiteral("Καταστήματα ΙΚΑ"));
    action.SetHint(QStringLiteral("Υποκαταστήματα - Παραρτήματα Ι.Κ.Α."));
    EXPECT_TRUE(TTableEditor::Edit(table, &action, false));
    TTableEditor *ed = nullptr;
    for (int i = 0; i < Application()->ComponentCount(); ++i)
        if (auto *e = qobject_cast<TTableEditor *>(Application()->Components(i)))
            ed = e;
    ASSERT_TRUE(ed);
    EXPECT_EQ(ed->Caption(), action.Hint());
    // The window is the active one; the mouse moves over the navigator's buttons.
    ASSERT_TRUE(QTest::qWaitForWindowActive(ed->Peer()));
    QToolButton *next = ed->DBNavigator->Button(nbNext);
    QTest::mouseMove(next, next->rect().center());
    EXPECT_EQ(ed->StatusBar1->Panels(1).Text, QStringLiteral("Επόμενη εγγραφή"));
    QToolButton *post = ed->DBNavigator->Button(nbPost);
    QTest::mouseMove(post, post->rect().center());
    EXPECT_EQ(ed->StatusBar1->Panels(1).Text, QStringLiteral("Διάσωση αλλαγών"));
    QTest::mouseMove(ed->PageControl1->Peer(), QPoint(5, 60));
    EXPECT_EQ(ed->StatusBar1->Panels(1).Text, QString());
    delete ed;
}

} // namespace

namespace
{
TEST_F(TableEditorTest, RendersBothPages)
{
    TTableEditor ed(nullptr);
    ed.SetDataSet(table);
    ed.Peer()->resize(ed.Width(), ed.Height());
    for (TTabSheet *sheet : {ed.TabSheet2, ed.TabSheet1}) {
        ed.PageControl1->SetActivePage(sheet);
        const QImage shot = ed.Peer()->grab().toImage();
        EXPECT_EQ(shot.width(), ed.Width());
        if (!qEnvironmentVariableIsEmpty("APD_SHOT_DIR"))
            shot.save(qEnvironmentVariable("APD_SHOT_DIR") + QStringLiteral("/TableEditor-%1.png").arg(sheet->Name()));
    }
}
} // namespace

namespace
{
// The read-only box as the user meets it: in the shown window, under the pointer and on the Tab key.
class ShownTableEditorTest : public TableEditorTest
{
protected:
    void SetUp() override
    {
        TableEditorTest::SetUp();
        TAction action(nullptr);
        action.SetCaption(QStringLiteral("Εργαζόμενοι"));
        ASSERT_TRUE(TTableEditor::Edit(table, &action, false));
        for (int i = 0; i < Application()->ComponentCount(); ++i)
            if (auto *e = qobject_cast<TTableEditor *>(Application()->Components(i)))
                ed.reset(e);
        ASSERT_TRUE(ed);
        win = ed->Peer();
        QApplication::setActiveWindow(win);
        ASSERT_TRUE(QTest::qWaitForWindowActive(win));
    }
    void TearDown() override { ed.reset(); }
    QPoint CheckBoxPoint() const
    {
        QWidget *box = ed->ReadOnlyCheck->Peer();
        return box->mapTo(win, QPoint(8, box->height() / 2));
    }

    std::unique_ptr<TTableEditor> ed;
    QWidget *win = nullptr;
};

TEST_F(ShownTableEditorTest, HoveringTheStatusBarWhileHintsChangeItsTexts)
{
    // Entering the bar sets the application's hint, which rewrites the bar's hint panel while Qt is still
    // delivering the move to the widget under the pointer.
    for (int round = 0; round < 3; ++round) {
        QTest::mouseMove(win, QPoint(5, 5));
        QTest::mouseMove(win, CheckBoxPoint());
        QTest::mouseMove(win, QPoint(200, CheckBoxPoint().y())); // over the hint panel
        Application()->SetHint(QStringLiteral("Υπόδειξη %1").arg(round));
        QTest::mouseMove(win, CheckBoxPoint() + QPoint(3, 0));
    }
    Application()->SetHint(QStringLiteral("Επόμενη εγγραφή"));
    EXPECT_EQ(ed->StatusBar1->Panels(1).Text, QStringLiteral("Επόμενη εγγραφή"));
    // The bar draws its panels itself: the only widget in it is the check box.
    EXPECT_EQ(ed->StatusBar1->Peer()->findChildren<QWidget *>(), QList<QWidget *>{ed->ReadOnlyCheck->Peer()});
}

TEST_F(ShownTableEditorTest, StaysOnTopCentredOnTheScreen)
{
    EXPECT_TRUE(win->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(win->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(ed->Left(), screen.x() + (screen.width() - ed->Width()) / 2);
    EXPECT_EQ(ed->Top(), screen.y() + (screen.height() - ed->Height()) / 2);
}

TEST_F(ShownTableEditorTest, TheReadOnlyBoxTakesClicksAndTheTabKey)
{
    TScriptedDialogs dialogs;
    const QPoint p = CheckBoxPoint();
    QWidget *under = win->childAt(p);
    ASSERT_EQ(under, ed->ReadOnlyCheck->Peer());
    dialogs.Answer(mrYes);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(win, p));
    EXPECT_EQ(dialogs.Count(), 1);
    EXPECT_TRUE(ed->ReadOnlyCheck->Checked());
    EXPECT_TRUE(table->ReadOnly());

    // Tab walks the grid's columns, then leaves the grid for the next control: the box is on the way.
    QWidget *grid = ed->DataSetFilterFrame1->DBGrid1->Peer();
    grid->setFocus();
    QSet<QWidget *> reached;
    for (int i = 0; i < 12 && QApplication::focusWidget(); ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_TRUE(reached.contains(ed->ReadOnlyCheck->Peer()));
    ed->ReadOnlyCheck->Peer()->setFocus();
    dialogs.Answer(mrYes);
    QTest::keyClick(ed->ReadOnlyCheck->Peer(), Qt::Key_Space);
    EXPECT_FALSE(table->ReadOnly());
}
} // namespace
