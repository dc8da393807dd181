#include <gtest/gtest.h>

#include "FakeUiServices.h"
#include "view/YearRangeDialogModel.h"

namespace orv {
namespace {

TEST(YearRangeDialogModel, PresetToTheRangeInForceAndRefusesATurnedAboutPair) {
  const CYearRangeScope range({1990, 2040});
  test::FakeUiServices ui;
  CYearRangeDialogModel model;
  EXPECT_EQ(model.m_From, 1990);
  EXPECT_EQ(model.m_To, 2040);
  model.m_From = 2041;
  EXPECT_EQ(model.Accept(ui), std::nullopt);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kYearsTurnedAbout});
  model.m_From = 2040;
  EXPECT_EQ(model.Accept(ui), (SYearRange{2040, 2040}));
  model.m_From = 1899;
  EXPECT_EQ(model.Accept(ui), std::nullopt);
  EXPECT_EQ(ui.Messages().back(), "Roky musí ležet v rozmezí 1900 až 2100.");
}

}  // namespace
}  // namespace orv
