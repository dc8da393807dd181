#include "cli/CliCommand.h"
#include "cli/Commands.h"
#include "cli/QtCommandModule.h"

namespace orv::cli {
namespace {

// The handler of a command that runs in the module orv-qt.so.
template <const char* Name>
int InQtModule(const std::vector<std::string>& words, CliContext& ctx) {
  return RunQtCommand(Name, words, ctx);
}

constexpr char kCommentary[] = "commentary";
constexpr char kAppend[] = "append";

}  // namespace

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      {"names", "[SOUBOR.orv] [--category N]",
       "jména a svátky kalendáře, bez souboru nového (kategorie 0–4, výchozí 0)", CmdNames},
      {"match", "VÝRAZ TEXT [--logical] [--mask] [--whole] [--case]",
       "vypíše 1, když text odpovídá hledanému výrazu, jinak 0", CmdMatch},
      {"new", "SOUBOR.orv", "vytvoří nový kalendář", CmdNew},
      {"info", "SOUBOR.orv", "údaje o kalendáři: verze, heslo, autor, počty záznamů, stylů a jmen", CmdInfo},
      {"dump", "SOUBOR.orv", "celý obsah kalendáře jako JSON", CmdDump},
      {"note", "SOUBOR.orv RRRR-MM-DD [TEXT]",
       "vypíše poznámku dne, nebo ji nahradí textem (prázdný ji smaže)", CmdNote},
      {"day", "SOUBOR.orv RRRR-MM-DD", "poznámka dne, výklad dne a výklad měsíce jako prostý text", CmdDay},
      {"convert", "VSTUP.orv VÝSTUP.orv", "uloží kalendář kterékoli verze jako kalendář současné verze",
       CmdConvert},
      {"password", "SOUBOR.orv [NOVÉ_HESLO]", "nastaví heslo kalendáře, bez hesla je odstraní", CmdPassword},
      {"author",
       "SOUBOR.orv [--title T] [--version V] [--author A] [--company C] [--date D] [--author-password HESLO] "
       "[--new-author-password HESLO]",
       "údaje o souboru; s volbami je změní (zamčené jen s heslem autora)", CmdAuthor},
      {"delete", "SOUBOR.orv RRRR-MM-DD | --from RRRR-MM-DD --to RRRR-MM-DD",
       "smaže poznámky a výklady dne nebo období (výklady měsíců zůstanou)", CmdDelete},
      {"count", "SOUBOR.orv", "počet dnů se záznamem", CmdCount},
      {"holiday",
       "SOUBOR.orv add KATEGORIE MM/DD JMÉNO | remove KATEGORIE JMÉNO | rename KATEGORIE STARÉ NOVÉ",
       "přidá, smaže nebo přejmenuje svátek (kategorie jmenne, statni, ostatni, soukrome, vyznamne)",
       CmdHoliday},
      {"search", "SOUBOR.orv VÝRAZ [--logical] [--mask] [--whole] [--case] [--commentaries-only] [--keys]",
       "fulltextové vyhledávání ve výkladech a poznámkách; vypíše nalezené dny a měsíce", CmdSearch},
      {"find-notes", "SOUBOR.orv TEXT [--whole] [--case]", "vyhledávání v krátkých poznámkách", CmdFindNotes},
      {"export-txt", "SOUBOR.orv VÝSTUP.txt [--from RRRR-MM-DD] [--to RRRR-MM-DD] [--sep TEXT] [--blank]",
       "export poznámek do textového souboru (Windows-1250, CR LF)", CmdExportTxt},
      {"month", "[SOUBOR.orv] [RRRR-MM] [--no-moon] [--hide KATEGORIE] [--no-notes] [--color]",
       "měsíc tak, jak jej ukazuje kalendář: nadpis a řádek za každý den (bez souboru nového)", CmdMonth},
      {"rtf2txt", "SOUBOR.rtf", "vypíše prostý text souboru RTF", CmdRtf2Txt},
      {kCommentary, "SOUBOR.orv RRRR-MM-DD [--month] [--rtf VSTUP.rtf]",
       "vypíše výklad dne (měsíce) jako RTF, nebo jej nahradí obsahem souboru RTF", InQtModule<kCommentary>},
      {kAppend,
       "ZDROJ.orv CÍL.orv [--from RRRR-MM-DD] [--to RRRR-MM-DD] [--overwrite-styles] [--target-password "
       "HESLO]",
       "připojí poznámky, výklady a styly zdrojového kalendáře k cílovému a cíl uloží (--password je heslo "
       "zdroje)",
       InQtModule<kAppend>},
  };
  return commands;
}

}  // namespace orv::cli
