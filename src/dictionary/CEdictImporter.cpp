#include "dictionary/CEdictImporter.h"
