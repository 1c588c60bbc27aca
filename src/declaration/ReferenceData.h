// The shipped reference tables are made from UTF-8 CSV files whose header row names the table's fields.
#pragma once

#include <QString>
#include <QStringList>

class TTable;

// Splits one CSV line: quoted fields may hold commas and doubled quotes; they do not span lines.
QStringList SplitCsvLine(const QString &line);
// Creates the table afresh from the CSV file: it is built under a temporary name and replaces the existing
// table only once every row is in. Raises Exception naming the file and line of a value that does not fit.
void FillTableFromCsv(TTable *table, const QString &csvFile);
