// The file set built from file arguments: order, filters and messages.
#include "files/file_set.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>

#include "files/collector.h"
#include "files_test_support.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Arguments;
using test::Harness;
using test::Names;
using Strings = std::vector<std::string>;

constexpr const char* kInvalidTxt =
    "\n  Error: notes.txt - Not a valid file type for ZAV\n"
    "         Valid types: c,h,cc,cpp,cxx,CC,h,hh,H,hxx,hpp,java,cs\n";

class FileArguments : public test::HarnessTest {
 protected:
  // Builds the file set of the file arguments `args`; its size.
  int Build(std::vector<std::string> args) {
    args_.emplace(std::move(args));
    args_->Install(G);
    return BuildFileSet(G, 1);
  }
  std::optional<Arguments> args_;
};

TEST_F(FileArguments, HeadersComeFirstOtherwiseCommandLineOrder) {
  EXPECT_EQ(Build({"a.cpp", "b.h", "c.c", "D.H", "e.hpp", "f.java"}), 6);
  EXPECT_EQ(Names(h.G()), (Strings{"b.h", "D.H", "e.hpp", "a.cpp", "c.c", "f.java"}));
  EXPECT_EQ(h.Output(), "");
}

TEST_F(FileArguments, NoExtensionIsSilentAnInvalidOneIsReported) {
  EXPECT_EQ(Build({"README", "notes.txt", ".", "ok.c"}), 1);
  EXPECT_EQ(Names(h.G()), Strings{"ok.c"});
  EXPECT_EQ(h.Output(), kInvalidTxt);
}

TEST_F(FileArguments, WithoutValidationAnyExtensionIsTaken) {
  h.G().settings.validate_extensions = false;
  Build({"notes.txt", "README"});
  EXPECT_EQ(Names(G), Strings{"notes.txt"});
  EXPECT_EQ(h.Output(), "");
}

TEST_F(FileArguments, PatternFilterTestsTheWholeArgument) {
  h.G().settings.pattern_filter_active = true;
  h.G().settings.pattern_filter = "test";
  EXPECT_EQ(Build({"src\\Test\\a.c", "src/b.c", "TESTS/notes.txt"}), 1);
  EXPECT_EQ(Names(h.G()), Strings{"src/b.c"});
  EXPECT_EQ(h.Output(), "");  // the filtered .txt is not reported
}

// The run reads them from the open file; the debug listing of the set
// shows them before that.
TEST_F(FileArguments, DebugReadsSizeAndTimeMissingFilesStayWithZero) {
  std::string path = dir.Write("a.c", "int a;\n");
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  h.G().sw.debug = true;
  ASSERT_EQ(Build({path, dir.path() + "/missing.c"}), 2);
  const FileEntry& a = h.G().files.entries[0];
  EXPECT_EQ(a.size, 7);
  EXPECT_EQ(a.time, static_cast<int64_t>(st.st_mtime));
  const FileEntry& missing = h.G().files.entries[1];
  EXPECT_EQ(missing.name, dir.path() + "/missing.c");
  EXPECT_EQ(missing.size, 0);
  EXPECT_EQ(missing.time, 0);
}

TEST_F(FileArguments, SortByNameSortsEachListAndKeepsHeadersFirst) {
  h.G().sw.sort_input_by_name = true;
  Build({"z.c", "y.h", "a.c", "b.h", "B.c"});
  EXPECT_EQ(Names(h.G()), (Strings{"b.h", "y.h", "B.c", "a.c", "z.c"}));
}

TEST(Progress, DescentDisplayWrapsAfterSixtyFourIntervals) {
  // Interval 2: the first file writes the head, every second file a dot;
  // the first count above 127 that is not a dot (129) closes the line.
  Harness h;
  h.G().sw.progress = true;
  h.G().settings.progress_interval = 2;
  FileCollector collector(h.G());
  test::StderrCapture capture;
  for (int i = 0; i < 131; ++i) collector.AdvanceProgress();
  std::string expected = "  Building File List - Status(.) 2 files\n  " +
                         std::string(64, '.') + "(   129)\n  " + ".";
  EXPECT_EQ(capture.Text(), expected);
}

TEST(Progress, AcquisitionAndProcessingLines) {
  Harness h;
  h.G().sw.progress = true;
  test::StderrCapture capture;
  AnnounceFileAcquisition(h.G());
  AnnounceFileProcessing(h.G(), 3);
  h.G().settings.detailed_progress = true;
  AnnounceFileProcessing(h.G(), 4);
  EXPECT_EQ(capture.Text(),
            "  Acquiring Files\n"
            "  Processing 3 Files - Status(.) 10 Files\n  "
            "  Processing 4 Files - Status By File Name\n");
}

}  // namespace
}  // namespace zav
