// The real program started as users start it: a refused file, a second start, a crashed first one,
// and a killed one whose unsaved changes wait in a recovery copy.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <functional>
#include <map>

#include "FakeUiServices.h"
#include "core/CalendarDates.h"
#include "document/CalendarArchive.h"
#include "document/RecoveryStore.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  // A program with its own runtime directory (the instance lock) and its own settings.
  // `typed` is typed into the note field once the window is up (the test's input plugin).
  std::unique_ptr<QProcess> Program(const QStringList& args, bool quitAfterShow = true,
                                    const QString& typed = {}, int recoveryIntervalMs = 0) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_Runtime.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_Config.path());
    env.insert(QStringLiteral("XDG_STATE_HOME"), m_State.path());
    if (!typed.isEmpty()) {
      env.insert(QStringLiteral("QT_PLUGIN_PATH"),
                 qEnvironmentVariable("ORV_BINARY_DIR") + QStringLiteral("/tests/plugins"));
      env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("orvtypist:") + typed);
    }
    if (recoveryIntervalMs > 0)
      env.insert(QStringLiteral("ORV_RECOVERY_INTERVAL_MS"), QString::number(recoveryIntervalMs));
    env.insert(QStringLiteral("ORV_NONINTERACTIVE"), QStringLiteral("1"));
    if (quitAfterShow) env.insert(QStringLiteral("ORV_QUIT_AFTER_SHOW"), QStringLiteral("1"));
    if (m_AdjustEnvironment) m_AdjustEnvironment(env);
    process->setProcessEnvironment(env);
    process->start(qEnvironmentVariable("ORV_BINARY_DIR") + QStringLiteral("/src/orvella"), args);
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
  }

  // Runs to the end; the output is the milliseconds to the first painted window, or nothing when
  // no window was shown.
  struct Run {
    int exitCode;
    QString out;
    QString err;
  };
  Run RunToEnd(const QStringList& args) {
    auto process = Program(args);
    EXPECT_TRUE(process->waitForFinished(30000));
    return {process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1,
            QString::fromLocal8Bit(process->readAllStandardOutput()).trimmed(),
            QString::fromLocal8Bit(process->readAllStandardError())};
  }

  // A saved calendar with one note.
  QString SavedCalendar() {
    const QString path = m_Files.filePath(QStringLiteral("diar.orv"));
    test::FakeUiServices ui;
    CTedDoc doc(ui);
    EXPECT_TRUE(doc.OnNewDocument());
    doc.StoreDay("2005/03/15", "ulozena", {}, {});
    EXPECT_TRUE(doc.OnSaveDocument(path.toStdString()));
    return path;
  }
  QStringList RecoveryCopies() const {
    return QDir(m_State.filePath(QStringLiteral("orvella/recovery")))
        .entryList({QStringLiteral("*.orv")}, QDir::Files);
  }
  // The notes of the one recovery copy, or nothing.
  std::vector<std::string> CopyNotes() const {
    std::vector<std::string> notes;
    for (const auto& [key, note] : CopyRecords()) notes.push_back(note);
    std::sort(notes.begin(), notes.end());
    return notes;
  }
  // The day keys and notes of the one recovery copy, or nothing.
  std::map<std::string, std::string> CopyRecords() const {
    const QStringList copies = RecoveryCopies();
    if (copies.size() != 1) return {};
    QFile file(m_State.filePath(QStringLiteral("orvella/recovery/")) + copies[0]);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    test::FakeUiServices ui;
    CCalendarContent content(ui);
    std::string reason;
    if (!LoadCalendar(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), content,
                      ui, reason))
      return {};
    std::map<std::string, std::string> records;
    for (const auto& [key, record] : content.m_DataTxt) records[key] = record.m_Poznamka;
    return records;
  }

  std::function<void(QProcessEnvironment&)> m_AdjustEnvironment;
  QTemporaryDir m_Runtime;
  QTemporaryDir m_Config;
  QTemporaryDir m_State;
  QTemporaryDir m_Files;
};

TEST_F(StartupTest, NewCalendarShowsTheWindow) {
  const Run run = RunToEnd({});
  EXPECT_EQ(run.exitCode, 0);
  bool isNumber = false;
  run.out.toInt(&isNumber);
  EXPECT_TRUE(isNumber) << run.out.toStdString() << run.err.toStdString();
}

