// The calendar file's bytes: golden bytes where the bytes are the contract, round trips elsewhere.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/ArchiveMap.h"
#include "core/CalendarDates.h"
#include "document/ArchiveReader.h"
#include "document/ArchiveWriter.h"
#include "document/CalendarArchive.h"

namespace orv {
namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out += static_cast<char>(b);
  return out;
}

std::string Word(unsigned w) {
  return Bytes({static_cast<int>(w & 0xFF), static_cast<int>(w >> 8)});
}
std::string Dword(unsigned d) {
  return Word(d & 0xFFFF) + Word(d >> 16);
}
std::string Str(const std::string& s) {
  return static_cast<char>(s.size()) + s;
}  // short form only
std::string Scrambled(std::string s) {
  for (char& c : s) c = static_cast<char>(c ^ 0xA7);
  return s;
}
std::string NewClass(const std::string& name) {
  return Word(0xFFFF) + Word(1) + Word(name.size()) + name;
}
const std::string kEmptyMap = Word(0);
const std::string kEmptyNames = [] {
  std::string s;
  for (int k = 0; k < 6; ++k) s += kEmptyMap + kEmptyMap + kEmptyMap;
  return s;
}();

class Archive : public ::testing::Test {
 protected:
  // Loads bytes into a fresh content; the reason is empty on success.
  std::string Load(const std::string& bytes) {
    std::string reason;
    const bool ok = LoadCalendar(bytes, loaded, ui, reason);
    EXPECT_EQ(ok, reason.empty());
    return reason;
  }
  test::FakeUiServices ui;
  CCalendarContent content{ui};
  CCalendarContent loaded{ui};
};

TEST_F(Archive, EmptyCalendarIsHeaderAndEmptySections) {
  const std::string expected = Bytes({0x4F, 0xF7, 0x26, 0x00, 0x03, 0, 0, 0, 0x00, 0, 0, 0, 0}) + kEmptyMap +
                               kEmptyMap + kEmptyNames + kEmptyMap + std::string(6, '\0') + kEmptyMap;
  EXPECT_EQ(StoreCalendar(content), expected);
}

TEST_F(Archive, ClassIsNamedOnceThenReferredToByIndex) {
  test::CalendarBuilder(content).CharStyle("A").CharStyle("B");  // buckets 14 and 15
  const std::string bytes = StoreCalendar(content);
  const std::string body = Str("") + Bytes({238}) + Dword(200) + Dword(0) + Dword(0) + Dword(0) + Dword(0);
  ASSERT_EQ(body.size(), 22u);
  const std::string styles =
      Word(2) + Str("A") + NewClass("CCharFormat") + body + Str("B") + Word(0x8001) + body;
  EXPECT_EQ(bytes.substr(13, styles.size()), styles);
  EXPECT_EQ(bytes.substr(13 + 4, 6), Bytes({0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00}));

  // The paragraph style class comes next: class index 4, its objects 5 and 6.
  test::CalendarBuilder(content).ParStyle("P").ParStyle("Q");
  const std::string withPar = StoreCalendar(content);
  const std::size_t par = 13 + styles.size();
  const std::string firstPar = Word(2) + Str("P") + NewClass("CParFormat");
  EXPECT_EQ(withPar.substr(par, firstPar.size()), firstPar);
  const std::size_t parBody = Str("Standard2").size() + 165;
  EXPECT_EQ(withPar.substr(par + firstPar.size() + parBody, 4), Str("Q") + Word(0x8004));
}

TEST_F(Archive, StringLengthForms) {
  struct Case {
    std::size_t length;
    std::string prefix;
  };
  for (const Case& c : {Case{0, Bytes({0})}, Case{254, Bytes({0xFE})}, Case{255, Bytes({0xFF, 0xFF, 0x00})},
                        Case{65533, Bytes({0xFF, 0xFD, 0xFF})},
                        Case{65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
                        Case{70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})}}) {
    SCOPED_TRACE(c.length);
    const std::string text(c.length, 'x');
    CArchiveWriter w;
    w.WriteString(text);
    EXPECT_EQ(w.Bytes(), c.prefix + text);
    CArchiveReader r(w.Bytes());
    EXPECT_EQ(r.ReadString(), text);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_FALSE(r.Failed());
  }
}

