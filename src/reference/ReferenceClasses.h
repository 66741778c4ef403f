#pragma once

#include "archive/CClassRegistry.h"

namespace brushly {

// Registers every class that stands as a tagged object in the kanji database file.
void RegisterReferenceClasses(CClassRegistry& registry);

}  // namespace brushly
