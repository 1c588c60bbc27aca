// Damaged and hostile streams end in EReadError with a message, and in nothing else.
#include "StreamTestTypes.h"
#include "vcl/CodePage.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace
{

QByteArray B(std::initializer_list<int> bytes)
{
    QByteArray b;
    for (int x : bytes)
        b.append(char(x));
    return b;
}

QByteArray S(const char *s)
{
    return char(strlen(s)) + QByteArray(s);
}

const char *const RichText = R"(object Root: TTestRoot
  Number = 1745
  Caption = 'Σελίδα'
  Ratio = 0.25
  Amount = 12.34c
  Edges = [egRight]
  Lines.Strings = (
    'α'
    'β')
  Columns = <
    item
      Title = 'x'
      Width = 80
    end>
  object Panel: TTestItem
    Link = Source2
    OnClick = ItemClick
    OnGetText = ItemGetText
    object Label: TTestItem
      Side = sdBottom
      Font.Height = -15
      ParentFont = False
    end
    inline Frame1: TTestFrame
      object Part1: TTestItem
        Number = 9
      end
    end
  end
  object Source2: TTestItem
    Big = 1099511627776
  end
end
)";

// Reads into a fresh root; returns the error message, empty on success. Any other exception fails.
QString TryRead(const QByteArray &data, TReaderLimits limits = {})
{
    TTestRoot root(nullptr);
    try {
        TReader reader(data, limits);
        reader.ReadRootComponent(&root);
    } catch (const EReadError &e) {
        EXPECT_FALSE(e.Message().isEmpty());
        EXPECT_FALSE(root.ComponentState() & (csLoading | csReading));
        return e.Message();
    }
    return QString();
}

QByteArray Doc(const QByteArray &body)
{
    return "TPF0" + S("TTestRoot") + S("Root") + body;
}

} // namespace

TEST(DamagedStream, EveryTruncationIsReported)
{
    const QByteArray good = ObjectTextToBinary(RichText);
    ASSERT_TRUE(TryRead(good).isEmpty()) << TryRead(good).toStdString();
    for (qsizetype n = 0; n < good.size(); ++n)
        EXPECT_FALSE(TryRead(good.left(n)).isEmpty()) << "length " << n;
    const QByteArray text(RichText);
    for (qsizetype n = 0; n + 1 < text.size(); n += 3) {
        try {
            ObjectTextToBinary(text.left(n));
            ADD_FAILURE() << "text cut at " << n << " was accepted";
        } catch (const EReadError &) {
        }
    }
}

TEST(DamagedStream, CorruptedBytesNeverCrash)
{
    const QByteArray good = ObjectTextToBinary(RichText);
    QRandomGenerator rng(1253);
    for (qsizetype i = 0; i < good.size(); ++i) {
        for (int v : {0x00, 0xFF, 0x7F, 0xF5, int(rng.bounded(256))}) {
            QByteArray bad = good;
            bad[i] = char(v);
            TryRead(bad);
            try {
                ObjectBinaryToText(bad);
            } catch (const EReadError &) {
            }
        }
    }
    const QByteArray text(RichText);
    for (qsizetype i = 0; i < text.size(); ++i) {
        QByteArray bad = text;
        bad[i] = "'(<[{#$=.:-\x00\xff"[rng.bounded(14)];
        try {
            TryRead(ObjectTextToBinary(bad));
        } catch (const EReadError &) {
        }
    }
}

