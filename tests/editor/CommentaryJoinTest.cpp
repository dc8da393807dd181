// Joining two commentaries in memory: the source follows on a new paragraph and both parts keep
// their character and paragraph formats; the clipboard is never touched.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <vector>

#include "FakeUiServices.h"
#include "document/TedDoc.h"
#include "editor/CommentaryJoin.h"
#include "editor/ContentJoin.h"
#include "richtext/RichEditCtrl.h"

namespace orv {
namespace {

// A commentary as the editor stores it, from RTF.
CEntrTxt Commentary(const char* rtf) {
  CRichEditCtrl control;
  control.StreamIn(rtf);
  return {{}, control.StreamOut(), control.GetText(), {}};
}

TEST(CommentaryJoin, SourceStartsANewParagraphAndBothKeepTheirFormats) {
  QGuiApplication::clipboard()->setText(QStringLiteral("uživatelova schránka"));
  const CEntrTxt target = Commentary("{\\rtf1\\ansi\\pard\\sa200 {\\b R\\'e1no} hotovo\\par}");
  const CEntrTxt source =
      Commentary("{\\rtf1\\ansi\\ansicpg1250\\pard\\qc {\\i Ve\\'e8er}\\par\\pard konec\\par}");
  CCommentaryJoin joiner;
  CEntrTxt joined;
  joiner.Join(target, source, joined);
  EXPECT_EQ(joined.m_Text, "R\xe1no hotovo\rVe\xe8\x65r\rkonec");

  CRichEditCtrl check;
  check.StreamIn(joined.m_Rtf);
  EXPECT_EQ(check.GetText(), joined.m_Text);
  check.SetSel(0, 4);
  EXPECT_TRUE(check.GetSelectionCharFormat().effects & CFE_BOLD);
  EXPECT_EQ(check.GetParaFormat().spaceAfter, 200);
  check.SetSel(13, 18);
  const CharFormat evening = check.GetSelectionCharFormat();
  EXPECT_TRUE(evening.effects & CFE_ITALIC);
  EXPECT_FALSE(evening.effects & CFE_BOLD);
  EXPECT_EQ(check.GetParaFormat().alignment, PFA_CENTER);
  EXPECT_EQ(check.GetParaFormat().spaceAfter, 0);
  check.SetSel(20, 20);
  EXPECT_NE(check.GetParaFormat().alignment, PFA_CENTER);

  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("uživatelova schránka"));

