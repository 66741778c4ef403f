#pragma once

#include <QPixmap>

namespace brushly {

// A transparent pixmap of width x height logical pixels at the highest device pixel ratio of
// the screens, so that an icon painted into it is as sharp on a high-density screen; a painter
// on it draws in logical pixels. Needs the Qt application.
QPixmap TransparentPixmap(int width, int height);

}  // namespace brushly
