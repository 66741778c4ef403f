#include "dictionary/CEdictImporter.h"

#include "dictionary/EdictRelease.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <vector>

#include "archive/CArchiveException.h"
#include "archive/CDiskFile.h"
#include "dictionary/CCompoundData.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CLoadingDisplay.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/LibraryPair.h"
#include "lookup/RomajiKana.h"
#include "platform/CPrompter.h"
#include "platform/ShiftJis.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\f\v";

// atoi of the length characters at pos; 0 when the text ends before pos.
int NumberAt(std::string_view text, std::size_t pos, std::size_t length) {
    if (pos >= text.size()) return 0;
    return std::atoi(std::string(text.substr(pos, length)).c_str());
}

std::string_view WithoutLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string_view Trim(std::string_view text, std::string_view characters) {
    const std::size_t first = text.find_first_not_of(characters);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

// Reads until size bytes are in or the file ends, so that only the last block is short.
std::size_t ReadBlock(CDiskFile& file, char* buffer, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size) {
        const std::size_t count = file.Read(buffer + filled, size - filled);
        if (count == 0) break;
        filled += count;
    }
    return filled;
}

}  // namespace

bool IsNewerEdict(std::string_view stored, std::string_view edict) {
    // A header with a creation date is compared by it; one stored before dates were kept
    // (its identification cut short) is taken to be older.
    const std::string edictCreated = EdictReleaseOf(edict).created;
    if (!edictCreated.empty()) return edictCreated > EdictReleaseOf(stored).created;
    const int storedFirst = NumberAt(stored, 15, 2);
    const int edictFirst = NumberAt(edict, 15, 2);
    if (edictFirst != storedFirst) return edictFirst > storedFirst;
    return NumberAt(edict, 18, 3) > NumberAt(stored, 18, 3);
}

CEdictImporter::CEdictImporter(CCompoundLibrary& compounds, CCompoundLibrary& kanaWords,
                               const CKanjiLibrary& kanji, CPrompter& prompter,
                               CLoadingDisplay& display, std::string dataDirectory)
    : m_compounds(compounds),
      m_kanaWords(kanaWords),
      m_prompter(prompter),
      m_display(display),
      m_dataDirectory(std::move(dataDirectory)) {
    for (int group = 1; group <= CKanjiLibrary::kKanjiGroups; ++group) {
        for (const auto& record : kanji.KanjiGroup(group)) {
            const std::string& character = record->character;
            if (character.size() != 2) continue;
            m_kanjiCodes.set(static_cast<unsigned char>(character[0]) << 8 |
                             static_cast<unsigned char>(character[1]));
        }
    }
}

bool CEdictImporter::ImportEdict(bool askFirst, bool headerOnly) {
    const std::string path = DataFilePath(m_dataDirectory, kEdictFileName);
    m_saved = false;
    m_cancelled = false;
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) return false;
    if (askFirst && !m_prompter.AskYesNo(kImportQuestion)) return false;
    if (!headerOnly) {
        m_display.ShowEdictLabel(true);
        m_display.ShowEdictBar(true);
        m_display.SetStatus(kImportStatus);
        m_display.SetProgressRange(0, kProgressEnd);
        m_display.AllowCancel(true);
    }
    try {
        const bool read = ReadEdict(path, headerOnly);
        if (!headerOnly) {
            m_cancelled = m_display.CancelRequested();
            m_display.AllowCancel(false);
        }
        if (m_cancelled) {
            AbandonImport();
            return false;
        }
        if (!read) return false;
    } catch (...) {
        m_display.AllowCancel(false);
        m_prompter.Error(DescribeFailure(std::current_exception()));
        m_compounds.Clear();
        m_kanaWords.Clear();
        return false;
    }
    if (headerOnly) return true;
    m_display.SetStatus(kSavingStatus);
    try {
        SaveLibraryPair(m_compounds, DataFilePath(m_dataDirectory, kEdictCompoundFileName),
                        m_kanaWords, DataFilePath(m_dataDirectory, kEdictKanaWordFileName));
        m_saved = true;
    } catch (...) {
        m_prompter.Error(DescribeFailure(std::current_exception()));
        m_prompter.Error(kSaveFailureMessage);
    }
    return true;
}

