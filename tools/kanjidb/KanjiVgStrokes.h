#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kanjidb/SvgPath.h"
#include "platform/CPoint.h"

// Reading the strokes of one KanjiVG file (a kanji or a kana) into the draw-box frame.
namespace brushly::kanjidb {

// The draw-box frame: the KanjiVG view box (109 x 109, y down) becomes the character square
// of 168 pixels whose left edge lies at x = 11, the square that the character renderer copies:
// x' = 11 + 168 x / 109, y' = 168 y / 109.
inline constexpr double kVgViewBox = 109.0;
inline constexpr double kFrameSquare = 168.0;
inline constexpr double kFrameLeft = 11.0;

CPointF ToFrame(CPointF viewBoxPoint);

// How far (in frame pixels) a flattened stroke may stray from the KanjiVG curve.
inline constexpr double kFlattenTolerance = 0.1;

// One stroke (one <path>) of a KanjiVG character.
struct CVgStroke {
    std::string type;             // kvg:type, UTF-8 (e.g. "㇕a", "㇔/㇏"); empty when absent
    std::vector<CPointF> points;  // the flattened path in the draw-box frame, first and last exact
};

// The strokes of a KanjiVG SVG document: every <path> with path data, in document order (which
// is KanjiVG's writing order), ignoring the stroke-number text. Nothing when the XML or a
// path's data is malformed; an empty list when the document has no path.
std::optional<std::vector<CVgStroke>> ParseKanjiVg(std::string_view svg);

// ParseKanjiVg of a file's contents; nothing when the file cannot be read.
std::optional<std::vector<CVgStroke>> ReadKanjiVgFile(const std::string& path);

// Integer points along a flattened stroke, about step pixels apart by arc length: the first
// and the last point rounded exactly, the others rounded from the path, no two consecutive
// points equal. An empty stroke gives no points.
std::vector<CPoint> SamplePoints(const std::vector<CPointF>& points, double step);

// KanjiVG's file name for a code point: five lower-case hex digits and ".svg" ("098df.svg").
std::string KanjiVgFileName(char32_t codePoint);

}  // namespace brushly::kanjidb
