// The screenshot of the software centre's page (data/screenshots/orvella.png), taken of the real
// window in a real window manager: a month with notes, a day with its commentary.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>

#include "DialogWindowFixture.h"

namespace orv::test {
namespace {

using ScreenshotUnderWm = DialogWindowTest;

TEST_F(ScreenshotUnderWm, TheWindowWithAMonthOfNotes) {
  window->Frame().resize(1280, 800);
  const QStringList notes = {QStringLiteral("Výlet na Karlštejn"), QStringLiteral("Koncert v Rudolfinu"),
                             QStringLiteral("Narozeniny Aničky")};
  for (const QString& note : notes) {
    Key(Qt::Key_Down);
    Key(Qt::Key_F2);
    Type(Note(), note);
    Key(Qt::Key_Escape);
  }
  Key(Qt::Key_W, Qt::ControlModifier);
  Type(QApplication::focusWidget(), QStringLiteral("Dort a svíčky, zpívali jsme celé odpoledne."));
  QTest::qWait(200);

  const QImage shot = window->Frame().grab().toImage();
  ASSERT_EQ(shot.size(), QSize(1280, 800));
  EXPECT_GT(shot.pixelColor(0, 0) != shot.pixelColor(640, 400) ? 1 : 0, 0) << "an empty picture";
  const QString folder = qEnvironmentVariable("ORV_BINARY_DIR") + QStringLiteral("/screenshots");
  ASSERT_TRUE(QDir().mkpath(folder));
  EXPECT_TRUE(shot.save(folder + QStringLiteral("/orvella.png")));
}

}  // namespace
}  // namespace orv::test
