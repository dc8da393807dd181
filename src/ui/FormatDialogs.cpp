#include "ui/FormatDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/TextColours.h"
#include "ui/ColourSwatch.h"
#include "ui/QtText.h"
#include "ui/StyleBar.h"

namespace orv {
namespace {

QDialogButtonBox* OkCancel(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

// A list of points that also takes any other value: the selection's own, or one the user types.
QComboBox* PointsCombo(QWidget* parent, const std::vector<int>& points, const std::string& current,
                       const char* name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  for (int p : points) combo->addItem(QString::number(p));
  combo->setCurrentText(FromCp1250(current));
  return combo;
}

// A field with its unit after it.
QHBoxLayout* WithUnit(QWidget* field, const QString& unit) {
  auto* row = new QHBoxLayout;
  row->addWidget(field, 1);
  row->addWidget(new QLabel(unit, field->parentWidget()));
  return row;
}

// The dialog's colour names are those of the colour menu.
constexpr const char* kColourNames[] = {
    "Černá",    "Kaštanová", "Zelená",      "Olivová", "Námořnická", "Fialová",   "Šedozelená",   "Šedivá",
    "Stříbrná", "Červená",   "Žlutozelená", "Žlutá",   "Modrá",      "Fuchsiová", "Akvamarínová", "Bílá"};

}  // namespace

std::optional<SFontChoice> AskFont(QWidget* parent, const SFontChoice& preset,
                                   const std::vector<std::string>& faces) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("FontDialog"));
  dialog.setWindowTitle(QStringLiteral("Písmo"));
  auto* form = new QFormLayout;
  auto* face = new QComboBox(&dialog);
  face->setObjectName(QStringLiteral("Face"));
  for (const std::string& f : faces) face->addItem(FromCp1250(f));
  face->setCurrentIndex(face->findText(FromCp1250(preset.face)));
  auto* style = new QComboBox(&dialog);
  style->setObjectName(QStringLiteral("Style"));
  style->addItems({QStringLiteral("Obyčejné"), QStringLiteral("Kurzíva"), QStringLiteral("Tučné"),
                   QStringLiteral("Tučná kurzíva")});
  style->setCurrentIndex(preset.styleKnown ? (preset.bold ? 2 : 0) + (preset.italic ? 1 : 0) : -1);
  auto* size = new QComboBox(&dialog);
  size->setObjectName(QStringLiteral("Size"));
  size->setEditable(true);
  for (int p : ExactSpacingPoints()) size->addItem(QString::number(p));
  size->setCurrentText(preset.pointsTenths > 0 ? QString::number(preset.pointsTenths / 10.0) : QString());
  auto* underline = new QCheckBox(QStringLiteral("Podtržené"), &dialog);
  underline->setChecked(preset.underline);
  auto* strikeout = new QCheckBox(QStringLiteral("Přeškrtnuté"), &dialog);
  strikeout->setChecked(preset.strikeout);
  auto* colour = new QComboBox(&dialog);
  colour->setObjectName(QStringLiteral("Colour"));
  for (const STextColour& c : TextColours())
    if (!c.automatic)
      colour->addItem(ColourSwatch(c.colour), QString::fromUtf8(kColourNames[c.id - kFirstColourId]),
                      c.colour);
  // "No colour" shares its value with white: it selects nothing.
  colour->setCurrentIndex(preset.colour == kNoColour ? -1 : colour->findData(preset.colour));
  auto* script = new QComboBox(&dialog);
  script->setObjectName(QStringLiteral("Script"));
  for (const SScript& s : StyleBarScripts()) script->addItem(QString::fromUtf8(s.name), s.charset);
  script->addItem(QStringLiteral("Řecký"), 161);
  script->setCurrentIndex(script->findData(preset.charset));
  form->addRow(QStringLiteral("Písmo:"), face);
  form->addRow(QStringLiteral("Řez písma:"), style);
  form->addRow(QStringLiteral("Velikost:"), size);
  form->addRow(underline);
  form->addRow(strikeout);
  form->addRow(QStringLiteral("Barva:"), colour);
  form->addRow(QStringLiteral("Skript:"), script);
  // A line of text in what the dialog holds, following every change.
  auto* preview = new QLabel(QStringLiteral("Příliš žluťoučký kůň AaBbYyZz"), &dialog);
  preview->setObjectName(QStringLiteral("Preview"));
  preview->setFrameShape(QFrame::StyledPanel);
  preview->setAlignment(Qt::AlignCenter);
  preview->setMinimumHeight(preview->fontMetrics().height() * 3);
  preview->setAutoFillBackground(true);
  QPalette paper = preview->palette();  // the editors' paper
  paper.setColor(QPalette::Window, Qt::white);
  preview->setPalette(paper);
  const auto showPreview = [=] {
    QFont font = preview->font();
    if (face->currentIndex() >= 0) font.setFamilies({face->currentText()});
    bool isNumber = false;
    const double points = size->currentText().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&isNumber);
    if (isNumber && points > 0 && points <= kMaxFontPoints) font.setPointSizeF(std::min(points, 72.0));
    font.setBold(style->currentIndex() >= 2);
    font.setItalic(style->currentIndex() % 2 == 1);
    font.setUnderline(underline->isChecked());
    font.setStrikeOut(strikeout->isChecked());
    preview->setFont(font);
    QPalette colours = preview->palette();
    const uint32_t c = colour->currentIndex() >= 0 ? colour->currentData().toUInt() : 0;
    colours.setColor(QPalette::WindowText,
                     QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                            static_cast<int>((c >> 16) & 0xFF)));
    preview->setPalette(colours);
  };
  showPreview();
  QObject::connect(face, &QComboBox::currentIndexChanged, preview, showPreview);
  QObject::connect(style, &QComboBox::currentIndexChanged, preview, showPreview);
  QObject::connect(size, &QComboBox::currentTextChanged, preview, showPreview);
  QObject::connect(colour, &QComboBox::currentIndexChanged, preview, showPreview);
  QObject::connect(underline, &QCheckBox::toggled, preview, showPreview);
  QObject::connect(strikeout, &QCheckBox::toggled, preview, showPreview);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(preview);
  QDialogButtonBox* buttons = OkCancel(dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;

  SFontChoice chosen = preset;
  chosen.face = face->currentIndex() >= 0 ? ToCp1250(face->currentText()) : std::string();
  bool isNumber = false;
  const double points = size->currentText().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&isNumber);
  chosen.pointsTenths = isNumber && points > 0 && points < 1639 ? static_cast<int>(points * 10 + 0.5) : 0;
  chosen.bold = style->currentIndex() >= 2;
  chosen.italic = style->currentIndex() % 2 == 1;
  chosen.underline = underline->isChecked();
  chosen.strikeout = strikeout->isChecked();
  chosen.colour = colour->currentIndex() >= 0 ? colour->currentData().toUInt() : kNoColour;
  chosen.charset = script->currentIndex() >= 0 ? script->currentData().toInt() : preset.charset;
  return chosen;
}

