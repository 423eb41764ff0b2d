// TutCollatedListBox and TutCollatedComboBox: sequence numbers over a sorted control.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls_ids.h"
#include "dialog_fixtures.h"
#include "ui/collated_boxes.h"
#include "util/exceptions.h"
#include "vkshost.h"

namespace {

using namespace uitest;
using Strings = std::vector<std::string>;

// What the typed tests need to know of each box: its control, and its text calls by sequence
// number and by display position.
struct ListKind {
    using Box = TutCollatedListBox;
    static constexpr int kSorted = kSortedList;
    static constexpr UINT kAddMessage = LB_ADDSTRING;
    static std::string text(Box &box, int sequence)
    {
        return static_cast<LPCSTR>(box.GetText(sequence));
    }
    static int length(Box &box, int sequence) { return box.GetTextLen(sequence); }
    static std::string shown(Box &box, int index)
    {
        CString text;
        static_cast<CListBox &>(box).GetText(index, text);
        return static_cast<LPCSTR>(text);
    }
    static void setRawData(Box &box, int index, int data)
    {
        static_cast<CListBox &>(box).SetItemData(index, static_cast<DWORD_PTR>(data));
    }
};

struct ComboKind {
    using Box = TutCollatedComboBox;
    static constexpr int kSorted = kSortedCombo;
    static constexpr UINT kAddMessage = CB_ADDSTRING;
    static std::string text(Box &box, int sequence)
    {
        return static_cast<LPCSTR>(box.GetLBText(sequence));
    }
    static int length(Box &box, int sequence) { return box.GetLBTextLen(sequence); }
    static std::string shown(Box &box, int index)
    {
        CString text;
        static_cast<CComboBox &>(box).GetLBText(index, text);
        return static_cast<LPCSTR>(text);
    }
    static void setRawData(Box &box, int index, int data)
    {
        static_cast<CComboBox &>(box).SetItemData(index, static_cast<DWORD_PTR>(data));
    }
};

// Lifts the host's item limit when a test ends.
class ScopedItemLimit {
public:
    explicit ScopedItemLimit(UINT limit) { VksHostSetListItemLimit(&limit); }
    ~ScopedItemLimit() { VksHostSetListItemLimit(nullptr); }
};

template <class Kind>
class CollatedBox : public DialogTest {
protected:
    using Box = typename Kind::Box;

    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(kControlsDialog));
        ASSERT_TRUE(box.SubclassDlgItem(Kind::kSorted, &dialog));
    }
    void TearDown() override { dialog.DestroyWindow(); }

    void add(std::initializer_list<const char *> texts)
    {
        for (const char *text : texts)
            box.AddString(text);
    }

    // The texts by sequence number, each checked against its length and found again.
    Strings bySequence()
    {
        Strings texts;
        for (int sequence = 0; sequence < box.GetCount(); ++sequence) {
            const std::string text = Kind::text(box, sequence);
            EXPECT_EQ(static_cast<int>(text.size()), Kind::length(box, sequence));
            EXPECT_EQ(sequence, box.FindStringExact(-1, text.c_str())) << text;
            texts.push_back(text);
        }
        return texts;
    }

    Strings shown()
    {
        Strings texts;
        for (int index = 0; index < box.GetCount(); ++index)
            texts.push_back(Kind::shown(box, index));
        return texts;
    }

    // Whether `action` threw the exception of type E (deleted here).
    template <class E>
    static bool throws(const std::function<void()> &action)
    {
        try {
            action();
        } catch (E *e) {
            e->Delete();
            return true;
        }
        return false;
    }

    TutDialog dialog{kControlsDialog};
    Box box;
};

using Kinds = ::testing::Types<ListKind, ComboKind>;
TYPED_TEST_SUITE(CollatedBox, Kinds);

// One change to the box and the answer it gives.
struct Step {
    enum Op { Add, Insert, Update, Delete } op;
    int sequence;
    const char *text;
    int answer;
};

