#include "reference/ReferenceClasses.h"

#include "reference/CKanaData.h"
#include "reference/CKanjiData.h"

namespace brushly {

void RegisterReferenceClasses(CClassRegistry& registry) {
    // The library and stroke lists stand in place, never tagged, so they are not listed.
    for (const CRuntimeClass* runtimeClass :
         {&CKanjiData::kRuntimeClass, &CKanjiReading::kRuntimeClass, &CStrokeData::kRuntimeClass,
          &CHiraganaData::kRuntimeClass, &CKatakanaData::kRuntimeClass, &CKanaPoint::kRuntimeClass,
          &CObArray::kRuntimeClass}) {
        registry.Register(*runtimeClass);
    }
}

}  // namespace brushly
