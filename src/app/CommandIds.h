#pragma once
// Command identifiers of the main window. The numbers are the program's own command numbers where it
// has them (they appear in the menus' and toolbars' tables); commands that never had a fixed number
// take one from 33000 upward.

namespace orv::cmd {

// Soubor
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePassword = 32809;
inline constexpr int FileAppend = 32808;
inline constexpr int FileEncrypt = 33200;
inline constexpr int FileDecrypt = 33201;
inline constexpr int ExportTxt = 33001;
inline constexpr int ExportRtf = 32839;
inline constexpr int ExportPdf = 33070;
inline constexpr int ImportRedNotebook = 33210;
inline constexpr int ImportMarkdown = 33211;
inline constexpr int ExportMarkdown = 33212;
inline constexpr int FilePrint = 33071;
inline constexpr int FilePrintPreview = 33072;
inline constexpr int RecentFiles = 33060;  // the submenu of recent files
inline constexpr int AppExit = 57665;
// Úpravy
inline constexpr int EditUndo = 57643;
inline constexpr int EditCut = 57635;
inline constexpr int EditCopy = 57634;
inline constexpr int EditPaste = 57637;
inline constexpr int EditFind = 32787;
inline constexpr int EditFindNext = 33002;
inline constexpr int EditReplace = 32788;
inline constexpr int InsertSymbol = 32774;
// Zobrazit
inline constexpr int ViewToolBar = 59392;
inline constexpr int ViewStyleBar = 103;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int ViewRuler = 32771;
inline constexpr int ShowNameDays = 33010;
inline constexpr int ShowStateHolidays = 33011;
inline constexpr int ShowOtherHolidays = 33012;
inline constexpr int ShowBirthdays = 33013;
inline constexpr int ShowSignificantDays = 33014;
inline constexpr int ShowAllHolidays = 33015;
inline constexpr int ViewOnly = 32890;
inline constexpr int AlwaysOnTop = 32845;
inline constexpr int Maximise = 32848;
inline constexpr int SpellCheck = 33090;
// Navigace
inline constexpr int NextMonth = 33020;
inline constexpr int PrevMonth = 33021;
inline constexpr int StartOfMonth = 33022;
inline constexpr int EndOfMonth = 33023;
inline constexpr int NextYear = 33024;
inline constexpr int PrevYear = 33025;
inline constexpr int January = 33026;
inline constexpr int December = 33027;
inline constexpr int CalendarNote = 33028;
inline constexpr int NoteToCalendar = 33029;
inline constexpr int ToDayCommentary = 32776;
inline constexpr int ToMonthCommentary = 32893;
inline constexpr int CommentaryToCalendar = 32777;
inline constexpr int GoTo = 32846;
inline constexpr int Today = 32782;
inline constexpr int PrevRecord = 32844;
inline constexpr int NextRecord = 32842;
inline constexpr int FirstRecord = 33030;
inline constexpr int LastRecord = 33031;
inline constexpr int HistoryBack = 33032;
inline constexpr int HistoryForward = 33033;
// Funkce
inline constexpr int NoteSearch = 32832;
inline constexpr int FullTextSearch = 32805;
inline constexpr int DeleteDay = 32840;
inline constexpr int DeletePeriod = 33040;
inline constexpr int RecordCount = 33041;
inline constexpr int HolidayLists = 32804;
inline constexpr int ChangeHolidays = 32803;
inline constexpr int AuthorData = 33042;
inline constexpr int YearRange = 33085;
// Písmo
inline constexpr int StyleStandard1 = 32824;
inline constexpr int StyleStandard2 = 32825;
inline constexpr int StyleNadpis1 = 32826;
inline constexpr int StyleNadpis2 = 32827;
inline constexpr int Bold = 32790;
inline constexpr int Italic = 32791;
inline constexpr int Underline = 32792;
inline constexpr int Plain = 32793;
inline constexpr int FontDialog = 32823;
inline constexpr int Colours = 32778;
inline constexpr int CharStylesDialog = 32830;
inline constexpr int UserCharStyle = 32859;  // the eight user character styles: 32859 to 32866
inline constexpr int ColourFirst = 32902;    // the colour menu: 32902 to 32918, "Automatická" last
inline constexpr int ColourLast = 32918;
// Odstavec
inline constexpr int StyleNormal1 = 32858;
inline constexpr int StyleNormal2 = 32867;
inline constexpr int StyleHlavicka1 = 32868;
inline constexpr int StyleHlavicka2 = 32869;
inline constexpr int AlignLeft = 32794;
inline constexpr int AlignCentre = 32796;
inline constexpr int AlignRight = 32795;
inline constexpr int ParagraphDialog = 32900;
inline constexpr int TabStopsDialog = 32901;
inline constexpr int ParStylesDialog = 32881;
inline constexpr int UserParStyle = 32871;  // the eight user paragraph styles: 32871 to 32878
inline constexpr int UserStyleSlots = 8;
// Nápověda
inline constexpr int HelpTopics = 57667;
inline constexpr int FileInfo = 33050;
inline constexpr int AppAbout = 57664;
// Navigace, added
inline constexpr int OnThisDay = 33120;

}  // namespace orv::cmd
