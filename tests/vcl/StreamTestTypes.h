// Small component classes for the stream tests: a visual parent that differs from the owner, every
// property kind, defaults and stored rules, events bound to the root.
#pragma once

#include "vcl/ComponentStream.h"
#include "vcl/Graphics.h"

namespace StreamTest
{
Q_NAMESPACE
enum TSide { sdLeft, sdTop, sdRight, sdBottom };
Q_ENUM_NS(TSide)
enum TEdge { egLeft = 1, egTop = 2, egRight = 4, egBottom = 8 };
Q_DECLARE_FLAGS(TEdges, TEdge)
Q_FLAG_NS(TEdges)
} // namespace StreamTest
Q_DECLARE_OPERATORS_FOR_FLAGS(StreamTest::TEdges)
using namespace StreamTest;

using TTextEvent = TEvent<void(TObject *Sender, QString &Text)>;
using TAdjustEvent = TEvent<QRect(TObject *Sender, QRect &Bounds)>; // a function event with a var parameter

class TTestItem;

class TTestCollectionItem : public TCollectionItem
{
    Q_OBJECT
    Q_PROPERTY(QString Title MEMBER FTitle)
    Q_PROPERTY(int Width MEMBER FWidth)
    Q_CLASSINFO("Default:Width", "50")
public:
    using TCollectionItem::TCollectionItem;
    QString FTitle;
    int FWidth = 50;
};

// A component that sits inside a visual parent (which need not be its owner).
class TTestItem : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(int Number READ Number WRITE SetNumber)
    Q_PROPERTY(QString Caption MEMBER FCaption)
    Q_PROPERTY(bool Flag MEMBER FFlag)
    Q_PROPERTY(StreamTest::TSide Side MEMBER FSide)
    Q_PROPERTY(StreamTest::TEdges Edges MEMBER FEdges)
    Q_PROPERTY(Graphics::TColor Color MEMBER FColor)
    Q_PROPERTY(Graphics::TColor HoverColor MEMBER FHoverColor)
    Q_PROPERTY(bool ParentFont MEMBER FParentFont)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TStrings *Lines READ Lines WRITE SetLines)
    Q_PROPERTY(TTestItem *Link READ Link WRITE SetLink)
    Q_PROPERTY(double Ratio MEMBER FRatio)
    Q_PROPERTY(Currency Amount MEMBER FAmount)
    Q_PROPERTY(qint64 Big MEMBER FBig)
    Q_PROPERTY(TCollection *Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
    Q_PROPERTY(TTextEvent OnGetText MEMBER OnGetText)
    Q_PROPERTY(TAdjustEvent OnAdjust MEMBER OnAdjust)
    Q_CLASSINFO("Default:Flag", "False")
    Q_CLASSINFO("Default:Side", "sdLeft")
    Q_CLASSINFO("Default:HoverColor", "clWhite")
    Q_CLASSINFO("Default:ParentFont", "True")
    Q_CLASSINFO("Default:Edges", "[egLeft, egTop]")
    Q_CLASSINFO("Stored:Font", "IsFontStored")
public:
    Q_INVOKABLE explicit TTestItem(TComponent *AOwner)
        : TComponent(AOwner), FFont(new TFont), FLines(new TStringList),
          FColumns(TCollection::Of<TTestCollectionItem>(this))
    {
    }
    ~TTestItem() override
    {
        SetParentComponent(nullptr);
        for (TTestItem *c : FChildren)
            c->FParent = nullptr;
        delete FFont;
        delete FLines;
        delete FColumns;
    }

    int Number() const { return FNumber; }
    void SetNumber(int v)
    {
        FNumber = v;
        NumberLog << v;
    }
    TFont *Font() const { return FFont; }
    void SetFont(TFont *v) { FFont->Assign(v); }
    TStrings *Lines() const { return FLines; }
    void SetLines(TStrings *v) { FLines->Assign(v); }
    TCollection *Columns() const { return FColumns; }
    void SetColumns(TCollection *v) { FColumns->Assign(v); }
    TTestItem *Link() const { return FLink; }
    void SetLink(TTestItem *v)
    {
        FLink = v;
        if (v)
            v->FreeNotification(this);
    }
    Q_INVOKABLE bool IsFontStored() const { return !FParentFont; }

    TTestItem *Parent() const { return FParent; }
    const QList<TTestItem *> &Children() const { return FChildren; }
    void SetParent(TTestItem *p)
    {
        if (FParent == p)
            return;
        if (FParent)
            FParent->FChildren.removeAll(this);
        FParent = p;
        if (p)
            p->FChildren.append(this);
    }

    void GetChildren(TGetChildProc Proc, TComponent *Root) override
    {
        for (TTestItem *c : FChildren)
            if (c->Owner() == Root)
                Proc(c);
    }
    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent *Value) override { SetParent(qobject_cast<TTestItem *>(Value)); }
    void SetChildOrder(TComponent *Child, int Order) override
    {
        auto *c = qobject_cast<TTestItem *>(Child);
        const qsizetype i = FChildren.indexOf(c);
        if (i >= 0 && Order < FChildren.size())
            FChildren.move(i, Order);
    }
    void Loaded() override
    {
        TComponent::Loaded();
        ++LoadedCount;
        LinkAtLoaded = FLink;
    }
    void Notification(TComponent *AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FLink)
            FLink = nullptr;
    }

    TNotifyEvent OnClick;
    TTextEvent OnGetText;
    TAdjustEvent OnAdjust;
    QList<int> NumberLog;
    int LoadedCount = 0;
    TTestItem *LinkAtLoaded = nullptr;

    int FNumber = 0;
    QString FCaption;
    bool FFlag = false;
    TSide FSide = sdLeft;
    TEdges FEdges = egLeft | egTop;
    TColor FColor = clBtnFace;
    TColor FHoverColor = clWhite;
    bool FParentFont = true;
    double FRatio = 0;
    Currency FAmount;
    qint64 FBig = 0;

