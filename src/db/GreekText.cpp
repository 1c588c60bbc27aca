#include "db/GreekText.h"

namespace
{

// Fold one UTF-16 unit; the Greek and Latin letters the tables hold are all in the BMP.
inline char16_t FoldChar(char16_t c)
{
    if (c < 0x80) {
        if (c >= u'A' && c <= u'Z')
            return char16_t(c + 32);
        return c;
    }
    switch (c) {
    case u'Ά':
    case u'ά':
        return u'α';
    case u'Έ':
    case u'έ':
        return u'ε';
    case u'Ή':
    case u'ή':
        return u'η';
    case u'Ί':
    case u'ί':
    case u'Ϊ':
    case u'ϊ':
    case u'ΐ':
        return u'ι';
    case u'Ό':
    case u'ό':
        return u'ο';
    case u'Ύ':
    case u'ύ':
    case u'Ϋ':
    case u'ϋ':
    case u'ΰ':
        return u'υ';
    case u'Ώ':
    case u'ώ':
        return u'ω';
    case u'ς':
        return u'σ';
    default:
        break;
    }
    if (c >= u'Α' && c <= u'Ω')
        return char16_t(c + 32);
    if (c >= 0xC0 && c <= 0x24F) {
        // Latin letters with accents: decompose and keep the base letter.
        const QString d = QString(QChar(c)).normalized(QString::NormalizationForm_D);
        const char16_t base = d.isEmpty() ? c : d.at(0).unicode();
        return base < 0x80 && base >= u'A' && base <= u'Z' ? char16_t(base + 32) : base;
    }
    return QChar(c).toLower().unicode();
}

inline qsizetype TrimmedLength(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    return n;
}

} // namespace

QString TrimRightBlanks(const QString &text)
{
    return text.left(TrimmedLength(text));
}

QString GreekFold(const QString &text)
{
    QString out(text.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    const char16_t *src = reinterpret_cast<const char16_t *>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i)
        dst[i] = FoldChar(src[i]);
    return out;
}

int GreekCompare(const QString &a, const QString &b, bool caseInsensitive)
{
    const qsizetype na = TrimmedLength(a), nb = TrimmedLength(b);
    const char16_t *pa = reinterpret_cast<const char16_t *>(a.constData());
    const char16_t *pb = reinterpret_cast<const char16_t *>(b.constData());
    const qsizetype n = std::min(na, nb);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t fa = FoldChar(pa[i]), fb = FoldChar(pb[i]);
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    if (na != nb)
        return na < nb ? -1 : 1;
    if (caseInsensitive)
        return 0;
    // Same letters: upper case first, then by code so the order is total.
    for (qsizetype i = 0; i < n; ++i)
        if (pa[i] != pb[i])
            return pa[i] < pb[i] ? -1 : 1;
    return 0;
}

bool SameKeyText(const QString &a, const QString &b, bool caseInsensitive)
{
    const qsizetype na = TrimmedLength(a), nb = TrimmedLength(b);
    if (na != nb)
        return false;
    if (!caseInsensitive)
        return QStringView(a).left(na) == QStringView(b).left(nb);
    return GreekCompare(a, b, true) == 0;
}

bool StartsWithKeyText(const QString &text, const QString &prefix, bool caseInsensitive)
{
    const qsizetype np = TrimmedLength(prefix);
    if (np > text.size())
        return false;
    const QString head = text.left(np);
    return caseInsensitive ? GreekCompare(head, prefix.left(np), true) == 0 : head == prefix.left(np);
}
