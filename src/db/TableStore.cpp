#include "db/TableStore.h"

#include "db/GreekText.h"
#include "db/ParadoxImport.h"
#include "vcl/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <map>
#include <sqlite3.h>
#include <unistd.h>

namespace
{

constexpr int FormatVersion = 1;
const char SqliteMagic[] = "SQLite format 3";

// Kept past static destruction: a table may be released by a component freed at exit.
std::map<QString, std::weak_ptr<TTableStore>> &Registry()
{
    static auto *registry = new std::map<QString, std::weak_ptr<TTableStore>>;
    return *registry;
}

QString CanonicalKey(const QString &fileName)
{
    return QFileInfo(fileName).absoluteFilePath();
}

QString ShortName(const QString &fileName)
{
    return QFileInfo(fileName).fileName();
}

bool HasSqliteMagic(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(sizeof(SqliteMagic)).startsWith(SqliteMagic);
}

QByteArray Utf8(const QString &s)
{
    return s.toUtf8();
}

void BindValue(sqlite3_stmt *st, int col, const QVariant &v, TFieldType type)
{
    if (!v.isValid() || v.isNull()) {
        sqlite3_bind_null(st, col);
        return;
    }
    switch (type) {
    case ftString: {
        const QByteArray b = Utf8(v.toString());
        sqlite3_bind_text(st, col, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
        break;
    }
    case ftSmallint:
    case ftInteger:
    case ftBoolean:
        sqlite3_bind_int64(st, col, v.toLongLong());
        break;
    case ftCurrency:
        sqlite3_bind_int64(st, col, v.value<Currency>().Raw());
        break;
    case ftFloat:
    case ftDate:
        sqlite3_bind_double(st, col, v.toDouble());
        break;
    case ftUnknown:
        sqlite3_bind_null(st, col);
        break;
    }
}

// The stored value in the field's type. False when what is stored is not of that kind (text in an
// amount, a fraction in an integer, a number out of its field's range): the table is damaged, and
// reading such a value as 0 would give wrong wages and rates without a word.
bool ColumnValue(sqlite3_stmt *st, int col, TFieldType type, QVariant &value)
{
    value = QVariant();
    const int stored = sqlite3_column_type(st, col);
    if (stored == SQLITE_NULL)
        return true;
    if (stored == SQLITE_BLOB)
        return false;
    switch (type) {
    case ftString:
        value = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, col)),
                                  sqlite3_column_bytes(st, col));
        return true;
    case ftSmallint:
    case ftInteger: {
        if (stored != SQLITE_INTEGER)
            return false;
        const qint64 v = sqlite3_column_int64(st, col);
        const qint64 limit = type == ftSmallint ? 32767 : 2147483647;
        if (v < -limit - 1 || v > limit)
            return false;
        value = static_cast<int>(v);
        return true;
    }
    case ftBoolean:
        if (stored != SQLITE_INTEGER)
            return false;
        value = sqlite3_column_int64(st, col) != 0;
        return true;
    case ftCurrency:
        if (stored != SQLITE_INTEGER)
            return false;
        value = QVariant::fromValue(Currency::FromRaw(sqlite3_column_int64(st, col)));
        return true;
    case ftFloat:
    case ftDate: {
        if (stored != SQLITE_INTEGER && stored != SQLITE_FLOAT)
            return false;
        const double v = sqlite3_column_double(st, col);
        if (!std::isfinite(v))
            return false;
        value = v;
        return true;
    }
    case ftUnknown:
        break;
    }
    return false;
}

// What a field of the type holds, for the damaged-value message.
QString KindOfValue(TFieldType type)
{
    switch (type) {
    case ftString:
        return QStringLiteral("κείμενο");
    case ftSmallint:
    case ftInteger:
        return QStringLiteral("ακέραιος αριθμός μέσα στα όρια του πεδίου");
    case ftFloat:
        return QStringLiteral("αριθμός");
    case ftCurrency:
        return QStringLiteral("ποσό");
    case ftDate:
        return QStringLiteral("ημερομηνία");
    case ftBoolean:
        return QStringLiteral("τιμή ναι/όχι");
    case ftUnknown:
        break;
    }
    return QStringLiteral("τιμή του πεδίου");
}

