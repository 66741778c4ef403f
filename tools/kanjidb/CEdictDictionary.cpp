#include "kanjidb/CEdictDictionary.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "kanjidb/CKanjidic.h"
#include "platform/ShiftJis.h"

namespace brushly::kanjidb {

namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The position of the single-byte character c at or after from, walking Shift-JIS
// characters so that a trail byte is never taken for it; npos when there is none.
std::size_t FindAscii(std::string_view text, char c, std::size_t from) {
    for (std::size_t pos = from; pos < text.size(); pos += sjis::CharLength(text, pos)) {
        if (text[pos] == c) return pos;
    }
    return std::string_view::npos;
}

// Calls visit with each part of the list cut at every separator, which must be a byte that
// is never a trail byte.
template <typename Visit>
void ForEachPart(std::string_view list, char separator, Visit visit) {
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(separator), list.size());
        visit(list.substr(0, end));
        list.remove_prefix(std::min(end + 1, list.size()));
    }
}

// The ";"-separated words of a headword or reading list, each without its "(P)"-style tags.
std::vector<std::string> Words(std::string_view list) {
    std::vector<std::string> words;
    ForEachPart(list, ';', [&](std::string_view part) {
        const std::string_view word = Trim(part.substr(0, part.find('(')));
        if (!word.empty()) words.emplace_back(word);
    });
    return words;
}

// The part-of-speech codes that no prefix rule below covers.
constexpr std::string_view kPartsOfSpeech[] = {
    "adv", "adv-to", "aux",   "aux-adj",  "aux-v",  "conj",  "cop", "cop-da", "ctr", "exp",
    "int", "n",      "n-adv", "n-pr",     "n-pref", "n-suf", "n-t", "num",    "pn",  "pref",
    "prt", "suf",    "unc",   "v-unspec", "vi",     "vk",    "vn",  "vr",     "vt",  "vz",
};

bool IsPartOfSpeech(std::string_view tag) {
    for (const std::string_view prefix : {"adj", "v1", "v2", "v4", "v5", "vs"}) {
        if (tag.starts_with(prefix)) return true;
    }
    return std::find(std::begin(kPartsOfSpeech), std::end(kPartsOfSpeech), tag) !=
           std::end(kPartsOfSpeech);
}

// The other tags that may open a gloss: usage, field of use, spelling, priority. Words in
// parentheses that are not tags, "(something) to eat", stay in the gloss.
constexpr std::string_view kOtherTags[] = {
    "abbr",    "agric",   "anat",     "aphorism", "archeol",  "archit",  "arch",    "art",
    "astron",  "ateji",   "audvid",   "aviat",    "baseb",    "biochem", "biol",    "bot",
    "boxing",  "Buddh",   "bus",      "cards",    "chem",     "chmyth",  "chn",     "Christn",
    "civeng",  "cloth",   "col",      "comp",     "cryst",    "dated",   "dent",    "derog",
    "ecol",    "econ",    "elec",     "electr",   "embryo",   "engr",    "ent",     "euph",
    "fam",     "fem",     "figskt",   "film",     "finc",     "fish",    "food",    "form",
    "gardn",   "genet",   "geogr",    "geol",     "geom",     "gikun",   "go",      "golf",
    "gramm",   "grmyth",  "hanaf",    "hist",     "hon",      "horse",   "hum",     "id",
    "iK",      "ik",      "internet", "io",       "joc",      "jpmyth",  "kabuki",  "law",
    "ling",    "litf",    "logic",    "m-sl",     "MA",       "mahj",    "male",    "male-sl",
    "manga",   "math",    "mech",     "med",      "met",      "mil",     "min",     "mining",
    "motor",   "music",   "net-sl",   "noh",      "obs",      "obsc",    "oK",      "ok",
    "on-mim",  "ornith",  "P",        "paleo",    "pathol",   "pharm",   "phil",    "photo",
    "physics", "physiol", "poet",     "pol",      "politics", "print",   "proverb", "psy",
    "psyanal", "psych",   "quote",    "rail",     "rare",     "rK",      "rk",      "rommyth",
    "sens",    "Shinto",  "shogi",    "ski",      "sK",       "sk",      "sl",      "sports",
    "stat",    "stockm",  "sumo",     "surg",     "telec",    "tradem",  "tv",      "uK",
    "uk",      "vet",     "vidg",     "vulg",     "X",        "yoji",    "zool",
};