TEST_F(Archive, Utf16StringsAreReadAsWindows1250) {
  // "Řa€" in UTF-16LE after the marker, once with a byte length and once with a word length.
  const std::string units = Bytes({0x58, 0x01, 0x61, 0x00, 0xAC, 0x20});
  const std::string bytes =
      Bytes({0xFF, 0xFE, 0xFF, 3}) + units + Bytes({0xFF, 0xFE, 0xFF, 0xFF, 3, 0}) + units;
  CArchiveReader r(bytes);
  EXPECT_EQ(r.ReadString(),
            "\xD8"
            "a\x80");
  EXPECT_EQ(r.ReadString(),
            "\xD8"
            "a\x80");
  EXPECT_FALSE(r.Failed());
}

TEST_F(Archive, CountsAndLongObjectReferences) {
  // 0x7FFF objects of one class fill the short indices; the next class is referred to in long form.
  CArchiveWriter w;
  const unsigned objects = 0x7FFF;
  w.WriteCount(objects + 1);
  for (unsigned i = 0; i < objects; ++i) {
    w.WriteNewObject(ArchiveClass::Comment);
    w.WriteString("");
  }
  w.WriteNewObject(ArchiveClass::Names);  // class index 0x8001
  w.WriteStringList({"a"});
  const std::size_t second = w.Bytes().size();
  w.WriteNewObject(ArchiveClass::Names);
  w.WriteStringList({});
  EXPECT_EQ(w.Bytes().substr(0, 2), Word(0x8000));
  EXPECT_EQ(w.Bytes().substr(second), Word(0x7FFF) + Dword(0x80008001u) + kEmptyMap);

  CArchiveReader r(w.Bytes());
  ASSERT_EQ(r.ReadCount(3), objects + 1);
  std::vector<std::string> last;
  for (unsigned i = 0; i < objects; ++i)
    r.ReadObject({ArchiveClass::Comment}, [](CArchiveReader& body, ArchiveClass) { body.ReadString(); });
  for (int i = 0; i < 2; ++i)
    r.ReadObject({ArchiveClass::Names},
                 [&](CArchiveReader& body, ArchiveClass) { last = body.ReadStringList(); });
  EXPECT_FALSE(r.Failed()) << r.Error();
  EXPECT_EQ(r.Remaining(), 0u);

  CArchiveWriter counts;
  counts.WriteCount(0xFFFE);
  counts.WriteCount(0xFFFF);
  EXPECT_EQ(counts.Bytes(), Word(0xFFFE) + Word(0xFFFF) + Dword(0xFFFF));
}

TEST_F(Archive, BackReferenceRepeatsTheEarlierObject) {
  // Category 0: two dates share one CNames object (index 2), the second by back-reference.
  const std::string names = Word(2) + Str("01/01") + NewClass("CNames") + Word(1) + Str("Nový rok") +
                            Str("01/02") + Word(2) + kEmptyMap + kEmptyMap;
  std::string rest;
  for (int k = 1; k < 6; ++k) rest += kEmptyMap + kEmptyMap + kEmptyMap;
  const std::string file = Dword(0x0026F74F) + Dword(2) + Str("") + Dword(0) + kEmptyMap + kEmptyMap + names +
                           rest + kEmptyMap + std::string(6, '\0') + kEmptyMap;
  ASSERT_EQ(Load(file), "");
  const auto& byDate = loaded.m_Names.m_Slots[0].m_JmenaPodleData;
  ASSERT_NE(byDate.Find("01/02"), nullptr);
  EXPECT_EQ(byDate.Find("01/02")->m_List, std::vector<std::string>{"Nový rok"});
}

TEST_F(Archive, Version3ScramblesRecordsAndPasswordsOnly) {
  test::CalendarBuilder(content)
      .Day("2005/03/07", "ab", "t")
      .Month("2005/03", "m")
      .Author("N", "A")
      .Passwords("\xA7", "pw");
  const std::string bytes = StoreCalendar(content);
  EXPECT_EQ(bytes.substr(8, 2), Bytes({1, 0}));  // the password byte 0xA7 is stored as 0x00
  EXPECT_NE(bytes.find(Str("2005/03/07") + NewClass("CEntrTxt") + Str(Scrambled("ab"))), std::string::npos);
  EXPECT_NE(bytes.find(Str("N") + Str("1.0") + Str("A")), std::string::npos);
  EXPECT_NE(bytes.find(Str(Scrambled("pw")) + Word(1) + Str("2005/03") + Word(0x8001)), std::string::npos);
  ASSERT_EQ(Load(bytes), "");
  EXPECT_EQ(loaded.m_Heslo, "\xA7");
  EXPECT_EQ(loaded.m_HesloAutora, "pw");
  EXPECT_EQ(*loaded.m_DataTxt.Find("2005/03/07"), (CEntrTxt{"ab", test::CalendarBuilder::Rtf("t"), "t", ""}));
}

