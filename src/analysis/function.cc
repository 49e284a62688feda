#include "analysis/function.h"

#include <algorithm>
#include <iterator>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "analysis/header_rules.h"
#include "base/line_text.h"
#include "base/complexity.h"
#include "analysis/scope.h"
#include "analysis/structure.h"
#include "report/structure_output.h"
#include "quality/checks.h"

namespace zav {
namespace {

// Words that take a parenthesised argument but never name a function. The
// first thirteen are the type and keyword names a macro can be confused
// with; the rest are keywords of the four languages.
constexpr const char* kSystemTypes[] = {
    "unsigned", "char", "short", "int", "long", "float", "double",
    "void", "signed", "while", "if", "else", "for"};
constexpr const char* kOtherKeywords[] = {
    "return", "switch", "sizeof", "catch", "foreach", "throw", "new",
    "delete", "typeof", "decltype", "using", "lock", "synchronized",
    "defined", "alignof", "alignas", "static_assert", "noexcept", "case",
    "do", "try", "fixed", "checked", "unchecked", "nameof", "default"};

struct ScannedName {
  std::string name;
  int start = 0;  // position of the name's first character
  int end = 0;    // position after its last character
};

// Scans backwards from line[from] for a function name: blanks, carriage
// returns and ")" are skipped, then characters are taken up to a blank,
// "(", "*", "&" or the line start; "<...>" is taken whole without blanks,
// a block comment is skipped and "A :: f" is joined.
ScannedName ScanNameBackward(const char* line, int from) {
  ScannedName result;
  int j = from;
  while (j >= 0 && (line[j] == ' ' || line[j] == '\t' || line[j] == '\r' ||
                    line[j] == ')')) {
    --j;
  }
  result.end = j + 1;
  std::string reversed;
  while (j >= 0) {
    const char c = line[j];
    if (c == '/' && j > 0 && line[j - 1] == '*') {
      int k = j - 2;
      while (k > 0 && !(line[k - 1] == '/' && line[k] == '*')) --k;
      // A comment end with no opening before it on the line (such as a
      // line that starts "*/") ends the scan at the line's start.
      j = k > 0 ? k - 2 : -1;
      while (j >= 0 && IsBlank(line[j])) --j;
      if (reversed.empty()) result.end = j + 1;
      continue;
    }
    if (c == '>') {
      int depth = 0;
      for (; j >= 0; --j) {
        const char d = line[j];
        if (d == '>') ++depth;
        if (d == '<') --depth;
        if (d != ' ' && d != '\t') reversed.push_back(d);
        if (depth == 0) {
          --j;
          break;
        }
      }
      continue;
    }
    if (IsBlank(c)) {
      int k = j;
      while (k >= 0 && IsBlank(line[k])) --k;
      const bool colon_before = k >= 1 && line[k] == ':' && line[k - 1] == ':';
      const size_t n = reversed.size();
      const bool colon_after = n >= 2 && reversed[n - 1] == ':' && reversed[n - 2] == ':';
      if ((colon_before || colon_after) && !reversed.empty()) {
        j = k;
        continue;
      }
      break;
    }
    if (c == '(' || c == '*' || c == '&') break;
    reversed.push_back(c);
    --j;
  }
  result.start = j + 1;
  result.name.assign(reversed.rbegin(), reversed.rend());
  return result;
}

// "operator" as a whole word before the parenthesis: the name is the
// qualifier, "operator" and the operator's symbols.
bool FindOperator(const char* line, int paren, ScannedName& out) {
  int op = -1;
  for (int k = paren - 8; k >= 0; --k) {
    if (std::strncmp(line + k, "operator", 8) == 0 &&
        (k == 0 || !IsIdentChar(static_cast<unsigned char>(line[k - 1]))) &&
        !IsIdentChar(static_cast<unsigned char>(line[k + 8]))) {
      op = k;
      break;
    }
  }
  if (op < 0) return false;
  std::string symbols = CollapseBlanks(std::string(line + op + 8, paren - op - 8), " \t");
  if (symbols.empty() && line[paren + 1] == ')') symbols = "()";
  std::string name = "operator";
  if (!symbols.empty() && IsIdentChar(static_cast<unsigned char>(symbols[0]))) {
    name += ' ';
  }
  name += symbols;
  int q = op;
  while (q > 0) {
    const char c = line[q - 1];
    if (IsIdentChar(static_cast<unsigned char>(c)) || c == ':' || c == '<' ||
        c == '>' || c == '~') {
      --q;
    } else {
      break;
    }
  }
  out.name = std::string(line + q, op - q) + name;
  out.start = q;
  out.end = paren;
  return true;
}

// The words of kSystemTypes and kOtherKeywords, for constant-time lookup.
const NameSet& RejectedWords() {
  static const NameSet words = [] {
    NameSet set;
    for (const char* word : kSystemTypes) set.insert(word);
    for (const char* word : kOtherKeywords) set.insert(word);
    return set;
  }();
  return words;
}

// A rejected word that is a keyword of the file's language: "try" can
// name a C function, "delete" or "lock" a Java method.
bool IsKeywordOf(const GlobalData& G, const std::string& name) {
  static const NameSet c_words = [] {
    NameSet set;
    for (const char* word : kSystemTypes) set.insert(word);
    for (const char* word : {"return", "switch", "sizeof", "defined", "alignof", "alignas",
                             "static_assert", "case", "do", "default", "typeof"}) {
      set.insert(word);
    }
    return set;
  }();
  static const NameSet java_words = [] {
    NameSet set;
    for (const char* word : kSystemTypes) set.insert(word);
    for (const char* word : {"return", "switch", "catch", "throw", "new", "synchronized",
                             "case", "do", "try", "default"}) {
      set.insert(word);
    }
    return set;
  }();
  if (G.lang.flags.c) return c_words.contains(name);
  if (G.lang.flags.java) return java_words.contains(name);
  return true;
}

bool NameAccepted(GlobalData& G, const ScannedName& scanned, bool is_operator,
                  const char* line) {
  const std::string& name = scanned.name;
  if (!ValFunctionName(G, name, is_operator)) return false;
  if (RejectedWords().contains(name) && IsKeywordOf(G, name)) {
    const bool system_type =
        std::find(std::begin(kSystemTypes), std::end(kSystemTypes), name) !=
        std::end(kSystemTypes);
    if (system_type && G.sw.debug) {
      std::printf(
          "*** Debug:\n  Warning: Line No. %d\n           Function name is a "
          "system type - %s\n           This may occur if a macro name is "
          "equivalent\n           to a function name.  Functional analysis "
          "has\n           been skipped by ZAV.\n\n",
          G.reader.line_number, name.c_str());
    }
    return false;
  }
  if (G.lang.flags.csharp && name.find('[') != std::string::npos) return false;
  // A macro name standing before its own parameter list ("STRCPY (...)")
  // is a header candidate like any capital name; elsewhere it is not a name.
  if (G.lists.macro_names.contains(name) &&
      (line[SkipBlanks(line, scanned.end)] != '(' || IsHeaderQualifier(name))) {
    return false;
  }
  if (IsHeaderQualifier(name)) return false;  // "requires (...)", "noexcept (...)"
  if (scanned.start > 0 && line[scanned.start - 1] == '@') return false;  // annotation
  return true;
}

// A lone ":" in the text collected after a pending struct keyword: the
// struct has a base clause, so a "(" in it is no function header.
bool PendingStructHasBase(const ScopeState& S) {
  const TextBuffer& t = S.class_header;
  for (int k = 0; k < t.length; ++k) {
    if (t.text[k] != ':') continue;
    if (k + 1 < t.length && t.text[k + 1] == ':') {
      ++k;
      continue;
    }
    return true;
  }
  return false;
}

bool HeaderCandidateAllowed(const GlobalData& G) {
  const FileMetrics& f = G.file;
  const ScopeState& S = G.scope;
  const bool enum_constants = S.enum_constants && S.brace_overflow == 0 &&
                              S.brace_depth > 0 &&
                              S.braces[S.brace_depth - 1] == BraceKind::kEnum;
  return f.open_bracket_count == f.close_bracket_count &&
         f.open_paren_count == f.close_paren_count && !G.lex.preprocessor_line &&
         !G.lex.define_line && !S.template_open && !S.where_clause &&
         !G.func.assignment_seen && AtDeclarationLevel(G) && !enum_constants &&
         !S.namespace_pending &&  // "namespace std VISIBILITY(default) {"
         !(S.class_pending &&
           (S.pending_kind != ClassKind::kStruct || PendingStructHasBase(S)));
}

void CancelHeader(GlobalData& G) {
  FunctionState& F = G.func;
  F.header_pending = false;
  F.in_header = false;
  F.name.clear();
  F.prefix.clear();
  F.template_text.clear();
  F.header_text.Clear();
  F.init_brace_depth = 0;
  UpdateCollecting(G);
}

void AcceptHeader(GlobalData& G, const char* line) {
  FunctionState& F = G.func;
  F.header_pending = true;
  F.in_header = true;
  F.params_closed = false;
  F.paren_after_params = false;
  F.non_ansi = false;
  F.by_directive = false;
  F.void_seen = false;
  F.header_paren_depth = 1;
  F.init_brace_depth = 0;
  F.alternative_branch = false;
  F.params_end = 0;
  F.header_line = G.reader.line_number;
  F.header_text.Assign("(");
  F.template_text = G.scope.template_text;
  G.scope.template_text.clear();
  F.comments_before_header = G.lex.consecutive_comment_lines;
  F.probable_macro = F.name == FirstIdentifier(line, 0);
  G.scope.class_pending = false;  // "struct foo *f(void)" returns a struct
  UpdateCollecting(G);
}

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

// The first balanced "(...)" group of a parameter text.
std::string FirstGroup(const std::string& p) {
  int depth = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    if (p[i] == '(') ++depth;
    if (p[i] == ')' && --depth == 0) return p.substr(0, i + 1);
  }
  return p;
}

// The position after the ")" that closes the "(" at line[paren], or -1.
int GroupEnd(const char* line, int paren) {
  int depth = 0;
  for (int k = paren; line[k] != '\0'; ++k) {
    if (line[k] == '(') ++depth;
    if (line[k] == ')' && --depth == 0) return k + 1;
  }
  return -1;
}

// "__attribute__((noreturn)) die(", "__declspec(dllexport) int f(",
// "decltype(x) g(": a macro, attribute or keyword group before the name.
bool PrefixGroup(const GlobalData& G, const char* line, int paren) {
  const std::string_view word = WordBefore(line, paren);
  if (word.empty()) return false;
  if (!IsHeaderQualifier(word) && !G.lists.macro_names.contains(word) &&
      !RejectedWords().contains(std::string(word))) {
    return false;
  }
  // A "(" must follow on the line before any "{" or ";": "TEST(a, b) { f(); }"
  // is a definition, not a prefix.
  const int end = GroupEnd(line, paren);
  if (end < 0) return false;
  const char* next = std::strpbrk(line + end, "({;");
  return next != nullptr && *next == '(';
}

}  // namespace

