// The project sections on hand-made records and totals.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "report/project_reports.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Has;

std::string Write(const std::function<void(GlobalData&)>& set,
                  void (*section)(GlobalData&),
                  ReportFormat format = ReportFormat::kText) {
  test::Harness h;
  test::UseFormat(h.G(), format);
  set(h.G());
  section(h.G());
  return h.Output();
}

const std::string kSeparator =
    "         ------     -----     -----     ------     ------     -----       \n";

// Two functions in a C file, one in a Java file. Function points: C
// factors 2 (LOC), 1 (eLOC), 5 (lLOC); Java 2, 5 and 0.
void ThreeFunctions(GlobalData& G) {
  G.files.entries.resize(2);
  G.files.entries[0].name = "a.c";
  G.files.entries[0].kind = kLangC;
  G.files.entries[1].name = "b.java";
  G.files.entries[1].kind = kLangJava;
  G.settings.fp_factors[kGroupC][kMeasureLoc] = 2;
  G.settings.fp_factors[kGroupC][kMeasureEloc] = 1;
  G.settings.fp_factors[kGroupC][kMeasureLloc] = 5;
  G.settings.fp_factors[kGroupJava][kMeasureLoc] = 2;
  G.settings.fp_factors[kGroupJava][kMeasureEloc] = 5;
  G.settings.fp_factors[kGroupJava][kMeasureLloc] = 0;
  const char* files[] = {"a.c", "a.c", "b.java"};
  const MetricRecord functions[] = {
      test::Function("f1", "(int a)", 10, 8, 5, 2, 1, 12, 2, 1, 3),
      test::Function("f2", "(int a)", 4, 3, 2, 0, 0, 4, 0, 1, 1),
      test::Function("f3", "(int a)", 6, 5, 4, 1, 2, 9, 1, 2, 2)};
  for (int i = 0; i < 3; ++i) {
    MetricRecord f = functions[i];
    f.file_name = files[i];
    G.lists.functions.push_back(f);
  }
}

TEST(ProjectFunctionalMetrics, AnalysisTotalsAveragesAndExtremes) {
  const std::string out = Write(ThreeFunctions, WriteProjectFunctionalMetrics);
  const std::string analysis =
      "  Total: Functions  \n"
      "  LOC 20       eLOC 16       lLOC 11       InCmp 7        CycloCmp       6\n"
      "\n"
      "  Total Functions .......:          3  Total Physical Lines ..:         25\n"
      "  Total LOC .............:         20  Total Function Pts LOC :       10.0\n"
      "  Total eLOC ............:         16  Total Function Pts eLOC:       12.0\n"
      "  Total lLOC.............:         11  Total Function Pts lLOC:        1.4\n"
      "  Total Cyclomatic Comp. :          6  Total Interface Comp. .:          7\n"
      "  Total Parameters ......:          3  Total Return Points ...:          4\n"
      "  Total Comment Lines ...:          3  Total Blank Lines .....:          3\n" +
      kSeparator +
      "  Avg Physical Lines ....:      8.33\n"
      "  Avg LOC ...............:      6.67  Avg eLOC ..............:       5.33\n"
      "  Avg lLOC ..............:      3.67  Avg Cyclomatic Comp. ..:       2.00\n"
      "  Avg Interface Comp. ...:      2.33  Avg Parameters ........:       1.00\n"
      "  Avg Return Points .....:      1.33  Avg Comment Lines .....:       1.00\n" +
      kSeparator +
      "  Max LOC ...............:         10  Max eLOC ..............:          8\n"
      "  Max lLOC ..............:          5  Max Cyclomatic Comp. ..:          3\n"
      "  Max Interface Comp. ...:          3  Max Parameters ........:          2\n"
      "  Max Return Points .....:          2  Max Comment Lines .....:          2\n"
      "  Max Total Lines .......:         12\n" +
      kSeparator +
      "  Min LOC ...............:          4  Min eLOC ..............:          3\n"
      "  Min lLOC ..............:          2  Min Cyclomatic Comp. ..:          1\n"
      "  Min Interface Comp. ...:          1  Min Parameters ........:          0\n"
      "  Min Return Points .....:          1  Min Comment Lines .....:          0\n"
      "  Min Total Lines .......:          4\n";
  EXPECT_TRUE(Has(out, "~~ Project Functional Analysis ~~\n\n" + analysis)) << out;
  EXPECT_TRUE(Has(out, "~~ Project Functional Metrics ~~\n\n  Function: f1\n"));
}

