#include "report/banner.h"

#include <cstdio>
#include <ctime>
#include <string>

#include "base/csv_field.h"
#include "report/framework.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

const char* kProductLine = "Zavoran (TM) for C, C++, C# and Java";
// The trademark entity is six characters wider than the sign it shows; the
// leading blanks make up for it when the line is centred.
const char* kProductLineHtml = "     Zavoran&#8482; for C, C++, C# and Java";

std::string VersionLine(const GlobalData& G) {
  return "Version " + G.settings.version + " - " + kMakerSiteName;
}

std::string Now(bool run_date) {
  const int64_t now = static_cast<int64_t>(std::time(nullptr));
  return run_date ? FormatRunDate(now) : FormatFileTime(now);
}

void WriteTextBanner(GlobalData& G) {
  const Settings& s = G.settings;
  if (G.sw.no_header) return;
  if (s.report_header_active) CenterLine(G, s.report_header_text);
  PutText(G, "\n");
  CenterLine(G, kProductLine);
  CenterLine(G, VersionLine(G));
  PutText(G, "\n");
  Print(G, "  Build Date  : %-15s                     Run Date: %s\n",
        s.build_date.c_str(), Now(true).c_str());
  Print(G, "  %s%s\n\n", kUnderscores36, kUnderscores36);
  if (!G.sw.no_config) {
    Print(G, "  Config. File: %s\n",
          WrapName(G, G.run.config_path, 58, 22).c_str());
  }
  if (!G.sw.no_command) {
    PutText(G, "  Command Line: ");
    Print(G, "%s ", WrapName(G, G.run.command_line, 58, 16).c_str());
    PutText(G, "\n");
  }
}

void WriteBodyTag(GlobalData& G) {
  const char* background = Color(G, kColorBackground);
  const bool colors_set = !G.settings.colors[kColorText].empty() &&
                          !G.settings.colors[kColorVLink].empty() &&
                          !G.settings.colors[kColorLink].empty();
  if (*background == '\0') {
    if (colors_set) {
      Print(G, "<body text=\"%s\" vlink=\"%s\" link=\"%s\" alink=\"%s\">\n",
            Color(G, kColorText), Color(G, kColorVLink), Color(G, kColorLink),
            Color(G, kColorALink));
    } else {
      PutText(G,
              "<body text=\"#000000\" vlink=\"#660099\" link=\"#0000ee\" "
              "alink=\"#CCCCCC\">\n");
    }
  } else if (colors_set) {
    Print(G,
          "<body bgcolor=\"%s\" text=\"%s\" vlink=\"%s\" link=\"%s\" "
          "alink=\"%s\" >\n",
          background, Color(G, kColorText), Color(G, kColorVLink),
          Color(G, kColorLink), Color(G, kColorALink));
  } else {
    Print(G,
          "<body bgcolor=\"%s\" text=\"#000000\" vlink=\"#660099\" "
          "link=\"#0000ee\" alink=\"#CCCCCC\">\n",
          background);
  }
}

void WriteHtmlProlog(GlobalData& G) {
  PutText(G, "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n");
  PutText(G,
          "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
          "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n");
  PutText(G, "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n");
  PutText(G, "<head>");
  Print(G, "<title>Zavoran %s</title>\n",
        HtmlText(G.settings.version).c_str());
  PutText(G,
          "<meta http-equiv=\"Content-Type\" content=\"text/html; "
          "charset=iso-8859-1\" />");
  PutText(G, "</head>\n");
  WriteBodyTag(G);
  PutText(G, "<pre>\n");
}

void WriteHtmlBanner(GlobalData& G) {
  const Settings& s = G.settings;
  WriteHtmlProlog(G);
  if (G.sw.no_header) return;
  if (s.report_header_active) Print(G, "%s\n", s.report_header_html.c_str());
  Print(G, "<b><font color=\"%s\">\n", Color(G, kColorZav));
  CenterLine(G, kProductLineHtml);
  PutText(G, "</font></b>");
  const std::string markup = "Version " + HtmlText(s.version) + " - <a href=\"" +
                             kMakerSiteUrl + "\" target=\"_blank\">" +
                             kMakerSiteName + "</a>";
  CenterHtmlLine(G, VersionLine(G), markup);
  PutText(G, "\n");
  Print(G,
        "  <b><font color=\"%s\">Build Date</font></b>  : <b>%-15s          "
        "           <font color=\"%s\">Run Date</font></b>: %s \n",
        Color(G, kColorDate), HtmlText(s.build_date).c_str(),
        Color(G, kColorDate), Now(true).c_str());
  Print(G, "  %s%s\n\n", kUnderscores36, kUnderscores36);
  if (!G.sw.no_config) {
    Print(G, "  <b><font color=\"%s\">Config. File</font></b>: %s\n",
          Color(G, kColorHeader), HtmlText(G.run.config_path).c_str());
  }
  if (!G.sw.no_command) {
    Print(G, "  <b><font color=\"%s\">Command Line</font></b>: ",
          Color(G, kColorHeader));
    PutText(G, HtmlText(G.run.command_line));
    PutText(G, "\n");
  }
}

