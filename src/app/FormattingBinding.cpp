#include "app/FormattingBinding.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPalette>
#include <QProgressDialog>
#include <QToolButton>

#include "app/CommandIds.h"
#include "app/CommandState.h"
#include "app/MainFrame.h"
#include "core/UiServices.h"
#include "document/StyleSets.h"
#include "document/TedDoc.h"
#include "editor/BaseFont.h"
#include "editor/CommentaryEditor.h"
#include "editor/FormatCommands.h"
#include "editor/FormatDialogModels.h"
#include "editor/Reformat.h"
#include "editor/StyleFormats.h"
#include "editor/StyleNames.h"
#include "editor/StylesDialogModel.h"
#include "editor/SymbolInsert.h"
#include "editor/TextColours.h"
#include "editor/UndoStep.h"
#include "richtext/RichFormats.h"
#include "ui/ActionMenu.h"
#include "ui/ColourSwatch.h"
#include "ui/FormatDialogs.h"
#include "ui/QtText.h"
#include "ui/RichTextView.h"
#include "ui/StyleBar.h"
#include "ui/StylesDialog.h"
#include "ui/SymbolDialog.h"

namespace orv {
namespace {

// The editors' context menu; 0 is a separator. The clipboard commands come first, as in every text
// field of the desktop.
// clang-format off
constexpr int kContextMenu[] = {
    cmd::EditCut, cmd::EditCopy, cmd::EditPaste, 0,
    cmd::EditFind, cmd::EditReplace, 0,
    cmd::InsertSymbol, cmd::Colours, cmd::FontDialog, cmd::ParagraphDialog, 0,
    cmd::CharStylesDialog, cmd::ParStylesDialog};
// clang-format on

struct SEffectCommand {
  int id;
  uint32_t effect;
};
constexpr SEffectCommand kEffects[] = {
    {cmd::Bold, CFE_BOLD}, {cmd::Italic, CFE_ITALIC}, {cmd::Underline, CFE_UNDERLINE}};

struct SAlignCommand {
  int id;
  uint16_t alignment;
};
constexpr SAlignCommand kAlignments[] = {
    {cmd::AlignLeft, PFA_LEFT}, {cmd::AlignCentre, PFA_CENTER}, {cmd::AlignRight, PFA_RIGHT}};

constexpr int kCharStyleCommands[] = {cmd::StyleStandard1, cmd::StyleStandard2, cmd::StyleNadpis1,
                                      cmd::StyleNadpis2};
constexpr int kParStyleCommands[] = {cmd::StyleNormal1, cmd::StyleNormal2, cmd::StyleHlavicka1,
                                     cmd::StyleHlavicka2};

// The menu that holds an action.
QMenu* MenuOf(QAction* action) {
  for (QObject* owner : action->associatedObjects())
    if (auto* menu = qobject_cast<QMenu*>(owner)) return menu;
  return nullptr;
}

}  // namespace

CFormattingBinding::CFormattingBinding(CMainFrame& frame, CTedDoc& doc, IUiServices& ui, CRichTextView& month,
                                       CRichTextView& day)
    : QObject(&frame), m_Frame(frame), m_Doc(doc), m_Ui(ui), m_Month(&month), m_Day(&day), m_Active(&day) {
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now == m_Month || now == m_Day) m_Active = static_cast<CRichTextView*>(now);
  });
  AddEffectCommands();
  AddStyleCommands();
  AddDialogCommands();
  BindStyleBar();
  SetContextMenus();
}

CRichTextView* CFormattingBinding::FocusedEditor() const {
  if (m_Month->hasFocus()) return m_Month;
  if (m_Day->hasFocus()) return m_Day;
  return nullptr;
}

void CFormattingBinding::Describe(SFrameState& state) const {
  CRichTextView* editor = FocusedEditor();
  if (!editor) return;
  const SFormatState format = FormatStateOf(editor->Editor());
  for (size_t i = 0; i < format.effects.size(); ++i) state.effects[i] = static_cast<int>(format.effects[i]);
  state.alignment = format.alignment;
  state.colourId = format.colourId;
}

