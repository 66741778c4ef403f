#include "dictionary/DictionaryClasses.h"
