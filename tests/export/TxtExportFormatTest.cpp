#include <gtest/gtest.h>

#include <string>

#include "export/TxtExportFormat.h"

namespace orv {
namespace {

TEST(TxtExportFormat, LineIsDateSeparatorNoteAndLineEnd) {
  EXPECT_EQ(TxtExportLine("2004/03/05", ":", "N\xe1v\x9at\xecva", kTxtLineEnd),
            "05.03.2004 : N\xe1v\x9at\xecva\r\n");
  EXPECT_EQ(TxtExportLine("2020/12/31", ";", "x", kTxtLineEndBlank), "31.12.2020 ; x\r\n\r\n");
  EXPECT_EQ(TxtExportLine("2004/03/05", " -> ", "", kTxtLineEnd), "05.03.2004  ->  \r\n");
}

TEST(TxtExportFormat, FileIsPathHeaderCountHeaderAndLinesInWindows1250) {
  EXPECT_EQ(TxtExportCountText(3), "\r\n---  Počet exportovaných dnů = 3  ---\r\n\r\n");
  const std::string lines = "05.03.2004 : a\r\n";
  EXPECT_EQ(TxtExportFile("/home/eva/Plán.txt", 1, lines),
            "\r\n---  /home/eva/Pl\xe1n.txt  ---\r\n"
            "\r\n---  Po\xe8\x65t exportovan\xfd\x63h dn\xf9 = 1  ---\r\n\r\n"
            "05.03.2004 : a\r\n");
}

}  // namespace
}  // namespace orv
