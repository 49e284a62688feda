// The function or class a machine-readable notice concerns, and the
// common case of a JSON notice written in place: shared by the notice
// emission procedure, which takes that case without a call, and
// RecordMachineNotice.
#pragma once

#include <cstdint>
#include <string_view>

#include "report/json_records.h"
#include "zav/global_data.h"

namespace zav {

// Notices about one function: raised at its header or its end while its
// name is known. Notices 16 and 46 concern a function in their first form
// and a class in their second.
inline bool IsFunctionNotice(int number, int variant) {
  switch (number) {
    case 2: case 10: case 13: case 14: case 17: case 18: case 27: case 28:
    case 29: case 48: case 49: case 51:
      return true;
    case 16: case 46:
      return variant == 0;
    default:
      return false;
  }
}

// Notices about one class, struct or interface, raised inside its body or
// at its ends.
inline bool IsClassNotice(int number, int variant) {
  switch (number) {
    case 15: case 31: case 34: case 35: case 36: case 37: case 39: case 42:
    case 52:
    case 53: case 54:
      return true;
    case 16: case 46:
      return variant == 1;
    default:
      return false;
  }
}

// What a notice concerns: a line or the file, a function or a class.
enum NoticeContextKind : uint8_t { kLineContext, kFunctionContext, kClassContext };
// JsonNoticeParts::any_context takes a kind of 0 for a line.
static_assert(kLineContext == 0);

inline NoticeContextKind ContextKindOf(int number, int variant) {
  if (IsFunctionNotice(number, variant)) return kFunctionContext;
  return IsClassNotice(number, variant) ? kClassContext : kLineContext;
}

// ContextKindOf a notice number's first form, its second and any other,
// as JsonNoticeParts keep them.
inline void ContextKindsOf(int number, uint8_t (&kinds)[3]) {
  for (int variant = 0; variant < 3; ++variant) kinds[variant] = ContextKindOf(number, variant);
}

// The function or class a notice concerns: empty when it concerns a line
// or the file.
struct NoticeContext {
  std::string_view name;
  bool is_class = false;
};

// The context of a notice of kind `kind` (ContextKindOf): a class named by
// the caller, or the function or class being analysed.
[[gnu::always_inline]] inline NoticeContext ContextByKind(const GlobalData& G, int kind,
                                                          const char* class_name) {
  if (class_name != nullptr && *class_name != '\0') return {class_name, true};
  if (kind == kFunctionContext) {
    if (!G.func.name.empty()) return {G.func.name, false};
  } else if (kind == kClassContext && G.scope.in_class && !G.scope.cls.name.empty()) {
    return {G.scope.cls.name, true};
  }
  return {};
}

inline NoticeContext ContextOf(const GlobalData& G, int number, int variant,
                               const char* class_name) {
  return ContextByKind(G, ContextKindOf(number, variant), class_name);
}

// Appends a notice of the file being analysed to its JSON when the parts
// of its number are kept (see KeptJsonNoticeParts): a file's notices can
// be many. Parts are kept only in a JSON run with notices on, and never
// for notice 22, which names its keyword: finding them is the whole test.
// False when the notice takes another way (a SARIF result, a notice after
// the file loop, notice 22, the first notice of its number):
// RecordMachineNotice then.
[[gnu::always_inline]] inline bool AppendKeptJsonNotice(GlobalData& G, int number,
                                                        int32_t line, int variant,
                                                        const char* class_name) {
  MachineOutput& M = G.report.machine;
  const JsonNoticeParts* parts = KeptJsonNoticeParts(M, number);
  if (parts == nullptr || G.current_entry == nullptr) return false;
  // The context as ContextByKind finds it, each case written with its own
  // record form.
  if (class_name != nullptr && *class_name != '\0') {
    AppendJsonClassNotice(M, *parts, line, class_name);
    return true;
  }
  if (parts->any_context) {
    const int kind = parts->context_kind[static_cast<unsigned>(variant) < 2 ? variant : 2];
    if (kind == kFunctionContext) {
      if (!G.func.name.empty()) {
        AppendJsonFileNotice(M, *parts, line, G.func.name, false);
        return true;
      }
    } else if (kind == kClassContext && G.scope.in_class && !G.scope.cls.name.empty()) {
      AppendJsonFileNotice(M, *parts, line, G.scope.cls.name, true);
      return true;
    }
  }
  AppendJsonLineNotice(M, *parts, number, line);
  return true;
}

}  // namespace zav
