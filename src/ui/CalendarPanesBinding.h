#pragma once
// The calendar view's text areas in the main window: the note field of CTedView and the two
// commentary editors (month above, day below). The view model loads and stores the selected day's
// texts through this binding.
//
// A commentary the user has not touched since it was loaded is stored as the RTF it was loaded
// from, so that merely looking at a day never rewrites its record: the editor's own stream-out
// would give the same text in the control's words, which differ from those of older files.

#include <QPalette>
#include <string>

#include "view/CalendarPanes.h"

namespace orv {

class CRichTextView;
class CTedView;

class CCalendarPanesBinding : public ICalendarPanes {
 public:
  CCalendarPanesBinding(CTedView& view, CRichTextView& monthEditor, CRichTextView& dayEditor);
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
    explicit CCommentaryPane(CRichTextView& view);
    CCommentaryText Store() const;
    void Load(std::string_view rtf);
    void SetReadOnly(bool viewOnly);
    CRichTextView& View() const { return m_View; }

   private:
    void ApplyReadOnly();

    CRichTextView& m_View;
    std::string m_LoadedRtf;
    bool m_Loading = false;
    bool m_Edited = false;    // the text or a format changed since the load
    bool m_Refused = false;   // the editor could not take the stored commentary: it stays locked
    bool m_ViewOnly = false;  // the calendar is view only
  };

  CTedView& m_View;
  CCommentaryPane m_Month;
  CCommentaryPane m_Day;
  QPalette m_SystemPalette;
};

}  // namespace orv
