#include "kanjidb/CKanjiDbBuilder.h"

#include <gtest/gtest.h>

namespace brushly::kanjidb {
namespace {

TEST(KanjiDbBuilder, TitleCarriesVersionAndDateWhereTheInfoDialogCutsThem) {
    const std::string title = DatabaseTitle("2022-08-23");
    // Version: character 6, ".", characters 7 to 9; date: 11-12 / 13-14 / 15-16.
    EXPECT_EQ(title.substr(6, 1) + "." + title.substr(7, 3), "1.001");
    EXPECT_EQ(title.substr(11, 2) + "/" + title.substr(13, 2) + "/" + title.substr(15, 2),
              "22/08/23");
    EXPECT_NE(title.find("KanjiVG"), std::string::npos);
    EXPECT_EQ(DatabaseTitle("").substr(11, 6), "000000");
}

}  // namespace
}  // namespace brushly::kanjidb
