#include "report/json_records.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "report/machine_output.h"

namespace zav {
namespace {

int32_t NotNegative(int32_t v) { return std::max<int32_t>(v, 0); }

std::string_view KindName(RecordKind kind) {
  switch (kind) {
    case RecordKind::kStruct: return "struct";
    case RecordKind::kInterface: return "interface";
    case RecordKind::kNamespace: return "namespace";
    case RecordKind::kFunction: return "function";
    default: return "class";
  }
}

void WriteSpan(JsonWriter& w, const MetricRecord& r) {
  w.Int("loc", r.loc);
  w.Int("eloc", r.eloc);
  w.Int("lloc", r.lloc);
  w.Int("comments", r.comments);
  w.Int("blanks", r.blanks);
  w.Int("lines", r.lines);
}

void WriteComplexity(JsonWriter& w, const MetricRecord& r) {
  w.Int("params", r.params);
  w.Int("returns", r.returns);
  w.Int("cyclomatic", r.cyclomatic);
  w.Int("interface_complexity", r.interface_complexity);
  w.Int("total_complexity", r.functional_complexity);
}

// The members of WriteSpan and WriteComplexity, each after a comma, written
// at `at` (room for 160 bytes each); returns the end. With kSmall every
// figure of the record is small (SpanAndComplexityBits).
template <bool kSmall>
[[gnu::always_inline]] inline char* PutSpan(char* at, const MetricRecord& r) {
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"loc\":"), r.loc);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"eloc\":"), r.eloc);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"lloc\":"), r.lloc);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"comments\":"), r.comments);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"blanks\":"), r.blanks);
  return PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"lines\":"), r.lines);
}

template <bool kSmall>
[[gnu::always_inline]] inline char* PutComplexity(char* at, const MetricRecord& r) {
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"params\":"), r.params);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"returns\":"), r.returns);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"cyclomatic\":"), r.cyclomatic);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"interface_complexity\":"),
                          r.interface_complexity);
  return PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"total_complexity\":"),
                            r.functional_complexity);
}

// The figures of PutSpan and PutComplexity or-ed, for AllJsonSmall: one
// test for a record's figures rather than one per figure.
int64_t SpanAndComplexityBits(const MetricRecord& r) {
  return r.loc | r.eloc | r.lloc | r.comments | r.blanks | r.lines | r.params | r.returns |
         r.cyclomatic | r.interface_complexity | r.functional_complexity;
}

// The figures of a function record after its lines.
template <bool kSmall>
char* PutFunctionFigures(char* at, const FunctionRecord& r) {
  return PutComplexity<kSmall>(PutSpan<kSmall>(at, r), r);
}

// The figures of a class record after its line.
template <bool kSmall>
char* PutClassFigures(char* at, const ClassRecord& r) {
  at = PutSpan<kSmall>(at, r);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"methods\":{\"total\":"),
                          static_cast<int32_t>(r.methods));
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"public\":"), r.methods_public);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"protected\":"), r.methods_protected);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"private\":"), r.methods_private);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, "},\"attributes\":{\"total\":"), r.attributes);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"public\":"), r.attributes_public);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"protected\":"), r.attributes_protected);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"private\":"), r.attributes_private);
  *at++ = '}';
  return PutComplexity<kSmall>(at, r);
}

int64_t ClassFigureBits(const ClassRecord& r) {
  return SpanAndComplexityBits(r) | static_cast<int32_t>(r.methods) | r.methods_public |
         r.methods_protected | r.methods_private | r.attributes | r.attributes_public |
         r.attributes_protected | r.attributes_private;
}

// The figures of a namespace record after its line.
template <bool kSmall>
char* PutNamespaceFigures(char* at, const NamespaceRecord& r) {
  at = PutSpan<kSmall>(at, r);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"classes\":"), r.classes);
  at = PutJsonInt<kSmall>(PutJsonLiteral(at, ",\"functions\":"), r.functions);
  return PutComplexity<kSmall>(at, r);
}