void CFormattingBinding::AddEffectCommands() {
  for (const SEffectCommand& c : kEffects)
    m_Frame.SetHandler(c.id, [this, effect = c.effect] { ToggleEffect(m_Active->Editor(), effect); });
  m_Frame.SetHandler(cmd::Plain, [this] { SetPlain(m_Active->Editor()); });
  for (const SAlignCommand& c : kAlignments)
    m_Frame.SetHandler(c.id,
                       [this, alignment = c.alignment] { SetAlignment(m_Active->Editor(), alignment); });
  for (const STextColour& colour : TextColours()) {
    if (!colour.automatic) m_Frame.Action(colour.id)->setIcon(ColourSwatch(colour.colour));
    m_Frame.SetHandler(colour.id,
                       [this, id = colour.id] { SetTextColour(m_Active->Editor(), id); });
  }
  std::vector<QAction*> colours;
  for (const STextColour& colour : TextColours()) colours.push_back(m_Frame.Action(colour.id));
  // From the keys and the menus the colour popup opens at the editor's top left corner.
  m_Frame.SetHandler(cmd::Colours, [this, colours] {
    m_Frame.UpdateCommandUI();  // the check mark of this editor's last colour
    ExecActionMenu(m_Active, colours, m_Active->mapToGlobal(QPoint(0, 0)));
  });
  // From the toolbar it drops down under its button, as the menus of a toolbar do.
  QAction* coloursAction = m_Frame.Action(cmd::Colours);
  if (auto* button = qobject_cast<QToolButton*>(m_Frame.StyleBar()->widgetForAction(coloursAction))) {
    auto* menu = new QMenu(button);
    for (QAction* colour : colours) menu->addAction(colour);
    connect(menu, &QMenu::aboutToShow, this, [this] { m_Frame.UpdateCommandUI(); });
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
  }
}

void CFormattingBinding::AddStyleCommands() {
  for (int slot = 0; slot < kPredefinedStyles; ++slot) {
    const auto index = static_cast<size_t>(slot);
    m_Frame.SetHandler(kCharStyleCommands[index], [this, name = kPredefinedCharStyles[index]] {
      m_Active->Editor().ApplyStyleByName(name);
    });
    m_Frame.SetHandler(kParStyleCommands[index], [this, name = kPredefinedParStyles[index]] {
      m_Active->Editor().ApplyParStyleByName(name);
    });
  }
  // A user style item applies the style its data names (its text doubles each '&').
  for (int i = 0; i < cmd::UserStyleSlots; ++i) {
    m_Frame.SetHandler(cmd::UserCharStyle + i, [this, i] {
      m_Active->Editor().ApplyStyleByName(
          ToCp1250(m_Frame.Action(cmd::UserCharStyle + i)->data().toString()));
    });
    m_Frame.SetHandler(cmd::UserParStyle + i, [this, i] {
      m_Active->Editor().ApplyParStyleByName(
          ToCp1250(m_Frame.Action(cmd::UserParStyle + i)->data().toString()));
    });
  }
}

void CFormattingBinding::RefreshStyleLists() {
  m_Frame.StyleBar()->SetCharStyles(AllCharStyleNames(m_Doc));
  m_Frame.StyleBar()->SetParStyles(AllParStyleNames(m_Doc));
  RebuildUserStyleItems(cmd::UserCharStyle, cmd::CharStylesDialog, UserCharStyleNames(m_Doc));
  RebuildUserStyleItems(cmd::UserParStyle, cmd::ParStylesDialog, UserParStyleNames(m_Doc));
}

