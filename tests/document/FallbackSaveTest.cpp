// Where the file system has no unnamed temporary files, a save goes through a named one beside the
// calendar. In a folder a sync tool copies, that name must never stay behind: not after a save, and
// not after a save that failed half way.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <set>

#include "DocFileFixture.h"
#include "document/AtomicFile.h"
#include "document/FileWriteSteps.h"

namespace orv {
namespace {

class FallbackSave : public TedDocFile {
 protected:
  FallbackSave() { filewrite::g_NoUnnamedTemporary = true; }
  ~FallbackSave() override { filewrite::g_NoUnnamedTemporary = false; }

  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
    return names;
  }
  // The names created in the folder while `work` ran.
  template <typename Work>
  std::set<std::string> CreatedDuring(Work work) {
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    EXPECT_GE(::inotify_add_watch(watch, dir.c_str(), IN_CREATE), 0);
    work();
    std::set<std::string> created;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;)
      for (char* at = buffer; at < buffer + n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        if (event->len > 0) created.insert(event->name);
        at += sizeof(inotify_event) + event->len;
      }
    ::close(watch);
    return created;
  }
};

bool IsTemporaryName(const std::string& name) {
  return name.rfind(".kal.orv.tmp-", 0) == 0;
}

TEST_F(FallbackSave, LeavesNoNamedTemporaryAfterASaveOrAFailedOne) {
  WriteFile(dir / "kal.orv", "stary obsah");
  const std::set<std::string> created = CreatedDuring([&] {
    const SFileWrite written = WriteFileKeepingIdentity(Path("kal.orv"), "novy obsah");
    EXPECT_EQ(written.failure, "");
  });
  // The save did go through a named temporary, and it is gone.
  EXPECT_EQ(std::count_if(created.begin(), created.end(), IsTemporaryName), 1);
  EXPECT_EQ(Names(), std::set<std::string>{"kal.orv"});
  EXPECT_EQ(ReadFile(dir / "kal.orv"), "novy obsah");

  // A write that runs out of room (here: past the size this process may write) fails half way.
  rlimit before{};
  ::getrlimit(RLIMIT_FSIZE, &before);
  rlimit small = before;
  small.rlim_cur = 4;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const SFileWrite failed = WriteFileKeepingIdentity(Path("kal.orv"), "obsah delsi nez limit");
  ::setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_NE(failed.failure, "");
  EXPECT_EQ(Names(), std::set<std::string>{"kal.orv"});
  EXPECT_EQ(ReadFile(dir / "kal.orv"), "novy obsah");
}

}  // namespace
}  // namespace orv
