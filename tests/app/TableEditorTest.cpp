#include "BoxEditingFixture.h"
#include "EmployFrameFixture.h"
#include "app/TableEditorF.h"
#include "db/DBCtrls.h"
#include "db/DBGrids.h"
#include "db/DBTables.h"
#include "db/TableStore.h"
#include "vcl/ActnList.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
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
    // The window that the command opens modelessly (the application owns it), or none.
    TTableEditor *OpenModeless(TAction &action)
    {
        if (!TTableEditor::Edit(table, &action, false))
            return nullptr;
        TTableEditor *opened = nullptr;
        for (int i = 0; i < Application()->ComponentCount(); ++i)
            if (auto *e = qobject_cast<TTableEditor *>(Application()->Components(i)))
                opened = e;
        return opened;
    }

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

// The width at which a combo box shows its longest entry whole, as Qt measures it.
int NeededWidth(QComboBox *box)
{
    const QComboBox::SizeAdjustPolicy policy = box->sizeAdjustPolicy();
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int width = box->sizeHint().width();
    box->setSizeAdjustPolicy(policy);
    return width;
}

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
    // Wider than the rule gives (56 for the least display width): cut, both texts would read "ΑΜΟΣ".
    EXPECT_GE(married->Width(), NeededWidth(married->ComboBox()));
    EXPECT_EQ(married->Width() % 8, 0);
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
    TTableEditor *ed = OpenModeless(action);
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
        ed.reset(OpenModeless(action));
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

