#include "dictionary/CAbbreviationList.h"