TEST(DamagedStream, EachKindOfDamageHasItsMessage)
{
    auto msg = [](const QByteArray &body) { return TryRead(Doc(body)); };
    EXPECT_TRUE(TryRead("PK\x03\x04 zip").contains("TPF0"));
    EXPECT_TRUE(TryRead("TPF0" + S("TTestSource") + S("X") + B({0, 0})).contains("TTestSource"));
    // A class that is not registered is never created.
    EXPECT_TRUE(msg(B({0}) + S("QTimer") + S("T") + B({0, 0, 0})).contains("QTimer"));
    EXPECT_TRUE(msg(B({0}) + S("TNoSuch") + S("X") + B({0, 0, 0})).contains("TNoSuch"));
    // An existing component of another class is not reused.
    {
        TTestRoot root(nullptr);
        (new TTestSource(&root))->SetName(QStringLiteral("Src"));
        EXPECT_THROW(ReadComponent(Doc(B({0}) + S("TTestItem") + S("Src") + B({0, 0, 0})), &root), EReadError);
    }
    EXPECT_TRUE(msg(S("NoSuchProp") + B({vaInt8, 1, 0, 0})).contains("NoSuchProp"));
    EXPECT_TRUE(msg(S("Font.NoSuch") + B({vaInt8, 1, 0, 0})).contains("Font.NoSuch"));
    EXPECT_TRUE(msg(S("Number.X") + B({vaInt8, 1, 0, 0})).contains("Number.X"));
    EXPECT_TRUE(msg(S("Number") + B({vaString, 1, 'x', 0, 0})).contains("Number"));
    EXPECT_TRUE(msg(S("Number") + B({vaInt64, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0})).contains("Number"));
    EXPECT_TRUE(msg(S("Side") + B({vaIdent}) + S("sdNowhere") + B({0, 0})).contains("Side"));
    EXPECT_TRUE(msg(S("Side") + B({vaInt8, 1, 0, 0})).contains("Side"));
    EXPECT_TRUE(msg(S("Edges") + B({vaSet}) + S("sdTop") + B({0, 0, 0})).contains("Edges"));
    EXPECT_TRUE(msg(S("Flag") + B({vaInt8, 1, 0, 0})).contains("Flag"));
    EXPECT_TRUE(msg(S("Color") + B({vaInt32, 1, 2, 3, 4, 0, 0})).isEmpty()); // colours are plain integers
    EXPECT_TRUE(msg(S("Number") + B({42, 0, 0})).contains("42"));
    // Extended values that are not numbers.
    EXPECT_FALSE(msg(S("Ratio") + B({vaExtended, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F, 0, 0})).isEmpty());
    // Handlers must exist on the root with the event's parameters; QObject's slots are never bound.
    EXPECT_TRUE(msg(S("OnClick") + B({vaIdent}) + S("NoHandler") + B({0, 0})).contains("NoHandler"));
    EXPECT_TRUE(msg(S("OnClick") + B({vaIdent}) + S("ItemGetText") + B({0, 0})).contains("ItemGetText"));
    EXPECT_TRUE(msg(S("OnClick") + B({vaIdent}) + S("WrongSignature") + B({0, 0})).contains("WrongSignature"));
    EXPECT_TRUE(msg(S("OnClick") + B({vaIdent}) + S("deleteLater") + B({0, 0})).contains("deleteLater"));
    EXPECT_FALSE(msg(S("OnClick") + B({vaString, 1, 'x', 0, 0})).isEmpty());
    // References: the target must exist and be of the property's class.
    EXPECT_TRUE(msg(S("Link") + B({vaIdent}) + S("Nobody") + B({0, 0})).contains("Nobody"));
    EXPECT_TRUE(msg(S("Link") + B({vaIdent}) + S("Nowhere.Nobody") + B({0, 0})).contains("Nowhere.Nobody"));
    EXPECT_TRUE(
        msg(S("Link") + B({vaIdent}) + S("Src") + B({0}) + S("TTestSource") + S("Src") + B({0, 0, 0})).contains("Src"));
    // Lengths beyond the data or the limits are refused before anything is allocated.
    EXPECT_FALSE(msg(S("Caption") + B({vaLString, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0, 0})).isEmpty());
    EXPECT_FALSE(msg(S("Caption") + B({vaWString, 0, 0, 0, 0x40, 0, 0})).isEmpty());
    EXPECT_FALSE(msg(S("Caption") + B({vaLString, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0})).isEmpty());
    EXPECT_FALSE(msg(S("Caption") + B({vaString, 200, 'a'})).isEmpty());
    EXPECT_FALSE(msg(S("Lines.Strings") + B({vaList, vaInt8, 1, 0, 0, 0})).isEmpty());
    EXPECT_FALSE(msg(S("Columns") + B({vaCollection, vaList}) + S("Nope") + B({vaInt8, 1, 0, 0, 0, 0})).isEmpty());
    EXPECT_FALSE(msg(B({0}) + S("TTestItem") + S("1bad") + B({0, 0, 0})).isEmpty());
    EXPECT_FALSE(msg(B({0xF8}) + S("TTestItem") + S("X") + B({0, 0, 0})).isEmpty());
    EXPECT_FALSE(msg(B({0, 0, 1})).isEmpty()); // bytes after the end
}

