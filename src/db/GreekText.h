// Text comparison rules of the table engine: string keys ignore trailing blanks, case-insensitive
// matching folds Greek case (final sigma too) and accents, and ordering follows the Greek alphabet.
#pragma once

#include <QString>

// The text without its trailing blanks (a code picked from a list carries one: "933110 ").
QString TrimRightBlanks(const QString &text);
// Lower case without accents or diaeresis, final sigma as sigma: "Άλφας" and "ΑΛΦΑΣ" fold alike.
QString GreekFold(const QString &text);
// Collation order: letters by alphabet with case and accents as a tie-break; trailing blanks ignored.
// With caseInsensitive, texts that fold alike compare equal.
int GreekCompare(const QString &a, const QString &b, bool caseInsensitive = false);
// Equality of key texts: trailing blanks ignored, folded when caseInsensitive.
bool SameKeyText(const QString &a, const QString &b, bool caseInsensitive);
// Does text begin with prefix (same rules as SameKeyText)?
bool StartsWithKeyText(const QString &text, const QString &prefix, bool caseInsensitive);
