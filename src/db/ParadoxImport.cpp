#include "db/ParadoxImport.h"

#include "db/TableStore.h"
#include "vcl/CodePage.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <csignal>
#include <cstring>
#include <dlfcn.h>
#include <memory>
#include <sys/wait.h>
#include <type_traits>
#include <unistd.h>
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

// pxlib's entry points, from the library loaded at the first Paradox table read: most starts read none,
// and the library brings a dozen shared libraries of its own that would all be loaded at every start.
struct TPxLib {
    decltype(&PX_new2) New2 = nullptr;
    decltype(&PX_open_file) OpenFile = nullptr;
    decltype(&PX_get_num_fields) GetNumFields = nullptr;
    decltype(&PX_get_recordsize) GetRecordSize = nullptr;
    decltype(&PX_get_fields) GetFields = nullptr;
    decltype(&PX_SdnToGregorian) SdnToGregorian = nullptr;
    decltype(&PX_close) Close = nullptr;
    decltype(&PX_delete) Delete = nullptr;
};

// The loaded library; raises EDatabaseError naming FileName when it is not installed.
const TPxLib &PxLib(const QString &FileName)
{
    static const TPxLib lib = [] {
        TPxLib l;
        // Never unloaded: the program keeps it until it ends.
        void *h = dlopen(APD_PXLIB_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!h)
            return l;
        const auto get = [h](auto &f, const char *name) {
            f = reinterpret_cast<std::decay_t<decltype(f)>>(dlsym(h, name));
        };
        get(l.New2, "PX_new2");
        get(l.OpenFile, "PX_open_file");
        get(l.GetNumFields, "PX_get_num_fields");
        get(l.GetRecordSize, "PX_get_recordsize");
        get(l.GetFields, "PX_get_fields");
        get(l.SdnToGregorian, "PX_SdnToGregorian");
        get(l.Close, "PX_close");
        get(l.Delete, "PX_delete");
        return l;
    }();
    if (!lib.New2 || !lib.OpenFile || !lib.GetNumFields || !lib.GetRecordSize || !lib.GetFields ||
        !lib.SdnToGregorian || !lib.Close || !lib.Delete)
        throw EDatabaseError(QStringLiteral("Ο πίνακας \"%1\" δεν μπορεί να διαβαστεί: λείπει η βιβλιοθήκη "
                                            "ανάγνωσης πινάκων Paradox (%2).")
                                 .arg(QFileInfo(FileName).fileName(), QLatin1String(APD_PXLIB_SONAME)));
    return lib;
}

