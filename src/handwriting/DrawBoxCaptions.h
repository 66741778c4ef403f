#pragma once

#include <string>
#include <string_view>

#include "platform/CPoint.h"

// What the kanji and the kana draw box share: the caption texts of a check's status and of
// the hint levels, and the test that keeps a stroke inside the drawing area.
namespace brushly {

inline constexpr std::string_view kCaptionKanjiCorrect = "Kanji is CORRECT";
inline constexpr std::string_view kCaptionHintStart = "Next stroke starts here";
inline constexpr std::string_view kCaptionHintEnd = "Next stroke ends here";
inline constexpr std::string_view kCaptionHintStroke = "The next stroke";
// Between a status text and the kanji the writing looks like.
inline constexpr std::string_view kCaptionLooksLike = " - looks like ";

// The caption of a status code (see CKanjiDrawBox.h); kStatusCorrect shows completion, the
// text that differs between the boxes. Empty for kStatusNone or an unknown code.
std::string_view StatusCaption(int status, std::string_view completion);

// Moves a revealed hint from level 1 to 2 or from 2 to 3, with the level's caption; false at
// level 3, where the box draws the stroke in instead.
bool AdvanceHint(int& hintLevel, std::string& caption);

// Whether point (draw-box pixels) lies inside kDrawArea.
bool InsideDrawArea(CPoint point);

}  // namespace brushly
