// Writes Moon.ttf, the TrueType font the month table draws its moon column with: family "Moon",
// one glyph per principal phase, drawn as Czech printed calendars draw them: the dark part of the
// moon filled, the lit part left empty inside the outline.
//
//   moon_font_gen OUT.ttf
//
//   "U" new moon        a filled disc
//   "D" first quarter   the ring with its left (dark) half filled
//   "N" full moon       the empty ring
//   "C" last quarter    the ring with its right (dark) half filled
//
// The glyphs stand on the baseline and fill the ascent. Besides them the font has .notdef (a
// hollow box) and the space. Only the tables a TrueType font cannot do without are written; the
// output is the same on every run.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Font units; at 12 pt on a 96 dpi screen one unit is 0.016 px, so the ring is about 1.5 px wide.
constexpr int kUnitsPerEm = 1000;
constexpr int kAscender = 820;
constexpr int kDescender = -200;
constexpr int kAdvance = 900;
constexpr int kCenterX = kAdvance / 2;
constexpr int kRingOuter = 410;
constexpr int kCenterY = kRingOuter;  // on the baseline
constexpr int kRingInner = 320;
constexpr int kDarkRadius = kRingInner + 20;  // overlaps the ring, so no hairline shows between
// 2024-01-01 in seconds since 1904-01-01: fixed, so that every build writes the same bytes.
constexpr std::int64_t kTimestamp = 3786912000;

struct Point {
  int x, y;
  bool onCurve;
};
using Contour = std::vector<Point>;

struct Glyph {
  std::vector<Contour> contours;
  int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// An arc from angle `from` to angle `to` (degrees, counter-clockwise from the x axis) in quadratic
// pieces of 45 degrees at most: on-curve ends, each control point where the two end tangents meet.
// A full turn leaves out its end point, which is its first.
void AddArc(Contour& c, double from, double to, int radius) {
  const bool fullTurn = std::abs(to - from) >= 360;
  const int pieces = static_cast<int>(std::ceil(std::abs(to - from) / 45.0 - 1e-9));
  const double step = (to - from) / pieces;
  const double controlRadius = radius / std::cos(step / 2 * M_PI / 180.0);
  auto at = [](double deg, double r, bool on) {
    const double a = deg * M_PI / 180.0;
    return Point{kCenterX + static_cast<int>(std::lround(r * std::cos(a))),
                 kCenterY + static_cast<int>(std::lround(r * std::sin(a))), on};
  };
  c.push_back(at(from, radius, true));
  for (int i = 0; i < pieces; ++i) {
    c.push_back(at(from + (i + 0.5) * step, controlRadius, false));
    if (i + 1 < pieces || !fullTurn) c.push_back(at(from + (i + 1) * step, radius, true));
  }
}

// TrueType fills by the non-zero rule with filled outlines clockwise, holes counter-clockwise.
Contour Circle(int radius, bool clockwise) {
  Contour c;
  AddArc(c, 90, clockwise ? -270 : 450, radius);
  return c;
}

// The half of the dark disc right or left of the vertical diameter, closed by the diameter itself.
Contour HalfDisc(bool right) {
  Contour c;
  AddArc(c, right ? 90 : 270, right ? -90 : 90, kDarkRadius);  // clockwise over the dark side
  return c;
}

Glyph MakeGlyph(std::vector<Contour> contours) {
  Glyph g;
  g.contours = std::move(contours);
  bool first = true;
  for (const Contour& c : g.contours)
    for (const Point& p : c) {
      if (first || p.x < g.xMin) g.xMin = p.x;
      if (first || p.y < g.yMin) g.yMin = p.y;
      if (first || p.x > g.xMax) g.xMax = p.x;
      if (first || p.y > g.yMax) g.yMax = p.y;
      first = false;
    }
  return g;
}

Glyph MoonGlyph(std::vector<Contour> dark) {
  std::vector<Contour> contours = {Circle(kRingOuter, true), Circle(kRingInner, false)};
  for (Contour& c : dark) contours.push_back(std::move(c));
  return MakeGlyph(std::move(contours));
}

Glyph NotDefGlyph() {
  const int l = 100, r = kAdvance - 100, b = 0, t = 700, w = 60;
  Contour outer = {{l, b, true}, {l, t, true}, {r, t, true}, {r, b, true}};
  Contour inner = {{l + w, b + w, true}, {r - w, b + w, true}, {r - w, t - w, true}, {l + w, t - w, true}};
  return MakeGlyph({outer, inner});
}

struct FontGlyph {
  char16_t character;  // 0 for .notdef
  Glyph glyph;
};

// Glyph order: .notdef first, as TrueType requires; then by character code.
std::vector<FontGlyph> Glyphs() {
  return {
      {0, NotDefGlyph()},
      {u' ', Glyph{}},
      {u'C', MoonGlyph({HalfDisc(true)})},
      {u'D', MoonGlyph({HalfDisc(false)})},
      {u'N', MoonGlyph({})},
      {u'U', MakeGlyph({Circle(kRingOuter, true)})},
  };
}

class CBytes {
 public:
  void U8(unsigned v) { m_Data.push_back(static_cast<char>(v & 0xFF)); }
  void U16(unsigned v) {
    U8(v >> 8);
    U8(v);
  }
  void S16(int v) { U16(static_cast<unsigned>(v) & 0xFFFF); }
  void U32(std::uint32_t v) {
    U16(v >> 16);
    U16(v & 0xFFFF);
  }
  void S64(std::int64_t v) {
    U32(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v) >> 32));
    U32(static_cast<std::uint32_t>(v));
  }
  void Tag(const char* tag) { m_Data.append(tag, 4); }
  void Append(const std::string& bytes) { m_Data += bytes; }
  void PadTo4() {
    while (m_Data.size() % 4) U8(0);
  }
  void PutU32At(size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) m_Data[at + i] = static_cast<char>(v >> (24 - 8 * i) & 0xFF);
  }
  size_t Size() const { return m_Data.size(); }
  const std::string& Data() const { return m_Data; }

 private:
  std::string m_Data;
};

