#include "app/DocumentCommands.h"

#include <QFileInfo>
#include <QString>

#include "app/RecentFileList.h"
#include "core/UiServices.h"
#include "document/TedDoc.h"

namespace orv {

CDocumentCommands::CDocumentCommands(CTedDoc& doc, IUiServices& ui, CRecentFileList& recent, AskSave askSave)
    : m_Doc(doc), m_Ui(ui), m_Recent(recent), m_AskSave(std::move(askSave)) {}

std::string CDocumentCommands::Title() const {
  return m_Doc.GetTitle();
}

void CDocumentCommands::Changed() {
  if (m_OnChanged) m_OnChanged();
}

void CDocumentCommands::Replaced() {
  if (m_OnReplaced) m_OnReplaced();
}

bool CDocumentCommands::SaveModified() {
  if (!m_Doc.IsModified()) return true;
  switch (m_AskSave("Uložit změny do " + m_Doc.GetTitle() + "?")) {
    case SaveAnswer::Yes:
      return FileSave();
    case SaveAnswer::No:
      return true;
    case SaveAnswer::Cancel:
      return false;
  }
  return false;
}

bool CDocumentCommands::FileNew() {
  if (!SaveModified()) return false;
  const bool created = m_Doc.OnNewDocument();
  m_Doc.SetPathName({});
  Replaced();
  m_Doc.SetModifiedFlag(false);
  Changed();
  return created;
}

// The file is chosen first; the modified calendar is offered for saving only when one was chosen.
bool CDocumentCommands::FileOpen() {
  const std::optional<std::string> path = m_Ui.ChooseFileToOpen("Otevřít", kOrvFilter);
  if (!path) return false;
  return OpenFile(*path);
}

// A file that cannot be opened leaves the open calendar as it was and leaves the recent list, unless
// only its password was missing.
bool CDocumentCommands::OpenFile(const std::string& path) {
  if (!SaveModified()) return false;
  if (!m_Doc.OnOpenDocument(path)) {
    if (!m_Doc.PasswordRefused()) m_Recent.Remove(QString::fromStdString(path));
    Changed();
    return false;
  }
  m_Recent.Add(QString::fromStdString(path));
  Replaced();
  m_Doc.SetModifiedFlag(false);
  Changed();
  return true;
}

bool CDocumentCommands::FileSave() {
  if (m_Doc.GetPathName().empty()) return FileSaveAs();
  return SaveTo(m_Doc.GetPathName());
}

bool CDocumentCommands::FileSaveAs() {
  const std::string suggested = m_Doc.GetPathName().empty() ? m_Doc.GetTitle() + ".orv" : m_Doc.GetPathName();
  std::optional<std::string> path = m_Ui.ChooseFileToSave("Uložit jako", kOrvFilter, suggested);
  if (!path) return false;
  if (QFileInfo(QString::fromStdString(*path)).suffix().isEmpty()) *path += ".orv";
  return SaveTo(*path);
}

bool CDocumentCommands::SaveTo(const std::string& path) {
  const bool saved = m_Doc.OnSaveDocument(path);
  if (saved) m_Recent.Add(QString::fromStdString(path));
  if (saved && m_OnSaved) m_OnSaved(path);
  Changed();
  return saved;
}

}  // namespace orv
