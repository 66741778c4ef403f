#include "app/editors/CReadingEditor.h"

#include <string>
#include <utility>

#include "app/editors/EditorText.h"
#include "lookup/RomajiKana.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

constexpr std::string_view kWordTypeMarkers = "%$*";
constexpr std::string_view kAllMarkers = "%#$*";

// Every occurrence of from in text written as to.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

CReadingEditor::CReadingEditor(CPrompter& prompter, const CKanjiReading& reading, bool editing)
    : m_prompter(prompter), m_reading(reading), m_editing(editing) {}

bool CReadingEditor::Add(List list, std::string_view text) {
    std::string trimmed = TrimmedText(text);
    if (trimmed.empty()) return false;
    switch (list) {
        case List::kOn:
            m_reading.onReadings.push_back(sjis::AsciiUpper(trimmed));
            break;
        case List::kKun:
            m_reading.kunReadings.push_back(sjis::AsciiLower(trimmed));
            break;
        case List::kMeaning:
            m_reading.meanings.push_back(std::move(trimmed));
            break;
    }
    return true;
}

bool CReadingEditor::Remove(List list, std::size_t index) {
    std::vector<std::string>& entries = list == List::kOn    ? m_reading.onReadings
                                        : list == List::kKun ? m_reading.kunReadings
                                                             : m_reading.meanings;
    if (index >= entries.size()) return false;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

std::string CReadingEditor::Kana(std::string_view typed) {
    return RomajiToKana(typed, true, false);
}

std::string CReadingEditor::SwapLongO(std::string_view typed) {
    std::string text(typed);
    if (text.find("oo") != std::string::npos || text.find("OO") != std::string::npos)
        return ReplaceAll(ReplaceAll(std::move(text), "oo", "ou"), "OO", "OU");
    return ReplaceAll(ReplaceAll(std::move(text), "ou", "oo"), "OU", "OO");
}

std::string CReadingEditor::WordType(std::size_t index) const {
    return CKanjiReading::VerbClassName(m_reading.VerbClass(index));
}

bool CReadingEditor::CanAdjustWordType(std::size_t index) const {
    return index < m_reading.kunReadings.size() &&
           m_reading.kunReadings[index].find('(') != std::string::npos;
}

bool CReadingEditor::AdjustWordType(std::size_t index) {
    if (!CanAdjustWordType(index)) return false;
    std::string& reading = m_reading.kunReadings[index];
    char marker = 0;
    if (!reading.empty() && kAllMarkers.find(reading.back()) != std::string_view::npos) {
        marker = reading.back();
        reading.pop_back();
    }
    // "#" is another godan marker; the cycle goes on from "%".
    const auto at = kWordTypeMarkers.find(marker == '#' ? '%' : marker);
    if (marker == 0)
        reading += kWordTypeMarkers.front();
    else if (at + 1 < kWordTypeMarkers.size())
        reading += kWordTypeMarkers[at + 1];
    return true;
}

bool CReadingEditor::Accept() {
    if (m_reading.meanings.empty()) {
        m_prompter.Information(kNoMeaningMessage);
        return false;
    }
    if (m_reading.onReadings.empty() && m_reading.kunReadings.empty()) {
        m_prompter.Information(kNoReadingsMessage);
        return false;
    }
    return true;
}

}  // namespace brushly
