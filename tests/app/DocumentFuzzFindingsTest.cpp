// Documents the fuzzer found, each taken down the road it took there: File > Open; then, for a document
// that opens, Save As, File > Open of what was saved, Save As again and the export. A document is either
// refused with one message, or saved, reopened and saved again to the same bytes.
#include "MainWindowDriver.h"
#include "vcl/ComponentStream.h"

#include <QDir>

namespace
{

using DocumentFuzzFindingsTest = MainWindowFixture;

} // namespace

TEST_F(DocumentFuzzFindingsTest, EachFindingIsRefusedOrTravelsTheWholeRoad)
{
    const QDir findings(QStringLiteral(APD_SOURCE_DIR "/tests/app/fuzz-findings"));
    const QStringList files = findings.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString input = Dir.filePath(QStringLiteral("input.vapd"));
        QFile::remove(input);
        ASSERT_TRUE(QFile::copy(findings.filePath(name), input));
        Main->FileControl1->SetModified(false);
        Messages.clear();
        Open(input);
        if (Main->FileControl1->FileName() != input) {
            EXPECT_EQ(Messages.size(), 1u);
            continue;
        }
        const QString first = Dir.filePath(QStringLiteral("first.vapd")),
                      second = Dir.filePath(QStringLiteral("second.vapd"));
        SaveAs(first);
        if (Main->FileControl1->FileName() != first) {
            EXPECT_EQ(Messages.size(), 1u); // a value the program refuses to write, with its message
            continue;
        }
        Main->FileControl1->SetModified(false);
        Open(first);
        ASSERT_EQ(Main->FileControl1->FileName(), first) << (Messages.empty() ? "" : Messages.back().toStdString());
        SaveAs(second);
        const QByteArray a = ReadAll(first), b = ReadAll(second);
        if (a != b) {
            // The finding and the two saves as text, to compare by eye or with diff.
            const QString stem = QDir::temp().filePath(name);
            for (const auto &[suffix, bytes] : {std::pair{".input.txt", ReadAll(input)}, std::pair{".first.txt", a},
                                                std::pair{".second.txt", b}}) {
                QFile f(stem + QLatin1String(suffix));
                if (f.open(QIODevice::WriteOnly))
                    f.write(ObjectBinaryToText(bytes));
            }
            ADD_FAILURE() << "saved again, the reopened document differs; see " << stem.toStdString() << ".*.txt";
        }
        EXPECT_FALSE(Export(Dir.filePath(QStringLiteral("csc01"))).isEmpty() && Messages.empty());
    }
}
