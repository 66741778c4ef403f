#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "kanjidb/KanjiVgStrokes.h"
#include "reference/CKanaData.h"
#include "writingeval/CHandVariation.h"

// Where the writing harness takes its strokes from, each as paths in the draw-box frame
// (pixels, x right, y down, the character square x 11 to 179, y 0 to 168): KanjiVG files,
// the medians of hanzi-writer-data and the kana records of the database.
namespace brushly::writingeval {

// The KanjiVG folder: $BRUSHLY_KANJIVG_DIR when set and not empty, else the checkout's
// cache (.cache/kanjivg/package/dist/orig/main).
std::filesystem::path KanjiVgDirectory();
// The hanzi-writer-data folder: $BRUSHLY_HANZI_DIR when set and not empty, else the
// checkout's cache (.cache/hwd/package).
std::filesystem::path HanziDirectory();

// The KanjiVG strokes of one Shift-JIS character from folder; nothing when the character is
// not a single double-byte character or its file is missing or malformed.
std::optional<std::vector<kanjidb::CVgStroke>> ReadKanjiVgCharacter(
    const std::filesystem::path& folder, std::string_view sjisCharacter);
// The flattened paths of the strokes, in order.
CPaths KanjiVgPaths(const std::vector<kanjidb::CVgStroke>& strokes);

// A hanzi-writer-data file that cannot be used: the message names the file (when read from
// one) and what is wrong.
class CHanziFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// hanzi-writer-data's 1024 x 1024 frame (y up, baseline near 900) in the draw-box frame:
// x' = 11 + 168 x / 1024, y' = 168 (900 - y) / 1024.
CPointF FromHanziFrame(double x, double y);

// The points of hanzi medians lie this far apart at most once densified, in pixels.
inline constexpr double kMedianStep = 1.0;

// Hanzi coordinates beyond +-kHanziCoordinateLimit are damage, refused with "median N" and
// kFarMedianPointMessage, since densifying would cost memory in proportion to them.
inline constexpr double kHanziCoordinateLimit = 2048.0;
inline constexpr const char* kFarMedianPointMessage = " has a point beyond the 1024 frame";

// The "medians" of a hanzi-writer-data document, one path per stroke in its order, mapped by
// FromHanziFrame and densified to kMedianStep. Throws CHanziFileError when the text is not
// JSON, has no "medians" array, or a median is not a non-empty array of [x, y] number pairs
// within the limit above.
CPaths ParseHanziMedians(std::string_view json);
// The file of a Shift-JIS character: folder / "<the character in UTF-8>.json".
std::filesystem::path HanziFile(const std::filesystem::path& folder,
                                std::string_view sjisCharacter);
// ParseHanziMedians of a file's contents; CHanziFileError (naming the file) when it cannot
// be read or parsed.
CPaths ReadHanziMedians(const std::filesystem::path& file);

// The primary forms of a kana record's reference strokes (see KanaComparison.h), densified to
// kMedianStep.
CPaths KanaPaths(const CKanaData& kana);

}  // namespace brushly::writingeval
