// Path text helpers of the file set: absolute paths without touching the
// working directory, and the "/" form of paths written on Windows.
#pragma once

#include <string>

namespace zav {

// The current working directory ("." when it cannot be read).
std::string CurrentDirectory();

// `path` with every "\" turned into "/" (lists and project files written
// on Windows separate directories with "\").
std::string SlashPath(std::string path);

// `path` with "." and empty components dropped and ".." resolved against
// the text (symbolic links are not consulted). An absolute path stays
// absolute; "/.." is "/".
std::string NormalizePath(const std::string& path);

// `path` made absolute against `base` (an absolute directory) and
// normalised.
std::string AbsolutePath(const std::string& path, const std::string& base);

// `dir` and `name` joined with exactly one "/".
std::string JoinPath(const std::string& dir, const std::string& name);

// The directory part of `path`: the text before its last "/" ("/" for a
// file in the root, "." when there is no "/").
std::string DirectoryPart(const std::string& path);

// `path` without trailing "/" characters (the root stays "/").
std::string WithoutTrailingSlash(std::string path);

// True when `path` names an existing directory (links followed).
bool IsDirectory(const std::string& path);

}  // namespace zav
