// The storage of list and combo box items, against a plain vector that does the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "user32/list_items.h"
#include "windows.h"

namespace {

using vks::detail::kListStorageBytes;
using vks::detail::ListItems;

// A small deterministic generator, so that a failure comes back on every run.
class Steps {
public:
    explicit Steps(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next(std::uint32_t bound)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % bound;
    }

private:
    std::uint32_t state_;
};

// The bytes a box compares, as unsigned values: letters in upper case, except the byte after a
// lead byte of code page 932, which is compared as it stands.
std::vector<unsigned> folded(const std::string &text)
{
    std::vector<unsigned> bytes;
    bool trail = false;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        bytes.push_back(!trail && byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte);
        trail = !trail && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
    }
    return bytes;
}

bool startsWith(const std::vector<unsigned> &text, const std::vector<unsigned> &prefix)
{
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin());
}

// What a box answers, by walking all of its items: the first after `start`, wrapping.
int modelFind(const std::vector<std::string> &items, int start, const std::string &text,
              bool exact)
{
    const int count = static_cast<int>(items.size());
    const int first = start >= 0 && start < count ? start + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        const std::vector<unsigned> item = folded(items[static_cast<std::size_t>(index)]);
        if (exact ? item == folded(text) : startsWith(item, folded(text)))
            return index;
    }
    return LB_ERR;
}

// Where a sorted box adds a text: before the first item that does not sort below it.
int modelAddPosition(const std::vector<std::string> &items, const std::string &text)
{
    const std::vector<unsigned> key = folded(text);
    int position = 0;
    while (position < static_cast<int>(items.size()) &&
           folded(items[static_cast<std::size_t>(position)]) < key)
        ++position;
    return position;
}

TEST(ListItems, KeepThePlaceAndOrderAPlainVectorWouldThroughManyChanges)
{
    // Texts from a small alphabet, so that equal texts and shared prefixes are common, longer
    // than eight bytes with the same start, and double-byte ones whose trail byte is a letter
    // (code page 932); enough items to fill many blocks.
    const char *const kWords[] = {"a",          "B",          "ab",         "Ab",
                                  "abcdefghij", "ABCDEFGHIk", "\x82\x61", "\x82\x41",
                                  "a\xA1z",     "ca"};
    ListItems items;
    std::vector<std::string> model;
    Steps steps(12345);
    for (int round = 0; round < 6000; ++round) {
        const std::string text =
            std::string(kWords[steps.next(10)]) + std::to_string(steps.next(40) * 7);
        const std::uint32_t op = steps.next(100);
        if (op < 60 || model.empty()) {
            // A sorted add while most rounds keep the order; an insertion anywhere breaks it.
            const bool sorted = round < 4000;
            const int position = sorted ? items.addPosition(text.c_str(), true)
                                        : static_cast<int>(steps.next(
                                              static_cast<std::uint32_t>(model.size() + 1)));
            if (sorted) {
                ASSERT_EQ(modelAddPosition(model, text), position)
                    << "round " << round << " " << text;
            }
            ASSERT_EQ(position, items.insert(position, text.c_str()));
            model.insert(model.begin() + position, text);
        } else if (op < 85) {
            const auto position = steps.next(static_cast<std::uint32_t>(model.size()));
            ASSERT_EQ(static_cast<int>(model.size()) - 1, items.erase(position));
            model.erase(model.begin() + position);
        } else {
            const auto start =
                static_cast<int>(steps.next(static_cast<std::uint32_t>(model.size() + 2))) - 1;
            const std::string prefix = text.substr(0, 1 + steps.next(2));
            for (bool exact : {false, true}) {
                const std::string &wanted = exact ? text : prefix;
                ASSERT_EQ(modelFind(model, start, wanted, exact),
                          items.find(static_cast<WPARAM>(start), wanted.c_str(), exact))
                    << "round " << round << (exact ? " exact " : " prefix ") << wanted
                    << " after " << start;
            }
        }
        ASSERT_EQ(static_cast<int>(model.size()), items.count());
        if (round % 500 == 0 || round == 5999) {
            for (std::size_t i = 0; i < model.size(); ++i)
                ASSERT_EQ(model[i], items.at(i).text) << "round " << round << " item " << i;
        }
    }
    EXPECT_GT(model.size(), 4 * ListItems::kBlockItems) << "the run must reach many blocks";
}

TEST(ListItems, ABoxAskedForTenMillionItemsRunsOutOfRoomNotOfMemory)
{
    // Texts of a thousand characters reach the room in few steps; list_bench asks a box for ten
    // million empty ones.
    const std::string text(1000, 'x');
    ListItems items;
    int added = 0;
    LRESULT answer = 0;
    for (int i = 0; i < 10'000'000 && answer >= 0; ++i) {
        answer = items.insert(-1, text.c_str());
        added += answer >= 0 ? 1 : 0;
    }
    EXPECT_EQ(LB_ERRSPACE, answer);
    EXPECT_LE(items.storageBytes(), kListStorageBytes);
    EXPECT_EQ(added, items.count());
    EXPECT_EQ(LB_ERRSPACE, items.insert(0, text.c_str())) << "still full";
    EXPECT_EQ(added - 1, items.erase(0));
    EXPECT_EQ(0, items.insert(0, text.c_str())) << "room for one again";
    items.clear();
    EXPECT_EQ(0u, items.storageBytes());
    EXPECT_EQ(0, items.insert(-1, text.c_str()));
}

}  // namespace
