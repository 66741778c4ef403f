// Preparing EDICT for the program: the Shift-JIS conversion and the abbreviation list.
#include "edictprep/EdictPreparation.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/ShiftJis.h"

namespace brushly::edictprep {
namespace {

std::string EucJp(std::string_view utf8) {
    sjis::CCodeConverter converter("UTF-8", "EUC-JP", "?");
    return converter.Convert(utf8);
}

TEST(EdictConversion, ConvertsLinesAndDropsThoseWithoutAShiftJisForm) {
    // 0x8F starts a JIS X 0212 character in EUC-JP, which CP932 cannot hold.
    const std::string text = EucJp("header /EDICT/\n日本 [にほん] /(n) Japan/(P)/\n") +
                             "\x8F\xB0\xA1 /(n) rare/\n" + EucJp("すし /(n) sushi/");
    const CConvertedEdict converted = ConvertEdictToShiftJis(text);
    EXPECT_EQ(converted.lines, 3);
    EXPECT_EQ(converted.droppedLines, 1);
    EXPECT_EQ(converted.text, sjis::FromUtf8("header /EDICT/\n日本 [にほん] /(n) Japan/(P)/\n"
                                             "すし /(n) sushi/\n"));
}

TEST(EdictAbbreviations, CodesHeadingSensesOftenEnoughAndMoreThanAsWords) {
    std::string text = "header /EDICT/\n";
    for (int i = 0; i < kMinimumTagUses; ++i) {
        text += sjis::FromUtf8("語 [ご] /(n,vs) (uk) word/(2) (MA) (a) little/(P)/\n");
        text += sjis::FromUtf8("語 [ご] /(adj-na) a good (rare) thing, a gift/(exp) (uk) uk/\n");
    }
    text += sjis::FromUtf8("語 [ご] /(adj-i) once only/\n");
    // "a" heads senses as often as the others but is more often a plain word; "rare" never
    // heads one; "adj-i" is too rare; "P" is the common-word mark.
    EXPECT_EQ(CollectAbbreviations(text),
              (std::vector<std::string>{"MA", "adj-na", "exp", "n", "uk", "vs"}));
}

}  // namespace
}  // namespace brushly::edictprep
