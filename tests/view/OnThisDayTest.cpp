#include <gtest/gtest.h>

#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "view/OnThisDay.h"

namespace orv {
namespace {

class OnThisDayTest : public ::testing::Test {
 protected:
  std::vector<Date> Listed(const MonthDay& day, std::optional<int> except = std::nullopt) const {
    std::vector<Date> dates;
    for (const SOnThisDay& item : OnThisDay(doc, day, except)) dates.push_back(item.date);
    return dates;
  }

  test::FakeUiServices ui;
  CTedDoc doc{ui};
  CYearRangeScope range{{2000, 2030}};
};

TEST_F(OnThisDayTest, OtherYearsOfTheDayNewestFirstWithNoteAndCommentaryStart) {
  doc.StoreDay("2019/07/14", "výlet", "{\\rtf1 x}", "Ráno\rdéšť,\ttak domů");
  doc.StoreDay("2021/07/14", "", "{\\rtf1 y}", "jen výklad");
  doc.StoreDay("2026/07/14", "letos", "", "");
  doc.StoreDay("2019/07/15", "vedle", "", "");
  doc.StoreDay("2005/07/14", "dávno", "", "");
  EXPECT_EQ(Listed({7, 14}, 2026), (std::vector<Date>{{2021, 7, 14}, {2019, 7, 14}, {2005, 7, 14}}));
  EXPECT_EQ(Listed({7, 14}).size(), 4u);

  const std::vector<SOnThisDay> list = OnThisDay(doc, {7, 14}, 2026);
  EXPECT_EQ(Cp1250ToUtf8(OnThisDayDateText(list[1].date)), "14. 7. 2019, neděle");
  EXPECT_EQ(list[1].note, "výlet");
  EXPECT_EQ(list[1].commentary, "Ráno déšť, tak domů");
  EXPECT_TRUE(OnThisDay(doc, {7, 16}).empty());
}

TEST_F(OnThisDayTest, TheTwentyNinthOfFebruaryOnlyInLeapYears) {
  doc.StoreDay("2024/02/29", "přestupný", "", "");
  doc.StoreDay("2023/02/28", "konec února", "", "");
  doc.StoreDay("2020/02/28", "také konec", "", "");
  EXPECT_EQ(Listed({2, 29}, 2028), (std::vector<Date>{{2024, 2, 29}}));
  EXPECT_EQ(Listed({2, 28}, 2024), (std::vector<Date>{{2023, 2, 28}, {2020, 2, 28}}));
}

TEST_F(OnThisDayTest, CommentaryStartIsOneLineOfAtMostTwoHundredCharacters) {
  EXPECT_EQ(CommentaryStart(std::string(150, 'a') + "\r\r\n" + std::string(100, 'b')),
            std::string(150, 'a') + " " + std::string(49, 'b'));
  EXPECT_EQ(CommentaryStart("\r\n  text \r"), "text");
  EXPECT_EQ(CommentaryStart(""), "");
}

}  // namespace
}  // namespace orv