bool CompactConstructor(const GlobalData& G) {
  const ScopeState& S = G.scope;
  if (!G.lang.flags.java || !S.cls.record || G.func.in_header) return false;
  const std::string_view text(S.member_text.text, S.member_text.length);
  if (text.find_first_of("(=") != std::string_view::npos) return false;
  const std::string_view cls(S.cls.name);
  const size_t dot = cls.rfind('.');
  const std::string_view simple = dot == std::string_view::npos ? cls : cls.substr(dot + 1);
  int end = static_cast<int>(text.size()) - 1;  // the "{" itself is collected
  while (end > 0 && IsWhiteSpace(text[end - 1])) --end;
  return end > 0 && WordBefore(S.member_text.text, end) == simple;
}

BraceKind BeginCompactConstructor(GlobalData& G, const char* line) {
  FunctionState& F = G.func;
  const std::string_view cls(G.scope.cls.name);
  const size_t dot = cls.rfind('.');
  F.name = std::string(dot == std::string_view::npos ? cls : cls.substr(dot + 1));
  F.prefix.clear();
  F.is_operator = false;
  AcceptHeader(G, line);
  F.header_text.Assign("()");
  F.params_closed = true;
  F.header_paren_depth = 0;
  return BeginFunction(G, line);
}

bool HeaderAwaitsBody(const GlobalData& G) {
  const FunctionState& F = G.func;
  return F.in_header && F.params_closed && F.header_paren_depth == 0 &&
         F.init_brace_depth == 0;
}

