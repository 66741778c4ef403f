#pragma once

#include <cstddef>
#include <string>

namespace brushly {

// The first bytes of a regular file, at most limit of them (fewer only at its end), read
// through CDiskFile: a folder, device, FIFO or socket is refused without blocking. Throws
// CFileException. A caller that must refuse a larger file asks for limit + 1 bytes.
std::string ReadFileHead(const std::string& path, std::size_t limit);

}  // namespace brushly
