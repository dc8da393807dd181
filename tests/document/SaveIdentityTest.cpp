// Saves that keep the file's identity (links, owner, mode, hard links, unwritable folders), leave no
// temporary file even when killed, report a file-size limit like any write error, refuse files that
// are not regular files without waiting on them, and never overwrite another program's changes unasked.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>

#include <chrono>
#include <cstdint>
#include <set>
#include <thread>

#include "DocFileFixture.h"

namespace orv {
namespace {

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  if (fs::exists(folder))
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      if (!entry.is_directory()) names.insert(entry.path().lexically_relative(folder).string());
  return names;
}

constexpr char kAccessAcl[] = "system.posix_acl_access";
constexpr char kDefaultAcl[] = "system.posix_acl_default";

// A POSIX ACL as the kernel keeps it in an attribute: entries of tag, permissions and id, in order.
struct AclEntry {
  std::uint16_t tag;  // 1 owner, 2 named user, 4 group, 16 mask, 32 others
  std::uint16_t perm;
  std::uint32_t id = ~0u;
};
std::string Acl(std::initializer_list<AclEntry> entries) {
  std::string bytes("\x02\0\0\0", 4);
  for (const AclEntry& e : entries) {
    bytes.append(reinterpret_cast<const char*>(&e.tag), 2);
    bytes.append(reinterpret_cast<const char*>(&e.perm), 2);
    bytes.append(reinterpret_cast<const char*>(&e.id), 4);
  }
  return bytes;
}

bool SetAttribute(const std::string& path, const char* name, const std::string& value) {
  return ::setxattr(path.c_str(), name, value.data(), value.size(), 0) == 0;
}

std::optional<std::string> Attribute(const std::string& path, const char* name) {
  std::string value(4096, '\0');
  const ssize_t n = ::getxattr(path.c_str(), name, value.data(), value.size());
  if (n < 0) return std::nullopt;
  value.resize(static_cast<std::size_t>(n));
  return value;
}

class SaveIdentity : public TedDocFile {
 protected:
  // kal.orv as written by the program, opened in `doc` and changed.
  void OpenChanged(const std::string& name = "kal.orv") {
    WriteFile(dir / name, Calendar());
    ASSERT_TRUE(doc.OnOpenDocument(Path(name)));
    doc.StoreDay("2005/03/09", "nová poznámka", "", "");
  }
  std::string Saved() { return StoreCalendar(doc); }
};

TEST_F(SaveIdentity, LinksStayLinksAndTheFileTheyNameIsWritten) {
  fs::create_directory(dir / "real");
  WriteFile(dir / "real/kal.orv", Calendar());
  fs::create_symlink("real/kal.orv", dir / "odkaz.orv");
  ASSERT_TRUE(doc.OnOpenDocument(Path("odkaz.orv")));
  doc.StoreDay("2005/03/09", "nová poznámka", "", "");
  ASSERT_TRUE(doc.OnSaveDocument(Path("odkaz.orv")));
  EXPECT_TRUE(fs::is_symlink(dir / "odkaz.orv"));
  EXPECT_EQ(ReadFile(dir / "real/kal.orv"), Saved());

  fs::create_hard_link(dir / "real/kal.orv", dir / "druhy.orv");
  struct stat before {};
  ::stat((dir / "druhy.orv").c_str(), &before);
  doc.StoreDay("2005/03/10", "ještě jedna", "", "");
  ASSERT_TRUE(doc.OnSaveDocument(Path("odkaz.orv")));
  struct stat after {};
  ::stat((dir / "druhy.orv").c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_nlink, 2u);
  EXPECT_EQ(ReadFile(dir / "druhy.orv"), Saved());
  EXPECT_EQ(Names(dir), (std::set<std::string>{"druhy.orv", "odkaz.orv", "real/kal.orv"}));
  EXPECT_TRUE(Names(state).empty());  // the copy of the old bytes is gone
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(SaveIdentity, OwnerGroupAndModeAreKept) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand files to other users";
  // Root saving a user's file gives it back to the user.
  OpenChanged();
  ASSERT_EQ(::chown(Path("kal.orv").c_str(), 65534, 65534), 0);
  fs::permissions(dir / "kal.orv", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(doc.OnSaveDocument(Path("kal.orv")));
  struct stat st {};
  ::stat(Path("kal.orv").c_str(), &st);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
  EXPECT_EQ(st.st_mode & 07777, 0640u);

  // A user saving a file of root's that they may write keeps it root's: it is written in place.
  fs::permissions(dir, fs::perms::all);
  ASSERT_EQ(::chown(Path("kal.orv").c_str(), 0, 12345), 0);
  fs::permissions(dir / "kal.orv", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                       fs::perms::others_read | fs::perms::others_write);
  {
    AsOrdinaryUser user;
    doc.StoreDay("2005/03/10", "od uživatele", "", "");
    ASSERT_TRUE(doc.OnSaveDocument(Path("kal.orv")));
  }
  ::stat(Path("kal.orv").c_str(), &st);
  EXPECT_EQ(st.st_uid, 0u);
  EXPECT_EQ(st.st_gid, 12345u);
  EXPECT_EQ(st.st_mode & 07777, 0646u);
  EXPECT_EQ(ReadFile(dir / "kal.orv"), Saved());
  EXPECT_EQ(Names(dir), std::set<std::string>{"kal.orv"});
}

TEST_F(SaveIdentity, ExtendedAttributesAndAclsGoWithTheNewFile) {
  OpenChanged();
  const std::string file = Path("kal.orv");
  if (!SetAttribute(file, "user.orvella.barva", "modrá"))
    GTEST_SKIP() << "the file system refuses user attributes";
  // Read for one more user; a file system without ACLs still keeps the user attribute.
  const bool acls = SetAttribute(file, kAccessAcl, Acl({{1, 6}, {2, 4, 65534}, {4, 4}, {16, 4}, {32, 0}}));
  const std::optional<std::string> acl = Attribute(file, kAccessAcl);
  struct stat before {};
  ::stat(file.c_str(), &before);

  ASSERT_TRUE(doc.OnSaveDocument(file));
  struct stat after {};
  ::stat(file.c_str(), &after);
  EXPECT_NE(after.st_ino, before.st_ino);  // a new file took the old one's place
  EXPECT_EQ(Attribute(file, "user.orvella.barva"), "modrá");
  if (acls) {
    EXPECT_EQ(Attribute(file, kAccessAcl), acl);
  }
  EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
  EXPECT_EQ(ReadFile(file), Saved());
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(SaveIdentity, AFoldersDefaultAclGivesTheSavedFileNoRightsItDidNotHave) {
  fs::create_directory(dir / "sdilena");
  if (!SetAttribute((dir / "sdilena").string(), kDefaultAcl,
                    Acl({{1, 7}, {2, 6, 65534}, {4, 5}, {16, 7}, {32, 0}})))
    GTEST_SKIP() << "the file system has no ACLs";
  OpenChanged("sdilena/kal.orv");
  const std::string file = Path("sdilena/kal.orv");
  ASSERT_EQ(::removexattr(file.c_str(), kAccessAcl), 0);  // made private after it was created
  ASSERT_EQ(::chmod(file.c_str(), 0600), 0);

  ASSERT_TRUE(doc.OnSaveDocument(file));
  EXPECT_EQ(Attribute(file, kAccessAcl), std::nullopt);
  struct stat st {};
  ::stat(file.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(ReadFile(file), Saved());
}

TEST_F(SaveIdentity, WritableCalendarInAFolderThatIsNotWritableIsSavedInPlace) {
  OpenChanged();
  fs::permissions(dir / "kal.orv", fs::perms::all);
  fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                           fs::perms::others_read | fs::perms::others_exec);
  {
    AsOrdinaryUser user;
    ASSERT_TRUE(doc.OnOpenDocument(Path("kal.orv")));
    EXPECT_FALSE(doc.m_bReadOnly);
    doc.StoreDay("2005/03/09", "nová poznámka", "", "");
    EXPECT_TRUE(doc.OnSaveDocument(Path("kal.orv")));
  }
  EXPECT_TRUE(ui.Messages().empty()) << ui.Messages()[0];
  EXPECT_EQ(ReadFile(dir / "kal.orv"), Saved());
  EXPECT_EQ(Names(dir), std::set<std::string>{"kal.orv"});
  EXPECT_TRUE(Names(state).empty());
}

// A file-size limit (RLIMIT_FSIZE) is a write error like a full disk: reported, the old file kept,
// whether the save goes through a temporary file or, for a hard-linked file, in place.
TEST_F(SaveIdentity, FileSizeLimitIsReportedAndTheOldFileStays) {
  ::signal(SIGXFSZ, SIG_IGN);
  for (const bool hardLinked : {false, true}) {
    SCOPED_TRACE(hardLinked);
    fs::remove_all(dir / "link.orv");
    OpenChanged();
    if (hardLinked) fs::create_hard_link(dir / "kal.orv", dir / "link.orv");
    const std::string old = ReadFile(dir / "kal.orv");
    FillTo(doc, 2);
    ui.Clear();
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = 1 << 20;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const bool ok = doc.OnSaveDocument(Path("kal.orv"));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(ok);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Kalendář nelze uložit do souboru " + Path("kal.orv") +
                                                      ": soubor by byl větší, než systém dovoluje. Soubor na "
                                                      "disku zůstal beze změny."});
    EXPECT_EQ(ReadFile(dir / "kal.orv"), old);
    const std::set<std::string> files =
        hardLinked ? std::set<std::string>{"kal.orv", "link.orv"} : std::set<std::string>{"kal.orv"};
    EXPECT_EQ(Names(dir), files);
    EXPECT_TRUE(doc.IsModified());
  }
}

TEST_F(SaveIdentity, LeftoversOfKilledSavesOfThisCalendarAreRemoved) {
  OpenChanged();
  for (const char* name : {".kal.orv.tmp-Ab12Cd", ".kal.orv.zaloha-XyZ987", ".kal.orv.tmp-delsi-nazev",
                           ".jiny.orv.tmp-Ab12Cd", "kal.orv.tmp-Ab12Cd"})
    WriteFile(dir / name, "x");
  ASSERT_TRUE(doc.OnSaveDocument(Path("kal.orv")));
  EXPECT_EQ(Names(dir), (std::set<std::string>{"kal.orv", ".kal.orv.tmp-delsi-nazev", ".jiny.orv.tmp-Ab12Cd",
                                               "kal.orv.tmp-Ab12Cd"}));
}

// A real process saving a large calendar over and over is killed at random moments: the folder holds
// the calendar alone afterwards, and it opens as the old or the new calendar.
TEST_F(SaveIdentity, SaveKilledHalfWayLeavesNothingBehind) {
  OpenChanged();
  FillTo(doc, 16);
  const std::string old = ReadFile(dir / "kal.orv");
  const std::string saved = Saved();
  ui.yesNoAnswers.assign(1000, true);  // the file a killed child saved is no stranger's change
  for (int round = 0; round < 8; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) {
        doc.SetModifiedFlag();
        doc.OnSaveDocument(Path("kal.orv"));
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20 + 15 * round));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(Names(dir), std::set<std::string>{"kal.orv"}) << "round " << round;
    const std::string now = ReadFile(dir / "kal.orv");
    EXPECT_TRUE(now == old || now == saved) << "round " << round;
  }
}

