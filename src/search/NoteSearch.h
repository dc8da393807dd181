#pragma once
// The search in short notes, as an operation of the note search dialog ("Vyhledávání v
// poznámkách"): the dialog reads its text and two check boxes, calls Search, and shows Entries().
// Matching rules are CNoteMatcher's. At most kNoteSearchLimit days are kept: the earliest ones.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/SortedKeyList.h"

namespace orv {

class CTedDoc;
class IUiServices;

inline constexpr std::size_t kNoteSearchLimit = 100;

enum class NoteSearchStatus {
  Refused,   // no search text, or one too long
  NotFound,  // an empty calendar, or no note holds the text
  Found,
};

class CNoteSearch {
 public:
  // The "Hledat" button. Every message has been shown when it returns.
  NoteSearchStatus Search(const CTedDoc& doc, std::string_view text, bool wholeWords, bool matchCase,
                          IUiServices& ui);

  // "Bez ohledu na diakritiku" for the searches to come.
  void SetIgnoreAccents(bool on) { m_IgnoreAccents = on; }

  const CSortedKeyList& FoundKeys() const { return m_Keys; }
  // "05. března 2004\t<note>", one per found day in date order (Windows-1250).
  const std::vector<std::string>& Entries() const { return m_Entries; }
  // The dialog's result for the entry selected on OK; empty when none is.
  std::string SelectedKey(std::optional<std::size_t> entry, IUiServices& ui) const;

 private:
  CSortedKeyList m_Keys;
  std::vector<std::string> m_Entries;
  bool m_IgnoreAccents = false;
};

}  // namespace orv