// Room for a record's keys and numbers, beside its strings.
constexpr size_t kRecordRoom = 768;

void WriteVisibility(JsonWriter& w, const char* key, int32_t total,
                     int32_t pub, int32_t prot, int32_t priv) {
  w.BeginObject(key);
  w.Int("total", total);
  w.Int("public", pub);
  w.Int("protected", prot);
  w.Int("private", priv);
  w.End();
}

// `text` as a JSON string, as JsonWriter::Str writes it.
void AppendJsonStr(std::string& out, std::string_view text) {
  if (!IsJsonPlain(text)) return AppendJsonString(out, text);
  out += '"';
  out += text;
  out += '"';
}

}  // namespace

JsonNoticeParts MakeJsonNoticeParts(int number, std::string_view text) {
  JsonNoticeParts parts;
  parts.head = ",{\"number\":" + std::to_string(number) + ",\"line\":";
  std::string text_member = ",\"text\":";
  AppendJsonStr(text_member, text);
  parts.line_tail = text_member + "}";
  parts.function_tail = text_member + ",\"function\":\"";
  parts.class_tail = text_member + ",\"class\":\"";
  // Each padded to whole blocks, its size the text's.
  auto pad = [](std::string& part) {
    const auto size = static_cast<uint32_t>(part.size());
    part.resize((part.size() + 31) / 32 * 32);
    return size;
  };
  parts.head_size = pad(parts.head);
  parts.line_tail_size = pad(parts.line_tail);
  parts.function_tail_size = pad(parts.function_tail);
  parts.class_tail_size = pad(parts.class_tail);
  // The head, a line number (20 bytes at most), the longest tail with its
  // padding, and the closing '"}'.
  parts.room = static_cast<uint32_t>(32 + 20 + parts.function_tail.size() + 2);
  return parts;
}

const JsonNoticeParts* KeepJsonNoticeParts(MachineOutput& M, int number,
                                           std::string_view text,
                                           const uint8_t (&context_kind)[3]) {
  if (number < 0 || number >= MachineOutput::kKeptNoticeParts) return nullptr;
  auto parts = std::make_unique<JsonNoticeParts>(MakeJsonNoticeParts(number, text));
  std::copy(std::begin(context_kind), std::end(context_kind), parts->context_kind);
  parts->any_context = (context_kind[0] | context_kind[1] | context_kind[2]) != 0;
  return (M.notice_parts[number] = std::move(parts)).get();
}

void AppendEscapedJsonNotice(MachineOutput& M, const JsonNoticeParts& parts,
                             int32_t line, std::string_view context, bool is_class) {
  std::string escaped;
  AppendJsonString(escaped, context);
  // Without its quotes.
  const std::string_view content(escaped.data() + 1, escaped.size() - 2);
  PutJsonNoticeRecord(M.file_notices_json, parts, line, content, is_class);
}

void AppendJsonClassNotice(MachineOutput& M, const JsonNoticeParts& parts, int32_t line,
                           const char* class_name) {
  AppendJsonFileNotice(M, parts, line, class_name, true);
}

void WriteJsonLines(JsonWriter& w, const FileMetrics& f) {
  char* at = w.Member("lines", 256);
  at = WriteJsonInt(PutJsonLiteral(at, "{\"loc\":"), NotNegative(f.loc_count));
  at = WriteJsonInt(PutJsonLiteral(at, ",\"eloc\":"), NotNegative(f.Eloc()));
  at = WriteJsonInt(PutJsonLiteral(at, ",\"lloc\":"), NotNegative(f.Lloc()));
  at = WriteJsonInt(PutJsonLiteral(at, ",\"comments\":"), NotNegative(f.comment_lines_count));
  at = WriteJsonInt(PutJsonLiteral(at, ",\"blanks\":"), NotNegative(f.blank_lines_count));
  at = WriteJsonInt(PutJsonLiteral(at, ",\"lines\":"), NotNegative(f.total_physical_lines_count));
  *at++ = '}';
  w.EndElement(at);
}

