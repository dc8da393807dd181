// Opening and saving while another program holds the calendar's lock: the user sees the wait
// cursor and, after a moment, a status text, both gone when the other program lets go.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "DocFileFixture.h"
#include "document/LockWait.h"

namespace orv {
namespace {

struct Shown {
  std::string text;
  int waitDepth;  // the wait cursor's depth when the text came
};

class LockWait : public TedDocFile {
 protected:
  LockWait() {
    WriteFile(Path("k.orv"), Calendar());
    doc.SetOnLockWait([this](std::string_view text) {
      shown.push_back({std::string(text), ui.waitDepth});
      if (!text.empty()) ReleaseLock();  // the other program's save ends
    });
  }
  ~LockWait() override { ReleaseLock(); }

  void HoldLock() {
    holder = ::open(Path("k.orv").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  }
  void ReleaseLock() {
    if (holder >= 0) ::close(holder);
    holder = -1;
  }

  int holder = -1;
  std::vector<Shown> shown;
};

TEST_F(LockWait, OpeningAndSavingShowTheWaitUntilTheOtherProgramLetsGo) {
  ASSERT_TRUE(doc.OnOpenDocument(Path("k.orv")));  // nobody holds it: nothing to show
  ASSERT_TRUE(doc.OnSaveDocument(Path("k.orv")));
  EXPECT_EQ(ui.waitCount, 0);
  EXPECT_TRUE(shown.empty());

  const std::vector<std::pair<const char*, std::function<bool()>>> steps = {
      {"open", [&] { return doc.OnOpenDocument(Path("k.orv")); }},
      {"save", [&] { return doc.OnSaveDocument(Path("k.orv")); }},
  };
  for (const auto& [name, step] : steps) {
    shown.clear();
    ui.waitCount = 0;
    HoldLock();
    EXPECT_TRUE(step()) << name;
    EXPECT_EQ(ui.waitCount, 1) << name;
    EXPECT_EQ(ui.waitDepth, 0) << name;
    ASSERT_EQ(shown.size(), 2u) << name;
    EXPECT_EQ(shown[0].text, kLockWaitText) << name;
    EXPECT_EQ(shown[0].waitDepth, 1) << name;
    EXPECT_EQ(shown[1].text, "") << name;
  }
  EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace orv
