// The keys of zav.cfg and how each line's value is applied to the settings.
#pragma once

#include <string_view>

#include "zav/global_data.h"

namespace zav {

// What one read of a configuration file saw, beyond the settings it set.
struct ConfigReadState {
  bool language_list_read = false;  // a per-language extension list was read
  bool allowable_read = false;      // "allowable source code extensions"
};

// Applies one "key : value" line. The key is the text before the first
// colon without its trailing blanks, tabs and line ends, matched in full and
// without regard to letter case; leading blanks make it unknown. Lines
// without a colon, unknown keys and values that a key does not accept
// change nothing. Returns true when the key was known.
bool ApplyConfigLine(GlobalData& G, std::string_view line,
                     ConfigReadState& state);

// The Yes/No rule: a value beginning with "n" or "N" is No, anything else
// (the empty value included) is Yes.
bool ReadsAsYes(std::string_view value);

// Integer values: false when the first character is not a decimal digit;
// otherwise the leading digits (capped at the largest int).
bool ParseLeadingInteger(std::string_view value, int& out);

// Percentages: as integers, with an optional "." and fraction digits.
bool ParseLeadingPercent(std::string_view value, float& out);

}  // namespace zav
