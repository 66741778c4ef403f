#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace brushly::testing {

// A fresh directory for one test, removed with everything in it at destruction.
class CTempDirectory {
public:
    CTempDirectory() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brushly-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
        m_path = pattern;
    }
    ~CTempDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CTempDirectory(const CTempDirectory&) = delete;
    CTempDirectory& operator=(const CTempDirectory&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path of a file in the directory.
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    // Writes bytes to a file in the directory; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = File(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string Read(const std::string& path) {
        std::ifstream stream(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path m_path;
};

}  // namespace brushly::testing
