#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include "archive/CArchive.h"
#include "archive/CMemFile.h"
#include "support/ArchiveTestRecords.h"
#include "support/ExpectedBytes.h"

namespace brushly::testing {

// The bytes that `write` puts into a fresh storing archive.
inline std::string Store(const std::function<void(CArchive&)>& write) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    write(archive);
    archive.Close();
    return file.Bytes();
}

// Runs `read` on a loading archive over bytes, with the test registry; returns the bytes
// left unread.
inline std::uint64_t Load(const std::string& bytes, const std::function<void(CArchive&)>& read,
                          const CClassRegistry& registry = MakeTestRegistry()) {
    CMemFile file(bytes);
    CArchive archive(file, CArchive::Mode::Load, &registry);
    read(archive);
    return archive.BytesLeft();
}

// The cause of the archive failure that `read` raises over bytes.
inline CArchiveException::Cause LoadFailure(const std::string& bytes,
                                            const std::function<void(CArchive&)>& read) {
    try {
        Load(bytes, read);
    } catch (const CArchiveException& error) {
        return error.GetCause();
    }
    throw std::logic_error("the load did not fail");
}

}  // namespace brushly::testing
