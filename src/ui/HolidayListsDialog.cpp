#include "ui/HolidayListsDialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "names/HolidayListsModel.h"
#include "ui/HolidayListWidgets.h"
#include "ui/QtText.h"
#include "ui/ReadableColour.h"
#include "ui/WindowFit.h"
#include "view/MonthColours.h"

namespace orv {
namespace {

class CHolidayListsDialog : public QDialog {
 public:
  CHolidayListsDialog(QWidget* parent, const CNamesDatabase& names) : QDialog(parent), m_Model(names) {
    setWindowTitle(QStringLiteral("Seznamy svátků"));
    m_Category = CategoryCombo(this);
    m_Name = new QLineEdit(this);
    m_Name->setObjectName(QStringLiteral("Name"));
    m_Name->setAccessibleName(QStringLiteral("Hledané jméno"));
    m_Title = new QLabel(this);
    m_Title->setObjectName(QStringLiteral("Title"));
    m_List = new QTreeWidget(this);
    m_List->setObjectName(QStringLiteral("List"));
    m_List->setAccessibleName(QStringLiteral("Seznam svátků"));
    m_List->setColumnCount(2);
    m_List->setHeaderHidden(true);
    m_List->setRootIsDecorated(false);
    m_List->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Ok(); });
    connect(m_List, &QTreeWidget::itemDoubleClicked, this, [this] { Ok(); });
    connect(m_Category, &QComboBox::currentIndexChanged, this,
            [this](int category) { ShowCategory(category); });
    connect(m_Name, &QLineEdit::textEdited, this, [this](const QString& text) { Typed(text); });
    connect(m_List, &QTreeWidget::currentItemChanged, this, [this] { Chosen(); });

    auto* layout = new QVBoxLayout(this);
    auto* categoryLabel = new QLabel(QStringLiteral("Typ svátku:"), this);
    categoryLabel->setBuddy(m_Category);
    layout->addWidget(categoryLabel);
    layout->addWidget(m_Category);
    layout->addWidget(m_Name);
    layout->addWidget(m_Title);
    layout->addWidget(m_List);
    layout->addWidget(buttons);
    resize(360, 480);
    ShowCategory(0);
    m_Name->setFocus();
  }

  const std::string& Result() const { return m_Model.Result(); }

 private:
  void ShowCategory(int category) {
    m_Model.SetCategory(category);
    m_Title->setText(QString::fromUtf8(m_Model.Title()));
    const uint32_t colour = kCategoryLooks[category].colour;  // 0x00BBGGRR
    SetTextColour(m_Title, QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                                  static_cast<int>((colour >> 16) & 0xFF)));
    m_Name->setEnabled(m_Model.IsAlphabetical());
    if (!m_Model.IsAlphabetical()) m_Name->clear();
    m_Filling = true;
    m_List->clear();
    for (int line = 0; line < static_cast<int>(m_Model.Entries().size()); ++line) {
      const QStringList columns = FromCp1250(m_Model.LineText(line)).split(QLatin1Char('\t'));
      new QTreeWidgetItem(m_List, columns);
    }
    m_List->setCurrentItem(nullptr);
    m_Filling = false;
    if (isVisible()) FitWindow(this);  // the holidays' names are longer than the names of the days
  }

  void Typed(const QString& text) {
    m_Filling = true;
    ShowTypedMatch(m_List, m_Model.Type(ToCp1250(text)));
    m_Filling = false;
  }

  void Chosen() {
    if (m_Filling || !m_Model.IsAlphabetical()) return;
    const int line = m_List->indexOfTopLevelItem(m_List->currentItem());
    if (line >= 0) m_Name->setText(FromCp1250(m_Model.ChosenName(line)));
  }

  void Ok() {
    QTreeWidgetItem* item = m_List->currentItem();
    const int line = item && item->isSelected() ? m_List->indexOfTopLevelItem(item) : -1;
    if (m_Model.Ok(line)) accept();
  }

  CHolidayListsModel m_Model;
  QComboBox* m_Category;
  QLineEdit* m_Name;
  QLabel* m_Title;
  QTreeWidget* m_List;
  bool m_Filling = false;
};

}  // namespace

std::optional<std::string> AskHolidayList(QWidget* parent, const CNamesDatabase& names) {
  CHolidayListsDialog dialog(parent, names);
  if (dialog.exec() != QDialog::Accepted || dialog.Result().empty()) return std::nullopt;
  return dialog.Result();
}

}  // namespace orv
