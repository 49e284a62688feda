#include "report/file_reports.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

const std::string kHyphenRule = "\n  " + std::string(72, '-') + "\n\n";
const std::string kUnderscores = std::string(72, '_');

using test::Centered;
using test::Has;

// LOC 10, eLOC 7, lLOC 5, comment lines 3, physical lines 16.
void SampleCounts(FileMetrics& f) {
  f.loc_count = 10;
  f.braceline_count = 2;
  f.parenline_count = 1;
  f.semicolon_count = 6;
  f.for_count = 1;
  f.comment_lines_count = 3;
  f.blank_lines_count = 3;
  f.total_physical_lines_count = 16;
}

const std::string kLocLine =
    "  LOC 10       eLOC 7        lLOC 5        Comment 3        Lines       16\n";
const std::string kSummaryTitle = Centered(26, "~~ Total File Summary ~~");

using Setter = std::function<void(GlobalData&)>;

// What `write` writes on a fresh run state set up by `preset`, then `set`.
std::string Written(const Setter& preset, const Setter& set, const Setter& write) {
  test::Harness h;
  preset(h.G());
  set(h.G());
  write(h.G());
  return h.Output();
}

// The sample counts with the summary on.
void SummaryCounts(GlobalData& G) {
  G.sw.summary = true;
  SampleCounts(G.file);
}

std::string Summary(const Setter& set, bool project = false, bool averages = false) {
  return Written(SummaryCounts, set, [=](GlobalData& G) { WriteFileSummary(G, project, averages); });
}

TEST(FileSummary, RuleInDetailModeExceptFunctionModeWithoutFunctions) {
  EXPECT_EQ(Summary([](GlobalData& G) { G.sw.complexity = true; }),
            kHyphenRule + kSummaryTitle + kLocLine);
  EXPECT_EQ(Summary([](GlobalData& G) { G.sw.functional = true; }),
            kSummaryTitle + kLocLine);
  EXPECT_EQ(Summary([](GlobalData& G) {
              G.sw.functional = true;
              G.file.functions_count = 1;
            }),
            kHyphenRule + kSummaryTitle + kLocLine);
  EXPECT_EQ(Summary([](GlobalData& G) {
              G.sw.functional = true;
              G.file.quality_notice_count = 2;
            }),
            kHyphenRule + kSummaryTitle + kLocLine);
  EXPECT_EQ(Summary([](GlobalData& G) {
              G.sw.complexity = G.sw.csv = true;
            }).substr(0, 19),
            "Total File Summary\n");
  // The function listing writes no title at all.
  EXPECT_EQ(Summary([](GlobalData& G) { G.sw.function_list = G.sw.functional = true; }),
            kLocLine);
}

TEST(FileSummary, FunctionPointsSkippedLinesAndDetailWithoutSummary) {
  const std::string points = Summary([](GlobalData& G) {
    G.sw.function_points = true;
    G.file.fp_loc = 0.5;
    G.file.skipped_lines_count = 4;
  });
  EXPECT_TRUE(Has(points, kLocLine + "  Function Points         FP(LOC) 0.5 "));
  EXPECT_TRUE(Has(points, "\n  Total physical lines skipped from skip token match: 4\n\n"));
  EXPECT_TRUE(Has(Summary([](GlobalData& G) {
                    G.sw.html = true;
                    G.file.skipped_lines_count = 4;
                  }),
                  "</b>       16\n  <B>Total physical lines skipped from skip token match:</B> 4\n\n"));
  EXPECT_EQ(Summary([](GlobalData& G) {
              G.sw.summary = false;
              G.sw.complexity = true;
            }),
            kHyphenRule + kSummaryTitle + kLocLine + "\n");
}

TEST(FileSummary, ProjectFormWithAveragesPerFile) {
  EXPECT_EQ(Summary([](GlobalData& G) { G.files.files_processed = 4; }, true, true),
            Centered(25, "~~ Total Project Summary ~~") + kLocLine +
                "  Average per File, metric/4 files\n"
                "  LOC 2        eLOC 1        lLOC 1        Comment 0        "
                "Lines        4\n");
  // No file processed: every average is 0.
  EXPECT_TRUE(Has(Summary([](GlobalData&) {}, true, true), "metric/0 files\n  LOC 0        eLOC 0"));
}

// Four functions of a C++ file: sums, maxima and function points.
void SampleFunctions(GlobalData& G) {
  FileMetrics& f = G.file;
  G.lang.flags.cpp = true;
  G.sw.functional = true;
  f.functions_count = 4;
  f.func_loc_sum = 50;
  f.func_eloc_sum = 40;
  f.func_lloc_sum = 30;
  f.func_comment_sum = 10;
  f.func_params_sum = 6;
  f.func_returns_sum = 5;
  f.func_vg_sum = 12;
  f.func_loc_max = 20;
  f.func_eloc_max = 16;
  f.func_lloc_max = 11;
  f.func_params_max = 3;
  f.func_returns_max = 2;
  f.func_vg_max = 5;
  f.func_complexity_max = 9;
}

std::string Functional(const Setter& set) {
  return Written(SampleFunctions, set, WriteFileFunctionalSummary);
}

const std::string kFunctionalBody =
    "  File Function Count....:          4\n"
    "  Total Function LOC.....:         50  Total Function Pts LOC :        0.9\n"
    "  Total Function eLOC....:         40  Total Function Pts eLOC:        0.8\n"
    "  Total Function lLOC....:         30  Total Function Pts lLOC:        0.6\n"
    "  Total Function Params .:          6  Total Function Return .:          5\n"
    "  Total Cyclo Complexity :         12  Total Function Complex.:         23\n"
    "         ------     -----     -----     ------     ------     -----       \n"
    "  Max Function LOC ......:         20  Average Function LOC ..:      12.50\n"
    "  Max Function eLOC .....:         16  Average Function eLOC .:      10.00\n"
    "  Max Function lLOC .....:         11  Average Function lLOC .:       7.50\n";