MetricRecord ClassRecord(const char* name, RecordKind kind, int nesting, int loc,
                         int lines, double methods, int mpub, int mpriv,
                         int apub, int apriv) {
  MetricRecord r;
  r.kind = kind;
  r.name = name;
  r.nesting = nesting;
  r.loc = loc;
  r.eloc = loc - 1;
  r.lloc = loc / 2;
  r.comments = 2;
  r.lines = lines;
  r.methods = methods;
  r.methods_public = mpub;
  r.methods_private = mpriv;
  r.attributes_public = apub;
  r.attributes_private = apriv;
  r.params = 1;
  r.returns = 2;
  r.cyclomatic = 3;
  return r;
}

void TwoClassesAndAnInterface(GlobalData& G) {
  G.lists.classes = {
      ClassRecord("A", RecordKind::kClass, 0, 20, 24, 2, 2, 1, 1, 2),
      ClassRecord("IShape", RecordKind::kInterface, 0, 4, 5, 0, 2, 0, 0, 0),
      ClassRecord("A::B", RecordKind::kStruct, 1, 6, 7, 1, 1, 0, 0, 1)};
}

TEST(ProjectClassMetrics, ListsClassesAndStructsWithTheirAnalysis) {
  const std::string out = Write(TwoClassesAndAnInterface, WriteProjectClassMetrics);
  EXPECT_TRUE(Has(out, "Parent LOC Metrics Include Nested LOC Metrics\n\n  Class: A\n"));
  EXPECT_TRUE(Has(out, "\n  Nested Struct: A::B\n"));
  EXPECT_FALSE(Has(out, "IShape"));
  EXPECT_TRUE(Has(out,
                  "  Total: All Parent Classes/Structs\n"
                  "  LOC 20       eLOC 19       lLOC 10       Comment 2        Lines       24\n"
                  "  Total: All Classes/Structs\n"
                  "  LOC 26       eLOC 24       lLOC 13       Comment 4        Lines       31\n"
                  "  Total Classses 2        Total Functions 3        Avg Func/Class     1.50\n"
                  "\n"
                  "  Total Classes/Structs .:          2  Total Nested Classes ..:          1\n"
                  "  Total Methods .........:          3  Total Attributes ......:          4\n"
                  "  Total Public Methods ..:          3  Total Public Attrib. ..:          1\n"))
      << out;
  EXPECT_TRUE(Has(out, "  Avg Physical Lines ....:     15.50  Avg LOC ...............:      13.00\n"));
  EXPECT_TRUE(Has(out, "  Min Private Methods ...:          0  Min Private Attrib. ...:          1\n"));
  const std::string csv =
      Write(TwoClassesAndAnInterface, WriteProjectInterfaceMetrics, ReportFormat::kCsv);
  EXPECT_TRUE(Has(csv, "Interface,IShape,4,3,2,2,0.67,5,1,2,3,3,6,0,2,0,0,0,0,0,0\n"
                       "Total,All Interfaces,4,3,2,2,0.67,5,1,2,3,3,6,0,2,0,0,0,0,0,0\n"
                       "Average,All Interfaces,4.00,3.00,2.00,2.00,0.67,5.00,1.00,"
                       "2.00,3.00,3.00,6.00,0.00,2.00,0.00,0.00,0.00,0.00,0.00,0.00\n"))
      << csv;
}

