// One table file: a SQLite database holding the rows and the table's stored field and index definitions.
// Every cursor on the same file shares one in-memory copy of the rows; every write is a transaction on the
// file first and reaches the shared rows only when it committed.
#pragma once

#include "db/DBTypes.h"

#include <memory>

struct sqlite3;

struct TStoredRow {
    qint64 Id = 0;
    TRowValues Values;
};
using TStoredRowPtr = std::shared_ptr<TStoredRow>;

class TTableStore
{
public:
    ~TTableStore();
    TTableStore(const TTableStore &) = delete;
    TTableStore &operator=(const TTableStore &) = delete;

    // The file for a table name in a folder: an existing file whose name matches without regard to case,
    // else the name as given. A name without extension gets ".db".
    static QString ResolveFileName(const QString &folder, const QString &tableName);
    // The shared store of a file, loading it on first use. A Paradox table found under the name is
    // converted first (the original is kept beside it). Raises EDatabaseError with a Greek message naming
    // the file when it is missing, damaged or not a table.
    static std::shared_ptr<TTableStore> Acquire(const QString &fileName);
    // Builds a table file in a temporary file and renames it into place, replacing any table there.
    static void CreateFile(const QString &fileName, const std::vector<TStoredFieldDef> &fields,
                           const std::vector<TStoredIndexDef> &indexes, const std::vector<TRowValues> &rows = {});
    static bool IsInUse(const QString &fileName);
    static bool Exists(const QString &fileName);
    static void DeleteFile(const QString &fileName);
    static void RenameFile(const QString &fileName, const QString &newFileName);
    // The name a converted Paradox original is kept under.
    static QString ParadoxAsideName(const QString &fileName);

    const QString &FileName() const { return FFileName; }
    const std::vector<TStoredFieldDef> &FieldDefs() const { return FFields; }
    const std::vector<TStoredIndexDef> &IndexDefs() const { return FIndexes; }
    const std::vector<TStoredRowPtr> &Rows() const { return FRows; }
    int FieldIndex(const QString &name) const; // exact name, else without regard to case; -1 when absent
    // The file (or its folder) cannot be written by this user: every write is refused.
    bool ReadOnly() const { return FReadOnly; }
    // Bumped on every committed write, so cursors know to rebuild their views.
    quint64 Version() const { return FVersion; }

    // Values are converted to the field types and checked (required fields, unique keys) before writing.
    TStoredRowPtr Insert(const TRowValues &values);
    void Update(const TStoredRowPtr &row, const TRowValues &values);
    void Delete(const TStoredRowPtr &row);

private:
    explicit TTableStore(QString fileName);
    void Load();
    void Normalize(TRowValues &values) const;
    void CheckRow(const TRowValues &values, const TStoredRow *self) const;
    void CheckWritable() const;
    QString WriteFailureReason() const;
    void Exec(const char *sql);
    [[noreturn]] void Fail(const QString &what) const;

    QString FFileName;
    sqlite3 *FDb = nullptr;
    std::vector<TStoredFieldDef> FFields;
    std::vector<TStoredIndexDef> FIndexes;
    std::vector<TStoredRowPtr> FRows;
    quint64 FVersion = 0;
    bool FReadOnly = false;
};

// Texts of the engine's errors, shared with the dataset classes.
QString DamagedTableMessage(const QString &fileName);
