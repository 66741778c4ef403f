#pragma once

#include <string>

#include "archive/CFile.h"

namespace brushly {

// A file on disk, opened read-only for loading or created for storing.
//
// A file created for storing collects what is written in memory and reaches the disk only
// in Commit(), whole, through WriteFileAtomically; until then an existing file of that name
// stays as it was. A file destroyed without Commit() writes nothing.
class CDiskFile final : public CFile {
public:
    enum class Mode { Read, Create };

    // Reading: throws CFileException when the file cannot be opened.
    CDiskFile(std::string path, Mode mode);
    ~CDiskFile() override;
    CDiskFile(const CDiskFile&) = delete;
    CDiskFile& operator=(const CDiskFile&) = delete;

    std::size_t Read(void* buffer, std::size_t size) override;
    void Write(const void* buffer, std::size_t size) override;
    std::uint64_t Length() const override { return m_length; }
    std::string Name() const override { return m_path; }

    // Storing only: writes the file to disk under its name, with keepBackup keeping the
    // previous version as "<name>~" (see WriteFileAtomically). Throws CFileException; the
    // file is then unchanged.
    void Commit(bool keepBackup = false);

private:
    std::string m_path;
    std::string m_pending;  // what a created file holds until Commit
    int m_descriptor = -1;
    std::uint64_t m_length = 0;
};

}  // namespace brushly
