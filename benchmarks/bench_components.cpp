// Writing and reading a component tree the size of a 64-page declaration: 64 inline pages of 250
// boxes, each page written against a fresh page and every box carrying changed values.
#include "vcl/ComponentStream.h"
#include "vcl/Graphics.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace
{

class TBenchBox : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER FCaption)
    Q_PROPERTY(int HorzSize MEMBER FHorzSize)
    Q_PROPERTY(int VertSize MEMBER FVertSize)
    Q_PROPERTY(Graphics::TColor HoverColor MEMBER FHoverColor)
    Q_PROPERTY(Currency Value MEMBER FValue)
    Q_PROPERTY(bool TabStop MEMBER FTabStop)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TNotifyEvent OnChangeText MEMBER OnChangeText)
    Q_CLASSINFO("Default:HoverColor", "clWhite")
    Q_CLASSINFO("Default:TabStop", "False")
public:
    Q_INVOKABLE explicit TBenchBox(TComponent *AOwner) : TComponent(AOwner) {}
    TFont *Font() { return &FFont; }
    void SetFont(TFont *v) { FFont.Assign(v); }
    void GetChildren(TGetChildProc Proc, TComponent *Root) override
    {
        for (TBenchBox *c : FChildren)
            if (c->Owner() == Root)
                Proc(c);
    }
    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent *Value) override
    {
        auto *p = qobject_cast<TBenchBox *>(Value);
        if (p == FParent)
            return;
        if (FParent)
            FParent->FChildren.removeOne(this);
        FParent = p;
        if (p)
            p->FChildren.append(this);
    }
    ~TBenchBox() override
    {
        // Children go with their owner; only the links are cut here.
        for (TBenchBox *c : FChildren)
            c->FParent = nullptr;
        if (FParent)
            FParent->FChildren.removeOne(this);
    }

    TNotifyEvent OnChangeText;
    QString FCaption;
    int FHorzSize = 0, FVertSize = 0;
    TColor FHoverColor = clWhite;
    Currency FValue;
    bool FTabStop = false;
    TFont FFont;
    TBenchBox *FParent = nullptr;
    QList<TBenchBox *> FChildren;
};

// A page: builds its 250 boxes when created (as a frame reads its design), written inline against a
// fresh page.
class TBenchPage : public TBenchBox
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TBenchPage(TComponent *AOwner) : TBenchBox(AOwner)
    {
        TBenchBox *row = nullptr;
        for (int i = 0; i < 250; ++i) {
            auto *box = new TBenchBox(this);
            box->SetName(QStringLiteral("Box%1").arg(i));
            box->FHorzSize = 421;
            box->FVertSize = 50;
            if (i % 5 == 0) {
                box->SetParentComponent(this);
                row = box;
            } else {
                box->SetParentComponent(row);
            }
        }
        SetInline(true);
    }
    TComponent *GetChildOwner() override { return this; }
    void WriteState(TWriter *Writer) override
    {
        TPersistent *kept = Writer->Ancestor();
        TBenchPage fresh(nullptr);
        Writer->SetAncestor(&fresh);
        TComponent::WriteState(Writer);
        Writer->SetAncestor(kept);
    }
    Q_INVOKABLE void BoxChangeText(TObject *) {}
};

class TBenchDoc : public TBenchBox
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TBenchDoc(TComponent *AOwner) : TBenchBox(AOwner) {}
};

std::unique_ptr<TBenchDoc> MakeDocument()
{
    auto doc = std::make_unique<TBenchDoc>(nullptr);
    doc->SetName(QStringLiteral("ApdData"));
    for (int p = 0; p < 64; ++p) {
        auto *page = new TBenchPage(doc.get());
        page->SetName(QStringLiteral("EmployFrame%1").arg(p + 1));
        page->SetParentComponent(doc.get());
        for (int i = 0; i < page->ComponentCount(); ++i) {
            auto *box = static_cast<TBenchBox *>(page->Components(i));
            box->FCaption = QStringLiteral("Τιμή %1").arg(i);
            box->FValue = Currency::FromCents(86000 + i);
            box->OnChangeText.Bind(page, "BoxChangeText");
        }
    }
    return doc;
}

void RegisterBenchClasses()
{
    static const bool done = [] {
        RegisterClasses<TBenchBox, TBenchPage, TBenchDoc>();
        return true;
    }();
    Q_UNUSED(done);
}

void BM_WriteDocument(benchmark::State &state)
{
    RegisterBenchClasses();
    auto doc = MakeDocument();
    TBenchDoc ancestor(nullptr);
    ancestor.SetName(QStringLiteral("ApdData"));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray data = WriteDescendent(doc.get(), &ancestor);
        bytes = data.size();
        benchmark::DoNotOptimize(data.constData());
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_WriteDocument)->Unit(benchmark::kMillisecond);

void BM_ReadDocument(benchmark::State &state)
{
    RegisterBenchClasses();
    QByteArray data;
    {
        auto doc = MakeDocument();
        TBenchDoc ancestor(nullptr);
        data = WriteDescendent(doc.get(), &ancestor);
    }
    int components = 0;
    for (auto _ : state) {
        TBenchDoc doc(nullptr);
        ReadComponent(data, &doc);
        components = doc.ComponentCount();
        state.PauseTiming(); // freeing the tree is not part of reading it
        doc.DestroyComponents();
        state.ResumeTiming();
    }
    state.counters["pages"] = components;
}
BENCHMARK(BM_ReadDocument)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

#include "bench_components.moc"
