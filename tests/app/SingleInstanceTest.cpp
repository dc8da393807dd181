// The lock and the socket of the one running program: in a folder of this user's own, never in one
// another user planted or linked; the socket hears only its own user and at most one line.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <functional>
#include <optional>
#include <thread>

#include "app/SingleInstance.h"

namespace orv {
namespace {

// Sets an environment variable (or removes it) for the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<QString>& value) : m_Name(name) {
    if (qEnvironmentVariableIsSet(name)) m_Before = qEnvironmentVariable(name);
    if (value)
      qputenv(name, value->toLocal8Bit());
    else
      qunsetenv(name);
  }
  ~ScopedEnv() {
    if (m_Before)
      qputenv(m_Name, m_Before->toLocal8Bit());
    else
      qunsetenv(m_Name);
  }

 private:
  const char* m_Name;
  std::optional<QString> m_Before;
};

constexpr uid_t kOtherUser = 65534;

QByteArray Name(const QString& path) {
  return QFile::encodeName(path);
}

TEST(SingleInstanceFolder, OnlyAFolderOfThisUsersOwnIsUsed) {
  QTemporaryDir root;
  const QString tmp = root.filePath(QStringLiteral("tmp"));
  const QString cache = root.filePath(QStringLiteral("cache"));
  const QString runtime = root.filePath(QStringLiteral("run"));
  const QString own = tmp + QStringLiteral("/orvella-") + QString::number(::geteuid());
  const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
  struct Case {
    const char* what;
    std::function<void()> plant;
    bool runtimeSet;
    QString expected;
  };
  const Case cases[] = {
      {"nothing planted: a new private folder in /tmp", [] {}, false, own},
      {"the runtime directory when it is the user's own", [&] { ::mkdir(Name(runtime), 0700); }, true, runtime},
      {"another user's runtime directory (su)", [&] {
         ::mkdir(Name(runtime), 0700);
         ASSERT_EQ(::chown(Name(runtime), kOtherUser, kOtherUser), 0);
       }, true, own},
      {"a folder another user planted", [&] {
         ::mkdir(Name(own), 0700);
         ASSERT_EQ(::chown(Name(own), kOtherUser, kOtherUser), 0);
       }, false, cache + QStringLiteral("/orvella-instance")},
      {"a link to a folder of the user's own", [&] {
         ::mkdir(Name(elsewhere), 0700);
         ASSERT_EQ(::symlink(Name(elsewhere), Name(own)), 0);
       }, false, cache + QStringLiteral("/orvella-instance")},
      {"a folder others may write", [&] {
         ::mkdir(Name(own), 0700);
         ::chmod(Name(own), 0777);
       }, false, cache + QStringLiteral("/orvella-instance")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const QString& path : {tmp, cache, runtime, elsewhere}) QDir(path).removeRecursively();
    QDir().mkpath(tmp);
    ::unlink(Name(own));
    c.plant();
    ScopedEnv tmpdir("TMPDIR", tmp);
    ScopedEnv xdgCache("XDG_CACHE_HOME", cache);
    ScopedEnv xdgRuntime("XDG_RUNTIME_DIR", c.runtimeSet ? std::optional<QString>(runtime) : std::nullopt);
    EXPECT_EQ(CSingleInstance::PrivateFolder(), c.expected);
    struct stat st {};
    ASSERT_EQ(::lstat(Name(c.expected), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(st.st_uid, ::geteuid());
  }
}

class SingleInstanceSocket : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(instance.TryAcquire());
    instance.SetOnHandOver([this](const QString& file) { received.push_back(file); });
  }
  QString Socket() const { return folder.filePath(QStringLiteral("orvella2.socket")); }

  QTemporaryDir folder;
  CSingleInstance instance{folder.path()};
  QStringList received;
};

TEST_F(SingleInstanceSocket, AnOverlongLineIsCutOffAndTheNextHandOverStillWorks) {
  QLocalSocket socket;
  socket.connectToServer(Socket());
  ASSERT_TRUE(socket.waitForConnected(1000));
  const QByteArray line = "open /" + QByteArray(200 * 1024, 'a');
  socket.write(line);
  ASSERT_TRUE(QTest::qWaitFor([&] {
    if (socket.state() == QLocalSocket::ConnectedState) socket.waitForBytesWritten(10);
    return socket.state() == QLocalSocket::UnconnectedState;
  }, 5000));
  EXPECT_TRUE(received.isEmpty());

  std::thread second([this] { EXPECT_TRUE(CSingleInstance(folder.path()).HandOver(QStringLiteral("/b.orv"))); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 5000));
  second.join();
  EXPECT_EQ(received, QStringList{QStringLiteral("/b.orv")});
}

// Another user who reaches the socket (here: its rights are opened to everyone) is not heard.
TEST_F(SingleInstanceSocket, AnotherUsersMessageIsNotHeard) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to speak as another user";
  ::chmod(Name(folder.path()), 0755);
  ::chmod(Name(Socket()), 0777);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setuid(kOtherUser) != 0) ::_exit(3);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = Name(Socket());
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) ::_exit(4);
    const char message[] = "open /tajny.orv\n";
    if (::write(fd, message, sizeof message - 1) != sizeof message - 1) ::_exit(5);
    char buffer[16];
    while (::read(fd, buffer, sizeof buffer) > 0) {
    }
    ::_exit(0);
  }
  int status = -1;
  ASSERT_TRUE(QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 5000));
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  QTest::qWait(100);
  EXPECT_TRUE(received.isEmpty());
}

}  // namespace
}  // namespace orv
