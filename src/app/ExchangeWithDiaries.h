#pragma once
// Moving diaries in and out in the window: "Soubor" → "Import" → "Deník RedNotebook ..." and
// "Složka poznámek Markdown ..." merge another diary's days into the open calendar, "Soubor" →
// "Export" → "Markdown ..." writes it out as Markdown daily notes. Each asks for a folder, shows the
// progress of a long run and ends with a summary. An import reads the whole source first: a damaged
// file is named and the calendar stays as it was; otherwise the calendar shows the merged days,
// modified, for the user to save.

namespace orv {

class CCalendarWindow;
class CTedDoc;
class IUiServices;

inline constexpr char kRedNotebookChooserTitle[] = "Deník RedNotebook";
inline constexpr char kMarkdownChooserTitle[] = "Složka poznámek Markdown";
inline constexpr char kMarkdownExportChooserTitle[] = "Export do Markdownu";

void ImportRedNotebook(CCalendarWindow& window, CTedDoc& doc, IUiServices& ui);
void ImportMarkdown(CCalendarWindow& window, CTedDoc& doc, IUiServices& ui);
void ExportMarkdownFolder(CCalendarWindow& window, CTedDoc& doc, IUiServices& ui);

}  // namespace orv
