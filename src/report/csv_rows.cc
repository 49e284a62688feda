#include "report/csv_rows.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>

#include "base/csv_field.h"
#include "base/format.h"
#include "report/metric_lines.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

using Values = std::array<double, kCsvColumnCount>;

// How a row prints its numbers: the measured values of one file or
// function, sums and extremes (integers), or averages ("%.2f").
enum class RowKind { kValue, kInteger, kAverage };

// "%.<precision>f", the digits written here where FixedDecimal can.
std::string FixedText(double value, int precision) {
  char digits[24];
  const int n = FixedDecimal(value, precision, digits);
  if (n == 0) {  // cut at 63 characters as the row's figures always were
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
    return buffer;
  }
  std::string text;
  if (std::signbit(value)) text.push_back('-');
  text.append(digits, static_cast<size_t>(n));
  return text;
}

std::string Number(double value, RowKind kind) {
  return FixedText(value, kind == RowKind::kAverage ? 2 : 0);
}

// A size column; with function points on, "count/fp" ("%d/%-10.1f").
std::string SizeColumn(const GlobalData& G, const Values& v, int count_column,
                       int fp_column, RowKind kind) {
  std::string text = Number(v[count_column], kind);
  if (G.sw.function_points) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "/%-10.1f", v[fp_column]);
    text += buffer;
  }
  return text;
}

std::string Ratio(double value) { return FixedText(value, 2); }

// The columns from LOC to Comment/eLOC, shared by both row kinds.
std::string SizeColumns(const GlobalData& G, const Values& v, double ratio,
                        RowKind kind) {
  return SizeColumn(G, v, kCsvLoc, kCsvFpLoc, kind) + ", " +
         SizeColumn(G, v, kCsvEloc, kCsvFpEloc, kind) + ", " +
         SizeColumn(G, v, kCsvLloc, kCsvFpLloc, kind) + ", " +
         Number(v[kCsvComments], kind) + ", " + Number(v[kCsvBlanks], kind) +
         ", " + Number(v[kCsvLines], kind) + ", " + Ratio(ratio);
}

// The columns from Parameters to Total Complexity.
std::string ComplexityColumns(const Values& v, RowKind kind) {
  return Number(v[kCsvParams], kind) + ", " + Number(v[kCsvReturns], kind) +
         ", " + Number(v[kCsvInterface], kind) + ", " +
         Number(v[kCsvCyclomatic], kind) + ", " +
         Number(v[kCsvTotalComplexity], kind);
}

void WriteFileRowText(GlobalData& G, const char* type, const std::string& name,
                      const std::string& date, const Values& v, double ratio,
                      RowKind kind) {
  const std::string text =
      std::string(type) + "," + CsvField(" " + name) + ",, " + date + ", " +
      Number(v[kCsvSize], kind) + ", " + SizeColumns(G, v, ratio, kind) + ", " +
      Number(v[kCsvClasses], kind) + ", " + Number(v[kCsvFunctions], kind) +
      ", " + ComplexityColumns(v, kind) + ", " + Number(v[kCsvNotices], kind) +
      "\n";
  PutText(G, text);
}

void WriteFunctionRowText(GlobalData& G, const char* type,
                          const std::string& name, const std::string& params,
                          const Values& v, double ratio, RowKind kind) {
  const std::string text = std::string(type) + "," + CsvField(" " + name) +
                           "," + CsvField(" " + params) +
                           ", ," + ", " + SizeColumns(G, v, ratio, kind) +
                           ", , " + Number(v[kCsvFunctions], kind) + ", " +
                           ComplexityColumns(v, kind) + ", \n";
  PutText(G, text);
}

void WriteHeader(GlobalData& G, const char* start) {
  const char* sizes = G.sw.function_points ? "LOC/FP, eLOC/FP, lLOC/FP"
                                           : "LOC, eLOC, lLOC";
  Print(G,
        "%s%s, Comments, Blanks, Lines, Comment/eLOC, Classes, Functions, "
        "Parameters, Returns, InterComp, CycloComp, Total Complexity, "
        "Notices\n",
        start, sizes);
}

void Tally(CsvTally& tally, const Values& v) {
  ++tally.rows;
  const int first = tally.rows == 1 ? 1 : 0;
  for (int i = 0; i < kCsvColumnCount; ++i) {
    tally.sum[i] += v[i];
    TrackMinMax(v[i], tally.min[i], tally.max[i], first);
  }
}

double RatioOf(double comments, double eloc) {
  return eloc == 0 ? 0.0 : comments / eloc;
}

// The file's date in the C library's "%c" form (at most 40 characters).
std::string CsvDate(int64_t time) {
  time_t t = static_cast<time_t>(time);
  struct tm local;
  if (localtime_r(&t, &local) == nullptr) return "";
  char buffer[41];
  if (std::strftime(buffer, sizeof buffer, "%c", &local) == 0) return "";
  return buffer;
}

Values AverageOf(const CsvTally& tally) {
  Values v{};
  for (int i = 0; i < kCsvColumnCount; ++i) v[i] = tally.sum[i] / tally.rows;
  return v;
}

