#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "afx.h"

namespace {

// An element that knows its name and counts its own destruction.
class Item : public CObject {
public:
    Item(char name, int *destroyed = nullptr) : name_(name), destroyed_(destroyed) {}
    ~Item() override
    {
        if (destroyed_)
            ++*destroyed_;
    }
    char name() const { return name_; }

private:
    char name_;
    int *destroyed_;
};

std::string forward(const CObList &list)
{
    std::string names;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        names += static_cast<Item *>(list.GetNext(pos))->name();
    return names;
}

std::string backward(const CObList &list)
{
    std::string names;
    for (POSITION pos = list.GetTailPosition(); pos;)
        names += static_cast<Item *>(list.GetPrev(pos))->name();
    return names;
}

// Five items a..e, and a list built from them by a sequence of operations.
class ObListTest : public ::testing::Test {
protected:
    ObListTest()
    {
        for (char name = 'a'; name <= 'e'; ++name)
            items.emplace_back(new Item(name));
    }
    ~ObListTest() override
    {
        for (Item *item : items)
            delete item;
    }
    Item *item(char name) { return items[static_cast<size_t>(name - 'a')]; }

    std::vector<Item *> items;
    CObList list;
};

TEST_F(ObListTest, KeepsTheOrderOfAddsAtBothEnds)
{
    list.AddTail(item('c'));
    list.AddHead(item('b'));
    list.AddTail(item('d'));
    list.AddHead(item('a'));
    EXPECT_EQ(4, list.GetCount());
    EXPECT_FALSE(list.IsEmpty());
    EXPECT_EQ("abcd", forward(list));
    EXPECT_EQ("dcba", backward(list));
    EXPECT_EQ(item('a'), list.GetHead());
    EXPECT_EQ(item('d'), list.GetTail());
}

TEST_F(ObListTest, RemovesAtAnyPositionAndKeepsTheOthersValid)
{
    POSITION positions[5];
    for (int i = 0; i < 5; ++i)
        positions[i] = list.AddTail(items[static_cast<size_t>(i)]);

    const struct {
        const char *name;
        int index;
        const char *forward;
        const char *backward;
    } kRemovals[] = {
        {"middle", 2, "abde", "edba"},
        {"head", 0, "bde", "edb"},
        {"tail", 4, "bd", "db"},
        {"next to the removed head", 1, "d", "d"},
        {"last", 3, "", ""},
    };
    for (const auto &row : kRemovals) {
        SCOPED_TRACE(row.name);
        list.RemoveAt(positions[row.index]);
        EXPECT_EQ(row.forward, forward(list));
        EXPECT_EQ(row.backward, backward(list));
    }
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(NULL, list.GetHeadPosition());
    EXPECT_EQ(NULL, list.GetTailPosition());
}

TEST_F(ObListTest, RemovesFromTheEnds)
{
    list.AddTail(item('a'));
    list.AddTail(item('b'));
    list.AddTail(item('c'));
    EXPECT_EQ(item('a'), list.RemoveHead());
    EXPECT_EQ(item('c'), list.RemoveTail());
    EXPECT_EQ("b", forward(list));
    EXPECT_EQ(item('b'), list.RemoveTail());
    EXPECT_TRUE(list.IsEmpty());
}

TEST_F(ObListTest, AnswersAnEmptyListAndANullPosition)
{
    EXPECT_EQ(NULL, list.RemoveHead());
    EXPECT_EQ(NULL, list.RemoveTail());
    EXPECT_EQ(NULL, list.GetHead());
    EXPECT_EQ(NULL, list.GetTail());
    POSITION pos = NULL;
    EXPECT_EQ(NULL, list.GetNext(pos));
    EXPECT_EQ(NULL, list.GetPrev(pos));
    EXPECT_EQ(NULL, pos);
    EXPECT_EQ(NULL, list.GetAt(NULL));
    list.SetAt(NULL, item('a'));
    list.RemoveAt(NULL);
    EXPECT_EQ(0, list.GetCount());
}

TEST_F(ObListTest, FindsByPointerAndByIndex)
{
    list.AddTail(item('a'));
    const POSITION firstB = list.AddTail(item('b'));
    list.AddTail(item('c'));
    const POSITION secondB = list.AddTail(item('b'));

    EXPECT_EQ(firstB, list.Find(item('b')));
    EXPECT_EQ(secondB, list.Find(item('b'), firstB));
    EXPECT_EQ(NULL, list.Find(item('b'), secondB));
    EXPECT_EQ(NULL, list.Find(item('e')));

    const struct {
        INT_PTR index;
        char expected;  // 0: no position
    } kIndexes[] = {{0, 'a'}, {2, 'c'}, {3, 'b'}, {4, 0}, {-1, 0}};
    for (const auto &row : kIndexes) {
        SCOPED_TRACE(row.index);
        const POSITION pos = list.FindIndex(row.index);
        if (row.expected)
            EXPECT_EQ(item(row.expected), list.GetAt(pos));
        else
            EXPECT_EQ(NULL, pos);
    }
}

TEST_F(ObListTest, ReplacesAnElementInPlace)
{
    list.AddTail(item('a'));
    const POSITION pos = list.AddTail(item('b'));
    list.AddTail(item('c'));
    list.SetAt(pos, item('e'));
    EXPECT_EQ("aec", forward(list));
}

TEST(ObList, GrowsPastItsBlockSizeAndReusesFreedNodes)
{
    std::deque<Item> pool;
    for (char name = 'a'; name <= 'z'; ++name)
        pool.emplace_back(name);

    CObList list(3);
    for (Item &item : pool)
        list.AddTail(&item);
    // Free every other node, then add as many again at the head: the freed nodes come back.
    POSITION pos = list.GetHeadPosition();
    while (pos) {
        POSITION odd = pos;
        list.GetNext(pos);
        list.RemoveAt(odd);
        if (pos)
            list.GetNext(pos);
    }
    EXPECT_EQ("bdfhjlnprtvxz", forward(list));
    for (int i = 0; i < 13; ++i)
        list.AddHead(&pool[static_cast<size_t>(i)]);
    EXPECT_EQ("mlkjihgfedcbabdfhjlnprtvxz", forward(list));
    EXPECT_EQ(26, list.GetCount());
}

TEST(ObList, NeverDeletesItsElements)
{
    int destroyed = 0;
    Item a('a', &destroyed), b('b', &destroyed), c('c', &destroyed);
    {
        CObList list;
        list.AddTail(&a);
        list.AddTail(&b);
        list.RemoveAll();
        EXPECT_TRUE(list.IsEmpty());
        list.AddTail(&c);
        list.RemoveHead();
        list.AddTail(&a);
    }
    EXPECT_EQ(0, destroyed);
}

TEST(ObList, IsAFrameworkClass)
{
    CObList list;
    EXPECT_STREQ("CObList", list.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CObList)));
}

}  // namespace
