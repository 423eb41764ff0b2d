// The display positions of a collated box's sequence numbers, against a plain vector.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "ui/collated_positions.h"

namespace {

using tut_collated::Positions;

// The sequence number shown at each display position, changed the way the boxes change it.
class Model {
public:
    explicit Model(std::vector<int> sequenceAt) : sequenceAt_(std::move(sequenceAt)) {}

    void insert(int position, int sequence)
    {
        for (int &shown : sequenceAt_)
            if (shown >= sequence)
                ++shown;
        sequenceAt_.insert(sequenceAt_.begin() + position, sequence);
    }
    void erase(int sequence)
    {
        sequenceAt_.erase(std::find(sequenceAt_.begin(), sequenceAt_.end(), sequence));
        for (int &shown : sequenceAt_)
            if (shown > sequence)
                --shown;
    }
    void move(int sequence, int position)
    {
        sequenceAt_.erase(std::find(sequenceAt_.begin(), sequenceAt_.end(), sequence));
        sequenceAt_.insert(sequenceAt_.begin() + position, sequence);
    }
    int position(int sequence) const
    {
        return static_cast<int>(std::find(sequenceAt_.begin(), sequenceAt_.end(), sequence) -
                                sequenceAt_.begin());
    }
    int count() const { return static_cast<int>(sequenceAt_.size()); }
    const std::vector<int> &sequenceAt() const { return sequenceAt_; }

private:
    std::vector<int> sequenceAt_;
};

TEST(CollatedPositions, FollowEveryChangeAPlainListWouldMake)
{
    Model model({2, 0, 1});
    Positions positions(model.sequenceAt());
    std::uint32_t state = 7;
    auto next = [&](int bound) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(bound));
    };
    for (int round = 0; round < 3000; ++round) {
        const int op = next(10);
        if (op < 5 || model.count() == 0) {
            // Mostly an added item, the next number; sometimes one inserted in the middle.
            const int position = next(model.count() + 1);
            const int sequence = op < 4 ? model.count() : next(model.count() + 1);
            model.insert(position, sequence);
            positions.insert(position, sequence);
        } else if (op < 7) {
            const int sequence = next(model.count());
            model.erase(sequence);
            positions.erase(sequence);
        } else {
            const int sequence = next(model.count());
            const int position = next(model.count());
            model.move(sequence, position);
            positions.move(sequence, position);
        }
        ASSERT_EQ(model.count(), positions.count());
        for (int sequence = 0; sequence < model.count(); sequence += 1 + round % 7)
            ASSERT_EQ(model.position(sequence), positions.position(sequence))
                << "round " << round << ", number " << sequence;
    }
    EXPECT_GT(model.count(), 300) << "the run must grow a deep tree";
}

}  // namespace
