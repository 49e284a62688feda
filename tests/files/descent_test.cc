// Recursive descent: order, extension lists, exclusions, links, speed.
#include "files/descent.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "files/file_set.h"
#include "files_test_support.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Harness;
using test::Names;
using test::TempDir;
using Strings = std::vector<std::string>;

// Descends `dir` as -r does, with the names made relative to it.
Strings Descend(Harness& h, const TempDir& dir, const std::string& extensions,
                bool recurse = true) {
  FileCollector collector(h.G());
  DescendDirectory(collector, dir.path(), extensions, recurse);
  h.G().files.entries = collector.TakeFileSet(false);
  Strings names;
  for (const std::string& name : Names(h.G())) {
    EXPECT_EQ(name.compare(0, dir.path().size() + 1, dir.path() + "/"), 0) << name;
    names.push_back(name.substr(dir.path().size() + 1));
  }
  return names;
}

class Descent : public test::HarnessTest {};

TEST_F(Descent, ByteOrderDepthFirstHeadersFirst) {
  for (const char* name : {"b.c", "B.c", "a.c", "Z.c", "b_dir/z.c", "b_dir/k.h",
                           "b_dir/deep/y.c", "c.cpp", "m/x.c", "A.h"}) {
    dir.Write(name, "x\n");
  }
  Harness h;
  EXPECT_EQ(Descend(h, dir, "c,h,cpp"),
            (Strings{"A.h", "b_dir/k.h", "B.c", "Z.c", "a.c", "b.c", "b_dir/deep/y.c",
                     "b_dir/z.c", "c.cpp", "m/x.c"}));
}

TEST_F(Descent, ExtensionListForms) {
  for (const char* name : {"a.c", "b.h", "c.cpp", "d.txt", "Makefile", ".hidden"}) {
    dir.Write(name, "");
  }
  Harness h;
  EXPECT_EQ(Descend(h, dir, "*.c *.h"), (Strings{"b.h", "a.c"}));
  EXPECT_EQ(Descend(h, dir, "cpp"), Strings{"c.cpp"});
  EXPECT_EQ(Descend(h, dir, "c.h"), (Strings{"b.h", "a.c"}));
  EXPECT_EQ(Descend(h, dir, "txt,\tcpp\r\n"), (Strings{"c.cpp", "d.txt"}));
}

TEST_F(Descent, ExtensionCaseFollowsTheSetting) {
  dir.Write("a.CPP", "");
  Harness h;
  EXPECT_EQ(Descend(h, dir, "cpp"), Strings{"a.CPP"});
  h.G().settings.case_sensitive_names = true;
  EXPECT_EQ(Descend(h, dir, "cpp"), Strings{});
}

TEST_F(Descent, ExcludedDirectoriesAtAnyDepth) {
  for (const char* name : {"a.c", "cvs/b.c", "src/CVS/c.c", "src/svn/d.c", "src/e.c",
                           "src/cvsroot/f.c"}) {
    dir.Write(name, "");
  }
  Harness h;
  EXPECT_EQ(Descend(h, dir, "c").size(), 6u);  // exclusion off
  h.G().settings.exclude_directories = true;
  EXPECT_EQ(Descend(h, dir, "c"), (Strings{"a.c", "src/cvsroot/f.c", "src/e.c"}));
}

TEST_F(Descent, NoSubdirectoriesWithRdOrWithoutRecursion) {
  dir.Write("a.c", "");
  dir.Write("sub/b.c", "");
  Harness h;
  EXPECT_EQ(Descend(h, dir, "c", false), Strings{"a.c"});
  h.G().sw.no_descent = true;
  EXPECT_EQ(Descend(h, dir, "c", true), Strings{"a.c"});
}

TEST_F(Descent, PatternFilterTestsOnlyTheEntryName) {
  dir.Write("Test/a.c", "");
  dir.Write("mytest.c", "");
  dir.Write("b.c", "");
  Harness h;
  h.G().settings.pattern_filter_active = true;
  h.G().settings.pattern_filter = "test";
  EXPECT_EQ(Descend(h, dir, "c"), (Strings{"Test/a.c", "b.c"}));
}

TEST_F(Descent, LinksToFilesAreTakenDirectoryLinksAreNotFollowed) {
  TempDir dir, outside;
  std::string real = outside.Write("real.c", "int r;\n");
  outside.Write("lib/l.c", "");
  dir.Write("sub/a.c", "");
  namespace fs = std::filesystem;
  fs::create_symlink(dir.path(), dir.path() + "/sub/loop");  // a cycle
  fs::create_symlink(real, dir.path() + "/link.c");
  fs::create_symlink(outside.path() + "/lib", dir.path() + "/lib");
  fs::create_symlink(dir.path() + "/gone.c", dir.path() + "/broken.c");
  Harness h;
  h.G().sw.debug = true;  // sizes read while collecting
  EXPECT_EQ(Descend(h, dir, "c"), (Strings{"link.c", "sub/a.c"}));
  EXPECT_EQ(h.G().files.entries[0].size, 7);  // the target's size
}

TEST_F(Descent, UnreadableDirectoryIsReportedAndSkipped) {
  FileCollector collector(h.G());
  DescendDirectory(collector, dir.path() + "/nope", "c", true);
  EXPECT_EQ(h.Output(), "  Open Dir Error: " + dir.path() +
                            "/nope : No such file or directory\n");
}

TEST_F(Descent, CurrentDirectoryFormsAndRelativeTops) {
  dir.Write("a.c", "");
  dir.Write("sub/b.c", "");
  test::ScopedCwd cwd(dir.path());
  const std::string here = std::filesystem::current_path().string();
  for (const char* top : {"*", "*.*", ".", "./", ""}) {
    Harness h;
    FileCollector collector(h.G());
    DescendDirectory(collector, top, "c", true);
    EXPECT_EQ(collector.TakeFileSet(false).size(), 2u) << top;
  }
  Harness h;
  FileCollector collector(h.G());
  DescendDirectory(collector, "sub/../sub", "c", true);
  std::vector<FileEntry> set = collector.TakeFileSet(false);
  ASSERT_EQ(set.size(), 1u);
  EXPECT_EQ(set[0].name, here + "/sub/b.c");
  EXPECT_EQ(std::filesystem::current_path().string(), here);
}

TEST_F(Descent, RecursiveModeUsesTheTopDirectoryAndExtensionList) {
  dir.Write("a.c", "");
  dir.Write("b.java", "");
  dir.Write("s/c.h", "");
  Harness h;
  h.G().sw.recursive = true;
  h.G().sw.recursion_top_dir = dir.path();
  h.G().settings.allowable_extensions = "c,h";
  test::Arguments args({"ignored.c"});
  args.Install(h.G());
  EXPECT_EQ(BuildFileSet(h.G(), 1), 2);
  EXPECT_EQ(Names(h.G()), (Strings{dir.path() + "/s/c.h", dir.path() + "/a.c"}));
}

// Speed of a large descent is measured in bench/, not here.
TEST_F(Descent, ThousandsOfFilesInByteOrder) {
  for (int d = 0; d < 40; ++d) {
    for (int f = 0; f < 100; ++f) {
      dir.Write("d" + std::to_string(d) + "/sub/f" + std::to_string(f) + (f % 4 ? ".c" : ".txt"),
                "");
    }
  }
  Harness h;
  Strings names = Descend(h, dir, "c");
  EXPECT_EQ(names.size(), 3000u);
  EXPECT_EQ(names.front(), "d0/sub/f1.c");
  EXPECT_EQ(names.back(), "d9/sub/f99.c");
}

}  // namespace
}  // namespace zav
