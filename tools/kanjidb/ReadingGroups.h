#pragma once

#include <map>
#include <memory>
#include <vector>

#include "kanjidb/CEdictDictionary.h"
#include "kanjidb/CKanjidic.h"
#include "reference/CKanjiReading.h"

// The reading groups of a kanji record, made from KANJIDIC2's readings and meanings and
// EDICT's words.
namespace brushly::kanjidb {

// Counts for the generator's quality report, summed over every BuildReadingGroups call.
struct CReadingReport {
    int kanji = 0;                      // kanji whose groups were built
    int groups = 0;                     // reading groups made
    int onReadings = 0;                 // ON readings written
    int kunReadings = 0;                // Kun readings written
    int kunOwnGroups = 0;               // Kun readings given a group of their own
    int kunWithMarker = 0;              // Kun readings given a verb-class marker ("%" or "$")
    int godanMarkers = 0;               // of them "%"
    int notVerbMarkers = 0;             // of them "$"
    std::map<int, int> groupsPerKanji;  // number of groups -> number of kanji with that many
};

// EDICT's class of a word as a CKanjiReading verb-class code. The first class-giving part
// of speech decides (EDICT lists the first sense's first): v5aru 4 (the -aru honorifics), any
// other v5 3 (godan), v1 2 (ichidan), vs-s or vs-i 5 (suru), vk 7 (kuru), adj-i or adj-ix 8,
// and kOtherVerbClass for the other verb codes (classical verbs, vz, vn, vr, vs-c,
// v-unspec). Without any of them an auxiliary verb (aux-v) is kOtherVerbClass and anything
// else 0: no verb or adjective (a noun taking suru, "vs", is no verb itself).
inline constexpr int kOtherVerbClass = -1;
int EdictVerbClass(const CEdictEntry& entry);

// The reading groups of one kanji, Shift-JIS romaji as CKanjiReading writes them.
//
// ON readings: the romaji of each ja_on reading (upper case, "SHOKU"), without "-" marks.
// Kun readings: each ja_kun reading without its "-" affix marks, stem and okurigana in
// lower-case romaji, "ta(beru)" for た.べる, "hi" for ひ; "o" written long with お is "@o"
// ("to@o(ru)"); a small tsu ending the stem goes to the okurigana (みっ.つ is "mi(ttsu)").
// Left out: an affix form ("-あ.がる") when the plain form is also listed, readings that
// end in a small tsu (ガッ) or hold kana the romaji cannot write (ヂュ), and repeats. Name
// readings are not used.
//
// A Kun reading with okurigana is looked up in EDICT as the kanji followed by the
// okurigana, among the entries read as stem and okurigana. For the first such entry: when
// EDICT makes the word godan and CKanjiReading::VerbClass does not, the reading ends in "%"
// (ki(ru)%); when EDICT makes it no verb or adjective and VerbClass does, it ends in "$".
// When that entry's first sense has English glosses, the reading forms a group of its own
// with up to four of them as the meanings.
//
// Groups: first the ON readings, the other Kun readings and KANJIDIC2's English meanings
// (left out when all three are empty), then the Kun groups in KANJIDIC2's order.
std::vector<std::unique_ptr<CKanjiReading>> BuildReadingGroups(const CKanjidicEntry& entry,
                                                               const CEdictDictionary& edict,
                                                               CReadingReport& report);

}  // namespace brushly::kanjidb
