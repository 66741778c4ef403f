#include "archive/CDiskFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "archive/CArchiveException.h"
#include "platform/AtomicFile.h"

namespace brushly {

CDiskFile::CDiskFile(std::string path, Mode mode) : m_path(std::move(path)) {
    if (mode == Mode::Create) return;
    // Without O_NONBLOCK opening a FIFO would wait for a writer forever; a regular file
    // reads the same either way.
    m_descriptor = open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_descriptor < 0) throw CFileException(m_path, "open", errno);
    struct stat status {};
    const bool statted = fstat(m_descriptor, &status) == 0;
    const int error = errno;
    if (!statted || !S_ISREG(status.st_mode)) {
        close(m_descriptor);
        m_descriptor = -1;
        if (statted && S_ISDIR(status.st_mode)) throw CFileException(m_path, "open", EISDIR);
        if (statted) throw CFileException(m_path, "open", kNotRegularFileReason);
        throw CFileException(m_path, "open", error);
    }
    m_length = static_cast<std::uint64_t>(status.st_size);
}

CDiskFile::~CDiskFile() {
    if (m_descriptor >= 0) close(m_descriptor);
}

std::size_t CDiskFile::Read(void* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = read(m_descriptor, buffer, size);
        if (count >= 0) return static_cast<std::size_t>(count);
        if (errno != EINTR) throw CFileException(m_path, "read", errno);
    }
}

void CDiskFile::Write(const void* buffer, std::size_t size) {
    m_pending.append(static_cast<const char*>(buffer), size);
}

void CDiskFile::Commit(bool keepBackup) {
    if (m_descriptor >= 0) return;
    if (const int failure = WriteFileAtomically(m_path, m_pending, keepBackup); failure != 0)
        throw CFileException(m_path, "write", failure);
    m_pending.clear();
}

}  // namespace brushly
