#include "document/DocumentClasses.h"

#include "document/CCounterCard.h"
#include "document/CKanaStats.h"
#include "document/CKanaWord.h"
#include "document/CKanjiCard.h"
#include "document/CKanjiCompound.h"
#include "reference/CKanjiReading.h"

namespace brushly {

void RegisterDocumentClasses(CClassRegistry& registry) {
    // The options record stands in place, never tagged, so it is not listed.
    for (const CRuntimeClass* runtimeClass :
         {&CKanjiCard::kRuntimeClass, &CKanjiCompound::kRuntimeClass, &CKanaWord::kRuntimeClass,
          &CCounterCard::kRuntimeClass, &CKanaStats::kRuntimeClass,
          &CKanjiReading::kRuntimeClass}) {
        registry.Register(*runtimeClass);
    }
}

}  // namespace brushly
