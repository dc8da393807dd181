// orv styles FILE.orv [--json] [--base-font FACE]: the character styles, then the paragraph styles,
// with every field (sizes and spacing in points, indents and tab stops in centimetres, colours as
// #RRGGBB), as the window shows them.
// orv style FILE.orv NAME [--para] [--new | --delete] [format options]: creates, edits or deletes one
// style with the style dialogs' checks and messages, re-formats the stored commentaries after an
// edit as the dialog's OK does, and saves the calendar.
#include <QCoreApplication>
#include <cstdio>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Json.h"
#include "cli/qt/GuiApplication.h"
#include "cli/qt/QtCommands.h"
#include "core/Cp1250.h"
#include "document/StyleSets.h"
#include "editor/BaseFont.h"
#include "editor/CommentaryEditor.h"
#include "editor/ConfigFile.h"
#include "editor/FormatDialogModels.h"
#include "editor/Reformat.h"
#include "editor/StyleFormats.h"
#include "editor/StyleNames.h"
#include "editor/StylesDialogModel.h"

namespace orv::cli {
namespace {

constexpr int kExitRefused = 1;  // a style dialog's refusal: its message has been shown

std::string Points(int twips) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", twips / 20.0);
  return text;
}

std::string Colour(uint32_t bgr) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
  return text;
}

std::string Cm(int twips) {
  std::string cm = TwipsToCentimetres(twips);
  for (char& c : cm)
    if (c == ',') c = '.';
  return cm;
}

CJson CharStyleJson(const std::string& name, const CCharFormat& s) {
  CJson json;
  json["name"] = Cp1250ToUtf8(name);
  json["face"] = Cp1250ToUtf8(s.m_FaceName);
  json["charset"] = s.m_CharSet;
  json["size_pt"] = Points(s.m_Height);
  json["bold"] = (s.m_Effects & kEffectBold) != 0;
  json["italic"] = (s.m_Effects & kEffectItalic) != 0;
  json["underline"] = s.m_Underline == 1;
  json["strikeout"] = s.m_Strikeout == 1;
  json["protected"] = (s.m_Effects & kEffectProtected) != 0;
  json["auto_colour"] = (s.m_Effects & kEffectAutoColor) != 0;
  json["colour"] = Colour(s.m_Color);
  return json;
}

CJson ParStyleJson(const std::string& name, const CParFormat& s) {
  CJson json;
  json["name"] = Cp1250ToUtf8(name);
  json["char_style"] = Cp1250ToUtf8(s.m_CharStyle);
  json["numbering"] = s.m_Numbering;
  json["start_indent_cm"] = Cm(s.m_StartIndent);
  json["right_indent_cm"] = Cm(s.m_RightIndent);
  json["offset_cm"] = Cm(s.m_Offset);
  json["alignment"] = std::string(s.m_Alignment == PFA_RIGHT    ? "right"
                                  : s.m_Alignment == PFA_CENTER ? "center"
                                                                : "left");
  json["space_before_pt"] = Points(s.m_SpaceBefore);
  json["space_after_pt"] = Points(s.m_SpaceAfter);
  json["line_spacing_pt"] = Points(s.m_LineSpacing);
  json["line_spacing_rule"] = s.m_LineSpacingRule;
  json["numbering_style"] = s.m_NumberingStyle;
  json["numbering_start"] = s.m_NumberingStart;
  json["numbering_tab_pt"] = Points(s.m_NumberingTab);
  CJson::Array tabs;
  for (int i = 0; i < s.m_TabCount && i < kMaxTabStops; ++i)
    tabs.emplace_back(Cm(s.m_Tabs[static_cast<size_t>(i)]));
  json["tabs_cm"] = std::move(tabs);
  return json;
}

std::string CharStyleLine(const std::string& name, const CCharFormat& s) {
  std::string line = Cp1250ToUtf8(name) + ": " + Cp1250ToUtf8(s.m_FaceName) + ", sada " +
                     std::to_string(s.m_CharSet) + ", " + Points(s.m_Height) + " pt";
  if (s.m_Effects & kEffectBold) line += ", tučné";
  if (s.m_Effects & kEffectItalic) line += ", kurzíva";
  if (s.m_Underline == 1) line += ", podtržené";
  if (s.m_Strikeout == 1) line += ", přeškrtnuté";
  if (s.m_Effects & kEffectProtected) line += ", chráněné";
  return line + ", " +
         ((s.m_Effects & kEffectAutoColor) ? std::string("automatická barva") : Colour(s.m_Color));
}

