#include "quality/notice_render.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/csv_field.h"
#include "base/format.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

int IntegerField(const NoticeValues& v, char field) {
  if (field == 'L') return v.line;
  if (field == 'N') return v.number;
  if (field >= '0' && field <= '5') return v.args->ints[field - '0'];
  return 0;
}

double RealField(const NoticeValues& v, char field) {
  if (field == 'a') return v.args->reals[0];
  if (field == 'b') return v.args->reals[1];
  return 0.0;
}

const char* TextField(const NoticeValues& v, char field) {
  const char* text = nullptr;
  switch (field) {
    case 's': text = v.first_text; break;
    case 't': text = v.args->texts[1]; break;
    case 'F': text = v.file; break;
    case 'C': text = v.color; break;
    case 'D': text = v.description; break;
    default: break;
  }
  return text != nullptr ? text : "";
}

// One printf conversion of the form, formatted on its own.
std::string FormatValue(std::string_view conversion, const NoticeValues& v,
                        char field) {
  char format[32];
  const size_t n = conversion.size() < sizeof format ? conversion.size() : sizeof format - 1;
  std::memcpy(format, conversion.data(), n);
  format[n] = '\0';
  char buffer[2048];
  switch (conversion.back()) {
    case 'd':
      if (n == 2) return std::to_string(IntegerField(v, field));  // plain "%d"
      std::snprintf(buffer, sizeof buffer, format, IntegerField(v, field));
      break;
    case 'f':
      std::snprintf(buffer, sizeof buffer, format, RealField(v, field));
      break;
    default:
      std::snprintf(buffer, sizeof buffer, format, TextField(v, field));
      break;
  }
  return buffer;
}

// The length of the conversion starting at format[0] == '%': flags, width,
// precision and the conversion letter.
size_t ConversionLength(const char* format) {
  size_t n = 1;
  while (format[n] != '\0' && std::strchr("-+ #0", format[n]) != nullptr) ++n;
  while (format[n] >= '0' && format[n] <= '9') ++n;
  if (format[n] == '.') {
    ++n;
    while (format[n] >= '0' && format[n] <= '9') ++n;
  }
  if (format[n] != '\0') ++n;
  return n;
}

// Builds the HTML form while the format is walked: literal text is held
// back until the next value, so that a label in front of it can join the
// value's bold.
class HtmlBuilder {
 public:
  HtmlBuilder(std::string& out, const char* color) : out_(out), color_(color) {}

  void Literal(std::string_view text) { pending_ += text; }

  void Value(char field, const std::string& value, bool percent) {
    const std::string_view label = TakeLabel(field);
    Flush();
    out_ += "<b>";
    out_ += label;
    out_ += value;
    if (percent) out_ += '%';
    out_ += "</b>";
  }

  // The held-back text, escaped, with its first "Notice" (the first of
  // the whole notice) in the notice colour. Escaping leaves letters as
  // they are and adds none, so the word is looked for before it.
  void Flush() {
    const std::string_view text = pending_;
    const size_t at = notice_marked_ ? std::string_view::npos : text.find("Notice");
    if (at == std::string_view::npos) {
      AppendHtmlText(out_, text);
    } else {
      AppendHtmlText(out_, text.substr(0, at));
      out_ += "<font color=\"";
      out_ += color_;
      out_ += "\"><b>Notice</b></font>";
      AppendHtmlText(out_, text.substr(at + 6));
      notice_marked_ = true;
    }
    pending_.clear();
  }

 private:
  // "Line " before a line number and "File " before a file name move into
  // the value's bold.
  std::string_view TakeLabel(char field) {
    std::string_view spaced;
    std::string_view colon;
    if (field == 'L') {
      spaced = "Line ";
      colon = "Line: ";
    } else if (field == 'F') {
      spaced = "File ";
      colon = "File: ";
    } else {
      return {};
    }
    for (const std::string_view candidate : {spaced, colon}) {
      if (std::string_view(pending_).ends_with(candidate)) {
        pending_.resize(pending_.size() - candidate.size());
        return candidate;
      }
    }
    return {};
  }

  std::string& out_;
  const char* color_;
  std::string pending_;
  bool notice_marked_ = false;
};

// A formatted value is cut at 2,047 bytes, as every value of a form is.
constexpr size_t kValueLimit = 2047;

// A text form taken apart once: literal text, each followed by a value
// (none after the last).
struct TextPiece {
  std::string literal;     // "%%" already made "%"
  // A literal of 32 bytes or less, padded: copied as one block of 32.
  char short_literal[32] = {};
  char field = '\0';       // '\0': no value follows
  char kind = '\0';        // 'd', 's': plain; otherwise the conversion's letter
  std::string conversion;  // the whole conversion, when it is not plain
  // 'F': "%.Nf" or "%W.Nf" with N of 0 to 3, written here.
  int width = 0;
  int precision = 0;
};

