#include "run/report_target.h"

#include <sys/stat.h>

#include "analysis/language.h"
#include "run/switch_reader.h"

namespace zav {
namespace {

bool SameFile(const struct stat& a, const std::string& other) {
  struct stat b;
  return ::stat(other.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool ReportWouldOverwriteSource(const GlobalData& G, const std::string& name) {
  struct stat report;
  if (::stat(name.c_str(), &report) != 0 || S_ISCHR(report.st_mode)) return false;
  std::string extension;
  if (FileExtension(G, name, extension) && FindLanguage(G, extension) >= 0) return true;
  if (G.run.argv == nullptr) return false;
  // The inputs named on the command line: -F lists and the file arguments
  // after the switches.
  SwitchReader reader(G.run.argc, G.run.argv);
  SwitchArg arg;
  while (reader.Next(arg)) {
    if (arg.letter == 'F' && arg.has_value && SameFile(report, arg.value)) return true;
  }
  for (int i = reader.index(); i < G.run.argc && G.run.argv[i] != nullptr; ++i) {
    if (SameFile(report, G.run.argv[i])) return true;
  }
  return false;
}

}  // namespace zav
