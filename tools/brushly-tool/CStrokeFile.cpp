#include "CStrokeFile.h"

#include <cmath>
#include <filesystem>
#include <ostream>

#include "CJsonReader.h"
#include "archive/CArchiveException.h"
#include "archive/FileHead.h"

namespace brushly::tool {

namespace {

// "byte 17 (line 2, column 5)": the offset for programs, line and column for an editor.
std::string Location(std::string_view text, std::size_t offset) {
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return "byte " + std::to_string(offset) + " (line " + std::to_string(line) + ", column " +
           std::to_string(offset - lineStart + 1) + ")";
}

// Checks the parsed document against the stroke file's shape; each failure names the file,
// the place and the path of the offending value, e.g. "[1].strokes[0][2]".
class CShapeReader {
public:
    CShapeReader(std::string_view text, const std::string& name) : m_text(text), m_name(name) {}

    CWrittenSample ReadSample(const CJsonValue& value, const std::string& path) const {
        Require(value, CJsonValue::Kind::kObject, path, "an object with \"strokes\"");
        CWrittenSample sample;
        for (std::size_t i = 0; i < value.keys.size(); ++i) {
            const std::string& key = value.keys[i];
            if (key != "strokes" && key != "char") {
                Fail(value.items[i], path,
                     "unknown member \"" + key +
                         "\" (expected \"strokes\" and optionally \"char\")");
            }
        }
        const CJsonValue* strokes = value.Find("strokes");
        if (!strokes) Fail(value, path, "missing member \"strokes\"");
        const std::string strokesPath = Join(path, "strokes");
        Require(*strokes, CJsonValue::Kind::kArray, strokesPath, "an array of strokes");
        for (std::size_t i = 0; i < strokes->items.size(); ++i) {
            sample.strokes.push_back(ReadStroke(strokes->items[i], Index(strokesPath, i)));
        }
        if (const CJsonValue* character = value.Find("char")) {
            Require(*character, CJsonValue::Kind::kString, Join(path, "char"), "a string");
            if (character->text.empty()) Fail(*character, Join(path, "char"), "empty character");
            sample.character = character->text;
        }
        return sample;
    }

    [[noreturn]] void Fail(const CJsonValue& value, const std::string& path,
                           const std::string& message) const {
        throw CStrokeFileError(m_name + ": " + Location(m_text, value.offset) + ": " +
                               (path.empty() ? "" : path + ": ") + message);
    }

    static std::string Index(const std::string& path, std::size_t index) {
        return path + "[" + std::to_string(index) + "]";
    }

private:
    std::vector<CPoint> ReadStroke(const CJsonValue& value, const std::string& path) const {
        Require(value, CJsonValue::Kind::kArray, path, "a stroke: an array of points");
        if (value.items.empty()) Fail(value, path, "a stroke needs at least one point");
        std::vector<CPoint> points;
        for (std::size_t i = 0; i < value.items.size(); ++i) {
            const CJsonValue& point = value.items[i];
            const std::string pointPath = Index(path, i);
            Require(point, CJsonValue::Kind::kArray, pointPath, "a point [x, y]");
            if (point.items.size() != 2) {
                Fail(point, pointPath,
                     "a point has two coordinates, not " + std::to_string(point.items.size()));
            }
            points.push_back({ReadCoordinate(point.items[0], Index(pointPath, 0)),
                              ReadCoordinate(point.items[1], Index(pointPath, 1))});
        }
        return points;
    }

    int ReadCoordinate(const CJsonValue& value, const std::string& path) const {
        Require(value, CJsonValue::Kind::kNumber, path, "a coordinate (a whole number)");
        if (std::trunc(value.number) != value.number) {
            Fail(value, path, "coordinate " + value.text + " is not a whole number");
        }
        if (std::fabs(value.number) > CStrokeFile::kCoordinateLimit) {
            Fail(value, path,
                 "coordinate " + value.text + " lies beyond +-" +
                     std::to_string(CStrokeFile::kCoordinateLimit));
        }
        return static_cast<int>(value.number);
    }

    void Require(const CJsonValue& value, CJsonValue::Kind kind, const std::string& path,
                 std::string_view wanted) const {
        if (value.kind == kind) return;
        Fail(value, path,
             "expected " + std::string(wanted) + ", found " +
                 std::string(CJsonValue::KindName(value.kind)));
    }

    static std::string Join(const std::string& path, std::string_view key) {
        return path.empty() ? std::string(key) : path + "." + std::string(key);
    }

    std::string_view m_text;
    const std::string& m_name;
};

}  // namespace

CStrokeFile CStrokeFile::Read(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw CStrokeFileError(path + kFolderMessage);
    }
    std::string text;
    try {
        text = ReadFileHead(path, kMaxFileBytes + 1);
    } catch (const CFileException& failure) {
        throw CStrokeFileError(
            path + (failure.ErrorNumber() == 0 ? kNotRegularFileMessage : kCannotOpenMessage));
    }
    if (text.size() > kMaxFileBytes) throw CStrokeFileError(path + kTooLargeMessage);
    return Parse(text, path);
}

CStrokeFile CStrokeFile::Parse(std::string_view text, const std::string& name) {
    CJsonValue document;
    try {
        document = CJsonReader::Parse(text);
    } catch (const CJsonError& error) {
        throw CStrokeFileError(name + ": " + Location(text, error.Offset()) +
                               ": invalid JSON: " + error.what());
    }
    const CShapeReader reader(text, name);
    CStrokeFile file;
    if (document.kind == CJsonValue::Kind::kObject) {
        file.samples.push_back(reader.ReadSample(document, ""));
        return file;
    }
    if (document.kind != CJsonValue::Kind::kArray) {
        reader.Fail(document, "",
                    "expected an object with \"strokes\" or an array of such objects, found " +
                        std::string(CJsonValue::KindName(document.kind)));
    }
    file.batch = true;
    for (std::size_t i = 0; i < document.items.size(); ++i) {
        file.samples.push_back(reader.ReadSample(document.items[i], CShapeReader::Index("", i)));
    }
    return file;
}

std::optional<CStrokeFile> ReadStrokeFile(const CCommandLine& line, std::string_view option,
                                          std::string_view command, std::ostream& err) {
    const auto path = line.Value(option);
    if (!path || path->empty()) throw CUsageError("missing " + std::string(option) + " FILE.json");
    try {
        return CStrokeFile::Read(*path);
    } catch (const CStrokeFileError& error) {
        err << "brushly-tool " << command << ": " << error.what() << "\n";
        return std::nullopt;
    }
}

}  // namespace brushly::tool
