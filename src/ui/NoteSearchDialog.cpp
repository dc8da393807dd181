#include "ui/NoteSearchDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "export/TxtExportCommands.h"
#include "search/FulltextDialog.h"
#include "ui/QtText.h"
#include "ui/ResultExportButtons.h"

namespace orv {

CNoteSearchDialog::CNoteSearchDialog(QWidget* parent, const CTedDoc& doc, std::string baseFace,
                                     IUiServices& ui)
    : QDialog(parent), m_Doc(doc), m_Ui(ui) {
  setWindowTitle(QStringLiteral("Vyhledávání v poznámkách"));
  setObjectName(QStringLiteral("NoteSearchDialog"));
  m_Text = new QLineEdit(this);
  m_Text->setObjectName(QStringLiteral("SearchText"));
  m_Text->setAccessibleName(QStringLiteral("Hledaný text"));
  m_WholeWords = new QCheckBox(QStringLiteral("Pouze celá slova"), this);
  m_MatchCase = new QCheckBox(QStringLiteral("Rozlišovat malá a velká písmena"), this);
  m_IgnoreAccents = new QCheckBox(QStringLiteral("Bez ohledu na diakritiku"), this);
  m_SearchButton = new QPushButton(QStringLiteral("Hledat"), this);
  m_SearchButton->setAutoDefault(false);
  // Date and note in two columns, so that the notes line up.
  m_Found = new QTreeWidget(this);
  m_Found->setObjectName(QStringLiteral("FoundNotes"));
  m_Found->setAccessibleName(QStringLiteral("Nalezené poznámky"));
  m_Found->setColumnCount(2);
  m_Found->setHeaderHidden(true);
  m_Found->setRootIsDecorated(false);
  m_Found->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  auto* exports = new QHBoxLayout;
  AddResultExportButtons(*exports, this, {doc, RtfResultSource::NoteSearch, std::move(baseFace), ui}, [this] {
    return SResultToExport{&m_Search.FoundKeys(), ERtfResultArea::Days};
  });
  auto* txtButton = new QPushButton(QStringLiteral("Export poznámek do txt"), this);
  txtButton->setAutoDefault(false);
  exports->addWidget(txtButton);
  auto* buttons = new QDialogButtonBox(this);
  m_Ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  m_Ok->setAutoDefault(false);
  buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole)->setAutoDefault(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Hledat: "), this), 0, 0);
  layout->addWidget(m_Text, 0, 1);
  layout->addWidget(m_SearchButton, 0, 2);
  layout->addWidget(m_WholeWords, 1, 1);
  layout->addWidget(m_MatchCase, 2, 1);
  layout->addWidget(m_IgnoreAccents, 3, 1);
  layout->addWidget(m_Found, 4, 0, 1, 3);
  layout->addLayout(exports, 5, 0, 1, 3);
  layout->addWidget(buttons, 6, 0, 1, 3);

  connect(m_SearchButton, &QPushButton::clicked, this, [this] { OnSearch(); });
  // A changed text is searched first; a double click chooses a day as OK does.
  connect(m_Text, &QLineEdit::textEdited, this, [this] { SetDefault(m_SearchButton); });
  connect(m_Found, &QTreeWidget::itemDoubleClicked, this, [this] { OnOk(); });
  connect(txtButton, &QPushButton::clicked, this,
          [this] { OnExportResultTxt(m_Doc, m_Search.FoundKeys(), TxtResultSource::NoteSearch, m_Ui); });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { OnOk(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  SetDefault(m_SearchButton);
}

void CNoteSearchDialog::OnSearch() {
  m_Found->clear();
  SetDefault(m_SearchButton);
  m_Search.SetIgnoreAccents(m_IgnoreAccents->isChecked());
  const NoteSearchStatus status = m_Search.Search(m_Doc, ToCp1250(m_Text->text()), m_WholeWords->isChecked(),
                                                  m_MatchCase->isChecked(), m_Ui);
  if (status != NoteSearchStatus::Found) {
    m_Text->setFocus(Qt::OtherFocusReason);
    return;
  }
  for (const std::string& entry : m_Search.Entries())
    m_Found->addTopLevelItem(new QTreeWidgetItem(FromCp1250(entry).split(QLatin1Char('\t'))));
  m_Found->setFocus(Qt::OtherFocusReason);
  m_Found->setCurrentItem(m_Found->topLevelItem(0));
  SetDefault(m_Ok);
}

void CNoteSearchDialog::SetDefault(QPushButton* button) {
  m_SearchButton->setDefault(button == m_SearchButton);
  m_Ok->setDefault(button == m_Ok);
}

void CNoteSearchDialog::OnOk() {
  const int row = m_Found->currentItem() ? m_Found->indexOfTopLevelItem(m_Found->currentItem()) : -1;
  const std::string key = m_Search.SelectedKey(
      row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row)), m_Ui);
  m_Result = FoundKeyDate(key);
  accept();
}

std::optional<Date> RunNoteSearchDialog(QWidget* parent, const CTedDoc& doc, std::string baseFace,
                                        IUiServices& ui) {
  CNoteSearchDialog dialog(parent, doc, std::move(baseFace), ui);
  dialog.exec();
  return dialog.Result();
}

}  // namespace orv
