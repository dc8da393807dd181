#pragma once
// The command "Připojit ke kalendáři" without its window: the open calendar (the source) is
// appended to a calendar file the user chooses (the target), which the document then holds, merged
// and modified; the user saves it to keep the result.
//
//   CAppendCommand(doc, ui, host, joiner).Run();
//
// Steps: refused while the note is being typed; a modified source may be saved first ("Chcete
// soubor uložit?"); the target is chosen ("Připojit k souboru") and opened, and the "Připojit"
// dialog gives the options. Choosing the open calendar's own file (by what it is on disk, so also
// through a link or another path) does nothing and shows nothing. A target that cannot be opened
// leaves the source open and unchanged; "Storno" in the dialog gives the document back the source
// calendar in every respect (records, styles, path, modified flag, read-only state, password).

#include <optional>
#include <string>

#include "document/merge/AppendCalendar.h"

namespace orv {

class CTedDoc;
class IUiServices;

inline constexpr char kAppendChooserTitle[] = "Připojit k souboru";
inline constexpr char kAppendFilter[] = "Kalendář Orvella 2 (*.orv)";
inline constexpr char kAppendNoteHeld[] =
    "Před otevřením dialogu \"Připojit k souboru\" je nejprve\r\n\r\nnutno ukončit editování poznámky !";
inline constexpr char kAppendSaveQuestion[] = "Chcete soubor uložit?";
inline constexpr char kAppendDone[] =
    "Připojení je hotovo. Pokud chcete provedené změny stornovat, soubor neukládejte.";

// Two paths name the same file on disk (device and inode); false when either cannot be reached.
bool IsSameFile(const std::string& a, const std::string& b);

// What the window adds to the command.
class IAppendHost {
 public:
  virtual ~IAppendHost() = default;
  // The short note is being typed: the command is refused.
  virtual bool NoteBeingEdited() = 0;
  // Stores the texts the panes hold into the document, so that the source is complete.
  virtual void StoreViews() = 0;
  // The save command; false when nothing was saved (failed or cancelled).
  virtual bool Save() = 0;
  // The target was opened from this path (the recent-file list).
  virtual void TargetOpened(const std::string& path) = 0;
  // The "Připojit" dialog; nullopt for "Storno".
  virtual std::optional<SAppendOptions> AskOptions() = 0;
  // Records merged so far, during the merge.
  virtual void Progress(int done, int total) = 0;
  // The merge is over (done == total or not); the progress display goes away.
  virtual void EndProgress() = 0;
  // The document holds the merged target: the views show it afresh, the calendar has the focus.
  virtual void ShowMerged() = 0;
};

class CAppendCommand {
 public:
  CAppendCommand(CTedDoc& doc, IUiServices& ui, IAppendHost& host, ICommentaryJoin& joiner)
      : m_Doc(doc), m_Ui(ui), m_Host(host), m_Joiner(joiner) {}

  // True when the target was merged and is now the open calendar.
  bool Run();

 private:
  CTedDoc& m_Doc;
  IUiServices& m_Ui;
  IAppendHost& m_Host;
  ICommentaryJoin& m_Joiner;
};

}  // namespace orv
