// A declaration of 64 pages of three lines (192 employee lines) built and written to memory: the
// whole export of a large declaration, without the disk.
#include "declaration/ApdFile.h"

#include <benchmark/benchmark.h>

namespace
{
void FillLine(int index, TEmployeeRecord &e, TInsuranceRecord &i)
{
    char *er = e.data();
    char *ir = i.data();
    PutText(QStringLiteral("2"), er, 1, QStringLiteral("Εγγραφή"));
    PutDigits(QString::number(100000 + (index * 7919) % 40), er + 1, 9); // 40 employees, scattered
    PutDigits(QStringLiteral("01017012345"), er + 10, 11);
    PutText(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), er + 21, 50, QStringLiteral("Επώνυμο"));
    PutText(QStringLiteral("ΓΕΩΡΓΙΟΣ"), er + 71, 30, QStringLiteral("Όνομα"));
    PutText(QStringLiteral("ΙΩΑΝΝΗΣ"), er + 101, 30, QStringLiteral("Όνομα πατρός"));
    PutText(QStringLiteral("ΜΑΡΙΑ"), er + 131, 30, QStringLiteral("Όνομα μητρός"));
    PutDateText(QStringLiteral("5/11/1970"), er + 161, 8);
    PutDigits("123456789", er + 169, 9);
    PutText(QStringLiteral("1"), er + 178, 1, QStringLiteral("Οικογενειακή κατάσταση"));
    PutText(QStringLiteral("3"), ir, 1, QStringLiteral("Εγγραφή"));
    PutDigits(QStringLiteral("052"), ir + 1, 3);
    PutDigits(QStringLiteral("2"), ir + 4, 1);
    PutInt(1, ir + 5, 1);
    PutDigits(QStringLiteral("933110"), ir + 6, 6);
    PutDigits(QStringLiteral("0"), ir + 12, 2);
    PutDigits(QStringLiteral("1106"), ir + 14, 4);
    PutDate(EncodeDate(2024, 2, 1), ir + 18, 8);
    PutDate(EncodeDate(2024, 2, 29), ir + 26, 8);
    static const char *const types[] = {"01", "08", "09", "10", "11", "14"};
    PutDigits(types[index % 6], ir + 34, 2);
    PutInt(21, ir + 36, 2);
    PutAmount(Currency::FromCents(6150), ir + 38, 10);
    PutAmount(Currency::FromCents(133763), ir + 48, 10);
    PutDigits(QStringLiteral("1"), ir + 58, 2);
    PutInt(0, ir + 60, 2);
    PutAmount(Currency::FromCents(21402), ir + 62, 10);
    PutAmount(Currency::FromCents(37060), ir + 72, 10);
    PutAmount(Currency::FromCents(58462), ir + 82, 11);
}

void BM_Declaration192Lines(benchmark::State &state)
{
    for (auto _ : state) {
        TApdFile file;
        char *h = file.HeaderRecord.data();
        PutDate(EncodeDate(2024, 3, 15), h + 567, 8);
        PutDate(0, h + 575, 8);
        PutDigits(QStringLiteral("01"), h + 15, 2);
        PutText(QStringLiteral("ΑΘΗΝΩΝ"), h + 20, 50, QStringLiteral("Υποκατάστημα"));
        PutText(QStringLiteral("ΑΝΕΓΕΡΣΗ ΟΙΚΟΔΟΜΗΣ"), h + 305, 100, QStringLiteral("Είδος έργου"));
        PutAmount(Currency::FromCents(192 * 133763), h + 535, 12);
        PutInt(192 * 21, h + 547, 8);
        PutAmount(Currency::FromCents(192 * 58462), h + 555, 12);
        for (int page = 0; page < 64; ++page)
            for (int line = 0; line < 3; ++line) {
                TEmployeeRecord e;
                TInsuranceRecord i;
                FillLine(page * 3 + line, e, i);
                file.AddRecord(e, i);
            }
        QByteArray bytes;
        file.WriteToStream(bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_Declaration192Lines)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
