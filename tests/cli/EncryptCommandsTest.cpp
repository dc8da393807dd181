// orv encrypt and orv decrypt, and every command over an encrypted calendar: the passphrase comes from
// --password-file (or a terminal), never from the command line, and nothing is ever waited for.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "OrvRun.h"
#include "cli/PresetAnswersUi.h"
#include "core/Cp1250.h"
#include "crypto/CalendarContainer.h"
#include "document/EncryptedCalendar.h"
#include "document/Scramble.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;

class EncryptCommands : public ::testing::Test {
 protected:
  EncryptCommands() {
    char pattern[] = "/tmp/orv-crypt-XXXXXX";
    dir = ::mkdtemp(pattern);
    file = (dir / "k.orv").string();
    std::ofstream(dir / "heslo.txt") << "dlouhé heslo\n";
    std::ofstream(dir / "spatne.txt") << "dlouhé hesl0\n";
    EXPECT_EQ(RunOrvCaptured({"new", file}).status, 0);
    EXPECT_EQ(RunOrvCaptured({"note", file, "2005-03-07", "Tajné setkání"}).status, 0);
  }
  ~EncryptCommands() override { fs::remove_all(dir); }

  std::string Bytes() const {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // The note as written, or scrambled as the file form stores it.
  bool ShowsTheNote() const {
    std::string note = Cp1250FromUtf8("Tajné setkání");
    const std::string bytes = Bytes();
    if (bytes.find(note) != std::string::npos) return true;
    ToggleScramble(note);
    return bytes.find(note) != std::string::npos;
  }
  OrvRun WithPassphrase(std::vector<std::string> args, const char* name = "heslo.txt") {
    args.insert(args.begin(), {"--password-file", (dir / name).string()});
    return RunOrvCaptured(args);
  }

  crypto::CNewKeyCostScope cheap{crypto::MinimalCost()};
  fs::path dir;
  std::string file;
};

TEST_F(EncryptCommands, RoundTripThroughEncryptANoteAndDecrypt) {
  ASSERT_TRUE(ShowsTheNote());
  const OrvRun encrypt = WithPassphrase({"encrypt", file});
  EXPECT_EQ(encrypt.status, 0) << encrypt.err;
  EXPECT_EQ(encrypt.out, "Kalendář je zašifrován.\n");
  EXPECT_TRUE(crypto::LooksEncrypted(Bytes()));
  EXPECT_FALSE(ShowsTheNote());
  EXPECT_EQ(WithPassphrase({"encrypt", file}).status, 2);  // once is enough

  EXPECT_EQ(WithPassphrase({"note", file, "2005-03-08", "další"}).status, 0);
  EXPECT_TRUE(crypto::LooksEncrypted(Bytes()));
  EXPECT_EQ(WithPassphrase({"note", file, "2005-03-07"}).out, "Tajné setkání\n");

  EXPECT_EQ(WithPassphrase({"decrypt", file}).out, "Šifrování kalendáře je zrušeno.\n");
  EXPECT_TRUE(ShowsTheNote());
  EXPECT_EQ(RunOrvCaptured({"note", file, "2005-03-08"}).out, "další\n");
}

TEST_F(EncryptCommands, ThePassphraseComesOnlyFromAFileOrATerminal) {
  ASSERT_EQ(WithPassphrase({"encrypt", file}).status, 0);
  const std::string before = Bytes();

  const OrvRun onCommandLine = RunOrvCaptured({"--password", "dlouhé heslo", "info", file});
  EXPECT_EQ(onCommandLine.status, 2);
  EXPECT_EQ(onCommandLine.messages, std::vector<std::string>{cli::kPassphraseOnCommandLine});

  const OrvRun nobody = RunOrvCaptured({"note", file, "2005-03-09", "x"});  // no file, no terminal
  EXPECT_EQ(nobody.status, 2);
  EXPECT_EQ(nobody.err,
            "Kalendář " + file +
                " je zašifrován; heslo zadejte souborem (--password-file SOUBOR) nebo na terminálu.\n");

  const OrvRun wrong = WithPassphrase({"info", file}, "spatne.txt");
  EXPECT_EQ(wrong.status, 2);
  EXPECT_EQ(wrong.messages, std::vector<std::string>{std::string(kCannotDecrypt) + "\r\n\r\n" + file});
  EXPECT_EQ(Bytes(), before);

  EXPECT_EQ(RunOrvCaptured({"new", (dir / "b.orv").string()}).status, 0);
  const OrvRun unasked = RunOrvCaptured({"encrypt", (dir / "b.orv").string()});
  EXPECT_EQ(unasked.status, 2);
  EXPECT_NE(unasked.err.find("--password-file"), std::string::npos);
}

TEST_F(EncryptCommands, InfoNamesTheProtectionByItsRightName) {
  const auto protection = [&](const OrvRun& run) {
    const std::string& out = run.out;
    const auto at = out.find("Ochrana: ");
    return at == std::string::npos ? std::string("(žádná)") : out.substr(at, out.find('\n', at) - at);
  };
  EXPECT_EQ(protection(RunOrvCaptured({"info", file})), "(žádná)");
  ASSERT_EQ(RunOrvCaptured({"password", file, "stare"}).status, 0);
  EXPECT_EQ(protection(RunOrvCaptured({"--password", "stare", "info", file})),
            "Ochrana: Chráněno heslem (slabá ochrana)");
  ASSERT_EQ(RunOrvCaptured({"--password", "stare", "password", file}).status, 0);
  ASSERT_EQ(WithPassphrase({"encrypt", file}).status, 0);
  EXPECT_EQ(protection(WithPassphrase({"info", file})), "Ochrana: Šifrováno (Argon2id, XChaCha20-Poly1305)");
}

// An export of an encrypted calendar is in clear only after a yes; with --encrypt it is sealed with
// the calendar's key, and orv decrypt gives the export back.
TEST_F(EncryptCommands, AnExportIsEncryptedWhenAskedAndDecryptReadsItBack) {
  const fs::path out = dir / "poznamky.txt";
  const auto outBytes = [&] {
    std::ifstream in(out, std::ios::binary);
    return std::string{std::istreambuf_iterator<char>(in), {}};
  };
  const std::string note = Cp1250FromUtf8("Tajné setkání");
  EXPECT_EQ(RunOrvCaptured({"export-txt", file, out.string(), "--encrypt"}).status, 2);  // no key to use
  EXPECT_FALSE(fs::exists(out));
  ASSERT_EQ(WithPassphrase({"encrypt", file}).status, 0);

  const OrvRun unasked = WithPassphrase({"export-txt", file, out.string()});
  EXPECT_EQ(unasked.messages, std::vector<std::string>{kPlainExportQuestion});
  EXPECT_FALSE(fs::exists(out));

  const OrvRun sealed = WithPassphrase({"export-txt", file, out.string(), "--encrypt"});
  EXPECT_EQ(sealed.status, 0) << sealed.err;
  EXPECT_TRUE(sealed.messages.size() <= 1);  // the count of days, no question
  EXPECT_TRUE(crypto::LooksEncrypted(outBytes()));
  EXPECT_EQ(outBytes().find(note), std::string::npos);

  const std::string before = outBytes();
  EXPECT_EQ(WithPassphrase({"decrypt", out.string()}, "spatne.txt").status, 2);
  EXPECT_EQ(outBytes(), before);
  const OrvRun decrypted = WithPassphrase({"decrypt", out.string()});
  EXPECT_EQ(decrypted.status, 0) << decrypted.err;
  EXPECT_NE(outBytes().find(note), std::string::npos);
  EXPECT_EQ(WithPassphrase({"decrypt", out.string()}).status, 2);  // no longer encrypted

  fs::remove(out);
  EXPECT_EQ(WithPassphrase({"--yes", "export-txt", file, out.string()}).status, 0);
  EXPECT_NE(outBytes().find(note), std::string::npos);
}

// The searches' exports take the same choice as the calendar's exports.
TEST_F(EncryptCommands, SearchResultsAreExportedEncryptedWhenAsked) {
  ASSERT_EQ(WithPassphrase({"encrypt", file}).status, 0);
  const fs::path out = dir / "nalezeno.rtf";
  const std::string note = Cp1250FromUtf8("Tajné setkání");
  for (const std::vector<std::string>& search :
       {std::vector<std::string>{"search", file, "setkání"}, std::vector<std::string>{"find-notes", file, "setkání"}}) {
    std::vector<std::string> args = search;
    args.insert(args.end(), {"--export-rtf", out.string(), "--encrypt"});
    const OrvRun sealed = WithPassphrase(args);
    EXPECT_EQ(sealed.status, 0) << search[0] << ": " << sealed.err;
    std::ifstream in(out, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_TRUE(crypto::LooksEncrypted(bytes)) << search[0];
    EXPECT_EQ(bytes.find(note), std::string::npos) << search[0];
    fs::remove(out);
  }
}

TEST_F(EncryptCommands, TwoEncryptionsOfOneCalendarDiffer) {
  fs::copy_file(file, dir / "b.orv");
  ASSERT_EQ(WithPassphrase({"encrypt", file}).status, 0);
  ASSERT_EQ(WithPassphrase({"encrypt", (dir / "b.orv").string()}).status, 0);
  std::ifstream in(dir / "b.orv", std::ios::binary);
  const std::string other{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(other.size(), Bytes().size());
  EXPECT_NE(other, Bytes());
}

}  // namespace
}  // namespace orv::test
