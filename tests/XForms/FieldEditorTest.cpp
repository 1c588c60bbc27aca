#include "XForms/FieldEditor.h"
#include "support/EmployeesTable.h"
#include "vcl/ComponentStream.h"
#include "vcl/StdCtrls.h"

#include <gtest/gtest.h>

namespace
{
// A data module's handler that makes the control.
class TEditorHost : public TComponent
{
    Q_OBJECT
public:
    using TComponent::TComponent;
    Q_INVOKABLE void MakeEdit(TFieldEditor *, TComponent *AOwner, TWinControl *, TControl *&Control)
    {
        Control = new TEdit(AOwner);
        ++Made;
    }
    int Made = 0;
};
} // namespace

TEST(FieldEditor, FindsTheFirstEditorOfThatVeryFieldObject)
{
    TEmployeesFolder folder;
    TTable *table = folder.Table();
    auto *source = new TDataSource(&folder.Owner);
    source->SetDataSet(table);
    EXPECT_FALSE(FieldEditorRegistryExists());
    {
        TFieldEditor first(nullptr), second(nullptr);
        EXPECT_TRUE(FieldEditorRegistryExists());
        for (TFieldEditor *e : {&first, &second}) {
            e->SetDataSource(source);
            e->SetDataField(QStringLiteral("ΕΠΩΝΥΜΟ"));
        }
        TFieldEditor *found = nullptr;
        // Closed: no field resolved, so nothing is found.
        EXPECT_EQ(first.Field(), nullptr);
        table->Open();
        TField *surname = table->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"));
        EXPECT_TRUE(FindFieldEditor(surname, found));
        EXPECT_EQ(found, &first);
        EXPECT_FALSE(FindFieldEditor(table->FieldByName(QStringLiteral("ΟΝΟΜΑ")), found));
        EXPECT_EQ(found, nullptr);

        // The same field of another cursor on the same table is another object.
        TTable *copy = folder.Table();
        copy->Open();
        EXPECT_FALSE(FindFieldEditor(copy->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ")), found));

        // No handler: no control.
        TComponent owner(nullptr);
        EXPECT_EQ(first.CreateControl(&owner, nullptr), nullptr);

        // Freeing the data source leaves the editor without one.
        delete source;
        EXPECT_EQ(first.DataSource(), nullptr);
        EXPECT_FALSE(FindFieldEditor(surname, found));
    }
    EXPECT_FALSE(FieldEditorRegistryExists());
    TFieldEditor again(nullptr);
    EXPECT_TRUE(FieldEditorRegistryExists());
}

TEST(FieldEditor, HandlerBoundByNameMakesTheControlWithTheGivenOwner)
{
    RegisterClass(&TEditorHost::staticMetaObject, [](TComponent *o) -> TComponent * { return new TEditorHost(o); });
    RegisterDBClasses();
    TEditorHost host(nullptr);
    ReadComponent(ObjectTextToBinary("object Host: TEditorHost\n"
                                     "  object dsEmployers: TDataSource\n  end\n"
                                     "  object FieldEditor1: TFieldEditor\n"
                                     "    DataField = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'\n"
                                     "    DataSource = dsEmployers\n"
                                     "    OnCreateControl = MakeEdit\n  end\nend\n"),
                  &host);
    auto *editor = qobject_cast<TFieldEditor *>(host.FindComponent(QStringLiteral("FieldEditor1")));
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->DataSource(), host.FindComponent(QStringLiteral("dsEmployers")));
    EXPECT_EQ(editor->DataField(), QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ"));
    TComponent owner(nullptr);
    TControl *control = editor->CreateControl(&owner, nullptr);
    ASSERT_TRUE(qobject_cast<TEdit *>(control));
    EXPECT_EQ(control->Owner(), &owner);
    EXPECT_EQ(control->Parent(), nullptr);
    EXPECT_EQ(host.Made, 1);
}

#include "FieldEditorTest.moc"
