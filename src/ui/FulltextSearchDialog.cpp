#include "ui/FulltextSearchDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/UiServices.h"
#include "export/TxtExportCommands.h"
#include "ui/ArrowOverButton.h"
#include "ui/QtText.h"
#include "ui/ResultExportButtons.h"

namespace orv {
namespace {

const QString kSettingsGroup = QStringLiteral("FulltextSearch");

// A turn of a running search tests records in steps until it has spent kTurnMs or tested
// kRecordsPerTurn: the windows paint between turns.
constexpr std::size_t kRecordsPerStep = 64;
constexpr std::size_t kRecordsPerTurn = 512;
constexpr qint64 kTurnMs = 25;

QTextEdit* Preview(QWidget* parent, int lines) {
  auto* edit = new QTextEdit(parent);
  edit->setReadOnly(true);
  edit->setMinimumHeight(edit->fontMetrics().lineSpacing() * lines + 12);
  // Paper as the commentary editors are: the texts' own colours and the blue of the found words are
  // chosen for white, also under a dark theme.
  QPalette paper = edit->palette();
  paper.setColor(QPalette::Base, Qt::white);
  paper.setColor(QPalette::Text, Qt::black);
  edit->setPalette(paper);
  return edit;
}

// Blue text over every range; the ranges are positions of the shown plain text.
void Colour(QTextDocument* document, const std::vector<TextRange>& ranges) {
  QTextCharFormat blue;
  blue.setForeground(QColor(0, 0, 255));
  for (const TextRange& range : ranges) {
    QTextCursor cursor(document);
    cursor.setPosition(static_cast<int>(range.first));
    cursor.setPosition(static_cast<int>(range.end), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(blue);
  }
}

}  // namespace

FulltextSettings LoadFulltextSettings() {
  QSettings store;
  store.beginGroup(kSettingsGroup);
  FulltextSettings s;
  s.text = ToCp1250(store.value(QStringLiteral("text")).toString());
  s.wholeWords = store.value(QStringLiteral("wholeWords"), false).toBool();
  s.matchCase = store.value(QStringLiteral("matchCase"), false).toBool();
  s.useMask = store.value(QStringLiteral("useMask"), false).toBool();
  s.logical = store.value(QStringLiteral("logical"), false).toBool();
  s.previousResult = store.value(QStringLiteral("previousResult"), false).toBool();
  s.ignoreAccents = store.value(QStringLiteral("ignoreAccents"), false).toBool();
  s.userWholeWords = store.value(QStringLiteral("userWholeWords"), false).toBool();
  return s;
}

void SaveFulltextSettings(const FulltextSettings& s) {
  QSettings store;
  store.beginGroup(kSettingsGroup);
  store.setValue(QStringLiteral("text"), FromCp1250(s.text));
  store.setValue(QStringLiteral("wholeWords"), s.wholeWords);
  store.setValue(QStringLiteral("matchCase"), s.matchCase);
  store.setValue(QStringLiteral("useMask"), s.useMask);
  store.setValue(QStringLiteral("logical"), s.logical);
  store.setValue(QStringLiteral("previousResult"), s.previousResult);
  store.setValue(QStringLiteral("ignoreAccents"), s.ignoreAccents);
  store.setValue(QStringLiteral("userWholeWords"), s.userWholeWords);
}

CFulltextSearchDialog::CFulltextSearchDialog(QWidget* parent, const CTedDoc& doc, CFulltextSearch& search,
                                             FulltextSettings& settings, std::string baseFace,
                                             IUiServices& ui)
    : QDialog(parent),
      m_Doc(doc),
      m_Search(search),
      m_Model(doc, search, settings),
      m_BaseFace(std::move(baseFace)),
      m_Ui(ui) {
  setWindowTitle(QStringLiteral("Vyhledávání ve výkladech"));
  setObjectName(QStringLiteral("FulltextSearchDialog"));
  // "Pouze výklady" and the export area start afresh with every opening.
  m_Model.SetCommentariesOnly(false);
  BuildControls();
  // The text only here: what the user types stays when a check box changes the others.
  m_Text->setText(FromCp1250(m_Model.Settings().text));
  ShowSettings();
}

CFulltextSearchDialog::~CFulltextSearchDialog() {
  CancelSearch();
}

void CFulltextSearchDialog::BuildControls() {
  auto* textBox = new QGroupBox(QStringLiteral("Hledaný text"), this);
  m_Text = new QLineEdit(textBox);
  m_Text->setObjectName(QStringLiteral("SearchText"));
  m_Text->setAccessibleName(textBox->title());
  m_WholeWords = new QCheckBox(QStringLiteral("Celá slova"), textBox);
  m_MatchCase = new QCheckBox(QStringLiteral("malá a VELKÁ"), textBox);
  m_UseMask = new QCheckBox(QStringLiteral("Maska (*, ?)"), textBox);
  m_Logical = new QCheckBox(QStringLiteral("Logické kombinace (NOT, AND, OR, závorky)"), textBox);
  m_PreviousResult = new QCheckBox(QStringLiteral("Předchozí výsledek vyhledávání"), textBox);
  m_CommentariesOnly = new QCheckBox(QStringLiteral("Pouze výklady"), textBox);
  m_IgnoreAccents = new QCheckBox(QStringLiteral("Bez ohledu na diakritiku"), textBox);
  auto* searchButton = new QPushButton(QStringLiteral("Vyhledat"), textBox);
  searchButton->setDefault(true);
  m_Cancel = new QPushButton(QStringLiteral("Přerušit"), textBox);
  m_Cancel->setAutoDefault(false);
  m_Cancel->setEnabled(false);
  new CArrowOverButton(m_Cancel);
  auto* textLayout = new QGridLayout(textBox);
  textLayout->addWidget(m_Text, 0, 0, 1, 2);
  textLayout->addWidget(searchButton, 0, 2);
  // The short choices in one column, the long ones in the other: the dialog fits a small screen.
  textLayout->addWidget(m_WholeWords, 1, 0);
  textLayout->addWidget(m_MatchCase, 2, 0);
  textLayout->addWidget(m_UseMask, 3, 0);
  textLayout->addWidget(m_CommentariesOnly, 4, 0);
  textLayout->addWidget(m_Logical, 1, 1);
  textLayout->addWidget(m_PreviousResult, 2, 1);
  textLayout->addWidget(m_IgnoreAccents, 3, 1);
  textLayout->addWidget(m_Cancel, 1, 2);

  m_Days = new QListWidget(this);
  m_Days->setObjectName(QStringLiteral("FoundDays"));
  m_Days->setAccessibleName(QStringLiteral("Nalezené dny"));
  m_Months = new QListWidget(this);
  m_Months->setObjectName(QStringLiteral("FoundMonths"));
  m_Months->setAccessibleName(QStringLiteral("Nalezené měsíce"));
  m_NotePreview = Preview(this, 1);
  m_NotePreview->setObjectName(QStringLiteral("NotePreview"));
  m_NotePreview->setAccessibleName(QStringLiteral("Poznámka"));
  m_CommentaryPreview = Preview(this, 8);
  m_CommentaryPreview->setObjectName(QStringLiteral("CommentaryPreview"));
  m_CommentaryPreview->setAccessibleName(QStringLiteral("Výklad"));
  m_CommentaryPreview->setDocument(m_PreviewText.Document());

  auto* rtfBox = new QGroupBox(QStringLiteral("Export do rtf"), this);
  auto* rtfLayout = new QVBoxLayout(rtfBox);
  m_ExportArea = new QButtonGroup(this);
  int area = 0;
  for (const char* text : {"poznámky a výklady dní", "pouze výklady dní", "pouze výklady měsíců"}) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), rtfBox);
    m_ExportArea->addButton(radio, area++);
    rtfLayout->addWidget(radio);
  }
  m_ExportArea->button(0)->setChecked(true);
  AddExportButtons(*rtfLayout);
  auto* txtButton = new QPushButton(QStringLiteral("Export poznámek do txt"), this);
  txtButton->setAutoDefault(false);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setAutoDefault(false);
  buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole)->setAutoDefault(false);

  auto* lists = new QHBoxLayout;
  lists->addWidget(m_Days);
  lists->addWidget(m_Months);
  auto* side = new QVBoxLayout;
  side->addWidget(rtfBox);
  side->addWidget(txtButton);
  side->addStretch();
  side->addWidget(buttons);
  auto* layout = new QGridLayout(this);
  layout->addWidget(textBox, 0, 0);
  layout->addLayout(lists, 1, 0);
  layout->addWidget(m_NotePreview, 2, 0);
  layout->addWidget(m_CommentaryPreview, 3, 0);
  layout->addLayout(side, 0, 1, 4, 1);

  for (QWidget* control : textBox->findChildren<QWidget*>())
    if (control != m_Cancel) m_Locked.push_back(control);
  m_Locked.insert(m_Locked.end(), {m_Days, m_Months, rtfBox, txtButton, ok});
  m_Turns.setSingleShot(true);
  m_Turns.setInterval(0);
  connect(&m_Turns, &QTimer::timeout, this, [this] { ContinueSearch(); });
  connect(m_Cancel, &QPushButton::clicked, this, [this] { CancelSearch(); });
  connect(searchButton, &QPushButton::clicked, this, [this] { OnSearch(); });
  connect(txtButton, &QPushButton::clicked, this, [this] { OnExportTxt(); });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    // Hiding the window moves the focus into a list, which would select its first entry.
    m_Result = FoundKeyDate(m_Model.SelectedKey());
    m_Showing = true;
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_UseMask, &QCheckBox::clicked, this, [this](bool on) {
    m_Model.SetUseMask(on);
    ShowSettings();
  });
  connect(m_WholeWords, &QCheckBox::clicked, this, [this](bool on) { m_Model.SetWholeWords(on); });
  connect(m_MatchCase, &QCheckBox::clicked, this, [this](bool on) { m_Model.SetMatchCase(on); });
  connect(m_Logical, &QCheckBox::clicked, this, [this](bool on) { m_Model.SetLogical(on); });
  connect(m_PreviousResult, &QCheckBox::clicked, this, [this](bool on) { m_Model.SetPreviousResult(on); });
  connect(m_CommentariesOnly, &QCheckBox::clicked, this,
          [this](bool on) { m_Model.SetCommentariesOnly(on); });
  connect(m_IgnoreAccents, &QCheckBox::clicked, this, [this](bool on) { m_Model.SetIgnoreAccents(on); });
  connect(m_Days, &QListWidget::currentRowChanged, this, [this](int row) {
    if (m_Showing || row < 0) return;
    m_Model.SelectDay(static_cast<std::size_t>(row), m_Ui);
    ShowLists();
    ShowPreview();
  });
  connect(m_Months, &QListWidget::currentRowChanged, this, [this](int row) {
    if (m_Showing || row < 0) return;
    m_Model.SelectMonth(static_cast<std::size_t>(row), m_Ui);
    ShowLists();
    ShowPreview();
  });
}