std::string ParStyleLine(const std::string& name, const CParFormat& s) {
  std::string line = Cp1250ToUtf8(name) + ": písmo " + Cp1250ToUtf8(s.m_CharStyle) + ", " +
                     (s.m_Alignment == PFA_RIGHT    ? "vpravo"
                      : s.m_Alignment == PFA_CENTER ? "na střed"
                                                    : "vlevo") +
                     ", první řádek " + Cm(s.m_StartIndent) + " cm, zprava " + Cm(s.m_RightIndent) +
                     " cm, odsazení " + Cm(s.m_Offset) + " cm, před " + Points(s.m_SpaceBefore) + " pt, za " +
                     Points(s.m_SpaceAfter) + " pt, řádkování " + Points(s.m_LineSpacing) + " pt (pravidlo " +
                     std::to_string(s.m_LineSpacingRule) + ")";
  if (s.m_Numbering != 0) line += ", číslování " + std::to_string(s.m_Numbering);
  for (int i = 0; i < s.m_TabCount && i < kMaxTabStops; ++i)
    line += (i == 0 ? ", tabulátory " : " ") + Cm(s.m_Tabs[static_cast<size_t>(i)]);
  return line;
}

const std::set<std::string> kStyleValues = {
    "--face",         "--charset", "--size",   "--color", "--char-style", "--align", "--indent",
    "--right-indent", "--offset",  "--before", "--after", "--line",       "--tabs",  "--base-font"};
const std::set<std::string> kStyleFlags = {"--para",         "--new",    "--delete",    "--bold",
                                           "--no-bold",      "--italic", "--no-italic", "--underline",
                                           "--no-underline", "--strike", "--no-strike"};

// Refuses the command: the message has been written.
[[noreturn]] void Refuse(const char* option) {
  throw std::invalid_argument(option);
}

// A number given to an option, checked against the range the dialogs accept before it is converted.
double Decimal(const std::string& text, const char* option, double low, double high, CliContext& ctx) {
  const std::optional<double> value = DecimalValue(text);
  if (!value) {
    ctx.err << "Neplatná hodnota " << option << ": " << text << '\n';
    Refuse(option);
  }
  if (*value < low || *value > high) {
    ctx.err << "Hodnota " << option << " musí být v intervalu " << low << " až " << high << ": " << text
            << '\n';
    Refuse(option);
  }
  return *value;
}

std::optional<int> Charset(const CliArgs& args, CliContext& ctx) {
  const std::optional<std::string> text = args.Value("--charset");
  if (!text) return std::nullopt;
  const double value = Decimal(*text, "--charset", 0, 255, ctx);
  const int charset = static_cast<int>(value);
  if (charset != value || !IsSupportedCharset(charset)) {
    ctx.err << "Zadaná znaková sada není podporována: " << *text << " (podporované: 0, 2, 161, 204, 238)\n";
    Refuse("--charset");
  }
  return charset;
}

// Points given to an option, in twips: a font size from above 0 to 1638, a spacing from 0 to 1584.
std::optional<int> PointsOption(const CliArgs& args, const char* option, CliContext& ctx) {
  const std::optional<std::string> text = args.Value(option);
  if (!text) return std::nullopt;
  const bool size = std::string_view(option) == "--size";
  const double points = Decimal(*text, option, 0, size ? kMaxFontPoints : kMaxSpacingPoints, ctx);
  if (size && points * 10 < 0.5) {  // the font dialog takes tenths of a point
    ctx.err << "Hodnota --size musí být větší než 0: " << *text << '\n';
    Refuse(option);
  }
  return PointsToTwips(*text);
}

// Centimetres given to an option, in twips; the indents as a whole are checked by CheckIndents.
std::optional<int> CentimetresOption(const CliArgs& args, const char* option, CliContext& ctx) {
  const std::optional<std::string> text = args.Value(option);
  if (!text) return std::nullopt;
  Decimal(*text, option, -2 * kMaxIndentCm, 2 * kMaxIndentCm, ctx);
  return CentimetresToTwips(*text);
}

