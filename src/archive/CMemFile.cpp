#include "archive/CMemFile.h"

#include <algorithm>
#include <cstring>

namespace brushly {

std::size_t CMemFile::Read(void* buffer, std::size_t size) {
    const std::size_t count = std::min(size, m_bytes.size() - m_readPosition);
    std::memcpy(buffer, m_bytes.data() + m_readPosition, count);
    m_readPosition += count;
    return count;
}

void CMemFile::Write(const void* buffer, std::size_t size) {
    m_bytes.append(static_cast<const char*>(buffer), size);
}

}  // namespace brushly
