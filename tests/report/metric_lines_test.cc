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

TEST(LocLine, FourForms) {
  EXPECT_EQ(LocLine(ReportFormat::kText, 10, 8, 5, 3, 20),
            "  LOC 10     "
            "  eLOC 8      "
            "  lLOC 5      "
            "  Comment 3      "
            "  Lines       20\n");
  EXPECT_EQ(LocLine(ReportFormat::kHtml, 10, 8, 5, 3, 20),
            "  <b>LOC</b> 10     "
            "  <b>eLOC</b> 8      "
            "  <b>lLOC</b> 5      "
            "  <b>Comment</b> 3      "
            "  <b>Lines</b>       20\n");
  EXPECT_EQ(LocLine(ReportFormat::kCsv, 10, 8, 5, 3, 20),
            "LOC,10,eLOC,8,lLOC,5,Comment,3,Lines,20\n");
  EXPECT_EQ(LocLine(ReportFormat::kXml, 10, 8, 5, 3, 20),
            "<loc>10</loc>\n<eloc>8</eloc>\n<lloc>5</lloc>\n"
            "<comments>3</comments>\n<lines>20</lines>\n");
}

TEST(LocLine, NegativeValuesAreWrittenAsZero) {
  EXPECT_EQ(LocLine(ReportFormat::kCsv, -3, -1, 2, -7, 4),
            "LOC,0,eLOC,0,lLOC,2,Comment,0,Lines,4\n");
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
  EXPECT_EQ(xml.Output(),
            "<parameters>2</parameters>\n<returns>1</returns>\n"
            "<interface_complexity>3</interface_complexity>\n"
            "<cyclomatic_complexity>4</cyclomatic_complexity>\n"
            "<total_complexity>7</total_complexity>\n");
}

TEST(FunctionPointLine, FourForms) {
  test::Harness text, html, csv, xml;
  WriteFunctionPointLine(In(text, ReportFormat::kText).G(), 2.0, 0.5, 12.34);
  WriteFunctionPointLine(In(html, ReportFormat::kHtml).G(), 2.0, 0.5, 12.34);
  WriteFunctionPointLine(In(csv, ReportFormat::kCsv).G(), 2.0, 0.5, 12.34);
  WriteFunctionPointLine(In(xml, ReportFormat::kXml).G(), 2.0, 0.5, 12.34);
  EXPECT_EQ(text.Output(),
            "  Function Points         FP(LOC) 2.0     FP(eLOC) 0.5    "
            "FP(lLOC)    12.3\n");
  EXPECT_EQ(html.Output(),
            "  <b>Function Points</b>         <b>FP(LOC)</b> 2.0     "
            "<b>FP(eLOC)</b> 0.5    <b>FP(lLOC)</b>    12.3\n");
  EXPECT_EQ(csv.Output(), "FP(LOC),2.0    ,FP(eLOC),0.5    ,FP(lLOC),   12.3\n");
  EXPECT_EQ(xml.Output(),
            "<function_points_loc>2.0</function_points_loc>\n"
            "<function_points_eloc>0.5</function_points_eloc>\n"
            "<function_points_lloc>12.3</function_points_lloc>\n");
}

TEST(VisibilityLines, MethodsAndAttributes) {
  test::Harness text, csv, xml;
  WriteMethodsLine(In(text, ReportFormat::kText).G(), 3, 1, 2);
  WriteAttributesLine(text.G(), 0, 4, 1);
  WriteMethodsLine(In(csv, ReportFormat::kCsv).G(), 3, 1, 2);
  WriteAttributesLine(csv.G(), 0, 4, 1);
  WriteMethodsLine(In(xml, ReportFormat::kXml).G(), 3, 1, 2);
  WriteAttributesLine(xml.G(), 0, 4, 1);
  EXPECT_EQ(text.Output(),
            "  Methods      Publ 3        Prot 1        Private 2        "
            "Total        6\n"
            "  Attributes   Publ 0        Prot 4        Private 1        "
            "Total        5\n");
  EXPECT_EQ(csv.Output(),
            "Methods,Publ,3,Prot,1,Private,2,Total,6\n"
            "Attributes,Publ,      0,Prot,      4,Private,      1,Total,       5\n");
  EXPECT_EQ(xml.Output(),
            "<methods>\n<public>3</public>\n<protected>1</protected>\n"
            "<private>2</private>\n<totals>6</totals>\n</methods>\n"
            "<attributes>\n<public>0</public>\n<protected>4</protected>\n"
            "<private>1</private>\n<total>5</total>\n</attributes>\n");
}

TEST(FunctionPoints, DivideByTheFactorOfTheFilesLanguage) {
  test::Harness h;
  GlobalData& G = h.G();
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
