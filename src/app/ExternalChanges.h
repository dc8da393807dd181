#pragma once
// The open calendar and the other programs that write its file (a sync tool bringing another
// computer's changes, orv): the window watches the file, and when it changed on disk
//   - without unsaved changes, reads it again, keeping the shown day and the editors' caret and
//     scroll, and says "Kalendář byl změněn jiným programem a znovu načten.";
//   - with unsaved changes, merges three-way (the base: the bytes last loaded or saved; theirs: the
//     file now; ours: the window), lists the days joined from both sides and leaves the calendar
//     modified, to be saved when the user saves.
// A save that finds the file changed anyway (a file system that tells no changes) asks "Sloučit",
// "Přepsat" or "Storno". Conflict copies beside the file are offered on opening and whenever they
// appear; merged ones go to the Trash once the calendar is saved. The base is kept per calendar in
// the state folder (CCalendarBases).
//
//   CExternalChanges changes(host);
//   changes.KeepBasesIn(CCalendarBases::DefaultFolder());   else the base lives in memory only
//   changes.Opened();        the document holds a calendar just opened or created
//   changes.Saved(path);     after every save

#include <QListWidget>
#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/FileWatch.h"
#include "document/CalendarContent.h"
#include "document/merge/CalendarBases.h"

namespace orv {

class CCalendarViewModel;
class CMainFrame;
class CRichTextView;
class CTedDoc;
class CTedView;
class IUiServices;
struct SMergeResult;

struct SExternalChangesHost {
  CTedDoc& doc;
  IUiServices& ui;
  CMainFrame& frame;
  CCalendarViewModel& model;
  CTedView& view;
  std::array<CRichTextView*, 2> editors;
  std::function<void()> storeOpenTexts;  // the selected day's texts into the document
  std::function<void()> refreshStyles;   // the style lists of the formatting toolbar
};

enum class EChangedFileAnswer { Merge, Overwrite, Cancel };
// The save question as a message box with the three buttons.
EChangedFileAnswer AskChangedFileWithMessageBox(QWidget* parent, const std::string& question);

class CExternalChanges : public QObject {
 public:
  explicit CExternalChanges(SExternalChangesHost host);
  ~CExternalChanges() override;

  void KeepBasesIn(std::string folder) { m_Bases = CCalendarBases(std::move(folder)); }
  // `keepBase` false leaves keeping the file as the base of merges to KeepOpenedBase, for a window
  // that is painted first; the watch starts at once either way.
  void Opened(bool keepBase = true);
  // The file as opened becomes the base, unless one is kept already or the file changed since.
  void KeepOpenedBase();
  void Saved(const std::string& path);
  // The file was still for a second after a change of it or its folder.
  void Settled();

  // The question of a save over a changed file with "Sloučit", "Přepsat" and "Storno"; without it
  // the user is asked through the UI services whether to overwrite.
  using AskChangedFile = std::function<EChangedFileAnswer(const std::string& question)>;
  void SetAskChangedFile(AskChangedFile ask) { m_AskChangedFile = std::move(ask); }
  // The list of joined days shown after the last merge, if it is still open.
  QListWidget* JoinedList() const { return m_JoinedList; }

 private:
  struct SPlace;
  struct SVersion;
  std::optional<SVersion> ReadFileNow(bool lock);
  std::optional<CCalendarContent> LoadKept(const CArchiveBuffer& bytes) const;
  void Reload(SVersion theirs);
  void MergeFileIn(SVersion theirs);
  bool DecideChangedFile(const std::string& path);
  void OfferCopies();
  void MergeCopies(const std::vector<std::string>& copies);
  // The base for merging `theirs` bytes, when it is a version before both sides.
  std::optional<CCalendarContent> BaseFor(std::string_view theirsBytes, std::string_view oursBytes) const;
  void KeepBase(CArchiveBuffer bytes);
  SPlace Remember() const;
  void ShowAgain(const SPlace& place);
  void ShowJoined(const SMergeResult& result);
  void Status(const QString& text);

  SExternalChangesHost m_Host;
  CCalendarBases m_Bases{{}};
  CFileWatch m_Watch;
  std::optional<CArchiveBuffer> m_Base;  // shared with the records still unread after an open
  std::set<std::string> m_Declined;         // conflict copies the user did not want merged now
  std::vector<std::string> m_PendingTrash;  // merged copies, to the Trash at the next save
  AskChangedFile m_AskChangedFile;
  QPointer<QListWidget> m_JoinedList;
};

}  // namespace orv
