#include "files/project_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "base/safe_file.h"
#include "files/file_filters.h"
#include "files/paths.h"
#include "files/text_lines.h"
#include "base/output.h"
#include "base/xml_text.h"
#include "zav/file_set.h"

namespace zav {
namespace {

using File = std::unique_ptr<std::FILE, FileCloser>;

// The separators of the extension list when selecting project members.
constexpr const char* kMemberExtensionSeparators = ",:;\"\r\n";

constexpr size_t kPathMax = 2047;

void Debug(const GlobalData& G, const char* format, const std::string& text) {
  if (G.sw.debug) std::printf(format, text.c_str());
}

std::string TrimBlanks(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return "";
  size_t end = text.find_last_not_of(" \t\r\n");
  return text.substr(begin, end - begin + 1);
}

std::string WithoutQuotes(std::string text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '"') text.erase(0, 1);
  size_t quote = text.find('"');
  if (quote != std::string::npos) text.resize(quote);
  return TrimBlanks(text);
}

// Writes the listing, shared by all projects of one conversion.
class Listing {
 public:
  Listing(GlobalData& G, const std::string& extensions)
      : G_(G), extensions_(extensions) {}

  bool Open() {
    // Never through a symbolic link at the listing's name.
    file_.reset(OpenGeneratedFile(kListingName));
    if (file_) return true;
    Print(G_, "\n  Error: Failed to create the listing file:\n         %s\n", kListingName);
    return false;
  }

  // Opens a project; its directory becomes the base of its members.
  File OpenProject(const std::string& path) {
    File project(std::fopen(path.c_str(), "rb"));
    if (!project) {
      Print(G_, "\n  Error: Failed to open the workspace project file:\n"
                "         %s\n         %s\n\n",
            path.c_str(), std::strerror(errno));
      return project;
    }
    const std::string cwd = CurrentDirectory();
    Debug(G_, "*** Debug: CWD | %s\n", cwd);
    project_dir_ = AbsolutePath(DirectoryPart(path), cwd);
    return project;
  }

  bool Selected(const std::string& member) const {
    std::string extension;
    if (!NameExtension(G_, member, extension)) return false;
    return ListHasWord(extensions_, kMemberExtensionSeparators, extension, false);
  }

  // The absolute path of a member written in its project; empty when the
  // project's directory is not reachable.
  std::string MemberPath(const std::string& member) {
    if (!IsDirectory(project_dir_)) {
      Print(G_, "  Error: Failed to change directories - %s\n", project_dir_.c_str());
      return "";
    }
    std::string path = AbsolutePath(SlashPath(member), project_dir_);
    if (path.size() > kPathMax) path.resize(kPathMax);
    return path;
  }

  void Write(const std::string& path) {
    Debug(G_, "*** Debug: Actual File| %s\n", path);
    std::fprintf(file_.get(), "%s\n", path.c_str());
    ++count_;
  }

  int count() const { return count_; }
  GlobalData& G() { return G_; }