struct PxDoc {
    const TPxLib &Px;
    pxdoc_t *Doc = nullptr;
    bool Opened = false;
    ~PxDoc()
    {
        if (Doc) {
            if (Opened)
                Px.Close(Doc);
            Px.Delete(Doc);
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

namespace
{

// Where the records of a Paradox data file lie: its data blocks in chain order, each with the number of
// records it holds.
struct TBlockChain {
    int RecordSize = 0;
    qint64 Claimed = 0;
    std::vector<std::pair<qint64, int>> Blocks; // file offset of the first record, records in the block
};

bool ReadBlockChain(QFile &f, TBlockChain &chain)
{
    // pxlib follows the chain of data blocks without bounds or cycle checks, so a damaged chain would hang
    // it or send it reading far outside the file: walk the chain here first.
    if (!f.seek(0))
        return false;
    const QByteArray h = f.read(0x78);
    if (h.size() < 0x78)
        return false;
    const auto u16 = [](const QByteArray &b, int i) {
        return static_cast<int>(static_cast<unsigned char>(b.at(i)) | (static_cast<unsigned char>(b.at(i + 1)) << 8));
    };
    const int recordSize = u16(h, 0);
    const qint64 headerSize = u16(h, 2);
    const qint64 blockSize = static_cast<qint64>(static_cast<unsigned char>(h.at(5))) * 0x400;
    const int fileBlocks = u16(h, 0x0C);
    const int firstBlock = u16(h, 0x0E);
    const int lastBlock = u16(h, 0x10);
    if (blockSize <= 0 || recordSize <= 0 || recordSize > blockSize - 6 || f.size() < headerSize)
        return false;
    const qint64 blocksInFile = (f.size() - headerSize) / blockSize;
    if (fileBlocks > blocksInFile || lastBlock > blocksInFile || firstBlock > blocksInFile)
        return false;
    chain.RecordSize = recordSize;
    chain.Claimed = static_cast<qint64>(static_cast<quint32>(u16(h, 6) | (u16(h, 8) << 16)));
    chain.Blocks.clear();
    std::vector<bool> seen(static_cast<size_t>(blocksInFile) + 1, false);
    for (int block = firstBlock; block != 0;) {
        if (block > blocksInFile || seen[static_cast<size_t>(block)])
            return false;
        seen[static_cast<size_t>(block)] = true;
        const qint64 at = headerSize + (block - 1) * blockSize;
        if (!f.seek(at))
            return false;
        const QByteArray b = f.read(6);
        if (b.size() < 6)
            return false;
        // The size of the records after the first: one record less than the block holds.
        const int addDataSize = static_cast<qint16>(u16(b, 4));
        if (addDataSize >= blockSize - 6 || addDataSize < -recordSize || addDataSize % recordSize != 0)
            return false;
        const int records = addDataSize / recordSize + 1;
        if (static_cast<qint64>(records) * recordSize > blockSize - 6)
            return false;
        chain.Blocks.emplace_back(at + 6, records);
        block = u16(b, 0);
    }
    return true;
}

} // namespace

bool HasSoundBlockChain(const QString &fileName)
{
    QFile f(fileName);
    TBlockChain chain;
    return f.open(QIODevice::ReadOnly) && ReadBlockChain(f, chain);
}

TParadoxRecordCount ReadParadoxTable(const QString &fileName, std::vector<TStoredFieldDef> &fields,
                                     std::vector<TStoredIndexDef> &indexes, std::vector<TRowValues> &rows)
{
    const QString shortName = QFileInfo(fileName).fileName();
    PxError error;
    const TPxLib &lib = PxLib(fileName);
    PxDoc px{lib};
    QFile file(fileName);
    TBlockChain chain;
    if (!IsParadoxFile(fileName) || !file.open(QIODevice::ReadOnly) || !ReadBlockChain(file, chain))
        throw EDatabaseError(DamagedTableMessage(fileName));
    px.Doc = lib.New2(ErrorHandler, nullptr, nullptr, nullptr);
    if (!px.Doc)
        throw EDatabaseError(DamagedTableMessage(fileName));
    px.Doc->errorhandler_user_data = &error;
    if (lib.OpenFile(px.Doc, QFile::encodeName(fileName).constData()) < 0)
        throw EDatabaseError(DamagedTableMessage(fileName));
    px.Opened = true;
    const pxhead_t *head = px.Doc->px_head;
    const int numFields = lib.GetNumFields(px.Doc);
    const int recordSize = lib.GetRecordSize(px.Doc);
    pxfield_t *pf = lib.GetFields(px.Doc);
    if (!head || !pf || numFields <= 0 || recordSize != chain.RecordSize)
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

    // The records are what the data blocks hold, whatever the header's count says: a damaged count must
    // not drop rows silently (the caller compares the two).
    rows.clear();
    std::vector<unsigned char> buf(static_cast<size_t>(recordSize));
    TParadoxRecordCount count;
    count.Claimed = chain.Claimed;
    for (const auto &[blockAt, blockRecords] : chain.Blocks)
        for (int r = 0; r < blockRecords; ++r) {
            if (!file.seek(blockAt + static_cast<qint64>(r) * recordSize) ||
                file.read(reinterpret_cast<char *>(buf.data()), recordSize) != recordSize)
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
                        lib.SdnToGregorian(days + 1721425L, &y, &m, &d);
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
    count.Read = static_cast<qint64>(rows.size());
    return count;
}

TParadoxRecordCount ImportParadoxTable(const QString &fileName, const QString &targetFile, int timeoutMs)
{
    if (!IsParadoxFile(fileName) || !HasSoundBlockChain(fileName))
        throw EDatabaseError(DamagedTableMessage(fileName));
    // Loaded here, not in the child: a process with threads that forks should not load libraries after.
    PxLib(fileName);
    // pxlib is not safe against every damaged file (it can loop for ever or read out of bounds), so it
    // reads in a child process that writes the new table; a child that fails, crashes or overruns its time
    // means a damaged file, and this process goes on.
    int fds[2];
    if (pipe(fds) != 0)
        throw EDatabaseError(DamagedTableMessage(fileName));
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        throw EDatabaseError(DamagedTableMessage(fileName));
    }
    if (pid == 0) {
        close(fds[0]);
        int rc = 0;
        QByteArray message;
        try {
            std::vector<TStoredFieldDef> fields;
            std::vector<TStoredIndexDef> indexes;
            std::vector<TRowValues> rows;
            const TParadoxRecordCount count = ReadParadoxTable(fileName, fields, indexes, rows);
            TTableStore::CreateFile(targetFile, fields, indexes, rows);
            // Success tells the parent the two counts; a failure, its message.
            message = QByteArray::number(count.Read) + ' ' + QByteArray::number(count.Claimed);
        } catch (const Exception &e) {
            message = e.Message().toUtf8();
            rc = 1;
        } catch (...) {
            rc = 1;
        }
        if (!message.isEmpty() && write(fds[1], message.constData(), static_cast<size_t>(message.size())) < 0)
            rc = 1;
        _exit(rc);
    }
    close(fds[1]);
    QElapsedTimer timer;
    timer.start();
    int status = 0;
    bool finished = false;
    while (!finished) {
        const pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid || r < 0) {
            finished = r == pid;
            break;
        }
        if (timer.elapsed() > timeoutMs) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        QThread::msleep(2);
    }
    QByteArray message;
    char buf[512];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        message.append(buf, n);
    close(fds[0]);
    if (!finished || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        QFile::remove(targetFile);
        throw EDatabaseError(message.isEmpty() ? DamagedTableMessage(fileName) : QString::fromUtf8(message));
    }
    const QList<QByteArray> numbers = message.split(' ');
    TParadoxRecordCount count;
    bool readOk = false, claimedOk = false;
    if (numbers.size() == 2) {
        count.Read = numbers[0].toLongLong(&readOk);
        count.Claimed = numbers[1].toLongLong(&claimedOk);
    }
    if (!readOk || !claimedOk) {
        QFile::remove(targetFile);
        throw EDatabaseError(DamagedTableMessage(fileName));
    }
    return count;
}
