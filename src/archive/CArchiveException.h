#pragma once

#include <exception>
#include <stdexcept>
#include <string>

namespace brushly {

// A failure of the archive encoding. Any failure ends the reading or writing of the whole
// stream: there is no resynchronisation inside a stream. what() is the standard
// description shown to the user before the program's own message.
class CArchiveException : public std::runtime_error {
public:
    enum class Cause {
        Generic,    // malformed structure: nesting too deep, a wide-text marker inside one
        EndOfFile,  // reading past the end, or a length or count larger than what is left
        BadIndex,   // an object or class index not assigned, or the index space exhausted
        BadClass,   // a class name not registered, too long, or of the wrong kind here
        BadSchema,  // a fixed-schema class stored with another schema number
    };

    explicit CArchiveException(Cause cause);

    Cause GetCause() const { return m_cause; }

private:
    Cause m_cause;
};

// Why a device, FIFO or socket is not read as a data file.
inline constexpr const char* kNotRegularFileReason = "it is not a regular file";

// A failure to open, read, write or replace a file; what() names the file and the cause:
// "Cannot OPERATION the file PATH: REASON.".
class CFileException : public std::runtime_error {
public:
    CFileException(const std::string& path, const std::string& operation, int errorNumber);
    // A failure without an error number (ErrorNumber() 0), e.g. kNotRegularFileReason.
    CFileException(const std::string& path, const std::string& operation,
                   const std::string& reason);

    const std::string& Path() const { return m_path; }
    int ErrorNumber() const { return m_errorNumber; }

private:
    std::string m_path;
    int m_errorNumber;
};

// The standard description of any failure caught around an archive: archive and file
// failures describe themselves, lack of memory and anything else get a fixed text.
std::string DescribeFailure(std::exception_ptr failure);

}  // namespace brushly
