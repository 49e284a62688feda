#include "quality/udqn_literals.h"

#include <algorithm>
#include <cctype>

namespace zav {
namespace {

bool IsPlain(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ' ' || c == '"' ||
         c == '\'' || c == '#' || c == '%' || c == ',' || c == ';' || c == ':' || c == '<' ||
         c == '>' || c == '=' || c == '!' || c == '&' || c == '-' || c == '/' || c == '~' ||
         c == '@';
}

// The end of the group or class opening at `i` (the index of its closing
// character), or npos.
size_t ClosingOf(std::string_view p, size_t i) {
  const bool is_class = p[i] == '[';
  int depth = 0;
  for (size_t k = i; k < p.size(); ++k) {
    const char c = p[k];
    if (c == '\\') {
      ++k;
    } else if (is_class) {
      // "]" right after "[" or "[^" is a member of the class.
      if (c == ']' && k > i + 1 && !(k == i + 2 && p[i + 1] == '^')) return k;
    } else if (c == '[') {
      k = ClosingOf(p, k);
      if (k == std::string_view::npos) return k;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      return k;
    }
  }
  return std::string_view::npos;
}

// Skips a quantifier at `i`; returns its end and whether it lets the item
// before it be absent.
size_t SkipQuantifier(std::string_view p, size_t i, bool& optional, bool& ok) {
  optional = false;
  if (i >= p.size()) return i;
  const char c = p[i];
  if (c == '?' || c == '*') {
    optional = true;
    ++i;
  } else if (c == '+') {
    ++i;
  } else if (c == '{') {
    const size_t close = p.find('}', i);
    if (close == std::string_view::npos) {
      ok = false;
      return p.size();
    }
    optional = i + 1 < p.size() && (p[i + 1] == '0' || p[i + 1] == ',');
    i = close + 1;
  } else {
    return i;
  }
  if (i < p.size() && (p[i] == '?' || p[i] == '+')) ++i;  // lazy, possessive
  return i;
}

// The alternatives of a group that holds only plain texts, or none.
std::vector<std::string> PlainAlternatives(std::string_view group) {
  std::vector<std::string> out(1);
  for (size_t k = 0; k < group.size(); ++k) {
    const char c = group[k];
    if (c == '|') {
      out.emplace_back();
    } else if (c == '\\' && k + 1 < group.size() &&
               !std::isalnum(static_cast<unsigned char>(group[k + 1]))) {
      out.back() += group[++k];
    } else if (IsPlain(c)) {
      out.back() += c;
    } else {
      return {};
    }
  }
  for (const std::string& alternative : out) {
    if (alternative.empty()) return {};
  }
  return out;
}

size_t ShortestLength(const std::vector<std::string>& texts) {
  size_t shortest = std::string::npos;
  for (const std::string& t : texts) shortest = std::min(shortest, t.size());
  return texts.empty() ? 0 : shortest;
}

}  // namespace

std::vector<std::string> RequiredLiterals(std::string_view p, bool caseless) {
  if (caseless || p.find("(?") != std::string_view::npos ||
      p.find("\\Q") != std::string_view::npos) {
    return {};
  }
  std::vector<std::string> best;
  std::string run;
  auto end_run = [&] {
    if (run.size() > ShortestLength(best)) best = {run};
    run.clear();
  };
  bool ok = true;
  bool optional = false;
  for (size_t i = 0; i < p.size() && ok;) {
    const char c = p[i];
    if (c == '|' || c == ')') return {};
    if (c == '[' || c == '(') {
      end_run();
      const size_t close = ClosingOf(p, i);
      if (close == std::string_view::npos) return {};
      const std::string_view inside = p.substr(i + 1, close - i - 1);
      i = SkipQuantifier(p, close + 1, optional, ok);
      if (c == '(' && !optional) {
        std::vector<std::string> alternatives = PlainAlternatives(inside);
        if (ShortestLength(alternatives) > ShortestLength(best)) best = std::move(alternatives);
      }
      continue;
    }
    char literal = 0;
    size_t next = i + 1;
    if (c == '\\') {
      if (i + 1 >= p.size()) return {};
      if (std::isalnum(static_cast<unsigned char>(p[i + 1]))) {
        end_run();  // a class, an assertion or a back reference
        i = SkipQuantifier(p, i + 2, optional, ok);
        continue;
      }
      literal = p[i + 1];
      next = i + 2;
    } else if (c == '.' || c == '^' || c == '$' || c == '?' || c == '*' || c == '+' ||
               c == '{') {
      end_run();
      i = c == '{' ? SkipQuantifier(p, i, optional, ok) : i + 1;
      continue;
    } else {
      literal = c;
    }
    const size_t after = SkipQuantifier(p, next, optional, ok);
    if (!optional) run += literal;
    if (after != next) end_run();  // repeated or optional: the run breaks here
    i = after;
  }
  if (!ok) return {};
  end_run();
  return best;
}

}  // namespace zav
