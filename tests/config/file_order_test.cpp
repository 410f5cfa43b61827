#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "config/file_order.h"

namespace tenukiro {
namespace {

using Paths = std::vector<std::string>;

TEST(FileOrder, SortGoesUpThenDownAlternately) {
  FileOrder order({"/g/b.sgf", "/g/a.sgf", "/g/c.sgf"});
  order.Sort();
  EXPECT_EQ(order.Paths(), (Paths{"/g/a.sgf", "/g/b.sgf", "/g/c.sgf"}));
  order.Sort();
  EXPECT_EQ(order.Paths(), (Paths{"/g/c.sgf", "/g/b.sgf", "/g/a.sgf"}));
  order.Sort();
  EXPECT_EQ(order.Paths(), (Paths{"/g/a.sgf", "/g/b.sgf", "/g/c.sgf"}));
  EXPECT_EQ(order.Entries().back(), "") << "the empty entry stays last";
}

TEST(FileOrder, SortsInByteOrder) {
  FileOrder order({"/d/a.sgf", "/d/Z.sgf", "/d/\xC3\xA9.sgf", "/d/_.sgf"});
  order.Sort();
  EXPECT_EQ(order.Paths(), (Paths{"/d/Z.sgf", "/d/_.sgf", "/d/a.sgf", "/d/\xC3\xA9.sgf"}));
}

// The insertion sort as the dialog describes it, one entry at a time.
Paths InsertionSorted(Paths paths, bool descending) {
  for (size_t i = 1; i < paths.size(); ++i) {
    for (size_t j = 0; j < i; ++j) {
      if (descending ? paths[i] > paths[j] : paths[i] < paths[j]) {
        std::string taken = paths[i];
        paths.erase(paths.begin() + static_cast<long>(i));
        paths.insert(paths.begin() + static_cast<long>(j), taken);
        break;
      }
    }
  }
  return paths;
}

TEST(FileOrder, SortAgreesWithTheInsertionSortOnRandomLists) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    Paths paths(random() % 12);
    // Few distinct letters, so that equal paths and shared prefixes are common.
    for (std::string& path : paths) {
      for (int k = static_cast<int>(random() % 4); k >= 0; --k) path += "aZb\xE9"[random() % 4];
    }
    FileOrder order(paths);
    order.Sort();
    EXPECT_EQ(order.Paths(), InsertionSorted(paths, false));
    order.Sort();
    EXPECT_EQ(order.Paths(), InsertionSorted(paths, true));
  }
}

TEST(FileOrder, DropMovesBeforeTheTarget) {
  struct Case { int from, to; Paths expected; int landed; };
  for (const Case& c : {Case{0, 3, {"b", "c", "a"}, 2},   // onto the empty entry: to the end
                        Case{2, 0, {"c", "a", "b"}, 0},
                        Case{0, 2, {"b", "a", "c"}, 1},
                        Case{1, 1, {"a", "b", "c"}, 1},
                        Case{3, 0, {"a", "b", "c"}, 3},   // the empty entry cannot be dragged
                        Case{-1, 0, {"a", "b", "c"}, -1},
                        Case{0, 4, {"a", "b", "c"}, 0}}) {
    FileOrder order({"a", "b", "c"});
    EXPECT_EQ(order.Drop(c.from, c.to), c.landed) << c.from << " -> " << c.to;
    EXPECT_EQ(order.Paths(), c.expected) << c.from << " -> " << c.to;
    EXPECT_EQ(order.Entries().size(), 4u);
  }
}

TEST(FileOrder, ADropAboveTheListGoesFirstAndBelowItLast) {
  FileOrder order({"a", "b", "c"});
  order.Drop(1, order.TargetOutsideEntries(true));
  EXPECT_EQ(order.Paths(), (Paths{"b", "a", "c"}));
  order.Drop(0, order.TargetOutsideEntries(false));
  EXPECT_EQ(order.Paths(), (Paths{"a", "c", "b"}));
  EXPECT_EQ(FileOrder({}).TargetOutsideEntries(false), 0) << "an empty list has only the empty entry";
}

TEST(FileOrder, AnEmptyListHoldsOnlyTheEmptyEntry) {
  FileOrder order({});
  EXPECT_EQ(order.Entries(), Paths{""});
  EXPECT_FALSE(order.CanDrag(0));
  order.Sort();
  order.Drop(0, 0);
  EXPECT_EQ(order.Entries(), Paths{""});
  EXPECT_TRUE(order.Paths().empty());
}

}  // namespace
}  // namespace tenukiro
