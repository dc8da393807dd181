// The PDF export and the page layout of print: pages counted in the written file, the file written
// whole or not at all.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "CalendarBuilder.h"
#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "export/PdfExport.h"
#include "export/PrintLayout.h"
#include "export/RtfAssembly.h"
#include "search/SortedKeyList.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The page objects of a PDF.
int PdfPages(const std::string& pdf) {
  const std::regex page("/Type\\s*/Page[^s]");
  return static_cast<int>(
      std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

// Laid out at the device's resolution, content this tall passes the range of the text layout's
// coordinates and came out as one page.
TEST(PrintLayout, ContentTallerThanTheLayoutsRangeStillFlowsOverItsPages) {
  CRtfAssembly out("DejaVu Sans");
  for (int i = 0; i < 15000; ++i) {
    out.AppendText("01.01.2004\tPo", out.DayHeadingFormat());
    out.AppendText("Porada", out.NoteFormat());
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  int pages = 0;
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(9600);
    pages = PrintExportContent(out.Content(), pdf, QStringLiteral("deník.orv"));
  }
  EXPECT_GT(pages, 300);
  EXPECT_EQ(PdfPages(bytes.toStdString()), pages);
}

TEST(PrintLayout, LongContentFlowsOverPagesAndEveryPageIsPainted) {
  for (const int days : {1, 300}) {
    CRtfAssembly out("DejaVu Sans");
    for (int i = 0; i < days; ++i) {
      out.AppendText("01.01.2004\tPo", out.DayHeadingFormat());
      out.AppendText(Cp1250FromUtf8("Návštěva u babičky"), out.NoteFormat());
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
      QPdfWriter pdf(&buffer);
      pages = PrintExportContent(out.Content(), pdf, QStringLiteral("deník.orv"));
    }
    EXPECT_EQ(pages > 1, days > 1) << days;
    EXPECT_EQ(PdfPages(bytes.toStdString()), pages);
  }
}

// The text layer of a PDF page by page, as a PDF viewer's search reads it.
std::vector<std::string> PdfTextPages(const QByteArray& pdf) {
  char pattern[] = "/tmp/orv-pages-XXXXXX";
  const int fd = ::mkstemp(pattern);
  EXPECT_GE(fd, 0);
  ::close(fd);
  std::ofstream(pattern, std::ios::binary).write(pdf.constData(), pdf.size());
  std::string text;
  if (FILE* pipe =
          ::popen((std::string("pdftotext -enc UTF-8 ") + pattern + " - 2>/dev/null").c_str(), "r")) {
    char block[4096];
    for (size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;) text.append(block, n);
    ::pclose(pipe);
  }
  fs::remove(pattern);
  std::vector<std::string> pages;
  std::stringstream split(text);
  for (std::string page; std::getline(split, page, '\f');) pages.push_back(page);
  return pages;
}

// Days with a heading, a note and a paragraph long enough to wrap over several lines: no line is on
// two pages, and no page ends with a heading.
TEST(PrintLayout, NoLineOnTwoPagesAndHeadingsStayWithTheirText) {
  CRtfAssembly out("DejaVu Sans");
  for (int i = 0; i < 150; ++i) {
    out.AppendHeading("Den " + std::to_string(i), out.DayHeadingFormat());
    out.AppendText("note" + std::to_string(i), out.NoteFormat());
    std::string words;
    for (int w = 0; w < 3 * (i % 7); ++w)
      words += "w" + std::to_string(i) + "x" + std::to_string(w) + " lorem ipsum ";
    if (!words.empty()) out.AppendText(words, out.NoteFormat());
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  int pages = 0;
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 20, 15),
                                  QPageLayout::Millimeter));
    pages = PrintExportContent(out.Content(), pdf, QStringLiteral("deník.orv"));
  }
  ASSERT_GT(pages, 3);
  const std::vector<std::string> texts = PdfTextPages(bytes);
  ASSERT_EQ(static_cast<int>(texts.size()), pages) << "pdftotext (poppler-utils) reads the PDF";
  std::map<std::string, int> seen;
  for (size_t page = 0; page < texts.size(); ++page) {
    std::stringstream words(texts[page]);
    for (std::string word; words >> word;)
      if (word.rfind("note", 0) == 0 || (word[0] == 'w' && word.find('x') != std::string::npos)) ++seen[word];
    // The last line of the text (the footer follows it) is no heading.
    std::vector<std::string> lines;
    std::stringstream split(texts[page]);
    for (std::string line; std::getline(split, line);)
      if (!line.empty() && line.find("Strana") == std::string::npos &&
          line.find("deník") == std::string::npos)
        lines.push_back(line);
    ASSERT_FALSE(lines.empty()) << page;
    EXPECT_NE(lines.back().rfind("Den ", 0), 0u) << "page " << page + 1 << " ends with " << lines.back();
  }
  for (const auto& [word, count] : seen) EXPECT_EQ(count, 1) << word;
  EXPECT_EQ(seen.count("note149"), 1u);
}

