#include "practice/FlashCardData.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

#include "lookup/RomajiKana.h"
#include "platform/FormatPercent.h"
#include "platform/ShiftJis.h"
#include "practice/CounterNumbers.h"
#include "practice/VerbConjugation.h"

namespace brushly {

namespace {

constexpr std::array<std::string_view, 10> kReferenceNames{
    "Hadamitzy & Spahn:", "Halpern (KLD):",     "Halpern (NJECD):", "Heisig:",  "Henshall:",
    "Kodansha:",          "Nelson (original):", "Nelson (new):",    "O'Neill:", "Sakade:"};
constexpr int kGradeSevenPlus = 8;
constexpr int kNoQuiz = 2;
constexpr int kOnlyOneCounter = 1;

// What every panel builder needs to know about the display.
struct DisplayStyle {
    const CFlashOptions& options;
    bool romaji;
    int longOMode;
};

// Romaji as shown in the long-vowel style: with mode 1 "oo" is written "ou".
std::string LongO(std::string text, int longOMode) {
    if (longOMode != 1) return text;
    return sjis::ReplaceAll(sjis::ReplaceAll(text, "oo", "ou"), "OO", "OU");
}

// A line cut to kMaxDataLineBytes at a character boundary, marked by "..".
std::string Cut(std::string_view text) {
    if (text.size() <= kMaxDataLineBytes) return std::string(text);
    std::string cut;
    for (const std::string_view character : sjis::Characters(text)) {
        if (cut.size() + character.size() > kMaxDataLineBytes - 2) break;
        cut += character;
    }
    return cut + "..";
}

FlashDataLine Line(std::string text, std::string value = {}) {
    FlashDataLine line;
    line.text = std::move(text);
    line.value = std::move(value);
    return line;
}

FlashDataPanel Panel(FlashPanelKind kind, std::string heading, std::vector<FlashDataLine> lines) {
    FlashDataPanel panel;
    panel.kind = kind;
    panel.heading = std::move(heading);
    panel.lines = std::move(lines);
    return panel;
}

// One reading group: ON readings (katakana), Kun readings (hiragana), meanings; in romaji
// when the display asks for it.
std::string ReadingGroupLine(const CKanjiReading& reading, const DisplayStyle& style) {
    return Cut(style.romaji ? reading.DisplayText(style.longOMode) : reading.KanaDisplayText());
}

// An EDICT meaning as shown: the common-word marker hidden, the tags stripped.
std::string ShownMeaning(std::string_view meaning, const CAbbreviationList& abbreviations) {
    return abbreviations.Strip(sjis::ReplaceAll(std::string(meaning), "/(P)", ""));
}

// A compound's reading as shown: its romaji, or in Kana Mode the kana it spells.
std::string CompoundReading(const std::string& romaji, const DisplayStyle& style) {
    return style.romaji ? LongO(romaji, style.longOMode) : RomajiToKana(romaji, true, false);
}

void AddWordPanels(std::vector<FlashDataPanel>& panels, const std::string& reading,
                   std::string_view meaning, const CAbbreviationList& abbreviations) {
    panels.push_back(Panel(FlashPanelKind::kRomaji, "Romaji", {Line(Cut(reading))}));
    panels.push_back(Panel(FlashPanelKind::kMeaning, "Meaning",
                           {Line(Cut(ShownMeaning(meaning, abbreviations)))}));
}

const CKanjiData* RecordAt(const CKanjiLibrary* library, int group, int index) {
    if (library == nullptr || index < 0) return nullptr;
    const auto records = library->KanjiGroup(group);
    const auto position = static_cast<std::size_t>(index);
    return position < records.size() ? records[position].get() : nullptr;
}

std::string GradeLine(const CKanjiData& record) {
    std::string line;
    if (record.grade == kGradeSevenPlus) {
        line = "Grade 7+";
    } else if (record.grade != 0) {
        line = "Grade " + std::to_string(record.grade);
    }
    if (record.jlptLevel != 0) {
        if (!line.empty()) line += " / ";
        line += "JLPT Kyuu " + std::to_string(record.jlptLevel);
    }
    return line;
}

FlashDataPanel ReferencePanel(const CKanjiData& record) {
    std::vector<FlashDataLine> lines;
    if (std::string grade = GradeLine(record); !grade.empty()) lines.push_back(Line(grade));
    for (std::size_t i = 0; i < kReferenceNames.size(); ++i) {
        const int key = kFirstBookKey + static_cast<int>(i);
        lines.push_back(
            Line(std::string(kReferenceNames[i]), std::to_string(record.KeyValue(key))));
    }
    return Panel(FlashPanelKind::kReference, "Reference Information", std::move(lines));
}

// The verb reading whose table is shown: the chosen table reading, else the inflected one,
// else the first; none without verb readings.
std::optional<VerbReadingIndex> TableReading(const FlashDeckEntry& entry) {
    const std::vector<VerbReadingIndex> verbs = VerbReadingsOf(*entry.kanji);
    for (const VerbReadingIndex wanted :
         {VerbReadingIndex{entry.tableGroup, entry.tableReading},
          VerbReadingIndex{entry.inflectionGroup, entry.inflectionReading}}) {
        if (std::ranges::find(verbs, wanted) != verbs.end()) return wanted;
    }
    if (verbs.empty()) return std::nullopt;
    return verbs.front();
}

std::string ActiveReadingText(const std::string& reading, const DisplayStyle& style) {
    std::string plain;
    for (const char letter : sjis::AsciiLower(reading)) {
        if (std::string_view("%$*#").find(letter) == std::string_view::npos) plain += letter;
    }
    if (!style.romaji) return RomajiToKana(plain, false, false);
    return sjis::ReplaceAll(LongO(std::move(plain), style.longOMode), "@", "");
}

// A form the reading lacks leaves its cell empty.
FlashVerbCell VerbCell(const CKanjiCard& card, const VerbParts& parts, int form) {
    std::string kana = VerbFormKana(parts, form);
    if (kana.empty()) return {};
    return {VerbFormShowsKanji(parts, form) ? card.character : std::string(), std::move(kana)};
}

// The table rows: the thirteen affirmative/negative pairs, then the passive group.
std::vector<FlashDataLine> VerbRows(const CKanjiCard& card, const VerbParts& parts,
                                    const CFlashOptions& options) {
    constexpr int kPairs = 13;
    const std::vector<int> enabled = EnabledVerbForms(options);
    const auto isEnabled = [&](int form) {
        return std::ranges::find(enabled, form) != enabled.end();
    };
    const auto cellOf = [&](int form) {
        return isEnabled(form) ? VerbCell(card, parts, form) : FlashVerbCell{};
    };
    std::vector<FlashDataLine> rows;
    // negativeForm 0: a row of the affirmative column only.
    const auto addRow = [&](int form, int negativeForm) {
        if (!isEnabled(form) && !isEnabled(negativeForm)) return;
        FlashDataLine row = Line(std::string(VerbFormLabel(form)));
        row.tableRow = true;
        row.formal = IsFormalVerbForm(form);
        if (options.verbAffirmative != 0) row.cells.push_back(cellOf(form));
        if (options.verbNegative != 0) row.cells.push_back(cellOf(negativeForm));
        rows.push_back(std::move(row));
    };
    for (int form = 1; form <= kPairs; ++form)
        addRow(form, form + kPairs);
    for (int form = 2 * kPairs + 1; form <= kVerbFormCount; ++form)
        addRow(form, 0);
    return rows;
}

std::optional<FlashDataPanel> VerbPanel(const FlashDeckEntry& entry, const DisplayStyle& style) {
    const std::optional<VerbReadingIndex> index = TableReading(entry);
    if (!index || EnabledVerbForms(style.options).empty()) return std::nullopt;
    const CKanjiCard& card = *entry.kanji;
    const std::string reading = VerbReadingText(card, *index);
    const int verbClass = VerbReadingClass(card, *index);
    const VerbParts parts = ComputeVerbParts(reading, verbClass);

    FlashDataPanel panel = Panel(FlashPanelKind::kVerbForms, "Verb Forms (informal / ",
                                 {Line("active reading: " + ActiveReadingText(reading, style))});
    panel.headingFormal = "formal";
    panel.headingTail = ")" + std::string(VerbClassLabel(verbClass));
    if (style.options.verbAffirmative != 0) panel.columns.emplace_back("AFFIRMATIVE");
    if (style.options.verbNegative != 0) panel.columns.emplace_back("NEGATIVE");
    panel.tableWidth =
        panel.columns.size() == 2 ? kVerbTableTwoColumnWidth : kVerbTableOneColumnWidth;
    std::ranges::move(VerbRows(card, parts, style.options), std::back_inserter(panel.lines));
    return panel;
}

FlashDataPanel CounterPanel(const FlashDeckEntry& entry, const DisplayStyle& style) {
    const CCounterCard& card = *entry.counter;
    const bool ownReading =
        style.options.counterForms == kOnlyOneCounter && style.options.quizMode != kNoQuiz;
    const std::string reading = sjis::AsciiLower(ownReading ? card.romaji : entry.counterReading);
    const std::string english =
        ownReading ? card.meaning : CounterEnglish(card, entry.counterNumber);
    const std::string shown =
        style.romaji ? LongO(reading, style.longOMode) : RomajiToKana(reading, false, false);
    return Panel(FlashPanelKind::kCounterReading, "Reading", {Line(shown + " - " + english)});
}

// The panels that depend on the kind of card, in front of the common ones.
void AddReadingPanels(std::vector<FlashDataPanel>& panels, const FlashDeckEntry& entry,
                      const DisplayStyle& style, const CAbbreviationList& abbreviations) {
    switch (entry.kind) {
        case FlashKind::kKanji:
            if (!entry.randomCompound.empty()) {
                AddWordPanels(panels, CompoundReading(entry.randomCompoundReading, style),
                              entry.randomCompoundMeaning, abbreviations);
            } else {
                std::vector<FlashDataLine> lines;
                for (const auto& reading : entry.kanji->readings)
                    lines.push_back(Line(ReadingGroupLine(*reading, style)));
                panels.push_back(Panel(FlashPanelKind::kReadings, "Readings (ON,Kun: meaning)",
                                       std::move(lines)));
            }
            break;
        case FlashKind::kCompound:
            AddWordPanels(panels, CompoundReading(entry.compound->romaji, style),
                          entry.compound->meaning, abbreviations);
            break;
        case FlashKind::kKanaWord:
            AddWordPanels(panels,
                          style.romaji ? entry.kanaWord->DisplayRomaji(style.longOMode)
                                       : entry.kanaWord->kana,
                          entry.kanaWord->meaning, abbreviations);
            break;
        case FlashKind::kCounter:
            panels.push_back(CounterPanel(entry, style));
            break;
    }
}

}  // namespace

std::vector<FlashDataPanel> BuildFlashCardData(const FlashDeckEntry& entry,
                                               const CBrushly2Doc& document,
                                               const CAbbreviationList& abbreviations) {
    const CFlashOptions& options = document.Options().flash;
    const DisplayStyle style{options, document.RomajiMode() == 1, document.LongOMode()};
    std::vector<FlashDataPanel> panels;
    if (options.showReadings != 0) AddReadingPanels(panels, entry, style, abbreviations);

    const CKanjiData* record = nullptr;
    const std::string* comments = nullptr;
    if (entry.kind == FlashKind::kKanji) {
        record = RecordAt(document.KanjiLibrary(), entry.kanji->dbGroup, entry.kanji->dbIndex);
        comments = &entry.kanji->comments;
    } else if (entry.kind == FlashKind::kCounter) {
        record = RecordAt(document.KanjiLibrary(), entry.counter->dbGroup, entry.counter->dbIndex);
        comments = &entry.counter->comments;
    }
    if (options.showReferenceIndices != 0 && record != nullptr)
        panels.push_back(ReferencePanel(*record));
    if (options.showRecognitionData != 0) {
        panels.push_back(
            Panel(FlashPanelKind::kRecognition, "Recognition",
                  {Line(FormatPercent(entry.RightCount(), entry.WrongCount(), false))}));
    }
    if (options.showComments != 0 && comments != nullptr && !comments->empty())
        panels.push_back(Panel(FlashPanelKind::kComments, "Comments:", {Line(*comments)}));
    if (options.showInflectedVerbs != 0 && entry.kind == FlashKind::kKanji) {
        if (std::optional<FlashDataPanel> verbs = VerbPanel(entry, style))
            panels.push_back(std::move(*verbs));
    }
    return panels;
}

}  // namespace brushly