void DropPendingHeader(GlobalData& G) { CancelHeader(G); }

bool InitialiserBrace(const GlobalData& G) {
  const FunctionState& F = G.func;
  if (F.init_brace_depth > 0) return true;
  if (!StartsInitialiserList(HeaderTail(F))) return false;
  int k = F.header_text.length - 1;  // the "{" itself is collected
  while (k > 0 && IsWhiteSpace(F.header_text.text[k - 1])) --k;
  if (k <= 0) return false;
  const char c = F.header_text.text[k - 1];
  return IsIdentChar(static_cast<unsigned char>(c)) || c == '>';
}

bool ValFunctionName(const GlobalData& G, const std::string& name,
                     bool is_operator) {
  if (name.empty()) return false;
  auto letter = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '~';
  };
  if (is_operator) return letter(name[0]) || name[0] == ':';
  if (!letter(name[0]) && name[0] != ':') return false;
  const LanguageFlags& f = G.lang.flags;
  int angle = 0;
  for (char c : name) {
    if (c == '<') ++angle;
    if (c == '>' && angle > 0) {
      --angle;
      continue;
    }
    if (angle > 0 && !f.c) continue;  // template arguments
    const bool basic = letter(c) || (c >= '0' && c <= '9');
    const bool qualified = !f.c && (c == ':' || c == '<' || c == '>');
    const bool dotted = (f.java || f.csharp) && c == '.';
    if (!basic && !qualified && !dotted) return false;
  }
  return true;
}