TEST_F(ShownTableEditorTest, ClosingWhileInsertingAsksAsWhileEditing)
{
    TScriptedDialogs dialogs;
    // Insert on the navigator, the new record typed on the detail page.
    auto typeNewRecord = [&](TTableEditor *editor, const char *code) {
        QWidget *window = editor->Peer();
        QToolButton *insert = editor->DBNavigator->Button(nbInsert);
        QTest::mouseClick(insert, Qt::LeftButton, {}, insert->rect().center());
        ASSERT_EQ(table->State(), dsInsert);
        editor->PageControl1->SetActivePage(editor->TabSheet1);
        QCoreApplication::processEvents();
        for (const auto &[field, text] : {std::pair{"ΚΩΔ", code}, std::pair{"ΕΠΩΝΥΜΟ", "Γεωργίου"}}) {
            auto *edit = EditorOf<TDBEdit>(*editor, QString::fromUtf8(field));
            ASSERT_TRUE(edit);
            QTest::mouseClick(edit->Peer(), Qt::LeftButton, {}, QPoint(5, 5));
            for (QChar c : QString::fromUtf8(text))
                QTest::sendKeyEvent(QTest::Click, edit->Peer(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
        QCoreApplication::processEvents();
    };
    const int before = table->RecordCount();
    typeNewRecord(ed.get(), "002");

    // Cancel: the window stays, the typed record with it.
    dialogs.Answer(mrCancel);
    win->close();
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg, QStringLiteral("Να διασωθούν οι αλλαγές στην τρέχουσα εγγραφή?"));
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(table->State(), dsInsert);

    // No: the typed record is dropped, not left pending in the shared table.
    dialogs.Answer(mrNo);
    win->close();
    EXPECT_EQ(dialogs.Count(), 2);
    EXPECT_FALSE(win->isVisible());
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(table->RecordCount(), before);
    EXPECT_FALSE(table->Locate(QStringLiteral("ΚΩΔ"), QStringLiteral("002"), 0));
    ed.release()->deleteLater(); // the window frees itself once closed
    QCoreApplication::processEvents();

    // Yes, in a window opened again: the record is posted.
    TAction action(nullptr);
    TTableEditor *again = OpenModeless(action);
    ASSERT_TRUE(again);
    QApplication::setActiveWindow(again->Peer());
    typeNewRecord(again, "003");
    dialogs.Answer(mrYes);
    again->Peer()->close();
    EXPECT_EQ(dialogs.Count(), 3);
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(table->RecordCount(), before + 1);
    ASSERT_TRUE(table->Locate(QStringLiteral("ΚΩΔ"), QStringLiteral("003"), 0));
    EXPECT_EQ(Field("ΕΠΩΝΥΜΟ")->AsString(), QStringLiteral("Γεωργίου"));
    QCoreApplication::processEvents();
}

TEST_F(ShownTableEditorTest, PostTakesTheTextOfTheFieldStillBeingTypedIn)
{
    TScriptedDialogs dialogs;
    ed->PageControl1->SetActivePage(ed->TabSheet1);
    QCoreApplication::processEvents();
    auto *name = EditorOf<TDBEdit>(*ed, QStringLiteral("ΕΠΩΝΥΜΟ"));
    ASSERT_TRUE(name);
    QTest::mouseClick(name->Peer(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(name->Peer(), Qt::Key_A, Qt::ControlModifier);
    for (QChar c : QStringLiteral("Ευαγγέλου"))
        QTest::sendKeyEvent(QTest::Click, name->Peer(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    ASSERT_EQ(QApplication::focusWidget(), name->Peer());
    QToolButton *post = ed->DBNavigator->Button(nbPost);
    ASSERT_TRUE(post->isEnabled());
    QTest::mouseClick(post, Qt::LeftButton, {}, post->rect().center());
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(Field("ΕΠΩΝΥΜΟ")->AsString(), QStringLiteral("Ευαγγέλου"));
    EXPECT_EQ(dialogs.Count(), 0);
}

TEST_F(ShownTableEditorTest, TheNextEditorOpensWhereAndAsTheLastOneWasLeft)
{
    // Made larger and moved, then closed: the next one opens there, that large.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect chosen(screen.x() + 10, screen.y() + 20, screen.width() * 3 / 4, screen.height() * 3 / 4);
    win->setGeometry(chosen);
    QCoreApplication::processEvents();
    ed.reset();
    TAction action(nullptr);
    ed.reset(OpenModeless(action));
    ASSERT_TRUE(ed);
    EXPECT_EQ(ed->Peer()->geometry(), chosen);

    // Maximised: the next one opens maximised, and restored it has the size before.
    ed->Peer()->showMaximized();
    QCoreApplication::processEvents();
    ed.reset();
    ed.reset(OpenModeless(action));
    ASSERT_TRUE(ed);
    EXPECT_TRUE(ed->Peer()->isMaximized());
    ed->Peer()->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(ed->Peer()->geometry().size(), chosen.size());
}

// The grid of the summary page edited in its cells, with the keyboard and the mouse on the shown window.
class GridEditingTest : public ShownTableEditorTest
{
protected:
    void SetUp() override
    {
        ShownTableEditorTest::SetUp();
        for (const auto &[code, name] : {std::pair{"002", "Βασιλείου"}, std::pair{"003", "Γεωργίου"}}) {
            table->Append();
            Field("ΚΩΔ")->SetAsString(QString::fromUtf8(code));
            Field("ΕΠΩΝΥΜΟ")->SetAsString(QString::fromUtf8(name));
            table->Post();
        }
        table->First();
        grid = ed->DataSetFilterFrame1->DBGrid1;
        view = grid->TableView();
        view->setFocus();
    }
    int Column(const char *name)
    {
        for (int i = 0; i < grid->ColumnCount(); ++i)
            if (grid->Columns(i)->FieldName() == QString::fromUtf8(name))
                return i;
        return -1;
    }
    QPoint CellPoint(int row, const char *name)
    {
        return view->visualRect(view->model()->index(row, Column(name))).center();
    }
    void DoubleClick(int row, const char *name)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, CellPoint(row, name));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, CellPoint(row, name));
    }
    // Typed key by key into whatever has the focus, Greek letters included.
    static void Type(const QString &text)
    {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(ch.toUpper().unicode()), QString(ch),
                                Qt::NoModifier);
    }
    // A key, and what the event loop does after it (a cell editor commits its text from there).
    static void Key(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCoreApplication::processEvents();
    }
    QString Cell(int row, const char *name) { return view->model()->index(row, Column(name)).data().toString(); }

    TDBGrid *grid = nullptr;
    QTableView *view = nullptr;
};

TEST_F(GridEditingTest, TypedCellsPostWhenTheRowIsLeftAndEscapeDropsThem)
{
    TScriptedDialogs dialogs;
    // Double click, select all, type, Enter: the record is being edited with the new name.
    DoubleClick(1, "ΕΠΩΝΥΜΟ");
    ASSERT_NE(qobject_cast<QLineEdit *>(QApplication::focusWidget()), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("Δημητρίου"));
    Key(Qt::Key_Return);
    EXPECT_EQ(table->State(), dsEdit);
    EXPECT_EQ(Cell(1, "ΕΠΩΝΥΜΟ"), QStringLiteral("Δημητρίου"));
    // Down leaves the row: the record is posted and stays changed.
    Key(Qt::Key_Down);
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(table->Lookup(QStringLiteral("ΚΩΔ"), QStringLiteral("002"), QStringLiteral("ΕΠΩΝΥΜΟ")).toString(),
              QStringLiteral("Δημητρίου"));

    // Typing over a cell starts its editor; Escape drops the typing, a second Escape the record's changes.
    Key(Qt::Key_Up);
    Type(QStringLiteral("Ζ"));
    Key(Qt::Key_Return);
    EXPECT_EQ(table->State(), dsEdit);
    Key(Qt::Key_Escape);
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(Cell(1, "ΕΠΩΝΥΜΟ"), QStringLiteral("Δημητρίου"));
    EXPECT_EQ(dialogs.Count(), 0);

    // Typing alone puts the record into edit state; the navigator's Post takes the open cell's text.
    DoubleClick(2, "ΕΠΩΝΥΜΟ");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("Ηλιού"));
    EXPECT_EQ(table->State(), dsEdit);
    const auto buttons = ed->DBNavigator->Peer()->findChildren<QAbstractButton *>();
    ASSERT_EQ(buttons.size(), 10);
    QAbstractButton *post = buttons[7];
    ASSERT_TRUE(post->isEnabled());
    QTest::mouseClick(post, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(table->Lookup(QStringLiteral("ΚΩΔ"), QStringLiteral("003"), QStringLiteral("ΕΠΩΝΥΜΟ")).toString(),
              QStringLiteral("Ηλιού"));

    // A character the tables' code page cannot hold is refused where it is typed, naming it and the field;
    // the record keeps its name.
    DoubleClick(2, "ΕΠΩΝΥΜΟ");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("Ηλι中"));
    Key(Qt::Key_Return);
    Key(Qt::Key_Down);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg,
              QStringLiteral("Ο χαρακτήρας «中» στο πεδίο «ΕΠΩΝΥΜΟ» δεν υπάρχει στην ελληνική κωδικοσελίδα 1253."));
    if (table->State() != dsBrowse)
        table->Cancel();
    EXPECT_EQ(table->Lookup(QStringLiteral("ΚΩΔ"), QStringLiteral("003"), QStringLiteral("ΕΠΩΝΥΜΟ")).toString(),
              QStringLiteral("Ηλιού"));

    // A string field takes no more characters than it holds.
    view->setFocus();
    Key(Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_TRUE(editor);
    editor->selectAll();
    Type(QString(25, u'Ω'));
    EXPECT_EQ(editor->text(), QString(20, u'Ω'));
    Key(Qt::Key_Escape);
}

TEST_F(GridEditingTest, ANewRecordShowsAsARowAndTheEnginesRulesSpeakGreek)
{
    TScriptedDialogs dialogs;
    // The navigator's insert: a new, empty row at the current record's place.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, CellPoint(1, "ΕΠΩΝΥΜΟ"));
    table->Insert();
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->InsertRow(), 1);
    EXPECT_EQ(view->currentIndex().row(), 1);
    EXPECT_EQ(Cell(1, "ΚΩΔ"), QString());
    EXPECT_EQ(Cell(2, "ΚΩΔ"), QStringLiteral("002")) << "the record that was current moves down a row";

    // A name without the required code: leaving the row shows the engine's message and keeps the row.
    view->setCurrentIndex(view->model()->index(1, Column("ΕΠΩΝΥΜΟ")));
    Type(QStringLiteral("Νέος"));
    Key(Qt::Key_Return);
    Key(Qt::Key_Down);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg, QStringLiteral("Το πεδίο \"ΚΩΔ\" πρέπει να έχει τιμή."));
    EXPECT_EQ(table->State(), dsInsert);
    EXPECT_EQ(view->currentIndex().row(), 1);

    // A code that another record has: the key violation, in Greek, and still the new row.
    view->setCurrentIndex(view->model()->index(1, Column("ΚΩΔ")));
    Type(QStringLiteral("001"));
    Key(Qt::Key_Return);
    Key(Qt::Key_Up);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.Count(), 2);
    EXPECT_TRUE(dialogs.Requests()[1].Msg.startsWith(QStringLiteral("Παραβίαση κλειδιού")))
        << qPrintable(dialogs.Requests()[1].Msg);
    EXPECT_EQ(table->State(), dsInsert);
    EXPECT_EQ(view->currentIndex().row(), 1);

    // A free code: the record is posted and the grid shows it among the others.
    Key(Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("004"));
    Key(Qt::Key_Return);
    Key(Qt::Key_Down);
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->InsertRow(), -1);
    EXPECT_EQ(table->Lookup(QStringLiteral("ΚΩΔ"), QStringLiteral("004"), QStringLiteral("ΕΠΩΝΥΜΟ")).toString(),
              QStringLiteral("Νέος"));
    EXPECT_EQ(dialogs.Count(), 2);

    // Insert and Escape: nothing is added.
    table->Insert();
    Key(Qt::Key_Escape);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(table->State(), dsBrowse);
}

