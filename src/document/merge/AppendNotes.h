#pragma once
// The text rules of appending one calendar to another: how a source note joins a target note, and
// when a target commentary already contains a source commentary (so appending twice adds nothing).
// All texts are Windows-1250 bytes; plain texts separate paragraphs by one "\r".
//
//   MergeNotesWhole("a; b", "b;c")    == "a; b; c"   parts at ";", trimmed, no part twice
//   MergeNotesRange("a", "b")         == "a ; b"     unless the target already contains the source
//   CommentaryContains("x\ry\rz", "y\rz")  true: whole paragraphs, in order

#include <string>
#include <string_view>

namespace orv {

// The whole-calendar join: the target's and the source's notes are split at ";" and each part is
// trimmed of spaces; the source's parts not yet among the target's follow them, joined by "; ".
// A target that gains no part is returned as it was; empty parts are dropped.
std::string MergeNotesWhole(std::string_view target, std::string_view source);

// The join of a range: the source's note follows the target's after " ; ", unless the target's
// already holds it as a substring.
std::string MergeNotesRange(std::string_view target, std::string_view source);

// True when the source's paragraphs stand, one after another, as whole paragraphs of the target's
// plain text. An empty source is contained in everything.
bool CommentaryContains(std::string_view targetText, std::string_view sourceText);

}  // namespace orv
