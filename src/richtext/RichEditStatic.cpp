// What the control is without a document: the format of its empty content and how much rich text
// it takes (a reading that builds nothing), so that code without Qt (orv's merge) makes what the
// editor would make and refuses what it would refuse.
#include <new>

#include "richtext/RichEditCtrl.h"
#include "richtext/RtfReader.h"

namespace orv {

RunFormat CRichEditCtrl::DefaultRunFormat() {
  RunFormat f;
  f.height = 200;
  f.charset = kCharsetEastEurope;
  f.face = u"Arial";
  return f;
}

// The paragraphs and runs a document of `rtfSize` bytes may have: any number a real commentary has,
// but not one in every few bytes ("\par" is four), since each costs the document well over a hundred
// bytes; so a document costs at most about 20 bytes a byte of its RTF.
size_t CRichEditCtrl::MaxPieces(size_t rtfSize) {
  return 65536 + rtfSize / 10;
}

namespace {

// Counts paragraphs and runs up to a bound, and stops the reading past it.
class CPieceCounter : public IRtfSink {
 public:
  explicit CPieceCounter(size_t max) : m_Left(max) {}
  void Run(const RunFormat&, std::u16string_view) override { Count(); }
  void EndParagraph(const ParaFormat&, const RunFormat&) override { Count(); }

 private:
  void Count() {
    if (m_Left == 0) throw std::bad_alloc();  // the reader reports it as not fitting
    --m_Left;
  }
  size_t m_Left;
};

}  // namespace

bool CRichEditCtrl::Fits(std::initializer_list<std::string_view> rtfs) {
  size_t size = 0;
  for (std::string_view rtf : rtfs) size += rtf.size();
  if (size > kMaxStreamIn) return false;
  CPieceCounter counter(MaxPieces(size));
  try {
    for (std::string_view rtf : rtfs)
      if (!ReadRtf(rtf, counter)) return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

}  // namespace orv
