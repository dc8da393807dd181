#include "ui/FindReplaceDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/UiServices.h"
#include "editor/CommentaryEditor.h"
#include "ui/QtText.h"

namespace orv {

CFindReplaceDialog::CFindReplaceDialog(QWidget* parent, bool replacing, FindSettings& settings,
                                       CCommentaryEditor& editor, std::function<void()> store,
                                       std::function<void()> changed, std::function<void()> shown)
    : QDialog(parent),
      m_Replacing(replacing),
      m_Settings(settings),
      m_Editor(editor),
      m_Store(std::move(store)),
      m_Changed(std::move(changed)),
      m_Shown(std::move(shown)) {
  setWindowTitle(replacing ? QStringLiteral("Záměna výrazů") : QStringLiteral("Najít výraz"));
  m_Find = new QLineEdit(this);
  m_Find->setObjectName(QStringLiteral("FindText"));
  auto* fields = new QFormLayout;
  fields->addRow(replacing ? QStringLiteral("Najít:") : QStringLiteral("Hledat:"), m_Find);
  if (replacing) {
    m_Replacement = new QLineEdit(this);
    m_Replacement->setObjectName(QStringLiteral("ReplacementText"));
    fields->addRow(QStringLiteral("Zaměnit za:"), m_Replacement);
  }
  m_WholeWords = new QCheckBox(QStringLiteral("Pouze celá slova"), this);
  m_MatchCase = new QCheckBox(QStringLiteral("Rozlišovat malá a velká písmena"), this);
  m_UseMask = new QCheckBox(QStringLiteral("Použít masku (?,*)"), this);
  m_IgnoreAccents = new QCheckBox(QStringLiteral("Bez ohledu na diakritiku"), this);
  auto* areaBox = new QGroupBox(QStringLiteral("Oblast hledání"), this);
  auto* areaLayout = new QVBoxLayout(areaBox);
  const char* areaTexts[] = {"Dolů", "Nahoru", "Celý text"};
  for (int i = 0; i < 3; ++i)
    areaLayout->addWidget(m_Areas[i] = new QRadioButton(QString::fromUtf8(areaTexts[i])));

  auto* buttons = new QVBoxLayout;
  auto addButton = [&](const QString& text, auto action) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
    buttons->addWidget(button);
    return button;
  };
  addButton(QStringLiteral("Najít další"), &CFindReplaceDialog::OnFindNext)->setDefault(true);
  if (replacing) {
    addButton(QStringLiteral("Zaměnit"), &CFindReplaceDialog::OnReplace);
    addButton(QStringLiteral("Zaměnit vše"), &CFindReplaceDialog::OnReplaceAll);
  }
  addButton(QStringLiteral("Storno"), &QDialog::reject);
  buttons->addStretch();

  auto* options = new QVBoxLayout;
  for (QWidget* box : {static_cast<QWidget*>(m_WholeWords), static_cast<QWidget*>(m_MatchCase),
                       static_cast<QWidget*>(m_UseMask), static_cast<QWidget*>(m_IgnoreAccents)})
    options->addWidget(box);
  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  auto* row = new QHBoxLayout;
  row->addLayout(options);
  row->addWidget(areaBox);
  left->addLayout(row);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(buttons);

  connect(m_UseMask, &QCheckBox::clicked, this, [this](bool on) {
    m_Settings.SetMask(on);
    ShowSettings();
  });
  connect(m_WholeWords, &QCheckBox::clicked, this, [this](bool on) { m_Settings.SetWholeWords(on); });
  ShowSettings();
}

void CFindReplaceDialog::ShowSettings() {
  m_Find->setText(FromCp1250(m_Settings.text));
  m_WholeWords->setChecked(m_Settings.wholeWords);
  m_WholeWords->setEnabled(m_Settings.WholeWordsEnabled());
  m_MatchCase->setChecked(m_Settings.matchCase);
  m_UseMask->setChecked(m_Settings.useMask);
  m_IgnoreAccents->setChecked(m_Settings.ignoreAccents);
  m_Areas[static_cast<int>(m_Settings.area) - 1]->setChecked(true);
}

bool CFindReplaceDialog::ReadSettings() {
  m_Settings.text = ToCp1250(m_Find->text());
  m_Settings.matchCase = m_MatchCase->isChecked();
  m_Settings.ignoreAccents = m_IgnoreAccents->isChecked();
  for (int i = 0; i < 3; ++i)
    if (m_Areas[i]->isChecked()) m_Settings.area = static_cast<FindArea>(i + 1);
  IUiServices& ui = m_Editor.Ui();
  if (m_Replacing && !m_Settings.text.empty()) DropMaskWithoutWildcard(m_Settings, ui);
  ShowSettings();
  if (!CheckFindText(m_Settings, ui)) {
    m_Find->setFocus(Qt::OtherFocusReason);
    return false;
  }
  m_Store();
  return true;
}

void CFindReplaceDialog::OnFindNext() {
  if (ReadSettings() && FindNext(m_Editor.Control(), m_Settings, m_Editor.Ui())) m_Shown();
}

void CFindReplaceDialog::OnReplace() {
  if (!ReadSettings()) return;
  if (Replace(m_Editor.Control(), m_Settings, ToCp1250(m_Replacement->text()), m_Editor.Ui())) m_Changed();
  m_Shown();
}

void CFindReplaceDialog::OnReplaceAll() {
  if (!ReadSettings()) return;
  if (ReplaceAll(m_Editor.Control(), m_Settings, ToCp1250(m_Replacement->text()), m_Editor.Ui()) > 0)
    m_Changed();
  m_Shown();
}

}  // namespace orv
