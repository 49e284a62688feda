#include "quality/udqn_apply.h"

#include <strings.h>

#include <cstring>

#include "quality/notices.h"
#include "quality/udqn_pattern.h"
#include "report/machine_output.h"
#include "report/framework.h"
#include "base/csv_field.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

constexpr char kEofText[] = "UDQN eof";

// The extension of a file name: the text after the last "." of its last
// path component, before a version suffix "@@..." when there is one.
std::string_view ExtensionOf(std::string_view name) {
  const size_t at = name.find("@@");
  if (at != std::string_view::npos) name = name.substr(0, at);
  const size_t slash = name.find_last_of("/\\");
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

bool NamesExtension(const UdqnDefinition& d, std::string_view extension,
                    bool case_sensitive) {
  if (extension.empty()) return false;
  for (const std::string& source : d.sources) {
    if (source.size() != extension.size()) continue;
    if (case_sensitive ? source == extension
                       : strncasecmp(source.data(), extension.data(), source.size()) == 0) {
      return true;
    }
  }
  return false;
}

bool FlagsAllow(const UdqnState& state, const UdqnDefinition& d) {
  for (int16_t flag : d.check_flags) {
    if (!state.flags[flag]) return false;
  }
  for (int16_t flag : d.not_check_flags) {
    if (state.flags[flag]) return false;
  }
  return true;
}

// The text a definition reads from the current line.
bool ContextText(const GlobalData& G, UdqnContext context, const char* line, int length,
                 const char*& text, int& text_length) {
  const LexState& L = G.lex;
  switch (context) {
    case UdqnContext::kLine: text = line; text_length = length; return true;
    case UdqnContext::kCode: text = L.code_text.text; text_length = L.code_text.length; return true;
    case UdqnContext::kComment:
      text = L.comment_text.text; text_length = L.comment_text.length; return true;
    case UdqnContext::kString:
      text = L.string_text.text; text_length = L.string_text.length; return true;
    case UdqnContext::kUnset: break;
  }
  return false;
}

bool ReadsSplitText(UdqnContext context) {
  return context == UdqnContext::kCode || context == UdqnContext::kComment ||
         context == UdqnContext::kString;
}

// Tests one definition; on a match its flags are set and cleared and,
// unless it is silent, the notice is counted and written.
void TryDefinition(GlobalData& G, UdqnDefinition& d, const char* line, int length,
                   int32_t line_number) {
  UdqnState& state = G.udqn;
  if (!d.may_match || !FlagsAllow(state, d)) return;
  const char* text = nullptr;
  int text_length = 0;
  if (!ContextText(G, d.context, line, length, text, text_length)) return;
  if (!MatchUdqnPattern(*d.compiled, text, text_length, state.exec_options, d.match_start,
                        d.match_end)) {
    return;
  }
  for (int16_t flag : d.set_flags) state.flags[flag] = true;
  for (int16_t flag : d.clear_flags) state.flags[flag] = false;
  if (d.silent) return;
  ++d.count;
  ++G.file.quality_notice_count;
  ++G.notices.total_emitted;
  EmitUdqn(G, d, std::string_view(line, length), line_number);
}

const char* CurrentFileName(const GlobalData& G) {
  return G.current_entry != nullptr ? G.current_entry->name.c_str() : "";
}

void AppendValue(std::string& out, std::string_view value, bool html) {
  if (!html) {
    out += value;
    return;
  }
  out += "<b>";
  out += HtmlText(value);
  out += "</b>";
}

void WriteVerbose(GlobalData& G, const UdqnDefinition& d, const UdqnMessageValues& values) {
  const bool html = G.sw.Format() == ReportFormat::kHtml;
  if (html) {
    Print(G, "\n    <font color=\"%s\"><b>Notice</b></font> #%d: ", Color(G, kColorNotice),
          d.id);
  } else if (G.sw.Format() == ReportFormat::kCsv) {
    PutText(G, ExpandUdqnMessageCsv("\n    Notice #" + std::to_string(d.id) + ": ", d.message,
                                    values) +
                   "\n");
    return;
  } else {
    Print(G, "\n    Notice #%d: ", d.id);
  }
  // Like every built-in verbose text, the notice ends with a line end.
  PutText(G, ExpandUdqnMessage(d.message, values, html) + "\n");
}

void WriteOneLine(GlobalData& G, const UdqnDefinition& d, const char* file, int32_t line) {
  const Switches& sw = G.sw;
  const char* summary = d.summary.c_str();
  if (sw.notice_visual_studio) {
    WriteIdeNoticeLine(G, file, line, d.id, d.summary);
  } else if (sw.Format() == ReportFormat::kHtml) {
    Print(G, "  <font color=%s><b>Notice</b></font> <b>#%4d</b>: Line <b>%d</b>, %s\n",
          Color(G, kColorNotice), d.id, line, HtmlText(d.summary).c_str());
  } else if (sw.Format() == ReportFormat::kCsv) {
    Print(G, "Notice #,%4d,Line,%d,%s\n", d.id, line, CsvField(d.summary).c_str());
  } else if (sw.Format() == ReportFormat::kXml) {
    if (!sw.totals_no_file_names) {
      Print(G,
            "<notice>\n<type>%d</type>\n<line>%d</line>\n"
            "<description>%s</description></notice>\n",
            d.id, line, XmlEscape(d.summary).c_str());
    }
  } else {
    Print(G, "  Notice #%4d: Line %d, %s\n", d.id, line, summary);
  }
  AddNoticeToList(G, file, line, d.id);
}

}  // namespace

