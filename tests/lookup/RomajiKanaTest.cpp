#include "lookup/RomajiKana.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/ShiftJis.h"

namespace brushly {
namespace {

// The expectations are written in UTF-8 and compared in UTF-8, so that a failure prints kana.
std::string Sjis(std::string_view utf8) {
    return sjis::FromUtf8(utf8);
}

std::string Kana(std::string_view romaji, bool useLongMark = false, bool vertical = false) {
    return sjis::ToUtf8(RomajiToKana(Sjis(romaji), useLongMark, vertical));
}

std::string Romaji(std::string_view kanaUtf8) {
    return KanaToRomaji(Sjis(kanaUtf8));
}

struct CPair {
    std::string_view romaji;
    std::string_view kana;
};

// The two-byte characters of a Shift-JIS text.
std::vector<std::string> Characters(const std::string& sjisText) {
    std::vector<std::string> characters;
    for (std::size_t pos = 0; pos + 1 < sjisText.size(); pos += 2) {
        characters.push_back(sjisText.substr(pos, 2));
    }
    return characters;
}

TEST(RomajiKanaEncoding, KanaBytesAreThoseOfCodePage932) {
    EXPECT_EQ(Sjis("ぁ"), "\x82\x9F");
    EXPECT_EQ(Sjis("ん"), "\x82\xF1");
    EXPECT_EQ(Sjis("ミ"), "\x83\x7E");
    EXPECT_EQ(Sjis("ム"), "\x83\x80");
    EXPECT_EQ(Sjis("ヴ"), "\x83\x94");
    EXPECT_EQ(Sjis("ッ"), "\x83\x62");
    EXPECT_EQ(Sjis("ー"), "\x81\x5B");
    EXPECT_EQ(Sjis("丨"), "\xFA\x68");

    // The converters produce exactly these bytes, across the gap at 0x837F.
    EXPECT_EQ(RomajiToKana("MIMUMEMO", false, false), "\x83\x7E\x83\x80\x83\x81\x83\x82");
    EXPECT_EQ(RomajiToKana("VU", false, false), "\x83\x94");
    EXPECT_EQ(RomajiToKana("n", false, false), "\x82\xF1");
    EXPECT_EQ(KanaToRomaji("\x83\x80\x83\x94"), "MUVU");
}

TEST(RomajiToKana, ConvertsWordsWithDoubledConsonantsAndLongVowels) {
    EXPECT_EQ(Kana("konnichiwa"), "こんにちわ");
    EXPECT_EQ(Kana("kippu"), "きっぷ");
    EXPECT_EQ(Kana("matcha"), "まっちゃ");
    EXPECT_EQ(Kana("gakkou"), "がっこう");
    EXPECT_EQ(Kana("too"), "とう");
    EXPECT_EQ(Kana("to@o"), "とお");
    EXPECT_EQ(Kana("ee"), "えい");
    EXPECT_EQ(Kana("sensee"), "せんせい");
    EXPECT_EQ(Kana("issho"), "いっしょ");
    EXPECT_EQ(Kana("zasshi"), "ざっし");
    EXPECT_EQ(Kana("chotto"), "ちょっと");
    EXPECT_EQ(Kana("kyuu"), "きゅう");
    EXPECT_EQ(Kana("tsukue"), "つくえ");
    EXPECT_EQ(Kana("tuzuku"), "つずく");  // Kunrei tu is read directly; zu stays ず
    EXPECT_EQ(Kana("sizi"), "しじ");
    EXPECT_EQ(Kana("hune"), "ふね");
    EXPECT_EQ(Kana("dzu"), "づ");
    EXPECT_EQ(Kana("wawiwewo"), "わゐゑを");
}

TEST(RomajiToKana, ConvertsKatakanaWithAndWithoutTheLongMark) {
    EXPECT_EQ(Kana("TOOKYOO"), "トウキョウ");
    EXPECT_EQ(Kana("TOOKYOO", true), "トーキョー");
    EXPECT_EQ(Kana("TOOKYOO", true, true), "ト丨キョ丨");
    EXPECT_EQ(RomajiToKana("TOO", true, true), "\x83\x67\xFA\x68");
    EXPECT_EQ(Kana("TOOKYOO", false, true), "トウキョウ");  // vertical alone changes nothing

    EXPECT_EQ(Kana("ANNA"), "アッナ");
    EXPECT_EQ(Kana("TSI"), "ツィ");
    EXPECT_EQ(Kana("Ti"), "ティ");
    EXPECT_EQ(Kana("DYu"), "デュ");
    EXPECT_EQ(Kana("HON"), "ホン");
    EXPECT_EQ(Kana("N'A"), "ンア");
    EXPECT_EQ(Kana("SAKKAA", true), "サッカー");
    EXPECT_EQ(Kana("BETTO"), "ベット");
    EXPECT_EQ(Kana("MATCHI"), "マッチ");
    EXPECT_EQ(Kana("BAGGU"), "バッグ");
    EXPECT_EQ(Kana("NYUUSU", true), "ニュース");
    EXPECT_EQ(Kana("JAZZU"), "ジャッズ");
}

TEST(RomajiToKana, LongVowelStepsOfHiragana) {
    const CPair cases[] = {
        {"kaa", "かあ"},  {"kii", "きい"},   {"kuu", "くう"},   {"kee", "けい"},
        {"koo", "こう"},  {"ko@o", "こお"},  {"ka@o", "かお"},  {"kyoo", "きょう"},
        {"chii", "ちい"}, {"faa", "ふぁあ"}, {"ko@a", "こ@あ"}, {"n@o", "ん@お"},
        {"ko@", "こ@"},   {"kei", "けい"},   {"kou", "こう"},   {"o'o", "おお"},
    };
    for (const CPair& pair : cases)
        EXPECT_EQ(Kana(pair.romaji), pair.kana) << pair.romaji;
}

TEST(RomajiToKana, LongVowelStepsOfKatakana) {
    struct CLongVowel {
        std::string_view romaji;
        std::string_view withVowel;
        std::string_view withMark;
    };
    const CLongVowel cases[] = {
        {"KAA", "カア", "カー"},     {"KII", "キイ", "キー"},     {"KUU", "クウ", "クー"},
        {"KEE", "ケイ", "ケー"},     {"KOO", "コウ", "コー"},     {"TiI", "ティイ", "ティー"},
        {"Wee", "ウェえ", "ウェえ"}, {"WeE", "ウェイ", "ウェー"}, {"SHaA", "シァア", "シァー"},
        {"TO@O", "ト@オ", "ト@オ"},  {"KEI", "ケイ", "ケイ"},     {"KYUU", "キュウ", "キュー"},
        {"NA", "ナ", "ナ"},
    };
    for (const CLongVowel& item : cases) {
        EXPECT_EQ(Kana(item.romaji, false), item.withVowel) << item.romaji;
        EXPECT_EQ(Kana(item.romaji, true), item.withMark) << item.romaji;
    }
}

TEST(RomajiToKana, SpecialKatakanaCombinationsRoundTrip) {
    const CPair cases[] = {
        {"TYu", "テュ"}, {"DYu", "デュ"}, {"FYu", "フュ"}, {"BYu", "ブュ"}, {"VYu", "ヴュ"},
        {"FA", "ファ"},  {"FI", "フィ"},  {"FE", "フェ"},  {"FO", "フォ"},  {"KWA", "クァ"},
        {"KWI", "クィ"}, {"KWE", "クェ"}, {"KWO", "クォ"}, {"GWA", "グァ"}, {"CHE", "チェ"},
        {"Ti", "ティ"},  {"Di", "ディ"},  {"Ta", "テァ"},  {"Tu", "トゥ"},  {"Du", "ドゥ"},
        {"SHa", "シァ"}, {"SHE", "シェ"}, {"JE", "ジェ"},  {"Wi", "ウィ"},  {"We", "ウェ"},
        {"Wo", "ウォ"},  {"TSA", "ツァ"}, {"TSI", "ツィ"}, {"TSE", "ツェ"}, {"TSO", "ツォ"},
        {"YE", "イェ"},  {"Si", "セィ"},  {"Zi", "ゼィ"},  {"Ri", "リィ"},  {"Re", "リェ"},
        {"Sui", "スィ"}, {"Zui", "ズィ"}, {"Pi", "ピィ"},  {"Bi", "ビィ"},  {"VA", "ヴァ"},
        {"VI", "ヴィ"},  {"VE", "ヴェ"},  {"VO", "ヴォ"},
    };
    for (const CPair& pair : cases) {
        EXPECT_EQ(Kana(pair.romaji), pair.kana) << pair.romaji;
        EXPECT_EQ(Romaji(pair.kana), pair.romaji) << pair.romaji;
    }
}

TEST(RomajiToKana, ContractedSoundsRoundTrip) {
    const CPair cases[] = {
        {"kya", "きゃ"}, {"gyu", "ぎゅ"}, {"sha", "しゃ"}, {"shu", "しゅ"}, {"sho", "しょ"},
        {"ja", "じゃ"},  {"ju", "じゅ"},  {"jo", "じょ"},  {"cha", "ちゃ"}, {"chu", "ちゅ"},
        {"cho", "ちょ"}, {"nyo", "にょ"}, {"hya", "ひゃ"}, {"byu", "びゅ"}, {"pyo", "ぴょ"},
        {"mya", "みゃ"}, {"ryu", "りゅ"}, {"dya", "ぢゃ"}, {"dyo", "ぢょ"}, {"fa", "ふぁ"},
        {"she", "しぇ"}, {"KYA", "キャ"}, {"GYO", "ギョ"}, {"SHA", "シャ"}, {"JU", "ジュ"},
        {"CHO", "チョ"}, {"NYA", "ニャ"}, {"HYU", "ヒュ"}, {"BYO", "ビョ"}, {"PYA", "ピャ"},
        {"MYU", "ミュ"}, {"RYO", "リョ"},
    };
    for (const CPair& pair : cases) {
        EXPECT_EQ(Kana(pair.romaji), pair.kana) << pair.romaji;
        EXPECT_EQ(Romaji(pair.kana), pair.romaji) << pair.romaji;
    }
}

TEST(RomajiToKana, AlternativeSpellingsOfContractedSounds) {
    const CPair cases[] = {
        {"sya", "しゃ"}, {"zyo", "じょ"}, {"tyu", "ちゅ"}, {"SYA", "シャ"},
        {"ZYO", "ジョ"}, {"TYA", "チャ"}, {"HYu", "フュ"}, {"dzu", "づ"},
    };
    for (const CPair& pair : cases)
        EXPECT_EQ(Kana(pair.romaji), pair.kana) << pair.romaji;
}

TEST(RomajiToKana, HiraganaDoubledConsonantsAndPunctuation) {
    const CPair cases[] = {
        {"kka", "っか"},       {"ssa", "っさ"},      {"tta", "った"}, {"tcha", "っちゃ"},
        {"ppa", "っぱ"},       {"k(a)", "っ(あ)"},   {"p.", "っ."},   {"sSHI", "っシ"},
        {"xa", "ッあ"},        {"gga", "が"},        {"zza", "ざ"},   {"bba", "ば"},
        {"hha", "は"},         {"ksa", "さ"},        {"dda", "だ"},   {"dca", ""},
        {"a,i-u", "あ,い-う"}, {"[e]@.", "[え]@."},  {"a b'c", "あ"}, {"nna", "んな"},
        {"n'a", "んあ"},       {"kon'ya", "こんや"}, {"kan", "かん"}, {"nya", "にゃ"},
    };
    for (const CPair& pair : cases)
        EXPECT_EQ(Kana(pair.romaji), pair.kana) << pair.romaji;
}

TEST(RomajiToKana, KatakanaDoubledConsonantsAndPunctuation) {
    const CPair cases[] = {
        {"KKA", "ッカ"}, {"Kka", "ッか"}, {"G(A", "ッ(ア"}, {"SSA", "ッサ"},     {"ZZU", "ッズ"},
        {"TTA", "ッタ"}, {"DDO", "ッド"}, {"TCHI", "ッチ"}, {"NNA", "ッナ"},     {"HHA", "ッハ"},
        {"BBU", "ッブ"}, {"PPU", "ップ"}, {"FFU", "ッフ"},  {"JJI", "ッジ"},     {"MMA", "マ"},
        {"RRA", "ラ"},   {"VVU", "ヴ"},   {"T(A", "(ア"},   {"A I'U", "アイウ"},
    };
    for (const CPair& pair : cases)
        EXPECT_EQ(Kana(pair.romaji), pair.kana) << pair.romaji;
    EXPECT_EQ(Kana("(A),-[I]@"), "(ア),-[イ]@");
}

TEST(RomajiToKana, LettersOutsideTheTablesAreDropped) {
    const CPair cases[] = {
        // The m before b or p is dropped, not turned into ん.
        {"shimbun", "しぶん"},
        {"sempai", "せぱい"},
        {"qlv", ""},
        {"kyi", "い"},  // ky with another vowel drops two letters
        {"cya", "や"},
        {"ca", ""},
        {"che", "え"},
        {"fe", "え"},
        {"je", "え"},
        {"yi", "い"},
        {"wu", "う"},
        {"tsa", "あ"},
        {"dsa", "あ"},
        {"dza", "あ"},
        {"dyu", "ゆ"},
        {"kha", "は"},
        {"shq", ""},
        {"123", ""},
        {"KWU", "ウ"},
        {"GWI", "イ"},
        {"TWA", "ワ"},
        {"DYA", "ヤ"},
        {"VYA", "ヤ"},
        {"SYE", "エ"},
        {"Da", "あ"},
        {"Hi", "い"},
        {"De", "え"},
        {"Na", "ンあ"},
        {"Mi", "い"},
        // K and G take no lower-case markers: the letter goes and the rest reads as hiragana.
        {"Ki", "い"},
        {"Kui", "うい"},
        {"Sua", "あ"},
        {"SHX", ""},
        {"CA", ""},
        {"TSX", ""},
        {"TZU", "ウ"},
        {"DZA", "ア"},
        {"QLX", ""},
        {"VA", "ヴァ"},
        {"VV", ""},
    };
    for (const CPair& pair : cases)
        EXPECT_EQ(Kana(pair.romaji), pair.kana) << pair.romaji;
}

TEST(RomajiToKana, TwoByteCharactersInTheRomajiAreDroppedWhole) {
    // The trail byte of ヂ (0x83 0x61) is the letter a; it must not give あ.
    EXPECT_EQ(Kana("cヂ"), "");
    EXPECT_EQ(Kana("tヂ"), "");
    EXPECT_EQ(Kana("kyヂ"), "");
    EXPECT_EQ(Kana("ka漢ヂki"), "かき");
    EXPECT_EQ(Kana("KヂA"), "ア");
    EXPECT_EQ(Kana("SHヂ"), "");
    // A lead byte cut off at the end is dropped as one character.
    EXPECT_EQ(RomajiToKana("ka\x83", false, false), Sjis("か"));
}

TEST(RomajiToKana, EmptyAndCutOffText) {
    EXPECT_EQ(Kana(""), "");
    EXPECT_EQ(Kana("k"), "");
    EXPECT_EQ(Kana("kyu"), "きゅ");
    EXPECT_EQ(Kana("ky"), "");
    EXPECT_EQ(Kana("aky"), "あ");
    EXPECT_EQ(Kana("KW"), "");
    EXPECT_EQ(Kana("SH"), "");
    EXPECT_EQ(Kana("Su"), "");
    EXPECT_EQ(Kana("N"), "ン");
    EXPECT_EQ(Kana("n"), "ん");
}

TEST(RomajiToKanaSyllable, RemovesTheConsumedLettersFromTheText) {
    std::string text = "kyu";
    EXPECT_EQ(RomajiToKanaSyllable(text, false, false), Sjis("きゅ"));
    EXPECT_EQ(text, "");

    text = "ky";
    EXPECT_EQ(RomajiToKanaSyllable(text, false, false), "");
    EXPECT_EQ(text, "");  // the cut-off syllable clears the text

    text = "kyz";
    EXPECT_EQ(RomajiToKanaSyllable(text, false, false), "");
    EXPECT_EQ(text, "z");

    text = "shimbun";
    const std::vector<std::pair<std::string, std::string>> steps = {
        {"し", "mbun"}, {"", "bun"}, {"ぶ", "n"}, {"ん", ""}};
    for (const auto& [kana, rest] : steps) {
        EXPECT_EQ(sjis::ToUtf8(RomajiToKanaSyllable(text, false, false)), kana);
        EXPECT_EQ(text, rest);
    }

    text = "TOOKYOO";
    EXPECT_EQ(sjis::ToUtf8(RomajiToKanaSyllable(text, true, false)), "トー");
    EXPECT_EQ(text, "KYOO");

    text = "";
    EXPECT_EQ(RomajiToKanaSyllable(text, false, false), "");
}

TEST(RomajiToKanaSyllable, ChoosesTheConverterByTheCaseOfTheFirstLetter) {
    std::string text = "KAka";
    EXPECT_EQ(sjis::ToUtf8(RomajiToKanaSyllable(text, false, false)), "カ");
    EXPECT_EQ(sjis::ToUtf8(RomajiToKanaSyllable(text, false, false)), "か");

    // Called directly, each converter drops the letters of the other case.
    text = "KA";
    EXPECT_EQ(RomajiToHiraganaSyllable(text), "");
    EXPECT_EQ(text, "A");
    text = "ka";
    EXPECT_EQ(RomajiToKatakanaSyllable(text, false, false), "");
    EXPECT_EQ(text, "a");
    // The full stop passes through hiragana only.
    text = ".";
    EXPECT_EQ(RomajiToHiraganaSyllable(text), ".");
    text = ".A";
    EXPECT_EQ(RomajiToKatakanaSyllable(text, false, false), "");
    EXPECT_EQ(text, "A");

    text = "kaa";
    EXPECT_EQ(sjis::ToUtf8(RomajiToHiraganaSyllable(text)), "かあ");
    EXPECT_EQ(text, "");
    text = "KAA";
    EXPECT_EQ(sjis::ToUtf8(RomajiToKatakanaSyllable(text, true, true)), "カ丨");
    EXPECT_EQ(text, "");
}

TEST(RomajiToKana, LongTextIsConvertedInOnePass) {
    std::string romaji;
    for (int i = 0; i < 200000; ++i)
        romaji += "kak";
    // ka, then kka (っか) for every further repetition; the final k is dropped.
    const std::string kana = RomajiToKana(romaji, false, false);
    EXPECT_EQ(kana.size(), 4u * 200000 - 2);
}

TEST(NormalizeRomaji, RewritesKunreiSpellingsAsHepburn) {
    const CPair cases[] = {
        {"ti", "chi"},     {"tu", "tsu"},    {"si", "shi"},      {"zi", "ji"},
        {"di", "ji"},      {"dzu", "zu"},    {"sya", "sha"},     {"syu", "shu"},
        {"syo", "sho"},    {"tya", "cha"},   {"tyu", "chu"},     {"tyo", "cho"},
        {"zya", "ja"},     {"zyu", "ju"},    {"zyo", "jo"},      {"tuzuku", "tsuzuku"},
        {"hune", "fune"},  {"shuu", "shuu"}, {"chuu", "chuu"},   {"huhu", "fufu"},
        {"tihu", "chifu"}, {"syuu", "shuu"}, {"tyuu", "chuu"},   {"husi", "fushi"},
        {"", ""},          {"TI", "TI"},     {"titi", "chichi"}, {"hhu", "hfu"},
    };
    for (const CPair& pair : cases) {
        std::string text(pair.romaji);
        NormalizeRomaji(text);
        EXPECT_EQ(text, pair.kana) << pair.romaji;
    }
}

TEST(NormalizeRomaji, UpperCaseFormsAreRewrittenByTheUpperCaseVariant) {
    const CPair cases[] = {
        {"TI", "CHI"},         {"TU", "TSU"},    {"SI", "SHI"},    {"ZI", "JI"},     {"DI", "JI"},
        {"DZU", "ZU"},         {"SYA", "SHA"},   {"SYU", "SHU"},   {"SYO", "SHO"},   {"TYA", "CHA"},
        {"TYU", "CHU"},        {"TYO", "CHO"},   {"ZYA", "JA"},    {"ZYU", "JU"},    {"ZYO", "JO"},
        {"HUNE", "FUNE"},      {"SHUU", "SHUU"}, {"CHUU", "CHUU"}, {"hune", "hune"}, {"Ti", "Ti"},
        {"TUZUKU", "TSUZUKU"},
    };
    for (const CPair& pair : cases) {
        std::string text(pair.romaji);
        NormalizeRomajiUpper(text);
        EXPECT_EQ(text, pair.kana) << pair.romaji;
    }
}

TEST(KanaToRomaji, WritesHepburnWithApostrophesWhereNeeded) {
    EXPECT_EQ(Romaji("おおきい"), "o'okii");
    EXPECT_EQ(Romaji("ええ"), "e'e");
    EXPECT_EQ(Romaji("えい"), "ei");
    EXPECT_EQ(Romaji("おう"), "ou");
    EXPECT_EQ(Romaji("ああ"), "aa");
    EXPECT_EQ(Romaji("んあ"), "n'a");
    EXPECT_EQ(Romaji("ほんい"), "hon'i");
    EXPECT_EQ(Romaji("きんえん"), "kin'en");
    EXPECT_EQ(Romaji("ほんお"), "hon'o");
    EXPECT_EQ(Romaji("ぢづふ"), "didzufu");
    EXPECT_EQ(Romaji("ンア"), "N'A");
    EXPECT_EQ(Romaji("オオ"), "O'O");
    EXPECT_EQ(Romaji("エエ"), "E'E");
    EXPECT_EQ(Romaji("バレエ"), "BARE'E");
    EXPECT_EQ(Romaji("ジュウ"), "JUU");
    EXPECT_EQ(Romaji("コーオ"), "KOO'O");
    EXPECT_EQ(Romaji("ウェエ"), "We'E");
    EXPECT_EQ(Romaji("オウ"), "OU");
    EXPECT_EQ(Romaji("きんよう"), "kin'you");
    EXPECT_EQ(Romaji("ほんや"), "hon'ya");
    EXPECT_EQ(Romaji("こんにちわ"), "konnichiwa");
    EXPECT_EQ(Romaji("トンネル"), "TON'NERU");
    EXPECT_EQ(Romaji("ンヤ"), "N'YA");
    EXPECT_EQ(Romaji("ッン"), "NN");
    EXPECT_EQ(Romaji("んヤ"), "nYA");
    EXPECT_EQ(Romaji("ンあ"), "Na");
    EXPECT_EQ(Romaji("んア"), "nA");
}

TEST(KanaToRomaji, SmallKanaCombineWithTheKanaBefore) {
    const CPair cases[] = {
        {"dya", "ぢゃ"},    {"dyo", "ぢょ"},    {"X", "ぢゅ"},        {"fa", "ふぁ"},
        {"she", "しぇ"},    {"X", "ふぇ"},      {"sX", "しぁ"},       {"X", "ゃ"},
        {"X", "あゃ"},      {"kaX", "かかゃ"},  {"kkya", "っきゃ"},   {"tei", "てぃ"},
        {"u", "ぅ"},        {"no", "んぉ"},     {"wa", "ゎ"},         {"X", "キァ"},
        {"KAX", "カカァ"},  {"X", "きャ"},      {"X", "キゃ"},        {"X", "ァ"},
        {"TCHA", "ッチャ"}, {"N'Wi", "ンウィ"}, {"WAKAKE", "ヮヵヶ"}, {"X", "ヂャ"},
        {"X", "き ゃ"},
    };
    for (const CPair& pair : cases)
        EXPECT_EQ(Romaji(pair.kana), pair.romaji) << pair.romaji;
}

TEST(KanaToRomaji, SmallTsuDoublesTheNextConsonant) {
    const CPair cases[] = {
        {"kitte", "きって"},   {"gakkou", "がっこう"},
        {"issho", "いっしょ"}, {"matcha", "まっちゃ"},
        {"tchi", "っち"},      {"zasshi", "ざっし"},
        {"kadda", "かっだ"},   {"bba", "っば"},
        {"ppa", "っぱ"},       {"kga", "っが"},
        {"szo", "っぞ"},       {"na", "っな"},
        {"di", "っぢ"},        {"a'", "あっ"},
        {"'", "っ"},           {"'", "っー"},
        {"'", "っa"},          {"sSA", "っサ"},
        {"sSO", "っソ"},       {"'KA", "っカ"},
        {"'ka", "ッか"},       {"'", "ッ"},
        {"KKA", "ッカ"},       {"GGA", "ッガ"},
        {"SSA", "ッサ"},       {"JJI", "ッジ"},
        {"ZZU", "ッズ"},       {"ZA", "ッザ"},
        {"TCHI", "ッチ"},      {"TTSU", "ッツ"},
        {"DDA", "ッダ"},       {"DI", "ッヂ"},
        {"HHA", "ッハ"},       {"HO", "ッホ"},
        {"FFU", "ッフ"},       {"BBA", "ッバ"},
        {"PPA", "ッパ"},       {"NN", "ッン"},
        {"MA", "ッマ"},        {"VU", "ッヴ"},
    };
    for (const CPair& pair : cases)
        EXPECT_EQ(Romaji(pair.kana), pair.romaji) << pair.romaji;
}

TEST(KanaToRomaji, LongMarkRepeatsTheVowelInUpperCase) {
    EXPECT_EQ(Romaji("ラーメン"), "RAAMEN");
    EXPECT_EQ(Romaji("らー"), "raA");
    EXPECT_EQ(Romaji("カーー"), "KAAA");
    EXPECT_EQ(Romaji("ンー"), "N");
    EXPECT_EQ(Romaji("ー"), "");
    EXPECT_EQ(Romaji("ーあ"), "");  // nothing before the mark ends the conversion
    EXPECT_EQ(Romaji("漢ーあ"), "");
    EXPECT_EQ(Romaji("コーヒー"), "KOOHII");
}

TEST(KanaToRomaji, SkipsOtherCharactersAndRejectsFullWidthAlphanumerics) {
    EXPECT_EQ(Romaji("ＡＢ"), "");
    EXPECT_EQ(Romaji("あ１"), "");
    EXPECT_EQ(Romaji("０"), "");
    EXPECT_EQ(Romaji("Ｚ"), "");
    EXPECT_EQ(Romaji("９"), "");
    EXPECT_EQ(Romaji("あａい"), "ai");  // full-width lower case is only skipped
    EXPECT_EQ(Romaji("日本"), "");
    EXPECT_EQ(Romaji("あ漢い、"), "ai");
    EXPECT_EQ(Romaji("aかb"), "ka");
    EXPECT_EQ(Romaji("ｱか"), "ka");  // half-width katakana is one byte
    EXPECT_EQ(KanaToRomaji(Sjis("か") + "\x82"), "ka");
    // A kanji whose trail byte is a hiragana lead byte is skipped as a whole.
    EXPECT_EQ(KanaToRomaji("\x88\x82\x82\xa9"), "ka");
    EXPECT_EQ(KanaToRomaji(""), "");
}

constexpr std::string_view kPlainHiragana =
    "あいうえおかがきぎくぐけげこごさざしじすずせぜそぞただちぢつづてでとどなにぬねの"
    "はばぱひびぴふぶぷへべぺほぼぽまみむめもやゆよらりるれろわゐゑをん";
constexpr std::string_view kPlainKatakana =
    "アイウエオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂツヅテデトドナニヌネノ"
    "ハバパヒビピフブプヘベペホボポマミムメモヤユヨラリルレロワヰヱヲンヴ";

// Every two-byte character from first to last, skipping the small kana and 0x837F.
TEST(KanaRoundTrip, PlainKanaListsHoldEveryFullSizeKana) {
    const std::string hiragana = Sjis(kPlainHiragana);
    const std::string katakana = Sjis(kPlainKatakana);
    // 83 hiragana less 10 small ones; 86 katakana less 12 small ones.
    EXPECT_EQ(Characters(hiragana).size(), 73u);
    EXPECT_EQ(Characters(katakana).size(), 74u);
    for (const std::string* script : {&hiragana, &katakana}) {
        const std::vector<std::string> characters = Characters(*script);
        for (std::size_t i = 1; i < characters.size(); ++i) {
            EXPECT_LT(characters[i - 1], characters[i]) << sjis::ToUtf8(characters[i]);
        }
    }
    EXPECT_EQ(Characters(hiragana).front(), "\x82\xA0");
    EXPECT_EQ(Characters(hiragana).back(), "\x82\xF1");
    EXPECT_EQ(Characters(katakana).front(), "\x83\x41");
    EXPECT_EQ(Characters(katakana).back(), "\x83\x94");
}

TEST(KanaRoundTrip, EveryPlainKanaReadsBackFromItsRomaji) {
    for (const std::string_view list : {kPlainHiragana, kPlainKatakana}) {
        for (const std::string& kana : Characters(Sjis(list))) {
            const std::string romaji = KanaToRomaji(kana);
            EXPECT_FALSE(romaji.empty()) << sjis::ToUtf8(kana);
            EXPECT_EQ(RomajiToKana(romaji, false, false), kana) << romaji;
            EXPECT_EQ(RomajiToKana(romaji, true, false), kana) << romaji;
        }
    }
}

TEST(KanaRoundTrip, WordsReadBackFromTheirRomaji) {
    const std::string_view words[] = {
        "おおきい",   "がっこう",     "きって",     "まっちゃ",     "こんにちわ", "しんいち",
        "せんえん",   "ほんおう",     "きゃく",     "ぢゃ",         "しぇ",       "ふぁ",
        "トウキョウ", "ベッド",       "ティッシュ", "ヴァイオリン", "ウィスキイ", "ンア",
        "サッカア",   "ファッション", "ッン",       "クォ",         "ざっし",     "っちゅ",
    };
    for (const std::string_view word : words) {
        const std::string kana = Sjis(word);
        EXPECT_EQ(RomajiToKana(KanaToRomaji(kana), false, false), kana) << word;
    }
}

}  // namespace
}  // namespace brushly
