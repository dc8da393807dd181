// The PDF export and the page layout of print: pages counted in the written file, the file written
// whole or not at all.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QPdfWriter>
#include <filesystem>
#include <fstream>
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

}  // namespace
}  // namespace orv
