// main() of the widget test programs: a QApplication on the offscreen platform, or on the one
// ORV_TEST_PLATFORM names (xcb for the suites that run in Xvfb with a window manager).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  const QByteArray platform = qgetenv("ORV_TEST_PLATFORM");
  qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArrayLiteral("offscreen") : platform);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
