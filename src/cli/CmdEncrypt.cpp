// orv encrypt / orv decrypt: the window's "Zašifrovat ..." and "Zrušit šifrování ...". The passphrase
// comes from --password-file or a hidden prompt on the terminal, never from the command line.
#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "document/EncryptedCalendar.h"

namespace orv::cli {

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
