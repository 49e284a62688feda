// The numbers of the built-in quality notices, by what each one finds.
//
// The numbers are part of every report (and of the configuration keys
// "Quality Notice N"), so they never change; these names only spare the
// code that raises a notice from spelling its number.
#pragma once

namespace zav {

inline constexpr int kNoticeLineLength = 1;
inline constexpr int kNoticeFunctionNameLength = 2;
inline constexpr int kNoticeEllipsis = 3;
inline constexpr int kNoticeAssignmentInIf = 4;
inline constexpr int kNoticeAssignmentInWhile = 5;
inline constexpr int kNoticePreDecrement = 6;
inline constexpr int kNoticePreIncrement = 7;
inline constexpr int kNoticeRealloc = 8;
inline constexpr int kNoticeGoto = 9;
inline constexpr int kNoticeNonAnsiPrototype = 10;
inline constexpr int kNoticeBracketsUnequal = 11;
inline constexpr int kNoticeParenthesesUnequal = 12;
inline constexpr int kNoticeSwitchWithoutDefault = 13;
inline constexpr int kNoticeCaseBreakUnequal = 14;
inline constexpr int kNoticeFriendClass = 15;
inline constexpr int kNoticeScopeWhiteSpace = 16;
inline constexpr int kNoticeFunctionComments = 17;
inline constexpr int kNoticeFunctionEloc = 18;
inline constexpr int kNoticeFileWhiteSpace = 19;
inline constexpr int kNoticeFileComments = 20;
inline constexpr int kNoticeKeyString = 21;
inline constexpr int kNoticeUnboundScope = 22;
inline constexpr int kNoticeTernary = 23;
inline constexpr int kNoticeCppKeywordInC = 24;
inline constexpr int kNoticeHeadersAsCpp = 25;  // a setting, never raised
inline constexpr int kNoticeVoidPointer = 26;
inline constexpr int kNoticeReturnPoints = 27;
inline constexpr int kNoticeCyclomatic = 28;
inline constexpr int kNoticeParameters = 29;
inline constexpr int kNoticeTab = 30;
inline constexpr int kNoticeClassComments = 31;
inline constexpr int kNoticeUsingNamespace = 32;
inline constexpr int kNoticeClassInFunction = 33;
inline constexpr int kNoticePointerData = 34;
inline constexpr int kNoticePublicData = 35;
inline constexpr int kNoticeProtectedData = 36;
inline constexpr int kNoticeNoVirtualDestructor = 37;
inline constexpr int kNoticeTryCatch = 38;
inline constexpr int kNoticeClassMethods = 39;
inline constexpr int kNoticeInheritanceDepth = 40;
inline constexpr int kNoticeDerivedClasses = 41;
inline constexpr int kNoticeMultipleInheritance = 42;
inline constexpr int kNoticeContinue = 43;
inline constexpr int kNoticeBreakOutsideSwitch = 44;
inline constexpr int kNoticeNewDeleteUnequal = 45;
inline constexpr int kNoticeScopeBlankLines = 46;
inline constexpr int kNoticeFileBlankLines = 47;
inline constexpr int kNoticeFunctionLloc = 48;
inline constexpr int kNoticeBlankParameters = 49;
inline constexpr int kNoticeLiteralAssignment = 50;
inline constexpr int kNoticeFunctionNoComment = 51;
inline constexpr int kNoticeClassNoComment = 52;
inline constexpr int kNoticeStructNoComment = 53;
inline constexpr int kNoticeInterfaceNoComment = 54;
inline constexpr int kNoticeScopeDepth = 55;
inline constexpr int kNoticeSequentialBreaks = 56;
inline constexpr int kNoticeSkipLinesToken = 57;
inline constexpr int kNoticeSkipQualityToken = 58;

}  // namespace zav
