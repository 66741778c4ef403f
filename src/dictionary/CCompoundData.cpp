#include "dictionary/CCompoundData.h"
