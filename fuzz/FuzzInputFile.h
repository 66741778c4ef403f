#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

// The loaders read files by path; a fuzz input is handed to them through one temporary file
// per process, rewritten for every input and removed at exit.
namespace brushly::fuzzing {

class CFuzzInputFile {
public:
    explicit CFuzzInputFile(const char* suffix) {
        std::string pattern = "/tmp/brushly-fuzz-XXXXXX" + std::string(suffix);
        const int fd = mkstemps(pattern.data(), static_cast<int>(std::string(suffix).size()));
        if (fd >= 0) close(fd);
        m_path = pattern;
    }
    ~CFuzzInputFile() { unlink(m_path.c_str()); }
    CFuzzInputFile(const CFuzzInputFile&) = delete;
    CFuzzInputFile& operator=(const CFuzzInputFile&) = delete;

    // Writes the input and returns the file's path.
    const std::string& Write(const std::uint8_t* data, std::size_t size) {
        std::ofstream(m_path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return m_path;
    }

private:
    std::string m_path;
};

}  // namespace brushly::fuzzing