void CFulltextSearchDialog::ShowSettings() {
  const FulltextSettings& s = m_Model.Settings();
  m_WholeWords->setChecked(s.wholeWords);
  m_WholeWords->setEnabled(m_Model.WholeWordsEnabled());
  m_MatchCase->setChecked(s.matchCase);
  m_UseMask->setChecked(s.useMask);
  m_Logical->setChecked(s.logical);
  m_PreviousResult->setChecked(s.previousResult);
  m_CommentariesOnly->setChecked(s.commentariesOnly);
  m_IgnoreAccents->setChecked(s.ignoreAccents);
}

void CFulltextSearchDialog::OnSearch() {
  if (m_Searching) return;
  m_Model.SetText(ToCp1250(m_Text->text()));
  const bool begun = m_Model.BeginSearch(m_Ui);
  ShowSettings();
  ShowLists();
  ShowPreview();
  if (!begun) {
    SaveFulltextSettings(m_Model.Settings());
    m_Text->setFocus(Qt::OtherFocusReason);
    return;
  }
  // A short search ends in its first turn, without locking the window.
  if (SearchTurn()) return EndSearch();
  m_Ui.BeginWait();
  ShowSearching(true);
  m_Turns.start();
}

bool CFulltextSearchDialog::SearchTurn() {
  QElapsedTimer clock;
  clock.start();
  for (std::size_t tested = 0; tested < kRecordsPerTurn; tested += kRecordsPerStep) {
    if (m_Model.StepSearch(kRecordsPerStep, m_Ui)) return true;
    if (clock.hasExpired(kTurnMs)) break;
  }
  return false;
}

