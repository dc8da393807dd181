#include "core/Cp1250.h"
#include "richtext/RichContent.h"

namespace orv {

std::string PlainTextOf(const RichContent& content) {
  std::string text;
  for (std::size_t i = 0; i < content.paragraphs.size(); ++i) {
    if (i > 0) text.push_back('\r');
    for (const RichRun& run : content.paragraphs[i].runs)
      for (const char16_t unit : run.text)
        text.push_back(unit == kLineBreak ? '\v'
                       : unit == 0xFFFC   ? ' '
                                          : static_cast<char>(UnicodeToCp1250(unit)));
  }
  return text;
}

}  // namespace orv
