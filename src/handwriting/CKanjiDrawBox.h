#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "handwriting/CStrokeRecogniser.h"
#include "handwriting/CWriterPlacement.h"
#include "handwriting/DrawBoxAutocorrection.h"
#include "handwriting/DrawnStrokes.h"
#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"

// The headless state of the kanji draw box: the user writes a character stroke by stroke,
// the box checks the strokes against the character's database strokes, sorts the rejected
// ones into feedback lists, sets a status and its caption, autocorrects recognised strokes
// onto the database geometry and reveals the next stroke as a hint. The window over it
// draws these lists; everything here is in draw-box pixels (x right, y down).
namespace brushly {

// The status codes of a check; kStatusNone before any check or after feedback is hidden.
inline constexpr int kStatusNone = -1;
inline constexpr int kStatusIncorrect = 0;
inline constexpr int kStatusWrongOrder = 1;
inline constexpr int kStatusCorrectSoFar = 2;
inline constexpr int kStatusCorrect = 3;
inline constexpr int kStatusTooMany = 4;
inline constexpr int kStatusIncomplete = 5;
inline constexpr int kStatusIncompleteWrongOrder = 6;

// When the box checks the strokes.
inline constexpr int kFeedbackNone = 0;        // never on its own
inline constexpr int kFeedbackEachStroke = 1;  // after every committed stroke
inline constexpr int kFeedbackOnRequest = 2;   // when Hint is pressed

// matchMap entry of a user stroke that no check has matched yet (new or hinted).
inline constexpr int kUnmatched = 100;

// The guide lines drawn behind the strokes.
inline constexpr int kGuidesNone = 0;
inline constexpr int kGuidesCentreCross = 1;
inline constexpr int kGuidesCentreAndThirds = 2;

// The drawing area, in draw-box pixels: every point of a stroke lies inside it.
inline constexpr CRect kDrawArea{0, 0, 200, 200};

// The option values the hosting view passes with a character.
struct CDrawBoxSettings {
    int feedbackMode = kFeedbackNone;  // kFeedbackNone, kFeedbackEachStroke or kFeedbackOnRequest
    bool autocorrect = true;
    bool enforceOrder = true;
    int tolerance = 20;        // percent; the distance threshold is 2 * tolerance pixels
    int typeMode = 0;          // 0 exact, 1 similar, 2 any (see StrokeComparison.h)
    bool simpleStyle = false;  // autocorrect from the JoinForRaw copy of the target
};

// Names the kanji that written strokes look like: one Shift-JIS character, or empty for none.
using LookAlikeFinder = std::function<std::string(const CDrawnStrokes& written)>;

class CKanjiDrawBox {
public:
    CKanjiDrawBox() = default;

    // Takes the character's database strokes (not owned: target must outlive the box or the
    // next SetCharacter) and the options; clears every stroke, map and feedback list, the
    // status, the hint and the caption. The guides and the ghost stay as they are.
    void SetCharacter(const CKanjiStrokes& target, const CDrawBoxSettings& settings);
    // Takes new option values for the character being written, keeping its strokes. When
    // the order becomes enforced over drawn strokes a check runs, and the strokes out of
    // order leave the character as feedback.
    void ApplySettings(const CDrawBoxSettings& settings);

    // Pen events in draw-box pixels. PenDown hides any feedback and starts a stroke; PenMove
    // extends it, or ends it as PenUp would when the point lies outside kDrawArea; PenUp
    // commits it. A stroke the recogniser finishes on its own is committed at once, and the
    // moves and release that follow it are ignored. Without a character the pen is ignored.
    void PenDown(CPoint point);
    void PenMove(CPoint point);
    void PenUp();
    // A stroke is in progress.
    bool Drawing() const { return m_recogniser.has_value(); }

    // Checks the user's strokes against the target (does nothing when none are drawn):
    // keeps only the correct strokes in UserStrokes(), moves the others into the feedback
    // lists, sets the status and the caption, then autocorrects when that is on.
    void Check();
    // In feedback mode kFeedbackOnRequest runs Check; in kFeedbackEachStroke with the order
    // enforced reveals the next stroke one level further: its start, its end, the whole
    // stroke, then draws it in and checks. Does nothing once every stroke is drawn.
    void Hint();
    // Hides shown feedback (re-checking), else abandons the stroke in progress, else deletes
    // the last stroke (a whole box group at once).
    void Back();
    // Abandons any stroke in progress and deletes every stroke, map, feedback list and the
    // hint; status kStatusNone, empty caption.
    void EraseAll();
    // After a check that found strokes out of order, puts the correct and the out-of-order
    // strokes back in database order up to the first database stroke that has neither,
    // and checks again.
    void FixOrder();
    // Copies the last count strokes (a box group counts as one) so that the first copied
    // stroke starts at pointer, appends them as new strokes and checks in feedback mode
    // kFeedbackEachStroke. A stroke or box group whose copy would leave kDrawArea is not
    // copied. Does nothing while a stroke is being drawn.
    void CopyLastStrokes(int count, CPoint pointer);