std::string NormaliseParameters(const std::string& raw, bool is_operator,
                                bool non_ansi, bool by_directive) {
  std::string t = raw;
  if (is_operator && t.rfind("()", 0) == 0 && t.size() > 2 &&
      t.find('(', 2) != std::string::npos) {
    t.erase(0, 2);  // operator()(...)
  }
  int depth = 0;
  size_t close = std::string::npos;
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '(') ++depth;
    if (t[i] == ')' && --depth == 0) {
      close = i;
      break;
    }
  }
  for (size_t j = close == std::string::npos ? 0 : close + 1; j < t.size(); ++j) {
    const bool lone_colon = t[j] == ':' && (j + 1 >= t.size() || t[j + 1] != ':') &&
                            (j == 0 || t[j - 1] != ':');
    if (t[j] == '{' || (!is_operator && close != std::string::npos && lone_colon)) {
      t.resize(j);
      break;
    }
  }
  for (char& c : t) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  std::string out;
  for (char c : t) {
    if (c == ' ' && (out.empty() || out.back() == ' ' || out.back() == '(')) continue;
    if (c == ')' && !out.empty() && out.back() == ' ') out.pop_back();
    out.push_back(c);
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  if (close == std::string::npos) out.push_back(')');
  if (non_ansi) out += " Non-ANSI Parameter Construct";
  if (by_directive) out += " Defined By Compiler Directive";
  return out;
}

int CountParameters(const std::string& parameters) {
  const std::string group = FirstGroup(parameters);
  if (group == "()" || group == "(void)") return 0;
  int depth = 0, commas = 0;
  for (char c : group) {
    if (c == '(' || c == '<' || c == '[' || c == '{') ++depth;
    if ((c == ')' || c == '>' || c == ']' || c == '}') && depth > 0) --depth;
    if (c == ',' && depth == 1) ++commas;
  }
  return commas + 1;
}

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

bool GetFunction(GlobalData& G, const char* line, int paren) {
  FunctionState& F = G.func;
  ScannedName scanned;
  F.is_operator = !G.lang.flags.c && !G.lang.flags.java &&
                  FindOperator(line, paren, scanned);
  if (!F.is_operator) scanned = ScanNameBackward(line, paren - 1);
  bool ok = NameAccepted(G, scanned, F.is_operator, line);
  if (!ok && !F.is_operator && !scanned.name.empty() && line[scanned.end] != '(' &&
      !(scanned.start > 0 && line[scanned.start - 1] == '@')) {
    scanned = ScanNameBackward(line, scanned.start - 1);
    ok = NameAccepted(G, scanned, false, line);
  }
  if (!ok) {
    F.name.clear();
    F.prefix.clear();
    return false;
  }
  F.name = scanned.name;
  // The text before the name is only listed with the class methods (-fm).
  F.prefix.clear();
  if (G.sw.class_methods) {
    F.prefix = CollapseBlanks(std::string(line, scanned.start), " \t\r\n");
  }
  return true;
}

