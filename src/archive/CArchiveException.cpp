#include "archive/CArchiveException.h"

#include <cstring>
#include <new>

namespace brushly {

namespace {
const char* Describe(CArchiveException::Cause cause) {
    switch (cause) {
        case CArchiveException::Cause::EndOfFile:
            return "An attempt was made to read past the end of the file.";
        case CArchiveException::Cause::BadIndex:
            return "The file contains an invalid object reference.";
        case CArchiveException::Cause::BadClass:
            return "The file contains an object of an unknown or unexpected class.";
        case CArchiveException::Cause::BadSchema:
            return "The file contains an object of an incompatible version.";
        case CArchiveException::Cause::Generic:
            break;
    }
    return "The file is not in the expected format.";
}
}  // namespace

CArchiveException::CArchiveException(Cause cause)
    : std::runtime_error(Describe(cause)), m_cause(cause) {}

CFileException::CFileException(const std::string& path, const std::string& operation,
                               int errorNumber)
    : std::runtime_error("Cannot " + operation + " the file " + path + ": " +
                         std::strerror(errorNumber) + "."),
      m_path(path),
      m_errorNumber(errorNumber) {}

CFileException::CFileException(const std::string& path, const std::string& operation,
                               const std::string& reason)
    : std::runtime_error("Cannot " + operation + " the file " + path + ": " + reason + "."),
      m_path(path),
      m_errorNumber(0) {}

std::string DescribeFailure(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return "There is not enough memory to complete the operation.";
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
    }
    return "An unexpected error occurred.";
}

}  // namespace brushly