// A prepared statement that finalizes itself.
struct Stmt {
    sqlite3_stmt *S = nullptr;
    Stmt(sqlite3 *db, const QByteArray &sql)
    {
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &S, nullptr) != SQLITE_OK)
            S = nullptr;
    }
    ~Stmt() { sqlite3_finalize(S); }
    explicit operator bool() const { return S != nullptr; }
};

QByteArray InsertSql(size_t fieldCount, bool withId)
{
    QByteArray cols = withId ? "Id" : "", vals = withId ? "?" : "";
    for (size_t i = 1; i <= fieldCount; ++i) {
        if (!cols.isEmpty()) {
            cols += ",";
            vals += ",";
        }
        cols += "c" + QByteArray::number(qulonglong(i));
        vals += "?";
    }
    return "INSERT INTO apd_rows(" + cols + ") VALUES(" + vals + ")";
}

// The reason of the engine's last error, in the user's words; the system's own cause where it tells more.
QString EngineReason(sqlite3 *db)
{
    if (const QString system = SystemErrorText(sqlite3_system_errno(db)); !system.isEmpty())
        return system;
    const int code = sqlite3_extended_errcode(db);
    switch (code & 0xFF) {
    case SQLITE_READONLY:
        return QStringLiteral("το αρχείο είναι μόνο για ανάγνωση");
    case SQLITE_FULL:
        return QStringLiteral("ο δίσκος είναι γεμάτος");
    case SQLITE_IOERR:
        return QStringLiteral("σφάλμα ανάγνωσης ή εγγραφής στον δίσκο");
    case SQLITE_CANTOPEN:
        return QStringLiteral("δεν ανοίγει το αρχείο ή ο φάκελός του");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("δεν επιτρέπεται η πρόσβαση στο αρχείο");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("ο πίνακας χρησιμοποιείται από άλλο πρόγραμμα");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("το αρχείο είναι κατεστραμμένο");
    case SQLITE_NOMEM:
        return QStringLiteral("δεν υπάρχει αρκετή μνήμη");
    case SQLITE_TOOBIG:
        return QStringLiteral("η τιμή είναι πολύ μεγάλη");
    default:
        return QStringLiteral("σφάλμα της μηχανής δεδομένων (κωδικός %1)").arg(code);
    }
}

[[noreturn]] void RaiseWrite(const QString &fileName, const QString &detail)
{
    throw EDatabaseError(QStringLiteral("Αδυναμία εγγραφής του πίνακα \"%1\": %2").arg(ShortName(fileName), detail));
}

} // namespace

QString DamagedTableMessage(const QString &fileName)
{
    return QStringLiteral("Το αρχείο \"%1\" είναι κατεστραμμένο ή δεν είναι πίνακας.").arg(fileName);
}

TTableStore::TTableStore(QString fileName) : FFileName(std::move(fileName))
{
}

TTableStore::~TTableStore()
{
    if (FDb)
        sqlite3_close(FDb);
    auto &reg = Registry();
    auto it = reg.find(CanonicalKey(FFileName));
    if (it != reg.end() && it->second.expired())
        reg.erase(it);
}

QString TTableStore::ResolveFileName(const QString &folder, const QString &tableName)
{
    QString name = tableName;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".db");
    QFileInfo info(QDir(folder), name);
    if (info.exists())
        return info.absoluteFilePath();
    // The tables carry names written in any case ("InsCases.Db", "InsCases.db").
    const QDir dir = info.absoluteDir();
    const QString wanted = info.fileName();
    for (const QString &entry : dir.entryList(QDir::Files))
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.absoluteFilePath(entry);
    return info.absoluteFilePath();
}

