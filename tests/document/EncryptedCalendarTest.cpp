// Encrypted calendars through the document: opening asks for the passphrase once, every save and
// recovery copy is encrypted with the kept key, and a wrong passphrase or any damage opens nothing.

#include <gtest/gtest.h>

#include <algorithm>

#include "DocFileFixture.h"
#include "core/Cp1250.h"
#include "crypto/CalendarContainer.h"
#include "document/EncryptedCalendar.h"
#include "document/FileProtection.h"
#include "document/FileWriteSteps.h"
#include "document/RecoveryStore.h"
#include "document/Scramble.h"
#include "document/merge/AppendSnapshot.h"

namespace orv {
namespace {

class EncryptedCalendar : public TedDocFile {
 protected:
  // The calendar's words, which no byte written for an encrypted calendar may show.
  static constexpr const char* kSecret = "Tajn\xe9 setk\xe1n\xed";

  // A calendar with every kind of record, encrypted with "heslo" and saved as enc.orv.
  void SaveEncrypted(CTedDoc& source) {
    test::CalendarBuilder(source).EveryKindOfRecord().Passwords({}, "autor").Day("2005/03/07", kSecret);
    std::string first = "heslo", second = "heslo";
    ASSERT_TRUE(EncryptCalendar(source, first, second, ui));
    EXPECT_TRUE(first.empty() && second.empty());  // wiped
    ASSERT_TRUE(source.OnSaveDocument(Path("enc.orv")));
  }

