#include "app/CalendarDialogCommands.h"

#include <memory>

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "core/UiServices.h"
#include "document/FileProtection.h"
#include "document/TedDoc.h"
#include "names/ChangeHolidaysModel.h"
#include "ui/AuthorDataDialog.h"
#include "ui/CalendarView.h"
#include "ui/ChangeHolidaysDialog.h"
#include "ui/DeletePeriodDialog.h"
#include "ui/FileInfoDialog.h"
#include "ui/HolidayListsDialog.h"
#include "ui/SetPasswordDialog.h"
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

  void HolidayLists() {
    if (RefuseForDialog("Svátky")) return;
    const std::optional<std::string> key = AskHolidayList(&m.frame, m.doc.m_Names);
    if (key && m.model.GoToDate(ResolveAnniversary(*key, m.model.DisplayedYear(), m.ui))) Shown();
  }

  // The calendar shows the dialog's day of the displayed year, with the changed names.
  void ChangeHolidays() {
    if (RefuseForDialog("Změna svátků")) return;
    CChangeHolidaysModel change(m.doc.m_Names, m.model.DisplayedMonth(), m.model.SelectedDay());
    if (!RunChangeHolidays(&m.frame, change)) return;
    change.WriteBack(m.doc.m_Names);
    m.doc.SetModifiedFlag();
    const Date date =
        ResolveAnniversary(AnniversaryKey(change.Month(), change.Day()), m.model.DisplayedYear(), m.ui);
    m.model.CommitDay();
    m.model.DoMonth(date.day, date.month, date.year);
    Shown();
  }

  void SetPassword() {
    if (const std::optional<std::string> password = AskNewOpenPassword(&m.frame))
      SetOpenPassword(m.doc, *password);
  }

  void AuthorData() {
    CAuthorDataModel author(m.doc);
    if (RunAuthorData(&m.frame, author, m.ui)) author.Apply(m.doc);
  }

  void FileInfo() { ShowFileInfo(&m.frame, m.doc); }

 private:
  // The note field holds the focus of a writable calendar.
  bool NoteHeld() const { return !m.model.IsViewOnly() && m.view.IsNoteBeingEdited(); }
  bool RefuseForDialog(const std::string& dialog) {
    if (!NoteHeld()) return false;
    m.ui.MessageBox("Před otevřením dialogu \"" + dialog +
                    "\" je nejprve\r\n\r\nnutno ukončit editování poznámky !");
    return true;
  }
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
  context.frame.SetHandler(cmd::HolidayLists, [commands] { commands->HolidayLists(); });
  context.frame.SetHandler(cmd::ChangeHolidays, [commands] { commands->ChangeHolidays(); });
  context.frame.SetHandler(cmd::FilePassword, [commands] { commands->SetPassword(); });
  context.frame.SetHandler(cmd::AuthorData, [commands] { commands->AuthorData(); });
  context.frame.SetHandler(cmd::FileInfo, [commands] { commands->FileInfo(); });
}

}  // namespace orv
