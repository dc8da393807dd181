#include "app/SpellingBinding.h"

#include <QAction>
#include <QSettings>
#include <QTextBlock>
#include <QTextDocument>

#include "app/CommandIds.h"
#include "app/CommandState.h"
#include "app/MainFrame.h"
#include "core/UiServices.h"
#include "editor/CommentaryEditor.h"
#include "spell/SpellChecker.h"
#include "ui/QtText.h"
#include "ui/RichTextView.h"
#include "ui/SpellHighlighter.h"
#include "ui/SpellService.h"

namespace orv {
namespace {

constexpr char kSettingsKey[] = "SpellCheck";
constexpr int kLoadDelayMs = 300;

CSpellChecker* SharedChecker() {
  return CSpellService::Instance().Checker();
}

// The suggestion replaces the word as one undo step in the word's format; the calendar is modified.
void ReplaceWord(CRichTextView& view, int start, int end, const std::string& replacement) {
  CCommentaryEditor& editor = view.Editor();
  editor.Control().SetSel(start, end);
  editor.Control().ReplaceSel(replacement);
  editor.ShowSelection();
  editor.AfterEdit();
}

}  // namespace

CSpellingBinding::CSpellingBinding(CMainFrame& frame, CRichTextView& month, CRichTextView& day)
    : QObject(&frame), m_Frame(frame) {
  m_Missing = CSpellService::Instance().Unavailable().value_or(std::string());
  if (!m_Missing.empty()) return;
  for (CRichTextView* view : {&month, &day}) {
    m_Highlighters.push_back(new CSpellHighlighter(view->document(), SharedChecker));
    view->SetContextMenuHead(
        [this, view](int position, QObject& owner) { return MenuHead(*view, position, owner); });
  }
  frame.SetHandler(cmd::SpellCheck, [this] {
    SetOn(!m_bOn);
    if (m_bOn) LoadDictionary(0);
    QSettings().setValue(QString::fromLatin1(kSettingsKey), m_bOn);
  });
  SetOn(QSettings().value(QString::fromLatin1(kSettingsKey), true).toBool());
  // Reading the dictionary takes a processor for a tenth of a second: not before the window is up.
  if (m_bOn) LoadDictionary(kLoadDelayMs);
}

void CSpellingBinding::Describe(SFrameState& state) const {
  state.spellingMissing = m_Missing;
  state.spellingOn = m_bOn;
}

void CSpellingBinding::SetOn(bool on) {
  m_bOn = on;
  for (CSpellHighlighter* highlighter : m_Highlighters) highlighter->SetOn(on);
  m_Frame.UpdateCommandUI();
}

// The commentaries are checked again once the checker is there.
void CSpellingBinding::LoadDictionary(int delayMs) {
  CSpellService::Instance().Load(
      this,
      [this] {
        for (CSpellHighlighter* highlighter : m_Highlighters) highlighter->rehighlight();
      },
      delayMs);
}

std::vector<QAction*> CSpellingBinding::MenuHead(CRichTextView& view, int position, QObject& owner) {
  CSpellChecker* checker = m_bOn ? SharedChecker() : nullptr;
  if (!checker) return {};
  const QTextBlock block = view.document()->findBlock(position);
  const std::string text = ParagraphBytes(block.text());
  const std::vector<SWordSpan> words = checker->Words(text);
  const SWordSpan* span = WordAt(words, static_cast<std::size_t>(position - block.position()));
  if (!span) return {};
  const std::string word = text.substr(span->pos, span->len);
  if (checker->IsKnown(word)) return {};

  std::vector<QAction*> actions;
  const int start = block.position() + static_cast<int>(span->pos);
  const int end = start + static_cast<int>(span->len);
  for (const std::string& suggestion : checker->Suggest(word)) {
    auto* item = new QAction(FromCp1250(suggestion), &owner);
    item->setEnabled(!view.isReadOnly());
    QObject::connect(item, &QAction::triggered, &view,
                     [&view, start, end, suggestion] { ReplaceWord(view, start, end, suggestion); });
    actions.push_back(item);
  }
  auto* add = new QAction(QStringLiteral("Přidat do slovníku"), &owner);
  QObject::connect(add, &QAction::triggered, this, [this, &view, checker, word] {
    if (const std::string why = checker->AddToPersonal(word); !why.empty())
      view.Editor().Ui().MessageBox(why);
    else
      WordBecameKnown(word);
  });
  auto* ignore = new QAction(QStringLiteral("Ignorovat"), &owner);
  QObject::connect(ignore, &QAction::triggered, this, [this, checker, word] {
    checker->Ignore(word);
    WordBecameKnown(word);
  });
  actions.insert(actions.end(), {add, ignore, nullptr});
  return actions;
}

void CSpellingBinding::WordBecameKnown(const std::string& word) {
  for (CSpellHighlighter* highlighter : m_Highlighters) highlighter->RehighlightWord(word);
}

}  // namespace orv
