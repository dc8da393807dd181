// A save in place (a hard-linked calendar, a folder the user cannot write) killed at any moment: the
// next open finds the calendar as it was before the save or as the save made it, never damaged; it
// says so when it had to put the old bytes back, and no copy is left anywhere.

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <set>

#include "DocFileFixture.h"
#include "core/CalendarDates.h"
#include "document/FileWriteSteps.h"

namespace orv {
namespace {

std::set<std::string> Files(const fs::path& folder) {
  std::set<std::string> names;
  if (fs::exists(folder))
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      if (!entry.is_directory()) names.insert(entry.path().lexically_relative(folder).string());
  return names;
}

// How the child saving the calendar dies: when its writes reach a file size (the kernel kills it
// with SIGXFSZ, as abruptly as kill -9), or at the n-th step of the write.
enum class Death { AtFileSize, AtStep };

int g_StepsLeft = 0;
void KillAtStep() {
  if (--g_StepsLeft == 0) ::raise(SIGKILL);
}

struct Case {
  const char* what;
  int oldMegabytes;
  int newMegabytes;
  bool hardLinked;  // else the folder cannot be written by the user who saves
};

class InterruptedSave : public TedDocFile, public ::testing::WithParamInterface<std::tuple<Case, Death>> {
 protected:

  // kal.orv of `oldMegabytes`, open in `doc` and grown or shrunk to `newMegabytes`.
  void Prepare(const Case& c) {
    CTedDoc old(ui);
    FillTo(old, c.oldMegabytes);
    ASSERT_TRUE(old.OnSaveDocument(Path("kal.orv")));
    ASSERT_TRUE(doc.OnOpenDocument(Path("kal.orv")));
    for (int day = 1; day <= 28; ++day) doc.StoreDay(DayKey(2006, 1, day), "", "", "");
    FillTo(doc, c.newMegabytes);
    doc.StoreDay("2005/03/09", "nová poznámka", "", "");
    if (c.hardLinked) {
      fs::create_hard_link(dir / "kal.orv", dir / "link.orv");
    } else {
      fs::permissions(dir / "kal.orv", fs::perms::all);
      fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
    }
    ui.yesNoAnswers.assign(1000, true);  // the file a killed child wrote is no stranger's change
  }

  // Saves in a child that dies at `point`; true when it died.
  bool SaveAndDie(const Case& c, Death death, long point) {
    const pid_t child = ::fork();
    if (child == 0) {
      if (!c.hardLinked && ::geteuid() == 0 && ::seteuid(65534) != 0) ::_exit(3);
      const rlimit noCore{0, 0};
      ::setrlimit(RLIMIT_CORE, &noCore);
      if (death == Death::AtFileSize) {
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit size{static_cast<rlim_t>(point), RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &size);
      } else {
        g_StepsLeft = static_cast<int>(point);
        filewrite::g_InPlaceStep = KillAtStep;
      }
      doc.SetModifiedFlag();
      ::_exit(doc.OnSaveDocument(Path("kal.orv")) ? 0 : 2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status)) {
      EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    return WIFSIGNALED(status);
  }

  // Kills a save at every point from the first on until one runs to its end; after each, the next
  // open finds the old or the new calendar.
  void KillAtEveryPoint(const Case& c, Death death, long firstPoint, long pointStep) {
    SCOPED_TRACE(c.what);
    Prepare(c);
    const std::string old = ReadFile(dir / "kal.orv");
    const std::string saved = StoreCalendar(doc);
    const std::set<std::string> ownFiles =
        c.hardLinked ? std::set<std::string>{"kal.orv", "link.orv"} : std::set<std::string>{"kal.orv"};
    bool died = true;
    for (long point = firstPoint; died; point += pointStep) {
      SCOPED_TRACE(point);
      died = SaveAndDie(c, death, point);
      const std::string left = ReadFile(dir / "kal.orv");
      test::FakeUiServices readerUi;
      CTedDoc reader(readerUi);
      {
        std::optional<AsOrdinaryUser> user;
        if (!c.hardLinked) user.emplace();
        ASSERT_TRUE(reader.OnOpenDocument(Path("kal.orv"))) << readerUi.Messages()[0];
      }
      const std::string now = ReadFile(dir / "kal.orv");
      EXPECT_TRUE(now == old || now == saved);
      // Putting the old bytes back is said; nothing else is.
      const std::vector<std::string> said{"Ukládání kalendáře " + Path("kal.orv") +
                                          " bylo přerušeno. Kalendář byl vrácen do stavu před tímto uložením."};
      if (left != now) {
        EXPECT_EQ(readerUi.Messages(), said);
      } else if (!readerUi.Messages().empty()) {
        EXPECT_EQ(readerUi.Messages(), said);
      }
      EXPECT_EQ(Files(dir), ownFiles);
      EXPECT_TRUE(Files(state).empty()) << *Files(state).begin();
      if (c.hardLinked) {
        EXPECT_TRUE(fs::equivalent(dir / "kal.orv", dir / "link.orv"));
      }
      if (now != old) std::ofstream(dir / "kal.orv", std::ios::binary | std::ios::trunc) << old;
    }
  }

};

TEST_P(InterruptedSave, CalendarOpensWholeAfterTheSaveIsKilledAtAnyPoint) {
  const auto& [c, death] = GetParam();
  if (death == Death::AtFileSize)
    KillAtEveryPoint(c, death, 0, 256 * 1024);
  else
    KillAtEveryPoint(c, death, 1, 1);
}

constexpr Case kCases[] = {{"hard link, growing", 1, 3, true},
                           {"hard link, shrinking", 3, 1, true},
                           {"folder not writable, growing", 1, 2, false}};

INSTANTIATE_TEST_SUITE_P(Cases, InterruptedSave,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values(Death::AtFileSize, Death::AtStep)));

}  // namespace
}  // namespace orv
