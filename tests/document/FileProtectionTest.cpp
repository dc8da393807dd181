// The open password, the author data under its password, and the file information texts.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/FileProtection.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using Kind = test::FakeUiServices::Kind;

class FileProtectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.OnNewDocument());
    char pattern[] = "/tmp/orv-protect-XXXXXX";
    dir = ::mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path() const { return (dir / "kal.orv").string(); }

  test::FakeUiServices ui;
  CTedDoc doc{ui};
  fs::path dir;
};

TEST_F(FileProtectionTest, PasswordIsExactAndAnEmptyOneRemovesItAtTheNextSave) {
  SetOpenPassword(doc, "Tajne");
  EXPECT_TRUE(doc.IsModified());
  ASSERT_TRUE(doc.OnSaveDocument(Path()));

  test::FakeUiServices openUi;
  CTedDoc reopened(openUi);
  openUi.passwordAnswers = {std::string("tajne")};
  EXPECT_FALSE(reopened.OnOpenDocument(Path()));
  openUi.passwordAnswers = {std::string("Tajne")};
  ASSERT_TRUE(reopened.OnOpenDocument(Path()));

  SetOpenPassword(reopened, "");
  ASSERT_TRUE(reopened.OnSaveDocument(Path()));
  openUi.Clear();
  CTedDoc third(openUi);
  ASSERT_TRUE(third.OnOpenDocument(Path()));
  EXPECT_TRUE(openUi.events.empty());  // no prompt any more
}

// A password is typed twice and must fit the code page the calendar stores it in: "пароль" would be
// stored as "??????", which any six Cyrillic letters then match.
TEST_F(FileProtectionTest, NewPasswordIsRefusedWhenTheEntriesDifferOrDoNotFitTheCodePage) {
  struct Case {
    const char* first;
    const char* second;
    std::optional<std::string> password;
    const char* message;
  };
  const Case cases[] = {
      {"Tajné§", "Tajné§", Cp1250FromUtf8("Tajné§"), nullptr},
      {"", "", std::string(), nullptr},
      {"Tajné", "Tajne", std::nullopt, "Zadaná hesla se liší. Heslo nebylo změněno."},
      {"пароль", "пароль", std::nullopt,
       "Znaky „п“ (U+043F), „а“ (U+0430), „р“ (U+0440) a 3 dalších nelze do hesla zapsat: kódování "
       "Windows-1250 je nezná."},
      {"heslo😀", "heslo😀", std::nullopt,
       "Znak „😀“ (U+1F600) nelze do hesla zapsat: kódování Windows-1250 jej nezná."},
      {"\xff", "\xff", std::nullopt,
       "Znak „�“ (U+FFFD) nelze do hesla zapsat: kódování Windows-1250 jej nezná."},
  };
  for (const Case& c : cases) {
    ui.Clear();
    EXPECT_EQ(CheckNewPassword(c.first, c.second, ui), c.password) << c.first;
    EXPECT_EQ(ui.Messages(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
  }
}

// A diary is private: a new calendar, and an export of a protected one, are the owner's alone; a file
// that exists keeps its mode.
TEST_F(FileProtectionTest, NewCalendarsAndExportsOfProtectedOnesAreCreatedForTheOwnerOnly) {
  const mode_t mask = ::umask(022);
  const auto mode = [](const fs::path& path) { return fs::status(path).permissions() & fs::perms::all; };
  const fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
  const fs::perms everyoneReads = ownerOnly | fs::perms::group_read | fs::perms::others_read;
  ASSERT_TRUE(doc.OnSaveDocument(Path()));
  EXPECT_EQ(mode(Path()), ownerOnly);
  fs::permissions(Path(), everyoneReads);
  doc.SetModifiedFlag();
  ASSERT_TRUE(doc.OnSaveDocument(Path()));
  EXPECT_EQ(mode(Path()), everyoneReads);

  EXPECT_EQ(WriteFileAtomically((dir / "open.txt").string(), "x", ExportWriteOptions(doc)), "");
  EXPECT_EQ(mode(dir / "open.txt"), everyoneReads);
  SetOpenPassword(doc, "Tajne");
  EXPECT_EQ(WriteFileAtomically((dir / "private.txt").string(), "x", ExportWriteOptions(doc)), "");
  EXPECT_EQ(mode(dir / "private.txt"), ownerOnly);
  ::umask(mask);
}

TEST_F(FileProtectionTest, LockedAuthorDataOpensOnlyWithTheExactPassword) {
  test::CalendarBuilder(doc).Author("Rodinný kalendář", "Jana").Passwords({}, "Autor");
  CAuthorDataModel author(doc);
  EXPECT_TRUE(author.IsLocked());
  EXPECT_FALSE(author.CanSetNewPassword());
  EXPECT_FALSE(author.Unlock("autor"));
  EXPECT_FALSE(author.Unlock(""));
  EXPECT_TRUE(author.IsLocked());
  EXPECT_TRUE(author.Unlock("Autor"));
  EXPECT_FALSE(author.IsLocked());
  EXPECT_TRUE(ui.events.empty());  // a wrong password is refused without a word

  // OK without unlocking keeps the data and still marks the calendar modified.
  doc.SetModifiedFlag(false);
  CAuthorDataModel(doc).Apply(doc);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.m_Autor, "Jana");
  EXPECT_EQ(doc.m_HesloAutora, "Autor");
}

TEST_F(FileProtectionTest, NewAuthorPasswordIsTypedTwiceAndAnEmptyOneRemovesIt) {
  CAuthorDataModel author(doc);
  ASSERT_TRUE(author.CanSetNewPassword());  // a calendar without one
  EXPECT_FALSE(author.SetNewPassword("abc", "abd", ui));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kPasswordsDiffer});
  EXPECT_TRUE(author.SetNewPassword("abc", "abc", ui));
  author.Fields()[kAuthorName] = "Petr";
  author.Apply(doc);
  EXPECT_EQ(doc.m_HesloAutora, "abc");
  EXPECT_EQ(doc.m_Autor, "Petr");

  CAuthorDataModel again(doc);
  EXPECT_FALSE(again.SetNewPassword("", "", ui));  // locked
  ASSERT_TRUE(again.Unlock("abc"));
  EXPECT_TRUE(again.SetNewPassword("", "", ui));
  again.Apply(doc);
  EXPECT_EQ(doc.m_HesloAutora, "");
}

TEST_F(FileProtectionTest, FileInfoReplacesEmptyFields) {
  EXPECT_EQ(FileInfoTexts(doc), (std::array<std::string, 5>{Cp1250FromUtf8("název neuveden"), "neuvedena",
                                                            "neuveden", "neuvedena", "neuvedeno"}));
  doc.m_Autor = "Jana";
  EXPECT_EQ(FileInfoTexts(doc)[kAuthorName], "Jana");
}

}  // namespace
}  // namespace orv