TEST(ProjectNamespaceMetrics, RowsAndAnalysis) {
  auto set = [](GlobalData& G) {
    MetricRecord n = ClassRecord("geo", RecordKind::kNamespace, 0, 30, 40, 4, 3, 1, 0, 2);
    n.classes = 2;
    n.functions = 5;
    G.lists.namespaces = {n};
  };
  const std::string csv = Write(set, WriteProjectNamespaceMetrics, ReportFormat::kCsv);
  EXPECT_TRUE(Has(csv, "Namespace/Package,geo,30,29,15,2,0.07,40,1,2,3,3,6,2,5,3,0,1,2,0,0,2\n"))
      << csv;
  const std::string text = Write(set, WriteProjectNamespaceMetrics);
  EXPECT_TRUE(Has(text, "  Total Namespace/Package:          1\n"
                        "  Total Classes/Structs .:          2  Total Methods .........:          4\n"))
      << text;
  EXPECT_TRUE(Has(text, "  Avg Classes/Structs ...:      2.00  Avg Methods ...........:       4.00\n"));
}

// C: 2 files, Java: 1 file, no header files.
void TwoLanguages(GlobalData& G) {
  G.files.files_processed = 3;
  G.lang.file_counts[kLangC] = 2;
  G.lang.file_counts[kLangJava] = 1;
  G.lang.group_lines[kGroupC] = {30, 20, 10, 6, 4, 40};
  G.lang.group_lines[kGroupJava] = {10, 5, 5, 2, 0, 12};
  G.file.loc_count = 40;
  G.file.braceline_count = 15;  // eLOC 25
  G.file.semicolon_count = 15;  // lLOC 15
  G.file.comment_lines_count = 8;
  G.file.blank_lines_count = 4;
  G.file.total_physical_lines_count = 52;
}

TEST(LanguageReports, ProfileSharesOfTheProject) {
  const std::string out = Write(TwoLanguages, WriteLanguageProfile);
  EXPECT_TRUE(Has(out,
                  "  Language   LOC %    eLOC %    lLOC %    Comments %   Blanks %    Lines %\n"
                  "  *.c   " "     " " 75.0" "     " " 80.0" "     " " 66.7" "         " " 75.0"
                  "      " "100.0" "      " " 76.9\n"
                  "  *.java" "     " " 25.0" "     " " 20.0" "     " " 33.3" "         " " 25.0"
                  "      " "  0.0" "      " " 23.1\n"))
      << out;
  EXPECT_FALSE(Has(out, "*.h*"));
  // A group of one empty file in an empty project: every share is 0.0.
  const std::string empty = Write(
      [](GlobalData& G) {
        G.files.files_processed = 1;
        G.lang.file_counts[kLangCpp] = 1;
      },
      WriteLanguageProfile, ReportFormat::kCsv);
  EXPECT_TRUE(Has(empty, "Total Language Profile (%)\n"
                         ",Language,,,LOC,eLOC,lLOC,Comments,Blanks,Lines\n"
                         "  *.c*,,,  0.0,  0.0,  0.0,  0.0,  0.0,  0.0\n"))
      << empty;
}

TEST(LanguageReports, SummaryGroupsAveragesAndTotal) {
  const std::string out = Write(TwoLanguages, WriteLanguageSummary);
  EXPECT_TRUE(Has(out,
                  "\n  C Source Files *.c\n"
                  "  LOC 30       eLOC 20       lLOC 10       Comment 6        Lines       40\n"
                  "  Average per File, metric/2 files\n"
                  "  LOC 15       eLOC 10       lLOC 5        Comment 3        Lines       20\n"
                  "\n  Java Source File *.jav*\n"))
      << out;
  EXPECT_FALSE(Has(out, "Header Include Files"));
  const std::string csv = Write(TwoLanguages, WriteLanguageSummary, ReportFormat::kCsv);
  EXPECT_TRUE(Has(csv, "Languages\n, , , LOC,eLOC,lLOC,Comments,Blanks,Lines\n"
                       ",C Source Files *.c,,30,20,10,6,4,40\n"
                       "Avg ,C Source Files *.c,,15,10,5,3,2,20\n"
                       ",Java Source File *.java,,10,5,5,2,0,12\n"
                       "Avg ,Java Source File *.java,,10,5,5,2,0,12\n"
                       ",Total All Languages,,40,25,15,8,4,52\n"))
      << csv;
}

