#include "cli/TerminalUiServices.h"

#include <termios.h>
#include <unistd.h>

#include <istream>
#include <ostream>

#include "core/Cp1250.h"

namespace orv::cli {
namespace {

// Messages use "\r\n" line breaks as the dialogs show them; a terminal wants "\n".
std::string WithoutCarriageReturns(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

std::optional<std::string> ReadHiddenLine(std::istream& in) {
  termios saved{};
  const bool tty = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved) == 0;
  if (tty) {
    termios hidden = saved;
    hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
  }
  std::string line;
  const bool ok = static_cast<bool>(std::getline(in, line));
  if (tty) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
  if (!ok) return std::nullopt;
  return line;
}

}  // namespace

TerminalUiServices::TerminalUiServices(std::istream& in, std::ostream& err) : m_In(in), m_Err(err) {}

void TerminalUiServices::PrintMessage(std::string_view text) {
  m_Err << WithoutCarriageReturns(text) << '\n';
}

void TerminalUiServices::MessageDialog(std::string_view text) {
  PrintMessage(text);
}

void TerminalUiServices::MessageBox(std::string_view text, MessageIcon) {
  PrintMessage(text);
}

bool TerminalUiServices::AskYesNo(std::string_view text) {
  PrintMessage(text);
  m_Err << "Ne\n";
  return false;
}

std::optional<std::string> TerminalUiServices::AskPassword(std::string_view prompt) {
  std::optional<std::string> typed = AskPassphrase(prompt);
  if (!typed) return std::nullopt;
  return Cp1250FromUtf8(*typed);
}

std::optional<std::string> TerminalUiServices::AskPassphrase(std::string_view prompt) {
  if (!isatty(STDIN_FILENO)) return std::nullopt;
  m_Err << WithoutCarriageReturns(prompt) << "\nHeslo: " << std::flush;
  auto typed = ReadHiddenLine(m_In);
  m_Err << '\n';
  return typed;
}

std::optional<std::string> TerminalUiServices::ChooseFileToOpen(std::string_view, std::string_view) {
  return std::nullopt;
}

std::optional<std::string> TerminalUiServices::ChooseFileToSave(std::string_view, std::string_view,
                                                                std::string_view) {
  return std::nullopt;
}

}  // namespace orv::cli
