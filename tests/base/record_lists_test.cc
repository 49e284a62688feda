#include <gtest/gtest.h>

#include "zav/records.h"

namespace zav {
namespace {

// After DropClasses a class's name still finds an index entry (so it is not
// counted again), but its figures go to the unkept record; classes added
// later get positions after the dropped ones.
TEST(RecordLists, DroppedClassesKeepOnlyTheirNames) {
  RecordLists lists;
  lists.AddClass("A")->loc = 5;
  lists.AddClass("B");
  lists.DropClasses();
  ClassRecord* c = lists.AddClass("C");
  c->loc = 7;
  ASSERT_EQ(lists.classes.size(), 1u);
  EXPECT_EQ(lists.class_index.at("C"), 2u);
  EXPECT_EQ(lists.ClassAt(lists.class_index.at("C")), c);
  EXPECT_EQ(lists.ClassAt(lists.class_index.at("A")), &lists.unkept_class);
  EXPECT_EQ(lists.classes.front().loc, 7);
}

}  // namespace
}  // namespace zav