void WriteJsonCounters(JsonWriter& w, const FileMetrics& f) {
  // The object in one piece, as BeginObject, Int and End would write it:
  // every member after a comma, the first comma then made the opening brace.
  char* const start = w.Member("counters", 8192);
  char* at = start;
#define ZAV_JSON_COUNTER(name) at = WriteJsonInt(PutJsonLiteral(at, ",\"" #name "\":"), f.name);
  ZAV_SUMMED_COUNTERS(ZAV_JSON_COUNTER)
  ZAV_MAXIMUM_COUNTERS(ZAV_JSON_COUNTER)
#undef ZAV_JSON_COUNTER
  *start = '{';
  *at++ = '}';
  w.EndElement(at);
}

namespace {

// A function record with a name or parameter text to escape (rare), as
// the writer gives it: the object as the only element of an array.
[[gnu::noinline]] void AppendEscapedJsonFunction(ByteBuffer& out, const FunctionRecord& r) {
  JsonWriter w(kRecordRoom);
  w.BeginArray();
  w.BeginObject();
  w.Str("name", r.name);
  w.Str("parameters", r.parameters);
  w.Int("first_line", r.line);
  w.Int("last_line", r.last_line);
  WriteSpan(w, r);
  WriteComplexity(w, r);
  w.End();
  const std::string_view object = w.View().substr(1);  // without the '['
  char* at = out.Reserve(object.size() + 1);
  *at++ = ',';
  std::memcpy(at, object.data(), object.size());
  out.Commit(at + object.size());
}

// The figures of a function record after its lines, and its closing brace,
// with every figure one digit: this text with the digits put in, copied
// in blocks of sixteen bytes (the array is padded to whole blocks).
constexpr char kOneDigitFunctionFigures[160] =
    ",\"loc\":0,\"eloc\":0,\"lloc\":0,\"comments\":0,\"blanks\":0,\"lines\":0,"
    "\"params\":0,\"returns\":0,\"cyclomatic\":0,\"interface_complexity\":0,"
    "\"total_complexity\":0}";
constexpr size_t kOneDigitFunctionFiguresSize =
    std::char_traits<char>::length(kOneDigitFunctionFigures);
// Where its digits go, in the order of PutSpan and PutComplexity.
constexpr auto kOneDigitPlaces = [] {
  std::array<uint8_t, 11> places{};
  size_t count = 0;
  for (size_t i = 0; i < kOneDigitFunctionFiguresSize; ++i) {
    if (kOneDigitFunctionFigures[i] == ':') places[count++] = static_cast<uint8_t>(i + 1);
  }
  return places;
}();
static_assert(kOneDigitFunctionFiguresSize <= sizeof kOneDigitFunctionFigures);

char* PutOneDigitFunctionFigures(char* at, const FunctionRecord& r) {
#pragma GCC unroll 10
  for (size_t i = 0; i < sizeof kOneDigitFunctionFigures; i += 16) {
    std::memcpy(at + i, kOneDigitFunctionFigures + i, 16);
  }
  const int32_t figures[11] = {r.loc,     r.eloc,       r.lloc,
                               r.comments, r.blanks,    r.lines,
                               r.params,  r.returns,    r.cyclomatic,
                               r.interface_complexity, r.functional_complexity};
#pragma GCC unroll 11
  for (size_t i = 0; i < 11; ++i) at[kOneDigitPlaces[i]] = static_cast<char>('0' + figures[i]);
  return at + kOneDigitFunctionFiguresSize;
}

}  // namespace

