#include "dictionary/CCompoundLibrary.h"
