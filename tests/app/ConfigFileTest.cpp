#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>

#include "FakeUiServices.h"
#include "app/SettingsLocation.h"
#include "editor/BaseFont.h"
#include "editor/ConfigFile.h"

namespace orv {
namespace {

using namespace std::string_literals;

void WriteBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

TEST(ConfigFile, StringFormsRoundTripAndDecode) {
  for (std::size_t n : {0u, 7u, 254u, 255u, 65533u, 65534u, 70000u}) {
    const std::string face(n, 'a');
    const std::string bytes = EncodeConfigString(face);
    EXPECT_EQ(bytes.size() - n, n <= 254 ? 1u : n <= 65533 ? 3u : 7u) << n;
    EXPECT_EQ(DecodeConfigString(bytes), face) << n;
  }
  EXPECT_EQ(EncodeConfigString("Verdana"), "\x07Verdana"s);
  // The UTF-16 form is read and converted to Windows-1250.
  EXPECT_EQ(DecodeConfigString("\xFF\xFE\xFF\x03"
                               "A\0\x0D\x01"
                               "b\0"s),
            "A\xE8"
            "b"s);
}

TEST(ConfigFile, HostileBytesReadAsNoConfiguration) {
  const std::string cases[] = {
      ""s,                              // empty file
      "\x09Verdana"s,                   // length past the end
      "\xFF\x10"s,                      // truncated WORD
      "\xFF\xFF\xFF\xFF\xFF\xFF\x7F"s,  // 2 GB claimed by a 7-byte file
      "\xFF\xFE\xFF\x05"
      "A\0"s,                                           // UTF-16 length past the end
      "\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F"s,  // 2 G code units claimed
  };
  for (const std::string& bytes : cases) EXPECT_EQ(DecodeConfigString(bytes), std::nullopt) << bytes.size();

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Orvinek.cfg"));
  EXPECT_EQ(ReadConfigFile(path.toStdString()), std::nullopt);     // missing
  WriteBytes(path, EncodeConfigString(std::string(100000, 'x')));  // far larger than any face
  EXPECT_EQ(ReadConfigFile(path.toStdString()), std::nullopt);
  EXPECT_EQ(ReadConfigFile(dir.path().toStdString()), std::nullopt);  // a directory
}

TEST(ConfigFile, WrittenFileHoldsExactlyTheString) {
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("Orvinek.cfg")).toStdString();
  ASSERT_TRUE(WriteConfigFile(path, "Times New Roman"));
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), "\x0FTimes New Roman"s);
  EXPECT_EQ(ReadConfigFile(path), "Times New Roman");
  EXPECT_FALSE(WriteConfigFile(dir.filePath(QStringLiteral("missing/Orvinek.cfg")).toStdString(), "Arial"));
}

// What stands in the file's place and is not a regular file is neither waited on, read, nor replaced;
// the writer leaves a link and the file it points to alone.
TEST(ConfigFile, OnlyRegularFilesAreReadAndReplaced) {
  QTemporaryDir dir;
  const std::string fifo = dir.filePath(QStringLiteral("fifo.cfg")).toStdString();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const std::string target = dir.filePath(QStringLiteral("target.cfg")).toStdString();
  ASSERT_TRUE(WriteConfigFile(target, "Zapf"));
  const std::string link = dir.filePath(QStringLiteral("link.cfg")).toStdString();
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);

  EXPECT_EQ(ReadConfigFile(fifo), std::nullopt);
  EXPECT_EQ(ReadConfigFile("/dev/zero"), std::nullopt);
  EXPECT_EQ(ReadConfigFile(link), "Zapf");
  for (const std::string& path : {fifo, link}) EXPECT_FALSE(WriteConfigFile(path, "Arial")) << path;
  EXPECT_TRUE(QFileInfo(QString::fromStdString(fifo)).exists());
  EXPECT_EQ(QFileInfo(QString::fromStdString(link)).symLinkTarget().toStdString(), target);
  EXPECT_EQ(ReadConfigFile(target), "Zapf");
  EXPECT_EQ(QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System)
                .size(),
            3);

  test::FakeUiServices ui;
  EXPECT_EQ(
      SetUpBaseFont(fifo, {"Verdana"}, ui, [](const std::vector<std::string>&) { return std::string(); }),
      "Verdana");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"fcon nelze otevřít !"});
}

// Qt would wait forever on a FIFO in the settings file's place: the settings of that run are kept
// aside and the FIFO is left as it is.
TEST(ConfigFile, SettingsFileThatIsNotRegularIsNeitherReadNorReplaced) {
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  QCoreApplication::setApplicationName(QStringLiteral("Orvella 2 guard test"));
  const QString configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString folder = configDir + QStringLiteral("/Local AppWizard-Generated Applications");
  const QString path = folder + QStringLiteral("/Orvella 2 guard test.conf");
  ASSERT_TRUE(QDir().mkpath(folder));
  QFile::remove(path);
  ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);

  QTemporaryDir fallback;
  EXPECT_EQ(GuardSettingsFile(fallback.path()),
            "Soubor nastavení " + path.toStdString() +
                " není obyčejný soubor; nastavení programu se tentokrát nenačte ani neuloží.");
  {
    QSettings settings;
    settings.setValue(QStringLiteral("MainBarState"), 1);
    settings.sync();
  }
  EXPECT_TRUE(QFileInfo(path).exists() && !QFileInfo(path).isFile());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configDir);
  QFile::remove(path);
  EXPECT_EQ(GuardSettingsFile(fallback.path()), "");
}

