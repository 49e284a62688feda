#include "report/metric_lines.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

test::Harness& In(test::Harness& h, ReportFormat format) {
  h.G().sw.html = format == ReportFormat::kHtml;
  h.G().sw.csv = format == ReportFormat::kCsv;
  h.G().sw.xml = format == ReportFormat::kXml;
  return h;
}

std::string LocLine(ReportFormat format, int loc, int eloc, int lloc,
                    int comments, int lines) {
  test::Harness h;
  WriteLocLine(In(h, format).G(), loc, eloc, lloc, comments, lines);
  return h.Output();
}

TEST(LocLine, NegativeValuesAreWrittenAsZero) {
  EXPECT_EQ(LocLine(ReportFormat::kCsv, -3, -1, 2, -7, 4),
            "LOC,0,eLOC,0,lLOC,2,Comment,0,Lines,4\n");
}

TEST(LocLine, TextFiguresFillTheirFieldsOrWidenThem) {
  EXPECT_EQ(LocLine(ReportFormat::kText, 1234567, 0, 12, 345678, 99999999),
            "  LOC 1234567  eLOC 0        lLOC 12       Comment 345678   Lines 99999999\n");
  EXPECT_EQ(LocLine(ReportFormat::kText, 12345678, 3, 0, -2, 5),
            "  LOC 12345678  eLOC 3        lLOC 0        Comment 0        Lines        5\n");
}

TEST(ComplexityLine, TotalIsParametersReturnsAndCyclomatic) {
  test::Harness text, html, csv, xml;
  WriteComplexityLine(In(text, ReportFormat::kText).G(), 2, 1, 4);
  WriteComplexityLine(In(html, ReportFormat::kHtml).G(), 2, 1, 4);
  WriteComplexityLine(In(csv, ReportFormat::kCsv).G(), 2, 1, 4);
  WriteComplexityLine(In(xml, ReportFormat::kXml).G(), 2, 1, 4);
  EXPECT_EQ(text.Output(),
            "  Complexity   Param 2       Return 1      Cyclo Vg 4       "
            "Total        7\n");
  EXPECT_EQ(html.Output(),
            "  <b>Complexity</b>   <b>Param</b> 2       <b>Return</b> 1      "
            "<b>Cyclo Vg</b> 4       <b>Total</b>        7\n");
  EXPECT_EQ(csv.Output(), "Param,2,Return,1,Cyclo Vg,4,Total,7\n");
  test::Harness wide;
  WriteComplexityLine(In(wide, ReportFormat::kText).G(), 2, 1234567, 4);
  EXPECT_EQ(wide.Output(),
            "  Complexity   Param 2       Return 1234567 Cyclo Vg 4       Total  1234573\n");
  EXPECT_EQ(xml.Output(),
            "<parameters>2</parameters>\n<returns>1</returns>\n"
            "<interface_complexity>3</interface_complexity>\n"
            "<cyclomatic_complexity>4</cyclomatic_complexity>\n"
            "<total_complexity>7</total_complexity>\n");
}

class FunctionPoints : public test::HarnessTest {};

TEST_F(FunctionPoints, DivideByTheFactorOfTheFilesLanguage) {
  G.lang.flags = LanguageFlags{};
  G.lang.flags.c = true;
  EXPECT_DOUBLE_EQ(FunctionPointsOf(G, kMeasureLoc, 256), 2.0);
  G.lang.flags = LanguageFlags{};
  G.lang.flags.cpp = true;
  EXPECT_DOUBLE_EQ(FunctionPointsOf(G, kMeasureEloc, 106), 2.0);
  G.settings.fp_factors[kGroupCpp][kMeasureLloc] = -5;
  EXPECT_DOUBLE_EQ(FunctionPointsOf(G, kMeasureLloc, 106), 0.0);
  // Headers come first in the choice of group; their default factor is 0.
  G.lang.flags.header = true;
  EXPECT_DOUBLE_EQ(FunctionPointsOf(G, kMeasureLoc, 106), 0.0);
}

}  // namespace
}  // namespace zav
