// Settings: defaults and the configuration file zav.cfg.
#pragma once

#include <cstdio>
#include <string>

#include "zav/global_data.h"

namespace zav {

// Sets every setting to its built-in default.
void SetDefaults(GlobalData& G);

// Reads the configuration file at G.run.config_path (see
// ReadConfigurationFile). Returns 1 when a file was read (or created and
// read), 0 when none could be opened or created.
int ReadConfiguration(GlobalData& G);

// Reads the configuration file `path` into the settings. A missing file is
// created from the current settings and read back; a file written by
// another version is rewritten in place with the current settings, which
// keep every value just read. Returns 1 when a file was read, else 0.
int ReadConfigurationFile(GlobalData& G, const std::string& path);

// Reads configuration lines from an open stream (used by the reader and by
// tests). Returns nothing; the settings hold what was read.
void ReadConfigurationStream(GlobalData& G, FILE* in);

// Writes the template with the current settings to `path` through a new
// file beside it that is renamed into place, so a failed write never leaves
// a half-written file. Returns false when nothing could be written.
bool WriteConfigurationFile(const GlobalData& G, const std::string& path);

// "Yes" or "No".
const char* YesNo(bool flag);

// The user-defined notice file: "zav_udqn.cfg" in the configuration
// directory when the setting is empty, a bare name placed in that
// directory, and a value naming a directory ("/" or "\") as given.
std::string UdqnFilePath(const GlobalData& G);

}  // namespace zav
