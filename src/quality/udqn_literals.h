// Literal texts a regular expression cannot match without, found from the
// pattern's text: a cheap test (memmem) that spares most source lines the
// matcher.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zav {

// Texts of which every match of `pattern` contains at least one, or none
// when that cannot be told simply: the longest run of plain characters
// outside groups, or a group of plain alternatives such as "(TODO|FIXME)",
// whichever has the longer shortest text. A pattern with a top-level "|",
// inline options "(?...)" or quoting "\Q" gives none; so does `caseless`.
std::vector<std::string> RequiredLiterals(std::string_view pattern, bool caseless);

}  // namespace zav
