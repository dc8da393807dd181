#include "ui/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace orv {
namespace {

constexpr int kAnchorRole = Qt::UserRole;

QString GuideHtml(const QString& commandsHtml) {
  QFile file(QStringLiteral(":/help/orvella.html"));
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<p>Příručka není k dispozici.</p>");
  return QString::fromUtf8(file.readAll()).replace(QStringLiteral("<!--PRIKAZY-->"), commandsHtml);
}

}  // namespace

CHelpWindow::CHelpWindow(const QString& commandsHtml, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Nápověda – Orvella 2"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  m_Browser = new QTextBrowser(this);
  m_Browser->setObjectName(QStringLiteral("HelpText"));
  m_Browser->setOpenExternalLinks(false);
  m_Browser->setHtml(GuideHtml(commandsHtml));
  m_Contents = new QListWidget(this);
  m_Contents->setObjectName(QStringLiteral("HelpContents"));
  m_Search = new QLineEdit(this);
  m_Search->setObjectName(QStringLiteral("HelpSearch"));
  m_Search->setPlaceholderText(QStringLiteral("Hledaný text"));
  auto* searchLabel = new QLabel(QStringLiteral("&Hledat:"), this);
  searchLabel->setBuddy(m_Search);
  auto* next = new QPushButton(QStringLiteral("&Další"), this);
  auto* notFound = new QLabel(this);

  const auto search = [this, notFound] {
    notFound->setText(FindNext(m_Search->text()) ? QString() : QStringLiteral("Nenalezeno"));
  };
  connect(m_Search, &QLineEdit::returnPressed, this, search);
  connect(next, &QPushButton::clicked, this, search);
  connect(m_Contents, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { m_Browser->scrollToAnchor(item->data(kAnchorRole).toString()); });
  connect(m_Contents, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { m_Browser->scrollToAnchor(item->data(kAnchorRole).toString()); });

  auto* bar = new QHBoxLayout;
  bar->addWidget(searchLabel);
  bar->addWidget(m_Search, 1);
  bar->addWidget(next);
  bar->addWidget(notFound);
  auto* split = new QSplitter(this);
  split->addWidget(m_Contents);
  split->addWidget(m_Browser);
  split->setStretchFactor(1, 1);
  split->setSizes({220, 600});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(split, 1);
  resize(860, 600);
  FillContents();
}

// One line per heading of the guide, indented by its level.
void CHelpWindow::FillContents() {
  for (QTextBlock block = m_Browser->document()->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level < 2) continue;
    QString anchor;
    for (auto it = block.begin(); !it.atEnd() && anchor.isEmpty(); ++it) {
      const QStringList names = it.fragment().charFormat().anchorNames();
      if (!names.isEmpty()) anchor = names.front();
    }
    if (anchor.isEmpty()) continue;
    auto* item =
        new QListWidgetItem(QString(4 * (level - 2), QLatin1Char(' ')) + block.text().trimmed(), m_Contents);
    item->setData(kAnchorRole, anchor);
  }
}

void CHelpWindow::ShowSection(const QString& section) {
  for (int i = 0; i < m_Contents->count(); ++i)
    if (m_Contents->item(i)->data(kAnchorRole).toString() == section) m_Contents->setCurrentRow(i);
  show();
  raise();
  activateWindow();
  m_Browser->scrollToAnchor(section);
}

bool CHelpWindow::FindNext(const QString& text) {
  if (text.isEmpty()) return false;
  if (m_Browser->find(text)) return true;
  m_Browser->moveCursor(QTextCursor::Start);
  return m_Browser->find(text);
}

QString HelpSectionOfDialog(const QString& title) {
  static const std::pair<const char*, const char*> kSections[] = {
      {"Jdi na datum", "jdi-na-datum"},
      {"Připojit", "pripojit"},
      {"Heslo", "heslo"},
      {"Zaheslovat", "heslo"},
      {"Seznamy svátků", "svatky"},
      {"Změnit svátky", "svatky"},
      {"Export", "export"},
      {"Najít", "hledani"},
      {"Zaměnit", "hledani"},
      {"Vyhledávání", "hledani"},
      {"Styl", "styly"},
      {"Písmo", "styly"},
  };
  for (const auto& [start, section] : kSections)
    if (title.startsWith(QString::fromUtf8(start), Qt::CaseInsensitive)) return QString::fromLatin1(section);
  return QStringLiteral("obsah");
}

}  // namespace orv
