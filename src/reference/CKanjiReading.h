#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "archive/CArchive.h"

namespace brushly {

// The verb classes of a Kun reading, as CKanjiReading::VerbClass gives them and the
// conjugation uses them.
enum VerbClassCode : int {
    kVerbNone = 0,       // not a verb or adjective
    kVerbRu = 1,         // shown as "-ru", never derived
    kVerbIchidan = 2,    // -eru / -iru verbs, and -zuru verbs (conjugated as -jiru)
    kVerbGodan = 3,      // -u verbs
    kVerbHonorific = 4,  // gozaru, kudasaru, irassharu, ossharu, nasaru
    kVerbSuru = 5,       // suru, and okurigana ending in "suru" (ho(ssuru))
    kVerbSuruOn = 6,     // suru verb on an ON stem (marker "*")
    kVerbKuru = 7,       // kuru
    kVerbAdjective = 8,  // adjective in "i"
};

// One reading group of a kanji: the ON readings, the Kun readings and the English meanings
// that belong together. Readings are romaji; all texts are ASCII or Shift-JIS.
//
// Kun reading notation: the okurigana follow the stem in parentheses, "ta(beru)". A verb-class
// marker may stand last, after the ")": "%" or "#" godan verb, "$" not a verb, "*" suru verb on
// an ON stem (the stem is shown in katakana). "@o" after a vowel writes the long o with お
// ("to@o(i)" is とおい) and keeps it "oo" in the "ou" long-o mode; "@" and "2" never show in
// display texts. Case changes touch ASCII letters only, and every text is walked character
// by character, so a double-byte character's trail byte is never taken for an ASCII letter or
// separator.
//
// Stream body (fixed schema 1, always tagged): kunReadings, onReadings, meanings, each as a
// string array. A new record has three empty arrays; copying copies the three arrays.
class CKanjiReading final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    void Serialize(CArchive& archive) override;

    std::vector<std::string> kunReadings;  // lower-case romaji, notation above
    std::vector<std::string> onReadings;   // romaji, shown in upper case (katakana)
    std::vector<std::string> meanings;     // English, one phrase per entry

    // The verb class of Kun reading kunIndex, as the conjugation uses it:
    //   0 "none"       not a verb or adjective     5 "suru"       okurigana "suru"
    //   1 "-ru"        never derived here          6 "suru (ON)"  marker "*"
    //   2 "-ru"        ichidan, -eru / -iru        7 "kuru"       the verb kuru
    //   3 "-u"         godan                       8 "adj"        adjective ending in "i"
    //   4 "-aru"       gozaru, kudasaru, irassharu, ossharu, nasaru
    // 0 for a reading without parentheses and for an index out of range. A marker decides
    // first ("%" "#" 3, "$" 0, "*" 6), then a final "i", kuru, suru (the whole reading, as
    // su(ru), or okurigana ending in "suru", as ho(ssuru)), okurigana ending in "zuru" (2,
    // kun(zuru) conjugates as kunjiru), the five -aru verbs and last the ending: -Xu is godan
    // for X in a b g i k m n o s u, -aru/-oru/-uru godan, -eru/-iru ichidan, anything else 0.
    // So kosu(ru) stays godan: its "su" belongs to the stem.
    int VerbClass(std::size_t kunIndex) const;

    // The name of a verb class code as listed above; empty for any other code.
    static std::string VerbClassName(int code);

    // One line "ON, ..., kun, ... : meaning; meaning": the ON readings in upper case, then the
    // Kun readings, all joined by ", ", then " : " and the meanings joined by "; ". With
    // longOMode 1 every "oo" of the readings is written "ou" (and "OO" "OU"); any other mode
    // leaves them. The markers "%", "$", "*", "#", "@" and "2" are removed from the readings;
    // the meanings are shown as they are. With no readings the line starts " : ".
    std::string DisplayText(int longOMode) const;

    // DisplayText in kana, for Kana Mode: the ON readings in katakana (OnKanaText), "," when
    // there are both kinds, the Kun readings in hiragana (KunKanaText, okurigana in
    // parentheses), then " : " and the meanings joined by "; ".
    std::string KanaDisplayText() const;

    // The meanings joined by ", ".
    std::string MeaningsText() const;

    // The ON readings joined by ", ", in lower case for hiragana or upper case for katakana,
    // converted to kana as one text (the converter keeps the commas and drops the blanks).
    enum class KanaKind { Hiragana, Katakana };
    std::string OnKanaText(KanaKind kind) const;

    // The Kun readings as kana, joined by ","; empty without Kun readings. Each reading is
    // converted in lower case without its marker; with dot the okurigana are set off by "."
    // ("た.べる"), else they stay in parentheses ("た(べる)"). A "*" reading (class 6) is
    // instead the stem in katakana and the okurigana in hiragana, as SplitKunEntry gives them,
    // unless keepPlain is set.
    std::string KunKanaText(bool dot, bool keepPlain) const;

    // Kun reading kunIndex cut at its first "(": the stem in katakana followed by "(" (by "."
    // with dot), and the okurigana up to the next ")" in hiragana followed by ")" (nothing
    // with dot). Without "(" the whole reading is the stem and the okurigana are empty. An
    // index out of range gives two empty parts.
    struct KunParts {
        std::string stem;
        std::string okurigana;
    };
    KunParts SplitKunEntry(std::size_t kunIndex, bool dot) const;

    // Token splitting for searches and answer checks (tokens are compared for equality with
    // the typed text). Each string of the array is cut at every separator character; each
    // piece is trimmed of white space and turned to lower case, and is appended to tokens
    // unless it is empty. One call appends at most kMaxTokens tokens and drops the rest; it
    // returns the number it appended.
    static constexpr std::size_t kMaxTokens = 50;

    // onReadings, separators ";,[]-'".
    std::size_t SplitOnReadings(std::vector<std::string>& tokens) const;

    // kunReadings, separators ";,[]-'$%*#". Every "@" and space is removed from a piece. A
    // token with "(" or ")" is followed by the token without parentheses and then by its stem
    // (the part before "("), each when not empty: "ta(beru)" gives "ta(beru)", "taberu",
    // "ta". These extra tokens count towards kMaxTokens.
    std::size_t SplitKunReadings(std::vector<std::string>& tokens) const;

    // meanings, separators ";, ()[]-'/": "to eat (something)" gives "to", "eat", "something".
    std::size_t SplitMeanings(std::vector<std::string>& tokens) const;
};

}  // namespace brushly
