// The real program started as users start it: a refused file, a second start, a crashed first one.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace orv {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  // A program with its own runtime directory (the instance lock) and its own settings.
  std::unique_ptr<QProcess> Program(const QStringList& args, bool quitAfterShow = true) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_Runtime.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_Config.path());
    env.insert(QStringLiteral("ORV_NONINTERACTIVE"), QStringLiteral("1"));
    if (quitAfterShow) env.insert(QStringLiteral("ORV_QUIT_AFTER_SHOW"), QStringLiteral("1"));
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

  QTemporaryDir m_Runtime;
  QTemporaryDir m_Config;
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

}  // namespace
}  // namespace orv