// Whether `conversion` is "%.Nf" or "%W.Nf" with N of 0 to 3; sets the
// piece's width and precision when it is.
bool IsSimpleFixed(std::string_view conversion, TextPiece& piece) {
  size_t i = 1;
  int width = 0;
  while (i < conversion.size() && conversion[i] >= '0' && conversion[i] <= '9') {
    if (i == 1 && conversion[i] == '0') return false;  // the zero flag
    width = width * 10 + (conversion[i++] - '0');
  }
  if (i + 3 != conversion.size() || conversion[i] != '.' || conversion[i + 1] < '0' ||
      conversion[i + 1] > '3' || conversion[i + 2] != 'f') {
    return false;
  }
  piece.width = width;
  piece.precision = conversion[i + 1] - '0';
  return true;
}

std::vector<TextPiece> ParseTextForm(const char* format, const char* fields) {
  std::vector<TextPiece> pieces(1);
  const size_t field_count = std::strlen(fields);
  size_t next_field = 0;
  for (const char* p = format; *p != '\0';) {
    if (p[0] != '%') {
      pieces.back().literal += *p++;
      continue;
    }
    if (p[1] == '%') {
      pieces.back().literal += '%';
      p += 2;
      continue;
    }
    const size_t length = ConversionLength(p);
    TextPiece& piece = pieces.back();
    piece.field = next_field < field_count ? fields[next_field++] : '?';
    piece.kind = p[length - 1];
    if (length != 2 || (piece.kind != 'd' && piece.kind != 's')) {
      piece.conversion.assign(p, std::min<size_t>(length, 31));
      if (piece.kind == 'd' || piece.kind == 's') piece.kind = piece.kind == 'd' ? 'D' : 'S';
      if (piece.kind == 'f' && IsSimpleFixed(piece.conversion, piece)) piece.kind = 'F';
    }
    p += length;
    pieces.emplace_back();
  }
  return pieces;
}

}  // namespace

// A parsed form with the most bytes it can write: its literal text, each
// value at its longest, and the overhang of a short literal's block.
struct ParsedTextForm {
  std::vector<TextPiece> pieces;
  size_t bound = 0;
  bool names_description = false;
};

namespace {

ParsedTextForm ParseWithBound(const char* format, const char* fields) {
  ParsedTextForm form;
  form.pieces = ParseTextForm(format, fields);
  form.bound = sizeof(TextPiece::short_literal);  // room for a short literal's block
  for (TextPiece& piece : form.pieces) {
    form.bound += piece.literal.size();
    if (piece.literal.size() <= sizeof piece.short_literal) {
      std::memcpy(piece.short_literal, piece.literal.data(), piece.literal.size());
    }
    if (piece.field == '\0') continue;
    if (piece.field == 'D') form.names_description = true;
    switch (piece.kind) {
      case 'd': form.bound += 11; break;  // "-2147483648"
      // A double has at most 309 integer digits, a sign, a point and
      // three decimals.
      case 'F': form.bound += static_cast<size_t>(piece.width) + 320; break;
      default: form.bound += kValueLimit; break;
    }
  }
  return form;
}

}  // namespace

// An open-addressed table by address: a run writes hundreds of thousands of
// notices from a few hundred forms.
const ParsedTextForm& ParsedNoticeText(const char* format, const char* fields) {
  constexpr size_t kSlots = 1024;
  struct Slot {
    const char* format = nullptr;
    std::unique_ptr<ParsedTextForm> form;
  };
  static Slot slots[kSlots];
  size_t i = (reinterpret_cast<uintptr_t>(format) >> 3) % kSlots;
  for (size_t probes = 0; probes < kSlots; ++probes, i = (i + 1) % kSlots) {
    Slot& slot = slots[i];
    if (slot.format == format) return *slot.form;
    if (slot.format == nullptr) {
      slot.format = format;
      slot.form = std::make_unique<ParsedTextForm>(ParseWithBound(format, fields));
      return *slot.form;
    }
  }
  // More distinct forms than slots (never with the built-in texts): a
  // list of its own, whose forms stay where they are as it grows.
  static std::vector<Slot> overflow;
  for (const Slot& slot : overflow) {
    if (slot.format == format) return *slot.form;
  }
  overflow.push_back({format, std::make_unique<ParsedTextForm>(ParseWithBound(format, fields))});
  return *overflow.back().form;
}

bool NamesDescription(const ParsedTextForm& form) { return form.names_description; }