  crypto::CNewKeyCostScope cheap{crypto::MinimalCost()};
};

// The words as they are, or scrambled as the file form stores record texts.
bool Shows(const std::string& bytes, const std::string& words) {
  std::string scrambled = words;
  ToggleScramble(scrambled);
  return bytes.find(words) != std::string::npos || bytes.find(scrambled) != std::string::npos;
}

TEST_F(EncryptedCalendar, RoundTripAsksOnceAndSavesWithTheKeptKey) {
  test::FakeUiServices quiet;
  CTedDoc source(quiet);
  SaveEncrypted(source);
  const std::string file = ReadFile(dir / "enc.orv");
  EXPECT_TRUE(crypto::LooksEncrypted(file));
  EXPECT_FALSE(Shows(file, kSecret));
  EXPECT_FALSE(Shows(file, "2005/03/07"));

  ui.passphraseAnswers = {std::string("heslo")};
  ASSERT_TRUE(doc.OnOpenDocument(Path("enc.orv")));
  ASSERT_EQ(ui.events.size(), 1u);
  EXPECT_EQ(ui.events[0].kind, Kind::PassphrasePrompt);
  EXPECT_EQ(ui.events[0].text, PassphrasePrompt(Path("enc.orv")));
  EXPECT_EQ(StoreCalendar(doc), StoreCalendar(source));
  EXPECT_EQ(ProtectionText(doc), kEncryptedProtection);

  // A save uses the key it has: no prompt, a fresh stream, the same calendar inside.
  const auto key = doc.EncryptionKey();
  doc.StoreDay("2005/03/08", "dal\xb9\xed", "", "");
  ASSERT_TRUE(doc.OnSaveDocument(Path("enc.orv")));
  EXPECT_EQ(doc.EncryptionKey(), key);
  EXPECT_EQ(ui.events.size(), 1u);
  const std::string saved = ReadFile(dir / "enc.orv");
  EXPECT_FALSE(Shows(saved, kSecret));
  ui.Clear();
  CTedDoc again(ui);
  ui.passphraseAnswers = {std::string("heslo")};
  ASSERT_TRUE(again.OnOpenDocument(Path("enc.orv")));
  EXPECT_EQ(again.GetDayRecord("2005/03/08")->m_Poznamka, "dal\xb9\xed");

  // Without the key the calendar is saved in clear again.
  again.SetEncryptionKey(nullptr);
  ASSERT_TRUE(again.OnSaveDocument(Path("enc.orv")));
  EXPECT_TRUE(Shows(ReadFile(dir / "enc.orv"), kSecret));
  EXPECT_EQ(ProtectionText(again), "");
}

TEST_F(EncryptedCalendar, WrongPassphraseOrAnyDamageOpensNothingWithOneMessage) {
  test::FakeUiServices quiet;
  CTedDoc source(quiet);
  SaveEncrypted(source);
  const std::string file = ReadFile(dir / "enc.orv");
  std::vector<std::pair<std::string, std::string>> cases;  // file bytes, passphrase
  cases.emplace_back(file, "Heslo");
  for (const std::size_t at : {std::size_t{30}, file.size() / 2, file.size() - 1}) {
    std::string flipped = file;
    flipped[at] = static_cast<char>(flipped[at] ^ 0x20);
    cases.emplace_back(flipped, "heslo");
  }
  cases.emplace_back(file.substr(0, file.size() - 1), "heslo");
  cases.emplace_back(file.substr(0, 60), "heslo");
  const std::string message = std::string(kCannotDecrypt) + "\r\n\r\n" + Path("enc.orv");
  for (const auto& [bytes, passphrase] : cases) {
    WriteFile(dir / "enc.orv", bytes);
    ui.Clear();
    ui.passphraseAnswers = {passphrase};
    EXPECT_FALSE(doc.OnOpenDocument(Path("enc.orv")));
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{message});
    EXPECT_TRUE(doc.PasswordRefused());
    EXPECT_TRUE(StillAsBefore());
  }
  // "Storno" says nothing.
  WriteFile(dir / "enc.orv", file);
  ui.Clear();
  ui.passphraseAnswers.clear();
  EXPECT_FALSE(doc.OnOpenDocument(Path("enc.orv")));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(EncryptedCalendar, RecoveryCopyIsEncryptedAndRestoredWithThePassphrase) {
  SaveEncrypted(doc);
  doc.StoreDay("2005/03/09", kSecret, "", "");
  CRecoveryStore store((state / "recovery").string());
  ASSERT_EQ(store.Write(doc), "");
  const std::vector<SRecoveryCopy> pending = CRecoveryStore((state / "recovery").string()).Pending();
  ASSERT_EQ(pending.size(), 1u);
  const std::string copy = ReadFile(pending[0].path);
  EXPECT_TRUE(crypto::LooksEncrypted(copy));
  EXPECT_FALSE(Shows(copy, kSecret));

  test::FakeUiServices later;
  CTedDoc restored(later);
  later.passphraseAnswers = {std::string("heslo")};
  ASSERT_TRUE(CRecoveryStore((state / "recovery").string()).Restore(restored, pending[0]));
  EXPECT_EQ(restored.GetDayRecord("2005/03/09")->m_Poznamka, kSecret);
  ASSERT_NE(restored.EncryptionKey(), nullptr);  // and its next save is encrypted
}

// A calendar with a second hard link is saved in place, its old bytes copied aside first: the copy
// of an encrypted calendar is as sealed as the file.
TEST_F(EncryptedCalendar, TheCopyAsideOfASaveInPlaceIsSealed) {
  SaveEncrypted(doc);
  fs::create_hard_link(dir / "enc.orv", dir / "link.orv");
  static std::vector<std::string> copies;
  static std::vector<fs::path> folders;
  copies.clear();
  folders = {dir, state};
  filewrite::g_InPlaceStep = [] {
    // Beside the file under its own name, or anything in the state folder.
    for (const fs::path& folder : folders)
      for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() &&
            (folder != folders[0] || entry.path().filename().string().find("zaloha") != std::string::npos))
          copies.push_back(ReadFile(entry.path()));
  };
  doc.StoreDay("2005/03/10", kSecret, "", "");
  const bool saved = doc.OnSaveDocument(Path("enc.orv"));
  filewrite::g_InPlaceStep = nullptr;
  ASSERT_TRUE(saved);
  ASSERT_FALSE(copies.empty());
  for (const std::string& copy : copies) {
    EXPECT_TRUE(crypto::LooksEncrypted(copy));
    EXPECT_FALSE(Shows(copy, kSecret));
  }
  EXPECT_FALSE(Shows(ReadFile(dir / "link.orv"), kSecret));
}

// The decrypted calendar is wiped when the last record pointing into it lets it go, not before.
TEST(DecryptedBytes, AreWipedBeforeTheirMemoryIsFreed) {
  char storage[] = "Tajne setkani";
  const std::size_t size = sizeof storage - 1;
  bool freed = false, wiped = false;
  {
    CArchiveBuffer inner(std::shared_ptr<const char[]>(storage,
                                                       [&](const char* bytes) {
                                                         freed = true;
                                                         wiped = std::all_of(bytes, bytes + size,
                                                                             [](char c) { return c == 0; });
                                                       }),
                         size);
    CArchiveBuffer buffer = WipedWhenFreed(std::move(inner), storage);
    const CArchiveBuffer part = buffer.Prefix(5);
    buffer = {};
    EXPECT_FALSE(freed);
    EXPECT_EQ(part.View(), "Tajne");
  }
  EXPECT_TRUE(freed);
  EXPECT_TRUE(wiped);
}

TEST_F(EncryptedCalendar, RemovingTheEncryptionAsksForThePassphrase) {
  SaveEncrypted(doc);
  std::string wrong = "hesl0";
  EXPECT_FALSE(RemoveEncryption(doc, wrong, ui));
  EXPECT_EQ(ui.Messages().back(), "Heslo není správné.");
  EXPECT_NE(doc.EncryptionKey(), nullptr);
  std::string right = "heslo";
  EXPECT_TRUE(RemoveEncryption(doc, right, ui));
  EXPECT_EQ(doc.EncryptionKey(), nullptr);
  EXPECT_TRUE(doc.IsModified());

  std::string first = "heslo", second = "hesla", empty1, empty2;
  EXPECT_FALSE(EncryptCalendar(doc, first, second, ui));
  EXPECT_EQ(ui.Messages().back(), kPassphrasesDiffer);
  EXPECT_FALSE(EncryptCalendar(doc, empty1, empty2, ui));
  EXPECT_EQ(ui.Messages().back(), kEmptyPassphrase);
  EXPECT_EQ(doc.EncryptionKey(), nullptr);
}

// An export writes in clear: for an encrypted calendar only when the user says so, and privately.
TEST_F(EncryptedCalendar, ExportsOfAnEncryptedCalendarAskFirstAndAreTheOwnersAlone) {
  EXPECT_TRUE(ConfirmPlainExport(doc, ui));
  EXPECT_TRUE(ui.events.empty());
  SaveEncrypted(doc);
  ui.Clear();
  ui.yesNoAnswers = {false, true};
  EXPECT_FALSE(ConfirmPlainExport(doc, ui));
  EXPECT_TRUE(ConfirmPlainExport(doc, ui));
  ASSERT_EQ(ui.events.size(), 2u);
  EXPECT_EQ(ui.events[0].text, kPlainExportQuestion);
  EXPECT_TRUE(ui.events[0].defaultNo);
  EXPECT_EQ(ExportWriteOptions(doc).newFileMode, kPrivateFileMode);
  EXPECT_FALSE(doc.SealsExports());

  // Where the user can choose (the window): encrypted with the calendar's key, in clear, or nothing.
  ui.Clear();
  ui.choiceAnswers = {0, 1, 2};
  const std::vector<std::pair<bool, bool>> expected = {{true, true}, {true, false}, {false, false}};
  for (const auto& [goesOn, sealed] : expected) {
    EXPECT_EQ(ConfirmPlainExport(doc, ui), goesOn);
    EXPECT_EQ(doc.SealsExports(), sealed);
  }
  EXPECT_EQ(ui.choiceButtons,
            (std::vector<std::string>{kEncryptExportButton, kPlainExportButton, kCancelExportButton}));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>(3, kExportChoiceQuestion));

