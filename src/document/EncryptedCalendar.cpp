#include "document/EncryptedCalendar.h"

#include <cctype>
#include <new>

#include "core/UiServices.h"
#include "crypto/CalendarContainer.h"
#include "document/FileProtection.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

// The key for the container: the one held when it fits (no second derivation for the calendar's own
// file), else one derived from the passphrase the user gives. Null when none was given or the memory
// for the derivation cannot be had (with `refused`).
std::shared_ptr<const crypto::CSecretKey> KeyFor(const crypto::SContainerHeader& header,
                                                 std::string_view fullPath, IUiServices& ui,
                                                 const std::shared_ptr<const crypto::CSecretKey>& known,
                                                 bool& refused) {
  if (known && crypto::KeyFits(*known, header)) return known;
  std::optional<std::string> passphrase = ui.AskPassphrase(PassphrasePrompt(fullPath));
  if (!passphrase) return nullptr;
  CWaitCursor wait(ui);
  std::shared_ptr<const crypto::CSecretKey> key =
      crypto::CSecretKey::Derive(*passphrase, header.cost, header.salt);
  refused = !key;
  return key;
}

}  // namespace

std::string PassphrasePrompt(std::string_view fullPath) {
  return "Zadejte heslo k zašifrovanému kalendáři :\r\n\r\n" + std::string(fullPath);
}

EDecryptOutcome DecryptCalendarFile(std::string_view container, std::string_view fullPath, IUiServices& ui,
                                    const std::shared_ptr<const crypto::CSecretKey>& known,
                                    SDecryptedFile& out) {
  const auto refuse = [&] {
    ui.MessageDialog(std::string(kCannotDecrypt) + "\r\n\r\n" + std::string(fullPath));
    return EDecryptOutcome::Refused;
  };
  const std::optional<crypto::SContainerHeader> header = crypto::ReadContainerHeader(container);
  const std::optional<std::size_t> size = crypto::ContainedSize(container);
  if (!header || !size) return refuse();
  bool refused = false;
  std::shared_ptr<const crypto::CSecretKey> key = KeyFor(*header, fullPath, ui, known, refused);
  if (!key) return refused ? refuse() : EDecryptOutcome::Cancelled;
  std::optional<CArchiveBuffer> plain = DecryptWithKey(container, *key);
  if (!plain) return refuse();
  out.bytes = std::move(*plain);
  out.key = std::move(key);
  return EDecryptOutcome::Decrypted;
}

std::optional<CArchiveBuffer> DecryptWithKey(std::string_view container, const crypto::CSecretKey& key) {
  const std::optional<crypto::SContainerHeader> header = crypto::ReadContainerHeader(container);
  const std::optional<std::size_t> size = crypto::ContainedSize(container);
  if (!header || !size || !crypto::KeyFits(key, *header)) return std::nullopt;
  char* buffer = nullptr;
  CArchiveBuffer plain;
  try {
    CArchiveBuffer allocated = CArchiveBuffer::Allocate(*size, buffer);
    plain = WipedWhenFreed(std::move(allocated), buffer);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  if (!crypto::DecryptContainer(key, container, buffer)) return std::nullopt;
  return plain;
}

CArchiveBuffer WipedWhenFreed(CArchiveBuffer buffer, char* writable) {
  const std::size_t size = buffer.View().size();
  // The wiping holder keeps the real one alive until the bytes are wiped, then lets it go.
  auto inner = std::make_shared<CArchiveBuffer>(std::move(buffer));
  std::shared_ptr<const char[]> wiping(writable, [inner, size](const char* bytes) mutable {
    crypto::WipeBytes(const_cast<char*>(bytes), size);
    inner.reset();
  });
  return CArchiveBuffer(std::move(wiping), size);
}

std::string SealCalendarBytes(const CTedDoc& doc, std::string plain) {
  if (!doc.EncryptionKey()) return plain;
  std::string sealed = crypto::EncryptContainer(*doc.EncryptionKey(), plain);
  crypto::WipeSecret(plain);
  return sealed;
}

bool EncryptCalendar(CTedDoc& doc, std::string& first, std::string& second, IUiServices& ui) {
  const bool same = first == second;
  crypto::WipeSecret(second);
  if (!same || first.empty()) {
    ui.MessageBox(same ? kEmptyPassphrase : kPassphrasesDiffer);
    crypto::WipeSecret(first);
    return false;
  }
  CWaitCursor wait(ui);
  std::shared_ptr<const crypto::CSecretKey> key = crypto::CSecretKey::Derive(first, crypto::NewKeyCost());
  if (!key) {
    ui.MessageBox("Kalendář nelze zašifrovat: Nedostatek paměti.");
    return false;
  }
  doc.SetEncryptionKey(std::move(key));
  return true;
}

bool RemoveEncryption(CTedDoc& doc, std::string& passphrase, IUiServices& ui) {
  const std::shared_ptr<const crypto::CSecretKey> key = doc.EncryptionKey();
  if (!key) return false;
  CWaitCursor wait(ui);
  const std::shared_ptr<const crypto::CSecretKey> typed =
      crypto::CSecretKey::Derive(passphrase, key->Cost(), key->SaltBytes());
  if (!typed || !crypto::SameKey(*typed, *key)) {
    ui.MessageBox(std::string(kWrongPassword));
    return false;
  }
  doc.SetEncryptionKey(nullptr);
  return true;
}

std::string PassphraseStrength(std::string_view passphrase) {
  bool lower = false, upper = false, digit = false, other = false;
  std::size_t characters = 0;
  for (const char c : passphrase) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++characters;  // UTF-8 continuation bytes are part of one character
    lower |= byte >= 'a' && byte <= 'z';
    upper |= byte >= 'A' && byte <= 'Z';
    digit |= byte >= '0' && byte <= '9';
    other |= !std::isalnum(byte);
  }
  const int kinds = lower + upper + digit + other;
  const char* strength = characters < 8 || kinds < 2                            ? "slabé"
                         : characters >= 16 || (characters >= 12 && kinds >= 3) ? "silné"
                                                                                : "střední";
  return std::string("Síla hesla: ") + strength;
}

bool ConfirmPlainExport(const CTedDoc& doc, IUiServices& ui) {
  if (!doc.EncryptionKey()) return true;
  const std::optional<int> choice =
      ui.AskChoice(kExportChoiceQuestion, {kEncryptExportButton, kPlainExportButton, kCancelExportButton});
  if (!choice) return doc.SealsExports() || ui.AskYesNoDefaultNo(kPlainExportQuestion);
  doc.SetSealExports(*choice == 0);
  return *choice == 0 || *choice == 1;
}

std::string SealExportBytes(const CTedDoc& doc, std::string_view bytes) {
  if (!doc.SealsExports()) return std::string(bytes);
  return crypto::EncryptContainer(*doc.EncryptionKey(), bytes);
}

std::string ProtectionText(const CTedDoc& doc) {
  if (doc.EncryptionKey()) return kEncryptedProtection;
  return doc.m_Heslo.empty() ? std::string() : kPasswordProtection;
}

}  // namespace orv