TEST_F(GridEditingTest, AReadOnlyTableIsNotEditedInTheGrid)
{
    TScriptedDialogs dialogs{mrYes};
    ed->ReadOnlyCheck->SetChecked(true);
    ASSERT_TRUE(table->ReadOnly());
    view->setFocus();
    view->setCurrentIndex(view->model()->index(0, Column("ΕΠΩΝΥΜΟ")));
    Type(QStringLiteral("Χ"));
    Key(Qt::Key_F2);
    DoubleClick(0, "ΕΠΩΝΥΜΟ");
    EXPECT_EQ(QApplication::focusWidget(), view);
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(Cell(0, "ΕΠΩΝΥΜΟ"), QStringLiteral("Αλεξίου"));
}
} // namespace

namespace
{
// The program's six reference tables in their editors, as the commands that open them name them.
class ProgramTableEditorsTest : public EmployFrameFixture
{
protected:
    TTableEditor *Open(TDataSet *Table, const char *Caption)
    {
        TAction action(nullptr);
        action.SetCaption(QString::fromUtf8(Caption));
        EXPECT_TRUE(TTableEditor::Edit(Table, &action, false));
        TTableEditor *opened = nullptr;
        for (int i = 0; i < Application()->ComponentCount(); ++i)
            if (auto *e = qobject_cast<TTableEditor *>(Application()->Components(i)))
                opened = e;
        QCoreApplication::processEvents();
        return opened;
    }
};
} // namespace

