#include "report/record_blocks.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

FunctionRecord SampleFunction() {
  FunctionRecord f;
  f.name = "Stack::push";
  f.parameters = "(const T& v)";
  f.loc = 6;
  f.eloc = 4;
  f.lloc = 3;
  f.comments = 1;
  f.lines = 8;
  f.params = 1;
  f.returns = 1;
  f.cyclomatic = 2;
  return f;
}

const std::string kFunctionLoc =
    "  LOC 6        eLOC 4        lLOC 3        Comment 1        Lines        8\n";

std::string FunctionBlock(const std::function<void(GlobalData&)>& set,
                          const FunctionRecord& f = SampleFunction()) {
  test::Harness h;
  set(h.G());
  WriteFunctionBlock(h.G(), f);
  return h.Output();
}

TEST(FunctionBlock, HeadingComplexityAndSizeLines) {
  EXPECT_EQ(FunctionBlock([](GlobalData& G) { G.sw.complexity = true; }),
            "  Function: Stack::push\n  Parameters: (const T& v)\n"
            "  Complexity   Param 1       Return 1      Cyclo Vg 2       "
            "Total        4\n" +
                kFunctionLoc + "\n");
  FunctionRecord templated = SampleFunction();
  templated.template_text = "template <class T>";
  EXPECT_EQ(FunctionBlock([](GlobalData& G) { G.sw.functional = true; }, templated),
            "  Function: Stack::push\n  Parameters: (const T& v)\n"
            "  Template: template <class T>\n" +
                kFunctionLoc + "\n");
}

TEST(FunctionBlock, FunctionPointsAndNoticesMode) {
  EXPECT_EQ(FunctionBlock([](GlobalData& G) {
              G.sw.function_points = G.sw.notices = true;
              G.lang.flags.c = true;
              G.settings.fp_factors[kGroupC][kMeasureLoc] = 4;
            }),
            "  Function: Stack::push\n  Parameters: (const T& v)\n" +
                kFunctionLoc +
                "  Function Points         FP(LOC) 1.5     FP(eLOC) 0.0    "
                "FP(lLOC)     0.0\n");
}

TEST(FunctionBlock, HtmlAndXml) {
  EXPECT_EQ(FunctionBlock([](GlobalData& G) { G.sw.html = true; }).rfind(
                "  <b>Function</b>: <b><font color=\"#0000FF\">Stack::push</font></b>\n"
                "  <b>Parameters:</b> <b><font color=\"#006600\">(const T&amp; v)</font></b>\n"
                "  <b>LOC</b> 6 ",
                0),
            0u);
  EXPECT_EQ(FunctionBlock([](GlobalData& G) { G.sw.xml = true; }),
            "<function>\n<name>Stack::push</name>\n"
            "<parameters>(const T&amp; v)</parameters>\n"
            "<loc>6</loc>\n<eloc>4</eloc>\n<lloc>3</lloc>\n"
            "<comments>1</comments>\n<lines>8</lines>\n</function>\n");
}

TEST(FunctionBlock, NothingInTotalsOnlyOrAutomatedCsv) {
  EXPECT_EQ(FunctionBlock([](GlobalData& G) { G.sw.totals_only = true; }), "");
  EXPECT_EQ(FunctionBlock([](GlobalData& G) { G.sw.csv = G.sw.csv_detail = true; }),
            "");
}

std::string ClassBlock(const std::function<void(GlobalData&)>& set) {
  ClassRecord c;
  c.kind = RecordKind::kClass;
  c.name = "Derived";
  c.inheritance = "public Base";
  c.attributes_public = 1;
  c.attributes_private = 2;
  c.methods_public = 3;
  c.loc = 20;
  c.eloc = 15;
  c.lloc = 9;
  c.comments = 4;
  c.lines = 26;
  test::Harness h;
  set(h.G());
  WriteClassBlock(h.G(), "Class", c);
  return h.Output();
}

TEST(ClassBlock, TextForm) {
  EXPECT_EQ(ClassBlock([](GlobalData&) {}),
            "\n  Class: Derived\n  Inheritance: public Base\n"
            "  Attributes   Publ 1        Prot 0        Private 2        "
            "Total        3\n"
            "  Methods      Publ 3        Prot 0        Private 0        "
            "Total        3\n"
            "  LOC 20       eLOC 15       lLOC 9        Comment 4        "
            "Lines       26\n\n");
}

TEST(ClassBlock, CsvHasNoEmptyLineXmlIsOneElement) {
  EXPECT_EQ(ClassBlock([](GlobalData& G) { G.sw.csv = true; }),
            "Class,Derived\nInheritance,public Base\n"
            "Attributes,Publ,      1,Prot,      0,Private,      2,Total,       3\n"
            "Methods,Publ,3,Prot,0,Private,0,Total,3\n"
            "LOC,20,eLOC,15,lLOC,9,Comment,4,Lines,26\n");
  const std::string xml = ClassBlock([](GlobalData& G) { G.sw.xml = true; });
  const std::string head =
      "<class>\n<type>Class</type>\n<name>Derived</name>\n"
      "<inheritance>public Base</inheritance>\n<attributes>\n";
  const std::string tail = "<lines>26</lines>\n</class>\n";
  EXPECT_EQ(xml.substr(0, head.size()), head);
  EXPECT_EQ(xml.substr(xml.size() - tail.size()), tail);
}

TEST(ClassBlock, HtmlHeadingInTheClassColour) {
  const std::string html = ClassBlock([](GlobalData& G) { G.sw.html = true; });
  const std::string head =
      "\n  <b>Class</b>: <b><font color=\"#663300\">Derived</font></b>\n"
      "  <b>Inheritance</b>: <b><font color=\"#FF3300\">public Base</font></b>\n";
  EXPECT_EQ(html.substr(0, head.size()), head);
}

}  // namespace
}  // namespace zav