std::optional<ParaFormat> AskParagraph(QWidget* parent, const SParagraphFields& preset, IUiServices& ui,
                                       const std::vector<std::string>* charStyles, std::string* charStyle) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("ParagraphDialog"));
  dialog.setWindowTitle(QStringLiteral("Odstavec"));
  SParagraphFields fields = preset;
  auto* form = new QFormLayout;
  QComboBox* styles = nullptr;
  if (charStyles && charStyle) {
    styles = new QComboBox(&dialog);
    styles->setObjectName(QStringLiteral("CharStyle"));
    for (const std::string& name : *charStyles) styles->addItem(FromCp1250(name));
    styles->setCurrentIndex(styles->findText(FromCp1250(*charStyle)));
    form->addRow(QStringLiteral("Styl písma :"), styles);
  }
  const auto field = [&](const std::string& text, const char* name) {
    auto* edit = new QLineEdit(FromCp1250(text), &dialog);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
  };
  QLineEdit* left = field(fields.left, "Left");
  QLineEdit* right = field(fields.right, "Right");
  QLineEdit* first = field(fields.firstLine, "FirstLine");
  const QString cm = QStringLiteral("cm"), pt = QStringLiteral("pt");
  // A row of a field and its unit has no buddy label: the fields say their rows' labels themselves.
  left->setAccessibleName(QStringLiteral("Zleva"));
  right->setAccessibleName(QStringLiteral("Zprava"));
  first->setAccessibleName(QStringLiteral("První řádek"));
  form->addRow(QStringLiteral("Zleva:"), WithUnit(left, cm));
  form->addRow(QStringLiteral("Zprava:"), WithUnit(right, cm));
  form->addRow(QStringLiteral("První řádek:"), WithUnit(first, cm));
  auto* alignment = new QComboBox(&dialog);
  alignment->setObjectName(QStringLiteral("Alignment"));
  alignment->addItems({QStringLiteral("Vlevo"), QStringLiteral("Vpravo"), QStringLiteral("Na střed")});
  alignment->setCurrentIndex(fields.alignment);
  form->addRow(QStringLiteral("Zarovnání:"), alignment);
  QRadioButton* rules[] = {new QRadioButton(QStringLiteral("Jednoduché"), &dialog),
                           new QRadioButton(QStringLiteral("Jeden a půl řádku"), &dialog),
                           new QRadioButton(QStringLiteral("Přesně"), &dialog)};
  rules[std::clamp(fields.spacing, 0, 2)]->setChecked(true);
  QComboBox* exact = PointsCombo(&dialog, ExactSpacingPoints(), fields.exactPoints, "Exactly");
  exact->setEnabled(fields.spacing == 2);
  QObject::connect(rules[2], &QRadioButton::toggled, exact, &QWidget::setEnabled);
  auto* spacing = new QHBoxLayout;
  for (QRadioButton* rule : rules) spacing->addWidget(rule);
  spacing->addLayout(WithUnit(exact, pt));
  form->addRow(QStringLiteral("Řádkování:"), spacing);
  QComboBox* before = PointsCombo(&dialog, SpaceBeforeAfterPoints(), fields.beforePoints, "Before");
  QComboBox* after = PointsCombo(&dialog, SpaceBeforeAfterPoints(), fields.afterPoints, "After");
  form->addRow(QStringLiteral("Mezera před:"), WithUnit(before, pt));
  form->addRow(QStringLiteral("Mezera za:"), WithUnit(after, pt));
  auto* tabs = new QPushButton(QStringLiteral("Tabulátory ..."), &dialog);
  QObject::connect(tabs, &QPushButton::clicked, &dialog, [&] {
    if (AskTabStops(&dialog, fields.tabCount, fields.tabs, ui)) fields.tabsChanged = true;
  });
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(tabs);
  QDialogButtonBox* buttons = OkCancel(dialog);
  layout->addWidget(buttons);
  std::optional<ParaFormat> result;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    fields.left = ToCp1250(left->text());
    fields.right = ToCp1250(right->text());
    fields.firstLine = ToCp1250(first->text());
    fields.alignment = alignment->currentIndex();
    fields.spacing = rules[1]->isChecked() ? 1 : rules[2]->isChecked() ? 2 : 0;
    fields.exactPoints = ToCp1250(exact->currentText());
    fields.beforePoints = ToCp1250(before->currentText());
    fields.afterPoints = ToCp1250(after->currentText());
    result = ParagraphResult(fields, ui);
    if (result) dialog.accept();
  });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  if (styles && styles->currentIndex() >= 0) *charStyle = ToCp1250(styles->currentText());
  return result;
}