TEST_F(StartupTest, RefusedFileEndsWithExitCodeZeroWithoutAWindow) {
  QFile damaged(m_Files.filePath(QStringLiteral("damaged.orv")));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("not a calendar");
  damaged.close();
  struct Case {
    QString path;
    const char* message;
  };
  const Case cases[] = {
      {m_Files.filePath(QStringLiteral("missing.orv")), "nelze otevřít"},
      {damaged.fileName(), "Nesprávný formát souboru"},
      {m_Files.path(), "nelze otevřít"},
  };
  for (const Case& c : cases) {
    const Run run = RunToEnd({c.path});
    EXPECT_EQ(run.exitCode, 0) << c.path.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << c.path.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
  }
}

TEST_F(StartupTest, SecondStartEndsSilentlyAndACrashedFirstDoesNotBlock) {
  auto first = Program({}, /*quitAfterShow=*/false);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return QFile::exists(m_Runtime.filePath(QStringLiteral("orvella2.lock"))); }, 20000));
  const Run second = RunToEnd({});
  EXPECT_EQ(second.exitCode, 0);
  EXPECT_TRUE(second.out.isEmpty());
  EXPECT_EQ(first->state(), QProcess::Running);

  first->kill();
  first->waitForFinished();
  const Run third = RunToEnd({});
  EXPECT_EQ(third.exitCode, 0);
  EXPECT_FALSE(third.out.isEmpty());
}

// A second start hands its file to the running program, which opens it (and so lists it among the
// recent files in its settings); without a file it only brings the running window forward.
TEST_F(StartupTest, SecondStartWithAFileHandsItToTheRunningProgram) {
  const QString calendar = SavedCalendar();
  auto first = Program({}, /*quitAfterShow=*/false);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return QFile::exists(m_Runtime.filePath(QStringLiteral("orvella2.socket"))); }, 20000));
  const Run show = RunToEnd({});
  EXPECT_EQ(show.exitCode, 0);
  const QString settings = m_Config.filePath(QStringLiteral("orvella/orvella.conf"));
  const Run second = RunToEnd({calendar});
  EXPECT_EQ(second.exitCode, 0);
  EXPECT_TRUE(second.out.isEmpty());  // no window of its own
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        QFile file(settings);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains(calendar.toUtf8());
      },
      20000));
  EXPECT_EQ(first->state(), QProcess::Running);
  first->kill();
  first->waitForFinished();
}

// Without a runtime directory (a session started by su or sudo) a lock and a socket that another
// user planted under the names a fallback would use neither stop the window nor hear its file.
TEST_F(StartupTest, LockAndSocketPlantedByAnotherUserAreNotObeyed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to plant another user's folders";
  QTemporaryDir tmp;
  m_AdjustEnvironment = [&](QProcessEnvironment& env) {
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("TMPDIR"), tmp.path());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), tmp.filePath(QStringLiteral("cache")));
  };
  const QString user = QString::number(::geteuid());
  std::vector<std::unique_ptr<QLockFile>> locks;
  std::vector<std::unique_ptr<QLocalServer>> servers;
  // In the folders another user made: Qt's runtime fallback, a per-user name, and /tmp itself.
  for (const QString& name : {QStringLiteral("runtime-root"), QStringLiteral("orvella-") + user, QString()}) {
    const QString folder = name.isEmpty() ? tmp.path() : tmp.filePath(name);
    if (!name.isEmpty()) {
      ASSERT_TRUE(QDir().mkpath(folder));
      ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
      ::chmod(QFile::encodeName(folder).constData(), 0700);
    }
    locks.push_back(std::make_unique<QLockFile>(folder + QStringLiteral("/orvella2.lock")));
    ASSERT_TRUE(locks.back()->tryLock(0));
    servers.push_back(std::make_unique<QLocalServer>());
    ASSERT_TRUE(servers.back()->listen(folder + QStringLiteral("/orvella2.socket")));
  }
  const Run run = RunToEnd({SavedCalendar()});
  EXPECT_EQ(run.exitCode, 0);
  bool isNumber = false;
  run.out.toInt(&isNumber);
  EXPECT_TRUE(isNumber) << "no window: " << run.err.toStdString();
  QTest::qWait(50);
  for (const auto& server : servers) EXPECT_FALSE(server->hasPendingConnections());
}

