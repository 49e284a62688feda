// Workspaces, solutions and projects converted into zavlist.lst.
#include "files/project_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "files/file_set.h"
#include "files/list_file.h"
#include "files_test_support.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Harness;
using test::Names;
using test::ReadFile;
using test::ScopedCwd;
using test::TempDir;
using Strings = std::vector<std::string>;

// Members: main.cpp; old.cpp, excluded from a build; a quoted path with a
// blank; a resource file; a header whose exclusion is switched off.
constexpr const char* kDsp =
    "# Microsoft Developer Studio Project File - Name=\"app\" - Package Owner=<4>\r\n"
    "# Begin Group \"Source Files\"\r\n"
    "\r\n"
    "# Begin Source File\r\n"
    "SOURCE=.\\src\\main.cpp\r\n"
    "# End Source File\r\n"
    "# Begin Source File\r\n"
    "\r\n"
    "SOURCE=.\\src\\old.cpp\r\n"
    "!IF  \"$(CFG)\" == \"app - Win32 Release\"\r\n"
    "# PROP Exclude_From_Build 1\r\n"
    "!ENDIF \r\n"
    "# End Source File\r\n"
    "# Begin Source File\r\n"
    "SOURCE=\"..\\shared code\\util.C\"\r\n"
    "# End Source File\r\n"
    "# Begin Source File\r\n"
    "SOURCE=.\\res\\app.rc\r\n"
    "# End Source File\r\n"
    "# Begin Source File\r\n"
    "SOURCE=.\\include\\app.h\r\n"
    "# PROP Exclude_From_Build 0\r\n"
    "# End Source File\r\n"
    "# End Group\r\n";

// Members: main.cpp; legacy.cpp with a file configuration; util.h on one
// line; an icon; single.c as an empty element.
constexpr const char* kVcproj =
    "<?xml version=\"1.0\" encoding=\"Windows-1252\"?>\r\n"
    "<VisualStudioProject\r\n\tName=\"app\"\r\n\t>\r\n"
    "\t<Files>\r\n"
    "\t\t\t<File\r\n"
    "\t\t\t\tRelativePath=\".\\main.cpp\"\r\n"
    "\t\t\t\t>\r\n"
    "\t\t\t</File>\r\n"
    "\t\t\t<File\r\n"
    "\t\t\t\tRelativePath=\".\\legacy.cpp\"\r\n"
    "\t\t\t\t>\r\n"
    "\t\t\t\t<FileConfiguration\r\n"
    "\t\t\t\t\tExcludedFromBuild=\"false\"\r\n"
    "\t\t\t\t\t>\r\n"
    "\t\t\t\t</FileConfiguration>\r\n"
    "\t\t\t</File>\r\n"
    "\t\t\t<File RelativePath=\"..\\common\\util.h\">\r\n"
    "\t\t\t</File>\r\n"
    "\t\t\t<File\r\n\t\t\t\tRelativePath=\".\\app.ico\"\r\n\t\t\t\t>\r\n\t\t\t</File>\r\n"
    "\t\t\t<File RelativePath=\"single.c\"/>\r\n"
    "\t</Files>\r\n"
    "</VisualStudioProject>\r\n";

// A fixture working in a fresh directory, where zavlist.lst is written.
class ProjectFiles : public ::testing::Test {
 protected:
  ProjectFiles() : cwd_(dir_.path()), root_(std::filesystem::current_path().string()) {}

  std::string Listing() { return ReadFile(root_ + "/zavlist.lst"); }

  // The file set of `-F list_name`.
  Strings FileSet(const std::string& list_name) {
    h_.G().sw.list_file_mode = true;
    h_.G().sw.list_file_name = list_name;
    EXPECT_TRUE(OpenListFile(h_.G()));
    BuildFileSet(h_.G(), 1);
    return Names(h_.G());
  }

  TempDir dir_;
  ScopedCwd cwd_;
  std::string root_;
  Harness h_;
};

TEST_F(ProjectFiles, DspMembersOutsideExcludedBlocksWithListedExtensions) {
  dir_.Write("app/app.dsp", kDsp);
  const std::string& allowable = h_.G().settings.allowable_extensions;
  EXPECT_EQ(ConvertDspProject(h_.G(), "app/app.dsp", allowable), 3);
  EXPECT_EQ(Listing(), root_ + "/app/src/main.cpp\n" + root_ + "/shared code/util.C\n" +
                           root_ + "/app/include/app.h\n");
  EXPECT_EQ(h_.Output(), "");
}

TEST_F(ProjectFiles, ListingNeverWritesThroughASymbolicLink) {
  dir_.Write("app/app.dsp", kDsp);
  const std::string victim = dir_.Write("victim.txt", "precious\n");
  ASSERT_EQ(symlink(victim.c_str(), "zavlist.lst"), 0);
  ConvertDspProject(h_.G(), "app/app.dsp", h_.G().settings.allowable_extensions);
  EXPECT_EQ(ReadFile(victim), "precious\n");
  EXPECT_TRUE(test::Has(h_.Output(), "Error: Failed to create the listing file:"));
}