bool IsTag(std::string_view tag) {
    return IsPartOfSpeech(tag) ||
           std::find(std::begin(kOtherTags), std::end(kOtherTags), tag) != std::end(kOtherTags);
}

bool IsNumber(std::string_view content) {
    return !content.empty() &&
           std::all_of(content.begin(), content.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A word origin such as "ger: Arbeit" or "wasei: salary man".
bool IsOrigin(std::string_view content) {
    const std::size_t colon = content.find(':');
    return colon != std::string_view::npos && colon > 0 &&
           std::all_of(content.begin(), content.begin() + static_cast<std::ptrdiff_t>(colon),
                       [](char c) { return c >= 'a' && c <= 'z'; });
}

// A ","-separated list of tags such as "v5r,vt" or "uk".
bool IsTagList(std::string_view list) {
    bool all = !list.empty();
    ForEachPart(list, ',', [&](std::string_view tag) { all = all && IsTag(tag); });
    return all;
}

void AddPartsOfSpeech(std::string_view list, CEdictEntry& entry) {
    ForEachPart(list, ',', [&](std::string_view tag) {
        if (IsPartOfSpeech(tag) && std::find(entry.partsOfSpeech.begin(), entry.partsOfSpeech.end(),
                                             tag) == entry.partsOfSpeech.end()) {
            entry.partsOfSpeech.emplace_back(tag);
        }
    });
}

// One "/"-separated field: its leading tags are taken off (a sense number starts a new sense,
// parts of speech are recorded) and the rest, when any, is a gloss of the current sense.
void AddField(std::string_view field, CEdictEntry& entry) {
    field = Trim(field);
    if (field.starts_with("EntL")) return;
    while (!field.empty() && (field.front() == '(' || field.front() == '{')) {
        const std::size_t close = field.find(field.front() == '(' ? ')' : '}');
        if (close == std::string_view::npos) break;
        const std::string_view content = field.substr(1, close - 1);
        if (IsNumber(content)) {
            if (!entry.senses.empty() && !entry.senses.back().empty()) entry.senses.emplace_back();
        } else if (IsTagList(content)) {
            AddPartsOfSpeech(content, entry);
        } else if (!IsOrigin(content)) {
            break;
        }
        field = Trim(field.substr(close + 1));
    }
    if (field.empty()) return;
    if (entry.senses.empty()) entry.senses.emplace_back();
    entry.senses.back().emplace_back(field);
}

}  // namespace

CEdictDictionary CEdictDictionary::Parse(std::string_view eucJpText) {
    sjis::CCodeConverter toSjis("EUC-JP", "CP932", "?");
    const std::string text = toSjis.Convert(eucJpText);
    CEdictDictionary dictionary;
    dictionary.m_entries.reserve(std::count(text.begin(), text.end(), '\n') + 1);
    bool header = true;
    ForEachPart(text, '\n', [&](std::string_view line) {
        if (!std::exchange(header, false)) dictionary.AddLine(line);
    });
    return dictionary;
}

void CEdictDictionary::AddLine(std::string_view line) {
    // " " and "/" are never trail bytes; "[" and "]" may be, so they are searched by character.
    const std::size_t glossStart = line.find(" /");
    if (glossStart == std::string_view::npos) return;
    const std::string_view head = line.substr(0, glossStart);
    const std::size_t open = head.find(" [");
    std::vector<std::string> headwords = Words(head.substr(0, open));
    if (headwords.empty()) return;

    CEdictEntry entry;
    if (open == std::string_view::npos) {
        entry.readings = headwords;
    } else {
        const std::size_t close = FindAscii(head, ']', open + 2);
        entry.readings = Words(head.substr(open + 2, close - (open + 2)));
    }
    ForEachPart(line.substr(glossStart + 2), '/',
                [&](std::string_view field) { AddField(field, entry); });
    if (!entry.senses.empty() && entry.senses.back().empty()) entry.senses.pop_back();

    ++m_entryCount;
    for (std::size_t i = 0; i + 1 < headwords.size(); ++i)
        m_entries[headwords[i]].push_back(entry);
    m_entries[std::move(headwords.back())].push_back(std::move(entry));
}

CEdictDictionary CEdictDictionary::Read(const std::string& path) {
    return Parse(ReadDataFile(path));
}

const std::vector<CEdictEntry>* CEdictDictionary::Find(std::string_view written) const {
    const auto found = m_entries.find(written);
    return found != m_entries.end() ? &found->second : nullptr;
}

}  // namespace brushly::kanjidb
