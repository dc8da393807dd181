#pragma once
// The character styles dialog ("Styly písma") and the paragraph styles dialog ("Styly odstavce")
// without their windows: the list of names, the checks of "Nový", "Upravit" and "Smazat" with their
// messages, and OK. The model works on a copy of the calendar's style set, so "Storno" leaves the
// calendar as it was; Commit writes the set back and gives the edits that re-format the stored
// commentaries (Reformat.h).
//
//   CCharStylesModel model(doc, ui);
//   if (model.CheckNewName(name)) { format = <font dialog>; model.AddNew(name, format); }
//   ...  SStyleEdits edits = model.Commit(doc);

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/ArchiveMap.h"
#include "document/StyleRecords.h"
#include "editor/Reformat.h"
#include "richtext/RichFormats.h"

namespace orv {

class CTedDoc;
class IUiServices;

// What the paragraph dialog of a paragraph style gives: the format and the character style name.
struct SParStyleChoice {
  ParaFormat format;
  std::string charStyle;
};

template <typename Kind>
class CStylesModel {
 public:
  using Record = typename Kind::Record;
  using Choice = typename Kind::Choice;

  CStylesModel(const CTedDoc& doc, IUiServices& ui);

  // False ("... Kontejner Styly je prázdný") when the calendar has no styles of the kind.
  bool Open();
  // Every name, in Czech order.
  std::vector<std::string> Names() const;
  const Record* Find(std::string_view name) const { return m_Styles.Find(name); }
  Choice ChoiceOf(std::string_view name) const;

  // "Nový": whether the typed name may become a new style (the dialog for its format opens then).
  bool CheckNewName(std::string_view name);
  // The format chosen for the new style; false when refused.
  bool AddNew(std::string_view name, const Choice& chosen);
  // "Upravit" and "Smazat" need a style chosen in the list ("" when none).
  bool CheckEdit(std::string_view selected);
  bool Edit(std::string_view name, const Choice& chosen);
  bool Delete(std::string_view selected);

  bool Changed() const { return m_bChanged; }
  // OK: the style set goes into the calendar (modified when anything changed); the edits of styles
  // that existed before re-format the stored commentaries.
  SStyleEdits Commit(CTedDoc& doc);

 private:
  // The name of another style with the same format, "" when none.
  std::string SameFormatAs(const Choice& chosen, std::string_view except) const;

  IUiServices& m_Ui;
  CArchiveMap<Record> m_Styles;
  std::map<std::string, Record> m_Originals;  // styles edited: their format when the dialog opened
  bool m_bChanged = false;
};

struct SCharStyleKind {
  using Record = CCharFormat;
  using Choice = CharFormat;
};
struct SParStyleKind {
  using Record = CParFormat;
  using Choice = SParStyleChoice;
};
using CCharStylesModel = CStylesModel<SCharStyleKind>;
using CParStylesModel = CStylesModel<SParStyleKind>;

}  // namespace orv
