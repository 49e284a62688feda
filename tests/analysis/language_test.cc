// Languages, extensions, skip tokens and the predefined macro file.
#include "analysis/language.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <fstream>
#include <sstream>

#include "analysis/macro_file.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Harness;

int KindOf(GlobalData& G, const std::string& name) {
  return SetFileLanguage(G, name, false);
}

class Languages : public test::HarnessTest {};

TEST_F(Languages, DefaultExtensionTable) {
  EXPECT_EQ(KindOf(G, "a.c"), kLangC);
  EXPECT_EQ(KindOf(G, "a.h"), kLangCHeader);  // "h" belongs to C headers first
  EXPECT_EQ(KindOf(G, "a.cpp"), kLangCpp);
  EXPECT_EQ(KindOf(G, "a.hpp"), kLangCppHeader);
  EXPECT_EQ(KindOf(G, "A.java"), kLangJava);
  EXPECT_EQ(KindOf(G, "A.cs"), kLangCSharp);
  EXPECT_EQ(KindOf(G, "a.txt"), kLangUnknown);
  EXPECT_EQ(G.settings.allowable_extensions,
            "c,h,cc,cpp,cxx,CC,h,hh,H,hxx,hpp,java,cs");
}

TEST_F(Languages, CaseSensitivityOfExtensions) {
  EXPECT_EQ(KindOf(G, "a.C"), kLangC);     // "c" of the C entry matches first
  EXPECT_EQ(KindOf(G, "a.CC"), kLangCpp);
  G.settings.case_sensitive_names = true;
  EXPECT_EQ(KindOf(G, "a.C"), kLangUnknown);
  EXPECT_EQ(KindOf(G, "a.CC"), kLangCpp);
}

TEST_F(Languages, HeaderFlagsFollowTheTreatAsCppSetting) {
  KindOf(G, "a.h");
  EXPECT_TRUE(G.lang.flags.header);
  EXPECT_TRUE(G.lang.flags.cpp);
  EXPECT_FALSE(G.lang.flags.c);
  G.settings.notice_enabled[25] = false;  // "treat c headers as c++" No
  KindOf(G, "a.h");
  EXPECT_TRUE(G.lang.flags.c);
  EXPECT_FALSE(G.lang.flags.cpp);
}

TEST_F(Languages, VersionExtendedNames) {
  EXPECT_EQ(KindOf(G, "src/main.c@@/main/release_2/7"), kLangC);
  std::string ext;
  ASSERT_TRUE(FileExtension(G, "lib/x.cpp@@/main/3", ext));
  EXPECT_EQ(ext, "cpp");
}

TEST_F(Languages, NameWithoutDotKeepsKindAndClearsFlags) {
  KindOf(G, "a.java");
  EXPECT_EQ(KindOf(G, "Makefile"), kLangJava);
  EXPECT_FALSE(G.lang.flags.java);
  EXPECT_FALSE(G.lang.flags.cpp);
}

TEST_F(Languages, FileCountsByKind) {
  SetFileLanguage(G, "a.c", true);
  SetFileLanguage(G, "b.c", true);
  SetFileLanguage(G, "c.cs", true);
  SetFileLanguage(G, "d.txt", true);  // unknown: counts nowhere
  EXPECT_EQ(G.lang.file_counts[kLangC], 2);
  EXPECT_EQ(G.lang.file_counts[kLangCSharp], 1);
  EXPECT_EQ(G.lang.file_counts[kLangOther], 0);
}

TEST_F(Languages, TooManyExtensionsAreReportedOnceEach) {
  std::string list;
  for (int i = 0; i < 83; ++i) list += "e" + std::to_string(i) + ",";
  int id = RegisterLanguage(G, "Many", list);
  EXPECT_EQ(id, 7);
  EXPECT_EQ(G.lang.table[id].extensions.size(), 81u);
  std::string out = h.Output();
  EXPECT_EQ(out,
            "\n  Error: Max ULPI extensions reached\n"
            "\n  Error: Max ULPI extensions reached\n");
}

class SkipTokens : public test::HarnessTest {};