std::uint32_t Checksum(const std::string& bytes) {
  std::uint32_t sum = 0;
  for (size_t i = 0; i < bytes.size(); i += 4) {
    std::uint32_t word = 0;
    for (size_t j = 0; j < 4; ++j)
      word = word << 8 | (i + j < bytes.size() ? static_cast<unsigned char>(bytes[i + j]) : 0u);
    sum += word;
  }
  return sum;
}

// Largest power of two not above n, and its base-2 logarithm: the binary-search fields.
void SearchFields(unsigned n, unsigned& power, unsigned& log2) {
  power = 1;
  log2 = 0;
  while (power * 2 <= n) {
    power *= 2;
    ++log2;
  }
}

struct Tables {
  std::vector<std::pair<const char*, std::string>> list;
  void Add(const char* tag, const CBytes& b) { list.emplace_back(tag, b.Data()); }
};

struct Metrics {
  int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  int minLsb = 0, minRsb = 0, maxExtent = 0;
  unsigned maxPoints = 0, maxContours = 0;
};

Metrics Measure(const std::vector<FontGlyph>& glyphs) {
  Metrics m;
  bool first = true;
  for (const FontGlyph& fg : glyphs) {
    const Glyph& g = fg.glyph;
    if (g.contours.empty()) continue;
    unsigned points = 0;
    for (const Contour& c : g.contours) points += static_cast<unsigned>(c.size());
    m.maxPoints = std::max(m.maxPoints, points);
    m.maxContours = std::max(m.maxContours, static_cast<unsigned>(g.contours.size()));
    if (first) {
      m.xMin = g.xMin, m.yMin = g.yMin, m.xMax = g.xMax, m.yMax = g.yMax;
      m.minLsb = g.xMin, m.minRsb = kAdvance - g.xMax, m.maxExtent = g.xMax;
      first = false;
    }
    m.xMin = std::min(m.xMin, g.xMin), m.yMin = std::min(m.yMin, g.yMin);
    m.xMax = std::max(m.xMax, g.xMax), m.yMax = std::max(m.yMax, g.yMax);
    m.minLsb = std::min(m.minLsb, g.xMin), m.minRsb = std::min(m.minRsb, kAdvance - g.xMax);
    m.maxExtent = std::max(m.maxExtent, g.xMax);
  }
  return m;
}