TEST_F(SaveIdentity, FilesThatAreNotRegularAreRefusedWithoutWaiting) {
  ASSERT_EQ(::mkfifo(Path("roura.orv").c_str(), 0644), 0);
  fs::create_directory(dir / "slozka.orv");
  struct Case {
    std::string path;
    std::string reason;
  };
  const Case cases[] = {{Path("roura.orv"), "nejde o obyčejný soubor"},
                        {"/dev/null", "nejde o obyčejný soubor"},
                        {Path("slozka.orv"), "jde o složku, ne o soubor"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    ui.Clear();
    EXPECT_FALSE(doc.OnOpenDocument(c.path));
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{"Soubor " + c.path + " nelze otevřít: " + c.reason + "."});
    EXPECT_TRUE(StillAsBefore());
    if (c.path.starts_with("/dev/")) continue;  // a test never risks a device of the system
    ui.Clear();
    EXPECT_FALSE(doc.OnSaveDocument(c.path));
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Kalendář nelze uložit do souboru " + c.path + ": " +
                                                      c.reason + ". Soubor na disku zůstal beze změny."});
  }
  EXPECT_TRUE(fs::is_fifo(dir / "roura.orv"));
}

long PeakMegabytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// The header is checked before the rest is read: a gigabyte that is no calendar costs nothing.
TEST_F(SaveIdentity, LargeFilesAreRefusedBeforeTheyAreRead) {
  const auto sparse = [&](const char* name, std::string_view header, off_t size) {
    const int fd = ::open(Path(name).c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_EQ(::write(fd, header.data(), header.size()), static_cast<ssize_t>(header.size()));
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
  };
  sparse("jiny.orv", "PK\x03\x04-zip", off_t{1} << 30);
  sparse("velky.orv", std::string_view("\x4F\xF7\x26\x00\x03\x00\x00\x00", 8), (off_t{3} << 29) + 1);
  const long before = PeakMegabytes();
  EXPECT_FALSE(doc.OnOpenDocument(Path("jiny.orv")));
  EXPECT_FALSE(doc.OnOpenDocument(Path("velky.orv")));
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Nesprávný formát souboru",
                                                     "Soubor " + Path("velky.orv") +
                                                         " nelze otevřít: je příliš velký na kalendář."}));
  EXPECT_LT(PeakMegabytes() - before, 64);
}