    // Next guide setting: none, centre cross, centre line and thirds, none again. A stroke
    // in progress continues.
    void CycleGuides();
    int Guides() const { return m_guides; }
    // Shows character faintly behind the drawing, or hides the ghost when one is shown.
    void ToggleGhost(const std::string& character);
    // The character shown behind the drawing; empty when none is.
    const std::string& GhostText() const { return m_ghostText; }

    // With a finder, a check that shows feedback once WrittenStrokes() holds at least as
    // many strokes as the character asks it what the writing looks like, and a character it
    // names follows the status text in the caption after kCaptionLooksLike (see
    // DrawBoxCaptions.h) until the
    // feedback is hidden. Without one (at first) the caption is the status text alone. Kept
    // across characters.
    void SetLookAlikeFinder(LookAlikeFinder finder) { m_lookAlikeFinder = std::move(finder); }
    // The character the caption names as the writing's look-alike; empty while none is named.
    const std::string& LookAlike() const { return m_lookAlike; }
    // Every stroke written since SetCharacter or EraseAll as the recogniser gave it, before
    // any check moved or autocorrected it, with the strokes Hint draws in and
    // CopyLastStrokes copies. Back removes the last one (a whole box group at once), unless
    // it abandons a stroke in progress.
    const CKanjiStrokes& WrittenStrokes() const { return m_written.segments; }
    // The same strokes with their paths (empty for those not drawn by hand).
    const CDrawnStrokes& Written() const { return m_written; }

    // The status text shown in the caption bar, with its look-alike (Shift-JIS); empty
    // when there is none.
    const std::string& Caption() const { return m_caption; }
    int Status() const { return m_status; }
    bool FeedbackShown() const { return m_feedbackShown; }

    const CKanjiStrokes& UserStrokes() const { return m_userStrokes; }
    // Per user stroke, the database stroke it matched, or kUnmatched.
    const std::vector<int>& MatchMap() const { return m_matchMap; }
    // Per stroke of WrongOrder(), the database stroke it matched.
    const std::vector<int>& WrongOrderMap() const { return m_wrongOrderMap; }
    const CKanjiStrokes& Incorrect() const { return m_incorrect; }
    const CKanjiStrokes& WrongOrder() const { return m_wrongOrder; }
    const CKanjiStrokes& Incomplete() const { return m_incomplete; }
    const CKanjiStrokes& IncompleteWrongOrder() const { return m_incompleteWrongOrder; }
    // The working segments of the stroke in progress, for display; empty when idle.
    std::vector<CTypedSegment> WorkingStroke() const;

    int HintLevel() const { return m_hintLevel; }
    // The revealed database stroke while HintLevel() > 0.
    const CKanjiStrokes& HintStroke() const { return m_hintStroke; }

private:
    void TakeSettings(const CDrawBoxSettings& settings);
    void CommitStroke();
    void HideFeedback();
    void SetStatus(int status);
    // Removes the last stroke, or box group, of the user's list with its matchMap entries.
    void DeleteLastStroke();
    // Names the look-alike of a finished character the check found wrong.
    void AddLookAlike();
    int DatabaseStrokeCount() const;
    double Threshold() const { return 2.0 * m_tolerance; }

    const CKanjiStrokes* m_target = nullptr;
    CKanjiStrokes m_targetJoined;
    CKanjiStrokes m_userStrokes;
    std::vector<int> m_matchMap;
    // Per user stroke, its drawn path (the recogniser's samples) while it is unmatched; empty
    // for a stroke not drawn by hand (hinted or copied) and once matched.
    std::vector<std::vector<CPoint>> m_userPaths;
    std::vector<int> m_wrongOrderMap;
    CKanjiStrokes m_incorrect;
    CKanjiStrokes m_wrongOrder;
    CKanjiStrokes m_incomplete;
    CKanjiStrokes m_incompleteWrongOrder;
    std::vector<CPartialMatch> m_incompleteMaps;
    std::vector<CPartialMatch> m_incompleteWrongOrderMaps;
    int m_status = kStatusNone;
    bool m_feedbackShown = false;
    int m_feedbackMode = kFeedbackNone;
    bool m_autocorrect = true;
    bool m_enforceOrder = true;
    int m_tolerance = 20;
    int m_typeMode = 0;
    bool m_simpleStyle = false;
    int m_guides = kGuidesNone;
    std::string m_ghostText;
    int m_hintLevel = 0;
    CKanjiStrokes m_hintStroke;
    std::string m_caption;
    CDrawnStrokes m_written;
    CWriterPlacement m_placement;  // where the recognised strokes were written
    LookAlikeFinder m_lookAlikeFinder;
    std::string m_lookAlike;
    std::optional<CStrokeRecogniser> m_recogniser;  // the stroke in progress
};

}  // namespace brushly