std::string GlyphData(const Glyph& g) {
  CBytes b;
  if (g.contours.empty()) return {};
  b.S16(static_cast<int>(g.contours.size()));
  b.S16(g.xMin), b.S16(g.yMin), b.S16(g.xMax), b.S16(g.yMax);
  unsigned end = 0;
  for (const Contour& c : g.contours) b.U16((end += static_cast<unsigned>(c.size())) - 1);
  b.U16(0);  // no instructions
  for (const Contour& c : g.contours)
    for (const Point& p : c) b.U8(p.onCurve ? 1 : 0);  // coordinates follow as 16-bit deltas
  int last = 0;
  for (const Contour& c : g.contours)
    for (const Point& p : c) b.S16(p.x - last), last = p.x;
  last = 0;
  for (const Contour& c : g.contours)
    for (const Point& p : c) b.S16(p.y - last), last = p.y;
  b.PadTo4();
  return b.Data();
}

// Format 4: one segment per run of consecutive characters on consecutive glyphs, mapped by idDelta.
CBytes CharacterMap(const std::vector<FontGlyph>& glyphs) {
  struct Segment {
    unsigned start, end, firstGlyph;
  };
  std::vector<Segment> segments;
  for (unsigned gid = 0; gid < glyphs.size(); ++gid) {
    const unsigned ch = glyphs[gid].character;
    if (ch == 0) continue;
    if (!segments.empty() && segments.back().end + 1 == ch &&
        segments.back().firstGlyph + (ch - segments.back().start) == gid)
      segments.back().end = ch;
    else
      segments.push_back({ch, ch, gid});
  }
  segments.push_back({0xFFFF, 0xFFFF, 0});
  const unsigned segCount = static_cast<unsigned>(segments.size());
  unsigned power, log2;
  SearchFields(segCount, power, log2);

  CBytes sub;
  sub.U16(4);
  sub.U16(16 + 8 * segCount);
  sub.U16(0);  // language
  sub.U16(2 * segCount), sub.U16(2 * power), sub.U16(log2), sub.U16(2 * segCount - 2 * power);
  for (const Segment& s : segments) sub.U16(s.end);
  sub.U16(0);
  for (const Segment& s : segments) sub.U16(s.start);
  for (const Segment& s : segments) sub.U16(s.start == 0xFFFF ? 1 : (s.firstGlyph - s.start) & 0xFFFF);
  for (size_t i = 0; i < segments.size(); ++i) sub.U16(0);  // idRangeOffset

  CBytes cmap;
  cmap.U16(0), cmap.U16(2);
  cmap.U16(0), cmap.U16(3), cmap.U32(20);  // Unicode BMP
  cmap.U16(3), cmap.U16(1), cmap.U32(20);  // Windows Unicode BMP, the same subtable
  cmap.Append(sub.Data());
  return cmap;
}

CBytes NameTable() {
  const std::vector<std::pair<unsigned, std::string>> names = {
      {1, "Moon"}, {2, "Regular"}, {3, "Moon Regular 1.000"}, {4, "Moon"}, {5, "Version 1.000"}, {6, "Moon"},
  };
  CBytes b, strings;
  b.U16(0), b.U16(static_cast<unsigned>(names.size())), b.U16(6 + 12 * static_cast<unsigned>(names.size()));
  for (const auto& [id, text] : names) {
    b.U16(3), b.U16(1), b.U16(0x409), b.U16(id);
    b.U16(2 * static_cast<unsigned>(text.size())), b.U16(static_cast<unsigned>(strings.Size()));
    for (char ch : text) strings.U16(static_cast<unsigned char>(ch));  // ASCII as UTF-16BE
  }
  b.Append(strings.Data());
  return b;
}

