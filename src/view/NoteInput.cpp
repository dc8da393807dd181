#include "view/NoteInput.h"

#include "core/Cp1250.h"
#include "core/RefusedCharacters.h"

namespace orv {
namespace {

bool IsControl(char32_t c) {
  return c < 0x20 || c == 0x7F;
}

// The code point at `i` (a surrogate pair read as one); `i` moves past it.
char32_t NextCodePoint(const QString& text, qsizetype& i) {
  const QChar first = text[i++];
  if (first.isHighSurrogate() && i < text.size() && text[i].isLowSurrogate())
    return QChar::surrogateToUcs4(first, text[i++]);
  return first.unicode();
}

}  // namespace

SNoteInput CleanNoteInput(const QString& text, int cursor) {
  SNoteInput input;
  input.text.reserve(text.size());
  input.cursor = -1;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype start = i;
    if (cursor == start) input.cursor = static_cast<int>(input.text.size());
    const char32_t c = NextCodePoint(text, i);
    if (IsControl(c)) {
      if (c == '\r' && i < text.size() && text[i] == QLatin1Char('\n')) ++i;
      input.text += QLatin1Char(' ');
      input.changed = true;
    } else if (!IsCp1250Encodable(c)) {
      const QString character = text.mid(start, i - start);
      if (!input.refused.contains(character)) input.refused += character;
    } else {
      input.text += text.mid(start, i - start);
    }
    if (cursor > start && cursor < i) input.cursor = static_cast<int>(input.text.size());
  }
  if (input.cursor < 0) input.cursor = static_cast<int>(input.text.size());
  return input;
}

QString RefusedNoteCharacters(const QString& refused) {
  return QString::fromStdString(RefusedNoteCharactersText(refused.toStdU32String()));
}

}  // namespace orv
