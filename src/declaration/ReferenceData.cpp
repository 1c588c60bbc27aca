#include "ReferenceData.h"

#include "db/DBTables.h"

#include <QFile>
#include <QTextStream>

QStringList SplitCsvLine(const QString &line)
{
    QStringList out;
    QString cur;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line.at(i + 1) == u'"') {
                cur += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cur += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            out << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    out << cur;
    return out;
}

void FillTableFromCsv(TTable *table, const QString &csvFile)
{
    QFile f(csvFile);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Exception(QStringLiteral("cannot read %1").arg(csvFile));
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    const QStringList header = SplitCsvLine(in.readLine());
    const QString name = table->TableName();
    const QString building = QStringLiteral("~") + name;
    table->SetReadOnly(false);
    table->SetTableName(building);
    table->CreateTable();
    table->Open();
    int line = 1;
    while (!in.atEnd()) {
        const QString text = in.readLine();
        ++line;
        if (text.trimmed().isEmpty())
            continue;
        const QStringList values = SplitCsvLine(text);
        table->Append();
        try {
            for (qsizetype i = 0; i < header.size() && i < values.size(); ++i)
                table->FieldByName(header[i].trimmed())->SetAsString(values[i].trimmed());
            table->Post();
        } catch (const Exception &e) {
            throw Exception(QStringLiteral("%1:%2: %3").arg(csvFile).arg(line).arg(e.Message()));
        }
    }
    table->Close();
    table->SetTableName(name);
    if (table->Exists())
        table->DeleteTable();
    table->SetTableName(building);
    table->RenameTable(name);
    table->SetTableName(name);
}
