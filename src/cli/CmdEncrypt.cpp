// orv encrypt / orv decrypt: the window's "Zašifrovat ..." and "Zrušit šifrování ...". The passphrase
// comes from --password-file or a hidden prompt on the terminal, never from the command line. orv
// decrypt also reads back an export that was written encrypted with the calendar's key.
#include <filesystem>
#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "crypto/CalendarContainer.h"
#include "document/AtomicFile.h"
#include "document/EncryptedCalendar.h"
#include "document/merge/CalendarBases.h"

namespace orv::cli {
namespace {

// An export written encrypted with a calendar's key (--encrypt, "Zašifrovat" at the export's warning)
// is decrypted in place, keeping the file as every save does.
int DecryptExport(const std::string& path, CliContext& ctx) {
  const SFileBytes file = ReadFileBytes(path, /*lock=*/false);
  if (file.error != 0) {
    ctx.err << "Soubor " << path << " nelze číst: " << FileErrorReason(file.error) << ".\n";
    return kExitError;
  }
  if (!crypto::LooksEncrypted(file.bytes.View())) {
    ctx.err << "Soubor " << path << " není zašifrován.\n";
    return kExitError;
  }
  SDecryptedFile plain;
  const std::string fullPath = std::filesystem::absolute(path).string();
  switch (DecryptCalendarFile(file.bytes.View(), fullPath, ctx.ui, nullptr, plain)) {
    case EDecryptOutcome::Decrypted:
      break;
    case EDecryptOutcome::Cancelled:
      ctx.err << "Heslo chybí: zadejte je souborem (--password-file SOUBOR) nebo na terminálu.\n";
      [[fallthrough]];
    case EDecryptOutcome::Refused:
      return kExitError;
  }
  const SFileWrite written = WriteFileKeepingIdentity(path, plain.bytes.View());
  if (!written.failure.empty()) {
    ctx.err << "Soubor " << path << " nelze zapsat: " << written.failure << ".\n";
    return kExitError;
  }
  ctx.out << "Soubor " << path << " je dešifrován.\n";
  return kExitOk;
}

}  // namespace

int CmdEncrypt(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "encrypt", 1, 1, ctx);
  if (!args) return kExitError;
  CCliCalendar calendar(ctx);
  if (!calendar.Open((*args)[0])) return kExitError;
  CTedDoc& doc = calendar.Doc();
  if (doc.EncryptionKey()) {
    ctx.err << "Kalendář je již zašifrován.\n";
    return kExitError;
  }
  std::optional<std::string> first = ctx.ui.AskPassphrase(kNewPassphrasePrompt);
  std::optional<std::string> second = first ? ctx.ui.AskPassphrase(kRepeatPassphrasePrompt) : std::nullopt;
  if (!second) {
    ctx.err
        << "Heslo pro zašifrování chybí: zadejte je souborem (--password-file SOUBOR) nebo na terminálu.\n";
    return kExitError;
  }
  if (!EncryptCalendar(doc, *first, *second, ctx.ui) || !calendar.SaveIfModified()) return kExitError;
  ctx.out << "Kalendář je zašifrován.\n";
  return kExitOk;
}

int CmdDecrypt(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "decrypt", 1, 1, ctx);
  if (!args) return kExitError;
  if (!HasOrvExtension((*args)[0])) return DecryptExport((*args)[0], ctx);
  CCliCalendar calendar(ctx);
  if (!calendar.Open((*args)[0])) return kExitError;
  CTedDoc& doc = calendar.Doc();
  if (!doc.EncryptionKey()) {
    ctx.err << "Kalendář není zašifrován.\n";
    return kExitError;
  }
  doc.SetEncryptionKey(nullptr);  // the passphrase was given to open it
  if (!calendar.SaveIfModified()) return kExitError;
  ctx.out << "Šifrování kalendáře je zrušeno.\n";
  return kExitOk;
}

}  // namespace orv::cli
