// Writes small Paradox tables with pxlib for the import tests. Values are given as raw cp1253 bytes,
// never longer than their field.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <vector>

struct TPxField {
    QByteArray Name; // cp1253
    char Type;       // pxf... code
    int Length;
};

// rows: per field a QVariant (QByteArray for alpha, int, double, bool, QDate); invalid = null.
bool WriteParadoxTable(const QString &fileName, const std::vector<TPxField> &fields, int primaryKeyFields,
                       const std::vector<std::vector<QVariant>> &rows);
