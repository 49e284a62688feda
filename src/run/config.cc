#include "run/config.h"

#include "analysis/language.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "base/safe_file.h"
#include "run/config_keys.h"
#include "run/config_template.h"
#include "run/startup.h"

namespace zav {
namespace {

// After a read that changed a language's extensions (a -u file), the
// accepted extensions follow the registered lists again, unless the file
// named them itself.
void RebuildAllowableExtensions(GlobalData& G, const ConfigReadState& state) {
  if (!state.language_list_read || state.allowable_read) return;
  if (static_cast<int>(G.lang.table.size()) < kLangKindCount) return;
  G.settings.allowable_extensions = JoinedExtensions(G);
}

// Configuration lines end in a line feed, a carriage return or both. A
// line is handed on with a line feed, 2,047 characters at a time; a longer
// line is read as several lines.
void ReadLines(GlobalData& G, FILE* in, ConfigReadState& state) {
  std::string text;
  char chunk[8192];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0) text.append(chunk, n);
  std::string line;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    line.assign(text, pos, end - pos);
    if (end < text.size()) line.push_back('\n');
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
    for (size_t piece = 0; piece < line.size(); piece += kTextMax) {
      ApplyConfigLine(G, std::string_view(line).substr(piece, kTextMax), state);
    }
  }
}

void ConfigNote(const std::string& path, const char* what, const char* why) {
  std::fprintf(stderr, "  Note: Configuration file [%s] %s: %s\n", path.c_str(), what, why);
}

// Writes the template with the current settings into `file` and commits it.
bool WriteTemplateInto(const GlobalData& G, ReplacementFile& file, bool replace) {
  WriteConfigTemplate(G, file.stream(), false);
  return file.Commit(replace);
}

// Brings a configuration file of another version up to date: the new text
// goes to a file beside it that replaces it in one step, with the old
// file's permission bits and owner. A file that is a symbolic link, not a
// regular file, or not writable (itself or its directory) is left as it is.
void UpgradeConfigurationFile(const GlobalData& G, const std::string& path) {
  const char* const what = "not upgraded";
  struct stat old;
  if (::lstat(path.c_str(), &old) != 0) return ConfigNote(path, what, std::strerror(errno));
  if (S_ISLNK(old.st_mode)) return ConfigNote(path, what, "it is a symbolic link");
  if (!S_ISREG(old.st_mode)) return ConfigNote(path, what, "not a regular file");
  size_t slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  if (::access(path.c_str(), W_OK) != 0 || ::access(dir.c_str(), W_OK) != 0) {
    return ConfigNote(path, what, "not writable");
  }
  ReplacementFile file;
  if (!file.Open(path, old.st_mode & 07777, false)) {
    return ConfigNote(path, what, std::strerror(errno));
  }
  if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
      !file.SetOwner(old.st_uid, old.st_gid)) {
    return ConfigNote(path, what, "its owner cannot be kept");
  }
  if (!WriteTemplateInto(G, file, true)) ConfigNote(path, what, std::strerror(errno));
}

}  // namespace

void SetDefaults(GlobalData& G) {
  G.settings = Settings();
  G.settings.build_date = __DATE__;
}

const char* YesNo(bool flag) { return flag ? "Yes" : "No"; }

void ReadConfigurationStream(GlobalData& G, FILE* in) {
  ConfigReadState state;
  ReadLines(G, in, state);
  RebuildAllowableExtensions(G, state);
}

bool WriteConfigurationFile(const GlobalData& G, const std::string& path) {
  ReplacementFile file;
  return file.Open(path, 0666, true) && WriteTemplateInto(G, file, false);
}

int ReadConfigurationFile(GlobalData& G, const std::string& path) {
  RemoveStaleTemporaries(path);
  bool not_regular = false;
  FILE* in = OpenRegularFile(path, false, not_regular);
  if (in == nullptr && errno == ENOENT) {
    // A missing file is created from the current settings and read back
    // (a dangling symbolic link at the name is left alone). Another run
    // creating it at the same moment is fine: its file is read.
    WriteConfigurationFile(G, path);
    in = OpenRegularFile(path, false, not_regular);
    if (in == nullptr && !not_regular) return 0;
  }
  if (in == nullptr) {
    // An existing file that cannot be read keeps its bytes; the run goes
    // on with the settings it has.
    ConfigNote(path, "cannot be read, the default settings are used",
               not_regular ? "not a regular file" : std::strerror(errno));
    return 0;
  }
  ReadConfigurationStream(G, in);
  std::fclose(in);

  // A file of another version is brought up to date: the rewrite keeps
  // every value just read and adds the settings the old file lacked.
  Settings& s = G.settings;
  if (strcasecmp(s.cfg_version.c_str(), s.version.c_str()) != 0) {
    s.cfg_version = s.version;
    UpgradeConfigurationFile(G, path);
  }
  return 1;
}

int ReadConfiguration(GlobalData& G) {
  return ReadConfigurationFile(G, G.run.config_path);
}

std::string UdqnFilePath(const GlobalData& G) {
  const std::string& value = G.settings.udqn_file;
  if (value.empty()) return LocateConfigFile(G, kUdqnFileName);
  if (value.find_first_of("/\\") != std::string::npos) return value;
  return LocateConfigFile(G, value);
}

}  // namespace zav
