#pragma once
// Spell checking bound to the two commentary editors: the underlines, the spelling items at the head
// of the editors' context menu ("Přidat do slovníku", "Ignorovat" and up to five suggestions for an
// unknown word under the mouse) and "Kontrola pravopisu" in the "Zobrazit" menu, remembered in the
// settings and on by default wherever the Czech dictionary is installed.

#include <QObject>
#include <string>
#include <vector>

class QAction;

namespace orv {

class CMainFrame;
class CRichTextView;
class CSpellHighlighter;
struct SFrameState;

class CSpellingBinding : public QObject {
 public:
  CSpellingBinding(CMainFrame& frame, CRichTextView& month, CRichTextView& day);

  bool IsOn() const { return m_bOn; }
  // The check mark of "Kontrola pravopisu" and why it is greyed.
  void Describe(SFrameState& state) const;

 private:
  void SetOn(bool on);
  void LoadDictionary(int delayMs);
  std::vector<QAction*> MenuHead(CRichTextView& view, int position, QObject& owner);
  void WordBecameKnown(const std::string& word);

  CMainFrame& m_Frame;
  std::string m_Missing;  // why spell checking cannot be had; empty when it can
  std::vector<CSpellHighlighter*> m_Highlighters;
  bool m_bOn = false;
};

}  // namespace orv