TEST(PdfExport, WritesTheWholePeriodWithoutTheLimitAndKeepsAnExistingFileOnFailure) {
  char pattern[] = "/tmp/orv-pdf-XXXXXX";
  const fs::path dir = ::mkdtemp(pattern);
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  doc.SetPathName((dir / "kalendar.orv").string());
  Date date{2004, 1, 1};
  for (int i = 0; i < 400; ++i) {  // more than the RTF dialog's limit
    test::CalendarBuilder(doc).Day(DayKey(date), Cp1250FromUtf8("Poznámka"));
    date = date.day < 28 ? Date{date.year, date.month, date.day + 1}
                         : Date{date.year + (date.month == 12), date.month % 12 + 1, 1};
  }
  const std::string out = (dir / "export.pdf").string();
  ASSERT_EQ(ExportPdf(doc, out, {}, "DejaVu Sans", ui), RtfExportStatus::Written);
  const std::string pdf = Read(out);
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  EXPECT_GT(PdfPages(pdf), 5);
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"Počet exportovaných položek: 400\n\rSoubor: " + out + " "});

  ui.Clear();
  EXPECT_EQ(ExportPdf(doc, out, {}, "DejaVu Sans", ui, [](int, int) { return false; }),
            RtfExportStatus::Cancelled);
  // Stopped while its pages are painted, after the second one.
  int painted = 0;
  EXPECT_EQ(ExportPdf(doc, out, {}, "DejaVu Sans", ui, {},
                      [&painted](int page, int) {
                        painted = page;
                        return page < 2;
                      }),
            RtfExportStatus::Cancelled);
  EXPECT_EQ(painted, 2);
  EXPECT_EQ(ExportPdf(doc, (dir / "chybi" / "x.pdf").string(), {}, "DejaVu Sans", ui),
            RtfExportStatus::Failed);
  EXPECT_EQ(Read(out), pdf);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_NE(ui.Messages()[0].find("nelze zapsat: "), std::string::npos);

  // A search result of 400 days, all of them in the PDF.
  ui.Clear();
  CSortedKeyList found;
  for (const auto& [key, record] : doc.m_DataTxt) found.Insert(key);
  const std::string result = (dir / "vysledek.pdf").string();
  ASSERT_EQ(ExportResultPdf(doc, found, ERtfResultArea::Days, result, "DejaVu Sans", ui),
            RtfExportStatus::Written);
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"Počet exportovaných dnů: 400\n\rSoubor: " + result + " "});
  EXPECT_GT(PdfPages(Read(result)), 5);
  // Stopped while its pages are painted: the file is left as it was.
  const std::string before = Read(result);
  EXPECT_EQ(ExportResultPdf(doc, found, ERtfResultArea::Days, result, "DejaVu Sans", ui,
                            [](int, int) { return false; }),
            RtfExportStatus::Cancelled);
  EXPECT_EQ(Read(result), before);
  fs::remove_all(dir);
}

// Content for pages takes no commentary the editor would refuse nor one beyond the layout's limit: it
// is left out and counted, so that the export says "Výklad je příliš velký".
TEST(PrintLayout, CommentariesTooLargeToLayOutAreLeftOutAndCounted) {
  std::string pars = "{\\rtf1 a";
  for (int i = 0; i < 200000; ++i) pars += "\\par";
  const struct {
    std::string rtf;
    std::size_t limit;
    bool taken;
  } cases[] = {
      {"{\\rtf1 kr\\'e1tk\\'fd\\par}", 100, true},
      {"{\\rtf1 " + std::string(200, 'x') + "}", 100, false},
      {"{\\rtf1 " + std::string(200, 'x') + "}", CRichEditCtrl::kMaxStreamIn, true},
      {pars + "}", CRichEditCtrl::kMaxStreamIn, false},  // beyond what the editor takes
  };
  for (const auto& c : cases) {
    CRtfAssembly out("DejaVu Sans");
    out.LimitCommentaries(c.limit);
    out.AppendCommentary(c.rtf);
    EXPECT_EQ(out.IsEmpty(), !c.taken) << c.rtf.substr(0, 40);
    EXPECT_EQ(out.TooLarge(), c.taken ? 0 : 1) << c.rtf.substr(0, 40);
  }
}

TEST(PdfExport, ACommentaryTooLargeToLayOutIsLeftOutWithTheMessage) {
  char pattern[] = "/tmp/orv-pdf-XXXXXX";
  const fs::path dir = ::mkdtemp(pattern);
  test::FakeUiServices ui;
  CTedDoc doc(ui);
  test::CalendarBuilder(doc)
      .Day("2004/01/01", "", std::string(kMaxLaidOutCommentary, 'x'))
      .Day("2004/01/02", "", "kr\xe1tk\xfd");
  const std::string out = (dir / "export.pdf").string();
  ASSERT_EQ(ExportPdf(doc, out, {}, "DejaVu Sans", ui), RtfExportStatus::Written);
  ASSERT_EQ(ui.Messages().size(), 2u);
  EXPECT_EQ(ui.Messages()[0], "Výklad je příliš velký");
  EXPECT_EQ(PdfPages(Read(out)), 1);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace orv
