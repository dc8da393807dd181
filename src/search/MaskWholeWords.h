#pragma once
// The mask box and the whole-words box of the search dialogs ("Maska (*, ?)" with "Celá slova" in
// the full-text window, "Použít masku (?,*)" with "Pouze celá slova" in "Najít výraz" and "Záměna
// výrazů"): a mask matches whole words only, so ticking it ticks the whole-words box and locks it;
// clearing it gives back the user's own choice, remembered whenever the user clicks that box.
//
//   MaskWholeWords boxes;
//   boxes.SetWholeWords(false); boxes.SetMask(true);   // wholeWords on, box locked
//   boxes.SetMask(false);                              // wholeWords off again

namespace orv {

struct MaskWholeWords {
  bool useMask = false;
  bool wholeWords = false;
  bool userWholeWords = false;  // the whole-words box as the user ticked it, behind the mask's tick

  void SetMask(bool on) {
    useMask = on;
    wholeWords = on || userWholeWords;
  }
  // A click on the whole-words box; it has no effect while the mask locks the box.
  void SetWholeWords(bool on) {
    if (!useMask) wholeWords = userWholeWords = on;
  }
  bool WholeWordsEnabled() const { return !useMask; }
};

}  // namespace orv
