#include "support/ParadoxTestFiles.h"

#include <QDate>
#include <QFile>
#include <cstring>
// pxlib's header declares C functions without extern "C".
extern "C" {
#include <paradox.h>
}

namespace
{
// Integers and logicals are written as raw bytes: big-endian with the sign bit flipped, zero meaning null.
void PutRaw(char *p, quint32 value, int n)
{
    for (int i = n - 1; i >= 0; --i, value >>= 8)
        p[i] = static_cast<char>(value & 0xFF);
}
} // namespace

bool WriteParadoxTable(const QString &fileName, const std::vector<TPxField> &fields, int primaryKeyFields,
                       const std::vector<std::vector<QVariant>> &rows)
{
    pxdoc_t *doc = PX_new();
    if (!doc)
        return false;
    // pxlib keeps the field array and frees it on close, so it must come from its allocator.
    auto *pf = static_cast<pxfield_t *>(doc->malloc(doc, sizeof(pxfield_t) * fields.size(), "test"));
    int recordSize = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        pf[i].px_fname = PX_strdup(doc, fields[i].Name.constData());
        pf[i].px_ftype = fields[i].Type;
        pf[i].px_flen = fields[i].Length;
        pf[i].px_fdc = 0;
        recordSize += fields[i].Length;
    }
    if (PX_create_file(doc, pf, static_cast<int>(fields.size()), QFile::encodeName(fileName).constData(),
                       primaryKeyFields > 0 ? pxfFileTypIndexDB : pxfFileTypNonIndexDB) < 0) {
        PX_delete(doc);
        return false;
    }
    if (primaryKeyFields > 0)
        PX_set_value(doc, "numprimkeys", static_cast<float>(primaryKeyFields));
    std::vector<char> buf(static_cast<size_t>(recordSize));
    for (const auto &row : rows) {
        std::memset(buf.data(), 0, buf.size());
        int off = 0;
        for (size_t i = 0; i < fields.size(); ++i) {
            char *p = buf.data() + off;
            const QVariant &v = row[i];
            const int len = fields[i].Length;
            off += len;
            if (!v.isValid())
                continue;
            switch (fields[i].Type) {
            case pxfAlpha: {
                QByteArray b = v.toByteArray().left(len);
                std::memcpy(p, b.constData(), static_cast<size_t>(b.size()));
                break;
            }
            case pxfShort:
                PutRaw(p, static_cast<quint16>(v.toInt()) ^ 0x8000u, 2);
                break;
            case pxfLong:
                PutRaw(p, static_cast<quint32>(v.toInt()) ^ 0x80000000u, 4);
                break;
            case pxfNumber:
            case pxfCurrency:
                PX_put_data_double(doc, p, len, v.toDouble());
                break;
            case pxfLogical:
                p[0] = static_cast<char>(v.toBool() ? 0x81 : 0x80);
                break;
            case pxfDate: {
                const QDate d = v.toDate();
                PutRaw(p, static_cast<quint32>(PX_GregorianToSdn(d.year(), d.month(), d.day()) - 1721425) ^ 0x80000000u,
                       4);
                break;
            }
            default:
                break;
            }
        }
        PX_put_record(doc, buf.data());
    }
    PX_close(doc);
    PX_delete(doc);
    return true;
}