TEST_F(StartupTest, HelpAndVersionAnswerWithoutAWindow) {
  const Run help = RunToEnd({QStringLiteral("--help")});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.startsWith(QStringLiteral("Použití: orvella [SOUBOR.orv]"))) << help.out.toStdString();
  const Run version = RunToEnd({QStringLiteral("--version")});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, QStringLiteral("orvella " ORV_VERSION));
  const Run unknown = RunToEnd({QStringLiteral("--bogus")});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_TRUE(unknown.err.contains(QStringLiteral("neznámá volba --bogus")));
}

// The program killed outright after writing its recovery copy: the next start offers the copy
// (the question is answered "Ne" by an automated run, which keeps it).
TEST_F(StartupTest, KilledProgramLeavesARecoveryCopyTheNextStartOffers) {
  const QString calendar = SavedCalendar();
  auto first = Program({calendar}, /*quitAfterShow=*/false, QStringLiteral("rozepsano"), 100);
  const std::vector<std::string> notes = {"rozepsano", "ulozena"};  // typed on today's date
  ASSERT_TRUE(QTest::qWaitFor([&] { return CopyNotes() == notes; }, 20000))
      << first->readAllStandardError().toStdString();
  first->kill();
  ASSERT_TRUE(first->waitForFinished(10000));

  const std::string question = "Kalendář " + CRecoveryStore::CalendarKey(calendar.toStdString()) +
                               " nebyl při posledním ukončení uložen. Obnovit neuložené změny?";
  for (const QStringList& args : {QStringList{calendar}, QStringList{}}) {
    const Run second = RunToEnd(args);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(second.err.contains(QString::fromStdString(question))) << second.err.toStdString();
    EXPECT_EQ(RecoveryCopies().size(), 1);
  }
}

// The year range remembered in the settings is the one the program starts with: with 2000-2030 the
// calendar opens on today, where the note is typed.
TEST_F(StartupTest, TheRememberedYearRangeLetsTheCalendarOpenOnToday) {
  const Date today = Today();
  if (today.year < 2000 || today.year > 2030) GTEST_SKIP() << "the machine's date lies outside 2000-2030";
  QDir().mkpath(m_Config.filePath(QStringLiteral("orvella")));
  QFile settings(m_Config.filePath(QStringLiteral("orvella/orvella.conf")));
  ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
  settings.write("[Years]\nfrom=2000\nto=2030\n");
  settings.close();
  const QString calendar = SavedCalendar();
  auto first = Program({calendar}, /*quitAfterShow=*/false, QStringLiteral("dnes"), 100);
  const std::map<std::string, std::string> expected = {{"2005/03/15", "ulozena"}, {DayKey(today), "dnes"}};
  EXPECT_TRUE(QTest::qWaitFor([&] { return CopyRecords() == expected; }, 20000))
      << first->readAllStandardError().toStdString();
  first->kill();
  ASSERT_TRUE(first->waitForFinished(10000));
}

// SIGTERM and SIGHUP write the copy at once, and the program still ends by the signal.
TEST_F(StartupTest, TerminatedProgramWritesItsRecoveryCopyFirst) {
  const QString calendar = SavedCalendar();
  for (int signal : {SIGTERM, SIGHUP}) {
    auto first = Program({calendar}, /*quitAfterShow=*/false, QStringLiteral("konec"), 3600000);
    QByteArray err;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (err += first->readAllStandardError()).contains("typed"); }, 20000))
        << err.toStdString();
    EXPECT_TRUE(RecoveryCopies().isEmpty());
    ::kill(static_cast<pid_t>(first->processId()), signal);
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitStatus(), QProcess::CrashExit) << signal;
    EXPECT_EQ(CopyNotes(), (std::vector<std::string>{"konec", "ulozena"})) << signal;
    QDir(m_State.filePath(QStringLiteral("orvella"))).removeRecursively();
  }
}

}  // namespace
}  // namespace orv