TEST_F(ProgramTableEditorsTest, EveryValueOfTheSixTablesShowsWholeInTheirEditors)
{
    // An employer with a tax number and a postcode: the columns that were cut.
    TTable *employers = APDDataModule->tbEmployes;
    employers->Append();
    employers->FieldByName(QStringLiteral("ΑΦΜ"))->SetAsString(QStringLiteral("099999999"));
    employers->FieldByName(QStringLiteral("ΕΠΩΝΥΜΙΑ"))->SetAsString(QStringLiteral("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε."));
    employers->FieldByName(QStringLiteral("ΤΚ"))->SetAsString(QStringLiteral("17671"));
    employers->Post();
    const struct {
        TDataSet *Table;
        const char *Caption;
    } tables[] = {
        {APDDataModule->tbEmployes, "Εργοδότες"},         {APDDataModule->tbEmployers, "Εργαζόμενοι"},
        {APDDataModule->tbIkaOffices, "Καταστήματα ΙΚΑ"}, {APDDataModule->tbInsCases, "Περιπτώσεις Ασφάλισης"},
        {APDDataModule->tbPayment, "Πίνακας Αποδοχών"},   {APDDataModule->tbConPhase, "Κατασκευαστικές Φάσεις"}};
    for (const auto &t : tables) {
        SCOPED_TRACE(t.Caption);
        std::unique_ptr<TTableEditor> ed(Open(t.Table, t.Caption));
        ASSERT_TRUE(ed);
        // The grid's columns hold the texts of their rows and titles; at the designed size of the window.
        QTableView *view = ed->DataSetFilterFrame1->DBGrid1->TableView();
        ASSERT_GT(view->model()->rowCount(), 0);
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            EXPECT_GE(view->columnWidth(c), static_cast<QAbstractItemView *>(view)->sizeHintForColumn(c))
                << qPrintable(view->model()->headerData(c, Qt::Horizontal).toString());
        }
        // The detail page's lists show their values whole.
        ed->PageControl1->SetActivePage(ed->TabSheet1);
        QCoreApplication::processEvents();
        for (int i = 0; i < ed->ComponentCount(); ++i) {
            if (auto *box = qobject_cast<TDBComboBox *>(ed->Components(i))) {
                EXPECT_GE(box->Width(), NeededWidth(box->ComboBox())) << qPrintable(box->DataField());
            }
        }
        // The sort box, in a window as wide as the screen, and for the employees already at the designed size.
        TComboBox *sort = ed->DataSetFilterFrame1->IndexCombo;
        if (QString::fromUtf8(t.Caption) == QStringLiteral("Εργαζόμενοι")) {
            EXPECT_GE(sort->Width(), NeededWidth(sort->ComboBox()));
        }
        ed->Peer()->resize(QGuiApplication::primaryScreen()->availableGeometry().width(), ed->Height());
        QCoreApplication::processEvents();
        EXPECT_GE(sort->Width(), NeededWidth(sort->ComboBox()));
        // The box for the filter's value keeps a useful width, and the bar ends where the window does.
        TComboBox *value = ed->DataSetFilterFrame1->FilterValueEdit;
        EXPECT_GE(value->Width(), 100);
        EXPECT_EQ(value->Left() + value->Width() + 4, ed->DataSetFilterFrame1->Panel2->ClientWidth());
    }
}

