#pragma once
// The text areas beside the month table that the calendar view fills and empties: the short-note
// field and the two commentary editors. The desktop binds its edit field and editors here; tests bind
// plain rich edit controls. Texts are Windows-1250.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// A commentary as the document keeps it: the editor's RTF and the same text without formatting.
// `kept`: the pane could not show the stored commentary (too large), so it holds nothing to store
// and the calendar keeps what it has.
struct CCommentaryText {
  std::string rtf;
  std::string text;
  bool kept = false;
};

class ICalendarPanes {
 public:
  virtual ~ICalendarPanes() = default;

  virtual std::string GetNote() const = 0;
  virtual void SetNote(std::string_view note) = 0;
  // The user is typing in the note field (it has the focus); moves are refused meanwhile.
  virtual bool IsNoteBeingEdited() const = 0;

  virtual CCommentaryText StoreDayCommentary() = 0;
  virtual void LoadDayCommentary(std::string_view rtf) = 0;
  virtual CCommentaryText StoreMonthCommentary() = 0;
  virtual void LoadMonthCommentary(std::string_view rtf) = 0;

  // Locks or unlocks the note field and both commentaries; false when an area refused.
  virtual bool SetReadOnly(bool readOnly) = 0;
  // The background of both commentaries; nullopt gives back the system colour.
  virtual void SetCommentaryBackground(std::optional<uint32_t> colour) = 0;
};

}  // namespace orv
