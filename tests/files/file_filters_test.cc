// Extension, directory and pattern filters, and the path helpers.
#include "files/file_filters.h"

#include <gtest/gtest.h>

#include "files/paths.h"
#include "test_support.h"

namespace zav {
namespace {

std::string Ext(const std::string& name) {
  test::Harness h;
  std::string extension;
  return NameExtension(h.G(), name, extension) ? extension : "<none>";
}

TEST(NameExtension, TakesTheTextAfterTheLastDotOfTheFileName) {
  EXPECT_EQ(Ext("a.c"), "c");
  EXPECT_EQ(Ext("dir/a.tar.gz"), "gz");
  EXPECT_EQ(Ext("x.H"), "H");
  EXPECT_EQ(Ext("lib/f.c@@/main/3"), "c");  // version-extended name
}

TEST(NameExtension, NamesWithoutAnExtensionHaveNone) {
  EXPECT_EQ(Ext("README"), "<none>");
  EXPECT_EQ(Ext("."), "<none>");
  EXPECT_EQ(Ext("x."), "<none>");
  EXPECT_EQ(Ext("./README"), "<none>");      // the dot belongs to "./"
  EXPECT_EQ(Ext("src.d/Makefile"), "<none>");  // ... or to a directory
}

TEST(ExtensionIsValid, FollowsTheListValidationAndCaseSetting) {
  Settings s;
  s.allowable_extensions = "c, cpp\th";
  EXPECT_TRUE(ExtensionIsValid(s, "cpp"));
  EXPECT_TRUE(ExtensionIsValid(s, "h"));
  EXPECT_TRUE(ExtensionIsValid(s, "CPP"));  // names not case sensitive
  EXPECT_FALSE(ExtensionIsValid(s, "cp"));
  EXPECT_FALSE(ExtensionIsValid(s, "txt"));
  s.case_sensitive_names = true;
  EXPECT_FALSE(ExtensionIsValid(s, "CPP"));
  EXPECT_TRUE(ExtensionIsValid(s, "cpp"));
  s.validate_extensions = false;
  EXPECT_TRUE(ExtensionIsValid(s, "txt"));
  s.validate_extensions = true;
  s.allowable_extensions.clear();
  EXPECT_FALSE(ExtensionIsValid(s, "c"));
}

TEST(ListHasWord, CutsAtEverySeparatorLowOrHigh) {
  // "|" and "~" lie above the first 64 characters, "," and ";" below.
  EXPECT_TRUE(ListHasWord("a|bb~c", "|~", "bb", true));
  EXPECT_TRUE(ListHasWord("a|bb~c", "|~", "c", true));
  EXPECT_FALSE(ListHasWord("a|bb~c", "~", "bb", true));  // "a|bb" is one word
  EXPECT_TRUE(ListHasWord("x;y,z", ",;|", "y", true));
  EXPECT_FALSE(ListHasWord("x;y,z", ",", "y", true));
  EXPECT_FALSE(ListHasWord("aa", ",", "a", true));
}

TEST(DirectoryIsExcluded, OnlyWhenExclusionIsOn) {
  Settings s;
  s.excluded_directory_names = "sccs,cvs rcs\tsvn";
  EXPECT_FALSE(DirectoryIsExcluded(s, "cvs"));
  s.exclude_directories = true;
  EXPECT_TRUE(DirectoryIsExcluded(s, "cvs"));
  EXPECT_TRUE(DirectoryIsExcluded(s, "rcs"));
  EXPECT_TRUE(DirectoryIsExcluded(s, "svn"));
  EXPECT_TRUE(DirectoryIsExcluded(s, "CVS"));
  EXPECT_FALSE(DirectoryIsExcluded(s, "cvsroot"));
  EXPECT_FALSE(DirectoryIsExcluded(s, "src"));
  s.case_sensitive_names = true;
  EXPECT_FALSE(DirectoryIsExcluded(s, "CVS"));
}

TEST(PathFilter, MatchesAnyPatternAnywhereInThePath) {
  Settings s;
  s.pattern_filter = "test,gen\tbuild\r\nmy dir";
  EXPECT_FALSE(PathFilter(s).Filtered("src/test/a.c"));  // filter not active
  s.pattern_filter_active = true;
  PathFilter filter(s);
  EXPECT_TRUE(filter.Filtered("src\\Test\\a.c"));
  EXPECT_TRUE(filter.Filtered("a_gen.c"));
  EXPECT_TRUE(filter.Filtered("/x/build/a.c"));
  EXPECT_TRUE(filter.Filtered("/x/my dir/a.c"));  // blanks belong to a pattern
  EXPECT_FALSE(filter.Filtered("/x/my/dir/a.c"));
  EXPECT_FALSE(filter.Filtered("src/main.c"));
}

TEST(PathFilter, CaseSensitiveNamesCompareExactly) {
  Settings s;
  s.pattern_filter_active = true;
  s.case_sensitive_names = true;
  s.pattern_filter = "Test";
  PathFilter filter(s);
  EXPECT_TRUE(filter.Filtered("src/Test/a.c"));
  EXPECT_FALSE(filter.Filtered("src/test/a.c"));
  EXPECT_EQ(s.pattern_filter, "Test");
}

TEST(PathFilter, EmptyPatternsFilterNothing) {
  Settings s;
  s.pattern_filter_active = true;
  s.pattern_filter = ",,\t";
  EXPECT_FALSE(PathFilter(s).Filtered("a.c"));
}

TEST(Paths, NormaliseWithoutTouchingTheFileSystem) {
  EXPECT_EQ(NormalizePath("/a/./b/../c//d/"), "/a/c/d");
  EXPECT_EQ(NormalizePath("/.."), "/");
  EXPECT_EQ(NormalizePath("/"), "/");
  EXPECT_EQ(NormalizePath("a/../.."), "..");
  EXPECT_EQ(NormalizePath("./"), ".");
  EXPECT_EQ(AbsolutePath("x/../y.c", "/base"), "/base/y.c");
  EXPECT_EQ(AbsolutePath("/abs/./f.c", "/base"), "/abs/f.c");
  EXPECT_EQ(AbsolutePath(".", "/base/"), "/base");
}

TEST(Paths, CutJoinAndSlashes) {
  EXPECT_EQ(DirectoryPart("d/e/f.c"), "d/e");
  EXPECT_EQ(DirectoryPart("/f.c"), "/");
  EXPECT_EQ(DirectoryPart("f.c"), ".");
  EXPECT_EQ(JoinPath("/", "a"), "/a");
  EXPECT_EQ(JoinPath("/x", "a"), "/x/a");
  EXPECT_EQ(WithoutTrailingSlash("a//"), "a");
  EXPECT_EQ(WithoutTrailingSlash("/"), "/");
  EXPECT_EQ(SlashPath(".\\src\\a.c"), "./src/a.c");
}

}  // namespace
}  // namespace zav
