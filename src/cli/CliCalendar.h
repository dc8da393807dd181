#pragma once
// What the orv commands over one calendar file share: opening it (with the password from --password
// or the prompt), saving it in place or under another name, and reading a date argument.

#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "core/CalendarDates.h"
#include "core/ForwardingUiServices.h"
#include "document/TedDoc.h"

namespace orv::cli {

// Counts the messages shown, so that a refusal the calendar makes silently (a wrong or missing
// password) can still be reported on the terminal.
class CCountingUi : public CForwardingUiServices {
 public:
  explicit CCountingUi(IUiServices& inner) : CForwardingUiServices(inner) {}
  int Shown() const { return m_Shown; }

  void MessageDialog(std::string_view text) override;
  void MessageBox(std::string_view text, MessageIcon icon) override;
  bool AskYesNo(std::string_view text) override;
  bool AskYesNoDefaultNo(std::string_view text) override;

 private:
  int m_Shown = 0;
};

// The calendar file stays locked from opening to the end of the command (or of its save), so that
// two orv runs on one file never both read the old file and one of them lose the other's change.
// While another program holds it, the wait is told once on the error output.
class CCliCalendar {
 public:
  explicit CCliCalendar(CliContext& ctx);

  CTedDoc& Doc() { return m_Doc; }
  // False when the file was not opened; the reason has been shown. The run's year range grows to
  // the years of the calendar's records, so date arguments are read after opening.
  bool Open(const std::string& path);
  // Saves to the file it was opened from, if anything changed.
  bool SaveIfModified();
  // Saves under another name; a file there that this user cannot write is refused like a read-only
  // calendar, and an existing file is replaced only when the user agrees (--yes).
  bool SaveAs(const std::string& path);

 private:
  CliContext& m_Ctx;
  CCountingUi m_Ui;
  CTedDoc m_Doc;
  bool m_bWaitTold = false;
};

// --encrypt of the export commands: the export is written encrypted with the calendar's key, and the
// warning that an export writes in clear is not asked. False, with the reason on the error output,
// for a calendar that is not encrypted: there is no key to encrypt with.
bool SealExportsWhenAsked(bool asked, const CTedDoc& doc, CliContext& ctx);

// The positional arguments of a command that takes from `min` to `max` of them and no options;
// otherwise shows the command's usage and gives nullopt.
std::optional<std::vector<std::string>> PositionalArguments(const std::vector<std::string>& words,
                                                            const char* command, std::size_t min,
                                                            std::size_t max, CliContext& ctx);

// A date argument RRRR-MM-DD within the calendar's years; otherwise tells why and gives nullopt.
std::optional<Date> ParseDateArgument(const std::string& text, CliContext& ctx);
// A date as the arguments write it: "2026-12-11".
std::string DateArgumentText(const Date& date);
// The same for an argument that may be left out: today's date then.
std::optional<Date> ParseDateArgumentOrToday(const std::vector<std::string>& args, std::size_t index,
                                             CliContext& ctx);

// The file name must end in "orv", as the calendar requires of every file it opens.
bool CheckOrvExtension(const std::string& path, CliContext& ctx);

}  // namespace orv::cli