namespace {

// Walks a message, handing its literal pieces (a "\n" already turned into
// a line end and the indent) and its replaced values to the two callbacks.
template <typename LiteralFn, typename ValueFn>
void WalkUdqnMessage(std::string_view message, const UdqnMessageValues& values,
                     LiteralFn&& literal_piece, ValueFn&& value) {
  static const struct {
    const char* name;
    std::string_view UdqnMessageValues::*value;
  } kNames[] = {
      {"_FILE_", &UdqnMessageValues::file},
      {"_LINE_", &UdqnMessageValues::line_text},
      {"_FUNC_", &UdqnMessageValues::function},
      {"_CLASS_", &UdqnMessageValues::class_name},
  };
  size_t literal = 0;  // start of the literal text not yet copied
  auto flush = [&](size_t end) { literal_piece(message.substr(literal, end - literal)); };
  for (size_t i = 0; i < message.size();) {
    const std::string_view rest = message.substr(i);
    size_t used = 0;
    if (rest.size() >= 2 && rest[0] == '\\' && rest[1] == 'n') {
      flush(i);
      literal_piece("\n           ");
      used = 2;
    } else if (rest.substr(0, 7) == "_LINE#_") {
      flush(i);
      value(std::to_string(values.line));
      used = 7;
    } else {
      for (const auto& name : kNames) {
        const size_t n = std::strlen(name.name);
        if (rest.substr(0, n) != name.name) continue;
        flush(i);
        value(values.*name.value);
        used = n;
        break;
      }
    }
    if (used == 0) {
      ++i;
      continue;
    }
    i += used;
    literal = i;
  }
  flush(message.size());
}

}  // namespace

std::string ExpandUdqnMessage(std::string_view message, const UdqnMessageValues& values,
                              bool html) {
  std::string out;
  WalkUdqnMessage(
      message, values,
      [&](std::string_view piece) { out += html ? HtmlText(piece) : std::string(piece); },
      [&](std::string_view value) { AppendValue(out, value, html); });
  return out;
}

// In CSV the message's own commas and line ends separate fields, and each
// value filled in stays inside the field it stands in, quoted as needed.
std::string ExpandUdqnMessageCsv(std::string_view head, std::string_view message,
                                 const UdqnMessageValues& values) {
  CsvFormWriter csv;
  csv.Literal(head);
  WalkUdqnMessage(
      message, values, [&](std::string_view piece) { csv.Literal(piece); },
      [&](std::string_view value) { csv.Value(value); });
  return csv.Finish();
}

void StartUdqnFile(GlobalData& G, const std::string& file_name) {
  UdqnState& state = G.udqn;
  state.flags.fill(false);
  state.line_definitions.clear();
  state.eof_definitions.clear();
  if (!state.line_pass) return;
  const std::string_view extension = ExtensionOf(file_name);
  const bool case_sensitive = G.settings.case_sensitive_names;
  // A definition that is inactive, did not compile, has no context or no
  // source naming this extension can never match in this file.
  for (UdqnDefinition& d : state.definitions) {
    d.applies = d.active && d.compiled && d.context != UdqnContext::kUnset &&
                NamesExtension(d, extension, case_sensitive);
    if (d.applies) (d.emit_eof ? state.eof_definitions : state.line_definitions).push_back(&d);
  }
}

bool PrefilterUdqnLine(GlobalData& G, const char* line, int length) {
  UdqnState& state = G.udqn;
  if (state.line_definitions.empty()) return false;  // none for this file
  state.line_bytes.Mark(line, length);
  bool split = false;
  for (UdqnDefinition* d : state.line_definitions) {
    d->may_match = MayMatchUdqnPattern(*d->compiled, line, length, state.line_bytes);
    if (d->may_match && ReadsSplitText(d->context)) split = true;
  }
  return split;
}

// Quality skip tokens silence user-defined notices too: between them no
// definition is tested, so no flag changes either.
void ApplyUdqns(GlobalData& G, const char* line, int length, int32_t line_number) {
  if (G.reader.quality_skipping) return;
  for (UdqnDefinition* d : G.udqn.line_definitions) {
    TryDefinition(G, *d, line, length, line_number);
  }
}

void ApplyUdqnsAtFileEnd(GlobalData& G) {
  if (G.reader.quality_skipping) return;
  const int length = static_cast<int>(sizeof kEofText - 1);
  for (UdqnDefinition* d : G.udqn.eof_definitions) {
    d->may_match = true;
    TryDefinition(G, *d, kEofText, length, G.reader.line_number);
  }
}

void EmitUdqn(GlobalData& G, const UdqnDefinition& d, std::string_view line_text,
              int32_t line_number) {
  const Switches& sw = G.sw;
  const char* file = CurrentFileName(G);
  if (MachineActive(G)) {  // the JSON or SARIF document takes the notice
    RecordMachineNotice(G, d.id, line_number, file, nullptr, 0, nullptr);
    return;
  }
  if (sw.notices && !sw.totals_only) {
    if (!sw.notice_single_line && !sw.notice_visual_studio) {
      UdqnMessageValues values;
      values.file = file;
      values.line_text = line_text;
      values.line = line_number;
      if (G.func.in_body) values.function = G.func.name;
      if (G.scope.in_class) values.class_name = G.scope.cls.name;
      WriteVerbose(G, d, values);
      return;
    }
  } else if (!sw.notice_collect) {
    return;
  }
  WriteOneLine(G, d, file, line_number);
}

const char* UdqnSummary(const GlobalData& G, int id) {
  for (const UdqnDefinition& d : G.udqn.definitions) {
    if (d.id == id) return d.summary.c_str();
  }
  return nullptr;
}

int UdqnTotal(const GlobalData& G) {
  int total = 0;
  for (const UdqnDefinition& d : G.udqn.definitions) {
    if (d.active) total += d.count;
  }
  return total;
}

}  // namespace zav
