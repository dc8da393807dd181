#include "document/CalendarArchive.h"

#include "core/UiServices.h"
#include "document/ArchiveReader.h"
#include "document/ArchiveWriter.h"

namespace orv {
namespace {

// A map entry is at least a one-byte key and a two-byte object reference.
constexpr std::size_t kMinMapEntryBytes = 3;
// An entry of a map of names or styles costs as much memory as this many strings of a list.
constexpr std::size_t kMapEntryWeight = 4;

// ---- record bodies ----

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
  if (!ar.Hold(std::size_t{count} * kMapEntryWeight)) return;
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
    ar.Spill();
  }
}

// Records stay views into the file's bytes: only their keys and bodies are checked here.
void ReadRecords(CArchiveReader& ar, CRecordMap& map, const CArchiveBuffer& buffer, RecordForm form,
                 RecordKeys keys) {
  map.BeginLoading(buffer, form, keys);
  const std::uint32_t count = ar.ReadCount(kMinMapEntryBytes);
  map.Reserve(count);
  ar.ReserveObjects(count);
  for (std::uint32_t i = 0; i < count && !ar.Failed(); ++i) {
    const std::size_t keyOffset = ar.FileOffset();
    const bool utf16Key = ar.SkipString();
    std::size_t bodyOffset = 0;
    const auto checkBody = [&](CArchiveReader& body, ArchiveClass) {
      bodyOffset = body.FileOffset();
      for (int s = 0; s < (form == RecordForm::Note ? 1 : 4); ++s) body.SkipString();
    };
    const bool read = form == RecordForm::Note
                          ? ar.ReadObject({ArchiveClass::Com, ArchiveClass::Comment}, checkBody)
                          : ar.ReadObject({ArchiveClass::EntrTxt}, checkBody);
    if (!read) return;
    if (!utf16Key) {
      map.AddLoaded(keyOffset, bodyOffset);
    } else if (ar.Hold(kMapEntryWeight)) {
      CArchiveReader key(buffer.View().substr(keyOffset));
      map.AddLoaded(key.ReadString(), bodyOffset);
    }
  }
  if (!ar.Failed()) map.EndLoading();
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

void ReadVersion2Or3(CArchiveReader& ar, CCalendarContent& c, const CArchiveBuffer& buffer) {
  const bool scrambled = c.m_Verze >= 3;
  const RecordForm form = scrambled ? RecordForm::Scrambled : RecordForm::Plain;
  c.m_Ochrana = ar.ReadDword();
  ReadPlainMap(ar, c.m_Styles, ArchiveClass::CharFormat);
  ReadPlainMap(ar, c.m_StylesPar, ArchiveClass::ParFormat);
  ReadNames(ar, c.m_Names);
  ReadRecords(ar, c.m_DataTxt, buffer, form, RecordKeys::Day);
  c.m_NazevKalendare = ar.ReadString();
  c.m_CisloVerze = ar.ReadString();
  c.m_Autor = ar.ReadString();
  c.m_Firma = ar.ReadString();
  c.m_Datum = ar.ReadString();
  c.m_HesloAutora = ar.ReadString(scrambled);
  ReadRecords(ar, c.m_DataMesice, buffer, form, RecordKeys::Month);
}

// Enough room for the whole file, so that the buffer is not copied as it grows.
std::size_t EstimatedSize(const CCalendarContent& c) {
  constexpr std::size_t kEntryOverhead = 64;
  std::size_t size = 4096 + (c.m_Styles.size() + c.m_StylesPar.size()) * 256;
  size += c.m_DataTxt.EstimatedBytes() + c.m_DataMesice.EstimatedBytes();
  for (const CNameCategory& slot : c.m_Names.m_Slots)
    size += (slot.m_JmenaPodleData.size() + slot.m_DatumPodleJmena.size() + slot.m_SeznamJmen.size()) *
            kEntryOverhead;
  return size;
}

}  // namespace

bool LoadCalendar(std::string_view bytes, CCalendarContent& c, IUiServices& ui, std::string& reason) {
  return LoadCalendar(CArchiveBuffer::Copy(bytes), c, ui, reason);
}

bool LoadCalendar(const CArchiveBuffer& buffer, CCalendarContent& c, IUiServices& ui, std::string& reason) {
  if (buffer.View().size() > kMaxArchiveBytes) {
    reason = "soubor je větší než 4 GB";
    return false;
  }
  CArchiveReader ar(buffer.View());
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
      ReadRecords(ar, c.m_DataTxt, buffer, RecordForm::Note, RecordKeys::Day);
    } else {
      ReadVersion2Or3(ar, c, buffer);
    }
  }
  reason = ar.Error();
  return !ar.Failed();
}

namespace {

void WriteCalendar(CCalendarContent& c, CArchiveWriter& ar) {
  c.m_Verze = kOrvVersion;
  ar.WriteDword(c.m_Magic);
  ar.WriteDword(c.m_Verze);
  ar.WriteString(c.m_Heslo, /*scrambled=*/true);
  ar.WriteDword(c.m_Ochrana);
  WritePlainMap(ar, c.m_Styles, ArchiveClass::CharFormat);
  WritePlainMap(ar, c.m_StylesPar, ArchiveClass::ParFormat);
  WriteNames(ar, c.m_Names);
  c.m_DataTxt.Write(ar);
  ar.WriteString(c.m_NazevKalendare);
  ar.WriteString(c.m_CisloVerze);
  ar.WriteString(c.m_Autor);
  ar.WriteString(c.m_Firma);
  ar.WriteString(c.m_Datum);
  ar.WriteString(c.m_HesloAutora, /*scrambled=*/true);
  c.m_DataMesice.Write(ar);
}

}  // namespace

std::string StoreCalendar(CCalendarContent& c) {
  CArchiveWriter ar;
  ar.Reserve(EstimatedSize(c));
  WriteCalendar(c, ar);
  return ar.TakeBytes();
}

bool StoreCalendar(CCalendarContent& c, const std::function<bool(std::string_view)>& sink) {
  CArchiveWriter ar(sink);
  WriteCalendar(c, ar);
  return ar.Finish();
}

}  // namespace orv