// The paragraph dialog's indents: left (first line plus offset) and right from 0 to 50 cm, the first
// line within 50 cm of the left indent.
void CheckIndents(const ParaFormat& f, CliContext& ctx) {
  const double maxTwips = kMaxIndentCm * 567;
  const double left = static_cast<double>(f.startIndent) + f.offset;
  if (left < 0 || left > maxTwips || f.startIndent < 0 || f.rightIndent < 0 || f.rightIndent > maxTwips ||
      f.offset < -maxTwips || f.offset > maxTwips) {
    ctx.err << "Hodnota odsazení zleva musí být v intervalu 0 až +50 !\n";
    Refuse("--indent");
  }
}

void ApplyEffect(const CliArgs& args, const char* on, const char* off, uint32_t bit, uint32_t& effects) {
  if (args.Has(on)) effects |= bit;
  if (args.Has(off)) effects &= ~bit;
}

CharFormat CharChoice(const CliArgs& args, CharFormat f, CliContext& ctx) {
  f.mask = kCharStyleMask;
  if (auto face = args.Value("--face")) f.face = Cp1250FromUtf8(*face);
  if (auto charset = Charset(args, ctx)) f.charset = static_cast<uint8_t>(*charset);
  if (auto height = PointsOption(args, "--size", ctx)) f.height = *height;
  ApplyEffect(args, "--bold", "--no-bold", CFE_BOLD, f.effects);
  ApplyEffect(args, "--italic", "--no-italic", CFE_ITALIC, f.effects);
  ApplyEffect(args, "--underline", "--no-underline", CFE_UNDERLINE, f.effects);
  ApplyEffect(args, "--strike", "--no-strike", CFE_STRIKEOUT, f.effects);
  if (auto colour = args.Value("--color")) {
    const std::string hex = !colour->empty() && colour->front() == '#' ? colour->substr(1) : *colour;
    if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
      ctx.err << "Neplatná hodnota --color: " << *colour << '\n';
      throw std::invalid_argument("--color");
    }
    const unsigned long rgb = std::stoul(hex, nullptr, 16);
    f.colour = static_cast<uint32_t>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
    f.effects &= ~CFE_AUTOCOLOR;
  }
  return f;
}

SParStyleChoice ParChoice(const CTedDoc& doc, const CliArgs& args, SParStyleChoice c, CliContext& ctx) {
  ParaFormat& f = c.format;
  if (auto style = args.Value("--char-style")) {
    c.charStyle = Cp1250FromUtf8(*style);
    if (!doc.m_Styles.Contains(c.charStyle)) {
      ctx.err << "Zadaný styl písma neexistuje: " << *style << '\n';
      Refuse("--char-style");
    }
  }
  if (auto align = args.Value("--align")) {
    if (*align == "left")
      f.alignment = PFA_LEFT;
    else if (*align == "right")
      f.alignment = PFA_RIGHT;
    else if (*align == "center")
      f.alignment = PFA_CENTER;
    else {
      ctx.err << "Neplatná hodnota --align: " << *align << '\n';
      throw std::invalid_argument("--align");
    }
  }
  if (auto v = CentimetresOption(args, "--indent", ctx)) f.startIndent = *v;
  if (auto v = CentimetresOption(args, "--right-indent", ctx)) f.rightIndent = *v;
  if (auto v = CentimetresOption(args, "--offset", ctx)) f.offset = *v;
  if (args.Value("--indent") || args.Value("--right-indent") || args.Value("--offset")) CheckIndents(f, ctx);
  if (auto v = PointsOption(args, "--before", ctx)) f.spaceBefore = *v;
  if (auto v = PointsOption(args, "--after", ctx)) f.spaceAfter = *v;
  if (auto v = PointsOption(args, "--line", ctx)) {
    f.lineSpacing = *v;
    f.lineSpacingRule = kSpacingAtLeast;
  }
  if (auto tabs = args.Value("--tabs")) {
    CTabStopsModel model(0, {});
    std::stringstream list(*tabs);
    for (std::string tab; std::getline(list, tab, ',');) {
      bool clear = false;
      if (!model.Set(tab, ctx.ui, clear)) throw std::invalid_argument("--tabs");
    }
    model.CopyTo(f.tabCount, f.tabs);
  }
  return c;
}

