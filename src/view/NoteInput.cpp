#include "view/NoteInput.h"

#include <QStringList>

#include "core/Cp1250.h"

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

constexpr int kNamedAtMost = 3;

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
  QStringList named;
  int count = 0;
  for (qsizetype i = 0; i < refused.size(); ++count) {
    const qsizetype start = i;
    const char32_t c = NextCodePoint(refused, i);
    if (count < kNamedAtMost)
      named +=
          QStringLiteral("„%1“ (U+%2)")
              .arg(refused.mid(start, i - start),
                   QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, QLatin1Char('0')));
  }
  if (count == 1)
    return QStringLiteral("Znak %1 nelze do poznámky zapsat: kódování Windows-1250 jej nezná.").arg(named[0]);
  QString list = named.join(QStringLiteral(", "));
  if (count > kNamedAtMost) list += QStringLiteral(" a %1 dalších").arg(count - kNamedAtMost);
  return QStringLiteral("Znaky %1 nelze do poznámky zapsat: kódování Windows-1250 je nezná.").arg(list);
}

}  // namespace orv
