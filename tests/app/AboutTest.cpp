#include "app/AboutF.h"
#include "app/VersionInfoCtrl.h"

#include "platform/FileVersion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <gtest/gtest.h>

namespace
{
// A file with a version block somewhere inside, as a version resource holds it.
QString WriteVersionedFile(const QTemporaryDir &dir, quint32 ms, quint32 ls, quint32 flags)
{
    QByteArray data(64, 'x');
    const quint32 words[13] = {VS_FFI_SIGNATURE, VS_FFI_STRUCVERSION, ms, ls, ms, ls, 0x3F, flags, 0x40004, 1, 0, 0, 0};
    for (quint32 w : words) {
        char bytes[4];
        qToLittleEndian(w, bytes);
        data.append(bytes, 4);
    }
    data.append(QByteArray(100, '\0'));
    const QString name = dir.filePath("program.exe");
    QFile f(name);
    f.open(QIODevice::WriteOnly);
    f.write(data);
    return name;
}

void SaveSnapshot(TForm &form, const char *name)
{
    const QByteArray dir = qgetenv("APD_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        form.Peer()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
}
} // namespace

TEST(VersionInfo, VersionTextsFromTheFileVersionBlock)
{
    QTemporaryDir dir;
    const QString both = WriteVersionedFile(dir, (3u << 16) | 1u, (0u << 16) | 7u, VS_FF_DEBUG | VS_FF_PRERELEASE);
    EXPECT_EQ(GetVersionString(both, true), "Debug Prerelease Version 3.1.0 Build:7");
    EXPECT_EQ(GetVersionString(both, false), "Debug Prerelease Version 3.1");
    const QString plain = WriteVersionedFile(dir, (1u << 16) | 2u, (3u << 16) | 45u, 0);
    EXPECT_EQ(GetVersionString(plain, true), "Version 1.2.3 Build:45");
    EXPECT_EQ(GetFileFlags(plain), 0u);

    // A file without version information leaves the version as it was and has no flags.
    const QString none = dir.filePath("plain.txt");
    QFile f(none);
    f.open(QIODevice::WriteOnly);
    f.write("ΑΠΔ");
    f.close();
    TFileVersion v{0x10002u, 0x30004u};
    GetFileVersion(none, v);
    EXPECT_EQ(v, (TFileVersion{0x10002u, 0x30004u}));
    EXPECT_EQ(GetFileFlags(none), 0u);
    EXPECT_EQ(GetVersionString(dir.filePath("missing"), true), "Version 0.0.0 Build:0");

    // The program's own version is the one it was built with.
    const TVSFixedFileInfo own = Platform::ProgramVersionInfo();
    TFileVersion mine{0, 0};
    GetFileVersion(QString(), mine);
    EXPECT_EQ(mine, (TFileVersion{own.dwFileVersionMS, own.dwFileVersionLS}));
    EXPECT_TRUE(GetVersionString(QString(), true)
                    .endsWith(QStringLiteral("Version %1.%2.%3 Build:%4")
                                  .arg(own.dwFileVersionMS >> 16)
                                  .arg(own.dwFileVersionMS & 0xFFFF)
                                  .arg(own.dwFileVersionLS >> 16)
                                  .arg(own.dwFileVersionLS & 0xFFFF)));
}

TEST(About, PermutationsAndThePronounceabilityFilter)
{
    std::vector<std::vector<int>> seen;
    TAbout::PermuteIndices(3, [&](const std::vector<int> &p) { seen.push_back(p); });
    const std::vector<std::vector<int>> expected = {{2, 1, 0}, {2, 0, 1}, {1, 0, 2}, {1, 2, 0}, {0, 2, 1}, {0, 1, 2}};
    EXPECT_EQ(seen, expected);
    int count = 0;
    TAbout::PermuteIndices(7, [&](const std::vector<int> &) { ++count; });
    EXPECT_EQ(count, 5040);

    EXPECT_FALSE(TAbout::IsPronounceable("a", false));
    EXPECT_FALSE(TAbout::IsPronounceable("lmao", false));
    EXPECT_TRUE(TAbout::IsPronounceable("lamo", false));
    EXPECT_FALSE(TAbout::IsPronounceable("anna", false));
    EXPECT_TRUE(TAbout::IsPronounceable("otto", false));
    EXPECT_TRUE(TAbout::IsPronounceable("moon", false));
    EXPECT_FALSE(TAbout::IsPronounceable("astra", false));
    EXPECT_TRUE(TAbout::IsPronounceable("asta", false));
    EXPECT_FALSE(TAbout::IsPronounceable("asta", true));
    EXPECT_TRUE(TAbout::IsPronounceable("kamitos", true));

    // Repeated letters give each name once (24 orders, 6 distinct names), capitalised.
    TStringList names;
    TAbout::PermuteIndices(4, [&](const std::vector<int> &p) { TAbout::CollectAnagram("otto", p, false, &names); });
    EXPECT_EQ(names.Count(), 6);
    EXPECT_GE(names.IndexOf("Otto"), 0);
    EXPECT_GE(names.IndexOf("Toot"), 0);
    names.Clear();
    names.Add("ANNE");
    TAbout::PermuteIndices(4, [&](const std::vector<int> &p) { TAbout::CollectAnagram("enna", p, false, &names); });
    // "nn" is refused; "anne" is held already in another case.
    EXPECT_EQ(names.IndexOf("Anne"), 0);
    EXPECT_GE(names.IndexOf("Nena"), 0);
    for (int i = 1; i < names.Count(); ++i)
        EXPECT_FALSE(names.Get(i).contains("nn", Qt::CaseInsensitive)) << names.Get(i).toStdString();
}

TEST(About, CreditsFollowTheDesignedLines)
{
    TAbout about(nullptr);
    EXPECT_EQ(about.Caption(), "Για το πρόγραμμα");
    EXPECT_EQ(about.ClientWidth(), 412);
    EXPECT_EQ(about.ClientHeight(), 309);
    EXPECT_TRUE(about.Label2->Caption().startsWith("DovraAPD "));
    EXPECT_TRUE(about.Label2->Caption().contains("Version "));
    EXPECT_EQ(about.NameRoller1->FocusedSize(), 40);
    EXPECT_TRUE(about.NameRoller1->Scroll());

    const QStringList items = about.NameRoller1->Items()->ToStringList();
    // Sixteen designed lines eight times, eight empty lines, then the team.
    ASSERT_GT(items.size(), 16 * 8 + 10);
    for (int i = 0; i < 16 * 8; ++i)
        EXPECT_EQ(items[i], items[i % 16]);
    EXPECT_EQ(items[0], "ΑΝΑΛΥΤΙΚΗ ");
    EXPECT_EQ(items[10], "ΕΡΓΩΝ");
    for (int i = 128; i < 136; ++i)
        EXPECT_EQ(items[i], "");
    EXPECT_EQ(items[136], "Programming Team");
    EXPECT_EQ(items[137], "");

    const int credits = std::min(about.Words1()->Count(), about.Words2()->Count());
    EXPECT_EQ(about.Words2()->Count(), 144);
    ASSERT_GT(credits, 50);
    // Credit lines from 138 on, each followed by an empty line, a remark after lines 10, 20, 30 ...
    int pos = 138;
    for (int i = 0; i < credits; ++i) {
        EXPECT_EQ(items[pos], about.Words1()->Get(i) + " " + about.Words2()->Get(i));
        pos += 2;
        if (i > 0 && i % 10 == 0) {
            EXPECT_EQ(items[pos], TAbout::Remarks[(i / 10) % 5]) << i;
            if (i == 10) {
                EXPECT_EQ(items[pos], "more to come...");
            }
            if (i == 50) {
                EXPECT_EQ(items[pos], "please wait...");
            }
            pos += 4;
        }
    }
    EXPECT_EQ(pos, items.size());
}

TEST(About, ClickOnTheDrumClosesTheBox)
{
    TAbout about(nullptr);
    QTimer::singleShot(300, &about, [&] {
        EXPECT_GT(about.NameRoller1->Position(), 0.0f);
        // A tool window of the designed size at the designed place, with a close button only.
        const QWidget *w = about.Peer();
        EXPECT_EQ(w->windowType(), Qt::Tool);
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(w->size(), QSize(412, 309));
        EXPECT_EQ(w->maximumSize(), QSize(412, 309));
        EXPECT_EQ(w->frameGeometry().topLeft(), QPoint(303, 149));
        SaveSnapshot(about, "About.png");
        about.NameRoller1->Click();
    });
    EXPECT_EQ(about.ShowModal(), mrOk);
}

TEST(About, EscapeClosesTheBoxAsItClosesEveryDialog)
{
    TAbout about(nullptr);
    bool shown = false;
    QTimer::singleShot(100, &about, [&] {
        shown = about.Peer()->isVisible();
        QTest::keyClick(about.Peer()->windowHandle(), Qt::Key_Escape);
    });
    // A box that Esc did not close would hang here: the drum is clicked after a while instead.
    QTimer::singleShot(3000, &about, [&] { about.NameRoller1->Click(); });
    EXPECT_EQ(about.ShowModal(), mrCancel);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(about.Peer()->isVisible());
}
