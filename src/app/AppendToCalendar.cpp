#include "app/AppendToCalendar.h"

#include "app/CalendarWindow.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "document/merge/AppendCommand.h"
#include "editor/CommentaryJoin.h"
#include "ui/AppendDialog.h"
#include "ui/AppendProgress.h"
#include "ui/CalendarView.h"
#include "view/CalendarViewModel.h"

namespace orv {
namespace {

class CWindowAppendHost : public IAppendHost {
 public:
  CWindowAppendHost(CCalendarWindow& window, IUiServices& ui, CRecentFileList& recent)
      : m_Window(window), m_Ui(ui), m_Recent(recent), m_Progress(&window.Frame()) {}

  bool NoteBeingEdited() override {
    return !m_Window.Model().IsViewOnly() && m_Window.View().IsNoteBeingEdited();
  }
  void StoreViews() override {
    m_Window.Model().CommitDay();
    m_Window.View().Refresh();
  }
  bool Save() override { return m_Window.Commands().FileSave(); }
  void TargetOpened(const std::string& path) override {
    m_Recent.Add(QString::fromStdString(path));
    m_Window.Frame().SetRecentFiles(m_Recent.Files());
  }
  std::optional<SAppendOptions> AskOptions() override { return AskAppendOptions(&m_Window.Frame(), m_Ui); }
  void Progress(int done, int total) override { m_Progress.Show(done, total); }
  void EndProgress() override { m_Progress.End(); }
  void ShowMerged() override { m_Window.Start(); }

 private:
  CCalendarWindow& m_Window;
  IUiServices& m_Ui;
  CRecentFileList& m_Recent;
  CAppendProgress m_Progress;
};

}  // namespace

void AppendToCalendar(CCalendarWindow& window, CTedDoc& doc, IUiServices& ui, CRecentFileList& recent) {
  CWindowAppendHost host(window, ui, recent);
  CCommentaryJoin joiner;
  CAppendCommand(doc, ui, host, joiner).Run();
}

}  // namespace orv
