#pragma once
// Re-formatting the stored commentaries after styles were edited: every character whose format is
// the same as an edited character style's old format gets the new one, and every paragraph whose
// format is the same as an edited paragraph style's old format gets the new one. A commentary is
// stored again only when its RTF changed, so one without the old formats keeps its bytes.
//
//   SStyleEdits edits;  edits.chars.push_back({oldFormat, newFormat});
//   ReformatCommentaries(doc, edits, [](int done, int total) { ... });

#include <functional>
#include <string>
#include <vector>

#include "richtext/RichFormats.h"

namespace orv {

class CRichEditCtrl;
class CTedDoc;

struct SStyleEdits {
  struct Char {
    CharFormat before, after;
  };
  struct Par {
    ParaFormat before, after;
  };
  std::vector<Char> chars;
  std::vector<Par> pars;
  bool empty() const { return chars.empty() && pars.empty(); }
};

// Re-formats the content of a control in place (one undo step); true when anything changed.
bool ReformatContent(CRichEditCtrl& ctrl, const SStyleEdits& edits);

// Told after each commentary: how many of how many are done.
using ReformatProgress = std::function<void(int done, int total)>;
// Month commentaries first, then the days; the calendar is modified when any was stored again.
// The number of commentaries stored again.
int ReformatCommentaries(CTedDoc& doc, const SStyleEdits& edits, const ReformatProgress& progress = {});

}  // namespace orv
