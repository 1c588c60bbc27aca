// Reading Paradox tables (the files users of the earlier program have) through pxlib. pxlib gets raw
// bytes only: text is decoded from cp1253 here and every value is read from the raw record, since
// pxlib's own conversions misreport nulls of 32-bit fields on 64-bit machines.
#pragma once

#include "db/DBTypes.h"

// A quick look at the header: does the file look like a Paradox data file?
bool IsParadoxFile(const QString &fileName);
// Are the data blocks of the file a chain within the file, without loops, each holding whole records?
// (Checked before pxlib reads it.)
bool HasSoundBlockChain(const QString &fileName);

// How many records the data blocks held, and how many the header said there were. They differ in a
// damaged file; the records read are what the blocks hold.
struct TParadoxRecordCount {
    qint64 Read = 0;
    qint64 Claimed = 0;
};

// Reads the field definitions, the primary key and every record the data blocks hold. Raises
// EDatabaseError naming the file when it cannot be read or a field has a type the engine does not hold.
TParadoxRecordCount ReadParadoxTable(const QString &fileName, std::vector<TStoredFieldDef> &fields,
                                     std::vector<TStoredIndexDef> &indexes, std::vector<TRowValues> &rows);
// Writes the Paradox table as a table file under targetFile. pxlib runs in a child process, so that a damaged
// file that would hang or crash it is reported (EDatabaseError naming the file) instead.
TParadoxRecordCount ImportParadoxTable(const QString &fileName, const QString &targetFile, int timeoutMs = 10000);
