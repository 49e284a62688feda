// Matching two baselines by size: states, signs of removed files, eLOC%.
#include "baseline/baseline_compare.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

WorkRecord Record(const std::string& path, int loc, int eloc) {
  WorkRecord r;
  r.path = path;
  r.loc = r.lines = loc;
  r.eloc = eloc;
  return r;
}

struct Compared {
  BaselineDiff diff;
  const DiffRow* Row(const std::string& name) const {
    for (const DiffRow& row : diff.rows) {
      if (row.name == name) return &row;
    }
    return nullptr;
  }
};

Compared Compare(const FieldConfig& config, bool case_sensitive = false) {
  test::Harness h;
  h.G().settings.case_sensitive_names = case_sensitive;
  WorkFileData older, newer;
  older.files = {Record("a.c", 10, 8), Record("gone.c", 100, 90), Record("same.c", 5, 5)};
  newer.files = {Record("A.C", 12, 10), Record("same.c", 5, 5), Record("n.c", 10, 10)};
  Compared c;
  CompareBaselines(h.G(), older, newer, config, c.diff);
  return c;
}

TEST(CompareBaselines, StatesAndDifferentialTotals) {
  FieldConfig config;
  ParseFieldConfig("LOC_COUNT ON -\n", config);
  Compared c = Compare(config);
  const DiffRow* mod = c.Row("A.C");
  ASSERT_NE(mod, nullptr);
  EXPECT_EQ(mod->state, kStateMod);
  EXPECT_EQ(mod->values[kDiffLoc], 2);
  EXPECT_DOUBLE_EQ(mod->eloc_percent, 25.0);  // 2 of 8
  EXPECT_EQ(c.Row("same.c")->state, kStateEqu);
  EXPECT_DOUBLE_EQ(c.Row("n.c")->eloc_percent, 100.0);
  const DiffRow* rem = c.Row("gone.c");
  ASSERT_NE(rem, nullptr);
  EXPECT_EQ(rem->values[kDiffLoc], -100);
  EXPECT_DOUBLE_EQ(rem->eloc_percent, -100.0);
  EXPECT_EQ(c.diff.total[kDiffLoc], 2 - 100 + 10);
  EXPECT_EQ(c.diff.group[kStateEqu].files, 1);
  EXPECT_EQ(c.diff.newer.values[kDiffLoc], 27);
}

TEST(CompareBaselines, PlusSignAndLetterCase) {
  FieldConfig config;
  ParseFieldConfig("LOC_COUNT ON +\n", config);
  EXPECT_EQ(Compare(config).diff.total[kDiffLoc], 2 + 100 + 10);
  Compared strict = Compare(config, true);
  EXPECT_EQ(strict.Row("A.C")->state, kStateNew);
  EXPECT_EQ(strict.Row("a.c")->state, kStateRem);
}

}  // namespace
}  // namespace zav