TEST_F(Archive, LoadThenStoreIsByteIdentical) {
  test::CalendarBuilder(content).EveryKindOfRecord();
  // Loaded entries must keep their order even where it differs from the program's own.
  content.m_DataTxt.InsertLoaded("2005/03/24", CEntrTxt{"x", "", "", "rezerva"});
  const std::string bytes = StoreCalendar(content);
  ASSERT_EQ(Load(bytes), "");
  EXPECT_EQ(StoreCalendar(loaded), bytes);
  EXPECT_EQ(loaded.m_NazevKalendare, content.m_NazevKalendare);
  EXPECT_EQ(*loaded.m_StylesPar.Find("Hlavi\xe8ka1"), *content.m_StylesPar.Find("Hlavi\xe8ka1"));
  EXPECT_EQ(*loaded.m_DataTxt.Find("2020/12/31"), *content.m_DataTxt.Find("2020/12/31"));
}

// Records stay as they were read until they are changed: reading them in any way leaves the file's
// bytes, and a change, an addition or a removal writes what the same change to content built in
// memory writes, every other record in its place.
TEST_F(Archive, RecordsAreWrittenAsReadUntilChanged) {
  test::CalendarBuilder(content).EveryKindOfRecord();
  content.m_DataTxt.InsertLoaded("2005/03/24", CEntrTxt{"x", "", "", "rezerva"});
  const std::string bytes = StoreCalendar(content);
  const std::function<void(CCalendarContent&)> reads[] = {
      [](CCalendarContent&) {},
      [](CCalendarContent& c) {
        for (const auto& [key, record] : c.m_DataTxt) EXPECT_FALSE(key.empty() || record == CEntrTxt{});
      },
      [](CCalendarContent& c) {
        EXPECT_EQ(std::as_const(c.m_DataTxt).Find("2005/03/24")->m_Rezerva, "rezerva");
        EXPECT_EQ(std::as_const(c.m_DataMesice).Find("2005/03")->m_Text, "B\xf8\x65zen");
      },
      [](CCalendarContent& c) { c.m_DataMesice.Visit([](std::string_view, const CEntrTxt&) {}); },
  };
  for (const auto& read : reads) {
    CCalendarContent c(ui);
    std::string reason;
    ASSERT_TRUE(LoadCalendar(bytes, c, ui, reason)) << reason;
    read(c);
    EXPECT_EQ(StoreCalendar(c), bytes);
  }

  ASSERT_EQ(Load(bytes), "");
  for (CCalendarContent* c : {&content, &loaded}) {
    c->m_DataTxt.Find("2005/03/08")->m_Rtf = "{zm\xecna}";
    c->m_DataTxt.Insert("2011/11/11", CEntrTxt{"nov\xfd", "", "", ""});
    c->m_DataTxt.Erase("2000/01/01");
    c->m_DataMesice.InsertLoaded("2020/12", CEntrTxt{{}, "r", "t", ""});
  }
  const std::string changed = StoreCalendar(loaded);
  EXPECT_EQ(changed, StoreCalendar(content));
  EXPECT_NE(changed.find(Str(Scrambled("{zm\xecna}"))), std::string::npos);
}

