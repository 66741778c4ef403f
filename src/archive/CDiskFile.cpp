#include "archive/CDiskFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "archive/CArchiveException.h"

namespace brushly {

namespace {
// Permissions that a newly created file would get under the process's umask.
mode_t DefaultFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}
}  // namespace

CDiskFile::CDiskFile(std::string path, Mode mode) : m_path(std::move(path)) {
    if (mode == Mode::Read) {
        m_descriptor = open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        if (m_descriptor < 0) throw CFileException(m_path, "open", errno);
        struct stat status {};
        if (fstat(m_descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
            const int error = S_ISDIR(status.st_mode) ? EISDIR : errno;
            close(m_descriptor);
            m_descriptor = -1;
            throw CFileException(m_path, "open", error ? error : EINVAL);
        }
        m_length = static_cast<std::uint64_t>(status.st_size);
        return;
    }
    std::vector<char> pattern(m_path.begin(), m_path.end());
    const std::string suffix = ".XXXXXX";
    pattern.insert(pattern.end(), suffix.begin(), suffix.end());
    pattern.push_back('\0');
    m_descriptor = mkostemp(pattern.data(), O_CLOEXEC);
    if (m_descriptor < 0) throw CFileException(m_path, "create", errno);
    m_temporaryPath = pattern.data();
    fchmod(m_descriptor, DefaultFileMode());
}

CDiskFile::~CDiskFile() {
    if (m_descriptor >= 0) close(m_descriptor);
    if (!m_temporaryPath.empty()) unlink(m_temporaryPath.c_str());
}

std::size_t CDiskFile::Read(void* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = read(m_descriptor, buffer, size);
        if (count >= 0) return static_cast<std::size_t>(count);
        if (errno != EINTR) throw CFileException(m_path, "read", errno);
    }
}

void CDiskFile::Write(const void* buffer, std::size_t size) {
    const char* bytes = static_cast<const char*>(buffer);
    while (size > 0) {
        const ssize_t count = write(m_descriptor, bytes, size);
        if (count < 0) {
            if (errno == EINTR) continue;
            throw CFileException(m_path, "write", errno);
        }
        bytes += count;
        size -= static_cast<std::size_t>(count);
    }
}

void CDiskFile::Commit() {
    if (m_temporaryPath.empty()) return;
    if (fsync(m_descriptor) != 0) throw CFileException(m_path, "write", errno);
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    if (close(descriptor) != 0) throw CFileException(m_path, "write", errno);
    if (rename(m_temporaryPath.c_str(), m_path.c_str()) != 0) {
        throw CFileException(m_path, "replace", errno);
    }
    m_temporaryPath.clear();
}

}  // namespace brushly
