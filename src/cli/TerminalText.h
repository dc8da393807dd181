#pragma once
// Calendar text on its way to the user's terminal. A note or commentary may hold any byte, and a
// stored escape sequence printed raw would run in the terminal (change its title, clear the screen,
// remap keys): on a terminal, control characters other than line breaks and tabs are shown as the
// JSON of `orv dump` shows them ("\u001b"). Output into a pipe or a file stays byte for byte.
//
//   ctx.out << ShownText(Cp1250ToUtf8(record.m_Poznamka), ctx) << '\n';

#include <ostream>
#include <string>
#include <string_view>

#include "cli/CliCommand.h"

namespace orv::cli {

// Writes the character `code` (below 0x100) as "\u00XX".
void WriteEscapedCode(std::ostream& out, unsigned code);

// UTF-8 text as orv prints it to ctx.out.
std::string ShownText(std::string_view utf8, const CliContext& ctx);

}  // namespace orv::cli
