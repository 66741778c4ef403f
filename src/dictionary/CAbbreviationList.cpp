#include "dictionary/CAbbreviationList.h"

#include <array>
#include <exception>

#include "archive/CArchiveException.h"
#include "archive/FileHead.h"
#include "platform/CPrompter.h"

namespace brushly {

namespace {

constexpr std::size_t kMaxFileBytes = 10000;
constexpr std::string_view kWhiteSpace = " \t\r\n\f\v";

// Deletes every occurrence of pattern, including those that a deletion brings together.
void EraseAll(std::string& text, std::string_view pattern) {
    for (std::size_t pos = text.find(pattern); pos != std::string::npos; pos = text.find(pattern)) {
        text.erase(pos, pattern.size());
    }
}

}  // namespace

void CAbbreviationList::Load(const std::string& path, CPrompter& prompter) {
    std::string bytes;
    try {
        bytes = ReadFileHead(path, kMaxFileBytes);
    } catch (...) {
        prompter.Error(DescribeFailure(std::current_exception()));
        return;
    }
    Append(bytes);
}

void CAbbreviationList::Append(std::string_view bytes) {
    for (std::size_t end = bytes.find('\n'); end != std::string_view::npos;
         end = bytes.find('\n')) {
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end + 1);
        const std::size_t last = line.find_last_not_of(kWhiteSpace);
        if (last != std::string_view::npos) m_abbreviations.emplace_back(line.substr(0, last + 1));
    }
}

std::string CAbbreviationList::Strip(std::string_view meaning) const {
    std::string text(meaning);
    for (const std::string& abbreviation : m_abbreviations) {
        // Each pattern keeps its delimiters, so "(n,vs)" loses n and vs but stays a list.
        const std::array<std::string, 4> patterns = {
            "(" + abbreviation + ")", "(" + abbreviation + ",", "," + abbreviation + ")",
            "," + abbreviation + ","};
        for (bool found = true; found;) {
            found = false;
            for (const std::string& pattern : patterns) {
                const std::size_t pos = text.find(pattern);
                if (pos == std::string::npos) continue;
                text.erase(pos + 1, abbreviation.size());
                found = true;
            }
        }
    }
    for (std::string_view empty : {"()", "(,)", "(,,)", "(,,,)", "(,,,,)"})
        EraseAll(text, empty);
    constexpr std::string_view kTrimmed = " \t\r\n\f\v/";
    const std::size_t first = text.find_first_not_of(kTrimmed);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kTrimmed) - first + 1);
}

}  // namespace brushly
