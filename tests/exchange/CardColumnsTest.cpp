#include "exchange/CardColumns.h"

#include <gtest/gtest.h>

#include "exchange/TextRecords.h"

namespace brushly {
namespace {

TEST(CardColumnsTest, HeaderNamesOfOtherProgramsFindTheirColumns) {
    EXPECT_EQ(ColumnForHeader("kind"), CardColumn::kKind);
    EXPECT_EQ(ColumnForHeader("  Expression "), CardColumn::kJapanese);
    EXPECT_EQ(ColumnForHeader("FRONT"), CardColumn::kJapanese);
    EXPECT_EQ(ColumnForHeader("読み"), CardColumn::kReading);
    EXPECT_EQ(ColumnForHeader("English"), CardColumn::kMeaning);
    EXPECT_EQ(ColumnForHeader("Tags"), CardColumn::kGroup);
    EXPECT_EQ(ColumnForHeader("counter type"), CardColumn::kCounterType);
    EXPECT_EQ(ColumnForHeader("frequency"), std::nullopt);
    EXPECT_EQ(ColumnName(CardColumn::kExtra2), "extra 2");
}

TEST(CardColumnsTest, ReadingGroupsKeepEverySeparatorInsideTheirItems) {
    CKanjiReading first;
    first.onReadings = {"SHOKU", "JIKI"};
    first.kunReadings = {"ta(beru)%"};
    first.meanings = {"eat; drink", "a/b", "x|y", "back\\slash"};
    const CKanjiReading empty;
    const std::string text = FormatReadings({first, empty});
    EXPECT_EQ(text, "SHOKU;JIKI/ta(beru)%/eat\\; drink;a\\/b;x\\|y;back\\\\slash|//");
    const auto parsed = ParseReadings(text);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 2u);
    EXPECT_EQ((*parsed)[0].onReadings, first.onReadings);
    EXPECT_EQ((*parsed)[0].kunReadings, first.kunReadings);
    EXPECT_EQ((*parsed)[0].meanings, first.meanings);
    EXPECT_TRUE((*parsed)[1].meanings.empty());
    EXPECT_TRUE(ParseReadings("")->empty());
}

TEST(CardColumnsTest, MalformedListsAreRefused) {
    EXPECT_FALSE(ParseReadings("SHOKU/taberu"));  // two parts
    EXPECT_FALSE(ParseReadings("A/B/C/D"));       // four parts
    EXPECT_FALSE(ParseReadings("A/B/C|D/E"));     // second group short
    EXPECT_FALSE(ParseReadings("A/B/C\\"));       // escape at the end
    EXPECT_FALSE(ParseForms("1=ippon;2"));        // pair without "="
    EXPECT_FALSE(ParseForms("=ippon"));           // no number
    EXPECT_FALSE(ParseForms("1=a=b"));            // two "="
    const std::vector<CCounterForm> forms{{"1", "ippon"}, {"2;3", "a=b\\"}};
    EXPECT_EQ(FormatForms(forms), "1=ippon;2\\;3=a\\=b\\\\");
    EXPECT_EQ(ParseForms(FormatForms(forms)), forms);
}

TEST(TextRecordsTest, TableFieldsEscapeTabsLineBreaksAndBackslashes) {
    EXPECT_EQ(EscapeTableField("a\tb\nc\rd\\e"), "a\\tb\\nc\\rd\\\\e");
    std::vector<CImportProblem> problems;
    const auto records =
        ReadRecords("x\ta\\tb\\nc\\\\d\\q\r\n\ny\n", 3, '\t', FieldQuoting::kBackslash, problems);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].line, 3);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"x", "a\tb\nc\\d\\q"}));
    EXPECT_EQ(records[1].line, 5);
    EXPECT_TRUE(problems.empty());
}

TEST(TextRecordsTest, QuotedFieldsSpanLinesAndReportAnOpenQuote) {
    EXPECT_EQ(QuoteField("plain", ','), "plain");
    EXPECT_EQ(QuoteField("say \"hi\", then", ','), "\"say \"\"hi\"\", then\"");
    std::vector<CImportProblem> problems;
    const auto records = ReadRecords("a,\"b\nc\",d\r\ne,\"f\"\"g\"\nh,\"open\n", 1, ',',
                                     FieldQuoting::kDoubleQuotes, problems);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b\nc", "d"}));
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"e", "f\"g"}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 4);
}

TEST(TextRecordsTest, EncodingIsFoundFromTheBytes) {
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF\xE9\xA3\x9F").utf8, "\xE9\xA3\x9F");
    EXPECT_EQ(DecodeText("\xE9\xA3\x9F").encoding, "UTF-8");
    const CDecodedText sjis = DecodeText("\x90\x48\x82\xD7");  // 食べ
    EXPECT_EQ(sjis.encoding, "Shift-JIS");
    EXPECT_EQ(sjis.utf8, "\xE9\xA3\x9F\xE3\x81\xB9");
    const CDecodedText utf16 = DecodeText(std::string("\xFF\xFE\xDF\x98\x79\x30", 6));
    EXPECT_EQ(utf16.encoding, "UTF-16");
    EXPECT_EQ(utf16.utf8, "\xE9\xA3\x9F\xE3\x81\xB9");
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
}

}  // namespace
}  // namespace brushly
