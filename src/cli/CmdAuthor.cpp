// orv author FILE [--title T] [--version V] [--author A] [--company C] [--date D]
// [--author-password PW] [--new-author-password PW]: shows the author data as "O souboru" does, or
// changes it as "Změna údajů o souboru" does: data locked by an author password change only with
// that password, and a wrong one changes nothing. An empty new author password removes it.
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/Cp1250.h"
#include "document/FileProtection.h"

namespace orv::cli {
namespace {

constexpr std::pair<const char*, EAuthorField> kFieldOptions[] = {{"--title", kAuthorTitle},
                                                                  {"--version", kAuthorVersion},
                                                                  {"--author", kAuthorName},
                                                                  {"--company", kAuthorCompany},
                                                                  {"--date", kAuthorDate}};

void PrintAuthorData(const CTedDoc& doc, std::ostream& out) {
  const std::array<std::string, 5> texts = FileInfoTexts(doc);
  for (size_t i = 0; i < texts.size(); ++i)
    out << kAuthorFieldLabels[i] << ' ' << Cp1250ToUtf8(texts[i]) << '\n';
}

}  // namespace

int CmdAuthor(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words,
                                   {"--title", "--version", "--author", "--company", "--date",
                                    "--author-password", "--new-author-password"},
                                   {}, error);
  if (args && args->Positional().size() != 1) error = "Zadejte soubor kalendáře.";
  if (!args || !error.empty()) {
    ctx.err
        << error
        << "\nPoužití: orv author SOUBOR.orv [--title T] [--version V] [--author A] [--company C] [--date D] "
           "[--author-password HESLO] [--new-author-password HESLO]\n";
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  CTedDoc& doc = calendar.Doc();
  const std::optional<std::string> newPassword = args->Value("--new-author-password");
  bool change = newPassword.has_value();
  for (const auto& [option, field] : kFieldOptions) change = change || args->Value(option);
  if (!change) {
    PrintAuthorData(doc, ctx.out);
    return kExitOk;
  }

  CAuthorDataModel author(doc);
  if (author.IsLocked()) {
    const std::optional<std::string> password = args->Value("--author-password");
    if (!password) {
      ctx.err << "Údaje o souboru jsou chráněny heslem autora: zadejte --author-password.\n";
      return kExitNotFound;
    }
    if (!author.Unlock(Cp1250FromUtf8(*password))) {
      ctx.err << "Heslo autora není správné; údaje o souboru zůstaly beze změny.\n";
      return kExitNotFound;
    }
  }
  for (const auto& [option, field] : kFieldOptions)
    if (const std::optional<std::string> value = args->Value(option))
      author.Fields()[field] = Cp1250FromUtf8(*value);
  if (newPassword) {
    const std::string password = Cp1250FromUtf8(*newPassword);
    author.SetNewPassword(password, password, ctx.ui);
  }
  author.Apply(doc);
  if (!calendar.SaveIfModified()) return kExitError;
  PrintAuthorData(doc, ctx.out);
  return kExitOk;
}

}  // namespace orv::cli