void OnFunctionParen(GlobalData& G, const char* line, int i, bool open) {
  FunctionState& F = G.func;
  if (F.in_header) {
    const bool replaces = open && !F.candidate_on_line && HeaderAwaitsBody(G) &&
                          NewHeaderReplaces(G, line, i);
    if (!replaces) {
      if (open) {
        F.candidate_on_line = true;
        ++F.header_paren_depth;
        if (F.params_closed) F.paren_after_params = true;
      } else if (--F.header_paren_depth == 0 && !F.params_closed) {
        F.params_closed = true;
        F.params_end = F.header_text.length;
      } else if (F.header_paren_depth < 0) {
        F.header_paren_depth = 0;  // "(*f (void)) (int)": the declarator's ")"
      }
      return;
    }
    CancelHeader(G);
  }
  if (F.in_body) {
    F.paren_depth += open ? 1 : -1;
    return;
  }
  if (F.skip_group_depth > 0) {
    F.skip_group_depth += open ? 1 : -1;
    if (F.skip_group_depth == 0) F.use_next_paren = true;
    return;
  }
  if (!open || !F.enabled) return;
  // Only the first "(" of a line is used, or the next one after a
  // function-pointer declarator "(*name)", an attribute group or an
  // annotation.
  if (F.candidate_on_line && !F.use_next_paren) return;
  const bool first = !F.candidate_on_line;
  F.candidate_on_line = true;
  F.use_next_paren = false;
  if (first && NextSignificant(line, i) == '*') {
    F.use_next_paren = true;
    return;
  }
  if (!HeaderCandidateAllowed(G)) return;
  if (PrefixGroup(G, line, i)) {
    F.skip_group_depth = 1;
    return;
  }
  if (G.lang.flags.java) {
    const std::string record = RecordName(line, i);
    if (!record.empty()) {
      BeginRecordHeader(G, record);
      return;
    }
  }
  bool accepted = false;
  if (first && SkipBlanks(line, 0) == i && F.line_end_word[0] != '\0') {
    // "ForEachKeyTask" / "(BulkTask<K,V,?> p, ...) {": the name ended the
    // line before.
    const std::string joined = std::string(F.line_end_word.data()) + (line + i);
    accepted = GetFunction(G, joined.c_str(), static_cast<int>(std::strlen(F.line_end_word.data())));
  } else {
    accepted = GetFunction(G, line, i);
  }
  if (accepted) {
    AcceptHeader(G, line);
  } else if (G.lex.java_annotation) {
    F.use_next_paren = true;
  }
}

void OnHeaderSemicolon(GlobalData& G) {
  FunctionState& F = G.func;
  if (F.header_paren_depth > 0 || !F.params_closed) {
    CancelHeader(G);
    return;
  }
  const char* rest = F.header_text.text + F.params_end;
  bool prototype = true;
  for (const char* p = rest; *p != '\0'; ++p) {
    if (!IsWhiteSpace(*p) && *p != ';') {
      prototype = false;
      break;
    }
  }
  if (!prototype && G.lang.flags.c && !G.scope.in_class && DeclaresAParameter(F)) {
    F.non_ansi = true;  // K&R parameter declarations
    return;
  }
  CancelHeader(G);
}

BraceKind BeginFunction(GlobalData& G, const char* line) {
  FunctionState& F = G.func;
  ScopeState& S = G.scope;
  F.in_header = false;
  F.in_body = true;
  const std::string raw(F.header_text.text, F.header_text.length);
  F.header_text.Clear();
  F.parameters = NormaliseParameters(raw, F.is_operator, F.non_ansi, F.by_directive);
  F.param_count = CountParameters(F.parameters);
  const std::string group = FirstGroup(F.parameters);
  F.void_seen = FindWholeWord(group, "void") != std::string::npos;
  // A method of a Java enum nested in a class counts for that class.
  F.in_class_body = S.in_class && S.brace_overflow == 0 && S.brace_depth > 0 &&
                    (S.braces[S.brace_depth - 1] == BraceKind::kClass ||
                     S.braces[S.brace_depth - 1] == BraceKind::kEnum);
  if (F.in_class_body) {
    F.method_visibility = S.cls.visibility;
    ++S.cls.methods[F.method_visibility];
    if (G.sw.class_methods) {
      ListClassMethod(G, F.method_visibility, G.reader.line_number, F.prefix, F.name);
    }
  }
  F.start_line = G.reader.line_number;
  const FileMetrics& f = G.file;
  TakeSnapshot(G, F.start);
  F.fall_through_start = f.fall_through_count;
  ++G.file.functions_count;
  F.counts = DecisionCounts{};
  F.returns = 0;
  F.paren_depth = 0;
  F.bracket_depth = 0;
  F.body_depth = 1;
  CheckFunctionBegin(G);
  AnnounceFunctionBegin(G);
  UpdateCollecting(G);
  return BraceKind::kFunction;
}

