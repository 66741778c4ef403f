#include "kanjidb/KanjiVgStrokes.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>

namespace brushly::kanjidb {

namespace {

constexpr double kFrameScale = kFrameSquare / kVgViewBox;

void CollectPaths(const pugi::xml_node& node, std::vector<CVgStroke>& strokes, bool& ok) {
    for (const pugi::xml_node& child : node.children()) {
        if (!ok) return;
        if (child.type() != pugi::node_element) continue;
        if (std::string_view(child.name()) == "path") {
            const pugi::xml_attribute data = child.attribute("d");
            if (!data) continue;
            const std::optional<CSvgPath> path = ParseSvgPath(data.value());
            if (!path) {
                ok = false;
                return;
            }
            const CSvgPath framed = ScaledPath(*path, kFrameScale, {kFrameLeft, 0.0});
            strokes.push_back(
                {child.attribute("kvg:type").value(), FlattenPath(framed, kFlattenTolerance)});
        } else {
            CollectPaths(child, strokes, ok);
        }
    }
}

}  // namespace

CPointF ToFrame(CPointF viewBoxPoint) {
    return {kFrameLeft + kFrameScale * viewBoxPoint.x, kFrameScale * viewBoxPoint.y};
}

std::optional<std::vector<CVgStroke>> ParseKanjiVg(std::string_view svg) {
    pugi::xml_document document;
    if (!document.load_buffer(svg.data(), svg.size())) return std::nullopt;
    std::vector<CVgStroke> strokes;
    bool ok = true;
    CollectPaths(document, strokes, ok);
    if (!ok) return std::nullopt;
    return strokes;
}

std::optional<std::vector<CVgStroke>> ReadKanjiVgFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    const std::string contents{std::istreambuf_iterator<char>(file),
                               std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return ParseKanjiVg(contents);
}

std::vector<CPoint> SamplePoints(const std::vector<CPointF>& points, double step) {
    std::vector<CPoint> samples;
    auto add = [&samples](CPointF p) {
        const CPoint rounded{static_cast<int>(std::lround(p.x)),
                             static_cast<int>(std::lround(p.y))};
        if (samples.empty() || !(samples.back() == rounded)) samples.push_back(rounded);
    };
    if (points.empty()) return samples;
    add(points.front());
    double travelled = 0.0;  // arc length up to points[i - 1]
    double next = step;      // arc length of the next sample
    for (std::size_t i = 1; i < points.size(); ++i) {
        const CPointF a = points[i - 1];
        const CPointF b = points[i];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        while (length > 0.0 && travelled + length >= next) {
            const double t = (next - travelled) / length;
            add({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
            next += step;
        }
        travelled += length;
    }
    add(points.back());
    return samples;
}

std::string KanjiVgFileName(char32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "%05x.svg", static_cast<unsigned>(codePoint));
    return name;
}

}  // namespace brushly::kanjidb
