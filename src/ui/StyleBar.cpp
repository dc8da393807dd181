#include "ui/StyleBar.h"

#include <QCollator>
#include <QComboBox>
#include <QFontMetrics>
#include <QLocale>
#include <QSignalBlocker>

#include "editor/CommentaryEditor.h"
#include "ui/QtText.h"

namespace orv {
namespace {

void FillSorted(QComboBox* combo, const std::vector<std::string>& names) {
  QStringList items;
  for (const std::string& name : names) items.append(FromCp1250(name));
  items.removeDuplicates();
  QCollator collator{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
  std::sort(items.begin(), items.end(), collator);
  const QString current = combo->currentText();
  combo->clear();
  combo->addItems(items);
  combo->setCurrentIndex(combo->findText(current));
}

void ShowText(QComboBox* combo, const QString& text) {
  const QSignalBlocker blocker(combo);
  combo->setCurrentIndex(text.isEmpty() ? -1 : combo->findText(text));
}

}  // namespace

const std::vector<SScript>& StyleBarScripts() {
  static const std::vector<SScript> scripts{
      {"Středoevropský", 238}, {"Západní", 0}, {"Cyrilika", 204}, {"Symboly", 2}};
  return scripts;
}

CStyleBar::CStyleBar(const std::vector<QAction*>& buttons, QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("StyleBar"));
  setWindowTitle(QStringLiteral("Formátovací panel nástrojů"));
  setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  setIconSize(QSize(16, 16));
  for (QAction* action : buttons) {
    if (action)
      addAction(action);
    else
      addSeparator();
  }
  addSeparator();
  m_Face = AddCombo("FaceCombo", 32, 16, QStringLiteral("Písmo"));
  m_Size = AddCombo("SizeCombo", 12, 14, QStringLiteral("Velikost písma"));
  m_Script = AddCombo("ScriptCombo", 23, 16, QStringLiteral("Znaková sada"));
  m_CharStyle = AddCombo("CharStyleCombo", 18, 14, QStringLiteral("Styl písma"));
  m_ParStyle = AddCombo("ParStyleCombo", 18, 14, QStringLiteral("Styl odstavce"));
  for (int size : {8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 24, 26, 28, 32, 36, 48, 72})
    m_Size->addItem(QString::number(size));
  std::vector<std::string> scripts;
  for (const SScript& script : StyleBarScripts()) scripts.push_back(ToCp1250(QString::fromUtf8(script.name)));
  FillSorted(m_Script, scripts);
  SetFontControlsEnabled(false);
}

QComboBox* CStyleBar::AddCombo(const char* objectName, int widthInChars, int visibleLines,
                               const QString& tip) {
  auto* combo = new QComboBox(this);
  combo->setObjectName(QString::fromLatin1(objectName));
  combo->setMaxVisibleItems(visibleLines);
  combo->setToolTip(tip);
  combo->setAccessibleName(tip);
  combo->setFocusPolicy(Qt::ClickFocus);
  combo->setFixedWidth(QFontMetrics(combo->font()).averageCharWidth() * widthInChars);
  addWidget(combo);
  return combo;
}

void CStyleBar::SetFaces(const std::vector<std::string>& faces) {
  FillSorted(m_Face, faces);
}
void CStyleBar::SetCharStyles(const std::vector<std::string>& names) {
  FillSorted(m_CharStyle, names);
}
void CStyleBar::SetParStyles(const std::vector<std::string>& names) {
  FillSorted(m_ParStyle, names);
}

void CStyleBar::SetFontControlsEnabled(bool enabled) {
  for (QComboBox* combo : {m_Face, m_Size, m_Script, m_CharStyle, m_ParStyle}) combo->setEnabled(enabled);
}

void CStyleBar::ShowSelectionFormat(const SSelectionFormat& format) {
  QString script;
  for (const SScript& known : StyleBarScripts())
    if (known.charset == format.charset) script = QString::fromUtf8(known.name);
  ShowText(m_Face, FromCp1250(format.face));
  ShowText(m_Size, format.points > 0 ? QString::number(format.points) : QString());
  ShowText(m_Script, script);
  ShowText(m_CharStyle, FromCp1250(format.charStyle));
  ShowText(m_ParStyle, FromCp1250(format.parStyle));
}

}  // namespace orv