namespace {

// A conversion the C library formats, cut at kValueLimit bytes.
[[gnu::noinline]] char* PutLibraryValue(char* at, const TextPiece& piece,
                                        const NoticeValues& v) {
  std::string value;
  const char* conversion = piece.conversion.c_str();
  if (piece.kind == 'D') {
    FormatAppend(value, conversion, IntegerField(v, piece.field));
  } else if (piece.kind == 'f' || piece.kind == 'F') {
    FormatAppend(value, conversion, RealField(v, piece.field));
  } else {
    FormatAppend(value, conversion, TextField(v, piece.field));
  }
  // "%.Nf" (kind 'F') is never cut, as it was never longer.
  const size_t n = piece.kind == 'F' ? value.size() : std::min(value.size(), kValueLimit);
  std::memcpy(at, value.data(), n);
  return at + n;
}

// The text form written at `at` (room for form.bound bytes) value by value:
// a plain "%d" or "%s" and the usual "%.Nf" directly, any other conversion
// through the report formatter. Returns the end.
[[gnu::always_inline]] inline char* PutTextForm(char* at, const ParsedTextForm& form,
                                             const NoticeValues& v) {
  for (const TextPiece& piece : form.pieces) {
    const size_t n = piece.literal.size();
    if (n <= sizeof piece.short_literal) {
      std::memcpy(at, piece.short_literal, sizeof piece.short_literal);
    } else {
      std::memcpy(at, piece.literal.data(), n);
    }
    at += n;
    if (piece.field == '\0') continue;
    switch (piece.kind) {
      case 'd':
        at = PutDecimal(at, IntegerField(v, piece.field));
        break;
      case 's': {
        const char* text = TextField(v, piece.field);
        const size_t n = strnlen(text, kValueLimit);
        std::memcpy(at, text, n);
        at += n;
        break;
      }
      case 'F': {
        const double value = RealField(v, piece.field);
        char digits[24];
        const int n = FixedDecimal(value, piece.precision, digits);
        if (n <= 0) {
          at = PutLibraryValue(at, piece, v);
          break;
        }
        const bool negative = std::signbit(value);
        const int length = n + (negative ? 1 : 0);
        if (piece.width > length) {
          std::memset(at, ' ', static_cast<size_t>(piece.width - length));
          at += piece.width - length;
        }
        if (negative) *at++ = '-';
        std::memcpy(at, digits, static_cast<size_t>(n));
        at += n;
        break;
      }
      default:
        at = PutLibraryValue(at, piece, v);
    }
  }
  return at;
}

void AppendTextForm(std::string& out, const char* format, const char* fields,
                    const NoticeValues& v) {
  const ParsedTextForm& form = ParsedNoticeText(format, fields);
  const size_t start = out.size();
  out.resize(start + form.bound);
  char* end = PutTextForm(out.data() + start, form, v);
  out.resize(static_cast<size_t>(end - out.data()));
}

}  // namespace

void WriteNoticeText(FILE* out, const ParsedTextForm& form, const NoticeValues& values) {
  if (char* at = StreamRoom(out, form.bound)) {
    StreamCommit(out, PutTextForm(at, form, values));
    return;
  }
  static std::string spill;  // the stream's buffer is full or absent
  if (spill.size() < form.bound) spill.resize(form.bound);  // kept at its largest
  char* end = PutTextForm(spill.data(), form, values);
  std::fwrite(spill.data(), 1, static_cast<size_t>(end - spill.data()), out);
}

std::string RenderNotice(const char* format, const char* fields,
                         const NoticeValues& values, NoticeMarkup markup) {
  std::string out;
  if (markup == NoticeMarkup::kText) {
    AppendTextForm(out, format, fields, values);
    return out;
  }
  out.reserve(512);
  HtmlBuilder html(out, values.color);
  CsvFormWriter csv;
  const bool woven = markup == NoticeMarkup::kHtml;
  const bool in_csv = markup == NoticeMarkup::kCsv;
  auto literal = [&](std::string_view text) {
    if (in_csv) {
      csv.Literal(text);
    } else if (woven) {
      html.Literal(text);
    } else {
      out += text;
    }
  };
  size_t next_field = 0;
  const size_t field_count = std::strlen(fields);
  for (const char* p = format; *p != '\0';) {
    if (p[0] == '%' && p[1] == '%') {
      literal("%");
      p += 2;
      continue;
    }
    if (p[0] != '%') {
      // The literal text up to the next conversion, in one piece.
      const char* next = std::strchr(p, '%');
      const size_t n = next != nullptr ? static_cast<size_t>(next - p) : std::strlen(p);
      literal(std::string_view(p, n));
      p += n;
      continue;
    }
    const size_t length = ConversionLength(p);
    const char field = next_field < field_count ? fields[next_field++] : '?';
    std::string value = FormatValue(std::string_view(p, length), values, field);
    p += length;
    const bool is_name = std::strchr("stFD", field) != nullptr;
    if (in_csv) {
      csv.Value(value);
      continue;
    }
    if (markup != NoticeMarkup::kText && is_name) value = HtmlEscape(value);
    // The notice number belongs to the heading and stays plain.
    if (!woven || field == 'N') {
      literal(value);
      continue;
    }
    const bool percent = p[0] == '%' && p[1] == '%';
    if (percent) p += 2;
    html.Value(field, value, percent);
  }
  if (woven) html.Flush();
  if (in_csv) return csv.Finish();
  return out;
}

}  // namespace zav
