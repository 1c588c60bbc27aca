// Forms and frames designed as text resources, compiled in and streamed into every new instance.
#include "StreamTestTypes.h"

#include <gtest/gtest.h>

namespace
{

class TTestDesignedForm : public TTestRoot
{
    Q_OBJECT
    Q_PROPERTY(TTestItem *Header MEMBER Header STORED false)
public:
    Q_INVOKABLE explicit TTestDesignedForm(TComponent *AOwner) : TTestRoot(AOwner)
    {
        InitInheritedComponent(this, &TTestRoot::staticMetaObject);
    }
    Q_INVOKABLE void HeaderClick(TObject *Sender) { HeaderClicks << Sender; }
    TTestItem *Header = nullptr;
    QList<TObject *> HeaderClicks;
};

class TTestDerivedForm : public TTestDesignedForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TTestDerivedForm(TComponent *AOwner) : TTestDesignedForm(AOwner)
    {
        InitInheritedComponent(this, &TTestRoot::staticMetaObject);
    }
};

class TTestPage : public TTestItem
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/TestPage.dfm")
public:
    Q_INVOKABLE explicit TTestPage(TComponent *AOwner) : TTestItem(AOwner)
    {
        InitInheritedComponent(this, &TTestItem::staticMetaObject);
        SetInline(true);
    }
    TComponent *GetChildOwner() override { return this; }
    Q_INVOKABLE void Row1GetText(TObject *, QString &Text) { Text = QStringLiteral("γραμμή 1"); }
};

struct Register {
    Register() { RegisterClasses<TTestItem, TTestSource, TTestPage>(); }
};
const Register registerClasses;

} // namespace

TEST(FormResource, EveryInstanceIsStreamedFromItsDesign)
{
    TTestDesignedForm form(nullptr);
    EXPECT_EQ(form.Name(), QStringLiteral("DesignedForm"));
    EXPECT_EQ(form.FCaption, QStringLiteral("Δήλωση"));
    EXPECT_EQ(form.FColor, clWhite);
    ASSERT_TRUE(form.Header); // the published field follows the designed component
    EXPECT_EQ(form.Header, form.FindComponent(QStringLiteral("Header")));
    auto *total = qobject_cast<TTestItem *>(form.FindComponent(QStringLiteral("Total")));
    ASSERT_TRUE(total);
    EXPECT_EQ(total->Parent(), form.Header);
    EXPECT_EQ(total->Owner(), &form);
    EXPECT_EQ(form.Header->Link(), total); // a reference to a component read later
    EXPECT_EQ(total->Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(total->Font()->Charset(), GREEK_CHARSET);
    EXPECT_EQ(form.FindComponent(QStringLiteral("Source"))->DesignInfo(), 16 | (8 << 16));
    EXPECT_EQ(total->LoadedCount, 1);
    form.Header->OnClick(form.Header);
    EXPECT_EQ(form.HeaderClicks, QList<TObject *>{form.Header});

    // A second instance is built from the same design, not shared.
    TTestDesignedForm second(nullptr);
    EXPECT_NE(second.Header, form.Header);
    EXPECT_EQ(second.Header->FCaption, form.Header->FCaption);
}

TEST(FormResource, DerivedDesignsApplyOverTheirBase)
{
    TTestDerivedForm form(nullptr);
    EXPECT_EQ(form.Name(), QStringLiteral("DerivedForm"));
    EXPECT_EQ(form.FCaption, QStringLiteral("Παράγωγη"));
    auto *extra = qobject_cast<TTestItem *>(form.FindComponent(QStringLiteral("Extra")));
    ASSERT_TRUE(extra);
    EXPECT_EQ(extra->Parent(), form.Header);
    EXPECT_EQ(form.Header->Children().size(), 2);
    EXPECT_EQ(form.ComponentCount(), 4); // the base design was read once
    EXPECT_EQ(form.DesignClass(), &TTestDerivedForm::staticMetaObject);
}

TEST(FormResource, DocumentOfADesignedFormStoresOnlyDifferences)
{
    TTestDerivedForm form(nullptr);
    // Pages are frames with their own design, placed at run time.
    auto *page1 = new TTestPage(&form);
    EXPECT_EQ(page1->Name(), QStringLiteral("Page"));
    auto *page2 = new TTestPage(&form);
    EXPECT_EQ(page2->Name(), QStringLiteral("Page_1")); // the design's name was taken
    page1->SetName(QStringLiteral("Page1"));
    page2->SetName(QStringLiteral("Page2"));
    page1->SetParent(form.Header);
    page2->SetParent(form.Header);
    static_cast<TTestItem *>(page2->FindComponent(QStringLiteral("Row1")))->FCaption = QStringLiteral("τιμή");
    form.Header->FCaption = QStringLiteral("νέα");

    TTestDerivedForm ancestor(nullptr);
    const QByteArray doc = WriteDescendent(&form, &ancestor);
    // Without a WriteState of their own, pages (absent from the ancestor) are written whole.
    EXPECT_EQ(ObjectBinaryToText(doc).toStdString(), "inherited DerivedForm: TTestDerivedForm\n"
                                                     "  inherited Header: TTestItem\n"
                                                     "    Caption = 'νέα'\n"
                                                     "    inline Page1: TTestPage\n"
                                                     "      Number = 0\n"
                                                     "      Color = clBtnFace\n"
                                                     "      Big = 0\n"
                                                     "      object Row1: TTestItem\n"
                                                     "        Number = 1750\n"
                                                     "        Color = clBtnFace\n"
                                                     "        Big = 0\n"
                                                     "        OnGetText = Row1GetText\n"
                                                     "      end\n"
                                                     "    end\n"
                                                     "    inline Page2: TTestPage\n"
                                                     "      Number = 0\n"
                                                     "      Color = clBtnFace\n"
                                                     "      Big = 0\n"
                                                     "      object Row1: TTestItem\n"
                                                     "        Number = 1750\n"
                                                     "        Caption = 'τιμή'\n"
                                                     "        Color = clBtnFace\n"
                                                     "        Big = 0\n"
                                                     "        OnGetText = Row1GetText\n"
                                                     "      end\n"
                                                     "    end\n"
                                                     "  end\n"
                                                     "end\n");

    TTestDerivedForm opened(nullptr);
    ReadComponent(doc, &opened);
    auto *p2 = qobject_cast<TTestPage *>(opened.FindComponent(QStringLiteral("Page2")));
    ASSERT_TRUE(p2);
    auto *row = qobject_cast<TTestItem *>(p2->FindComponent(QStringLiteral("Row1")));
    EXPECT_EQ(row->FCaption, QStringLiteral("τιμή"));
    QString text;
    row->OnGetText(row, text); // bound to its page by the page's design
    EXPECT_EQ(text, QStringLiteral("γραμμή 1"));
    EXPECT_EQ(opened.Header->FCaption, QStringLiteral("νέα"));
    EXPECT_EQ(WriteDescendent(&opened, &ancestor), doc);
}

TEST(FormResource, ClassesWithoutADesign)
{
    TTestItem item(nullptr);
    EXPECT_FALSE(InitInheritedComponent(&item, &TComponent::staticMetaObject));
    EXPECT_THROW(ReadComponentResource(QStringLiteral(":/forms/none.dfm"), &item), EReadError);
}

#include "FormResourceTest.moc"
