#include "analysis/declaration_text.h"

#include "analysis/nesting.h"
#include "base/keywords.h"
#include "base/line_text.h"

namespace zav {
namespace {

// The position after the balanced "<...>" that starts at text[pos], or the
// text's end.
size_t SkipAngleList(std::string_view text, size_t pos) {
  int depth = 0;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '<') ++depth;
    if (c == '>' && --depth == 0) return pos + 1;
  }
  return pos;
}

// Reads one class-name word at text[pos]: letters, digits and anything but
// the stop characters, with "<...>" lists taken whole. The name is a piece
// of `text`.
std::string_view ReadNameWord(std::string_view text, size_t& pos, bool& forward) {
  while (pos < text.size() && IsWhiteSpace(text[pos])) ++pos;
  const size_t start = pos;
  if (pos >= text.size() || !IsNameStart(text[pos])) return {};
  while (pos < text.size()) {
    const char c = text[pos];
    if (c == ';') {
      forward = true;
      break;
    }
    if (IsWhiteSpace(c) || c == '(' || c == '{' || c == '}' || c == ':') {
      // "A::B" stays one name.
      if (c == ':' && pos + 1 < text.size() && text[pos + 1] == ':') {
        pos += 2;
        continue;
      }
      break;
    }
    if (c == '<') {
      pos = SkipAngleList(text, pos);
      continue;
    }
    ++pos;
  }
  return text.substr(start, pos - start);
}

}  // namespace

std::string_view ReadClassName(const GlobalData& G, std::string_view text,
                               size_t& pos, bool& forward) {
  for (int guard = 0; guard < 8; ++guard) {
    size_t start = pos;
    const std::string_view name = ReadNameWord(text, pos, forward);
    if (name.empty() || forward) return name;
    if (!G.lists.macro_names.contains(name)) return name;
    // A macro name: skip its argument list too, e.g. __declspec(dllexport).
    while (pos < text.size() && IsWhiteSpace(text[pos])) ++pos;
    if (pos < text.size() && text[pos] == '(') {
      int depth = 0;
      for (; pos < text.size(); ++pos) {
        if (text[pos] == '(') ++depth;
        if (text[pos] == ')' && --depth == 0) {
          ++pos;
          break;
        }
      }
    }
    if (pos == start) break;
  }
  return {};
}

std::string_view InheritancePart(const GlobalData& G, std::string_view rest) {
  if (G.lang.flags.java) return rest;
  for (size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] != ':') continue;
    if (i + 1 < rest.size() && rest[i + 1] == ':') {
      ++i;
      continue;
    }
    return rest.substr(i + 1);
  }
  return {};
}

std::string CleanInheritance(const GlobalData& G, std::string_view text) {
  if (text.empty()) return {};
  if (G.lang.flags.java) {
    size_t ext = FindWholeWord(text, "extends");
    size_t imp = FindWholeWord(text, "implements");
    if (imp != std::string_view::npos) {
      if (ext != std::string_view::npos && ext < imp) {
        text = text.substr(0, imp);
      } else {
        text = ext == std::string_view::npos ? std::string_view() : text.substr(ext);
      }
    }
  }
  if (G.lang.flags.csharp) {
    size_t where = FindWholeWord(text, "where");
    if (where != std::string_view::npos) text = text.substr(0, where);
  }
  // The words between blanks (tabs, line breaks and "{" read as blanks; a
  // comma ends its word), rejoined by single blanks without the access and
  // "extends" words; a comma keeps no blank before it.
  auto blank = [](char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '{';
  };
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && blank(text[i])) ++i;
    size_t j = i;
    while (j < text.size() && !blank(text[j]) && text[j] != ',') ++j;
    if (j < text.size() && text[j] == ',') ++j;  // "A," is one word
    if (j == i) break;
    const std::string_view word = text.substr(i, j - i);
    i = j;
    if (word == "public" || word == "private" || word == "protected" || word == "extends") {
      continue;
    }
    if (!out.empty() && word[0] != ',') out.push_back(' ');
    out.append(word);
  }
  return out;
}

std::string WithoutAttributes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  int depth = 0;
  size_t run = 0;  // where the run of text outside the lists began
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '[') {
      if (depth++ == 0) out.append(text.substr(run, k - run));
    } else if (text[k] == ']' && depth > 0 && --depth == 0) {
      run = k + 1;
    }
  }
  if (depth == 0) out.append(text.substr(run));
  return out;
}

int DataDeclarators(std::string_view text) {
  // The leading word, compared whole: only taken apart when its first
  // letter is one of those words' ("text" is not empty here).
  const char first_char = text[0];
  if (first_char == 'f' || first_char == 'u' || first_char == 't' || first_char == 's') {
    size_t n = 0;
    while (n < text.size() && IsIdentChar(static_cast<unsigned char>(text[n]))) ++n;
    const std::string_view first = text.substr(0, n);
    if (first == "friend" || first == "using" || first == "typedef" || first == "static_assert") {
      return 0;
    }
  }
  bool method_test = true;  // no "=" or "(" has decided it yet
  int angle = 0;            // "<" minus ">" for the method test
  int depth = 0;            // every bracket, for the commas
  int commas = 0;
  bool method = false;
  ForEachNestingCandidate(text, '=', [&](size_t i) {
    const char c = text[i];
    if (method_test && c >= '(' && c <= '>') {  // of these, "<>=(" matter
      if (c == '<') ++angle;
      if (c == '>' && angle > 0) --angle;
      if (c == '=' && angle == 0) method_test = false;
      if (c == '(' && angle == 0) {
        size_t j = i + 1;
        while (j < text.size() && IsWhiteSpace(text[j])) ++j;
        if (j >= text.size() || (text[j] != '*' && text[j] != '&')) {
          method = true;
          return false;
        }
        method_test = false;
      }
    }
    const Nesting n = NestingOf(c);
    if (n == Nesting::kOpen) {
      ++depth;
    } else if (n == Nesting::kClose) {
      if (depth > 0) --depth;
    } else if (n == Nesting::kComma && depth == 0) {
      ++commas;
    }
    return true;
  });
  return method ? 0 : commas + 1;
}

}  // namespace zav