std::string BuildFont() {
  const std::vector<FontGlyph> glyphs = Glyphs();
  const Metrics m = Measure(glyphs);
  const unsigned numGlyphs = static_cast<unsigned>(glyphs.size());
  Tables t;

  CBytes os2;
  os2.U16(4);
  os2.S16(kAdvance);  // every glyph is as wide
  os2.U16(400), os2.U16(5), os2.U16(0);
  os2.S16(650), os2.S16(600), os2.S16(0), os2.S16(75);   // subscript
  os2.S16(650), os2.S16(600), os2.S16(0), os2.S16(350);  // superscript
  os2.S16(50), os2.S16(300);                             // strikeout
  os2.S16(0);
  for (int i = 0; i < 10; ++i) os2.U8(0);          // PANOSE: any
  os2.U32(1), os2.U32(0), os2.U32(0), os2.U32(0);  // Basic Latin
  os2.Tag("ORVL");
  os2.U16(0x40);  // regular
  os2.U16(0x20), os2.U16(0x55);
  os2.S16(kAscender), os2.S16(kDescender), os2.S16(0);
  os2.U16(std::max(kAscender, m.yMax)), os2.U16(std::max(-kDescender, -m.yMin));
  os2.U32(0x3), os2.U32(0);  // Latin 1 and Central European code pages
  os2.S16(500), os2.S16(700), os2.U16(0), os2.U16(0x20), os2.U16(1);
  t.Add("OS/2", os2);

  t.Add("cmap", CharacterMap(glyphs));

  CBytes glyf, loca;
  for (const FontGlyph& fg : glyphs) {
    loca.U32(static_cast<std::uint32_t>(glyf.Size()));
    glyf.Append(GlyphData(fg.glyph));
  }
  loca.U32(static_cast<std::uint32_t>(glyf.Size()));
  t.Add("glyf", glyf);

  CBytes head;
  head.U32(0x00010000), head.U32(0x00010000);
  head.U32(0);  // checkSumAdjustment, set once the whole file is known
  head.U32(0x5F0F3CF5);
  head.U16(0x000B);  // baseline at y=0, left side bearing point at x=0, integer scaling
  head.U16(kUnitsPerEm);
  head.S64(kTimestamp), head.S64(kTimestamp);
  head.S16(m.xMin), head.S16(m.yMin), head.S16(m.xMax), head.S16(m.yMax);
  head.U16(0), head.U16(8), head.S16(2);
  head.S16(1);  // long loca offsets
  head.S16(0);
  t.Add("head", head);

  CBytes hhea;
  hhea.U32(0x00010000);
  hhea.S16(kAscender), hhea.S16(kDescender), hhea.S16(0);
  hhea.U16(kAdvance), hhea.S16(m.minLsb), hhea.S16(m.minRsb), hhea.S16(m.maxExtent);
  hhea.S16(1), hhea.S16(0), hhea.S16(0);
  for (int i = 0; i < 4; ++i) hhea.S16(0);
  hhea.S16(0), hhea.U16(numGlyphs);
  t.Add("hhea", hhea);

  CBytes hmtx;
  for (const FontGlyph& fg : glyphs) hmtx.U16(kAdvance), hmtx.S16(fg.glyph.xMin);
  t.Add("hmtx", hmtx);

  t.Add("loca", loca);

  CBytes maxp;
  maxp.U32(0x00010000), maxp.U16(numGlyphs), maxp.U16(m.maxPoints), maxp.U16(m.maxContours);
  maxp.U16(0), maxp.U16(0), maxp.U16(2);
  for (int i = 0; i < 8; ++i) maxp.U16(0);
  t.Add("maxp", maxp);

  t.Add("name", NameTable());

  CBytes post;
  post.U32(0x00030000), post.U32(0), post.S16(-100), post.S16(50), post.U32(1);
  for (int i = 0; i < 4; ++i) post.U32(0);
  t.Add("post", post);

  // The tables were added in tag order, as the directory must list them.
  const unsigned numTables = static_cast<unsigned>(t.list.size());
  unsigned power, log2;
  SearchFields(numTables, power, log2);
  CBytes font;
  font.U32(0x00010000), font.U16(numTables), font.U16(16 * power), font.U16(log2);
  font.U16(16 * numTables - 16 * power);
  std::uint32_t offset = 12 + 16 * numTables;
  size_t headOffset = 0;
  for (const auto& [tag, data] : t.list) {
    font.Tag(tag), font.U32(Checksum(data)), font.U32(offset),
        font.U32(static_cast<std::uint32_t>(data.size()));
    if (std::string(tag) == "head") headOffset = offset;
    offset += static_cast<std::uint32_t>((data.size() + 3) / 4 * 4);
  }
  for (const auto& entry : t.list) {
    font.Append(entry.second);
    font.PadTo4();
  }
  font.PutU32At(headOffset + 8, 0xB1B0AFBAu - Checksum(font.Data()));
  return font.Data();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: moon_font_gen OUT.ttf\n";
    return 2;
  }
  const std::string font = BuildFont();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(font.data(), static_cast<std::streamsize>(font.size()));
  out.close();
  if (!out) {
    std::cerr << "moon_font_gen: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