void WriteCsvBanner(GlobalData& G) {
  const Settings& s = G.settings;
  if (s.report_header_active) {
    Print(G, "%s\n\n", CsvField(s.report_header_text).c_str());
  }
  PutText(G, "Zavoran\n");
  Print(G, "%s,%s\n", "Version", s.version.c_str());
  // The C library's time text keeps its own line end here.
  Print(G, "Date Processed,%s\n", (Now(false) + "\n").c_str());
  if (!G.sw.no_command) {
    PutText(G, "ZAV Command Line,");
    PutText(G, CsvField(G.run.command_line));
    PutText(G, "\n");
  }
  if (!G.sw.no_config) {
    Print(G, "Configuration File,%s\n", CsvField(G.run.config_path).c_str());
  }
}

void WriteXmlBanner(GlobalData& G) {
  const Settings& s = G.settings;
  PutText(G, "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n");
  if (G.sw.xsl_given) {
    Print(G, "<?xml-stylesheet type=\"text/xsl\" href=\"%s\"?>\n",
          XmlEscape(XmlStylesheetHref(G.sw.xsl_file_name)).c_str());
  }
  PutText(G, "<zavrep>\n");
  if (s.report_header_active) {
    Print(G, "<banner>%s</banner>\n", XmlEscape(s.report_header_text).c_str());
  }
  PutText(G, "<program>Zavoran</program>\n");
  Print(G, "<version>%s</version>\n", XmlEscape(s.version).c_str());
  Print(G, "<date>%s</date>\n", Now(false).c_str());
  if (!G.sw.no_command) {
    Print(G, "<command>%s</command>\n", XmlEscape(G.run.command_line).c_str());
  }
  if (!G.sw.no_config) {
    Print(G, "<config_file>%s</config_file>\n",
          XmlEscape(G.run.config_path).c_str());
  }
}

// The differential configuration path and the report title.
void WriteAfterBanner(GlobalData& G) {
  const ReportFormat format = Fmt(G);
  if (!G.sw.no_config && G.sw.work_diff_config_given) {
    const std::string& path = G.sw.work_diff_config_path;
    switch (format) {
      case ReportFormat::kText:
        Print(G, "  Diff Config.: %s\n", path.c_str());
        break;
      case ReportFormat::kHtml:
        Print(G, "  <b><font color=\"%s\">Diff Config.</font></b>: %s\n",
              Color(G, kColorHeader), HtmlText(path).c_str());
        break;
      case ReportFormat::kCsv:
        Print(G, "%s\n", CsvField("Diff Config File: " + path).c_str());
        break;
      case ReportFormat::kXml:
        Print(G, "<diff_config_file>%s</diff_config_file>\n",
              XmlEscape(path).c_str());
        break;
    }
  }
  LoadUdqnsWithBanner(G);
  if (G.sw.no_header || !G.sw.title_on) return;
  const std::string& title = G.settings.printed_page_header;
  switch (format) {
    case ReportFormat::kText:
      PutText(G, "\n");
      CenterLine(G, title);
      PutText(G, "\n");
      break;
    case ReportFormat::kHtml:
      PutText(G, "\n");
      CenterHtmlLine(G, title, "<b><i>" + HtmlText(title) + "</i></b>");
      PutText(G, "\n");
      break;
    case ReportFormat::kCsv:
      Print(G, "\n%s\n", CsvField(title).c_str());
      break;
    case ReportFormat::kXml:
      Print(G, "<title>%s</title>\n", XmlEscape(title).c_str());
      break;
  }
}

void WriteSyntaxError(GlobalData& G) {
  const bool html = Fmt(G) == ReportFormat::kHtml;
  if (html) {
    Print(G,
          "<b><font color=\"%s\">  Command Line Syntax Error, Try -hs for "
          "help...\n</font></b>",
          Color(G, kColorError));
    Print(G, "  %s\n\n", HtmlText(G.run.command_line).c_str());
    PutText(G, "</pre></body></html>");
  } else {
    PutText(G, "  Command Line Syntax Error, Try -hs for help...\n");
    Print(G, "  %s\n\n", WrapName(G, G.run.command_line, 58, 16).c_str());
  }
}

