#include "quality/notices.h"

#include <cstdio>

#include "quality/checks.h"
#include "quality/machine_notice.h"
#include "quality/notice_catalogue.h"
#include "quality/notice_forms.h"
#include "quality/notice_render.h"
#include "base/csv_field.h"
#include "report/machine_output.h"
#include "quality/udqn_apply.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

constexpr const char* kUnboundScopeText = "is not bound with scope braces {}";

const char* NoticeFile(const GlobalData& G, const NoticeArgs& args) {
  if (args.file_name != nullptr) return args.file_name;
  return G.current_entry != nullptr ? G.current_entry->name.c_str() : "";
}

void CountNotice(GlobalData& G, int number) {
  ++G.file.quality_notice_count;
  if (number >= 1 && number <= kNoticeCount) ++G.notices.run_counts[number];
  ++G.notices.total_emitted;
}

// CountNotice `count` times at once.
void CountNotices(GlobalData& G, int number, int count) {
  G.file.quality_notice_count += count;
  if (number >= 1 && number <= kNoticeCount) G.notices.run_counts[number] += count;
  G.notices.total_emitted += count;
}

// The word notices 51 to 54 name when the caller gave none.
const char* UncommentedBlockWord(int number) {
  static_assert(kNoticeClassNoComment == kNoticeFunctionNoComment + 1 &&
                kNoticeStructNoComment == kNoticeFunctionNoComment + 2 &&
                kNoticeInterfaceNoComment == kNoticeFunctionNoComment + 3);
  static constexpr const char* kWords[] = {"function", "class", "struct", "interface"};
  const unsigned index = static_cast<unsigned>(number - kNoticeFunctionNoComment);
  return index < 4 ? kWords[index] : nullptr;
}

// The form notice `number` is written in, in `variant`, for the markup,
// and the markup itself.
struct ChosenForm {
  const char* text;
  const char* fields;
  NoticeMarkup markup;
};

ChosenForm ChooseForm(const GlobalData& G, int number, int variant, ReportFormat format) {
  const NoticeForm& form = FindNoticeForm(number, variant);
  ChosenForm chosen{form.text, form.fields, NoticeMarkup::kText};
  if (G.settings.reorder_notices && form.reordered != nullptr) {
    chosen.text = form.reordered;
    chosen.fields = form.reordered_fields;
  }
  if (format == ReportFormat::kCsv) chosen.markup = NoticeMarkup::kCsv;
  if (format == ReportFormat::kHtml) {
    chosen.markup = NoticeMarkup::kHtml;
    if (form.html != nullptr && chosen.text == form.text) {
      chosen.text = form.html;
      chosen.fields = form.html_fields;
      chosen.markup = NoticeMarkup::kHtmlVerbatim;
    }
  }
  return chosen;
}

// The parsed text form of a notice and whether it names the description.
struct KnownTextForm {
  const ParsedTextForm* form = nullptr;
  bool names_description = false;
};

// Found once per built-in number and variant: the reorder setting stays as
// it is through the run.
KnownTextForm TextFormOf(const GlobalData& G, int number, int variant) {
  constexpr unsigned kNumbers = 64;
  auto find = [&] {
    const ChosenForm chosen = ChooseForm(G, number, variant, ReportFormat::kText);
    const ParsedTextForm& form = ParsedNoticeText(chosen.text, chosen.fields);
    return KnownTextForm{&form, NamesDescription(form)};
  };
  if (static_cast<unsigned>(number) >= kNumbers || static_cast<unsigned>(variant) > 1) {
    return find();
  }
  static KnownTextForm forms[kNumbers][2][2];
  KnownTextForm& known = forms[number][variant][G.settings.reorder_notices];
  if (known.form == nullptr) known = find();
  return known;
}

void WriteVerboseNotice(GlobalData& G, int number, int32_t line,
                        const NoticeArgs& args) {
  const ReportFormat format = G.sw.Format();
  const bool immediate_paren = number == kNoticeParenthesesUnequal && args.variant == 1;
  if (immediate_paren &&
      (format == ReportFormat::kCsv || format == ReportFormat::kXml)) {
    return;
  }
  NoticeValues values;
  values.number = number;
  values.line = line;
  values.file = NoticeFile(G, args);
  values.color = G.settings.colors[kColorNotice].c_str();
  values.args = &args;
  values.first_text = args.texts[0];
  if (values.first_text == nullptr) values.first_text = UncommentedBlockWord(number);

  // The text form, by far the most common, goes straight to the report.
  if (format != ReportFormat::kHtml && format != ReportFormat::kCsv &&
      !G.report.machine.silent) {
    const KnownTextForm known = TextFormOf(G, number, args.variant);
    if (known.names_description) values.description = NoticeText(G, number);
    WriteNoticeText(G.report.out, *known.form, values);
    if (immediate_paren) PutText(G, kParenForcedEqualText);
    return;
  }
  values.description = NoticeText(G, number);
  const ChosenForm chosen = ChooseForm(G, number, args.variant, format);
  std::string out = RenderNotice(chosen.text, chosen.fields, values, chosen.markup);
  if (immediate_paren) out += kParenForcedEqualText;
  PutText(G, out);
}

}  // namespace

int NoticeEnabled(const GlobalData& G, int number) {
  if (number < 1 || number > kNoticeCount) return -1;
  return G.settings.notice_enabled[number] ? 1 : 0;
}

// A user-defined notice is described by its summary.
const char* NoticeText(GlobalData& G, int number) {
  if (number >= kUdqnFirstId) {
    if (const char* summary = UdqnSummary(G, number)) return summary;
  }
  return NoticeDescription(G, number);
}

