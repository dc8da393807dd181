#include "app/ExternalChanges.h"

#include <sys/stat.h>

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>

#include "app/JoinedDaysDialog.h"
#include "app/MainFrame.h"
#include "core/CalendarDates.h"
#include "core/UiServices.h"
#include "crypto/CalendarContainer.h"
#include "document/AtomicFile.h"
#include "document/CalendarArchive.h"
#include "document/EncryptedCalendar.h"
#include "document/RecordYears.h"
#include "document/TedDoc.h"
#include "document/merge/ConflictCopies.h"
#include "document/merge/MergeCalendars.h"
#include "document/merge/Trash.h"
#include "editor/CommentaryJoin.h"
#include "ui/CalendarView.h"
#include "ui/RichTextView.h"
#include "view/CalendarViewModel.h"

namespace orv {

constexpr char kReloaded[] = "Kalendář byl změněn jiným programem a znovu načten.";
constexpr char kMerged[] = "Změny z jiného počítače byly sloučeny s vašimi: %1 dnů";
constexpr char kOfferCopies[] = "Nalezeny konfliktní kopie kalendáře (%1). Sloučit je nyní?";
constexpr char kChangedOnSave[] =
    "Soubor %1 byl mezitím změněn jiným programem. Sloučit jeho změny s vašimi, nebo jej přepsat?";

// Where the user was: the day shown and each editor's caret and scroll.
struct CExternalChanges::SPlace {
  Date day;
  std::array<int, 2> caret{};
  std::array<int, 2> scroll{};
};

// The file as it is on disk now, read as a calendar.
struct CExternalChanges::SVersion {
  SFileBytes file;
  CCalendarContent content;
  std::shared_ptr<const crypto::CSecretKey> key;  // of an encrypted file
};

namespace {

std::optional<SFileIdentity> IdentityOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return SFileIdentity::Of(st);
}

}  // namespace

EChangedFileAnswer AskChangedFileWithMessageBox(QWidget* parent, const std::string& question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Orvella 2"), QString::fromStdString(question),
                  QMessageBox::NoButton, parent);
  QPushButton* merge = box.addButton(QStringLiteral("Sloučit"), QMessageBox::AcceptRole);
  QPushButton* overwrite = box.addButton(QStringLiteral("Přepsat"), QMessageBox::DestructiveRole);
  box.addButton(QStringLiteral("Storno"), QMessageBox::RejectRole);
  box.setDefaultButton(merge);
  box.exec();
  if (box.clickedButton() == merge) return EChangedFileAnswer::Merge;
  if (box.clickedButton() == overwrite) return EChangedFileAnswer::Overwrite;
  return EChangedFileAnswer::Cancel;
}

CExternalChanges::CExternalChanges(SExternalChangesHost host) : m_Host(std::move(host)) {
  m_Watch.SetOnSettled([this] { Settled(); });
  m_Host.doc.SetOnChangedOnDisk([this](const std::string& path) { return DecideChangedFile(path); });
  m_Host.doc.KeepOpenedFileBytes(true);
}

CExternalChanges::~CExternalChanges() {
  m_Host.doc.SetOnChangedOnDisk({});
  m_Host.doc.KeepOpenedFileBytes(false);
}

void CExternalChanges::Opened(bool keepBase) {
  const std::string& path = m_Host.doc.GetPathName();
  m_Watch.Watch(path);
  m_Base.reset();
  m_Declined.clear();
  m_PendingTrash.clear();
  if (path.empty()) return;
  if (keepBase) KeepOpenedBase();
  QTimer::singleShot(0, this, [this] { OfferCopies(); });
}

void CExternalChanges::KeepOpenedBase() {
  const std::string& path = m_Host.doc.GetPathName();
  CArchiveBuffer opened = m_Host.doc.TakeOpenedFileBytes();
  if (m_Base || path.empty()) return;
  // The bytes the open read are the file as opened: no second reading, no second copy in memory.
  if (!opened.View().empty()) {
    KeepBase(std::move(opened));
    return;
  }
  SFileBytes file = ReadFileBytes(path, /*lock=*/false);
  if (file.error == 0 && file.identity == m_Host.doc.GetDiskFile()) KeepBase(std::move(file.bytes));
}

