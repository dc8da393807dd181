#include "editor/Reformat.h"

#include <utility>
#include <vector>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "document/TedDoc.h"
#include "editor/StyleFormats.h"
#include "editor/UndoStep.h"
#include "richtext/RichDocument.h"
#include "richtext/RichEditCtrl.h"

namespace orv {
namespace {

struct SRange {
  int from, to;
  QTextCharFormat format;
};

// The character changes of one paragraph, gathered before any is made so that fragments stay valid.
void CollectCharChanges(const QTextBlock& block, const SStyleEdits& edits, std::vector<SRange>& changes) {
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const RunFormat run = RunFormatOf(fragment.charFormat());
    const CharFormat format = ToCharFormat(run, CFM_ALL);
    for (const SStyleEdits::Char& edit : edits.chars) {
      if (!IsSameCharStyle(format, edit.before)) continue;
      changes.push_back({fragment.position(), fragment.position() + fragment.length(),
                         ToQtCharFormat(ToRunFormat(edit.after))});
      break;
    }
  }
}

}  // namespace

bool ReformatContent(CRichEditCtrl& ctrl, const SStyleEdits& edits) {
  QTextDocument* document = ctrl.Document();
  std::vector<SRange> chars;
  std::vector<std::pair<int, ParaFormat>> pars;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (!edits.chars.empty()) CollectCharChanges(block, edits, chars);
    const ParaFormat format = ParaFormatOf(block.blockFormat());
    for (const SStyleEdits::Par& edit : edits.pars)
      if (IsSameParStyle(format, edit.before)) {
        pars.emplace_back(block.position(), edit.after);
        break;
      }
  }
  if (chars.empty() && pars.empty()) return false;
  const CUndoStep step(ctrl);
  QTextCursor cursor(document);
  for (const SRange& range : chars) {
    cursor.setPosition(range.from);
    cursor.setPosition(range.to, QTextCursor::KeepAnchor);
    cursor.setCharFormat(range.format);
  }
  const CharRange noted = ctrl.GetSel();
  for (const auto& [position, format] : pars) {
    ctrl.SetSel(position, position);
    ParaFormat change = format;
    change.mask = PFM_ALL | PFM_OFFSETINDENT;
    ctrl.SetParaFormat(change);
  }
  ctrl.SetSel(noted.min, noted.max);
  return true;
}

int ReformatCommentaries(CTedDoc& doc, const SStyleEdits& edits, const ReformatProgress& progress) {
  if (edits.empty()) return 0;
  const int total = static_cast<int>(doc.m_DataMesice.size() + doc.m_DataTxt.size());
  int done = 0;
  int stored = 0;
  CRichEditCtrl ctrl;
  // Records are read as views and written only when their RTF really changes, so a calendar's
  // untouched commentaries keep their bytes (and the cost of a save stays a copy).
  const auto reformat = [&](CRecordMap& records) {
    std::vector<std::pair<std::string, std::string>> changed;
    records.Visit([&](std::string_view key, const CEntrTxt& record) {
      if (!record.m_Rtf.empty()) {
        ctrl.StreamIn(record.m_Rtf);
        if (ReformatContent(ctrl, edits)) {
          std::string rtf = ctrl.StreamOut();
          if (rtf != record.m_Rtf) changed.emplace_back(std::string(key), std::move(rtf));
        }
      }
      if (progress) progress(++done, total);
    });
    for (auto& [key, rtf] : changed) records.Find(key)->m_Rtf = std::move(rtf);
    stored += static_cast<int>(changed.size());
  };
  reformat(doc.m_DataMesice);
  reformat(doc.m_DataTxt);
  if (stored > 0) doc.SetModifiedFlag();
  return stored;
}

}  // namespace orv