// A damaged or foreign file may file records under anything. Keys that are no date of their map's kind
// are out of every lookup, count and walk, and a save writes them back byte for byte, whatever else
// changed.
TEST_F(Archive, RecordsUnderKeysOfNoDateAreKeptAsideAndWrittenBack) {
  const std::vector<std::string> validDays = {"2004/02/29", "2005/03/07"};
  const std::vector<std::string> invalidDays = {"2004/13/01", "2004/00/01", "",           "2005/03",
                                                "2004/02/30", "2003/02/29", "2005-03-07", "0000/01/01",
                                                "2005/03/07 ", "2005/3/007"};
  for (const std::string& key : validDays) content.m_DataTxt.Insert(key, CEntrTxt{"n", "", "", ""});
  for (const std::string& key : invalidDays) content.m_DataTxt.Insert(key, CEntrTxt{"vadn\xfd", "r", "t", ""});
  content.m_DataMesice.Insert("2005/03", CEntrTxt{"", "r", "t", ""});
  for (const char* key : {"2005/13", "2005/00", "2005/03/07", "205/03"})
    content.m_DataMesice.Insert(key, CEntrTxt{"", "r", "t", ""});
  const std::string bytes = StoreCalendar(content);

  ASSERT_EQ(Load(bytes), "");
  std::vector<std::string> walked;
  for (const auto& [key, record] : loaded.m_DataTxt) walked.push_back(key);
  EXPECT_EQ(walked, validDays);
  EXPECT_EQ(loaded.m_DataTxt.size(), 2u);
  EXPECT_EQ(loaded.m_DataTxt.InvalidKeyCount(), invalidDays.size());
  EXPECT_EQ(std::as_const(loaded.m_DataTxt).Find("2004/13/01"), nullptr);
  EXPECT_FALSE(loaded.m_DataTxt.Erase(""));
  EXPECT_EQ(loaded.m_DataMesice.size(), 1u);
  EXPECT_EQ(loaded.m_DataMesice.InvalidKeyCount(), 4u);
  EXPECT_EQ(loaded.m_DataTxt.Years(), (std::pair{2004, 2005}));
  EXPECT_EQ(StoreCalendar(loaded), bytes);

  // The same changes to the records the program sees write what they write in memory.
  for (CCalendarContent* c : {&content, &loaded}) {
    c->m_DataTxt.Find("2005/03/07")->m_Poznamka = "jin\xe1";
    c->m_DataTxt.Erase("2004/02/29");
    c->m_DataTxt.Insert("2011/11/11", CEntrTxt{"nov\xfd", "", "", ""});
  }
  EXPECT_EQ(StoreCalendar(loaded), StoreCalendar(content));
  CCalendarContent copy = loaded;
  EXPECT_EQ(StoreCalendar(copy), StoreCalendar(content));
}

// Records taken from another calendar without reading them, and records erased by the period, write
// what the same changes made record by record write.
TEST_F(Archive, RecordsTakenUnreadAndErasedByPeriodWriteAsRecordByRecord) {
  CCalendarContent source(ui);
  for (const char* key : {"2004/02/29", "2005/03/07", "2006/01/01"})
    source.m_DataTxt.Insert(key, CEntrTxt{std::string("n ") + key, "{r}", "t", "x"});
  source.m_DataMesice.Insert("2005/03", CEntrTxt{"", "r", "t", ""});
  content.m_DataTxt.Insert("2005/03/07", CEntrTxt{"c\xedl", "", "", ""});
  content.m_DataTxt.Insert("2004/13/01", CEntrTxt{"vadn\xfd", "", "", ""});
  for (const char* key : {"2001/01/01", "2001/01/02", "2001/01/03", "2003/05/05"})
    content.m_DataTxt.Insert(key, CEntrTxt{"a", "", "", ""});
  CCalendarContent from(ui), into(ui);
  std::string reason;
  ASSERT_TRUE(LoadCalendar(StoreCalendar(source), from, ui, reason)) << reason;
  ASSERT_TRUE(LoadCalendar(StoreCalendar(content), into, ui, reason)) << reason;
  ASSERT_EQ(into.m_DataTxt.InvalidKeyCount(), 1u);

  into.m_DataTxt.BeginInserts();  // put in place together, among the keys there and those aside
  EXPECT_TRUE(into.m_DataTxt.InsertUnread("2004/02/29", from.m_DataTxt));
  into.m_DataTxt.Insert("2000/06/06", CEntrTxt{"pøidaný", "", "", ""});
  EXPECT_FALSE(into.m_DataTxt.InsertUnread("2005/03/07", from.m_DataTxt));  // the target has it
  EXPECT_FALSE(into.m_DataTxt.InsertUnread("2009/09/09", from.m_DataTxt));  // the source lacks it
  from.m_DataTxt.Find("2006/01/01")->m_Poznamka = "zm\xecn\xeano";
  EXPECT_FALSE(into.m_DataTxt.InsertUnread("2006/01/01", from.m_DataTxt));  // changed: read it
  into.m_DataTxt.EndInserts();
  EXPECT_TRUE(into.m_DataMesice.InsertUnread("2005/03", from.m_DataMesice));
  EXPECT_EQ(into.m_DataTxt.Erase({"2001/01/01", "2001/01/03", "2003/05/05", "2002/02/02"}), 3u);
  CEntrTxt scratch;
  ASSERT_NE(into.m_DataTxt.Peek("2004/02/29", scratch), nullptr);
  EXPECT_EQ(into.m_DataTxt.Peek("2004/02/29", scratch)->m_Poznamka, "n 2004/02/29");
  EXPECT_EQ(into.m_DataTxt.Peek("2001/01/01", scratch), nullptr);

  CCalendarContent expected(ui);
  ASSERT_TRUE(LoadCalendar(StoreCalendar(content), expected, ui, reason)) << reason;
  expected.m_DataTxt.Insert("2004/02/29", *std::as_const(source.m_DataTxt).Find("2004/02/29"));
  expected.m_DataTxt.Insert("2000/06/06", CEntrTxt{"pøidaný", "", "", ""});
  expected.m_DataMesice.Insert("2005/03", *std::as_const(source.m_DataMesice).Find("2005/03"));
  for (const char* key : {"2001/01/01", "2001/01/03", "2003/05/05"}) expected.m_DataTxt.Erase(key);
  const std::string bytes = StoreCalendar(expected);
  EXPECT_EQ(StoreCalendar(into), bytes);
  CCalendarContent copy = into;
  from = CCalendarContent(ui);  // the records taken keep the source's bytes alive
  EXPECT_EQ(StoreCalendar(copy), bytes);
  EXPECT_EQ(into.m_DataTxt.InvalidKeyCount(), 1u);
  EXPECT_EQ(into.m_DataTxt.size(), 4u);
  EXPECT_EQ(into.m_DataTxt.KeyAt(0), "2000/06/06");
  EXPECT_EQ(into.m_DataTxt.Find("2004/02/29")->m_Rezerva, "x");
}

