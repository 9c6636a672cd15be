#include "model/ChoiceList.h"

#include <gtest/gtest.h>

TEST(ChoiceList, ResetEmptiesAndUnselectsButKeepsEnabledFlag) {
    CChoiceList list({"0", "1", "2"});
    list.SetCurSel(1);
    list.Enable(false);
    list.Reset();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_FALSE(list.IsEnabled());
    list.SetCurSel(0);
    EXPECT_EQ(list.GetCurSel(), -1);
}

TEST(ChoiceList, SetCurSelOutsideTheItemsLeavesNoSelection) {
    struct Case {
        int32_t pick;
        int32_t expected;
    };
    for (const Case& c : {Case{2, 2}, Case{3, -1}, Case{-1, -1}, Case{0, 0}, Case{-7, -1}}) {
        CChoiceList list({"a", "b", "c"});
        list.SetCurSel(1);
        list.SetCurSel(c.pick);
        EXPECT_EQ(list.GetCurSel(), c.expected) << "pick " << c.pick;
    }
}

TEST(ChoiceList, DisabledListKeepsItemsAndSelectionAndStillSelects) {
    CChoiceList list({"0", "1", "2", "3", "4"});
    list.SetCurSel(4);
    list.Enable(false);
    EXPECT_EQ(list.GetCurSel(), 4);
    EXPECT_EQ(list.GetCount(), 5);
    list.SetCurSel(2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.GetText(2), "2");
    EXPECT_EQ(list.GetText(5), "");
    EXPECT_EQ(list.GetText(-1), "");
}

TEST(ChoiceList, SortedListInsertsInTextOrderOthersAppend) {
    CChoiceList sorted({}, CChoiceList::Order::Sorted);
    sorted.Add("2");
    sorted.Add("0");
    EXPECT_EQ(sorted.Items(), (std::vector<std::string>{"0", "2"}));
    EXPECT_EQ(sorted.GetCurSel(), -1) << "an added item does not become current";

    CChoiceList plain;
    plain.Add("2");
    plain.Add("0");
    EXPECT_EQ(plain.Items(), (std::vector<std::string>{"2", "0"}));

    // Text order, case ignored, not numeric order.
    CChoiceList words({}, CChoiceList::Order::Sorted);
    for (const char* text : {"b", "10", "A", "9", "a"}) {
        words.Add(text);
    }
    EXPECT_EQ(words.Items(), (std::vector<std::string>{"10", "9", "A", "a", "b"}));
}

TEST(ChoiceList, BoundIndexAndTextFollowEverySelectionChange) {
    int32_t index = 0;
    std::string text = "x";
    CChoiceList list({"Avlo", "Brenic"});
    list.BindIndex(&index);
    list.BindText(&text);
    list.SetCurSel(1);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(text, "Brenic");
    list.SetCurSel(9);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(text, "");

    // A copy takes the state but writes its own mirrors, never the original's.
    list.SetCurSel(0);
    CChoiceList copy(list);
    copy.SetCurSel(1);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(copy.GetCurSel(), 1);
}

TEST(ChoiceList, RevisionMovesWhenItemsAreTouchedOnly) {
    CChoiceList list({"0"});
    const uint64_t start = list.GetItemsRevision();
    list.SetCurSel(0);
    list.Enable(false);
    EXPECT_EQ(list.GetItemsRevision(), start);
    list.Reset();
    list.Add("0");
    EXPECT_GT(list.GetItemsRevision(), start);
}
