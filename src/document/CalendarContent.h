#pragma once
// CCalendarContent: everything one calendar file holds, as CTedDoc keeps it in memory. Opening a
// file reads into a fresh CCalendarContent and swaps it in only when the whole file was read, so a
// damaged file never disturbs the calendar that was open.

#include <cstdint>
#include <string>

#include "core/ArchiveMap.h"
#include "document/EntrTxt.h"
#include "document/RecordMap.h"
#include "document/StyleRecords.h"
#include "names/NamesDatabase.h"

namespace orv {

class IUiServices;

inline constexpr std::uint32_t kOrvMagic = 0x0026F74F;
inline constexpr std::uint32_t kOrvVersion = 3;  // the version every save writes

struct CCalendarContent {
  explicit CCalendarContent(IUiServices& ui) : m_Names(ui) {}

  // File header.
  std::uint32_t m_Magic = kOrvMagic;
  std::uint32_t m_Verze = kOrvVersion;  // after loading: the version read
  std::string m_Heslo;                  // password that guards opening; empty = none
  std::uint32_t m_Ochrana = 0;          // header word, kept as read

  CRecordMap m_DataTxt;     // DayKey -> day record
  CRecordMap m_DataMesice;  // MonthKey -> month record

  // Author data.
  std::string m_NazevKalendare;
  std::string m_CisloVerze;
  std::string m_Autor;
  std::string m_Firma;
  std::string m_Datum;
  std::string m_HesloAutora;  // locks the author data against change

  CArchiveMap<CCharFormat> m_Styles;    // style name -> character style
  CArchiveMap<CParFormat> m_StylesPar;  // style name -> paragraph style

  CNamesDatabase m_Names;
};

}  // namespace orv