TEST_F(SkipTokens, CodeSkipBlock) {
  G.settings.skip_tokens_active = true;
  G.sw.loc_determination = true;
  h.AnalyzeFile("a;\n// ZAV_IGNORE_BEGIN\nb;\nZAV_IGNORE_END\nc;\n");
  EXPECT_EQ(G.file.total_physical_lines_count, 5);
  EXPECT_EQ(G.file.skipped_lines_count, 3);
  EXPECT_EQ(G.file.semicolon_count, 2);
  // Lines after the block keep their physical numbers.
  EXPECT_NE(h.Output().find("Line 5: c;"), std::string::npos);
  EXPECT_EQ(h.Output().find("Line 3:"), std::string::npos);
}

TEST_F(SkipTokens, StartAndEndOnOneLineStartsSkipping) {
  h.G().settings.skip_tokens_active = true;
  h.AnalyzeFile("ZAV_IGNORE_BEGIN ZAV_IGNORE_END\na;\nb;\n");
  EXPECT_EQ(h.G().file.skipped_lines_count, 3);
  EXPECT_EQ(h.G().file.semicolon_count, 0);
}

TEST_F(SkipTokens, UnclosedStartSkipsOnlyTheRestOfItsFile) {
  h.G().settings.skip_tokens_active = true;
  h.AnalyzeFile("a;\nZAV_IGNORE_BEGIN\nb;\n");
  EXPECT_EQ(h.G().file.skipped_lines_count, 2);
  h.AnalyzeFile("c;\nd;\n");
  EXPECT_EQ(h.G().file.skipped_lines_count, 0);
  EXPECT_EQ(h.G().file.semicolon_count, 2);
}

TEST_F(SkipTokens, QualityTokensSilenceNoticesButKeepMetrics) {
  G.settings.skip_tokens_active = true;
  h.AnalyzeFile(
      "ZAV_IGNORE_QUALITY_BEGIN\n\tx;\nZAV_IGNORE_QUALITY_END\n\ty;\n");
  EXPECT_EQ(G.file.semicolon_count, 2);
  EXPECT_EQ(G.file.skipped_lines_count, 0);
  EXPECT_EQ(G.file.quality_notice_count, 1);  // only the tab on line 4
}

TEST_F(SkipTokens, InactiveTokensHaveNoEffect) {
  h.AnalyzeFile("ZAV_IGNORE_BEGIN\na;\nZAV_IGNORE_END\n");
  EXPECT_EQ(h.G().file.skipped_lines_count, 0);
  EXPECT_EQ(h.G().file.semicolon_count, 1);
}

class MacroFile : public test::HarnessTest {};

TEST_F(MacroFile, EmptyFileIsRebuiltAndAppliesAtOnce) {
  G.run.macro_path = dir.Write("zav_macro.cfg", "");  // left by a killed run
  EXPECT_EQ(LoadMacroFile(G), 6);
  EXPECT_TRUE(G.lists.macro_names.contains("afx_msg"));
  std::ifstream in(G.run.macro_path);
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_EQ(content.str(),
            "# Zavoran Version 7.75\n# Predefined Language Macro File\n"
            "# Place each macro on a single line followed by a carriage return\n"
            "# Each line starting with a # sign denotes a comment line\n"
            "\n# Win32 macros effecting data and functions\n__declspec\n"
            "DECLSPEC_UUID\nDECLARE_MESSAGE_MAP\nafx_msg\nATL_NO_VTABLE\n"
            "\n# gcc language extension macros effecting data and functions\n"
            "__attribute__\n\n# End of File\n");
  std::filesystem::remove(G.run.macro_path);
  Harness fresh;
  fresh.G().run.macro_path = G.run.macro_path;
  EXPECT_EQ(LoadMacroFile(fresh.G()), 6);  // created, and loaded at once
  EXPECT_EQ(test::ReadFile(G.run.macro_path), content.str());
  EXPECT_TRUE(G.lists.macro_names.contains("ATL_NO_VTABLE"));
  EXPECT_TRUE(G.lists.macro_names.contains("__attribute__"));
}

TEST_F(MacroFile, CommentBlankAndIndentedLinesAreIgnored) {
  G.run.macro_path =
      dir.Write("zav_macro.cfg", "# c\n\n  INDENTED\nDLL_EXPORT  \r\nAPI");
  EXPECT_EQ(LoadMacroFile(G), 2);
  EXPECT_TRUE(G.lists.macro_names.contains("DLL_EXPORT"));
  EXPECT_TRUE(G.lists.macro_names.contains("API"));
  EXPECT_FALSE(G.lists.macro_names.contains("INDENTED"));
}

}  // namespace
}  // namespace zav