TYPED_TEST(CollatedBox, SequenceNumbersFollowInsertionWhileTheControlSorts)
{
    const struct {
        const char *what;
        std::vector<Step> steps;
        Strings bySequence;
        Strings shown;
    } kCases[] = {
        {"b, a, c", {}, {"b", "a", "c"}, {"a", "b", "c"}},
        {"delete 0 renumbers", {{Step::Delete, 0, nullptr, 2}}, {"a", "c"}, {"a", "c"}},
        {"insert at 1", {{Step::Insert, 1, "d", 1}}, {"b", "d", "a", "c"}, {"a", "d", "b", "c"}},
        {"insert at the end", {{Step::Insert, 3, "x", 3}}, {"b", "a", "c", "x"},
         {"a", "b", "c", "x"}},
        {"update keeps the number", {{Step::Update, 0, "z", 0}}, {"z", "a", "c"},
         {"a", "c", "z"}},
        {"update moves up", {{Step::Update, 2, "0", 2}}, {"b", "a", "0"}, {"0", "a", "b"}},
        {"add after delete", {{Step::Delete, 1, nullptr, 2}, {Step::Add, 0, "aa", 2}},
         {"b", "c", "aa"}, {"aa", "b", "c"}},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        this->box.ResetContent();
        EXPECT_EQ(0, this->box.AddString("b"));
        EXPECT_EQ(1, this->box.AddString("a"));
        EXPECT_EQ(2, this->box.AddString("c"));
        for (const Step &step : row.steps) {
            switch (step.op) {
            case Step::Add:
                EXPECT_EQ(step.answer, this->box.AddString(step.text));
                break;
            case Step::Insert:
                EXPECT_EQ(step.answer, this->box.InsertString(step.sequence, step.text));
                break;
            case Step::Update:
                EXPECT_EQ(step.answer, this->box.UpdateString(step.sequence, step.text));
                break;
            case Step::Delete:
                EXPECT_EQ(step.answer, this->box.DeleteString(step.sequence));
                break;
            }
        }
        EXPECT_EQ(row.bySequence, this->bySequence());
        EXPECT_EQ(row.shown, this->shown());
    }
}

TYPED_TEST(CollatedBox, SequenceNumbersOutOfRangeThrowAndChangeNothing)
{
    auto &box = this->box;
    const struct {
        const char *what;
        std::function<void()> action;
    } kCases[] = {
        {"insert at 4", [&] { box.InsertString(4, "x"); }},
        {"insert at -1", [&] { box.InsertString(-1, "x"); }},
        {"update 3", [&] { box.UpdateString(3, "x"); }},
        {"update -1", [&] { box.UpdateString(-1, "x"); }},
        {"delete 3", [&] { box.DeleteString(3); }},
        {"delete -1", [&] { box.DeleteString(-1); }},
    };
    this->add({"b", "a", "c"});
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        EXPECT_TRUE(this->template throws<CGeneralException>(row.action));
        EXPECT_EQ((Strings{"b", "a", "c"}), this->bySequence());
    }
}

TYPED_TEST(CollatedBox, CorruptItemDataThrowsOnTheNextLookup)
{
    const struct {
        const char *what;
        int data;
    } kCases[] = {
        {"past the count", 3},
        {"negative", -1},
        {"another item's number", 2},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        this->box.ResetContent();
        this->add({"b", "a", "c"});
        TypeParam::setRawData(this->box, 0, row.data);  // "a", number 1
        EXPECT_TRUE(
            this->template throws<CGeneralException>([&] { TypeParam::text(this->box, 0); }));
        TypeParam::setRawData(this->box, 0, 1);
        EXPECT_EQ((Strings{"b", "a", "c"}), this->bySequence()) << "the index is built again";
    }
}

TYPED_TEST(CollatedBox, ControlOutOfSpaceThrowsTheMemoryExceptionAndKeepsItsItems)
{
    auto &box = this->box;
    this->add({"b", "a"});
    ScopedItemLimit limit(2);
    const struct {
        const char *what;
        std::function<void()> action;
    } kCases[] = {
        {"add", [&] { box.AddString("c"); }},
        {"insert", [&] { box.InsertString(0, "c"); }},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        EXPECT_TRUE(this->template throws<CMemoryException>(row.action));
        EXPECT_EQ((Strings{"b", "a"}), this->bySequence());
    }
}

// An update deletes the old item before it adds the new text, so a full box takes it.
TYPED_TEST(CollatedBox, UpdateAtTheItemLimitMovesTheItemToItsPlace)
{
    this->add({"b", "a"});
    ScopedItemLimit limit(2);
    EXPECT_EQ(0, this->box.UpdateString(0, "c"));
    EXPECT_EQ((Strings{"c", "a"}), this->bySequence());
    EXPECT_EQ((Strings{"a", "c"}), this->shown());
}

