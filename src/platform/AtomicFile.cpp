#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace brushly {

namespace {
constexpr std::string_view kTemporaryName = ".brushly-save-XXXXXX";

// The file a path names: the target of a symbolic link (followed to the end), else the path.
// 0, or the errno of a link that cannot be followed (a loop, say).
int ResolveLinks(const std::string& path, std::filesystem::path& file) {
    std::error_code error;
    file = path;
    if (!std::filesystem::is_symlink(file, error)) return 0;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(file, error);
    if (error) return error.value();
    file = resolved;
    return 0;
}

// The permissions the new file takes: those of the file it replaces, else the default for a
// new file under the umask.
mode_t ModeFor(const std::filesystem::path& file) {
    struct stat existing {};
    if (stat(file.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = umask(022);
    umask(mask);
    return 0666 & ~mask;
}

int WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t step = write(descriptor, bytes.data(), bytes.size());
        if (step < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(step));
    }
    return 0;
}

// Renames the temporary file to the file, first moving an existing file to its backup; a
// file whose name leaves no room for the "~" has none.
int Replace(const std::string& temporary, const std::filesystem::path& file, bool keepBackup) {
    const std::string backup = file.string() + "~";
    bool backedUp = false;
    if (keepBackup) {
        if (std::rename(file.c_str(), backup.c_str()) == 0) {
            backedUp = true;
        } else if (errno != ENOENT && errno != ENAMETOOLONG) {
            return errno;
        }
    }
    if (std::rename(temporary.c_str(), file.c_str()) == 0) return 0;
    const int failure = errno;
    if (backedUp) std::rename(backup.c_str(), file.c_str());
    return failure;
}
}  // namespace

std::string BackupPathOf(const std::string& path) {
    std::filesystem::path file;
    if (ResolveLinks(path, file) != 0) file = path;
    return file.string() + "~";
}

int WriteFileAtomically(const std::string& path, std::string_view bytes, bool keepBackup) {
    std::filesystem::path file;
    if (const int failure = ResolveLinks(path, file); failure != 0) return failure;
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    std::string temporary = (folder / kTemporaryName).string();
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) return errno;

    int failure = WriteAll(descriptor, bytes);
    if (failure == 0 && fchmod(descriptor, ModeFor(file)) != 0) failure = errno;
    if (failure == 0 && fsync(descriptor) != 0) failure = errno;
    if (close(descriptor) != 0 && failure == 0) failure = errno;
    if (failure == 0) failure = Replace(temporary, file, keepBackup);
    if (failure != 0) unlink(temporary.c_str());
    return failure;
}

}  // namespace brushly
