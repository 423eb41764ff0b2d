// Internal: where each sequence number of a collated box is shown, kept up as the box changes.
#pragma once

#include <cstdint>
#include <vector>

namespace tut_collated {

// A tree in display order over the box's items (a treap, balanced by random priorities, each
// node counting the items below it), and each sequence number's node. The display position of a
// number, and each change a collated box makes, cost O(log n); only the numbering of a change in
// the middle moves the nodes' places in one array.
class Positions {
public:
    // From the sequence number shown at each display position: a permutation of 0..n-1.
    explicit Positions(const std::vector<int> &sequenceAt);

    int count() const { return static_cast<int>(bySequence_.size()); }
    // The display position of `sequence` (0 <= sequence < count()).
    int position(int sequence) const;

    // A new item shown at `position` with the number `sequence`: the items shown from `position`
    // on move one down, and the numbers from `sequence` on move one up.
    void insert(int position, int sequence);
    // The item of `sequence` goes; the items shown after it move one up, and the numbers above
    // it one down.
    void erase(int sequence);
    // The item of `sequence` is shown at `position` instead, keeping its number.
    void move(int sequence, int position);

private:
    struct Node {
        int left = -1;
        int right = -1;
        int parent = -1;
        int size = 1;
        std::uint32_t priority = 0;
    };

    int newNode();
    int positionOf(int node) const;
    int size(int node) const
    {
        return node < 0 ? 0 : nodes_[static_cast<std::size_t>(node)].size;
    }
    void update(int node);
    // The first `count` items of `tree` in `first`, the rest in `second`.
    void split(int tree, int count, int &first, int &second);
    int merge(int first, int second);
    void insertNode(int node, int position);
    void removeNode(int node);

    std::vector<Node> nodes_;
    std::vector<int> freeNodes_;
    std::vector<int> bySequence_;  // each sequence number's node
    int root_ = -1;
    std::uint32_t random_ = 0x9E3779B9u;
};

}  // namespace tut_collated
