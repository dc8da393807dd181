#include "cli/CliCommand.h"
#include "cli/Commands.h"
#include "cli/QtCommandModule.h"
#include "core/YearRange.h"

namespace orv::cli {
namespace {

// The handler of a command that runs in the module orv-qt.so.
template <const char* Name>
int InQtModule(const std::vector<std::string>& words, CliContext& ctx) {
  return RunQtCommand(Name, words, ctx);
}

constexpr char kCommentary[] = "commentary";
constexpr char kExportRtf[] = "export-rtf";
constexpr char kExportPdf[] = "export-pdf";
constexpr char kAppend[] = "append";
constexpr char kStyles[] = "styles";
constexpr char kStyle[] = "style";
constexpr char kReplace[] = "replace";
constexpr char kImportRedNotebook[] = "import-rednotebook";
constexpr char kImportMd[] = "import-md";
constexpr char kExportMd[] = "export-md";

}  // namespace

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      {"names", "[SOUBOR.orv] [--category N]",
       "jména a svátky kalendáře, bez souboru nového (kategorie 0–4, výchozí 0)", CmdNames},
      {"match", "VÝRAZ TEXT [--logical] [--mask] [--whole] [--case] [--no-accents]",
       "vypíše 1, když text odpovídá hledanému výrazu, jinak 0", CmdMatch},
      {"new", "SOUBOR.orv", "vytvoří nový kalendář", CmdNew},
      {"info", "SOUBOR.orv", "údaje o kalendáři: verze, heslo, autor, počty záznamů, stylů a jmen", CmdInfo},
      {"dump", "SOUBOR.orv", "celý obsah kalendáře jako JSON", CmdDump},
      {"note", "SOUBOR.orv [RRRR-MM-DD] [TEXT]",
       "vypíše poznámku dne (bez data dnešního), nebo ji nahradí textem (prázdný ji smaže)", CmdNote},
      {"day", "SOUBOR.orv [RRRR-MM-DD]",
       "poznámka dne, výklad dne a výklad měsíce jako prostý text (bez data dnešního dne)", CmdDay},
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
      {"search",
       "SOUBOR.orv VÝRAZ [--logical] [--mask] [--whole] [--case] [--commentaries-only] [--keys] "
       "[--no-accents] [--export-rtf VÝSTUP.rtf [--area days|day-commentaries|months] [--encrypt]]",
       "fulltextové vyhledávání ve výkladech a poznámkách; vypíše nalezené dny a měsíce (s --export-rtf je "
       "zapíše do RTF, nejvýše 365)",
       CmdSearch},
      {"find-notes", "SOUBOR.orv TEXT [--whole] [--case] [--no-accents] [--export-rtf VÝSTUP.rtf [--encrypt]]",
       "vyhledávání v krátkých poznámkách (s --export-rtf zapíše nalezené dny do RTF)", CmdFindNotes},
      {"export-txt",
       "SOUBOR.orv VÝSTUP.txt [--from RRRR-MM-DD] [--to RRRR-MM-DD] [--sep TEXT] [--blank] [--encrypt]",
       "export poznámek do textového souboru (Windows-1250, CR LF)", CmdExportTxt},
      {"month", "[SOUBOR.orv] [RRRR-MM] [--no-moon] [--hide KATEGORIE] [--no-notes] [--color]",
       "měsíc tak, jak jej ukazuje kalendář: nadpis a řádek za každý den (bez souboru nového)", CmdMonth},
      {"rtf2txt", "SOUBOR.rtf", "vypíše prostý text souboru RTF", CmdRtf2Txt},
      {"spell", "SOUBOR.orv [--from RRRR-MM-DD] [--to RRRR-MM-DD]",
       "slova výkladů, která český slovník nezná: slovo, počet výskytů, dny a měsíce (nejčastější první)",
       CmdSpell},
      {"on-this-day", "SOUBOR.orv [MM-DD]",
       "záznamy téhož dne ve všech letech kalendáře, nejnovější první (bez dne dnešní): datum, poznámka a "
       "začátek výkladu",
       CmdOnThisDay},
      {kCommentary, "SOUBOR.orv RRRR-MM-DD [--month] [--rtf VSTUP.rtf]",
       "vypíše výklad dne (měsíce) jako RTF, nebo jej nahradí obsahem souboru RTF", InQtModule<kCommentary>},
      {kExportRtf,
       "SOUBOR.orv VÝSTUP.rtf [--from RRRR-MM-DD] [--to RRRR-MM-DD] [--no-notes] [--no-day-commentaries] "
       "[--no-month-commentaries] [--month-style STYL] [--day-style STYL] [--all] [--encrypt]",
       "export poznámek a výkladů do souboru RTF (--all bez omezení na 365 záznamů)", InQtModule<kExportRtf>},
      {kExportPdf,
       "SOUBOR.orv VÝSTUP.pdf [--from RRRR-MM-DD] [--to RRRR-MM-DD] [--no-notes] [--no-day-commentaries] "
       "[--no-month-commentaries] [--month-style STYL] [--day-style STYL] [--encrypt]",
       "export poznámek a výkladů do PDF (A4, jméno kalendáře a čísla stran v zápatí)",
       InQtModule<kExportPdf>},
      {kAppend,
       "ZDROJ.orv CÍL.orv [--from RRRR-MM-DD] [--to RRRR-MM-DD] [--overwrite-styles] [--target-password "
       "HESLO]",
       "připojí poznámky, výklady a styly zdrojového kalendáře k cílovému a cíl uloží (--password je heslo "
       "zdroje)",
       InQtModule<kAppend>},
      {kStyles, "SOUBOR.orv [--json] [--base-font PÍSMO]",
       "styly písma a styly odstavce kalendáře se všemi údaji", InQtModule<kStyles>},
      {kStyle,
       "SOUBOR.orv NÁZEV [--para] [--new | --delete] [--face PÍSMO] [--charset N] [--size PT] "
       "[--bold|--no-bold] "
       "[--italic|--no-italic] [--underline|--no-underline] [--strike|--no-strike] [--color RRGGBB] "
       "[--char-style NÁZEV] [--align left|center|right] [--indent CM] [--right-indent CM] [--offset CM] "
       "[--before PT] [--after PT] [--line PT] [--tabs CM,CM,...] [--base-font PÍSMO]",
       "vytvoří, změní nebo smaže styl se všemi kontrolami dialogu, přeformátuje výklady a uloží kalendář",
       InQtModule<kStyle>},
      {kReplace, "SOUBOR.orv RRRR-MM-DD HLEDANÝ NÁHRADA [--month] [--mask] [--whole] [--case] [--no-accents]",
       "zamění každý výskyt ve výkladu dne (měsíce) a vypíše počet záměn", InQtModule<kReplace>},
      {"conflicts", "SOUBOR.orv", "konfliktní kopie kalendáře, které vedle něj zanechaly synchronizační programy",
       CmdConflicts},
      {"merge", "SOUBOR.orv KOPIE.orv [--base ZÁKLAD.orv] [--keep]",
       "sloučí kopii kalendáře do kalendáře, uloží jej a kopii přesune do koše (--keep ji ponechá)",
       CmdMerge},
      {"encrypt", "SOUBOR.orv",
       "zašifruje kalendář heslem ze souboru (--password-file) nebo zadaným na terminálu", CmdEncrypt},
      {"decrypt", "SOUBOR.orv", "zruší šifrování kalendáře a uloží jej nezašifrovaný", CmdDecrypt},
      {kImportRedNotebook, "SLOŽKA SOUBOR.orv",
       "připojí deník RedNotebook (měsíční soubory RRRR-MM.txt) ke kalendáři, chybí-li, vytvoří jej",
       InQtModule<kImportRedNotebook>},
      {kImportMd, "SLOŽKA SOUBOR.orv",
       "připojí poznámky Markdown (RRRR-MM-DD.md, RRRR_MM_DD.md, RRRR-MM-DD.txt) ke kalendáři, chybí-li, vytvoří "
       "jej",
       InQtModule<kImportMd>},
      {kExportMd, "SOUBOR.orv SLOŽKA [--from RRRR-MM-DD] [--to RRRR-MM-DD]",
       "export dnů a výkladů měsíců do souborů Markdown SLOŽKA/RRRR/RRRR-MM-DD.md a RRRR-MM.md",
       InQtModule<kExportMd>},
  };
  return commands;
}

const std::vector<CliOption>& CliGlobalOptions() {
  static const std::vector<CliOption> options = {
      {"--password", "HESLO",
       "heslo kalendáře chráněného heslem (jinak se na terminálu zeptá); pozor: heslo na příkazovém řádku "
       "vidí i ostatní uživatelé počítače"},
      {"--password-file", "SOUBOR", "heslo z prvního řádku souboru (tak i heslo šifrovaného kalendáře)"},
      {"--yes", "", "na otázky odpovídá \"Ano\" (například přepsání souboru)"},
      {"--years", "OD-DO",
       "roky kalendáře pro tento běh, " + std::to_string(kEarliestYear) + " až " + std::to_string(kLatestYear) +
           " (jinak rozsah let nastavený v programu Orvella 2, bez nastavení 2000 až letošní rok + 10, rozšířený "
           "o roky záznamů otevřeného kalendáře)"},
  };
  return options;
}

}  // namespace orv::cli
