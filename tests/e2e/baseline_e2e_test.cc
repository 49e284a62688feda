// End-to-end baselines: two work files with differential files, compared.
#include <dirent.h>
#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::RunResult;
using test::RunZav;

bool HasTemporaryFile(const std::string& dir) {
  bool found = false;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) found |= Has(e->d_name, ".tmp");
    closedir(d);
  }
  return found;
}

class Baselines : public test::HarnessTest {};

TEST_F(Baselines, CodeDifferentialOfAnAppendedLine) {
  dir.Write("my file.v2.c", "int f(void) {\n  return 1;\n}\n");
  dir.Write("gone.c", "int g;\nint h;\n");
  RunResult older = RunZav({"-wd", "-wFile dat old.dat", "-wcreate .", "my file.v2.c", "gone.c"}, dir.path());
  ASSERT_EQ(older.exit_code, 0) << older.out;
  dir.Write("my file.v2.c", "int f(void) {\n  int x = 2;\n  return 1;\n}\n");
  RunResult newer = RunZav({"-wd", "-wFile dat new.dat", "-wcreate .", "my file.v2.c"}, dir.path());
  ASSERT_EQ(newer.exit_code, 0);
  EXPECT_TRUE(Has(newer.out, "  Completed Work File: new.dat\n"));
  EXPECT_FALSE(HasTemporaryFile(dir.path()));
  EXPECT_FALSE(HasTemporaryFile(dir.path() + "/new.dat.dif"));

  RunResult diff = RunZav({"-wd", "-wx old.dat, new.dat"}, dir.path());
  EXPECT_EQ(diff.exit_code, 0);
  // One added logical line; eLOC 2 -> 3 is +1 of 2 (the brace line is not
  // effective). The removed file counts negatively: LOC 2, lLOC 2.
  EXPECT_TRUE(Has(diff.out, "  Dif        1       1       1       0       0       1       0"
                            "       0       0       0"))
      << diff.out;
  EXPECT_TRUE(Has(diff.out, "    50.00 my file.v2.c\n"));
  EXPECT_TRUE(Has(diff.out, "  Rem       -2      -2      -2       0       0      -2"));
}

TEST_F(Baselines, CsvMetricsTemplateFollowsTheConfiguration) {
  dir.Write("m.cfg", "# fields\nLOC_COUNT OFF -\n  ELOC_COUNT on +\nNO_SUCH_FIELD ON -\n");
  RunResult r = RunZav({"-xFile csv m.cfg", "-xc"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.out, "# ZAV CSV file metrics\n#\n"));
  EXPECT_TRUE(Has(r.out, "FILE_NAME                               : Off\n"
                         "LOC_COUNT                               : Off\n"
                         "ELOC_COUNT                              : On\n"));
  EXPECT_TRUE(Has(r.out, "ELOC_PERCENT_DIFF                       : Off\n# End of report configuration\n"));
}

TEST_F(Baselines, DeterministicListing) {
  dir.Write("t.c", "ab\n\nx = 1;\n");
  RunResult r = RunZav({"-wD", "t.c"}, dir.path());
  EXPECT_TRUE(Has(r.out, "\n  File: t.c\n  Line #  Type Differential Code      Source Code Line\n"
                         "  ------------------------------------------------------------------------\n"
                         "       1 |  L  146.000000000000000  | ab\n"
                         "       3 |  G  "))
      << r.out;
  // With -d as well neither listing is written.
  RunResult both = RunZav({"-wD", "-d", "t.c"}, dir.path());
  EXPECT_FALSE(Has(both.out, "146.0"));
  EXPECT_FALSE(Has(both.out, "LOC Type(s)"));
}

TEST_F(Baselines, DifferentLineSettingsEndTheRun) {
  const std::string head =
      "Zavoran Work File\nDO NOT EDIT - This is a Generated File\n7.75\n1000\n"
      "Ignore Blank Lines: 1\n";
  dir.Write("o.dat", head + "Ignore White Space: 1\n");
  dir.Write("n.dat", head + "Ignore White Space: 0\n");
  RunResult r = RunZav({"-wx o.dat, n.dat"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(r.out, "         Older Work File: Ignore White Space - Yes\n"
                         "         Newer Work File: Ignore White Space - No\n"));
}

}  // namespace
}  // namespace zav
