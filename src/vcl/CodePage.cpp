#include "CodePage.h"

namespace {
// Unicode of each cp1253 byte; 0xFFFF marks the bytes the code page leaves undefined.
constexpr char16_t kToUnicode[256] = {
    0x0000, 0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006, 0x0007,
    0x0008, 0x0009, 0x000A, 0x000B, 0x000C, 0x000D, 0x000E, 0x000F,
    0x0010, 0x0011, 0x0012, 0x0013, 0x0014, 0x0015, 0x0016, 0x0017,
    0x0018, 0x0019, 0x001A, 0x001B, 0x001C, 0x001D, 0x001E, 0x001F,
    0x0020, 0x0021, 0x0022, 0x0023, 0x0024, 0x0025, 0x0026, 0x0027,
    0x0028, 0x0029, 0x002A, 0x002B, 0x002C, 0x002D, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    0x0040, 0x0041, 0x0042, 0x0043, 0x0044, 0x0045, 0x0046, 0x0047,
    0x0048, 0x0049, 0x004A, 0x004B, 0x004C, 0x004D, 0x004E, 0x004F,
    0x0050, 0x0051, 0x0052, 0x0053, 0x0054, 0x0055, 0x0056, 0x0057,
    0x0058, 0x0059, 0x005A, 0x005B, 0x005C, 0x005D, 0x005E, 0x005F,
    0x0060, 0x0061, 0x0062, 0x0063, 0x0064, 0x0065, 0x0066, 0x0067,
    0x0068, 0x0069, 0x006A, 0x006B, 0x006C, 0x006D, 0x006E, 0x006F,
    0x0070, 0x0071, 0x0072, 0x0073, 0x0074, 0x0075, 0x0076, 0x0077,
    0x0078, 0x0079, 0x007A, 0x007B, 0x007C, 0x007D, 0x007E, 0x007F,
    0x20AC, 0xFFFF, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0xFFFF, 0x2030, 0xFFFF, 0x2039, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF,
    0xFFFF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFF, 0x2122, 0xFFFF, 0x203A, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF,
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0xFFFF, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,
    0x03A0, 0x03A1, 0xFFFF, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0xFFFF,
};

// Undefined bytes read as private-use characters so a damaged file writes back unchanged, while
// nothing a user types can turn into them.
constexpr char16_t kUndefinedBase = 0xF000;

struct ReverseTable {
    // Every character the code page defines lies below U+2200.
    unsigned char low[0x2200] = {};
    ReverseTable()
    {
        for (int b = 0; b < 256; ++b) {
            const char16_t u = kToUnicode[b];
            if (u < 0x2200)
                low[u] = static_cast<unsigned char>(b);
        }
    }
};
const ReverseTable &Reverse()
{
    static const ReverseTable table;
    return table;
}
} // namespace

bool CharToCp1253(QChar ch, char &byte)
{
    const char16_t u = ch.unicode();
    if (u == 0) {
        byte = 0;
        return true;
    }
    if (u < 0x2200) {
        const unsigned char b = Reverse().low[u];
        if (b == 0)
            return false;
        byte = static_cast<char>(b);
        return true;
    }
    // Above U+2200 only the characters that stand for undefined bytes; U+FFFF, the table's mark for
    // those bytes, is none of the code page's.
    if (const int undefined = UndefinedCp1253Byte(ch); undefined >= 0) {
        byte = static_cast<char>(undefined);
        return true;
    }
    return false;
}

QString FromCp1253(const char *data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = static_cast<unsigned char>(data[i]);
        const char16_t u = kToUnicode[b];
        dst[i] = QChar(u == 0xFFFF ? char16_t(kUndefinedBase + b) : u);
    }
    return out;
}

QString FromCp1253(const QByteArray &bytes)
{
    return FromCp1253(bytes.constData(), bytes.size());
}

qsizetype FindNonCp1253(const QString &text)
{
    char b;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!CharToCp1253(text[i], b))
            return i;
    return -1;
}

bool IsCp1253(const QString &text)
{
    return FindNonCp1253(text) < 0;
}

int UndefinedCp1253Byte(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u < kUndefinedBase || u > kUndefinedBase + 0xFF || kToUnicode[u - kUndefinedBase] != 0xFFFF)
        return -1;
    return u - kUndefinedBase;
}

qsizetype FindUndefinedCp1253(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (UndefinedCp1253Byte(text[i]) >= 0)
            return i;
    return -1;
}

QByteArray ToCp1253(const QString &text, const QString &what)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!CharToCp1253(text[i], out[i])) {
            const QString ch = text.mid(i, text[i].isHighSurrogate() ? 2 : 1);
            const QString where = what.isEmpty() ? QString() : QStringLiteral(" στο πεδίο «%1»").arg(what);
            throw ECodePageError(
                QStringLiteral("Ο χαρακτήρας «%1»%2 δεν υπάρχει στην ελληνική κωδικοσελίδα 1253.").arg(ch, where));
        }
    }
    return out;
}
