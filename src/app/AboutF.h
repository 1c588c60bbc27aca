// The About box: a black window with the credits turning on a name roller and the program's version.
#pragma once

#include "app/NameRoller.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <functional>
#include <vector>

using TPermutationProc = std::function<void(const std::vector<int> &Permutation)>;

class TAbout : public TForm
{
    Q_OBJECT
    Q_PROPERTY(TNotifyEvent OnCreate MEMBER OnCreate)
    Q_CLASSINFO("FormResource", ":/forms/About.dfm")

public:
    Q_INVOKABLE explicit TAbout(TComponent *AOwner);
    ~TAbout() override;

    TNameRoller *NameRoller1 = nullptr;
    TLabel *Label2 = nullptr;
    // The two word lists of the credits.
    TStringList *Words1() const { return FWords1.get(); }
    TStringList *Words2() const { return FWords2.get(); }

    Q_INVOKABLE void FormCreate(TObject *Sender);
    Q_INVOKABLE void NameRoller1Click(TObject *Sender);
    // Adds Text and an empty line to the roller.
    void AddLine(const QString &Text);

    // Every permutation of 0 .. N-1, in the order of a mixed-radix counter whose last digit moves fastest.
    static void PermuteIndices(int N, const TPermutationProc &Proc);
    // Accepts names that can be spoken: at least two letters, no "l" or "r" before a consonant at the
    // start, no doubled letter but "oo" and "tt", no three consonants in a row, and when Strict no
    // consonant followed by anything but a vowel.
    static bool IsPronounceable(const QString &S, bool Strict);
    // The letters of Word in the order of Permutation, added to List with a capital first letter when it
    // is pronounceable and List does not hold it yet (in any case).
    static void CollectAnagram(const QString &Word, const std::vector<int> &Permutation, bool Strict, TStrings *List);
    void CollectAnagram1(const std::vector<int> &Permutation);
    void CollectAnagram2(const std::vector<int> &Permutation);

    // The credits' source words and the remarks between every ten credit lines.
    static const QString Word1;
    static const QString Word2;
    static const QStringList Remarks;

protected:
    // Esc closes the box, as it closes every dialog.
    void KeyDown(quint16 &Key, TShiftState Shift) override;

private:
    std::unique_ptr<TStringList> FWords1;
    std::unique_ptr<TStringList> FWords2;
};

// Shows the About box modally and frees it.
void ShowAbout();
