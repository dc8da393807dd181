#include "document/CalendarArchive.h"

#include "core/UiServices.h"
#include "document/ArchiveReader.h"
#include "document/ArchiveWriter.h"

namespace orv {
namespace {

// A map entry is at least a one-byte key and a two-byte object reference.
constexpr std::size_t kMinMapEntryBytes = 3;

// ---- record bodies ----

void ReadBody(CArchiveReader& ar, CEntrTxt& r, bool scrambled) {
  r.m_Poznamka = ar.ReadString(scrambled);
  r.m_Rtf = ar.ReadString(scrambled);
  r.m_Text = ar.ReadString(scrambled);
  r.m_Rezerva = ar.ReadString(scrambled);
}

void WriteBody(CArchiveWriter& ar, const CEntrTxt& r, bool scrambled) {
  ar.WriteString(r.m_Poznamka, scrambled);
  ar.WriteString(r.m_Rtf, scrambled);
  ar.WriteString(r.m_Text, scrambled);
  ar.WriteString(r.m_Rezerva, scrambled);
}

void ReadBody(CArchiveReader& ar, CComment& r) {
  r.m_Str = ar.ReadString();
}
void WriteBody(CArchiveWriter& ar, const CComment& r) {
  ar.WriteString(r.m_Str);
}
void ReadBody(CArchiveReader& ar, CNames& r) {
  r.m_List = ar.ReadStringList();
}
void WriteBody(CArchiveWriter& ar, const CNames& r) {
  ar.WriteStringList(r.m_List);
}

void ReadBody(CArchiveReader& ar, CCharFormat& r) {
  r.m_FaceName = ar.ReadString();
  r.m_CharSet = ar.ReadByte();
  r.m_Height = ar.ReadLong();
  r.m_Effects = ar.ReadDword();
  r.m_Strikeout = ar.ReadDword();
  r.m_Underline = ar.ReadDword();
  r.m_Color = ar.ReadDword();
}

void WriteBody(CArchiveWriter& ar, const CCharFormat& r) {
  ar.WriteString(r.m_FaceName);
  ar.WriteByte(r.m_CharSet);
  ar.WriteLong(r.m_Height);
  ar.WriteDword(r.m_Effects);
  ar.WriteDword(r.m_Strikeout);
  ar.WriteDword(r.m_Underline);
  ar.WriteDword(r.m_Color);
}

void ReadBody(CArchiveReader& ar, CParFormat& r) {
  r.m_CharStyle = ar.ReadString();
  r.m_Numbering = ar.ReadWord();
  r.m_StartIndent = ar.ReadLong();
  r.m_RightIndent = ar.ReadLong();
  r.m_Offset = ar.ReadLong();
  r.m_Alignment = ar.ReadWord();
  r.m_TabCount = ar.ReadShort();
  r.m_SpaceBefore = ar.ReadLong();
  r.m_SpaceAfter = ar.ReadLong();
  r.m_LineSpacing = ar.ReadLong();
  r.m_NumberingStyle = ar.ReadWord();
  r.m_LineSpacingRule = ar.ReadByte();
  r.m_NumberingStart = ar.ReadWord();
  r.m_NumberingTab = ar.ReadWord();
  for (std::int32_t& tab : r.m_Tabs) tab = ar.ReadLong();
}

void WriteBody(CArchiveWriter& ar, const CParFormat& r) {
  ar.WriteString(r.m_CharStyle);
  ar.WriteWord(r.m_Numbering);
  ar.WriteLong(r.m_StartIndent);
  ar.WriteLong(r.m_RightIndent);
  ar.WriteLong(r.m_Offset);
  ar.WriteWord(r.m_Alignment);
  ar.WriteShort(r.m_TabCount);
  ar.WriteLong(r.m_SpaceBefore);
  ar.WriteLong(r.m_SpaceAfter);
  ar.WriteLong(r.m_LineSpacing);
  ar.WriteWord(r.m_NumberingStyle);
  ar.WriteByte(r.m_LineSpacingRule);
  ar.WriteWord(r.m_NumberingStart);
  ar.WriteWord(r.m_NumberingTab);
  for (std::int32_t tab : r.m_Tabs) ar.WriteLong(tab);
}

// ---- maps ----

template <typename T, typename Read>
void ReadMap(CArchiveReader& ar, CArchiveMap<T>& map, std::initializer_list<ArchiveClass> accepted,
             Read read) {
  const std::uint32_t count = ar.ReadCount(kMinMapEntryBytes);
  for (std::uint32_t i = 0; i < count && !ar.Failed(); ++i) {
    std::string key = ar.ReadString();
    T value{};
    if (!ar.ReadObject(accepted, [&](CArchiveReader& body, ArchiveClass) { read(body, value); })) return;
    map.InsertLoaded(std::move(key), std::move(value));
  }
}

template <typename T, typename Write>
void WriteMap(CArchiveWriter& ar, const CArchiveMap<T>& map, ArchiveClass cls, Write write) {
  ar.WriteCount(map.size());
  for (const auto& [key, value] : map) {
    ar.WriteString(key);
    ar.WriteNewObject(cls);
    write(ar, value);
  }
}

void ReadRecords(CArchiveReader& ar, CArchiveMap<CEntrTxt>& map, bool scrambled) {
  ReadMap(ar, map, {ArchiveClass::EntrTxt},
          [scrambled](CArchiveReader& body, CEntrTxt& r) { ReadBody(body, r, scrambled); });
}

void WriteRecords(CArchiveWriter& ar, const CArchiveMap<CEntrTxt>& map) {
  WriteMap(ar, map, ArchiveClass::EntrTxt,
           [](CArchiveWriter& out, const CEntrTxt& r) { WriteBody(out, r, /*scrambled=*/true); });
}

template <typename T>
void ReadPlainMap(CArchiveReader& ar, CArchiveMap<T>& map, ArchiveClass cls) {
  ReadMap(ar, map, {cls}, [](CArchiveReader& body, T& r) { ReadBody(body, r); });
}

template <typename T>
void WritePlainMap(CArchiveWriter& ar, const CArchiveMap<T>& map, ArchiveClass cls) {
  WriteMap(ar, map, cls, [](CArchiveWriter& out, const T& r) { WriteBody(out, r); });
}

// ---- sections ----

void ReadNames(CArchiveReader& ar, CNamesDatabase& names) {
  for (CNameCategory& slot : names.m_Slots) {
    ReadPlainMap(ar, slot.m_JmenaPodleData, ArchiveClass::Names);
    ReadPlainMap(ar, slot.m_DatumPodleJmena, ArchiveClass::Comment);
    slot.m_SeznamJmen = ar.ReadStringList();
  }
}

void WriteNames(CArchiveWriter& ar, const CNamesDatabase& names) {
  for (const CNameCategory& slot : names.m_Slots) {
    WritePlainMap(ar, slot.m_JmenaPodleData, ArchiveClass::Names);
    WritePlainMap(ar, slot.m_DatumPodleJmena, ArchiveClass::Comment);
    ar.WriteStringList(slot.m_SeznamJmen);
  }
}

// Version 1 kept only the notes, as one-string records. Each becomes a day record with that note;
// an empty note makes no record, since no record may be empty.
void ReadVersion1Days(CArchiveReader& ar, CArchiveMap<CEntrTxt>& days) {
  CArchiveMap<CComment> notes;
  ReadMap(ar, notes, {ArchiveClass::Com, ArchiveClass::Comment},
          [](CArchiveReader& body, CComment& r) { ReadBody(body, r); });
  if (ar.Failed()) return;
  notes.ForEach([&days](const std::string& key, CComment& note) {
    if (!note.m_Str.empty()) days.Insert(key, CEntrTxt{std::move(note.m_Str), {}, {}, {}});
  });
}

void ReadVersion2Or3(CArchiveReader& ar, CCalendarContent& c) {
  const bool scrambled = c.m_Verze >= 3;
  c.m_Ochrana = ar.ReadDword();
  ReadPlainMap(ar, c.m_Styles, ArchiveClass::CharFormat);
  ReadPlainMap(ar, c.m_StylesPar, ArchiveClass::ParFormat);
  ReadNames(ar, c.m_Names);
  ReadRecords(ar, c.m_DataTxt, scrambled);
  c.m_NazevKalendare = ar.ReadString();
  c.m_CisloVerze = ar.ReadString();
  c.m_Autor = ar.ReadString();
  c.m_Firma = ar.ReadString();
  c.m_Datum = ar.ReadString();
  c.m_HesloAutora = ar.ReadString(scrambled);
  ReadRecords(ar, c.m_DataMesice, scrambled);
}

// Enough room for the whole file, so that the buffer is not copied as it grows.
std::size_t EstimatedSize(const CCalendarContent& c) {
  constexpr std::size_t kEntryOverhead = 64;
  std::size_t size = 4096 + (c.m_Styles.size() + c.m_StylesPar.size()) * 256;
  for (const auto* records : {&c.m_DataTxt, &c.m_DataMesice})
    for (const auto& [key, r] : *records)
      size += kEntryOverhead + key.size() + r.m_Poznamka.size() + r.m_Rtf.size() + r.m_Text.size() +
              r.m_Rezerva.size();
  for (const CNameCategory& slot : c.m_Names.m_Slots)
    size += (slot.m_JmenaPodleData.size() + slot.m_DatumPodleJmena.size() + slot.m_SeznamJmen.size()) *
            kEntryOverhead;
  return size;
}

}  // namespace

bool LoadCalendar(std::string_view bytes, CCalendarContent& c, IUiServices& ui, std::string& reason) {
  CArchiveReader ar(bytes);
  c.m_Magic = ar.ReadDword();
  c.m_Verze = ar.ReadDword();
  c.m_Heslo = ar.ReadString(/*scrambled=*/true);
  if (!ar.Failed() && c.m_Magic != kOrvMagic) ar.Fail("nejde o kalendář (chybná značka na začátku)");
  if (!ar.Failed()) {
    if (c.m_Verze == 0) {
      ui.MessageDialog("verze - nesmysl");
    } else if (c.m_Verze > kOrvVersion) {
      ui.MessageDialog("Neznámá verze !");
    } else if (c.m_Verze == 1) {
      ReadNames(ar, c.m_Names);
      ReadVersion1Days(ar, c.m_DataTxt);
    } else {
      ReadVersion2Or3(ar, c);
    }
  }
  reason = ar.Error();
  return !ar.Failed();
}

std::string StoreCalendar(CCalendarContent& c) {
  c.m_Verze = kOrvVersion;
  CArchiveWriter ar;
  ar.Reserve(EstimatedSize(c));
  ar.WriteDword(c.m_Magic);
  ar.WriteDword(c.m_Verze);
  ar.WriteString(c.m_Heslo, /*scrambled=*/true);
  ar.WriteDword(c.m_Ochrana);
  WritePlainMap(ar, c.m_Styles, ArchiveClass::CharFormat);
  WritePlainMap(ar, c.m_StylesPar, ArchiveClass::ParFormat);
  WriteNames(ar, c.m_Names);
  WriteRecords(ar, c.m_DataTxt);
  ar.WriteString(c.m_NazevKalendare);
  ar.WriteString(c.m_CisloVerze);
  ar.WriteString(c.m_Autor);
  ar.WriteString(c.m_Firma);
  ar.WriteString(c.m_Datum);
  ar.WriteString(c.m_HesloAutora, /*scrambled=*/true);
  WriteRecords(ar, c.m_DataMesice);
  return ar.TakeBytes();
}

}  // namespace orv
