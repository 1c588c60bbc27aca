#include "app/AboutF.h"

#include "app/VersionInfoCtrl.h"
#include "vcl/ComponentStream.h"

#include <QPalette>

const QString TAbout::Word1 = QStringLiteral("narelo");
const QString TAbout::Word2 = QStringLiteral("kamitos");
const QStringList TAbout::Remarks = {QStringLiteral("please wait..."), QStringLiteral("more to come..."),
                                     QStringLiteral("a few more..."), QStringLiteral("almost done..."),
                                     QStringLiteral("just a bit...")};

// The form resource lives in this static library; the linker keeps it only when it is named.
static void InitAboutResource()
{
    Q_INIT_RESOURCE(About);
}

TAbout::TAbout(TComponent *AOwner) : TForm(AOwner)
{
    RegisterClasses<TLabel, TNameRoller>();
    InitAboutResource();
    if (!InitInheritedComponent(this, &TForm::staticMetaObject))
        throw EStreamError(QStringLiteral("Δεν βρέθηκε η σχεδίαση του παραθύρου «Για το πρόγραμμα»."));
    NameRoller1 = qobject_cast<TNameRoller *>(FindComponent(QStringLiteral("NameRoller1")));
    Label2 = qobject_cast<TLabel *>(FindComponent(QStringLiteral("Label2")));
    if (!NameRoller1 || !Label2)
        throw EStreamError(QStringLiteral("Η σχεδίαση του παραθύρου «Για το πρόγραμμα» είναι ελλιπής."));
    // The window itself shows its colour around the drum.
    QWidget *peer = Peer();
    QPalette palette = peer->palette();
    palette.setColor(QPalette::Window, ColorToQColor(GetColor()));
    peer->setPalette(palette);
    peer->setAutoFillBackground(true);
    OnCreate(this);
}

TAbout::~TAbout() = default;

void TAbout::AddLine(const QString &Text)
{
    NameRoller1->Items()->Add(Text);
    NameRoller1->Items()->Add(QString());
}

void TAbout::FormCreate(TObject *)
{
    Label2->SetCaption(QStringLiteral("DovraAPD ") + GetVersionString(QString(), true));
    TStrings *items = NameRoller1->Items();
    for (int i = 0; i < 3; ++i) {
        TStringList copy;
        copy.Assign(items);
        items->AddStrings(&copy);
    }
    for (int i = 0; i < 4; ++i)
        AddLine(QString());
    FWords1 = std::make_unique<TStringList>();
    FWords2 = std::make_unique<TStringList>();
    AddLine(QStringLiteral("Programming Team"));
    PermuteIndices(int(Word1.size()), [this](const std::vector<int> &p) { CollectAnagram1(p); });
    PermuteIndices(int(Word2.size()), [this](const std::vector<int> &p) { CollectAnagram2(p); });
    const int count = std::min(FWords1->Count(), FWords2->Count());
    for (int i = 0; i < count; ++i) {
        AddLine(FWords1->Get(i) + u' ' + FWords2->Get(i));
        if (i > 0 && i % 10 == 0) {
            AddLine(Remarks[(i / 10) % Remarks.size()]);
            AddLine(QString());
        }
    }
}

void TAbout::KeyDown(quint16 &Key, TShiftState Shift)
{
    TForm::KeyDown(Key, Shift);
    if (Key == VK_ESCAPE && Shift == TShiftState()) {
        Key = 0;
        Close();
    }
}

void TAbout::NameRoller1Click(TObject *)
{
    SetModalResult(mrOk);
}

void TAbout::PermuteIndices(int N, const TPermutationProc &Proc)
{
    if (N <= 0)
        return;
    std::vector<int> counter(static_cast<size_t>(N), 0);
    std::vector<int> permutation(static_cast<size_t>(N));
    std::vector<bool> used(static_cast<size_t>(N));
    for (;;) {
        std::fill(used.begin(), used.end(), false);
        for (int k = N - 1; k >= 0; --k) {
            int unusedSeen = -1;
            for (int index = 0; index < N; ++index)
                if (!used[size_t(index)] && ++unusedSeen == counter[size_t(k)]) {
                    permutation[size_t(k)] = index;
                    used[size_t(index)] = true;
                    break;
                }
        }
        Proc(permutation);
        int k = N - 1;
        for (;;) {
            if (++counter[size_t(k)] <= k)
                break;
            counter[size_t(k)] = 0;
            if (--k < 0)
                return;
        }
    }
}

namespace
{
bool IsVowel(QChar c)
{
    return QStringView(u"aeiouy").contains(c);
}
bool IsConsonant(QChar c)
{
    return c >= u'a' && c <= u'z' && !IsVowel(c);
}
} // namespace

bool TAbout::IsPronounceable(const QString &S, bool Strict)
{
    const qsizetype n = S.size();
    if (n < 2)
        return false;
    if ((S[0] == u'l' || S[0] == u'r') && IsConsonant(S[1]))
        return false;
    for (qsizetype i = 0; i + 1 < n; ++i) {
        if (Strict && IsConsonant(S[i]) && !IsVowel(S[i + 1]))
            return false;
        if (S[i] == S[i + 1] && S[i] != u'o' && S[i] != u't')
            return false;
        if (i + 2 < n && IsConsonant(S[i]) && IsConsonant(S[i + 1]) && IsConsonant(S[i + 2]))
            return false;
    }
    return true;
}

void TAbout::CollectAnagram(const QString &Word, const std::vector<int> &Permutation, bool Strict, TStrings *List)
{
    QString candidate(Word.size(), u' ');
    for (qsizetype i = 0; i < Word.size() && i < qsizetype(Permutation.size()); ++i)
        candidate[i] = Word[Permutation[size_t(i)]];
    if (!IsPronounceable(candidate, Strict))
        return;
    if (candidate[0] >= u'a' && candidate[0] <= u'z')
        candidate[0] = candidate[0].toUpper();
    bool known = false;
    for (int i = 0; i < List->Count() && !known; ++i)
        known = List->Get(i).compare(candidate, Qt::CaseInsensitive) == 0;
    if (!known)
        List->Add(candidate);
}

void TAbout::CollectAnagram1(const std::vector<int> &Permutation)
{
    CollectAnagram(Word1, Permutation, false, FWords1.get());
}

void TAbout::CollectAnagram2(const std::vector<int> &Permutation)
{
    CollectAnagram(Word2, Permutation, true, FWords2.get());
}

void ShowAbout()
{
    std::unique_ptr<TAbout> about(new TAbout(nullptr));
    about->NameRoller1->SetScroll(true);
    about->ShowModal();
}