// A table editor opened from the shown main window, worked with the keys alone.
using TableEditorFromTheMainWindow = BoxEditingFixture;

TEST_F(TableEditorFromTheMainWindow, TheKeysAddPostDeleteAndCancelRecordsAndTabReachesTheNavigator)
{
    TTable *people = APDDataModule->tbEmployers;
    const int before = people->RecordCount();
    TTableEditor *ed = nullptr;
    bool closedByEsc = false;
    const QPointer<QTimer> watch = WhenShown<TTableEditor>(ed, [&](TTableEditor *e) {
        // Whatever fails, the window goes, and the test with it.
        TScopeExit close([&] {
            closedByEsc = closedByEsc && !e->Peer()->isVisible();
            if (e->Peer()->isVisible())
                e->Close();
        });
        TDBGrid *grid = e->DataSetFilterFrame1->DBGrid1;
        QTableView *view = grid->TableView();
        QScrollBar *sideways = view->horizontalScrollBar();
        ASSERT_EQ(QApplication::focusWidget(), view) << "the grid has the focus";

        // Tab walks the columns: the first stays in sight while the next column's start shows beside it,
        // goes for the columns beyond, and comes back with Shift+Tab.
        Key(Qt::Key_Tab);
        EXPECT_EQ(view->currentIndex().column(), 1);
        EXPECT_EQ(sideways->value(), 0);
        while (view->currentIndex().column() + 1 < grid->ColumnCount())
            Key(Qt::Key_Tab);
        EXPECT_GT(sideways->value(), 0) << "the last column is shown";
        const QRect last = view->visualRect(view->currentIndex());
        EXPECT_GE(last.left(), 0);
        EXPECT_LT(last.left(), view->viewport()->width());
        while (view->currentIndex().column() > 0)
            Key(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(sideways->value(), 0);

        // Past the last column Tab goes on through the window in reading order and reaches every enabled
        // button of the navigator, one by one.
        while (view->currentIndex().column() + 1 < grid->ColumnCount())
            Key(Qt::Key_Tab);
        QList<QWidget *> walked;
        for (int i = 0; i < 30; ++i) {
            Key(Qt::Key_Tab);
            if (QApplication::focusWidget() == view)
                break;
            walked << QApplication::focusWidget();
        }
        QList<QWidget *> enabled{e->ReadOnlyCheck->Peer()};
        for (int b = nbFirst; b <= nbRefresh; ++b)
            if (e->DBNavigator->ButtonEnabled(TNavigateBtn(b)))
                enabled << e->DBNavigator->Button(TNavigateBtn(b));
        EXPECT_EQ(walked.mid(0, enabled.size()), enabled);
        EXPECT_TRUE(enabled.contains(e->DBNavigator->Button(nbInsert)));
        EXPECT_EQ(QApplication::focusWidget(), view) << "and comes back to the grid";

        // Insert: a new row, typed in from its first cell (Home); Ctrl+Enter posts it.
        Key(Qt::Key_Insert);
        ASSERT_EQ(people->State(), dsInsert);
        Key(Qt::Key_Home);
        EXPECT_EQ(sideways->value(), 0);
        Keys(QStringLiteral("999888777"));
        Key(Qt::Key_Tab);
        Key(Qt::Key_Tab);
        Keys(QStringLiteral("ΝΕΟΣ"));
        Key(Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(people->State(), dsBrowse);
        EXPECT_EQ(people->RecordCount(), before + 1);
        EXPECT_EQ(people->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->AsString(), QStringLiteral("ΝΕΟΣ"));

        // Ctrl+Del: deleted after the navigator's question; refused, it stays.
        Answers = {mrCancel, mrOk};
        Key(Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(people->RecordCount(), before + 1);
        Key(Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(people->RecordCount(), before);
        EXPECT_EQ(Messages, std::vector<QString>(2, QStringLiteral("Να διαγραφεί η εγγραφή;")));
        EXPECT_FALSE(people->Locate(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), QStringLiteral("999888777"), 0));

        // On the detail page: Esc first drops the typing of the box, then the record's changes, then closes.
        QTabBar *tabs = e->PageControl1->TabWidget()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        Settle();
        TDBEdit *surname = nullptr;
        for (TComponent *c : e->ComponentList())
            if (auto *edit = qobject_cast<TDBEdit *>(c); edit && edit->DataField() == QStringLiteral("ΕΠΩΝΥΜΟ"))
                surname = edit;
        ASSERT_TRUE(surname);
        const QString kept = people->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->AsString();
        surname->Peer()->setFocus(Qt::TabFocusReason);
        Keys(QStringLiteral("ΧΧ"));
        Key(Qt::Key_Tab); // the box hands its text to the record
        ASSERT_EQ(people->State(), dsEdit);
        surname->Peer()->setFocus(Qt::TabFocusReason);
        Keys(QStringLiteral("Ψ"));
        Key(Qt::Key_Escape);
        EXPECT_EQ(people->State(), dsEdit);
        EXPECT_TRUE(e->Peer()->isVisible());
        Key(Qt::Key_Escape);
        EXPECT_EQ(people->State(), dsBrowse);
        EXPECT_EQ(people->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->AsString(), kept);
        EXPECT_TRUE(e->Peer()->isVisible());
        Key(Qt::Key_Escape);
        closedByEsc = true;
    });
    ChooseFromMenu({QStringLiteral("Συλογές/Πίνακες"), QStringLiteral("Εργαζόμενοι")});
    delete watch.data();
    ASSERT_TRUE(ed) << "the editor did not open";
    EXPECT_TRUE(closedByEsc);
    EXPECT_EQ(people->State(), dsBrowse);
}
