// Documents with more pages than a declaration may hold (64, as Add page allows) are refused through
// File > Open with a message that says how many pages the file has and how many a declaration may have;
// nothing of them is built, however many pages they claim, and the open document stays as it was.
#include "support/DocumentOfPages.h"
#include "MainWindowDriver.h"

#include "app/ApdDataF.h"
#include "vcl/ComponentStream.h"

#include <QFile>

namespace
{

class OversizedDocument : public MainWindowFixture
{
protected:
    // Opens the file through File > Open; returns the message shown, empty when none.
    QString OpenRefused(const QByteArray &Bytes, int Pages)
    {
        const QString path = Dir.filePath(QStringLiteral("%1.vapd").arg(Pages));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Bytes);
        f.close();
        Messages.clear();
        Answers = {mrAbort};
        TApdData *before = Doc();
        const quint64 made = TComponent::CreatedCount();
        Open(path);
        EXPECT_EQ(Doc(), before);
        EXPECT_EQ(Doc()->PageCount(), 4);
        // Refused before any page was built: a window and its pages would be thousands of components.
        EXPECT_LT(TComponent::CreatedCount() - made, 500u);
        EXPECT_EQ(Messages.size(), 1u);
        return Messages.empty() ? QString() : Messages[0];
    }
};

} // namespace

TEST_F(OversizedDocument, MorePagesThanADeclarationHoldsAreRefusedBeforeAnyPageIsBuilt)
{
    // The largest declaration opens.
    const QString sixtyFour = Dir.filePath(QStringLiteral("64.vapd"));
    {
        QFile f(sixtyFour);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(DocumentOfPages(64));
    }
    Open(sixtyFour);
    ASSERT_TRUE(Messages.empty()) << Messages.front().toStdString();
    EXPECT_EQ(Doc()->PageCount(), 64);
    Trigger(Main->aNew);

    for (int pages : {65, 5000, 100000}) {
        const QString message = OpenRefused(DocumentOfPages(pages), pages);
        EXPECT_TRUE(message.contains(QStringLiteral("Το έγγραφο έχει %1 σελίδες· μια δήλωση έχει το πολύ 64 σελίδες.")
                                         .arg(pages)))
            << message.toStdString();
        EXPECT_TRUE(message.startsWith(QStringLiteral("Αδυναμία ανοίγματος αρχείου "))) << message.toStdString();
    }
}
