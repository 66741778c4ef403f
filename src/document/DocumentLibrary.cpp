// The flashcard document library.
#include "reference/CKanjiLibrary.h"
