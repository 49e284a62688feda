#include "quality/udqn_file.h"

#include <pcre2posix.h>
#include <strings.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "quality/udqn_pattern.h"
#include "report/framework.h"
#include "base/output.h"
#include "base/csv_field.h"
#include "base/text_util.h"
#include "base/xml_text.h"

namespace zav {

namespace {

// "include" files nested deeper than this are not read (a file that
// includes itself would otherwise never end).
constexpr int kMaxIncludeDepth = 16;

std::string_view Trimmed(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const size_t last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

bool Is(std::string_view key, const char* name) {
  return key.size() == std::strlen(name) &&
         strncasecmp(key.data(), name, key.size()) == 0;
}

bool YesValue(std::string_view value) { return Is(value, "yes") || Is(value, "on"); }

// The items of a list separated by blanks or commas.
template <typename Visit>
void ForEachItem(std::string_view value, Visit visit) {
  size_t i = 0;
  while (i < value.size()) {
    const size_t start = value.find_first_not_of(" \t,", i);
    if (start == std::string_view::npos) break;
    size_t end = value.find_first_of(" \t,", start);
    if (end == std::string_view::npos) end = value.size();
    visit(value.substr(start, end - start));
    i = end;
  }
}

// Flag numbers outside 1..1999 and words that are no number are skipped.
void ReadFlagList(std::string_view value, std::vector<int16_t>& flags) {
  ForEachItem(value, [&flags](std::string_view item) {
    if (flags.size() >= kUdqnMaxFlags) return;
    const std::string text(item);
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0') return;
    if (n >= 1 && n < kUdqnFlagCells) flags.push_back(static_cast<int16_t>(n));
  });
}

// Extensions may be written bare ("cpp") or with their dot (".cpp").
void ReadSources(std::string_view value, std::vector<std::string>& sources) {
  ForEachItem(value, [&sources](std::string_view item) {
    if (sources.size() >= kUdqnMaxSources) return;
    if (item.size() > 1 && item[0] == '*') item.remove_prefix(1);
    if (item.size() > 1 && item[0] == '.') item.remove_prefix(1);
    sources.emplace_back(item);
  });
}

// Context names are compared without regard to case; any other value
// leaves the context unset, so the definition never matches.
UdqnContext ReadContext(std::string_view value) {
  if (Is(value, "Line")) return UdqnContext::kLine;
  if (Is(value, "Code")) return UdqnContext::kCode;
  if (Is(value, "Comment")) return UdqnContext::kComment;
  if (Is(value, "String")) return UdqnContext::kString;
  return UdqnContext::kUnset;
}

void WriteIdError(GlobalData& G, const char* text, int id, const std::string& file) {
  Print(G, text, id, MessageName(G, file).c_str());
}

void SetId(GlobalData& G, std::string_view value, const std::string& file) {
  const int id = std::atoi(std::string(value).c_str());
  for (const UdqnDefinition& d : G.udqn.definitions) {
    if (d.id == id) {
      WriteIdError(G,
                   "  Error: Duplicate UDQN Identifier %d\n"
                   "         Please correct UDQN file %s\n"
                   "         to create unique UDQN Ids.\n\n",
                   id, file);
      return;
    }
  }
  if (id < kUdqnFirstId) {
    WriteIdError(G,
                 "  Error: UDQN Identifiers %d cannot be less than 100.\n"
                 "         Please correct UDQN file %s\n"
                 "         to create unique UDQN Ids.\n\n",
                 id, file);
  }
  G.udqn.pending.id = id;
}

// At "UDQN End": the example string is matched as a source line would be.
void TestExample(const UdqnState& state, UdqnDefinition& d) {
  if (!d.compiled) {
    d.test_result = "Pattern Compile Error";
    return;
  }
  int start = -1;
  int end = -1;
  if (!MatchUdqnPattern(*d.compiled, d.example.data(),
                        static_cast<int>(d.example.size()), state.exec_options,
                        start, end)) {
    d.test_result = "No Match";
    return;
  }
  char text[96];
  std::snprintf(text, sizeof text, "Expression Match: Start[%d] End[%d] Span[%d]",
                start + 1, end, end - start);
  d.test_result = text;
}

// The keys that add a compile or execution option.
bool ReadOption(UdqnState& state, std::string_view key, std::string_view value) {
  static const struct {
    const char* key;
    int flag;
    bool exec;
  } kOptions[] = {
      {"REG_ICASE", REG_ICASE, false},   {"REG_NEWLINE", REG_NEWLINE, false},
      {"REG_NOSUB", REG_NOSUB, false},   {"REG_EXTENDED", REG_EXTENDED, false},
      {"REG_NOTBOL", REG_NOTBOL, true},  {"REG_NOTEOL", REG_NOTEOL, true},
  };
  for (const auto& option : kOptions) {
    if (!Is(key, option.key)) continue;
    if (YesValue(value)) (option.exec ? state.exec_options : state.compile_options) |= option.flag;
    return true;
  }
  return false;
}

// The keys that fill the definition being read; false for other keys.
bool ReadDefinitionKey(GlobalData& G, std::string_view key, std::string_view value,
                       const std::string& file) {
  UdqnDefinition& d = G.udqn.pending;
  if (Is(key, "UDQN Identifier") || Is(key, "udqn id")) {
    SetId(G, value, file);
  } else if (Is(key, "active")) {
    d.active = YesValue(value);
  } else if (Is(key, "sources")) {
    ReadSources(value, d.sources);
  } else if (Is(key, "context")) {
    d.context = ReadContext(value);
  } else if (Is(key, "pattern")) {
    d.pattern = value;
    d.compiled = CompileUdqnPattern(d.pattern, G.udqn.compile_options, d.compile_result);
  } else if (Is(key, "string")) {
    d.example = value;
  } else if (Is(key, "message")) {
    d.message = value;
  } else if (Is(key, "summary")) {
    d.summary = value;
  } else if (Is(key, "set flags")) {
    ReadFlagList(value, d.set_flags);
  } else if (Is(key, "check flags")) {
    ReadFlagList(value, d.check_flags);
  } else if (Is(key, "!check flags")) {
    ReadFlagList(value, d.not_check_flags);
  } else if (Is(key, "clear flags")) {
    ReadFlagList(value, d.clear_flags);
  } else if (Is(key, "emit eof flag")) {
    d.emit_eof = YesValue(value);
  } else if (Is(key, "silent flag")) {
    d.silent = YesValue(value);
  } else {
    return false;
  }
  return true;
}

// "include": a name without a directory part lives beside the main file.
std::string IncludePath(const GlobalData& G, std::string_view value) {
  std::string name(value);
  if (name.find_first_of("/\\") != std::string::npos) return name;
  const std::string& main = G.udqn.main_file;
  const size_t slash = main.find_last_of("/\\");
  return slash == std::string::npos ? name : main.substr(0, slash + 1) + name;
}

void Announce(GlobalData& G, const std::string& path, bool included) {
  if (!G.sw.notices || G.sw.no_config) return;
  const char* label = included ? "UDQN Inc. File" : "UDQN File";
  switch (G.sw.Format()) {
    case ReportFormat::kText:
      Print(G, included ? "  %s: %s\n" : "  %s   : %s\n", label, path.c_str());
      break;
    case ReportFormat::kHtml:
      Print(G, included ? "  <b><font color=\"%s\">%s</font></b>: %s\n"
                        : "  <b><font color=\"%s\">%s</font></b>   : %s\n",
            Color(G, kColorHeader), label, HtmlText(path).c_str());
      break;
    case ReportFormat::kCsv:
      Print(G, "%s,%s\n", label, CsvField(path).c_str());
      break;
    case ReportFormat::kXml:
      Print(G, included ? "<udqn_include_file>%s</udqn_include_file>\n"
                        : "<udqn_file>%s</udqn_file>\n",
            XmlEscape(path).c_str());
      break;
  }
}

}  // namespace

void ParseUdqnLine(GlobalData& G, std::string_view line, const std::string& file_name) {
  // "UDQN Begin" and "UDQN End" need no colon; other lines without one are
  // ignored.
  const size_t colon = line.find(':');
  const std::string_view key = Trimmed(line.substr(0, colon));
  const std::string_view value =
      colon == std::string_view::npos ? std::string_view() : Trimmed(line.substr(colon + 1));
  UdqnState& state = G.udqn;
  if (Is(key, "UDQN Begin")) {
    state.pending = UdqnDefinition();  // one begun and not ended is dropped
    state.in_block = true;
    return;
  }
  if (Is(key, "UDQN End")) {
    if (!state.in_block) return;
    TestExample(state, state.pending);
    state.definitions.push_back(std::move(state.pending));
    state.pending = UdqnDefinition();
    state.in_block = false;
    return;
  }
  if (colon == std::string_view::npos) return;
  if (Is(key, "include")) {
    if (state.include_depth < kMaxIncludeDepth) LoadUdqnFile(G, IncludePath(G, value), true, true);
    return;
  }
  if (ReadOption(state, key, value)) return;
  // Definition keys outside a block have nothing to fill and are ignored.
  if (state.in_block) ReadDefinitionKey(G, key, value, file_name);
}

void LoadUdqnFile(GlobalData& G, const std::string& path, bool named, bool included) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    const int error = errno;
    if (named) {
      Print(G,
            "\n  Error: Problem opening User Defined Quality Notice file:\n"
            "         %s\n         For modification, %s\n\n",
            MessageName(G, path).c_str(), std::strerror(error));
    }
    return;
  }
  if (!included) G.udqn.main_file = path;
  Announce(G, path, included);
  ++G.udqn.include_depth;
  std::string line;
  while (std::getline(in, line)) ParseUdqnLine(G, line, path);
  --G.udqn.include_depth;
  if (!included) G.udqn.in_block = false;  // an unended block is dropped
}

void LoadConfiguredUdqns(GlobalData& G) {
  UdqnState& state = G.udqn;
  if (state.loaded) return;
  state.loaded = true;
  LoadUdqnFile(G, G.run.udqn_path, !G.settings.udqn_file.empty());
  for (const UdqnDefinition& d : state.definitions) {
    if (!d.active) continue;
    state.line_pass = true;
    if (d.context != UdqnContext::kLine && d.context != UdqnContext::kUnset) {
      state.wants_split_texts = true;
    }
  }
}

}  // namespace zav
