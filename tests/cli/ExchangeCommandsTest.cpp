// orv import-md, import-rednotebook and export-md: a new calendar or a merge into one, saved once;
// a refused import leaves the file as it was.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "TestFiles.h"
#include "OrvRun.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::WriteFile;
using test::FileBytes;

class OrvExchange : public ::testing::Test {
 protected:
  fs::path Dir() const { return fs::path(m_Dir.path().toStdString()); }
  QTemporaryDir m_Dir;
};

TEST_F(OrvExchange, ImportCreatesTheCalendarAndASecondImportLeavesItAsItWas) {
  WriteFile(Dir() / "notes" / "2024-03-01.md", "---\nnote: Hory\n---\n**Výlet**\n");
  WriteFile(Dir() / "notes" / "obrazek.png", "x");
  const std::string calendar = (Dir() / "denik.orv").string();
  const test::OrvRun first = test::RunOrvCaptured({"import-md", (Dir() / "notes").string(), calendar});
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out,
            "Import je hotov. Nových dní: 1, dní připojených k zapsaným: 0, přeskočených souborů: 1.\n");
  const std::string saved = FileBytes(calendar);
  const test::OrvRun second = test::RunOrvCaptured({"import-md", (Dir() / "notes").string(), calendar});
  EXPECT_EQ(second.status, 0);
  EXPECT_NE(second.out.find("Nových dní: 0, dní připojených k zapsaným: 0"), std::string::npos);
  EXPECT_EQ(FileBytes(calendar), saved);

  WriteFile(Dir() / "journal" / "2024-03.txt", "1: {text: \"a\"\n");
  const test::OrvRun refused =
      test::RunOrvCaptured({"import-rednotebook", (Dir() / "journal").string(), calendar});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("2024-03.txt"), std::string::npos);
  EXPECT_EQ(FileBytes(calendar), saved);

  const test::OrvRun exported = test::RunOrvCaptured({"export-md", calendar, (Dir() / "out").string()});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(FileBytes(Dir() / "out" / "2024" / "2024-03-01.md"), "---\nnote: \"Hory\"\n---\n\n**Výlet**\n");
}

}  // namespace
}  // namespace orv
