#pragma once

#include <cstdint>

#include "archive/CArchive.h"

namespace brushly {

// The kana flash block (Kana Flash View; the two range values belong to the Kana Table
// View). Copied as a whole into its page of the options sheet and back.
struct CKanaFlashOptions {
    // K1 kana set: 0 "All kana", 1 "Only gojuu-on (50 sounds)", 2 "Only gojuu-on and
    // daku/handaku-on (50 sounds + g,z,d,b,p)".
    std::int32_t kanaSet = 0;
    std::int32_t lowerRange = 50;  // K2 lower kana statistics range value, percent
    std::int32_t upperRange = 75;  // K3 upper kana statistics range value, percent
    // K4 quiz mode: 0 "Multiple Choice", 1 "Fill in the Blank", 2 "No Quiz".
    std::int32_t quizMode = 0;
    std::int32_t autoFlip = 0;      // K5 "Auto "Flip":" 1 on, 0 off
    std::int32_t timeLimit = 1;     // K6 "Time Limit:" 1 on, 0 off
    double autoFlipSeconds = 2.0;   // K7 Auto Flip seconds, 1 to 30 (timer 1)
    double timeLimitSeconds = 5.0;  // K8 Time Limit seconds, 1 to 30 (timer 2)
    // K9 order: 0 "Random", 1 ""Alphabetic"", 2 "Recognition performance (most missed
    // first)".
    std::int32_t order = 0;

    bool operator==(const CKanaFlashOptions&) const = default;
};

// The Flash View block, edited by the "Flash View" page and its sub-dialogs.
struct CFlashOptions {
    // F1 "Display Kanji flashcard using...": 0 "Main Character", 1 "Random Verb
    // Inflection", 2 "Random Kanji Compound".
    std::int32_t kanjiDisplay = 0;
    std::int32_t showRecognitionData = 1;  // F2 "Show Recognition Data"
    std::int32_t showReadings = 1;         // F3 "Show Readings"
    std::int32_t includeKanji = 1;         // F4 include "Kanji"
    std::int32_t includeKanaWords = 1;     // F5 include "Kana Words"
    std::int32_t includeCounters = 1;      // F6 include "Counters"
    std::int32_t counterForms = 1;         // F7 counters: 0 "All", 1 "Only One"
    std::int32_t showComments = 1;         // F8 "Show Comments"
    std::int32_t includeCompounds = 1;     // F9 include "Compounds"
    // F10 quiz mode: 0 "Multiple Choice", 1 "Fill in the Blank", 2 "No Quiz".
    std::int32_t quizMode = 0;
    std::int32_t autoFlip = 0;      // F11 "Auto "Flip":" 1 on, 0 off
    std::int32_t timeLimit = 1;     // F12 "Time Limit:" 1 on, 0 off
    double autoFlipSeconds = 2.0;   // F13 Auto Flip seconds, 1 to 30 (timer 1)
    double timeLimitSeconds = 5.0;  // F14 Time Limit seconds, 1 to 30 (timer 2)
    // F15 shuffle order: 0 "Random", 1 "Word Group", 2 "Recognition performance\n(most
    // missed first)".
    std::int32_t shuffleOrder = 0;
    // F16 "Desired answer is.....": 0 "Japanese reading", 1 "English meaning".
    std::int32_t desiredAnswer = 0;
    // F17 "For Japanese reading, use.....": 0 "Either", 1 "ON Reading", 2 "Kun reading".
    std::int32_t readingKind = 0;
    // F18 multiple-choice distracters from: 0 current flashcard list, 1 active file,
    // 2 databases.
    std::int32_t distracterSource = 0;
    // F19 "Select random compound from....": 0 current flashcard list, 1 active file,
    // 2 databases.
    std::int32_t compoundSource = 0;
    std::int32_t showReferenceIndices = 1;  // F20 "Show Reference Indices"
    std::int32_t showInflectedVerbs = 1;    // F21 "Show Inflected Verb Forms"
    // F22 to F34: the verb forms of the "Kanji Verb Flashcard Options" dialog.
    std::int32_t verbFormal = 1;          // F22 "Formal"
    std::int32_t verbInformal = 1;        // F23 "Informal"
    std::int32_t verbAffirmative = 1;     // F24 "Affirmative"
    std::int32_t verbNegative = 1;        // F25 "Negative"
    std::int32_t verbIndicative = 1;      // F26 "Indicative"
    std::int32_t verbTentative = 1;       // F27 "Tentative"
    std::int32_t verbImperative = 0;      // F28 "Imperative"
    std::int32_t verbProvisional = 0;     // F29 "Provisional"
    std::int32_t verbPresumptive = 0;     // F30 "Presumptive"
    std::int32_t verbGerund = 1;          // F31 "Gerund (te)"
    std::int32_t verbConditional = 0;     // F32 "Conditional"
    std::int32_t verbRepresentative = 0;  // F33 "Representative"
    // F34 "Passive / Potential / Causative / Causitive Passive".
    std::int32_t verbPassive = 0;
    // F35 kept and copied with the verb forms; no control edits it.
    std::int32_t verbReserved = 0;

    bool operator==(const CFlashOptions&) const = default;
};

// The Draw View block, edited by the "Draw View" page.
struct CDrawOptions {
    std::int32_t feedback = 0;         // D1 0 "After each stroke", 1 "On request"
    std::int32_t autocorrect = 1;      // D2 "Autocorrect"
    std::int32_t enforceOrder = 1;     // D3 "Enforce Order"
    std::int32_t strokeMatch = 1;      // D4 database stroke type: 0 "Exact", 1 "Similar", 2 "Any"
    std::int32_t errorTolerance = 20;  // D5 error tolerance, percent, 10 to 30
    std::int32_t includeKanji = 1;     // D6 include "Kanji cards"
    std::int32_t includeCounters = 1;  // D7 include "Counter cards"
    std::int32_t demoSpeed = 60;       // D8 demonstration speed, 0 (fast) to 200 (slow)
    std::int32_t showComments = 1;     // D9 "Show Comments"
    std::int32_t drawingStyle = 0;     // D10 0 "Brushly Strokes", 1 "Simple Strokes"
    std::int32_t rawInput = 0;         // D11 "Raw Input"
    std::int32_t randomOrder = 1;      // D12 "Random Order"
    // D13 kana: 0 "Gojuu-On (50 sounds)", 1 "Gojuu-on and Daku/Handaku-on (50 sounds +
    // g,z,d,b,p)".
    std::int32_t kanaSet = 0;

    bool operator==(const CDrawOptions&) const = default;
};

// The practice options of a document: three blocks that the options sheet copies as a
// whole. A default-constructed record holds the defaults of every option.
//
// Stored in place (never tagged) as: int32 kVersion, K1 to K6, K7 K8 (doubles), K9,
// F1 to F5, F8, F9, F6, F7, F10 to F12, F13 F14 (doubles), F15 to F35, D1 to D13: 57 items
// after the version, 53 int32 and 4 doubles, 248 bytes in all. The version is written as 2
// and not checked when read, as the record's layout never changed.
class CBrushlyOptions {
public:
    static constexpr std::int32_t kVersion = 2;
    static constexpr std::size_t kStoredBytes = 4 + 53 * 4 + 4 * 8;

    CKanaFlashOptions kanaFlash;
    CFlashOptions flash;
    CDrawOptions draw;

    // Writes or reads the body above. Reading throws the archive's failures and may leave
    // the record partly read.
    void Serialize(CArchive& archive);

    bool operator==(const CBrushlyOptions&) const = default;
};

}  // namespace brushly
