#include "dictionary/DictionaryStartup.h"
