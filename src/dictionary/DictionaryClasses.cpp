#include "dictionary/DictionaryClasses.h"

#include "dictionary/CCompoundData.h"

namespace brushly {

void RegisterDictionaryClasses(CClassRegistry& registry) {
    // The library stands in place, never tagged, so only its entries are listed.
    registry.Register(CCompoundData::kRuntimeClass);
}

}  // namespace brushly