// Records a merge keeps as their bytes (Store) are found, walked and written as records put in by
// Insert are, in the batch and outside it; they are not taken unread from such a map.
TEST_F(Archive, RecordsKeptAsBytesWriteAsInserted) {
  for (const char* key : {"2001/01/01", "2005/03/07", "2004/13/01"})
    content.m_DataTxt.Insert(key, CEntrTxt{"a", "{r}", "t", ""});
  CCalendarContent stored(ui), inserted(ui);
  std::string reason;
  for (CCalendarContent* c : {&stored, &inserted})
    ASSERT_TRUE(LoadCalendar(StoreCalendar(content), *c, ui, reason)) << reason;
  const CEntrTxt changed{"a\r\nb", "{zm\xecna}", "zm\xecna", "x"}, added{"nov\xfd", "", "", ""};
  stored.m_DataTxt.BeginInserts(2);
  stored.m_DataTxt.Store("2005/03/07", changed);
  stored.m_DataTxt.Store("2000/06/06", added);
  stored.m_DataTxt.EndInserts();
  stored.m_DataTxt.Store("2000/06/06", changed);
  stored.m_DataTxt.Store("2010/10/10", added);
  for (const auto& [key, record] : {std::pair{"2005/03/07", changed}, std::pair{"2000/06/06", added},
                                    std::pair{"2000/06/06", changed}, std::pair{"2010/10/10", added}})
    inserted.m_DataTxt.Insert(key, record);

  EXPECT_EQ(StoreCalendar(stored), StoreCalendar(inserted));
  CEntrTxt scratch;
  EXPECT_EQ(*stored.m_DataTxt.Peek("2000/06/06", scratch), changed);
  EXPECT_EQ(stored.m_DataTxt.size(), 4u);
  EXPECT_EQ(stored.m_DataTxt.KeyAt(0), "2000/06/06");
  EXPECT_FALSE(content.m_DataTxt.InsertUnread("2010/10/10", stored.m_DataTxt));
  CCalendarContent copy = stored;
  stored = CCalendarContent(ui);
  EXPECT_EQ(std::as_const(copy.m_DataTxt).Find("2005/03/07")->m_Rtf, "{zm\xecna}");
  EXPECT_EQ(StoreCalendar(copy), StoreCalendar(inserted));
}