QString TTableStore::ParadoxAsideName(const QString &fileName)
{
    return fileName + QStringLiteral(".paradox");
}

std::shared_ptr<TTableStore> TTableStore::Acquire(const QString &fileName)
{
    const QString key = CanonicalKey(fileName);
    auto &reg = Registry();
    if (auto it = reg.find(key); it != reg.end())
        if (auto store = it->second.lock())
            return store;
    if (!QFileInfo(key).isFile())
        throw EDatabaseError(QStringLiteral("Ο πίνακας \"%1\" δεν υπάρχει.").arg(key));
    if (!HasSqliteMagic(key)) {
        if (!IsParadoxFile(key))
            throw EDatabaseError(DamagedTableMessage(key));
        // Convert the Paradox table: build the new file aside, then move the original away and the new
        // file in, so a failure at any step leaves the original where it was.
        const QString temp = key + QStringLiteral(".import");
        QFile::remove(temp);
        const TParadoxRecordCount count = ImportParadoxTable(key, temp);
        QString aside = ParadoxAsideName(key);
        for (int n = 2; QFileInfo::exists(aside); ++n)
            aside = ParadoxAsideName(key) + QString::number(n);
        if (std::rename(QFile::encodeName(key).constData(), QFile::encodeName(aside).constData()) != 0) {
            QFile::remove(temp);
            RaiseWrite(key, QStringLiteral("δεν μετονομάστηκε το αρχικό αρχείο"));
        }
        if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(key).constData()) != 0) {
            std::rename(QFile::encodeName(aside).constData(), QFile::encodeName(key).constData());
            QFile::remove(temp);
            RaiseWrite(key, QStringLiteral("δεν μετονομάστηκε το νέο αρχείο"));
        }
        if (count.Read != count.Claimed)
            MessageDlg(QStringLiteral("Ο πίνακας Paradox \"%1\" είναι κατεστραμμένος: η κεφαλίδα του δηλώνει %2 "
                                      "εγγραφές, ενώ τα μπλοκ δεδομένων του περιέχουν %3. Μεταφέρθηκαν οι %3 "
                                      "εγγραφές που διαβάστηκαν· ελέγξτε τα δεδομένα του πίνακα. Το αρχικό αρχείο "
                                      "φυλάχτηκε ως \"%4\".")
                           .arg(ShortName(key))
                           .arg(count.Claimed)
                           .arg(count.Read)
                           .arg(ShortName(aside)),
                       mtWarning, {mbOK}, 0);
    }
    std::shared_ptr<TTableStore> store(new TTableStore(key));
    store->Load();
    reg[key] = store;
    return store;
}

