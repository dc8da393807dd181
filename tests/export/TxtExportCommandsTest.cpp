#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "document/TedDoc.h"
#include "export/TxtExportCommands.h"

namespace orv {
namespace {

using Messages = std::vector<std::string>;

TEST(TxtExportCommands, ChosenPeriodIsTheWholeCalendarOrAForwardRange) {
  test::FakeUiServices ui;
  TxtExportChoice choice;
  choice.range = {{2004, 3, 31}, {2004, 3, 1}};
  EXPECT_EQ(DayKey(ChosenPeriod(choice, ui)->from), "2000/01/01");  // the pickers do not count
  choice.wholeCalendar = false;
  EXPECT_FALSE(ChosenPeriod(choice, ui).has_value());
  EXPECT_EQ(ui.Messages(), Messages{"Spodní hranice období nesmí být větší než horní !"});
  choice.range.to = choice.range.from;
  EXPECT_EQ(DayKey(ChosenPeriod(choice, ui)->to), "2004/03/31");
}

TEST(TxtExportCommands, CancellingTheFileOrThePeriodWritesNothing) {
  char pattern[] = "/tmp/orv-txtcmd-XXXXXX";
  const std::filesystem::path dir = ::mkdtemp(pattern);
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  doc.SetPathName((dir / "k.orv").string());
  test::CalendarBuilder(doc).Day("2004/03/05", "pes");
  const std::string path = (dir / "out").string();
  int asked = 0;
  auto ask = [&asked]() -> std::optional<TxtExportChoice> {
    ++asked;
    return std::nullopt;
  };
  ui.fileAnswers = {std::nullopt, path};
  OnExportNotesTxt(doc, ui, ask);  // the file chooser cancelled: no period asked
  OnExportNotesTxt(doc, ui, ask);
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(std::filesystem::exists(path + ".txt"));
  EXPECT_EQ(ui.Messages(), Messages{});

  doc.SetPathName({});
  OnExportNotesTxt(doc, ui, ask);
  EXPECT_EQ(ui.Messages(), Messages{"Soubor nemá jméno, nejprve je nutno jej Uložit jako."});
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace orv
