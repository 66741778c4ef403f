#include "kanjidb/SvgPath.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace brushly::kanjidb {

namespace {

// Subdivision depth limit: 2^12 pieces per cubic is far finer than any tolerance we use.
constexpr int kMaxFlattenDepth = 12;

// Reads numbers from path data one at a time, skipping the separators before each.
class CNumberReader {
public:
    explicit CNumberReader(std::string_view data) : m_data(data) {}

    void SkipSeparators() {
        while (m_pos < m_data.size() &&
               (std::isspace(static_cast<unsigned char>(m_data[m_pos])) || m_data[m_pos] == ',')) {
            ++m_pos;
        }
    }

    bool AtEnd() {
        SkipSeparators();
        return m_pos >= m_data.size();
    }

    // The next character when it is a command letter, else 0.
    char PeekCommand() {
        SkipSeparators();
        if (m_pos >= m_data.size()) return 0;
        const char c = m_data[m_pos];
        return std::isalpha(static_cast<unsigned char>(c)) && c != 'e' && c != 'E' ? c : 0;
    }

    void Advance() { ++m_pos; }

    bool StartsNumber() {
        SkipSeparators();
        if (m_pos >= m_data.size()) return false;
        const char c = m_data[m_pos];
        return std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.';
    }

    // A number: sign, digits, at most one '.', digits, optional exponent. A second '.' starts
    // the next number ("1.5.5").
    std::optional<double> Number() {
        SkipSeparators();
        const std::size_t begin = m_pos;
        if (m_pos < m_data.size() && (m_data[m_pos] == '-' || m_data[m_pos] == '+')) ++m_pos;
        const std::size_t digitsBegin = m_pos;
        SkipDigits();
        if (m_pos < m_data.size() && m_data[m_pos] == '.') {
            ++m_pos;
            SkipDigits();
        }
        if (m_pos == digitsBegin || (m_pos == digitsBegin + 1 && m_data[digitsBegin] == '.')) {
            return std::nullopt;
        }
        if (m_pos < m_data.size() && (m_data[m_pos] == 'e' || m_data[m_pos] == 'E')) {
            std::size_t exponent = m_pos + 1;
            if (exponent < m_data.size() && (m_data[exponent] == '-' || m_data[exponent] == '+')) {
                ++exponent;
            }
            if (exponent < m_data.size() &&
                std::isdigit(static_cast<unsigned char>(m_data[exponent]))) {
                m_pos = exponent;
                SkipDigits();
            }
        }
        // from_chars rejects a leading '+'.
        const std::size_t parseBegin = m_data[begin] == '+' ? begin + 1 : begin;
        double value = 0.0;
        const auto result =
            std::from_chars(m_data.data() + parseBegin, m_data.data() + m_pos, value);
        if (result.ec != std::errc() || result.ptr != m_data.data() + m_pos) return std::nullopt;
        return value;
    }

private:
    void SkipDigits() {
        while (m_pos < m_data.size() && std::isdigit(static_cast<unsigned char>(m_data[m_pos]))) {
            ++m_pos;
        }
    }