bool AskTabStops(QWidget* parent, int16_t& count, std::array<int32_t, kMaxTabStops>& tabs, IUiServices& ui) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("TabStopsDialog"));
  dialog.setWindowTitle(QStringLiteral("Nastavení tabulátorů"));
  CTabStopsModel model(count, tabs);
  auto* list = new QListWidget(&dialog);
  list->setObjectName(QStringLiteral("Positions"));
  list->setAccessibleName(QStringLiteral("Tabulátory"));
  auto* position = new QLineEdit(&dialog);
  position->setObjectName(QStringLiteral("Position"));
  position->setAccessibleName(QStringLiteral("Pozice tabulátoru"));
  const auto refresh = [&] {
    list->clear();
    for (const std::string& text : model.Texts()) list->addItem(FromCp1250(text));
  };
  refresh();
  auto* set = new QPushButton(QStringLiteral("Nastavit"), &dialog);
  auto* remove = new QPushButton(QStringLiteral("Smazat"), &dialog);
  auto* removeAll = new QPushButton(QStringLiteral("Smazat vše"), &dialog);
  QObject::connect(set, &QPushButton::clicked, &dialog, [&] {
    bool clear = false;
    if (model.Set(ToCp1250(position->text()), ui, clear)) refresh();
    if (clear) position->clear();
  });
  QObject::connect(remove, &QPushButton::clicked, &dialog, [&] {
    model.Remove(list->currentRow());
    refresh();
  });
  QObject::connect(removeAll, &QPushButton::clicked, &dialog, [&] {
    model.RemoveAll();
    refresh();
  });
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(list);
  layout->addWidget(new QLabel(QStringLiteral("Rozsah:   0,1 - 50 cm"), &dialog));
  layout->addWidget(position);
  auto* row = new QHBoxLayout;
  for (QPushButton* button : {set, remove, removeAll}) row->addWidget(button);
  layout->addLayout(row);
  QDialogButtonBox* buttons = OkCancel(dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  model.CopyTo(count, tabs);
  return true;
}

}  // namespace orv
