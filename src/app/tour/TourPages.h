#pragma once

#include <array>

#include "app/tour/CGuidedTour.h"

namespace brushly {

// One page of the guided tour: a heading line and paragraphs separated by blank lines
// ("\n\n"). Plain ASCII text. The pages of CGuidedTour::HasWordGroupNote end with
// kTourWordGroupNote and kTourWordGroupAdvice.
struct CTourPage {
    const char* heading;
    const char* text;
};

inline constexpr const char* kTourWordGroupNote =
    "NOTE:  There must be a least one Word Group to continue with the Tour.";
inline constexpr const char* kTourWordGroupAdvice =
    "Open a data file with File - Open, or click 'Flashcard Builder' in the main view to make "
    "Word Groups, then press NEXT.";

// The pages in order; page p is TourPages()[p - 1].
const std::array<CTourPage, CGuidedTour::kPageCount>& TourPages();

}  // namespace brushly