WNDPROC boxProc = nullptr;
UINT refusedAdd = 0;

// The control's own procedure, except that it has no room for the text "new".
LRESULT CALLBACK refusingNewText(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == refusedAdd && std::string(reinterpret_cast<const char *>(lParam)) == "new")
        return LB_ERRSPACE;
    return CallWindowProcA(boxProc, hwnd, message, wParam, lParam);
}

// When the new text finds no room, the old one is back where it was with its number.
TYPED_TEST(CollatedBox, AnUpdateTheBoxCannotTakeKeepsTheOldItem)
{
    auto &box = this->box;
    this->add({"b", "a", "c"});
    refusedAdd = TypeParam::kAddMessage;
    boxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(refusingNewText)));
    EXPECT_TRUE(this->template throws<CMemoryException>([&] { box.UpdateString(0, "new"); }));
    SetWindowLongPtrA(box.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(boxProc));
    EXPECT_EQ((Strings{"b", "a", "c"}), this->bySequence());
    EXPECT_EQ((Strings{"a", "b", "c"}), this->shown());
}

TYPED_TEST(CollatedBox, SelectionAndSearchesSpeakSequenceNumbers)
{
    this->add({"b", "a", "c"});
    EXPECT_EQ(-1, this->box.GetCurSel());
    EXPECT_EQ(0, this->box.SetCurSel(0));
    EXPECT_EQ(0, this->box.GetCurSel()) << "b, shown second";
    EXPECT_EQ(-1, this->box.SetCurSel(7));
    EXPECT_EQ(-1, this->box.GetCurSel()) << "out of range clears the selection";
    EXPECT_EQ(2, this->box.FindString(-1, "C"));
    EXPECT_EQ(-1, this->box.FindString(-1, "x"));
    EXPECT_EQ(0, this->box.FindString(0, "b")) << "the start is a display position";
    char text[] = "a";
    EXPECT_EQ(1, this->box.SelectString(-1, text));
    EXPECT_EQ(1, this->box.GetCurSel());
    char buffer[8] = {};
    if constexpr (std::is_same_v<TypeParam, ListKind>)
        EXPECT_EQ(1, this->box.GetText(2, buffer));
    else
        EXPECT_EQ(1, this->box.GetLBText(2, buffer));
    EXPECT_STREQ("c", buffer);
}

class CollatedCombo : public CollatedBox<ComboKind> {};

TEST_F(CollatedCombo, IsSelectedOnlyForTheSelectedNumber)
{
    add({"b", "a", "c"});
    box.SetCurSel(0);
    const struct {
        int sequence;
        int selected;
    } kCases[] = {{0, 1}, {1, 0}, {2, 0}, {-1, 0}, {3, 0}};
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.sequence);
        EXPECT_EQ(row.selected, box.IsSelected(row.sequence));
    }
    box.SetCurSel(-1);
    EXPECT_EQ(0, box.IsSelected(-1)) << "no selection is not the number -1";
}

class CollatedList : public CollatedBox<ListKind> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(kControlsDialog));
        ASSERT_TRUE(box.SubclassDlgItem(kMultiList, &dialog));
    }
};

TEST_F(CollatedList, SelectedItemsComeInDisplayOrderOrSortedByNumber)
{
    add({"d", "b", "c", "a"});  // shown a 3, b 1, c 2, d 0
    CListBox &control = box;
    for (int index : {0, 1, 3})
        control.SetSel(index);
    const struct {
        const char *what;
        int room;
        int sort;
        std::vector<int> want;
    } kCases[] = {
        {"display order", 4, 0, {3, 1, 0}},
        {"sorted", 4, 1, {0, 1, 3}},
        {"cut to the room, then sorted", 2, 1, {1, 3}},
        {"one is left alone", 1, 1, {3}},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.what);
        std::vector<int> numbers(4, -7);
        const int got = box.GetSelItems(numbers.data(), row.room, row.sort);
        ASSERT_EQ(static_cast<int>(row.want.size()), got);
        numbers.resize(static_cast<std::size_t>(got));
        EXPECT_EQ(row.want, numbers);
    }
}

}  // namespace