// Four notices: one #3 and three #17, 2,000 LOC, no eLOC, 400 lLOC.
void FourNotices(GlobalData& G) {
  G.notices.run_counts[3] = 1;
  G.notices.run_counts[17] = 3;
  G.file.loc_count = 2000;
  G.file.braceline_count = 2000;
  G.file.semicolon_count = 400;
  G.notices.list = {{"a.c", 7, 3}, {"b.c", 12, 17}};
}

TEST(QualityReports, ProfileAndDensity) {
  const std::string out = Write(FourNotices, WriteQualityProfile);
  EXPECT_TRUE(Has(out,
                  "  Type  Count Percent  Quality Notice\n"
                  "  3         1   25.00  Ellipsis '...' are identified as function parameters\n"
                  "  17        3   75.00  Function comment content less than 10.0%\n"
                  "  All       4  100.00  Total Quality Notices\n"))
      << out;
  EXPECT_TRUE(Has(out,
                  "~~ Quality Notice Density ~~\n\n  Basis: 1000 (K)\n\n"
                  "  Quality Notices/K LOC   =        2.0 (  0.20%)\n"
                  "  Quality Notices/K eLOC  =        0.0 (  0.00%)\n"
                  "  Quality Notices/K lLOC  =       10.0 (  1.00%)\n"));
  const std::string csv = Write(FourNotices, WriteQualityProfile, ReportFormat::kCsv);
  EXPECT_TRUE(Has(csv,
                  "\nProject Quality Profile\n\nType,Count,Percent,Quality Notice\n"
                  "3 ,      1, 25.00,Ellipsis '...' are identified as function parameters\n"
                  "17,      3, 75.00,Function comment content less than 10.0%\n"
                  "      4,100.00,Total Quality Notices\n\n"
                  "Quality Notice (QN) Density\nBasis,1000,(K)\n"
                  "QN/K LOC,2.0,0.20\nQN/K eLOC,0.0,0.00\nQN/K lLOC,10.0,1.00\n"))
      << csv;
  // No notices at all: every row and share is 0.
  const std::string none = Write([](GlobalData&) {}, WriteQualityProfile);
  EXPECT_TRUE(Has(none, "  All       0    0.00  Total Quality Notices\n"));
  EXPECT_TRUE(Has(none, "  Quality Notices/K LOC   =        0.0 (  0.00%)\n"));
}

TEST(QualityReports, NoticeSummaryListsEachNoticeByFile) {
  const std::string out = Write(FourNotices, WriteNoticeSummary);
  EXPECT_TRUE(Has(out,
                  "~~ Quality Notice Summary ~~\n\n"
                  "  a.c - Notice # 3: Line 7, Ellipsis '...' are identified as function parameters\n"
                  "  b.c - Notice #17: Line 12, Function comment content less than 10.0%\n"
                  "\n  Total Quality Notices: 4\n"))
      << out;
  const std::string csv = Write(FourNotices, WriteNoticeSummary, ReportFormat::kCsv);
  EXPECT_TRUE(Has(csv, "Quality Notice Summary\nTotal Quality Notices. 4\n\n"
                       "Filename, Notice, Line, Description\n"
                       "a.c,  3, 7, Ellipsis '...' are identified as function parameters\n"))
      << csv;
}

TEST(DirectorySummary, OneLinePerDirectoryInListOrder) {
  auto set = [](GlobalData& G) {
    G.files.directories.resize(2);
    G.files.directories[0].name = "src";
    G.files.directories[0].files = 3;
    G.files.directories[1].name = "a&b";
    G.files.directories[1].files = 0;
  };
  EXPECT_TRUE(Has(Write(set, WriteDirectorySummary),
                  "~~ Project Directory Summary ~~\n\n  Files 3 - src\n  Files 0 - a&b\n"));
  EXPECT_EQ(Write(set, WriteDirectorySummary, ReportFormat::kXml),
            "<report>\n<name>Project Directory Summary</name>\n"
            "<project_directory_summary>\n"
            "<directory>\n<name>src</name>\n<file_count>3</file_count>\n</directory>\n"
            "<directory>\n<name>a&amp;b</name>\n<file_count>0</file_count>\n</directory>\n"
            "</project_directory_summary>\n</report>\n");
}

}  // namespace
}  // namespace zav
