#pragma once
// What may arrive in the short-note field. A note is one line of Windows-1250 text: line breaks,
// tabs and other control characters become single spaces as they arrive (a CR LF pair is one
// break), and a character the code page cannot hold is refused, named in a message for the status
// bar, so that nothing turns into "?" when the day is stored.
//
//   const SNoteInput input = CleanNoteInput(text, cursor);
//   if (!input.refused.isEmpty()) ...refuse, show RefusedNoteCharacters(input.refused)...
//   else if (input.changed) ...take input.text and input.cursor...

#include <QString>

namespace orv {

struct SNoteInput {
  QString text;    // the text with its control characters turned into spaces
  int cursor = 0;  // the cursor position in `text`
  bool changed = false;
  QString refused;  // each character the code page cannot hold, once, in order of appearance
};

SNoteInput CleanNoteInput(const QString& text, int cursor);

// "Znak „И“ (U+0418) nelze do poznámky zapsat ..." for the refused characters.
QString RefusedNoteCharacters(const QString& refused);

}  // namespace orv
