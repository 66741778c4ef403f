#include <gtest/gtest.h>

#include "handwriting/CKanjiDrawBoxWidget.h"