void TTableStore::Load()
{
    if (sqlite3_open_v2(QFile::encodeName(FFileName).constData(), &FDb, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(FDb);
        FDb = nullptr;
        if (sqlite3_open_v2(QFile::encodeName(FFileName).constData(), &FDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw EDatabaseError(DamagedTableMessage(FFileName));
    }
    // A file (or folder, where the engine keeps its journal) that this user may not write opens for
    // reading only, so nothing offers editing that could never be saved.
    FReadOnly = sqlite3_db_readonly(FDb, "main") != 0 ||
                ::access(QFile::encodeName(QFileInfo(FFileName).absolutePath()).constData(), W_OK) != 0;
    const auto damaged = [this] { throw EDatabaseError(DamagedTableMessage(FFileName)); };
    // One read of the whole file: the engine locks and checks it once rather than for every statement.
    struct TReadTransaction {
        sqlite3 *Db;
        bool Begun;
        explicit TReadTransaction(sqlite3 *db)
            : Db(db), Begun(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK)
        {
        }
        ~TReadTransaction()
        {
            if (Begun)
                sqlite3_exec(Db, "COMMIT", nullptr, nullptr, nullptr);
        }
    } read(FDb);
    {
        Stmt st(FDb, "SELECT Value FROM apd_info WHERE Key='Format'");
        if (!st || sqlite3_step(st.S) != SQLITE_ROW || sqlite3_column_int(st.S, 0) != FormatVersion)
            damaged();
    }
    {
        Stmt st(FDb, "SELECT FieldNo, Name, DataType, Size, Required FROM apd_fields ORDER BY FieldNo");
        if (!st)
            damaged();
        int rc;
        while ((rc = sqlite3_step(st.S)) == SQLITE_ROW) {
            TStoredFieldDef d;
            d.FieldNo = sqlite3_column_int(st.S, 0);
            d.Name = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.S, 1)));
            d.DataType =
                FieldTypeFromName(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.S, 2))));
            d.Size = sqlite3_column_int(st.S, 3);
            d.Required = sqlite3_column_int(st.S, 4) != 0;
            if (d.DataType == ftUnknown || d.Name.isEmpty() || d.FieldNo != static_cast<int>(FFields.size()) + 1)
                damaged();
            FFields.push_back(d);
        }
        if (rc != SQLITE_DONE || FFields.empty())
            damaged();
    }
    {
        Stmt st(FDb, "SELECT Name, Fields, Options FROM apd_indexes ORDER BY Position");
        if (!st)
            damaged();
        int rc;
        while ((rc = sqlite3_step(st.S)) == SQLITE_ROW) {
            TStoredIndexDef d;
            d.Name = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.S, 0)));
            d.Fields = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.S, 1)));
            d.Options = sqlite3_column_int(st.S, 2);
            FIndexes.push_back(d);
        }
        if (rc != SQLITE_DONE)
            damaged();
    }
    QByteArray cols = "Id";
    for (size_t i = 1; i <= FFields.size(); ++i)
        cols += ",c" + QByteArray::number(qulonglong(i));
    Stmt st(FDb, "SELECT " + cols + " FROM apd_rows ORDER BY Id");
    if (!st)
        damaged();
    int rc;
    while ((rc = sqlite3_step(st.S)) == SQLITE_ROW) {
        auto row = std::make_shared<TStoredRow>();
        row->Id = sqlite3_column_int64(st.S, 0);
        row->Values.resize(FFields.size());
        for (size_t i = 0; i < FFields.size(); ++i) {
            const int col = static_cast<int>(i) + 1;
            if (!ColumnValue(st.S, col, FFields[i].DataType, row->Values[i])) {
                // The stored kind is read before the text, which converts it.
                const bool blob = sqlite3_column_type(st.S, col) == SQLITE_BLOB;
                const QString shown =
                    blob ? QStringLiteral("δυαδικά δεδομένα")
                         : QStringLiteral("\"%1\"").arg(
                               QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.S, col)),
                                                 sqlite3_column_bytes(st.S, col))
                                   .left(40));
                throw EDatabaseError(QStringLiteral("Ο πίνακας \"%1\" είναι κατεστραμμένος: στην εγγραφή %2 το πεδίο "
                                                    "\"%3\" έχει την τιμή %4, που δεν είναι %5.")
                                         .arg(ShortName(FFileName))
                                         .arg(FRows.size() + 1)
                                         .arg(FFields[i].Name, shown, KindOfValue(FFields[i].DataType)));
            }
        }
        FRows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        damaged();
}

