// The verbose texts of the built-in notices: the normal form, the form with
// the line moved in front ("reorder notice, line in quality notices"), and
// for the file-level and skip-token notices a fixed HTML form.
//
// A form is a printf format and a field string naming, one letter per
// conversion, where each value comes from:
//   L  the line number            N  the notice number
//   F  the notice's file name     C  the notice colour (fixed HTML forms)
//   0..5  NoticeArgs::ints[0..5]  a, b  NoticeArgs::reals[0], reals[1]
//   s, t  NoticeArgs::texts[0], texts[1]
//   D  the notice's description
#pragma once

namespace zav {

struct NoticeForm {
  int number = 0;
  int variant = 0;
  const char* text = nullptr;
  const char* fields = nullptr;
  const char* reordered = nullptr;  // none: the normal form is used
  const char* reordered_fields = nullptr;
  const char* html = nullptr;  // none: markup is woven into the text form
  const char* html_fields = nullptr;
};

// The form of notice `number` in `variant`; a variant without a form of its
// own falls back to variant 0, a notice without any text to a generic form
// naming the description. Never null.
const NoticeForm& FindNoticeForm(int number, int variant);

// Written after the immediate form of notice 12 (a ")" without its "(").
inline constexpr const char* kParenForcedEqualText =
    "           Parenthesis are not balanced.  This may ndicate the\n"
    "           use of conditional compilation, #ifdef.  ZAV processes\n"
    "           all source code where bracing and parenthesis\n"
    "           counts in the file must be equal and well formed.  Parenthesis\n"
    "           count is now force to an equal state\n";

}  // namespace zav