// The mode title: the first per-file report mode that the switches select.
const char* ModeTitle(const Switches& sw) {
  if (sw.macros) return "~~ Macro Metrics ~~";
  if (sw.objects) return "~~ Class/Struct Metrics ~~";
  if (sw.loc_determination) return "~~ Determine Source vs. LOC Algorithms ~~";
  if (sw.complexity) {
    return sw.function_detail ? "~~ Complexity Detail Analysis ~~"
                              : "~~ Complexity Analysis ~~";
  }
  if (sw.notices) return "~~ Quality Analysis ~~";
  if (sw.allocation) return "~~ Memory Allocation/De-allocation Metrics ~~";
  if (sw.extract_strings) return "~~ Literal String Extraction Mode ~~";
  if (sw.extract_comments) return "~~ Comment Extraction Mode ~~";
  if (sw.comment_documentation) return "~~ Comment Documentation ~~";
  // "~~ Template Identification ~~" belongs to a mode no switch selects.
  if (sw.function_list) return "~~ Function Listing ~~";
  return "~~ Function Metrics ~~";
}

}  // namespace

void WriteBanner(GlobalData& G, bool syntax_error) {
  switch (Fmt(G)) {
    case ReportFormat::kText: WriteTextBanner(G); break;
    case ReportFormat::kHtml: WriteHtmlBanner(G); break;
    case ReportFormat::kCsv: WriteCsvBanner(G); break;
    case ReportFormat::kXml: WriteXmlBanner(G); break;
  }
  WriteAfterBanner(G);
  if (syntax_error) WriteSyntaxError(G);
}

void WriteDocumentHead(GlobalData& G) {
  const ReportFormat format = Fmt(G);
  if (format == ReportFormat::kCsv || format == ReportFormat::kXml) {
    WriteBanner(G);
  }
}

void WriteModeTitle(GlobalData& G) {
  const Switches& sw = G.sw;
  if (sw.notice_visual_studio && sw.notice_collect) {
    CenterLine(G, "Visual Studio Code Quality Notices");
    PutText(G,
            "\n  Double click any notice in the Visual Studio output window "
            "to\n  jump to the specified line number\n\n");
  }
  const ReportFormat format = Fmt(G);
  if (sw.totals_only || format == ReportFormat::kCsv ||
      format == ReportFormat::kXml) {
    return;
  }
  WriteSectionTitle(G, ModeTitle(sw), "");
}

void WriteProjectBanner(GlobalData& G, int files) {
  char visible[96];
  switch (Fmt(G)) {
    case ReportFormat::kText:
      WriteHyphenRule(G);
      std::snprintf(visible, sizeof visible, "%s%d%s",
                    "~~ Project Analysis For ", files, " Files ~~");
      CenterLine(G, visible);
      break;
    case ReportFormat::kHtml: {
      WriteHyphenRule(G);
      std::snprintf(visible, sizeof visible, "%s%d%s", "~~ Total Metrics For ",
                    files, " Files ~~");
      char markup[160];
      std::snprintf(markup, sizeof markup, "%s<font color=\"%s\">%d</font>%s",
                    "<b>~~ Total Metrics For ", Color(G, kColorTotal), files,
                    " Files ~~</b>");
      CenterHtmlLine(G, visible, markup);
      break;
    }
    case ReportFormat::kCsv:
      Print(G, "\n%s,%d,%s", "Project", files, "Files");
      break;
    case ReportFormat::kXml:
      break;
  }
}

void WriteReportEnd(GlobalData& G) {
  const Settings& s = G.settings;
  const bool header = s.report_header_active;
  switch (Fmt(G)) {
    case ReportFormat::kText:
      if (header) CenterLine(G, s.report_header_text);
      break;
    case ReportFormat::kHtml:
      if (header) Print(G, "%s\n", s.report_header_html.c_str());
      PutText(G, "</pre></body></html>");
      break;
    case ReportFormat::kCsv:
      if (header) Print(G, "\n%s\n", CsvField(s.report_header_text).c_str());
      break;
    case ReportFormat::kXml:
      if (header) {
        Print(G, "<banner>%s</banner>\n", XmlEscape(s.report_header_text).c_str());
      }
      PutText(G, "</zavrep>\n");
      break;
  }
}

}  // namespace zav