void CExternalChanges::Saved(const std::string& path) {
  m_Watch.Watch(path);
  SFileBytes file = ReadFileBytes(path, /*lock=*/false);
  if (file.error == 0 && file.identity == m_Host.doc.GetDiskFile()) KeepBase(std::move(file.bytes));
  for (const std::string& copy : std::exchange(m_PendingTrash, {})) {
    const STrashed trashed = MoveToTrash(copy);
    if (!trashed.error.empty())
      Status(QString::fromStdString("Kopie zůstala na svém místě: " + trashed.error + "."));
  }
}

void CExternalChanges::KeepBase(CArchiveBuffer bytes) {
  // The file's bytes are already sealed when the file is encrypted; a calendar encrypted since it was
  // read never leaves its words in clear in the state folder either.
  const std::string_view view = bytes.View();
  if (m_Host.doc.EncryptionKey() && !crypto::LooksEncrypted(view))
    m_Bases.Keep(m_Host.doc.GetPathName(), SealCalendarBytes(m_Host.doc, std::string(view)));
  else
    m_Bases.Keep(m_Host.doc.GetPathName(), view, m_Host.doc.GetDiskFile());
  m_Base = std::move(bytes);
}

void CExternalChanges::Settled() {
  // A dialog of the window may hold what a reload would replace: the change waits for it to close.
  if (QApplication::activeModalWidget()) {
    QTimer::singleShot(CFileWatch::kStillMs, this, [this] { Settled(); });
    return;
  }
  const std::string& path = m_Host.doc.GetPathName();
  const std::optional<SFileIdentity> now = IdentityOf(path);
  if (now && m_Host.doc.GetDiskFile() && *now != *m_Host.doc.GetDiskFile()) {
    if (std::optional<SVersion> theirs = ReadFileNow(/*lock=*/true)) {
      if (m_Host.doc.IsModified())
        MergeFileIn(std::move(*theirs));
      else
        Reload(std::move(*theirs));
    }
  }
  OfferCopies();
}

// The file now, as a calendar. A damaged file or a refused password leaves the calendar as it is;
// the file is tried again at its next change or at the save. An encrypted file is decrypted with the
// calendar's key, or with the passphrase asked for when another computer changed it.
auto CExternalChanges::ReadFileNow(bool lock) -> std::optional<SVersion> {
  const std::string& path = m_Host.doc.GetPathName();
  const std::string fullPath = std::filesystem::absolute(path).string();
  SVersion version{ReadFileBytes(path, lock), CCalendarContent(m_Host.doc.Ui()), {}};
  std::string reason;
  if (version.file.error != 0) reason = FileErrorReason(version.file.error);
  CArchiveBuffer plain;
  if (reason.empty() && crypto::LooksEncrypted(version.file.bytes.View())) {
    SDecryptedFile decrypted;
    if (DecryptCalendarFile(version.file.bytes.View(), fullPath, m_Host.ui, m_Host.doc.EncryptionKey(), decrypted) !=
        EDecryptOutcome::Decrypted)
      return std::nullopt;
    plain = std::move(decrypted.bytes);
    version.key = std::move(decrypted.key);
  } else {
    plain = version.file.bytes;  // shared, not copied
  }
  const bool loaded = reason.empty() && LoadCalendar(plain, version.content, m_Host.doc.Ui(), reason);
  if (loaded && !version.content.m_Heslo.empty() && version.content.m_Heslo != m_Host.doc.m_Heslo) {
    // A password set on the other computer guards this one too.
    const std::optional<std::string> typed = m_Host.ui.AskPassword("Zadejte heslo pro :\r\n\r\n" + fullPath);
    if (!typed || *typed != version.content.m_Heslo) return std::nullopt;
  }
  if (!reason.empty()) {
    Status(
        QString::fromStdString("Kalendář byl změněn jiným programem, ale nelze jej načíst: " + reason + "."));
    return std::nullopt;
  }
  return version;
}