 private:
  GlobalData& G_;
  const std::string& extensions_;
  File file_;
  std::string project_dir_;
  int count_ = 0;
};

// The first word of a dsp line: up to a quotation mark, line end or "=".
std::string DspFirstWord(const std::string& line) {
  std::string word = TrimBlanks(line);
  size_t end = word.find_first_of("\"\r\n=");
  if (end != std::string::npos) word.resize(end);
  return TrimBlanks(word);
}

void ConvertDsp(Listing& listing, const std::string& path) {
  GlobalData& G = listing.G();
  Debug(G, "*** Debug: DSP File | %s\n", path);
  File project = listing.OpenProject(path);
  if (!project) return;
  bool in_block = false, excluded = false;
  std::string member, line;
  while (ReadLinePiece(project.get(), line)) {
    const std::string word = DspFirstWord(line);
    if (word == "# Begin Source File") {
      in_block = true;
      excluded = false;
      member.clear();
    } else if (!in_block) {
      continue;
    } else if (word == "# PROP Exclude_From_Build 1") {
      excluded = true;
    } else if (word == "SOURCE") {
      const size_t equals = line.find('=');
      member = equals == std::string::npos
                   ? ""
                   : WithoutQuotes(WithoutLineEnd(line.substr(equals + 1)));
      Debug(G, "*** Debug: Source Token| %s\n", member);
    } else if (word == "# End Source File") {
      if (excluded) {
        Debug(G, "*** Debug: Exclude File| %s\n", member);
      } else if (listing.Selected(member)) {
        std::string full = listing.MemberPath(member);
        if (!full.empty()) listing.Write(full);
      }
      in_block = excluded = false;
      member.clear();
    }
  }
}

// True when the line opens a <File> element (not <Files> or
// <FileConfiguration>).
bool BeginsVcprojMember(const std::string& line) {
  for (size_t at = line.find("<File"); at != std::string::npos;
       at = line.find("<File", at + 1)) {
    const size_t next = at + 5;
    if (next == line.size() || std::strchr(" \t>\r\n", line[next]) != nullptr) return true;
  }
  return false;
}

// The words of a vcproj line cut at quotation marks, line ends and "=",
// blank ones dropped.
std::vector<std::string> VcprojWords(const std::string& line) {
  std::vector<std::string> words;
  for (const std::string& piece : SplitWords(line, "\"\r\n=")) {
    std::string word = TrimBlanks(piece);
    if (!word.empty()) words.push_back(std::move(word));
  }
  return words;
}

struct VcprojMember {
  bool open = false;
  bool excluded = false;
  std::string path;
};

void ReadVcprojAttributes(Listing& listing, const std::string& text, VcprojMember& member) {
  std::vector<std::string> words = VcprojWords(text);
  if (words.empty()) return;
  if (words[0].find("ExcludedFromBuild") != std::string::npos) member.excluded = true;
  if (words[0].find("RelativePath") != std::string::npos && words.size() > 1) {
    Debug(listing.G(), "*** Debug: File Token| %s\n", words[1]);
    if (listing.Selected(words[1])) member.path = listing.MemberPath(words[1]);
  }
}

void EndVcprojMember(Listing& listing, VcprojMember& member) {
  if (member.path.size() > 1) {
    if (member.excluded) {
      Debug(listing.G(), "*** Debug: Exclude File| %s\n", member.path);
    } else {
      listing.Write(member.path);
    }
  }
  member = VcprojMember{};
}

void ConvertVcproj(Listing& listing, const std::string& path) {
  Debug(listing.G(), "*** Debug: Proj File    | %s\n", path);
  File project = listing.OpenProject(path);
  if (!project) return;
  VcprojMember member;
  std::string line;
  while (ReadLinePiece(project.get(), line)) {
    bool begins = false;
    if (!member.open && BeginsVcprojMember(line)) {
      member = VcprojMember{};
      member.open = begins = true;
    }
    if (!member.open) continue;
    const size_t close = line.find("</File>");
    ReadVcprojAttributes(listing, close == std::string::npos ? line : line.substr(0, close),
                         member);
    const bool self_closing = begins && TrimBlanks(line).ends_with("/>");
    if (close != std::string::npos || self_closing) EndVcprojMember(listing, member);
  }
}

// The project named by a workspace line after its "=": the quoted path
// when quoted, else the text before " - ".
std::string WorkspaceProjectName(const std::string& rest) {
  std::string text = TrimBlanks(WithoutLineEnd(rest));
  if (!text.empty() && text.front() == '"') return WithoutQuotes(text);
  size_t dash = text.find(" - ");
  if (dash != std::string::npos) text.resize(dash);
  return TrimBlanks(text);
}

// A project named inside a workspace or solution, taken from the
// directory of that file.
std::string ProjectPath(const std::string& container, const std::string& project) {
  const std::string path = SlashPath(project);
  if (!path.empty() && path[0] == '/') return path;
  return NormalizePath(JoinPath(DirectoryPart(container), path));
}

}  // namespace

int ConvertWorkspace(GlobalData& G, const std::string& name,
                     const std::string& extensions) {
  Debug(G, "*** Debug: DSW File | %s\n", name);
  File workspace(std::fopen(name.c_str(), "rb"));
  if (!workspace) {
    Print(G, "\n  Error: Failed to open the workspace file:\n         %s\n",
          MessageName(G, name).c_str());
    return 0;
  }
  Listing listing(G, extensions);
  if (!listing.Open()) return 0;
  std::string line;
  while (ReadLinePiece(workspace.get(), line)) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    if (line.substr(0, equals).find("Project") == std::string::npos) continue;
    const std::string project = WorkspaceProjectName(line.substr(equals + 1));
    if (project.empty()) continue;
    Debug(G, "*** Debug: Project | %s\n", project);
    ConvertDsp(listing, ProjectPath(name, project));
  }
  return listing.count();
}

int ConvertSolution(GlobalData& G, const std::string& name,
                    const std::string& extensions) {
  Debug(G, "*** Debug: SLN File | %s\n", name);
  File solution(std::fopen(name.c_str(), "rb"));
  if (!solution) {
    Print(G, "\n  Error: Failed to open the solution file:\n         %s\n         %s\n\n",
          name.c_str(), std::strerror(errno));
    return 0;
  }
  Listing listing(G, extensions);
  if (!listing.Open()) return 0;
  std::string line;
  while (ReadLinePiece(solution.get(), line)) {
    if (line.find("Project(") == std::string::npos) continue;
    std::vector<std::string> fields = SplitWords(WithoutLineEnd(line), ",");
    if (fields.size() < 2) continue;
    const std::string project = WithoutQuotes(fields[1]);
    // Solution folders are entries without a file name extension.
    std::string extension;
    if (!NameExtension(G, SlashPath(project), extension)) continue;
    Debug(G, "*** Debug: Project      | %s\n", project);
    ConvertVcproj(listing, ProjectPath(name, project));
  }
  return listing.count();
}

int ConvertDspProject(GlobalData& G, const std::string& name,
                      const std::string& extensions) {
  Listing listing(G, extensions);
  if (!listing.Open()) return 0;
  ConvertDsp(listing, name);
  return listing.count();
}

}  // namespace zav
