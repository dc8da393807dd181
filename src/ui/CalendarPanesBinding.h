#pragma once
// The calendar view's text areas in the main window: the note field of CTedView and the two
// commentary panes, each a rich edit control shown by a text editor of the frame. The view model
// loads and stores the selected day's texts through this binding.
//
// A commentary the user has not touched since it was loaded is stored as the RTF it was loaded
// from, so that merely looking at a day never rewrites its record.

#include <QPalette>
#include <functional>
#include <string>

#include "richtext/RichEditCtrl.h"
#include "view/CalendarPanes.h"

class QTextEdit;

namespace orv {

class CTedView;

class CCalendarPanesBinding : public ICalendarPanes {
 public:
  // The editors show the binding's controls from now on; `onEdited` hears every change the user
  // makes to a commentary.
  CCalendarPanesBinding(CTedView& view, QTextEdit& monthEditor, QTextEdit& dayEditor,
                        std::function<void()> onEdited);
  CCalendarPanesBinding(const CCalendarPanesBinding&) = delete;
  CCalendarPanesBinding& operator=(const CCalendarPanesBinding&) = delete;

  std::string GetNote() const override;
  void SetNote(std::string_view note) override;
  bool IsNoteBeingEdited() const override;

  CCommentaryText StoreDayCommentary() override { return m_Day.Store(); }
  void LoadDayCommentary(std::string_view rtf) override { m_Day.Load(rtf); }
  CCommentaryText StoreMonthCommentary() override { return m_Month.Store(); }
  void LoadMonthCommentary(std::string_view rtf) override { m_Month.Load(rtf); }

  bool SetReadOnly(bool readOnly) override;
  void SetCommentaryBackground(std::optional<uint32_t> colour) override;

 private:
  class CCommentaryPane {
   public:
    CCommentaryPane(QTextEdit& editor, std::function<void()> onEdited);
    CCommentaryText Store() const;
    void Load(std::string_view rtf);
    QTextEdit& Editor() const { return m_Editor; }

   private:
    QTextEdit& m_Editor;
    CRichEditCtrl m_Ctrl;
    std::string m_LoadedRtf;
    bool m_Loading = false;
  };

  CTedView& m_View;
  CCommentaryPane m_Month;
  CCommentaryPane m_Day;
  QPalette m_SystemPalette;
};

}  // namespace orv