void CFulltextSearchDialog::ContinueSearch() {
  if (!m_Searching) return;
  if (!SearchTurn()) return m_Turns.start();
  m_Ui.EndWait();
  ShowSearching(false);
  EndSearch();
}

void CFulltextSearchDialog::EndSearch() {
  const bool found = m_Model.FinishSearch(m_Ui);
  SaveFulltextSettings(m_Model.Settings());
  ShowLists();
  ShowPreview();
  if (!found) {
    m_Text->setFocus(Qt::OtherFocusReason);
    return;
  }
  (m_Model.SelectedDay() ? m_Days : m_Months)->setFocus(Qt::OtherFocusReason);
}

void CFulltextSearchDialog::CancelSearch() {
  if (!m_Searching) return;
  m_Turns.stop();
  m_Model.CancelSearch();
  m_Ui.EndWait();
  ShowSearching(false);
  m_Text->setFocus(Qt::OtherFocusReason);
}

void CFulltextSearchDialog::ShowSearching(bool searching) {
  m_Searching = searching;
  for (QWidget* control : m_Locked) control->setEnabled(!searching);
  if (!searching) ShowSettings();  // "Celá slova" stays locked under the mask
  m_Cancel->setEnabled(searching);
  if (searching) m_Cancel->setFocus(Qt::OtherFocusReason);
}