TEST(FileFunctionalSummary, TextTotalsMaximaAndAverages) {
  EXPECT_EQ(Functional([](GlobalData&) {}),
            kHyphenRule + Centered(24, "~~ File Functional Summary ~~") + "\n" +
                kFunctionalBody);
}

TEST(FileFunctionalSummary, ComplexityModeAddsTheComplexityRows) {
  const std::string out = Functional([](GlobalData& G) { G.sw.complexity = true; });
  EXPECT_EQ(out.substr(out.find("  File Function Count")),
            kFunctionalBody +
                "         ------     -----     -----     ------     ------     -----       \n"
                "  Max Function Parameters:          3  Avg Function Parameters:       1.50\n"
                "  Max Function Returns ..:          2  Avg Function Returns ..:       1.25\n"
                "  Max Interface Complex. :          5  Avg Interface Complex. :       2.75\n"
                "  Max Cyclomatic Complex.:          5  Avg Cyclomatic Complex.:       3.00\n"
                "  Max Total Complexity ..:          9  Avg Total Complexity ..:       5.75\n");
}

TEST(FileFunctionalSummary, NotWrittenWithoutFunctionsOrInListingMode) {
  EXPECT_EQ(Functional([](GlobalData& G) { G.file.functions_count = 0; }), "");
  EXPECT_EQ(Functional([](GlobalData& G) { G.sw.function_list = true; }), "");
  EXPECT_EQ(Functional([](GlobalData& G) { G.sw.functional = false; }), "");
}

TEST(MemorySummary, NothingWhenAllCountsAreZero) {
  const Setter none = [](GlobalData&) {};
  EXPECT_EQ(Written(none, none, WriteMemorySummary), "");
  const Setter one_delete = [](GlobalData& G) { G.file.memory_delete_count = 1; };
  EXPECT_NE(Written(one_delete, none, WriteMemorySummary), "");
}

std::string EndMarker(const Setter& set) {
  return Written([](GlobalData& G) { G.sw.functional = true; }, set,
                 [](GlobalData& G) { WriteEndOfFile(G, "src/a.c"); });
}

TEST(EndOfFile, OnlyInDetailModeOutsideTotalsOnly) {
  EXPECT_EQ(EndMarker([](GlobalData& G) { G.sw.functional = false; }), "");
  EXPECT_EQ(EndMarker([](GlobalData& G) { G.sw.totals_only = true; }), "");
}

std::string XmlFile(const Setter& set) {
  return Written([](GlobalData& G) { G.sw.xml = true; SampleCounts(G.file); }, set,
                 [](GlobalData& G) { WriteXmlFileOpen(G); WriteXmlFileClose(G); });
}

TEST(XmlFileElement, NoLocWithListOnlyNoElementWithoutFileNames) {
  EXPECT_EQ(XmlFile([](GlobalData& G) { G.sw.list_files_and_exit = true; }),
            "<file>\n</file>\n");
  EXPECT_EQ(XmlFile([](GlobalData& G) { G.sw.totals_no_file_names = true; }), "");
  EXPECT_EQ(XmlFile([](GlobalData& G) { G.sw.html = true; }), "");
}

std::string PerFile(const Setter& set) {
  return Written(SummaryCounts, set, [](GlobalData& G) {
    FileEntry entry;
    entry.name = "a.c";
    WritePerFileOutput(G, entry);
  });
}

TEST(PerFileOutput, SectionsFollowTheSwitches) {
  EXPECT_EQ(PerFile([](GlobalData&) {}), kSummaryTitle + kLocLine);
  const std::string verbose = PerFile([](GlobalData& G) {
    G.sw.verbose = G.sw.report_switch_given = true;
  });
  EXPECT_EQ(verbose.find(kSummaryTitle + kLocLine), 0u);
  EXPECT_TRUE(Has(verbose, "~~ File Keywords and Metrics ~~"));
  EXPECT_FALSE(Has(verbose, "End of File"));
  const std::string memory = PerFile([](GlobalData& G) {
    G.sw.allocation = G.sw.report_switch_given = true;
    G.file.memory_new_count = 1;
  });
  EXPECT_TRUE(Has(memory, "~~ Memory Allocation/De-allocation Summary ~~"));
  EXPECT_TRUE(Has(memory, "  End of File: a.c\n\n"));
}

TEST(PerFileOutput, TotalsOnlyAndExtractionModes) {
  EXPECT_EQ(PerFile([](GlobalData& G) {
              G.sw.totals_only = G.sw.report_switch_given = true;
            }),
            "");
  EXPECT_EQ(PerFile([](GlobalData& G) {
              G.sw.extract_comments = G.sw.report_switch_given = true;
            }),
            "  " + kUnderscores + "\n  End of File: a.c\n\n");
}

TEST(PerFileOutput, XmlWithVerboseWritesTheSectionsUnlessTv) {
  auto xml_verbose = [](bool tv) {
    return PerFile([tv](GlobalData& G) {
      G.sw.xml = G.sw.totals_only = G.sw.verbose = true;
      G.sw.report_switch_given = true;
      G.sw.totals_verbose = tv;
    });
  };
  const std::string sections = xml_verbose(false);
  EXPECT_EQ(sections.find("<loc>10</loc>\n"), 0u);
  EXPECT_TRUE(Has(sections, "<name>File Verbose Metrics</name>"));
  EXPECT_EQ(xml_verbose(true), "");
}

}  // namespace
}  // namespace zav
