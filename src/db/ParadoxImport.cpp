#include "db/ParadoxImport.h"

#include "db/TableStore.h"
#include "vcl/CodePage.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <memory>
// pxlib's header declares C functions without extern "C".
extern "C" {
#include <paradox.h>
}

namespace
{

struct PxError {
    QString Message;
};

void ErrorHandler(pxdoc_t *, int level, const char *msg, void *data)
{
    if (level != PX_Warning && data && static_cast<PxError *>(data)->Message.isEmpty())
        static_cast<PxError *>(data)->Message = QString::fromLocal8Bit(msg);
}

struct PxDoc {
    pxdoc_t *Doc = nullptr;
    bool Opened = false;
    ~PxDoc()
    {
        if (Doc) {
            if (Opened)
                PX_close(Doc);
            PX_delete(Doc);
        }
    }
};

quint32 BigEndian(const unsigned char *p, int n)
{
    quint32 v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

bool AllZero(const unsigned char *p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i])
            return false;
    return true;
}

double RawDouble(const unsigned char *p)
{
    unsigned char b[8];
    std::memcpy(b, p, 8);
    if (b[0] & 0x80) {
        b[0] &= 0x7F;
    } else {
        for (unsigned char &c : b)
            c = static_cast<unsigned char>(~c);
    }
    quint64 bits = 0;
    for (unsigned char c : b)
        bits = (bits << 8) | c;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

} // namespace

bool IsParadoxFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray h = f.read(0x78);
    if (h.size() < 0x78)
        return false;
    const auto u8 = [&](int i) { return static_cast<unsigned char>(h.at(i)); };
    const int recordSize = u8(0) | (u8(1) << 8);
    const int headerSize = u8(2) | (u8(3) << 8);
    const int fileType = u8(4);
    const int maxTableSize = u8(5);
    const int numFields = u8(0x21) | (u8(0x22) << 8);
    return recordSize > 0 && headerSize >= 0x78 &&
           (fileType == pxfFileTypIndexDB || fileType == pxfFileTypNonIndexDB) && maxTableSize >= 1 &&
           maxTableSize <= 32 && numFields >= 1 && numFields <= 255 && f.size() >= headerSize;
}

void ReadParadoxTable(const QString &fileName, std::vector<TStoredFieldDef> &fields,
                      std::vector<TStoredIndexDef> &indexes, std::vector<TRowValues> &rows)
{
    const QString shortName = QFileInfo(fileName).fileName();
    PxError error;
    PxDoc px;
    px.Doc = PX_new2(ErrorHandler, nullptr, nullptr, nullptr);
    if (!px.Doc)
        throw EDatabaseError(DamagedTableMessage(fileName));
    px.Doc->errorhandler_user_data = &error;
    if (PX_open_file(px.Doc, QFile::encodeName(fileName).constData()) < 0)
        throw EDatabaseError(DamagedTableMessage(fileName));
    px.Opened = true;
    const pxhead_t *head = px.Doc->px_head;
    const int numFields = PX_get_num_fields(px.Doc);
    const int recordSize = PX_get_recordsize(px.Doc);
    pxfield_t *pf = PX_get_fields(px.Doc);
    if (!head || !pf || numFields <= 0 || recordSize <= 0)
        throw EDatabaseError(DamagedTableMessage(fileName));

    fields.clear();
    int offset = 0;
    std::vector<int> offsets;
    for (int i = 0; i < numFields; ++i) {
        TStoredFieldDef d;
        d.FieldNo = i + 1;
        d.Name = FromCp1253(pf[i].px_fname, static_cast<qsizetype>(std::strlen(pf[i].px_fname)));
        switch (pf[i].px_ftype) {
        case pxfAlpha:
            d.DataType = ftString;
            d.Size = pf[i].px_flen;
            break;
        case pxfShort:
            d.DataType = ftSmallint;
            break;
        case pxfLong:
        case pxfAutoInc:
            d.DataType = ftInteger;
            break;
        case pxfNumber:
            d.DataType = ftFloat;
            break;
        case pxfCurrency:
            d.DataType = ftCurrency;
            break;
        case pxfLogical:
            d.DataType = ftBoolean;
            break;
        case pxfDate:
            d.DataType = ftDate;
            break;
        default:
            throw EDatabaseError(QStringLiteral("Ο πίνακας \"%1\" έχει πεδίο (\"%2\") τύπου που δεν υποστηρίζεται.")
                                     .arg(shortName, d.Name));
        }
        offsets.push_back(offset);
        offset += pf[i].px_flen;
        fields.push_back(d);
    }
    if (offset > recordSize)
        throw EDatabaseError(DamagedTableMessage(fileName));

    indexes.clear();
    if (head->px_primarykeyfields > 0 && head->px_primarykeyfields <= numFields) {
        QStringList keys;
        for (int i = 0; i < head->px_primarykeyfields; ++i)
            keys << fields[i].Name;
        indexes.push_back({QStringLiteral("primary"), keys.join(u';'), ixPrimary | ixUnique});
    }

    rows.clear();
    const int count = PX_get_num_records(px.Doc);
    std::vector<unsigned char> buf(static_cast<size_t>(recordSize));
    for (int r = 0; r < count; ++r) {
        if (!PX_get_record(px.Doc, r, reinterpret_cast<char *>(buf.data())))
            throw EDatabaseError(DamagedTableMessage(fileName));
        TRowValues row;
        for (int i = 0; i < numFields; ++i) {
            const unsigned char *p = buf.data() + offsets[i];
            const int len = pf[i].px_flen;
            QVariant v;
            switch (pf[i].px_ftype) {
            case pxfAlpha: {
                int n = 0;
                while (n < len && p[n])
                    ++n;
                if (n > 0)
                    v = FromCp1253(reinterpret_cast<const char *>(p), n);
                break;
            }
            case pxfShort:
                if (!AllZero(p, 2))
                    v = static_cast<int>(static_cast<qint16>(BigEndian(p, 2) ^ 0x8000u));
                break;
            case pxfLong:
            case pxfAutoInc:
                if (!AllZero(p, 4))
                    v = static_cast<int>(static_cast<qint32>(BigEndian(p, 4) ^ 0x80000000u));
                break;
            case pxfDate:
                if (!AllZero(p, 4)) {
                    const long days = static_cast<qint32>(BigEndian(p, 4) ^ 0x80000000u);
                    int y = 0, m = 0, d = 0;
                    PX_SdnToGregorian(days + 1721425L, &y, &m, &d);
                    TDateTime dt = 0;
                    if (TryEncodeDate(y, m, d, dt))
                        v = static_cast<double>(dt);
                }
                break;
            case pxfNumber:
                if (!AllZero(p, 8))
                    v = RawDouble(p);
                break;
            case pxfCurrency:
                if (!AllZero(p, 8)) {
                    try {
                        v = QVariant::fromValue(Currency::FromDouble(RawDouble(p)));
                    } catch (const Exception &) {
                        throw EDatabaseError(DamagedTableMessage(fileName));
                    }
                }
                break;
            case pxfLogical:
                if (p[0])
                    v = (p[0] & 0x7F) != 0;
                break;
            default:
                break;
            }
            row.push_back(v);
        }
        rows.push_back(std::move(row));
    }
}
