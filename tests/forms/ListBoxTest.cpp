#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ErrorCodes.h"
#include "forms/ListBox.h"

namespace qh::forms {
namespace {

using Items = std::vector<std::string>;

Ref<ListBox> sortedList(const Items& items) {
  auto list = makeRef<ListBox>("TagList", Rect{}, 2, true, ListBox::Selection::Extended);
  for (const auto& item : items) list->call("AddItem", item);
  return list;
}

TEST(ListBox, SortedListInsertsWithoutRegardToCase) {
  auto list = sortedList({"Gamma", "Alpha"});
  EXPECT_EQ(list->addItem("beta"), 1);
  EXPECT_EQ(list->items(), (Items{"Alpha", "beta", "Gamma"}));
  list->addItem("ALPHA");
  list->addItem("");
  EXPECT_EQ(list->items(), (Items{"", "Alpha", "ALPHA", "beta", "Gamma"}));
}

TEST(ListBox, SortedListKeepsDuplicates) {
  auto list = sortedList({"Admin", "Support", "Admin"});
  EXPECT_EQ(list->items(), (Items{"Admin", "Admin", "Support"}));
  EXPECT_EQ(list->get("ListCount").toInt32(), 3);
}

TEST(ListBox, UnsortedListAppends) {
  auto list = makeRef<ListBox>("ErrorList", Rect{}, 0);
  for (const char* line : {"b", "a", "c"}) list->call("AddItem", line);
  EXPECT_EQ(list->items(), (Items{"b", "a", "c"}));
  list->call("RemoveItem", 0);
  EXPECT_EQ(list->get("List", 0).toString(), "a");
}

// Removes every selected entry by name, as a Delete button walks the list: the index stays
// on a removed entry's place, since the next one moved into it.
void removeSelected(Object& list) {
  int i = 0;
  while (i < list.get("ListCount").toInt32()) {
    if (list.get("Selected", i).toBool())
      list.call("RemoveItem", i);
    else
      ++i;
  }
}

void select(Object& list, int index) {
  Args args{Variant(index), Variant(true)};
  list.invoke("Selected", CallKind::Put, args);
}

TEST(ListBox, ExtendedSelectionRemovesNonAdjacentEntries) {
  auto list = sortedList({"A", "B", "C", "D", "E"});
  select(*list, 1);
  select(*list, 3);
  select(*list, 4);
  EXPECT_TRUE(list->selected(1));
  removeSelected(*list);
  EXPECT_EQ(list->items(), (Items{"A", "C"}));
  EXPECT_FALSE(list->selected(0));
  EXPECT_FALSE(list->selected(1));
}

TEST(ListBox, SingleSelectionKeepsOneEntry) {
  auto list = makeRef<ListBox>("List", Rect{}, 0);
  for (const char* item : {"a", "b", "c"}) list->addItem(item);
  list->setSelected(0, true);
  list->setSelected(2, true);
  EXPECT_FALSE(list->selected(0));
  EXPECT_TRUE(list->selected(2));
  EXPECT_EQ(list->get("ListIndex").toInt32(), 2);
  EXPECT_EQ(list->get("Text").toString(), "c");
  list->put("ListIndex", Variant(-1));
  EXPECT_FALSE(list->selected(2));
  EXPECT_EQ(list->get("Text").toString(), "");
}

TEST(ListBox, ListIndexFollowsItsEntry) {
  auto list = sortedList({"b", "d"});
  list->setListIndex(1);
  list->addItem("a");  // lands before the current entry
  EXPECT_EQ(list->listIndex(), 2);
  EXPECT_EQ(list->get("Text").toString(), "d");
  list->removeItem(0);
  EXPECT_EQ(list->listIndex(), 1);
  list->removeItem(1);
  EXPECT_EQ(list->listIndex(), -1);
  list->addItem("z");
  list->setListIndex(1);
  list->call("Clear");
  EXPECT_EQ(list->listIndex(), -1);
  EXPECT_EQ(list->listCount(), 0);
}

TEST(ListBox, IndexesOutsideTheListAreInvalid) {
  auto list = sortedList({"a"});
  using fakes::errorCode;
  EXPECT_EQ(errorCode([&] { list->call("RemoveItem", 1); }), fakes::kInvalidCall);
  EXPECT_EQ(errorCode([&] { list->get("List", -1); }), fakes::kInvalidCall);
  EXPECT_EQ(errorCode([&] { list->get("Selected", 1); }), fakes::kInvalidCall);
  EXPECT_EQ(errorCode([&] { list->put("ListIndex", Variant(1)); }), fakes::kInvalidCall);
  EXPECT_EQ(list->items(), Items{"a"});
}

}  // namespace
}  // namespace qh::forms
