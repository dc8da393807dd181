#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "document/FileProtection.h"

namespace orv::cli {

// Sets the password that guards opening the calendar, or removes it when none is given.
int CmdPassword(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "password", 1, 2, ctx);
  if (!args) return kExitError;
  const std::optional<std::string> password =
      args->size() == 2 ? CheckPassword((*args)[1], ctx.ui) : std::optional<std::string>("");
  if (!password) return kExitError;
  CCliCalendar calendar(ctx);
  if (!calendar.Open((*args)[0])) return kExitError;
  CTedDoc& doc = calendar.Doc();
  if (*password != doc.m_Heslo) {
    doc.m_Heslo = *password;
    doc.SetModifiedFlag();
  }
  if (!calendar.SaveIfModified()) return kExitError;
  ctx.out << (password->empty() ? "Kalendář není chráněn heslem.\n" : "Kalendář je chráněn heslem.\n");
  return kExitOk;
}

}  // namespace orv::cli
