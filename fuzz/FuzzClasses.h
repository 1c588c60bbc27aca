// Component classes the fuzz targets read into: every property kind, a visual parent, a frame.
#pragma once

#include "vcl/ComponentStream.h"
#include "vcl/Graphics.h"
#include "vcl/VclUnits.h"

namespace FuzzTypes
{
Q_NAMESPACE
enum TKind { kdOne, kdTwo, kdThree };
Q_ENUM_NS(TKind)
enum TPart { ptA = 1, ptB = 2, ptC = 4 };
Q_DECLARE_FLAGS(TParts, TPart)
Q_FLAG_NS(TParts)
} // namespace FuzzTypes
Q_DECLARE_OPERATORS_FOR_FLAGS(FuzzTypes::TParts)

class TFuzzColumn : public TCollectionItem
{
    Q_OBJECT
    Q_PROPERTY(QString Title MEMBER FTitle)
    Q_PROPERTY(int Width MEMBER FWidth)
public:
    using TCollectionItem::TCollectionItem;
    QString FTitle;
    int FWidth = 0;
};

class TFuzzBox : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(int Number MEMBER FNumber)
    Q_PROPERTY(qint64 Big MEMBER FBig)
    Q_PROPERTY(QString Caption MEMBER FCaption)
    Q_PROPERTY(bool Flag MEMBER FFlag)
    Q_PROPERTY(double Ratio MEMBER FRatio)
    Q_PROPERTY(Currency Amount MEMBER FAmount)
    Q_PROPERTY(FuzzTypes::TKind Kind MEMBER FKind)
    Q_PROPERTY(FuzzTypes::TParts Parts MEMBER FParts)
    Q_PROPERTY(Graphics::TColor Color MEMBER FColor)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TStrings *Lines READ Lines WRITE SetLines)
    Q_PROPERTY(TCollection *Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(TFuzzBox *Link READ Link WRITE SetLink)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
public:
    Q_INVOKABLE explicit TFuzzBox(TComponent *AOwner)
        : TComponent(AOwner), FFont(new TFont), FLines(new TStringList), FColumns(TCollection::Of<TFuzzColumn>(this))
    {
    }
    ~TFuzzBox() override
    {
        SetParentComponent(nullptr);
        for (TFuzzBox *c : FChildren)
            c->FParent = nullptr;
        delete FFont;
        delete FLines;
        delete FColumns;
    }
    TFont *Font() const { return FFont; }
    void SetFont(TFont *v) { FFont->Assign(v); }
    TStrings *Lines() const { return FLines; }
    void SetLines(TStrings *v) { FLines->Assign(v); }
    TCollection *Columns() const { return FColumns; }
    void SetColumns(TCollection *v) { FColumns->Assign(v); }
    TFuzzBox *Link() const { return FLink; }
    void SetLink(TFuzzBox *v)
    {
        FLink = v;
        if (v)
            v->FreeNotification(this);
    }
    void Notification(TComponent *AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FLink)
            FLink = nullptr;
    }
    void GetChildren(TGetChildProc Proc, TComponent *Root) override
    {
        for (TFuzzBox *c : FChildren)
            if (c->Owner() == Root)
                Proc(c);
    }
    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent *Value) override
    {
        auto *p = qobject_cast<TFuzzBox *>(Value);
        if (FParent == p)
            return;
        if (FParent)
            FParent->FChildren.removeAll(this);
        FParent = p;
        if (p)
            p->FChildren.append(this);
    }
    Q_INVOKABLE void BoxClick(TObject *) {}

    TNotifyEvent OnClick;
    int FNumber = 0;
    qint64 FBig = 0;
    QString FCaption;
    bool FFlag = false;
    double FRatio = 0;
    Currency FAmount;
    FuzzTypes::TKind FKind = FuzzTypes::kdOne;
    FuzzTypes::TParts FParts;
    TColor FColor = clWindow;

private:
    TFont *FFont;
    TStrings *FLines;
    TCollection *FColumns;
    TFuzzBox *FLink = nullptr;
    TFuzzBox *FParent = nullptr;
    QList<TFuzzBox *> FChildren;
};

class TFuzzFrame : public TFuzzBox
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TFuzzFrame(TComponent *AOwner) : TFuzzBox(AOwner)
    {
        auto *part = new TFuzzBox(this);
        part->SetName(QStringLiteral("Part"));
        part->SetParentComponent(this);
        SetInline(true);
    }
    TComponent *GetChildOwner() override { return this; }
};

inline void RegisterFuzzClasses()
{
    static const bool done = [] {
        // The class library's own classes too, as the program's start-up registers them.
        InitializeVclUnits();
        RegisterClasses<TFuzzBox, TFuzzFrame>();
        return true;
    }();
    Q_UNUSED(done);
}

// Reads a binary stream into a fresh root, then writes the result back and reads that again: every
// stream the reader accepts must give a tree the writer can store and the reader can take back.
inline void ReadWriteRead(const QByteArray &binary)
{
    RegisterFuzzClasses();
    TReaderLimits limits;
    limits.MaxComponents = 2000;
    QByteArray again;
    {
        TFuzzBox root(nullptr);
        try {
            TReader reader(binary, limits);
            reader.ReadRootComponent(&root);
        } catch (const EReadError &) {
            return;
        }
        again = WriteComponent(&root);
    }
    TFuzzBox copy(nullptr);
    TReader reader(again, limits);
    reader.ReadRootComponent(&copy); // must not fail
}
