#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brushly {

class CPrompter;

// The EDICT abbreviations (edictabbrev.txt), in file order, and their removal from a
// meaning's parenthesised tag lists ("(n,vs)", "(P)") so that glosses read as plain English
// in the compound search and the flash quiz.
class CAbbreviationList {
public:
    // Appends every non-empty line of the file's first 10,000 bytes, trailing white space
    // trimmed; a last line without a line feed is not taken. A failure to read is shown
    // with its standard description and the list keeps what it had.
    void Load(const std::string& path, CPrompter& prompter);
    // The same for bytes already read.
    void Append(std::string_view bytes);

    // meaning with every listed abbreviation deleted wherever it stands as an item of a
    // parenthesised, comma-separated list, then the lists left empty ("()", "(,)" up to
    // "(,,,,)") deleted, then white space and "/" trimmed from both ends.
    std::string Strip(std::string_view meaning) const;

    const std::vector<std::string>& Abbreviations() const { return m_abbreviations; }

private:
    std::vector<std::string> m_abbreviations;
};

}  // namespace brushly