void CFulltextSearchDialog::reject() {
  if (m_Searching) return CancelSearch();
  QDialog::reject();
}

void CFulltextSearchDialog::ShowLists() {
  m_Showing = true;
  auto fill = [](QListWidget* list, const std::vector<std::string>& entries,
                 std::optional<std::size_t> current) {
    if (list->count() != static_cast<int>(entries.size())) {
      list->clear();
      for (const std::string& entry : entries) list->addItem(FromCp1250(entry));
    }
    list->setCurrentRow(current ? static_cast<int>(*current) : -1);
  };
  fill(m_Days, m_Model.DayEntries(), m_Model.SelectedDay());
  fill(m_Months, m_Model.MonthEntries(), m_Model.SelectedMonth());
  m_Showing = false;
}

void CFulltextSearchDialog::ShowPreview() {
  const FulltextPreview& preview = m_Model.Preview();
  m_NotePreview->setPlainText(FromCp1250(preview.note));
  Colour(m_NotePreview->document(), preview.noteRanges);
  m_PreviewText.StreamIn(preview.rtf);
  Colour(m_PreviewText.Document(), preview.textRanges);
  QTextCursor cursor(m_PreviewText.Document());
  cursor.setPosition(preview.caret ? static_cast<int>(*preview.caret) : 0);
  m_CommentaryPreview->setTextCursor(cursor);
  // The first occurrence's line at the top of the preview.
  m_CommentaryPreview->verticalScrollBar()->setValue(m_CommentaryPreview->verticalScrollBar()->value() +
                                                     m_CommentaryPreview->cursorRect().top());
}

// The days of the result, or its months for "pouze výklady měsíců".
void CFulltextSearchDialog::AddExportButtons(QBoxLayout& layout) {
  AddResultExportButtons(layout, this, {m_Doc, RtfResultSource::Fulltext, m_BaseFace, m_Ui}, [this] {
    const auto area = static_cast<ERtfResultArea>(m_ExportArea->checkedId());
    return SResultToExport{area == ERtfResultArea::Months ? &m_Search.FoundMonths() : &m_Search.FoundDays(),
                           area};
  });
}

void CFulltextSearchDialog::OnExportTxt() {
  OnExportResultTxt(m_Doc, m_Search.FoundDays(), TxtResultSource::Fulltext, m_Ui);
}

std::optional<Date> CFulltextSearchDialog::Result() const {
  return result() == QDialog::Accepted ? m_Result : std::nullopt;
}

std::optional<Date> RunFulltextSearchDialog(QWidget* parent, const CTedDoc& doc, CFulltextSearch& search,
                                            FulltextSettings& settings, std::string baseFace,
                                            IUiServices& ui) {
  CFulltextSearchDialog dialog(parent, doc, search, settings, std::move(baseFace), ui);
  dialog.exec();
  return dialog.Result();
}

}  // namespace orv