bool CEdictImporter::ReadEdict(const std::string& path, bool headerOnly) {
    CDiskFile file(path, CDiskFile::Mode::Read);
    const std::uint64_t length = file.Length();
    std::vector<char> block(kBlockSize);
    // A line cut by the end of a block: its first bytes (at most kMaxLineBytes) and its
    // full length so far.
    std::string pending;
    std::size_t pendingLength = 0;
    std::uint64_t bytesRead = 0;
    const auto appendPending = [&pending](std::string_view part) {
        pending.append(part.substr(0, kMaxLineBytes - pending.size()));
    };
    m_headerSeen = false;
    for (;;) {
        const std::size_t count = ReadBlock(file, block.data(), kBlockSize);
        bytesRead += count;
        if (!headerOnly) {
            m_display.SetProgressValue(
                length == 0 ? kProgressEnd : static_cast<int>(bytesRead * kProgressEnd / length));
            if (m_display.CancelRequested()) return false;
        }
        std::string_view rest(block.data(), count);
        for (std::size_t end = rest.find('\n'); end != std::string_view::npos;
             end = rest.find('\n')) {
            std::string_view line = rest.substr(0, end + 1);
            rest.remove_prefix(end + 1);
            const std::size_t lineLength = pendingLength + line.size();
            if (pendingLength > 0) {
                appendPending(line);
                line = pending;
            }
            pendingLength = 0;
            // An over-long header still names the file by its first bytes.
            if (lineLength >= kMaxLineBytes && m_headerSeen) {
                ++m_counts.malformedLines;
            } else if (HandleLine(line, headerOnly)) {
                return true;
            }
            pending.clear();
        }
        pendingLength += rest.size();
        appendPending(rest);
        if (count < kBlockSize) break;
    }
    return m_headerSeen;
}

void CEdictImporter::AbandonImport() {
    m_compounds.Clear();
    m_kanaWords.Clear();
    m_display.ShowEdictBar(false);
    m_display.ShowEdictLabel(false);
}

bool CEdictImporter::HandleLine(std::string_view line, bool headerOnly) {
    if (m_headerSeen) {
        ParseEdictLine(line);
        return false;
    }
    SetIdentification(line);
    m_headerSeen = true;
    return headerOnly;
}

void CEdictImporter::SetIdentification(std::string_view headerLine) {
    headerLine = WithoutLineEnd(headerLine);
    const std::size_t start = headerLine.find("EDICT");
    // The whole rest of the line: its first 21 characters number older releases, and current ones
    // keep their copyright year and creation date further on.
    const std::string identification(
        headerLine.substr(start == std::string_view::npos ? 0 : start));
    m_compounds.SetIdentification(identification);
    m_kanaWords.SetIdentification(identification);
}

void CEdictImporter::ParseEdictLine(std::string_view line) {
    line = WithoutLineEnd(line);
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos) {
        ++m_counts.malformedLines;
        return;
    }
    const std::string_view headword = line.substr(0, line.find_last_not_of(kWhiteSpace, blank) + 1);
    std::string_view rest = line.substr(blank + 1);
    const bool hasReading = rest.empty() || rest.front() != '/';
    std::string_view reading;
    if (hasReading) {
        const std::size_t end = std::min(rest.find(' '), rest.size());
        reading = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        reading.remove_prefix(std::min(reading.find_first_not_of('['), reading.size()));
        reading = reading.substr(0, reading.find_last_not_of(']') + 1);
    }
    const std::string_view meaning = Trim(Trim(rest, kWhiteSpace), "/");
    if (meaning.find("(X)") != std::string_view::npos) {
        ++m_counts.droppedEntries;
        return;
    }
    std::string romaji = KanaToRomaji(hasReading ? reading : headword);
    const bool keep = hasReading
                          ? !romaji.empty() && headword.size() > 2 && IsKnownHeadword(headword)
                          : !romaji.empty();
    if (!keep) {
        ++m_counts.droppedEntries;
        return;
    }
    auto entry = std::make_unique<CCompoundData>();
    entry->headword = headword;
    entry->meaning = meaning;
    entry->romaji = std::move(romaji);
    if (hasReading) {
        m_compounds.Add(std::move(entry));
        m_display.SetCompoundCount(++m_counts.compounds);
    } else {
        m_kanaWords.Add(std::move(entry));
        m_display.SetKanaWordCount(++m_counts.kanaWords);
    }
}

bool CEdictImporter::IsKnownHeadword(std::string_view headword) const {
    if (headword.size() % 2 != 0) return false;
    for (std::size_t pos = 0; pos < headword.size(); pos += 2) {
        const unsigned lead = static_cast<unsigned char>(headword[pos]);
        if (lead == sjis::kHiraganaLead || lead == sjis::kKatakanaLead) continue;
        if (!m_kanjiCodes.test(lead << 8 | static_cast<unsigned char>(headword[pos + 1])))
            return false;
    }
    return true;
}

}  // namespace brushly
