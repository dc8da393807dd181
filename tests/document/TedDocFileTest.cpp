// Opening and saving calendar files: the refusals and their messages, passwords, read-only files,
// damaged files, and saves that never lose the old file.

#include <gtest/gtest.h>

#include "DocFileFixture.h"
#include "document/AtomicFile.h"

namespace orv {
namespace {

TEST_F(TedDocFile, SavedCalendarOpensWithItsPassword) {
  test::FakeUiServices quiet;
  CTedDoc source(quiet);
  test::CalendarBuilder(source).EveryKindOfRecord();
  int hookCalls = 0;
  source.SetBeforeSave([&] {
    ++hookCalls;
    source.StoreMonthCommentary("2005/04", "{r}", "z editoru");
  });
  source.SetModifiedFlag();
  ASSERT_TRUE(source.OnSaveDocument(Path("kal.orv")));
  EXPECT_EQ(hookCalls, 1);
  EXPECT_FALSE(source.IsModified());
  EXPECT_EQ(source.GetTitle(), "kal.orv");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no temporary left

  ui.passwordAnswers = {std::string("Tajn\xe9\xa7")};
  ASSERT_TRUE(doc.OnOpenDocument(Path("kal.orv")));
  ASSERT_EQ(ui.events.size(), 1u);
  EXPECT_EQ(ui.events[0].kind, Kind::PasswordPrompt);
  EXPECT_EQ(ui.events[0].text, "Zadejte heslo pro :\r\n\r\n" + Path("kal.orv"));
  EXPECT_EQ(StoreCalendar(doc), StoreCalendar(source));
  EXPECT_EQ(doc.GetMonthRecord("2005/04")->m_Text, "z editoru");
  EXPECT_EQ(doc.GetDayRecord("2001/01/01"), nullptr);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(doc.m_bReadOnly);
  EXPECT_EQ(doc.GetPathName(), Path("kal.orv"));
}

TEST_F(TedDocFile, RefusalsShowOneMessageAndKeepTheOpenCalendar) {
  const std::string good = Calendar();
  std::string v4 = good;
  v4[4] = 4;
  std::string badMagic = good;
  badMagic[0] = 'X';
  std::string unknownClass = good;
  unknownClass.replace(unknownClass.find("CCharFormat"), 11, "CCharFormax");
  struct Case {
    std::string name;
    std::optional<std::string> bytes;
    std::string message;
  };
  const Case cases[] = {
      {"kal.txt", good, "Soubor nemá příponu .orv"},
      {"or", good, "Soubor nemá příponu .orv"},
      {"magic.orv", badMagic, "Nesprávný formát souboru"},
      {"tiny.orv", std::string("\x4F\xF7"), "Nesprávný formát souboru"},
      {"v4.orv", v4, "Soubor vyšší verze nelze otevřít"},
      {"missing.orv", std::nullopt,
       "Soubor " + Path("missing.orv") + " nelze otevřít: soubor nebo složka neexistuje."},
      {"cut.orv", good.substr(0, good.size() - 1),
       "Soubor " + Path("cut.orv") + " je poškozený nebo není kalendářem Orvella 2: soubor končí předčasně."},
      {"class.orv", unknownClass,
       "Soubor " + Path("class.orv") +
           " je poškozený nebo není kalendářem Orvella 2: neznámá třída záznamu \"CCharFormax\"."},
      {"header.orv", good.substr(0, 9),
       "Soubor " + Path("header.orv") +
           " je poškozený nebo není kalendářem Orvella 2: soubor končí předčasně."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.bytes) WriteFile(dir / c.name, *c.bytes);
    ui.Clear();
    EXPECT_FALSE(doc.OnOpenDocument(Path(c.name)));
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message});
    EXPECT_TRUE(StillAsBefore());
  }
}

TEST_F(TedDocFile, ExtensionIsTheLastThreeCharactersInAnyCase) {
  for (const char* name : {"KAL.ORV", "kalendarorv", "x.Orv"}) {
    WriteFile(dir / name, Calendar());
    EXPECT_TRUE(doc.OnOpenDocument(Path(name))) << name;
  }
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(TedDocFile, WrongPasswordIsToldAndCancelIsSilent) {
  WriteFile(dir / "p.orv", Calendar("Heslo"));
  ui.passwordAnswers = {std::string("heslo"), std::string("Heslo "), std::nullopt};
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(doc.OnOpenDocument(Path("p.orv")));
    EXPECT_TRUE(doc.PasswordRefused());
  }
  const std::string wrong = "Heslo není správné. Kalendář " + Path("p.orv") + " nebyl otevřen.";
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{wrong, wrong}));
  EXPECT_TRUE(StillAsBefore());
  WriteFile(dir / "bad.orv", "not a calendar");
  EXPECT_FALSE(doc.OnOpenDocument(Path("bad.orv")));
  EXPECT_FALSE(doc.PasswordRefused());
  // A password that is the scramble key itself is stored as a zero byte and still matches.
  WriteFile(dir / "a7.orv", Calendar("\xA7"));
  ui.passwordAnswers = {std::string("\xA7")};
  EXPECT_TRUE(doc.OnOpenDocument(Path("a7.orv")));
  EXPECT_EQ(doc.m_Heslo, "\xA7");
}

