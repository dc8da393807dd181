#include "ui/ChangeHolidaysDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "names/ChangeHolidaysModel.h"
#include "ui/HolidayListWidgets.h"
#include "ui/QtText.h"

namespace orv {
namespace {

// "Přejmenovat název": the new name for `oldName`, nothing on "Storno".
std::optional<QString> AskNewName(QWidget* parent, const QString& oldName) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Přejmenovat název"));
  auto* old = new QLineEdit(oldName, &dialog);
  old->setReadOnly(true);
  auto* name = new QLineEdit(&dialog);
  name->setObjectName(QStringLiteral("NewName"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Storno"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QFormLayout(&dialog);
  layout->addRow(QStringLiteral("Původní jméno:"), old);
  layout->addRow(QStringLiteral("Nové jméno:"), name);
  layout->addRow(buttons);
  name->setFocus();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return name->text();
}

std::optional<EDayListKey> DayListKey(int key) {
  switch (key) {
    case Qt::Key_Left:
      return EDayListKey::Left;
    case Qt::Key_Right:
      return EDayListKey::Right;
    case Qt::Key_Up:
      return EDayListKey::Up;
    case Qt::Key_Down:
      return EDayListKey::Down;
    case Qt::Key_Home:
      return EDayListKey::Home;
    case Qt::Key_End:
      return EDayListKey::End;
    default:
      return std::nullopt;
  }
}

class CChangeHolidaysDialog : public QDialog {
 public:
  CChangeHolidaysDialog(QWidget* parent, CChangeHolidaysModel& model) : QDialog(parent), m_Model(model) {
    setWindowTitle(QStringLiteral("Změnit svátky"));
    m_Month = new QLineEdit(this);
    m_Month->setObjectName(QStringLiteral("Month"));
    m_Month->setAccessibleName(QStringLiteral("Měsíc"));
    m_Month->setReadOnly(true);
    m_Days = new QListWidget(this);
    m_Days->setObjectName(QStringLiteral("Days"));
    m_Days->setAccessibleName(QStringLiteral("Den"));
    m_Days->setMaximumWidth(m_Days->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    m_Days->installEventFilter(this);
    m_Category = CategoryCombo(this);
    m_Prompt = new QLabel(this);
    m_NewEntry = new QLineEdit(this);
    m_NewEntry->setObjectName(QStringLiteral("NewEntry"));
    m_Prompt->setBuddy(m_NewEntry);  // the prompt names what the field takes
    m_Entries = new QListWidget(this);
    m_Entries->setObjectName(QStringLiteral("Entries"));
    m_Entries->setAccessibleName(QStringLiteral("Svátky dne"));
    m_Add = Button(QStringLiteral("Přidat"), [this] { Add(); });
    m_Remove = Button(QStringLiteral("Odstranit"), [this] { Remove(); });
    auto* rename = Button(QStringLiteral("Přejmenovat"), [this] { Rename(); });
    m_Ok = Button(QStringLiteral("OK"), [this] { accept(); });
    auto* cancel = Button(QStringLiteral("Storno"), [this] { reject(); });

    // Clicks and the list's own keys (PgUp, PgDn, typed digits) choose a day too.
    connect(m_Days, &QListWidget::currentRowChanged, this, [this](int row) {
      if (m_FillingDays || row < 0 || row + 1 == m_Model.Day()) return;
      m_Model.SelectDay(row + 1);
      ShowDay();
    });
    connect(m_Category, &QComboBox::currentIndexChanged, this, [this](int category) {
      m_Model.SetCategory(category);
      m_Prompt->setText(QString::fromUtf8(m_Model.Prompt()));
      ShowDay();
    });
    connect(m_NewEntry, &QLineEdit::textEdited, this, [this](const QString& text) { Typed(text); });
    // An entry the user chooses, by a click or by the keys, goes into the field; one the program
    // selects while showing what is typed does not.
    connect(m_Entries, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Chosen(item); });
    connect(m_Entries, &QListWidget::itemSelectionChanged, this, [this] {
      const QList<QListWidgetItem*> selected = m_Entries->selectedItems();
      if (!m_ShowingEntries && !selected.isEmpty()) Chosen(selected.front());
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_Month, 0, 0);
    layout->addWidget(m_Days, 1, 0, 6, 1);
    auto* categoryLabel = new QLabel(QStringLiteral("Typ svátku :"), this);
    categoryLabel->setBuddy(m_Category);
    layout->addWidget(categoryLabel, 0, 1);
    layout->addWidget(m_Category, 0, 2);
    layout->addWidget(m_Prompt, 1, 1, 1, 2);
    layout->addWidget(m_NewEntry, 2, 1, 1, 2);
    layout->addWidget(m_Entries, 3, 1, 4, 2);
    for (int row = 0; QPushButton * button : {m_Add, m_Remove, rename, m_Ok, cancel})
      layout->addWidget(button, row++, 3);
    resize(480, 360);

    m_Prompt->setText(QString::fromUtf8(m_Model.Prompt()));
    ShowMonth();
    SetDefault(m_Ok);
    m_NewEntry->setFocus();  // what the user comes to type
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_Days && event->type() == QEvent::KeyPress) {
      if (const std::optional<EDayListKey> key = DayListKey(static_cast<QKeyEvent*>(event)->key())) {
        m_Model.HandleDayKey(*key);
        ShowMonth();
        return true;
      }
    }
    return QDialog::eventFilter(watched, event);
  }

 private:
  template <typename F>
  QPushButton* Button(const QString& text, F action) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    return button;
  }
  void SetDefault(QPushButton* button) {
    for (QPushButton* b : {m_Add, m_Remove, m_Ok}) b->setDefault(b == button);
  }

  void ShowMonth() {
    m_Month->setText(FromCp1250(m_Model.MonthText()));
    m_FillingDays = true;
    if (m_Days->count() != m_Model.DayCount()) {
      m_Days->clear();
      for (const std::string& label : m_Model.DayLabels()) m_Days->addItem(QString::fromStdString(label));
    }
    m_Days->setCurrentRow(m_Model.Day() - 1);
    m_FillingDays = false;
    ShowDay();
  }
  // The entries of the chosen day; the new-entry field starts empty.
  void ShowDay() {
    m_ShowingEntries = true;
    m_Entries->clear();
    for (const std::string& name : m_Model.Entries()) m_Entries->addItem(FromCp1250(name));
    m_ShowingEntries = false;
    m_NewEntry->clear();
    SetDefault(m_Ok);
  }
  void Chosen(const QListWidgetItem* item) {
    m_NewEntry->setText(item->text());
    SetDefault(m_Remove);
  }
  std::optional<int> Selected() const {
    const int row = m_Entries->currentRow();
    return row >= 0 && m_Entries->currentItem()->isSelected() ? std::optional<int>(row) : std::nullopt;
  }
  void Typed(const QString& text) {
    SetDefault(text.isEmpty() ? m_Ok : m_Add);
    m_ShowingEntries = true;
    ShowTypedMatch(m_Entries, m_Model.Type(ToCp1250(text)));
    m_ShowingEntries = false;
  }
  void Changed() {
    ShowDay();
    m_NewEntry->setFocus();
  }

  void Add() {
    const std::optional<std::string> name =
        Cp1250OrRefuse(m_NewEntry->text(), "do názvu", m_Model.Names().Ui());
    if (name && m_Model.Add(*name)) Changed();
  }
  void Remove() {
    if (m_Model.Remove(Selected())) Changed();
  }
  void Rename() {
    const std::optional<std::string> old = m_Model.RenameCandidate(Selected());
    if (!old) return;
    const std::optional<QString> typed = AskNewName(this, FromCp1250(*old));
    const std::optional<std::string> name =
        typed ? Cp1250OrRefuse(*typed, "do názvu", m_Model.Names().Ui()) : std::nullopt;
    if (!name) return;
    if (m_Model.Rename(*old, *name))
      Changed();
    else if (TrimName(*name).empty())
      m_NewEntry->clear();  // "Nový název je prázdný."
  }

  CChangeHolidaysModel& m_Model;
  QLineEdit* m_Month;
  QListWidget* m_Days;
  QComboBox* m_Category;
  QLabel* m_Prompt;
  QLineEdit* m_NewEntry;
  QListWidget* m_Entries;
  QPushButton* m_Add;
  QPushButton* m_Remove;
  QPushButton* m_Ok;
  bool m_FillingDays = false;
  bool m_ShowingEntries = false;  // the program fills or selects in the entry list
};

}  // namespace

bool RunChangeHolidays(QWidget* parent, CChangeHolidaysModel& model) {
  CChangeHolidaysDialog dialog(parent, model);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace orv
