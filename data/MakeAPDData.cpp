// Builds the shipped reference tables from their CSV sources: MakeAPDData <csv folder> <APDData folder>.
// The read-only tables are rebuilt from the sources; the employers and employees tables are created empty
// when missing or empty (so they follow the design), never over data typed into them.
#include "declaration/APDDataModuleF.h"
#include "db/TableStore.h"
#include "declaration/ReferenceData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <memory>

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
            if (!t->Exists() || TTableStore::Acquire(t->FileName())->Rows().empty())
                t->CreateTable();

        FillTableFromCsv(m->tbIkaOffices, QDir(csv).filePath(QStringLiteral("IkaOffices.csv")));
        FillTableFromCsv(m->tbInsCases, QDir(csv).filePath(QStringLiteral("InsCases.csv")));
        FillTableFromCsv(m->tbPayment, QDir(csv).filePath(QStringLiteral("Payment.csv")));
        FillTableFromCsv(m->tbConPhase, QDir(csv).filePath(QStringLiteral("ConPhase.csv")));
    } catch (const Exception &e) {
        std::fprintf(stderr, "MakeAPDData: %s\n", e.what());
        return 1;
    }
    return 0;
}
