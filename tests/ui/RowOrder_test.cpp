#include "ui/RowOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Orders the indexes of `list` the way the list view's merge sort does: an item
// goes after another only when the comparison answers a positive value.
std::vector<std::string> Sorted(const CFileList& list, int sortKey)
{
    std::vector<intptr_t> rows;
    for (int i = 0; i < list.GetCount(); ++i)
        rows.push_back(i);
    std::stable_sort(rows.begin(), rows.end(), [&](intptr_t a, intptr_t b) {
        return CompareEntries(list, b, a, sortKey) > 0;
    });
    std::vector<std::string> names;
    for (intptr_t row : rows)
        names.push_back(list.GetName(static_cast<uint32_t>(row)));
    return names;
}

}  // namespace

TEST(RowOrder, HeaderClicksCycleThroughTheKeys)
{
    int key = 1;
    key = NextSortKey(key, 1);
    EXPECT_EQ(2, key);  // "KB": largest first
    key = NextSortKey(key, 1);
    EXPECT_EQ(-2, key);  // "KB" again: smallest first
    key = NextSortKey(key, 0);
    EXPECT_EQ(1, key);  // "Name": A to Z
    key = NextSortKey(key, 0);
    EXPECT_EQ(-1, key);  // again: Z to A
    key = NextSortKey(key, 0);
    EXPECT_EQ(1, key);
    // The first click on "Name" after start reverses, since the key already is 1.
    EXPECT_EQ(-1, NextSortKey(1, 0));
}

// The header's arrow points up over an ascending column, down over a descending one.
TEST(RowOrder, TheArrowFollowsTheKey)
{
    const struct {
        int key;
        int column;
        bool ascending;
    } cases[] = {{1, 0, true}, {-1, 0, false}, {2, 1, false}, {-2, 1, true}, {7, 1, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.column, SortArrowOf(c.key).nColumn) << c.key;
        EXPECT_EQ(c.ascending, SortArrowOf(c.key).bAscending) << c.key;
    }
}

TEST(RowOrder, EachKeyGivesItsOrder)
{
    CFileList list(50, 50);
    list.AddEntry("", "beta.mp3", 2000);
    list.AddEntry("", "Alpha.mp3", 3000);
    list.AddEntry("", "gamma.mp3", 1000);
    list.AddEntry("", "alph.mp3", 1500);
    list.AddEntry("", "\xE9t\xE9.mp3", 1200);  // bytes above 127 sort after letters

    using Names = std::vector<std::string>;
    EXPECT_EQ((Names{"alph.mp3", "Alpha.mp3", "beta.mp3", "gamma.mp3", "\xE9t\xE9.mp3"}),
              Sorted(list, 1));
    EXPECT_EQ((Names{"\xE9t\xE9.mp3", "gamma.mp3", "beta.mp3", "Alpha.mp3", "alph.mp3"}),
              Sorted(list, -1));
    EXPECT_EQ((Names{"Alpha.mp3", "beta.mp3", "alph.mp3", "\xE9t\xE9.mp3", "gamma.mp3"}),
              Sorted(list, 2));
    EXPECT_EQ((Names{"gamma.mp3", "\xE9t\xE9.mp3", "alph.mp3", "beta.mp3", "Alpha.mp3"}),
              Sorted(list, -2));
    EXPECT_EQ(Sorted(list, -2), Sorted(list, 99));
}

// The list view's merge sort takes any positive answer as "after": each key
// answers one or zero.
TEST(RowOrder, TiesAndPrefixes)
{
    CFileList list(50, 50);
    list.AddEntry("", "Zeta", 2000);
    list.AddEntry("", "zeta", 2000);
    list.AddEntry("", "alph", 1500);
    list.AddEntry("", "alpha", 1500);
    struct Case {
        int key;
        intptr_t a, b;
        int answer;
    };
    const Case cases[] = {
        {1, 0, 1, 0},  {1, 1, 0, 0},  {-1, 0, 1, 1}, {-1, 1, 0, 1},  // equal but for case
        {1, 3, 2, 1},  {1, 2, 3, 0},  {-1, 2, 3, 1}, {-1, 3, 2, 0},  // a prefix is the smaller
        {2, 0, 1, 1},  {2, 2, 3, 1},  {-2, 0, 1, 0}, {-2, 2, 3, 0},  // equal sizes
        {2, 0, 2, 0},  {2, 2, 0, 1},  {-2, 0, 2, 1}, {7, 2, 0, 0},   // one or zero, never less
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.answer, CompareEntries(list, c.a, c.b, c.key)) << c.key << ": " << c.a << ", " << c.b;
}
