#include "archive/FileHead.h"

#include <algorithm>
#include <cstdint>

#include "archive/CDiskFile.h"

namespace brushly {

std::string ReadFileHead(const std::string& path, std::size_t limit) {
    CDiskFile file(path, CDiskFile::Mode::Read);
    // Sized by what the file holds, not by the limit, so a small file costs little.
    std::string bytes(static_cast<std::size_t>(std::min<std::uint64_t>(file.Length(), limit)),
                      '\0');
    std::size_t filled = 0;
    while (filled < limit) {
        if (filled == bytes.size()) bytes.resize(std::min(limit, 2 * bytes.size() + 4096));
        const std::size_t count = file.Read(bytes.data() + filled, bytes.size() - filled);
        if (count == 0) break;
        filled += count;
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace brushly
