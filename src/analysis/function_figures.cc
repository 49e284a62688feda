// A function's figures: the decisions and return points counted while its
// body runs, and the record made when the body closes: measured, checked,
// added to the file's totals and rolled up into its class and namespace.
#include <algorithm>
#include <string>
#include <string_view>

#include "analysis/function.h"
#include "analysis/scope.h"
#include "analysis/structure.h"
#include "base/complexity.h"
#include "base/line_text.h"
#include "quality/checks.h"
#include "report/machine_output.h"
#include "report/structure_output.h"

namespace zav {
namespace {

void AddMethodFigures(MetricRecord& r, const FunctionRecord& f, bool with_sizes) {
  if (with_sizes) {
    r.loc += f.loc;
    r.eloc += f.eloc;
    r.lloc += f.lloc;
    r.comments += f.comments;
    r.lines += f.lines;
  }
  r.params += f.params;
  r.returns += f.returns;
  r.interface_complexity += f.interface_complexity;
  r.cyclomatic += f.cyclomatic;
  r.functional_complexity += f.functional_complexity;
  r.methods += 1.0;
}

// Adds a method defined outside its class (A::f) to its class and to every
// enclosing class.
void AddFunctionToClass(GlobalData& G, const FunctionRecord& f) {
  const bool cpp = !(G.lang.flags.java || G.lang.flags.csharp);
  std::string qualifier = f.name;
  size_t op = qualifier.find("::operator");
  if (op != std::string::npos) qualifier.resize(op + 2);
  bool first = true;
  while (true) {
    size_t cut = cpp ? qualifier.rfind("::") : qualifier.rfind('.');
    if (cut == std::string::npos) return;
    qualifier.resize(cut);
    if (cpp && first) {
      size_t angle = qualifier.find('<');
      if (angle != std::string::npos) qualifier.resize(angle);
    }
    first = false;
    if (qualifier.empty()) return;
    std::string in_namespace;
    if (!G.scope.namespace_name.empty()) {
      in_namespace = G.scope.namespace_name + QualifierSeparator(G) + qualifier;
    }
    ClassRecord* record = nullptr;
    if (!in_namespace.empty()) record = FindOrCreateClass(G, in_namespace, false);
    if (record == nullptr) record = FindOrCreateClass(G, qualifier, false);
    if (record == nullptr && !G.lists.namespace_index.contains(qualifier) &&
        (in_namespace.empty() || !G.lists.namespace_index.contains(in_namespace))) {
      record = FindOrCreateClass(G, in_namespace.empty() ? qualifier : in_namespace, true);
    }
    if (record != nullptr) AddMethodFigures(*record, f, true);
  }
}

void UpdateFileTotals(FileMetrics& t, const FunctionRecord& r) {
  t.func_loc_sum += r.loc;
  t.func_eloc_sum += r.eloc;
  t.func_lloc_sum += r.lloc;
  t.func_comment_sum += r.comments;
  t.func_blank_sum += r.blanks;
  t.func_lines_sum += r.lines;
  t.func_vg_sum += r.cyclomatic;
  t.func_returns_sum += r.returns;
  t.func_params_sum += r.params;
  t.func_interface_sum += r.interface_complexity;
  t.func_complexity_sum += r.functional_complexity;
  t.func_vg_max = std::max<int64_t>(t.func_vg_max, r.cyclomatic);
  t.func_complexity_max = std::max<int64_t>(t.func_complexity_max, r.functional_complexity);
  t.func_loc_max = std::max<int64_t>(t.func_loc_max, r.loc);
  t.func_eloc_max = std::max<int64_t>(t.func_eloc_max, r.eloc);
  t.func_lloc_max = std::max<int64_t>(t.func_lloc_max, r.lloc);
  t.func_params_max = std::max<int64_t>(t.func_params_max, r.params);
  t.func_returns_max = std::max<int64_t>(t.func_returns_max, r.returns);
}

}  // namespace

int ComputeCyclomatic(const GlobalData& G, const DecisionCounts& c) {
  const Settings& s = G.settings;
  int vg = s.cyclo_function_call ? 1 : 0;
  if (s.cyclo_while) vg += c.whiles;
  if (s.cyclo_for) vg += c.fors;
  if (s.cyclo_switch) vg += c.switches;
  if (s.cyclo_case) vg += c.cases;
  if (s.cyclo_if) vg += c.ifs;
  if (s.cyclo_else) vg += c.elses;
  if (s.cyclo_ternary) vg += c.ternaries;
  if (s.cyclo_goto) vg += c.gotos;
  if (s.cyclo_or) vg += c.logical_or;
  if (s.cyclo_and) vg += c.logical_and;
  return vg;
}

void EndFunction(GlobalData& G) {
  FunctionState& F = G.func;
  ScopeState& S = G.scope;
  const FileMetrics& f = G.file;
  // The record is kept in G.func, and the parameter and template texts are
  // moved to it (the record's earlier room goes to G.func, which empties it
  // below, so both keep their room from function to function); the name is
  // copied: notices raised on the way name the function from G.func.
  FunctionRecord& r = F.finished;
  r.kind = RecordKind::kFunction;
  r.name = F.name;
  r.parameters = std::move(F.parameters);
  r.template_text = std::move(F.template_text);
  if (G.current_entry != nullptr) {
    r.file_name.assign(G.current_entry->name);
  } else {
    r.file_name.clear();
  }
  r.line = F.header_line;
  r.last_line = G.reader.line_number;
  MeasureSinceSnapshot(G, F.start, F.counts.fors, r);
  r.lines = G.reader.line_number - F.start_line + 1;
  r.params = F.param_count;
  r.returns = F.returns == 0 ? 1 : F.returns;
  r.cyclomatic = ComputeCyclomatic(G, F.counts);
  r.interface_complexity = InterfaceComplexity(r.params, r.returns);
  r.functional_complexity = TotalComplexity(r.params, r.returns, r.cyclomatic);

  FunctionFigures figures;
  figures.spaces = f.spaces_count - F.start.spaces;
  figures.characters = f.characters_count - F.start.characters;
  figures.fall_through = f.fall_through_count - F.fall_through_start;
  CheckFunctionEnd(G, r, figures);
  UpdateFileTotals(G.file, r);

  // "::", "." and ":" in the name; most names hold none.
  const std::string_view name = r.name;
  const size_t first_colon = name.find(':');
  const bool colon = first_colon != std::string_view::npos;
  const bool qualified_cpp = colon && name.find("::", first_colon) != std::string_view::npos;
  const bool qualified_dot = name.find('.') != std::string_view::npos;
  const bool plain = !qualified_dot && !colon;
  // A qualified name's namespace is looked for only where one may be found
  // and its figures are read.
  const bool namespaces = !G.lists.namespace_index.empty() && G.lists.keep_namespace_figures;
  if (F.in_class_body && S.in_class) {
    if (S.cls.class_record == nullptr) S.cls.class_record = FindOrCreateClass(G, S.cls.name, false);
    if (ClassRecord* c = S.cls.class_record) {
      AddMethodFigures(*c, r, false);
    }
    S.cls.params += r.params;
    S.cls.returns += r.returns;
    S.cls.cyclomatic += r.cyclomatic;
    if (qualified_cpp || qualified_dot) AddFunctionToClass(G, r);
    if (plain) {
      AddFunctionToNamespaceOf(G, S.cls.name, r, true);
    } else if (namespaces) {
      const std::string_view separator = QualifierSeparator(G);
      std::string qualified;
      qualified.reserve(S.cls.name.size() + separator.size() + r.name.size());
      qualified.append(S.cls.name).append(separator).append(r.name);
      AddToNamespace(G, std::move(qualified), r, false, true);
    }
  } else {
    if (qualified_cpp) AddFunctionToClass(G, r);
    if (plain) {
      // A plain name outside any namespace rolls up into none.
      if (!S.namespace_name.empty()) AddFunctionToNamespaceOf(G, S.namespace_name, r, false);
    } else if (namespaces) {
      std::string qualified = r.name;
      if (!S.namespace_name.empty()) qualified = S.namespace_name + QualifierSeparator(G) + r.name;
      AddToNamespace(G, std::move(qualified), r, false, false);
    }
  }

  const bool taken = TakeMachineFunction(G, r);
  WriteFunctionEnd(G, r);
  if (!taken) G.lists.functions.push_back(r);

  F.header_pending = false;
  F.in_body = false;
  F.name.clear();
  F.prefix.clear();
  F.parameters.clear();
  F.template_text.clear();
  G.lex.conditional_directive = false;
  UpdateCollecting(G);
}

void FunctionWord(GlobalData& G, const char* line, int start, int end,
                  Word word) {
  FunctionState& F = G.func;
  if (!F.in_body || G.lex.preprocessor_line || !KeywordBefore(line, start)) return;
  DecisionCounts& c = F.counts;
  switch (word) {
    case Word::kWhile:
      if (KeywordAfter(line, end, "(")) ++c.whiles;
      break;
    case Word::kFor:
    case Word::kForeach:
      if (KeywordAfter(line, end, "(")) ++c.fors;
      break;
    case Word::kSwitch:
      if (KeywordAfter(line, end, "(")) ++c.switches;
      break;
    case Word::kCase:
      if (KeywordAfter(line, end, ":(")) ++c.cases;
      break;
    case Word::kDefault:
      if (KeywordAfter(line, end, ":")) ++c.defaults;
      break;
    case Word::kIf:
      if (KeywordAfter(line, end, "(")) ++c.ifs;
      break;
    case Word::kElse:
      if (KeywordAfter(line, end, "{") && !NextWordIs(line, end, "if")) ++c.elses;
      break;
    case Word::kGoto:
      if (KeywordAfter(line, end, "")) {
        ++c.gotos;
        if (G.settings.goto_is_return_point) ++F.returns;
      }
      break;
    case Word::kOr:
      if (KeywordAfter(line, end, "(")) ++c.logical_or;
      break;
    case Word::kAnd:
      if (KeywordAfter(line, end, "(")) ++c.logical_and;
      break;
    case Word::kBreak:
      if (KeywordAfter(line, end, ";")) ++c.breaks;
      break;
    case Word::kReturn:
      if (KeywordAfter(line, end, ";(")) ++F.returns;
      break;
    case Word::kExit:
    case Word::kUnderscoreExit:
    case Word::kAbort:
      if (KeywordAfter(line, end, "(")) ++F.returns;
      break;
    case Word::kThrow:
      if (G.lang.flags.c && KeywordAfter(line, end, "(;")) ++F.returns;
      break;
    default:
      break;
  }
}

void FunctionCharacter(GlobalData& G, const char* line, int i) {
  if (G.lex.preprocessor_line) return;  // "#if A && B" decides nothing
  DecisionCounts& c = G.func.counts;
  const char ch = line[i];
  const char prev = i > 0 ? line[i - 1] : '\0';
  if (ch == '?' && line[i + 1] != '?' && prev != '?') ++c.ternaries;
  if (ch == '|' && line[i + 1] == '|' && prev != '|') ++c.logical_or;
  if (ch == '&' && line[i + 1] == '&' && prev != '&') ++c.logical_and;
}

}  // namespace zav
