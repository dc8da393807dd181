#pragma once
// "Vyhledávání ve výkladech": the window of the full-text search over CFulltextDialog. It runs
// modally and answers the day the calendar is to move to. The search text and the check boxes are
// kept in the settings between openings and, through QSettings, between runs of the program.
//
// A long search runs in turns of the event loop, so that the windows keep painting: meanwhile the
// window's controls are locked, the wait cursor shows (the arrow over "Přerušit"), and "Přerušit" or
// Esc ends the search.

#include <QDialog>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "core/CalendarDates.h"
#include "richtext/RichEditCtrl.h"
#include "search/FulltextDialog.h"

class QAbstractButton;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace orv {

FulltextSettings LoadFulltextSettings();
void SaveFulltextSettings(const FulltextSettings& settings);

class CFulltextSearchDialog : public QDialog {
 public:
  // `baseFace` (Windows-1250): the face of the headings and notes of the result exports.
  CFulltextSearchDialog(QWidget* parent, const CTedDoc& doc, CFulltextSearch& search,
                        FulltextSettings& settings, std::string baseFace, IUiServices& ui);
  ~CFulltextSearchDialog() override;

  // The date of the entry selected on OK; nothing on Storno or without a showable selection.
  std::optional<Date> Result() const;

  // Esc and Storno while a search runs end the search, not the window.
  void reject() override;

 private:
  void BuildControls();
  void ShowSettings();
  void OnSearch();
  // One turn of a running search; true when the search is done.
  bool SearchTurn();
  void ContinueSearch();
  void EndSearch();
  void CancelSearch();
  // Locks the window's controls while a search runs, and shows "Přerušit".
  void ShowSearching(bool searching);
  void ShowLists();
  void ShowPreview();
  void OnExportTxt();
  void AddExportButtons(QBoxLayout& layout);

  const CTedDoc& m_Doc;
  CFulltextSearch& m_Search;
  CFulltextDialog m_Model;
  std::string m_BaseFace;
  IUiServices& m_Ui;
  CRichEditCtrl m_PreviewText;
  QLineEdit* m_Text = nullptr;
  QCheckBox* m_WholeWords = nullptr;
  QCheckBox* m_MatchCase = nullptr;
  QCheckBox* m_UseMask = nullptr;
  QCheckBox* m_Logical = nullptr;
  QCheckBox* m_PreviousResult = nullptr;
  QCheckBox* m_CommentariesOnly = nullptr;
  QCheckBox* m_IgnoreAccents = nullptr;
  QButtonGroup* m_ExportArea = nullptr;  // exportArea 0, 1, 2
  QListWidget* m_Days = nullptr;
  QListWidget* m_Months = nullptr;
  QTextEdit* m_NotePreview = nullptr;
  QTextEdit* m_CommentaryPreview = nullptr;
  QPushButton* m_Cancel = nullptr;  // "Přerušit"
  std::vector<QWidget*> m_Locked;   // what a running search locks
  QTimer m_Turns;                   // the next turn of a running search
  bool m_Searching = false;
  bool m_Showing = false;  // the lists are being filled or selected by the window itself
  std::optional<Date> m_Result;
};

// Opens the window; the date chosen on OK.
std::optional<Date> RunFulltextSearchDialog(QWidget* parent, const CTedDoc& doc, CFulltextSearch& search,
                                            FulltextSettings& settings, std::string baseFace,
                                            IUiServices& ui);

}  // namespace orv