void AppendJsonFunction(ByteBuffer& out, const FunctionRecord& r) {
  // The common case, plain names, is written in one piece: a file can hold
  // thousands of functions. The names are tested as they are copied; the
  // record is committed only when both are plain.
  char* at = out.Reserve(kRecordRoom + r.name.size() + r.parameters.size());
  at = PutPlainJsonText(PutJsonLiteral(at, ",{\"name\":\""), r.name);
  if (at != nullptr) at = PutPlainJsonText(PutJsonLiteral(at, "\",\"parameters\":\""), r.parameters);
  if (at == nullptr) return AppendEscapedJsonFunction(out, r);
  at = WriteJsonInt(PutJsonLiteral(at, "\",\"first_line\":"), r.line);
  at = WriteJsonInt(PutJsonLiteral(at, ",\"last_line\":"), r.last_line);
  // Most functions are small: every figure one digit.
  const int64_t bits = SpanAndComplexityBits(r);
  if (static_cast<uint64_t>(bits) < 10) {
    at = PutOneDigitFunctionFigures(at, r);
  } else {
    at = AllJsonSmall(bits) ? PutFunctionFigures<true>(at, r) : PutFunctionFigures<false>(at, r);
    *at++ = '}';
  }
  out.Commit(at);
}

void WriteJsonClass(JsonWriter& w, const ClassRecord& r) {
  // Plain names, tested as they are copied, in one piece.
  char* const element = w.Element(kRecordRoom + r.name.size() + r.inheritance.size());
  char* at = PutJsonText(PutJsonLiteral(element, "{\"kind\":\""), KindName(r.kind));
  at = PutPlainJsonText(PutJsonLiteral(at, "\",\"name\":\""), r.name);
  if (at != nullptr) at = PutPlainJsonText(PutJsonLiteral(at, "\",\"inheritance\":\""), r.inheritance);
  if (at != nullptr) {
    at = WriteJsonInt(PutJsonLiteral(at, "\",\"line\":"), r.line);
    at = AllJsonSmall(ClassFigureBits(r)) ? PutClassFigures<true>(at, r)
                                          : PutClassFigures<false>(at, r);
    *at++ = '}';
    w.EndElement(at);
    return;
  }
  w.RetractElement(element);
  w.BeginObject();
  w.Str("kind", KindName(r.kind));
  w.Str("name", r.name);
  w.Str("inheritance", r.inheritance);
  w.Int("line", r.line);
  WriteSpan(w, r);
  // Methods are counted in steps of 1.0; the report shows whole numbers.
  WriteVisibility(w, "methods", static_cast<int32_t>(r.methods),
                  r.methods_public, r.methods_protected, r.methods_private);
  WriteVisibility(w, "attributes", r.attributes, r.attributes_public,
                  r.attributes_protected, r.attributes_private);
  WriteComplexity(w, r);
  w.End();
}

void WriteJsonNamespace(JsonWriter& w, const NamespaceRecord& r) {
  char* const element = w.Element(kRecordRoom + r.name.size());
  char* at = PutPlainJsonText(PutJsonLiteral(element, "{\"name\":\""), r.name);
  if (at != nullptr) {
    at = WriteJsonInt(PutJsonLiteral(at, "\",\"line\":"), r.line);
    at = AllJsonSmall(SpanAndComplexityBits(r) | r.classes | r.functions)
             ? PutNamespaceFigures<true>(at, r)
             : PutNamespaceFigures<false>(at, r);
    *at++ = '}';
    w.EndElement(at);
    return;
  }
  w.RetractElement(element);
  w.BeginObject();
  w.Str("name", r.name);
  w.Int("line", r.line);
  WriteSpan(w, r);
  w.Int("classes", r.classes);
  w.Int("functions", r.functions);
  WriteComplexity(w, r);
  w.End();
}

void WriteJsonNotices(JsonWriter& w, const std::vector<MachineNotice>& list,
                      bool with_file) {
  w.BeginArray("notices");
  for (const MachineNotice& n : list) {
    w.BeginObject();
    w.Int("number", n.number);
    if (with_file) w.Str("file", n.file);
    w.Int("line", n.line);
    if (n.keyword.empty()) {
      w.Str("text", n.description);
    } else {
      w.Str("text", MachineNoticeText(n));
    }
    if (!n.context.empty()) w.Str(n.is_class ? "class" : "function", n.context);
    w.End();
  }
  w.End();
}

}  // namespace zav
