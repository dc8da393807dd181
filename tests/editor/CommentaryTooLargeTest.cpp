#include <gtest/gtest.h>

#include "EditorFixture.h"

namespace orv {
namespace {

class CommentaryTooLargeTest : public ::testing::Test, public test::EditorFixture {};

TEST_F(CommentaryTooLargeTest, LoadingMoreRtfThanACommentaryMayHoldSaysSoAndLeavesTheEditorEmpty) {
  std::string rtf = "{\\rtf1 x}";
  rtf.resize(CRichEditCtrl::kMaxStreamIn + 1, ' ');
  editor.StreamInFromText(rtf);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Výklad je příliš velký"});
  EXPECT_EQ(editor.Control().GetTextLength(), 0);
  editor.StreamInFromText("{\\rtf1 x}");
  EXPECT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(editor.Control().GetText(), "x");
}

}  // namespace
}  // namespace orv
