#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "document/CBrushlyOptions.h"
#include "handwriting/CKanaDrawBox.h"
#include "handwriting/CKanjiDrawBox.h"
#include "practice/DrawDeck.h"
#include "reference/CKanjiStrokes.h"

namespace brushly {

class CBrushly2Doc;

// One line of the card panel left of the draw box: Shift-JIS or ASCII text, drawn as a
// heading, or as the large character of the card.
struct DrawPanelLine {
    std::string text;
    bool heading = false;
    bool large = false;
};

// The Draw View's drill without its window: the deck of the mode (kanji and counter cards
// of the selected Word Groups, or the kana of a kana table), the card shown, the end-of-deck
// question, the Draw options turned into draw-box settings, and the reaction to changed
// options.
//
// The view shows Current() in the box UsesKanaBox() names and forwards Next, Shuffle and
// the options page's result. Messages and questions go through the document's prompter,
// shuffles use its generator. The document must outlive the practice; entries point at
// its cards and kana records.
class CDrawPractice {
public:
    static constexpr int kKanjiMode = 0;
    static constexpr int kKatakanaMode = 1;
    static constexpr int kHiraganaMode = 2;

    static constexpr const char* kKanjiPrefix = "Kanji Draw View: ";
    static constexpr const char* kKatakanaPrefix = "Katakana Draw View: ";
    static constexpr const char* kHiraganaPrefix = "Hiragana Draw View: ";
    static constexpr const char* kHeaderFormat = "%s %d of %d cards";
    static constexpr const char* kKanjiCaption = "Draw Character";
    static constexpr const char* kKatakanaCaption = "Draw Katakana";
    static constexpr const char* kHiraganaCaption = "Draw Hiragana";
    static constexpr const char* kStrokeDemonstration = "Stroke Demonstration";
    static constexpr const char* kKatakanaDemonstration = "Katakana Demonstration";
    static constexpr const char* kHiraganaDemonstration = "Hiragana Demonstration";
    static constexpr const char* kKanjiHints = "Kanji Drawing hints";
    static constexpr const char* kKanaHints = "Kana Drawing hints";
    static constexpr const char* kReadingsHeading = "Readings (ON,Kun: meaning)";
    static constexpr const char* kCommentsHeading = "Comments:";
    static constexpr const char* kCounterPrefix = "Counter for ";
    static constexpr const char* kCounterReadingHeading = "Reading";
    static constexpr const char* kItemSeparator = " - ";
    static constexpr const char* kRomajiHeading = "Romaji:";
    static constexpr const char* kFinishedQuestion =
        "Finished - would you like to re-shuffle (YES) \nand review these cards again?";
    static constexpr const char* kNoActiveCardsMessage =
        "There are now no active cards in this list for the current Draw options.\nYou will be "
        "returned to the main page.";
    // Shuffling a deck longer than this shows the "Loading/Shuffling Flashcards..." box.
    static constexpr std::size_t kShufflingThreshold = 200;

    using ShufflingCallback = std::function<void(bool shown)>;

    explicit CDrawPractice(CBrushly2Doc& document);
    CDrawPractice(const CDrawPractice&) = delete;
    CDrawPractice& operator=(const CDrawPractice&) = delete;

    // Builds the deck of the mode (kanji mode: the named groups' cards as the Draw options
    // include them; kana modes: the kana of the Gojuu option's set) and starts it at card
    // 1, shuffled with Random Order. showShuffling(true) and (false) bracket a shuffle of
    // more than kShufflingThreshold entries, here and on every later restart; it may be
    // empty. False, with no card, when the deck is empty.
    bool Start(int mode, const std::vector<std::string>& groupNames,
               ShufflingCallback showShuffling);

    enum class NextResult { kMoved, kRestarted, kReturn };
    // On to the next card; past the last one asks kFinishedQuestion: Yes restarts the deck,
    // No asks the view to return to the main view (the last card stays current).
    NextResult Next();
    // Starts the deck again at card 1: shuffled with Random Order, else rebuilt in order.
    void Shuffle();

    enum class OptionsResult { kKept, kRestarted, kReturn };
    // After the options page closed with changes; `before` is the Draw block as it was.
    // When the options defining this mode's deck changed (kanji mode: Kanji cards, Counter
    // cards; kana modes: Gojuu) the deck is rebuilt and restarted, and an empty one shows
    // kNoActiveCardsMessage and gives kReturn. The box settings always follow the options.
    OptionsResult OptionsChanged(const CDrawOptions& before);

    int Mode() const { return m_mode; }
    // The entry shown; null before a successful Start.
    const DrawDeckEntry* Current() const;
    // The 1-based position of Current(), 0 without one.
    int Number() const;
    int Size() const { return static_cast<int>(m_deck.size()); }

    // kHeaderFormat with the mode's prefix, Number() and Size(): "Kanji Draw View:  1 of 5
    // cards" (the prefix ends in a blank of its own).
    std::string Header() const;
    std::string EmptyCaption() const;
    std::string DemonstrationCaption() const;
    std::string HintsButtonText() const;
    // The free-hand kana box is used in kana modes, and in kanji mode with Raw Input.
    bool UsesKanaBox() const;

    // The strokes the kanji draw box checks and the demonstration plays: a card's database
    // record's strokes, or for a kana KanaDemonstrationStrokes of its record, owned here and
    // valid until the card changes. Null without a card.
    const CKanjiStrokes* CurrentStrokes() const;
    // The kanji the handwriting search ranks first for written (draw-box strokes) among the
    // document's database, as Shift-JIS: the Draw View's hint of what a wrong character
    // looks like. Empty when that is the card's own kanji, when the search finds nothing,
    // without a card or a database, and when the kana box is used (kana modes, Raw Input).
    std::string LookAlike(const CDrawnStrokes& written) const;
    // The kana box's reference: KanaReference of the kana, or for a card (Raw Input)
    // StrokesToPolylines of its record's strokes. Empty without a card.
    std::vector<CPolyline> CurrentKanaReference() const;

    // The Draw options as the boxes take them: feedback 0 -> kFeedbackEachStroke, 1 ->
    // kFeedbackOnRequest; autocorrect, enforce order, stroke type, tolerance (percent) and,
    // for the kanji box, the simple drawing style, unchanged.
    CDrawBoxSettings DrawBoxSettings() const;
    CKanaBoxSettings KanaBoxSettings() const;
    // What the kana box checks: the mode's script, or kKanji under Raw Input.
    KanaBoxMode KanaMode() const;

    // The card panel: the character (large), then for a kanji card kReadingsHeading with one
    // line per reading group and, with Show Comments and a comment, kCommentsHeading with
    // its lines; for a counter kCounterPrefix + meaning, then kCounterReadingHeading with
    // its reading and one line per counted form ("sanbon - 3 long objects"); for a kana
    // kRomajiHeading and its romaji. Empty without a card.
    std::vector<DrawPanelLine> CardPanel() const;

private:
    const CDrawOptions& Options() const;
    std::vector<DrawDeckEntry> BuildDeck() const;
    // Step back to card 1: shuffled (the callback around a long shuffle) or rebuilt.
    void Restart();
    // Current() changed: the kana demonstration strokes follow it.
    void Present();

    CBrushly2Doc& m_document;
    int m_mode = kKanjiMode;
    std::vector<std::string> m_groupNames;
    ShufflingCallback m_showShuffling;
    std::vector<DrawDeckEntry> m_deck;
    std::size_t m_position = 0;   // index of the current entry while the deck is not empty
    CKanjiStrokes m_kanaStrokes;  // the current kana's demonstration strokes
};

}  // namespace brushly
