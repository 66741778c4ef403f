#pragma once

#include <optional>
#include <string>
#include <vector>

#include "handwriting/CKanjiDrawBox.h"
#include "handwriting/CPointerSampler.h"
#include "handwriting/CWriterPlacement.h"
#include "platform/CPoint.h"
#include "reference/CKanaData.h"
#include "reference/CKanjiStrokes.h"

// The headless state of the free-hand box: kana (and kanji under Raw Input) are written as
// raw polylines, each compared with the reference strokes as a whole curve (see
// KanaComparison.h). Statuses, feedback modes, hints and the editing commands are those of
// the kanji draw box without partial matches. Draw-box pixels throughout (x right, y down).
namespace brushly {

// One free-hand stroke: its points in drawing order.
using CPolyline = std::vector<CPoint>;

// What the box is checking; it decides the completion caption.
enum class KanaBoxMode { kHiragana, kKatakana, kKanji };

// The option values the hosting view passes with a character.
struct CKanaBoxSettings {
    int feedbackMode = kFeedbackNone;  // kFeedbackNone, kFeedbackEachStroke or kFeedbackOnRequest
    bool autocorrect = true;
    bool enforceOrder = true;
    int tolerance = 20;  // percent, as in ComparePolyline
};

// The reference strokes of a kana record, as stored (points beyond x 200 kept: they mark
// the alternative forms).
std::vector<CPolyline> KanaReference(const CKanaData& kana);

class CKanaDrawBox {
public:
    CKanaDrawBox() = default;

    // Takes a copy of the reference strokes (a kana record's, or StrokesToPolylines of a
    // kanji for Raw Input), the mode and the options; clears every stroke, map and feedback
    // list, the status, the hint and the caption. The ghost stays as it is.
    void SetKana(std::vector<CPolyline> reference, KanaBoxMode mode,
                 const CKanaBoxSettings& settings);
    // Takes new option values for the kana being written, keeping its strokes; a check runs
    // when the order becomes enforced over drawn strokes.
    void ApplySettings(const CKanaBoxSettings& settings);

    // Pen events in draw-box pixels, as in CKanjiDrawBox: a point outside kDrawArea ends
    // the stroke as PenUp would. Without reference strokes the pen is ignored.
    void PenDown(CPoint point);
    void PenMove(CPoint point);
    void PenUp();
    bool Drawing() const { return m_drawing; }

    // Checks the user's strokes (does nothing when none are drawn): keeps the correct ones,
    // moves incorrect and out-of-order ones into the feedback lists, sets the status and
    // caption, and with autocorrection replaces each kept stroke by its reference stroke's
    // primary form. A stroke of fewer than 5 pen points never matches.
    void Check();
    // In feedback mode kFeedbackOnRequest runs Check; in kFeedbackEachStroke with the order
    // enforced and fewer strokes than the reference reveals the next stroke one level
    // further: its start, its end, the whole stroke, then draws it in (holding its match)
    // and checks.
    void Hint();
    // Hides shown feedback (re-checking), else abandons the stroke in progress, else deletes
    // the last stroke and, in kFeedbackEachStroke with strokes left, checks again.
    void Back();
    // Abandons any stroke in progress and deletes every stroke, map, feedback list and the
    // hint; status kStatusNone, empty caption.
    void EraseAll();
    // After a check that found strokes out of order, puts the correct and the out-of-order
    // strokes back in reference order up to the first reference stroke that has neither,
    // and checks again.
    void FixOrder();
    // Shows character faintly behind the drawing, or hides the ghost when one is shown.
    void ToggleGhost(const std::string& character);
    const std::string& GhostText() const { return m_ghostText; }

    // "Hiragana is CORRECT", "Katakana is CORRECT" or "Kanji is CORRECT" at completion,
    // otherwise the kanji draw box's captions; empty when there is none.
    const std::string& Caption() const { return m_caption; }
    int Status() const { return m_status; }
    bool FeedbackShown() const { return m_feedbackShown; }

    const std::vector<CPolyline>& Reference() const { return m_reference; }
    const std::vector<CPolyline>& UserStrokes() const { return m_userStrokes; }
    // Per user stroke, the reference stroke it matched, or kUnmatched.
    const std::vector<int>& MatchMap() const { return m_matchMap; }
    const std::vector<int>& WrongOrderMap() const { return m_wrongOrderMap; }
    const std::vector<CPolyline>& Incorrect() const { return m_incorrect; }
    const std::vector<CPolyline>& WrongOrder() const { return m_wrongOrder; }
    // The samples of the stroke in progress (CPointerSampler); empty when idle.
    const CPolyline& CurrentStroke() const { return m_current; }

    int HintLevel() const { return m_hintLevel; }
    // The revealed reference stroke (primary form) while HintLevel() > 0; empty otherwise.
    const CPolyline& HintStroke() const { return m_hintStroke; }

private:
    void TakeSettings(const CKanaBoxSettings& settings);
    // A reference stroke as the check compares it: densified, in its primary form and, when
    // it has one, its alternative form.
    struct CPreparedReference {
        CPolyline primary;
        std::optional<CPolyline> alternative;
    };

    void CommitStroke();
    void HideFeedback();
    void SetStatus(int status);
    // The distance of the user's (densified) stroke to the reference stroke through its
    // primary form, else its alternative form; empty when neither matches.
    std::optional<double> MatchDistance(const CPolyline& user,
                                        const CPreparedReference& reference) const;
    // Each stroke replaced by the primary form of the reference stroke strokeMap names.
    void Autocorrect(std::vector<CPolyline>& strokes, const std::vector<int>& strokeMap) const;
    int ReferenceCount() const { return static_cast<int>(m_reference.size()); }

    std::vector<CPolyline> m_reference;
    KanaBoxMode m_mode = KanaBoxMode::kHiragana;
    std::vector<CPolyline> m_userStrokes;
    std::vector<int> m_matchMap;
    std::vector<int> m_wrongOrderMap;
    std::vector<CPolyline> m_incorrect;
    std::vector<CPolyline> m_wrongOrder;
    int m_status = kStatusNone;
    bool m_feedbackShown = false;
    int m_feedbackMode = kFeedbackNone;
    bool m_autocorrect = true;
    bool m_enforceOrder = true;
    int m_tolerance = 20;
    std::string m_ghostText;
    int m_hintLevel = 0;
    CPolyline m_hintStroke;
    int m_hintReference = 0;  // the reference stroke HintStroke() shows
    std::string m_caption;
    bool m_drawing = false;
    // The pointer's positions as samples a fixed step apart, so that the mouse's speed, its
    // polling rate and pauses do not change the stroke's point count.
    CPointerSampler m_sampler;
    CPolyline m_current;
    CWriterPlacement m_placement;  // where the recognised strokes were written
};

}  // namespace brushly
