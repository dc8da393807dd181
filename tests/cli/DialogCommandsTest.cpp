// orv holiday, delete, count and author, end to end through RunOrv on files in a temporary folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "CalendarBuilder.h"
#include "OrvRun.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

using test::OrvRun;

class DialogCommands : public ::testing::Test {
 protected:
  DialogCommands() {
    char pattern[] = "/tmp/orv-cli-dlg-XXXXXX";
    dir = ::mkdtemp(pattern);
    file = (dir / "kal.orv").string();
    test::FakeUiServices quiet;
    CTedDoc doc(quiet);
    doc.OnNewDocument();
    test::CalendarBuilder(doc)
        .Day("2005/03/04", "4.")
        .Day("2005/03/05", "5.")
        .Day("2005/03/06", "6.")
        .Month("2005/03", "březen");
    doc.OnSaveDocument(file);
  }
  ~DialogCommands() override { fs::remove_all(dir); }

  static OrvRun Orv(const std::vector<std::string>& args) { return test::RunOrvCaptured(args); }
  std::string Bytes() const {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path dir;
  std::string file;
};

TEST_F(DialogCommands, DeleteADayOrAPeriodAndCount) {
  EXPECT_EQ(Orv({"count", file}).out, "Počet záznamů v kalendáři: 3\n");
  const OrvRun day = Orv({"delete", file, "2005-03-05"});
  EXPECT_EQ(day.status, 0);
  EXPECT_EQ(day.out, "Počet vymazaných dnů : 1\n");
  EXPECT_EQ(Orv({"delete", file, "2005-03-05"}).status, 1);  // nothing left there

  const std::string before = Bytes();
  const OrvRun reversed = Orv({"delete", file, "--from", "2005-03-06", "--to", "2005-03-04"});
  EXPECT_EQ(reversed.status, 2);
  EXPECT_EQ(reversed.messages, std::vector<std::string>{"Spodní hranice období nesmí být větší než horní !"});
  const OrvRun empty = Orv({"delete", file, "--from", "2006-01-01", "--to", "2006-12-31"});
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.messages, std::vector<std::string>{"V zadaném rozsahu poznámky ani výklady nejsou !"});
  // A period with one end only is refused, never stretched to the end of the years.
  for (const char* end : {"--from", "--to"}) {
    SCOPED_TRACE(end);
    const OrvRun half = Orv({"delete", file, end, "2005-03-04"});
    EXPECT_EQ(half.status, 2);
    EXPECT_NE(half.err.find("--from RRRR-MM-DD --to RRRR-MM-DD"), std::string::npos) << half.err;
  }
  EXPECT_EQ(Bytes(), before);

  EXPECT_EQ(Orv({"delete", file, "--from", "2005-03-04", "--to", "2005-03-06"}).out, "Počet vymazaných dnů : 2\n");
  EXPECT_EQ(Orv({"count", file}).out, "Počet záznamů v kalendáři: 0\n");
  EXPECT_EQ(Orv({"day", file, "2005-03-01"}).status, 0);  // the month commentary stays
}

// "日本" would be stored as "??" with exit 0.
TEST_F(DialogCommands, HolidayNamesOutsideTheCodePageAreRefused) {
  const std::string before = Bytes();
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"holiday", file, "add", "soukrome", "03/16", "日本"},
        std::vector<std::string>{"holiday", file, "rename", "jmenne", "Jan", "日本"}}) {
    const OrvRun run = Orv(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.messages,
              std::vector<std::string>{"Znaky „日“ (U+65E5), „本“ (U+672C) nelze do názvu zapsat: "
                                       "kódování Windows-1250 je nezná."});
  }
  EXPECT_EQ(Bytes(), before);
}

TEST_F(DialogCommands, HolidayAddRemoveRenameWithTheDialogsChecks) {
  EXPECT_EQ(Orv({"holiday", file, "add", "soukrome", "03/16", "Teta Věra"}).status, 0);
  const OrvRun taken = Orv({"holiday", file, "add", "jmenne", "03/16", "Jan"});
  EXPECT_EQ(taken.status, 1);
  EXPECT_EQ(taken.messages, std::vector<std::string>{"Tato položka je již přiřazena k datu 24. června"});
  const OrvRun pair = Orv({"holiday", file, "remove", "jmenne", "Pavel"});
  EXPECT_EQ(pair.status, 1);
  EXPECT_EQ(pair.messages,
            std::vector<std::string>{"Jména Adam a Eva, Petr a Pavel nelze přejmenovat ani vymazat."});
  EXPECT_EQ(Orv({"holiday", file, "rename", "soukrome", "Teta Věra", "Teta Věra"}).messages,
            std::vector<std::string>{"Zadejte nový název do editačního pole"});
  EXPECT_EQ(Orv({"holiday", file, "rename", "soukrome", "Teta Věra", "Teta Věruška"}).status, 0);
  EXPECT_EQ(Orv({"holiday", file, "remove", "soukrome", "Teta Věra"}).status, 1);  // no longer there
  EXPECT_EQ(Orv({"holiday", file, "add", "soukrome", "02/30", "x"}).status, 2);
  EXPECT_EQ(Orv({"holiday", file, "add", "svatky", "02/28", "x"}).status, 2);

  test::FakeUiServices quiet;
  CTedDoc doc(quiet);
  ASSERT_TRUE(doc.OnOpenDocument(file));
  EXPECT_EQ(doc.m_Names.NamesOn(kPrivateHolidays, "03/16"),
            std::vector<std::string>{Cp1250FromUtf8("Teta Věruška")});
  EXPECT_EQ(Orv({"holiday", file, "remove", "soukrome", "Teta Věruška"}).status, 0);
  ASSERT_TRUE(doc.OnOpenDocument(file));
  EXPECT_FALSE(doc.m_Names.m_Slots[kPrivateHolidays].m_JmenaPodleData.Contains("03/16"));
}

TEST_F(DialogCommands, AuthorDataShownChangedAndLockedByItsPassword) {
  EXPECT_EQ(Orv({"author", file}).out,
            "Název kalendáře: název neuveden\nČíslo verze: neuvedena\nAutor: neuveden\nFirma: neuvedena\n"
            "Datum: neuvedeno\n");
  EXPECT_EQ(Orv({"author", file, "--author", "Jana", "--new-author-password", "Tajné"}).status, 0);

  const std::string before = Bytes();
  const OrvRun locked = Orv({"author", file, "--author", "Petr"});
  EXPECT_EQ(locked.status, 1);
  const OrvRun wrong = Orv({"author", file, "--author", "Petr", "--author-password", "tajné"});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_EQ(Bytes(), before);

  const OrvRun right =
      Orv({"author", file, "--author", "Petr", "--author-password", "Tajné", "--new-author-password", ""});
  EXPECT_EQ(right.status, 0);
  EXPECT_NE(right.out.find("Autor: Petr\n"), std::string::npos);
  EXPECT_EQ(Orv({"author", file, "--date", "2005"}).status, 0);  // unlocked again
}

}  // namespace
}  // namespace orv