void OnFunctionBrace(GlobalData& G, bool open) {
  FunctionState& F = G.func;
  if (open) {
    ++F.body_depth;
    CheckScopeDepth(G, F.body_depth);
  } else {
    --F.body_depth;
  }
}

void EndFunction(GlobalData& G) {
  FunctionState& F = G.func;
  ScopeState& S = G.scope;
  const FileMetrics& f = G.file;
  FunctionRecord r;
  r.kind = RecordKind::kFunction;
  r.name = F.name;
  r.parameters = F.parameters;
  r.template_text = F.template_text;
  r.file_name = CurrentFileName(G);
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

  const bool qualified_cpp = r.name.find("::") != std::string::npos;
  const bool qualified_dot = r.name.find('.') != std::string::npos;
  std::string namespace_name;
  if (F.in_class_body && S.in_class) {
    if (ClassRecord* c = FindOrCreateClass(G, S.cls.name, false)) {
      AddMethodFigures(*c, r, false);
    }
    S.cls.params += r.params;
    S.cls.returns += r.returns;
    S.cls.cyclomatic += r.cyclomatic;
    if (qualified_cpp || qualified_dot) AddFunctionToClass(G, r);
    AddToNamespace(G, S.cls.name + QualifierSeparator(G) + r.name, r, false, true);
  } else {
    if (qualified_cpp) AddFunctionToClass(G, r);
    std::string qualified = r.name;
    if (!S.namespace_name.empty()) qualified = S.namespace_name + QualifierSeparator(G) + r.name;
    AddToNamespace(G, qualified, r, false, false);
  }

  G.lists.functions.push_back(r);
  WriteFunctionEnd(G, r);

  F.header_pending = false;
  F.in_body = false;
  F.name.clear();
  F.prefix.clear();
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

void FunctionLineEnd(GlobalData& G, const char* line) {
  FunctionState& F = G.func;
  const LexState& L = G.lex;
  F.candidate_on_line = false;
  F.use_next_paren = false;
  F.skip_group_depth = 0;
  if (F.enabled && L.code_seen && !L.directive_line) {
    // Keep the identifier that ends this code line, if any.
    int e = IsIdentChar(static_cast<unsigned char>(L.last_nonblank))
                ? static_cast<int>(std::strlen(line))
                : 0;
    while (e > 0 && IsWhiteSpace(line[e - 1])) --e;
    int b = e;
    while (b > 0 && IsIdentChar(static_cast<unsigned char>(line[b - 1]))) --b;
    const int n = e - b;
    if (n > 0 && n < static_cast<int>(F.line_end_word.size()) &&
        IsIdentStart(static_cast<unsigned char>(line[b])) && !L.in_block_comment &&
        !L.in_line_comment) {
      std::memcpy(F.line_end_word.data(), line + b, n);
      F.line_end_word[n] = '\0';
    } else {
      F.line_end_word[0] = '\0';
    }
  }
  if (F.in_header && L.if_directive_line) F.by_directive = true;
  // Only a header with its type on its own line ("int f (int a)") can be
  // written again in an #else branch; "FOO (x)" before #else is a macro.
  if (F.in_header && L.preprocessor_line && !F.probable_macro) {
    const int p = SkipBlanks(line, SkipBlanks(line, 0) + 1);
    if (std::strncmp(line + p, "el", 2) == 0) F.alternative_branch = true;  // #else, #elif
  }
  if (G.sw.macros) {
    if (L.define_line && L.function_like_macro && !F.macro_open) {
      F.macro_open = true;
      F.macro_name = std::string(L.macro_name.text, L.macro_name.length);
      AnnounceMacroBegin(G, F.macro_name);
    }
    if (F.macro_open && L.last_nonblank != '\\') {
      F.macro_open = false;
      AnnounceMacroEnd(G, F.macro_name);
    }
  }
}

void FunctionEndOfFile(GlobalData& G) { WriteEndOfFileNotices(G); }

}  // namespace zav
