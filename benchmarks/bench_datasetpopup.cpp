// The dataset pop-up over an employees table of 3000 rows: filtering from the bar (the grid reads its rows
// again and paints them) and locating a bound box's record before the pop-up shows.
#include "XForms/DataSetPopupF.h"
#include "XForms/DbXForms.h"
#include "db/DBTables.h"
#include "db/TableStore.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

struct Folder {
    Folder()
    {
        RegisterDBClasses();
        Db = new TDatabase(&Owner);
        Db->SetDatabaseName(QStringLiteral("BenchApd"));
        Db->SetParamValue(QStringLiteral("PATH"), Dir.path());
        static const char16_t *const surnames[] = {u"Παπαδόπουλος", u"Αλεξίου",  u"Γεωργίου",   u"Βασιλείου",
                                                   u"Δημητρίου",    u"Ζαχαρίου", u"Ηλιόπουλος", u"Θεοδώρου"};
        std::vector<TRowValues> rows;
        for (int i = 0; i < 3000; ++i)
            rows.push_back({QStringLiteral("%1").arg(100000 + i, 10, 10, QLatin1Char('0')),
                            QString::fromUtf16(surnames[i % 8]) + QString::number(i), QStringLiteral("Όνομα")});
        TTableStore::CreateFile(
            Dir.filePath(QStringLiteral("Employers.db")),
            {{QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), ftString, 10, true, 1},
             {QStringLiteral("ΕΠΩΝΥΜΟ"), ftString, 20, false, 2},
             {QStringLiteral("ΟΝΟΜΑ"), ftString, 15, false, 3}},
            {{QStringLiteral("primary"), QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), ixPrimary | ixUnique}}, rows);
        Table = new TTable(&Owner);
        Table->SetName(QStringLiteral("tbEmployers"));
        Table->SetDatabaseName(QStringLiteral("BenchApd"));
        Table->SetTableName(QStringLiteral("Employers.db"));
        Table->Open();
        Source = new TDataSource(&Owner);
        Source->SetDataSet(Table);
    }
    QTemporaryDir Dir;
    TComponent Owner{nullptr};
    TDatabase *Db = nullptr;
    TTable *Table = nullptr;
    TDataSource *Source = nullptr;
};

void BM_FilterFromTheBar(benchmark::State &state)
{
    Folder folder;
    TDataSetPopup popup(nullptr);
    popup.SetDataSet(folder.Table);
    TDataSetFilterFrame *bar = popup.DataSetFilterFrame1;
    bar->FieldsCombo->SetItemIndex(1);
    bar->FieldsComboChange(bar->FieldsCombo);
    QImage image(popup.Width(), popup.Height(), QImage::Format_ARGB32_Premultiplied);
    const QString values[] = {QStringLiteral("Γεω"), QStringLiteral("Παπαδόπουλος1"), QStringLiteral("Α")};
    int n = 0;
    for (auto _ : state) {
        bar->FilterValueEdit->SetText(values[n++ % 3]);
        bar->FilterValueEditChange(bar->FilterValueEdit);
        QPainter p(&image);
        bar->DBGrid1->Peer()->render(&p);
    }
}
BENCHMARK(BM_FilterFromTheBar)->Unit(benchmark::kMillisecond);

void BM_LocateGroupBeforeShowing(benchmark::State &state)
{
    Folder folder;
    TComponent owner(nullptr);
    auto *key = new TDbLookupXFrame(&owner);
    key->SetDataSource(folder.Source);
    key->SetDataField(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."));
    key->SetGroup(0);
    int n = 0;
    for (auto _ : state) {
        key->SetCaption(QStringLiteral("%1").arg(100000 + (n++ * 997) % 3000, 10, 10, QLatin1Char('0')));
        key->LocateCurrent(true);
        benchmark::DoNotOptimize(folder.Table->RecNo());
    }
}
BENCHMARK(BM_LocateGroupBeforeShowing)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