void TTableStore::CreateFile(const QString &fileName, const std::vector<TStoredFieldDef> &fields,
                             const std::vector<TStoredIndexDef> &indexes, const std::vector<TRowValues> &rows)
{
    if (fields.empty())
        throw EDatabaseError(QStringLiteral("Ο πίνακας \"%1\" δεν έχει πεδία.").arg(ShortName(fileName)));
    const QString target = QFileInfo(fileName).absoluteFilePath();
    const QString temp =
        QFileInfo(target).absolutePath() + QStringLiteral("/~") + QFileInfo(target).fileName() + QStringLiteral(".tmp");
    QFile::remove(temp);
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(temp).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString reason = db ? EngineReason(db) : QStringLiteral("δεν υπάρχει αρκετή μνήμη");
        sqlite3_close(db);
        QFile::remove(temp);
        RaiseWrite(target, QStringLiteral("δεν δημιουργήθηκε το αρχείο (%1)").arg(reason));
    }
    const auto fail = [&](const QString &detail) {
        const QString msg = detail.isEmpty() ? EngineReason(db) : detail;
        sqlite3_close(db);
        QFile::remove(temp);
        RaiseWrite(target, msg);
    };
    QByteArray schema = "BEGIN;"
                        "CREATE TABLE apd_info(Key TEXT PRIMARY KEY, Value);"
                        "CREATE TABLE apd_fields(FieldNo INTEGER PRIMARY KEY, Name TEXT NOT NULL, DataType TEXT "
                        "NOT NULL, Size INTEGER NOT NULL, Required INTEGER NOT NULL);"
                        "CREATE TABLE apd_indexes(Position INTEGER PRIMARY KEY, Name TEXT NOT NULL, Fields TEXT "
                        "NOT NULL, Options INTEGER NOT NULL);"
                        "CREATE TABLE apd_rows(Id INTEGER PRIMARY KEY";
    for (size_t i = 1; i <= fields.size(); ++i)
        schema += ",c" + QByteArray::number(qulonglong(i));
    schema += ");INSERT INTO apd_info VALUES('Format'," + QByteArray::number(FormatVersion) + ");";
    if (sqlite3_exec(db, schema.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail({});
    {
        Stmt st(db, "INSERT INTO apd_fields VALUES(?,?,?,?,?)");
        if (!st)
            fail({});
        for (size_t i = 0; i < fields.size(); ++i) {
            const QByteArray name = Utf8(fields[i].Name), type = Utf8(FieldTypeName(fields[i].DataType));
            if (fields[i].DataType == ftUnknown)
                fail(QStringLiteral("άγνωστος τύπος πεδίου \"%1\"").arg(fields[i].Name));
            sqlite3_bind_int(st.S, 1, static_cast<int>(i) + 1);
            sqlite3_bind_text(st.S, 2, name.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st.S, 3, type.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(st.S, 4, fields[i].Size);
            sqlite3_bind_int(st.S, 5, fields[i].Required ? 1 : 0);
            if (sqlite3_step(st.S) != SQLITE_DONE)
                fail({});
            sqlite3_reset(st.S);
        }
    }
    {
        Stmt st(db, "INSERT INTO apd_indexes VALUES(?,?,?,?)");
        if (!st)
            fail({});
        for (size_t i = 0; i < indexes.size(); ++i) {
            const QByteArray name = Utf8(indexes[i].Name), flds = Utf8(indexes[i].Fields);
            sqlite3_bind_int(st.S, 1, static_cast<int>(i) + 1);
            sqlite3_bind_text(st.S, 2, name.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(st.S, 3, flds.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(st.S, 4, indexes[i].Options);
            if (sqlite3_step(st.S) != SQLITE_DONE)
                fail({});
            sqlite3_reset(st.S);
        }
    }
    if (!rows.empty()) {
        Stmt st(db, InsertSql(fields.size(), false));
        if (!st)
            fail({});
        for (const TRowValues &row : rows) {
            for (size_t i = 0; i < fields.size(); ++i) {
                QVariant v;
                if (i < row.size() && !TryConvertValue(row[i], fields[i].DataType, v))
                    fail(QStringLiteral("η τιμή \"%1\" δεν ταιριάζει στο πεδίο \"%2\"")
                             .arg(row[i].toString(), fields[i].Name));
                if (fields[i].DataType == ftString && v.isValid() && fields[i].Size > 0)
                    v = v.toString().left(fields[i].Size);
                BindValue(st.S, static_cast<int>(i) + 1, v, fields[i].DataType);
            }
            if (sqlite3_step(st.S) != SQLITE_DONE)
                fail({});
            sqlite3_reset(st.S);
        }
    }
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail({});
    sqlite3_close(db);
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0) {
        const QString reason = SystemErrorText(errno);
        QFile::remove(temp);
        RaiseWrite(target, reason.isEmpty() ? QStringLiteral("δεν μετονομάστηκε το προσωρινό αρχείο") : reason);
    }
}

bool TTableStore::IsInUse(const QString &fileName)
{
    auto &reg = Registry();
    auto it = reg.find(CanonicalKey(fileName));
    return it != reg.end() && !it->second.expired();
}

bool TTableStore::Exists(const QString &fileName)
{
    return QFileInfo(fileName).isFile();
}

void TTableStore::DeleteFile(const QString &fileName)
{
    if (IsInUse(fileName))
        throw EDatabaseError(QStringLiteral("Ο πίνακας \"%1\" είναι σε χρήση.").arg(ShortName(fileName)));
    if (!QFile::remove(fileName))
        throw EDatabaseError(QStringLiteral("Αδυναμία διαγραφής του πίνακα \"%1\".").arg(ShortName(fileName)));
}

void TTableStore::RenameFile(const QString &fileName, const QString &newFileName)
{
    if (IsInUse(fileName) || IsInUse(newFileName))
        throw EDatabaseError(QStringLiteral("Ο πίνακας \"%1\" είναι σε χρήση.").arg(ShortName(fileName)));
    if (QFileInfo::exists(newFileName))
        throw EDatabaseError(QStringLiteral("Ο πίνακας \"%1\" υπάρχει ήδη.").arg(ShortName(newFileName)));
    if (!QFileInfo(fileName).isFile() || !QFile::rename(fileName, newFileName))
        throw EDatabaseError(QStringLiteral("Αδυναμία μετονομασίας του πίνακα \"%1\".").arg(ShortName(fileName)));
}

int TTableStore::FieldIndex(const QString &name) const
{
    for (size_t i = 0; i < FFields.size(); ++i)
        if (FFields[i].Name == name)
            return static_cast<int>(i);
    for (size_t i = 0; i < FFields.size(); ++i)
        if (FFields[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void TTableStore::Normalize(TRowValues &values) const
{
    values.resize(FFields.size());
    for (size_t i = 0; i < FFields.size(); ++i) {
        const TStoredFieldDef &f = FFields[i];
        QVariant v = ConvertValue(values[i], f.DataType, f.Name);
        if (f.DataType == ftString && v.isValid()) {
            QString s = v.toString();
            if (f.Size > 0 && s.size() > f.Size)
                s.truncate(f.Size);
            v = s.isEmpty() ? QVariant() : QVariant(s);
        }
        values[i] = v;
    }
}

void TTableStore::CheckRow(const TRowValues &values, const TStoredRow *self) const
{
    for (size_t i = 0; i < FFields.size(); ++i)
        if (FFields[i].Required && !values[i].isValid())
            throw EDatabaseError(QStringLiteral("Το πεδίο \"%1\" πρέπει να έχει τιμή.").arg(FFields[i].Name));
    for (const TStoredIndexDef &ix : FIndexes) {
        if (!(ix.Options & (ixPrimary | ixUnique)))
            continue;
        std::vector<int> cols;
        for (const QString &n : SplitFieldNames(ix.Fields))
            if (int c = FieldIndex(n); c >= 0)
                cols.push_back(c);
        const bool ci = ix.Options & ixCaseInsensitive;
        for (const TStoredRowPtr &row : FRows) {
            if (row.get() == self)
                continue;
            bool same = true;
            for (int c : cols) {
                const QVariant &a = row->Values[c], &b = values[c];
                if (a.isValid() != b.isValid() || (a.isValid() && CompareValues(a, b, FFields[c].DataType, ci) != 0)) {
                    same = false;
                    break;
                }
            }
            if (same)
                throw EKeyViolation(ShortName(FFileName));
        }
    }
}

QString TTableStore::WriteFailureReason() const
{
    // A file or folder made unwritable while the table is open fails as a plain input/output error (or as
    // a journal that cannot be made); say why.
    if (::access(QFile::encodeName(FFileName).constData(), W_OK) != 0)
        return QStringLiteral("δεν επιτρέπεται πια η εγγραφή στο αρχείο");
    if (::access(QFile::encodeName(QFileInfo(FFileName).absolutePath()).constData(), W_OK) != 0)
        return QStringLiteral("δεν επιτρέπεται πια η εγγραφή στον φάκελο του αρχείου");
    return EngineReason(FDb);
}

void TTableStore::Fail(const QString &what) const
{
    RaiseWrite(FFileName, what.isEmpty() ? WriteFailureReason() : what);
}

void TTableStore::Exec(const char *sql)
{
    if (sqlite3_exec(FDb, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail({});
}

void TTableStore::CheckWritable() const
{
    if (FReadOnly)
        RaiseWrite(FFileName, QStringLiteral("το αρχείο είναι μόνο για ανάγνωση"));
}

TStoredRowPtr TTableStore::Insert(const TRowValues &values)
{
    CheckWritable();
    TRowValues v = values;
    Normalize(v);
    CheckRow(v, nullptr);
    Exec("BEGIN IMMEDIATE");
    Stmt st(FDb, InsertSql(FFields.size(), false));
    if (!st) {
        sqlite3_exec(FDb, "ROLLBACK", nullptr, nullptr, nullptr);
        Fail({});
    }
    for (size_t i = 0; i < FFields.size(); ++i)
        BindValue(st.S, static_cast<int>(i) + 1, v[i], FFields[i].DataType);
    if (sqlite3_step(st.S) != SQLITE_DONE || sqlite3_exec(FDb, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString msg = WriteFailureReason();
        sqlite3_exec(FDb, "ROLLBACK", nullptr, nullptr, nullptr);
        Fail(msg);
    }
    auto row = std::make_shared<TStoredRow>();
    row->Id = sqlite3_last_insert_rowid(FDb);
    row->Values = std::move(v);
    FRows.push_back(row);
    ++FVersion;
    return row;
}

void TTableStore::Update(const TStoredRowPtr &row, const TRowValues &values)
{
    CheckWritable();
    TRowValues v = values;
    Normalize(v);
    CheckRow(v, row.get());
    QByteArray sql = "UPDATE apd_rows SET ";
    for (size_t i = 1; i <= FFields.size(); ++i)
        sql += (i > 1 ? ",c" : "c") + QByteArray::number(qulonglong(i)) + "=?";
    sql += " WHERE Id=?";
    Exec("BEGIN IMMEDIATE");
    Stmt st(FDb, sql);
    bool ok = static_cast<bool>(st);
    if (ok) {
        for (size_t i = 0; i < FFields.size(); ++i)
            BindValue(st.S, static_cast<int>(i) + 1, v[i], FFields[i].DataType);
        sqlite3_bind_int64(st.S, static_cast<int>(FFields.size()) + 1, row->Id);
        ok = sqlite3_step(st.S) == SQLITE_DONE && sqlite3_exec(FDb, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    if (!ok) {
        const QString msg = WriteFailureReason();
        sqlite3_exec(FDb, "ROLLBACK", nullptr, nullptr, nullptr);
        Fail(msg);
    }
    row->Values = std::move(v);
    ++FVersion;
}

void TTableStore::Delete(const TStoredRowPtr &row)
{
    CheckWritable();
    Exec("BEGIN IMMEDIATE");
    Stmt st(FDb, "DELETE FROM apd_rows WHERE Id=?");
    bool ok = static_cast<bool>(st);
    if (ok) {
        sqlite3_bind_int64(st.S, 1, row->Id);
        ok = sqlite3_step(st.S) == SQLITE_DONE && sqlite3_exec(FDb, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    if (!ok) {
        const QString msg = WriteFailureReason();
        sqlite3_exec(FDb, "ROLLBACK", nullptr, nullptr, nullptr);
        Fail(msg);
    }
    std::erase(FRows, row);
    ++FVersion;
}
