#include "writingeval/StrokeSources.h"

#include <cmath>
#include <cstdlib>

#include "CJsonReader.h"
#include "archive/CArchiveException.h"
#include "archive/FileHead.h"
#include "handwriting/CKanaDrawBox.h"
#include "handwriting/KanaComparison.h"
#include "platform/ShiftJis.h"

namespace brushly::writingeval {

namespace {

// A Make Me a Hanzi character file is a few KB; anything far larger is not one.
constexpr std::size_t kMaxHanziFileBytes = 16 * 1024 * 1024;

std::filesystem::path FolderFrom(const char* variable, const char* fallback) {
    const char* directory = std::getenv(variable);
    return directory && *directory ? directory : fallback;
}

CPath MedianPath(const tool::CJsonValue& median, std::size_t stroke) {
    using Kind = tool::CJsonValue::Kind;
    const std::string where = "median " + std::to_string(stroke + 1);
    if (median.kind != Kind::kArray || median.items.empty()) {
        throw CHanziFileError(where + " is not a non-empty array of points");
    }
    CPath path;
    for (const tool::CJsonValue& point : median.items) {
        if (point.kind != Kind::kArray || point.items.size() != 2 ||
            point.items[0].kind != Kind::kNumber || point.items[1].kind != Kind::kNumber) {
            throw CHanziFileError(where + " has a point that is not an [x, y] pair of numbers");
        }
        const double x = point.items[0].number;
        const double y = point.items[1].number;
        // Densified below per unit of length: a damaged far point must not decide the cost.
        if (std::abs(x) > kHanziCoordinateLimit || std::abs(y) > kHanziCoordinateLimit) {
            throw CHanziFileError(where + kFarMedianPointMessage);
        }
        path.push_back(FromHanziFrame(x, y));
    }
    return Densified(path, kMedianStep);
}

}  // namespace

std::filesystem::path KanjiVgDirectory() {
    return FolderFrom("BRUSHLY_KANJIVG_DIR", BRUSHLY_DEFAULT_KANJIVG_DIR);
}

std::filesystem::path HanziDirectory() {
    return FolderFrom("BRUSHLY_HANZI_DIR", BRUSHLY_DEFAULT_HANZI_DIR);
}

std::optional<std::vector<kanjidb::CVgStroke>> ReadKanjiVgCharacter(
    const std::filesystem::path& folder, std::string_view sjisCharacter) {
    if (sjisCharacter.size() != 2) return std::nullopt;
    const std::u16string utf16 = sjis::ToUtf16(sjisCharacter);
    if (utf16.size() != 1) return std::nullopt;
    return kanjidb::ReadKanjiVgFile((folder / kanjidb::KanjiVgFileName(utf16[0])).string());
}

CPaths KanjiVgPaths(const std::vector<kanjidb::CVgStroke>& strokes) {
    CPaths paths;
    paths.reserve(strokes.size());
    for (const kanjidb::CVgStroke& stroke : strokes)
        paths.push_back(stroke.points);
    return paths;
}

CPointF FromHanziFrame(double x, double y) {
    return {11.0 + 168.0 * x / 1024.0, 168.0 * (900.0 - y) / 1024.0};
}

CPaths ParseHanziMedians(std::string_view json) {
    tool::CJsonValue document;
    try {
        document = tool::CJsonReader::Parse(json);
    } catch (const tool::CJsonError& error) {
        throw CHanziFileError("not JSON: " + std::string(error.what()) + " at byte " +
                              std::to_string(error.Offset()));
    }
    const tool::CJsonValue* medians = document.Find("medians");
    if (medians == nullptr || medians->kind != tool::CJsonValue::Kind::kArray) {
        throw CHanziFileError("no \"medians\" array");
    }
    CPaths paths;
    for (std::size_t i = 0; i < medians->items.size(); ++i)
        paths.push_back(MedianPath(medians->items[i], i));
    return paths;
}

std::filesystem::path HanziFile(const std::filesystem::path& folder,
                                std::string_view sjisCharacter) {
    return folder / (sjis::ToUtf8(sjisCharacter) + ".json");
}

CPaths ReadHanziMedians(const std::filesystem::path& file) {
    std::string text;
    try {
        text = ReadFileHead(file.string(), kMaxHanziFileBytes + 1);
    } catch (const CFileException& failure) {
        throw CHanziFileError(failure.what());
    }
    if (text.size() > kMaxHanziFileBytes) throw CHanziFileError(file.string() + ": too large");
    try {
        return ParseHanziMedians(text);
    } catch (const CHanziFileError& error) {
        throw CHanziFileError(file.string() + ": " + error.what());
    }
}

CPaths KanaPaths(const CKanaData& kana) {
    CPaths paths;
    for (const CPolyline& reference : KanaReference(kana)) {
        CPath path;
        for (const CPoint& point : PrimaryForm(reference))
            path.push_back({static_cast<double>(point.x), static_cast<double>(point.y)});
        paths.push_back(Densified(path, kMedianStep));
    }
    return paths;
}

}  // namespace brushly::writingeval
