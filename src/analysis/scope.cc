#include "analysis/scope.h"

#include <cstring>

#include "analysis/function.h"
#include "analysis/declaration_text.h"
#include "analysis/nesting.h"
#include "base/line_text.h"
#include "base/complexity.h"
#include "analysis/structure.h"
#include "report/structure_output.h"
#include "quality/checks.h"

namespace zav {
namespace {

int VisibilityIndex(Word word) {
  return word == Word::kPublic ? 0 : word == Word::kProtected ? 1 : 2;
}

bool AtClassLevel(const ScopeState& S) {
  return S.brace_overflow == 0 && S.brace_depth > 0 &&
         S.braces[S.brace_depth - 1] == BraceKind::kClass;
}

// The word before line[start] on the same line.
std::string_view PreviousWord(const char* line, int start) {
  int e = start;
  while (e > 0 && IsBlank(line[e - 1])) --e;
  int b = e;
  while (b > 0 && IsIdentChar(static_cast<unsigned char>(line[b - 1]))) --b;
  return std::string_view(line + b, e - b);
}

// Commas of a declaration outside "<...>", "(...)", "[...]" and "{...}".
int TopLevelCommas(std::string_view text) { return CommasAtDepth(text, 0); }

void BeginNamespace(GlobalData& G, std::string_view inner, bool package) {
  ScopeState& S = G.scope;
  const bool anonymous = !IsNameStart(inner.empty() ? '\0' : inner[0]);
  const bool nested = S.in_namespace;
  if (nested) {
    if (S.namespace_depth < kScopeStackDepth) {
      S.namespace_stack[S.namespace_depth] = {S.namespace_name, S.namespace_anonymous};
      ++S.namespace_depth;
    } else {
      ++S.namespace_overflow;  // too deep to track; the name still nests
    }
  }
  // The qualified name is built in place: an anonymous namespace keeps the
  // enclosing name and gets a record of its own name.
  std::string anonymous_record;
  if (anonymous) {
    anonymous_record = S.namespace_name.empty()
                           ? "Anonymous"
                           : S.namespace_name + QualifierSeparator(G) + "Anonymous";
  } else {
    if (!S.namespace_name.empty()) S.namespace_name += QualifierSeparator(G);
    S.namespace_name += inner;
  }
  const std::string& qualified = S.namespace_name;
  const std::string& record_name = anonymous ? anonymous_record : qualified;
  S.namespace_anonymous = anonymous;
  S.in_namespace = true;
  if (package) S.in_package = true;

  RecordLists& lists = G.lists;
  if (!lists.namespace_index.contains(record_name)) {
    NamespaceRecord record;
    record.kind = RecordKind::kNamespace;
    record.name = record_name;
    record.file_name = CurrentFileName(G);
    record.line = G.reader.line_number;
    lists.namespace_index.emplace(record_name, lists.namespaces.size());
    lists.namespaces.push_back(std::move(record));
    if (package) {
      ++G.file.package_count;
    } else {
      ++G.file.namespace_count;
    }
  }
  AnnounceNamespace(G, true, package, nested,
                    anonymous ? "Anonymous - File Scope" : qualified);
}

BraceKind BeginClass(GlobalData& G) {
  ScopeState& S = G.scope;
  S.class_pending = false;
  // The header is read in place: nothing below adds to class_header before
  // it is cleared.
  const std::string_view header(S.class_header.text, S.class_header.length);
  size_t pos = 0;
  bool forward = false;
  const std::string_view name = ReadClassName(G, header, pos, forward);
  // A Java record's components: attributes of the record, not inheritance.
  int components = 0;
  const bool record = S.record_pending;
  if (S.record_pending) {
    S.record_pending = false;
    while (pos < header.size() && IsWhiteSpace(header[pos])) ++pos;
    if (pos < header.size() && header[pos] == '(') {
      int depth = 0;
      size_t close = pos;
      for (; close < header.size(); ++close) {
        if (header[close] == '(') ++depth;
        if (header[close] == ')' && --depth == 0) break;
      }
      const std::string_view inside = header.substr(pos + 1, close - pos - 1);
      if (inside.find_first_not_of(" \t\r\n") != std::string_view::npos) {
        components = 1 + TopLevelCommas(inside);
      }
      pos = close < header.size() ? close + 1 : close;
    }
  }
  // A run that shows the line counts or the function figures alone keeps
  // no class record and reads no class count or inheritance (see
  // ShowsLineCountsOnly and ShowsFunctionFiguresOnly): the class's figures
  // go to the unkept record without a look-up.
  const bool classes_unread = G.lex.partial_figures && !G.lists.keep_classes;
  std::string inheritance =
      classes_unread
          ? std::string()
          : CleanInheritance(G, InheritancePart(G, pos < header.size() ? header.substr(pos) : ""));

  if (S.in_class) {
    // Deeper than the stack: the body is not tracked as a class, but the
    // declarations in it are still found.
    if (S.class_depth >= kScopeStackDepth) {
      S.class_header.Clear();
      return BraceKind::kTransparent;
    }
    S.class_stack[S.class_depth++] = std::move(S.cls);  // reset below
  }
  std::string qualified;
  if (!name.empty()) {
    // Inside a class the separator follows even a nameless outer class.
    const std::string& outer =
        S.class_depth > 0 ? S.class_stack[S.class_depth - 1].name : S.namespace_name;
    if (S.class_depth > 0 || !outer.empty()) {
      const std::string_view separator = QualifierSeparator(G);
      qualified.reserve(outer.size() + separator.size() + name.size());
      qualified.append(outer).append(separator);
    }
    qualified.append(name);
  }
  S.class_header.Clear();
  ClassFrame& c = S.cls;
  c = ClassFrame{};
  c.name = std::move(qualified);
  c.inheritance = std::move(inheritance);
  TakeTemplateText(S, c.template_text);
  c.kind = S.pending_kind;
  c.typedef_named = S.pending_typedef;
  c.in_class = true;
  c.start_line = G.reader.line_number;
  TakeSnapshot(G, c.start);
  c.visibility = c.kind == ClassKind::kStruct ? 0 : 2;
  c.attributes[2] += components;
  c.record = record;
  S.in_class = true;
  S.member_text.Clear();
  if (!c.inheritance.empty()) ++G.file.classes_with_inheritance_count;

  // A nameless class or struct ("typedef struct { ... } Name;") gets its
  // record at its end, under the name that follows the closing brace.
  bool counted = c.name.empty();
  if (!counted && classes_unread) {
    c.class_record = &G.lists.unkept_class;
  } else if (!counted) {
    c.class_record = FindClass(G, c.name);
    counted = c.class_record == nullptr && !G.lists.namespace_index.contains(c.name);
    if (counted) c.class_record = CreateClass(G, c.name);
  }
  if (counted) {
    if (c.kind == ClassKind::kInterface) {
      ++G.file.interface_count;
    } else {
      ++G.file.class_count;
    }
  }
  CheckClassBegin(G, S.pending_comments);
  AnnounceClassBegin(G);
  CheckMultipleInheritance(G);
  return BraceKind::kClass;
}

void PopClass(GlobalData& G) {
  ScopeState& S = G.scope;
  if (S.class_depth == 0) {
    S.cls = ClassFrame{};
    S.in_class = false;
    return;
  }
  S.cls = std::move(S.class_stack[--S.class_depth]);
  S.in_class = true;
}

}  // namespace

bool ScopeKeywordBoundary(const char* line, int start, int end, Word word) {
  if (!KeywordBefore(line, start)) return false;
  if (KeywordAfter(line, end, "")) return true;
  const char c = line[end];
  switch (word) {
    case Word::kStruct:
      return c == '{';
    case Word::kTemplate:
      return c == '<';
    case Word::kPublic:
    case Word::kProtected:
    case Word::kPrivate:
      return c == ':';
    default:
      return false;
  }
}

void TakeSnapshot(const GlobalData& G, CounterSnapshot& s) {
  const FileMetrics& f = G.file;
  s.loc = f.loc_count;
  s.comments = f.comment_lines_count;
  s.blanks = f.blank_lines_count;
  s.spaces = f.spaces_count;
  s.characters = f.characters_count;
  s.braceline = f.braceline_count;
  s.parenline = f.parenline_count;
  s.semicolons = f.semicolon_count;
  s.fors = f.for_count;
  s.line = G.reader.line_number;
}

void MeasureSinceSnapshot(const GlobalData& G, const CounterSnapshot& start,
                          int32_t fors, MetricRecord& r) {
  const FileMetrics& f = G.file;
  r.loc = f.loc_count - start.loc + 1;
  r.eloc = r.loc - (f.braceline_count - start.braceline) -
           (f.parenline_count - start.parenline);
  r.lloc = (f.semicolon_count - start.semicolons) - fors;
  r.comments = f.comment_lines_count - start.comments;
  r.blanks = f.blank_lines_count - start.blanks;
}

std::string CurrentFileName(const GlobalData& G) {
  return G.current_entry != nullptr ? G.current_entry->name : std::string();
}

const char* QualifierSeparator(const GlobalData& G) {
  return (G.lang.flags.java || G.lang.flags.csharp) ? "." : "::";
}

void OnScopeKeyword(GlobalData& G, const char* line, int start, int end,
                    Word word) {
  ScopeState& S = G.scope;
  const LanguageFlags& lang = G.lang.flags;
  if (word == Word::kNamespace || word == Word::kPackage) {
    if (word == Word::kNamespace && !(lang.cpp || lang.csharp)) return;
    if (word == Word::kPackage && !lang.java) return;
    if (HeaderAwaitsBody(G)) DropPendingHeader(G);  // "FOO(x)" before it
    if (G.func.header_pending || S.in_class) return;
    int p = SkipBlanks(line, end);
    int e = p;
    while (IsIdentChar(static_cast<unsigned char>(line[e])) || line[e] == '.' ||
           (line[e] == ':' && line[e + 1] == ':')) {
      e += line[e] == ':' ? 2 : 1;
    }
    const std::string_view name(line + p, e - p);
    if (word == Word::kPackage) {
      if (!name.empty() && IsNameStart(name[0]) && !S.in_namespace) {
        BeginNamespace(G, name, true);
      }
      return;
    }
    // "using namespace X;" and "namespace A = B;" open nothing.
    if (SemicolonWithoutBrace(line)) return;
    S.namespace_pending = true;
    S.pending_namespace = name;
    return;
  }

  // class, struct, interface
  if (word == Word::kClass && !(lang.cpp || lang.java || lang.csharp)) return;
  if (word == Word::kInterface && !(lang.java || lang.csharp)) return;
  if (word == Word::kStruct && !(lang.c || lang.cpp || lang.java || lang.csharp)) {
    return;
  }
  if (S.template_open || S.class_pending) return;
  if (G.file.open_paren_count > G.file.close_paren_count) return;  // a type
  const std::string_view previous = PreviousWord(line, start);
  if (previous == "enum" || previous == "friend") return;
  const bool forward = SemicolonWithoutBrace(line);
  // A macro invocation line without ";" does not own the class after it;
  // "f(p) struct s *p;" (K&R) keeps its header.
  if (!forward && HeaderAwaitsBody(G)) DropPendingHeader(G);
  if (G.func.header_pending) {
    // A class or struct body opened inside a function body is not a scope
    // of its own; it raises notice 33 (a local class definition).
    if (G.func.in_body && !forward && CharOutsideComments(line, '{')) {
      CheckClassInFunction(G);
    }
    return;
  }
  if (forward) return;  // a forward or variable declaration
  S.class_pending = true;
  S.pending_kind = word == Word::kStruct      ? ClassKind::kStruct
                   : word == Word::kInterface ? ClassKind::kInterface
                                              : ClassKind::kClass;
  S.pending_line = G.reader.line_number;
  S.pending_comments = G.lex.consecutive_comment_lines;
  S.pending_typedef = previous == "typedef";
  S.class_header.Clear();
  UpdateCollecting(G);
}

void BeginRecordHeader(GlobalData& G, const std::string& name) {
  ScopeState& S = G.scope;
  if (S.template_open || S.class_pending || G.func.header_pending) return;
  S.class_pending = true;
  S.record_pending = true;
  S.pending_kind = ClassKind::kClass;
  S.pending_line = G.reader.line_number;
  S.pending_comments = G.lex.consecutive_comment_lines;
  S.pending_typedef = false;
  S.class_header.Clear();
  S.class_header.Append(name.data(), static_cast<int>(name.size()));
  S.class_header.Append("(", 1);  // the "(" met now is not collected
  UpdateCollecting(G);
}

void OnVisibilityKeyword(GlobalData& G, const char* line, int start, int end,
                         Word word) {
  ScopeState& S = G.scope;
  if (G.lang.flags.c || !S.in_class || !AtClassLevel(S)) return;
  S.cls.visibility = VisibilityIndex(word);
  int p = SkipBlanks(line, end);
  if (line[p] == ':' && line[p + 1] != ':') S.member_text.Clear();  // a label
}

BraceKind OpenScopeAtBrace(GlobalData& G, const char* line, int i) {
  ScopeState& S = G.scope;
  if (S.class_pending) {
    BraceKind kind = BeginClass(G);
    UpdateCollecting(G);
    return kind;
  }
  if (S.namespace_pending) {
    S.namespace_pending = false;
    BeginNamespace(G, S.pending_namespace, false);
    return BraceKind::kNamespace;
  }
  return BraceKind::kBlock;
}

void EndNamespace(GlobalData& G) {
  ScopeState& S = G.scope;
  const bool nested = S.namespace_depth > 0 || S.namespace_overflow > 0;
  AnnounceNamespace(G, false, false, nested,
                    S.namespace_anonymous ? "Anonymous - File Scope" : S.namespace_name);
  if (S.namespace_overflow > 0) {
    --S.namespace_overflow;
    size_t cut = S.namespace_name.rfind(QualifierSeparator(G));
    if (cut != std::string::npos) S.namespace_name.resize(cut);
    return;
  }
  if (S.namespace_depth == 0) {
    S.in_namespace = false;
    S.namespace_name.clear();
    S.namespace_anonymous = false;
    return;
  }
  const NamespaceFrame& outer = S.namespace_stack[--S.namespace_depth];
  S.namespace_name = outer.name;
  S.namespace_anonymous = outer.anonymous;
}

// The name declared right after the closing brace of a nameless class:
// "} Name;" or "} Name, *PName;".
std::string NameAfterBrace(const char* line, int brace) {
  int p = SkipBlanks(line, brace + 1);
  int e = p;
  while (IsIdentChar(static_cast<unsigned char>(line[e]))) ++e;
  if (e == p || !IsNameStart(line[p])) return {};
  return std::string(line + p, e - p);
}

void EndClass(GlobalData& G, const char* line, int brace) {
  ScopeState& S = G.scope;
  ClassFrame& c = S.cls;
  if (c.name.empty() && c.typedef_named) {
    const std::string name = NameAfterBrace(line, brace);
    if (!name.empty()) {
      if (S.class_depth > 0) {
        c.name = S.class_stack[S.class_depth - 1].name + QualifierSeparator(G) + name;
      } else if (!S.namespace_name.empty()) {
        c.name = S.namespace_name + QualifierSeparator(G) + name;
      } else {
        c.name = name;
      }
      FindOrCreateClass(G, c.name, true);
    }
  }
  const FileMetrics& f = G.file;
  MetricRecord span;
  span.name = c.name;
  MeasureSinceSnapshot(G, c.start, f.for_count - c.start.fors, span);
  span.lines = G.reader.line_number - c.start_line;
  if (span.lines < 1) span.lines = 1;
  span.methods_public = c.methods[0];
  span.methods_protected = c.methods[1];
  span.methods_private = c.methods[2];
  span.methods = c.methods[0] + c.methods[1] + c.methods[2];
  span.attributes_public = c.attributes[0];
  span.attributes_protected = c.attributes[1];
  span.attributes_private = c.attributes[2];
  span.attributes = c.attributes[0] + c.attributes[1] + c.attributes[2];
  span.params = c.params;
  span.returns = c.returns;
  span.interface_complexity = InterfaceComplexity(c.params, c.returns);
  span.cyclomatic = c.cyclomatic;
  span.functional_complexity = TotalComplexity(c.params, c.returns, c.cyclomatic);

  if (!S.class_loc_seen || span.loc < S.min_class_loc) S.min_class_loc = span.loc;
  if (!S.class_loc_seen || span.loc > S.max_class_loc) S.max_class_loc = span.loc;
  S.class_loc_seen = true;

  const int32_t spaces = f.spaces_count - c.start.spaces;
  const int32_t characters = f.characters_count - c.start.characters;
  CheckClassEnd(G, span, spaces, characters);

  if (c.class_record == nullptr) c.class_record = FindOrCreateClass(G, c.name, false);
  if (ClassRecord* r = c.class_record) {
    r->loc += span.loc;
    r->eloc += span.eloc;
    r->lloc += span.lloc;
    r->comments += span.comments;
    r->blanks += span.blanks;
    r->lines += span.lines;
    r->methods_public += span.methods_public;
    r->methods_protected += span.methods_protected;
    r->methods_private += span.methods_private;
    r->attributes += span.attributes;
    r->attributes_public += span.attributes_public;
    r->attributes_protected += span.attributes_protected;
    r->attributes_private += span.attributes_private;
  }
  // Without a namespace record or a reader of their figures the name is
  // not copied.
  if (G.lists.keep_namespace_figures && !G.lists.namespace_index.empty()) {
    AddToNamespace(G, c.name, span, true, false);
  }
  AnnounceClassEnd(G, span);
  PopClass(G);
  S.member_text.Clear();
  UpdateCollecting(G);
}

void EndMemberDeclaration(GlobalData& G, const char* line) {
  ScopeState& S = G.scope;
  std::string_view text(S.member_text.text, S.member_text.length);
  std::string stripped;  // only for declarations with "[...]" attributes
  if (text.find('[') != std::string_view::npos) {
    stripped = WithoutAttributes(text);
    text = stripped;
  }
  size_t first = 0;  // past the blanks and semicolons that lead
  while (first < text.size() && (IsWhiteSpace(text[first]) || text[first] == ';')) ++first;
  if (first < text.size()) {
    text.remove_prefix(first);
    const int declarators = DataDeclarators(text);
    if (declarators > 0) {
      const int visibility = S.cls.visibility;
      S.cls.attributes[visibility] += declarators;
      if (G.sw.class_methods) ListClassData(G, visibility, G.reader.line_number, line);
      CheckDataMember(G, text, visibility);
    }
  }
  S.member_text.Clear();
}

void CloseScopesAtEndOfFile(GlobalData& G) {
  ScopeState& S = G.scope;
  if (S.in_package) {
    AnnounceNamespace(G, false, true, false, S.namespace_name);
    S.in_package = false;
    S.in_namespace = false;
    S.namespace_name.clear();
  } else if (S.in_namespace) {
    AnnounceNamespace(G, false, false, S.namespace_depth > 0,
                      S.namespace_anonymous ? "Anonymous - File Scope" : S.namespace_name);
    S.in_namespace = false;
    S.namespace_name.clear();
    S.namespace_depth = 0;
  }
}

}  // namespace zav
