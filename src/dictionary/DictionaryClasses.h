#pragma once

#include "archive/CClassRegistry.h"

namespace brushly {

// Registers every class that stands as a tagged object in a compound database file.
void RegisterDictionaryClasses(CClassRegistry& registry);

}  // namespace brushly
