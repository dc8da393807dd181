#include "document/merge/AppendCommand.h"

#include <sys/stat.h>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "document/merge/AppendSnapshot.h"

namespace orv {

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool CAppendCommand::Run() {
  if (m_Host.NoteBeingEdited()) {
    m_Ui.MessageBox(kAppendNoteHeld);
    return false;
  }
  m_Host.StoreViews();
  // A user who wanted the source saved and did not get it saved is not taken further.
  if (m_Doc.IsModified() && m_Ui.AskYesNo(kAppendSaveQuestion) && !m_Host.Save()) return false;
  const std::optional<std::string> path = m_Ui.ChooseFileToOpen(kAppendChooserTitle, kAppendFilter);
  if (!path) return false;
  if (!m_Doc.GetPathName().empty() && IsSameFile(*path, m_Doc.GetPathName())) return false;

  CAppendSnapshot source(m_Doc);
  if (!m_Doc.OnOpenDocument(*path)) return false;
  m_Host.TargetOpened(*path);
  const std::optional<SAppendOptions> options = m_Host.AskOptions();
  if (!options) {
    source.Restore(m_Doc);
    return false;
  }
  const SAppendResult result = AppendCalendar(m_Doc, source.Content(), *options, m_Joiner,
                                              [this](int done, int total) { m_Host.Progress(done, total); });
  m_Host.EndProgress();
  m_Host.ShowMerged();
  // Refused as a whole: the target stays as its file has it.
  if (result.tooLarge) return false;
  m_Doc.SetModifiedFlag();
  m_Ui.MessageBox(kAppendDone, MessageIcon::Information);
  return true;
}

}  // namespace orv
