#include "kanjidb/KanaRecords.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <stdexcept>

#include "platform/ShiftJis.h"

namespace brushly::kanjidb {

namespace {

constexpr char32_t kSmallYa = 0x3083;
constexpr char32_t kSmallYu = 0x3085;
constexpr char32_t kSmallYo = 0x3087;

// Where the parts of a combined kana go, as shares of the character square's width.
constexpr double kBigKanaWidth = 0.62;
constexpr double kSmallKanaLeft = 0.60;
constexpr double kSmallKanaRight = 0.97;

// The character square in whole pixels: every kana point lies inside it.
constexpr int kLeft = static_cast<int>(kFrameLeft);
constexpr int kRight = static_cast<int>(kFrameLeft + kFrameSquare);
constexpr int kBottom = static_cast<int>(kFrameSquare);

// UTF-8 of a code point below 0x10000 (all kana are).
std::string Utf8(char32_t codePoint) {
    std::string text;
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return text;
}

std::vector<CVgStroke> ReadKana(const std::string& directory, char32_t codePoint) {
    const std::string path =
        (std::filesystem::path(directory) / KanjiVgFileName(codePoint)).string();
    std::optional<std::vector<CVgStroke>> strokes = ReadKanjiVgFile(path);
    if (!strokes || strokes->empty()) {
        throw std::runtime_error("missing or unreadable KanjiVG kana file " + path);
    }
    return std::move(*strokes);
}

template <typename Record>
std::unique_ptr<Record> MakeRecord(const CKanaTableEntry& entry, char32_t offset,
                                   const std::vector<CVgStroke>& strokes) {
    auto record = std::make_unique<Record>();
    record->strokes = KanaStrokes(strokes);
    record->romaji = std::string(entry.romaji);
    std::string kana = Utf8(entry.kana + offset);
    if (entry.small != 0) kana += Utf8(entry.small + offset);
    record->kana = sjis::FromUtf8(kana);
    return record;
}

}  // namespace

const std::array<CKanaTableEntry, kSingleKanaCount + kCombinedKanaCount> kKanaTable{{
    {"a", 0x3042},
    {"i", 0x3044},
    {"u", 0x3046},
    {"e", 0x3048},
    {"o", 0x304A},
    {"ka", 0x304B},
    {"ki", 0x304D},
    {"ku", 0x304F},
    {"ke", 0x3051},
    {"ko", 0x3053},
    {"sa", 0x3055},
    {"shi", 0x3057},
    {"su", 0x3059},
    {"se", 0x305B},
    {"so", 0x305D},
    {"ta", 0x305F},
    {"chi", 0x3061},
    {"tsu", 0x3064},
    {"te", 0x3066},
    {"to", 0x3068},
    {"na", 0x306A},
    {"ni", 0x306B},
    {"nu", 0x306C},
    {"ne", 0x306D},
    {"no", 0x306E},
    {"ha", 0x306F},
    {"hi", 0x3072},
    {"fu", 0x3075},
    {"he", 0x3078},
    {"ho", 0x307B},
    {"ma", 0x307E},
    {"mi", 0x307F},
    {"mu", 0x3080},
    {"me", 0x3081},
    {"mo", 0x3082},
    {"ya", 0x3084},
    {"yu", 0x3086},
    {"yo", 0x3088},
    {"ra", 0x3089},
    {"ri", 0x308A},
    {"ru", 0x308B},
    {"re", 0x308C},
    {"ro", 0x308D},
    {"wa", 0x308F},
    {"wo", 0x3092},
    {"n", 0x3093},
    {"ga", 0x304C},
    {"gi", 0x304E},
    {"gu", 0x3050},
    {"ge", 0x3052},
    {"go", 0x3054},
    {"za", 0x3056},
    {"ji", 0x3058},
    {"zu", 0x305A},
    {"ze", 0x305C},
    {"zo", 0x305E},
    {"da", 0x3060},
    {"ji(di)", 0x3062},
    {"zu(du)", 0x3065},
    {"de", 0x3067},
    {"do", 0x3069},
    {"ba", 0x3070},
    {"bi", 0x3073},
    {"bu", 0x3076},
    {"be", 0x3079},
    {"bo", 0x307C},
    {"pa", 0x3071},
    {"pi", 0x3074},
    {"pu", 0x3077},
    {"pe", 0x307A},
    {"po", 0x307D},
    {"kya", 0x304D, kSmallYa},
    {"kyu", 0x304D, kSmallYu},
    {"kyo", 0x304D, kSmallYo},
    {"sha", 0x3057, kSmallYa},
    {"shu", 0x3057, kSmallYu},
    {"sho", 0x3057, kSmallYo},
    {"cha", 0x3061, kSmallYa},
    {"chu", 0x3061, kSmallYu},
    {"cho", 0x3061, kSmallYo},
    {"nya", 0x306B, kSmallYa},
    {"nyu", 0x306B, kSmallYu},
    {"nyo", 0x306B, kSmallYo},
    {"hya", 0x3072, kSmallYa},
    {"hyu", 0x3072, kSmallYu},
    {"hyo", 0x3072, kSmallYo},
    {"mya", 0x307F, kSmallYa},
    {"myu", 0x307F, kSmallYu},
    {"myo", 0x307F, kSmallYo},
    {"rya", 0x308A, kSmallYa},
    {"ryu", 0x308A, kSmallYu},
    {"ryo", 0x308A, kSmallYo},
    {"gya", 0x304E, kSmallYa},
    {"gyu", 0x304E, kSmallYu},
    {"gyo", 0x304E, kSmallYo},
    {"ja", 0x3058, kSmallYa},
    {"ju", 0x3058, kSmallYu},
    {"jo", 0x3058, kSmallYo},
    {"bya", 0x3073, kSmallYa},
    {"byu", 0x3073, kSmallYu},
    {"byo", 0x3073, kSmallYo},
    {"pya", 0x3074, kSmallYa},
    {"pyu", 0x3074, kSmallYu},
    {"pyo", 0x3074, kSmallYo},
}};

std::vector<CObArray> KanaStrokes(const std::vector<CVgStroke>& strokes) {
    std::vector<CObArray> result;
    for (const CVgStroke& stroke : strokes) {
        CObArray& polyline = result.emplace_back();
        for (const CPoint& p : SamplePoints(stroke.points, kKanaPointStep)) {
            CKanaPoint point;
            point.x = std::clamp(p.x, kLeft, kRight);
            point.y = std::clamp(p.y, 0, kBottom);
            polyline.points.push_back(point);
        }
    }
    return result;
}

std::vector<CVgStroke> CombinedKanaStrokes(const std::vector<CVgStroke>& big,
                                           const std::vector<CVgStroke>& small) {
    std::vector<CVgStroke> result = big;
    for (CVgStroke& stroke : result) {
        for (CPointF& p : stroke.points)
            p.x = kFrameLeft + kBigKanaWidth * (p.x - kFrameLeft);
    }
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    double bottom = std::numeric_limits<double>::lowest();
    for (const CVgStroke& stroke : small) {
        for (const CPointF& p : stroke.points) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            bottom = std::max(bottom, p.y);
        }
    }
    const double targetLeft = kFrameLeft + kSmallKanaLeft * kFrameSquare;
    const double targetWidth = (kSmallKanaRight - kSmallKanaLeft) * kFrameSquare;
    const double scale = right > left ? targetWidth / (right - left) : 1.0;
    for (CVgStroke stroke : small) {
        for (CPointF& p : stroke.points) {
            p = {targetLeft + scale * (p.x - left), bottom + scale * (p.y - bottom)};
        }
        result.push_back(std::move(stroke));
    }
    return result;
}

void BuildKanaRecords(const std::string& kanjivgDir,
                      std::vector<std::unique_ptr<CHiraganaData>>& hiragana,
                      std::vector<std::unique_ptr<CKatakanaData>>& katakana) {
    for (const CKanaTableEntry& entry : kKanaTable) {
        for (const char32_t offset : {char32_t{0}, kKatakanaOffset}) {
            std::vector<CVgStroke> strokes = ReadKana(kanjivgDir, entry.kana + offset);
            if (entry.small != 0) {
                strokes = CombinedKanaStrokes(strokes, ReadKana(kanjivgDir, entry.small + offset));
            }
            if (offset == 0) {
                hiragana.push_back(MakeRecord<CHiraganaData>(entry, offset, strokes));
            } else {
                katakana.push_back(MakeRecord<CKatakanaData>(entry, offset, strokes));
            }
        }
    }
}

}  // namespace brushly::kanjidb
