#include "ui/OnThisDayWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/QtText.h"
#include "view/OnThisDay.h"

namespace orv {
namespace {

constexpr int kDateRole = Qt::UserRole;

int PackedDate(const Date& date) {
  return date.year * 10000 + date.month * 100 + date.day;
}

Date UnpackedDate(int packed) {
  return {packed / 10000, packed / 100 % 100, packed % 100};
}

}  // namespace

COnThisDayWindow::COnThisDayWindow(QWidget* parent, const CTedDoc& doc) : QDialog(parent), m_Doc(doc) {
  setObjectName(QStringLiteral("OnThisDayWindow"));
  setWindowTitle(QStringLiteral("Tento den v minulých letech"));
  setModal(false);
  m_List = new QTreeWidget(this);
  m_List->setObjectName(QStringLiteral("OnThisDayList"));
  m_List->setHeaderLabels({QStringLiteral("Den"), QStringLiteral("Poznámka"), QStringLiteral("Výklad")});
  m_List->setRootIsDecorated(false);
  m_List->setUniformRowHeights(true);
  m_List->setAllColumnsShowFocus(true);
  m_List->header()->setStretchLastSection(true);
  m_Empty = new QLabel(QString::fromUtf8(kNoOtherYear), this);
  m_Empty->setObjectName(QStringLiteral("OnThisDayEmpty"));
  m_Empty->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_Empty);
  layout->addWidget(m_List, 1);
  // Enter and a double click both activate a row.
  connect(m_List, &QTreeWidget::itemActivated, this, [this] { Chosen(); });
  resize(640, 300);
}

void COnThisDayWindow::ShowFor(const Date& shown) {
  Fill(shown);
  show();
  raise();
  activateWindow();
  m_List->setFocus(Qt::OtherFocusReason);
}

void COnThisDayWindow::Follow(const Date& shown) {
  if (isVisible() && m_Listed != shown) Fill(shown);
}

void COnThisDayWindow::Relist() {
  if (isVisible() && m_Listed) Fill(*m_Listed);
}

void COnThisDayWindow::Fill(const Date& shown) {
  m_Listed = shown;
  m_List->clear();
  for (const SOnThisDay& item : OnThisDay(m_Doc, {shown.month, shown.day}, shown.year)) {
    auto* row = new QTreeWidgetItem(m_List, {FromCp1250(OnThisDayDateText(item.date)), FromCp1250(item.note),
                                             FromCp1250(item.commentary)});
    row->setData(0, kDateRole, PackedDate(item.date));
  }
  const bool empty = m_List->topLevelItemCount() == 0;
  m_Empty->setVisible(empty);
  m_List->setVisible(!empty);
  if (!empty) {
    m_List->setCurrentItem(m_List->topLevelItem(0));
    for (int column : {0, 1}) m_List->resizeColumnToContents(column);
  }
}

// The move lists other years again; it waits until the list is done with the activation.
void COnThisDayWindow::Chosen() {
  const QTreeWidgetItem* row = m_List->currentItem();
  if (!row || !m_OnChosen) return;
  const Date date = UnpackedDate(row->data(0, kDateRole).toInt());
  QTimer::singleShot(0, this, [this, date] { m_OnChosen(date); });
}

}  // namespace orv