// A kept version of the calendar's file as a calendar: an encrypted one only with the key the
// calendar holds, since no one is asked for a base.
std::optional<CCalendarContent> CExternalChanges::LoadKept(const CArchiveBuffer& bytes) const {
  std::optional<CArchiveBuffer> plain;
  if (!crypto::LooksEncrypted(bytes.View()))
    plain = bytes;
  else if (m_Host.doc.EncryptionKey())
    plain = DecryptWithKey(bytes.View(), *m_Host.doc.EncryptionKey());
  if (!plain) return std::nullopt;
  std::optional<CCalendarContent> content(std::in_place, m_Host.doc.Ui());
  std::string reason;
  if (!LoadCalendar(*plain, *content, m_Host.doc.Ui(), reason)) return std::nullopt;
  return content;
}

void CExternalChanges::Reload(SVersion theirs) {
  const SPlace place = Remember();
  static_cast<CCalendarContent&>(m_Host.doc) = std::move(theirs.content);
  m_Host.doc.RestoreFile(m_Host.doc.GetPathName(), theirs.file.identity);
  // The file as it is now: encrypted, or no longer, on the other computer.
  if (theirs.key != m_Host.doc.EncryptionKey()) m_Host.doc.SetEncryptionKey(std::move(theirs.key));
  KeepBase(std::move(theirs.file.bytes));
  // Records of years beyond this run's range are reached as after opening the file.
  const std::string widened = WidenYearRangeToRecords(m_Host.doc);
  ShowAgain(place);
  m_Host.doc.SetModifiedFlag(false);
  Status(widened.empty() ? QString::fromUtf8(kReloaded)
                         : QString::fromUtf8(kReloaded) + u' ' + QString::fromStdString(widened));
}

void CExternalChanges::MergeFileIn(SVersion theirs) {
  m_Host.storeOpenTexts();
  const SPlace place = Remember();
  const std::optional<CCalendarContent> base = m_Base ? LoadKept(*m_Base) : std::nullopt;
  CCommentaryJoin joiner;
  const SMergeResult result = MergeCalendars(m_Host.doc, theirs.content, base ? &*base : nullptr, joiner);
  // Their version stays in their file, unmerged: the next save asks before it overwrites it.
  if (result.tooLarge) {
    m_Host.ui.MessageBox("Výklad je příliš velký");
    return;
  }
  // What the file holds now is in the calendar: the next change of the file starts from there.
  m_Host.doc.RestoreFile(m_Host.doc.GetPathName(), theirs.file.identity);
  // The other computer's entries are never written in clear because this window had no key.
  if (!m_Host.doc.EncryptionKey() && theirs.key) m_Host.doc.SetEncryptionKey(std::move(theirs.key));
  KeepBase(std::move(theirs.file.bytes));
  WidenYearRangeToRecords(m_Host.doc);
  ShowAgain(place);
  m_Host.doc.SetModifiedFlag(true);
  ShowJoined(result);
}

bool CExternalChanges::DecideChangedFile(const std::string& path) {
  if (!m_AskChangedFile) {
    return m_Host.ui.AskYesNoDefaultNo("Soubor " + path +
                                       " byl mezitím změněn jiným programem. Přepsat jej?");
  }
  const std::string question =
      QString::fromUtf8(kChangedOnSave).arg(QString::fromStdString(path)).toStdString();
  switch (m_AskChangedFile(question)) {
    case EChangedFileAnswer::Overwrite:
      return true;
    case EChangedFileAnswer::Cancel:
      return false;
    case EChangedFileAnswer::Merge:
      break;
  }
  // The save holds the file's lock: the file is read without taking it again.
  std::optional<SVersion> theirs = ReadFileNow(/*lock=*/false);
  if (!theirs) return false;
  MergeFileIn(std::move(*theirs));
  return true;
}

void CExternalChanges::OfferCopies() {
  const std::string& path = m_Host.doc.GetPathName();
  if (path.empty() || QApplication::activeModalWidget()) return;
  std::vector<std::string> copies;
  for (const std::string& copy : FindConflictCopies(path))
    if (!m_Declined.contains(copy) &&
        std::find(m_PendingTrash.begin(), m_PendingTrash.end(), copy) == m_PendingTrash.end())
      copies.push_back(copy);
  if (copies.empty()) return;
  if (!m_Host.ui.AskYesNo(QString::fromUtf8(kOfferCopies).arg(copies.size()).toStdString())) {
    m_Declined.insert(copies.begin(), copies.end());
    return;
  }
  MergeCopies(copies);
}

