#pragma once
// The file commands of the window over the one CTedDoc: new, open, save, save as, opening a named
// file (recent list, dropped file), and the question "Uložit změny do %1?" before a modified
// calendar is closed or replaced. No widgets: questions and choosers go through IUiServices and the
// three-way save question through a callback.

#include <functional>
#include <string>

namespace orv {

class CRecentFileList;
class CTedDoc;
class IUiServices;

inline constexpr char kOrvFilter[] = "Kalendář Orvella 2 (*.orv)";

enum class SaveAnswer { Yes, No, Cancel };
using AskSave = std::function<SaveAnswer(const std::string& question)>;

class CDocumentCommands {
 public:
  CDocumentCommands(CTedDoc& doc, IUiServices& ui, CRecentFileList& recent, AskSave askSave);
  // Called whenever the calendar was replaced, saved under a name or its modified flag changed.
  void SetOnChanged(std::function<void()> onChanged) { m_OnChanged = std::move(onChanged); }
  // Called when the document holds another calendar (new, or a file opened), before OnChanged.
  void SetOnReplaced(std::function<void()> onReplaced) { m_OnReplaced = std::move(onReplaced); }
  // Called after every successful save, with the path written.
  void SetOnSaved(std::function<void(const std::string& path)> onSaved) { m_OnSaved = std::move(onSaved); }

  bool FileNew();
  bool FileOpen();
  bool OpenFile(const std::string& path);
  bool FileSave();
  bool FileSaveAs();
  // True when the calendar may be closed or replaced: unmodified, saved, or the user said "Ne".
  bool SaveModified();

  // "Nepojmenovaný" or the file name (UTF-8): the window title's first part.
  std::string Title() const;

 private:
  bool SaveTo(const std::string& path);
  void Changed();
  void Replaced();

  CTedDoc& m_Doc;
  IUiServices& m_Ui;
  CRecentFileList& m_Recent;
  AskSave m_AskSave;
  std::function<void()> m_OnChanged;
  std::function<void()> m_OnReplaced;
  std::function<void(const std::string&)> m_OnSaved;
};

}  // namespace orv