// A save hands the file to its sink in pieces of about a megabyte (a commentary longer than that as
// one piece of its own): together they are the bytes StoreCalendar makes, and a sink that refuses a
// piece gets no further one.
TEST_F(Archive, StreamedSaveHandsTheSameBytesInPieces) {
  for (int day = 0; day < 60000; ++day)
    content.m_DataTxt.Insert(DayKey(1950 + day / 336, 1 + day / 28 % 12, 1 + day % 28),
                             CEntrTxt{"pozn\xe1mka", "", "", ""});
  ASSERT_EQ(Load(StoreCalendar(content)), "");
  const std::string longText(3 << 20, 'x');
  loaded.m_DataTxt.Find("2000/01/01")->m_Text = longText;
  const std::string whole = StoreCalendar(loaded);
  std::vector<std::size_t> pieces;
  std::string streamed;
  EXPECT_TRUE(StoreCalendar(loaded, [&](std::string_view piece) {
    pieces.push_back(piece.size());
    streamed += piece;
    return true;
  }));
  EXPECT_EQ(streamed, whole);
  EXPECT_GE(pieces.size(), 3u);
  EXPECT_LE(*std::max_element(pieces.begin(), pieces.end()), longText.size() + (1 << 20) + 4096);

  int handed = 0;
  EXPECT_FALSE(StoreCalendar(loaded, [&](std::string_view) { return ++handed > 1; }));
  EXPECT_EQ(handed, 1);
}

TEST_F(Archive, RecordYearsComeFromTheRecordsOfDates) {
  EXPECT_EQ(content.m_DataTxt.Years(), std::nullopt);
  content.m_DataTxt.Insert("1999/12/31", CEntrTxt{"a", "", "", ""});
  content.m_DataTxt.Insert("0000/01/01", CEntrTxt{"a", "", "", ""});  // sorts first, but is no date
  content.m_DataTxt.Insert("2031/01/01", CEntrTxt{"b", "", "", ""});
  content.m_DataTxt.Insert("9999/99/99", CEntrTxt{"c", "", "", ""});
  ASSERT_EQ(Load(StoreCalendar(content)), "");
  EXPECT_EQ(loaded.m_DataTxt.Years(), (std::pair{1999, 2031}));
}

