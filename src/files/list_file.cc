#include "files/list_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "files/descent.h"
#include "files/directory_totals.h"
#include "files/paths.h"
#include "files/project_files.h"
#include "files/text_lines.h"
#include "base/output.h"

namespace zav {
namespace {

enum class ListForm { kPlain, kWorkspace, kSolution, kProject };

ListForm FormOf(const GlobalData& G, const std::string& name) {
  std::string extension;
  if (!NameExtension(G, name, extension)) return ListForm::kPlain;
  if (extension == "dsw") return ListForm::kWorkspace;
  if (extension == "sln") return ListForm::kSolution;
  if (extension == "dsp") return ListForm::kProject;
  return ListForm::kPlain;
}

// Converts a workspace, solution or project list into zavlist.lst and
// makes that the open list. False when the listing cannot be read back.
bool ConvertToPlainList(GlobalData& G, ListForm form) {
  const std::string& name = G.sw.list_file_name;
  const std::string& extensions = G.settings.allowable_extensions;
  int found = 0;
  switch (form) {
    case ListForm::kWorkspace: found = ConvertWorkspace(G, name, extensions); break;
    case ListForm::kSolution: found = ConvertSolution(G, name, extensions); break;
    case ListForm::kProject: found = ConvertDspProject(G, name, extensions); break;
    case ListForm::kPlain: break;
  }
  if (found == 0) return true;  // the given file stays the list
  G.files.list_file.reset(std::fopen(kListingName, "rb"));
  if (G.files.list_file) return true;
  Print(G, "\n  Error: Cannot open the input file list: %s\n         for read, %s\n\n",
        kListingName, std::strerror(errno));
  return false;
}

void ReadDirectoryLine(FileCollector& collector, const std::string& line) {
  GlobalData& G = collector.G();
  DirectoryLine parsed;
  if (!ParseDirectoryLine(line, parsed)) {
    Print(G, "\n  Error: Malformed directory entry line in file.\n"
             "         Format: -r\"c,h,cpp d:\\proj\\src\"\n"
             "         Read  : %s\n\n",
          line.c_str());
    return;
  }
  const std::string directory = WithoutTrailingSlash(SlashPath(parsed.directory));
  RegisterDirectory(G, directory, parsed.Recursive());
  DescendDirectory(collector, directory, parsed.extensions, parsed.Recursive());
}

void ReadListLine(FileCollector& collector, const std::string& piece) {
  std::string line = WithoutLineEnd(piece);
  // Most lines name no environment variable.
  if (line.find('%') != std::string::npos) line = ExpandListLine(collector.G(), line);
  const size_t begin = line.find_first_not_of(" \t");
  if (begin == std::string::npos || line[begin] == '#') return;
  const size_t end = line.find_last_not_of(" \t\r\n");
  line.erase(end == std::string::npos ? 0 : end + 1);  // the blanks around it
  line.erase(0, begin);
  if (line[0] == '-') {
    ReadDirectoryLine(collector, line);
  } else {
    collector.AddNamedFile(SlashPath(std::move(line)), false);
  }
}

// Skips blanks, tabs and quotation marks from `at`.
size_t SkipSeparators(const std::string& line, size_t at) {
  while (at < line.size() && std::strchr(" \t\"", line[at]) != nullptr) ++at;
  return at;
}

// The text from `at` up to one of `stops`; `at` moves past it.
std::string TakeUntil(const std::string& line, size_t& at, const char* stops) {
  const size_t begin = at;
  while (at < line.size() && std::strchr(stops, line[at]) == nullptr) ++at;
  return line.substr(begin, at - begin);
}

}  // namespace

bool OpenListFile(GlobalData& G) {
  G.files.list_file.reset(std::fopen(G.sw.list_file_name.c_str(), "rb"));
  // A directory opens for reading but reads as nothing. (A pipe is read:
  // `-F <(find ...)` names one.)
  struct stat info;
  if (G.files.list_file && ::fstat(::fileno(G.files.list_file.get()), &info) == 0 &&
      S_ISDIR(info.st_mode)) {
    G.files.list_file.reset();
    errno = EISDIR;
  }
  if (G.files.list_file) return true;
  Print(G, "\n  Error: Cannot open the specified file: %s\n         for read, %s\n\n",
        G.sw.list_file_name.c_str(), std::strerror(errno));
  return false;
}

void ReadListFile(FileCollector& collector) {
  GlobalData& G = collector.G();
  const ListForm form = FormOf(G, G.sw.list_file_name);
  if (form != ListForm::kPlain && !ConvertToPlainList(G, form)) return;
  std::FILE* list = G.files.list_file.get();
  if (list == nullptr) return;
  std::string piece;
  while (ReadLinePiece(list, piece)) {
    if (piece.empty()) continue;  // a line that begins with a NUL byte
    // A last line without a line end counts only when it begins with a
    // printable character (not a stray control byte before end of file).
    const bool last_unterminated = piece.back() != '\n' && std::feof(list);
    if (last_unterminated && static_cast<unsigned char>(piece[0]) < 12) break;
    ReadListLine(collector, piece);
  }
  G.files.list_file.reset();
}

std::string ExpandListLine(GlobalData& G, const std::string& line) {
  std::string result = line;
  size_t rest = 0;  // where the text after the last substitution begins
  bool expanded = false;
  for (;;) {
    const size_t open = result.find('%', rest);
    if (open == std::string::npos) break;
    const size_t close = result.find('%', open + 1);
    if (close == std::string::npos || close == open + 1) break;
    const std::string name = result.substr(open + 1, close - open - 1);
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) {
      Print(G, "  Error: Expanding environment variable from -F file.\n"
               "         Environment Variable: %s does not exist\n\n",
            name.c_str());
      break;
    }
    result = result.substr(0, open) + value + result.substr(close + 1);
    rest = open + std::strlen(value);
    expanded = true;
  }
  if (expanded && G.sw.list_files_and_exit) {
    const bool single_percent =
        result.find('%', rest) != std::string::npos &&
        result.find('%', result.find('%', rest) + 1) == std::string::npos;
    Print(G, single_percent ? "  -F Expanded Line: %s\n\n" : "  -F Expanded File Line: %s\n\n",
          result.c_str());
  }
  return result;
}

bool ParseDirectoryLine(const std::string& line, DirectoryLine& parsed) {
  size_t at = 0;
  parsed.mode = TakeUntil(line, at, " \t\"");
  at = SkipSeparators(line, at);
  parsed.extensions = TakeUntil(line, at, " \t\"");
  at = SkipSeparators(line, at);
  parsed.directory = TakeUntil(line, at, "\"\t\r\n");
  // Blanks before a closing quotation mark are not part of the directory.
  const size_t end = parsed.directory.find_last_not_of(' ');
  parsed.directory.resize(end == std::string::npos ? 0 : end + 1);
  return !parsed.mode.empty() && !parsed.extensions.empty() && !parsed.directory.empty();
}

}  // namespace zav
