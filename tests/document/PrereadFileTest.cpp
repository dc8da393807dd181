// A calendar read ahead while the window is built: the open then behaves exactly as one that reads
// the file itself, and never shows a version of the file other than the one it locks.
#include <gtest/gtest.h>

#include <memory>

#include "DocFileFixture.h"
#include "document/PrereadFile.h"

namespace orv {
namespace {

// What an open did, to compare an open with the file read ahead with one without.
struct SOpened {
  bool opened;
  std::vector<std::string> messages;
  int records;
  std::string note;
  bool operator==(const SOpened&) const = default;
};

SOpened Open(const std::string& path, bool readAhead, const std::string& aheadPath = {}) {
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  if (readAhead) doc.OfferPreread(std::make_shared<CPrereadFile>(aheadPath.empty() ? path : aheadPath, ui));
  const bool opened = doc.OnOpenDocument(path);
  const CEntrTxt* day = doc.GetDayRecord("2005/03/15");
  return {opened, ui.Messages(), doc.GetRecordCount(), day ? day->m_Poznamka : std::string()};
}

std::string WithNote(const char* note) {
  test::FakeUiServices quiet;
  CCalendarContent c(quiet);
  test::CalendarBuilder(c).EveryKindOfRecord().Day("2005/03/15", note).Passwords({}, {});
  return StoreCalendar(c);
}

TEST_F(TedDocFile, AnOpenOfAFileReadAheadSaysAndShowsWhatAnyOpenDoes) {
  const std::string good = WithNote("rano");
  const std::pair<const char*, std::string> files[] = {
      {"good.orv", good},
      {"password.orv", Calendar("heslo")},
      {"v0.orv", std::string("\x4F\xF7\x26\x00\x00\x00\x00\x00\x00", 9) + "rest"},
      {"cut.orv", good.substr(0, good.size() - 1)},
      {"magic.orv", "X" + good.substr(1)},
  };
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    WriteFile(dir / name, bytes);
    EXPECT_EQ(Open(Path(name), /*readAhead=*/true), Open(Path(name), /*readAhead=*/false));
  }
  EXPECT_EQ(Open(Path("good.orv"), true).note, "rano");
}

TEST_F(TedDocFile, AnOpenShowsTheFileItLocksNotAnotherReadAhead) {
  WriteFile(dir / "denik.orv", WithNote("rano"));
  WriteFile(dir / "jiny.orv", WithNote("jiny"));
  EXPECT_EQ(Open(Path("denik.orv"), true, Path("jiny.orv")).note, "rano");

  // Another program saves between the reading ahead and the open.
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  doc.OfferPreread(std::make_shared<CPrereadFile>(Path("denik.orv"), ui));
  WriteFile(dir / "novy.orv", WithNote("vecer"));
  fs::rename(dir / "novy.orv", dir / "denik.orv");
  ASSERT_TRUE(doc.OnOpenDocument(Path("denik.orv")));
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, "vecer");
}

}  // namespace
}  // namespace orv
