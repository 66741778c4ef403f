#pragma once

#include <string>

#include "archive/CFile.h"

namespace brushly {

// A file in memory: empty for writing, or over given bytes for reading.
class CMemFile final : public CFile {
public:
    CMemFile() = default;
    explicit CMemFile(std::string bytes) : m_bytes(std::move(bytes)) {}

    std::size_t Read(void* buffer, std::size_t size) override;
    void Write(const void* buffer, std::size_t size) override;
    std::uint64_t Length() const override { return m_bytes.size(); }
    std::string Name() const override { return "(memory)"; }

    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
    std::size_t m_readPosition = 0;
};

}  // namespace brushly