// The names of a valid calendar are read however many there are: their memory is bounded by the
// file's size, not by a count.
TEST_F(Archive, LongListsOfNamesAreRead) {
  CNameCategory& names = content.m_Names.m_Slots[3];
  for (int i = 0; i < 33'000; ++i) {
    const std::string name = "Jm\xe9no " + std::to_string(i);
    names.m_DatumPodleJmena.Insert(name, CComment{AnniversaryKey(1 + i % 12, 1 + i % 28)});
    names.m_SeznamJmen.push_back(name);
  }
  content.m_Names.m_Slots[4].m_SeznamJmen.assign(65'534, "V");
  content.m_Names.m_Slots[5].m_SeznamJmen.assign(65'535, "W");
  const std::string bytes = StoreCalendar(content);
  ASSERT_EQ(Load(bytes), "");
  EXPECT_EQ(loaded.m_Names.m_Slots[3].m_DatumPodleJmena.size(), 33'000u);
  EXPECT_EQ(loaded.m_Names.m_Slots[5].m_SeznamJmen.size(), 65'535u);
  EXPECT_EQ(StoreCalendar(loaded), bytes);
}

// A version-1 note becomes a record as the program adds one: the last read goes first in its bucket,
// a repeated key keeps its first place and its last note, an empty note makes no record.
TEST_F(Archive, Version1NotesAreOrderedAsAddedRecords) {
  std::vector<std::string> keys;  // three day keys of one bucket
  for (int day = 1; keys.size() < 3; ++day)
    if (ArchiveMapBucket(DayKey(2005, 1, day)) == ArchiveMapBucket(DayKey(2005, 1, 1)))
      keys.push_back(DayKey(2005, 1, day));
  const std::string notes = Word(5) + Str(keys[0]) + NewClass("CCom") + Str("a") + Str(keys[1]) +
                            Word(0x8001) + Str("b") + Str(keys[2]) + Word(0x8001) + Str("c") + Str(keys[0]) +
                            Word(0x8001) + Str("a2") + Str("2005/02/02") + Word(0x8001) + Str("");
  ASSERT_EQ(Load(Dword(0x0026F74F) + Dword(1) + Str("") + kEmptyNames + notes), "");
  test::CalendarBuilder(content).Day(keys[0], "a2").Day(keys[1], "b").Day(keys[2], "c");
  EXPECT_EQ(StoreCalendar(loaded), StoreCalendar(content));
}

// Version 1: password, names, and a map of notes as one-string records.
TEST_F(Archive, Version1FileBecomesNotesAndIsWrittenAsVersion3) {
  std::string names = Word(1) + Str("03/07") + NewClass("CNames") + Word(1) + Str("Tomáš") + Word(1) +
                      Str("Tomáš") + NewClass("CComment") + Str("03/07") + Word(1) + Str("Tomáš");
  for (int k = 1; k < 6; ++k) names += kEmptyMap + kEmptyMap + kEmptyMap;
  const std::string days = Word(3) + Str("2005/03/07") + NewClass("CCom") + Str("porada") +
                           Str("2005/03/08") + Word(0x8000 | 5) + Str("") + Str("2005/03/09") +
                           Word(0x8000 | 3) + Str("oběd");
  const std::string file = Dword(0x0026F74F) + Dword(1) + Str(Scrambled("heslo")) + names + days;
  loaded.m_NazevKalendare = "stale";
  ASSERT_EQ(Load(file), "");
  EXPECT_EQ(loaded.m_Verze, 1u);
  EXPECT_EQ(loaded.m_Heslo, "heslo");
  EXPECT_EQ(loaded.m_DataTxt.size(), 2u);  // the empty note makes no record
  EXPECT_EQ(*loaded.m_DataTxt.Find("2005/03/07"), (CEntrTxt{"porada", "", "", ""}));
  EXPECT_EQ(*loaded.m_DataTxt.Find("2005/03/09"), (CEntrTxt{"oběd", "", "", ""}));
  EXPECT_EQ(loaded.m_Names.m_Slots[0].m_DatumPodleJmena.Find("Tomáš")->m_Str, "03/07");
  EXPECT_TRUE(loaded.m_Styles.empty() && loaded.m_DataMesice.empty());

  const std::string v3 = StoreCalendar(loaded);
  EXPECT_EQ(v3.substr(4, 4), Dword(3));
  CCalendarContent again(ui);
  std::string reason;
  ASSERT_TRUE(LoadCalendar(v3, again, ui, reason)) << reason;
  EXPECT_EQ(*again.m_DataTxt.Find("2005/03/07"), (CEntrTxt{"porada", "", "", ""}));
}

TEST_F(Archive, Version2TextsArePlainAndAreScrambledWhenWritten) {
  const std::string day =
      Word(1) + Str("2005/03/07") + NewClass("CEntrTxt") + Str("note") + Str("{rtf}") + Str("text") + Str("");
  const std::string month =
      Word(1) + Str("2005/03") + Word(0x8001) + Str("") + Str("{m}") + Str("měsíc") + Str("");
  const std::string file = Dword(0x0026F74F) + Dword(2) + Str(Scrambled("pw")) + Dword(7) + kEmptyMap +
                           kEmptyMap + kEmptyNames + day + Str("Titul") + Str("") + Str("") + Str("") +
                           Str("") + Str("ap") + month;
  ASSERT_EQ(Load(file), "");
  EXPECT_EQ(loaded.m_Verze, 2u);
  EXPECT_EQ(loaded.m_Ochrana, 7u);
  EXPECT_EQ(loaded.m_Heslo, "pw");
  EXPECT_EQ(loaded.m_HesloAutora, "ap");
  EXPECT_EQ(*loaded.m_DataTxt.Find("2005/03/07"), (CEntrTxt{"note", "{rtf}", "text", ""}));
  EXPECT_EQ(loaded.m_DataMesice.Find("2005/03")->m_Text, "měsíc");

  const std::string v3 = StoreCalendar(loaded);
  EXPECT_EQ(v3.substr(4, 4), Dword(3));
  EXPECT_NE(v3.find(Str(Scrambled("note")) + Str(Scrambled("{rtf}"))), std::string::npos);
  EXPECT_EQ(v3.find("note"), std::string::npos);
  EXPECT_EQ(v3.substr(11, 4), Dword(7));  // header word kept
}

TEST_F(Archive, VersionsWithoutContentAreReportedAndReadNoFurther) {
  ASSERT_EQ(Load(Dword(0x0026F74F) + Dword(0) + Str("") + "garbage"), "");
  ASSERT_EQ(Load(Dword(0x0026F74F) + Dword(9) + Str("")), "");
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"verze - nesmysl", "Neznámá verze !"}));
}

TEST_F(Archive, EveryTruncationIsRefused) {
  test::CalendarBuilder(content).EveryKindOfRecord();
  const std::string bytes = StoreCalendar(content);
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    CCalendarContent c(ui);
    std::string reason;
    ASSERT_FALSE(LoadCalendar(std::string_view(bytes).substr(0, n), c, ui, reason)) << n;
    ASSERT_FALSE(reason.empty());
  }
}