void AddNoticeToList(GlobalData& G, const std::string& file_name,
                     int32_t line, int number) {
  if (G.notices.keep_list) G.notices.list.push_back(QualityNotice{file_name, line, number});
}

void WriteIdeNoticeLine(GlobalData& G, std::string_view file_name, int32_t line,
                        int number, std::string_view text) {
  // The IDE line keeps its form; inside an XML or CSV report its texts
  // are escaped or the line quoted as one field.
  const ReportFormat format = G.sw.Format();
  const bool xml = format == ReportFormat::kXml;
  const std::string shown_file = xml ? XmlEscape(file_name) : std::string(file_name);
  const std::string shown_text = xml ? XmlEscape(text) : std::string(text);
  char head[64];
  std::snprintf(head, sizeof head, "(%d) : Notice #%-4d - ", line, number);
  std::string notice = shown_file + head + shown_text;
  if (format == ReportFormat::kCsv) notice = CsvField(notice);
  Print(G, "%s\n", notice.c_str());
}

void EmitShortNotice(GlobalData& G, const std::string& file_name,
                     int32_t line, int number, const char* keyword) {
  // Notice 22 names its keyword in place of the description.
  std::string text = NoticeText(G, number);
  std::string xml_text = text;
  if (keyword != nullptr) {
    text = std::string("'") + keyword + "' " + kUnboundScopeText;
    xml_text = std::string(keyword) + " " + kUnboundScopeText;
  }
  const Switches& sw = G.sw;
  if (sw.notice_visual_studio) {
    WriteIdeNoticeLine(G, file_name, line, number, text);
  } else if (sw.Format() == ReportFormat::kHtml) {
    Print(G, "  <font color=%s><b>Notice</b></font> <b>#%4d</b>: Line <b>%d</b>, %s\n",
          G.settings.colors[kColorNotice].c_str(), number, line, text.c_str());
  } else if (sw.Format() == ReportFormat::kXml) {
    // -TN and every -w mode leave file names and notices out of the XML.
    if (!sw.totals_no_file_names) {
      Print(G,
            "<notice>\n<type>%d</type>\n<line>%d</line>"
            "<description>%s</description>\n</notice>\n",
            number, line, XmlEscape(xml_text).c_str());
    }
  } else {
    char head[64];
    if (G.settings.reorder_notices) {
      std::snprintf(head, sizeof head, "  Line %4d: Notice #%4d: ", line, number);
    } else {
      std::snprintf(head, sizeof head, "  Notice #%4d: Line %4d, ", number, line);
    }
    if (sw.Format() == ReportFormat::kCsv) {
      // The text form's comma separates two fields; the description is
      // quoted when it needs to be.
      CsvFormWriter csv;
      csv.Literal(head);
      csv.Value(text);
      Print(G, "%s\n", csv.Finish().c_str());
    } else {
      Print(G, "%s%s\n", head, text.c_str());
    }
  }
  AddNoticeToList(G, file_name, line, number);
}

namespace {

// Counts an enabled notice and writes it in the form the switches ask for.
void EmitNotice(GlobalData& G, int number, int32_t line, const NoticeArgs& args) {
  CountNotice(G, number);
  if (MachineActive(G)) {
    if (AppendKeptJsonNotice(G, number, line, args.variant, args.class_name)) return;
    // The document lists notices when quality notices are on.
    if (!G.sw.notices) return;
    const char* keyword = number == kNoticeUnboundScope ? args.texts[0] : nullptr;
    RecordMachineNotice(G, number, line, NoticeFile(G, args), keyword, args.variant,
                        args.class_name);
    return;  // the machine-readable document replaces every notice form
  }
  const Switches& sw = G.sw;
  if (sw.notices && !sw.totals_only) {
    if (!sw.notice_single_line && !sw.notice_visual_studio) {
      WriteVerboseNotice(G, number, line, args);
      return;
    }
  } else if (!sw.notice_collect) {
    // Not written: where only whether a file raised a notice can show,
    // one is enough.
    if (G.notices.need == NoticeNeed::kAny) QuietChecks(G.checks);
    return;
  }
  const char* keyword = nullptr;
  if (number == kNoticeUnboundScope && sw.functional) keyword = args.texts[0];
  EmitShortNotice(G, NoticeFile(G, args), line, number, keyword);
}

}  // namespace

void RaiseNoticeBody(GlobalData& G, int number, int32_t line, const NoticeArgs& args) {
  if (NoticeEnabled(G, number) == 0 || G.reader.quality_skipping) return;
  EmitNotice(G, number, line, args);
}

void RaiseRepeatedNoticeBody(GlobalData& G, int number, int32_t line, int count) {
  static constexpr NoticeArgs kNoArgs;
  if (NoticeEnabled(G, number) == 0 || G.reader.quality_skipping) return;
  EmitNotice(G, number, line, kNoArgs);
  // In a JSON document the others repeat the record the first one left.
  if (count > 1 && MachineActive(G) && G.sw.notices &&
      RepeatJsonLineNotice(G.report.machine, number, line, count - 1)) {
    CountNotices(G, number, count - 1);
    return;
  }
  for (int i = 1; i < count; ++i) EmitNotice(G, number, line, kNoArgs);
}

void RaiseRunNotice(GlobalData& G, int number, int32_t line,
                    const NoticeArgs& args) {
  if (NoticeEnabled(G, number) == 0) return;
  ++G.project.quality_notice_count;
  EmitNotice(G, number, line, args);
}

}  // namespace zav