  // An export sealed with the calendar's key opens with the calendar's passphrase.
  doc.SetSealExports(true);
  const std::string sealed = SealExportBytes(doc, kSecret);
  EXPECT_FALSE(Shows(sealed, kSecret));
  EXPECT_EQ(DecryptWithKey(sealed, *doc.EncryptionKey())->View(), kSecret);
  doc.SetEncryptionKey(nullptr);
  EXPECT_EQ(SealExportBytes(doc, kSecret), kSecret);  // no key, no sealing
}

// "Připojit" opens the target in the same document; a source given back after "Storno" must not lose
// its key, or its next save would write the diary in clear.
TEST_F(EncryptedCalendar, AppendSnapshotGivesTheKeyBack) {
  SaveEncrypted(doc);
  CAppendSnapshot snapshot(doc);
  WriteFile(dir / "plain.orv", Calendar());
  ASSERT_TRUE(doc.OnOpenDocument(Path("plain.orv")));
  EXPECT_EQ(doc.EncryptionKey(), nullptr);
  snapshot.Restore(doc);
  EXPECT_NE(doc.EncryptionKey(), nullptr);
  EXPECT_FALSE(doc.IsModified());
}

TEST(PassphraseStrength, GrowsWithLengthAndVariety) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "slabé"},           {"kocka12", "slabé"},         {"abcdefghijklmnopq", "slabé"},
      {"kocka123", "střední"}, {"Žluťoučký kůň 7", "silné"}, {"correct horse battery", "silné"},
  };
  for (const auto& [passphrase, strength] : cases)
    EXPECT_EQ(PassphraseStrength(passphrase), std::string("Síla hesla: ") + strength) << passphrase;
}

}  // namespace
}  // namespace orv
