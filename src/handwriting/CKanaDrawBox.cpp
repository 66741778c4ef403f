#include "handwriting/CKanaDrawBox.h"
