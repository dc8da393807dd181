#pragma once
// An encrypted calendar as the document opens and writes it: the ordinary calendar file inside the
// container of crypto/CalendarContainer.h. Opening asks for the passphrase (unless the key the
// document holds fits the file), derives the key once and decrypts into one buffer that the usual
// reader then reads; everything written for the calendar (a save, a recovery copy) is the usual
// file form, encrypted with the key the calendar keeps while it is open.
//
//   SDecryptedFile plain;
//   switch (DecryptCalendarFile(bytes, fullPath, ui, doc.EncryptionKey(), plain)) ...
//   WriteFile(path, SealCalendarBytes(doc, StoreCalendar(doc)));

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "crypto/SecretKey.h"
#include "document/RecordMap.h"

namespace orv {

class CTedDoc;
class IUiServices;

// The one message for a wrong passphrase and for any damage: the two cannot be told apart.
inline constexpr const char* kCannotDecrypt = "Heslo není správné, nebo je soubor poškozen.";
inline constexpr const char* kEncryptedProtection = "Šifrováno (Argon2id, XChaCha20-Poly1305)";
inline constexpr const char* kPasswordProtection = "Chráněno heslem (slabá ochrana)";

// "Zadejte heslo k zašifrovanému kalendáři :" with the file's full path.
std::string PassphrasePrompt(std::string_view fullPath);

struct SDecryptedFile {
  CArchiveBuffer bytes;  // the calendar's ordinary file bytes
  std::shared_ptr<const crypto::CSecretKey> key;
};

enum class EDecryptOutcome { Decrypted, Cancelled, Refused };

// Cancelled when no passphrase was given (nothing shown); Refused after kCannotDecrypt with the path.
EDecryptOutcome DecryptCalendarFile(std::string_view container, std::string_view fullPath, IUiServices& ui,
                                    const std::shared_ptr<const crypto::CSecretKey>& known,
                                    SDecryptedFile& out);

// The ordinary file bytes inside a container, decrypted with `key` alone (no one is asked); nullopt
// when the key does not fit the container or the container is damaged.
std::optional<CArchiveBuffer> DecryptWithKey(std::string_view container, const crypto::CSecretKey& key);

// A buffer of decrypted bytes that is wiped when its last holder lets it go (the lazy record map
// keeps it while records still point into it). `writable` is the buffer's own memory.
CArchiveBuffer WipedWhenFreed(CArchiveBuffer buffer, char* writable);

// The bytes to write for the calendar: its file form as it is, or encrypted when it has a key.
std::string SealCalendarBytes(const CTedDoc& doc, std::string plain);

inline constexpr const char* kNewPassphrasePrompt = "Zadejte heslo pro zašifrování kalendáře :";
inline constexpr const char* kRepeatPassphrasePrompt = "Zadejte heslo znovu :";
inline constexpr const char* kPassphrasesDiffer = "Zadaná hesla se liší. Kalendář nebyl zašifrován.";
inline constexpr const char* kEmptyPassphrase = "Heslo nesmí být prázdné. Kalendář nebyl zašifrován.";
inline constexpr const char* kForgottenPassphrase =
    "Zapomenuté heslo nelze nijak obnovit: bez něj už kalendář nikdo neotevře.";

// "Zašifrovat": the passphrase typed twice (UTF-8). Two different entries or an empty one are refused
// with a message; otherwise the key is derived (a second or so) and set. Both strings are wiped.
bool EncryptCalendar(CTedDoc& doc, std::string& first, std::string& second, IUiServices& ui);
// "Zrušit šifrování": the calendar's passphrase once more, so that no one who finds the window open
// removes the encryption; a wrong one is refused with a message. The passphrase is wiped.
bool RemoveEncryption(CTedDoc& doc, std::string& passphrase, IUiServices& ui);
// A hint from the passphrase's length and the kinds of characters in it: "Síla hesla: slabé" ...
std::string PassphraseStrength(std::string_view passphrase);

// An export writes the calendar's words in clear: for an encrypted calendar the user chooses first
// between an export encrypted with the calendar's key ("Zašifrovat"), one in clear and none; where
// no such choice can be offered (orv), the export is in clear after a yes, or encrypted when orv was
// told so beforehand (SetSealExports). True when the export may go on.
bool ConfirmPlainExport(const CTedDoc& doc, IUiServices& ui);
inline constexpr const char* kExportChoiceQuestion =
    "Kalendář je zašifrován. Export může být zašifrován stejným heslem (přečte jej jen ten, kdo heslo zná, "
    "po dešifrování programem orv decrypt), nebo zapsán nezašifrovaný: pak jeho poznámky a výklady přečte "
    "každý, kdo získá soubor exportu.";
inline constexpr const char* kEncryptExportButton = "Zašifrovat";
inline constexpr const char* kPlainExportButton = "Zapsat nezašifrovaný";
inline constexpr const char* kCancelExportButton = "Storno";
// The export's bytes as they are written: encrypted when the calendar seals its exports.
std::string SealExportBytes(const CTedDoc& doc, std::string_view bytes);
inline constexpr const char* kPlainExportQuestion =
    "Kalendář je zašifrován, export však zapíše poznámky a výklady nezašifrované: přečte je každý, kdo "
    "získá soubor exportu. Pokračovat?";

// The calendar's protection as "O souboru" names it; empty for none.
std::string ProtectionText(const CTedDoc& doc);

}  // namespace orv