TEST_F(ProjectFiles, DspGivenWithFReadsTheListing) {
  dir_.Write("app/app.dsp", kDsp);
  EXPECT_EQ(FileSet("app/app.dsp"),
            (Strings{root_ + "/app/include/app.h", root_ + "/app/src/main.cpp",
                     root_ + "/shared code/util.C"}));
}

TEST_F(ProjectFiles, WorkspaceProjectsRelativeToTheWorkspace) {
  dir_.Write("ws/app/app.dsp", kDsp);
  dir_.Write("lib dir/my-lib.dsp",
             "# Begin Source File\nSOURCE=lib.c\n# End Source File\n");
  dir_.Write("ws/all.dsw",
             "Microsoft Developer Studio Workspace File, Format Version 6.00\r\n"
             "# WARNING: DO NOT EDIT OR DELETE THIS WORKSPACE FILE!\r\n"
             "\r\n"
             "Project: \"app\"=.\\app\\app.dsp - Package Owner=<4>\r\n"
             "\r\n"
             "Package=<5>\r\n"
             "{{{\r\n"
             "    begin source code control\r\n"
             "}}}\r\n"
             "Project_Dep_Name my-lib\r\n"
             "Project: \"my-lib\"=\"..\\lib dir\\my-lib.dsp\" - Package Owner=<4>\r\n");
  // Extensions are compared ignoring case: util.C is a "c" file here.
  EXPECT_EQ(ConvertWorkspace(h_.G(), "ws/all.dsw", "c,cpp"), 3);
  EXPECT_EQ(Listing(), root_ + "/ws/app/src/main.cpp\n" + root_ + "/ws/shared code/util.C\n" +
                           root_ + "/lib dir/lib.c\n");
  EXPECT_EQ(h_.Output(), "");
}

TEST_F(ProjectFiles, WorkspaceWithAMissingProject) {
  dir_.Write("all.dsw", "Project: \"gone\"=.\\gone.dsp - Package Owner=<4>\n");
  EXPECT_EQ(ConvertWorkspace(h_.G(), "all.dsw", "c"), 0);
  EXPECT_EQ(h_.Output(),
            "\n  Error: Failed to open the workspace project file:\n"
            "         gone.dsp\n         No such file or directory\n\n");
  EXPECT_EQ(Listing(), "");
}

TEST_F(ProjectFiles, MissingWorkspaceAndSolution) {
  EXPECT_EQ(ConvertWorkspace(h_.G(), "none.dsw", "c"), 0);
  EXPECT_EQ(ConvertSolution(h_.G(), "none.sln", "c"), 0);
  EXPECT_EQ(h_.Output(),
            "\n  Error: Failed to open the workspace file:\n         none.dsw\n"
            "\n  Error: Failed to open the solution file:\n         none.sln\n"
            "         No such file or directory\n\n");
}

TEST_F(ProjectFiles, SolutionWithAnXmlProject) {
  dir_.Write("sol/app/app.vcproj", kVcproj);
  dir_.Write("sol/all.sln",
             "Microsoft Visual Studio Solution File, Format Version 9.00\r\n"
             "Project(\"{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}\") = \"app\", "
             "\"app\\app.vcproj\", \"{11111111-2222-3333-4444-555555555555}\"\r\n"
             "EndProject\r\n"
             "Project(\"{2150E333-8FDC-42A3-9474-1A3956D46DE8}\") = \"Docs\", \"Docs\", "
             "\"{66666666-2222-3333-4444-555555555555}\"\r\n"
             "EndProject\r\n"
             "Global\r\n"
             "EndGlobal\r\n");
  EXPECT_EQ(ConvertSolution(h_.G(), "sol/all.sln", h_.G().settings.allowable_extensions), 3);
  // legacy.cpp is excluded (whatever the attribute says), app.ico not a
  // source file, and <Files>/<FileConfiguration> open no member.
  EXPECT_EQ(Listing(), root_ + "/sol/app/main.cpp\n" + root_ + "/sol/common/util.h\n" +
                           root_ + "/sol/app/single.c\n");
  EXPECT_EQ(h_.Output(), "");
  EXPECT_EQ(FileSet("sol/all.sln"),
            (Strings{root_ + "/sol/common/util.h", root_ + "/sol/app/main.cpp",
                     root_ + "/sol/app/single.c"}));
}

TEST_F(ProjectFiles, UpperCaseExtensionIsAPlainList) {
  dir_.Write("ws.DSW", "Project: \"app\"=.\\app.dsp - Package Owner=<4>\nmain.c\n");
  dir_.Write("app.dsp", kDsp);
  EXPECT_EQ(FileSet("ws.DSW"), Strings{"main.c"});
  EXPECT_FALSE(std::filesystem::exists(root_ + "/zavlist.lst"));
}

TEST_F(ProjectFiles, ConversionThatFindsNothingReadsTheGivenFile) {
  dir_.Write("empty.dsp", "# Begin Source File\nSOURCE=a.rc\n# End Source File\nb.c\n");
  EXPECT_EQ(FileSet("empty.dsp"), Strings{"b.c"});
}

}  // namespace
}  // namespace zav
