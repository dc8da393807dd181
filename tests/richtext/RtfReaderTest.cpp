#include "richtext/RtfReader.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(RtfReader, Smoke) {
  const RichContent c = ReadRtf("{\\rtf1 Hello\\par World}");
  ASSERT_EQ(c.paragraphs.size(), 2u);
}

}  // namespace
}  // namespace orv
