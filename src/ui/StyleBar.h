#pragma once
// CStyleBar, the formatting toolbar: the effect and alignment buttons, then five drop-down lists
// for font face, size, script, character style and paragraph style. What choosing in them does
// belongs to the commentary editor; the bar only holds and fills them, and shows the format of the
// focused editor's selection in them.

#include <QToolBar>
#include <string>
#include <vector>

class QComboBox;

namespace orv {

struct SSelectionFormat;

class CStyleBar : public QToolBar {
 public:
  // `buttons` in order; nullptr stands for a separator.
  CStyleBar(const std::vector<QAction*>& buttons, QWidget* parent = nullptr);

  QComboBox* FaceCombo() const { return m_Face; }
  QComboBox* SizeCombo() const { return m_Size; }
  QComboBox* ScriptCombo() const { return m_Script; }
  QComboBox* CharStyleCombo() const { return m_CharStyle; }
  QComboBox* ParStyleCombo() const { return m_ParStyle; }

  // Names are Windows-1250; each list is shown sorted, every name once.
  void SetFaces(const std::vector<std::string>& faces);
  void SetCharStyles(const std::vector<std::string>& names);
  void SetParStyles(const std::vector<std::string>& names);
  // The five lists are usable only while a commentary editor has the focus.
  void SetFontControlsEnabled(bool enabled);
  // Shows the selection's face, size, script and styles; what is empty, or not in a list, shows
  // nothing. The lists do not report it as a choice.
  void ShowSelectionFormat(const SSelectionFormat& format);

 private:
  QComboBox* AddCombo(const char* objectName, int widthInChars, int visibleLines, const QString& tip);

  QComboBox* m_Face;
  QComboBox* m_Size;
  QComboBox* m_Script;
  QComboBox* m_CharStyle;
  QComboBox* m_ParStyle;
};

// The scripts offered and the character sets they stand for.
struct SScript {
  const char* name;
  int charset;
};
const std::vector<SScript>& StyleBarScripts();

}  // namespace orv