private:
    TFont *FFont;
    TStrings *FLines;
    TCollection *FColumns;
    TTestItem *FLink = nullptr;
    TTestItem *FParent = nullptr;
    QList<TTestItem *> FChildren;
};

// A non-visual component.
class TTestSource : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(QString Table MEMBER FTable)
public:
    Q_INVOKABLE explicit TTestSource(TComponent *AOwner) : TComponent(AOwner) {}
    QString FTable;
};

// A root: its children are the items it parents, then its owned components that have no parent.
class TTestRoot : public TTestItem
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TTestRoot(TComponent *AOwner) : TTestItem(AOwner) {}
    void GetChildren(TGetChildProc Proc, TComponent *Root) override
    {
        TTestItem::GetChildren(Proc, Root);
        if (Root == this)
            for (TComponent *c : ComponentList())
                if (!c->HasParent())
                    Proc(c);
    }
    TComponent *GetChildOwner() override { return this; }

    Q_INVOKABLE void ItemClick(TObject *Sender) { Clicks << Sender; }
    Q_INVOKABLE void ItemGetText(TObject *, QString &Text) { Text = QStringLiteral("από χειριστή"); }
    Q_INVOKABLE void WrongSignature(int) {}
    Q_INVOKABLE QRect ItemAdjust(TObject *, QRect &Bounds)
    {
        Bounds.translate(1, 1);
        return QRect(0, 0, 1750, 2750);
    }
    Q_INVOKABLE void ItemAdjustWithoutResult(TObject *, QRect &) {}
    QList<TObject *> Clicks;
};

// A frame: owns its parts, is its own lookup root when inline, writes itself against a fresh instance.
class TTestFrame : public TTestItem
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TTestFrame(TComponent *AOwner) : TTestItem(AOwner)
    {
        auto *a = new TTestItem(this);
        a->SetName(QStringLiteral("Part1"));
        a->SetParent(this);
        a->SetNumber(7);
        auto *b = new TTestItem(this);
        b->SetName(QStringLiteral("Part2"));
        b->SetParent(this);
        b->OnClick.Bind(this, "PartClick");
        SetInline(true);
    }
    TComponent *GetChildOwner() override { return this; }
    void WriteState(TWriter *Writer) override
    {
        TPersistent *kept = Writer->Ancestor();
        TTestFrame fresh(nullptr);
        Writer->SetAncestor(&fresh);
        try {
            TComponent::WriteState(Writer);
        } catch (...) {
            Writer->SetAncestor(kept);
            throw;
        }
        Writer->SetAncestor(kept);
    }
    Q_INVOKABLE void PartClick(TObject *Sender) { Clicks << Sender; }
    QList<TObject *> Clicks;
};