void WriteFileTotals(GlobalData& G) {
  const CsvTally& t = G.report.csv_files;
  if (t.rows == 0) return;
  Print(G, "%s, %d\n", "Files", t.rows);
  const double total_ratio = RatioOf(t.sum[kCsvComments], t.sum[kCsvEloc]);
  const Values avg = AverageOf(t);
  WriteFileRowText(G, "Total", "", "", t.sum, total_ratio, RowKind::kInteger);
  WriteFileRowText(G, "Average", "", "", avg, avg[kCsvCommentsPerEloc],
                   RowKind::kAverage);
  WriteFileRowText(G, "Maximum", "", "", t.max, t.max[kCsvCommentsPerEloc],
                   RowKind::kInteger);
  WriteFileRowText(G, "Minimum", "", "", t.min, t.min[kCsvCommentsPerEloc],
                   RowKind::kInteger);
}

void WriteFunctionTotals(GlobalData& G) {
  const CsvTally& t = G.report.csv_functions;
  if (t.rows == 0) return;
  const double total_ratio = RatioOf(t.sum[kCsvComments], t.sum[kCsvEloc]);
  const Values avg = AverageOf(t);
  WriteFunctionRowText(G, "Total", "", "", t.sum, total_ratio,
                       RowKind::kInteger);
  WriteFunctionRowText(G, "Average", "", "", avg, avg[kCsvCommentsPerEloc],
                       RowKind::kAverage);
  WriteFunctionRowText(G, "Maximum", "", "", t.max, t.max[kCsvCommentsPerEloc],
                       RowKind::kInteger);
  WriteFunctionRowText(G, "Minimum", "", "", t.min, t.min[kCsvCommentsPerEloc],
                       RowKind::kInteger);
}

}  // namespace

void WriteCsvFileRow(GlobalData& G, const FileEntry& entry) {
  const FileMetrics& f = G.file;
  Values v{};
  v[kCsvSize] = static_cast<double>(entry.size);
  v[kCsvLoc] = f.loc_count;
  v[kCsvEloc] = f.Eloc();
  v[kCsvLloc] = f.Lloc();
  v[kCsvComments] = f.comment_lines_count;
  v[kCsvBlanks] = f.blank_lines_count;
  v[kCsvLines] = f.total_physical_lines_count;
  v[kCsvCommentsPerEloc] = RatioOf(v[kCsvComments], v[kCsvEloc]);
  v[kCsvClasses] = f.class_count;
  v[kCsvFunctions] = f.functions_count;
  v[kCsvParams] = f.func_params_sum;
  v[kCsvReturns] = f.func_returns_sum;
  v[kCsvInterface] = v[kCsvParams] + v[kCsvReturns];
  v[kCsvCyclomatic] = f.func_vg_sum;
  v[kCsvTotalComplexity] = v[kCsvInterface] + v[kCsvCyclomatic];
  v[kCsvNotices] = f.quality_notice_count;
  v[kCsvFpLoc] = entry.fp_loc;
  v[kCsvFpEloc] = entry.fp_eloc;
  v[kCsvFpLloc] = entry.fp_lloc;

  CsvTally& tally = G.report.csv_files;
  if (tally.rows == 0) WriteHeader(G, "Type, Name, , Date, Size, ");
  WriteFileRowText(G, "File", entry.name, CsvDate(entry.time), v,
                   v[kCsvCommentsPerEloc], RowKind::kValue);
  Tally(tally, v);
}

void WriteCsvFunctionRow(GlobalData& G, const FunctionRecord& function) {
  Values v{};
  v[kCsvLoc] = function.loc;
  v[kCsvEloc] = function.eloc;
  v[kCsvLloc] = function.lloc;
  v[kCsvComments] = function.comments;
  v[kCsvBlanks] = function.blanks;
  v[kCsvLines] = function.lines;
  v[kCsvCommentsPerEloc] = RatioOf(v[kCsvComments], v[kCsvEloc]);
  v[kCsvFunctions] = 1;
  v[kCsvParams] = function.params;
  v[kCsvReturns] = function.returns;
  v[kCsvInterface] = v[kCsvParams] + v[kCsvReturns];
  v[kCsvCyclomatic] = function.cyclomatic;
  v[kCsvTotalComplexity] = v[kCsvInterface] + v[kCsvCyclomatic];
  v[kCsvFpLoc] = FunctionPointsOf(G, kMeasureLoc, function.loc);
  v[kCsvFpEloc] = FunctionPointsOf(G, kMeasureEloc, function.eloc);
  v[kCsvFpLloc] = FunctionPointsOf(G, kMeasureLloc, function.lloc);

  CsvTally& tally = G.report.csv_functions;
  if (tally.rows == 0) WriteHeader(G, "Type, Name, Parameters, , , ");
  WriteFunctionRowText(G, "Function", function.name, function.parameters, v,
                       v[kCsvCommentsPerEloc], RowKind::kValue);
  Tally(tally, v);
}

void WriteCsvFunctionRows(GlobalData& G) {
  const FunctionList& list = G.lists.functions;
  size_t& next = G.report.csv_next_function;
  if (next > list.size()) next = list.size();
  for (; next < list.size(); ++next) WriteCsvFunctionRow(G, list[next]);
}

void WriteCsvTotals(GlobalData& G) {
  WriteFileTotals(G);
  WriteFunctionTotals(G);
}

}  // namespace zav
