#include "app/CalendarDialogCommands.h"

#include <memory>

#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/YearRangeSetting.h"
#include "core/UiServices.h"
#include "document/FileProtection.h"
#include "document/TedDoc.h"
#include "names/ChangeHolidaysModel.h"
#include "ui/AuthorDataDialog.h"
#include "ui/CalendarView.h"
#include "ui/ChangeHolidaysDialog.h"
#include "ui/DeletePeriodDialog.h"
#include "ui/EncryptionDialogs.h"
#include "ui/FileInfoDialog.h"
#include "ui/HolidayListsDialog.h"
#include "ui/SetPasswordDialog.h"
#include "ui/YearRangeDialog.h"
#include "view/CalendarCommands.h"
#include "view/CalendarViewModel.h"
#include "view/DayDeletion.h"

namespace orv {
namespace {

class CDialogCommands {
 public:
  explicit CDialogCommands(const SCalendarDialogContext& c) : m_Ctx(c) {}

  void DeleteDay() {
    DeleteSelectedDay(m_Ctx.model, m_Ctx.panes, m_Ctx.doc);
    Shown();
  }

  void DeletePeriod() {
    if (NoteHeld()) {
      m_Ctx.ui.MessageBox(kFinishNoteMessage);
      return;
    }
    const std::optional<SPeriod> period = AskDeletePeriod(&m_Ctx.frame, m_Ctx.ui);
    if (!period || !m_Ctx.ui.AskYesNo(kDeletePeriodQuestion)) return;
    orv::DeletePeriod(m_Ctx.model, m_Ctx.panes, m_Ctx.doc, period->from, period->to);
    Shown();
  }

  void RecordCount() { m_Ctx.ui.MessageBox(RecordCountText(m_Ctx.doc), MessageIcon::Information); }

  void HolidayLists() {
    if (RefuseForDialog("Svátky")) return;
    const std::optional<std::string> key = AskHolidayList(&m_Ctx.frame, m_Ctx.doc.m_Names);
    if (key && m_Ctx.model.GoToDate(ResolveAnniversary(*key, m_Ctx.model.DisplayedYear(), m_Ctx.ui))) Shown();
  }

  // The calendar shows the dialog's day of the displayed year, with the changed names.
  void ChangeHolidays() {
    if (RefuseForDialog("Změna svátků")) return;
    CChangeHolidaysModel change(m_Ctx.doc.m_Names, m_Ctx.model.DisplayedMonth(), m_Ctx.model.SelectedDay());
    if (!RunChangeHolidays(&m_Ctx.frame, change)) return;
    change.WriteBack(m_Ctx.doc.m_Names);
    m_Ctx.doc.SetModifiedFlag();
    const Date date = ResolveAnniversary(AnniversaryKey(change.Month(), change.Day()),
                                         m_Ctx.model.DisplayedYear(), m_Ctx.ui);
    m_Ctx.model.CommitDay();
    m_Ctx.model.DoMonth(date.day, date.month, date.year);
    Shown();
  }

  void SetPassword() {
    if (const std::optional<std::string> password = AskNewOpenPassword(&m_Ctx.frame, m_Ctx.ui))
      SetOpenPassword(m_Ctx.doc, *password);
  }

  void Encrypt() {
    if (m_Ctx.doc.EncryptionKey())
      m_Ctx.ui.MessageBox("Kalendář je již zašifrován.", MessageIcon::Information);
    else
      RunEncryptDialog(&m_Ctx.frame, m_Ctx.doc, m_Ctx.ui);
  }

  void Decrypt() {
    if (!m_Ctx.doc.EncryptionKey())
      m_Ctx.ui.MessageBox("Kalendář není zašifrován.", MessageIcon::Information);
    else
      RunDecryptDialog(&m_Ctx.frame, m_Ctx.doc, m_Ctx.ui);
  }

  void AuthorData() {
    CAuthorDataModel author(m_Ctx.doc);
    if (RunAuthorData(&m_Ctx.frame, author, m_Ctx.ui)) author.Apply(m_Ctx.doc);
  }

  void FileInfo() { ShowFileInfo(&m_Ctx.frame, m_Ctx.doc); }

  // The range takes effect at once and is remembered for the next start; the calendar shows a day
  // inside it.
  void YearRange() {
    if (RefuseForDialog("Rozsah let")) return;
    const std::optional<SYearRange> range = AskYearRange(&m_Ctx.frame, m_Ctx.ui);
    if (!range || !SetYearRange(*range)) return;
    SaveYearRangeSetting(*range);
    m_Ctx.model.ApplyYearRange();
    Shown();
  }

 private:
  // The note field holds the focus of a writable calendar.
  bool NoteHeld() const { return !m_Ctx.model.IsViewOnly() && m_Ctx.view.IsNoteBeingEdited(); }
  bool RefuseForDialog(const std::string& dialog) {
    if (!NoteHeld()) return false;
    m_Ctx.ui.MessageBox("Před otevřením dialogu \"" + dialog +
                        "\" je nejprve\r\n\r\nnutno ukončit editování poznámky !");
    return true;
  }
  void Shown() {
    m_Ctx.view.Refresh();
    m_Ctx.view.FocusTable();
  }

  SCalendarDialogContext m_Ctx;
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
  context.frame.SetHandler(cmd::FileEncrypt, [commands] { commands->Encrypt(); });
  context.frame.SetHandler(cmd::FileDecrypt, [commands] { commands->Decrypt(); });
  context.frame.SetHandler(cmd::AuthorData, [commands] { commands->AuthorData(); });
  context.frame.SetHandler(cmd::FileInfo, [commands] { commands->FileInfo(); });
  context.frame.SetHandler(cmd::YearRange, [commands] { commands->YearRange(); });
}

}  // namespace orv
