#include "app/CalendarDialogCommands.h"

#include <memory>

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "ui/CalendarView.h"
#include "ui/DeletePeriodDialog.h"
#include "view/CalendarCommands.h"
#include "view/CalendarViewModel.h"
#include "view/DayDeletion.h"

namespace orv {
namespace {

class CDialogCommands {
 public:
  explicit CDialogCommands(const SCalendarDialogContext& c) : m(c) {}

  void DeleteDay() {
    DeleteSelectedDay(m.model, m.panes, m.doc);
    Shown();
  }

  void DeletePeriod() {
    if (NoteHeld()) {
      m.ui.MessageBox(kFinishNoteMessage);
      return;
    }
    const std::optional<SPeriod> period = AskDeletePeriod(&m.frame, m.ui);
    if (!period || !m.ui.AskYesNo(kDeletePeriodQuestion)) return;
    orv::DeletePeriod(m.model, m.panes, m.doc, period->from, period->to);
    Shown();
  }

  void RecordCount() { m.ui.MessageBox(RecordCountText(m.doc), MessageIcon::Information); }

 private:
  // The note field holds the focus of a writable calendar.
  bool NoteHeld() const { return !m.model.IsViewOnly() && m.view.IsNoteBeingEdited(); }
  void Shown() {
    m.view.Refresh();
    m.view.FocusTable();
  }

  SCalendarDialogContext m;
};

}  // namespace

void AddCalendarDialogCommands(const SCalendarDialogContext& context) {
  auto commands = std::make_shared<CDialogCommands>(context);
  context.frame.SetHandler(cmd::DeleteDay, [commands] { commands->DeleteDay(); });
  context.frame.SetHandler(cmd::DeletePeriod, [commands] { commands->DeletePeriod(); });
  context.frame.SetHandler(cmd::RecordCount, [commands] { commands->RecordCount(); });
}

}  // namespace orv
