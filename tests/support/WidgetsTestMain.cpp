// main() of the widget test programs: a QApplication on the offscreen platform, or on the one
// ORV_TEST_PLATFORM names (xcb for the suites that run in Xvfb with a window manager).
//
// CTest runs several of these programs at once (offscreen, under a window manager, on Wayland), and
// their tests clear and write the per-user settings. Each program therefore gets a home folder of
// its own for its run, so that one program's settings never show up in another's window, nor in the
// programs the tests start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  QTemporaryDir home(QDir::tempPath() + QStringLiteral("/orvella-test-home-XXXXXX"));
  if (!home.isValid()) {
    std::fputs("test: no temporary home folder\n", stderr);
    return 2;
  }
  qputenv("HOME", QFile::encodeName(home.path()));
  qunsetenv("XDG_CONFIG_HOME");
  qunsetenv("XDG_DATA_HOME");

  const QByteArray platform = qgetenv("ORV_TEST_PLATFORM");
  qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArrayLiteral("offscreen") : platform);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
