#include "handwriting/CKanjiDrawBoxWidget.h"