// The editor's set-up as the window does it on opening a calendar: predefined styles missing or still
// without a face get their factory formats in the base font, the one --base-font names or else the
// one the window program has configured beside orv.
void SetUpPredefinedStyles(CTedDoc& doc, const CliArgs& args, CliContext& ctx) {
  EnsureGuiApplication();
  const std::optional<std::string> given = args.Value("--base-font");
  const std::string face =
      given ? Cp1250FromUtf8(*given)
            : ConfiguredBaseFont(ConfigFilePath(QCoreApplication::applicationDirPath().toStdString()),
                                 InstalledFaces());
  if (face.empty()) return;  // no face to set them up in: they stay as the calendar has them
  CCommentaryEditor editor(doc, ctx.ui);
  editor.DoInitialUpdate(face, [](std::string_view) { return true; });
}

template <typename Model, typename MakeChoice>
int EditStyle(CTedDoc& doc, const CliArgs& args, const std::string& name, typename Model::Choice fresh,
              MakeChoice makeChoice, CliContext& ctx) {
  Model model(doc, ctx.ui);
  bool done = false;
  if (args.Has("--delete"))
    done = model.Delete(name);
  else if (args.Has("--new"))
    done = model.CheckNewName(name) && model.AddNew(name, makeChoice(fresh));
  else
    done = model.CheckEdit(name) && model.Edit(name, makeChoice(model.ChoiceOf(name)));
  if (!done) return kExitRefused;
  const SStyleEdits edits = model.Commit(doc);
  if (!edits.empty()) ReformatCommentaries(doc, edits);
  return kExitOk;
}

}  // namespace

int CmdStyles(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words, {"--base-font"}, {"--json"}, error);
  if (!args || args->Positional().size() != 1) {
    ctx.err << (args ? "Použití: orv styles SOUBOR.orv [--json] [--base-font PÍSMO]" : error) << '\n';
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  CTedDoc& doc = calendar.Doc();
  SetUpPredefinedStyles(doc, *args, ctx);  // listed as the window shows them; nothing is saved
  if (args->Has("--json")) {
    CJson::Array chars, pars;
    for (const std::string& name : AllCharStyleNames(doc))
      chars.push_back(CharStyleJson(name, *doc.m_Styles.Find(name)));
    for (const std::string& name : AllParStyleNames(doc))
      pars.push_back(ParStyleJson(name, *doc.m_StylesPar.Find(name)));
    CJson json;
    json["char_styles"] = std::move(chars);
    json["par_styles"] = std::move(pars);
    json.Write(ctx.out);
    ctx.out << '\n';
    return kExitOk;
  }
  ctx.out << "Styly písma:\n";
  for (const std::string& name : AllCharStyleNames(doc))
    ctx.out << "  " << CharStyleLine(name, *doc.m_Styles.Find(name)) << '\n';
  ctx.out << "Styly odstavce:\n";
  for (const std::string& name : AllParStyleNames(doc))
    ctx.out << "  " << ParStyleLine(name, *doc.m_StylesPar.Find(name)) << '\n';
  return kExitOk;
}

int CmdStyle(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words, kStyleValues, kStyleFlags, error);
  if (!args || args->Positional().size() != 2 || (args->Has("--new") && args->Has("--delete"))) {
    ctx.err << (args ? "Použití: orv style SOUBOR.orv NÁZEV [--para] [--new | --delete] [volby formátu]"
                     : error)
            << '\n';
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  CTedDoc& doc = calendar.Doc();
  SetUpPredefinedStyles(doc, *args, ctx);
  const std::string name = Cp1250FromUtf8(args->Positional()[1]);
  int status = kExitError;
  try {
    if (args->Has("--para")) {
      SParStyleChoice fresh{ToParaFormat(CParFormat{}), "Standard2"};
      fresh.format.alignment = PFA_LEFT;
      status = EditStyle<CParStylesModel>(
          doc, *args, name, fresh, [&](SParStyleChoice c) { return ParChoice(doc, *args, c, ctx); }, ctx);
    } else {
      CharFormat fresh = ToCharFormat(CCharFormat{});
      status = EditStyle<CCharStylesModel>(
          doc, *args, name, fresh, [&](CharFormat c) { return CharChoice(*args, c, ctx); }, ctx);
    }
  } catch (const std::exception&) {
    return kExitError;  // a value the dialogs refuse: said above
  }
  if (status != kExitOk) return status;
  return calendar.SaveIfModified() ? kExitOk : kExitError;
}

}  // namespace orv::cli
