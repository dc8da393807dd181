#include <algorithm>
#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/Cp1250.h"

namespace orv::cli {
namespace {

CJson Text(const std::string& cp1250) {
  return CJson(Cp1250ToUtf8(cp1250));
}

// Records are written one by one as they are unscrambled, never all at once: a calendar may hold
// millions of them. Keys go in the order of their UTF-8 form, as CJson orders its members.
void WriteRecords(std::ostream& out, const CRecordMap& records) {
  std::vector<std::uint32_t> order(records.size());
  for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
  const auto unicode = [](char c) { return Cp1250ToUnicode(static_cast<unsigned char>(c)); };
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    const std::string_view ka = records.KeyAt(a), kb = records.KeyAt(b);
    return std::lexicographical_compare(ka.begin(), ka.end(), kb.begin(), kb.end(),
                                        [&](char x, char y) { return unicode(x) < unicode(y); });
  });
  out << '{';
  bool first = true;
  records.Visit(order, [&](std::string_view key, const CEntrTxt& r) {
    out << (first ? "\n    " : ",\n    ");
    first = false;
    WriteJsonString(out, Cp1250ToUtf8(key));
    out << ": ";
    CJson entry;
    entry["note"] = Text(r.m_Poznamka);
    entry["rtf"] = Text(r.m_Rtf);
    entry["text"] = Text(r.m_Text);
    entry["reserve"] = Text(r.m_Rezerva);
    entry.Write(out, 4);
  });
  out << (first ? "}" : "\n  }");
}

// One member of the outermost object.
void Member(std::ostream& out, const char* key, const CJson& value) {
  out << ",\n  ";
  WriteJsonString(out, key);
  out << ": ";
  value.Write(out, 2);
}

CJson::Array TextList(const std::vector<std::string>& list) {
  CJson::Array out;
  for (const std::string& s : list) out.push_back(Text(s));
  return out;
}

CJson::Array Names(const CNamesDatabase& names) {
  CJson::Array slots;
  for (const CNameCategory& slot : names.m_Slots) {
    CJson json;
    CJson& byDate = json["by_date"];
    for (const auto& [key, value] : slot.m_JmenaPodleData) byDate[Cp1250ToUtf8(key)] = TextList(value.m_List);
    CJson& byName = json["by_name"];
    for (const auto& [name, value] : slot.m_DatumPodleJmena) byName[Cp1250ToUtf8(name)] = Text(value.m_Str);
    json["list"] = TextList(slot.m_SeznamJmen);
    slots.push_back(std::move(json));
  }
  return slots;
}

CJson CharStyles(const CArchiveMap<CCharFormat>& styles) {
  CJson json;
  for (const auto& [name, f] : styles) {
    CJson& style = json[Cp1250ToUtf8(name)];
    style["face"] = Text(f.m_FaceName);
    style["charset"] = f.m_CharSet;
    style["height"] = f.m_Height;
    style["effects"] = f.m_Effects;
    style["strikeout"] = f.m_Strikeout;
    style["underline"] = f.m_Underline;
    style["color"] = f.m_Color;
  }
  return json;
}

CJson ParaStyles(const CArchiveMap<CParFormat>& styles) {
  CJson json;
  for (const auto& [name, f] : styles) {
    CJson& style = json[Cp1250ToUtf8(name)];
    style["char_style"] = Text(f.m_CharStyle);
    style["numbering"] = f.m_Numbering;
    style["start_indent"] = f.m_StartIndent;
    style["right_indent"] = f.m_RightIndent;
    style["offset"] = f.m_Offset;
    style["alignment"] = f.m_Alignment;
    style["tab_count"] = f.m_TabCount;
    style["space_before"] = f.m_SpaceBefore;
    style["space_after"] = f.m_SpaceAfter;
    style["line_spacing"] = f.m_LineSpacing;
    style["numbering_style"] = f.m_NumberingStyle;
    style["line_spacing_rule"] = f.m_LineSpacingRule;
    style["numbering_start"] = f.m_NumberingStart;
    style["numbering_tab"] = f.m_NumberingTab;
    CJson::Array tabs;
    for (std::int32_t tab : f.m_Tabs) tabs.emplace_back(std::int64_t{tab});
    style["tabs"] = std::move(tabs);
  }
  return json;
}

}  // namespace

// Everything the calendar file holds, as JSON with sorted keys; text converted to UTF-8.
int CmdDump(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "dump", 1, 1, ctx);
  if (!args) return kExitError;
  CCliCalendar calendar(ctx);
  if (!calendar.Open((*args)[0])) return kExitError;
  const CTedDoc& doc = calendar.Doc();
  CJson author;
  author["title"] = Text(doc.m_NazevKalendare);
  author["version_number"] = Text(doc.m_CisloVerze);
  author["author"] = Text(doc.m_Autor);
  author["company"] = Text(doc.m_Firma);
  author["date"] = Text(doc.m_Datum);
  author["author_password"] = Text(doc.m_HesloAutora);
  // The members in the sorted order CJson gives them.
  std::ostream& out = ctx.out;
  out << "{\n  \"author\": ";
  author.Write(out, 2);
  Member(out, "char_styles", CharStyles(doc.m_Styles));
  out << ",\n  \"days\": ";
  WriteRecords(out, doc.m_DataTxt);
  Member(out, "header_word", doc.m_Ochrana);
  Member(out, "magic", doc.m_Magic);
  out << ",\n  \"months\": ";
  WriteRecords(out, doc.m_DataMesice);
  Member(out, "names", Names(doc.m_Names));
  Member(out, "para_styles", ParaStyles(doc.m_StylesPar));
  Member(out, "password", Text(doc.m_Heslo));
  Member(out, "read_only", doc.m_bReadOnly);
  Member(out, "version", doc.m_Verze);
  out << "\n}\n";
  return kExitOk;
}

}  // namespace orv::cli
