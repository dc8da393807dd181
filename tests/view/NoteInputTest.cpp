// What arrives in the note field, and stored notes that would break the month table into more lines.
#include <gtest/gtest.h>

#include "CalendarBuilder.h"
#include "ViewFixture.h"
#include "view/NoteInput.h"

namespace orv::test {
namespace {

TEST(NoteInput, BreaksAndTabsBecomeSingleSpacesAndTheCursorFollows) {
  struct Case {
    const char* text;
    int cursor;
    const char* cleaned;
    int cleanedCursor;
  };
  const Case cases[] = {
      {"schůzka", 3, "schůzka", 3},    {"a\r\nb", 4, "a b", 3},  // a CR LF pair is one break
      {"a\r\nb", 2, "a b", 2},   // a cursor between CR and LF lands after the space
      {"a\n\nb", 4, "a  b", 4},  // two breaks, two spaces
      {"a\tb\rc\x0B", 6, "a b c ", 6}, {"\r\n", 0, " ", 0},
  };
  for (const Case& c : cases) {
    const SNoteInput input = CleanNoteInput(QString::fromUtf8(c.text), c.cursor);
    EXPECT_EQ(input.text, QString::fromUtf8(c.cleaned)) << c.text;
    EXPECT_EQ(input.cursor, c.cleanedCursor) << c.text;
    EXPECT_EQ(input.changed, std::string_view(c.text) != c.cleaned) << c.text;
    EXPECT_TRUE(input.refused.isEmpty());
  }
}

TEST(NoteInput, CharactersTheCodePageCannotHoldAreRefusedAndNamed) {
  // Czech letters, the euro sign, typographic quotes and dashes are all in the code page.
  EXPECT_TRUE(CleanNoteInput(QString::fromUtf8("Žluťoučký kůň – „5 €“"), 0).refused.isEmpty());

  const SNoteInput single = CleanNoteInput(QString::fromUtf8("Иван a Иван"), 0);
  EXPECT_EQ(single.refused, QString::fromUtf8("Иван"));  // each character once
  const SNoteInput emoji = CleanNoteInput(QString::fromUtf8("dort 🎂"), 0);
  EXPECT_EQ(emoji.refused, QString::fromUtf8("🎂"));
  EXPECT_EQ(
      RefusedNoteCharacters(emoji.refused),
      QString::fromUtf8("Znak „🎂“ (U+1F382) nelze do poznámky zapsat: kódování Windows-1250 jej nezná."));
  EXPECT_EQ(RefusedNoteCharacters(QString::fromUtf8("αβγδε")),
            QString::fromUtf8("Znaky „α“ (U+03B1), „β“ (U+03B2), „γ“ (U+03B3) a 2 dalších nelze do poznámky "
                              "zapsat: kódování Windows-1250 je nezná."));
}

TEST(NoteInput, StoredBreaksNeverAddALineToTheMonthTable) {
  ViewFixture f;
  CalendarBuilder(f.doc).Day("2005/03/10", Cz("první\r\ndruhý\rtřetí\nčtvrtý"));
  f.view.DoMonth(15, 3, 2005);
  EXPECT_EQ(f.view.Table().GetText().find('\n'), std::string::npos);
  int lines = 1;
  for (char c : f.view.Table().GetText()) lines += c == '\r';
  EXPECT_EQ(lines, 31);
  EXPECT_NE(f.RowText(10).find(Cz("první  druhý třetí čtvrtý")), std::string::npos);
  EXPECT_EQ(f.doc.GetDayRecord("2005/03/10")->m_Poznamka, Cz("první\r\ndruhý\rtřetí\nčtvrtý"));
}

}  // namespace
}  // namespace orv::test
