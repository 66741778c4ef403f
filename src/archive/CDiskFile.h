#pragma once

#include <string>

#include "archive/CFile.h"

namespace brushly {

// A file on disk, opened read-only for loading or created for storing.
//
// A file created for storing is written under a temporary name beside the target and
// takes the target's name only in Commit(), after everything was written and flushed to
// disk; until then an existing file of that name stays as it was. A file destroyed
// without Commit() is removed, so a failed save never leaves a half-written file behind.
class CDiskFile final : public CFile {
public:
    enum class Mode { Read, Create };

    // Throws CFileException when the file cannot be opened or created.
    CDiskFile(std::string path, Mode mode);
    ~CDiskFile() override;
    CDiskFile(const CDiskFile&) = delete;
    CDiskFile& operator=(const CDiskFile&) = delete;

    std::size_t Read(void* buffer, std::size_t size) override;
    void Write(const void* buffer, std::size_t size) override;
    std::uint64_t Length() const override { return m_length; }
    std::string Name() const override { return m_path; }

    // Storing only: flushes the file to disk and moves it to its name. Throws
    // CFileException; the target is then unchanged.
    void Commit();

private:
    std::string m_path;
    std::string m_temporaryPath;
    int m_descriptor = -1;
    std::uint64_t m_length = 0;
};

}  // namespace brushly
