#pragma once

#include <vector>

#include "app/CJapaneseFonts.h"

namespace brushly {

// The font families Qt knows, in its order, each marked as showing Japanese when it has
// the Japanese writing system. Needs a QGuiApplication.
std::vector<CInstalledFace> InstalledFaces();

}  // namespace brushly
