#pragma once

#include <QIcon>

#include "dictionary/CCompoundSearch.h"

namespace brushly {

// The compound search's row icons, drawn in code: a blue square for a compound, a green disc
// for a kana word, each with a gold star when EDICT marks the word as common.
inline constexpr int kCompoundRowIconSize = 16;

QIcon CompoundRowIcon(CCompoundRowKind kind);

}  // namespace brushly
