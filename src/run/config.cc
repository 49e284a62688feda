#include "run/config.h"

#include "analysis/language.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>

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

void ReadLines(GlobalData& G, FILE* in, ConfigReadState& state) {
  // Lines are read 2,047 characters at a time; a longer line is read as
  // several lines.
  char buffer[kTextMax + 1];
  while (std::fgets(buffer, sizeof buffer, in) != nullptr) {
    ApplyConfigLine(G, std::string_view(buffer, std::strlen(buffer)), state);
  }
}

// The file a write goes to: the target of a symbolic link, so the link
// survives the rename.
std::string WriteTarget(const std::string& path) {
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) != nullptr) return resolved;
  return path;
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
  const std::string target = WriteTarget(path);
  const std::string temp = target + "." + std::to_string(getpid()) + ".tmp";
  struct stat old;
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) return false;
  if (replacing) ::fchmod(fd, old.st_mode & 07777);
  FILE* out = ::fdopen(fd, "wb");
  if (out == nullptr) {
    ::close(fd);
    ::unlink(temp.c_str());
    return false;
  }
  WriteConfigTemplate(G, out, false);
  bool ok = std::fflush(out) == 0 && std::ferror(out) == 0;
  ok = std::fclose(out) == 0 && ok;
  if (!ok || std::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

int ReadConfigurationFile(GlobalData& G, const std::string& path) {
  FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) {
    // A missing file is created from the current settings and read back.
    if (!WriteConfigurationFile(G, path)) return 0;
    in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return 0;
  }
  ReadConfigurationStream(G, in);
  std::fclose(in);

  // A file of another version is brought up to date: the rewrite keeps
  // every value just read and adds the settings the old file lacked.
  Settings& s = G.settings;
  if (strcasecmp(s.cfg_version.c_str(), s.version.c_str()) != 0) {
    s.cfg_version = s.version;
    WriteConfigurationFile(G, path);  // skipped silently when not writable
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