std::optional<CCalendarContent> CExternalChanges::BaseFor(std::string_view theirsBytes,
                                                          std::string_view oursBytes) const {
  // The kept base is the last version this window loaded or saved, which is mostly one of the two
  // sides itself: taken as their common start, it would make the other side's additions look like
  // deletions. Then the union is the merge that loses nothing.
  if (!m_Base || m_Base->View() == theirsBytes || m_Base->View() == oursBytes) return std::nullopt;
  return LoadKept(*m_Base);
}

void CExternalChanges::MergeCopies(const std::vector<std::string>& copies) {
  m_Host.storeOpenTexts();
  const SPlace place = Remember();
  const SFileBytes ours = ReadFileBytes(m_Host.doc.GetPathName(), /*lock=*/false);
  SMergeResult total;
  CCommentaryJoin joiner;
  for (const std::string& copy : copies) {
    // The copy is opened as any calendar: its password is asked for, a damaged one is refused and kept.
    CTedDoc other(m_Host.ui);
    other.SetEncryptionKey(m_Host.doc.EncryptionKey());  // a copy under the same passphrase asks nothing
    if (!other.OnOpenDocument(copy)) continue;
    const SFileBytes copyBytes = ReadFileBytes(copy, /*lock=*/false);
    const std::optional<CCalendarContent> base = BaseFor(copyBytes.bytes.View(), ours.bytes.View());
    const SMergeResult result = MergeCalendars(m_Host.doc, other, base ? &*base : nullptr, joiner);
    if (result.tooLarge) {
      m_Host.ui.MessageBox("Výklad je příliš velký");
      continue;  // the copy stays where it is, unmerged
    }
    if (!m_Host.doc.EncryptionKey() && other.EncryptionKey())
      m_Host.doc.SetEncryptionKey(other.EncryptionKey());
    total.joinedDays.insert(total.joinedDays.end(), result.joinedDays.begin(), result.joinedDays.end());
    total.joinedMonths.insert(total.joinedMonths.end(), result.joinedMonths.begin(),
                              result.joinedMonths.end());
    total.recordsChanged += result.recordsChanged;
    total.namesAndStylesAdded += result.namesAndStylesAdded;
    m_PendingTrash.push_back(copy);
  }
  ShowAgain(place);
  if (total.Changed()) {
    m_Host.doc.SetModifiedFlag(true);
  } else {
    Saved(m_Host.doc.GetPathName());  // nothing new in them: they go to the Trash at once
  }
  ShowJoined(total);
}

auto CExternalChanges::Remember() const -> SPlace {
  SPlace place{m_Host.model.SelectedDate()};
  for (std::size_t i = 0; i < m_Host.editors.size(); ++i) {
    place.caret[i] = m_Host.editors[i]->textCursor().position();
    place.scroll[i] = m_Host.editors[i]->verticalScrollBar()->value();
  }
  return place;
}

void CExternalChanges::ShowAgain(const SPlace& place) {
  m_Host.doc.m_Names.UpdateEasterMonday(place.day.year);
  m_Host.refreshStyles();
  m_Host.model.DoMonth(place.day.day, place.day.month, place.day.year);
  for (std::size_t i = 0; i < m_Host.editors.size(); ++i) {
    CRichTextView& editor = *m_Host.editors[i];
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(std::min(place.caret[i], editor.document()->characterCount() - 1));
    editor.setTextCursor(cursor);
    editor.verticalScrollBar()->setValue(place.scroll[i]);
  }
  m_Host.view.Refresh();
}

void CExternalChanges::ShowJoined(const SMergeResult& result) {
  Status(QString::fromUtf8(kMerged).arg(result.joinedDays.size()));
  if (m_JoinedList) m_JoinedList->window()->close();
  m_JoinedList = ShowJoinedDays(&m_Host.frame, CJoinedDays(result), [this](const Date& day) {
    if (m_Host.model.GoToDate(day)) m_Host.view.Refresh();
  });
}

void CExternalChanges::Status(const QString& text) {
  m_Host.frame.statusBar()->showMessage(text);
}

}  // namespace orv
