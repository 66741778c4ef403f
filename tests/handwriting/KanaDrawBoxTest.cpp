#include <gtest/gtest.h>

#include "handwriting/CKanaDrawBox.h"
