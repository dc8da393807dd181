#pragma once
// "Vyhledávání v poznámkách": the window of the search in short notes over CNoteSearch. It runs
// modally, starts empty every time, and answers the day the calendar is to move to.

#include <QDialog>
#include <optional>
#include <string>

#include "core/CalendarDates.h"
#include "search/NoteSearch.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace orv {

class CNoteSearchDialog : public QDialog {
 public:
  // `baseFace` (Windows-1250): the face of the headings and notes of the result exports.
  CNoteSearchDialog(QWidget* parent, const CTedDoc& doc, std::string baseFace, IUiServices& ui);

  // The date of the entry selected on OK; nothing on Storno or without a showable selection.
  std::optional<Date> Result() const { return result() == QDialog::Accepted ? m_Result : std::nullopt; }

 private:
  void OnSearch();
  void OnOk();
  // Enter presses "Hledat" while a search is being set up, OK once its days are listed.
  void SetDefault(QPushButton* button);

  const CTedDoc& m_Doc;
  IUiServices& m_Ui;
  CNoteSearch m_Search;
  QLineEdit* m_Text = nullptr;
  QCheckBox* m_WholeWords = nullptr;
  QCheckBox* m_MatchCase = nullptr;
  QCheckBox* m_IgnoreAccents = nullptr;
  QTreeWidget* m_Found = nullptr;
  QPushButton* m_SearchButton = nullptr;
  QPushButton* m_Ok = nullptr;
  std::optional<Date> m_Result;
};

std::optional<Date> RunNoteSearchDialog(QWidget* parent, const CTedDoc& doc, std::string baseFace,
                                        IUiServices& ui);

}  // namespace orv
