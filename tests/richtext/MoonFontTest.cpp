// The "Moon" font written at build time: it must load under Qt and draw the four phase characters
// as the month table's moon column expects them.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QRect>
#include <QString>
#include <cstdlib>

namespace {

struct Ink {
  int left = 0, right = 0;  // inked pixels either side of the drawing's vertical centre line
  bool centre = false;      // the pixel at the centre of the drawing is inked
  int Total() const { return left + right; }
};

class MoonFontTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const char* binaryDir = std::getenv("ORV_BINARY_DIR");
    ASSERT_NE(binaryDir, nullptr) << "ORV_BINARY_DIR names the build directory";
    s_FontId = QFontDatabase::addApplicationFont(QString::fromLocal8Bit(binaryDir) +
                                                 QStringLiteral("/src/Moon.ttf"));
  }

  static QFont MoonFont(int pixelSize) {
    QFont font(QStringLiteral("Moon"));
    font.setPixelSize(pixelSize);
    return font;
  }

  // Draws one character large and measures where its ink lies.
  static Ink Draw(char ch) {
    QImage image(120, 120, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setFont(MoonFont(100));
      painter.setPen(Qt::black);
      painter.drawText(QRect(0, 0, 120, 120), Qt::AlignCenter, QString(QLatin1Char(ch)));
    }
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    Ink ink;
    if (box.isEmpty()) return ink;
    const QPoint centre = box.center();
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x)
        if (qGray(image.pixel(x, y)) < 128) ++(x < centre.x() ? ink.left : ink.right);
    ink.centre = qGray(image.pixel(centre)) < 128;
    return ink;
  }

  static int s_FontId;
};

int MoonFontTest::s_FontId = -1;

TEST_F(MoonFontTest, LoadsAsFamilyMoonWithThePhaseCharacters) {
  ASSERT_GE(s_FontId, 0) << "Moon.ttf was not accepted";
  EXPECT_TRUE(QFontDatabase::applicationFontFamilies(s_FontId).contains(QStringLiteral("Moon")));
  const QFont font = MoonFont(16);
  EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Moon"));
  // QFontMetrics::inFont also counts the fallback fonts; the raw font is Moon.ttf alone.
  const QRawFont raw = QRawFont::fromFont(font);
  EXPECT_EQ(raw.familyName(), QStringLiteral("Moon"));
  for (char ch : {'U', 'D', 'N', 'C', ' '}) EXPECT_TRUE(raw.supportsCharacter(QLatin1Char(ch))) << ch;
  EXPECT_FALSE(raw.supportsCharacter(QLatin1Char('A')));
  const QFontMetrics metrics(font);
  // One width for every character keeps the column straight.
  EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('U')), metrics.horizontalAdvance(QLatin1Char('N')));
  EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('U')), metrics.horizontalAdvance(QLatin1Char(' ')));
}

// As Czech printed calendars draw them: the dark part filled, the lit part empty.
TEST_F(MoonFontTest, GlyphsFillTheDarkPartOfTheMoon) {
  ASSERT_GE(s_FontId, 0);
  const Ink newMoon = Draw('U'), firstQuarter = Draw('D'), fullMoon = Draw('N'), lastQuarter = Draw('C');
  // Full moon: a bare ring, even on both sides, hollow in the middle.
  EXPECT_GT(fullMoon.Total(), 0);
  EXPECT_FALSE(fullMoon.centre);
  EXPECT_NEAR(fullMoon.left, fullMoon.right, fullMoon.Total() / 20);
  // New moon: a filled disc.
  EXPECT_TRUE(newMoon.centre);
  EXPECT_GT(newMoon.Total(), fullMoon.Total() * 3 / 2);
  EXPECT_NEAR(newMoon.left, newMoon.right, newMoon.Total() / 20);
  // Quarters: the ring plus the dark left (first) or right (last) half.
  EXPECT_GT(firstQuarter.left, firstQuarter.right * 3 / 2);
  EXPECT_GT(lastQuarter.right, lastQuarter.left * 3 / 2);
  EXPECT_NEAR(firstQuarter.Total(), lastQuarter.Total(), firstQuarter.Total() / 20);
  EXPECT_GT(firstQuarter.Total(), fullMoon.Total());
  EXPECT_LT(firstQuarter.Total(), newMoon.Total());
}

TEST_F(MoonFontTest, SpaceDrawsNothing) {
  ASSERT_GE(s_FontId, 0);
  EXPECT_EQ(Draw(' ').Total(), 0);
}

}  // namespace