    std::string_view m_data;
    std::size_t m_pos = 0;
};

CPointF Add(CPointF a, CPointF b) {
    return {a.x + b.x, a.y + b.y};
}

CPointF Lerp(CPointF a, CPointF b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

CCubic LineTo(CPointF from, CPointF to) {
    return {Lerp(from, to, 1.0 / 3.0), Lerp(from, to, 2.0 / 3.0), to};
}

CCubic QuadTo(CPointF from, CPointF control, CPointF to) {
    return {Lerp(from, control, 2.0 / 3.0), Lerp(to, control, 2.0 / 3.0), to};
}

int ParameterCount(char command) {
    switch (std::toupper(static_cast<unsigned char>(command))) {
        case 'Z':
            return 0;
        case 'H':
        case 'V':
            return 1;
        case 'M':
        case 'L':
        case 'T':
            return 2;
        case 'S':
        case 'Q':
            return 4;
        case 'C':
            return 6;
        default:
            return -1;
    }
}

// Distance of p from the line through a and b (from a when a and b coincide).
double DistanceToLine(CPointF p, CPointF a, CPointF b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (length == 0.0) return std::hypot(p.x - a.x, p.y - a.y);
    return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / length;
}

void FlattenCubic(CPointF p0, const CCubic& cubic, double tolerance, int depth,
                  std::vector<CPointF>& out) {
    const bool flat = DistanceToLine(cubic.control1, p0, cubic.end) <= tolerance &&
                      DistanceToLine(cubic.control2, p0, cubic.end) <= tolerance;
    if (flat || depth >= kMaxFlattenDepth) {
        if (out.empty() || !(out.back() == cubic.end)) out.push_back(cubic.end);
        return;
    }
    const CPointF p01 = Lerp(p0, cubic.control1, 0.5);
    const CPointF p12 = Lerp(cubic.control1, cubic.control2, 0.5);
    const CPointF p23 = Lerp(cubic.control2, cubic.end, 0.5);
    const CPointF p012 = Lerp(p01, p12, 0.5);
    const CPointF p123 = Lerp(p12, p23, 0.5);
    const CPointF middle = Lerp(p012, p123, 0.5);
    FlattenCubic(p0, {p01, p012, middle}, tolerance, depth + 1, out);
    FlattenCubic(middle, {p123, p23, cubic.end}, tolerance, depth + 1, out);
}

}  // namespace

std::optional<CSvgPath> ParseSvgPath(std::string_view data) {
    CSvgPath path;
    CNumberReader reader(data);
    CPointF current;
    // The control point that S/T reflect, valid only right after a cubic or quadratic piece.
    CPointF lastControl;
    char lastKind = 0;  // 'C' after C/S, 'Q' after Q/T, else 0
    char command = 0;
    bool closed = false;
    while (!reader.AtEnd()) {
        if (const char next = reader.PeekCommand(); next != 0) {
            command = next;
            reader.Advance();
        } else if (command == 0 || ParameterCount(command) == 0 || !reader.StartsNumber()) {
            return std::nullopt;  // numbers before any command, after Z, or junk
        }
        const int count = ParameterCount(command);
        if (count < 0) return std::nullopt;
        double values[6] = {};
        for (int i = 0; i < count; ++i) {
            const std::optional<double> value = reader.Number();
            if (!value) return std::nullopt;
            values[i] = *value;
        }
        const bool relative = std::islower(static_cast<unsigned char>(command)) != 0;
        const CPointF base = relative ? current : CPointF{};
        auto point = [&](int index) { return Add(base, {values[index], values[index + 1]}); };
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
        if (upper != 'M' && path.subpaths.empty()) return std::nullopt;
        if (upper != 'M' && upper != 'Z' && closed) {
            // Drawing after Z without a moveto starts a new subpath where the last one closed.
            path.subpaths.push_back({current, {}});
        }
        closed = upper == 'Z';
        char kind = 0;
        switch (upper) {
            case 'M':
                current = point(0);
                path.subpaths.push_back({current, {}});
                // Further coordinate pairs of a moveto are linetos of the same kind.
                command = relative ? 'l' : 'L';
                break;
            case 'Z':
                path.subpaths.back().pieces.push_back(LineTo(current, path.subpaths.back().start));
                current = path.subpaths.back().start;
                break;
            case 'L':
            case 'H':
            case 'V': {
                CPointF to = upper == 'L' ? point(0) : current;
                if (upper == 'H') to.x = values[0] + (relative ? current.x : 0.0);
                if (upper == 'V') to.y = values[0] + (relative ? current.y : 0.0);
                path.subpaths.back().pieces.push_back(LineTo(current, to));
                current = to;
                break;
            }
            case 'C':
            case 'S': {
                const CPointF control1 =
                    upper == 'C' ? point(0)
                    : lastKind == 'C'
                        ? CPointF{2.0 * current.x - lastControl.x, 2.0 * current.y - lastControl.y}
                        : current;
                const int rest = upper == 'C' ? 2 : 0;
                const CCubic cubic{control1, point(rest), point(rest + 2)};
                path.subpaths.back().pieces.push_back(cubic);
                lastControl = cubic.control2;
                current = cubic.end;
                kind = 'C';
                break;
            }
            case 'Q':
            case 'T': {
                const CPointF control = upper == 'Q'      ? point(0)
                                        : lastKind == 'Q' ? CPointF{2.0 * current.x - lastControl.x,
                                                                    2.0 * current.y - lastControl.y}
                                                          : current;
                const CPointF to = point(upper == 'Q' ? 2 : 0);
                path.subpaths.back().pieces.push_back(QuadTo(current, control, to));
                lastControl = control;
                current = to;
                kind = 'Q';
                break;
            }
        }
        lastKind = kind;
    }
    if (path.subpaths.empty()) return std::nullopt;
    return path;
}

CSvgPath ScaledPath(const CSvgPath& path, double scale, CPointF offset) {
    auto map = [&](CPointF p) { return CPointF{offset.x + scale * p.x, offset.y + scale * p.y}; };
    CSvgPath result;
    for (const CSubpath& subpath : path.subpaths) {
        CSubpath& mapped = result.subpaths.emplace_back(CSubpath{map(subpath.start), {}});
        for (const CCubic& piece : subpath.pieces) {
            mapped.pieces.push_back({map(piece.control1), map(piece.control2), map(piece.end)});
        }
    }
    return result;
}

std::vector<CPointF> FlattenPath(const CSvgPath& path, double tolerance) {
    std::vector<CPointF> points;
    for (const CSubpath& subpath : path.subpaths) {
        if (points.empty() || !(points.back() == subpath.start)) points.push_back(subpath.start);
        CPointF from = subpath.start;
        for (const CCubic& piece : subpath.pieces) {
            FlattenCubic(from, piece, tolerance, 0, points);
            from = piece.end;
        }
    }
    return points;
}

}  // namespace brushly::kanjidb
