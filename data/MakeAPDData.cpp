// Builds the shipped reference tables from their CSV sources: MakeAPDData <csv folder> <APDData folder>.
// The read-only tables are rebuilt from the sources; the employers and employees tables are created empty
// only when missing, so a rebuild never clears data typed into them.
#include "declaration/APDDataModuleF.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace
{

// One CSV line may hold quoted fields with commas and doubled quotes; quoted fields do not span lines.
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

void FillTable(TTable *table, const QString &csvFile)
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: MakeAPDData <csv folder> <APDData folder>\n");
        return 2;
    }
    const QString csv = QString::fromLocal8Bit(argv[1]), out = QString::fromLocal8Bit(argv[2]);
    try {
        if (!QDir().mkpath(out))
            throw Exception(QStringLiteral("cannot create %1").arg(out));
        std::unique_ptr<TAPDDataModule> m(TAPDDataModule::CreateDesign(nullptr));
        m->dbAPD->SetParamValue(QStringLiteral("PATH"), out);
        for (TTable *t : {m->tbEmployes, m->tbEmployers})
            if (!t->Exists())
                t->CreateTable();
        FillTable(m->tbIkaOffices, QDir(csv).filePath(QStringLiteral("IkaOffices.csv")));
        FillTable(m->tbInsCases, QDir(csv).filePath(QStringLiteral("InsCases.csv")));
        FillTable(m->tbPayment, QDir(csv).filePath(QStringLiteral("Payment.csv")));
        FillTable(m->tbConPhase, QDir(csv).filePath(QStringLiteral("ConPhase.csv")));
    } catch (const Exception &e) {
        std::fprintf(stderr, "MakeAPDData: %s\n", e.what());
        return 1;
    }
    return 0;
}
