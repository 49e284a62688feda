// Filling a notice form with its values, as text or as HTML.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "quality/notices.h"

namespace zav {

// Everything a form's fields can name (see notice_forms.h).
struct NoticeValues {
  int number = 0;
  int32_t line = 0;
  const char* file = "";
  const char* description = "";
  const char* color = "";
  const NoticeArgs* args = &kNoArgs;
  const char* first_text = nullptr;  // in place of args->texts[0]

  static constexpr NoticeArgs kNoArgs{};
};

enum class NoticeMarkup {
  kText,         // the format as it stands
  kHtml,         // markup woven into a text form (see RenderNotice)
  kHtmlVerbatim, // a form that carries its own markup
  kCsv           // the text form with its fields quoted (CsvFormWriter)
};

// Fills `format` with the values named by `fields`, one letter per
// conversion. In kHtml the first word "Notice" is written in the notice
// colour and bold, each value in bold (a "Line" or "File" label and a
// trailing percent sign inside the bold), and the literal text, like every
// name, is escaped. In kHtmlVerbatim only the names are escaped.
std::string RenderNotice(const char* format, const char* fields,
                         const NoticeValues& values, NoticeMarkup markup);

// A text form taken apart once (see ParsedNoticeText).
struct ParsedTextForm;

// `format` with `fields` taken apart, the first time it is asked for:
// forms are static texts, so their addresses stand for them.
const ParsedTextForm& ParsedNoticeText(const char* format, const char* fields);

// Whether the form names the description ('D'), which the caller then
// fills in.
bool NamesDescription(const ParsedTextForm& form);

// The text form written to `out`, straight into its buffer where there is
// room.
void WriteNoticeText(FILE* out, const ParsedTextForm& form, const NoticeValues& values);

}  // namespace zav
