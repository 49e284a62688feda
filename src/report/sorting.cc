#include "report/sorting.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "report/framework.h"
#include "base/output.h"

namespace zav {
namespace {

constexpr const char* kKeyLabels[] = {
    "",          "Name",         "LOC",
    "eLOC",      "lLOC",         "Cylcomatic Complexity",
    "Work State", "Function Count", "Quality Notice Count",
    "File Date", "File Size"};

// -1, 0 or 1 as a sorts before, with or after b.
template <typename T>
int Compare(T a, T b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

int CompareNames(const char* a, const char* b) {
  return Compare(std::strcmp(a, b), 0);
}

int CompareNames(const std::string& a, const std::string& b) {
  return CompareNames(a.c_str(), b.c_str());
}

bool RecordKeyApplies(int key) { return key >= 1 && key <= 5; }

// Full records and the run's kept function records alike.
template <typename Record>
int CompareRecords(const Record& a, const Record& b, int key) {
  switch (key) {
    case 1: return CompareNames(a.name, b.name);
    case 2: return Compare(a.loc, b.loc);
    case 3: return Compare(a.eloc, b.eloc);
    case 4: return Compare(a.lloc, b.lloc);
    case 5: return Compare(a.cyclomatic, b.cyclomatic);
    default: return 0;
  }
}

int CompareEntries(const FileEntry& a, const FileEntry& b, int key) {
  switch (key) {
    case 1: return CompareNames(a.name, b.name);
    case 2: return Compare(a.loc, b.loc);
    case 3: return Compare(a.eloc, b.eloc);
    case 4: return Compare(a.lloc, b.lloc);
    case 5: return Compare(a.cyclomatic, b.cyclomatic);
    case 7: return Compare(a.functions, b.functions);
    case 8: return Compare(a.notices, b.notices);
    case 9: return Compare(a.time, b.time);
    case 10: return Compare(a.size, b.size);
    default: return 0;
  }
}

}  // namespace

const char* SortKeyLabel(int key) {
  if (key < 1 || key > 10) return "";
  return kKeyLabels[key];
}

void WriteSortLine(GlobalData& G) {
  const int key = G.sw.sort_key;
  if (key < 1 || key > 10) return;
  const char* label = SortKeyLabel(key);
  const char* direction = G.sw.sort_descending ? "Descending" : "Ascending";
  char text[128];
  switch (Fmt(G)) {
    case ReportFormat::kText:
      std::snprintf(text, sizeof text, "Sorted By: %s - %s", label, direction);
      CenterLine(G, text);
      break;
    case ReportFormat::kHtml: {
      std::snprintf(text, sizeof text, "Sorted By: %s - %s", label, direction);
      char markup[192];
      std::snprintf(markup, sizeof markup,
                    "<b><font color=\"%s\">Sorted By %s - %s</font></b>",
                    Color(G, kColorHeader), label, direction);
      CenterHtmlLine(G, text, markup);
      break;
    }
    case ReportFormat::kCsv:
      Print(G, "Sorted By: %s - %s\n", label, direction);
      break;
    case ReportFormat::kXml:
      Print(G, "<sort_mode>%s</sort_mode>\n", label);
      Print(G, "<sort_direction>%s</sort_direction>\n", direction);
      break;
  }
}

template <typename Record>
void SortRecordPointers(const GlobalData& G, std::vector<const Record*>& records) {
  const int key = G.sw.sort_key;
  if (!RecordKeyApplies(key)) return;
  const int sign = G.sw.sort_descending ? -1 : 1;
  std::stable_sort(records.begin(), records.end(),
                   [key, sign](const Record* a, const Record* b) {
                     return sign * CompareRecords(*a, *b, key) < 0;
                   });
}

void SortRecords(const GlobalData& G,
                 std::vector<const MetricRecord*>& records) {
  SortRecordPointers(G, records);
}

void SortRecords(const GlobalData& G,
                 std::vector<const StoredFunction*>& records) {
  SortRecordPointers(G, records);
}

std::vector<const FileEntry*> FileDetailOrder(const GlobalData& G) {
  const int key = G.sw.sort_key;
  const bool sorted = key >= 1 && key <= 10 && key != 6;
  const int sign = G.sw.sort_descending ? -1 : 1;
  std::vector<const FileEntry*> order;
  for (const FileEntry& entry : G.files.entries) {
    if (!entry.analysed) continue;
    auto place = order.end();
    if (sorted) {
      place = std::find_if(order.begin(), order.end(),
                           [&](const FileEntry* listed) {
                             return sign * CompareEntries(entry, *listed, key) <= 0;
                           });
    }
    order.insert(place, &entry);
  }
  return order;
}

}  // namespace zav
