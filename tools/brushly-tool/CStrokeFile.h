#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CToolCommand.h"
#include "platform/CPoint.h"

namespace brushly::tool {

// A stroke file that cannot be read or does not have the expected shape; the message names
// the file and, for a syntax error, the byte offset with line and column.
class CStrokeFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One written character: its pen-down to pen-up point lists in draw-box pixels.
struct CWrittenSample {
    std::string character;  // UTF-8, from the optional "char" member; empty without one
    std::vector<std::vector<CPoint>> strokes;
};

// The contents of a stroke file, the input of the write and search-strokes commands:
//   {"strokes": [[[x, y], [x, y], ...], ...], "char": "一"}   one sample ("char" optional)
//   [{"strokes": ...}, {"strokes": ...}, ...]                 a batch, one output line each
// Coordinates are whole numbers (10 or 10.0, not 10.5) from -kCoordinateLimit to
// kCoordinateLimit: a fraction would be invented precision the box never sees, so such a file
// is refused rather than rounded. Every stroke has at least one point; an object has no
// members but "strokes" and "char", so that a misspelt name is caught.
struct CStrokeFile {
    static constexpr int kCoordinateLimit = 100000;
    // A larger file is refused rather than read: a stroke file of any real use is a few KB.
    static constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;
    // The messages of a file that cannot be read, after its path.
    static constexpr const char* kFolderMessage = ": is a folder, not a stroke file";
    static constexpr const char* kNotRegularFileMessage =
        ": is not a regular file (a device, pipe or socket), not a stroke file";
    static constexpr const char* kTooLargeMessage =
        ": is larger than 16 MB, too large for a stroke file";
    static constexpr const char* kCannotOpenMessage = ": cannot open the file";

    std::vector<CWrittenSample> samples;
    bool batch = false;

    // Reads a regular file of at most kMaxFileBytes; a folder, device, FIFO or socket is
    // refused without blocking. Throws CStrokeFileError.
    static CStrokeFile Read(const std::string& path);
    // The same from text already read; name stands for the file in messages.
    static CStrokeFile Parse(std::string_view text, const std::string& name);
};

// The stroke file named by a command's option (CUsageError without one). A file that cannot
// be used is reported on err as "brushly-tool COMMAND: ..." and gives nothing: the caller
// exits with status 2 but without the usage text, as the command line itself was right.
std::optional<CStrokeFile> ReadStrokeFile(const CCommandLine& line, std::string_view option,
                                          std::string_view command, std::ostream& err);

}  // namespace brushly::tool