TEST(ConfigFile, BesideTheProgramUnlessItCannotBeWritten) {
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir dir;
  EXPECT_EQ(ConfigFilePath(dir.path().toStdString()),
            dir.filePath(QStringLiteral("Orvinek.cfg")).toStdString());
  const std::string elsewhere = ConfigFilePath(dir.filePath(QStringLiteral("no-such-dir")).toStdString());
  EXPECT_EQ(elsewhere.find(dir.path().toStdString()), std::string::npos);
  EXPECT_TRUE(elsewhere.ends_with("/Orvinek.cfg"));
}

TEST(BaseFont, PreferenceOrder) {
  struct Case {
    std::optional<std::string> configured;
    std::vector<std::string> installed;
    std::string face;
    bool keep;
    bool vanished;
  };
  const Case cases[] = {
      {std::nullopt, {"Noto Sans", "Arial", "Verdana"}, "Verdana", false, false},
      {std::nullopt, {"Noto Sans", "Liberation Sans", "DejaVu Sans"}, "DejaVu Sans", false, false},
      {std::nullopt, {"Noto Sans", "Zapf"}, "Noto Sans", false, false},
      {"Zapf", {"Noto Sans", "Zapf"}, "Zapf", true, false},
      {"Gone", {"Arial", "Zapf"}, "Arial", false, true},
      {std::nullopt, {"Zapf", "Comic"}, "", false, false},
  };
  for (const Case& c : cases) {
    const SBaseFontChoice choice = ChooseBaseFont(c.configured, c.installed);
    EXPECT_EQ(choice.face, c.face);
    EXPECT_EQ(choice.keepConfig, c.keep) << c.face;
    EXPECT_EQ(choice.vanished, c.vanished) << c.face;
  }
}

class BaseFontSetUp : public ::testing::Test {
 protected:
  std::optional<std::string> SetUp(const std::vector<std::string>& installed) {
    return SetUpBaseFont(m_Path, installed, ui, [&](const std::vector<std::string>& offered) {
      asked = offered;
      return std::string("Zapf");
    });
  }
  QTemporaryDir m_Dir;
  std::string m_Path = m_Dir.filePath(QStringLiteral("Orvinek.cfg")).toStdString();
  test::FakeUiServices ui;
  std::vector<std::string> asked;
};

TEST_F(BaseFontSetUp, MissingFileIsCreatedWithoutAsking) {
  EXPECT_EQ(SetUp({"Arial", "Verdana"}), "Verdana");
  EXPECT_EQ(ReadConfigFile(m_Path), "Verdana");
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_TRUE(asked.empty());
}

TEST_F(BaseFontSetUp, InstalledFaceIsKeptAndFileLeftAlone) {
  // Bytes after the string are ignored by the reader; a rewrite would drop them.
  WriteBytes(QString::fromStdString(m_Path), "\x04Zapf-tail"s);
  EXPECT_EQ(SetUp({"Arial", "Zapf"}), "Zapf");
  EXPECT_TRUE(ui.Messages().empty());
  QFile file(QString::fromStdString(m_Path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), "\x04Zapf-tail"s);
}

TEST_F(BaseFontSetUp, VanishedFaceIsReplacedAndRewritten) {
  ASSERT_TRUE(WriteConfigFile(m_Path, "Gone"));
  EXPECT_EQ(SetUp({"DejaVu Sans", "Arial"}), "Arial");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Dané písmo již není nainstalováno."});
  EXPECT_EQ(ReadConfigFile(m_Path), "Arial");
}

TEST_F(BaseFontSetUp, NoPreferredFaceAsksTheUser) {
  EXPECT_EQ(SetUp({"Comic", "Zapf"}), "Zapf");
  EXPECT_EQ(asked, (std::vector<std::string>{"Comic", "Zapf"}));
  EXPECT_EQ(ReadConfigFile(m_Path), "Zapf");
}

TEST_F(BaseFontSetUp, NoFontsEndTheProgramAndUnwritableFileOnlyWarns) {
  EXPECT_EQ(SetUp({}), std::nullopt);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{
                               "Ve Windows nejsou nainstalována \n\ržádná písma s českou znakovou sadou !"});
  ui.Clear();
  m_Path = m_Dir.filePath(QStringLiteral("no/such/dir/Orvinek.cfg")).toStdString();
  EXPECT_EQ(SetUp({"Verdana"}), "Verdana");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"fcon nelze otevřít !"});
}

}  // namespace
}  // namespace orv