// The user styles follow the last fixed item of their menu (`afterId`), one item per name; there are
// never more than eight of them.
void CFormattingBinding::RebuildUserStyleItems(int firstId, int afterId,
                                               const std::vector<std::string>& names) {
  QMenu* menu = MenuOf(m_Frame.Action(afterId));
  if (!menu) return;
  for (int i = 0; i < cmd::UserStyleSlots; ++i) menu->removeAction(m_Frame.Action(firstId + i));
  const int count = std::min(static_cast<int>(names.size()), cmd::UserStyleSlots);
  for (int i = 0; i < count; ++i) {
    QAction* item = m_Frame.Action(firstId + i);
    const QString name = FromCp1250(names[static_cast<size_t>(i)]);
    item->setData(name);
    item->setText(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
    menu->addAction(item);
  }
}

void CFormattingBinding::AddDialogCommands() {
  m_Frame.SetHandler(cmd::FontDialog, [this] { FontDialog(); });
  m_Frame.SetHandler(cmd::ParagraphDialog, [this] { ParagraphDialog(); });
  m_Frame.SetHandler(cmd::TabStopsDialog, [this] { TabStopsDialog(); });
  m_Frame.SetHandler(cmd::CharStylesDialog, [this] { CharStylesDialog(); });
  m_Frame.SetHandler(cmd::ParStylesDialog, [this] { ParStylesDialog(); });
  m_Frame.SetHandler(cmd::InsertSymbol, [this] { SymbolDialog(); });
}

void CFormattingBinding::SymbolDialog() {
  CRichTextView* view = m_Active;
  const CharFormat selection = view->Editor().Control().GetSelectionCharFormat();
  const int charset = (selection.mask & CFM_CHARSET) ? selection.charset : kCharsetEastEurope;
  const std::vector<std::string> faces = SymbolFaces(InstalledFaces(), charset, FaceHasCharset);
  if (faces.empty()) {
    m_Ui.MessageDialog("Seznam nainstalovaných písem je prázdný !");
    return;
  }
  RunSymbolDialog(&m_Frame, faces, selection.face, [view, charset](int code, const std::string& face) {
    InsertSymbol(view->Editor(), code, face, FaceHasCharset(face, kCharsetSymbol) ? kCharsetSymbol : charset);
  });
}

void CFormattingBinding::FontDialog() {
  CCommentaryEditor& editor = m_Active->Editor();
  const std::optional<SFontChoice> chosen =
      AskFont(&m_Frame, FontPreset(editor.Control().GetSelectionCharFormat()), InstalledFaces());
  if (!chosen) return;
  const SFontResult result = FontResult(*chosen, m_Ui);
  const CUndoStep step(editor.Control());
  if (result.charsetFirst) editor.ApplyCharFormat(*result.charsetFirst);
  editor.ApplyCharFormat(result.format);
}

void CFormattingBinding::ParagraphDialog() {
  CCommentaryEditor& editor = m_Active->Editor();
  const std::optional<ParaFormat> chosen =
      AskParagraph(&m_Frame, ParagraphPreset(editor.Control().GetParaFormat()), m_Ui);
  if (chosen) editor.ApplyParaFormat(*chosen);
}

void CFormattingBinding::TabStopsDialog() {
  CCommentaryEditor& editor = m_Active->Editor();
  ParaFormat tabs = editor.Control().GetParaFormat();
  if (!AskTabStops(&m_Frame, tabs.tabCount, tabs.tabs, m_Ui)) return;
  tabs.mask = PFM_TABSTOPS;
  editor.ApplyParaFormat(tabs);
}

void CFormattingBinding::CharStylesDialog() {
  CCharStylesModel model(m_Doc, m_Ui);
  if (!model.Open()) return;
  const CharFormat selection = m_Active->Editor().Control().GetSelectionCharFormat();
  // The font dialog's result over the format it was preset with: a style holds every member.
  const auto askFormat = [this](const CharFormat& base) -> std::optional<CharFormat> {
    const std::optional<SFontChoice> chosen = AskFont(&m_Frame, FontPreset(base), InstalledFaces());
    if (!chosen) return std::nullopt;
    const CharFormat change = FontResult(*chosen, m_Ui).format;
    CharFormat format = base;
    format.mask = change.mask;
    if (change.mask & CFM_FACE) format.face = change.face, format.charset = change.charset;
    if (change.mask & CFM_SIZE) format.height = change.height;
    format.effects = (base.effects & ~CFM_EFFECTS) | (change.effects & CFM_EFFECTS);
    if (change.mask & CFM_COLOR) {  // a chosen colour replaces the automatic one
      format.colour = change.colour;
      format.effects &= ~CFE_AUTOCOLOR;
    }
    return format;
  };
  SStylesDialogActions actions;
  actions.names = [&] { return model.Names(); };
  actions.add = [&](const std::string& name) {
    if (!model.CheckNewName(name)) return false;
    const std::optional<CharFormat> format = askFormat(selection);
    return format && model.AddNew(name, *format);
  };
  actions.edit = [&](const std::string& name) {
    if (!model.CheckEdit(name)) return false;
    const std::optional<CharFormat> format = askFormat(model.ChoiceOf(name));
    return format && model.Edit(name, *format);
  };
  actions.remove = [&](const std::string& name) { return model.Delete(name); };
  if (RunStylesDialog(&m_Frame, QStringLiteral("Styly písma"), QStringLiteral("Zadejte styl písma:"), actions))
    StylesChanged(model.Commit(m_Doc));
}

void CFormattingBinding::ParStylesDialog() {
  CParStylesModel model(m_Doc, m_Ui);
  if (!model.Open()) return;
  const CRichEditCtrl& ctrl = m_Active->Editor().Control();
  SParStyleChoice selection{ctrl.GetParaFormat(), FindCharStyleName(m_Doc, ctrl.GetSelectionCharFormat())};
  if (selection.charStyle.empty()) selection.charStyle = "Standard2";
  const auto askFormat = [this](SParStyleChoice choice) -> std::optional<SParStyleChoice> {
    const std::vector<std::string> charStyles = AllCharStyleNames(m_Doc);
    const std::optional<ParaFormat> format =
        AskParagraph(&m_Frame, ParagraphPreset(choice.format), m_Ui, &charStyles, &choice.charStyle);
    if (!format) return std::nullopt;
    choice.format = *format;
    return choice;
  };
  SStylesDialogActions actions;
  actions.names = [&] { return model.Names(); };
  actions.add = [&](const std::string& name) {
    if (!model.CheckNewName(name)) return false;
    const std::optional<SParStyleChoice> choice = askFormat(selection);
    return choice && model.AddNew(name, *choice);
  };
  actions.edit = [&](const std::string& name) {
    if (!model.CheckEdit(name)) return false;
    const std::optional<SParStyleChoice> choice = askFormat(model.ChoiceOf(name));
    return choice && model.Edit(name, *choice);
  };
  actions.remove = [&](const std::string& name) { return model.Delete(name); };
  if (RunStylesDialog(&m_Frame, QStringLiteral("Styly odstavce"), QStringLiteral("Zadejte styl odstavce :"),
                      actions))
    StylesChanged(model.Commit(m_Doc));
}

void CFormattingBinding::StylesChanged(const SStyleEdits& edits) {
  RefreshStyleLists();
  if (edits.empty()) return;
  if (m_BeforeReformat) m_BeforeReformat();
  const int total = static_cast<int>(m_Doc.m_DataTxt.size() + m_Doc.m_DataMesice.size());
  QProgressDialog progress(QStringLiteral("Přeformátování výkladů ..."), QString(), 0, total, &m_Frame);
  progress.setWindowTitle(QStringLiteral("Orvella 2"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);
  ReformatCommentaries(m_Doc, edits, [&progress](int done, int all) {
    if (done % 50 != 0 && done != all) return;
    progress.setLabelText(QStringLiteral("Přeformátování výkladů: %1 z %2").arg(done).arg(all));
    progress.setValue(done);
  });
  if (m_AfterReformat) m_AfterReformat();
}

void CFormattingBinding::BackToEditor() {
  if (m_Active->hasFocus()) return;
  m_Active->Editor().SetSkipEmptyStyle(true);
  m_Active->setFocus(Qt::OtherFocusReason);
}

void CFormattingBinding::BindStyleBar() {
  CStyleBar* bar = m_Frame.StyleBar();
  connect(bar->FaceCombo(), &QComboBox::activated, this, [this, bar] {
    SetFace(m_Active->Editor(), ToCp1250(bar->FaceCombo()->currentText()));
    BackToEditor();
  });
  connect(bar->SizeCombo(), &QComboBox::activated, this, [this, bar] {
    const int points = bar->SizeCombo()->currentText().toInt();
    if (points > 0) SetPoints(m_Active->Editor(), points);
    BackToEditor();
  });
  connect(bar->ScriptCombo(), &QComboBox::activated, this, [this, bar] {
    const QString name = bar->ScriptCombo()->currentText();
    for (const SScript& script : StyleBarScripts())
      if (name == QString::fromUtf8(script.name)) SetCharset(m_Active->Editor(), script.charset);
    BackToEditor();
  });
  connect(bar->CharStyleCombo(), &QComboBox::activated, this, [this, bar] {
    m_Active->Editor().ApplyStyleByName(ToCp1250(bar->CharStyleCombo()->currentText()));
    BackToEditor();
  });
  connect(bar->ParStyleCombo(), &QComboBox::activated, this, [this, bar] {
    m_Active->Editor().ApplyParStyleByName(ToCp1250(bar->ParStyleCombo()->currentText()));
    BackToEditor();
  });
}

void CFormattingBinding::SetContextMenus() {
  std::vector<QAction*> actions;
  for (int id : kContextMenu) actions.push_back(id == 0 ? nullptr : m_Frame.Action(id));
  m_Month->SetContextMenu(actions);
  m_Day->SetContextMenu(actions);
}

}  // namespace orv
