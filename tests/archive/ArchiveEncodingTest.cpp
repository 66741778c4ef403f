// Primitive items, strings, counts and string arrays: byte layouts and round trips.
#include <gtest/gtest.h>

#include "archive/ArchiveTestUtil.h"

namespace brushly::testing {
namespace {

using Cause = CArchiveException::Cause;

TEST(ArchiveEncoding, IntegersAndDoublesAreLittleEndianAndUnaligned) {
    const std::string bytes = Store([](CArchive& ar) {
        ar.WriteInt(-2);
        ar.WriteUInt(0x12345678);
        ar.WriteDouble(1.0);
    });
    EXPECT_EQ(bytes, Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12, 0, 0, 0, 0, 0, 0, 0xF0,
                            0x3F}));
    Load(bytes, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadInt(), -2);
        EXPECT_EQ(ar.ReadUInt(), 0x12345678u);
        EXPECT_EQ(ar.ReadDouble(), 1.0);
    });
}

std::string PrefixOf(std::size_t length) {
    const std::string bytes =
        Store([&](CArchive& ar) { ar.WriteString(std::string(length, 'a')); });
    return bytes.substr(0, bytes.size() - length);
}

TEST(ArchiveEncoding, StringPrefixesFollowTheLength) {
    EXPECT_EQ(PrefixOf(0), Bytes({0x00}));
    EXPECT_EQ(PrefixOf(254), Bytes({0xFE}));
    EXPECT_EQ(PrefixOf(255), Bytes({0xFF, 0xFF, 0x00}));
    EXPECT_EQ(PrefixOf(65533), Bytes({0xFF, 0xFD, 0xFF}));
    EXPECT_EQ(PrefixOf(65534), Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(PrefixOf(100000), Bytes({0xFF, 0xFF, 0xFF, 0xA0, 0x86, 0x01, 0x00}));
}

TEST(ArchiveEncoding, StringsOfEveryPrefixFormRoundTripAcrossBufferBoundaries) {
    std::vector<std::string> texts;
    for (std::size_t length : {0u, 1u, 254u, 255u, 4095u, 4096u, 4097u, 65533u, 65534u, 70000u}) {
        std::string text(length, '\0');
        for (std::size_t i = 0; i < length; ++i)
            text[i] = static_cast<char>(i * 7 + length);
        texts.push_back(text);
    }
    texts.push_back("\x8a\xbf\x8e\x9a");  // Shift-JIS bytes are stored as they are
    const std::string bytes = Store([&](CArchive& ar) {
        for (const std::string& text : texts)
            ar.WriteString(text);
    });
    const std::uint64_t left = Load(bytes, [&](CArchive& ar) {
        for (const std::string& text : texts)
            EXPECT_EQ(ar.ReadString(), text);
    });
    EXPECT_EQ(left, 0u);
}

TEST(ArchiveEncoding, WideTextMarkerIsReadAsShiftJis) {
    // FF FE FF announces UTF-16LE text; the second prefix counts 16-bit units.
    const std::string wide = Bytes({0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 0x42, 0x30, 0x57, 0x5B});
    Load(wide + Bytes({0x01, 'z'}), [](CArchive& ar) {
        EXPECT_EQ(ar.ReadString(), "a\x82\xa0\x8e\x9a");  // a, hiragana a, the kanji ji
        EXPECT_EQ(ar.ReadString(), "z");
    });
    // The long forms of the second prefix.
    Load(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'b', 0}),
         [](CArchive& ar) { EXPECT_EQ(ar.ReadString(), "b"); });
    EXPECT_EQ(LoadFailure(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}),
                          [](CArchive& ar) { ar.ReadString(); }),
              Cause::Generic);
}

TEST(ArchiveEncoding, CountsSwitchToTheLongFormAt65535) {
    const std::string bytes = Store([](CArchive& ar) {
        ar.WriteCount(0);
        ar.WriteCount(65534);
        ar.WriteCount(65535);
        ar.WriteCount(70000);
    });
    EXPECT_EQ(bytes, Bytes({0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0x70, 0x11,
                            0x01, 0}));
    Load(bytes, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadCount(0), 0u);
        EXPECT_EQ(ar.ReadCount(0), 65534u);
        EXPECT_EQ(ar.ReadCount(0), 65535u);
        EXPECT_EQ(ar.ReadCount(0), 70000u);
    });
}

TEST(ArchiveEncoding, StringArraysAreACountThenTheStrings) {
    const std::vector<std::string> strings{"ka", "", "kiku"};
    const std::string bytes = Store([&](CArchive& ar) { ar.WriteStringArray(strings); });
    EXPECT_EQ(bytes, Bytes({3, 0, 2, 'k', 'a', 0, 4, 'k', 'i', 'k', 'u'}));
    Load(bytes, [&](CArchive& ar) {
        std::vector<std::string> read{"left over"};
        ar.ReadStringArray(read);
        EXPECT_EQ(read, strings);
    });
}

TEST(ArchiveEncoding, EveryTruncationFailsAsEndOfFile) {
    const std::string bytes = Store([](CArchive& ar) {
        ar.WriteInt(7);
        ar.WriteString(std::string(300, 'x'));
        ar.WriteDouble(2.5);
        ar.WriteStringArray({"a", "bc"});
    });
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_EQ(LoadFailure(bytes.substr(0, size),
                              [](CArchive& ar) {
                                  ar.ReadInt();
                                  ar.ReadString();
                                  ar.ReadDouble();
                                  std::vector<std::string> strings;
                                  ar.ReadStringArray(strings);
                              }),
                  Cause::EndOfFile);
    }
}

TEST(ArchiveEncoding, LengthsAndCountsBeyondTheFileFailBeforeAllocating) {
    // A 4 GiB string, 4 G strings, 4 G wide units: each is refused from its prefix alone.
    EXPECT_EQ(LoadFailure(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}),
                          [](CArchive& ar) { ar.ReadString(); }),
              Cause::EndOfFile);
    EXPECT_EQ(LoadFailure(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}),
                          [](CArchive& ar) {
                              std::vector<std::string> strings;
                              ar.ReadStringArray(strings);
                          }),
              Cause::EndOfFile);
    EXPECT_EQ(LoadFailure(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0}),
                          [](CArchive& ar) { ar.ReadString(); }),
              Cause::EndOfFile);
    // Exactly enough bytes is accepted.
    Load(Bytes({3, 0, 0, 0, 0}), [](CArchive& ar) {
        std::vector<std::string> strings;
        ar.ReadStringArray(strings);
        EXPECT_EQ(strings.size(), 3u);
    });
}

}  // namespace
}  // namespace brushly::testing
