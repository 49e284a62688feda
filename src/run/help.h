// Help output.
#pragma once

#include "zav/global_data.h"

namespace zav {

// The banner, the mode title and a short syntax with the most used
// switches (written when the program runs without arguments, and by -hp).
void WriteAbbreviatedSyntax(GlobalData& G);

// The help text selected by the letter after -h: 's' the switch syntax,
// 'p' the abbreviated syntax and a pause, 'n' the quality notice types,
// anything else the full help document. (-hc, the configuration template,
// is written by the template writer.)
void WriteHelp(GlobalData& G, char mode);

}  // namespace zav
