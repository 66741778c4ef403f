#include "dictionary/LibraryPair.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "archive/CArchive.h"
#include "archive/CArchiveException.h"
#include "archive/CFile.h"
#include "dictionary/CCompoundLibrary.h"
#include "platform/CPrompter.h"
#include "platform/FileStatus.h"

namespace brushly {

namespace {

constexpr mode_t kLibraryFileMode = 0644;

// A new file under a unique name beside target, written and flushed by Finish(); removed on
// destruction unless Release()d after it took its final name.
class CTemporaryFile final : public CFile {
public:
    explicit CTemporaryFile(const std::string& target) : m_target(target) {
        std::vector<char> pattern(target.begin(), target.end());
        for (const char c : std::string_view(".XXXXXX"))
            pattern.push_back(c);
        pattern.push_back('\0');
        m_descriptor = mkostemp(pattern.data(), O_CLOEXEC);
        if (m_descriptor < 0) throw CFileException(target, "create", errno);
        m_path = pattern.data();
        fchmod(m_descriptor, kLibraryFileMode);
    }
    ~CTemporaryFile() override {
        if (m_descriptor >= 0) close(m_descriptor);
        if (!m_path.empty()) unlink(m_path.c_str());
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    std::size_t Read(void*, std::size_t) override { throw CFileException(m_target, "read", EBADF); }
    void Write(const void* buffer, std::size_t size) override {
        const char* bytes = static_cast<const char*>(buffer);
        while (size > 0) {
            const ssize_t written = write(m_descriptor, bytes, size);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) throw CFileException(m_target, "write", written < 0 ? errno : EIO);
            bytes += written;
            size -= static_cast<std::size_t>(written);
            m_length += static_cast<std::uint64_t>(written);
        }
    }
    std::uint64_t Length() const override { return m_length; }
    std::string Name() const override { return m_target; }

    void Finish() {
        if (fsync(m_descriptor) != 0) throw CFileException(m_target, "write", errno);
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        if (close(descriptor) != 0) throw CFileException(m_target, "write", errno);
    }
    const std::string& Path() const { return m_path; }
    void Release() { m_path.clear(); }

private:
    std::string m_target;
    std::string m_path;
    int m_descriptor = -1;
    std::uint64_t m_length = 0;
};

void WriteLibrary(CCompoundLibrary& library, CTemporaryFile& file) {
    CArchive archive(file, CArchive::Mode::Store);
    library.Serialize(archive);
    archive.Close();
    file.Finish();
}

}  // namespace

void SaveLibraryPair(CCompoundLibrary& first, const std::string& firstPath,
                     CCompoundLibrary& second, const std::string& secondPath) {
    CTemporaryFile firstFile(firstPath);
    WriteLibrary(first, firstFile);
    CTemporaryFile secondFile(secondPath);
    WriteLibrary(second, secondFile);

    // The old first library stays reachable until the second is in place.
    const std::string previous = firstFile.Path() + ".previous";
    const bool hadFirst = link(firstPath.c_str(), previous.c_str()) == 0;
    if (!hadFirst && errno != ENOENT) throw CFileException(firstPath, "replace", errno);
    if (rename(firstFile.Path().c_str(), firstPath.c_str()) != 0) {
        const int error = errno;
        if (hadFirst) unlink(previous.c_str());
        throw CFileException(firstPath, "replace", error);
    }
    firstFile.Release();
    if (rename(secondFile.Path().c_str(), secondPath.c_str()) != 0) {
        const int error = errno;
        if (hadFirst) {
            rename(previous.c_str(), firstPath.c_str());
        } else {
            unlink(firstPath.c_str());
        }
        throw CFileException(secondPath, "replace", error);
    }
    secondFile.Release();
    if (hadFirst) unlink(previous.c_str());
}

CLibraryPairLoad LoadLibraryPair(CCompoundLibrary& first, const std::string& firstPath,
                                 CCompoundLibrary& second, const std::string& secondPath,
                                 CPrompter& prompter) {
    CLibraryPairLoad loaded;
    for (int attempt = 1; attempt <= kLibraryPairAttempts; ++attempt) {
        if (attempt > 1) {
            first.Clear();
            second.Clear();
        }
        loaded.first = first.Load(firstPath, false, prompter);
        loaded.second = PathExists(secondPath) && second.Load(secondPath, false, prompter);
        if (!loaded.first || !loaded.second || first.Identification() == second.Identification()) {
            return loaded;
        }
    }
    prompter.Error(kMixedEditionsMessage);
    second.Clear();
    loaded.second = false;
    return loaded;
}

}  // namespace brushly
