#include "ui/AccessibleRows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>
#include <map>

namespace orv {
namespace {

class CRowsTable;

// One line of the table. Cells belong to no object: the table owns them through the accessibility
// cache and lets them go with itself.
class CRowCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  CRowCell(CRowsTable* table, int row) : m_Table(table), m_Row(row) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                   : nullptr;
  }

  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return 0; }
  int rowIndex() const override { return m_Row; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override;

 private:
  CRowsTable* m_Table;
  int m_Row;
};

class CRowsTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  CRowsTable(QWidget* widget, IAccessibleRows& rows)
      : QAccessibleWidget(widget, QAccessible::Table), m_Rows(rows) {}
  ~CRowsTable() override {
    for (const auto& [row, id] : m_Cells) QAccessible::deleteAccessibleInterface(id);
  }

  IAccessibleRows& Rows() const { return m_Rows; }
  QWidget* Widget() const { return widget(); }
  int Current() const { return m_Rows.CurrentRow(); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  int childCount() const override { return rowCount(); }
  QAccessibleInterface* child(int index) const override { return cellAt(index, 0); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        cell && cell->table() == this)
      return cell->rowIndex();
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int row = 0; row < rowCount(); ++row)
      if (m_Rows.RowRect(row).contains(local)) return cellAt(row, 0);
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return widget()->hasFocus() ? cellAt(Current(), 0) : nullptr;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= rowCount() || column != 0) return nullptr;
    auto found = m_Cells.find(row);
    if (found == m_Cells.end()) {
      auto* cell = new CRowCell(const_cast<CRowsTable*>(this), row);
      found = m_Cells.emplace(row, QAccessible::registerAccessibleInterface(cell)).first;
    }
    return QAccessible::accessibleInterface(found->second);
  }
  int selectedCellCount() const override { return selectedRowCount(); }
  QList<QAccessibleInterface*> selectedCells() const override {
    if (QAccessibleInterface* cell = cellAt(Current(), 0)) return {cell};
    return {};
  }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int row) const override { return m_Rows.SpokenRow(row); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return isRowSelected(Current()) ? 1 : 0; }
  int columnCount() const override { return 1; }
  int rowCount() const override { return m_Rows.AccessibleRowCount(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override {
    if (isRowSelected(Current())) return {Current()};
    return {};
  }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override { return row >= 0 && row < rowCount() && row == Current(); }
  bool selectRow(int row) override { return row >= 0 && row < rowCount() && m_Rows.MakeRowCurrent(row); }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }  // one day is always selected
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  IAccessibleRows& m_Rows;
  mutable std::map<int, QAccessible::Id> m_Cells;
};

bool CRowCell::isValid() const {
  return m_Table->isValid() && m_Row < m_Table->rowCount();
}
QAccessibleInterface* CRowCell::parent() const {
  return m_Table;
}
QAccessibleInterface* CRowCell::table() const {
  return m_Table;
}
bool CRowCell::isSelected() const {
  return m_Table->isRowSelected(m_Row);
}

QString CRowCell::text(QAccessible::Text t) const {
  return t == QAccessible::Name && isValid() ? m_Table->Rows().SpokenRow(m_Row) : QString();
}

QRect CRowCell::rect() const {
  if (!isValid()) return {};
  const QRect local = m_Table->Rows().RowRect(m_Row);
  return QRect(m_Table->Widget()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State CRowCell::state() const {
  QAccessible::State state;
  state.selectable = true;
  state.focusable = true;
  state.readOnly = true;
  if (isSelected()) {
    state.selected = true;
    state.focused = m_Table->Widget()->hasFocus();
  }
  return state;
}

QAccessibleInterface* RowsTableFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  auto* rows = dynamic_cast<IAccessibleRows*>(object);
  return widget && rows ? new CRowsTable(widget, *rows) : nullptr;
}

}  // namespace

void InstallAccessibleRows() {
  static const bool installed = [] {
    QAccessible::installFactory(RowsTableFactory);
    return true;
  }();
  (void)installed;
}

void AnnounceCurrentRow(QWidget* widget) {
  if (!QAccessible::isActive() || !widget->hasFocus()) return;
  auto* rows = dynamic_cast<IAccessibleRows*>(widget);
  if (!rows || rows->CurrentRow() < 0) return;
  QAccessibleEvent selection(widget, QAccessible::Selection);
  selection.setChild(rows->CurrentRow());
  QAccessible::updateAccessibility(&selection);
  QAccessibleEvent focus(widget, QAccessible::Focus);
  focus.setChild(rows->CurrentRow());
  QAccessible::updateAccessibility(&focus);
}

}  // namespace orv