  // The same joiner serves the next join from a clean control.
  joiner.Join(source, target, joined);
  EXPECT_EQ(joined.m_Text, "Ve\xe8\x65r\rkonec\rR\xe1no hotovo");
}

TEST(CommentaryJoin, ATargetWithoutTextGivesTheSourceAsItIs) {
  const CEntrTxt source = Commentary("{\\rtf1\\ansi {\\b tu}\\par}");
  CEntrTxt joined;
  CCommentaryJoin().Join(Commentary("{\\rtf1\\ansi\\pard\\qc \\par}"), source, joined);
  EXPECT_EQ(joined.m_Rtf, source.m_Rtf);
  EXPECT_EQ(joined.m_Text, source.m_Text);
}

TEST(CommentaryJoin, AppendingTheSameCalendarTwiceAddsItsCommentariesOnce) {
  test::FakeUiServices ui;
  CTedDoc target(ui);
  CCalendarContent source(ui);
  const CEntrTxt morning = Commentary("{\\rtf1\\ansi {\\b r\\'e1no}\\par}");
  const CEntrTxt evening = Commentary("{\\rtf1\\ansi {\\i ve\\'e8er}\\par ok\\par}");
  target.StoreDayCommentary("2005/03/07", morning.m_Rtf, morning.m_Text);
  source.m_DataTxt.Insert("2005/03/07", evening);
  CCommentaryJoin joiner;
  EXPECT_TRUE(AppendCalendar(target, source, {}, joiner).Changed());
  const CEntrTxt once = *target.GetDayRecord("2005/03/07");
  EXPECT_FALSE(AppendCalendar(target, source, {}, joiner).Changed());
  EXPECT_EQ(*target.GetDayRecord("2005/03/07"), once);
}

// Whether a join is made is told before it is made: each commentary and both together must be what
// the editor takes in, in bytes and in paragraphs.
TEST(CommentaryJoin, CanJoinOnlyWhatTheEditorTakesTogether) {
  const auto pars = [](std::size_t n) {
    std::string rtf = "{\\rtf1 a";
    for (std::size_t i = 0; i < n; ++i) rtf += "\\par";
    return CEntrTxt{{}, rtf + "}", "a", {}};
  };
  const CEntrTxt small = Commentary("{\\rtf1 mal\\'fd\\par}");
  const CEntrTxt oneParagraph{{}, "{\\rtf1 " + std::string(1 << 20, 'x') + "}", "x", {}};
  const CEntrTxt huge{{}, "{\\rtf1 " + std::string(CRichEditCtrl::kMaxStreamIn, 'x') + "}", "x", {}};
  const struct {
    const CEntrTxt& target;
    const CEntrTxt& source;
    bool fits;
  } cases[] = {
      {small, small, true},
      {oneParagraph, small, true},
      {pars(60000), small, true},         // alone within its pieces
      {pars(60000), pars(60000), false},  // together over theirs
      {small, pars(200000), false},       // "\par" on every four bytes
      {huge, small, false},
      {small, huge, false},
  };
  CCommentaryJoin joiner;
  for (const auto& c : cases)
    EXPECT_EQ(joiner.CanJoin(c.target, c.source), c.fits)
        << c.target.m_Rtf.size() << " " << c.source.m_Rtf.size();
}

// The join without a document (orv's merge) gives what the control's join gives, byte for byte:
// for commentaries as the editor stores them, for RTF of other writers, and for RTF that holds
// nothing beside a stored text.
TEST(CommentaryJoin, WithoutADocumentTheJoinIsTheControls) {
  const char* const rtfs[] = {
      "{\\rtf1\\ansi\\pard\\sa200 {\\b R\\'e1no} hotovo\\par}",
      "{\\rtf1\\ansi\\ansicpg1250\\pard\\qc {\\i Ve\\'e8er}\\par\\pard konec\\par}",
      "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\pard\\f0\\fs20 "
      "r\\'e1no pr\\'e1ce\\par dopis\\par }",
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}{\\f1\\fcharset238 Courier New;}}"
      "{\\colortbl;\\red255\\green0\\blue0;}\\pard\\li720\\fi-360 {\\f1\\cf1\\ul modr\\'e9}\\tab x\\line y"
      "\\par\\pard\\qr\\par}",
      "{\\rtf1\\ansi \\u8364? euro \\u9731? sn\\'ech\\par}",
      "{\\rtf1\\ansi konec bez odstavce}",
      "{\\rtf1\\ansi {\\b tu\\par}}",
      "{\\rtf1\\ansi \\par\\par a\\par}",
  };
  std::vector<CEntrTxt> commentaries;
  for (const char* rtf : rtfs) {
    const CEntrTxt stored = Commentary(rtf);
    commentaries.push_back(stored);
    commentaries.push_back({{}, rtf, stored.m_Text, {}});
  }
  commentaries.push_back({{}, "", "jen text", {}});
  commentaries.push_back({{}, "nic z RTF", "jen text", {}});
  CCommentaryJoin control;
  CContentJoin content;
  for (const CEntrTxt& target : commentaries)
    for (const CEntrTxt& source : commentaries) {
      CEntrTxt expected, joined;
      control.Join(target, source, expected);
      content.Join(target, source, joined);
      EXPECT_EQ(joined.m_Rtf, expected.m_Rtf) << target.m_Rtf << " + " << source.m_Rtf;
      EXPECT_EQ(joined.m_Text, expected.m_Text) << target.m_Rtf << " + " << source.m_Rtf;
      EXPECT_EQ(content.CanJoin(target, source), control.CanJoin(target, source));
    }
}

}  // namespace
}  // namespace orv
