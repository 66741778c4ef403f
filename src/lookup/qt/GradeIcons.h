#pragma once

#include <QIcon>
#include <QPixmap>

namespace brushly {

// The school-grade icons of the kanji search's result list, drawn in code: a coloured badge
// with the grade, "1" to "7", or "7+" for grade 8.
inline constexpr int kGradeIconSize = 18;

// The badge of grade 1 to 8 at kGradeIconSize pixels; a null pixmap for any other grade
// (0: not a school kanji).
QPixmap GradeIconPixmap(int grade);
// The badge as an icon; for a grade without one a transparent icon of the same size, so that
// the texts of a list stay aligned.
QIcon GradeIcon(int grade);

}  // namespace brushly
