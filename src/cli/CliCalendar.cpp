#include "cli/CliCalendar.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <ostream>

#include "cli/CliArgs.h"
#include "document/RecordYears.h"
#include "core/RegularFile.h"
#include "crypto/CalendarContainer.h"

namespace orv::cli {

void CCountingUi::MessageDialog(std::string_view text) {
  ++m_Shown;
  Inner().MessageDialog(text);
}

void CCountingUi::MessageBox(std::string_view text, MessageIcon icon) {
  ++m_Shown;
  Inner().MessageBox(text, icon);
}

bool CCountingUi::AskYesNo(std::string_view text) {
  ++m_Shown;
  return Inner().AskYesNo(text);
}

bool CCountingUi::AskYesNoDefaultNo(std::string_view text) {
  ++m_Shown;
  return Inner().AskYesNoDefaultNo(text);
}

CCliCalendar::CCliCalendar(CliContext& ctx) : m_Ctx(ctx), m_Ui(ctx.ui), m_Doc(m_Ui) {
  m_Doc.KeepFileLocked(true);
  m_Doc.SetOnLockWait([this](std::string_view text) {
    if (text.empty()) {
      m_bWaitTold = false;
    } else if (!m_bWaitTold) {
      m_Ctx.err << text << '\n';
      m_bWaitTold = true;
    }
  });
}

namespace {

bool IsEncryptedFile(const std::string& path) {
  const SRegularFile file = OpenRegularFile(path);
  if (file.fd < 0) return false;
  char start[crypto::kContainerMagic.size()];
  int error = 0;
  const std::size_t n = ReadFully(file.fd, start, sizeof start, error);
  ::close(file.fd);
  return crypto::LooksEncrypted({start, n});
}

}  // namespace

bool CCliCalendar::Open(const std::string& path) {
  const int shownBefore = m_Ui.Shown();
  if (m_Doc.OnOpenDocument(path)) {
    WidenYearRangeToRecords(m_Doc);
    return true;
  }
  if (m_Ui.Shown() != shownBefore) return false;
  // Nothing was said: no password could be had (no option, no terminal), or "Storno".
  if (IsEncryptedFile(path))
    m_Ctx.err << "Kalendář " << path
              << " je zašifrován; heslo zadejte souborem (--password-file SOUBOR) nebo na terminálu.\n";
  else
    m_Ctx.err << "Kalendář " << path
              << " je chráněn heslem; heslo chybí nebo nesouhlasí (volba --password nebo --password-file).\n";
  return false;
}

bool CCliCalendar::SaveIfModified() {
  return !m_Doc.IsModified() || m_Doc.OnSaveDocument(m_Doc.GetPathName());
}

bool CCliCalendar::SaveAs(const std::string& path) {
  if (!CheckOrvExtension(path, m_Ctx)) return false;
  const bool exists = ::access(path.c_str(), F_OK) == 0;
  const bool writable = ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
  if (exists && writable && !m_Ui.AskYesNo("Soubor " + path + " již existuje. Přepsat?")) return false;
  return m_Doc.OnSaveDocument(path);
}

bool SealExportsWhenAsked(bool asked, const CTedDoc& doc, CliContext& ctx) {
  if (asked && !doc.EncryptionKey()) {
    ctx.err << "Kalendář " << doc.GetPathName()
            << " není zašifrován; export lze zašifrovat jen heslem zašifrovaného kalendáře.\n";
    return false;
  }
  doc.SetSealExports(asked);
  return true;
}

std::optional<std::vector<std::string>> PositionalArguments(const std::vector<std::string>& words,
                                                            const char* command, std::size_t min,
                                                            std::size_t max, CliContext& ctx) {
  std::string error;
  const std::optional<CliArgs> args = CliArgs::Parse(words, {}, {}, error);
  if (args && args->Positional().size() >= min && args->Positional().size() <= max) return args->Positional();
  if (!error.empty()) ctx.err << error << '\n';
  for (const CliCommand& c : CliCommands())
    if (std::string_view(c.name) == command)
      ctx.err << "Použití: orv " << c.name << ' ' << c.synopsis << '\n';
  return std::nullopt;
}

std::optional<Date> ParseDateArgument(const std::string& text, CliContext& ctx) {
  const auto digits = [&](std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
      if (!std::isdigit(static_cast<unsigned char>(text[i]))) return -1;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
    const Date date{digits(0, 4), digits(5, 2), digits(8, 2)};
    if (IsYearInRange(date.year) && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
        date.day <= DaysInMonth(date.year, date.month))
      return date;
  }
  ctx.err << "Neplatné datum \"" << text << "\": zadejte den ve tvaru RRRR-MM-DD v letech " << MinYear()
          << " až " << MaxYear() << ".\n";
  return std::nullopt;
}

std::string DateArgumentText(const Date& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::optional<Date> ParseDateArgumentOrToday(const std::vector<std::string>& args, std::size_t index,
                                             CliContext& ctx) {
  if (index < args.size()) return ParseDateArgument(args[index], ctx);
  const Date today = Today();
  if (IsYearInRange(today.year)) return today;
  ctx.err << "Dnešní den leží mimo roky kalendáře " << MinYear() << " až " << MaxYear()
          << "; zadejte den ve tvaru RRRR-MM-DD.\n";
  return std::nullopt;
}

bool CheckOrvExtension(const std::string& path, CliContext& ctx) {
  if (HasOrvExtension(path)) return true;
  ctx.ui.MessageDialog("Soubor nemá příponu .orv");
  return false;
}

}  // namespace orv::cli