TEST_F(Archive, HostileInputsAreRefusedWithAReason) {
  const std::string head = Dword(0x0026F74F) + Dword(3) + Str("") + Dword(0);
  const std::string styleHead = head + Word(1) + Str("S");
  struct Case {
    const char* what;
    std::string bytes;
    const char* reason;
  };
  const Case cases[] = {
      {"bad magic", Dword(0x0026F74E) + Dword(3) + Str(""), "nejde o kalendář"},
      {"string past the end", Dword(0x0026F74F) + Dword(3) + Bytes({0xFF, 0xFF, 0xFF}) + Dword(0x7FFFFFFF),
       "délka textu"},
      {"utf-16 past the end", Dword(0x0026F74F) + Dword(3) + Bytes({0xFF, 0xFE, 0xFF, 200, 'a', 0}),
       "délka textu"},
      {"huge count", head + Word(0xFFFF) + Dword(0xFFFFFFFF), "počet položek"},
      {"count beyond the bytes", head + Word(1000) + std::string(100, '\0'), "počet položek"},
      {"unknown class", styleHead + NewClass("CFont"), "neznámá třída"},
      {"class name too long", styleHead + Word(0xFFFF) + Word(1) + Word(64) + std::string(64, 'C'),
       "63 znaků"},
      {"wrong schema", styleHead + Word(0xFFFF) + Word(2) + Word(11) + "CCharFormat", "schéma 2"},
      {"class of the wrong place", styleHead + NewClass("CEntrTxt"), "nepatřičném"},
      {"null reference", styleHead + Word(0), "prázdný odkaz"},
      {"class index beyond", styleHead + Word(0x8005), "chybný odkaz"},
      {"object index as class",
       head + Word(2) + Str("S") + NewClass("CCharFormat") + std::string(22, '\0') + Str("T") + Word(0x8002),
       "chybný odkaz"},
      {"long class index beyond", styleHead + Word(0x7FFF) + Dword(0x80001234), "chybný odkaz"},
      {"back-reference to a class",
       head + Word(2) + Str("S") + NewClass("CCharFormat") + std::string(22, '\0') + Str("T") + Word(1),
       "chybný odkaz"},
      // A million empty names in a megabyte would take 32 MB.
      {"names beyond the file's size",
       head + kEmptyMap + kEmptyMap + kEmptyMap + kEmptyMap + Word(0xFFFF) + Dword(1'000'000) +
           std::string(1'000'000, '\0'),
       "příliš mnoho jmen"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CCalendarContent fresh(ui);
    std::string reason;
    EXPECT_FALSE(LoadCalendar(c.bytes, fresh, ui, reason));
    EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
  }
}

TEST_F(Archive, BackReferencesCannotMultiplyTheFile) {
  // One 60,000-byte name list referred to again and again from 2-byte back-references.
  std::string byDate =
      Str("01/01") + NewClass("CNames") + Word(1) + Bytes({0xFF}) + Word(60000) + std::string(60000, 'n');
  const unsigned repeats = 1000;
  for (unsigned i = 0; i < repeats; ++i) byDate += Str("01/02") + Word(2);
  const std::string file =
      Dword(0x0026F74F) + Dword(3) + Str("") + Dword(0) + kEmptyMap + kEmptyMap + Word(repeats + 1) + byDate;
  EXPECT_NE(Load(file).find("opakovaných odkazů"), std::string::npos);

  // Back-references to one small record are charged as if each were a record of its own.
  std::string days = Str("2005/01/01") + NewClass("CEntrTxt") + std::string(4, '\0');
  for (int day = 2; day <= 20; ++day) days += Str(DayKey(2005, 1, day)) + Word(2);
  const std::string small = Dword(0x0026F74F) + Dword(3) + Str("") + Dword(0) + kEmptyMap + kEmptyMap +
                            kEmptyNames + Word(20) + days + std::string(6, '\0') + kEmptyMap;
  CCalendarContent c(ui);
  std::string reason;
  EXPECT_FALSE(LoadCalendar(small, c, ui, reason));
  EXPECT_NE(reason.find("opakovaných odkazů"), std::string::npos) << reason;
}

}  // namespace
}  // namespace orv
