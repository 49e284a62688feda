// The SARIF log: the head with the tool and its rules, one result per
// raised notice written as it is raised, and the invocation at the end.
#include "report/sarif_log.h"

#include <cstdio>

#include "report/banner.h"
#include "report/json_text.h"
#include "report/machine_output.h"
#include "report/sarif_rules.h"

namespace zav {
namespace {

constexpr const char* kSarifSchema = "https://json.schemastore.org/sarif-2.1.0.json";
constexpr const char* kSourceRoot = "%SRCROOT%";

bool IsUnreserved(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
}

// The path in UTF-8 (see ToUtf8), every byte but the unreserved
// characters and "/" percent-encoded.
std::string PercentEncoded(const std::string& path) {
  std::string out;
  for (unsigned char c : ToUtf8(path)) {
    if (IsUnreserved(c) || c == '/') {
      out += static_cast<char>(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      out += hex;
    }
  }
  return out;
}

// The result's message: the notice's text naming its function or class.
std::string ResultMessage(const MachineNotice& n) {
  std::string text = MachineNoticeText(n);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (!n.context.empty()) {
    text += n.is_class ? " (class '" : " (function '";
    text += n.context + "')";
  }
  if (text.empty() || text.back() != '.') text += '.';
  return text;
}

void WriteLocation(JsonWriter& w, const GlobalData& G, const MachineNotice& n) {
  const std::string uri = FileUri(n.file, G.run.start_dir);
  w.BeginArray("locations");
  w.BeginObject();
  w.BeginObject("physicalLocation");
  w.BeginObject("artifactLocation");
  w.Str("uri", uri);
  if (uri.compare(0, 5, "file:") != 0) w.Str("uriBaseId", kSourceRoot);
  w.End();
  if (n.line > 0) {
    w.BeginObject("region");
    w.Int("startLine", n.line);
    w.End();
  }
  w.End();
  if (!n.context.empty()) {
    w.BeginArray("logicalLocations");
    w.BeginObject();
    w.Str("name", n.context);
    w.Str("kind", n.is_class ? "type" : "function");
    w.End();
    w.End();
  }
  w.End();
  w.End();
}

}  // namespace

std::string SarifRuleId(int number) {
  char id[16];
  std::snprintf(id, sizeof id, "ZAV%03d", number);
  return id;
}

std::string FileUri(const std::string& name, const std::string& root) {
  std::string path = name;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  std::string base = root;
  if (!base.empty() && base.back() != '/') base += '/';
  if (!base.empty() && path.compare(0, base.size(), base) == 0) {
    path.erase(0, base.size());
  } else if (!path.empty() && path[0] == '/') {
    return "file://" + PercentEncoded(path);
  }
  while (path.compare(0, 2, "./") == 0) path.erase(0, 2);
  return PercentEncoded(path);
}

namespace {

constexpr size_t kResultsDrainSize = 65536;

void DrainSarifResults(MachineOutput& M) {
  std::fwrite(M.pending_results.data(), 1, M.pending_results.size(), M.doc);
  M.pending_results.clear();
}

}  // namespace

void BeginSarifLog(GlobalData& G) {
  G.report.machine.pending_results.clear();
  JsonWriter w;
  w.BeginObject();
  w.Str("$schema", kSarifSchema);
  w.Str("version", "2.1.0");
  w.BeginArray("runs");
  w.BeginObject();
  w.BeginObject("tool");
  w.BeginObject("driver");
  w.Str("name", "zav");
  w.Str("fullName", "Zavoran for C, C++, C# and Java");
  w.Str("version", G.settings.version);
  w.Str("informationUri", kMakerSiteUrl);
  w.BeginArray("rules");
  for (const SarifRule& rule : SarifRules(G)) WriteSarifRule(w, rule);
  w.End();
  w.End();
  w.End();
  w.BeginObject("originalUriBaseIds");
  w.BeginObject(kSourceRoot);
  std::string root = G.run.start_dir;
  if (root.empty() || root.back() != '/') root += '/';
  w.Str("uri", FileUri(root, ""));
  w.End();
  w.End();
  w.Raw("results", "[");
  w.Flush(G.report.machine.doc);
}

void WriteSarifResult(GlobalData& G, const MachineNotice& n) {
  MachineOutput& M = G.report.machine;
  // A result is a few hundred bytes; results are drained into the document
  // in pieces of 64 KB.
  JsonWriter w(1000);
  if (M.items_written++ > 0) w.Text(",");
  w.BeginObject();
  w.Str("ruleId", SarifRuleId(n.number));
  if (n.number >= 1 && n.number <= kNoticeCount) w.Int("ruleIndex", n.number - 1);
  w.Str("level", SarifLevel(n.number));
  w.BeginObject("message");
  w.Str("text", ResultMessage(n));
  w.End();
  WriteLocation(w, G, n);
  w.End();
  M.pending_results += w.View();
  if (M.pending_results.size() >= kResultsDrainSize) DrainSarifResults(M);
}

void EndSarifLog(GlobalData& G) {
  DrainSarifResults(G.report.machine);
  JsonWriter w;
  w.Text("]");
  w.Resume('}');  // the run
  w.BeginArray("invocations");
  w.BeginObject();
  w.Bool("executionSuccessful", true);
  if (!G.sw.no_command) w.Str("commandLine", "zav " + G.run.command_line);
  w.End();
  w.End();
  w.End();  // the run
  w.Text("]}\n");
  w.Flush(G.report.machine.doc);
}

}  // namespace zav
