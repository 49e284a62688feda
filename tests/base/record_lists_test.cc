#include <gtest/gtest.h>

#include "zav/records.h"

namespace zav {
namespace {

// After DropClasses a class's name still finds an index entry (so it is not
// counted again), but its figures go to the unkept record; classes added
// later get positions after the dropped ones, in emptied dropped records.
TEST(RecordLists, DroppedClassesKeepOnlyTheirNames) {
  RecordLists lists;
  ClassRecord* a = lists.AddClass("A");
  a->loc = 5;
  a->name = "A";
  lists.AddClass("B");
  lists.DropClasses();
  ClassRecord* c = lists.AddClass("C");
  EXPECT_EQ(c, a);
  EXPECT_EQ(c->loc, 0);
  EXPECT_TRUE(c->name.empty());
  c->loc = 7;
  ASSERT_EQ(lists.class_count, 1u);
  EXPECT_EQ(lists.class_index.at("C"), 2u);
  EXPECT_EQ(lists.ClassAt(lists.class_index.at("C")), c);
  EXPECT_EQ(lists.ClassAt(lists.class_index.at("A")), &lists.unkept_class);
  EXPECT_EQ(lists.classes.front().loc, 7);
}

}  // namespace
}  // namespace zav
