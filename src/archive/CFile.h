#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace brushly {

// A sequential byte file that an archive reads or writes through its buffer.
class CFile {
public:
    virtual ~CFile() = default;

    // Reads up to size bytes; returns how many were read, 0 only at the end of the file.
    // Throws CFileException on a read error.
    virtual std::size_t Read(void* buffer, std::size_t size) = 0;
    // Writes all size bytes or throws CFileException.
    virtual void Write(const void* buffer, std::size_t size) = 0;
    // Total length in bytes of a file opened for reading, as it was when opened.
    virtual std::uint64_t Length() const = 0;
    // The file's name for messages.
    virtual std::string Name() const = 0;
};

}  // namespace brushly