TEST_F(TedDocFile, VersionZeroOpensEmpty) {
  WriteFile(dir / "v0.orv", std::string("\x4F\xF7\x26\x00\x00\x00\x00\x00\x00", 9) + "rest");
  ASSERT_TRUE(doc.OnOpenDocument(Path("v0.orv")));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"verze - nesmysl"});
  EXPECT_EQ(doc.GetRecordCount(), 0);
}

TEST_F(TedDocFile, ReadOnlyFileRefusesEverySaveButCanBeSavedUnderAnotherName) {
  const std::string bytes = Calendar();
  WriteFile(dir / "ro.orv", bytes);
  fs::permissions(dir / "ro.orv", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  {
    AsOrdinaryUser user;
    ASSERT_TRUE(doc.OnOpenDocument(Path("ro.orv")));
    EXPECT_TRUE(doc.m_bReadOnly);
    doc.StoreDay("2005/03/09", "nová", "", "");
    EXPECT_FALSE(doc.OnSaveDocument(Path("ro.orv")));
    EXPECT_FALSE(doc.OnSaveDocument(Path("ro.orv")));
  }
  EXPECT_EQ(ui.Messages(), std::vector<std::string>(2, "Soubor má nastaven atribut \"Pouze pro čtení\""));
  EXPECT_EQ(ui.events[0].kind, Kind::MessageBox);
  EXPECT_EQ(ReadFile(dir / "ro.orv"), bytes);
  EXPECT_TRUE(doc.IsModified());

  // Saving under another name keeps the changes; from then on that file's own attribute counts.
  ASSERT_TRUE(doc.OnSaveDocument(Path("jinam.orv")));
  EXPECT_FALSE(doc.m_bReadOnly);
  EXPECT_EQ(doc.GetPathName(), Path("jinam.orv"));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(ReadFile(dir / "ro.orv"), bytes);
  EXPECT_TRUE(doc.OnSaveDocument(Path("jinam.orv")));
}

// The flag and the path belong to the file last read or written: a Save As that failed, or that was
// refused, changes neither.
TEST_F(TedDocFile, FailedOrRefusedSaveAsKeepsTheReadOnlyFlagAndThePath) {
  const std::string bytes = Calendar();
  WriteFile(dir / "ro.orv", bytes);
  WriteFile(dir / "ro2.orv", bytes);
  WriteFile(dir / "kal.orv", bytes);
  for (const char* name : {"ro.orv", "ro2.orv"})
    fs::permissions(dir / name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(dir / "kal.orv", fs::perms::all);
  AsOrdinaryUser user;

  ASSERT_TRUE(doc.OnOpenDocument(Path("ro.orv")));
  doc.StoreDay("2005/03/09", "nová", "", "");
  EXPECT_FALSE(doc.OnSaveDocument(Path("chybi/jinam.orv")));
  EXPECT_TRUE(doc.m_bReadOnly);
  EXPECT_EQ(doc.GetPathName(), Path("ro.orv"));
  ui.Clear();
  EXPECT_FALSE(doc.OnSaveDocument(doc.GetPathName()));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Soubor má nastaven atribut \"Pouze pro čtení\""});
  EXPECT_EQ(ReadFile(dir / "ro.orv"), bytes);

  ASSERT_TRUE(doc.OnOpenDocument(Path("kal.orv")));
  doc.StoreDay("2005/03/09", "nová", "", "");
  EXPECT_FALSE(doc.OnSaveDocument(Path("ro2.orv")));
  EXPECT_FALSE(doc.m_bReadOnly);
  EXPECT_EQ(doc.GetPathName(), Path("kal.orv"));
  EXPECT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
  EXPECT_NE(ReadFile(dir / "kal.orv"), bytes);
  EXPECT_EQ(ReadFile(dir / "ro2.orv"), bytes);
}

TEST_F(TedDocFile, FailedSaveLeavesNoFileBehind) {
  fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  {
    AsOrdinaryUser user;
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(Path("kal.orv")));
  }
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Kalendář nelze uložit do souboru " + Path("kal.orv") +
                                                    ": do složky nelze zapisovat."});
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.GetPathName().empty());
}

TEST_F(TedDocFile, SaveKeepsTheFilePermissions) {
  WriteFile(dir / "kal.orv", Calendar());
  fs::permissions(dir / "kal.orv", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(doc.OnSaveDocument(Path("kal.orv")));
  EXPECT_EQ(fs::status(dir / "kal.orv").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(ReadFile(dir / "kal.orv"), StoreCalendar(doc));
}

// A save's bytes are made as they are written: a writer that fails half way (out of memory) leaves the
// file as it was, whether it is replaced through a temporary file or written in place (a hard link).
TEST_F(TedDocFile, AWriterFailingHalfWayLeavesTheOldBytes) {
  for (const bool linked : {false, true}) {
    WriteFile(dir / "kal.orv", "stary obsah");
    if (linked) fs::create_hard_link(dir / "kal.orv", dir / "odkaz.orv");
    const CFileBytes failing([](const CFileBytes::Sink& sink) {
      if (sink(std::string(3 << 20, 'x'))) throw std::bad_alloc();
      return false;
    });
    EXPECT_EQ(WriteFileKeepingIdentity(Path("kal.orv"), failing).failure, FileErrorReason(ENOMEM)) << linked;
    EXPECT_EQ(ReadFile(dir / "kal.orv"), "stary obsah") << linked;
    fs::remove(dir / "odkaz.orv");
  }
}

}  // namespace
}  // namespace orv