TEST_F(SaveIdentity, CalendarChangedByAnotherProgramIsOverwrittenOnlyWhenTheUserSaysSo) {
  OpenChanged();
  ASSERT_TRUE(doc.OnSaveDocument(Path("kal.orv")));  // its own save is no change by another program
  doc.StoreDay("2005/03/10", "moje", "", "");
  ASSERT_TRUE(doc.OnSaveDocument(Path("kal.orv")));
  EXPECT_TRUE(ui.Messages().empty());

  test::FakeUiServices quiet;
  CTedDoc other(quiet);
  ASSERT_TRUE(other.OnOpenDocument(Path("kal.orv")));
  other.StoreDay("2005/03/11", "cizí", "", "");
  ASSERT_TRUE(other.OnSaveDocument(Path("kal.orv")));
  const std::string theirs = ReadFile(dir / "kal.orv");

  doc.StoreDay("2005/03/12", "zase moje", "", "");
  const std::string question =
      "Soubor " + Path("kal.orv") + " byl mezitím změněn jiným programem. Přepsat jej?";
  ui.yesNoAnswers = {false, true};
  EXPECT_FALSE(doc.OnSaveDocument(Path("kal.orv")));
  ASSERT_EQ(ui.events.size(), 1u);
  EXPECT_EQ(ui.events[0].text, question);
  EXPECT_TRUE(ui.events[0].defaultNo);
  EXPECT_EQ(ReadFile(dir / "kal.orv"), theirs);
  EXPECT_TRUE(doc.IsModified());

  EXPECT_TRUE(doc.OnSaveDocument(Path("kal.orv")));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>(2, question));
  EXPECT_EQ(ReadFile(dir / "kal.orv"), Saved());
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace orv