TEST(DamagedStream, NestingCountsAndCyclesAreCapped)
{
    // A component that contains itself through an existing one.
    QByteArray cyc = B({0}) + S("TTestItem") + S("A") + B({0}) + S("TTestItem") + S("B") + B({0}) + S("TTestItem") +
                     S("A") + B({0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(TryRead(Doc(cyc)).contains("A"));

    QByteArray deep;
    for (int i = 0; i < 200; ++i)
        deep += S("TTestItem") + S(QByteArray("N" + QByteArray::number(i)).constData()) + B({0});
    deep += QByteArray(201, '\0');
    EXPECT_FALSE(TryRead(Doc(B({0}) + deep)).isEmpty());

    QByteArray many = B({0});
    for (int i = 0; i < 50; ++i)
        many += S("TTestItem") + S(QByteArray("M" + QByteArray::number(i)).constData()) + B({0, 0});
    many += B({0});
    TReaderLimits limits;
    limits.MaxComponents = 20;
    EXPECT_FALSE(TryRead(Doc(many), limits).isEmpty());
    EXPECT_TRUE(TryRead(Doc(many)).isEmpty());
    // Frames build their parts when created: those count too.
    QByteArray frames = B({0});
    for (int i = 0; i < 8; ++i)
        frames += B({0xF4}) + S("TTestFrame") + S(QByteArray("F" + QByteArray::number(i)).constData()) + B({0, 0});
    frames += B({0});
    EXPECT_FALSE(TryRead(Doc(frames), limits).isEmpty());

    QByteArray text = "object A: TTestRoot\n X = " + QByteArray(500, '(') + QByteArray(500, ')') + "\nend";
    EXPECT_THROW(ObjectTextToBinary(text), EReadError);
    text = "object A: TTestRoot\n";
    for (int i = 0; i < 100; ++i)
        text += "object B" + QByteArray::number(i) + ": TTestItem\n";
    text += QByteArray(100, ' ').replace(" ", "end\n") + "end\n";
    EXPECT_THROW(ObjectTextToBinary(text), EReadError);
}

// Inputs the fuzzers found. Each stream either fails to read, or reads into a tree that writes and
// reads back.
TEST(DamagedStream, FuzzerFindings)
{
    auto readWriteRead = [](const QByteArray &data) {
        QByteArray again;
        {
            TTestItem root(nullptr);
            try {
                ReadComponent(data, &root);
            } catch (const EReadError &) {
                return;
            }
            again = WriteComponent(&root);
        }
        TTestItem copy(nullptr);
        EXPECT_NO_THROW(ReadComponent(again, &copy));
    };
    // An extended value beyond the range of a double (exponent 0x7DFD) was taken and then written back
    // as infinity, which the reader refuses.
    const QByteArray bigExponent = "TPF0" + S("TTestItem") + S("Rooo") + S("Number") + B({vaInt16, 0xD1, 0x06}) +
                                   S("Big") + B({vaInt64, 0, 0xEF, 4, 'F', 'l', 'a', 'g', 9}) + S("Ratio") +
                                   B({vaExtended, 0, 0, 'o', 'l', 'o', 'r', 7, 0xFD, 0xFD, 0xFD, 0, 0, 0});
    EXPECT_TRUE(TryRead(bigExponent).contains("Ratio"));
    readWriteRead(bigExponent);
    // A denormal extended (2.1e-4932) gave text that did not read back.
    EXPECT_FALSE(TryRead(Doc(S("Ratio") + B({vaExtended, 0, 'W', 'i', 'd', 't', 0, 0, 0, 0, 0, 0, 0}))).isEmpty());
    EXPECT_TRUE(TryRead(Doc(S("Ratio") + B({vaExtended, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0}))).isEmpty()); // -0
    // An unnormal: exponent set but no integer bit.
    EXPECT_FALSE(TryRead(Doc(S("Ratio") + B({vaExtended, 0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F, 0, 0}))).isEmpty());
}

TEST(DamagedStream, TextFuzzerFindings)
{
    // A run of text starting with U+FEFF lost it on the way back (taken for a byte-order mark); invalid
    // UTF-8, private-use and surrogate characters must come back the same too.
    const QByteArray text = "object A: TTestItem\n  Caption = 'x'#0'\xEF\xBB\xBFy\xCE/\xB4'#57344#55296'z'\nend\n";
    const QByteArray binary = ObjectTextToBinary(text);
    const QByteArray back = ObjectBinaryToText(binary);
    EXPECT_EQ(ObjectTextToBinary(back), binary) << back.constData();
    TTestItem item(nullptr);
    ReadComponent(binary, &item);
    EXPECT_EQ(item.FCaption.size(), 10);
    EXPECT_EQ(item.FCaption[2].unicode(), 0xFEFF);
}

TEST(DamagedStream, BinaryFuzzerFindingsInText)
{
    // Items of a list that start with a character code were joined into one string on the way back.
    const QByteArray binary = "TPF0" + S("TTestItem") + S("A") + S("Lines.Strings") +
                              B({vaList, vaString, 2, 6, 6, vaString, 3, 6, 0, 'x', 0}) + B({0, 0});
    const QByteArray text = ObjectBinaryToText(binary);
    EXPECT_EQ(text, "object A: TTestItem\n  Lines.Strings = (\n    #6#6\n    #6#0'x')\nend\n");
    EXPECT_EQ(ObjectTextToBinary(text), binary);
    EXPECT_EQ(ObjectTextToBinary("object A: TTestItem\n  Caption = 'a' +\n   #13#10 + 'b'\nend"),
              "TPF0" + S("TTestItem") + S("A") + S("Caption") + B({vaString, 4, 'a', 13, 10, 'b', 0, 0}));
    // Amounts at both ends of the currency range have 15 whole digits.
    for (qint64 raw : {INT64_MIN, INT64_MAX}) {
        const QByteArray amount = "TPF0" + S("TTestItem") + S("A") + S("Amount") + B({vaCurrency}) +
                                  QByteArray(reinterpret_cast<const char *>(&raw), 8) + B({0, 0});
        EXPECT_EQ(ObjectTextToBinary(ObjectBinaryToText(amount)), amount);
    }
    EXPECT_THROW(ObjectTextToBinary("object A: TTestItem\n  Amount = 922337203685477.5808c\nend"), EReadError);
}

// A wide string holding U+FFFF (the fuzzer's input) was taken for code page 1253 on the way back from
// text, and came back as another character. Every noncharacter and unpaired surrogate keeps itself
// through text, the binary form and a document's write and read alike.
TEST(DamagedStream, WideStringsKeepNoncharactersAndLoneSurrogates)
{
    const std::vector<std::vector<char16_t>> strings = {{0xFFFF},
                                                        {0xFFFE},
                                                        {0xFDD0},
                                                        {0xFDEF},
                                                        {0xD800},
                                                        {0xDFFF},
                                                        {'a', 0xDC00, 0xD800},
                                                        {0xD83D, 0xDE00},
                                                        {0xF081},
                                                        {0x0081},
                                                        {0xFFFF, 0x0391, 0xFFFF}};
    for (const std::vector<char16_t> &units : strings) {
        const QString s(reinterpret_cast<const QChar *>(units.data()), qsizetype(units.size())); // no BOM taken
        QByteArray wide = B({vaWString, int(units.size()), 0, 0, 0});
        for (char16_t u : units)
            wide += B({u & 0xFF, u >> 8});
        const QByteArray binary = Doc(S("Caption") + wide + B({0, 0}));
        const QByteArray text = ObjectBinaryToText(binary);
        const QByteArray back = ObjectTextToBinary(text);
        EXPECT_EQ(ObjectBinaryToText(back).toStdString(), text.toStdString());
        TTestRoot item(nullptr);
        ReadComponent(back, &item);
        EXPECT_EQ(item.FCaption, s) << text.constData();
        TTestRoot again(nullptr);
        ReadComponent(WriteComponent(&item), &again);
        EXPECT_EQ(again.FCaption, s) << text.constData();
    }
    // The code page holds none of them but the character that stands for an undefined byte.
    EXPECT_FALSE(IsCp1253(QString(QChar(0xFFFF))));
    EXPECT_THROW(ToCp1253(QString(QChar(0xFFFF))), ECodePageError);
    EXPECT_TRUE(IsCp1253(QString(QChar(0xF081))));
}
