#include "app/CommandTable.h"

#include <array>

#include "app/CommandIds.h"

namespace orv {
namespace {

using R = CommandRule;

constexpr std::string_view kFile = "&Soubor";
constexpr std::string_view kEdit = "Úp&ravy";
constexpr std::string_view kView = "&Zobrazit";
constexpr std::string_view kNav = "Navi&gace";
constexpr std::string_view kFunc = "&Funkce";
constexpr std::string_view kFont = "&Písmo";
constexpr std::string_view kPar = "&Odstavec";
constexpr std::string_view kAlign = "&Odstavec/&Zarovnání";
constexpr std::string_view kHelp = "Nápo&věda";
// Items their owners place: the colour popup, the user styles of "Písmo" and "Odstavec" (named by the
// styles they stand for).
constexpr std::string_view kPlaced = "";

constexpr SCommand Row(int id, std::string_view menu, std::string_view text, std::string_view shortcut,
                       std::string_view prompt, CommandRule rule = CommandRule::Always,
                       bool checkable = false, std::string_view icon = {}) {
  return SCommand{id, menu, text, shortcut, prompt, rule, checkable, icon};
}
constexpr SCommand Sep(std::string_view menu) {
  return SCommand{0, menu, {}, {}, {}, CommandRule::Always, false, {}};
}

// clang-format off
constexpr SCommand kCommands[] = {
  Row(cmd::FileNew, kFile, "&Nový", "Ctrl+N", "Vytvoří nový kalendář\nNový", R::Always, false, "new"),
  Row(cmd::FileOpen, kFile, "&Otevřít...", "Ctrl+O", "Otevře existující kalendář\nOtevřít", R::Always, false, "open"),
  Row(cmd::FileSave, kFile, "&Uložit", "Ctrl+S", "Uloží kalendář\nUložit", R::Writing, false, "save"),
  Row(cmd::FileSaveAs, kFile, "Uložit j&ako", "", "Uloží kalendář pod novým názvem\nUložit jako", R::Writing),
  Sep(kFile),
  Row(cmd::FilePassword, kFile, "Za&heslovat ...\tCtrl+H", "Ctrl+H",
   "Umožní chránit soubor heslem proti neautorizovanému otevření\nZaheslovat", R::Always, false, "lock"),
  Row(cmd::FileEncrypt, kFile, "&Zašifrovat ...", "",
   "Zašifruje kalendář heslem; bez hesla jej nikdo nepřečte\nZašifrovat"),
  Row(cmd::FileDecrypt, kFile, "Zrušit ši&frování ...", "",
   "Po zadání hesla uloží kalendář opět nezašifrovaný\nZrušit šifrování"),
  Row(cmd::FileAppend, kFile, "Připo&jit ke kalendáři ...\tAlt+J", "Alt+J",
   "Přidá poznámky i výklady z tohoto kalendáře k jinému kalendáři\nPřipojit ke kalendáři", R::Always, false,
   "append"),
  Sep(kFile),
  Row(cmd::ExportTxt, kFile, "Export do &txt...\tCtrl+E", "Ctrl+E",
   "Uloží poznámky zvoleného období do textového souboru\nExport do txt"),
  Row(cmd::ExportRtf, kFile, "Export do &rtf ...\tAlt+E", "Alt+E",
   "Uloží poznámky a výklady zvoleného období do souboru RTF\nExport do rtf", R::Always, false, "rtf"),
  Row(cmd::ExportPdf, kFile, "Export do &PDF ...", "",
   "Uloží poznámky a výklady zvoleného období do souboru PDF se stránkami A4\nExport do PDF"),
  Row(cmd::ImportRedNotebook, "&Soubor/&Import", "Deník &RedNotebook ...", "",
   "Připojí ke kalendáři dny deníku RedNotebook\nImport deníku RedNotebook", R::Writing),
  Row(cmd::ImportMarkdown, "&Soubor/&Import", "Složka poznámek &Markdown ...", "",
   "Připojí ke kalendáři dny ze složky poznámek Markdown\nImport poznámek Markdown", R::Writing),
  Row(cmd::ExportMarkdown, "&Soubor/E&xport", "&Markdown ...", "",
   "Uloží dny a výklady měsíců kalendáře do souborů Markdown\nExport do Markdownu"),
  Sep(kFile),
  Row(cmd::FilePrint, kFile, "Ti&sk ...\tCtrl+P", "Ctrl+P", "Vytiskne poznámky a výklady zvoleného období\nTisk"),
  Row(cmd::FilePrintPreview, kFile, "Náh&led tisku", "", "Ukáže stránky tisku zvoleného období\nNáhled tisku"),
  Sep(kFile),
  Row(cmd::RecentFiles, kFile, "Posle&dní soubory", "", "Otevře některý z naposledy otevřených kalendářů"),
  Sep(kFile),
  Row(cmd::AppExit, kFile, "&Konec", "", "Ukončí program; nabídne uložení změn\nKonec"),

  Row(cmd::EditUndo, kEdit, "&Zpět\tCtrl+Z", "Ctrl+Z", "Vrátí poslední úpravu\nZpět", R::Undo),
  Sep(kEdit),
  Row(cmd::EditCut, kEdit, "Vyj&mout\tCtrl+X", "Ctrl+X", "Vyjme označený text do schránky\nVyjmout", R::Cut, false,
   "cut"),
  Row(cmd::EditCopy, kEdit, "Z&kopírovat\tCtrl+C", "Ctrl+C", "Zkopíruje označený text do schránky\nZkopírovat",
   R::Copy, false, "copy"),
  Row(cmd::EditPaste, kEdit, "V&ložit\tCtrl+V", "Ctrl+V", "Vloží text ze schránky\nVložit", R::Paste, false,
   "paste"),
  Sep(kEdit),
  Row(cmd::EditFind, kEdit, "&Najít\tCtrl+F", "Ctrl+F", "Najde text ve výkladu\nNajít", R::EditorRead, false, "find"),
  Row(cmd::EditFindNext, kEdit, "Najít &další\tF3", "F3", "Najde další výskyt hledaného textu\nNajít další",
   R::EditorRead),
  Row(cmd::EditReplace, kEdit, "Z&aměnit\tCtrl+R", "Ctrl+R", "Zamění text ve výkladu jiným textem\nZaměnit",
   R::EditorWrite),
  Sep(kEdit),
  Row(cmd::InsertSymbol, kEdit, "Vložit &symbol\tAlt+C", "Alt+C", "Vloží do výkladu zvláštní znak\nVložit symbol",
   R::EditorWrite),

  Row(cmd::ViewToolBar, kView, "&Standardní panel nástrojů", "", "Zobrazí nebo skryje panel nástrojů\nPanel nástrojů",
   R::Always, true),
  Row(cmd::ViewStyleBar, kView, "&Formátovací panel nástrojů", "",
   "Zobrazí nebo skryje formátovací panel nástrojů\nFormátovací panel", R::Writing, true),
  Row(cmd::ViewStatusBar, kView, "S&tavový řádek", "", "Zobrazí nebo skryje stavový řádek\nStavový řádek", R::Always,
   true),
  Row(cmd::ViewRuler, kView, "&Pravítko", "", "Zobrazí nebo skryje pravítko\nPravítko", R::Always, true),
  Sep(kView),
  Row(cmd::ShowNameDays, kView, "&Jmenné svátky", "", "Zobrazí nebo skryje jmenné svátky\nJmenné svátky", R::Always,
   true),
  Row(cmd::ShowStateHolidays, kView, "Stát&ní svátky", "", "Zobrazí nebo skryje státní svátky\nStátní svátky",
   R::Always, true),
  Row(cmd::ShowOtherHolidays, kView, "&Ostatní svátky", "", "Zobrazí nebo skryje ostatní svátky\nOstatní svátky",
   R::Always, true),
  Row(cmd::ShowBirthdays, kView, "N&arozeniny", "", "Zobrazí nebo skryje soukromé svátky a narozeniny\nNarozeniny",
   R::Always, true),
  Row(cmd::ShowSignificantDays, kView, "&Významné dny", "", "Zobrazí nebo skryje významné dny\nVýznamné dny",
   R::Always, true),
  Row(cmd::ShowAllHolidays, kView, "Vš&echny svátky\tF7", "F7", "Zobrazí nebo skryje všechny svátky\nVšechny svátky"),
  Sep(kView),
  Row(cmd::ViewOnly, kView, "Pou&ze prohlížení", "",
   "Zablokuje nebo povolí zapisování do kalendáře\nPouze prohlížení", R::Grid),
  Row(cmd::SpellCheck, kView, "&Kontrola pravopisu", "", "Podtrhne ve výkladech neznámá slova\nKontrola pravopisu",
   R::Spelling, true),
  Sep(kView),
  Row(cmd::AlwaysOnTop, kView, "Navr&chu\tF8", "F8", "Ponechá okno nad ostatními okny\nNavrchu", R::Always, true),
  Row(cmd::Maximise, kView, "&Maximalizovat / Obnovit\tF9", "F9", "Zvětší okno na celou obrazovku nebo je obnoví\n"
   "Maximalizovat / Obnovit", R::Always, true),

  Row(cmd::NextMonth, kNav, "&následující měsíc\t-->", "", "Zobrazí následující měsíc\nNásledující měsíc"),
  Row(cmd::PrevMonth, kNav, "&předcházející měsíc\t<--", "", "Zobrazí předcházející měsíc\nPředcházející měsíc"),
  Row(cmd::StartOfMonth, kNav, "&začátek měsíce\tHome, PgUp", "", "Přejde na první den měsíce\nZačátek měsíce"),
  Row(cmd::EndOfMonth, kNav, "&konec měsíce\tEnd, PgDn", "", "Přejde na poslední den měsíce\nKonec měsíce"),
  Row(cmd::NextYear, kNav, "následující &rok\tCtrl + -->", "", "Zobrazí tentýž měsíc následujícího roku\n"
   "Následující rok"),
  Row(cmd::PrevYear, kNav, "předcházející r&ok\tCtrl + <--", "", "Zobrazí tentýž měsíc předcházejícího roku\n"
   "Předcházející rok"),
  Row(cmd::January, kNav, "&leden\tCtrl+Home, Ctrl+PgUp", "", "Zobrazí leden zobrazeného roku\nLeden"),
  Row(cmd::December, kNav, "prosine&c\tCtrl+End, Ctrl+PgDn", "", "Zobrazí prosinec zobrazeného roku\nProsinec"),
  Sep(kNav),
  Row(cmd::CalendarNote, kNav, "k&alendář <-> poznámka\tF2", "F2", "Přepne mezi kalendářem a krátkou poznámkou\n"
   "Kalendář <-> poznámka"),
  Row(cmd::NoteToCalendar, kNav, "z poznámk&y do kalendáře\tF2, Enter; Esc", "",
   "Ukončí editování poznámky a vrátí se do kalendáře\nZ poznámky do kalendáře", R::NoteWrite),
  Row(cmd::ToDayCommentary, kNav, "do výkladu dn&e\tCtrl+W", "Ctrl+W", "Přejde do výkladu vybraného dne\n"
   "Do výkladu dne"),
  Row(cmd::ToMonthCommentary, kNav, "do výkladu &měsíce\tAlt+W", "Alt+W", "Přejde do výkladu zobrazeného měsíce\n"
   "Do výkladu měsíce"),
  Row(cmd::CommentaryToCalendar, kNav, "z &výkladu do kalendáře\tCtrl+Q", "Ctrl+Q", "Vrátí se z výkladu do kalendáře\n"
   "Z výkladu do kalendáře"),
  Sep(kNav),
  Row(cmd::GoTo, kNav, "&Jdi na ...\tCtrl+G", "Ctrl+G", "Přejde na zadané datum\nJdi na", R::Always, false, "goto"),
  Row(cmd::Today, kNav, "&Dnes\tCtrl+D", "Ctrl+D", "Přejde na dnešní datum\nDnes", R::Always, false, "today"),
  Row(cmd::OnThisDay, kNav, "Tento den v minul&ých letech ...\tCtrl+Shift+D", "Ctrl+Shift+D",
   "Ukáže záznamy zobrazeného dne a měsíce z ostatních let\nTento den v minulých letech", R::Always, false,
   "onthisday"),
  Sep(kNav),
  Row(cmd::PrevRecord, kNav, "předc&házející záznam\tF4", "F4", "Přejde na nejbližší dřívější den se záznamem\n"
   "Předcházející záznam", R::Always, false, "prevrec"),
  Row(cmd::NextRecord, kNav, "násled&ující záznam\tF5", "F5", "Přejde na nejbližší pozdější den se záznamem\n"
   "Následující záznam", R::Always, false, "nextrec"),
  Row(cmd::FirstRecord, kNav, "prvn&í záznam\tCtrl+F4", "Ctrl+F4", "Přejde na nejstarší záznam kalendáře\n"
   "První záznam"),
  Row(cmd::LastRecord, kNav, "po&slední záznam\tCtrl+F5", "Ctrl+F5", "Přejde na nejnovější záznam kalendáře\n"
   "Poslední záznam"),
  Sep(kNav),
  Row(cmd::HistoryBack, kNav, "h&istorie - předchozí datum\tAlt+<-- ", "Alt+Left", "Vrátí se na dříve zobrazený den\n"
   "Historie zpět"),
  Row(cmd::HistoryForward, kNav, "his&torie - následující datum\tAlt+-->", "Alt+Right",
   "Přejde na později zobrazený den historie\nHistorie vpřed"),

  Row(cmd::NoteSearch, kFunc, "&Vyhledávání v krátkých poznámkách...\tCtrl+L", "Ctrl+L",
   "Vyhledávání v poznámkách v celém kalendáři\nVyhledávání v krátkých poznámkách", R::Always, false, "notesearch"),
  Row(cmd::FullTextSearch, kFunc, "&Fulltextové vyhledávání ...\tAlt+L", "Alt+L",
   "Vyhledá výraz ve výkladech dnů a měsíců\nFulltextové vyhledávání", R::Always, false, "fulltext"),
  Sep(kFunc),
  Row(cmd::DeleteDay, kFunc, "Smazat &den\tCtrl+M", "Ctrl+M", "Smaže poznámku i výklad vybraného dne\nSmazat den",
   R::Always, false, "deleteday"),
  Row(cmd::DeletePeriod, kFunc, "Smazat &období ...\tAlt+M", "Alt+M",
   "Smaže poznámky i výklady všech dnů zvoleného období\nSmazat období"),
  Row(cmd::RecordCount, kFunc, "&Počet záznamů", "", "Zobrazí počet dnů se záznamem\nPočet záznamů"),
  Sep(kFunc),
  Row(cmd::HolidayLists, kFunc, "&Seznamy svátků ...\tF11", "F11", "Zobrazí seznamy svátků\nSeznamy svátků", R::Always,
   false, "holidays"),
  Row(cmd::ChangeHolidays, kFunc, "&Změnit svátky ...\tF12", "F12", "Přidat, mazat nebo upravovat svátky\n"
   "Změnit svátky", R::Always, false, "changeholidays"),
  Sep(kFunc),
  Row(cmd::AuthorData, kFunc, "Změ&na údajů o souboru ...", "", "Změnit informace o souboru\nZměna údajů o souboru"),
  Row(cmd::YearRange, kFunc, "&Rozsah let ...", "", "Nastaví roky, které kalendář ukazuje\nRozsah let"),

  Row(cmd::StyleStandard1, kFont, "Standard &1", "Ctrl+1", "Použije styl písma Standard1\nStandard 1", R::EditorWrite),
  Row(cmd::StyleStandard2, kFont, "Standard &2", "Ctrl+2", "Použije styl písma Standard2\nStandard 2", R::EditorWrite),
  Row(cmd::StyleNadpis1, kFont, "&Nadpis 1", "Ctrl+3", "Použije styl písma Nadpis1\nNadpis 1", R::EditorWrite),
  Row(cmd::StyleNadpis2, kFont, "N&adpis 2", "Ctrl+4", "Použije styl písma Nadpis2\nNadpis 2", R::EditorWrite),
  Sep(kFont),
  Row(cmd::Bold, kFont, "&Tučné", "Ctrl+B", "Zapne nebo vypne tučné písmo\nTučné", R::EditorWrite, true, "bold"),
  Row(cmd::Italic, kFont, "&Kurzíva", "Ctrl+I", "Zapne nebo vypne kurzívu\nKurzíva", R::EditorWrite, true, "italic"),
  Row(cmd::Underline, kFont, "Po&dtržené", "Ctrl+U", "Zapne nebo vypne podtržení\nPodtržené", R::EditorWrite, true,
   "underline"),
  Row(cmd::Plain, kFont, "&Obyčejné", "Ctrl+Space", "Zruší tučné písmo, kurzívu, podtržení i přeškrtnutí\nObyčejné",
   R::EditorWrite, true),
  Sep(kFont),
  Row(cmd::FontDialog, kFont, "&Písmo ...", "", "Nastaví písmo označeného textu\nPísmo", R::EditorWrite),
  Row(cmd::Colours, kFont, "&Barvy >>", "Alt+B", "Nastaví barvu označeného textu\nBarvy", R::EditorWrite, false,
   "colours"),
  Row(cmd::CharStylesDialog, kFont, "&Styly písma ...", "Ctrl+T", "Vytváří a upravuje styly písma\nStyly písma",
   R::EditorWrite),

  Row(cmd::StyleNormal1, kPar, "Normal &1", "Alt+1", "Použije styl odstavce Normal1\nNormal 1", R::EditorWrite),
  Row(cmd::StyleNormal2, kPar, "Normal &2", "Alt+2", "Použije styl odstavce Normal2\nNormal 2", R::EditorWrite),
  Row(cmd::StyleHlavicka1, kPar, "&Hlavička 1", "Alt+3", "Použije styl odstavce Hlavička1\nHlavička 1", R::EditorWrite),
  Row(cmd::StyleHlavicka2, kPar, "Hl&avička 2", "Alt+4", "Použije styl odstavce Hlavička2\nHlavička 2", R::EditorWrite),
  Sep(kPar),
  Row(cmd::AlignLeft, kAlign, "Zarovnat do&leva", "", "Zarovná odstavec doleva\nZarovnat doleva", R::EditorWrite, true,
   "alignleft"),
  Row(cmd::AlignCentre, kAlign, "&Vystředit", "", "Vystředí odstavec\nVystředit", R::EditorWrite, true, "aligncentre"),
  Row(cmd::AlignRight, kAlign, "Zarovnat dop&rava", "", "Zarovná odstavec doprava\nZarovnat doprava", R::EditorWrite,
   true, "alignright"),
  Row(cmd::ParagraphDialog, kPar, "&Odstavec ...", "", "Nastaví odsazení a mezery odstavce\nOdstavec", R::EditorWrite),
  Row(cmd::TabStopsDialog, kPar, "&Tabulátory ...", "", "Nastaví tabulátory odstavce\nTabulátory", R::EditorWrite),
  Sep(kPar),
  Row(cmd::ParStylesDialog, kPar, "&Styly odstavce ...", "Alt+T", "Vytváří a upravuje styly odstavce\nStyly odstavce",
   R::EditorWrite),

  Row(cmd::ColourFirst + 0, kPlaced, "Černá", "", "Nastaví barvu označeného textu\nČerná", R::EditorWrite, true),
  Row(cmd::ColourFirst + 1, kPlaced, "Kaštanová", "", "Nastaví barvu označeného textu\nKaštanová", R::EditorWrite, true),
  Row(cmd::ColourFirst + 2, kPlaced, "Zelená", "", "Nastaví barvu označeného textu\nZelená", R::EditorWrite, true),
  Row(cmd::ColourFirst + 3, kPlaced, "Olivová", "", "Nastaví barvu označeného textu\nOlivová", R::EditorWrite, true),
  Row(cmd::ColourFirst + 4, kPlaced, "Námořnická", "", "Nastaví barvu označeného textu\nNámořnická", R::EditorWrite, true),
  Row(cmd::ColourFirst + 5, kPlaced, "Fialová", "", "Nastaví barvu označeného textu\nFialová", R::EditorWrite, true),
  Row(cmd::ColourFirst + 6, kPlaced, "Šedozelená", "", "Nastaví barvu označeného textu\nŠedozelená", R::EditorWrite, true),
  Row(cmd::ColourFirst + 7, kPlaced, "Šedivá", "", "Nastaví barvu označeného textu\nŠedivá", R::EditorWrite, true),
  Row(cmd::ColourFirst + 8, kPlaced, "Stříbrná", "", "Nastaví barvu označeného textu\nStříbrná", R::EditorWrite, true),
  Row(cmd::ColourFirst + 9, kPlaced, "Červená", "", "Nastaví barvu označeného textu\nČervená", R::EditorWrite, true),
  Row(cmd::ColourFirst + 10, kPlaced, "Žlutozelená", "", "Nastaví barvu označeného textu\nŽlutozelená", R::EditorWrite, true),
  Row(cmd::ColourFirst + 11, kPlaced, "Žlutá", "", "Nastaví barvu označeného textu\nŽlutá", R::EditorWrite, true),
  Row(cmd::ColourFirst + 12, kPlaced, "Modrá", "", "Nastaví barvu označeného textu\nModrá", R::EditorWrite, true),
  Row(cmd::ColourFirst + 13, kPlaced, "Fuchsiová", "", "Nastaví barvu označeného textu\nFuchsiová", R::EditorWrite, true),
  Row(cmd::ColourFirst + 14, kPlaced, "Akvamarínová", "", "Nastaví barvu označeného textu\nAkvamarínová", R::EditorWrite, true),
  Row(cmd::ColourFirst + 15, kPlaced, "Bílá", "", "Nastaví barvu označeného textu\nBílá", R::EditorWrite, true),
  Row(cmd::ColourFirst + 16, kPlaced, "Automatická", "", "Nastaví barvu označeného textu\nAutomatická", R::EditorWrite, true),
  Row(cmd::UserCharStyle + 0, kPlaced, "Styl písma 1", "", "Použije uživatelský styl písma\nStyl písma", R::EditorWrite),
  Row(cmd::UserCharStyle + 1, kPlaced, "Styl písma 2", "", "Použije uživatelský styl písma\nStyl písma", R::EditorWrite),
  Row(cmd::UserCharStyle + 2, kPlaced, "Styl písma 3", "", "Použije uživatelský styl písma\nStyl písma", R::EditorWrite),
  Row(cmd::UserCharStyle + 3, kPlaced, "Styl písma 4", "", "Použije uživatelský styl písma\nStyl písma", R::EditorWrite),
  Row(cmd::UserCharStyle + 4, kPlaced, "Styl písma 5", "", "Použije uživatelský styl písma\nStyl písma", R::EditorWrite),
  Row(cmd::UserCharStyle + 5, kPlaced, "Styl písma 6", "", "Použije uživatelský styl písma\nStyl písma", R::EditorWrite),
  Row(cmd::UserCharStyle + 6, kPlaced, "Styl písma 7", "", "Použije uživatelský styl písma\nStyl písma", R::EditorWrite),
  Row(cmd::UserCharStyle + 7, kPlaced, "Styl písma 8", "", "Použije uživatelský styl písma\nStyl písma", R::EditorWrite),
  Row(cmd::UserParStyle + 0, kPlaced, "Styl odstavce 1", "", "Použije uživatelský styl odstavce\nStyl odstavce", R::EditorWrite),
  Row(cmd::UserParStyle + 1, kPlaced, "Styl odstavce 2", "", "Použije uživatelský styl odstavce\nStyl odstavce", R::EditorWrite),
  Row(cmd::UserParStyle + 2, kPlaced, "Styl odstavce 3", "", "Použije uživatelský styl odstavce\nStyl odstavce", R::EditorWrite),
  Row(cmd::UserParStyle + 3, kPlaced, "Styl odstavce 4", "", "Použije uživatelský styl odstavce\nStyl odstavce", R::EditorWrite),
  Row(cmd::UserParStyle + 4, kPlaced, "Styl odstavce 5", "", "Použije uživatelský styl odstavce\nStyl odstavce", R::EditorWrite),
  Row(cmd::UserParStyle + 5, kPlaced, "Styl odstavce 6", "", "Použije uživatelský styl odstavce\nStyl odstavce", R::EditorWrite),
  Row(cmd::UserParStyle + 6, kPlaced, "Styl odstavce 7", "", "Použije uživatelský styl odstavce\nStyl odstavce", R::EditorWrite),
  Row(cmd::UserParStyle + 7, kPlaced, "Styl odstavce 8", "", "Použije uživatelský styl odstavce\nStyl odstavce", R::EditorWrite),

  Row(cmd::HelpTopics, kHelp, "&Témata ...", "F1", "Otevře nápovědu programu\nNápověda"),
  Row(cmd::FileInfo, kHelp, "O &souboru ...", "", "Zobrazit informace o kalendáři\nO souboru"),
  Sep(kHelp),
  Row(cmd::AppAbout, kHelp, "&O programu Orvella 2...", "", "Zobrazí informace o programu a jeho verzi\nO programu",
   R::Always, false, "about"),
};

constexpr int kMainToolBar[] = {
    cmd::FileNew,    cmd::FileOpen,       cmd::FileSave,   cmd::ExportRtf,    cmd::FileAppend, cmd::FilePassword,
    0,               cmd::EditCut,        cmd::EditCopy,   cmd::EditPaste,    0,               cmd::Today,
    cmd::GoTo,       cmd::OnThisDay,      cmd::PrevRecord,     cmd::NextRecord, cmd::EditFind,     cmd::NoteSearch, cmd::FullTextSearch,
    cmd::DeleteDay,  cmd::HolidayLists,   cmd::ChangeHolidays, 0,             cmd::AppAbout,
};

constexpr int kStyleBar[] = {
    cmd::Bold, cmd::Italic, cmd::Underline, cmd::Colours, 0, cmd::AlignLeft, cmd::AlignCentre, cmd::AlignRight,
};
// clang-format on

}  // namespace

std::span<const SCommand> CommandTable() {
  return kCommands;
}

const SCommand* FindCommand(int id) {
  for (const SCommand& c : kCommands)
    if (c.id == id && id != 0) return &c;
  return nullptr;
}

std::span<const int> MainToolBarCommands() {
  return kMainToolBar;
}
std::span<const int> StyleBarCommands() {
  return kStyleBar;
}

}  // namespace orv
